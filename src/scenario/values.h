// Numbers and texts as scenarios write them, and as the report shows them.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace trailcfg::scenario {

// Decimal (a leading "-" allowed) or hexadecimal with "0x".
bool ParseNumber(std::string_view word, std::int64_t& value);

// A GBK text for the report: in double quotes, as UTF-8, with the script's
// escapes for quotes, backslashes, control bytes and bytes that are not GBK.
std::string Quoted(std::string_view gbk);

}  // namespace trailcfg::scenario
