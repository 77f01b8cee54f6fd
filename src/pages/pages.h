// The four pages. Each factory makes the page object for one modal run; the
// page keeps nothing in it that must outlive the run (that is process state).
#pragma once

#include <memory>

#include "platform/port.h"

namespace trailcfg {

std::unique_ptr<Page> MakeStartPage(Platform& platform);        // template 111
std::unique_ptr<Page> MakeCameraSetupPage(Platform& platform);  // template 113
std::unique_ptr<Page> MakeParameterPage(Platform& platform);    // template 107
std::unique_ptr<Page> MakeSendPage(Platform& platform);         // template 106

}  // namespace trailcfg
