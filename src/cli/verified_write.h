// Writing a record with the program's own writers (the safe replacement: the
// old file stays whole until the new one is complete) and confirming it.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "cli_common.h"

namespace trailcfg::cli {

// Writes `plain` as `file` and reads it back: true only when the file holds
// exactly the bytes meant (CFG.BIN with the program's flag set) and the
// program's reader accepts it as Generate's read-back does.
bool WriteVerified(const std::filesystem::path& file, FileKind kind, const std::vector<std::uint8_t>& plain,
                   std::string& error);

}  // namespace trailcfg::cli
