// GBK through the program's own table of its double-byte codes (gbk_codes.inc,
// made from glibc's iconv, which the Linux program converts with), for the
// browser edition: Emscripten's iconv cannot encode GBK, and links in every
// East Asian charset's tables, more than a third of the program's download.
#pragma once

#include <string>
#include <string_view>

namespace trailcfg {

// As GbkToUtf8: each byte that does not begin a character GBK has becomes
// "?", and the next byte is read afresh.
std::string GbkToUtf8ByCodeTable(std::string_view gbk);

// As Utf8ToGbk: a character GBK cannot hold becomes "?", and so does each
// broken UTF-8 sequence (BrokenSequenceLength bytes of it). The encoder is
// the decoder's table turned round, so both directions agree.
std::string Utf8ToGbkByCodeTable(std::string_view utf8);

}  // namespace trailcfg
