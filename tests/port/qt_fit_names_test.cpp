// The Qt backend on screens smaller than a page, on scaled screens, and for
// screen readers: what a person with a small laptop, a 150 % desktop or a
// screen reader gets, checked through Qt's own screen and accessibility
// interfaces. The offscreen platform's screen holds every page, so the tests
// of a small screen give the pages a smaller work area.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QtTest/QTest>
#include <algorithm>
#include <cstdlib>
#include <memory>

#include "common/gbk_literal.h"
#include "platform/control_ids.h"
#include "platform/layout.h"
#include "qt_application.h"
#include "qt_banner.h"
#include "qt_page_dialog.h"
#include "qt_platform.h"
#include "qt_scroll.h"
#include "qt_text.h"

namespace trailcfg::qt {
namespace {

class QuietPage : public Page {
public:
    explicit QuietPage(int templateId) : templateId_(templateId) {}
    int TemplateId() const override { return templateId_; }
    void OnOpen(Dialog&) override {}
    void OnEvent(Dialog&, const Event&) override {}

private:
    int templateId_;
};

class QtFitAndNames : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ASSERT_NE(MakeQtPlatform(), nullptr); }

    std::unique_ptr<PageDialog> Open(QuietPage& page) {
        auto dialog = std::make_unique<PageDialog>(*FindDialogLayout(page.TemplateId()), page, false);
        dialog->show();
        dialog->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
        return dialog;
    }

    static QWidget* WidgetOf(const PageDialog& dialog, int id) {
        const Control* c = dialog.Find(id);
        return c ? c->widget : nullptr;
    }

    static QString NameOf(QWidget* widget) {
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
        return accessible ? accessible->text(QAccessible::Name) : QString();
    }
};

// --- Fitting the screen ------------------------------------------------------

TEST_F(QtFitAndNames, APageTallerThanTheScreenScrollsAndTabBringsEachControlIntoView) {
    // A 1366 x 768 laptop with its task bar, less what Qt's offscreen
    // fonts make smaller than a desktop's.
    const QRect work(0, 0, 1366, 480);
    SetWorkAreaForTests(work);
    QuietPage page(kTemplateCameraPage);
    auto dialog = Open(page);
    SetWorkAreaForTests(QRect());
    auto* area = dialog->findChild<QScrollArea*>();
    ASSERT_NE(area, nullptr) << "Camera Setup is taller than 480 pixels";
    EXPECT_LE(dialog->height(), work.height());
    EXPECT_LE(dialog->width(), work.width());
    EXPECT_TRUE(area->verticalScrollBar()->isVisible());
    EXPECT_GT(area->widget()->height(), dialog->height());

    // Generate, the last control, is off the view at first; the focus
    // moved to it by the keyboard brings it in.
    QWidget* generate = WidgetOf(*dialog, ids::camera::kGenerateButton);
    ASSERT_NE(generate, nullptr);
    auto visibleInView = [&](QWidget* w) {
        const QRect inView(w->mapTo(area->viewport(), QPoint(0, 0)), w->size());
        return area->viewport()->rect().contains(inView);
    };
    EXPECT_FALSE(visibleInView(generate));
    generate->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    EXPECT_TRUE(visibleInView(generate));
    // And back to the first list with Tab from the last control.
    QTest::keyClick(generate, Qt::Key_Tab);
    QApplication::processEvents();
    QWidget* focused = QApplication::focusWidget();
    ASSERT_NE(focused, nullptr);
    ASSERT_TRUE(area->widget()->isAncestorOf(focused)) << "Tab stays on the page's controls";
    EXPECT_EQ(focused, WidgetOf(*dialog, ids::camera::kModeList)) << "the first list";
    EXPECT_TRUE(visibleInView(focused));
    EXPECT_EQ(area->verticalScrollBar()->value(), 0);
}

TEST_F(QtFitAndNames, APageThatFitsHasNoScrollAreaAndItsLaidOutSize) {
    SetWorkAreaForTests(QRect(0, 0, 1366, 480));
    QuietPage page(kTemplateStartPage);
    auto dialog = Open(page);
    SetWorkAreaForTests(QRect());
    EXPECT_EQ(dialog->findChild<QScrollArea*>(), nullptr);
    // The controls still sit where the layout puts them in the dialog.
    const QWidget* button = WidgetOf(*dialog, ids::start::kCameraSetupButton);
    EXPECT_EQ(button->mapTo(dialog.get(), QPoint(0, 0)), button->geometry().topLeft());
}

