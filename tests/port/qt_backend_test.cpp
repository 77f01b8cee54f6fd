// The Qt backend on real widgets, where Qt's habits differ from the Windows
// behaviour the pages rely on: the page window itself, what a person's keys,
// mouse and focus do, masking, limits, lists, the banner and the boxes. The
// conformance suite covers the driven side; these tests act as a person does,
// through Qt's own event delivery.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest/QTest>
#include <algorithm>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "common/file_io.h"
#include "common/gbk_literal.h"
#include "platform/control_ids.h"
#include "platform/layout.h"
#include "qt_application.h"
#include "qt_banner.h"
#include "qt_dialog_units.h"
#include "qt_edit.h"
#include "qt_list.h"
#include "qt_page_dialog.h"
#include "qt_platform.h"
#include "recording_page.h"
#include "scripted_driver.h"
#include "test_support.h"

namespace trailcfg::qt {
namespace {

// Controls of the start page (template 111) and the 3G parameter page (107).
using namespace ids::start;
using namespace ids::param;

using test::EventLog;
using test::RecordingPage;

class QtBackend : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ASSERT_NE(MakeQtPlatform(), nullptr); }

    // A page as a person gets it: not driven, on screen and active.
    std::unique_ptr<PageDialog> Open(RecordingPage& page) {
        const DialogLayout* layout = FindDialogLayout(page.TemplateId());
        auto dialog = std::make_unique<PageDialog>(*layout, page, false);
        page.OnOpen(*dialog);
        dialog->show();
        dialog->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
        return dialog;
    }

    template <typename W>
    static W* Widget(const PageDialog& dialog, int id) {
        const Control* c = dialog.Find(id);
        return c ? dynamic_cast<W*>(c->widget) : nullptr;
    }
};

// --- The page window ----------------------------------------------------------

TEST_F(QtBackend, PageIsItsTemplateInDialogUnitsOfItsFont) {
    RecordingPage page(kTemplateStartPage);
    auto dialog = Open(page);
    const DialogLayout& layout = dialog->Layout();
    // The desktop's own font, whatever Chinese fonts stand behind it.
    EXPECT_EQ(QFontInfo(dialog->font()).family(),
              QFontInfo(QFontDatabase::systemFont(QFontDatabase::GeneralFont)).family());
    const BaseUnits units = BaseUnitsOf(dialog->font());
    EXPECT_GT(units.x, 0);
    EXPECT_GT(units.y, 0);
    EXPECT_EQ(dialog->size(), MapDialogRect(units, 0, 0, layout.cx, layout.cy).size());
    EXPECT_EQ(dialog->minimumSize(), dialog->maximumSize());
    for (const ControlLayout& c : layout) {
        if (IsBitmapRow(c)) continue;  // painted, no widget
        const QRect place = MapDialogRect(units, c.x, c.y, c.cx, c.cy);
        const QRect actual = dialog->Find(c.id)->widget->geometry();
        EXPECT_EQ(actual.topLeft(), place.topLeft()) << c.id;
        EXPECT_EQ(actual.width(), place.width()) << c.id;
        if (c.kind == ControlKind::DropDownCombo || c.kind == ControlKind::DropDownList)
            EXPECT_EQ(actual.height(), ClosedComboHeight(dialog->font())) << c.id;
        else
            EXPECT_EQ(actual.height(), place.height()) << c.id;
    }
    const Qt::WindowFlags flags = dialog->windowFlags();
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowContextHelpButtonHint);
}

TEST_F(QtBackend, TemplateStylesAndTextsAreShownAsPlainText) {
    RecordingPage page(kTemplateParamPage);
    auto dialog = Open(page);
    EXPECT_FALSE(dialog->IsVisible(kDirPortLabel));
    EXPECT_FALSE(Widget<QLabel>(*dialog, kDirPortLabel)->isVisible());
    // A page without a default button shows none.
    EXPECT_FALSE(Widget<QPushButton>(*dialog, kNextPageButton)->isDefault());
    EXPECT_EQ(Widget<QLabel>(*dialog, kSendOptionLabel)->text(), QString::fromUtf8("3G发送选项"));
    // Texts are never read as markup.
    dialog->SetText(kSendOptionLabel, "<b>bold</b>");
    EXPECT_EQ(Widget<QLabel>(*dialog, kSendOptionLabel)->textFormat(), Qt::PlainText);
    EXPECT_EQ(dialog->GetText(kSendOptionLabel), "<b>bold</b>");

    RecordingPage start(kTemplateStartPage);
    auto startDialog = Open(start);
    EXPECT_FALSE(startDialog->IsEnabled(kVersionLabel));
    EXPECT_EQ(startDialog->GetText(kVersionFrame), GBK("软件版本"));
}

