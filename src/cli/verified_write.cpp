#include "verified_write.h"

#include <cstring>

#include "camera/menu_file.h"
#include "common/file_io.h"
#include "send/cfg_file.h"

namespace trailcfg::cli {

namespace {

VerifiedWrite WriteAndConfirm(const CardLock& lock, const FilePath& file, FileKind kind,
                              const std::vector<std::uint8_t>& plain) {
    const std::string shown = GbkOf(file);
    if (kind == FileKind::Cfg) {
        SendSettings s, read;
        std::memcpy(&s, plain.data(), sizeof s);
        return WriteCfgFileVerified(lock, file.native(), shown.c_str(), s, read);
    }
    CameraMenu m, read;
    std::memcpy(&m, plain.data(), sizeof m);
    return WriteMenuFileVerified(lock, file.native(), shown.c_str(), m, read);
}

}  // namespace

bool WriteVerified(const CardLock& lock, const FilePath& file, FileKind kind, const std::vector<std::uint8_t>& plain,
                   std::string& error) {
    switch (WriteAndConfirm(lock, file, kind, plain)) {
        case VerifiedWrite::Confirmed:
            return true;
        case VerifiedWrite::NotWritten:
            error = Shown(file) + ": cannot be written (is the folder there and writable, and the file not read-only?)";
            return false;
        case VerifiedWrite::NotAsWritten:
            break;
    }
    error = Shown(file) + ": was written but does not read back as written; do not use this card";
    return false;
}

bool CardFree(const CardLock& lock, const FilePath& file, int language, std::string& error) {
    if (!lock.Busy()) return true;
    error = Shown(file) + ": " + Utf8Of(kTextCardBusy[language]);
    return false;
}

}  // namespace trailcfg::cli
