// The one UTF-8 decoder: what counts as a character, and how much of a
// broken one a "?" replaces.
#include <gtest/gtest.h>

#include <string_view>
#include <vector>

#include "common/utf8.h"

namespace trailcfg {
namespace {

std::vector<char32_t> Decoded(std::string_view text) {
    std::vector<char32_t> out;
    char32_t cp = 0;
    for (std::size_t i = 0; i < text.size();) {
        if (!NextCodePoint(text, i, cp)) return {};
        out.push_back(cp);
    }
    return out;
}

TEST(Utf8, DecodesEveryLength) {
    EXPECT_EQ(Decoded("a\xC3\xA9\xE4\xB8\xAD\xF0\x9F\x93\xB7"),
              (std::vector<char32_t>{U'a', U'\u00E9', U'\u4E2D', U'\U0001F4F7'}));
    EXPECT_TRUE(IsValidUtf8(""));
    EXPECT_TRUE(IsValidUtf8("\xF4\x8F\xBF\xBF")) << "U+10FFFF, the last code point";
}

TEST(Utf8, RefusesWhatIsNoCharacter) {
    for (std::string_view bad : {"\xC0\xAF", "\xE0\x80\xAF", "\xF0\x80\x80\xAF",  // overlong
                                 "\xED\xA0\x80",                                  // a surrogate
                                 "\xF4\x90\x80\x80",                              // beyond U+10FFFF
                                 "\xE4\xB8", "\x80", "\xFF", "\xE4\x41\xAD"}) {
        std::size_t i = 0;
        char32_t cp = 0;
        EXPECT_FALSE(NextCodePoint(bad, i, cp)) << testing::PrintToString(bad);
        EXPECT_EQ(i, 0u) << "a refused character does not move the position";
        EXPECT_FALSE(IsValidUtf8(bad));
    }
}

TEST(Utf8, BrokenSequenceKeepsTheNextCharacter) {
    EXPECT_EQ(BrokenSequenceLength("\xE4\xB8"
                                   "a"),
              2u)
        << "cut short by 'a', which survives";
    EXPECT_EQ(BrokenSequenceLength("\xE4\xB8"), 2u) << "cut short by the end";
    EXPECT_EQ(BrokenSequenceLength("\xF0\x9F\x93\xB7z"), 4u) << "whole, but GBK lacks it";
    EXPECT_EQ(BrokenSequenceLength("\x80\x80"), 1u) << "a stray continuation byte";
    EXPECT_EQ(BrokenSequenceLength("\xF8\x88\x80"), 1u) << "no lead byte of UTF-8";
    EXPECT_EQ(BrokenSequenceLength("\xC1\xBF"), 1u) << "the lead of an overlong pair";
}

}  // namespace
}  // namespace trailcfg
