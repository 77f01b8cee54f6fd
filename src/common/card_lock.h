// One writer at a time per card folder, across processes: the desktop
// program, the command line and a second window all take the same lock
// before they read what they will change and keep it until the read-back
// has confirmed the new file. Nothing is written on the card for it: on
// POSIX the lock is on the folder itself (flock), on Windows a named mutex
// keyed by the folder's full path; in the browser also a Web Lock per
// folder the user picked, which the page's tabs share.
#pragma once

#include <chrono>

#include "file_io.h"
#include "gbk_literal.h"
#include "text_pair.h"

namespace trailcfg {

// Another writer keeps a card for well under a second; one that keeps it
// longer than this is stuck or is a person's long batch, and the user is
// told rather than left waiting.
inline constexpr std::chrono::milliseconds kCardLockWait{5000};

// What a writer says when the card stayed busy, the command line after the
// file's name.
inline constexpr TextPair kTextCardBusy{
    {GBK("另一个程序正在写这张卡，请稍后再试"), "another program is writing this card; try again"}};

class CardLock {
public:
    // Takes the lock of the folder `file` is in, waiting up to `wait` for
    // another writer to let it go.
    explicit CardLock(const NativePath& file, std::chrono::milliseconds wait = kCardLockWait);
    ~CardLock();
    CardLock(const CardLock&) = delete;
    CardLock& operator=(const CardLock&) = delete;

    // Another writer kept the card for the whole wait: nothing may be
    // written. A folder that cannot be locked at all (missing, or a file
    // system without locks) is not busy; the write then fails or succeeds
    // on its own.
    bool Busy() const { return busy_; }

    // Removes every temporary file the writer leaves when a write is cut
    // short, of `target` in its folder, whatever its age: while the lock is
    // held no write of ours is under way there.
    int RemoveLeftovers(const NativePath& target) const;

private:
    bool busy_ = false;
#ifdef _WIN32
    void* mutex_ = nullptr;
#else
    int fd_ = -1;
#endif
#ifdef __EMSCRIPTEN__
    int web_ = -1;  // the browser's lock of a picked folder, when above 0
#endif
};

}  // namespace trailcfg
