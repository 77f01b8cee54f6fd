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
// How a page's write of a card file ended. Each write holds the card's lock
// throughout; a card another program kept is not written at all.
enum class CardWrite {
    Confirmed,     // written and read back from the card as written
    NotConfirmed,  // the reason is on standard output
    Busy,          // another program kept the card: nothing was written
};

// Generate: g_sSendSet written and confirmed (WriteCfgFileVerified).
// Confirmed only then, and g_sSendSet holds what the reader loaded. Otherwise it keeps
// what was written: a failed read-back may have loaded another file, or the
// zeroed record of a foreign one, and the next Generate would then write the
// old operator, outbox and FTP values without a word.
CardWrite WriteVerifiedSendSettings();
// The path of CFG.BIN in the save folder, as the program shows it.
std::string CfgPathInSaveFolder();

// menu.dat from g_sMenuData, verified against SaveClock.
void LoadMenuDefaults();
bool WriteMenuFile();
int ReadMenuFile();
// Generate and Default on Camera Setup: g_sMenuData written and confirmed
// (WriteMenuFileVerified). When that fails, g_sMenuData keeps what was
// written instead of what the reader found, so a bad card cannot replace the
// user's settings (the page has taken the values from its controls, and the
// bytes it never shows, Marker and Reserved, would come from the bad file).
CardWrite WriteVerifiedMenuFile();
std::string MenuPathInSaveFolder();

// A database operator's provisioning into g_sSendSet (MMS texts / 3G network
// texts). An index outside the tables copies nothing.
void FillMmsFromDatabase(int country, int op);
void Fill3GNetFromDatabase(int country, int op);

}  // namespace trailcfg
