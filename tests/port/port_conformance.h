// The port's conformance suite runs against any backend: each backend's test
// executable links the suite with one file that defines this factory.
#pragma once

#include <memory>

#include "platform/driver.h"

// A fresh backend for one test.
std::unique_ptr<trailcfg::DrivablePlatform> MakePlatformUnderTest();
