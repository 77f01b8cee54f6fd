// Paths as std::filesystem::path, for the code that works with them (the
// command-line tool, the scenario runner, the tests); the desktop program
// itself names its files by NativePath only (see file_io.h).
#include "file_io.h"
#include "gbk_codec.h"

namespace trailcfg {

std::filesystem::path PathFromGbk(std::string_view gbk) { return std::filesystem::path(NativePathFromGbk(gbk)); }

std::string GbkFromPath(const std::filesystem::path& path) {
#ifdef _WIN32
    return WideToGbk(path.native());
#else
    return Utf8ToGbk(path.native());
#endif
}

bool CurrentDirectoryAsGbk(std::string& folder) {
    std::error_code ec;
    std::filesystem::path cwd = std::filesystem::current_path(ec);
    if (ec) return false;
    std::string gbk = GbkFromPath(cwd);
    if (PathFromGbk(gbk) != cwd) return false;
    folder = std::move(gbk);
    return true;
}

}  // namespace trailcfg
