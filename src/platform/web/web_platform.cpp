#include "web_platform.h"

#include <emscripten.h>
#include <sys/stat.h>

#include <ctime>
#include <string>
#include <utility>

#include "common/file_io.h"
#include "common/gbk_codec.h"
#include "common/text_edge.h"
#include "platform/backend.h"
#include "platform/layout.h"
#include "web_dialog.h"
#include "web_dom.h"
#include "web_files.h"
#include "web_language.h"
#include "web_notes.h"

namespace trailcfg {

namespace {

using web::WebDialog;

// How long the page's loop leaves the browser to itself between looks at
// the user's events: one frame.
constexpr int kIdleMs = 16;

// A page speaks Chinese when its title does: the pages title themselves
// in the language the user chose, which may differ from the browser's.
int PageLanguage(const Dialog& page) {
    const auto* shown = dynamic_cast<const WebDialog*>(&page);
    if (!shown) return 1;
    for (char c : shown->Title())
        if (static_cast<unsigned char>(c) >= 0x80) return 0;
    return 1;
}

LocalTime BrowserLocalTime() {
    std::time_t now = std::time(nullptr);
    std::tm tm{};
    localtime_r(&now, &tm);
    return LocalTime{tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec};
}

class WebPlatform final : public BackendPlatform {
public:
    explicit WebPlatform(WebPlatformHooks hooks) : hooks_(std::move(hooks)) {}

    int RunModal(Page& page) override {
        const DialogLayout* layout = FindDialogLayout(page.TemplateId());
        if (!layout) return kPageNotCreated;
        WebDialog dialog(*layout, page);
        // A page opened from defaults over a card it could not read would
        // have Generate replace the card's settings with them.
        const bool refused = trailcfg_web_settle_folder() == 0;
        if (refused && hooks_.folderRefused) hooks_.folderRefused();
        // As with WM_INITDIALOG, the page fills itself in before it shows.
        page.OnOpen(dialog);
        if (dialog.Ended()) return dialog.Result();
        dialog.NameControls();
        if (hooks_.afterFirstPage) std::exchange(hooks_.afterFirstPage, nullptr)();
        // Why the save path is no longer the folder it showed last time.
        if (refused && !AttachedDriver()) ShowMessage(TakeRefusedNote(dialog), dialog.Title(), false);
        if (AttachedDriver()) return DriveUntilEnded(dialog, [&dialog] { dialog.TakeUserEvents(); });
        while (true) {
            dialog.TakeUserEvents();
            if (!dialog.Ended()) dialog.FireDueTimers(emscripten_get_now());
            if (dialog.Ended()) return dialog.Result();
            emscripten_sleep(kIdleMs);
        }
    }

    bool CurrentDirectory(std::string& folder) override { return CurrentDirectoryAsGbk(folder); }

private:
    std::uint16_t PersonLanguage() override {
        char tag[64] = {};
        trailcfg_web_language(tag, sizeof tag);
        return web::LanguageIdForTag(tag);
    }

    LocalTime PersonNow() override { return BrowserLocalTime(); }

    // Browsers without a folder picker (Firefox, Safari) keep the folder
    // inside the browser: Browse changes nothing there but says so.
    bool PersonBrowseFolder(Dialog& owner, std::string& folder) override {
        char picked[1024] = {};
        const int answer = trailcfg_web_pick_folder(picked, sizeof picked);
        if (answer == 0) {
            const auto* page = dynamic_cast<const WebDialog*>(&owner);
            PersonShowMessage(owner, web::kNoFolderPicker[PageLanguage(owner)], page ? page->Title() : std::string(),
                              MessageIcon::Information);
        }
        if (answer != 1) return false;
        // A name GBK cannot spell would name another folder, or none.
        std::string gbk;
        if (!Utf8ToGbkStrict(picked, gbk)) return false;
        folder = std::move(gbk);
        return true;
    }

    void PersonShowMessage(Dialog& owner, const std::string& text, const std::string& caption,
                           MessageIcon icon) override {
        // Generate's success, when its file went out as a download, comes
        // with what the camera needs of that file.
        char downloaded[256] = {};
        trailcfg_web_take_downloads(downloaded, sizeof downloaded);
        std::string said = text;
        if (downloaded[0] && icon == MessageIcon::Information)
            said += "\r\n\r\n" + web::WithNames(web::kDownloadedNote[PageLanguage(owner)], downloaded);
        // Why a folder the user sees in the save path got none of it.
        const std::string refused = TakeRefusedNote(owner);
        if (!refused.empty()) said = refused + "\r\n\r\n" + said;
        ShowMessage(said, caption, icon == MessageIcon::Warning);
    }

    // The note on a remembered folder the browser refused since it was last
    // said, in the page's language; "" when there is none.
    static std::string TakeRefusedNote(const Dialog& owner) {
        char refused[1024] = {};
        trailcfg_web_take_refused(refused, sizeof refused);
        if (!refused[0]) return std::string();
        return web::WithNames(web::kFolderRefusedNote[PageLanguage(owner)], Utf8ToGbk(refused));
    }

    static void ShowMessage(const std::string& text, const std::string& caption, bool warning) {
        const std::u16string shownCaption = GbkToUtf16(caption);
        const std::u16string shownText = GbkToUtf16(text);
        trailcfg_web_message_open(shownCaption.data(), static_cast<int>(shownCaption.size()), shownText.data(),
                                  static_cast<int>(shownText.size()), warning);
        while (trailcfg_web_message_open_now()) emscripten_sleep(kIdleMs);
    }

    WebPlatformHooks hooks_;
};

}  // namespace

std::unique_ptr<DrivablePlatform> MakeWebPlatform(WebPlatformHooks hooks) {
    // Emscripten's C library starts with a umask of 0777, which leaves every
    // file the program writes unreadable, its own read-back included.
    ::umask(022);
    return std::make_unique<WebPlatform>(std::move(hooks));
}

std::unique_ptr<DrivablePlatform> MakeWebPlatform() { return MakeWebPlatform(WebPlatformHooks{}); }

}  // namespace trailcfg
