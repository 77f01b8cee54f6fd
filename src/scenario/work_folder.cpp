#include "work_folder.h"

#include <cstdio>
#include <random>
#include <string>
#include <system_error>

#ifdef __linux__
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>
#endif

namespace trailcfg::scenario {

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
    fs::path probe = folder / ".trailcfg-scenario-probe";
    std::FILE* f = std::fopen(probe.string().c_str(), "wb");
    if (!f) return false;
    std::fclose(f);
    std::error_code ec;
    fs::remove(probe, ec);
    return true;
}

void UndoReadOnly(const fs::path& folder) {
    SetImmutable(folder, false);
    std::error_code ec;
    fs::permissions(folder, fs::perms::owner_all, fs::perm_options::add, ec);
}

}  // namespace

WorkFolder::WorkFolder() {
    std::error_code ec;
    previousCwd_ = fs::current_path(ec);
    fs::path base = fs::temp_directory_path(ec);
    if (ec) return;
    std::random_device seed;
    std::mt19937_64 random(seed());
    for (int attempt = 0; attempt < 100; ++attempt) {
        fs::path candidate = base / ("trailcfg-scenario-" + std::to_string(random() % 1000000000));
        if (fs::create_directory(candidate, ec)) {
            // The program sees the folder through getcwd, which resolves links.
            path_ = fs::canonical(candidate, ec);
            if (ec) path_ = candidate;
            return;
        }
    }
}

WorkFolder::~WorkFolder() {
    std::error_code ec;
    if (!previousCwd_.empty()) fs::current_path(previousCwd_, ec);
    for (const fs::path& folder : readOnly_) UndoReadOnly(folder);
    if (!path_.empty()) fs::remove_all(path_, ec);
}

bool WorkFolder::MakeReadOnly(const fs::path& folder) {
    std::error_code ec;
    if (!fs::is_directory(folder, ec)) return false;
    readOnly_.push_back(folder);
    fs::permissions(folder, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove, ec);
    if (CanCreateIn(folder)) SetImmutable(folder, true);
    return true;
}

}  // namespace trailcfg::scenario
