// Writing a record with the program's own writers (the safe replacement: the
// old file stays whole until the new one is complete) and confirming it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>
#include "file_path.h"

#include "cli_common.h"
#include "common/card_lock.h"

namespace trailcfg::cli {

// Writes `plain` as `file` and confirms it as Generate and the Camera Setup
// page do (WriteCfgFileVerified, WriteMenuFileVerified), under the card's
// `lock`, which the caller took before it read what it changes; `error`
// says which step failed.
bool WriteVerified(const CardLock& lock, const FilePath& file, FileKind kind, const std::vector<std::uint8_t>& plain,
                   std::string& error);

// The card is locked for the writes to `file`; false, with the message,
// when another writer kept it.
bool CardFree(const CardLock& lock, const FilePath& file, int language, std::string& error);

}  // namespace trailcfg::cli
