// The command line's grammar as tables: one row per option of a command, one
// row per command. Parse turns the arguments into the values the rows name,
// or into the text to print instead (help, the version, a usage error).
//
// The rules are those the tool has always had, kept to the byte so that
// scripts and their expectations keep working: "--opt=value" and
// "--opt value", "-h" anywhere, "--" before positionals, flags that take
// "=true"/"=no"/"=0", "[a,b]" as two values of a list, and the same order in
// which errors are found.
#pragma once

#include <span>
#include <string>
#include <vector>

namespace trailcfg::cli {

// Everything any command takes; a command fills only its own members.
struct Given {
    std::string kind, file, other, json, dir = ".", base, out, lang = "en", country;
    bool force = false, pretty = false, noCmd22 = false, keepTime = false, stamp = false, asJson = false;
    std::vector<std::string> list;
};

enum class ArgKind { Help, Version, Flag, Text, Positional, List };

struct OptionRow {
    const char* name;  // "--dir"; a positional's bare name
    const char* help;
    ArgKind kind;
    std::string Given::*text = nullptr;
    bool Given::*flag = nullptr;
    std::vector<std::string> Given::*list = nullptr;
    bool required = false;
    const char* choices = nullptr;       // "en,zh": the only values allowed
    const char* shownDefault = nullptr;  // shown in the help as "=en"
};

struct CommandRow {
    const char* name;  // nullptr for the program itself
    const char* help;
    std::span<const OptionRow> options;
};

struct Grammar {
    CommandRow program;  // its options: --help and --version
    std::span<const CommandRow> commands;
    const char* footer;
    const char* version;  // the line --version prints
};

struct ParsedLine {
    enum Outcome { Run, Help, Version, Error } outcome = Error;
    int command = -1;  // index into Grammar::commands when Run
    std::string text;  // Help and Version: for standard output; Error: for standard error
    Given given;
};

ParsedLine Parse(const Grammar& grammar, int argc, const char* const* argv);

}  // namespace trailcfg::cli
