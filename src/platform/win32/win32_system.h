// The system's answers to the pages' questions, from kernel32 and the
// shell: language, current directory, local time, a folder the user picks.
#pragma once

#include <cstdint>
#include <string>

#include "platform/port.h"

namespace trailcfg::win32 {

std::uint16_t SystemDefaultLanguageId();
// The process's current directory as GBK; false when it cannot be read or
// GBK cannot spell it.
bool CurrentDirectoryGbk(std::string& folder);
LocalTime LocalNow();

// The shell's folder dialog (file-system folders only, no title, rooted at
// the desktop, owned by the foreground window). False when cancelled, and
// when the chosen folder's path does not fit the shell's buffer or GBK cannot
// spell it: the files would go somewhere the user never chose.
bool ChooseFolder(std::string& folder);

}  // namespace trailcfg::win32
