#include "menu_file.h"

#include <cstdio>
#include <cstring>

#include "common/diag.h"
#include "common/file_io.h"
#include "common/record_file.h"
#include "common/scramble.h"

namespace trailcfg {

void MakeMenuDefaults(CameraMenu& m) {
    std::memset(&m, 0, sizeof m);
    m.VideoSize = 1;
    m.SidePir = 1;
    m.VideoLength = 9;
    m.Interval = 60;
    m.DateFormat = 2;
    m.BeepSound = 1;
    m.TimeLapseMode = 1;
    m.Language = 2;
    m.Marker = kMenuMarker;
    m.Flag = kMenuFlag;
}

void EncodeMenuImage(const CameraMenu& record, std::uint8_t (&image)[kCameraMenuSize]) {
    std::memcpy(image, &record, kCameraMenuSize);
    ScrambleBytes(image, kCameraMenuSize);
}

namespace {

void PrintWrittenFlag() { Diag("[W]Flag = 0x%04X\n", static_cast<unsigned>(kMenuFlag)); }

void EncodeStamped(const CameraMenu& record, std::uint8_t (&image)[kCameraMenuSize]) {
    CameraMenu stamped = record;
    stamped.Flag = kMenuFlag;
    EncodeMenuImage(stamped, image);
}

}  // namespace

bool WriteMenuFileAt(const NativePath& file, const char* shownPath, CameraMenu& record) {
    std::uint8_t image[kCameraMenuSize];
    EncodeStamped(record, image);
    if (!WriteRecordFile(file, shownPath, image, sizeof image, PrintWrittenFlag)) return false;
    record.Flag = kMenuFlag;
    return true;
}

VerifiedWrite WriteMenuFileVerified(const CardLock& lock, const NativePath& file, const char* shownPath,
                                    CameraMenu& record, CameraMenu& readBack) {
    std::uint8_t image[kCameraMenuSize];
    EncodeStamped(record, image);
    const MenuClock clock = ClockOf(record);
    const VerifiedWrite result = WriteRecordVerified(lock, file, shownPath, image, sizeof image, PrintWrittenFlag, [&] {
        return ReadMenuFileAt(file, shownPath, readBack, clock) == 1;
    });
    if (result != VerifiedWrite::NotWritten) record.Flag = kMenuFlag;
    return result;
}

int ReadMenuFileAt(const NativePath& file, const char* shownPath, CameraMenu& m, const MenuClock& saveClock) {
    Diag("___sizeof menu data:%d___\n", static_cast<int>(kCameraMenuSize));
    std::uint8_t image[kCameraMenuSize];
    if (!ReadRecordFile(file, shownPath, image, sizeof image)) return 0;
    std::memcpy(&m, image, sizeof image);
    UnscrambleBytes(RecordBytes(m), kCameraMenuSize);

    Diag("CapMode = %d\n", m.CapMode);
    Diag("ImgSize = %d\n", m.ImgSize);
    Diag("Flag = 0x%04X\n", static_cast<unsigned>(m.Flag));

    if (saveClock.Year == 0) return 1;
    if (std::memcmp(RecordBytes(m) + kMenuClockOffset, &saveClock, sizeof saveClock) == 0) return 1;
    Diag("Save clock is different!\n");
    return 0;
}

}  // namespace trailcfg
