// The commands of trailcfg-cli. Each returns the process exit status and
// writes its messages to the given streams.
#pragma once

#include <filesystem>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "cli_common.h"
#include "record_build.h"

namespace trailcfg::cli {

// What `import`, `set` and `batch` share.
struct WriteOptions {
    bool noCmd22 = false;  // the send page's "Do not use 22,60,61 command"
    bool stamp = true;     // time stamp / Auto clock from `now`
    int language = kLangEn;
    StampTime now{};
};

struct ImportOptions {
    std::string json;  // a file, or "-" for standard input
    std::filesystem::path dir;
    std::optional<std::filesystem::path> base;
    WriteOptions write;
};

struct BatchOptions {
    std::string templateJson;
    std::string camerasCsv;
    std::filesystem::path out;
    WriteOptions write;
    bool progress = false;  // a progress line on standard error
};

int CmdNew(FileKind kind, const std::filesystem::path& dir, bool force, std::ostream& out, std::ostream& err);
int CmdExport(const std::filesystem::path& file, bool pretty, std::ostream& out, std::ostream& err);
int CmdShow(const std::filesystem::path& file, int language, std::ostream& out, std::ostream& err);
int CmdImport(const ImportOptions& options, std::ostream& out, std::ostream& err);
int CmdSet(const std::filesystem::path& file, const std::vector<std::string>& assignments, const WriteOptions& options,
           std::ostream& out, std::ostream& err);
int CmdCheck(const std::filesystem::path& file, bool noCmd22, int language, std::ostream& out, std::ostream& err);
int CmdDiff(const std::filesystem::path& a, const std::filesystem::path& b, std::ostream& out, std::ostream& err);
int CmdOperators(const std::optional<std::string>& country, bool json, int language, std::ostream& out,
                 std::ostream& err);
int CmdBatch(const BatchOptions& options, std::ostream& out, std::ostream& err);

// The whole command line, as main runs it.
int RunCli(int argc, const char* const* argv, std::ostream& out, std::ostream& err, bool progress = false);

}  // namespace trailcfg::cli
