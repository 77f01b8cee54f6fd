// The compile-time GBK texts and the run-time codec must agree, and the codec
// must turn anything it cannot convert into "?" rather than fail.
#include <gtest/gtest.h>

#include "common/gbk_codec.h"
#include "common/gbk_codes.h"
#include "common/gbk_literal.h"

namespace trailcfg {
namespace {

TEST(Gbk, CompileTimeTableAgreesWithTheRunTimeCodecForEveryEntry) {
    for (const auto& pair : gbk_detail::kTable) {
        const char bytes[2] = {static_cast<char>(pair.gbk >> 8), static_cast<char>(pair.gbk & 0xFF)};
        std::u32string expected(1, pair.unicode);
        std::string utf8 = GbkToUtf8(std::string_view(bytes, 2));
        // Decode the UTF-8 back to one code point.
        char32_t cp = 0;
        unsigned char lead = static_cast<unsigned char>(utf8[0]);
        int extra = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
        cp = lead & (0x7F >> (extra ? extra + 1 : 0));
        for (int i = 1; i <= extra; ++i) cp = (cp << 6) | (static_cast<unsigned char>(utf8[i]) & 0x3F);
        ASSERT_EQ(cp, pair.unicode) << std::hex << pair.gbk;
        ASSERT_EQ(Utf8ToGbk(utf8), std::string(bytes, 2)) << std::hex << pair.gbk;
    }
}

TEST(Gbk, LiteralsAreConvertedAtCompileTime) {
    constexpr const char* title = GBK("3G参数设置");
    EXPECT_STREQ(title, "3G\xB2\xCE\xCA\xFD\xC9\xE8\xD6\xC3");
    EXPECT_STREQ(GBK("输入内容超出范围！"), Utf8ToGbk("输入内容超出范围！").c_str());
    EXPECT_STREQ(GBK("plain ASCII"), "plain ASCII");
}

TEST(Gbk, InvalidInputBecomesQuestionMarksNeverACrash) {
    EXPECT_EQ(GbkToUtf8("\xC9\xE8\xD6\xC3"), "设置");
    EXPECT_EQ(GbkToUtf8("a\xFF"
                        "b"),
              "a?b");
    EXPECT_EQ(GbkToUtf8("ab\xC9"), "ab?") << "a lead byte cut off at the end";
    EXPECT_EQ(GbkToUtf8("\x81\x20x"), "? x") << "a lead byte with an invalid trail costs one byte";
    EXPECT_EQ(Utf8ToGbk("a😀b"), "a?b") << "a character GBK cannot hold";
    EXPECT_EQ(Utf8ToGbk("a\xE4\xB8"
                        "b"),
              "a?b")
        << "a truncated UTF-8 sequence";
    EXPECT_EQ(Utf8ToGbk("\xFF\xFE"), "??");
    EXPECT_EQ(Utf8ToGbk(""), "");
}

#ifndef _WIN32
// The browser edition converts with the program's own table of GBK codes;
// it must read and write as the iconv it was made from, code by code, and
// mend broken input alike.
TEST(Gbk, CodeTableConvertsAsIconvDoes) {
    int codes = 0;
    for (unsigned lead = 0x80; lead <= 0xFF; ++lead) {
        for (unsigned trail = 0x00; trail <= 0xFF; ++trail) {
            const std::string gbk{static_cast<char>(lead), static_cast<char>(trail)};
            const std::string utf8 = GbkToUtf8(gbk);
            ASSERT_EQ(GbkToUtf8ByCodeTable(gbk), utf8) << std::hex << lead << " " << trail;
            if (utf8.find('?') != std::string::npos) continue;
            ++codes;
            ASSERT_EQ(Utf8ToGbkByCodeTable(utf8), Utf8ToGbk(utf8)) << std::hex << lead << " " << trail;
        }
    }
    EXPECT_GT(codes, 21000);
    for (const char* broken : {"ab\xC9", "\xFF\xFE",
                               "a\xE4\xB8"
                               "b",
                               "\x81",
                               "a\xF0\x9F\x98\x80"
                               "b",
                               "\xED\xA0\x80"}) {
        EXPECT_EQ(GbkToUtf8ByCodeTable(broken), GbkToUtf8(broken));
        EXPECT_EQ(Utf8ToGbkByCodeTable(broken), Utf8ToGbk(broken));
    }
}
#endif

}  // namespace
}  // namespace trailcfg
