// What Generate tells the user: one text per refused check, and the success
// text, each in both interface languages.
#pragma once

#include <cstdint>

#include "common/text_pair.h"

namespace trailcfg {

// In the order of the table in generate_messages.cpp.
enum class GenerateMessage : std::uint8_t {
    NeedEmail,
    BadEmail1,
    BadEmail2,
    NeedRecipient,
    BadRemotePhone,
    BadRemoteEmail,
    NeedMmsUrl,
    NeedMmsApn,
    NeedMmsGateway,
    Need3GApn,
    NeedOutboxServer,
    NeedOutboxPort,
    BadOutboxAddress,
    NeedOutboxPassword,
    NeedFtpServer,
    NeedFtpPort,
    BadFtpAccount,
    NeedFtpPassword,
    Success,
};

inline constexpr int kGenerateMessageCount = static_cast<int>(GenerateMessage::Success) + 1;

// The box text by language ("\r\n" breaks the line inside the box).
const TextPair& GenerateMessageText(GenerateMessage message);
// The message's name as written above ("BadEmail1"), for reports.
const char* GenerateMessageName(GenerateMessage message);
// The CFG.BIN fields a refusal is about, by their names in the record's field
// table, separated by ", " ("szRecp[2], szRecp[3]"); "" for Success. A script
// that is refused learns from them what to change.
const char* GenerateMessageFields(GenerateMessage message);

}  // namespace trailcfg
