// Every way the program writes a card file, run in-process on a folder: the
// pages' Generate and Default (through the same functions the pages call)
// and trailcfg-cli's `new`, `set`, `import` and `batch`. The card tests run
// each of them under a file seam: a worn card, or a recording of every step.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace trailcfg::test {

// A folder's files by name, each with its bytes as stored.
using Files = std::map<std::string, std::vector<std::uint8_t>>;

Files FilesIn(const std::filesystem::path& folder);

struct CardWritePath {
    std::string name;                 // "Generate CFG.BIN", "set menu.dat", ...
    std::vector<std::string> writes;  // the files it replaces
    bool needsOldFile;                // `set` changes a file that must be there
    // Runs the write in `card`; true when it reported success. `scratch`
    // is a folder off the card for the command's inputs.
    std::function<bool(const std::filesystem::path& card, const std::filesystem::path& scratch)> run;
    bool makesFolder = false;  // `batch` makes the card's folder when it is missing
};

const std::vector<CardWritePath>& CardWritePaths();

// An earlier configuration of both files, different from every path's new one.
Files OldCardFiles();

// The card's reader of a settings file as the desktop program's first page
// opening reads it and as `trailcfg-cli check` reads it: the file's
// unscrambled bytes when both accept it, nothing when neither does, and
// "disagree" when only one does.
enum class ReadAs { Read, Unreadable, Disagree };
ReadAs ReadLikeTheProgram(const std::filesystem::path& file, std::vector<std::uint8_t>& plain);

}  // namespace trailcfg::test
