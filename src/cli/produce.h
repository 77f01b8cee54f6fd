// What `import`, `set` and `batch` do with one record: build it, check it,
// and say why it cannot be written.
#pragma once

#include <string>
#include <vector>
#include "output.h"

#include "commands.h"

namespace trailcfg::cli {

struct Produced {
    int status = kExitOk;  // kExitRefused: Generate's check; kExitBadInput: the values
    std::string message;   // why not, on one line per `joint`
    BuildResult result;
};

Produced Produce(FileKind kind, const std::vector<std::uint8_t>& base, const FieldValues& given,
                 const WriteOptions& options, std::string_view joint = "\n");

// Generate's message in the language, line breaks made for a terminal, and
// after it the fields it is about: "... remote phone number. (szRemotePhoneNum)".
std::string RefusalText(GenerateMessage message, int language, std::string_view joint = "\n");

void PrintNotes(Output& err, const std::vector<std::string>& notes, const std::string& prefix = {});

}  // namespace trailcfg::cli
