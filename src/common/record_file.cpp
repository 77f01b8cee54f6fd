#include "record_file.h"

#include <cstdio>
#include <cstring>
#include <vector>

#include "diag.h"
#include "file_io.h"

namespace trailcfg {

namespace {
constexpr const char* kSeparatorLine = "________________________________________________\n";
}

bool ReadRecordFile(const NativePath& file, const char* shownPath, std::uint8_t* image, std::size_t size,
                    void (*onOpened)()) {
    const std::int32_t found = FileSizeOf(file);
    Diag("iGetFileSize = %d\n", found);
    if (found != static_cast<std::int32_t>(size)) {
        Diag("File szie != struct size!\n");
        return false;
    }
    std::FILE* f = OpenBinaryFile(file, "rb");
    if (!f) {
        Diag("Open file - \"%s\" err!\n", shownPath);
        return false;
    }
    std::fclose(f);
    Diag("Open file - \"%s\" success!\n", shownPath);
    if (onOpened) onOpened();
    // Read aside first: a card pulled out or a file changed since it was sized
    // must not leave a half-read record behind as if it were the file. The
    // bytes come from the card, not the system's cache: after a write this
    // is the read-back, and a worn card that kept its old bytes must show
    // them.
    std::vector<std::uint8_t> aside;
    const bool whole = ReadFromCard(file, aside, size) && aside.size() == size;
    if (!whole) {
        Diag("File szie != struct size!\n");
        return false;
    }
    std::memcpy(image, aside.data(), size);
    return true;
}

bool WriteRecordFile(const NativePath& file, const char* shownPath, const std::uint8_t* image, std::size_t size,
                     void (*onWritten)()) {
    if (!ReplaceFileContents(file, image, size)) {
        Diag("Open file - \"%s\" err!\n", shownPath);
        Diag("%s", kSeparatorLine);
        return false;
    }
    Diag("Open file - \"%s\" success!\n", shownPath);
    if (onWritten) onWritten();
    Diag("%s", kSeparatorLine);
    return true;
}

bool FileHoldsExactly(const NativePath& file, const std::uint8_t* image, std::size_t size) {
    std::vector<std::uint8_t> held;
    return ReadFromCard(file, held, size) && held.size() == size && std::memcmp(held.data(), image, size) == 0;
}

}  // namespace trailcfg