TEST_F(QtBackend, SmallIconIsTheAppIconWithItsSizes) {
    RecordingPage page(kTemplateStartPage);
    page.onOpen = [](Dialog& dialog) { dialog.SetSmallIcon(kIconApp); };
    auto dialog = Open(page);
    const QList<QSize> sizes = dialog->windowIcon().availableSizes();
    EXPECT_TRUE(sizes.contains(QSize(16, 16)));
    EXPECT_TRUE(sizes.contains(QSize(48, 48)));
    EXPECT_FALSE(QApplication::windowIcon().isNull());
}

// The start page's Bitmap row: the banner.
const ControlLayout& BannerRow() {
    const DialogLayout& start = *FindDialogLayout(kTemplateStartPage);
    return *std::find_if(start.begin(), start.end(), IsBitmapRow);
}

TEST_F(QtBackend, BannerIsCopiedAtItsPlaceWithoutItsLastColumns) {
    const QImage& banner = BannerImage();
    ASSERT_EQ(banner.size(), QSize(360, 52));
    const BitmapBlock block = BitmapBlockFor(BannerRow(), banner);
    EXPECT_EQ(block.at, QPoint(24, 10));
    EXPECT_EQ(block.source, QRect(0, 0, 340, 52));

    RecordingPage page(kTemplateStartPage);
    auto dialog = Open(page);
    const QImage shot = dialog->grab().toImage();
    const QRgb background = shot.pixel(5, 5);
    for (QPoint p : {QPoint(0, 0), QPoint(339, 0), QPoint(0, 51), QPoint(339, 51), QPoint(170, 26)})
        EXPECT_EQ(shot.pixel(p + block.at), banner.pixel(p)) << p.x() << "," << p.y();
    // Right of the block and below the bitmap the page shows through.
    EXPECT_EQ(shot.pixel(24 + 340, 10 + 5), background);
    EXPECT_EQ(shot.pixel(24 + 100, 10 + 52), background);
    EXPECT_EQ(shot.pixel(23, 20), background);

    RecordingPage other(kTemplateParamPage);
    auto otherDialog = Open(other);
    const QImage plain = otherDialog->grab().toImage();
    EXPECT_EQ(plain.pixel(24, 10), plain.pixel(5, 5));
}

// The page shows a bitmap because its layout has a row for it, not because
// of its template.
TEST_F(QtBackend, ABitmapRowShowsItsBitmapOnAnyPage) {
    const ControlLayout rows[] = {{kNoControlId, ControlKind::Bitmap, 40, 30, 100, 20, 0, "", kBannerBitmap},
                                  {kNextPageButton, ControlKind::Button, 10, 100, 50, 14, 0, "Next"}};
    DialogLayout layout = *FindDialogLayout(kTemplateParamPage);
    layout.controls = rows;
    layout.controlCount = static_cast<int>(std::size(rows));
    layout.labels = nullptr;
    layout.labelCount = 0;
    RecordingPage page(kTemplateParamPage);
    PageDialog dialog(layout, page, false);
    const QImage shot = dialog.grab().toImage();
    const QImage& banner = BannerImage();
    for (QPoint p : {QPoint(0, 0), QPoint(99, 0), QPoint(0, 19), QPoint(99, 19)})
        EXPECT_EQ(shot.pixel(p + QPoint(40, 30)), banner.pixel(p)) << p.x() << "," << p.y();
    EXPECT_EQ(shot.pixel(40 + 100, 30 + 5), shot.pixel(5, 5)) << "right of the block";
    EXPECT_EQ(shot.pixel(40 + 5, 30 + 20), shot.pixel(5, 5)) << "below the block";
    EXPECT_EQ(dialog.Find(kNoControlId), nullptr);
    ASSERT_NE(dialog.Find(kNextPageButton), nullptr);
}

// --- Edits -------------------------------------------------------------------

