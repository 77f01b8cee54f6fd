#include "process_state.h"

#include <cstring>

namespace trailcfg {

// Initial values here and in ResetProcessState() are the same.
int g_iUiLanguage = 1;
int g_iCameraModel = 0;
char g_szSavePath[kSavePathSize] = "C:\\";
bool s_bFirstStart = true;
PageId s_eNextPage = PageId::None;

SendSettings g_sSendSet;
SendSettings g_sSendSetCopy;
GenTime sLastGenTime;
int g_bNoCmd22 = 0;
int s_bParamPageFirstOpen = 1;
int s_bRefillCountryList = 1;
int s_bShowFtpGroup = 0;
int s_iSendOptionChoice = 0;

CameraMenu g_sMenuData;
MenuClock SaveClock;
bool s_bMenuPageFirstOpen = true;

void ResetProcessState() {
    g_iUiLanguage = 1;
    g_iCameraModel = 0;
    std::memset(g_szSavePath, 0, sizeof g_szSavePath);
    std::strcpy(g_szSavePath, "C:\\");
    s_bFirstStart = true;
    s_eNextPage = PageId::None;

    std::memset(&g_sSendSet, 0, sizeof g_sSendSet);
    std::memset(&g_sSendSetCopy, 0, sizeof g_sSendSetCopy);
    std::memset(&sLastGenTime, 0, sizeof sLastGenTime);
    g_bNoCmd22 = 0;
    s_bParamPageFirstOpen = 1;
    s_bRefillCountryList = 1;
    s_bShowFtpGroup = 0;
    s_iSendOptionChoice = 0;

    std::memset(&g_sMenuData, 0, sizeof g_sMenuData);
    std::memset(&SaveClock, 0, sizeof SaveClock);
    s_bMenuPageFirstOpen = true;
}

}  // namespace trailcfg
