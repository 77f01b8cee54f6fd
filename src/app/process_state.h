// The process-wide state the pages share, in one place. Every value lives for
// the whole run; ResetProcessState() gives a test process a fresh run.
#pragma once

#include <cstdint>

#include "camera/camera_menu.h"
#include "send/send_settings.h"

namespace trailcfg {

inline constexpr int kSavePathSize = 260;

// Shell (start page).
extern int g_iUiLanguage;   // 0 Simplified Chinese, 1 English
extern int g_iCameraModel;  // 0..3; 1 and 3 are the BASIC models
extern char g_szSavePath[kSavePathSize];
extern bool s_bFirstStart;  // the start page's first-start mark

// Navigation: the page to open once the page on screen has ended. A page that
// leaves names its successor here (OpenStartPage() and its siblings) and the
// application's loop opens it, so ended pages never stay on the stack.
enum class PageId : std::uint8_t { None, Start, CameraSetup, Parameter, Send };
extern PageId s_eNextPage;

// 3G configuration.
extern SendSettings g_sSendSet;
extern SendSettings g_sSendSetCopy;
extern GenTime sLastGenTime;
extern int g_bNoCmd22;
extern int s_bParamPageFirstOpen;
extern int s_bRefillCountryList;
extern int s_bShowFtpGroup;
// The parameter page's send-option list as the user left it. The page has
// ended while the send page is open, and Generate takes the option from here.
extern int s_iSendOptionChoice;

// Camera menu.
extern CameraMenu g_sMenuData;
extern MenuClock SaveClock;
extern bool s_bMenuPageFirstOpen;

void ResetProcessState();

inline bool IsBasicModel(int model) { return (model & ~2) == 1; }

}  // namespace trailcfg