TEST_F(QtBackend, MaskingShowsAsterisksAndSwitchesAnyTime) {
    RecordingPage page(kTemplateParamPage);
    auto dialog = Open(page);
    auto* edit = Widget<QLineEdit>(*dialog, kFtpPasswordEdit);
    dialog->SetText(kFtpPasswordEdit, GBK("密码x"));
    dialog->SetMasked(kFtpPasswordEdit, true);
    EXPECT_EQ(edit->displayText(), QStringLiteral("***"));
    dialog->SetMasked(kFtpPasswordEdit, false);
    EXPECT_EQ(edit->displayText(), QString::fromUtf8("密码x"));
    dialog->SetMasked(kFtpPasswordEdit, true);
    edit->end(false);
    QTest::keyClicks(edit, QStringLiteral("yz"));
    EXPECT_EQ(edit->displayText(), QStringLiteral("*****"));
    EXPECT_EQ(dialog->GetText(kFtpPasswordEdit), std::string(GBK("密码x")) + "yz");
}

TEST_F(QtBackend, LimitCutsTypingAndPastingInGbkBytesButNeverTheProgram) {
    RecordingPage page(kTemplateParamPage);
    auto dialog = Open(page);
    auto* edit = Widget<EditControl>(*dialog, kMmsUrlEdit);
    edit->setFocus();
    dialog->SetLimit(kMmsUrlEdit, 5);

    // The program's text stays whole; typing on at its end adds nothing.
    dialog->SetText(kMmsUrlEdit, "abcdefg");
    page.events.clear();
    edit->end(false);
    QTest::keyClicks(edit, QStringLiteral("x"));
    EXPECT_EQ(dialog->GetText(kMmsUrlEdit), "abcdefg");
    EXPECT_TRUE(page.events.empty());

    // A paste into the middle keeps what fits, in whole characters.
    dialog->SetText(kMmsUrlEdit, "ab");
    edit->setCursorPosition(1);
    page.events.clear();
    edit->insert(QString::fromUtf8("中文中"));
    EXPECT_EQ(dialog->GetText(kMmsUrlEdit), std::string("a") + GBK("中") + "b");
    EXPECT_EQ(edit->cursorPosition(), 2);
    EXPECT_EQ(EventLog(page.events), EventLog({{EventType::TextChanged, kMmsUrlEdit}}));

    // Over a selection, the selected text makes room.
    edit->selectAll();
    edit->insert(QStringLiteral("123456789"));
    EXPECT_EQ(dialog->GetText(kMmsUrlEdit), "12345");

    // Deleting is always possible, also from text longer than the limit.
    dialog->SetText(kMmsUrlEdit, "abcdefgh");
    edit->end(false);
    QTest::keyClick(edit, Qt::Key_Backspace);
    EXPECT_EQ(dialog->GetText(kMmsUrlEdit), "abcdefg");

    // Without a limit (0), anything goes.
    dialog->SetLimit(kMmsUrlEdit, 0);
    edit->selectAll();
    edit->insert(QString(300, QLatin1Char('x')));
    EXPECT_EQ(dialog->GetText(kMmsUrlEdit).size(), 300u);
}

TEST_F(QtBackend, KeystrokesFilteredReentrantlyLeaveTheCaretWhereThePagePutIt) {
    RecordingPage page(kTemplateParamPage);
    // The digit filter of the pages: drop the first non-digit by setting the
    // text, then put the caret where it was.
    page.onEvent = [](Dialog& dialog, const Event& e) {
        if (e.type != EventType::TextChanged) return;
        std::string text = dialog.GetText(e.id);
        for (std::size_t i = 0; i < text.size(); ++i) {
            if (text[i] >= '0' && text[i] <= '9') continue;
            text.erase(i, 1);
            dialog.SetText(e.id, text.c_str());
            dialog.SetCaret(e.id, static_cast<int>(i));
            return;
        }
    };
    auto dialog = Open(page);
    auto* edit = Widget<EditControl>(*dialog, kMmsPortEdit);
    edit->setFocus();
    QTest::keyClicks(edit, QStringLiteral("12a"));
    EXPECT_EQ(dialog->GetText(kMmsPortEdit), "12");
    EXPECT_EQ(edit->CaretByte(), 2);
    edit->selectAll();
    edit->insert(QString::fromUtf8("1a2中b"));
    EXPECT_EQ(dialog->GetText(kMmsPortEdit), "12");
    EXPECT_EQ(edit->CaretByte(), 1);
}

