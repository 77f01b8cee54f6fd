// From a base record and the values a user gave to the record that is
// written: loaded as the desktop program loads a file, the values applied,
// the fields the pages keep in step brought in step, stamped as Generate
// stamps, and for CFG.BIN checked as Generate checks.
#pragma once

#include <cstdint>
#include <string>
#include <vector>
#include "file_path.h"

#include "field_values.h"
#include "send/generate_checks.h"

namespace trailcfg::cli {

struct StampTime {
    int year, month, day, hour, minute, second;
};

// This computer's local time.
StampTime LocalNow();

struct BuildOptions {
    bool stamp = true;     // the time stamp (CFG.BIN) or Auto clock (menu.dat) from `now`
    bool noCmd22 = false;  // the send page's "Do not use 22,60,61 command"
    StampTime now{};
};

struct BuildResult {
    std::vector<std::uint8_t> plain;  // the record; CFG.BIN's flag bit not yet set
    std::vector<std::string> notes;   // given values the program's rules changed
    CheckResult refusal;              // Generate's first refusal (CFG.BIN only)
};

// The default record of either kind.
std::vector<std::uint8_t> DefaultRecord(FileKind kind);

// Reads `file` as the desktop program loads it (a CFG.BIN through the
// program's reader, with its normalisation, and with each recipient taken
// only when its length is stored, as the send page shows it). What the
// loading changed is told in `notes`. False when the file is no camera file
// of `kind`.
bool LoadBase(const FilePath& file, FileKind kind, std::vector<std::uint8_t>& plain, std::vector<std::string>& notes,
              std::string& error);

// False with `error` for values that cannot make a file (an operator the
// country does not list, a provisioning text the database decides, a typed
// clock that is no date); a refusal of Generate's checks is a result.
bool BuildRecord(FileKind kind, const std::vector<std::uint8_t>& base, const FieldValues& given,
                 const BuildOptions& options, BuildResult& out, std::string& error);

}  // namespace trailcfg::cli
