// Temporary folders under the user's TEMP, and what a Windows file system
// allows of a read-only folder.
#include <windows.h>

#include <stdexcept>
#include <string>
#include <system_error>

#include "test_support.h"

namespace trailcfg::test {

namespace {

bool CanCreateIn(const std::filesystem::path& folder) {
    const std::filesystem::path probe = folder / L".trailcfg-probe";
    HANDLE file = CreateFileW(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_NORMAL | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    CloseHandle(file);
    return true;
}

}  // namespace

TempDir::TempDir() {
    std::error_code ec;
    const std::filesystem::path base = std::filesystem::temp_directory_path(ec);
    if (ec) throw std::runtime_error("no temporary folder");
    const unsigned long long seed = GetTickCount64() ^ (static_cast<unsigned long long>(GetCurrentProcessId()) << 32);
    for (unsigned attempt = 0; attempt < 1000; ++attempt) {
        const std::filesystem::path candidate = base / ("trailcfg-test-" + std::to_string(seed + attempt));
        if (CreateDirectoryW(candidate.c_str(), nullptr)) {
            path_ = candidate;
            return;
        }
        if (GetLastError() != ERROR_ALREADY_EXISTS) break;
    }
    throw std::runtime_error("cannot make a temporary folder");
}

TempDir::~TempDir() {
    std::error_code ec;
    for (auto it = std::filesystem::recursive_directory_iterator(path_, ec);
         !ec && it != std::filesystem::recursive_directory_iterator(); it.increment(ec))
        SetFileAttributesW(it->path().c_str(), FILE_ATTRIBUTE_NORMAL);
    std::filesystem::remove_all(path_, ec);
}

// Windows keeps the read-only attribute of a folder for the shell's own use
// and lets anyone create files in it; only an access control list would
// stop that, and Wine enforces none. So this reports honestly whether the
// folder became unwritable, and tests that need one skip where it did not.
bool MakeReadOnly(const std::filesystem::path& folder) {
    SetFileAttributesW(folder.c_str(), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY);
    return !CanCreateIn(folder);
}

void UndoReadOnly(const std::filesystem::path& folder) { SetFileAttributesW(folder.c_str(), FILE_ATTRIBUTE_DIRECTORY); }

}  // namespace trailcfg::test
