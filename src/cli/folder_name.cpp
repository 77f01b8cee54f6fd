#include "folder_name.h"

#include <cctype>

#include "cli_common.h"

namespace trailcfg::cli {

namespace {

constexpr std::size_t kMaxNameBytes = 255;

bool IsDeviceName(std::string_view name) {
    std::string stem;
    for (char c : name.substr(0, name.find('.')))
        stem += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (stem == "CON" || stem == "PRN" || stem == "AUX" || stem == "NUL") return true;
    return stem.size() == 4 && (stem.starts_with("COM") || stem.starts_with("LPT")) && stem[3] >= '1' && stem[3] <= '9';
}

}  // namespace

bool CheckFolderName(std::string_view name, std::string& error) {
    if (name.empty()) {
        error = "the name is empty";
        return false;
    }
    if (name == "." || name == "..") {
        error = "\"" + std::string(name) + "\" names no folder of its own";
        return false;
    }
    if (name.size() > kMaxNameBytes) {
        error = "the name is longer than " + std::to_string(kMaxNameBytes) + " bytes";
        return false;
    }
    if (!IsValidUtf8(name)) {
        error = "the name is not valid UTF-8";
        return false;
    }
    for (char c : name) {
        const unsigned char u = static_cast<unsigned char>(c);
        if (c == '/' || c == '\\') {
            error = "the name \"" + std::string(name) + "\" holds a path separator; it must name one folder";
            return false;
        }
        if (u < 0x20 || u == 0x7F || std::string_view("<>:\"|?*").find(c) != std::string_view::npos) {
            error = "the name holds a character folder names cannot have (control characters, < > : \" | ? *)";
            return false;
        }
    }
    if (name.back() == ' ' || name.back() == '.') {
        error = "the name ends in a blank or a dot, which Windows drops";
        return false;
    }
    if (IsDeviceName(name)) {
        error = "\"" + std::string(name) + "\" is a device name on Windows";
        return false;
    }
    return true;
}

}  // namespace trailcfg::cli
