// The codec's Windows branch (code page 936 through MultiByteToWideChar and
// WideCharToMultiByte) must give what the iconv branch gives: the same
// characters, and "?" for the same faults.
#include <gtest/gtest.h>

#include "common/gbk_codec.h"
#include "common/gbk_literal.h"

namespace trailcfg {
namespace {

TEST(GbkWindows, WideConversionsRoundTripChineseAndTheEuroSign) {
    EXPECT_EQ(GbkToWide(GBK("设置")), L"\u8BBE\u7F6E");
    EXPECT_EQ(WideToGbk(L"\u8BBE\u7F6E"), GBK("设置"));
    // Code page 936's single byte 0x80 is the euro sign, as in iconv's GBK.
    EXPECT_EQ(GbkToWide("\x80"), L"\u20AC");
    EXPECT_EQ(WideToGbk(L"\u20AC"), "\x80");
    EXPECT_EQ(GbkToUtf8("\x80"), "\xE2\x82\xAC");
}

TEST(GbkWindows, BrokenBytesCostOneQuestionMarkEach) {
    EXPECT_EQ(GbkToWide("a\xFF"
                        "b"),
              L"a?b");
    EXPECT_EQ(GbkToWide("ab\xC9"), L"ab?");
    EXPECT_EQ(GbkToWide("\x81\x20x"), L"? x");
}

TEST(GbkWindows, CharactersGbkLacksBecomeQuestionMarksNeverLookAlikes) {
    EXPECT_EQ(WideToGbk(L"K\u00F6ln"), "K?ln");
    EXPECT_EQ(WideToGbk(L"a\U0001F4F7b"), "a?b") << "a surrogate pair is one character";
    // A lone surrogate is one "?" and takes nothing after it with it.
    EXPECT_EQ(WideToGbk(std::wstring(L"a") + wchar_t(0xD83D) + L"bc"), "a?bc");
    EXPECT_EQ(WideToGbk(std::wstring(L"a") + wchar_t(0xDC37) + L"b"), "a?b");
}

}  // namespace
}  // namespace trailcfg
