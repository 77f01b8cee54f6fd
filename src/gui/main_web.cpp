// The browser edition: the pages on HTML controls (Emscripten). The program
// starts in a folder inside the browser, from which Generate's files are
// offered as downloads, until the user picks a real folder with Browse; a
// later visit goes on in the folder picked last, unless the browser refuses
// it at the first page that would read it: back to the one inside.
#include <sys/stat.h>
#include <unistd.h>

#include <string>
#include <utility>

#include "app/save_folder.h"
#include "common/gbk_codec.h"
#include "gui/run_application.h"
#include "platform/web/web_files.h"
#include "platform/web/web_platform.h"

namespace {

constexpr const char* kBrowserFolder = "/in-browser";

// The save folder becomes `folder` (UTF-8), as Browse makes it one: a name
// GBK cannot spell would name another folder, or none, and the program stays
// where it is.
void EnterFolder(const char* folder) {
    std::string gbk;
    if (!trailcfg::Utf8ToGbkStrict(folder, gbk) || ::chdir(folder) != 0) return;
    if (!trailcfg::StoreSavePath(gbk)) ::chdir(kBrowserFolder);
}

}  // namespace

int main() {
    // The browser answers slowly from its storage: what it keeps is taken
    // once the start page shows, which reads no folder, and before the page
    // takes the first click (which waits meanwhile). The folder inside the
    // browser is there from the start, what the browser kept in it only
    // then; so is the folder picked on an earlier visit, which the save path
    // then names.
    trailcfg::WebPlatformHooks hooks;
    hooks.afterFirstPage = [] {
        trailcfg_web_mount_browser_folder(kBrowserFolder);
        char picked[1024] = {};
        if (trailcfg_web_restore_folder(picked, sizeof picked) == 1) EnterFolder(picked);
    };
    hooks.folderRefused = [] {
        if (::chdir(kBrowserFolder) == 0) trailcfg::StoreSavePath(kBrowserFolder);
    };
    std::unique_ptr<trailcfg::DrivablePlatform> platform = trailcfg::MakeWebPlatform(std::move(hooks));
    ::mkdir(kBrowserFolder, 0755);
    if (::chdir(kBrowserFolder) != 0) return -1;
    return trailcfg::RunApplication(*platform);
}
