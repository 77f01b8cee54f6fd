// CFG.BIN: the default image, the reader's failures and normalisations, the
// dump, the verification, and the writer's all-or-nothing replacement.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "app/process_state.h"
#include "app/state_files.h"
#include "common/field_table.h"
#include "common/file_io.h"
#include "common/scramble.h"
#include "send/cfg_file.h"
#include "test_support.h"

namespace trailcfg {
namespace {

// The shared helpers: TempDir, DiagCapture, ReadBytes, WriteBytes.
using namespace test;

class CfgFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetProcessState();
        UseFolder(dir_.path().string());
    }
    void UseFolder(const std::string& folder) {
        ASSERT_LT(folder.size(), sizeof g_szSavePath);
        std::strcpy(g_szSavePath, folder.c_str());
    }
    std::filesystem::path CfgPath() const { return dir_ / "CFG.BIN"; }

    // Writes `record` scrambled as CFG.BIN, with bit 7 set as the program does.
    void StoreRecord(const SendSettings& record) {
        std::uint8_t image[kSendSettingsSize];
        EncodeCfgImage(record, image);
        WriteBytes(CfgPath(), std::vector<std::uint8_t>(image, image + sizeof image));
    }
    std::vector<std::uint8_t> PlainFile() {
        std::vector<std::uint8_t> bytes = ReadBytes(CfgPath());
        UnscrambleBytes(bytes.data(), bytes.size());
        return bytes;
    }
    SendSettings Defaults() {
        SendSettings s;
        MakeSendDefaults(s);
        return s;
    }
    // Fills g_sSendSet with a pattern a failed read must leave alone.
    void MarkRecord() { std::memset(&g_sSendSet, 0x5A, sizeof g_sSendSet); }
    bool RecordIsMarked() {
        for (std::uint8_t b : std::vector<std::uint8_t>(RecordBytes(g_sSendSet), RecordBytes(g_sSendSet) + 1320))
            if (b != 0x5A) return false;
        return true;
    }

    TempDir dir_;
};

TEST_F(CfgFileTest, DefaultFileHoldsExactlyTheListedBytes) {
    LoadSendDefaults();
    DiagCapture out;
    WriteSendSettings();

    std::vector<std::uint8_t> expected(1320, 0);
    expected[0] = 0x81;
    expected[4] = 25;
    expected[10] = 0x31;
    expected[12] = 0x05;
    expected[13] = 0x10;
    expected[1048] = 0x2F;
    expected[1224] = 0x15;
    EXPECT_EQ(PlainFile(), expected);
    EXPECT_EQ(out.text(), "Open file - \"" + CfgPath().string() + "\" success!\n" + std::string(48, '_') + "\n");
    EXPECT_EQ(g_sSendSet.bySendBy, 1) << "the record in memory never carries the file flag";
}

