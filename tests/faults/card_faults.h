// The faults of a card that the fault tests inflict on whatever writes to
// it, and how they look at the card afterwards. The faults change the
// process (its limits) or mount file systems, so they belong in a forked
// child (child_process.h), never in the test process.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "child_process.h"

namespace trailcfg::test {

// Everything in the card, names relative to it, folders marked with a slash.
std::vector<std::string> Tree(const std::filesystem::path& card);

// The bytes of a regular file; nothing for a folder or a missing file.
std::vector<std::uint8_t> FileBytes(const std::filesystem::path& target);

// "folder", "file" or "absent".
std::string StateOf(const std::filesystem::path& target);

// A fault, in two steps around the earlier write that leaves the previous
// file: `prepare` before it, `inflict` after it. Each returns why this system
// cannot make the fault, or "" when it is in place.
struct Fault {
    std::function<std::filesystem::path(const std::filesystem::path& card)> folder =
        [](const std::filesystem::path& card) { return card; };
    bool previousFile = true;
    std::function<std::string(const std::filesystem::path& card, const std::filesystem::path& folder)> prepare;
    std::function<std::string(const std::filesystem::path& card, const std::filesystem::path& folder)> inflict;
};

// `inflict` (FillCard, LockCard) on a small card mounted for the test
// alone, so that filling or locking it reaches nothing else.
Fault OnMountedCard(std::function<std::string(const std::filesystem::path& card)> inflict);

// A fault's run in a forked child: `prepare`, then, where the fault wants
// a previous file, `earlier` (the write that leaves it; it returns why it
// failed, "" when it did not), then `inflict`; then `act` runs what is under
// test and puts its results, or returns why this system cannot run it. A
// child that does not return in its time fails the test.
struct FaultRun {
    bool arranged = false;  // the fault was in place and `act` ran
    std::string whyNot;
    Blob results;  // what `act` put, to Take in the same order
};
FaultRun RunUnderFault(const std::filesystem::path& card, const Fault& fault,
                       const std::function<std::string(const std::filesystem::path& folder)>& earlier,
                       const std::function<std::string(const std::filesystem::path& folder, Blob& results)>& act);

// The folder the write goes into is made read-only (for root, whom
// permissions do not stop, immutable), as a locked card is to a writer.
Fault InReadOnlyFolder();

// No fault yet: the write goes into a new folder kChineseFolder of the
// card, whose name has blanks and Chinese characters.
Fault InChineseFolder();

// The faults. Each returns "" once it is in place, otherwise why this
// system cannot make it.

// No file of this process may grow beyond `bytes`; SIGXFSZ is ignored, so a
// write past the limit fails instead of killing the process, as a full card
// fails it.
std::string LimitFileSize(std::uintmax_t bytes);

// A card of its own: a small file system mounted on `card`, seen by this
// process (and its children) only.
std::string MountCard(const std::filesystem::path& card);

// Pictures take every block of a mounted card but the room for
// `roomForFiles` small files (one block each).
std::string FillCard(const std::filesystem::path& card, std::size_t roomForFiles = 0);

// The card's lock switch: the system mounts a locked card read-only.
std::string LockCard(const std::filesystem::path& card);

// A folder name with blanks and Chinese characters (UTF-8, as the file
// system names it).
inline constexpr const char* kChineseFolder = "相机 卡 (SD)";

}  // namespace trailcfg::test
