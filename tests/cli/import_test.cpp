// import: JSON to a checked, verified file. Round trips through export, the
// fields kept in step, the time stamp, and every kind of bad input refused
// with nothing written.
#include <gtest/gtest.h>

#include <cstring>

#include "camera/menu_file.h"
#include "cli_run.h"
#include "common/scramble.h"
#include "send/cfg_file.h"
#include "send/operator_db.h"

namespace trailcfg::cli {
namespace {

const char* const kEmailJson = R"({"bySendBy": 2, "szRecp[2]": "me@home.org", "sSmtpSet.szServer": "smtp.x.org",
    "sSmtpSet.iPort": 587, "sSmtpSet.szAddr": "cam@x.org", "sSmtpSet.szPassword": "pw", "byOperatorCountry": 2,
    "byOperator": 3, "byRemoteInterval": 0, "szRemotePhoneNum": "+4912345", "szRemoteEmail": "r@x.org"})";

CliRun Import(const TempDir& dir, const std::string& json, std::vector<std::string> extra = {}) {
    test::WriteText(dir / "in.json", json);
    std::vector<std::string> args = {"import", P(dir / "in.json"), "--dir", P(dir.path())};
    args.insert(args.end(), extra.begin(), extra.end());
    return Cli(args);
}

Json Exported(const std::filesystem::path& file) { return Json::parse(Cli({"export", P(file)}).out); }

std::vector<std::uint8_t> Plain(const std::filesystem::path& file) {
    std::vector<std::uint8_t> bytes = trailcfg::test::ReadBytes(file);
    UnscrambleBytes(bytes.data(), bytes.size());
    return bytes;
}

TEST(CliImport, ExportThenImportGivesTheSameBytes) {
    const std::string sources[] = {
        kEmailJson,
        R"({"bySendBy": 3, "sFtpSet.szServer": "ftp.x", "sFtpSet.szUserName": "u", "sFtpSet.szPassword": "p",
            "sFtpSet.iFtpDirType": 1, "sFtpSet.szFtpDir": "/cam", "byOperatorCountry": 12, "byOperator": 8})",
        R"({"bySendBy": 1, "szRecp[0]": "13800138000", "byOperatorCountry": 43, "sMmsSet.szMmsUrl": "http://m",
            "sMmsSet.szMmsApn": "中国", "sMmsSet.szMmsGateway": "10.0.0.1", "sMmsSet.szMmsPort": "80"})",
        R"({"CapMode": 2, "Interval": 5, "Language": 14, "ClockMode": 1, "Year": 2024, "Month": 2, "Day": 29,
            "Hour": 23, "Minute": 59, "Second": 58, "SerialMode": 1, "Serial[3]": 35, "Marker": 7})",
    };
    for (const std::string& source : sources) {
        SCOPED_TRACE(source);
        TempDir first, second;
        CliRun made = Import(first, source);
        ASSERT_EQ(made.status, 0) << made.err;
        const std::string name = source.find("CapMode") != std::string::npos ? "menu.dat" : "CFG.BIN";
        const CliRun exported = Cli({"export", P(first / name)});
        CliRun again = Import(second, exported.out, {"--keep-time"});
        ASSERT_EQ(again.status, 0) << again.err;
        EXPECT_EQ(again.err, "");
        EXPECT_EQ(trailcfg::test::ReadBytes(second / name), trailcfg::test::ReadBytes(first / name));
    }
}

TEST(CliImport, BaseCarriesWhatNoPageShows) {
    TempDir dir;
    SendSettings s;
    MakeSendDefaults(s);
    std::strcpy(s.sCloudSet.szRegMail, "cloud@x.org");
    std::strcpy(s.sCloudSet.szLoginPassword, "cloudpw");
    std::strcpy(s.sCloudSet.szSimPhoneNum, "+861390000");
    s.byDebugFlag = 1;
    s.uwDebugPort = 9000;
    std::strcpy(s.szDebugUrl, "debug.example.com");
    std::uint8_t* bytes = RecordBytes(s);
    for (std::size_t reserved : {9u, 21u, 23u, 347u, 1045u, 1047u, 1240u, 1243u, 1255u}) bytes[reserved] = 0x5A;
    std::strcpy(s.szRemoteEmail, "x");
    s.szRemoteEmail[5] = 'Q';  // behind the terminator
    s.bySendBy = kSendByClose3G;
    std::uint8_t image[kSendSettingsSize];
    EncodeCfgImage(s, image);
    trailcfg::test::WriteBytes(dir / "base.bin", std::vector<std::uint8_t>(image, image + sizeof image));

    TempDir out;
    test::WriteText(out / "in.json", Cli({"export", P(dir / "base.bin")}).out);
    CliRun r =
        Cli({"import", P(out / "in.json"), "--dir", P(out.path()), "--base", P(dir / "base.bin"), "--keep-time"});
    ASSERT_EQ(r.status, 0) << r.err;
    // The base is no file Generate wrote (no file name entry, daily time 0),
    // so those two rules apply; every other byte stays.
    std::vector<std::uint8_t> expected(image, image + sizeof image);
    UnscrambleBytes(expected.data(), expected.size());
    const std::vector<std::uint8_t> written = Plain(out / "CFG.BIN");
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const std::size_t names = offsetof(SendSettings, szFileFullName);
        const bool fileName = i >= names && i < names + 33;
        if (fileName || i == offsetof(SendSettings, byDailySendTime)) continue;
        EXPECT_EQ(written[i], expected[i]) << "byte " << i;
    }
    EXPECT_NE(r.err.find("byDailySendTime: 0 given, written as 24"), std::string::npos) << r.err;
}

