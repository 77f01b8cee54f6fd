// The scenario runner against the real application on the headless backend:
// what holds passes, what does not is reported as FILE:LINE with what was
// expected and what was found, and the files and folders it makes are what
// the steps say.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "common/diag.h"
#include "platform/headless/headless_platform.h"
#include "scenario/run_file.h"
#include "scenario/session.h"
#include "scenario/work_folder.h"
#include "test_support.h"

namespace trailcfg::scenario {
namespace {

Token Word(const char* word) { return Token{word, std::nullopt}; }
Token Text(const char* text) { return Token{"", std::string(text)}; }

class RunnerTest : public ::testing::Test {
protected:
    // Runs `source` as one scenario file named "t.scn"; returns the report
    // with the file's folder taken out of it.
    std::string RunScenario(const std::string& source, bool* passed = nullptr) {
        std::string file = (dir_ / "t.scn").string();
        std::ofstream(file, std::ios::binary) << source;
        std::ostringstream report;
        bool ok = RunScenarioFile(*platform_, file, report);
        if (passed) *passed = ok;
        std::string text = report.str();
        for (std::size_t at; (at = text.find(file)) != std::string::npos;) text.replace(at, file.size(), "t.scn");
        return text;
    }

    // Passes when the scenario holds, and shows the report when not.
    void ExpectPass(const std::string& source) {
        bool passed = false;
        std::string report = RunScenario(source, &passed);
        EXPECT_TRUE(passed) << report;
        EXPECT_EQ(report, "");
    }

