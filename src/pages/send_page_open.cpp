// Opening the send page: its texts, then g_sSendSet's values, then which
// controls the send option, the camera model and the remote control leave to
// the user.
#include <algorithm>
#include <span>
#include <string>

#include "app/process_state.h"
#include "binding/bound_controls.h"
#include "common/diag.h"
#include "pages/send_page_controls.h"
#include "pages/send_page_handlers.h"
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

void ApplyTexts(Dialog& dialog) {
    dialog.SetTitle(kTitleSendPage[g_iUiLanguage]);
    ApplyCaptions(dialog, kCaptions);
    for (const PageList& list : kLists) {
        AddListItems(dialog, list.id, std::span<const char* const>(list.items[g_iUiLanguage == 0 ? 0 : 1], list.count));
        dialog.ListSelect(list.id, 0);
    }
}

// Each edit's range check runs as its text is set, so a stored value out of
// range is clamped here, with the warning.
void ShowCoordinates(Dialog& dialog) {
    const std::uint8_t* record = RecordBytes(g_sSendSet);
    for (const CoordinateControls& c : kCoordinates) ShowBound(dialog, *c.dir, record);
    for (const CoordinateControls& c : kCoordinates) {
        const FieldBinding* const numbers[] = {c.degree, c.minute, c.second};
        ShowBound(dialog, numbers, record);
    }
}

// A recipient shows only with its length stored.
void ShowRecipients(Dialog& dialog) {
    for (int i = 0; i < 4; ++i)
        if (g_sSendSet.uwRecpLen[i] != 0) ShowBound(dialog, *kRecipients[i], RecordBytes(g_sSendSet));
}

void EnableBySendOption(Dialog& dialog) {
    const OptionControls& row = kByOption[std::min<int>(g_sSendSet.bySendBy, std::size(kByOption) - 1)];
    for (int i = 0; i < 4; ++i) dialog.Enable(kRecipients[i]->id, i < kRecipientPhones ? row.phones : row.emails);
    dialog.Enable(kImageSizeList, row.imageSize);
    if (row.thumbnailsOnly) g_sSendSet.bySendImgSize = 1;
    for (const CoordinateControls& c : kCoordinates)
        for (int id : {c.dir->id, c.degree->id, c.minute->id, c.second->id}) {
            dialog.Show(id, false);
            dialog.Enable(id, false);
        }
}

void ShowImageSizeAndLimit(Dialog& dialog) {
    dialog.ListSelect(kImageSizeRow.id, g_sSendSet.bySendImgSize == 1 ? 1 : 0);
    ShowBound(dialog, kMaxSentRow, RecordBytes(g_sSendSet));
    Diag(":: uwMaxSendImgNum=%d, Edit txt:%s\n", static_cast<int>(g_sSendSet.uwMaxSendImgNum),
         dialog.GetText(kMaxSentRow.id).c_str());
}

void ShowRemoteControl(Dialog& dialog) {
    dialog.ListSelect(kRemoteIntervalRow.id, RemoteIntervalPosition(g_sSendSet.byRemoteInterval));
    if (g_sSendSet.bySendBy == kSendByClose3G) dialog.Enable(kRemoteIntervalRow.id, false);
    // An empty field leaves its edit untouched.
    if (g_sSendSet.szRemotePhoneNum[0]) ShowBound(dialog, kRemotePhoneRow, RecordBytes(g_sSendSet));
    if (g_sSendSet.szRemoteEmail[0]) ShowBound(dialog, kRemoteEmailRow, RecordBytes(g_sSendSet));
}

// The camera only sends at once: the daily send time is neither shown nor
// kept.
void ShowSendMode(Dialog& dialog) {
    Diag(":: byDailySendTime = %d, bySendMode = %d\n", g_sSendSet.byDailySendTime, g_sSendSet.bySendMode);
    if (g_sSendSet.byDailySendTime > 23) g_sSendSet.byDailySendTime = 0;
    ShowBound(dialog, kDailyTimeRow, RecordBytes(g_sSendSet));
    if (g_sSendSet.bySendMode == 1) g_sSendSet.bySendMode = 0;
    dialog.ListSelect(kSendModeRow.id, 0);
    dialog.Enable(kDailyTimeRow.id, false);
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
    ApplyTexts(dialog);
    ShowCoordinates(dialog);
    ShowRecipients(dialog);
    EnableBySendOption(dialog);
    if (IsBasicModel(g_iCameraModel)) dialog.Enable(kImageSizeList, false);
    ShowImageSizeAndLimit(dialog);
    ShowRemoteControl(dialog);
    ShowSendMode(dialog);
    EnableRemoteControl(dialog);
    LockSendMode(dialog);
}

}  // namespace trailcfg::send_page
