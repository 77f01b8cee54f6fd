// Temporary and read-only folders on Linux: mkdtemp, and for a read-only
// folder plain permissions plus the immutable attribute (permissions do not
// stop root).
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <cstdlib>
#include <stdexcept>
#include <string>
#include <system_error>

#include "test_support.h"

namespace trailcfg::test {

TempDir::TempDir() {
    std::string tmpl = (std::filesystem::temp_directory_path() / "trailcfg-test-XXXXXX").string();
    if (!::mkdtemp(tmpl.data())) throw std::runtime_error("mkdtemp failed");
    path_ = tmpl;
}

TempDir::~TempDir() {
    std::error_code ec;
    for (auto it = std::filesystem::recursive_directory_iterator(path_, ec);
         !ec && it != std::filesystem::recursive_directory_iterator(); it.increment(ec))
        if (it->is_directory(ec)) UndoReadOnly(it->path());
    UndoReadOnly(path_);
    std::filesystem::remove_all(path_, ec);
}

namespace {

bool SetImmutable(const std::filesystem::path& folder, bool on) {
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
}

bool CanCreateIn(const std::filesystem::path& folder) {
    std::filesystem::path probe = folder / ".trailcfg-probe";
    int fd = ::open(probe.c_str(), O_CREAT | O_EXCL | O_WRONLY, 0600);
    if (fd < 0) return false;
    ::close(fd);
    ::unlink(probe.c_str());
    return true;
}

}  // namespace

bool MakeReadOnly(const std::filesystem::path& folder) {
    std::error_code ec;
    std::filesystem::permissions(folder,
                                 std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec |
                                     std::filesystem::perms::group_read | std::filesystem::perms::group_exec |
                                     std::filesystem::perms::others_read | std::filesystem::perms::others_exec,
                                 ec);
    if (CanCreateIn(folder)) SetImmutable(folder, true);
    return !CanCreateIn(folder);
}

void UndoReadOnly(const std::filesystem::path& folder) {
    SetImmutable(folder, false);
    std::error_code ec;
    std::filesystem::permissions(folder, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, ec);
}

}  // namespace trailcfg::test
