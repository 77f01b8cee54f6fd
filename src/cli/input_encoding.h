// The input files people have: UTF-8 with or without a byte-order mark, and
// UTF-16 with one (Windows PowerShell 5.1's `>` writes that, and Excel's
// "Unicode Text"). Everything else must be UTF-8; a file in a code page
// (Excel's plain "CSV" on most Windows systems) is refused with a hint to
// save it again, since which code page it was cannot be known.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace trailcfg::cli {

// `text` as UTF-8 without a byte-order mark. False with `error` ("line L,
// column C: ...") when it is not UTF-8 after all, or is broken UTF-16;
// `saveAs` names the format to save the file in ("CSV UTF-8").
bool DecodeInput(std::string& text, std::string_view saveAs, std::string& error);

// A whole input file (ReadInputText) as UTF-8, as DecodeInput. `name` is
// also the file's name in the messages.
bool ReadUtf8Input(const std::string& name, std::size_t maxBytes, std::string_view saveAs, std::string& text,
                   std::string& error);

}  // namespace trailcfg::cli
