// The desktop program's command line. It takes no settings there: the pages
// are where settings are made. --version and --help answer and end the
// program before any window opens, so that a script or a user at a prompt
// can ask without a window appearing.
#pragma once

#include <string>

namespace trailcfg {

struct ArgumentsAnswer {
    bool exitNow = false;  // print `text` to standard output and end with status 0
    std::string text;
};

// Any other argument is ignored, as it always was: Windows hands the program
// the paths of files dropped on its icon, which the program has no use for
// and must not refuse to start over.
ArgumentsAnswer ReadProgramArguments(int argc, const char* const* argv);

}  // namespace trailcfg