TEST_F(QtBackend, ProgramTextAlwaysReportsAChangeAndPutsTheCaretFirst) {
    RecordingPage page(kTemplateParamPage);
    int caretSeen = -1;
    page.onEvent = [&](Dialog& dialog, const Event& e) {
        caretSeen = Widget<EditControl>(static_cast<PageDialog&>(dialog), e.id)->CaretByte();
    };
    auto dialog = Open(page);
    dialog->SetText(kMmsUrlEdit, "same");
    dialog->SetText(kMmsUrlEdit, "same");
    EXPECT_EQ(page.events.size(), 2u);
    EXPECT_EQ(caretSeen, 0);
}

TEST_F(QtBackend, FocusLostComesFromRealFocusChangesExceptPopups) {
    RecordingPage page(kTemplateParamPage);
    auto dialog = Open(page);
    auto* url = Widget<QLineEdit>(*dialog, kMmsUrlEdit);
    auto* port = Widget<QLineEdit>(*dialog, kMmsPortEdit);
    url->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(url->hasFocus());
    port->setFocus(Qt::MouseFocusReason);
    EXPECT_EQ(EventLog(page.events), EventLog({{EventType::FocusLost, kMmsUrlEdit}}));

    // A context menu takes the focus for a moment; Windows' does not.
    page.events.clear();
    QFocusEvent popup(QEvent::FocusOut, Qt::PopupFocusReason);
    QCoreApplication::sendEvent(port, &popup);
    EXPECT_TRUE(page.events.empty());
}

// --- Lists ---------------------------------------------------------------------

TEST_F(QtBackend, AddingToAnEmptyListSelectsNothing) {
    RecordingPage page(kTemplateParamPage);
    auto dialog = Open(page);
    dialog->ListAdd(kSendOptionList, "a");
    dialog->ListAdd(kSendOptionList, "b");
    EXPECT_EQ(dialog->ListSelection(kSendOptionList), -1);
    EXPECT_EQ(dialog->GetText(kSendOptionList), "");
    dialog->ListSelect(kSendOptionList, 1);
    dialog->ListAdd(kSendOptionList, "c");
    EXPECT_EQ(dialog->ListSelection(kSendOptionList), 1);
    EXPECT_TRUE(page.events.empty());
}

TEST_F(QtBackend, PicksWithMouseAndKeysAreConfirmedThenChanged) {
    RecordingPage page(kTemplateParamPage);
    auto dialog = Open(page);
    for (const char* item : {"a", "b", "c"}) dialog->ListAdd(kSendOptionList, item);
    auto* list = Widget<QComboBox>(*dialog, kSendOptionList);
    list->setFocus();

    list->showPopup();
    QAbstractItemView* view = list->view();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(view->window()));
    const QRect entry = view->visualRect(list->model()->index(2, 0));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, entry.center());
    EXPECT_EQ(dialog->ListSelection(kSendOptionList), 2);
    const std::string pick =
        EventLog({{EventType::SelConfirmed, kSendOptionList}, {EventType::SelChanged, kSendOptionList}});
    EXPECT_EQ(EventLog(page.events), pick);

    page.events.clear();
    QTest::keyClick(list, Qt::Key_Up);
    EXPECT_EQ(dialog->ListSelection(kSendOptionList), 1);
    EXPECT_EQ(EventLog(page.events), pick);
}

TEST_F(QtBackend, PageMayRebuildAListWhileItsPickIsReported) {
    // The start page refills its language list from that list's own event.
    RecordingPage page(kTemplateStartPage);
    page.onEvent = [](Dialog& dialog, const Event& e) {
        if (e.type != EventType::SelChanged) return;
        const int chosen = dialog.ListSelection(e.id);
        dialog.ListEmpty(e.id);
        dialog.ListAdd(e.id, GBK("中文"));
        dialog.ListAdd(e.id, "English");
        dialog.ListSelect(e.id, chosen);
    };
    auto dialog = Open(page);
    dialog->ListAdd(kLanguageList, GBK("中文"));
    dialog->ListAdd(kLanguageList, "English");
    dialog->ListSelect(kLanguageList, 0);
    dialog->UserChoose(kLanguageList, 1);
    EXPECT_EQ(dialog->ListSelection(kLanguageList), 1);
    EXPECT_EQ(dialog->ListCount(kLanguageList), 2);
    EXPECT_EQ(dialog->GetText(kLanguageList), "English");
}

