// CFG.BIN: the default record, the writer and the reader with its
// normalisation, dump and verification.
#pragma once

#include <cstdint>

#include "common/file_io.h"
#include "common/record_file.h"
#include "send_settings.h"

namespace trailcfg {

// On any record and file; the application runs them on its own record and
// save folder (app/state_files.h). `shownPath` is the GBK text the diagnostic lines print.
void MakeSendDefaults(SendSettings& out);
void EncodeCfgImage(const SendSettings& record, std::uint8_t (&image)[kSendSettingsSize]);
bool WriteCfgFile(const NativePath& file, const char* shownPath, const SendSettings& record);
int ReadCfgFile(const NativePath& file, const char* shownPath, SendSettings& record, int verify,
                const GenTime& lastGenTime);
// Writes `record` and confirms it (WriteRecordVerified), the reader checking
// the record's own time stamp. `readBack` gets what the reader loaded, as any
// read normalises it; it may be `record` itself. The caller holds the card's
// `lock`.
VerifiedWrite WriteCfgFileVerified(const CardLock& lock, const NativePath& file, const char* shownPath,
                                   const SendSettings& record, SendSettings& readBack);

}  // namespace trailcfg
