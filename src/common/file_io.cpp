#include "file_io.h"

#include <climits>
#include <cstring>
#include <string>
#include <vector>

#include "file_seam.h"
#include "gbk_codec.h"

#ifdef _WIN32
#include <io.h>
#include <windows.h>
#else
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <ctime>
#endif

namespace trailcfg {

namespace {

#ifdef _WIN32
bool IsSeparator(wchar_t c) { return c == L'\\' || c == L'/'; }
constexpr wchar_t kCurrentFolder[] = L".";
#else
bool IsSeparator(char c) { return c == '/'; }
constexpr char kCurrentFolder[] = ".";
#endif

// Where the last separator is, or npos.
std::size_t LastSeparator(const NativePath& file) {
    for (std::size_t i = file.size(); i > 0; --i)
        if (IsSeparator(file[i - 1])) return i - 1;
    return NativePath::npos;
}

NativePath FolderOf(const NativePath& file) {
    const std::size_t sep = LastSeparator(file);
#ifdef _WIN32
    if (sep == NativePath::npos && file.size() >= 2 && file[1] == L':') return file.substr(0, 2);  // "C:name"
#endif
    if (sep == NativePath::npos) return kCurrentFolder;
    std::size_t end = sep;
    while (end > 0 && IsSeparator(file[end - 1])) --end;  // a doubled separator
    if (end == 0) return file.substr(0, 1);
#ifdef _WIN32
    if (end == 2 && file[1] == L':') return file.substr(0, 3);
#endif
    return file.substr(0, end);
}

#ifndef _WIN32
// The name without its folder, which the POSIX temporary names carry.
NativePath NameOf(const NativePath& file) {
    const std::size_t sep = LastSeparator(file);
    return sep == NativePath::npos ? file : file.substr(sep + 1);
}
#endif

NativePath InFolder(const NativePath& folder, const NativePath& name) {
    NativePath path = folder;
    if (!path.empty() && !IsSeparator(path.back())) path += static_cast<NativePath::value_type>(kPathSeparator);
    return path + name;
}

// A pipe in the file's place would block the open for good, and a folder or
// device has no size worth reading.
bool IsRegularFile(const NativePath& path) {
#ifdef _WIN32
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE));
#else
    struct stat st;
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
#endif
}

bool IsAsciiLetterOrDigit(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'); }

bool IsHexDigit(wchar_t c) { return (c >= L'0' && c <= L'9') || (c >= L'a' && c <= L'f') || (c >= L'A' && c <= L'F'); }

bool EqualsIgnoringAsciiCase(std::wstring_view a, std::wstring_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        wchar_t x = a[i], y = b[i];
        if (x >= L'A' && x <= L'Z') x = static_cast<wchar_t>(x - L'A' + L'a');
        if (y >= L'A' && y <= L'Z') y = static_cast<wchar_t>(y - L'A' + L'a');
        if (x != y) return false;
    }
    return true;
}

}  // namespace

NativePath NativePathFromGbk(std::string_view gbk) {
#ifdef _WIN32
    return GbkToWide(gbk);
#else
    return GbkToUtf8(gbk);
#endif
}

NativePath FolderOfFile(const NativePath& file) { return FolderOf(file); }

std::string JoinSavePath(const char* folder, const char* name) {
    std::string path(folder);
    path += kPathSeparator;
    path += name;
    return path;
}

std::FILE* OpenBinaryFile(const NativePath& path, const char* mode) {
#ifdef _WIN32
    std::wstring wmode(mode, mode + std::strlen(mode));
    return _wfopen(path.c_str(), wmode.c_str());
#else
    return std::fopen(path.c_str(), mode);
#endif
}

std::int32_t GetFileSize(const char* path) { return FileSizeOf(NativePathFromGbk(path)); }

