#include "win32_platform.h"

#include <windows.h>

#include <commctrl.h>

#include "platform/backend.h"
#include "platform/layout.h"
#include "win32_page_dialog.h"
#include "win32_system.h"
#include "win32_text.h"

namespace trailcfg {

namespace {

using win32::PageDialog;

PageDialog* AsPage(Dialog& dialog) { return dynamic_cast<PageDialog*>(&dialog); }

class Win32Platform final : public BackendPlatform {
public:
    int RunModal(Page& page) override {
        const DialogLayout* layout = FindDialogLayout(page.TemplateId());
        if (!layout) return kPageNotCreated;
        // Each page registers the classes it is made of before it is made.
        const INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
        InitCommonControlsEx(&classes);
        PageDialog dialog(*layout, page, AttachedDriver() != nullptr);
        if (!AttachedDriver()) return dialog.RunModal();
        if (!dialog.CreateDriven()) return kPageNotCreated;
        return DriveUntilEnded(dialog, [&] { dialog.Pump(); });
    }

    bool CurrentDirectory(std::string& folder) override { return win32::CurrentDirectoryGbk(folder); }

private:
    std::uint16_t PersonLanguage() override { return win32::SystemDefaultLanguageId(); }
    LocalTime PersonNow() override { return win32::LocalNow(); }
    bool PersonBrowseFolder(Dialog&, std::string& folder) override { return win32::ChooseFolder(folder); }

    void PersonShowMessage(Dialog& owner, const std::string& text, const std::string& caption,
                           MessageIcon icon) override {
        PageDialog* page = AsPage(owner);
        const UINT type = MB_OK | (icon == MessageIcon::Warning ? MB_ICONWARNING : MB_ICONINFORMATION);
        MessageBoxW(page ? page->Window() : nullptr, win32::Wide(text).c_str(), win32::Wide(caption).c_str(), type);
    }
};

}  // namespace

std::unique_ptr<DrivablePlatform> MakeWin32Platform() { return std::make_unique<Win32Platform>(); }

}  // namespace trailcfg