// --- Keys, the close box and the end of a page -----------------------------------

TEST_F(QtBackend, EnterFromAnyFieldPressesTheDefaultButton) {
    RecordingPage page(kTemplateStartPage);
    auto dialog = Open(page);
    // The language list has an edit field, which Qt gives the focus.
    auto* list = Widget<QComboBox>(*dialog, kLanguageList);
    list->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(EventLog(page.events),
              EventLog({{EventType::Clicked, kCameraSetupButton}, {EventType::Clicked, kCameraSetupButton}}));
}

TEST_F(QtBackend, EnterWithoutDefaultButtonAndEscapeReachThePageOnly) {
    RecordingPage page(kTemplateParamPage);
    auto dialog = Open(page);
    Widget<QLineEdit>(*dialog, kMmsUrlEdit)->setFocus();
    page.events.clear();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_EQ(EventLog(page.events), EventLog({{EventType::Enter, 0}, {EventType::Escape, 0}}));
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_FALSE(dialog->Ended());
}

TEST_F(QtBackend, CloseBoxIsARequestAndEndLeavesTheModalLoop) {
    RecordingPage page(kTemplateParamPage);
    int closes = 0;
    page.onEvent = [&](Dialog& dialog, const Event& e) {
        if (e.type == EventType::Close && ++closes == 2) dialog.End(5);
    };
    const DialogLayout* layout = FindDialogLayout(kTemplateParamPage);
    PageDialog dialog(*layout, page, false);
    // The first close is ignored by the page, the second one ends it.
    QTimer::singleShot(0, &dialog, [&] {
        EXPECT_FALSE(dialog.close());
        EXPECT_TRUE(dialog.isVisible());
        dialog.close();
    });
    dialog.RunEventLoop();
    EXPECT_TRUE(dialog.Ended());
    EXPECT_EQ(dialog.Result(), 5);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(closes, 2);
}

TEST_F(QtBackend, TimerTicksReachThePageUntilItEnds) {
    RecordingPage page(kTemplateCameraPage);
    std::unique_ptr<DrivablePlatform> platform = MakeQtPlatform();
    int ticks = 0;
    page.onOpen = [&](Dialog& dialog) { platform->StartTimer(dialog, 1, 5); };
    page.onEvent = [&](Dialog& dialog, const Event& e) {
        if (e.type == EventType::Timer && ++ticks == 3) {
            dialog.End(0);
            // A tick after the end would be a tick too many.
            QTest::qWait(30);
        }
    };
    EXPECT_EQ(platform->RunModal(page), 0);
    EXPECT_EQ(ticks, 3);
}

// --- Boxes and the system -------------------------------------------------------

TEST_F(QtBackend, MessageBoxShowsTheTextWithLineBreaksIconAndOneButton) {
    RecordingPage page(kTemplateSendPage);
    auto dialog = Open(page);
    std::unique_ptr<DrivablePlatform> platform = MakeQtPlatform();
    QString caption, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    int buttons = 0;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        caption = box->windowTitle();
        text = box->text();
        icon = box->icon();
        buttons = static_cast<int>(box->buttons().size());
        box->accept();
    });
    platform->ShowMessage(*dialog, GBK("未生成配置文件！\r\n请输入FTP密码。\r末"), GBK("警告"), MessageIcon::Warning);
    EXPECT_EQ(caption, QString::fromUtf8("警告"));
    EXPECT_EQ(text, QString::fromUtf8("未生成配置文件！\n请输入FTP密码。\n末"));
    EXPECT_EQ(icon, QMessageBox::Warning);
    EXPECT_EQ(buttons, 1);
}

