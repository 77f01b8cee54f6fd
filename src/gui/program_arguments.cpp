#include "program_arguments.h"

#include <string_view>

#include "common/program_version.h"

namespace trailcfg {

namespace {

constexpr const char* kUsage =
    "Usage: trailcfg [--help | --version]\n"
    "\n"
    "Prepares the settings of cellular trail cameras: the pages write CFG.BIN\n"
    "(how pictures are sent) and menu.dat (how the camera behaves) into the\n"
    "folder the program was started from, or the one chosen with Browse on the\n"
    "Camera Setup or the 3G Send Settings page.\n"
    "\n"
    "  --help     print this text and exit\n"
    "  --version  print the version and exit\n"
    "\n"
    "trailcfg-cli reads, explains, edits, checks and writes the same files from\n"
    "the command line (trailcfg-cli --help).\n";

bool IsHelp(std::string_view a) { return a == "--help" || a == "-h" || a == "-?" || a == "/?"; }
bool IsVersion(std::string_view a) { return a == "--version" || a == "-V"; }

}  // namespace

ArgumentsAnswer ReadProgramArguments(int argc, const char* const* argv) {
    for (int i = 1; i < argc; ++i) {
        if (!argv[i]) continue;
        if (IsHelp(argv[i])) return {true, kUsage};
        if (IsVersion(argv[i])) return {true, std::string("trailcfg ") + ProgramVersion() + "\n"};
    }
    return {};
}

}  // namespace trailcfg
