// The Qt backend's edges that need no window: GBK text and byte positions,
// dialog units, the system language and folder names.
#include <gtest/gtest.h>

#include <QLocale>

#include "common/gbk_literal.h"
#include "qt_dialog_units.h"
#include "qt_folder_text.h"
#include "qt_system_language.h"
#include "qt_text.h"

namespace trailcfg::qt {
namespace {

QString U(const char* utf8) { return QString::fromUtf8(utf8); }

TEST(QtText, GbkRoundTripsAndBrokenInputBecomesQuestionMarks) {
    EXPECT_EQ(FromGbk(GBK("相机设置")), U("相机设置"));
    EXPECT_EQ(ToGbk(U("3G发送设置")), GBK("3G发送设置"));
    // A lead byte without its trail byte, and a byte GBK never uses.
    EXPECT_EQ(FromGbk("a\xD6"), U("a?"));
    EXPECT_EQ(FromGbk("\xFF"
                      "b"),
              U("?b"));
    // Characters GBK cannot hold: Latin with umlaut, an emoji (a surrogate
    // pair: one character, one "?"), and a lone surrogate.
    EXPECT_EQ(ToGbk(U("ö1")), "?1");
    EXPECT_EQ(ToGbk(U("a\xF0\x9F\x93\xB7"
                      "b")),
              "a?b");
    EXPECT_EQ(ToGbk(QString(QChar(0xD800)) + U("x")), "?x");
}

TEST(QtText, PositionsAreTheSharedEdgesOverTheQStringsUnits) {
    // The rules themselves are tests/core/text_edge_test.cpp's; here only
    // that QString's units reach them unchanged.
    const QString text = U("中a文\xF0\x9F\x93\xB7z");
    EXPECT_EQ(GbkLength(text), 7);
    EXPECT_EQ(ByteAtIndex(text, 5), 6);
    EXPECT_EQ(IndexAtByte(text, 6), 5);
    EXPECT_EQ(CutToGbkBytes(U("中文ab"), 5), U("中文a"));
    EXPECT_EQ(CutToGbkBytes(U("中文ab"), 1), QString());
}

TEST(QtText, EveryKindOfProgramLineBreakBreaksTheLine) {
    EXPECT_EQ(WithQtLineBreaks(U("Generate failed!\r\nPlease enter outbox password.")),
              U("Generate failed!\nPlease enter outbox password."));
    EXPECT_EQ(WithQtLineBreaks(U("a\rb\nc\r\n\r\nd")), U("a\nb\nc\n\nd"));
}

TEST(QtDialogUnits, WindowsRoundingOfBaseUnitsAndRectangles) {
    // Tahoma 8 at 96 dpi has base units 6 x 13: Windows shows the start
    // page's 257 x 135 template as a 386 x 219 client area.
    const BaseUnits tahoma{6, 13};
    EXPECT_EQ(MapDialogRect(tahoma, 0, 0, 257, 135), QRect(0, 0, 386, 219));
    EXPECT_EQ(MapDialogRect(tahoma, 4, 8, 4, 8), QRect(6, 13, 6, 13));
    EXPECT_EQ(MapDialogRect(tahoma, 21, 44, 107, 30), QRect(32, 72, 161, 49));
    EXPECT_EQ(MulDiv(5, 3, 2), 8);  // 7.5 rounds up
    EXPECT_EQ(MulDiv(-5, 3, 2), -8);
    EXPECT_EQ(MulDiv(1, 1, 0), -1);
}

TEST(QtSystemLanguage, ChineseByRegionAndScriptOthersByLanguage) {
    EXPECT_EQ(LanguageIdFor(QLocale(QStringLiteral("zh_CN"))), 0x0804);
    EXPECT_EQ(LanguageIdFor(QLocale(QStringLiteral("zh_TW"))), 0x0404);
    EXPECT_EQ(LanguageIdFor(QLocale(QStringLiteral("zh_HK"))), 0x0C04);
    EXPECT_EQ(LanguageIdFor(QLocale(QStringLiteral("zh_SG"))), 0x1004);
    EXPECT_EQ(LanguageIdFor(QLocale(QStringLiteral("zh"))), 0x0804);
    EXPECT_EQ(LanguageIdFor(QLocale(QStringLiteral("zh_Hant"))), 0x0404);
    EXPECT_EQ(LanguageIdFor(QLocale(QStringLiteral("en_US"))), 0x0409);
    EXPECT_EQ(LanguageIdFor(QLocale(QStringLiteral("en_GB"))), 0x0809);
    EXPECT_EQ(LanguageIdFor(QLocale(QStringLiteral("de_DE"))), 0x0407);
    EXPECT_EQ(LanguageIdFor(QLocale(QStringLiteral("fr_CA"))), 0x040C);
    EXPECT_EQ(LanguageIdFor(QLocale(QStringLiteral("ja_JP"))), 0x0411);
    EXPECT_EQ(LanguageIdFor(QLocale::c()), 0x0409);
    EXPECT_EQ(LanguageIdFor(QLocale(QLocale::Zulu)), 0x0409);
}

TEST(QtFolderText, OnlyFoldersGbkCanSpellAreHandedOn) {
    std::string gbk = "before";
    EXPECT_TRUE(FolderAsGbk("/media/card/相机", gbk));
    EXPECT_EQ(gbk, std::string("/media/card/") + GBK("相机"));
    EXPECT_TRUE(FolderAsGbk("/tmp/what?", gbk));
    EXPECT_EQ(gbk, "/tmp/what?");
    EXPECT_TRUE(FolderAsGbk("/home/l\xC3\xBC", gbk));  // ü is in GBK, for pinyin
    EXPECT_EQ(gbk, "/home/l\xA8\xB9");

    gbk = "before";
    EXPECT_FALSE(FolderAsGbk("/home/j\xC3\xB6rg/Karte", gbk));  // ö
    EXPECT_FALSE(FolderAsGbk("/tmp/\xF0\x9F\x93\xB7", gbk));    // an emoji
    EXPECT_FALSE(FolderAsGbk("/tmp/\xFF\xFE", gbk));            // not UTF-8 at all
    EXPECT_EQ(gbk, "before");
}

}  // namespace
}  // namespace trailcfg::qt
