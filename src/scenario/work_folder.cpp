#include "work_folder.h"

#include "read_only_folder.h"

#include <cstdio>
#include <random>
#include <string>
#include <system_error>

namespace trailcfg::scenario {

namespace fs = std::filesystem;

WorkFolder::WorkFolder() {
    std::error_code ec;
    previousCwd_ = fs::current_path(ec);
    fs::path base = fs::temp_directory_path(ec);
    if (ec) return;
    std::random_device seed;
    std::mt19937_64 random(seed());
    for (int attempt = 0; attempt < 100; ++attempt) {
        fs::path candidate = base / ("trailcfg-scenario-" + std::to_string(random() % 1000000000));
        if (fs::create_directory(candidate, ec)) {
            // The program sees the folder through getcwd, which resolves links.
            path_ = fs::canonical(candidate, ec);
            if (ec) path_ = candidate;
            return;
        }
    }
}

WorkFolder::~WorkFolder() {
    std::error_code ec;
    if (!previousCwd_.empty()) fs::current_path(previousCwd_, ec);
    for (const fs::path& folder : readOnly_) UndoFolderReadOnly(folder);
    if (!path_.empty()) fs::remove_all(path_, ec);
}

bool WorkFolder::MakeReadOnly(const fs::path& folder) {
    std::error_code ec;
    if (!fs::is_directory(folder, ec)) return false;
    readOnly_.push_back(folder);
    // As far as the platform allows; a scenario that needs it unwritable
    // says so itself.
    MakeFolderReadOnly(folder);
    return true;
}

}  // namespace trailcfg::scenario
