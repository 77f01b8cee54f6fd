// Files and folders as the command line names them: the file system's own
// name and the UTF-8 text that messages show, kept together.
//
// Not std::filesystem::path: in a static Windows build a path object brings
// in the C++ library's locale machinery (its narrow conversions go through
// std::codecvt), about half of this tool. Joining and taking apart follow
// std::filesystem's rules, so what the messages show stays the same.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "common/file_io.h"

namespace trailcfg::cli {

class FilePath {
public:
    FilePath() = default;
    static FilePath FromUtf8(std::string_view utf8);

    // A std::filesystem::path, as the tests hold their files. Only code that
    // has one instantiates this.
    template <class Path>
    requires requires(const Path& p) {
        p.u8string();
        p.has_root_path();
    }
    FilePath(const Path& path) {
        const auto u8 = path.u8string();
        *this = FromUtf8(std::string_view(reinterpret_cast<const char*>(u8.data()), u8.size()));
    }

    const NativePath& native() const { return native_; }
    const std::string& shown() const { return shown_; }
    bool empty() const { return shown_.empty(); }

    // The file `name` (one name, no folder) in this folder, with a separator
    // between them unless this ends in one (or is empty, or a bare drive).
    FilePath operator/(std::string_view name) const;
    FilePath operator/(const FilePath& name) const { return *this / std::string_view(name.shown_); }

    // "cards" of "x/cards", nothing of "x/cards/" or "/".
    bool HasFileName() const;
    // "x" of "x/cards", "x/cards" of "x/cards/", "/" of "/x", "" of "cards".
    FilePath Parent() const;

private:
    NativePath native_;
    std::string shown_;
};

// The path in the program's GBK, for the readers' and writers' diagnostics.
std::string GbkOf(const FilePath& path);

// What is at a path, following links.
bool IsFolder(const FilePath& path);
bool IsRegularFile(const FilePath& path);
// Anything by that name, a link that leads nowhere included.
bool Exists(const FilePath& path);
// The size of a regular file; false with the system's reason.
bool FileSize(const FilePath& path, std::uintmax_t& size, std::string& why);
// True when this call made the folder. `why` is the system's reason when the
// folder is not there afterwards, "" when something else is.
bool MakeFolder(const FilePath& path, std::string& why);

}  // namespace trailcfg::cli
