#include "state_files.h"

#include "app/process_state.h"
#include "camera/menu_file.h"
#include "common/card_lock.h"
#include "common/diag.h"
#include "common/file_io.h"
#include "send/cfg_file.h"
#include "send/operator_db.h"

namespace trailcfg {

std::string CfgPathInSaveFolder() { return JoinSavePath(g_szSavePath, kCfgFileName); }

void LoadSendDefaults() { MakeSendDefaults(g_sSendSet); }

void WriteSendSettings() {
    std::string path = CfgPathInSaveFolder();
    WriteCfgFile(NativePathFromGbk(path), path.c_str(), g_sSendSet);
}

int ReadSendSettings(int verify) {
    std::string path = CfgPathInSaveFolder();
    return ReadCfgFile(NativePathFromGbk(path), path.c_str(), g_sSendSet, verify, sLastGenTime);
}

CardWrite WriteVerifiedSendSettings() {
    const std::string path = CfgPathInSaveFolder();
    const NativePath file = NativePathFromGbk(path);
    const CardLock lock(file);
    if (lock.Busy()) return CardWrite::Busy;
    const SendSettings collected = g_sSendSet;
    const VerifiedWrite result = WriteCfgFileVerified(lock, file, path.c_str(), collected, g_sSendSet);
    if (result == VerifiedWrite::Confirmed) return CardWrite::Confirmed;
    // Generate's lines have always gone on to what the card still holds.
    if (result == VerifiedWrite::NotWritten) ReadSendSettings(1);
    g_sSendSet = collected;
    return CardWrite::NotConfirmed;
}

std::string MenuPathInSaveFolder() { return JoinSavePath(g_szSavePath, kMenuFileName); }

void LoadMenuDefaults() { MakeMenuDefaults(g_sMenuData); }

bool WriteMenuFile() {
    std::string path = MenuPathInSaveFolder();
    return WriteMenuFileAt(NativePathFromGbk(path), path.c_str(), g_sMenuData);
}

int ReadMenuFile() {
    std::string path = MenuPathInSaveFolder();
    return ReadMenuFileAt(NativePathFromGbk(path), path.c_str(), g_sMenuData, SaveClock);
}

CardWrite WriteVerifiedMenuFile() {
    const std::string path = MenuPathInSaveFolder();
    const NativePath file = NativePathFromGbk(path);
    const CardLock lock(file);
    if (lock.Busy()) return CardWrite::Busy;
    CameraMenu read;
    if (WriteMenuFileVerified(lock, file, path.c_str(), g_sMenuData, read) != VerifiedWrite::Confirmed)
        return CardWrite::NotConfirmed;
    g_sMenuData = read;
    return CardWrite::Confirmed;
}

void FillMmsFromDatabase(int country, int op) {
    Diag("lCountrySel = %d, lrOperatorIndex = %d\n", country, op);
    CopyMmsProvisioning(g_sSendSet.sMmsSet, country, op);
}

void Fill3GNetFromDatabase(int country, int op) { CopyNetProvisioning(g_sSendSet.sSmtpSet, country, op); }

}  // namespace trailcfg
