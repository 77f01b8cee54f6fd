// Generate's checks, on a record and nothing else: no page, no file, no box.
// The send page's Generate and the command-line tool run the same functions,
// so a configuration the one refuses the other refuses with the same message.
//
// Each check returns the message of its first refusal, or nothing when it
// passes. The checks read the record as Generate has collected it: the send
// option, recipients, remote-control fields and file name already in place.
#pragma once

#include <optional>
#include <string_view>

#include "send/generate_messages.h"
#include "send/send_settings.h"

namespace trailcfg {

using CheckResult = std::optional<GenerateMessage>;

// True when an "@" occurs and a "." somewhere after it. Nothing else is
// asked of an address: "@." passes, "" fails. The scan ends at the end of
// `text` or at a terminator, whichever comes first.
bool IsEmailLike(std::string_view text);

// Recipient i (0, 1 phone numbers; 2, 3 e-mail addresses) as the checks read
// it: uwRecpLen[i] characters, ending early at a terminator, never past the
// field.
std::string_view RecipientText(const SendSettings& s, int i);

// By bySendBy: MMS wants any recipient, Email an e-mail address; a given
// address must look like one (NeedRecipient, NeedEmail, BadEmail1,
// BadEmail2). Close 3G and FTP have no recipients to check.
CheckResult CheckRecipients(const SendSettings& s);

// With remote control on (byRemoteSwitch 1, any option but Close 3G): a remote
// phone number of 5 or more characters, and unless `noCmd22` a remote
// receiver address that looks like one (BadRemotePhone, BadRemoteEmail).
CheckResult CheckRemoteControl(const SendSettings& s, int noCmd22);

// Typed-in (manual country) MMS provisioning, when MMS is sent or remote
// control is on: URL, APN and gateway (NeedMmsUrl, NeedMmsApn,
// NeedMmsGateway). Database provisioning is not checked.
CheckResult CheckMmsParameters(const SendSettings& s);

// The data-network account a configuration needs. Outbox when sending e-mail,
// or with remote control on while the 22/60/61 commands are in use; else FTP
// when sending by FTP; else none. Only one chain is ever checked.
enum class DataChain { None, Outbox, Ftp };
DataChain ChooseDataChain(const SendSettings& s, int noCmd22);

// 3G APN, server, port, sender address, password (Need3GApn,
// NeedOutboxServer, NeedOutboxPort, BadOutboxAddress, NeedOutboxPassword).
// Prints ":: g_sSendSet.sSmtpSet.szServer[0]=<code>" first.
CheckResult CheckOutboxChain(const SendSettings& s);
// 3G APN, server, port, user name, password (Need3GApn, NeedFtpServer,
// NeedFtpPort, BadFtpAccount, NeedFtpPassword).
CheckResult CheckFtpChain(const SendSettings& s);
// The chain ChooseDataChain picks, or nothing.
CheckResult CheckDataNetwork(const SendSettings& s, int noCmd22);

// Every check in Generate's order: recipients, remote control, MMS
// provisioning, data network. The first refusal, or nothing.
CheckResult RunGenerateChecks(const SendSettings& s, int noCmd22);

}  // namespace trailcfg
