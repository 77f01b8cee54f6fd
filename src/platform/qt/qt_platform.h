// The Qt 6 Widgets backend of the platform port: the desktop program on Linux.
#pragma once

#include <memory>

#include "platform/driver.h"

namespace trailcfg {

// Creates the process's QApplication if there is none yet, on the offscreen
// platform when there is no display (or when QT_QPA_PLATFORM names one).
// Without a driver, pages are real windows waiting for a person; with one,
// they are shown and acted on through DialogProbe.
std::unique_ptr<DrivablePlatform> MakeQtPlatform();

}  // namespace trailcfg
