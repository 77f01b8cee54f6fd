// The text edge every backend shares: GBK against UTF-16, caret positions in
// GBK bytes, and the edit limit's cut. Runs in the Linux build (iconv) and in
// the Windows build (code page 936), so both codecs are held to it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/gbk_literal.h"
#include "common/text_edge.h"

namespace trailcfg {
namespace {

const std::u16string kMixed = u"a\u4E2D\u6587b";  // a中文b: 1 + 2 + 2 + 1 bytes
const std::u16string kEuro = u"\u20AC1";          // €1: 0x80 '1'
const std::u16string kEmoji = u"x\U0001F4F7y";    // a surrogate pair: one "?"

TEST(TextEdge, GbkRoundTripsAndBrokenInputBecomesQuestionMarks) {
    EXPECT_EQ(GbkToUtf16(GBK("相机设置")), u"相机设置");
    EXPECT_EQ(Utf16ToGbk(u"3G发送设置"), GBK("3G发送设置"));
    EXPECT_EQ(Utf16ToGbk(kMixed), std::string("a") + GBK("中文") + "b");
    EXPECT_EQ(GbkToUtf16(GBK("设置")), u"\u8BBE\u7F6E");
    // A lead byte without its trail byte, and a byte GBK never uses.
    EXPECT_EQ(GbkToUtf16("a\xD6"), u"a?");
    EXPECT_EQ(GbkToUtf16("\xFF"
                         "b"),
              u"?b");
    // The euro sign is GBK's one single byte above ASCII.
    EXPECT_EQ(Utf16ToGbk(kEuro),
              "\x80"
              "1");
    // Characters GBK cannot hold: Latin with umlaut (no best-fit 'o'), an
    // emoji (a surrogate pair: one character, one "?"), and lone surrogates.
    EXPECT_EQ(Utf16ToGbk(u"\u00F6"
                         u"1"),
              "?1");
    EXPECT_EQ(Utf16ToGbk(kEmoji), "x?y");
    EXPECT_EQ(Utf16ToGbk(std::u16string(1, char16_t(0xD800)) + u"x"), "?x");
    EXPECT_EQ(Utf16ToGbk(u"x" + std::u16string(1, char16_t(0xDC00))), "x?");
}

TEST(TextEdge, PositionsCountGbkBytes) {
    const std::u16string text = u"中a文\U0001F4F7z";  // 2 + 1 + 2 + 1 ("?") + 1 bytes
    EXPECT_EQ(GbkLength(text), 7);
    EXPECT_EQ(ByteAtIndex(text, 0), 0);
    EXPECT_EQ(ByteAtIndex(text, 1), 2);
    EXPECT_EQ(ByteAtIndex(text, 2), 3);
    EXPECT_EQ(ByteAtIndex(text, 3), 5);
    EXPECT_EQ(ByteAtIndex(text, 4), 5) << "between the halves of a pair: the pair's start";
    EXPECT_EQ(ByteAtIndex(text, 5), 6);  // after the surrogate pair
    EXPECT_EQ(ByteAtIndex(text, 6), 7);
    EXPECT_EQ(ByteAtIndex(text, 99), 7);

    EXPECT_EQ(IndexAtByte(text, 0), 0);
    EXPECT_EQ(IndexAtByte(text, 1), 0);  // inside 中: back to its start
    EXPECT_EQ(IndexAtByte(text, 2), 1);
    EXPECT_EQ(IndexAtByte(text, 4), 2);  // inside 文
    EXPECT_EQ(IndexAtByte(text, 5), 3);
    EXPECT_EQ(IndexAtByte(text, 6), 5);  // never between the halves of a pair
    EXPECT_EQ(IndexAtByte(text, 7), 6);
    EXPECT_EQ(IndexAtByte(text, 50), 6);
    EXPECT_EQ(IndexAtByte(text, -3), 0);

    EXPECT_EQ(GbkLength(kMixed), 6);
    EXPECT_EQ((std::vector<int>{0, 1, 3, 5, 6}),
              (std::vector<int>{ByteAtIndex(kMixed, 0), ByteAtIndex(kMixed, 1), ByteAtIndex(kMixed, 2),
                                ByteAtIndex(kMixed, 3), ByteAtIndex(kMixed, 4)}));
    EXPECT_EQ(IndexAtByte(kMixed, 3), 2);
    EXPECT_EQ(IndexAtByte(kMixed, 2), 1);
    EXPECT_EQ(IndexAtByte(kMixed, 4), 2);
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

TEST(TextEdge, CuttingKeepsWholeCharactersThatFit) {
    EXPECT_EQ(CutToGbkBytes(u"中文ab", 3), u"中");
    EXPECT_EQ(CutToGbkBytes(u"中文ab", 5), u"中文a");
    EXPECT_EQ(CutToGbkBytes(u"中文ab", 60), u"中文ab");
    EXPECT_EQ(CutToGbkBytes(u"中文ab", 1), u"");
    EXPECT_EQ(CutToGbkBytes(u"ab", 0), u"");
    EXPECT_EQ(CutToGbkBytes(u"ab", -4), u"");
    EXPECT_EQ(CutToGbkBytes(kMixed, 4), u"a\u4E2D");
    EXPECT_EQ(CutToGbkBytes(kMixed, 2), u"a");
    EXPECT_EQ(CutToGbkBytes(kEmoji, 1), u"x");
    EXPECT_EQ(CutToGbkBytes(kEmoji, 2), u"x\U0001F4F7");
}

TEST(TextEdge, OnlyNamesGbkCanSpellAreHandedOn) {
    std::string gbk = "unchanged";
    EXPECT_TRUE(SpellableInGbk(u"C:\\\u76F8\u673A\\DCIM", gbk));
    EXPECT_EQ(gbk, "C:\\" + std::string(GBK("相机")) + "\\DCIM");
    gbk = "unchanged";
    EXPECT_FALSE(SpellableInGbk(u"C:\\K\u00F6ln", gbk));
    EXPECT_FALSE(SpellableInGbk(u"C:\\cam \U0001F4F7", gbk));
    EXPECT_EQ(gbk, "unchanged");
    EXPECT_TRUE(SpellableInGbk(u"C:\\a?b", gbk));
    EXPECT_EQ(gbk, "C:\\a?b") << "a real question mark is no loss";
}

TEST(TextEdgeLimit, InsertedTextIsCutToTheRoomTheRestLeaves) {
    // Typing at the end of "ab" with a limit of 5: "中文" is 4 bytes, 3 fit.
    FittedEdit fit = FitUserEdit(u"ab", u"ab\u4E2D\u6587", 4, 5);
    EXPECT_EQ(fit.text, u"ab\u4E2D");
    EXPECT_EQ(fit.caret, 3);
    EXPECT_FALSE(fit.refused);

    // A paste into the middle keeps what follows the caret whole.
    fit = FitUserEdit(u"abcd", u"ab123cd", 5, 6);
    EXPECT_EQ(fit.text, u"ab12cd");
    EXPECT_EQ(fit.caret, 4);

    // A selection replaced: the removed part makes room.
    fit = FitUserEdit(u"abcdef", u"aXYZf", 4, 4);
    EXPECT_EQ(fit.text, u"aXYf");
    EXPECT_EQ(fit.caret, 3);

    // Within the limit nothing changes.
    fit = FitUserEdit(u"ab", u"abc", 3, 3);
    EXPECT_EQ(fit.text, u"abc");
    EXPECT_FALSE(fit.refused);
}

TEST(TextEdgeLimit, AnEditOfWhichNothingFitsIsRefused) {
    FittedEdit fit = FitUserEdit(u"1234", u"12345", 5, 4);
    EXPECT_TRUE(fit.refused);
    EXPECT_EQ(fit.text, u"1234");
    EXPECT_EQ(fit.caret, 4);
    // A double-byte character into the last free byte does not fit either.
    fit = FitUserEdit(u"abc", u"abc\u4E2D", 4, 4);
    EXPECT_TRUE(fit.refused);
    // Text the program set beyond the limit stays; the user's addition goes.
    fit = FitUserEdit(u"123456", u"1234567", 7, 4);
    EXPECT_TRUE(fit.refused);
    EXPECT_EQ(fit.text, u"123456");
}

TEST(TextEdgeLimit, SurrogatePairsAreKeptOrCutWhole) {
    FittedEdit fit = FitUserEdit(u"", u"\U0001F4F7\U0001F4F7", 4, 1);
    EXPECT_EQ(fit.text, u"\U0001F4F7");
    EXPECT_EQ(fit.caret, 2);
    // An insertion right after a pair's high half keeps the pair together.
    fit = FitUserEdit(u"\U0001F4F7", u"\U0001F4F7\u4E2D", 3, 2);
    EXPECT_TRUE(fit.refused);
    EXPECT_EQ(fit.text, u"\U0001F4F7");
}

}  // namespace
}  // namespace trailcfg
