#include "read_only_folder.h"

#include <cstdio>
#include <string>
#include <system_error>

#ifdef __linux__
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>
#endif

namespace trailcfg {

namespace fs = std::filesystem;

namespace {

bool SetImmutable(const fs::path& folder, bool on) {
#ifdef __linux__
    int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd < 0) return false;
    int flags = 0;
    bool ok = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    if (ok) {
        flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
        ok = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    }
    ::close(fd);
    return ok;
#else
    (void)folder;
    (void)on;
    return false;
#endif
}

// Tries what the program would do: create a file in the folder.
bool CanCreateIn(const fs::path& folder) {
    const fs::path probe = folder / ".trailcfg-probe";
    std::FILE* f = std::fopen(probe.string().c_str(), "wb");
    if (!f) return false;
    std::fclose(f);
    std::error_code ec;
    fs::remove(probe, ec);
    return true;
}

}  // namespace

bool MakeFolderReadOnly(const fs::path& folder) {
    std::error_code ec;
    fs::permissions(folder, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove, ec);
    if (CanCreateIn(folder)) SetImmutable(folder, true);
    return !CanCreateIn(folder);
}

void UndoFolderReadOnly(const fs::path& folder) {
    SetImmutable(folder, false);
    std::error_code ec;
    fs::permissions(folder, fs::perms::owner_all, fs::perm_options::add, ec);
}

}  // namespace trailcfg
