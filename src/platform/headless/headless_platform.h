// The headless backend: pages live in memory and a Driver plays the user.
// It is the reference for the port's event semantics (see
// platform/state_page.h for the choices it makes where a toolkit would have
// its own habits).
#pragma once

#include <memory>

#include "platform/driver.h"

namespace trailcfg {

// Without a driver nobody can act on a page, so RunModal returns
// kPageAbandoned at once (after checking that the template exists).
std::unique_ptr<DrivablePlatform> MakeHeadlessPlatform();

}  // namespace trailcfg