TEST_F(QtFitAndNames, TheBannerIsDrawnFromTheLargePictureWhenScaled) {
    const QImage& large = LargeBannerImage();
    ASSERT_EQ(large.size(), QSize(720, 104));
    QuietPage page(kTemplateStartPage);
    auto dialog = Open(page);
    QImage shot(dialog->size() * 2, QImage::Format_RGB32);
    shot.setDevicePixelRatio(2.0);
    dialog->render(&shot);
    // At twice the pixels the block shows the large picture one to one.
    const DialogLayout& start = *FindDialogLayout(kTemplateStartPage);
    const BitmapBlock block = BitmapBlockFor(*std::find_if(start.begin(), start.end(), IsBitmapRow), BannerImage());
    // (Within a step of rounding in the smooth scaling.)
    auto near = [](QRgb a, QRgb b) {
        return std::abs(qRed(a) - qRed(b)) <= 2 && std::abs(qGreen(a) - qGreen(b)) <= 2 &&
               std::abs(qBlue(a) - qBlue(b)) <= 2;
    };
    for (QPoint p : {QPoint(0, 0), QPoint(679, 0), QPoint(300, 60), QPoint(679, 103), QPoint(150, 40)})
        EXPECT_TRUE(near(shot.pixel(block.at * 2 + p), large.pixel(p))) << p.x() << "," << p.y();
    // Not the small banner blown up: its text edges differ from the large
    // picture's somewhere in the name's row.
    const QImage& small = BannerImage();
    int differing = 0;
    for (int x = 0; x < 680; ++x)
        if (!near(shot.pixel(block.at.x() * 2 + x, block.at.y() * 2 + 50), small.pixel(x / 2, 25))) ++differing;
    EXPECT_GT(differing, 20);
}

// --- Names for screen readers ------------------------------------------------

TEST_F(QtFitAndNames, ListsAndEditsAreNamedByTheirLabelNotByTheirValue) {
    using namespace ids::send;
    QuietPage page(kTemplateSendPage);
    auto dialog = Open(page);
    dialog->ListAdd(kRemoteIntervalList, "10");
    dialog->ListSelect(kRemoteIntervalList, 0);
    EXPECT_EQ(NameOf(WidgetOf(*dialog, kRemoteIntervalList)), QString::fromUtf8("遥控间隔时间"));
    EXPECT_EQ(NameOf(WidgetOf(*dialog, kPhone1Edit)), QString::fromUtf8("手机号码1"));
    // The label is the edit's buddy, so its relation is there too.
    auto* label = dynamic_cast<QLabel*>(WidgetOf(*dialog, kPhone1Label));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->buddy(), WidgetOf(*dialog, kPhone1Edit));
    // The page's language change reaches the name.
    dialog->SetText(kRemoteIntervalLabel, "Remote Interval");
    EXPECT_EQ(NameOf(WidgetOf(*dialog, kRemoteIntervalList)), QStringLiteral("Remote Interval"));
}

TEST_F(QtFitAndNames, TimeListsSayTheirRowFrameAndColumnInThePagesLanguage) {
    using namespace ids::camera;
    QuietPage page(kTemplateCameraPage);
    auto dialog = Open(page);
    EXPECT_EQ(NameOf(WidgetOf(*dialog, kTimer1StartHourList)), QString::fromUtf8("定时设置1 开始 小时"));
    EXPECT_EQ(NameOf(WidgetOf(*dialog, kTimer2EndMinList)), QString::fromUtf8("定时设置2 结束 分钟"));
    dialog->SetText(kTimer1Label, "Timer1");
    dialog->SetText(kTimer1StartFrame, "Start");
    dialog->SetText(kTimer1StartHourHead, "Hour");
    dialog->SetText(kTimeLapseLabel, "Time Lapse");
    dialog->SetText(kTimeLapseSecHead, "Sec");
    dialog->SetText(kClockLabel, "Set Clock");
    dialog->SetText(kSerialLabel, "Serial Number");
    EXPECT_EQ(NameOf(WidgetOf(*dialog, kTimer1StartHourList)), QStringLiteral("Timer1 Start Hour"));
    EXPECT_EQ(NameOf(WidgetOf(*dialog, kTimeLapseSecList)), QStringLiteral("Time Lapse Sec"));
    EXPECT_EQ(NameOf(WidgetOf(*dialog, kYearEdit)), QStringLiteral("Set Clock YYYY"));
    EXPECT_EQ(NameOf(WidgetOf(*dialog, kSerial4List)), QStringLiteral("Serial Number 4"));
}

TEST_F(QtFitAndNames, EveryLinkedControlOfEveryPageHasANameOfItsOwn) {
    for (int templateId : {kTemplateStartPage, kTemplateCameraPage, kTemplateParamPage, kTemplateSendPage}) {
        QuietPage page(templateId);
        auto dialog = Open(page);
        const DialogLayout& layout = dialog->Layout();
        for (int i = 0; i < layout.labelCount; ++i) {
            const int id = layout.labels[i].control;
            const QString name = NameOf(WidgetOf(*dialog, id));
            EXPECT_FALSE(name.trimmed().isEmpty()) << templateId << " " << id;
        }
    }
}

TEST_F(QtFitAndNames, TheApnEditIsNamedByWhatItsListShows) {
    using namespace ids::param;
    QuietPage page(kTemplateParamPage);
    auto dialog = Open(page);
    dialog->ListAdd(kMmsApnKindList, "APN");
    dialog->ListAdd(kMmsApnKindList, "CSD");
    dialog->SetText(kMmsFrame, "MMS");
    dialog->ListSelect(kMmsApnKindList, 1);
    EXPECT_EQ(NameOf(WidgetOf(*dialog, kMmsApnEdit)), QStringLiteral("MMS CSD"));
    dialog->ListSelect(kMmsApnKindList, 0);
    EXPECT_EQ(NameOf(WidgetOf(*dialog, kMmsApnEdit)), QStringLiteral("MMS APN"));
}

}  // namespace
}  // namespace trailcfg::qt
