// The Win32 backend's side of the text edge: the program speaks GBK and
// counts bytes, the W functions speak UTF-16 and count code units. Every text
// and every caret position that crosses the port goes through here, so
// Chinese shows correctly whatever the system's ANSI code page is.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "common/text_edge.h"

namespace trailcfg::win32 {

// Invalid GBK bytes and characters GBK cannot hold become "?".
std::wstring Wide(std::string_view gbk);
std::string Gbk(std::wstring_view wide);

// The shared text edge (common/text_edge.h) over wchar_t, which is UTF-16
// on Windows.
std::u16string_view Utf16Of(std::wstring_view wide);
std::wstring WideOf(std::u16string_view text);

inline int GbkLength(std::wstring_view wide) { return trailcfg::GbkLength(Utf16Of(wide)); }
inline int ByteAtIndex(std::wstring_view wide, int index) { return trailcfg::ByteAtIndex(Utf16Of(wide), index); }
inline int IndexAtByte(std::wstring_view wide, int pos) { return trailcfg::IndexAtByte(Utf16Of(wide), pos); }
inline bool SpellableInGbk(std::wstring_view wide, std::string& gbk) {
    return trailcfg::SpellableInGbk(Utf16Of(wide), gbk);
}

std::wstring WindowText(HWND window);
void SetWindowTextGbk(HWND window, std::string_view gbk);

}  // namespace trailcfg::win32
