#include "text_edge.h"

#include <algorithm>
#include <cstddef>
#include <vector>

#include "common/gbk_codec.h"
#include "common/utf8.h"

namespace trailcfg {

namespace {

bool IsHighSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool IsLowSurrogate(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

// Code units of the character at `i`: a surrogate pair is one character.
std::size_t UnitsAt(std::u16string_view text, std::size_t i) {
    return IsHighSurrogate(text[i]) && i + 1 < text.size() && IsLowSurrogate(text[i + 1]) ? 2 : 1;
}

// For every index 0..size() the GBK bytes before it. Inside a surrogate
// pair the index is no boundary and carries the offset of the pair's start.
struct GbkLayout {
    std::vector<int> bytesBefore;
    std::vector<bool> boundary;
};

GbkLayout LayOutGbk(std::u16string_view text) {
    const std::string gbk = Utf16ToGbk(text);
    const std::size_t n = text.size();
    GbkLayout layout{std::vector<int>(n + 1, 0), std::vector<bool>(n + 1, true)};
    // The converter maps every character to one GBK character: two bytes
    // with a lead byte from 0x81, or one byte (ASCII, the euro sign's 0x80,
    // or the "?" for anything GBK cannot hold). Walking both texts in step
    // therefore gives each character's width from one conversion.
    std::size_t byte = 0;
    for (std::size_t i = 0; i < n;) {
        const std::size_t units = UnitsAt(text, i);
        const std::size_t width = byte + 1 < gbk.size() && static_cast<unsigned char>(gbk[byte]) >= 0x81 ? 2 : 1;
        for (std::size_t k = 0; k < units; ++k) {
            layout.bytesBefore[i + k] = static_cast<int>(byte);
            layout.boundary[i + k] = (k == 0);
        }
        byte = std::min(byte + width, gbk.size());
        i += units;
    }
    layout.bytesBefore[n] = static_cast<int>(gbk.size());
    return layout;
}

#ifndef _WIN32
void AppendUtf16(std::u16string& out, char32_t cp) {
    if (cp < 0x10000) {
        out += static_cast<char16_t>(cp);
    } else {
        cp -= 0x10000;
        out += static_cast<char16_t>(0xD800 + (cp >> 10));
        out += static_cast<char16_t>(0xDC00 + (cp & 0x3FF));
    }
}
#endif

}  // namespace

#ifdef _WIN32
// Windows' own code page 936, through the codec's wide functions.
std::u16string GbkToUtf16(std::string_view gbk) {
    const std::wstring wide = GbkToWide(gbk);
    return std::u16string(wide.begin(), wide.end());
}

std::string Utf16ToGbk(std::u16string_view text) { return WideToGbk(std::wstring(text.begin(), text.end())); }
#else
// Through UTF-8, which the codec converts.
std::u16string GbkToUtf16(std::string_view gbk) {
    const std::string utf8 = GbkToUtf8(gbk);
    std::u16string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        char32_t cp = 0;
        if (!NextCodePoint(utf8, i, cp)) {
            cp = U'?';
            ++i;
        }
        AppendUtf16(out, cp);
    }
    return out;
}

std::string Utf16ToGbk(std::u16string_view text) {
    std::string utf8;
    utf8.reserve(text.size() * 3);
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t units = UnitsAt(text, i);
        char32_t cp = text[i];
        if (units == 2)
            cp = 0x10000 + ((cp - 0xD800) << 10) + (text[i + 1] - 0xDC00);
        else if (IsHighSurrogate(text[i]) || IsLowSurrogate(text[i]))
            cp = U'\uFFFD';  // GBK lacks it: a lone surrogate ends as "?"
        AppendUtf8(utf8, cp);
        i += units;
    }
    return Utf8ToGbk(utf8);
}
#endif

bool SpellableInGbk(std::u16string_view text, std::string& gbk) {
    std::string converted = Utf16ToGbk(text);
    if (GbkToUtf16(converted) != text) return false;
    gbk = std::move(converted);
    return true;
}

int GbkLength(std::u16string_view text) { return static_cast<int>(Utf16ToGbk(text).size()); }

int ByteAtIndex(std::u16string_view text, int index) {
    const GbkLayout layout = LayOutGbk(text);
    index = std::clamp(index, 0, static_cast<int>(text.size()));
    return layout.bytesBefore[static_cast<std::size_t>(index)];
}

int IndexAtByte(std::u16string_view text, int pos) {
    const GbkLayout layout = LayOutGbk(text);
    int index = 0;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        if (layout.bytesBefore[i] > pos) break;
        if (layout.boundary[i]) index = static_cast<int>(i);
    }
    return index;
}

std::u16string_view CutToGbkBytes(std::u16string_view text, int room) {
    if (room <= 0) return text.substr(0, 0);
    return text.substr(0, static_cast<std::size_t>(IndexAtByte(text, room)));
}

FittedEdit FitUserEdit(std::u16string_view committed, std::u16string_view edited, int caret, int limit) {
    caret = std::clamp(caret, 0, static_cast<int>(edited.size()));
    if (GbkLength(edited) <= limit) return FittedEdit{std::u16string(edited), caret, false};
    // The edit replaced committed[start, start + removed) by edited[start, caret).
    const int tail = static_cast<int>(edited.size()) - caret;
    const int maxStart = std::min(caret, static_cast<int>(committed.size()) - tail);
    int start = 0;
    while (start < maxStart && committed[static_cast<std::size_t>(start)] == edited[static_cast<std::size_t>(start)])
        ++start;
    // Never split a surrogate pair between the kept start and the insertion.
    if (start > 0 && IsHighSurrogate(edited[static_cast<std::size_t>(start) - 1])) --start;
    const std::u16string_view before = edited.substr(0, static_cast<std::size_t>(start));
    const std::u16string_view after = edited.substr(static_cast<std::size_t>(caret));
    const int room = limit - GbkLength(before) - GbkLength(after);
    const std::u16string_view kept =
        CutToGbkBytes(edited.substr(static_cast<std::size_t>(start), static_cast<std::size_t>(caret - start)), room);
    std::u16string fitted;
    fitted.reserve(before.size() + kept.size() + after.size());
    fitted.append(before).append(kept).append(after);
    if (fitted == committed) return FittedEdit{std::u16string(committed), start, true};
    return FittedEdit{std::move(fitted), static_cast<int>(before.size() + kept.size()), false};
}

}  // namespace trailcfg
