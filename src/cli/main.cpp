// trailcfg-cli: the camera files from the command line.
#include <cstdio>

#include "commands.h"
#include "common/diag.h"

#ifdef _WIN32
#include <io.h>
#include <windows.h>
// After windows.h, which it builds on.
#include <shellapi.h>

#include <string>
#include <vector>
#define TRAILCFG_ISATTY _isatty
#define TRAILCFG_FILENO _fileno
#else
#include <unistd.h>
#define TRAILCFG_ISATTY isatty
#define TRAILCFG_FILENO fileno
#endif

#ifdef _WIN32
namespace {

// main's argv is in the ANSI code page, which cannot hold every character of
// a path or a text (a Chinese folder on an English Windows); the commands take
// UTF-8, so the arguments come from the wide command line instead.
std::vector<std::string> Utf8Arguments() {
    std::vector<std::string> args;
    int n = 0;
    LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &n);
    if (!wide) return args;
    for (int i = 0; i < n; ++i) {
        int bytes = WideCharToMultiByte(CP_UTF8, 0, wide[i], -1, nullptr, 0, nullptr, nullptr);
        std::string arg(bytes > 0 ? static_cast<std::size_t>(bytes) : 1u, '\0');
        if (bytes > 0) WideCharToMultiByte(CP_UTF8, 0, wide[i], -1, arg.data(), bytes, nullptr, nullptr);
        arg.resize(std::char_traits<char>::length(arg.c_str()));
        args.push_back(std::move(arg));
    }
    LocalFree(wide);
    return args;
}

}  // namespace
#endif

int main(int argc, char** argv) {
    using namespace trailcfg;
    // The readers' and writers' diagnostic lines are for the desktop
    // program's console; here the commands report for themselves.
    SetDiagSink(DiscardDiag, nullptr);
    const bool progress = TRAILCFG_ISATTY(TRAILCFG_FILENO(stderr)) != 0;
    cli::FileOutput out(stdout), err(stderr);
#ifdef _WIN32
    // Everything the commands print is UTF-8.
    SetConsoleOutputCP(CP_UTF8);
    std::vector<std::string> args = Utf8Arguments();
    if (!args.empty()) {
        std::vector<const char*> utf8Argv;
        for (const std::string& a : args) utf8Argv.push_back(a.c_str());
        return cli::RunCli(static_cast<int>(utf8Argv.size()), utf8Argv.data(), out, err, progress);
    }
#endif
    return cli::RunCli(argc, argv, out, err, progress);
}
