// The desktop program on Windows: the pages on real dialogs.
#include <windows.h>

#include <cstdio>
#include <cstdlib>

#include "gui/program_arguments.h"
#include "gui/run_application.h"
#include "platform/win32/win32_platform.h"

namespace {

// A program for the Windows subsystem has no console of its own, so its
// diagnostic lines would go nowhere when it is started from a command
// prompt. It borrows the prompt's console then; started from Explorer there
// is none, and output that is redirected already has its place.
void UseParentConsoleForDiagnostics() {
    HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
    if (out && out != INVALID_HANDLE_VALUE) return;
    if (!AttachConsole(ATTACH_PARENT_PROCESS)) return;
    FILE* reopened = nullptr;
    if (freopen_s(&reopened, "CONOUT$", "w", stdout) != 0) return;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    UseParentConsoleForDiagnostics();
    // The options are plain ASCII, which the C runtime's narrow arguments keep.
    const trailcfg::ArgumentsAnswer answer = trailcfg::ReadProgramArguments(__argc, __argv);
    if (answer.exitNow) {
        std::fputs(answer.text.c_str(), stdout);
        std::fflush(stdout);
        return 0;
    }
    std::unique_ptr<trailcfg::DrivablePlatform> platform = trailcfg::MakeWin32Platform();
    return trailcfg::RunApplication(*platform);
}
