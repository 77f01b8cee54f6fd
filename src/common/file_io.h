// Files on the card. The program names folders and files with its own GBK
// texts; the file system wants UTF-8 bytes (POSIX) or UTF-16 (Windows), so the
// conversion happens here and nowhere else.
//
// The files are named by NativePath, the file system's own string, rather
// than std::filesystem::path: in a static Windows build any path object
// brings in the C++ library's whole locale and stream machinery (its narrow
// conversions go through std::codecvt), which would be about half the
// desktop program. A path converts to a NativePath on its own.
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace trailcfg {

// std::wstring on Windows, std::string (UTF-8 bytes) elsewhere.
using NativePath = std::filesystem::path::string_type;

NativePath NativePathFromGbk(std::string_view gbk);

// The same as a path, for the code that works with paths (path_text.cpp).
std::filesystem::path PathFromGbk(std::string_view gbk);
std::string GbkFromPath(const std::filesystem::path& path);
// The process's current directory. False, leaving `folder` alone, when it
// cannot be read or GBK cannot spell its name: that name would come out with
// "?" in it and name another folder, or none.
bool CurrentDirectoryAsGbk(std::string& folder);

// The separator the save folder and a file name are joined with.
#ifdef _WIN32
inline constexpr char kPathSeparator = '\\';
#else
inline constexpr char kPathSeparator = '/';
#endif

// "<folder><separator><name>", the folder text taken as it is: a folder that
// already ends in a separator gives a doubled one, which file systems accept.
std::string JoinSavePath(const char* folder, const char* name);

// The folder a file is in, as the file system takes it: "." for a bare
// name, the root itself for a file in the root ("/", "C:\").
NativePath FolderOfFile(const NativePath& file);

std::FILE* OpenBinaryFile(const NativePath& path, const char* mode);

// Size in bytes of the file at a path; 0 when it cannot be opened or is no
// regular file.
std::int32_t FileSizeOf(const NativePath& path);

// Reads exactly `n` bytes from `f` and checks that the file ends there. A file
// that was cut short or grew since it was sized is not the file that was sized.
bool ReadExactly(std::FILE* f, void* buf, std::size_t n);

// Size in bytes of the file at a GBK path, as FileSizeOf. A size
// beyond the 32-bit range reads as INT32_MAX, which no record size matches.
std::int32_t GetFileSize(const char* path);

// Replaces the file at `target` with `n` bytes in one step: the bytes go to a
// new file in the same folder, are flushed to the device, and that file then
// takes the target's name. On failure the previous file is untouched and no
// new file is left behind. A target this process may not write (a read-only
// file) is refused, as opening it for writing would be.
//
// A write that was killed before its last step leaves its temporary file;
// each successful write then removes the stale ones (RemoveStaleTemporaries),
// so a card does not collect them.
bool ReplaceFileContents(const NativePath& target, const void* data, std::size_t n);

// The names in a folder change on the card as a file is replaced: each of
// these has its change on the medium (the folder holding the name flushed)
// before it returns, so a power cut after it cannot take the change back.
//
// Makes the folder in its parent, which must exist; `made` says whether this
// call made it. True when it is a folder afterwards.
bool MakeFolder(const NativePath& folder, bool& made);
// Removes a file, or a folder that is empty. True when it is gone.
bool RemoveFile(const NativePath& file);
bool RemoveEmptyFolder(const NativePath& folder);

// Older than this, a temporary file of the writer belongs to no write that
// is still running: a write takes well under a second.
inline constexpr std::chrono::seconds kStaleTemporaryAge = std::chrono::minutes(10);

// The names the writer gives its temporary files, exactly: on POSIX
// ".<target name>.XXXXXX" (mkstemp's six letters and digits), on Windows
// "tcfXXXX.tmp" (GetTempFileNameW's one to four hexadecimal digits; the case
// of the letters is the system's).
bool IsPosixTemporaryName(std::string_view name, std::string_view targetName);
bool IsWindowsTemporaryName(std::wstring_view name);

// Removes this platform's temporary files of `target` in its folder that were
// last written more than `age` ago; nothing else, and no folder, link or
// younger file. Returns how many it removed.
int RemoveStaleTemporaries(const NativePath& target, std::chrono::seconds age = kStaleTemporaryAge);

// The file's bytes as the card holds them, read past the system's cache
// (its cached pages dropped first on POSIX, an unbuffered read on Windows),
// so that a card that took a write but kept its old bytes is caught. At most
// `maxBytes`; false when the file cannot be read or is larger.
bool ReadFromCard(const NativePath& file, std::vector<std::uint8_t>& bytes, std::size_t maxBytes);

}  // namespace trailcfg
