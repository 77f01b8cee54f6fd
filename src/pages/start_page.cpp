#include "start_page.h"

#include <cstdint>
#include <iterator>

#include "app/navigation.h"
#include "app/process_state.h"
#include "app/save_folder.h"
#include "pages/pages.h"
#include "platform/control_ids.h"
#include "platform/layout.h"
#include "ui/apply_texts.h"
#include "ui/start_page_texts.h"
#include "ui/window_titles.h"

namespace trailcfg {

namespace {

using namespace ids::start;

// Only Chinese as used in the PRC gives a Chinese interface; Taiwan, Hong
// Kong and every other language get English.
constexpr std::uint16_t kLangChinesePrc = 0x0804;

class StartPage final : public Page {
public:
    explicit StartPage(Platform& platform) : platform_(platform) {}

    int TemplateId() const override { return kTemplateStartPage; }

    void OnOpen(Dialog& dialog) override {
        dialog.SetSmallIcon(kIconApp);
        // The banner is the backend's to paint.
        if (s_bFirstStart) {
            g_iUiLanguage = platform_.SystemDefaultLanguage() == kLangChinesePrc ? 0 : 1;
            InitSavePath(platform_);
            s_bFirstStart = false;
        }
        ApplyStartPageTexts(dialog, false);
    }

    void OnEvent(Dialog& dialog, const Event& event) override {
        switch (event.type) {
            case EventType::Clicked:
                OnButton(dialog, event.id);
                break;
            case EventType::SelChanged:
                OnSelection(dialog, event.id);
                break;
            case EventType::Close:
                dialog.End(0);
                break;
            default:
                // Enter arrives as the default button's click; Escape and
                // everything else leave the page as it is.
                break;
        }
    }

private:
    static void OnButton(Dialog& dialog, int id) {
        if (id == kCameraSetupButton) {
            dialog.End(0);
            OpenCameraSetupPage();
        } else if (id == k3GSetupButton) {
            dialog.End(0);
            OpenParameterPage();
        }
    }

    static void OnSelection(Dialog& dialog, int id) {
        int selected = dialog.ListSelection(id);
        if (id == kLanguageList && (selected == 0 || selected == 1)) {
            g_iUiLanguage = selected;
            ApplyStartPageTexts(dialog, true);
        } else if (id == kModelList && selected >= 0 && selected < static_cast<int>(std::size(kCameraModelNames))) {
            g_iCameraModel = selected;
        }
    }

    Platform& platform_;
};

}  // namespace

void ApplyStartPageTexts(Dialog& dialog, bool refill) {
    dialog.SetTitle(kTitleStartPage[g_iUiLanguage]);
    dialog.SetText(kVersionLabel, kVersionText);
    ApplyCaptions(dialog, kStartPageCaptions);

    if (refill) dialog.ListEmpty(kLanguageList);
    AddListItems(dialog, kLanguageList, kLanguageNames);
    dialog.ListSelect(kLanguageList, g_iUiLanguage);

    if (refill) dialog.ListEmpty(kModelList);
    AddListItems(dialog, kModelList, kCameraModelNames);
    dialog.ListSelect(kModelList, g_iCameraModel);
}

std::unique_ptr<Page> MakeStartPage(Platform& platform) { return std::make_unique<StartPage>(platform); }

}  // namespace trailcfg