TEST(CliImport, KeepsTheFieldsThePagesKeepInStep) {
    TempDir dir;
    CliRun r = Import(dir, R"({"bySendBy": 1, "szRecp[0]": "12345", "uwRecpLen[0]": 2, "bySendImgSize": 0,
                               "byOperatorCountry": 3, "byOperator": 7, "byDailySendTime": 5, "byRemoteSwitch": 1})");
    ASSERT_EQ(r.status, 0) << r.err;
    Json f = Exported(dir / "CFG.BIN");
    EXPECT_EQ(f["uwRecpLen[0]"], 5);
    EXPECT_EQ(f["bySendImgSize"], 1) << "MMS sends thumbnails";
    EXPECT_EQ(f["byRemoteSwitch"], 0) << "no interval chosen";
    EXPECT_EQ(f["byDailySendTime"], 24);
    EXPECT_EQ(f["bySendMode"], 0);
    EXPECT_EQ(f["szFileFullName[0]"], "DCIM\\100IMA3G\\IMAG0001.JPG");
    EXPECT_EQ(f["sMmsSet.szMmsPort"], MmsParamOf(3, 7).port);
    EXPECT_EQ(f["sSmtpSet.sz3GSmtpApN"], NetParamOf(3, 7).apn);
    for (const char* told : {"uwRecpLen[0]: 2 given, written as 5", "bySendImgSize: 0 given, written as 1",
                             "byDailySendTime: 5 given, written as 24", "byRemoteSwitch: 1 given, written as 0"})
        EXPECT_NE(r.err.find(told), std::string::npos) << told << " in " << r.err;

    // Close 3G with a stored interval: remote control stays off, so the
    // missing remote phone number is no reason to refuse.
    r = Import(dir, R"({"bySendBy": 0, "byRemoteInterval": 4})");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(Exported(dir / "CFG.BIN")["byRemoteSwitch"], 0);

    // A new country starts at its first operator; manual input empties the
    // database's texts unless they are given.
    TempDir other;
    ASSERT_EQ(Cli({"set", P(dir / "CFG.BIN"), "bySendBy=1", "szRecp[0]=1", "byOperatorCountry=3", "byOperator=7",
                   "byRemoteInterval=25"})
                  .status,
              0);
    r = Import(other, R"({"byOperatorCountry": 2})", {"--base", P(dir / "CFG.BIN")});
    ASSERT_EQ(r.status, 0) << r.err;
    f = Exported(other / "CFG.BIN");
    EXPECT_EQ(f["byOperator"], 0);
    EXPECT_EQ(f["sMmsSet.szMmsUrl"], MmsParamOf(2, 0).url);
    r = Import(other, R"({"byOperatorCountry": 43, "sMmsSet.szMmsUrl": "http://own", "sMmsSet.szMmsApn": "a",
                         "sMmsSet.szMmsGateway": "g"})",
               {"--base", P(dir / "CFG.BIN")});
    ASSERT_EQ(r.status, 0) << r.err;
    f = Exported(other / "CFG.BIN");
    EXPECT_EQ(f["sMmsSet.szMmsUrl"], "http://own");
    EXPECT_EQ(f["sMmsSet.szMmsPort"], "");
    EXPECT_EQ(f["sSmtpSet.sz3GSmtpApN"], "");
}

