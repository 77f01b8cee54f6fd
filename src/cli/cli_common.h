// What the commands share: the two kinds of camera file, reading a file's
// plain image, the interface languages, and the exit statuses.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>
#include "output.h"

#include "common/field_table.h"
#include "common/utf8.h"
#include "file_path.h"

namespace trailcfg::cli {

enum ExitStatus { kExitOk = 0, kExitRefused = 1, kExitBadInput = 2 };

enum class FileKind { Cfg, Menu };

// The index into the program's text pairs: 0 Simplified Chinese, 1 English.
inline constexpr int kLangZh = 0;
inline constexpr int kLangEn = 1;

const FieldTable& FieldsOf(FileKind kind);
const char* FileNameOf(FileKind kind);  // "CFG.BIN", "menu.dat"
std::size_t RecordSizeOf(FileKind kind);

// The kind that a file of this size holds, if any.
std::optional<FileKind> KindBySize(std::uintmax_t size);

// A file's unscrambled bytes, exactly as stored. On failure `error` says why.
bool ReadPlainImage(const FilePath& file, FileKind& kind, std::vector<std::uint8_t>& plain, std::string& error);

// Says `message` as the tool's refusal of its input and gives the status
// that goes with it.
int Fail(Output& err, const std::string& message);

// A whole input file ("-" is standard input), refused beyond `maxBytes` so
// that a wrong argument cannot fill the memory.
bool ReadInputText(const std::string& name, std::size_t maxBytes, std::string& text, std::string& error);

// A path as the user wrote it, for messages; and a path from UTF-8 text.
std::string Shown(const FilePath& path);
FilePath PathFromUtf8(std::string_view utf8);

// The program's texts are GBK; everything this tool prints is UTF-8.
std::string Utf8Of(const char* gbk);

// A message box text on a terminal: its "\r\n" and lone "\r" line breaks as
// "\n" (a lone "\r" would let the second line overwrite the first), or as
// `joint` to keep it on one line.
std::string TerminalLines(std::string_view text, std::string_view joint = "\n");

}  // namespace trailcfg::cli
