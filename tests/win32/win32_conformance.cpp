// The conformance suite on the Win32 backend (real dialogs; under Wine in CI).
#include "port_conformance.h"
#include "win32_platform.h"

std::unique_ptr<trailcfg::DrivablePlatform> MakePlatformUnderTest() { return trailcfg::MakeWin32Platform(); }
