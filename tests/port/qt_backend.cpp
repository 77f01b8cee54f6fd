// The conformance suite on the Qt backend (real widgets, offscreen).
#include "port_conformance.h"
#include "qt_platform.h"

std::unique_ptr<trailcfg::DrivablePlatform> MakePlatformUnderTest() { return trailcfg::MakeQtPlatform(); }
