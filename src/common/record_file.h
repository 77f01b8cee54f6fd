// What both camera files share on the way to and from the card: the size
// test, a read set aside until the file is known whole, the safe replacement,
// and the diagnostic lines of each step. The readers and writers of CFG.BIN
// and menu.dat add only what is their own.
#pragma once

#include <cstddef>
#include <cstdint>

#include "card_lock.h"
#include "file_io.h"

namespace trailcfg {

// Sizes, opens and reads `file` into `image` (as stored, still scrambled),
// printing "iGetFileSize = ...", then the open line. `onOpened` prints what a
// reader adds once the file is open. False, after the failure's line, when the
// file is missing, not exactly `size` bytes, cannot be opened, or changed
// since it was sized; `image` is then left as it was.
bool ReadRecordFile(const NativePath& file, const char* shownPath, std::uint8_t* image, std::size_t size,
                    void (*onOpened)() = nullptr);

// Replaces `file` with `image` in one step and prints the open line, what
// `onWritten` adds, and the separator line; on failure the err line and the
// separator, and the previous file stays.
bool WriteRecordFile(const NativePath& file, const char* shownPath, const std::uint8_t* image, std::size_t size,
                     void (*onWritten)() = nullptr);

// True when `file` is exactly `size` bytes and every one is `image`'s, as
// the card itself holds them (ReadFromCard). Prints nothing: it checks a
// write, it does not load a record.
bool FileHoldsExactly(const NativePath& file, const std::uint8_t* image, std::size_t size);

enum class VerifiedWrite { Confirmed, NotWritten, NotAsWritten };

// The one confirmed write of both camera files: WriteRecordFile, then the
// record's own reader (`readBack`, true when it accepts the file) loads it as
// the program would, with its lines, and then the file is compared with
// `image` byte by byte. The readers compare a time stamp or a clock at most,
// which another writer's file, or a card that hands back other bytes, can
// pass; the whole record cannot be passed that way. Both reads go to the
// card, past the system's cache.
//
// The caller holds the card's `lock` from before it read what it changes
// until this returns, so no other writer comes in between. Once the file is
// confirmed, what earlier interrupted writes left in the folder goes.
template <class ReadBack>
VerifiedWrite WriteRecordVerified(const CardLock& lock, const NativePath& file, const char* shownPath,
                                  const std::uint8_t* image, std::size_t size, void (*onWritten)(),
                                  ReadBack&& readBack) {
    if (!WriteRecordFile(file, shownPath, image, size, onWritten)) return VerifiedWrite::NotWritten;
    if (!readBack() || !FileHoldsExactly(file, image, size)) return VerifiedWrite::NotAsWritten;
    lock.RemoveLeftovers(file);
    return VerifiedWrite::Confirmed;
}

}  // namespace trailcfg
