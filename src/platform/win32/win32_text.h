// The Win32 backend's text edge: the program speaks GBK and counts bytes,
// the W functions speak UTF-16 and count code units. Every text and every
// caret position that crosses the port goes through here, so Chinese shows
// correctly whatever the system's ANSI code page is.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace trailcfg::win32 {

// Invalid GBK bytes and characters GBK cannot hold become "?".
std::wstring Wide(std::string_view gbk);
std::string Gbk(std::wstring_view wide);

// GBK bytes of `wide` (each character is one or two bytes; a character GBK
// cannot hold, surrogate pairs included, is the one byte of its "?").
int GbkLength(std::wstring_view wide);
// The GBK byte offset of UTF-16 index `index` (clamped to the text).
int ByteAtIndex(std::wstring_view wide, int index);
// The UTF-16 index of the last character boundary at or before byte `pos`
// (clamped): a position inside a double-byte character falls back to its
// start.
int IndexAtByte(std::wstring_view wide, int pos);
// The longest start of `wide` (whole characters only) whose GBK form fits
// in `room` bytes.
std::wstring_view CutToGbkBytes(std::wstring_view wide, int room);

// True, with the GBK form in `gbk`, when `wide` survives the trip to GBK and
// back: a folder whose name GBK cannot spell must not be handed on under
// another name.
bool SpellableInGbk(std::wstring_view wide, std::string& gbk);

std::wstring WindowText(HWND window);
void SetWindowTextGbk(HWND window, std::string_view gbk);

}  // namespace trailcfg::win32
