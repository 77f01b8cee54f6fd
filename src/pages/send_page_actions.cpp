// The send page's answers to the user, one function per action.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "app/navigation.h"
#include "app/process_state.h"
#include "app/send_hand_over.h"
#include "common/diag.h"
#include "pages/send_page_controls.h"
#include "pages/send_page_handlers.h"

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
    for (int i = 0; i < 4; ++i)
        copy.uwRecpLen[i] = static_cast<std::uint16_t>(StoreEditText(dialog, kRecipientEdits[i], copy.szRecp[i]));
    for (const CoordinateControls& c : kCoordinates) {
        Coordinate& value = copy.*c.field;
        StoreListPosition(dialog, c.dir, value.byDir);
        value.byDegree = static_cast<std::uint8_t>(ReadEditNumber(dialog, c.degree));
        value.byMinute = static_cast<std::uint8_t>(ReadEditNumber(dialog, c.minute));
        value.bySecond = static_cast<std::uint8_t>(ReadEditNumber(dialog, c.second));
    }
    StoreListPosition(dialog, kImageSizeList, copy.bySendImgSize);
    copy.uwMaxSendImgNum = static_cast<std::uint16_t>(ReadEditNumber(dialog, kMaxSentEdit));
    StoreListPosition(dialog, kSendModeList, copy.bySendMode);
    copy.byDailySendTime = g_sSendSet.byDailySendTime;

    copy.byRemoteInterval = RemoteIntervalAt(dialog.ListSelection(kRemoteIntervalList));
    bool remoteOn = copy.byRemoteInterval != kRemoteIntervalOff && g_sSendSet.bySendBy != kSendByClose3G;
    copy.byRemoteSwitch = remoteOn ? 1 : 0;
    g_sSendSet.byRemoteSwitch = copy.byRemoteSwitch;
    StoreEditText(dialog, kRemotePhone, copy.szRemotePhoneNum);
    StoreEditText(dialog, kRemoteEmail, copy.szRemoteEmail);

    dialog.End(0);
    OpenParameterPage();
}

}  // namespace trailcfg::send_page
