// CFG.BIN: the default record, the writer and the reader with its
// normalisation, dump and verification.
#pragma once

#include <cstdint>

#include "common/file_io.h"
#include "send_settings.h"

namespace trailcfg {

// On the process-wide g_sSendSet, in the save folder g_szSavePath.
void LoadSendDefaults();
void WriteSendSettings();
int ReadSendSettings(int verify);

// The same operations on any record and file, for the command-line tool and
// tests. `shownPath` is the GBK text the diagnostic lines print.
void MakeSendDefaults(SendSettings& out);
void EncodeCfgImage(const SendSettings& record, std::uint8_t (&image)[kSendSettingsSize]);
bool WriteCfgFile(const NativePath& file, const char* shownPath, const SendSettings& record);
int ReadCfgFile(const NativePath& file, const char* shownPath, SendSettings& record, int verify,
                const GenTime& lastGenTime);

// The path of CFG.BIN in the save folder, as the program shows it.
std::string CfgPathInSaveFolder();

}  // namespace trailcfg
