// The send page's answers to the user, one function per action.
#include <cstddef>
#include <string>
#include <string_view>

#include "app/navigation.h"
#include "app/process_state.h"
#include "app/send_hand_over.h"
#include "common/diag.h"
#include "common/text_copy.h"
#include "pages/send_page_controls.h"
#include "pages/send_page_handlers.h"
#include "pages/send_page_rows.h"

namespace trailcfg::send_page {

void OnReceiverEmailLeft(Dialog& dialog) {
    // One character short of the field, as this has always been taken here;
    // Generate and Previous Page read the whole text again.
    constexpr std::size_t kTaken = sizeof g_sSendSet.szRemoteEmail - 2;
    std::string text = dialog.GetText(kRemoteEmail);
    CopyText(g_sSendSet.szRemoteEmail, std::string_view(text).substr(0, kTaken));
    Diag("# EN_KILLFOCUS, szRemoteEmail:%s\n", std::string(FieldText(g_sSendSet.szRemoteEmail)).c_str());
}

void OnRemoteIntervalNotice(Dialog& dialog) {
    EnableRemoteGroup(dialog, RemoteIntervalAt(dialog.ListSelection(kRemoteIntervalList)) != kRemoteIntervalOff);
}

void OnNoCmd22Clicked(Dialog& dialog) {
    g_bNoCmd22 = dialog.IsChecked(kNoCmd22Box) ? 1 : 0;
    dialog.Enable(kRemoteEmail, !g_bNoCmd22);
}

void OnPreviousPage(Dialog& dialog) {
    SendSettings& copy = SendSetKeptForNextOpening();
    StorePageRows(dialog, copy, Take::Everything);
    // The daily send time is not the page's to keep.
    copy.byDailySendTime = g_sSendSet.byDailySendTime;
    copy.byRemoteInterval = RemoteIntervalAt(dialog.ListSelection(kRemoteIntervalList));
    bool remoteOn = copy.byRemoteInterval != kRemoteIntervalOff && g_sSendSet.bySendBy != kSendByClose3G;
    copy.byRemoteSwitch = remoteOn ? 1 : 0;
    g_sSendSet.byRemoteSwitch = copy.byRemoteSwitch;

    dialog.End(0);
    OpenParameterPage();
}

}  // namespace trailcfg::send_page