TEST_F(CfgFileTest, DefaultFileReadsBackWithTheFullDump) {
    LoadSendDefaults();
    WriteSendSettings();
    std::memset(&g_sSendSet, 0, sizeof g_sSendSet);

    DiagCapture out;
    ASSERT_EQ(ReadSendSettings(0), 1);
    EXPECT_EQ(g_sSendSet.bySendBy, 1);
    EXPECT_EQ(g_sSendSet.byRemoteSwitch, 0);
    const SendSettings defaults = Defaults();
    EXPECT_EQ(std::memcmp(&g_sSendSet, &defaults, sizeof g_sSendSet), 0);

    const std::string path = CfgPath().string();
    std::string expected = "sizeof = 1320\niGetFileSize = 1320\nOpen file - \"" + path +
                           "\" success!\n_bufsiz = " + std::to_string(BUFSIZ) +
                           "\nIF_SEND_BY_APP_SET_FLG=1\ng_sSendSet.bySendBy=1\n";
    for (int i = 0; i < 4; ++i)
        expected +=
            "g_sSendSet.uwRecpLen[" + std::to_string(i) + "]=0\ng_sSendSet.szRecp[" + std::to_string(i) + "]=\"\"\n";
    expected +=
        "g_sSendSet.bySendFileNum=0\n"
        "g_sSendSet.byOperatorCountry=0\n"
        "Url:\"\"\nApn:\"\"\nGateway:\"\"\nPort:\"\"\nAccount:\"\"\nPassword:\"\"\n"
        "g_sSendSet.sSmtpSet.sz3GSmtpApN=\n"
        "g_sSendSet.sSmtpSet.sz3GSmtpAccount=\n"
        "g_sSendSet.sSmtpSet.sz3GSmtpPassword=\n"
        "g_sSendSet.sSmtpSet.szServer=\n"
        "g_sSendSet.sSmtpSet.iPort=0\n"
        "g_sSendSet.sSmtpSet.szAddr=\n"
        "g_sSendSet.sSmtpSet.szUserName=\n"
        "g_sSendSet.sSmtpSet.szPassword=\n"
        "Time(0-0-0, 0:0:0), bSet=0\n"
        "g_sSendSet.bySendMode=0\n"
        "g_sSendSet.bySendImgSize=0\n"
        "g_sSendSet.uwMaxSendImgNum=49\n"
        "g_sSendSet.szRemotePhoneNum=\"\"\n"
        "g_sSendSet.byRemoteInterval=25\n"
        "g_sSendSet.byRemoteSwitch=0\n"
        "g_sSendSet.byOperatorCountry=0\n"
        "g_sSendSet.byOperator=0\n"
        "g_sSendSet.byDailySendTime=0\n"
        "g_sSendSet.sLongitude:\t(0)0\xA1\xA3"
        "0'0\"\n"
        "g_sSendSet.sLatitude:\t(0)0\xA1\xA3"
        "0'0\"\n";
    EXPECT_EQ(out.text(), expected);
}

TEST_F(CfgFileTest, FtpOptionDumpsTheFtpAccountAndCoordinates) {
    SendSettings s = Defaults();
    s.bySendBy = kSendByFtp;
    std::strcpy(s.sFtpSet.szServer, "ftp.example.com");
    s.sFtpSet.iPort = 2121;
    s.sFtpSet.iFtpDirType = 1;
    std::strcpy(s.sFtpSet.szFtpDir, "/cam");
    std::strcpy(s.sFtpSet.szUserName, "hunter");
    std::strcpy(s.sFtpSet.szPassword, "pw");
    s.sLongitude = {1, 179, 59, 58};
    s.sLatitude = {0, 45, 3, 7};
    StoreRecord(s);

    DiagCapture out;
    ASSERT_EQ(ReadSendSettings(0), 1);
    EXPECT_NE(out.text().find("g_sSendSet.byDailySendTime=0\n"
                              "g_sSendSet.sFtpSet.iFtpDirType\t=1\n"
                              "g_sSendSet.sFtpSet.szFtpDir\t=/cam\n"
                              "g_sSendSet.sFtpSet.szServer\t=ftp.example.com\n"
                              "g_sSendSet.sFtpSet.iPort\t=2121\n"
                              "g_sSendSet.sFtpSet.szUserName\t=hunter\n"
                              "g_sSendSet.sFtpSet.szPassword\t=pw\n"
                              "g_sSendSet.sLongitude:\t(1)179\xA1\xA3"
                              "59'58\"\n"
                              "g_sSendSet.sLatitude:\t(0)45\xA1\xA3"
                              "3'7\"\n"),
              std::string::npos)
        << out.text();
}

