#include "win32_platform.h"

#include <windows.h>

#include <commctrl.h>

#include "platform/layout.h"
#include "win32_page_dialog.h"
#include "win32_probe.h"
#include "win32_system.h"
#include "win32_text.h"

namespace trailcfg {

namespace {

using win32::PageDialog;

PageDialog* AsPage(Dialog& dialog) { return dynamic_cast<PageDialog*>(&dialog); }

class Win32Platform final : public DrivablePlatform {
public:
    void SetDriver(Driver* driver) override { driver_ = driver; }

    int RunModal(Page& page) override {
        const DialogLayout* layout = FindDialogLayout(page.TemplateId());
        if (!layout) return kPageNotCreated;
        // Each page registers the classes it is made of before it is made.
        const INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
        InitCommonControlsEx(&classes);
        PageDialog dialog(*layout, page, driver_ != nullptr);
        if (!driver_) return dialog.RunModal();
        if (!dialog.CreateDriven()) return kPageNotCreated;
        win32::PageProbe probe(dialog);
        while (true) {
            // Let the window system finish what the last step set in motion
            // (painting, posted messages) before the driver looks.
            dialog.Pump();
            if (dialog.Ended()) return dialog.Result();
            if (!driver_ || !driver_->Act(dialog, probe)) return kPageAbandoned;
        }
    }

    std::uint16_t SystemDefaultLanguage() override {
        return driver_ ? driver_->SystemDefaultLanguage() : win32::SystemDefaultLanguageId();
    }

    bool CurrentDirectory(std::string& folder) override { return win32::CurrentDirectoryGbk(folder); }

    LocalTime Now() override { return driver_ ? driver_->Now() : win32::LocalNow(); }

    bool BrowseFolder(Dialog&, std::string& folder) override {
        return driver_ ? driver_->AnswerFolder(folder) : win32::ChooseFolder(folder);
    }

    void ShowMessage(Dialog& owner, const char* text, const char* caption, MessageIcon icon) override {
        const std::string gbkText = text ? text : "";
        const std::string gbkCaption = caption ? caption : "";
        if (driver_) {
            driver_->RecordMessage(gbkCaption, gbkText, icon);
            return;
        }
        PageDialog* page = AsPage(owner);
        const UINT type = MB_OK | (icon == MessageIcon::Warning ? MB_ICONWARNING : MB_ICONINFORMATION);
        MessageBoxW(page ? page->Window() : nullptr, win32::Wide(gbkText).c_str(), win32::Wide(gbkCaption).c_str(),
                    type);
    }

    void StartTimer(Dialog& dialog, int timerId, int periodMs) override {
        if (PageDialog* page = AsPage(dialog)) page->StartTimer(timerId, periodMs);
    }

    void StopTimer(Dialog& dialog, int timerId) override {
        if (PageDialog* page = AsPage(dialog)) page->StopTimer(timerId);
    }

private:
    Driver* driver_ = nullptr;
};

}  // namespace

std::unique_ptr<DrivablePlatform> MakeWin32Platform() { return std::make_unique<Win32Platform>(); }

}  // namespace trailcfg
