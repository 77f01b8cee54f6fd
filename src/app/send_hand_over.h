// How the two 3G pages hand the record over. They are never open together:
// each leaves what it has in the process state when it ends, and the other
// starts from there. g_sSendSet is the record the open page works on,
// g_sSendSetCopy what the parameter page starts from at every opening after
// the first, s_iSendOptionChoice the parameter page's send-option list as the
// user left it, which Generate takes.
#pragma once

#include "send/send_settings.h"

namespace trailcfg {

// The parameter page as it ends: g_sSendSetCopy takes g_sSendSet.
void KeepSendSetForNextOpening();
// The parameter page opening again: g_sSendSet takes g_sSendSetCopy.
void StartFromKeptSendSet();
// The send page going back: what it keeps goes into g_sSendSetCopy.
SendSettings& SendSetKeptForNextOpening();

// The send-option list's choice, wherever the list may have changed.
void KeepSendOption(int option);
// Generate: the kept choice into g_sSendSet.bySendBy; one the pages do not
// offer becomes Close 3G.
void TakeSendOptionChoice();

}  // namespace trailcfg