TEST_F(CfgFileTest, FilesOfTheWrongSizeAreRefusedAndLeaveTheRecord) {
    for (std::size_t size : {std::size_t{0}, std::size_t{1319}, std::size_t{1321}, std::size_t{44}}) {
        WriteBytes(CfgPath(), std::vector<std::uint8_t>(size, 0));
        MarkRecord();
        DiagCapture out;
        EXPECT_EQ(ReadSendSettings(0), 0) << size;
        EXPECT_TRUE(RecordIsMarked()) << size;
        EXPECT_EQ(out.text(),
                  "sizeof = 1320\niGetFileSize = " + std::to_string(size) + "\nFile szie != struct size!\n");
    }
    std::filesystem::remove(CfgPath());
    MarkRecord();
    DiagCapture out;
    EXPECT_EQ(ReadSendSettings(0), 0);
    EXPECT_TRUE(RecordIsMarked());
    EXPECT_EQ(out.text(), "sizeof = 1320\niGetFileSize = 0\nFile szie != struct size!\n");
}

TEST_F(CfgFileTest, WrongMarkerLeavesAZeroRecordWithOnlyTheMarker) {
    SendSettings s = Defaults();
    std::strcpy(s.szRecp[0], "12345");
    s.StructFlag = 0x1006;
    StoreRecord(s);
    MarkRecord();
    DiagCapture out;
    EXPECT_EQ(ReadSendSettings(0), 0);
    SendSettings expected{};
    expected.StructFlag = kSendStructFlag;
    EXPECT_EQ(std::memcmp(&g_sSendSet, &expected, sizeof expected), 0);
    EXPECT_NE(out.text().find("StructFlag is different!\n"), std::string::npos);
    EXPECT_EQ(out.text().find("IF_SEND_BY_APP_SET_FLG"), std::string::npos);
}

struct Normalisation {
    const char* what;
    void (*store)(SendSettings&);
    void (*check)(const SendSettings&);
    const char* dumpLine;  // a line the dump must show
};

TEST_F(CfgFileTest, ReaderNormalisesWhatThePagesCannotShow) {
    const Normalisation cases[] = {
        {"interval 30 loads as 10 minutes with remote control on", [](SendSettings& s) { s.byRemoteInterval = 30; },
         [](const SendSettings& s) {
             EXPECT_EQ(s.byRemoteInterval, 0);
             EXPECT_EQ(s.byRemoteSwitch, 1);
         },
         "g_sSendSet.byRemoteInterval=30\ng_sSendSet.byRemoteSwitch=1\n"},
        {"interval 25 is off", [](SendSettings& s) { s.byRemoteInterval = 25, s.byRemoteSwitch = 1; },
         [](const SendSettings& s) {
             EXPECT_EQ(s.byRemoteInterval, 25);
             EXPECT_EQ(s.byRemoteSwitch, 0);
         },
         "g_sSendSet.byRemoteSwitch=0\n"},
        {"interval 24 is on", [](SendSettings& s) { s.byRemoteInterval = 24; },
         [](const SendSettings& s) {
             EXPECT_EQ(s.byRemoteInterval, 24);
             EXPECT_EQ(s.byRemoteSwitch, 1);
         },
         "g_sSendSet.byRemoteInterval=24\ng_sSendSet.byRemoteSwitch=1\n"},
        {"five file names load as none", [](SendSettings& s) { s.bySendFileNum = 5; },
         [](const SendSettings& s) { EXPECT_EQ(s.bySendFileNum, 0); }, "g_sSendSet.bySendFileNum=0\n"},
        {"send mode 1 loads as 0", [](SendSettings& s) { s.bySendMode = 1; },
         [](const SendSettings& s) { EXPECT_EQ(s.bySendMode, 0); }, "g_sSendSet.bySendMode=0\n"},
        {"cloud option loads as Close 3G and keeps its account",
         [](SendSettings& s) {
             s.bySendBy = kSendByCloud;
             std::strcpy(s.sCloudSet.szRegMail, "me@cloud.example");
         },
         [](const SendSettings& s) {
             EXPECT_EQ(s.bySendBy, 0);
             EXPECT_STREQ(s.sCloudSet.szRegMail, "me@cloud.example");
         },
         "g_sSendSet.bySendBy=4\n"},
        {"two used file names are dumped",
         [](SendSettings& s) {
             s.bySendFileNum = 2;
             std::strcpy(s.szFileFullName[0], "A.JPG");
             std::strcpy(s.szFileFullName[1], "B.JPG");
         },
         [](const SendSettings& s) { EXPECT_EQ(s.bySendFileNum, 2); },
         "g_sSendSet.bySendFileNum=2\ng_sSendSet.szFileFullName[0]=\"A.JPG\"\n"
         "g_sSendSet.szFileFullName[1]=\"B.JPG\"\n"},
    };
    for (const Normalisation& c : cases) {
        SCOPED_TRACE(c.what);
        SendSettings s = Defaults();
        c.store(s);
        StoreRecord(s);
        DiagCapture out;
        ASSERT_EQ(ReadSendSettings(0), 1);
        c.check(g_sSendSet);
        EXPECT_EQ(g_sSendSet.bySendBy & 0x80, 0);
        EXPECT_NE(out.text().find(c.dumpLine), std::string::npos) << out.text();
    }
}

