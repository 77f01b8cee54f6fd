// menu.dat reader: any file, of any size, read with and without a clock to
// compare. Beyond the sanitizers' checks, what a read leaves behind is checked
// against the file itself.
#include <cstring>
#include <memory>

#include "camera/menu_file.h"
#include "common/scramble.h"
#include "fuzz_support.h"

using namespace trailcfg;

namespace {

constexpr std::uint8_t kUntouched = 0x77;

std::unique_ptr<CameraMenu> MarkedRecord() {
    auto m = std::make_unique<CameraMenu>();
    std::memset(m.get(), kUntouched, sizeof *m);
    return m;
}

bool IsUntouched(const CameraMenu& m) {
    const std::uint8_t* b = RecordBytes(m);
    for (std::size_t i = 0; i < kCameraMenuSize; ++i)
        if (b[i] != kUntouched) return false;
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::filesystem::path path = fuzz::ScratchPath("menu.dat");
    const std::vector<std::uint8_t> file = fuzz::ShapeFile(data, size, kCameraMenuSize);
    fuzz::WriteScratch(path, file);

    std::vector<std::uint8_t> plain = file;
    UnscrambleBytes(plain.data(), plain.size());
    // The clock of the last Generate: none yet, the file's own, or one that
    // differs from it in one byte.
    MenuClock saveClock{};
    const int clockChoice = size < 2 ? 0 : data[0] % 3;
    if (clockChoice != 0 && plain.size() >= kMenuClockOffset + sizeof saveClock) {
        std::memcpy(&saveClock, plain.data() + kMenuClockOffset, sizeof saveClock);
        if (clockChoice == 2) reinterpret_cast<std::uint8_t*>(&saveClock)[data[1] % 7] ^= 0x01;
    }

    auto record = MarkedRecord();
    fuzz::DiagRecorder out;
    const int result = ReadMenuFileAt(path, "menu.dat", *record, saveClock);
    fuzz::CheckLines(out.text(), 64);

    if (file.size() != kCameraMenuSize) {
        FUZZ_CHECK(result == 0);
        FUZZ_CHECK(IsUntouched(*record));
        return 0;
    }
    // Every byte as the file holds it, whatever the result.
    FUZZ_CHECK(std::memcmp(record.get(), plain.data(), kCameraMenuSize) == 0);
    const bool sameClock = std::memcmp(plain.data() + kMenuClockOffset, &saveClock, sizeof saveClock) == 0;
    FUZZ_CHECK(result == ((saveClock.Year == 0 || sameClock) ? 1 : 0));
    return 0;
}
