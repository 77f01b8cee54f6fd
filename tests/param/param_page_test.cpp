// The 3G parameter page where a scenario cannot reach: the send page's
// "Do not use 22,60,61 command" state, the send option kept for Generate
// after the page has ended, and record texts that fill their whole field.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>

#include "app/process_state.h"
#include "common/text_copy.h"
#include "pages/pages.h"
#include "platform/control_ids.h"
#include "platform/headless/headless_platform.h"
#include "scripted_driver.h"
#include "send/cfg_file.h"
#include "test_support.h"

namespace trailcfg {
namespace {

using test::ScriptedDriver;
using Action = ScriptedDriver::Action;
using namespace ids::param;

// Remote control on, the database's first country and operator, and a value
// of our own in every group, so that a shown value tells where it came from.
SendSettings RemoteRecord(std::uint8_t sendBy) {
    SendSettings s;
    MakeSendDefaults(s);
    s.bySendBy = sendBy;
    s.byRemoteInterval = 3;
    s.byRemoteSwitch = 1;
    CopyText(s.sMmsSet.szMmsUrl, "mms.stored");
    CopyText(s.sSmtpSet.sz3GSmtpApN, "apn.stored");
    CopyText(s.sSmtpSet.szServer, "smtp.stored");
    return s;
}

class ParamPageTest : public ::testing::Test {
protected:
    void SetUp() override { ResetProcessState(); }

    // Opens the page as a later visit does, from the pages' saved state.
    void OpenWith(const SendSettings& record, std::vector<Action> actions) {
        g_sSendSetCopy = record;
        s_bParamPageFirstOpen = 0;
        Open(std::move(actions));
    }

    void Open(std::vector<Action> actions) {
        std::unique_ptr<Page> page = MakeParameterPage(*platform_);
        ScriptedDriver driver(std::move(actions));
        platform_->SetDriver(&driver);
        platform_->RunModal(*page);
        platform_->SetDriver(nullptr);
        EXPECT_EQ(driver.next, driver.actions.size()) << "the page ended early";
    }

