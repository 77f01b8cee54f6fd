#include "headless_platform.h"

#include <ctime>
#include <filesystem>

#include "common/file_io.h"
#include "headless_dialog.h"
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

class HeadlessPlatform final : public DrivablePlatform {
public:
    void SetDriver(Driver* driver) override { driver_ = driver; }

    int RunModal(Page& page) override {
        const DialogLayout* layout = FindDialogLayout(page.TemplateId());
        if (!layout) return kPageNotCreated;
        if (!driver_) return kPageAbandoned;
        HeadlessDialog dialog(*layout, page);
        page.OnOpen(dialog);
        while (!dialog.Ended())
            if (!driver_ || !driver_->Act(dialog, dialog)) return kPageAbandoned;
        return dialog.Result();
    }

    std::uint16_t SystemDefaultLanguage() override {
        return driver_ ? driver_->SystemDefaultLanguage() : kUndrivenLanguage;
    }

    // A folder whose name GBK cannot spell would come out with "?" in it and
    // name another folder, or none; such a directory counts as unreadable.
    bool CurrentDirectory(std::string& folder) override {
        std::error_code ec;
        std::filesystem::path cwd = std::filesystem::current_path(ec);
        if (ec) return false;
        std::string gbk = GbkFromPath(cwd);
        if (PathFromGbk(gbk) != cwd) return false;
        folder = std::move(gbk);
        return true;
    }

    LocalTime Now() override { return driver_ ? driver_->Now() : RealLocalTime(); }

    bool BrowseFolder(Dialog&, std::string& folder) override {
        return driver_ && driver_->AnswerFolder(folder);
    }

    void ShowMessage(Dialog&, const char* text, const char* caption, MessageIcon icon) override {
        if (driver_) driver_->RecordMessage(caption ? caption : "", text ? text : "", icon);
    }

    void StartTimer(Dialog& dialog, int timerId, int) override {
        if (auto* d = dynamic_cast<HeadlessDialog*>(&dialog)) d->StartTimer(timerId);
    }

    void StopTimer(Dialog& dialog, int timerId) override {
        if (auto* d = dynamic_cast<HeadlessDialog*>(&dialog)) d->StopTimer(timerId);
    }

private:
    Driver* driver_ = nullptr;
};

}  // namespace

std::unique_ptr<DrivablePlatform> MakeHeadlessPlatform() { return std::make_unique<HeadlessPlatform>(); }

}  // namespace trailcfg
