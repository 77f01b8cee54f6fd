#include "win32_text.h"

#include <algorithm>

#include "common/gbk_codec.h"

namespace trailcfg::win32 {

namespace {

bool IsHighSurrogate(wchar_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool IsLowSurrogate(wchar_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

// Code units of the character at `i`: a surrogate pair is one character.
std::size_t UnitsAt(std::wstring_view wide, std::size_t i) {
    return IsHighSurrogate(wide[i]) && i + 1 < wide.size() && IsLowSurrogate(wide[i + 1]) ? 2 : 1;
}

// GBK bytes of the character at `i` that spans `units` code units.
int BytesOf(std::wstring_view wide, std::size_t i, std::size_t units) {
    if (units == 2 || wide[i] < 0x80) return 1;
    // One character converts to one GBK character: a double-byte one, or a
    // single byte (the euro sign's 0x80, or the "?" for what GBK lacks).
    return static_cast<int>(Gbk(wide.substr(i, 1)).size());
}

}  // namespace

std::wstring Wide(std::string_view gbk) { return GbkToWide(gbk); }

std::string Gbk(std::wstring_view wide) { return WideToGbk(wide); }

int GbkLength(std::wstring_view wide) { return ByteAtIndex(wide, static_cast<int>(wide.size())); }

int ByteAtIndex(std::wstring_view wide, int index) {
    const std::size_t end = static_cast<std::size_t>(std::clamp(index, 0, static_cast<int>(wide.size())));
    int bytes = 0;
    for (std::size_t i = 0; i < end;) {
        const std::size_t units = UnitsAt(wide, i);
        bytes += BytesOf(wide, i, units);
        i += units;
    }
    return bytes;
}

int IndexAtByte(std::wstring_view wide, int pos) {
    int bytes = 0;
    std::size_t i = 0;
    while (i < wide.size()) {
        const std::size_t units = UnitsAt(wide, i);
        const int width = BytesOf(wide, i, units);
        if (bytes + width > pos) break;
        bytes += width;
        i += units;
    }
    return static_cast<int>(i);
}

std::wstring_view CutToGbkBytes(std::wstring_view wide, int room) {
    return wide.substr(0, static_cast<std::size_t>(IndexAtByte(wide, std::max(room, 0))));
}

bool SpellableInGbk(std::wstring_view wide, std::string& gbk) {
    std::string converted = Gbk(wide);
    if (Wide(converted) != wide) return false;
    gbk = std::move(converted);
    return true;
}

std::wstring WindowText(HWND window) {
    const int length = GetWindowTextLengthW(window);
    if (length <= 0) return {};
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const int copied = GetWindowTextW(window, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(std::max(copied, 0)));
    return text;
}

void SetWindowTextGbk(HWND window, std::string_view gbk) { SetWindowTextW(window, Wide(gbk).c_str()); }

}  // namespace trailcfg::win32
