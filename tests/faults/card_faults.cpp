#include "card_faults.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sched.h>
#include <signal.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <system_error>

#include "test_support.h"

namespace trailcfg::test {

namespace fs = std::filesystem;

std::vector<std::string> Tree(const fs::path& card) {
    std::vector<std::string> names;
    std::error_code ec;
    for (auto it = fs::recursive_directory_iterator(card, ec); !ec && it != fs::recursive_directory_iterator();
         it.increment(ec))
        names.push_back(fs::relative(it->path(), card).string() + (it->is_directory() ? "/" : ""));
    std::sort(names.begin(), names.end());
    return names;
}

std::vector<std::uint8_t> FileBytes(const fs::path& target) {
    std::error_code ec;
    return fs::is_regular_file(target, ec) ? ReadBytes(target) : std::vector<std::uint8_t>{};
}

std::string StateOf(const fs::path& target) {
    std::error_code ec;
    if (fs::is_directory(target, ec)) return "folder";
    if (fs::is_regular_file(target, ec)) return "file";
    return "absent";
}

std::string LimitFileSize(std::uintmax_t bytes) {
    ::signal(SIGXFSZ, SIG_IGN);
    struct rlimit rl = {static_cast<rlim_t>(bytes), static_cast<rlim_t>(bytes)};
    return ::setrlimit(RLIMIT_FSIZE, &rl) == 0 ? "" : "setrlimit failed";
}

std::string MountCard(const fs::path& card) {
    if (::unshare(CLONE_NEWNS) != 0) return std::string("cannot have a mount namespace: ") + std::strerror(errno);
    if (::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) return "cannot make mounts private";
    if (::mount("tmpfs", card.c_str(), "tmpfs", 0, "size=64k,mode=0755") != 0)
        return std::string("cannot mount a small card: ") + std::strerror(errno);
    return "";
}

FaultRun RunUnderFault(const fs::path& card, const Fault& fault,
                       const std::function<std::string(const fs::path& folder)>& earlier,
                       const std::function<std::string(const fs::path& folder, Blob& results)>& act) {
    const ChildResult child = RunInChild([&]() -> std::string {
        const fs::path folder = fault.folder(card);
        std::string why = fault.prepare ? fault.prepare(card, folder) : "";
        if (why.empty() && fault.previousFile) why = earlier(folder);
        if (why.empty() && fault.inflict) why = fault.inflict(card, folder);
        Blob results;
        if (why.empty()) why = act(folder, results);
        Blob head;
        head.Put(why.empty()).Put(why);
        return why.empty() ? head.bytes() + results.bytes() : head.bytes();
    });
    EXPECT_TRUE(child.exitedNormally) << "child status " << child.status;
    FaultRun run;
    Blob b(child.blob);
    run.arranged = b.TakeFlag();
    run.whyNot = b.Take();
    // The results follow the two head fields: the blob is read on from there.
    if (run.arranged) run.results = std::move(b);
    return run;
}

Fault InReadOnlyFolder() {
    Fault f;
    f.inflict = [](const fs::path&, const fs::path& folder) -> std::string {
        return MakeReadOnly(folder) ? "" : "this system cannot make a folder read-only";
    };
    return f;
}

Fault InChineseFolder() {
    Fault f;
    f.folder = [](const fs::path& card) { return card / kChineseFolder; };
    f.prepare = [](const fs::path&, const fs::path& folder) {
        return fs::create_directory(folder) ? "" : "cannot create the folder";
    };
    return f;
}

Fault OnMountedCard(std::function<std::string(const fs::path& card)> inflict) {
    Fault f;
    f.prepare = [](const fs::path& card, const fs::path&) { return MountCard(card); };
    f.inflict = [inflict = std::move(inflict)](const fs::path& card, const fs::path&) { return inflict(card); };
    return f;
}

std::string FillCard(const fs::path& card, std::size_t roomForFiles) {
    int fd = ::open((card / "IMAG0001.JPG").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0) return "cannot create the filler";
    std::vector<char> block(4096, 'J');
    off_t size = 0;
    for (;;) {
        ssize_t w = ::write(fd, block.data(), block.size());
        if (w > 0) {
            size += w;
            continue;
        }
        const int err = errno;
        if (w == 0 || err != ENOSPC) {
            ::close(fd);
            return "the filler did not fill the card";
        }
        break;
    }
    // Giving back whole blocks from the end frees exactly that many.
    const off_t room = static_cast<off_t>(roomForFiles) * ::sysconf(_SC_PAGESIZE);
    const bool ok = room <= size && ::ftruncate(fd, size - room) == 0;
    ::close(fd);
    return ok ? "" : "cannot leave room on the card";
}

std::string LockCard(const fs::path& card) {
    return ::mount(nullptr, card.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) == 0
               ? ""
               : "cannot remount the card read-only";
}

}  // namespace trailcfg::test
