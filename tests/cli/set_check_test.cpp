// set edits a file in place under the same rules as import; check runs
// Generate's checks on a file as the program would load it.
#include <gtest/gtest.h>

#include "cli_run.h"
#include "common/scramble.h"
#include "send/send_settings.h"

namespace trailcfg::cli {
namespace {

Json Exported(const std::filesystem::path& file) { return Json::parse(Cli({"export", P(file)}).out); }

TEST(CliSet, ChangesOnlyWhatItIsToldAndKeepsTheTimeStamp) {
    TempDir dir;
    test::WriteText(dir / "in.json", R"({"bySendBy": 1, "szRecp[0]": "123", "sTime.byYear": 21, "sTime.byMonth": 5})");
    ASSERT_EQ(Cli({"import", P(dir / "in.json"), "--dir", P(dir.path()), "--keep-time"}).status, 0);
    const Json before = Exported(dir / "CFG.BIN");

    CliRun r = Cli({"set", P(dir / "CFG.BIN"), "szRecp[2]=a=b@c.d", "uwMaxSendImgNum=0x10"});
    ASSERT_EQ(r.status, 0) << r.err;
    Json after = Exported(dir / "CFG.BIN");
    EXPECT_EQ(after["szRecp[2]"], "a=b@c.d") << "the value runs to the end";
    EXPECT_EQ(after["uwRecpLen[2]"], 7);
    EXPECT_EQ(after["uwMaxSendImgNum"], 16);
    for (const char* unchanged : {"sTime.byYear", "sTime.byMonth", "szRecp[0]", "sMmsSet.szMmsUrl"})
        EXPECT_EQ(after[unchanged], before[unchanged]) << unchanged;

    ASSERT_EQ(Cli({"set", P(dir / "CFG.BIN"), "--stamp", "szRecp[3]="}).status, 0);
    EXPECT_NE(Exported(dir / "CFG.BIN")["sTime.byYear"], 21) << "--stamp takes this computer's time";

    // Refused or bad: the file stays as it was.
    const std::vector<std::uint8_t> kept = trailcfg::test::ReadBytes(dir / "CFG.BIN");
    struct Case {
        std::vector<std::string> args;
        int status;
        const char* message;
    };
    const Case cases[] = {
        {{"szRecp[0]=", "szRecp[1]=", "szRecp[2]=", "szRecp[3]="}, 1, "Please enter at least one phone number"},
        {{"CapMode=1"}, 2, "\"CapMode\" is a field of menu.dat, not of CFG.BIN"},
        {{"bySendBy"}, 2, "bySendBy: FIELD=VALUE is needed"},
        {{"bySendBy=two"}, 2, "bySendBy: \"two\" is not a whole number"},
        {{"bySendBy="}, 2, "bySendBy: is empty; a number is needed"},
        {{"bySendBy=1", "bySendBy=2"}, 2, "bySendBy: given twice"},
        {{"bySendBy=5"}, 2, "5 is outside 0..3"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args = {"set", P(dir / "CFG.BIN")};
        args.insert(args.end(), c.args.begin(), c.args.end());
        CliRun bad = Cli(args);
        EXPECT_EQ(bad.status, c.status) << c.args[0];
        EXPECT_NE(bad.err.find(c.message), std::string::npos) << bad.err;
        EXPECT_EQ(trailcfg::test::ReadBytes(dir / "CFG.BIN"), kept);
    }
}

TEST(CliSet, MenuClockStaysUnlessStamped) {
    TempDir dir;
    test::WriteText(dir / "in.json", R"({"Year": 2020, "Month": 1, "Day": 2})");
    ASSERT_EQ(Cli({"import", P(dir / "in.json"), "--dir", P(dir.path()), "--keep-time"}).status, 0);
    ASSERT_EQ(Cli({"set", P(dir / "menu.dat"), "CapMode=1"}).status, 0);
    Json menu = Exported(dir / "menu.dat");
    EXPECT_EQ(menu["CapMode"], 1);
    EXPECT_EQ(menu["Year"], 2020);
    ASSERT_EQ(Cli({"set", P(dir / "menu.dat"), "--stamp", "CapMode=2"}).status, 0);
    EXPECT_NE(Exported(dir / "menu.dat")["Year"], 2020) << "Auto: the camera takes this computer's time";
    EXPECT_EQ(Cli({"set", P(dir / "menu.dat"), "ClockMode=1"}).status, 0) << "a stamped clock is a date";
    EXPECT_EQ(Cli({"set", P(dir / "menu.dat"), "ClockMode=1", "Month=13"}).status, 2);
}

TEST(CliCheck, RunsGeneratesChecksOnTheFileAsTheProgramLoadsIt) {
    TempDir dir;
    Cli({"new", "cfg", "--dir", P(dir.path())});
    CliRun r = Cli({"check", P(dir / "CFG.BIN")});
    EXPECT_EQ(r.status, 1) << "the default file sends MMS to nobody";
    EXPECT_EQ(r.out,
              "Generate failed!\nPlease enter at least one phone number or email address. (szRecp[0], szRecp[1], "
              "szRecp[2], szRecp[3])\n");

    // A recipient whose length is not stored is not shown, so not sent to.
    std::vector<std::uint8_t> plain = DefaultRecord(FileKind::Cfg);
    plain[offsetof(SendSettings, szRecp)] = '1';
    plain[0] = kSendByMms | IF_SEND_BY_APP_SET_FLG;
    ScrambleBytes(plain.data(), plain.size());
    trailcfg::test::WriteBytes(dir / "CFG.BIN", plain);
    r = Cli({"check", P(dir / "CFG.BIN"), "--lang", "zh"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out,
              "未生成配置文件！\n请输入至少一个手机号码或邮箱地址。 (szRecp[0], szRecp[1], szRecp[2], szRecp[3])\n");

    ASSERT_EQ(Cli({"set", P(dir / "CFG.BIN"), "szRecp[0]=1"}).status, 0);
    EXPECT_EQ(Cli({"check", P(dir / "CFG.BIN")}).out, "ok\n");

    Cli({"new", "menu", "--dir", P(dir.path())});
    EXPECT_EQ(Cli({"check", P(dir / "menu.dat")}).out, "ok\n");
    std::vector<std::uint8_t> menu = DefaultRecord(FileKind::Menu);
    menu[5] = 4;  // SenseLevel beyond its list
    ScrambleBytes(menu.data(), menu.size());
    trailcfg::test::WriteBytes(dir / "menu.dat", menu);
    r = Cli({"check", P(dir / "menu.dat")});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "SenseLevel: 4 is outside 0..3 (0 Normal, 1 High, 2 Low, 3 Off)\n");

    test::WriteText(dir / "short.bin", "abc");
    EXPECT_EQ(Cli({"check", P(dir / "short.bin")}).status, 2);
}

}  // namespace
}  // namespace trailcfg::cli
