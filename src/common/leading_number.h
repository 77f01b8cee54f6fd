// Numbers typed into edits: the decimal number made by the text's leading
// digits, as every page reads its number edits.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace trailcfg {

enum class Minus : bool { NotTaken, Taken };

// Nothing when `text` does not start with a digit (after one '-' where
// `minus` takes it). Saturates at the 32-bit ends instead of overflowing: a
// number shown by the program is not cut to an edit's limit.
std::optional<std::int32_t> LeadingNumber(std::string_view text, Minus minus = Minus::NotTaken);

}  // namespace trailcfg
