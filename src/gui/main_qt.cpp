// The desktop program on Linux: the pages on Qt widgets.
#include <cstdio>
#include <cstdlib>

#include "gui/program_arguments.h"
#include "gui/run_application.h"
#include "platform/qt/qt_application.h"
#include "platform/qt/qt_platform.h"

int main(int argc, char** argv) {
    const trailcfg::ArgumentsAnswer answer = trailcfg::ReadProgramArguments(argc, argv);
    if (answer.exitNow) {
        std::fputs(answer.text.c_str(), stdout);
        return 0;
    }
    // With no window system (and no Qt platform asked for by name), the
    // start page would wait, unseen, for a user who can never reach it.
    if (!trailcfg::qt::HasDisplay() && !std::getenv("QT_QPA_PLATFORM")) {
        std::fputs("trailcfg: no display to show the program on (DISPLAY and WAYLAND_DISPLAY are not set)\n", stderr);
        return -1;
    }
    std::unique_ptr<trailcfg::DrivablePlatform> platform = trailcfg::MakeQtPlatform();
    if (!platform) return -1;
    return trailcfg::RunApplication(*platform);
}