TEST_F(CfgFileTest, VerificationComparesTheSixTimeBytesOnly) {
    SendSettings s = Defaults();
    s.sTime = {25, 6, 15, 10, 20, 30, 1};
    std::strcpy(s.szRecp[2], "from-the-file@example.com");
    StoreRecord(s);
    sLastGenTime = {25, 6, 15, 10, 20, 30};
    EXPECT_EQ(ReadSendSettings(1), 1) << "bSet is not compared";

    for (int i = 0; i < 6; ++i) {
        GenTime other = {25, 6, 15, 10, 20, 30};
        reinterpret_cast<std::uint8_t*>(&other)[i] += 1;
        sLastGenTime = other;
        std::memset(&g_sSendSet, 0, sizeof g_sSendSet);
        EXPECT_EQ(ReadSendSettings(1), 0) << "time byte " << i;
        EXPECT_STREQ(g_sSendSet.szRecp[2], "from-the-file@example.com") << "the file still replaces the record";
    }
}

// Distinct values in every named field survive the writer byte for byte.
TEST_F(CfgFileTest, EveryFieldRoundTripsThroughTheFileImage) {
    SendSettings s{};
    std::uint8_t* rec = RecordBytes(s);
    int n = 0;
    for (const FieldDesc& f : SendSettingsFields()) {
        ++n;
        if (f.kind == FieldKind::Text) {
            std::string text(f.width - 1u, static_cast<char>('A' + n % 26));
            text[0] = static_cast<char>('a' + n % 26);
            WriteFieldText(rec, f, text);
        } else {
            WriteFieldNumber(rec, f, n * 37 + (f.kind == FieldKind::U8 ? 0 : 1000));
        }
    }
    s.bySendBy = 3;
    std::uint8_t image[kSendSettingsSize];
    EncodeCfgImage(s, image);
    UnscrambleBytes(image, sizeof image);
    for (const FieldDesc& f : SendSettingsFields()) {
        SCOPED_TRACE(f.name);
        if (f.kind == FieldKind::Text)
            EXPECT_EQ(ReadFieldText(image, f), ReadFieldText(rec, f));
        else if (f.offset == 0)
            EXPECT_EQ(ReadFieldNumber(image, f), 0x83);
        else
            EXPECT_EQ(ReadFieldNumber(image, f), ReadFieldNumber(rec, f));
    }
    EXPECT_EQ(std::memcmp(image + 1, rec + 1, kSendSettingsSize - 1), 0) << "reserved bytes carried too";
}

