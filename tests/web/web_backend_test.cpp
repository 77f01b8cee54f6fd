// The web backend's own rules: which Windows language a browser's language
// tag is, and Windows' dialog-unit arithmetic on the browser's font.
#include <gtest/gtest.h>

#include <string>

#include "common/gbk_codec.h"
#include "common/gbk_literal.h"
#include "platform/web/web_language.h"
#include "platform/web/web_units.h"

namespace trailcfg::web {
namespace {

struct TagCase {
    const char* tag;
    int languageId;
};

// Chinese of the PRC is the one Chinese the program knows; other Chinese
// regions are other Windows languages, shown in English. Longer tags fall
// back to their language, and unknown tags are US English.
constexpr TagCase kTagCases[] = {
    {"zh-CN", 0x0804},      {"zh_cn", 0x0804}, {"zh", 0x0804},    {"zh-Hans-CN", 0x0804}, {"zh-TW", 0x0404},
    {"zh-Hant-HK", 0x0404}, {"zh-SG", 0x1004}, {"en-US", 0x0409}, {"en-GB", 0x0809},      {"de-AT", 0x0407},
    {"", 0x0409},           {"tlh", 0x0409},   {"-", 0x0409},
};

TEST(WebLanguage, BrowserTagsMapToWindowsLanguages) {
    for (const TagCase& c : kTagCases) EXPECT_EQ(LanguageIdForTag(c.tag), c.languageId) << '"' << c.tag << '"';
}

TEST(WebUnits, BaseUnitsAndMappingFollowWindows) {
    // Tahoma 8 pt at 96 dpi: the alphabet is 286 pixels wide, 13 high.
    const BaseUnits units = BaseUnitsOf(286, 13);
    EXPECT_EQ(units.x, 6);
    EXPECT_EQ(units.y, 13);
    const PixelRect r = MapDialogRect(units, 21, 44, 107, 30);
    EXPECT_EQ(r.x, 32);  // 21 * 6 / 4 = 31.5, rounded up
    EXPECT_EQ(r.y, 72);  // 44 * 13 / 8 = 71.5
    EXPECT_EQ(r.width, 161);
    EXPECT_EQ(r.height, 49);
    EXPECT_EQ(MulDiv(-3, 1, 2), -2);  // half away from zero
    EXPECT_EQ(MulDiv(5, 5, 0), -1);
    EXPECT_EQ(ClosedListHeight(units), 21);
}

// GBK here is the program's own table, turned round for the encoder: every
// code it reads comes back as it was, or, where two codes read alike (the
// ideographic space), as the lower one, which reads the same.
TEST(WebGbk, EveryDoubleByteCodeComesBackAsItWas) {
    int codes = 0, alike = 0;
    for (unsigned lead = 0x81; lead <= 0xFE; ++lead) {
        for (unsigned trail = 0x40; trail <= 0xFE; ++trail) {
            if (trail == 0x7F) continue;
            const std::string gbk{static_cast<char>(lead), static_cast<char>(trail)};
            const std::string utf8 = GbkToUtf8(gbk);
            if (utf8.find('?') != std::string::npos) continue;  // no code: its bytes read afresh
            ++codes;
            const std::string back = Utf8ToGbk(utf8);
            if (back == gbk) continue;
            EXPECT_LT(back, gbk) << std::hex << lead << trail;  // bytes compare unsigned
            EXPECT_EQ(GbkToUtf8(back), utf8) << std::hex << lead << trail;
            ++alike;
        }
    }
    EXPECT_GT(codes, 21000);  // GBK's 21,886 characters, less the unassigned
    EXPECT_LE(alike, 4);
}

// As the desktop's GBK: what is not a character, and the one single-byte
// character above ASCII.
TEST(WebGbk, BytesThatAreNoCharacterAndTheEuro) {
    EXPECT_EQ(GbkToUtf8(std::string(GBK("相机")) + "\x81"), "\xE7\x9B\xB8\xE6\x9C\xBA?");  // cut short
    EXPECT_EQ(GbkToUtf8("\x81\x7F"
                        "a\xFF\x81"),
              "?\x7F"
              "a??");  // no trail: read afresh
    EXPECT_EQ(GbkToUtf8("\x80"), "\xE2\x82\xAC");
    EXPECT_EQ(Utf8ToGbk("\xE2\x82\xAC"), "\x80");
}

TEST(WebGbk, TextsAndWhatGbkCannotHold) {
    EXPECT_EQ(Utf8ToGbk("\xE7\x9B\xB8\xE6\x9C\xBA cards"), GBK("相机 cards"));
    EXPECT_EQ(Utf8ToGbk("a\xF0\x9F\x93\xB7"
                        "b"),
              "a?b");  // an emoji: one "?"
    EXPECT_EQ(Utf8ToGbk("a\xE7\x9B"
                        "b"),
              "a?b");  // cut short: the next character stays
    EXPECT_EQ(Utf8ToGbk("\xFF"), "?");
    std::string gbk;
    EXPECT_FALSE(Utf8ToGbkStrict("\xF0\x9F\x93\xB7", gbk));
    EXPECT_TRUE(Utf8ToGbkStrict("\xE8\xAE\xBE\xE7\xBD\xAE", gbk));
    EXPECT_EQ(gbk, GBK("设置"));
}

}  // namespace
}  // namespace trailcfg::web
