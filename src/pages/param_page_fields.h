// Which edit of the 3G parameter page shows which field of g_sSendSet, and
// the two ways between them: showing the record's values in the edits, and
// storing the edits' texts back (Next Page).
#pragma once

#include <cstddef>
#include <span>
#include <string_view>

#include "app/process_state.h"
#include "pages/param_page_controls.h"
#include "platform/port.h"

namespace trailcfg::param {

// An edit bound either to a text field (text, size) or to a port (number),
// and the GBK bytes it takes (limit), which the page sets when it opens.
struct EditField {
    int id;
    char* text;
    std::size_t size;
    LeI32* number;
    int limit;
};

// A text edit takes what its field holds, the terminator aside.
template <std::size_t N>
constexpr EditField TextField(int id, char (&text)[N]) {
    return {id, text, N, nullptr, static_cast<int>(N - 1)};
}

// A text edit held shorter than its field, for the reason its row gives.
template <int Limit, std::size_t N>
constexpr EditField ShorterTextField(int id, char (&text)[N]) {
    static_assert(Limit > 0 && Limit < static_cast<int>(N), "an edit takes no more than its field holds");
    return {id, text, N, nullptr, Limit};
}

// Port edits take eight digits, which the 32-bit field holds whatever they are.
constexpr EditField PortField(int id, LeI32& number) { return {id, nullptr, 0, &number, 8}; }

// In the order the page shows them: on the outbox the address comes before
// the account, so that the address's mirror is overwritten by the stored
// account name.
inline constexpr EditField kMmsFields[] = {
    TextField(kMmsUrlEdit, g_sSendSet.sMmsSet.szMmsUrl),
    TextField(kMmsApnEdit, g_sSendSet.sMmsSet.szMmsApn),
    TextField(kMmsGatewayEdit, g_sSendSet.sMmsSet.szMmsGateway),
    // Four digits, as the page has always taken them; the field has room for
    // nine, which files from elsewhere may fill.
    ShorterTextField<4>(kMmsPortEdit, g_sSendSet.sMmsSet.szMmsPort),
    TextField(kMmsAccountEdit, g_sSendSet.sMmsSet.szMmsAccount),
    TextField(kMmsPasswordEdit, g_sSendSet.sMmsSet.szMmsPassword),
};

inline constexpr EditField k3GFields[] = {
    TextField(k3GApnEdit, g_sSendSet.sSmtpSet.sz3GSmtpApN),
    TextField(k3GAccountEdit, g_sSendSet.sSmtpSet.sz3GSmtpAccount),
    TextField(k3GPasswordEdit, g_sSendSet.sSmtpSet.sz3GSmtpPassword),
};

inline constexpr EditField kOutboxFields[] = {
    TextField(kOutboxServerEdit, g_sSendSet.sSmtpSet.szServer),
    PortField(kOutboxPortEdit, g_sSendSet.sSmtpSet.iPort),
    TextField(kOutboxAddressEdit, g_sSendSet.sSmtpSet.szAddr),
    TextField(kOutboxAccountEdit, g_sSendSet.sSmtpSet.szUserName),
    TextField(kOutboxPasswordEdit, g_sSendSet.sSmtpSet.szPassword),
};

inline constexpr EditField kFtpFields[] = {
    TextField(kFtpServerEdit, g_sSendSet.sFtpSet.szServer), PortField(kFtpPortEdit, g_sSendSet.sFtpSet.iPort),
    TextField(kFtpUserEdit, g_sSendSet.sFtpSet.szUserName), TextField(kFtpPasswordEdit, g_sSendSet.sFtpSet.szPassword),
    TextField(kFtpDirEdit, g_sSendSet.sFtpSet.szFtpDir),
};

// Texts are shown up to their terminator or the field's end, whichever comes
// first (a file may hold a field without terminator); a port of 0 shows as
// an empty edit.
void ShowFields(Dialog& dialog, std::span<const EditField> fields);

// Each text is cut to its field's width minus one. A port edit without a
// digit leaves its number as it was.
void StoreFields(const Dialog& dialog, std::span<const EditField> fields);

// Empties the record's texts of those fields (ports stay as they are).
void ClearFields(std::span<const EditField> fields);

// Sets an edit to a text taken from the record (see FieldText).
void ShowText(Dialog& dialog, int id, std::string_view text);

}  // namespace trailcfg::param
