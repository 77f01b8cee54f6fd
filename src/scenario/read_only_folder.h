// Making a folder impossible to write into, as far as this process can, for
// the scenarios and tests that check how the program takes a card it cannot
// write: plain permissions, and on Linux also the immutable attribute, since
// permissions do not stop root (who runs the tests in CI).
#pragma once

#include <filesystem>

namespace trailcfg {

// False when the folder can still be written into afterwards.
bool MakeFolderReadOnly(const std::filesystem::path& folder);
void UndoFolderReadOnly(const std::filesystem::path& folder);

}  // namespace trailcfg
