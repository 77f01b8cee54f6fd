// menu.dat: the default record, the writer and the reader with its clock
// verification.
#pragma once

#include <cstdint>
#include <string>

#include "camera_menu.h"
#include "common/file_io.h"
#include "common/record_file.h"

namespace trailcfg {

// On any record and file; the application runs them on its own record and
// save folder (app/state_files.h).
void MakeMenuDefaults(CameraMenu& out);
void EncodeMenuImage(const CameraMenu& record, std::uint8_t (&image)[kCameraMenuSize]);
// Stamps Flag in `record` only when the file was written.
bool WriteMenuFileAt(const NativePath& file, const char* shownPath, CameraMenu& record);
int ReadMenuFileAt(const NativePath& file, const char* shownPath, CameraMenu& record, const MenuClock& saveClock);
// Writes `record` and confirms it (WriteRecordVerified), the reader checking
// the record's own clock. Flag is stamped in `record` once the file is
// written; `readBack` gets what the reader loaded. The caller holds the
// card's `lock`.
VerifiedWrite WriteMenuFileVerified(const CardLock& lock, const NativePath& file, const char* shownPath,
                                    CameraMenu& record, CameraMenu& readBack);

}  // namespace trailcfg
