// The commands of trailcfg-cli. Each returns the process exit status and
// writes its messages to the given streams.
#pragma once

#include <optional>
#include <string>
#include <vector>
#include "output.h"

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
    FilePath dir;
    std::optional<FilePath> base;
    WriteOptions write;
};

struct BatchOptions {
    std::string templateJson;
    std::string camerasCsv;
    FilePath out;
    WriteOptions write;
    bool progress = false;  // a progress line on standard error
};

int CmdNew(FileKind kind, const FilePath& dir, bool force, Output& out, Output& err);
int CmdExport(const FilePath& file, bool pretty, Output& out, Output& err);
int CmdShow(const FilePath& file, int language, Output& out, Output& err);
int CmdImport(const ImportOptions& options, Output& out, Output& err);
int CmdSet(const FilePath& file, const std::vector<std::string>& assignments, const WriteOptions& options, Output& out,
           Output& err);
int CmdCheck(const FilePath& file, bool noCmd22, int language, Output& out, Output& err);
int CmdDiff(const FilePath& a, const FilePath& b, Output& out, Output& err);
int CmdOperators(const std::optional<std::string>& country, bool json, int language, Output& out, Output& err);
int CmdBatch(const BatchOptions& options, Output& out, Output& err);

// The whole command line, as main runs it.
int RunCli(int argc, const char* const* argv, Output& out, Output& err, bool progress = false);

}  // namespace trailcfg::cli
