// The web backend: the pages as HTML controls in the browser, built with
// Emscripten. A page's modal run and a message box wait for the person at
// the screen through ASYNCIFY (emscripten_sleep), so the program's loop is
// the desktop program's own.
#pragma once

#include <functional>
#include <memory>

#include "platform/driver.h"

namespace trailcfg {

std::unique_ptr<DrivablePlatform> MakeWebPlatform();
// With what the program does when the folder it reads and writes, remembered
// from an earlier visit, may not be used: before the page that would have
// read it opens, which then says why.
std::unique_ptr<DrivablePlatform> MakeWebPlatform(std::function<void()> folderRefused);

}  // namespace trailcfg
