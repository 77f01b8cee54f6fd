// The process-wide state the pages share, in one struct with its starting
// values. Every value lives for the whole run; ResetProcessState() gives a
// test process a fresh run. The names below the struct are the program's own:
// the pages, the scenario files and the JSON of the state use them.
#pragma once

#include <cstdint>

#include "camera/camera_menu.h"
#include "send/send_settings.h"

namespace trailcfg {

inline constexpr int kSavePathSize = 260;

// Navigation: the page to open once the page on screen has ended. A page that
// leaves names its successor here (OpenStartPage() and its siblings) and the
// application's loop opens it, so ended pages never stay on the stack.
enum class PageId : std::uint8_t { None, Start, CameraSetup, Parameter, Send };

struct ProcessState {
    // Shell (start page).
    int iUiLanguage = 1;   // 0 Simplified Chinese, 1 English
    int iCameraModel = 0;  // 0..3; 1 and 3 are the BASIC models
    char szSavePath[kSavePathSize] = "C:\\";
    bool bFirstStart = true;  // the start page's first-start mark
    PageId eNextPage = PageId::None;

    // 3G configuration.
    SendSettings sSendSet{};
    SendSettings sSendSetCopy{};  // the pages' values kept between openings (app/send_hand_over.h)
    GenTime sLastGenTime{};
    int bNoCmd22 = 0;
    int bParamPageFirstOpen = 1;
    int bRefillCountryList = 1;
    int bShowFtpGroup = 0;
    int iSendOptionChoice = 0;  // the send-option list as the user left it (app/send_hand_over.h)

    // Camera menu.
    CameraMenu sMenuData{};
    MenuClock SaveClock{};
    bool bMenuPageFirstOpen = true;
};

extern ProcessState g_processState;

// Shell.
inline constexpr int& g_iUiLanguage = g_processState.iUiLanguage;
inline constexpr int& g_iCameraModel = g_processState.iCameraModel;
inline constexpr char (&g_szSavePath)[kSavePathSize] = g_processState.szSavePath;
inline constexpr bool& s_bFirstStart = g_processState.bFirstStart;
inline constexpr PageId& s_eNextPage = g_processState.eNextPage;

// The 3G record, its copy and its stamp.
inline constexpr SendSettings& g_sSendSet = g_processState.sSendSet;
inline constexpr SendSettings& g_sSendSetCopy = g_processState.sSendSetCopy;
inline constexpr GenTime& sLastGenTime = g_processState.sLastGenTime;

// What the 3G pages remember between openings.
inline constexpr int& g_bNoCmd22 = g_processState.bNoCmd22;
inline constexpr int& s_bParamPageFirstOpen = g_processState.bParamPageFirstOpen;
inline constexpr int& s_bRefillCountryList = g_processState.bRefillCountryList;
inline constexpr int& s_bShowFtpGroup = g_processState.bShowFtpGroup;
inline constexpr int& s_iSendOptionChoice = g_processState.iSendOptionChoice;

// Camera menu.
inline constexpr CameraMenu& g_sMenuData = g_processState.sMenuData;
inline constexpr MenuClock& SaveClock = g_processState.SaveClock;
inline constexpr bool& s_bMenuPageFirstOpen = g_processState.bMenuPageFirstOpen;

// Every value back to its starting value above.
void ResetProcessState();

inline bool IsBasicModel(int model) { return (model & ~2) == 1; }

}  // namespace trailcfg
