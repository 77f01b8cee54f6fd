// Files on the card. The program names folders and files with its own GBK
// texts; the file system wants UTF-8 bytes (POSIX) or UTF-16 (Windows), so the
// conversion happens here and nowhere else.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>

namespace trailcfg {

std::filesystem::path PathFromGbk(std::string_view gbk);
std::string GbkFromPath(const std::filesystem::path& path);

// The separator the save folder and a file name are joined with.
#ifdef _WIN32
inline constexpr char kPathSeparator = '\\';
#else
inline constexpr char kPathSeparator = '/';
#endif

// "<folder><separator><name>", the folder text taken as it is: a folder that
// already ends in a separator gives a doubled one, which file systems accept.
std::string JoinSavePath(const char* folder, const char* name);

std::FILE* OpenBinaryFile(const std::filesystem::path& path, const char* mode);

// Size in bytes of the file at a path; 0 when it cannot be opened or is no
// regular file.
std::int32_t FileSizeOf(const std::filesystem::path& path);

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
bool ReplaceFileContents(const std::filesystem::path& target, const void* data, std::size_t n);

}  // namespace trailcfg
