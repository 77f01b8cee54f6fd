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
// What the program runs at two moments only it knows.
struct WebPlatformHooks {
    // Once the first page is on the screen, before it takes the person's
    // first input (which waits meanwhile): for what the program needs only
    // later and the browser gives slowly.
    std::function<void()> afterFirstPage;
    // When the folder it reads and writes, remembered from an earlier visit,
    // may not be used: before the page that would have read it opens, which
    // then says why.
    std::function<void()> folderRefused;
};
std::unique_ptr<DrivablePlatform> MakeWebPlatform(WebPlatformHooks hooks);

}  // namespace trailcfg