TEST_F(CfgFileTest, UnterminatedTextFieldsAreReadWithinTheirWidth) {
    SendSettings s{};
    std::memset(&s, 'Z', sizeof s);
    s.StructFlag = kSendStructFlag;
    s.bySendBy = kSendByFtp;
    StoreRecord(s);
    DiagCapture out;
    ASSERT_EQ(ReadSendSettings(0), 1);
    EXPECT_NE(out.text().find("g_sSendSet.szRecp[0]=\"" + std::string(49, 'Z') + "\"\n"), std::string::npos);
    EXPECT_NE(out.text().find("g_sSendSet.szRemotePhoneNum=\"" + std::string(16, 'Z') + "\"\n"), std::string::npos);
    EXPECT_NE(out.text().find("g_sSendSet.sFtpSet.szPassword\t=" + std::string(33, 'Z') + "\n"), std::string::npos);
    EXPECT_EQ(g_sSendSet.szDebugUrl[61], 'Z') << "the bytes stay as read";
}

TEST_F(CfgFileTest, FolderTextIsJoinedWithoutTrimming) {
    UseFolder(dir_.path().string() + "/");
    LoadSendDefaults();
    DiagCapture out;
    WriteSendSettings();
    EXPECT_NE(out.text().find("\"" + dir_.path().string() + "/" + kPathSeparator + "CFG.BIN\" success!"),
              std::string::npos);
    EXPECT_EQ(ReadBytes(CfgPath()).size(), 1320u);
}

class CfgWriteFailureTest : public CfgFileTest {
protected:
    void ExpectFailedWrite(const std::string& shownPath) {
        SendSettings before = g_sSendSet;
        DiagCapture out;
        WriteSendSettings();
        EXPECT_EQ(out.text(), "Open file - \"" + shownPath + "\" err!\n" + std::string(48, '_') + "\n");
        EXPECT_EQ(std::memcmp(&before, &g_sSendSet, sizeof before), 0);
    }
};

TEST_F(CfgWriteFailureTest, ReadOnlyFolderKeepsThePreviousFileByteForByte) {
    SendSettings old = Defaults();
    std::strcpy(old.szRecp[0], "13800000000");
    StoreRecord(old);
    const std::vector<std::uint8_t> previous = ReadBytes(CfgPath());
    if (!test::MakeReadOnly(dir_.path())) GTEST_SKIP() << "this system cannot make a folder read-only";

    LoadSendDefaults();
    ExpectFailedWrite(CfgPath().string());
    test::UndoReadOnly(dir_.path());
    EXPECT_EQ(ReadBytes(CfgPath()), previous);
    EXPECT_EQ(test::ListFolder(dir_.path()), std::vector<std::string>{"CFG.BIN"}) << "no temporary file is left";
}

TEST_F(CfgWriteFailureTest, MissingFolderAndAFolderInTheFilesPlaceFail) {
    UseFolder((dir_ / "no-such-folder").string());
    LoadSendDefaults();
    ExpectFailedWrite((dir_ / "no-such-folder" / "CFG.BIN").string());

    UseFolder(dir_.path().string());
    std::filesystem::create_directory(CfgPath());
    ExpectFailedWrite(CfgPath().string());
    EXPECT_TRUE(std::filesystem::is_directory(CfgPath()));
    EXPECT_EQ(test::ListFolder(dir_.path()), std::vector<std::string>{"CFG.BIN"});
}

TEST_F(CfgFileTest, ReplacingKeepsTheFilesPermissions) {
#ifdef _WIN32
    GTEST_SKIP() << "Windows files have no permission bits to keep";
#endif
    LoadSendDefaults();
    WriteSendSettings();
    std::filesystem::permissions(CfgPath(), std::filesystem::perms::owner_read | std::filesystem::perms::owner_write |
                                                std::filesystem::perms::group_read);
    WriteSendSettings();
    EXPECT_EQ(std::filesystem::status(CfgPath()).permissions(), std::filesystem::perms::owner_read |
                                                                    std::filesystem::perms::owner_write |
                                                                    std::filesystem::perms::group_read);
}

}  // namespace
}  // namespace trailcfg
