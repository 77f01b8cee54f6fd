// The dialog layouts are data every backend trusts blindly: a wrong id or kind
// leaves a page addressing a control that is not there, a control outside its
// dialog is never seen, and a text that is not GBK shows as garbage. The
// pictures are checked at the byte level because the Windows resource
// compiler and the start page's painting depend on their exact format.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "common/gbk_codec.h"
#include "platform/control_ids.h"
#include "platform/control_names.h"
#include "platform/layout.h"
#include "test_support.h"

namespace trailcfg {
namespace {

const std::filesystem::path kImages = TRAILCFG_IMAGES_DIR;

struct PageExpectation {
    int templateId;
    int cx, cy;
    const char* titleUtf8;
    int controlCount;  // rows that are controls
    int bitmapRows;
};

const PageExpectation kPages[] = {
    {kTemplateStartPage, 257, 135, "设置", 8, 1},
    {kTemplateCameraPage, 361, 425, "相机设置", 107, 0},
    {kTemplateParamPage, 292, 386, "3G参数设置", 60, 0},
    {kTemplateSendPage, 292, 386, "3G发送设置", 53, 0},
};

const DialogLayout& Page(int templateId) {
    const DialogLayout* layout = FindDialogLayout(templateId);
    if (!layout) throw std::runtime_error("no layout " + std::to_string(templateId));
    return *layout;
}

TEST(Layouts, EveryPageIsFoundWithItsSizeTitleFontAndRowCounts) {
    for (const PageExpectation& page : kPages) {
        SCOPED_TRACE(page.templateId);
        const DialogLayout* layout = FindDialogLayout(page.templateId);
        ASSERT_NE(layout, nullptr);
        EXPECT_EQ(layout->templateId, page.templateId);
        EXPECT_EQ(layout->cx, page.cx);
        EXPECT_EQ(layout->cy, page.cy);
        ASSERT_NE(layout->title, nullptr);
        EXPECT_EQ(GbkToUtf8(layout->title), page.titleUtf8);
        ASSERT_NE(layout->fontName, nullptr);
        EXPECT_STREQ(layout->fontName, "MS Shell Dlg");
        EXPECT_EQ(layout->fontPoints, 8);
        EXPECT_EQ(layout->controlCount, page.controlCount + page.bitmapRows);
        EXPECT_EQ(layout->end() - layout->begin(), layout->controlCount);
        EXPECT_EQ(std::count_if(layout->begin(), layout->end(), IsBitmapRow), page.bitmapRows);
    }
}

TEST(Layouts, UnknownTemplatesAndControlsAreNotFound) {
    EXPECT_EQ(FindDialogLayout(0), nullptr);
    EXPECT_EQ(FindDialogLayout(114), nullptr);  // the banner, not a dialog
    EXPECT_EQ(FindControl(Page(kTemplateStartPage), 40008), nullptr);
    EXPECT_EQ(FindControl(Page(kTemplateCameraPage), 1), nullptr);
}

TEST(Layouts, IdsAreUniqueWithinEachPage) {
    for (const PageExpectation& page : kPages) {
        std::set<int> seen;
        for (const ControlLayout& control : Page(page.templateId))
            EXPECT_TRUE(seen.insert(control.id).second)
                << "template " << page.templateId << " repeats id " << control.id;
    }
}

TEST(Layouts, FindControlReturnsTheRowOfThatId) {
    for (const PageExpectation& page : kPages) {
        const DialogLayout& layout = Page(page.templateId);
        for (const ControlLayout& control : layout)
            EXPECT_EQ(FindControl(layout, control.id), &control) << page.templateId << "/" << control.id;
    }
}

TEST(Layouts, EveryControlHasASizeAndLiesWithinItsDialog) {
    for (const PageExpectation& page : kPages) {
        const DialogLayout& layout = Page(page.templateId);
        for (const ControlLayout& c : layout) {
            if (IsBitmapRow(c)) continue;  // in pixels, not dialog units
            SCOPED_TRACE(testing::Message() << page.templateId << "/" << c.id);
            EXPECT_GT(c.cx, 0);
            EXPECT_GT(c.cy, 0);
            EXPECT_GE(c.x, 0);
            EXPECT_GE(c.y, 0);
            EXPECT_LE(c.x + c.cx, layout.cx);
            EXPECT_LE(c.y + c.cy, layout.cy);
        }
    }
}

// Beneath the eight controls, the banner: bitmap 114 in a 340 x 72 pixel
// block at pixel (24, 10), which the backends paint from the row.
TEST(Layouts, StartPageHasItsBannerAndExactlyItsEightControlsAtTheirPlaces) {
    struct Row {
        int id;
        ControlKind kind;
        int x, y, cx, cy;
        const char* textUtf8;
        int picture = 0;
    };
    const Row expected[] = {
        {kNoControlId, ControlKind::Bitmap, 24, 10, 340, 72, "", kBannerBitmap},
        {40003, ControlKind::GroupBox, 21, 44, 107, 30, "软件版本"},
        {40006, ControlKind::Label, 32, 57, 28, 9, "V1,1,0,1"},
        {40005, ControlKind::GroupBox, 22, 83, 107, 36, "界面语言"},
        {40004, ControlKind::DropDownCombo, 30, 99, 88, 20, ""},
        {40007, ControlKind::GroupBox, 140, 44, 99, 26, "机型"},
        {40001, ControlKind::DropDownCombo, 146, 53, 88, 20, ""},
        {40000, ControlKind::DefaultButton, 140, 73, 99, 22, "相机设置"},
        {40002, ControlKind::Button, 140, 97, 99, 22, "3G设置"},
    };
    const DialogLayout& layout = Page(kTemplateStartPage);
    ASSERT_EQ(layout.controlCount, static_cast<int>(std::size(expected)));
    for (int i = 0; i < layout.controlCount; ++i) {
        const ControlLayout& c = layout.controls[i];
        const Row& e = expected[i];
        SCOPED_TRACE(e.id);
        EXPECT_EQ(c.id, e.id);
        EXPECT_EQ(c.kind, e.kind);
        EXPECT_EQ(c.x, e.x);
        EXPECT_EQ(c.y, e.y);
        EXPECT_EQ(c.cx, e.cx);
        EXPECT_EQ(c.cy, e.cy);
        EXPECT_EQ(GbkToUtf8(c.text), e.textUtf8);
        EXPECT_EQ(c.picture, e.picture);
    }
}

// A backend paints a Bitmap row's picture and makes no control of it; a
// picture on a control, or a Bitmap row a page could address, would be
// ignored or shown as nothing.
TEST(Layouts, OnlyBitmapRowsNameAPictureAndNoPageAddressesThem) {
    for (const PageExpectation& page : kPages) {
        for (const ControlLayout& c : Page(page.templateId)) {
            SCOPED_TRACE(testing::Message() << page.templateId << "/" << c.id);
            if (!IsBitmapRow(c)) {
                EXPECT_EQ(c.picture, 0);
                EXPECT_NE(c.id, kNoControlId);
                continue;
            }
            EXPECT_EQ(c.id, kNoControlId);
            EXPECT_EQ(c.picture, kBannerBitmap) << "the only bitmap the program carries";
            EXPECT_EQ(c.style, 0u);
            EXPECT_STREQ(c.text, "");
            EXPECT_GT(c.cx, 0);
            EXPECT_GT(c.cy, 0);
            EXPECT_EQ(FindLabelLink(Page(page.templateId), c.id), nullptr);
        }
    }
}

// The controls the pages address, with the kind each page's handlers assume.
struct KindSample {
    int templateId;
    int id;
    ControlKind kind;
};

const KindSample kKindSamples[] = {
    // Camera Setup
    {kTemplateCameraPage, 40000, ControlKind::GroupBox},
    {kTemplateCameraPage, 40051, ControlKind::GroupBox},
    {kTemplateCameraPage, 40092, ControlKind::GroupBox},
    {kTemplateCameraPage, 40001, ControlKind::Label},
    {kTemplateCameraPage, 40022, ControlKind::Label},
    {kTemplateCameraPage, 40089, ControlKind::Label},
    {kTemplateCameraPage, 40006, ControlKind::DropDownList},
    {kTemplateCameraPage, 40037, ControlKind::DropDownList},
    {kTemplateCameraPage, 40097, ControlKind::DropDownList},
    {kTemplateCameraPage, 40104, ControlKind::DropDownList},
    {kTemplateCameraPage, 40108, ControlKind::DropDownList},
    {kTemplateCameraPage, 40109, ControlKind::DropDownList},
    {kTemplateCameraPage, 40119, ControlKind::DropDownList},
    {kTemplateCameraPage, 40039, ControlKind::Edit},
    {kTemplateCameraPage, 40045, ControlKind::Edit},
    {kTemplateCameraPage, 40094, ControlKind::Edit},
    {kTemplateCameraPage, 40073, ControlKind::Button},
    {kTemplateCameraPage, 40095, ControlKind::Button},
    {kTemplateCameraPage, 40096, ControlKind::Button},
    // 3G parameter settings
    {kTemplateParamPage, 40014, ControlKind::DropDownList},
    {kTemplateParamPage, 40073, ControlKind::DropDownList},
    {kTemplateParamPage, 40000, ControlKind::DropDownList},
    {kTemplateParamPage, 40031, ControlKind::DropDownList},
    {kTemplateParamPage, 40034, ControlKind::DropDownList},
    {kTemplateParamPage, 40016, ControlKind::DropDownList},
    {kTemplateParamPage, 40004, ControlKind::DropDownList},
    {kTemplateParamPage, 40026, ControlKind::GroupBox},
    {kTemplateParamPage, 40005, ControlKind::GroupBox},
    {kTemplateParamPage, 40011, ControlKind::GroupBox},
    {kTemplateParamPage, 40051, ControlKind::Label},
    {kTemplateParamPage, 40002, ControlKind::Label},
    {kTemplateParamPage, 40020, ControlKind::Label},
    {kTemplateParamPage, 40035, ControlKind::Edit},
    {kTemplateParamPage, 40040, ControlKind::Edit},
    {kTemplateParamPage, 40010, ControlKind::Edit},
    {kTemplateParamPage, 40017, ControlKind::Edit},
    {kTemplateParamPage, 40054, ControlKind::Edit},
    {kTemplateParamPage, 40055, ControlKind::Edit},
    {kTemplateParamPage, 40056, ControlKind::Edit},
    {kTemplateParamPage, 40080, ControlKind::Edit},
    {kTemplateParamPage, 40021, ControlKind::CheckBox},
    {kTemplateParamPage, 40082, ControlKind::Button},
    // 3G send settings
    {kTemplateSendPage, 40020, ControlKind::Edit},
    {kTemplateSendPage, 40004, ControlKind::Edit},
    {kTemplateSendPage, 40026, ControlKind::Edit},
    {kTemplateSendPage, 40033, ControlKind::Edit},
    {kTemplateSendPage, 40066, ControlKind::Edit},
    {kTemplateSendPage, 40068, ControlKind::Edit},
    {kTemplateSendPage, 40012, ControlKind::Edit},
    {kTemplateSendPage, 40025, ControlKind::DropDownList},
    {kTemplateSendPage, 40030, ControlKind::DropDownList},
    {kTemplateSendPage, 40061, ControlKind::DropDownList},
    {kTemplateSendPage, 40064, ControlKind::DropDownList},
    {kTemplateSendPage, 40009, ControlKind::DropDownList},
    {kTemplateSendPage, 40070, ControlKind::DropDownList},
    {kTemplateSendPage, 40024, ControlKind::CheckBox},
    {kTemplateSendPage, 40008, ControlKind::Label},
    {kTemplateSendPage, 40036, ControlKind::Label},
    {kTemplateSendPage, 40039, ControlKind::Label},
    {kTemplateSendPage, 40016, ControlKind::GroupBox},
    {kTemplateSendPage, 40040, ControlKind::GroupBox},
    {kTemplateSendPage, 40057, ControlKind::GroupBox},
    {kTemplateSendPage, 40010, ControlKind::Button},
    {kTemplateSendPage, 40001, ControlKind::Button},
    {kTemplateSendPage, 40013, ControlKind::Button},
};

TEST(Layouts, ControlsThePagesAddressExistWithTheirKind) {
    for (const KindSample& s : kKindSamples) {
        const ControlLayout* c = FindControl(Page(s.templateId), s.id);
        ASSERT_NE(c, nullptr) << s.templateId << "/" << s.id;
        EXPECT_EQ(c->kind, s.kind) << s.templateId << "/" << s.id;
    }
}

// The names the pages' code uses for the inputs and buttons stand for the ids
// the published layouts give those controls. The names come from the same
// rows as the layouts, so only this table shows a name put on the wrong row.
TEST(Layouts, InputsAndButtonsAreNamedForTheirPublishedIds) {
    struct Named {
        int byName;
        int published;
    };
    // clang-format off
    const Named names[] = {
        {ids::start::kLanguageList, 40004},         {ids::start::kModelList, 40001},
        {ids::start::kCameraSetupButton, 40000},    {ids::start::k3GSetupButton, 40002},
        {ids::param::kSendOptionList, 40014},       {ids::param::kOperatorModeList, 40073},
        {ids::param::kCountryList, 40000},          {ids::param::kOperatorList, 40031},
        {ids::param::kMmsUrlEdit, 40035},           {ids::param::kMmsApnKindList, 40034},
        {ids::param::kMmsApnEdit, 40036},           {ids::param::kMmsGatewayEdit, 40038},
        {ids::param::kMmsPortEdit, 40040},          {ids::param::kMmsAccountEdit, 40042},
        {ids::param::kMmsPasswordEdit, 40044},      {ids::param::kFtpServerEdit, 40007},
        {ids::param::kFtpPortEdit, 40015},          {ids::param::kFtpUserEdit, 40012},
        {ids::param::kFtpPasswordEdit, 40010},      {ids::param::kFtpDirTypeList, 40016},
        {ids::param::kFtpDirEdit, 40017},           {ids::param::k3GApnEdit, 40080},
        {ids::param::k3GAccountEdit, 40075},        {ids::param::k3GPasswordEdit, 40077},
        {ids::param::kOutboxServerEdit, 40052},     {ids::param::kOutboxPortEdit, 40053},
        {ids::param::kOutboxAddressEdit, 40054},    {ids::param::kOutboxAccountEdit, 40055},
        {ids::param::kOutboxPasswordEdit, 40056},   {ids::param::kNextPageButton, 40082},
        {ids::param::kFactoryDebugCheck, 40021},    {ids::param::kHiddenLanguageList, 40004},
        {ids::send::kPhone1Edit, 40020},            {ids::send::kPhone2Edit, 40023},
        {ids::send::kEmail1Edit, 40000},            {ids::send::kEmail2Edit, 40004},
        {ids::send::kLongitudeDir, 40025},          {ids::send::kLongitudeDegree, 40026},
        {ids::send::kLongitudeMinute, 40027},       {ids::send::kLongitudeSecond, 40028},
        {ids::send::kLatitudeDir, 40030},           {ids::send::kLatitudeDegree, 40031},
        {ids::send::kLatitudeMinute, 40032},        {ids::send::kLatitudeSecond, 40033},
        {ids::send::kImageSizeList, 40061},         {ids::send::kMaxSentEdit, 40066},
        {ids::send::kSendModeList, 40064},          {ids::send::kDailyTimeList, 40009},
        {ids::send::kRemoteIntervalList, 40070},    {ids::send::kNoCmd22Box, 40024},
        {ids::send::kRemotePhone, 40059},           {ids::send::kRemoteEmail, 40068},
        {ids::send::kBrowseButton, 40010},          {ids::send::kSaveFolderEdit, 40012},
        {ids::send::kPreviousButton, 40001},        {ids::send::kGenerateButton, 40013},
        {ids::camera::kModeList, 40006},            {ids::camera::kImageSizeList, 40005},
        {ids::camera::kVideoSizeList, 40007},       {ids::camera::kPictureNumberList, 40010},
        {ids::camera::kTimeStampList, 40013},       {ids::camera::kSenseLevelList, 40016},
        {ids::camera::kSidePirList, 40019},         {ids::camera::kVideoLengthList, 40076},
        {ids::camera::kIntervalNumberList, 40108},  {ids::camera::kIntervalUnitList, 40097},
        {ids::camera::kDateFormatList, 40028},      {ids::camera::kBeepSoundList, 40031},
        {ids::camera::kSdCycleList, 40034},         {ids::camera::kLanguageList, 40104},
        {ids::camera::kClockModeList, 40037},       {ids::camera::kYearEdit, 40039},
        {ids::camera::kMonthEdit, 40040},           {ids::camera::kDayEdit, 40042},
        {ids::camera::kHourEdit, 40043},            {ids::camera::kMinuteEdit, 40044},
        {ids::camera::kSecondEdit, 40045},          {ids::camera::kTimer1ModeList, 40050},
        {ids::camera::kTimer1StartHourList, 40110}, {ids::camera::kTimer1StartMinList, 40111},
        {ids::camera::kTimer1EndHourList, 40109},   {ids::camera::kTimer1EndMinList, 40112},
        {ids::camera::kTimer2ModeList, 40064},      {ids::camera::kTimer2StartHourList, 40113},
        {ids::camera::kTimer2StartMinList, 40114},  {ids::camera::kTimer2EndHourList, 40115},
        {ids::camera::kTimer2EndMinList, 40116},    {ids::camera::kSerialModeList, 40080},
        {ids::camera::kSerial1List, 40093},         {ids::camera::kSerial2List, 40098},
        {ids::camera::kSerial3List, 40099},         {ids::camera::kSerial4List, 40100},
        {ids::camera::kTimeLapseModeList, 40083},   {ids::camera::kTimeLapseHourList, 40117},
        {ids::camera::kTimeLapseMinList, 40118},    {ids::camera::kTimeLapseSecList, 40119},
        {ids::camera::kBrowseButton, 40073},        {ids::camera::kSavePathEdit, 40094},
        {ids::camera::kDefaultButton, 40095},       {ids::camera::kGenerateButton, 40096},
    };
    // clang-format on
    for (const Named& n : names) EXPECT_EQ(n.byName, n.published);
}

std::set<int> IdsWithStyle(const DialogLayout& layout, std::uint32_t flag) {
    std::set<int> ids;
    for (const ControlLayout& c : layout)
        if (c.style & flag) ids.insert(c.id);
    return ids;
}

// Each flag is on exactly the controls that need it: a missing scroll bar
// makes a 60-item list unusable, a stray hidden flag loses a control.
TEST(Layouts, StyleFlagsAreOnExactlyTheirControls) {
    struct Flagged {
        int templateId;
        std::uint32_t flag;
        std::set<int> ids;
    };
    const Flagged expected[] = {
        {kTemplateStartPage, kStyleDisabled, {40006}},
        {kTemplateStartPage, kStyleHidden, {}},
        {kTemplateStartPage, kStyleCenter, {}},
        {kTemplateStartPage, kStyleVScroll, {}},
        {kTemplateCameraPage, kStyleDisabled, {}},
        {kTemplateCameraPage, kStyleHidden, {}},
        {kTemplateCameraPage,
         kStyleCenter,
         {40039, 40040, 40042, 40043, 40044, 40045, 40053, 40056, 40055, 40105, 40066, 40067, 40072, 40059, 40084,
          40088, 40089}},
        {kTemplateCameraPage,
         kStyleVScroll,
         {40076, 40108, 40093, 40098, 40099, 40100, 40109, 40110, 40111, 40112, 40113, 40114, 40115, 40116, 40117,
          40118, 40119}},
        {kTemplateParamPage, kStyleDisabled, {}},
        {kTemplateParamPage, kStyleHidden, {40020}},
        {kTemplateParamPage, kStyleCenter, {}},
        {kTemplateParamPage, kStyleVScroll, {40000}},
        {kTemplateSendPage, kStyleDisabled, {40011, 40014}},
        {kTemplateSendPage, kStyleHidden, {}},
        {kTemplateSendPage, kStyleCenter, {40026, 40027, 40028, 40031, 40032, 40033}},
        {kTemplateSendPage, kStyleVScroll, {40009, 40070}},
    };
    for (const Flagged& f : expected)
        EXPECT_EQ(IdsWithStyle(Page(f.templateId), f.flag), f.ids)
            << "template " << f.templateId << ", flag " << f.flag;
}

TEST(Layouts, ScrollBarsAreOnlyOnListsAndCentringOnlyOnTexts) {
    for (const PageExpectation& page : kPages) {
        for (const ControlLayout& c : Page(page.templateId)) {
            SCOPED_TRACE(testing::Message() << page.templateId << "/" << c.id);
            if (c.style & kStyleVScroll) {
                EXPECT_TRUE(c.kind == ControlKind::DropDownList || c.kind == ControlKind::DropDownCombo);
            }
            if (c.style & kStyleCenter) {
                EXPECT_TRUE(c.kind == ControlKind::Label || c.kind == ControlKind::Edit);
            }
        }
    }
}

// Edits and lists take their contents from the page; buttons must say what
// they do even before the page sets its language.
TEST(Layouts, OnlyCaptionedKindsCarryTemplateText) {
    for (const PageExpectation& page : kPages) {
        for (const ControlLayout& c : Page(page.templateId)) {
            SCOPED_TRACE(testing::Message() << page.templateId << "/" << c.id);
            ASSERT_NE(c.text, nullptr);
            switch (c.kind) {
                case ControlKind::Edit:
                case ControlKind::DropDownList:
                case ControlKind::DropDownCombo:
                    EXPECT_STREQ(c.text, "");
                    break;
                case ControlKind::Button:
                case ControlKind::DefaultButton:
                    EXPECT_STRNE(c.text, "");
                    break;
                default:
                    break;
            }
        }
    }
}

bool IsValidGbk(const std::string& bytes) {
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        auto lead = static_cast<unsigned char>(bytes[i]);
        if (lead < 0x80) continue;
        if (lead < 0x81 || lead > 0xFE || i + 1 == bytes.size()) return false;
        auto trail = static_cast<unsigned char>(bytes[++i]);
        if (trail < 0x40 || trail == 0x7F || trail > 0xFE) return false;
    }
    return true;
}

// A list, an edit or a check box without a caption is said by a screen
// reader by the name its link makes; a link to a missing control, or to
// one without text, would say nothing.
TEST(Layouts, EveryUncaptionedInputIsNamedByTextsOfItsPage) {
    for (const PageExpectation& page : kPages) {
        const DialogLayout& layout = Page(page.templateId);
        SCOPED_TRACE(page.templateId);
        std::set<int> named;
        for (int i = 0; i < layout.labelCount; ++i) {
            const LabelLink& link = layout.labels[i];
            SCOPED_TRACE(link.control);
            EXPECT_TRUE(named.insert(link.control).second) << "named twice";
            const ControlLayout* control = FindControl(layout, link.control);
            ASSERT_NE(control, nullptr);
            EXPECT_TRUE(control->kind == ControlKind::Edit || control->kind == ControlKind::DropDownList ||
                        control->kind == ControlKind::DropDownCombo || control->kind == ControlKind::CheckBox);
            const ControlLayout* first = FindControl(layout, link.parts[0]);
            ASSERT_NE(first, nullptr) << "the first part is the control's label";
            for (int part : link.parts) {
                if (part == 0) continue;
                const ControlLayout* partRow = FindControl(layout, part);
                ASSERT_NE(partRow, nullptr) << part;
                EXPECT_NE(partRow->kind, ControlKind::Edit) << part << ": typed text names nothing";
                EXPECT_NE(part, link.control);
            }
            ASSERT_NE(link.suffix, nullptr);
        }
        for (const ControlLayout& c : layout) {
            const bool input = c.kind == ControlKind::Edit || c.kind == ControlKind::DropDownList ||
                               c.kind == ControlKind::DropDownCombo ||
                               (c.kind == ControlKind::CheckBox && c.text[0] == '\0');
            // The hidden language list of the parameter page is never shown.
            if (input && !(page.templateId == kTemplateParamPage && c.id == 40004)) {
                EXPECT_TRUE(named.count(c.id)) << c.id << " has no name";
            }
        }
    }
}

TEST(Layouts, ANameIsItsPartsTextsThenItsSuffix) {
    const DialogLayout& camera = Page(kTemplateCameraPage);
    const auto english = [](int id) -> std::string {
        switch (id) {
            case 40049:
                return "Timer1";
            case 40051:
                return "Start";
            case 40053:
                return "Hour";
            case 40079:
                return "Serial Number";
            default:
                return "";
        }
    };
    const LabelLink* startHour = FindLabelLink(camera, 40110);
    ASSERT_NE(startHour, nullptr);
    EXPECT_EQ(ControlName(*startHour, english), "Timer1 Start Hour");
    EXPECT_FALSE(NamedByLabelAlone(*startHour));
    const LabelLink* serial = FindLabelLink(camera, 40098);
    ASSERT_NE(serial, nullptr);
    EXPECT_EQ(ControlName(*serial, english), "Serial Number 2");
    // A part that shows nothing (yet) leaves no double blank.
    const LabelLink* mode = FindLabelLink(camera, 40050);
    ASSERT_NE(mode, nullptr);
    EXPECT_EQ(ControlName(*mode, english), "Timer1");
    EXPECT_TRUE(NamedByLabelAlone(*mode));
    EXPECT_EQ(ControlName(*FindLabelLink(camera, 40006), english), "");
    EXPECT_EQ(FindLabelLink(camera, 40001), nullptr) << "a label names, it is not named";
}

TEST(Layouts, TextsAreGbkThatSurvivesARoundTrip) {
    for (const PageExpectation& page : kPages) {
        const DialogLayout& layout = Page(page.templateId);
        std::vector<const char*> texts{layout.title};
        for (const ControlLayout& c : layout) texts.push_back(c.text);
        for (const char* text : texts) {
            const std::string gbk = text;
            const std::string utf8 = GbkToUtf8(gbk);
            SCOPED_TRACE(testing::Message() << page.templateId << ": " << utf8);
            EXPECT_TRUE(IsValidGbk(gbk));
            // The codec turns what it cannot read into "?", which none of
            // the texts contains of its own.
            EXPECT_EQ(std::count(utf8.begin(), utf8.end(), '?'), 0);
            EXPECT_EQ(Utf8ToGbk(utf8), gbk);
        }
    }
}

TEST(Layouts, CaptionsKeepTheirExactWording) {
    struct Caption {
        int templateId;
        int id;
        const char* utf8;
    };
    const Caption captions[] = {
        {kTemplateCameraPage, 40092, "保存路径"},
        {kTemplateCameraPage, 40038, "/"},
        {kTemplateCameraPage, 40046, ":"},
        {kTemplateParamPage, 40011, "上传到的FTP目录(必须已存在)"},
        {kTemplateParamPage, 40045, "网络设置, 邮件参数"},
        {kTemplateParamPage, 40003, "Factory Debug"},
        {kTemplateParamPage, 40020, "端口:"},
        {kTemplateParamPage, 40041, "帐号"},
        {kTemplateSendPage, 40024, "不使用22,60,61命令"},
        {kTemplateSendPage, 40014, "^ 接收遥控请求/拍摄的图像"},
        {kTemplateSendPage, 40007, "/天"},
    };
    for (const Caption& c : captions) {
        const ControlLayout* control = FindControl(Page(c.templateId), c.id);
        ASSERT_NE(control, nullptr) << c.templateId << "/" << c.id;
        EXPECT_EQ(GbkToUtf8(control->text), c.utf8) << c.templateId << "/" << c.id;
    }
}

std::uint32_t Le16(const std::vector<std::uint8_t>& b, std::size_t at) { return b.at(at) | b.at(at + 1) << 8; }

std::uint32_t Le32(const std::vector<std::uint8_t>& b, std::size_t at) { return Le16(b, at) | Le16(b, at + 2) << 16; }

// A whole, uncompressed bitmap (BI_RGB) with a BITMAPINFOHEADER (no alpha
// masks, no colour space) of width x height at `bits` per pixel.
void ExpectPlainBitmap(const std::filesystem::path& file, std::uint32_t width, std::uint32_t height,
                       std::uint32_t bits) {
    SCOPED_TRACE(file.string());
    const auto bmp = test::ReadBytes(file);
    ASSERT_GE(bmp.size(), 54u);
    EXPECT_EQ(bmp[0], 'B');
    EXPECT_EQ(bmp[1], 'M');
    EXPECT_EQ(Le32(bmp, 2), bmp.size());
    EXPECT_EQ(Le32(bmp, 14), 40u);
    const auto rows = static_cast<std::int32_t>(Le32(bmp, 22));
    EXPECT_EQ(Le32(bmp, 18), width);
    EXPECT_EQ(static_cast<std::uint32_t>(rows < 0 ? -rows : rows), height);
    EXPECT_EQ(Le16(bmp, 26), 1u);  // planes
    EXPECT_EQ(Le16(bmp, 28), bits);
    EXPECT_EQ(Le32(bmp, 30), 0u);
    const std::uint32_t stride = (width * bits + 31) / 32 * 4;
    EXPECT_GE(bmp.size(), Le32(bmp, 10) + stride * height);
}

TEST(Images, BannerIsAPlain24BitBitmapOf360By52) { ExpectPlainBitmap(kImages / "banner.bmp", 360, 52, 24); }

TEST(Images, LargeBannerIsAnUncompressedBitmapOfTwiceTheSize) {
    // LoadImage makes a DIB section only from an uncompressed bitmap.
    ExpectPlainBitmap(kImages / "banner-2x.bmp", 720, 104, 8);
}

std::vector<int> IconSizes(const std::filesystem::path& file) {
    const auto ico = test::ReadBytes(file);
    if (ico.size() < 6 || Le16(ico, 0) != 0 || Le16(ico, 2) != 1) {
        ADD_FAILURE() << file << " is not an icon file";
        return {};
    }
    std::vector<int> sizes;
    for (std::uint32_t i = 0; i < Le16(ico, 4); ++i) {
        const std::size_t entry = 6 + 16 * i;
        if (ico.size() < entry + 16) {
            ADD_FAILURE() << file << " has a short directory";
            return {};
        }
        const int w = ico[entry] ? ico[entry] : 256;
        const int h = ico[entry + 1] ? ico[entry + 1] : 256;
        EXPECT_EQ(w, h) << file;
        EXPECT_LE(std::uint64_t{Le32(ico, entry + 12)} + Le32(ico, entry + 8), ico.size())
            << file << " image " << i << " runs past the end";
        sizes.push_back(w);
    }
    std::sort(sizes.begin(), sizes.end());
    return sizes;
}

TEST(Images, IconsHoldTheirSizes) {
    EXPECT_EQ(IconSizes(kImages / "app.ico"), (std::vector<int>{16, 24, 32, 48}));
    EXPECT_EQ(IconSizes(kImages / "file.ico"), (std::vector<int>{16, 24, 32}));
}

TEST(Images, PngIconIs48Square) {
    const auto png = test::ReadBytes(kImages / "app.png");
    ASSERT_GE(png.size(), 24u);
    const std::uint8_t signature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    EXPECT_TRUE(std::equal(std::begin(signature), std::end(signature), png.begin()));
    EXPECT_EQ(std::string(png.begin() + 12, png.begin() + 16), "IHDR");
    auto be32 = [&](std::size_t at) {
        return std::uint32_t{png[at]} << 24 | png[at + 1] << 16 | png[at + 2] << 8 | png[at + 3];
    };
    EXPECT_EQ(be32(16), 48u);
    EXPECT_EQ(be32(20), 48u);
}

}  // namespace
}  // namespace trailcfg
