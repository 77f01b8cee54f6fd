// Running trailcfg-cli's command line inside a test: the exit status and
// what it printed, with the program's diagnostic lines kept aside.
#pragma once

#include <filesystem>
#include <initializer_list>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "test_support.h"

namespace trailcfg::cli::test {

struct CliRun {
    int status;
    std::string out, err;
};

inline CliRun Cli(std::vector<std::string> args) {
    args.insert(args.begin(), "trailcfg-cli");
    std::vector<const char*> argv;
    for (const std::string& a : args) argv.push_back(a.c_str());
    StringOutput out, err;
    trailcfg::test::DiagCapture quiet;
    const int status = RunCli(static_cast<int>(argv.size()), argv.data(), out, err);
    return {status, out.str(), err.str()};
}

inline std::string P(const std::filesystem::path& path) { return path.string(); }

inline void WriteText(const std::filesystem::path& file, const std::string& text) {
    trailcfg::test::WriteBytes(file, std::vector<std::uint8_t>(text.begin(), text.end()));
}

}  // namespace trailcfg::cli::test

namespace trailcfg::cli {

// What every test of the command line uses by its short name.
using test::Cli;
using test::CliRun;
using test::P;
using trailcfg::test::TempDir;

}  // namespace trailcfg::cli
