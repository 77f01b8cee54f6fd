// Compile-time GBK text from readable UTF-8 source.
//
// The program's texts are narrow GBK (code page 936) constants, as the camera
// files and the dialogs expect them. Writing them as escaped bytes would make
// the tables unreadable, and no compiler we build with (GCC, Clang, MSVC,
// MinGW) converts execution character sets the same way, so the conversion
// happens here, at compile time, from a table of the GB2312 region:
//
//     constexpr const char* kTitle = GBK("设置");   // "\xC9\xE8\xD6\xC3"
//
// A character outside the table stops the build, so a text can never reach a
// user half-converted.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "common/utf8.h"

namespace trailcfg {

namespace gbk_detail {

struct CodePair {
    char32_t unicode;
    std::uint16_t gbk;
};

inline constexpr CodePair kTable[] = {
#include "gbk_table.inc"
};

// Never defined: reaching it during constant evaluation is ill-formed,
// which turns a missing character into a compile error at the GBK() use.
void CharacterNotInGbkTable();

constexpr std::uint16_t Lookup(char32_t cp) {
    std::size_t lo = 0, hi = sizeof(kTable) / sizeof(kTable[0]);
    while (lo < hi) {
        std::size_t mid = (lo + hi) / 2;
        if (kTable[mid].unicode < cp)
            lo = mid + 1;
        else
            hi = mid;
    }
    if (lo == sizeof(kTable) / sizeof(kTable[0]) || kTable[lo].unicode != cp) CharacterNotInGbkTable();
    return kTable[lo].gbk;
}

// Decodes one UTF-8 character at s[i]; advances i. Bytes that are no UTF-8
// stop the build as a missing character does.
constexpr char32_t Decode(const char* s, std::size_t n, std::size_t& i) {
    char32_t cp = 0;
    if (!NextCodePoint(std::string_view(s, n), i, cp)) CharacterNotInGbkTable();
    return cp;
}

constexpr std::size_t EncodedLength(const char* s, std::size_t n) {
    std::size_t len = 0;
    for (std::size_t i = 0; i < n;) {
        char32_t cp = Decode(s, n, i);
        len += cp < 0x80 ? 1 : (Lookup(cp), 2);
    }
    return len;
}

template <std::size_t N>
struct Utf8Text {
    char bytes[N]{};
    constexpr Utf8Text(const char (&s)[N]) {
        for (std::size_t i = 0; i < N; ++i) bytes[i] = s[i];
    }
};

template <std::size_t M>
constexpr std::array<char, M> Encode(const char* s, std::size_t n) {
    std::array<char, M> out{};
    std::size_t o = 0;
    for (std::size_t i = 0; i < n;) {
        char32_t cp = Decode(s, n, i);
        if (cp < 0x80) {
            out[o++] = static_cast<char>(cp);
        } else {
            std::uint16_t g = Lookup(cp);
            out[o++] = static_cast<char>(g >> 8);
            out[o++] = static_cast<char>(g & 0xFF);
        }
    }
    out[o] = '\0';
    return out;
}

template <Utf8Text T>
struct GbkOf {
    static constexpr std::size_t kSourceLen = sizeof(T.bytes) - 1;
    static constexpr std::size_t kLen = EncodedLength(T.bytes, kSourceLen);
    static constexpr std::array<char, kLen + 1> kText = Encode<kLen + 1>(T.bytes, kSourceLen);
};

}  // namespace gbk_detail

}  // namespace trailcfg

// A GBK, zero-terminated constant with static storage from a UTF-8 literal.
#define GBK(literal) (::trailcfg::gbk_detail::GbkOf<literal>::kText.data())
