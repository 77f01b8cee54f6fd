// Values a user gives for fields, from JSON, CSV cells or FIELD=VALUE, taken
// only when they are exactly what the field can hold: a number of the right
// type within the field's range and the values it may take, or a text that
// fits the field in GBK without losing a character. Nothing is cut, rounded
// or replaced.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include <nlohmann/json.hpp>

#include "cli_common.h"
#include "field_guide.h"

namespace trailcfg::cli {

using Json = nlohmann::ordered_json;

struct FieldValue {
    FileKind kind;
    const FieldDesc* field;
    std::int64_t number = 0;
    std::string text;  // GBK
};

using FieldValues = std::vector<FieldValue>;

// The field of either record with this name; with a suggestion of the
// nearest names in `error` when there is none.
bool FindAnyField(std::string_view name, FileKind& kind, const FieldDesc*& field, std::string& error);
// The same within one record.
bool FindFieldOf(FileKind kind, std::string_view name, const FieldDesc*& field, std::string& error);

// On failure `error` says what is wrong with the value (without the field's
// name, which the caller puts in front).
bool ValueFromJson(FileKind kind, const FieldDesc& field, const Json& json, FieldValue& out, std::string& error);
bool ValueFromText(FileKind kind, const FieldDesc& field, std::string_view utf8, FieldValue& out, std::string& error);

// Writes the values into a plain record of their kind.
void ApplyValues(std::uint8_t* plain, const FieldValues& values);

// The value's number as a field holds it, or its text; for comparing.
bool SameAsRecord(const FieldValue& value, const std::uint8_t* plain);

// Whether the value lies within the values a user may give the field; for
// `check` on a menu.dat, whose values no page has checked.
bool WithinGuide(FileKind kind, const FieldDesc& field, std::int64_t value, std::string& error);

}  // namespace trailcfg::cli
