#include "cli_common.h"

#include <cstdio>

#include "camera/camera_menu.h"
#include "common/file_io.h"
#include "common/gbk_codec.h"
#include "common/scramble.h"
#include "send/send_settings.h"

namespace trailcfg::cli {

const FieldTable& FieldsOf(FileKind kind) { return kind == FileKind::Cfg ? SendSettingsFields() : CameraMenuFields(); }

const char* FileNameOf(FileKind kind) { return kind == FileKind::Cfg ? kCfgFileName : kMenuFileName; }

std::size_t RecordSizeOf(FileKind kind) { return kind == FileKind::Cfg ? kSendSettingsSize : kCameraMenuSize; }

std::optional<FileKind> KindBySize(std::uintmax_t size) {
    if (size == kSendSettingsSize) return FileKind::Cfg;
    if (size == kCameraMenuSize) return FileKind::Menu;
    return std::nullopt;
}

int Fail(Output& err, const std::string& message) {
    err << "trailcfg-cli: " << message << "\n";
    return kExitBadInput;
}

std::string Shown(const FilePath& path) { return path.shown(); }

FilePath PathFromUtf8(std::string_view utf8) { return FilePath::FromUtf8(utf8); }

std::string Utf8Of(const char* gbk) { return gbk ? GbkToUtf8(gbk) : std::string(); }

std::string TerminalLines(std::string_view text, std::string_view joint) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r') {
            out += text[i];
            continue;
        }
        if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
        out += joint;
    }
    return out;
}

bool ReadPlainImage(const FilePath& file, FileKind& kind, std::vector<std::uint8_t>& plain, std::string& error) {
    if (IsFolder(file)) {
        error = Shown(file) + ": is a folder, not a camera file";
        return false;
    }
    std::uintmax_t size = 0;
    std::string why;
    if (!FileSize(file, size, why)) {
        error = Shown(file) + ": cannot be read (" + why + ")";
        return false;
    }
    std::optional<FileKind> k = KindBySize(size);
    if (!k) {
        error = Shown(file) + ": " + std::to_string(size) + " bytes is neither a CFG.BIN (" +
                std::to_string(kSendSettingsSize) + " bytes) nor a menu.dat (" + std::to_string(kCameraMenuSize) +
                " bytes)";
        return false;
    }
    std::FILE* f = OpenBinaryFile(file.native(), "rb");
    if (!f) {
        error = Shown(file) + ": cannot be opened";
        return false;
    }
    std::fclose(f);
    // From the card, not the system's cache: after a write this is the
    // read-back, and a worn card that kept its old bytes must show them.
    const bool whole = ReadFromCard(file.native(), plain, static_cast<std::size_t>(size)) && plain.size() == size;
    if (!whole) {
        error = Shown(file) + ": changed size while it was read";
        return false;
    }
    UnscrambleBytes(plain.data(), plain.size());
    kind = *k;
    return true;
}

bool ReadInputText(const std::string& name, std::size_t maxBytes, std::string& text, std::string& error) {
    const bool standardInput = name == "-";
    std::FILE* f = standardInput ? stdin : OpenBinaryFile(PathFromUtf8(name).native(), "rb");
    if (!standardInput && IsFolder(PathFromUtf8(name))) {
        if (f) std::fclose(f);
        error = name + ": is a folder";
        return false;
    }
    if (!f) {
        error = name + ": cannot be opened";
        return false;
    }
    text.clear();
    char buf[65536];
    bool ok = true;
    for (;;) {
        std::size_t n = std::fread(buf, 1, sizeof buf, f);
        if (text.size() + n > maxBytes) {
            error = (standardInput ? std::string("standard input") : name) + ": larger than " +
                    std::to_string(maxBytes / (1024 * 1024)) + " MiB, too large to be read";
            ok = false;
            break;
        }
        text.append(buf, n);
        if (n < sizeof buf) break;
    }
    if (ok && std::ferror(f)) {
        error = name + ": could not be read";
        ok = false;
    }
    if (!standardInput) std::fclose(f);
    return ok;
}

}  // namespace trailcfg::cli
