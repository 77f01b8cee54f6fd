// Opening the send page: its texts, then g_sSendSet's values through the
// page's rows, then which controls the send option, the camera model and the
// remote control leave to the user.
#include <algorithm>

#include "app/process_state.h"
#include "binding/bound_controls.h"
#include "common/diag.h"
#include "pages/send_page_controls.h"
#include "pages/send_page_handlers.h"
#include "pages/send_page_rows.h"
#include "platform/layout.h"
#include "rules/generate_rules.h"
#include "texts/send_page_texts.h"
#include "ui/apply_texts.h"
#include "ui/window_titles.h"

namespace trailcfg::send_page {

namespace {

// The save folder is no field: it takes 32 bytes.
constexpr int kSaveFolderLimit = 32;

// What the send option leaves to the user. MMS sends thumbnails only.
struct OptionControls {
    bool phones;
    bool emails;
    bool imageSize;
    bool thumbnailsOnly;
};

constexpr OptionControls kByOption[] = {
    {false, false, false, false},  // Close 3G; its remaining locks come with the remote control
    {true, true, false, true},     // MMS
    {false, true, true, false},    // Email
    {false, false, true, false},   // FTP
    {false, false, true, false},   // anything above, which only an old file can hold
};

const OptionControls& ForSendOption() {
    return kByOption[std::min<int>(g_sSendSet.bySendBy, std::size(kByOption) - 1)];
}

// The camera only sends at once: the daily send time is neither shown nor
// kept, and a daily send mode becomes an immediate one.
void SendAtOnceOnScreen() {
    if (g_sSendSet.byDailySendTime > 23) g_sSendSet.byDailySendTime = 0;
    if (g_sSendSet.bySendMode == 1) g_sSendSet.bySendMode = 0;
}

void EnableBySendOption(Dialog& dialog) {
    const OptionControls& option = ForSendOption();
    for (const Recipient& r : kRecipients)
        dialog.Enable(r.text->id, r.text->rule == TextRule::PhoneNumber ? option.phones : option.emails);
    dialog.Enable(kImageSizeList, option.imageSize);
    for (const CoordinateControls& c : kCoordinates)
        for (const FieldBinding* row : {c.dir, c.degree, c.minute, c.second}) {
            dialog.Show(row->id, false);
            dialog.Enable(row->id, false);
        }
}

// The list's interval decides the remote group; Close 3G sends nothing, so
// it also locks what is sent and switches remote control off on screen (the
// record keeps its interval).
void EnableRemoteControl(Dialog& dialog) {
    bool on = g_sSendSet.byRemoteInterval < kRemoteIntervalOff;
    g_sSendSet.byRemoteSwitch = on ? 1 : 0;
    EnableRemoteGroup(dialog, on);
    if (g_sSendSet.bySendBy != kSendByClose3G) return;
    for (int id : {kImageSizeList, kMaxSentEdit, kSendModeList, kDailyTimeList}) dialog.Enable(id, false);
    g_sSendSet.byRemoteSwitch = 0;
    dialog.ListSelect(kRemoteIntervalList, 0);
    EnableRemoteGroup(dialog, false);
}

void LockSendMode(Dialog& dialog) {
    dialog.Enable(kDailyTimeList, false);
    dialog.Enable(kDailyTimeLabel, false);
    dialog.Show(kDailyTimeList, false);
    dialog.Enable(kSendModeList, false);
}

}  // namespace

void ShowSendPage(Dialog& dialog) {
    dialog.SetSmallIcon(kIconApp);
    LimitEdits(dialog, kSendBindings, kTemplateSendPage);
    dialog.SetLimit(kSaveFolderEdit, kSaveFolderLimit);
    dialog.SetCheck(kNoCmd22Box, g_bNoCmd22 != 0);
    dialog.SetText(kSaveFolderEdit, g_szSavePath);
    dialog.SetTitle(kTitleSendPage[g_iUiLanguage]);
    ApplyCaptions(dialog, kCaptions);
    FillPageLists(dialog, g_iUiLanguage);

    // The trace shows what the record held before the page's rules.
    const int dailySendTime = g_sSendSet.byDailySendTime;
    const int sendMode = g_sSendSet.bySendMode;
    if (ForSendOption().thumbnailsOnly) g_sSendSet.bySendImgSize = 1;
    SendAtOnceOnScreen();
    // Each coordinate edit's range check runs as its text is set, so a
    // stored value out of range is clamped here, with the warning.
    ShowPageRows(dialog, g_sSendSet);
    Diag(":: uwMaxSendImgNum=%d, Edit txt:%s\n", static_cast<int>(g_sSendSet.uwMaxSendImgNum),
         dialog.GetText(kMaxSentEdit).c_str());
    Diag(":: byDailySendTime = %d, bySendMode = %d\n", dailySendTime, sendMode);

    EnableBySendOption(dialog);
    if (IsBasicModel(g_iCameraModel)) dialog.Enable(kImageSizeList, false);
    if (g_sSendSet.bySendBy == kSendByClose3G) dialog.Enable(kRemoteIntervalList, false);
    EnableRemoteControl(dialog);
    LockSendMode(dialog);
}

}  // namespace trailcfg::send_page