    test::TempDir dir_;
    std::unique_ptr<DrivablePlatform> platform_ = MakeHeadlessPlatform();
};

TEST_F(RunnerTest, FailedExpectationsNameTheLineAndWhatWasFound) {
    const std::pair<std::string, std::string> cases[] = {
        {"start\nexpect title \"设置\"\n", "t.scn:2: expected title \"设置\", got \"Setup\"\n"},
        {"start\nexpect page 107\n", "t.scn:2: expected page 107, got page 111\n"},
        {"start\nexpect text 40000 \"x\"\n", "t.scn:2: expected text of 40000 \"x\", got \"Camera Setup\"\n"},
        {"start\nexpect enabled 40006 yes\n", "t.scn:2: expected 40006 enabled yes, got no\n"},
        {"start\nexpect selection 40001 2\n", "t.scn:2: expected selection of 40001 2, got 0\n"},
        // A layout name and the number are one control.
        {"start\nchoose LanguageList 1\nexpect selection 40004 0\n", "t.scn:3: expected selection of 40004 0, got 1\n"},
        {"start\nexpect items 40004 \"English\"\n",
         "t.scn:2: expected items of 40004 \"English\", got \"中文\" \"English\"\n"},
        {"start\nexpect items 40004 \"中文\"\n",
         "t.scn:2: expected items of 40004 \"中文\", got \"中文\" \"English\"\n"},
        {"start\nexpect item 40001 4 \"x\"\n", "t.scn:2: expected item 4 of 40001 \"x\", got 4 entries\n"},
        {"start\nexpect exit 0\n", "t.scn:2: expected exit 0, got the application still running\n"},
        {"start\nclose\nexpect exit 1\n", "t.scn:3: expected exit 1, got exit 0\n"},
        {"start\nclose\nexpect page 111\n", "t.scn:3: expected page 111, got no page\n"},
        {"start\nexpect state g_iUiLanguage 0\n", "t.scn:2: expected state g_iUiLanguage 0, got 1\n"},
        {"start\nexpect state g_sSendSet.sFtpSet.iPort 21\n",
         "t.scn:2: expected state g_sSendSet.sFtpSet.iPort 21, got 0\n"},
        {"start\nexpect output \"nothing like this\"\n", ""},  // checked below: the output is shown
        {"start\nexpect no-output \"CurDir:\"\n", ""},
        {"expect message \"a\" \"b\"\n", "t.scn:1: expected message \"a\" \"b\", got no message\n"},
        {"expect file CFG.BIN exists\n", "t.scn:1: expected file CFG.BIN exists, got missing\n"},
        {"expect size x 3\n", "t.scn:1: expected size of x 3, got no such file\n"},
        {"start\nexpect cfg bySendBy 1\n", "t.scn:2: expected cfg bySendBy 1, got no CFG.BIN\n"},
    };
    for (const auto& [source, expected] : cases) {
        bool passed = true;
        std::string report = RunScenario(source, &passed);
        EXPECT_FALSE(passed) << source;
        if (!expected.empty()) {
            EXPECT_EQ(report, expected) << source;
        } else {
            EXPECT_EQ(report.rfind("t.scn:2: expected output ", 0), 0u) << report;
            EXPECT_NE(report.find("got \"CurDir:"), std::string::npos) << report;
        }
    }
}

TEST_F(RunnerTest, StepsThatCannotBeCarriedOutFailTheFile) {
    const std::pair<std::string, std::string> cases[] = {
        {"click 40000\n", "t.scn:1: no page on screen\n"},
        {"start\nclick 12345\n", "t.scn:2: page 111 has no control 12345\n"},
        {"start\nclick camerasetupbutton\n",
         "t.scn:2: page 111 has no control camerasetupbutton; nearest: CameraSetupButton, 3GSetupButton, "
         "LanguageList\n"},
        {"start\nclick GenerateButton\n",  // a name of another page
         "t.scn:2: page 111 has no control GenerateButton; nearest: CameraSetupButton, 3GSetupButton, LanguageList\n"},
        {"start\nclick VersionLabel\n", "t.scn:2: click: control VersionLabel is not a control for that\n"},
        {"start\nclick 40006\n", "t.scn:2: click: control 40006 is not a control for that\n"},
        {"start\ntype 40004 \"x\"\n", "t.scn:2: type: control 40004 is not a control for that\n"},
        {"start\nchoose 40004 2\n", "t.scn:2: choose: list 40004 has 2 entries\n"},
        {"start\ntick\n", "t.scn:2: tick: no timer runs on page 111\n"},
        {"start\nstart\n", "t.scn:2: start: only while no application runs\n"},
        {"start\nsystem-language 0x0804\n", "t.scn:2: system-language: only while no application runs\n"},
        {"jump\n", "t.scn:1: unknown step \"jump\"\n"},
        {"expect colour 1\n", "t.scn:1: unknown expectation \"colour\"\n"},
        {"start\nexpect title Setup\n", "t.scn:2: a text in double quotes is needed in place of Setup\n"},
        {"start\nexpect selection 40001 one\n", "t.scn:2: a number is needed in place of one\n"},
        {"now 2025-13-01 00:00:00\n", "t.scn:1: usage: now YYYY-MM-DD HH:MM:SS\n"},
        {"make cfg CFG.BIN bySendBy=256\n", "t.scn:1: bySendBy cannot hold 256\n"},
        {"make cfg CFG.BIN noSuchField=1\n", "t.scn:1: SendSettings has no field noSuchField\n"},
        {"make menu menu.dat CapMode=\"x\"\n", "t.scn:1: CapMode takes a number\n"},
        {"make cfg CFG.BIN szRemotePhoneNum=\"1234567890123456\"\n",
         "t.scn:1: szRemotePhoneNum holds at most 15 bytes\n"},
        {"make bytes x 0A0\n", "t.scn:1: make bytes takes hex pairs\n"},
        {"\n\nexpect title \"x\n", "t.scn:3: text without closing quote\n"},
    };
    for (const auto& [source, expected] : cases) {
        bool passed = true;
        EXPECT_EQ(RunScenario(source, &passed), expected) << source;
        EXPECT_FALSE(passed) << source;
    }
}

TEST_F(RunnerTest, AFailureEndsItsFileOnly) {
    std::string failing = (dir_ / "fail.scn").string();
    std::string passing = (dir_ / "pass.scn").string();
    std::ofstream(failing) << "start\nexpect page 107\nexpect page 108\n";
    std::ofstream(passing) << "start\nexpect page 111\n";
    std::ostringstream report;
    EXPECT_EQ(RunScenarioFiles(*platform_, {failing, passing, passing}, report), 1);
    EXPECT_EQ(report.str(), failing + ":2: expected page 107, got page 111\n2 passed, 1 failed\n");

    std::ostringstream clean;
    EXPECT_EQ(RunScenarioFiles(*platform_, {passing}, clean), 0);
    EXPECT_EQ(clean.str(), "1 passed, 0 failed\n");
}

TEST_F(RunnerTest, MadeFilesHoldTheirRecordsAndExpectationsReadThemBack) {
    ExpectPass(
        "make cfg CFG.BIN bySendBy=2 szRecp[2]=\"a@b.c\" sSmtpSet.iPort=-1 sLongitude.byDegree=0xB4\n"
        "make menu menu.dat CapMode=2 Serial[3]=35 Year=2030\n"
        "make bytes raw.bin 01 02 0a0B\n"
        "make zeros zero.bin 7\n"
        "mkdir sub/deeper\n"
        "make zeros sub/deeper/CFG.BIN 1320\n"
        "expect size CFG.BIN 1320\n"
        "expect size menu.dat 44\n"
        "expect size raw.bin 4\n"
        "expect size zero.bin 7\n"
        "expect file sub/deeper exists\n"
        "start\n"
        "expect cfg bySendBy 0x82\n"
        "expect cfg szRecp[2] \"a@b.c\"\n"
        "expect cfg sSmtpSet.iPort -1\n"
        "expect cfg sLongitude.byDegree 180\n"
        "expect cfg sFtpSet.szFtpDir \"/\"\n"
        "expect cfg-byte 0 0x82\n"
        "expect cfg-byte 12 0x05\n"
        "expect cfg-byte 13 0x10\n"
        "expect menu CapMode 2\n"
        "expect menu Serial[3] 35\n"
        "expect menu Year 2030\n"
        "expect menu Flag 0x8081\n"
        "expect menu-byte 40 143\n");
    bool passed = true;
    EXPECT_EQ(RunScenario("make menu menu.dat\nstart\nexpect menu-byte 44 0\n", &passed),
              "t.scn:3: expected menu-byte 44 0, got a file of 44 bytes\n");
}

TEST_F(RunnerTest, MessagesAreCountedAsTheyAreExpected) {
    WorkFolder work;
    Session session(*platform_, "m.scn", work);
    ASSERT_TRUE(session.Run({{1, {Word("expect"), Word("no-message")}}}));
    session.RecordMessage("Warning", "The input is out of range!", MessageIcon::Warning);
    session.RecordMessage("Notice", "Generate Success!", MessageIcon::Information);
    EXPECT_TRUE(session.Run({
        {2, {Word("expect"), Word("message"), Text("Warning"), Text("The input is out of range!"), Word("warning")}},
        {3, {Word("expect"), Word("message"), Text("Notice"), Text("Generate Success!")}},
        {4, {Word("expect"), Word("no-message")}},
    })) << session.Report();

    Session second(*platform_, "m.scn", work);
    second.RecordMessage("Notice", "Generate Success!", MessageIcon::Information);
    EXPECT_FALSE(second.Run(
        {{5, {Word("expect"), Word("message"), Text("Notice"), Text("Generate Success!"), Word("warning")}}}));
    EXPECT_EQ(second.Report(),
              "m.scn:5: expected message \"Notice\" \"Generate Success!\" warning, got message \"Notice\" "
              "\"Generate Success!\" information\n");
}

TEST_F(RunnerTest, SystemAnswersFollowTheSetUpSteps) {
    WorkFolder work;
    Session session(*platform_, "s.scn", work);
    ASSERT_TRUE(session.Run({
        {1, {Word("folder"), Word("sub")}},
        {2, {Word("folder"), Word("cancel")}},
        {3, {Word("folder"), Text("/abs/olute/")}},
        {4, {Word("now"), Word("2031-02-03"), Word("04:05:06")}},
        {5, {Word("system-language"), Word("0x0804")}},
    })) << session.Report();
    std::string folder;
    EXPECT_TRUE(session.AnswerFolder(folder));
    EXPECT_EQ(folder, (work.path() / "sub").string());
    EXPECT_FALSE(session.AnswerFolder(folder));
    EXPECT_TRUE(session.AnswerFolder(folder));
    EXPECT_EQ(folder, "/abs/olute");
    EXPECT_FALSE(session.AnswerFolder(folder));  // none left: cancelled
    LocalTime t = session.Now();
    EXPECT_EQ((std::vector<int>{t.year, t.month, t.day, t.hour, t.minute, t.second}),
              (std::vector<int>{2031, 2, 3, 4, 5, 6}));
    EXPECT_EQ(session.SystemDefaultLanguage(), 0x0804);
}

TEST_F(RunnerTest, WorkFolderIsRemovedReadOnlyFoldersIncluded) {
    std::filesystem::path path;
    std::filesystem::path before = std::filesystem::current_path();
    {
        WorkFolder work;
        path = work.path();
        ASSERT_TRUE(std::filesystem::is_directory(path));
        std::filesystem::create_directories(path / "ro" / "inner");
        std::ofstream(path / "ro" / "inner" / "f") << "x";
        ASSERT_TRUE(work.MakeReadOnly(path / "ro"));
        EXPECT_FALSE(std::ofstream(path / "ro" / "new"));
        EXPECT_FALSE(work.MakeReadOnly(path / "missing"));
        std::filesystem::current_path(path);
    }
    EXPECT_FALSE(std::filesystem::exists(path));
    EXPECT_EQ(std::filesystem::current_path(), before);
}

TEST_F(RunnerTest, ApplicationOutputIsCapturedNotPrinted) {
    test::DiagCapture outside;
    ExpectPass("start\nexpect output \"CurDir:{work}\\n\"\nclose\nexpect output \"CurDir:\"\n");
    EXPECT_EQ(outside.text(), "");
    // A new start begins a new capture.
    bool passed = true;
    RunScenario("start\nclose\nstart\nexpect output \"CurDir:{work}\\nCurDir:\"\n", &passed);
    EXPECT_FALSE(passed);
}

}  // namespace
}  // namespace trailcfg::scenario
