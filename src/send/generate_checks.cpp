#include "generate_checks.h"

#include <cstddef>

#include "common/diag.h"
#include "common/text_copy.h"

namespace trailcfg {

namespace {

constexpr int kPhone1 = 0, kPhone2 = 1, kEmail1 = 2, kEmail2 = 3;
constexpr std::size_t kMinRemotePhoneChars = 5;
// Country positions above this are typed in by hand.
constexpr std::uint8_t kLastDatabaseCountry = 42;

template <std::size_t N>
bool IsEmpty(const char (&field)[N]) {
    return field[0] == '\0';
}

// An address that is given must look like one; an empty one is left to the
// "at least one" rules.
CheckResult CheckGivenAddresses(const SendSettings& s) {
    if (!RecipientText(s, kEmail1).empty() && !IsEmailLike(RecipientText(s, kEmail1)))
        return GenerateMessage::BadEmail1;
    if (!RecipientText(s, kEmail2).empty() && !IsEmailLike(RecipientText(s, kEmail2)))
        return GenerateMessage::BadEmail2;
    return std::nullopt;
}

}  // namespace

bool IsEmailLike(std::string_view text) {
    bool sawAt = false;
    for (char c : text) {
        if (c == '\0') break;
        if (c == '@')
            sawAt = true;
        else if (c == '.' && sawAt)
            return true;
    }
    return false;
}

std::string_view RecipientText(const SendSettings& s, int i) {
    std::size_t n = s.uwRecpLen[i];
    std::size_t length = TextLength(s.szRecp[i]);
    return std::string_view(s.szRecp[i], n < length ? n : length);
}

CheckResult CheckRecipients(const SendSettings& s) {
    switch (s.bySendBy) {
        case kSendByMms:
            if (RecipientText(s, kPhone1).empty() && RecipientText(s, kPhone2).empty() &&
                RecipientText(s, kEmail1).empty() && RecipientText(s, kEmail2).empty())
                return GenerateMessage::NeedRecipient;
            return CheckGivenAddresses(s);
        case kSendByEmail:
            if (RecipientText(s, kEmail1).empty() && RecipientText(s, kEmail2).empty())
                return GenerateMessage::NeedEmail;
            return CheckGivenAddresses(s);
        default:
            return std::nullopt;
    }
}

CheckResult CheckRemoteControl(const SendSettings& s, int noCmd22) {
    if (s.bySendBy == kSendByClose3G || s.byRemoteSwitch != 1) return std::nullopt;
    if (TextLength(s.szRemotePhoneNum) < kMinRemotePhoneChars) return GenerateMessage::BadRemotePhone;
    if (!noCmd22 && !IsEmailLike(FieldText(s.szRemoteEmail))) return GenerateMessage::BadRemoteEmail;
    return std::nullopt;
}

CheckResult CheckMmsParameters(const SendSettings& s) {
    if (s.byOperatorCountry <= kLastDatabaseCountry) return std::nullopt;
    if (s.bySendBy != kSendByMms && s.byRemoteSwitch != 1) return std::nullopt;
    const MmsSettings& m = s.sMmsSet;
    if (IsEmpty(m.szMmsUrl)) return GenerateMessage::NeedMmsUrl;
    if (IsEmpty(m.szMmsApn)) return GenerateMessage::NeedMmsApn;
    if (IsEmpty(m.szMmsGateway)) return GenerateMessage::NeedMmsGateway;
    return std::nullopt;
}

DataChain ChooseDataChain(const SendSettings& s, int noCmd22) {
    if (s.bySendBy == kSendByEmail || (s.byRemoteSwitch == 1 && !noCmd22)) return DataChain::Outbox;
    if (s.bySendBy == kSendByFtp) return DataChain::Ftp;
    return DataChain::None;
}

CheckResult CheckOutboxChain(const SendSettings& s) {
    const SmtpSettings& t = s.sSmtpSet;
    // The code as a signed char, as the camera tools have always printed it.
    Diag(":: g_sSendSet.sSmtpSet.szServer[0]=%d\n", static_cast<int>(static_cast<signed char>(t.szServer[0])));
    if (IsEmpty(t.sz3GSmtpApN)) return GenerateMessage::Need3GApn;
    if (IsEmpty(t.szServer)) return GenerateMessage::NeedOutboxServer;
    if (t.iPort == 0) return GenerateMessage::NeedOutboxPort;
    if (!IsEmailLike(FieldText(t.szAddr))) return GenerateMessage::BadOutboxAddress;
    if (IsEmpty(t.szPassword)) return GenerateMessage::NeedOutboxPassword;
    return std::nullopt;
}

CheckResult CheckFtpChain(const SendSettings& s) {
    const FtpSettings& f = s.sFtpSet;
    if (IsEmpty(s.sSmtpSet.sz3GSmtpApN)) return GenerateMessage::Need3GApn;
    if (IsEmpty(f.szServer)) return GenerateMessage::NeedFtpServer;
    if (f.iPort == 0) return GenerateMessage::NeedFtpPort;
    if (IsEmpty(f.szUserName)) return GenerateMessage::BadFtpAccount;
    if (IsEmpty(f.szPassword)) return GenerateMessage::NeedFtpPassword;
    return std::nullopt;
}

CheckResult CheckDataNetwork(const SendSettings& s, int noCmd22) {
    switch (ChooseDataChain(s, noCmd22)) {
        case DataChain::Outbox:
            return CheckOutboxChain(s);
        case DataChain::Ftp:
            return CheckFtpChain(s);
        case DataChain::None:
            break;
    }
    return std::nullopt;
}

CheckResult RunGenerateChecks(const SendSettings& s, int noCmd22) {
    if (CheckResult r = CheckRecipients(s)) return r;
    if (CheckResult r = CheckRemoteControl(s, noCmd22)) return r;
    if (CheckResult r = CheckMmsParameters(s)) return r;
    return CheckDataNetwork(s, noCmd22);
}

}  // namespace trailcfg
