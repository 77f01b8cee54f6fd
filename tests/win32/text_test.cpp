// The backend's text edge: GBK byte positions against UTF-16 indexes, for
// texts with double-byte characters, the euro sign (one byte in code page
// 936) and characters GBK cannot hold.
#include <gtest/gtest.h>

#include "common/gbk_literal.h"
#include "win32_text.h"

namespace trailcfg::win32 {
namespace {

const std::wstring kMixed = L"a\u4E2D\u6587b";          // a中文b: 1 + 2 + 2 + 1 bytes
const std::wstring kEuro = L"\u20AC1";                   // €1: 0x80 '1'
const std::wstring kEmoji = L"x\U0001F4F7y";             // a surrogate pair: one "?"

TEST(Win32Text, ByteOffsetsAndIndexesMeetAtCharacterBoundaries) {
    EXPECT_EQ(GbkLength(kMixed), 6);
    EXPECT_EQ((std::vector<int>{0, 1, 3, 5, 6}),
              (std::vector<int>{ByteAtIndex(kMixed, 0), ByteAtIndex(kMixed, 1), ByteAtIndex(kMixed, 2),
                                ByteAtIndex(kMixed, 3), ByteAtIndex(kMixed, 4)}));
    EXPECT_EQ(IndexAtByte(kMixed, 3), 2);
    // Inside a double-byte character the position falls back to its start.
    EXPECT_EQ(IndexAtByte(kMixed, 2), 1);
    EXPECT_EQ(IndexAtByte(kMixed, 4), 2);
    // Clamped at both ends.
    EXPECT_EQ(IndexAtByte(kMixed, -3), 0);
    EXPECT_EQ(IndexAtByte(kMixed, 99), 4);
    EXPECT_EQ(ByteAtIndex(kMixed, 99), 6);

    EXPECT_EQ(GbkLength(kEuro), 2);
    EXPECT_EQ(IndexAtByte(kEuro, 1), 1);

    EXPECT_EQ(GbkLength(kEmoji), 3);
    EXPECT_EQ(ByteAtIndex(kEmoji, 3), 2);
    EXPECT_EQ(IndexAtByte(kEmoji, 2), 3) << "past the pair, never between its halves";
    EXPECT_EQ(IndexAtByte(kEmoji, 1), 1);
}

TEST(Win32Text, CutKeepsWholeCharactersThatFit) {
    EXPECT_EQ(CutToGbkBytes(kMixed, 4), L"a\u4E2D");
    EXPECT_EQ(CutToGbkBytes(kMixed, 2), L"a");
    EXPECT_EQ(CutToGbkBytes(kMixed, 0), L"");
    EXPECT_EQ(CutToGbkBytes(kMixed, -1), L"");
    EXPECT_EQ(CutToGbkBytes(kEmoji, 1), L"x");
    EXPECT_EQ(CutToGbkBytes(kEmoji, 2), L"x\U0001F4F7");
}

TEST(Win32Text, ConversionsAtTheEdge) {
    EXPECT_EQ(Gbk(kMixed), std::string("a") + GBK("中文") + "b");
    EXPECT_EQ(Wide(GBK("设置")), L"\u8BBE\u7F6E");
    EXPECT_EQ(Gbk(kEuro), "\x80" "1");
    EXPECT_EQ(Gbk(kEmoji), "x?y");
    EXPECT_EQ(Gbk(L"\u00F6"), "?") << "no best-fit 'o' for a character GBK lacks";
}

TEST(Win32Text, OnlyPathsGbkCanSpellAreHandedOn) {
    std::string gbk = "unchanged";
    EXPECT_TRUE(SpellableInGbk(L"C:\\\u76F8\u673A\\DCIM", gbk));
    EXPECT_EQ(gbk, "C:\\" + std::string(GBK("相机")) + "\\DCIM");
    gbk = "unchanged";
    EXPECT_FALSE(SpellableInGbk(L"C:\\K\u00F6ln", gbk));
    EXPECT_FALSE(SpellableInGbk(L"C:\\cam \U0001F4F7", gbk));
    EXPECT_FALSE(SpellableInGbk(L"C:\\a?b", gbk) && gbk != "C:\\a?b");
    EXPECT_EQ(gbk, "C:\\a?b") << "a real question mark is no loss";
}

}  // namespace
}  // namespace trailcfg::win32
