#include "send_hand_over.h"

#include <cstdint>

#include "app/process_state.h"

namespace trailcfg {

void KeepSendSetForNextOpening() { g_sSendSetCopy = g_sSendSet; }

void StartFromKeptSendSet() { g_sSendSet = g_sSendSetCopy; }

SendSettings& SendSetKeptForNextOpening() { return g_sSendSetCopy; }

void KeepSendOption(int option) { s_iSendOptionChoice = option; }

void TakeSendOptionChoice() {
    const int option = s_iSendOptionChoice;
    g_sSendSet.bySendBy = static_cast<std::uint8_t>(option >= kSendByClose3G && option <= kSendByFtp ? option : 0);
}

}  // namespace trailcfg
