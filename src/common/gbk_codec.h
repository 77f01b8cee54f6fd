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

#ifdef _WIN32
std::wstring GbkToWide(std::string_view gbk);
std::string WideToGbk(std::wstring_view wide);
#endif

}  // namespace trailcfg
