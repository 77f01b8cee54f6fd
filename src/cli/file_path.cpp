#include "file_path.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <system_error>

#include "common/gbk_codec.h"
#include "common/utf8.h"

#ifdef _WIN32
#include <direct.h>
#else
#include <unistd.h>
#endif

namespace trailcfg::cli {

namespace {

#ifdef _WIN32
using StatBuffer = struct _stat64;
int StatOf(const NativePath& p, StatBuffer& st) { return _wstat64(p.c_str(), &st); }
int LinkStatOf(const NativePath& p, StatBuffer& st) { return _wstat64(p.c_str(), &st); }
bool IsSeparator(char c) { return c == '/' || c == '\\'; }
constexpr char kSeparator = '\\';

// "C:" of "C:\x": the drive before the root folder. (The C++ library's
// paths on MinGW take "\\server" for a root folder and a name; so does this.)
std::size_t RootNameLength(std::string_view p) { return p.size() >= 2 && p[1] == ':' ? 2 : 0; }

NativePath NativeOf(std::string_view utf8) {
    NativePath wide;
    for (std::size_t i = 0; i < utf8.size();) {
        char32_t cp;
        if (!NextCodePoint(utf8, i, cp)) {
            cp = 0xFFFD;  // no name holds broken UTF-8; the system refuses the replacement instead
            ++i;
        }
        if (cp >= 0x10000) {
            wide += static_cast<wchar_t>(0xD800 + ((cp - 0x10000) >> 10));
            wide += static_cast<wchar_t>(0xDC00 + ((cp - 0x10000) & 0x3FF));
        } else {
            wide += static_cast<wchar_t>(cp);
        }
    }
    return wide;
}
#else
using StatBuffer = struct stat;
int StatOf(const NativePath& p, StatBuffer& st) { return ::stat(p.c_str(), &st); }
int LinkStatOf(const NativePath& p, StatBuffer& st) { return ::lstat(p.c_str(), &st); }
bool IsSeparator(char c) { return c == '/'; }
constexpr char kSeparator = '/';
std::size_t RootNameLength(std::string_view) { return 0; }
NativePath NativeOf(std::string_view utf8) { return NativePath(utf8); }
#endif

// Where the path's relative part starts: after its root name and the
// separators of its root folder.
std::size_t RootEnd(std::string_view p) {
    std::size_t end = RootNameLength(p);
    while (end < p.size() && IsSeparator(p[end])) ++end;
    return end;
}

std::string SystemReason(int error) { return std::generic_category().message(error); }

}  // namespace

FilePath FilePath::FromUtf8(std::string_view utf8) {
    FilePath path;
    path.shown_ = std::string(utf8);
    path.native_ = NativeOf(utf8);
    return path;
}

FilePath FilePath::operator/(std::string_view name) const {
    std::string joined = shown_;
    if (HasFileName()) joined += kSeparator;
    return FromUtf8(joined + std::string(name));
}

bool FilePath::HasFileName() const {
    return !shown_.empty() && !IsSeparator(shown_.back()) && RootNameLength(shown_) < shown_.size();
}

FilePath FilePath::Parent() const {
    const std::string_view p = shown_;
    const std::size_t rootName = RootNameLength(p);
    const std::size_t rootEnd = RootEnd(p);
    if (rootEnd == p.size()) return *this;  // a root, or nothing: its own parent
    // The last name ends the path, or a separator does (an empty last name).
    std::size_t end = p.size();
    if (!IsSeparator(p.back())) {
        while (end > rootEnd && !IsSeparator(p[end - 1])) --end;
    }
    while (end > rootEnd && IsSeparator(p[end - 1])) --end;
    if (end > rootEnd) return FromUtf8(p.substr(0, end));
    // Only the root is left: its name and one separator of its folder.
    if (rootEnd > rootName) return FromUtf8(p.substr(0, rootName + 1));
    return FromUtf8(p.substr(0, rootName));
}

std::string GbkOf(const FilePath& path) {
#ifdef _WIN32
    return WideToGbk(path.native());
#else
    return Utf8ToGbk(path.native());
#endif
}

bool IsFolder(const FilePath& path) {
    StatBuffer st;
    return StatOf(path.native(), st) == 0 && (st.st_mode & S_IFMT) == S_IFDIR;
}

bool IsRegularFile(const FilePath& path) {
    StatBuffer st;
    return StatOf(path.native(), st) == 0 && (st.st_mode & S_IFMT) == S_IFREG;
}

bool Exists(const FilePath& path) {
    StatBuffer st;
    return LinkStatOf(path.native(), st) == 0;
}

bool FileSize(const FilePath& path, std::uintmax_t& size, std::string& why) {
    StatBuffer st;
    if (StatOf(path.native(), st) != 0) {
        why = SystemReason(errno);
        return false;
    }
    if ((st.st_mode & S_IFMT) != S_IFREG) {
        why = SystemReason((st.st_mode & S_IFMT) == S_IFDIR ? EISDIR : ENOTSUP);
        return false;
    }
    size = static_cast<std::uintmax_t>(st.st_size);
    return true;
}

bool MakeFolder(const FilePath& path, std::string& why) {
    // The card's own MakeFolder: the new name is on the medium before a row
    // that writes into it can say it was written.
    bool made = false;
    trailcfg::MakeFolder(path.native(), made);
    StatBuffer st;
    why.clear();
    if (StatOf(path.native(), st) != 0) why = SystemReason(errno);
    return made;
}

}  // namespace trailcfg::cli
