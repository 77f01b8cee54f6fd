// Generate's checks on plain records: the e-mail rule, the recipients by
// send option, remote control, typed-in MMS settings, the choice between the
// outbox and the FTP account, and the order in which refusals are reported.
#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>

#include "common/field_table.h"
#include "common/text_copy.h"
#include "send/cfg_file.h"
#include "send/generate_checks.h"
#include "test_support.h"

namespace trailcfg {
namespace {

using M = GenerateMessage;

std::string Describe(CheckResult r) { return r ? GenerateMessageName(*r) : "passes"; }

#define EXPECT_CHECK(result, expected) EXPECT_EQ(Describe(result), Describe(expected))

// A record as Generate leaves it before the checks: the defaults, with the
// send option and the recipients as given.
SendSettings Collected(std::uint8_t option) {
    SendSettings s;
    MakeSendDefaults(s);
    s.bySendBy = option;
    return s;
}

void SetRecipient(SendSettings& s, int i, const char* text) {
    CopyText(s.szRecp[i], text);
    s.uwRecpLen[i] = static_cast<std::uint16_t>(std::strlen(text));
}

void RemoteOn(SendSettings& s) {
    s.byRemoteInterval = 0;
    s.byRemoteSwitch = 1;
}

TEST(IsEmailLike, WantsOnlyAnAtWithADotSomewhereAfterIt) {
    struct Case {
        std::string_view text;
        bool passes;
    };
    const Case cases[] = {
        {"a@b.c", true},    {"@.", true},
        {"a@b@c.d", true},  {"@@.", true},
        {"x@.y", true},     {"name with spaces@host.", true},
        {"", false},        {"a.b@c", false},  // every dot before the "@"
        {"a@b", false},     {".@", false},
        {"abc.def", false}, {std::string_view("a@b\0.c", 6), false},  // the terminator ends the text
    };
    for (const Case& c : cases) EXPECT_EQ(IsEmailLike(c.text), c.passes) << '"' << c.text << '"';
}

TEST(RecipientText, ReadsTheStoredLengthButNeverPastTheTextOrTheField) {
    SendSettings s = Collected(kSendByEmail);
    CopyText(s.szRecp[2], "a@b.c");
    s.uwRecpLen[2] = 3;
    EXPECT_EQ(RecipientText(s, 2), "a@b");
    s.uwRecpLen[2] = 40;
    EXPECT_EQ(RecipientText(s, 2), "a@b.c");
    s.uwRecpLen[2] = 0;
    EXPECT_EQ(RecipientText(s, 2), "");

    // A file's field without a terminator.
    std::memset(s.szRecp[3], 'x', sizeof s.szRecp[3]);
    s.uwRecpLen[3] = 60000;
    EXPECT_EQ(RecipientText(s, 3).size(), sizeof s.szRecp[3]);
}

TEST(CheckRecipients, AsksByTheSendOption) {
    struct Case {
        std::uint8_t option;
        const char* recipients[4];
        CheckResult expected;
    };
    const Case cases[] = {
        {kSendByMms, {"", "", "", ""}, M::NeedRecipient},
        {kSendByMms, {"", "5551", "", ""}, std::nullopt},  // phone numbers are not looked at
        {kSendByMms, {"abc", "", "", ""}, std::nullopt},
        {kSendByMms, {"", "", "a.b@c", ""}, M::BadEmail1},
        {kSendByMms, {"1", "", "a@b.c", "@"}, M::BadEmail2},
        {kSendByMms, {"", "", "bad", "bad"}, M::BadEmail1},
        {kSendByEmail, {"123", "456", "", ""}, M::NeedEmail},
        {kSendByEmail, {"", "", "a@b.c", ""}, std::nullopt},
        {kSendByEmail, {"", "", "", "a@b"}, M::BadEmail2},
        {kSendByEmail, {"", "", "", "@."}, std::nullopt},
        {kSendByEmail, {"", "", "x", "y"}, M::BadEmail1},
        {kSendByClose3G, {"", "", "bad", ""}, std::nullopt},
        {kSendByFtp, {"", "", "bad", "bad"}, std::nullopt},
    };
    for (const Case& c : cases) {
        SendSettings s = Collected(c.option);
        for (int i = 0; i < 4; ++i) SetRecipient(s, i, c.recipients[i]);
        SCOPED_TRACE(testing::Message() << "option " << int(c.option) << ": " << c.recipients[0] << "|"
                                        << c.recipients[1] << "|" << c.recipients[2] << "|" << c.recipients[3]);
        EXPECT_CHECK(CheckRecipients(s), c.expected);
    }
}

TEST(CheckRecipients, CountsAnAddressAsItsStoredLength) {
    SendSettings s = Collected(kSendByEmail);
    CopyText(s.szRecp[2], "a@b.c");
    s.uwRecpLen[2] = 0;
    EXPECT_CHECK(CheckRecipients(s), M::NeedEmail);
    s.uwRecpLen[2] = 3;  // "a@b": the dot lies beyond the length
    EXPECT_CHECK(CheckRecipients(s), M::BadEmail1);
    s.uwRecpLen[2] = 5;
    EXPECT_CHECK(CheckRecipients(s), std::nullopt);
}

TEST(CheckRemoteControl, WantsAFiveCharacterPhoneAndAReceiverUnlessTheCommandsAreOff) {
    SendSettings s = Collected(kSendByMms);
    EXPECT_CHECK(CheckRemoteControl(s, 0), std::nullopt);  // remote control off

    RemoteOn(s);
    EXPECT_CHECK(CheckRemoteControl(s, 0), M::BadRemotePhone);
    CopyText(s.szRemotePhoneNum, "+861");
    EXPECT_CHECK(CheckRemoteControl(s, 0), M::BadRemotePhone);
    CopyText(s.szRemotePhoneNum, "+8613");
    EXPECT_CHECK(CheckRemoteControl(s, 0), M::BadRemoteEmail);
    EXPECT_CHECK(CheckRemoteControl(s, 1), std::nullopt);
    CopyText(s.szRemoteEmail, "r@x");
    EXPECT_CHECK(CheckRemoteControl(s, 0), M::BadRemoteEmail);
    CopyText(s.szRemoteEmail, "r@x.y");
    EXPECT_CHECK(CheckRemoteControl(s, 0), std::nullopt);

    // Close 3G asks nothing of remote control, whatever the switch says.
    SendSettings closed = Collected(kSendByClose3G);
    RemoteOn(closed);
    EXPECT_CHECK(CheckRemoteControl(closed, 0), std::nullopt);
}

TEST(CheckMmsParameters, AsksOnlyForTypedInSettingsThatAreUsed) {
    SendSettings s = Collected(kSendByMms);
    s.byOperatorCountry = 42;  // the last database country
    EXPECT_CHECK(CheckMmsParameters(s), std::nullopt);

    s.byOperatorCountry = kManualCountry;
    EXPECT_CHECK(CheckMmsParameters(s), M::NeedMmsUrl);
    CopyText(s.sMmsSet.szMmsUrl, "http://mms");
    EXPECT_CHECK(CheckMmsParameters(s), M::NeedMmsApn);
    CopyText(s.sMmsSet.szMmsApn, "mms");
    EXPECT_CHECK(CheckMmsParameters(s), M::NeedMmsGateway);
    CopyText(s.sMmsSet.szMmsGateway, "10.0.0.172");
    EXPECT_CHECK(CheckMmsParameters(s), std::nullopt);  // port, account, password may stay empty

    SendSettings email = Collected(kSendByEmail);
    email.byOperatorCountry = kManualCountry;
    EXPECT_CHECK(CheckMmsParameters(email), std::nullopt);
    RemoteOn(email);
    EXPECT_CHECK(CheckMmsParameters(email), M::NeedMmsUrl);
}

TEST(ChooseDataChain, OutboxForEmailAndForRemoteCommandsThenFtp) {
    struct Case {
        std::uint8_t option;
        int remote;
        int noCmd22;
        DataChain expected;
    };
    const Case cases[] = {
        {kSendByClose3G, 0, 0, DataChain::None}, {kSendByClose3G, 1, 0, DataChain::Outbox},
        {kSendByClose3G, 1, 1, DataChain::None}, {kSendByMms, 0, 0, DataChain::None},
        {kSendByMms, 1, 0, DataChain::Outbox},   {kSendByMms, 1, 1, DataChain::None},
        {kSendByEmail, 0, 0, DataChain::Outbox}, {kSendByEmail, 0, 1, DataChain::Outbox},
        {kSendByEmail, 1, 1, DataChain::Outbox}, {kSendByFtp, 0, 0, DataChain::Ftp},
        {kSendByFtp, 0, 1, DataChain::Ftp},      {kSendByFtp, 1, 0, DataChain::Outbox},
        {kSendByFtp, 1, 1, DataChain::Ftp},
    };
    for (const Case& c : cases) {
        SendSettings s = Collected(c.option);
        s.byRemoteSwitch = static_cast<std::uint8_t>(c.remote);
        EXPECT_EQ(ChooseDataChain(s, c.noCmd22), c.expected)
            << "option " << int(c.option) << ", remote " << c.remote << ", noCmd22 " << c.noCmd22;
    }
}

TEST(CheckOutboxChain, ChecksInOrderAndPrintsTheServersFirstCharacter) {
    test::DiagCapture output;
    SendSettings s = Collected(kSendByEmail);
    CopyText(s.sSmtpSet.szAddr, "me@mail.com");
    CopyText(s.sSmtpSet.szPassword, "pw");
    s.sSmtpSet.iPort = 25;
    EXPECT_CHECK(CheckOutboxChain(s), M::Need3GApn);
    EXPECT_EQ(output.text(), ":: g_sSendSet.sSmtpSet.szServer[0]=0\n");
    CopyText(s.sSmtpSet.sz3GSmtpApN, "internet");
    EXPECT_CHECK(CheckOutboxChain(s), M::NeedOutboxServer);
    CopyText(s.sSmtpSet.szServer, "smtp.mail.com");
    s.sSmtpSet.iPort = 0;
    EXPECT_CHECK(CheckOutboxChain(s), M::NeedOutboxPort);
    s.sSmtpSet.iPort = -1;  // any port but 0 will do
    CopyText(s.sSmtpSet.szAddr, "me@mail");
    EXPECT_CHECK(CheckOutboxChain(s), M::BadOutboxAddress);
    CopyText(s.sSmtpSet.szAddr, "");
    EXPECT_CHECK(CheckOutboxChain(s), M::BadOutboxAddress);
    CopyText(s.sSmtpSet.szAddr, "me@mail.com");
    CopyText(s.sSmtpSet.szPassword, "");
    EXPECT_CHECK(CheckOutboxChain(s), M::NeedOutboxPassword);
    CopyText(s.sSmtpSet.szPassword, "pw");
    EXPECT_CHECK(CheckOutboxChain(s), std::nullopt);  // the user name is not asked for

    output.clear();
    CopyText(s.sSmtpSet.szServer, "\xB7\xFE");  // a Chinese server name
    CheckOutboxChain(s);
    EXPECT_EQ(output.text(), ":: g_sSendSet.sSmtpSet.szServer[0]=-73\n");
}

TEST(CheckFtpChain, ChecksInOrderAndLeavesTheDirectoryAlone) {
    test::DiagCapture output;
    SendSettings s = Collected(kSendByFtp);
    s.sFtpSet.iPort = 0;
    EXPECT_CHECK(CheckFtpChain(s), M::Need3GApn);
    CopyText(s.sSmtpSet.sz3GSmtpApN, "internet");
    EXPECT_CHECK(CheckFtpChain(s), M::NeedFtpServer);
    CopyText(s.sFtpSet.szServer, "ftp.mail.com");
    EXPECT_CHECK(CheckFtpChain(s), M::NeedFtpPort);
    s.sFtpSet.iPort = 21;
    EXPECT_CHECK(CheckFtpChain(s), M::BadFtpAccount);
    CopyText(s.sFtpSet.szUserName, "camera");
    EXPECT_CHECK(CheckFtpChain(s), M::NeedFtpPassword);
    CopyText(s.sFtpSet.szPassword, "pw");
    CopyText(s.sFtpSet.szFtpDir, "");
    s.sFtpSet.iFtpDirType = 1;
    EXPECT_CHECK(CheckFtpChain(s), std::nullopt);
    EXPECT_EQ(output.text(), "");
}

TEST(RunGenerateChecks, ReportsTheEarliestOfSeveralRefusals) {
    test::DiagCapture output;
    SendSettings s = Collected(kSendByFtp);
    s.byOperatorCountry = kManualCountry;
    s.sFtpSet.iPort = 0;
    RemoteOn(s);
    EXPECT_CHECK(RunGenerateChecks(s, 0), M::BadRemotePhone);
    CopyText(s.szRemotePhoneNum, "12345");
    EXPECT_CHECK(RunGenerateChecks(s, 0), M::BadRemoteEmail);
    EXPECT_CHECK(RunGenerateChecks(s, 1), M::NeedMmsUrl);
    CopyText(s.sMmsSet.szMmsUrl, "u");
    CopyText(s.sMmsSet.szMmsApn, "a");
    CopyText(s.sMmsSet.szMmsGateway, "g");
    EXPECT_CHECK(RunGenerateChecks(s, 1), M::Need3GApn);  // the FTP chain
    CopyText(s.sSmtpSet.sz3GSmtpApN, "internet");
    EXPECT_CHECK(RunGenerateChecks(s, 1), M::NeedFtpServer);
    CopyText(s.szRemoteEmail, "r@x.y");
    EXPECT_CHECK(RunGenerateChecks(s, 0), M::NeedOutboxServer);  // remote commands need the outbox

    SendSettings mms = Collected(kSendByMms);
    SetRecipient(mms, 2, "bad");
    RemoteOn(mms);
    EXPECT_CHECK(RunGenerateChecks(mms, 0), M::BadEmail1);
    EXPECT_CHECK(RunGenerateChecks(Collected(kSendByClose3G), 0), std::nullopt);
}

TEST(GenerateMessages, EachHasItsOwnNameAndBothTexts) {
    std::set<std::string> names;
    for (int i = 0; i < kGenerateMessageCount; ++i) {
        auto m = static_cast<GenerateMessage>(i);
        names.insert(GenerateMessageName(m));
        EXPECT_STRNE(GenerateMessageText(m)[0], "");
        EXPECT_STRNE(GenerateMessageText(m)[1], "");
    }
    EXPECT_EQ(names.size(), static_cast<std::size_t>(kGenerateMessageCount));
    EXPECT_STREQ(GenerateMessageName(M::NeedEmail), "NeedEmail");
    EXPECT_STREQ(GenerateMessageName(M::Success), "Success");
    EXPECT_STREQ(GenerateMessageText(M::BadFtpAccount)[1], "Generate failed!\rFTP account error!");
}

// A script that is refused is told what to change: every refusal names at
// least one field, each by its name in the record's table.
TEST(GenerateMessages, EachRefusalNamesFieldsTheRecordHas) {
    for (int i = 0; i < kGenerateMessageCount; ++i) {
        auto m = static_cast<GenerateMessage>(i);
        SCOPED_TRACE(GenerateMessageName(m));
        const std::string fields = GenerateMessageFields(m);
        if (m == M::Success) {
            EXPECT_EQ(fields, "");
            continue;
        }
        ASSERT_FALSE(fields.empty());
        for (std::size_t start = 0; start <= fields.size();) {
            std::size_t end = fields.find(", ", start);
            if (end == std::string::npos) end = fields.size();
            const std::string name = fields.substr(start, end - start);
            EXPECT_NE(FindField(SendSettingsFields(), name), nullptr) << "\"" << name << "\"";
            start = end + 2;
        }
    }
    EXPECT_STREQ(GenerateMessageFields(M::NeedEmail), "szRecp[2], szRecp[3]");
    EXPECT_STREQ(GenerateMessageFields(M::BadRemotePhone), "szRemotePhoneNum");
}

}  // namespace
}  // namespace trailcfg
