// The application's own record and save folder: the operations the pages run
// on the process-wide g_sSendSet and g_sMenuData, in g_szSavePath. The files'
// codecs themselves take any record (send/cfg_file.h, camera/menu_file.h).
#pragma once

#include <string>

namespace trailcfg {

// CFG.BIN from g_sSendSet, verified against sLastGenTime.
void LoadSendDefaults();
void WriteSendSettings();
int ReadSendSettings(int verify);
// The path of CFG.BIN in the save folder, as the program shows it.
std::string CfgPathInSaveFolder();

// menu.dat from g_sMenuData, verified against SaveClock.
void LoadMenuDefaults();
bool WriteMenuFile();
int ReadMenuFile();
std::string MenuPathInSaveFolder();

// A database operator's provisioning into g_sSendSet (MMS texts / 3G network
// texts). An index outside the tables copies nothing.
void FillMmsFromDatabase(int country, int op);
void Fill3GNetFromDatabase(int country, int op);

}  // namespace trailcfg