TEST_F(QtBackend, FolderDialogHandsOnOnlyFoldersGbkCanSpell) {
    test::TempDir dir;
    const std::filesystem::path chinese = dir / "相机";
    const std::filesystem::path german = dir / "K\xC3\xB6ln";  // ö
    std::filesystem::create_directory(chinese);
    std::filesystem::create_directory(german);
    RecordingPage page(kTemplateSendPage);
    auto dialog = Open(page);
    std::unique_ptr<DrivablePlatform> platform = MakeQtPlatform();
    // Answers the folder dialog that is about to open: a folder, or cancel.
    auto answer = [](std::optional<std::filesystem::path> folder) {
        QTimer::singleShot(0, [folder] {
            auto* box = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            EXPECT_EQ(box->fileMode(), QFileDialog::Directory);
            if (!folder) return box->reject();
            box->setDirectory(QString::fromStdString(folder->string()));
            static_cast<QDialog*>(box)->accept();  // the dialog's own OK
        });
    };
    std::string got = "unchanged";
    answer(chinese);
    EXPECT_TRUE(platform->BrowseFolder(*dialog, got));
    EXPECT_EQ(got, GbkFromPath(std::filesystem::canonical(chinese)));
    EXPECT_NE(got.find(GBK("相机")), std::string::npos);

    got = "unchanged";
    answer(german);
    EXPECT_FALSE(platform->BrowseFolder(*dialog, got));
    answer(std::nullopt);
    EXPECT_FALSE(platform->BrowseFolder(*dialog, got));
    EXPECT_EQ(got, "unchanged");
}

TEST_F(QtBackend, CurrentDirectoryGbkCannotSpellIsNotHandedOn) {
    std::unique_ptr<DrivablePlatform> platform = MakeQtPlatform();
    test::TempDir dir;
    const std::filesystem::path folder = dir / "K\xC3\xB6ln";  // ö
    std::filesystem::create_directory(folder);
    const std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::current_path(folder);
    std::string got = "unchanged";
    const bool ok = platform->CurrentDirectory(got);
    std::filesystem::current_path(previous);
    EXPECT_FALSE(ok);
    EXPECT_EQ(got, "unchanged");
}

// --- Driven pages -----------------------------------------------------------------

TEST_F(QtBackend, DrivenPageReportsOnlyTheDriversFocusLossAndIgnoresUnreachableControls) {
    RecordingPage page(kTemplateParamPage);
    std::unique_ptr<DrivablePlatform> platform = MakeQtPlatform();
    test::ScriptedDriver driver({[&](Dialog& dialog, DialogProbe& probe) {
        auto& qtDialog = static_cast<PageDialog&>(dialog);
        // The window system moving the focus is not the driver's doing.
        Widget<QLineEdit>(qtDialog, kMmsUrlEdit)->setFocus();
        Widget<QLineEdit>(qtDialog, kMmsPortEdit)->setFocus();
        EXPECT_TRUE(page.events.empty());
        // Typing the same text again is still one change.
        dialog.SetText(kMmsUrlEdit, "same");
        page.events.clear();
        probe.UserType(kMmsUrlEdit, "same");
        dialog.Enable(kMmsPortEdit, false);
        probe.UserType(kMmsPortEdit, "1");
        probe.UserLeave(kMmsPortEdit);
        dialog.Show(kNextPageButton, false);
        probe.UserClick(kNextPageButton);
        dialog.Enable(kFactoryDebugCheck, false);
        probe.UserClick(kFactoryDebugCheck);
        EXPECT_FALSE(dialog.IsChecked(kFactoryDebugCheck));
        dialog.ListAdd(kSendOptionList, "a");
        probe.UserChoose(kSendOptionList, 1);
        probe.UserChoose(kSendOptionList, -1);
        probe.UserLeave(kMmsUrlEdit);
    }});
    platform->SetDriver(&driver);
    EXPECT_EQ(platform->RunModal(page), kPageAbandoned);
    platform->SetDriver(nullptr);
    EXPECT_EQ(EventLog(page.events),
              EventLog({{EventType::TextChanged, kMmsUrlEdit}, {EventType::FocusLost, kMmsUrlEdit}}));
}

TEST_F(QtBackend, DrivenTimerTicksOnlyWhenTheDriverFiresIt) {
    RecordingPage page(kTemplateCameraPage);
    std::unique_ptr<DrivablePlatform> platform = MakeQtPlatform();
    page.onOpen = [&](Dialog& dialog) { platform->StartTimer(dialog, 1, 1); };
    test::ScriptedDriver driver({[&](Dialog&, DialogProbe& probe) {
        QTest::qWait(20);
        EXPECT_TRUE(page.events.empty());
        probe.FireTimer(1);
    }});
    platform->SetDriver(&driver);
    EXPECT_EQ(platform->RunModal(page), kPageAbandoned);
    platform->SetDriver(nullptr);
    EXPECT_EQ(EventLog(page.events), EventLog({{EventType::Timer, 1}}));
}

}  // namespace
}  // namespace trailcfg::qt
