// The fresh, empty temporary folder one scenario file runs in. It is removed
// with everything in it afterwards, read-only folders included, and the
// process's current directory is put back.
#pragma once

#include <filesystem>
#include <vector>

namespace trailcfg::scenario {

class WorkFolder {
public:
    WorkFolder();
    ~WorkFolder();
    WorkFolder(const WorkFolder&) = delete;
    WorkFolder& operator=(const WorkFolder&) = delete;

    // Empty when no folder could be made.
    const std::filesystem::path& path() const { return path_; }

    // Makes the folder impossible to write into as far as the platform
    // allows: permissions, and on Linux the immutable attribute, which stops
    // root too. Undone when the work folder goes.
    bool MakeReadOnly(const std::filesystem::path& folder);

private:
    std::filesystem::path path_;
    std::filesystem::path previousCwd_;
    std::vector<std::filesystem::path> readOnly_;
};

}  // namespace trailcfg::scenario
