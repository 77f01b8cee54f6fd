// The Win32 backend of the platform port: the desktop program on Windows.
#pragma once

#include <memory>

#include "platform/driver.h"

namespace trailcfg {

// Without a driver, pages are real modal dialogs waiting for a person; with
// one, they are real dialogs too, acted on through DialogProbe.
std::unique_ptr<DrivablePlatform> MakeWin32Platform();

}  // namespace trailcfg
