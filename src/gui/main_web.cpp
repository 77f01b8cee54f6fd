// The browser edition: the pages on HTML controls (Emscripten). The program
// starts in a folder inside the browser, from which Generate's files are
// offered as downloads, until the user picks a real folder with Browse; a
// later visit starts in the folder picked last, unless the browser refuses
// it at the first page that would read it: back to the one inside.
#include <sys/stat.h>
#include <unistd.h>

#include <utility>

#include "app/save_folder.h"
#include "gui/run_application.h"
#include "platform/web/web_files.h"
#include "platform/web/web_platform.h"

namespace {

constexpr const char* kBrowserFolder = "/in-browser";

}  // namespace

int main() {
    // The start page shows while the browser opens its storage, which takes
    // a while: the folder is there from the start (the start page takes it
    // for the save path), what the browser kept in it once the page shows.
    trailcfg::WebPlatformHooks hooks;
    hooks.afterFirstPage = [] { trailcfg_web_mount_browser_folder(kBrowserFolder); };
    hooks.folderRefused = [] {
        if (::chdir(kBrowserFolder) == 0) trailcfg::StoreSavePath(kBrowserFolder);
    };
    std::unique_ptr<trailcfg::DrivablePlatform> platform = trailcfg::MakeWebPlatform(std::move(hooks));
    ::mkdir(kBrowserFolder, 0755);
    if (::chdir(kBrowserFolder) != 0) return -1;
    char picked[1024] = {};
    if (trailcfg_web_restore_folder(picked, sizeof picked) == 1 && ::chdir(picked) != 0) return -1;
    return trailcfg::RunApplication(*platform);
}
