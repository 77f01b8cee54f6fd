#include "process_state.h"

namespace trailcfg {

ProcessState g_processState;

void ResetProcessState() { g_processState = ProcessState{}; }

}  // namespace trailcfg