    std::unique_ptr<DrivablePlatform> platform_ = MakeHeadlessPlatform();
    test::DiagCapture output_;
};

struct RemoteCase {
    const char* name;
    std::uint8_t sendBy;
    int noCmd22;
    bool outboxEnabled;
    const char* apnShown;  // the 3G network APN edit after opening
};

// With remote control on, the outbox answers the remote commands unless the
// send page turned them off; MMS then neither enables nor fills the 3G
// network. The MMS parameters follow remote control alone.
const RemoteCase kRemoteCases[] = {
    {"MMS", 1, 0, true, "3gnet"},
    {"MMS without 22,60,61", 1, 1, false, "apn.stored"},
    {"Email without 22,60,61", 2, 1, true, "apn.stored"},
    {"FTP", 3, 0, true, "3gnet"},
    {"FTP without 22,60,61", 3, 1, false, "3gnet"},
};

TEST_F(ParamPageTest, RemoteControlGroupsFollowDoNotUse22) {
    for (const RemoteCase& c : kRemoteCases) {
        SCOPED_TRACE(c.name);
        ResetProcessState();
        g_bNoCmd22 = c.noCmd22;
        OpenWith(RemoteRecord(c.sendBy), {[&](Dialog& dialog, DialogProbe& probe) {
                     for (int id : {kOutboxServerEdit, kOutboxPortEdit, kOutboxAddressEdit, kOutboxPasswordEdit})
                         EXPECT_EQ(dialog.IsEnabled(id), c.outboxEnabled) << id;
                     EXPECT_FALSE(dialog.IsEnabled(kOutboxAccountEdit));
                     EXPECT_EQ(dialog.GetText(kOutboxServerEdit), "smtp.stored");
                     EXPECT_EQ(dialog.GetText(k3GApnEdit), c.apnShown);
                     EXPECT_FALSE(dialog.IsEnabled(k3GApnEdit));
                     EXPECT_TRUE(probe.IsMasked(k3GApnEdit));
                     EXPECT_EQ(dialog.GetText(kMmsUrlEdit), "mms.stored");
                     probe.UserClose();
                 }});
        EXPECT_STREQ(g_sSendSet.sSmtpSet.sz3GSmtpApN, c.apnShown);
        EXPECT_EQ(g_bNoCmd22, c.noCmd22);
    }
}

TEST_F(ParamPageTest, DoNotUse22KeepsTheOutboxOffUnderMmsWhateverWasChosenBefore) {
    g_bNoCmd22 = 1;
    OpenWith(RemoteRecord(1), {
                                  [](Dialog& dialog, DialogProbe& probe) {
                                      probe.UserChoose(kSendOptionList, 2);
                                      EXPECT_TRUE(dialog.IsEnabled(kOutboxServerEdit));
                                  },
                                  [](Dialog& dialog, DialogProbe& probe) {
                                      probe.UserChoose(kSendOptionList, 1);
                                      EXPECT_FALSE(dialog.IsEnabled(kOutboxServerEdit));
                                      EXPECT_FALSE(dialog.IsEnabled(k3GApnEdit));
                                      probe.UserClose();
                                  },
                              });
}

TEST_F(ParamPageTest, SendOptionChoiceOutlivesThePageForGenerate) {
    s_iSendOptionChoice = 3;
    OpenWith(RemoteRecord(1), {[](Dialog&, DialogProbe& probe) {
                 EXPECT_EQ(s_iSendOptionChoice, 1);
                 probe.UserClose();
             }});
    EXPECT_EQ(s_eNextPage, PageId::Start);
    EXPECT_EQ(s_iSendOptionChoice, 1);

    OpenWith(RemoteRecord(3), {
                                  [](Dialog&, DialogProbe& probe) {
                                      EXPECT_EQ(s_iSendOptionChoice, 3);
                                      probe.UserChoose(kSendOptionList, 2);
                                      EXPECT_EQ(s_iSendOptionChoice, 2);
                                  },
                                  [](Dialog&, DialogProbe& probe) { probe.UserClick(kNextPageButton); },
                              });
    EXPECT_EQ(s_eNextPage, PageId::Send);
    EXPECT_EQ(s_iSendOptionChoice, 2);
    EXPECT_EQ(g_sSendSetCopy.bySendBy, 2);

    // A stored option the list does not offer shows as Close 3G, and that is
    // what Generate gets, while the record keeps its value.
    OpenWith(RemoteRecord(9), {[](Dialog&, DialogProbe& probe) { probe.UserClick(kNextPageButton); }});
    EXPECT_EQ(s_iSendOptionChoice, 0);
    EXPECT_EQ(g_sSendSetCopy.bySendBy, 9);
}

TEST_F(ParamPageTest, TextsFillingTheirWholeFieldInAFileStayInTheirFields) {
    test::TempDir dir;
    SendSettings s;
    MakeSendDefaults(s);
    s.bySendBy = 1;
    s.byRemoteInterval = 3;
    s.byOperatorCountry = kManualCountry;
    std::memset(s.sMmsSet.szMmsUrl, 'u', sizeof s.sMmsSet.szMmsUrl);
    CopyText(s.sMmsSet.szMmsApn, "apn");
    std::memset(s.sSmtpSet.szServer, 's', sizeof s.sSmtpSet.szServer);
    CopyText(s.sSmtpSet.szAddr, "cam@example.com");
    std::memset(s.sFtpSet.szServer, 'f', sizeof s.sFtpSet.szServer);
    CopyText(s.sFtpSet.szUserName, "fu");
    ASSERT_TRUE(WriteCfgFile(dir / "CFG.BIN", "CFG.BIN", s));
    std::string folder = dir.path().string();
    ASSERT_LT(folder.size(), sizeof g_szSavePath);
    CopyText(g_szSavePath, folder);

    Open({[](Dialog& dialog, DialogProbe& probe) {
        EXPECT_EQ(dialog.GetText(kMmsUrlEdit), std::string(61, 'u'));
        EXPECT_EQ(dialog.GetText(kMmsApnEdit), "apn");
        EXPECT_EQ(dialog.GetText(kOutboxServerEdit), std::string(61, 's'));
        probe.UserClick(kNextPageButton);
    }});
    EXPECT_EQ(s_eNextPage, PageId::Send);
    // Stored back cut to the field, now with its terminator.
    EXPECT_EQ(FieldText(g_sSendSet.sMmsSet.szMmsUrl), std::string(60, 'u'));
    EXPECT_EQ(FieldText(g_sSendSet.sMmsSet.szMmsApn), "apn");
    EXPECT_EQ(FieldText(g_sSendSet.sSmtpSet.szServer), std::string(60, 's'));
    EXPECT_NE(output_.text().find("** szServer:" + std::string(60, 's') + "\n"), std::string::npos);
    // The FTP server is not stored under MMS and is printed as it lies.
    EXPECT_NE(output_.text().find("FTP Server=" + std::string(61, 'f') + ", FTP Port=21\n"), std::string::npos);
}

}  // namespace
}  // namespace trailcfg
