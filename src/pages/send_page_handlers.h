// What the send page does when it opens and when the user acts on it. The
// page object (send_page.cpp) only routes events here.
#pragma once

#include "platform/port.h"

namespace trailcfg::send_page {

// Fills the page from g_sSendSet, g_bNoCmd22 and g_szSavePath, and sets which
// controls the user may use.
void ShowSendPage(Dialog& dialog);

// A coordinate edit's text changed: keeps it within its range, warning about
// a value above it. False when `id` is not a coordinate edit.
bool CheckCoordinateEdit(Platform& platform, Dialog& dialog, int id);

void OnReceiverEmailLeft(Dialog& dialog);
void OnRemoteIntervalNotice(Dialog& dialog);
void OnNoCmd22Clicked(Dialog& dialog);
// Keeps the page's values for the parameter page (SendSetKeptForNextOpening)
// and goes back to it.
void OnPreviousPage(Dialog& dialog);

}  // namespace trailcfg::send_page
