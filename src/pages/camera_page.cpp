// The Camera Setup page (template 113): the camera's menu settings, the
// clock, and Default and Generate, which write menu.dat into the save folder.
#include "pages/camera_page.h"

#include <cstdint>
#include <memory>

#include "app/navigation.h"
#include "app/process_state.h"
#include "app/state_files.h"
#include "camera/menu_file.h"
#include "common/card_lock.h"
#include "common/diag.h"
#include "pages/pages.h"
#include "platform/control_ids.h"
#include "platform/layout.h"
#include "texts/camera_page_texts.h"
#include "ui/input_helpers.h"
#include "ui/message_texts.h"

namespace trailcfg {

using namespace ids::camera;

namespace {

constexpr int kClockTimer = 1;
constexpr int kClockTimerPeriodMs = 1000;
constexpr int kLongestVideoLength = 59;  // 60 s
constexpr int kDefaultVideoLength = 9;   // 10 s

class CameraSetupPage final : public Page {
public:
    explicit CameraSetupPage(Platform& platform) : platform_(platform) {}

    int TemplateId() const override { return kTemplateCameraPage; }

    void OnOpen(Dialog& dialog) override {
        dialog.SetSmallIcon(kIconApp);
        if (s_bMenuPageFirstOpen) {
            s_bMenuPageFirstOpen = false;
            LoadMenuRecord();
        }
        FillMenuPage(dialog, false, IntervalUnit);
        ApplyMenuEnableRules(dialog);
        if (g_sMenuData.ClockMode != kClockOff) ShowLocalClock(platform_, dialog);
        dialog.SetText(kSavePathEdit, g_szSavePath);
        SetClockEditLimits(dialog);
        dialog.SetLimit(kSavePathEdit, kSavePathSize);
        platform_.StartTimer(dialog, kClockTimer, kClockTimerPeriodMs);
        Diag("INIT END.\n");
    }

    void OnEvent(Dialog& dialog, const Event& event) override {
        switch (event.type) {
            case EventType::Timer:
                if (event.id == kClockTimer) OnClockTick(dialog);
                break;
            case EventType::TextChanged:
                if (IsClockEdit(event.id)) FilterEditChars(dialog, event.id, kDigits);
                break;
            case EventType::FocusLost:
                if (IsClockEdit(event.id)) OnClockEditLeft(platform_, dialog, event.id);
                break;
            case EventType::SelChanged:
                OnSelectionChanged(dialog, event.id);
                break;
            case EventType::Clicked:
                OnButton(dialog, event.id);
                break;
            case EventType::Close:
                OnClose(dialog);
                break;
            default:
                // Enter, Escape and list confirmations change nothing.
                break;
        }
    }

private:
    // Once per process: the card's menu.dat, or the defaults. The clock
    // always starts in Auto, whatever the file held.
    static void LoadMenuRecord() {
        if (ReadMenuFile() == 1) {
            if (g_sMenuData.VideoLength > kLongestVideoLength) g_sMenuData.VideoLength = kDefaultVideoLength;
        } else {
            LoadMenuDefaults();
        }
        g_sMenuData.ClockMode = kClockAuto;
    }

    void OnClockTick(Dialog& dialog) {
        if (g_sMenuData.ClockMode == kClockAuto) ShowLocalClock(platform_, dialog);
    }

    void OnSelectionChanged(Dialog& dialog, int id) {
        if (id == kClockModeList)
            OnClockModeChanged(dialog);
        else if (id == kIntervalUnitList)
            ChangeIntervalUnit(dialog, IntervalUnit);
        else
            ApplyEnableRuleOfList(dialog, id, dialog.ListSelection(id));
    }

    // The clock mode is the one setting that follows its list at once: the
    // timer reads it every second.
    void OnClockModeChanged(Dialog& dialog) {
        const int mode = dialog.ListSelection(kClockModeList);
        if (mode < 0) return;
        g_sMenuData.ClockMode = static_cast<std::uint8_t>(mode);
        ApplyEnableRuleOfList(dialog, kClockModeList, mode);
        if (mode != kClockOff)
            ShowLocalClock(platform_, dialog);
        else
            EmptyClockEdits(dialog);
    }

    void OnButton(Dialog& dialog, int id) {
        if (id == kBrowseButton)
            BrowseSaveFolder(platform_, dialog, kSavePathEdit);
        else if (id == kDefaultButton)
            OnDefault(dialog);
        else if (id == kGenerateButton)
            OnGenerate(dialog);
    }

    // The clock edits keep what they show: in Off they are empty, so the
    // file carries the default record's zero clock.
    void OnDefault(Dialog& dialog) {
        LoadMenuDefaults();
        dialog.ListEmpty(kIntervalNumberList);
        FillMenuPage(dialog, true, IntervalUnit);
        ApplyMenuEnableRules(dialog);
        CollectMenuPage(dialog, IntervalUnit);
        ShowWritten(dialog, WriteVerifiedMenuFile(), kTextDefaultDone);
    }

    void OnGenerate(Dialog& dialog) {
        CollectMenuPage(dialog, IntervalUnit);
        ShowWritten(dialog, WriteVerifiedMenuFile(), kTextGenerateDone);
    }

    // A file that could not be written or confirmed shows nothing; the
    // reason is on standard output. A card another program kept is no fault
    // of the card: the user may simply try again, and is told so.
    void ShowWritten(Dialog& dialog, CardWrite written, const TextPair& done) {
        if (written == CardWrite::Confirmed)
            platform_.ShowMessage(dialog, done[g_iUiLanguage], kCaptionNotice[g_iUiLanguage], MessageIcon::Information);
        else if (written == CardWrite::Busy)
            platform_.ShowMessage(dialog, kTextCardBusy[g_iUiLanguage], kCaptionWarning[g_iUiLanguage],
                                  MessageIcon::Warning);
    }

    // Closing keeps the page's values in g_sMenuData for the next visit; no
    // file is written.
    void OnClose(Dialog& dialog) {
        CollectMenuPage(dialog, IntervalUnit);
        platform_.StopTimer(dialog, kClockTimer);
        dialog.End(0);
        OpenStartPage();
    }

    Platform& platform_;
    int IntervalUnit = kUnitSeconds;  // the unit the number list holds
};

}  // namespace

std::unique_ptr<Page> MakeCameraSetupPage(Platform& platform) { return std::make_unique<CameraSetupPage>(platform); }

}  // namespace trailcfg
