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
    Diag("Open file - \"%s\" success!\n", shownPath);
    if (onOpened) onOpened();
    // Read aside first: a card pulled out or a file changed since it was sized
    // must not leave a half-read record behind as if it were the file.
    std::vector<std::uint8_t> aside(size);
    const bool whole = ReadExactly(f, aside.data(), size);
    std::fclose(f);
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
    if (FileSizeOf(file) != static_cast<std::int32_t>(size)) return false;
    std::FILE* f = OpenBinaryFile(file, "rb");
    if (!f) return false;
    std::vector<std::uint8_t> held(size);
    const bool whole = ReadExactly(f, held.data(), size);
    std::fclose(f);
    return whole && std::memcmp(held.data(), image, size) == 0;
}

}  // namespace trailcfg
