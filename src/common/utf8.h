// The one UTF-8 decoder: compile-time GBK literals, the codec's repair of
// broken input, the command line's checks and the fuzzers all read UTF-8
// through here, so they agree on what a character is.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace trailcfg {

// One UTF-8 character from `text` at `i`, moving `i` past it: false, and `i`
// left where it was, for bytes that are not one (overlong forms, surrogates
// and sequences cut short included).
constexpr bool NextCodePoint(std::string_view text, std::size_t& i, char32_t& cp) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char lead = byte(i);
    std::size_t n = 0;
    char32_t min = 0;
    if (lead < 0x80) {
        cp = lead;
        ++i;
        return true;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        n = 2, cp = lead & 0x1F, min = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        n = 3, cp = lead & 0x0F, min = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        n = 4, cp = lead & 0x07, min = 0x10000;
    } else {
        return false;
    }
    if (text.size() - i < n) return false;
    for (std::size_t k = 1; k < n; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80) return false;
        cp = (cp << 6) | (byte(i + k) & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return false;
    i += n;
    return true;
}

// The encoder that goes with the decoder: `cp` as UTF-8, appended to `out`.
inline void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

constexpr bool IsValidUtf8(std::string_view text) {
    char32_t cp = 0;
    for (std::size_t i = 0; i < text.size();)
        if (!NextCodePoint(text, i, cp)) return false;
    return true;
}

// How many bytes at the start of `text` (not empty) one "?" replaces when
// they are no UTF-8 character: the sequence its lead byte announces, cut
// short at the first byte that cannot continue it, so that the character
// after a broken one survives.
constexpr std::size_t BrokenSequenceLength(std::string_view text) {
    const unsigned char lead = static_cast<unsigned char>(text[0]);
    std::size_t n = lead >= 0xF0 && lead <= 0xF4   ? 4
                    : lead >= 0xE0 && lead <= 0xEF ? 3
                    : lead >= 0xC2 && lead < 0xE0  ? 2
                                                   : 1;
    if (n > text.size()) n = text.size();
    for (std::size_t k = 1; k < n; ++k)
        if ((static_cast<unsigned char>(text[k]) & 0xC0) != 0x80) return k;
    return n;
}

}  // namespace trailcfg
