// Writing a record with the program's own writers (the safe replacement: the
// old file stays whole until the new one is complete) and confirming it.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "cli_common.h"

namespace trailcfg::cli {

// Writes `plain` as `file` and confirms it as Generate and the Camera Setup
// page do (WriteCfgFileVerified, WriteMenuFileVerified); `error` says which
// step failed.
bool WriteVerified(const std::filesystem::path& file, FileKind kind, const std::vector<std::uint8_t>& plain,
                   std::string& error);

}  // namespace trailcfg::cli