std::int32_t FileSizeOf(const NativePath& path) {
    if (!IsRegularFile(path)) return 0;
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

bool IsPosixTemporaryName(std::string_view name, std::string_view targetName) {
    constexpr std::size_t kUniqueChars = 6;
    if (targetName.empty() || name.size() != 1 + targetName.size() + 1 + kUniqueChars) return false;
    if (name[0] != '.' || name.substr(1, targetName.size()) != targetName || name[1 + targetName.size()] != '.')
        return false;
    for (char c : name.substr(name.size() - kUniqueChars))
        if (!IsAsciiLetterOrDigit(c)) return false;
    return true;
}

bool IsWindowsTemporaryName(std::wstring_view name) {
    constexpr std::wstring_view kPrefix = L"tcf", kSuffix = L".tmp";
    constexpr std::size_t kMaxDigits = 4;
    if (name.size() <= kPrefix.size() + kSuffix.size() || name.size() > kPrefix.size() + kMaxDigits + kSuffix.size())
        return false;
    if (!EqualsIgnoringAsciiCase(name.substr(0, kPrefix.size()), kPrefix) ||
        !EqualsIgnoringAsciiCase(name.substr(name.size() - kSuffix.size()), kSuffix))
        return false;
    for (wchar_t c : name.substr(kPrefix.size(), name.size() - kPrefix.size() - kSuffix.size()))
        if (!IsHexDigit(c)) return false;
    return true;
}

#ifndef _WIN32

int RemoveStaleTemporaries(const NativePath& target, std::chrono::seconds age) {
    const NativePath folder = FolderOf(target);
    const NativePath targetName = NameOf(target);
    // Names first, removals after: a folder changed while it is read may show
    // an entry twice or not at all.
    std::vector<NativePath> stale;
    DIR* dir = ::opendir(folder.c_str());
    if (!dir) return 0;
    const std::time_t now = std::time(nullptr);
    while (const dirent* entry = ::readdir(dir)) {
        if (!IsPosixTemporaryName(entry->d_name, targetName)) continue;
        const NativePath file = InFolder(folder, entry->d_name);
        struct stat st;
        // Never through a link: what it points to is no temporary file of ours.
        if (::lstat(file.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) continue;
        if (age.count() == 0 || now - st.st_mtime > age.count()) stale.push_back(file);
    }
    ::closedir(dir);
    int removed = 0;
    for (const NativePath& file : stale)
        if (::unlink(file.c_str()) == 0) {
            TellFileSeam({FileStepKind::Remove, file, {}, {}});
            ++removed;
        }
    return removed;
}

namespace {

// Makes the folder's names durable; a folder that refuses is no failure of ours.
void FlushFolder(const NativePath& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    if (::fsync(fd) == 0) TellFileSeam({FileStepKind::FlushFolder, folder, {}, {}});
    ::close(fd);
}

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
mode_t ModeForReplacement(const NativePath& target) {
    struct stat st;
    if (::stat(target.c_str(), &st) == 0 && S_ISREG(st.st_mode)) return st.st_mode & 07777;
    mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

}  // namespace

bool ReplaceFileContents(const NativePath& target, const void* data, std::size_t n) {
    // The rename would replace a read-only file all the same; honour what the
    // user (or the card) said about it.
    if (::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0 && errno != ENOENT) return false;
    const NativePath folder = FolderOf(target);
    std::string tmpl = InFolder(folder, "." + NameOf(target) + ".XXXXXX");
    int fd = ::mkstemp(tmpl.data());
    if (fd < 0) return false;
    TellFileSeam({FileStepKind::Create, tmpl, {}, {}});
    const auto* bytes = static_cast<const unsigned char*>(data);
    bool ok = ::fchmod(fd, ModeForReplacement(target)) == 0 && WriteAll(fd, bytes, n);
    if (ok) TellFileSeam({FileStepKind::Write, tmpl, {}, {bytes, bytes + n}});
    ok = ok && ::fsync(fd) == 0;
    if (ok) TellFileSeam({FileStepKind::FlushFile, tmpl, {}, {}});
    ok = (::close(fd) == 0) && ok;
    if (ok) TellFileSeam({FileStepKind::Close, tmpl, {}, {}});
    if (ok) ok = ::rename(tmpl.c_str(), target.c_str()) == 0;
    if (!ok) {
        if (::unlink(tmpl.c_str()) == 0) TellFileSeam({FileStepKind::Remove, tmpl, {}, {}});
        return false;
    }
    TellFileSeam({FileStepKind::Rename, tmpl, target, {}});
    FlushFolder(folder);
    RemoveStaleTemporaries(target);
    return true;
}

bool MakeFolder(const NativePath& folder, bool& made) {
    made = ::mkdir(folder.c_str(), 0777) == 0;
    if (made) TellFileSeam({FileStepKind::MakeFolder, folder, {}, {}});
    struct stat st;
    if (::stat(folder.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) return false;
    // Also when another writer made it: its name may not be on the card yet.
    FlushFolder(FolderOf(folder));
    return true;
}

bool RemoveFile(const NativePath& file) {
    if (::unlink(file.c_str()) != 0) return false;
    TellFileSeam({FileStepKind::Remove, file, {}, {}});
    FlushFolder(FolderOf(file));
    return true;
}

bool RemoveEmptyFolder(const NativePath& folder) {
    if (::rmdir(folder.c_str()) != 0) return false;
    TellFileSeam({FileStepKind::RemoveFolder, folder, {}, {}});
    FlushFolder(FolderOf(folder));
    return true;
}

bool ReadFromCard(const NativePath& file, std::vector<std::uint8_t>& bytes, std::size_t maxBytes) {
    if (FileSeam* seam = CurrentFileSeam(); seam && seam->ReadMedium(file, bytes)) return bytes.size() <= maxBytes;
    // Never blocks on a pipe put in the file's place.
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return false;
    struct stat st;
    bool ok = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && static_cast<std::uintmax_t>(st.st_size) <= maxBytes;
    if (ok) {
        // The written pages are clean after the flush, so the system drops
        // them and the read that follows goes to the card. O_DIRECT would say
        // the same, but FAT and exFAT drivers and tmpfs refuse it.
        ::posix_fadvise(fd, 0, 0, POSIX_FADV_DONTNEED);
        bytes.assign(static_cast<std::size_t>(st.st_size), 0);
        std::size_t got = 0;
        while (ok && got < bytes.size()) {
            const ssize_t r = ::pread(fd, bytes.data() + got, bytes.size() - got, static_cast<off_t>(got));
            if (r < 0 && errno == EINTR) continue;
            ok = r > 0;
            if (ok) got += static_cast<std::size_t>(r);
        }
    }
    ::close(fd);
    return ok;
}

#else  // _WIN32

int RemoveStaleTemporaries(const NativePath& target, std::chrono::seconds age) {
    const NativePath folder = FolderOf(target);
    std::vector<NativePath> stale;
    WIN32_FIND_DATAW found;
    // Every name, matched here: the system's own wildcards also match the
    // short 8.3 names of other files.
    HANDLE search = FindFirstFileW(InFolder(folder, L"*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return 0;
    FILETIME nowTime;
    GetSystemTimeAsFileTime(&nowTime);
    const auto ticks = [](const FILETIME& t) {  // 100 ns since 1601
        return static_cast<std::uint64_t>(t.dwHighDateTime) << 32 | t.dwLowDateTime;
    };
    constexpr std::uint64_t kTicksPerSecond = 10'000'000;
    const std::uint64_t now = ticks(nowTime);
    do {
        constexpr DWORD kNotAFile = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT | FILE_ATTRIBUTE_DEVICE;
        if (!IsWindowsTemporaryName(found.cFileName) || (found.dwFileAttributes & kNotAFile)) continue;
        const std::uint64_t written = ticks(found.ftLastWriteTime);
        if (age.count() == 0 ||
            (now > written && now - written > static_cast<std::uint64_t>(age.count()) * kTicksPerSecond))
            stale.push_back(InFolder(folder, found.cFileName));
    } while (FindNextFileW(search, &found));
    FindClose(search);
    int removed = 0;
    for (const NativePath& file : stale)
        if (DeleteFileW(file.c_str())) {
            TellFileSeam({FileStepKind::Remove, file, {}, {}});
            ++removed;
        }
    return removed;
}

bool ReplaceFileContents(const NativePath& target, const void* data, std::size_t n) {
    // Whether MoveFileExW replaces a read-only file differs between systems
    // (Wine does replace it); honour what the user (or the card) said about
    // it, as opening it for writing would.
    const DWORD attributes = GetFileAttributesW(target.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) return false;
    const NativePath folder = FolderOf(target);
    wchar_t tmp[MAX_PATH + 16];
    if (GetTempFileNameW(folder.c_str(), L"tcf", 0, tmp) == 0) return false;
    TellFileSeam({FileStepKind::Create, tmp, {}, {}});
    std::FILE* f = _wfopen(tmp, L"wb");
    bool ok = f != nullptr;
    if (ok) {
        const auto* bytes = static_cast<const std::uint8_t*>(data);
        ok = std::fwrite(data, 1, n, f) == n && std::fflush(f) == 0;
        if (ok) TellFileSeam({FileStepKind::Write, tmp, {}, {bytes, bytes + n}});
        ok = ok && _commit(_fileno(f)) == 0;
        if (ok) TellFileSeam({FileStepKind::FlushFile, tmp, {}, {}});
        ok = (std::fclose(f) == 0) && ok;
        if (ok) TellFileSeam({FileStepKind::Close, tmp, {}, {}});
    }
    if (ok) ok = MoveFileExW(tmp, target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
    if (!ok) {
        if (DeleteFileW(tmp)) TellFileSeam({FileStepKind::Remove, tmp, {}, {}});
        return false;
    }
    TellFileSeam({FileStepKind::Rename, tmp, target, {}, true});
    RemoveStaleTemporaries(target);
    return true;
}

namespace {

// Makes the folder's names durable: the system writes a folder opened for
// writing through when it is flushed. A folder that refuses is no failure of ours.
void FlushFolder(const NativePath& folder) {
    HANDLE h = CreateFileW(folder.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                           nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (h == INVALID_HANDLE_VALUE) return;
    if (FlushFileBuffers(h)) TellFileSeam({FileStepKind::FlushFolder, folder, {}, {}});
    CloseHandle(h);
}

}  // namespace

bool MakeFolder(const NativePath& folder, bool& made) {
    made = CreateDirectoryW(folder.c_str(), nullptr) != 0;
    if (made) TellFileSeam({FileStepKind::MakeFolder, folder, {}, {}});
    const DWORD attributes = GetFileAttributesW(folder.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY)) return false;
    // Also when another writer made it: its name may not be on the card yet.
    FlushFolder(FolderOf(folder));
    return true;
}

bool RemoveFile(const NativePath& file) {
    if (!DeleteFileW(file.c_str())) return false;
    TellFileSeam({FileStepKind::Remove, file, {}, {}});
    FlushFolder(FolderOf(file));
    return true;
}

bool RemoveEmptyFolder(const NativePath& folder) {
    if (!RemoveDirectoryW(folder.c_str())) return false;
    TellFileSeam({FileStepKind::RemoveFolder, folder, {}, {}});
    FlushFolder(FolderOf(folder));
    return true;
}

bool ReadFromCard(const NativePath& file, std::vector<std::uint8_t>& bytes, std::size_t maxBytes) {
    if (FileSeam* seam = CurrentFileSeam(); seam && seam->ReadMedium(file, bytes)) return bytes.size() <= maxBytes;
    // Unbuffered reads go to the card in whole sectors into an aligned
    // buffer; a page is a multiple of every sector size there is.
    HANDLE h = CreateFileW(file.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                           OPEN_EXISTING, FILE_FLAG_NO_BUFFERING, nullptr);
    if (h == INVALID_HANDLE_VALUE) return false;
    LARGE_INTEGER size;
    bool ok = GetFileSizeEx(h, &size) && size.QuadPart >= 0 && static_cast<std::uint64_t>(size.QuadPart) <= maxBytes;
    if (ok) {
        constexpr std::size_t kPage = 4096;
        const std::size_t n = static_cast<std::size_t>(size.QuadPart);
        const std::size_t rounded = (n + kPage - 1) / kPage * kPage;
        void* buffer = rounded ? VirtualAlloc(nullptr, rounded, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE) : nullptr;
        ok = rounded == 0 || buffer != nullptr;
        std::size_t got = 0;
        while (ok && got < n) {
            DWORD r = 0;
            ok = ReadFile(h, static_cast<char*>(buffer) + got, static_cast<DWORD>(rounded - got), &r, nullptr) && r > 0;
            got += r;
        }
        if (ok) bytes.assign(static_cast<std::uint8_t*>(buffer), static_cast<std::uint8_t*>(buffer) + n);
        if (buffer) VirtualFree(buffer, 0, MEM_RELEASE);
    }
    CloseHandle(h);
    return ok;
}

#endif

}  // namespace trailcfg
