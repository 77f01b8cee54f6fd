#include "navigation.h"

#include "app/process_state.h"

namespace trailcfg {

void OpenStartPage() { s_eNextPage = PageId::Start; }
void OpenCameraSetupPage() { s_eNextPage = PageId::CameraSetup; }
void OpenParameterPage() { s_eNextPage = PageId::Parameter; }
void OpenSendPage() { s_eNextPage = PageId::Send; }

}  // namespace trailcfg
