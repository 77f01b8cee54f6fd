// Which edit of the 3G parameter page shows which field of g_sSendSet, by
// the fields' rows (binding/send_bindings.h), and the two ways between them:
// showing the record's values in the edits, and storing the edits' texts
// back (Next Page).
#pragma once

#include <span>
#include <string_view>

#include "binding/send_bindings.h"
#include "platform/port.h"

namespace trailcfg::param {

using FieldRows = std::span<const FieldBinding* const>;

// In the order the page shows them: on the outbox the address comes before
// the account, so that the address's mirror is overwritten by the stored
// account name.
inline constexpr const FieldBinding* kMmsFields[] = {
    &SendBinding("sMmsSet.szMmsUrl"),  &SendBinding("sMmsSet.szMmsApn"),     &SendBinding("sMmsSet.szMmsGateway"),
    &SendBinding("sMmsSet.szMmsPort"), &SendBinding("sMmsSet.szMmsAccount"), &SendBinding("sMmsSet.szMmsPassword"),
};

inline constexpr const FieldBinding* k3GFields[] = {
    &SendBinding("sSmtpSet.sz3GSmtpApN"),
    &SendBinding("sSmtpSet.sz3GSmtpAccount"),
    &SendBinding("sSmtpSet.sz3GSmtpPassword"),
};

inline constexpr const FieldBinding* kOutboxFields[] = {
    &SendBinding("sSmtpSet.szServer"),   &SendBinding("sSmtpSet.iPort"),      &SendBinding("sSmtpSet.szAddr"),
    &SendBinding("sSmtpSet.szUserName"), &SendBinding("sSmtpSet.szPassword"),
};

inline constexpr const FieldBinding* kFtpFields[] = {
    &SendBinding("sFtpSet.szServer"),   &SendBinding("sFtpSet.iPort"),    &SendBinding("sFtpSet.szUserName"),
    &SendBinding("sFtpSet.szPassword"), &SendBinding("sFtpSet.szFtpDir"),
};

// Texts are shown up to their terminator or the field's end, whichever comes
// first (a file may hold a field without terminator); a port of 0 shows as
// an empty edit.
void ShowFields(Dialog& dialog, FieldRows fields);

// Each text is cut to its field's width minus one. A port edit without a
// digit leaves its number as it was.
void StoreFields(const Dialog& dialog, FieldRows fields);

// Empties the record's texts of those fields (ports stay as they are).
void ClearFields(FieldRows fields);

// Sets an edit to a text taken from the record (see FieldText).
void ShowText(Dialog& dialog, int id, std::string_view text);

}  // namespace trailcfg::param
