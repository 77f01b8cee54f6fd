// The backends a scenario can run on, by name.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "platform/driver.h"

namespace trailcfg::scenario {

// nullptr with `error` set when the name is unknown or the backend is not
// part of this build.
std::unique_ptr<DrivablePlatform> MakeBackend(std::string_view name, std::string& error);

}  // namespace trailcfg::scenario
