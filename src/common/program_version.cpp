#include "program_version.h"

namespace trailcfg {

// TRAILCFG_VERSION comes from the build (the CMake project's version).
const char* ProgramVersion() { return TRAILCFG_VERSION; }

}  // namespace trailcfg
