#include "headless_platform.h"

#include <ctime>

#include "common/file_io.h"
#include "headless_dialog.h"
#include "platform/backend.h"
#include "platform/layout.h"

namespace trailcfg {

namespace {

using headless::HeadlessDialog;

// Asked when no driver answers the system's questions.
constexpr std::uint16_t kUndrivenLanguage = 0x0409;

LocalTime RealLocalTime() {
    std::time_t now = std::time(nullptr);
    std::tm tm{};
#ifdef _WIN32
    localtime_s(&tm, &now);
#else
    localtime_r(&now, &tm);
#endif
    return LocalTime{tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec};
}

class HeadlessPlatform final : public BackendPlatform {
public:
    int RunModal(Page& page) override {
        const DialogLayout* layout = FindDialogLayout(page.TemplateId());
        if (!layout) return kPageNotCreated;
        if (!AttachedDriver()) return kPageAbandoned;
        HeadlessDialog dialog(*layout, page);
        page.OnOpen(dialog);
        return DriveUntilEnded(dialog, [] {});
    }

    bool CurrentDirectory(std::string& folder) override { return CurrentDirectoryAsGbk(folder); }

private:
    // Nobody sits at this screen: no folder is chosen, no box is seen.
    std::uint16_t PersonLanguage() override { return kUndrivenLanguage; }
    LocalTime PersonNow() override { return RealLocalTime(); }
    bool PersonBrowseFolder(Dialog&, std::string&) override { return false; }
    void PersonShowMessage(Dialog&, const std::string&, const std::string&, MessageIcon) override {}
};

}  // namespace

std::unique_ptr<DrivablePlatform> MakeHeadlessPlatform() { return std::make_unique<HeadlessPlatform>(); }

}  // namespace trailcfg
