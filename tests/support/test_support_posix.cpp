// Temporary and read-only folders on POSIX systems, the browser's in-memory
// file system included.
#include <unistd.h>

#include <cstdlib>
#include <stdexcept>
#include <string>
#include <system_error>

#include "scenario/read_only_folder.h"
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

bool MakeReadOnly(const std::filesystem::path& folder) { return MakeFolderReadOnly(folder); }

void UndoReadOnly(const std::filesystem::path& folder) { UndoFolderReadOnly(folder); }

}  // namespace trailcfg::test
