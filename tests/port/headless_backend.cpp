// The conformance suite on the headless backend.
#include "platform/headless/headless_platform.h"
#include "port_conformance.h"

std::unique_ptr<trailcfg::DrivablePlatform> MakePlatformUnderTest() { return trailcfg::MakeHeadlessPlatform(); }
