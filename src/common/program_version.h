// The program's version, as the project declares it ("1.2.2.27"): one
// number for the desktop program, the command-line tool and the packages.
#pragma once

namespace trailcfg {

const char* ProgramVersion();

}  // namespace trailcfg
