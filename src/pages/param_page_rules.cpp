#include "param_page_rules.h"

#include "app/process_state.h"
#include "app/send_hand_over.h"
#include "common/diag.h"
#include "common/text_copy.h"
#include "pages/param_page_controls.h"
#include "pages/param_page_fields.h"
#include "pages/param_page_operator.h"

namespace trailcfg::param {

namespace {

constexpr int kTopLists[] = {kOperatorModeList, kCountryList, kOperatorList};

bool RemoteOn() { return g_sSendSet.byRemoteSwitch == 1; }

// With remote control on, the outbox answers the remote commands, unless
// the send page's "Do not use 22,60,61 command" turns those answers off.
bool OutboxForRemote() { return RemoteOn() && g_bNoCmd22 == 0; }

void ShowChoice(Dialog& dialog) { ShowOperatorChoice(dialog, IsManualInput() ? 1 : 0); }

// Typed values may be changed, values from the database may not.
void EnableByMode(Dialog& dialog, std::span<const int> ids) { EnableAll(dialog, ids, IsManualInput()); }

void ShowBothGroups(Dialog& dialog) {
    s_bShowFtpGroup = 1;
    ShowAll(dialog, kMmsGroup, true);
    ShowAll(dialog, kFtpGroup, true);
}

void ApplyClose3G(Dialog& dialog) {
    // The three lists keep their contents and selections: a Next Page fills
    // from them as they stand.
    SelectSendOption(dialog, kSendByClose3G);
    EnableAll(dialog, kTopLists, false);
    EnableAll(dialog, kMmsEdits, false);
    EnableAll(dialog, k3GEdits, false);
    EnableAll(dialog, kOutboxEdits, false);
    EnableAll(dialog, kFtpEdits, false);
    ShowAll(dialog, kMmsGroup, true);
    ShowAll(dialog, kFtpGroup, s_bShowFtpGroup == 1);
}

void ApplyMms(Dialog& dialog) {
    dialog.Enable(kOperatorModeList, true);
    SelectSendOption(dialog, kSendByMms);
    ShowChoice(dialog);
    EnableByMode(dialog, kMmsEdits);
    ShowFields(dialog, kMmsFields);
    if (OutboxForRemote()) {
        EnableAll(dialog, kOutboxEdits, true);
        EnableByMode(dialog, k3GEdits);
        if (!IsManualInput()) Fill3GNetFromLists(dialog);
        ShowFields(dialog, k3GFields);
    } else {
        EnableAll(dialog, kOutboxEdits, false);
        EnableAll(dialog, k3GEdits, false);
    }
    ShowBothGroups(dialog);
    EnableAll(dialog, kFtpEdits, false);
}

void ApplyEmail(Dialog& dialog) {
    dialog.Enable(kOperatorModeList, true);
    SelectSendOption(dialog, kSendByEmail);
    if (RemoteOn()) {
        ShowChoice(dialog);
        EnableByMode(dialog, kMmsEdits);
        ShowFields(dialog, kMmsFields);
    } else {
        EnableAll(dialog, kMmsEdits, false);
    }
    EnableAll(dialog, kOutboxEdits, true);
    ShowChoice(dialog);
    EnableByMode(dialog, k3GEdits);
    ShowFields(dialog, k3GFields);
    EnableAll(dialog, kFtpEdits, false);
    ShowBothGroups(dialog);
}

void ApplyFtp(Dialog& dialog) {
    dialog.Enable(kOperatorModeList, true);
    SelectSendOption(dialog, kSendByFtp);
    ShowChoice(dialog);
    EnableByMode(dialog, k3GEdits);
    if (!IsManualInput()) Fill3GNetFromLists(dialog);
    ShowFields(dialog, k3GFields);
    if (RemoteOn()) {
        EnableAll(dialog, kOutboxEdits, g_bNoCmd22 == 0);
        EnableByMode(dialog, kMmsEdits);
        ShowFields(dialog, kMmsFields);
    } else {
        EnableAll(dialog, kOutboxEdits, false);
        EnableAll(dialog, kMmsEdits, false);
    }
    ShowBothGroups(dialog);
    EnableAll(dialog, kFtpEdits, true);

    FtpSettings& ftp = g_sSendSet.sFtpSet;
    if (ftp.iFtpDirType == 0) {
        CopyText(ftp.szFtpDir, "/");
        dialog.Enable(kFtpDirEdit, false);
    } else {
        dialog.Enable(kFtpDirEdit, true);
    }
    Diag("~~~SendBy=%d, DebugFlag=%d~~~\r\n", g_sSendSet.bySendBy, g_sSendSet.byDebugFlag);
    ShowFields(dialog, kFtpFields);
    dialog.SetLimit(kFtpPortEdit, 8);
    dialog.SetMasked(kFtpPortEdit, false);
    dialog.SetLimit(kFtpUserEdit, 48);
}

}  // namespace

void SelectSendOption(Dialog& dialog, int item) {
    dialog.ListSelect(kSendOptionList, item);
    KeepSendOptionChoice(dialog);
}

int ChosenSendOption(const Dialog& dialog) {
    int item = dialog.ListSelection(kSendOptionList);
    return item >= kSendByMms && item <= kSendByFtp ? item : kSendByClose3G;
}

void KeepSendOptionChoice(const Dialog& dialog) { KeepSendOption(ChosenSendOption(dialog)); }

void ApplySendOption(Dialog& dialog) {
    switch (g_sSendSet.bySendBy) {
        case kSendByMms:
            ApplyMms(dialog);
            break;
        case kSendByEmail:
            ApplyEmail(dialog);
            break;
        case kSendByFtp:
            ApplyFtp(dialog);
            break;
        default:
            ApplyClose3G(dialog);
            break;
    }
    bool fromDatabase = !IsManualInput();
    MaskAll(dialog, kMmsEdits, fromDatabase);
    MaskAll(dialog, k3GEdits, fromDatabase);
}

}  // namespace trailcfg::param
