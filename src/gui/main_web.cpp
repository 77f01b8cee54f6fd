// The browser edition: the pages on HTML controls (Emscripten). The program
// works in a folder inside the browser, which is where Generate writes until
// the user picks another with Browse.
#include <sys/stat.h>
#include <unistd.h>

#include "gui/run_application.h"
#include "platform/web/web_platform.h"

namespace {

constexpr const char* kBrowserFolder = "/trailcfg";

}  // namespace

int main() {
    ::mkdir(kBrowserFolder, 0755);
    if (::chdir(kBrowserFolder) != 0) return -1;
    std::unique_ptr<trailcfg::DrivablePlatform> platform = trailcfg::MakeWebPlatform();
    return trailcfg::RunApplication(*platform);
}
