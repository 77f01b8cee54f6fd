#include "card_lock.h"

#include <algorithm>
#include <thread>

#ifdef _WIN32
#include <windows.h>

#include <cstdint>
#include <cwchar>
#else
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#endif
#ifdef __EMSCRIPTEN__
// The browser's side of the lock (platform/web/web_files.js).
extern "C" {
int trailcfg_web_take_card(const char* folder, int waitMs);
void trailcfg_web_let_card_go(int held);
}
#endif

namespace trailcfg {

namespace {
using Clock = std::chrono::steady_clock;
}  // namespace

#ifdef _WIN32

namespace {

// Kernel object names are short and take no backslash, so the folder's
// full path, in one case as the file system compares it, is named by its
// hash.
std::wstring MutexNameFor(const NativePath& folder) {
    DWORD n = GetFullPathNameW(folder.c_str(), 0, nullptr, nullptr);
    std::wstring full(n ? n : 1, L'\0');
    n = n ? GetFullPathNameW(folder.c_str(), n, full.data(), nullptr) : 0;
    full.resize(n ? n : 0);
    if (full.empty()) full = folder;
    while (full.size() > 3 && (full.back() == L'\\' || full.back() == L'/')) full.pop_back();
    CharUpperBuffW(full.data(), static_cast<DWORD>(full.size()));
    std::uint64_t hash = 14695981039346656037ull;  // FNV-1a
    for (wchar_t c : full) {
        if (c == L'/') c = L'\\';
        hash = (hash ^ static_cast<std::uint16_t>(c)) * 1099511628211ull;
    }
    wchar_t name[64];
    std::swprintf(name, 64, L"Local\\trailcfg.card.%016llx", static_cast<unsigned long long>(hash));
    return name;
}

}  // namespace

CardLock::CardLock(const NativePath& file, std::chrono::milliseconds wait) {
    HANDLE mutex = CreateMutexW(nullptr, FALSE, MutexNameFor(FolderOfFile(file)).c_str());
    if (!mutex) return;
    // WAIT_ABANDONED: the last holder ended inside its write; the file is
    // still the old one or the new one, whole, and the lock is ours.
    const DWORD got = WaitForSingleObject(mutex, static_cast<DWORD>(wait.count()));
    if (got == WAIT_OBJECT_0 || got == WAIT_ABANDONED) {
        mutex_ = mutex;
        return;
    }
    CloseHandle(mutex);
    busy_ = got == WAIT_TIMEOUT;
}

CardLock::~CardLock() {
    if (!mutex_) return;
    ReleaseMutex(static_cast<HANDLE>(mutex_));
    CloseHandle(static_cast<HANDLE>(mutex_));
}

#else

CardLock::CardLock(const NativePath& file, std::chrono::milliseconds wait) {
    const int fd = ::open(FolderOfFile(file).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    // flock has no timeout of its own; a short sleep between tries costs a
    // waiting writer at most that much once the card is free.
    constexpr std::chrono::milliseconds kRetry{5};
    const Clock::time_point deadline = Clock::now() + wait;
    for (;;) {
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
#ifdef __EMSCRIPTEN__
            // A browser's tabs share a folder the user picked, not this
            // page's file system: the browser's own lock keeps them in turn,
            // within what is left of the same wait.
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
            web_ = trailcfg_web_take_card(FolderOfFile(file).c_str(),
                                          static_cast<int>(std::max<long long>(left.count(), 0)));
            if (web_ == 0) {
                busy_ = true;
                ::close(fd);
                return;
            }
#endif
            fd_ = fd;
            return;
        }
        if (errno == EINTR) continue;
        if (errno != EWOULDBLOCK || Clock::now() >= deadline) break;
        std::this_thread::sleep_for(kRetry);
    }
    busy_ = errno == EWOULDBLOCK;
    ::close(fd);
}

CardLock::~CardLock() {
#ifdef __EMSCRIPTEN__
    if (web_ > 0) trailcfg_web_let_card_go(web_);
#endif
    if (fd_ >= 0) ::close(fd_);  // closing lets the lock go
}

#endif

int CardLock::RemoveLeftovers(const NativePath& target) const {
#ifdef _WIN32
    const bool held = mutex_ != nullptr;
#else
    const bool held = fd_ >= 0;
#endif
    // Without the lock a young temporary file may be another writer's.
    return RemoveStaleTemporaries(target, held ? std::chrono::seconds(0) : kStaleTemporaryAge);
}

}  // namespace trailcfg
