#include "file_io.h"

#include <climits>
#include <cstring>
#include <string>
#include <system_error>

#include "gbk_codec.h"

#ifdef _WIN32
#include <io.h>
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#endif

namespace trailcfg {

std::filesystem::path PathFromGbk(std::string_view gbk) {
#ifdef _WIN32
    return std::filesystem::path(GbkToWide(gbk));
#else
    return std::filesystem::path(GbkToUtf8(gbk));
#endif
}

std::string GbkFromPath(const std::filesystem::path& path) {
#ifdef _WIN32
    return WideToGbk(path.native());
#else
    return Utf8ToGbk(path.native());
#endif
}

std::string JoinSavePath(const char* folder, const char* name) {
    std::string path(folder);
    path += kPathSeparator;
    path += name;
    return path;
}

std::FILE* OpenBinaryFile(const std::filesystem::path& path, const char* mode) {
#ifdef _WIN32
    std::wstring wmode(mode, mode + std::strlen(mode));
    return _wfopen(path.c_str(), wmode.c_str());
#else
    return std::fopen(path.c_str(), mode);
#endif
}

std::int32_t GetFileSize(const char* path) { return FileSizeOf(PathFromGbk(path)); }

std::int32_t FileSizeOf(const std::filesystem::path& path) {
    // A pipe in the file's place would block the open for good, and a folder
    // or device has no size worth reading.
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) return 0;
    std::FILE* f = OpenBinaryFile(path, "rb");
    if (!f) return 0;
    std::int64_t size = 0;
#ifdef _WIN32
    if (_fseeki64(f, 0, SEEK_END) == 0) size = _ftelli64(f);
#else
    if (fseeko(f, 0, SEEK_END) == 0) size = ftello(f);
#endif
    std::fclose(f);
    if (size < 0) return 0;
    return size > INT32_MAX ? INT32_MAX : static_cast<std::int32_t>(size);
}

bool ReadExactly(std::FILE* f, void* buf, std::size_t n) {
    if (std::fread(buf, 1, n, f) != n) return false;
    return std::fgetc(f) == EOF && !std::ferror(f);
}

#ifndef _WIN32

namespace {

bool WriteAll(int fd, const unsigned char* p, std::size_t n) {
    while (n > 0) {
        ssize_t w = ::write(fd, p, n);
        if (w < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        if (w == 0) return false;
        p += w;
        n -= static_cast<std::size_t>(w);
    }
    return true;
}

// The mode a plain fopen(..., "wb") would give: the old file's when it is
// replaced, otherwise 0666 less the umask.
mode_t ModeForReplacement(const std::filesystem::path& target) {
    struct stat st;
    if (::stat(target.c_str(), &st) == 0 && S_ISREG(st.st_mode)) return st.st_mode & 07777;
    mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

}  // namespace

bool ReplaceFileContents(const std::filesystem::path& target, const void* data, std::size_t n) {
    // The rename would replace a read-only file all the same; honour what the
    // user (or the card) said about it.
    if (::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0 && errno != ENOENT) return false;
    std::filesystem::path folder = target.parent_path();
    std::string tmpl = (folder.empty() ? std::string(".") : folder.native()) + "/." +
                       target.filename().native() + ".XXXXXX";
    int fd = ::mkstemp(tmpl.data());
    if (fd < 0) return false;
    bool ok = ::fchmod(fd, ModeForReplacement(target)) == 0 &&
              WriteAll(fd, static_cast<const unsigned char*>(data), n) && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    if (ok) ok = ::rename(tmpl.c_str(), target.c_str()) == 0;
    if (!ok) {
        ::unlink(tmpl.c_str());
        return false;
    }
    // Make the new name itself durable; a folder that refuses is no failure of ours.
    int dfd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (dfd >= 0) {
        ::fsync(dfd);
        ::close(dfd);
    }
    return true;
}

#else  // _WIN32

bool ReplaceFileContents(const std::filesystem::path& target, const void* data, std::size_t n) {
    // Whether MoveFileExW replaces a read-only file differs between systems
    // (Wine does replace it); honour what the user (or the card) said about
    // it, as opening it for writing would.
    const DWORD attributes = GetFileAttributesW(target.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) return false;
    std::filesystem::path folder = target.parent_path();
    wchar_t tmp[MAX_PATH + 16];
    if (GetTempFileNameW(folder.empty() ? L"." : folder.c_str(), L"tcf", 0, tmp) == 0) return false;
    std::FILE* f = _wfopen(tmp, L"wb");
    bool ok = f != nullptr;
    if (ok) {
        ok = std::fwrite(data, 1, n, f) == n && std::fflush(f) == 0 && _commit(_fileno(f)) == 0;
        ok = (std::fclose(f) == 0) && ok;
    }
    if (ok)
        ok = MoveFileExW(tmp, target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
    if (!ok) DeleteFileW(tmp);
    return ok;
}

#endif

}  // namespace trailcfg
