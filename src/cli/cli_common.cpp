#include "cli_common.h"

#include <cstdio>
#include <system_error>

#include "camera/camera_menu.h"
#include "common/file_io.h"
#include "common/scramble.h"
#include "send/send_settings.h"

namespace trailcfg::cli {

const FieldTable& FieldsOf(FileKind kind) {
    return kind == FileKind::Cfg ? SendSettingsFields() : CameraMenuFields();
}

const char* FileNameOf(FileKind kind) { return kind == FileKind::Cfg ? kCfgFileName : kMenuFileName; }

std::optional<FileKind> KindBySize(std::uintmax_t size) {
    if (size == kSendSettingsSize) return FileKind::Cfg;
    if (size == kCameraMenuSize) return FileKind::Menu;
    return std::nullopt;
}

std::string Shown(const std::filesystem::path& path) {
    std::u8string u8 = path.u8string();
    return std::string(u8.begin(), u8.end());
}

bool ReadPlainImage(const std::filesystem::path& file, FileKind& kind, std::vector<std::uint8_t>& plain,
                    std::string& error) {
    std::error_code ec;
    if (std::filesystem::is_directory(file, ec)) {
        error = Shown(file) + ": is a folder, not a camera file";
        return false;
    }
    std::uintmax_t size = std::filesystem::file_size(file, ec);
    if (ec) {
        error = Shown(file) + ": cannot be read (" + ec.message() + ")";
        return false;
    }
    std::optional<FileKind> k = KindBySize(size);
    if (!k) {
        error = Shown(file) + ": " + std::to_string(size) + " bytes is neither a CFG.BIN (" +
                std::to_string(kSendSettingsSize) + " bytes) nor a menu.dat (" + std::to_string(kCameraMenuSize) +
                " bytes)";
        return false;
    }
    std::FILE* f = OpenBinaryFile(file, "rb");
    if (!f) {
        error = Shown(file) + ": cannot be opened";
        return false;
    }
    plain.assign(static_cast<std::size_t>(size), 0);
    std::size_t got = std::fread(plain.data(), 1, plain.size(), f);
    std::fclose(f);
    if (got != plain.size()) {
        error = Shown(file) + ": could not be read in full";
        return false;
    }
    UnscrambleBytes(plain.data(), plain.size());
    kind = *k;
    return true;
}

}  // namespace trailcfg::cli
