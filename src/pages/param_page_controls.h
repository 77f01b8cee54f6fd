// The 3G parameter settings page (template 107): its control ids, the groups
// of controls that the send-option rules switch as a whole, and the input
// limits the page sets when it opens.
#pragma once

#include <span>

#include "platform/port.h"

namespace trailcfg::param {

// The two lists at the top and the operator choice.
inline constexpr int kSendOptionList = 40014;
inline constexpr int kOperatorModeList = 40073;  // 0 database, 1 manual input
inline constexpr int kCountryList = 40000;
inline constexpr int kOperatorList = 40031;

// MMS parameters. The APN/CSD list only stands in for the APN edit's label.
inline constexpr int kMmsApnKindList = 40034;
inline constexpr int kMmsUrlEdit = 40035;
inline constexpr int kMmsApnEdit = 40036;
inline constexpr int kMmsGatewayEdit = 40038;
inline constexpr int kMmsPortEdit = 40040;
inline constexpr int kMmsAccountEdit = 40042;
inline constexpr int kMmsPasswordEdit = 40044;

// FTP settings.
inline constexpr int kFtpServerEdit = 40007;
inline constexpr int kFtpPortEdit = 40015;
inline constexpr int kFtpUserEdit = 40012;
inline constexpr int kFtpPasswordEdit = 40010;
inline constexpr int kFtpDirTypeList = 40016;  // 0 root, 1 specified
inline constexpr int kFtpDirEdit = 40017;

// 3G network (data) account.
inline constexpr int k3GApnEdit = 40080;
inline constexpr int k3GAccountEdit = 40075;
inline constexpr int k3GPasswordEdit = 40077;

// Outbox. The account edit is never enabled: it mirrors the address.
inline constexpr int kOutboxServerEdit = 40052;
inline constexpr int kOutboxPortEdit = 40053;
inline constexpr int kOutboxAddressEdit = 40054;
inline constexpr int kOutboxAccountLabel = 40051;
inline constexpr int kOutboxAccountEdit = 40055;
inline constexpr int kOutboxPasswordEdit = 40056;

inline constexpr int kNextPageButton = 40082;

// Controls of the template that no user ever sees: a factory-debug switch,
// a language list and a version label from an earlier layout.
inline constexpr int kFactoryDebugCheck = 40021;
inline constexpr int kFactoryDebugLabel = 40003;
inline constexpr int kDirPortLabel = 40020;
inline constexpr int kHiddenLanguageList = 40004;
inline constexpr int kHiddenVersionLabel = 40002;

inline constexpr int kMmsEdits[] = {kMmsUrlEdit,  kMmsApnEdit,     kMmsGatewayEdit,
                                    kMmsPortEdit, kMmsAccountEdit, kMmsPasswordEdit};
// Shown and hidden as a whole: the frame, the labels, the APN/CSD list and
// the edits.
inline constexpr int kMmsGroup[] = {40026,        40033,           40037,           40039,       40041,
                                    40043,        kMmsApnKindList, kMmsUrlEdit,     kMmsApnEdit, kMmsGatewayEdit,
                                    kMmsPortEdit, kMmsAccountEdit, kMmsPasswordEdit};
inline constexpr int k3GEdits[] = {k3GApnEdit, k3GAccountEdit, k3GPasswordEdit};
// The account edit 40055 is not among them: it stays disabled throughout.
inline constexpr int kOutboxEdits[] = {kOutboxServerEdit, kOutboxPortEdit, kOutboxAddressEdit, kOutboxPasswordEdit};
inline constexpr int kFtpEdits[] = {kFtpServerEdit,   kFtpPortEdit,    kFtpUserEdit,
                                    kFtpPasswordEdit, kFtpDirTypeList, kFtpDirEdit};
// What choosing FTP empties on screen: the FTP texts, not the list.
inline constexpr int kFtpTextEdits[] = {kFtpServerEdit, kFtpPortEdit, kFtpUserEdit, kFtpPasswordEdit, kFtpDirEdit};
// Shown and hidden as a whole: the two frames, the labels and the edits.
inline constexpr int kFtpGroup[] = {40005,           40006,          40013,        40008,        40009,
                                    40011,           kFtpServerEdit, kFtpPortEdit, kFtpUserEdit, kFtpPasswordEdit,
                                    kFtpDirTypeList, kFtpDirEdit};

struct EditLimit {
    int id;
    int chars;
};

// Each limit keeps a typed text one byte short of its record field.
inline constexpr EditLimit kEditLimits[] = {
    {kMmsUrlEdit, 60},        {kMmsApnEdit, 60},        {kMmsGatewayEdit, 16},     {kMmsPortEdit, 4},
    {kMmsAccountEdit, 32},    {kMmsPasswordEdit, 32},   {kFtpServerEdit, 60},      {kFtpPortEdit, 8},
    {kFtpUserEdit, 48},       {kFtpPasswordEdit, 32},   {kFtpDirEdit, 32},         {k3GApnEdit, 60},
    {k3GAccountEdit, 32},     {k3GPasswordEdit, 32},    {kOutboxServerEdit, 60},   {kOutboxPortEdit, 8},
    {kOutboxAddressEdit, 48}, {kOutboxAccountEdit, 48}, {kOutboxPasswordEdit, 32},
};

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
