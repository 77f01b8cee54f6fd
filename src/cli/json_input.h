// The JSON that `import` and `batch` read: one flat object with the field
// names that `export` prints, any subset of them.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "field_values.h"

namespace trailcfg::cli {

struct JsonFields {
    FieldValues values;    // in the order given
    bool hasCfg = false;   // a CFG.BIN field was given
    bool hasMenu = false;  // a menu.dat field was given
};

// Parses and checks every value. A syntax error is reported with its line
// and column; a field given twice, an unknown name, or a value its field
// cannot hold by the field's name. "sendByAppSetFlag" is accepted (true or
// false) and ignored: every file this tool writes carries the flag.
bool ParseJsonFields(std::string_view text, JsonFields& out, std::string& error);

}  // namespace trailcfg::cli