TEST(CliImport, StampsTheLocalTimeUnlessToldToKeepIt) {
    TempDir dir;
    test::WriteText(dir / "cfg.json", R"({"bySendBy": 0, "sTime.byYear": 20, "sTime.byMonth": 1, "sTime.bSet": 1})");
    test::WriteText(dir / "menu.json", R"({"ClockMode": 0, "Year": 2019, "Month": 3})");
    ImportOptions options;
    options.dir = dir.path();
    options.write.now = StampTime{2031, 12, 24, 18, 5, 9};
    StringOutput out, err;
    trailcfg::test::DiagCapture quiet;
    for (bool keep : {false, true}) {
        options.write.stamp = !keep;
        options.json = P(dir / "cfg.json");
        ASSERT_EQ(CmdImport(options, out, err), 0) << err.str();
        options.json = P(dir / "menu.json");
        ASSERT_EQ(CmdImport(options, out, err), 0) << err.str();
        const std::vector<std::uint8_t> cfg = Plain(dir / "CFG.BIN");
        const std::vector<std::uint8_t> menu = Plain(dir / "menu.dat");
        if (keep) {
            EXPECT_EQ(std::vector<int>(cfg.begin() + 14, cfg.begin() + 21), (std::vector<int>{20, 1, 0, 0, 0, 0, 1}));
            EXPECT_EQ(menu[14] | menu[15] << 8, 2019);
            EXPECT_EQ(menu[16], 3);
        } else {
            EXPECT_EQ(std::vector<int>(cfg.begin() + 14, cfg.begin() + 21),
                      (std::vector<int>{31, 12, 24, 18, 5, 9, 0}));
            EXPECT_EQ(menu[14] | menu[15] << 8, 2031);
            EXPECT_EQ(std::vector<int>(menu.begin() + 16, menu.begin() + 21), (std::vector<int>{12, 24, 18, 5, 9}));
        }
    }
    // A typed clock is the user's, and must be a date the page accepts.
    test::WriteText(dir / "menu.json", R"({"ClockMode": 1, "Year": 2023, "Month": 2, "Day": 29})");
    options.write.stamp = true;
    EXPECT_EQ(CmdImport(options, out, err), 2);
    EXPECT_NE(err.str().find("no date the Camera Setup page accepts"), std::string::npos);
}

struct BadInput {
    const char* what;
    std::string json;
    std::vector<std::string> extra;
    const char* message;
};

TEST(CliImport, RefusesBadInputAndWritesNothing) {
    TempDir dir, other;
    test::WriteText(other / "odd.bin", std::string(45, 'x'));
    Cli({"new", "menu", "--dir", P(other.path())});
    std::string tooLong = "{\"szRecp[2]\": \"";
    for (int i = 0; i < 25; ++i) tooLong += "中";
    tooLong += "\"}";
    const BadInput cases[] = {
        {"syntax",
         "{\"bySendBy\": 1,\n  \"szRecp[0]\" \"1\"}",
         {},
         "in.json: line 2, column 17: syntax error while parsing object separator"},
        {"unknown field", R"({"szRecp[5]": "x"})", {}, "unknown field \"szRecp[5]\"; did you mean \"szRecp[0]\"?"},
        {"text for a number", R"({"bySendBy": "1"})", {}, "bySendBy: a number is needed, not string \"1\""},
        {"number for a text", R"({"szRecp[0]": 1})", {}, "szRecp[0]: a text in quotes is needed, not number 1"},
        {"fraction", R"({"uwMaxSendImgNum": 1.5})", {}, "a whole number is needed, not 1.5"},
        {"beyond the field", R"({"uwMaxSendImgNum": 70000})", {}, "70000 is outside 0..9999"},
        {"beyond the list", R"({"byRemoteInterval": 26})", {}, "26 is outside 0..25"},
        {"negative", R"({"sFtpSet.iPort": -1})", {}, "-1 is outside 0..65535"},
        {"too long in GBK", tooLong, {}, "szRecp[2]: is 50 bytes in GBK; the field holds at most 48"},
        {"no GBK character", R"({"szRemoteEmail": "a€b✓"})", {}, "(U+2713), a character GBK cannot hold"},
        {"control character", R"({"szRemoteEmail": "a\u0000b"})", {}, "control character U+0000"},
        {"phone number", R"({"szRecp[0]": "0171 234"})", {}, "is no phone number"},
        {"twice", R"({"bySendBy": 1, "bySendBy": 2})", {}, "bySendBy: given twice"},
        {"both files", R"({"bySendBy": 1, "CapMode": 1})", {}, "both CFG.BIN and menu.dat"},
        {"operator beyond the list", R"({"byOperatorCountry": 0, "byOperator": 1})", {}, "beyond the list of China"},
        {"database text",
         R"({"byOperatorCountry": 1, "sMmsSet.szMmsApn": "mine"})",
         {},
         "is not what the operator database gives for United States / T-Mobile"},
        {"base of another size", R"({"bySendBy": 1})", {"--base", P(other / "odd.bin")}, "45 bytes is neither"},
        {"base of the other kind", R"({"bySendBy": 1})", {"--base", P(other / "menu.dat")}, "the base"},
        {"no folder", R"({"bySendBy": 1})", {"--dir", P(dir / "missing")}, "missing: no such folder"},
        {"not JSON at all", "\xff\xfe", {}, "line 1, column 1"},
        {"not an object", "[1, 2]", {}, "a JSON object"},
    };
    for (const BadInput& c : cases) {
        SCOPED_TRACE(c.what);
        test::WriteText(dir / "in.json", c.json);
        std::vector<std::string> args = {"import", P(dir / "in.json")};
        if (std::find(c.extra.begin(), c.extra.end(), "--dir") == c.extra.end())
            args.insert(args.end(), {"--dir", P(dir.path())});
        args.insert(args.end(), c.extra.begin(), c.extra.end());
        CliRun r = Cli(args);
        EXPECT_EQ(r.status, 2);
        EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
        EXPECT_EQ(trailcfg::test::ListFolder(dir.path()), std::vector<std::string>{"in.json"});
    }
}

