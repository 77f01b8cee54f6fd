// Temporary and read-only folders in the browser's in-memory file system,
// which keeps POSIX permissions (and has no immutable attribute to add).
#include <sys/stat.h>
#include <unistd.h>

#include <stdexcept>
#include <string>
#include <system_error>

#include "test_support.h"

namespace trailcfg::test {

TempDir::TempDir() {
    std::string tmpl = (std::filesystem::temp_directory_path() / "trailcfg-test-XXXXXX").string();
    if (!::mkdtemp(tmpl.data())) throw std::runtime_error("mkdtemp failed");
    path_ = tmpl;
}

TempDir::~TempDir() {
    std::error_code ec;
    for (auto it = std::filesystem::recursive_directory_iterator(path_, ec);
         !ec && it != std::filesystem::recursive_directory_iterator(); it.increment(ec))
        if (it->is_directory(ec)) UndoReadOnly(it->path());
    UndoReadOnly(path_);
    std::filesystem::remove_all(path_, ec);
}

bool MakeReadOnly(const std::filesystem::path& folder) {
    if (::chmod(folder.c_str(), 0555) != 0) return false;
    const std::filesystem::path probe = folder / ".trailcfg-probe";
    if (std::FILE* f = std::fopen(probe.c_str(), "wb")) {
        std::fclose(f);
        ::unlink(probe.c_str());
        return false;
    }
    return true;
}

void UndoReadOnly(const std::filesystem::path& folder) { ::chmod(folder.c_str(), 0755); }

}  // namespace trailcfg::test
