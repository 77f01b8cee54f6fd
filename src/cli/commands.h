// The commands of trailcfg-cli. Each returns the process exit status and
// writes its messages to the given streams.
#pragma once

#include <filesystem>
#include <iosfwd>

#include "cli_common.h"

namespace trailcfg::cli {

int CmdNew(FileKind kind, const std::filesystem::path& dir, std::ostream& out, std::ostream& err);
int CmdExport(const std::filesystem::path& file, bool pretty, std::ostream& out, std::ostream& err);

}  // namespace trailcfg::cli
