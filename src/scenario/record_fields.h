// Record fields named by a step: `FIELD=VALUE` for `make cfg/menu`, and the
// comparison of `expect state/cfg/menu`. Everything goes through the records'
// field tables.
#pragma once

#include <cstdint>
#include <string>

#include "common/field_table.h"
#include "script.h"

namespace trailcfg::scenario {

// Sets the field named before "=" to the number or text after it. A value
// that does not fit the field is refused, not cut.
bool AssignField(std::uint8_t* record, const FieldTable& table, const Token& assignment, std::string& error);

struct FieldCheck {
    bool equal = false;
    std::string got;  // the field's value as the report shows it
};

// Compares the field with an expected number or text. False (with `error`)
// when a text is expected of a number field or the other way round.
bool CheckField(const std::uint8_t* record, const FieldDesc& field, const Token& expected, FieldCheck& check,
                std::string& error);

// The expected value as the step wrote it, for the report.
std::string Shown(const Token& value);

}  // namespace trailcfg::scenario
