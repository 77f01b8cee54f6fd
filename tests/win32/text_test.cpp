// The backend's side of the text edge: wchar_t text into the shared rules,
// and code page 936's conversions for double-byte characters, the euro sign
// (one byte there) and characters GBK cannot hold.
#include <gtest/gtest.h>

#include "common/gbk_literal.h"
#include "win32_text.h"

namespace trailcfg::win32 {
namespace {

const std::wstring kMixed = L"a\u4E2D\u6587b";  // a中文b: 1 + 2 + 2 + 1 bytes
const std::wstring kEuro = L"\u20AC1";          // €1: 0x80 '1'
const std::wstring kEmoji = L"x\U0001F4F7y";    // a surrogate pair: one "?"

TEST(Win32Text, PositionsAreTheSharedEdgesOverWideText) {
    // The rules themselves are tests/core/text_edge_test.cpp's; here only
    // that wchar_t text reaches them unchanged.
    EXPECT_EQ(GbkLength(kMixed), 6);
    EXPECT_EQ(ByteAtIndex(kMixed, 2), 3);
    EXPECT_EQ(IndexAtByte(kEmoji, 2), 3);
    EXPECT_EQ(WideOf(Utf16Of(kEmoji)), kEmoji);
}

TEST(Win32Text, ConversionsAtTheEdge) {
    EXPECT_EQ(Gbk(kMixed), std::string("a") + GBK("中文") + "b");
    EXPECT_EQ(Wide(GBK("设置")), L"\u8BBE\u7F6E");
    EXPECT_EQ(Gbk(kEuro),
              "\x80"
              "1");
    EXPECT_EQ(Gbk(kEmoji), "x?y");
    EXPECT_EQ(Gbk(L"\u00F6"), "?") << "no best-fit 'o' for a character GBK lacks";
}

TEST(Win32Text, OnlyPathsGbkCanSpellAreHandedOn) {
    std::string gbk = "unchanged";
    EXPECT_TRUE(SpellableInGbk(L"C:\\\u76F8\u673A\\DCIM", gbk));
    EXPECT_EQ(gbk, "C:\\" + std::string(GBK("相机")) + "\\DCIM");
    EXPECT_FALSE(SpellableInGbk(L"C:\\K\u00F6ln", gbk));
}

}  // namespace
}  // namespace trailcfg::win32
