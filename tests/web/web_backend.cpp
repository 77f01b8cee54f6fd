// The conformance suite on the web backend, in the browser.
#include "platform/web/web_platform.h"
#include "port_conformance.h"

std::unique_ptr<trailcfg::DrivablePlatform> MakePlatformUnderTest() { return trailcfg::MakeWebPlatform(); }
