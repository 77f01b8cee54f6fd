// The web backend's own rules: which Windows language a browser's language
// tag is, and Windows' dialog-unit arithmetic on the browser's font.
#include <gtest/gtest.h>

#include "platform/web/web_language.h"
#include "platform/web/web_units.h"

namespace trailcfg::web {
namespace {

TEST(WebLanguage, ChineseOfThePrcIsTheOneChineseTheProgramKnows) {
    EXPECT_EQ(LanguageIdForTag("zh-CN"), 0x0804);
    EXPECT_EQ(LanguageIdForTag("zh_cn"), 0x0804);
    EXPECT_EQ(LanguageIdForTag("zh"), 0x0804);
    EXPECT_EQ(LanguageIdForTag("zh-Hans-CN"), 0x0804);
    // Other Chinese regions are other Windows languages, shown in English.
    EXPECT_EQ(LanguageIdForTag("zh-TW"), 0x0404);
    EXPECT_EQ(LanguageIdForTag("zh-Hant-HK"), 0x0404);
    EXPECT_EQ(LanguageIdForTag("zh-SG"), 0x1004);
}

TEST(WebLanguage, LongerTagsFallBackAndUnknownTagsAreUsEnglish) {
    EXPECT_EQ(LanguageIdForTag("en-US"), 0x0409);
    EXPECT_EQ(LanguageIdForTag("en-GB"), 0x0809);
    EXPECT_EQ(LanguageIdForTag("de-AT"), 0x0407);
    EXPECT_EQ(LanguageIdForTag(""), 0x0409);
    EXPECT_EQ(LanguageIdForTag("tlh"), 0x0409);
    EXPECT_EQ(LanguageIdForTag("-"), 0x0409);
}

TEST(WebUnits, BaseUnitsAndMappingFollowWindows) {
    // Tahoma 8 pt at 96 dpi: the alphabet is 286 pixels wide, 13 high.
    const BaseUnits units = BaseUnitsOf(286, 13);
    EXPECT_EQ(units.x, 6);
    EXPECT_EQ(units.y, 13);
    const PixelRect r = MapDialogRect(units, 21, 44, 107, 30);
    EXPECT_EQ(r.x, 32);   // 21 * 6 / 4 = 31.5, rounded up
    EXPECT_EQ(r.y, 72);   // 44 * 13 / 8 = 71.5
    EXPECT_EQ(r.width, 161);
    EXPECT_EQ(r.height, 49);
    EXPECT_EQ(MulDiv(-3, 1, 2), -2);  // half away from zero
    EXPECT_EQ(MulDiv(5, 5, 0), -1);
    EXPECT_EQ(ClosedListHeight(units), 21);
}

}  // namespace
}  // namespace trailcfg::web
