#include "verified_write.h"

#include <cstring>

#include "camera/menu_file.h"
#include "common/file_io.h"
#include "send/cfg_file.h"

namespace trailcfg::cli {

namespace {

bool Written(const std::filesystem::path& file, FileKind kind, const std::vector<std::uint8_t>& plain) {
    const std::string shown = GbkFromPath(file);
    if (kind == FileKind::Cfg) {
        SendSettings s;
        std::memcpy(&s, plain.data(), sizeof s);
        return WriteCfgFile(file, shown.c_str(), s);
    }
    CameraMenu m;
    std::memcpy(&m, plain.data(), sizeof m);
    return WriteMenuFileAt(file, shown.c_str(), m);
}

// The read-back the pages make: the time stamp (CFG.BIN) or the clock
// (menu.dat) must be the one just written.
bool ProgramReadsItBack(const std::filesystem::path& file, FileKind kind, const std::vector<std::uint8_t>& plain) {
    const std::string shown = GbkFromPath(file);
    if (kind == FileKind::Cfg) {
        SendSettings written, read;
        std::memcpy(&written, plain.data(), sizeof written);
        const SendTime& t = written.sTime;
        const GenTime stamp{t.byYear, t.byMonth, t.byDay, t.byHour, t.byMinute, t.bySecond};
        return ReadCfgFile(file, shown.c_str(), read, 1, stamp) == 1;
    }
    CameraMenu written, read;
    std::memcpy(&written, plain.data(), sizeof written);
    MenuClock clock;
    std::memcpy(&clock, plain.data() + kMenuClockOffset, sizeof clock);
    return ReadMenuFileAt(file, shown.c_str(), read, clock) == 1;
}

}  // namespace

bool WriteVerified(const CardLock& lock, const std::filesystem::path& file, FileKind kind,
                   const std::vector<std::uint8_t>& plain, std::string& error) {
    if (!Written(file, kind, plain)) {
        error = Shown(file) + ": cannot be written (is the folder there and writable, and the file not read-only?)";
        return false;
    }
    std::vector<std::uint8_t> expected = plain;
    if (kind == FileKind::Cfg) expected[0] |= IF_SEND_BY_APP_SET_FLG;
    FileKind readKind;
    std::vector<std::uint8_t> read;
    std::string why;
    if (!ReadPlainImage(file, readKind, read, why) || read != expected || !ProgramReadsItBack(file, kind, plain)) {
        error = Shown(file) + ": was written but does not read back as written; do not use this card";
        return false;
    }
    lock.RemoveLeftovers(file);
    return true;
}

bool CardFree(const CardLock& lock, const std::filesystem::path& file, int language, std::string& error) {
    if (!lock.Busy()) return true;
    error = Shown(file) + ": " + Utf8Of(kTextCardBusy[language]);
    return false;
}

}  // namespace trailcfg::cli
