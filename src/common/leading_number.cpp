#include "leading_number.h"

namespace trailcfg {

std::optional<std::int32_t> LeadingNumber(std::string_view text, Minus minus) {
    const bool negative = minus == Minus::Taken && !text.empty() && text.front() == '-';
    if (negative) text.remove_prefix(1);
    const std::int64_t limit = negative ? -static_cast<std::int64_t>(INT32_MIN) : INT32_MAX;
    std::int64_t value = 0;
    std::size_t digits = 0;
    for (char c : text) {
        if (c < '0' || c > '9') break;
        if (value < limit) value = value * 10 + (c - '0');
        ++digits;
    }
    if (digits == 0) return std::nullopt;
    if (value > limit) value = limit;
    return static_cast<std::int32_t>(negative ? -value : value);
}

}  // namespace trailcfg
