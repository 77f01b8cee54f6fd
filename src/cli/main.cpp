// trailcfg-cli: the camera files from the command line.
#include <cstdio>
#include <iostream>

#include "commands.h"
#include "common/diag.h"

#ifdef _WIN32
#include <io.h>
#define TRAILCFG_ISATTY _isatty
#define TRAILCFG_FILENO _fileno
#else
#include <unistd.h>
#define TRAILCFG_ISATTY isatty
#define TRAILCFG_FILENO fileno
#endif

int main(int argc, char** argv) {
    using namespace trailcfg;
    // The readers' and writers' diagnostic lines are for the desktop
    // program's console; here the commands report for themselves.
    SetDiagSink(DiscardDiag, nullptr);
    std::ios::sync_with_stdio(false);
    const bool progress = TRAILCFG_ISATTY(TRAILCFG_FILENO(stderr)) != 0;
    return cli::RunCli(argc, argv, std::cout, std::cerr, progress);
}
