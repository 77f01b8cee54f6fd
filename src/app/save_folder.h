// The save folder, g_szSavePath: where CFG.BIN and menu.dat are read and
// written. It changes at the first start and through the folder dialog only.
#pragma once

#include <string_view>

#include "platform/port.h"

namespace trailcfg {

// Makes `folder` the save folder when it fits g_szSavePath with its
// terminator and is not empty; otherwise the folder stays as it was and the
// result is false. Never cuts a path: a shortened path would name another
// folder.
bool StoreSavePath(std::string_view folder);

// The first start: the process's current directory becomes the save folder
// and "CurDir:<folder>" is printed. A directory that cannot be read, or does
// not fit, leaves the folder unchanged and prints nothing.
void InitSavePath(Platform& platform);

}  // namespace trailcfg
