// Run-time conversion between the program's GBK texts and the encodings that
// the world outside uses (UTF-8 for Qt, terminals, JSON and POSIX paths;
// UTF-16 for Windows). Nothing is ever refused: a byte sequence that is not
// valid, or a character that GBK cannot hold, becomes "?".
#pragma once

#include <string>
#include <string_view>

namespace trailcfg {

std::string GbkToUtf8(std::string_view gbk);
std::string Utf8ToGbk(std::string_view utf8);

// For input that must not change on its way into a record: true and the GBK
// text only when every character of `utf8` is valid UTF-8 that GBK holds, so
// that the result reads back as exactly `utf8`. Never a "?" in its place.
bool Utf8ToGbkStrict(std::string_view utf8, std::string& gbk);

#ifdef _WIN32
std::wstring GbkToWide(std::string_view gbk);
std::string WideToGbk(std::wstring_view wide);
#endif

}  // namespace trailcfg
