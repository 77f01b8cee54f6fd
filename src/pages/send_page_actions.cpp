// The send page's answers to the user, one function per action.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "app/navigation.h"
#include "app/process_state.h"
#include "app/send_hand_over.h"
#include "binding/bound_controls.h"
#include "common/diag.h"
#include "common/text_copy.h"
#include "pages/send_page_controls.h"
#include "pages/send_page_handlers.h"

namespace trailcfg::send_page {

void OnReceiverEmailLeft(Dialog& dialog) {
    // One character short of the field, as this has always been taken here;
    // Generate and Previous Page read the whole text again.
    constexpr std::size_t kTaken = sizeof g_sSendSet.szRemoteEmail - 2;
    std::string text = dialog.GetText(kRemoteEmailRow.id);
    CopyText(g_sSendSet.szRemoteEmail, std::string_view(text).substr(0, kTaken));
    Diag("# EN_KILLFOCUS, szRemoteEmail:%s\n", std::string(FieldText(g_sSendSet.szRemoteEmail)).c_str());
}

void OnRemoteIntervalNotice(Dialog& dialog) {
    EnableRemoteGroup(dialog, RemoteIntervalAt(dialog.ListSelection(kRemoteIntervalList)) != kRemoteIntervalOff);
}

void OnNoCmd22Clicked(Dialog& dialog) {
    g_bNoCmd22 = dialog.IsChecked(kNoCmd22Box) ? 1 : 0;
    dialog.Enable(kRemoteEmailRow.id, !g_bNoCmd22);
}

void OnPreviousPage(Dialog& dialog) {
    SendSettings& copy = SendSetKeptForNextOpening();
    std::uint8_t* record = RecordBytes(copy);
    for (int i = 0; i < 4; ++i)
        copy.uwRecpLen[i] = static_cast<std::uint16_t>(StoreBound(dialog, *kRecipients[i], record));
    for (const CoordinateControls& c : kCoordinates) {
        const FieldBinding* const rows[] = {c.dir, c.degree, c.minute, c.second};
        StoreBound(dialog, rows, record);
    }
    StoreBound(dialog, kImageSizeRow, record);
    StoreBound(dialog, kMaxSentRow, record);
    StoreBound(dialog, kSendModeRow, record);
    copy.byDailySendTime = g_sSendSet.byDailySendTime;

    copy.byRemoteInterval = RemoteIntervalAt(dialog.ListSelection(kRemoteIntervalRow.id));
    bool remoteOn = copy.byRemoteInterval != kRemoteIntervalOff && g_sSendSet.bySendBy != kSendByClose3G;
    copy.byRemoteSwitch = remoteOn ? 1 : 0;
    g_sSendSet.byRemoteSwitch = copy.byRemoteSwitch;
    StoreBound(dialog, kRemotePhoneRow, record);
    StoreBound(dialog, kRemoteEmailRow, record);

    dialog.End(0);
    OpenParameterPage();
}

}  // namespace trailcfg::send_page