TEST(CliImport, AFolderThatCannotBeWrittenIsAnErrorAndKeepsTheOldFile) {
    TempDir dir;
    ASSERT_EQ(Import(dir, kEmailJson).status, 0);
    const std::vector<std::uint8_t> before = trailcfg::test::ReadBytes(dir / "CFG.BIN");
    if (!trailcfg::test::MakeReadOnly(dir.path())) GTEST_SKIP() << "this process can write anywhere";
    CliRun r = Cli({"import", P(dir / "in.json"), "--dir", P(dir.path())});
    trailcfg::test::UndoReadOnly(dir.path());
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("cannot be written"), std::string::npos) << r.err;
    EXPECT_EQ(trailcfg::test::ReadBytes(dir / "CFG.BIN"), before);
    EXPECT_EQ(trailcfg::test::ListFolder(dir.path()), (std::vector<std::string>{"CFG.BIN", "in.json"}));
}

// `trailcfg-cli export CFG.BIN > cam.json` in Windows PowerShell 5.1 writes
// UTF-16 with a byte-order mark; importing that file must give the same file.
TEST(CliImport, ReadsJsonInUtf16AndWithAByteOrderMark) {
    TempDir dir;
    ASSERT_EQ(Import(dir, kEmailJson, {"--keep-time"}).status, 0);
    const std::string exported = Cli({"export", P(dir / "CFG.BIN")}).out;
    const std::vector<std::uint8_t> expected = trailcfg::test::ReadBytes(dir / "CFG.BIN");
    std::string le = "\xFF\xFE", be = "\xFE\xFF";
    for (char c : exported) {  // export prints ASCII here
        le += c, le += '\0';
        be += '\0', be += c;
    }
    for (const std::string& text : {le, be, "\xEF\xBB\xBF" + exported}) {
        std::filesystem::remove(dir / "CFG.BIN");
        CliRun r = Import(dir, text, {"--keep-time"});
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(trailcfg::test::ReadBytes(dir / "CFG.BIN"), expected);
    }
    CliRun latin = Import(dir, "{\"szRecp[2]\": \"caf\xE9@x.org\"}");
    EXPECT_EQ(latin.status, 2);
    EXPECT_EQ(latin.err, "trailcfg-cli: " + P(dir / "in.json") +
                             ": line 1, column 19: not UTF-8 (byte 0xE9); save it as \"UTF-8\"\n");
}

TEST(CliImport, GeneratesRefusalIsExitOneWithTheMessageInTheChosenLanguage) {
    TempDir dir;
    CliRun r = Import(dir, R"({"bySendBy": 2})", {"--lang", "zh"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "未生成配置文件！\n请输入至少一个邮箱地址。 (szRecp[2], szRecp[3])\n");
    r = Import(dir, R"({"bySendBy": 3, "sFtpSet.szServer": "s", "sFtpSet.iPort": 21})");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "Generate failed!\nFTP account error! (sFtpSet.szUserName)\n")
        << "the lone carriage return becomes a line break";
    EXPECT_FALSE(std::filesystem::exists(dir / "CFG.BIN"));
}

}  // namespace
}  // namespace trailcfg::cli
