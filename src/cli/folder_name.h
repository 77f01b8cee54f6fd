// The folder names `batch` takes from the cameras' table. A name is one
// folder inside the output folder, never a way out of it, and one that both
// Windows and POSIX file systems can hold.
#pragma once

#include <string>
#include <string_view>

namespace trailcfg::cli {

// False with the reason in `error` for an empty name, ".", "..", a path
// separator, a character Windows does not allow in names (control
// characters, < > : " | ? *), a trailing blank or dot, a device name such
// as "CON", bytes that are not UTF-8, or more than 255 bytes.
bool CheckFolderName(std::string_view name, std::string& error);

}  // namespace trailcfg::cli
