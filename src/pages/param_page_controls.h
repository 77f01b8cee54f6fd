// The 3G parameter settings page (template 107): its control ids, the groups
// of controls that the send-option rules switch as a whole, and the input
// limits the page sets when it opens.
#pragma once

#include <span>

#include "platform/control_ids.h"
#include "platform/port.h"

namespace trailcfg::param {

// The page's controls by the names its layout rows give them.
using namespace ids::param;

inline constexpr int kMmsEdits[] = {kMmsUrlEdit,  kMmsApnEdit,     kMmsGatewayEdit,
                                    kMmsPortEdit, kMmsAccountEdit, kMmsPasswordEdit};
// Shown and hidden as a whole: the frame, the labels, the APN/CSD list and
// the edits.
inline constexpr int kMmsGroup[] = {
    kMmsFrame,   kMmsUrlLabel, kMmsGatewayLabel, kMmsPortLabel, kMmsAccountLabel, kMmsPasswordLabel, kMmsApnKindList,
    kMmsUrlEdit, kMmsApnEdit,  kMmsGatewayEdit,  kMmsPortEdit,  kMmsAccountEdit,  kMmsPasswordEdit};
inline constexpr int k3GEdits[] = {k3GApnEdit, k3GAccountEdit, k3GPasswordEdit};
// The account edit is not among them: it stays disabled throughout.
inline constexpr int kOutboxEdits[] = {kOutboxServerEdit, kOutboxPortEdit, kOutboxAddressEdit, kOutboxPasswordEdit};
inline constexpr int kFtpEdits[] = {kFtpServerEdit,   kFtpPortEdit,    kFtpUserEdit,
                                    kFtpPasswordEdit, kFtpDirTypeList, kFtpDirEdit};
// What choosing FTP empties on screen: the FTP texts, not the list.
inline constexpr int kFtpTextEdits[] = {kFtpServerEdit, kFtpPortEdit, kFtpUserEdit, kFtpPasswordEdit, kFtpDirEdit};
// Shown and hidden as a whole: the two frames, the labels and the edits.
inline constexpr int kFtpGroup[] = {kFtpFrame,         kFtpServerLabel,  kFtpPortLabel,   kFtpUserLabel,
                                    kFtpPasswordLabel, kFtpDirFrame,     kFtpServerEdit,  kFtpPortEdit,
                                    kFtpUserEdit,      kFtpPasswordEdit, kFtpDirTypeList, kFtpDirEdit};

inline void EnableAll(Dialog& dialog, std::span<const int> ids, bool enabled) {
    for (int id : ids) dialog.Enable(id, enabled);
}

inline void ShowAll(Dialog& dialog, std::span<const int> ids, bool visible) {
    for (int id : ids) dialog.Show(id, visible);
}

inline void MaskAll(Dialog& dialog, std::span<const int> ids, bool masked) {
    for (int id : ids) dialog.SetMasked(id, masked);
}

inline void EmptyAll(Dialog& dialog, std::span<const int> ids) {
    for (int id : ids) dialog.SetText(id, "");
}

}  // namespace trailcfg::param
