// What the commands share: the two kinds of camera file, reading a file's
// plain image, and the exit statuses.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "common/field_table.h"

namespace trailcfg::cli {

enum ExitStatus { kExitOk = 0, kExitRefused = 1, kExitBadInput = 2 };

enum class FileKind { Cfg, Menu };

const FieldTable& FieldsOf(FileKind kind);
const char* FileNameOf(FileKind kind);  // "CFG.BIN", "menu.dat"

// The kind that a file of this size holds, if any.
std::optional<FileKind> KindBySize(std::uintmax_t size);

// A file's unscrambled bytes, exactly as stored. On failure `error` says why.
bool ReadPlainImage(const std::filesystem::path& file, FileKind& kind, std::vector<std::uint8_t>& plain,
                    std::string& error);

// A path as the user wrote it, for messages.
std::string Shown(const std::filesystem::path& path);

}  // namespace trailcfg::cli
