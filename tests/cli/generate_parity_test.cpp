// One table of configurations, run through the send page's Generate on the
// headless backend and through trailcfg-cli's `import` and `check`: the
// first refusal must be the same message in both languages, and a passing
// configuration must give the same file, time stamp aside. The CLI's rules
// for the fields the pages keep in step are only right if this holds.
#include <gtest/gtest.h>

#include <cstring>
#include <optional>

#include "app/process_state.h"
#include "cli/field_values.h"
#include "cli_run.h"
#include "common/file_io.h"
#include "common/gbk_codec.h"
#include "common/scramble.h"
#include "common/text_copy.h"
#include "gui/run_application.h"
#include "platform/control_ids.h"
#include "platform/headless/headless_platform.h"
#include "scripted_driver.h"
#include "send/cfg_file.h"
#include "send/generate_messages.h"

namespace trailcfg::cli {
namespace {

struct ParityCase {
    const char* name;
    std::vector<std::pair<const char*, const char*>> fields;  // as export names them
    bool noCmd22;
    std::optional<GenerateMessage> refusal;
};

using M = GenerateMessage;

const std::vector<std::pair<const char*, const char*>> kOutbox = {
    {"sSmtpSet.szServer", "smtp.example.com"},
    {"sSmtpSet.iPort", "25"},
    {"sSmtpSet.szAddr", "cam@example.com"},
    {"sSmtpSet.szPassword", "secret"},
};

std::vector<std::pair<const char*, const char*>> With(std::vector<std::pair<const char*, const char*>> a,
                                                      const std::vector<std::pair<const char*, const char*>>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

const ParityCase kCases[] = {
    {"close 3G with nothing filled in", {{"bySendBy", "0"}}, false, std::nullopt},
    {"close 3G keeps a stored interval out of the remote checks",
     {{"bySendBy", "0"}, {"byRemoteInterval", "3"}},
     false,
     std::nullopt},
    {"close 3G, manual country, nothing typed", {{"bySendBy", "0"}, {"byOperatorCountry", "43"}}, false, std::nullopt},
    {"email without addresses", {{"bySendBy", "2"}}, false, M::NeedEmail},
    {"email 2 without a dot after the at", {{"bySendBy", "2"}, {"szRecp[3]", "a@b"}}, false, M::BadEmail2},
    {"email 1 with its dot before the at", {{"bySendBy", "2"}, {"szRecp[2]", "a.b@c"}}, false, M::BadEmail1},
    {"MMS without recipients", {{"bySendBy", "1"}}, false, M::NeedRecipient},
    {"MMS to phone 2 only", {{"bySendBy", "1"}, {"szRecp[1]", "+4912345"}}, false, std::nullopt},
    {"remote phone too short",
     {{"bySendBy", "1"}, {"szRecp[0]", "123"}, {"byRemoteInterval", "0"}, {"szRemotePhoneNum", "1234"}},
     false,
     M::BadRemotePhone},
    {"remote receiver missing",
     {{"bySendBy", "1"}, {"szRecp[0]", "123"}, {"byRemoteInterval", "24"}, {"szRemotePhoneNum", "12345"}},
     false,
     M::BadRemoteEmail},
    {"remote receiver not needed without the 22/60/61 commands",
     {{"bySendBy", "1"}, {"szRecp[0]", "123"}, {"byRemoteInterval", "24"}, {"szRemotePhoneNum", "12345"}},
     true,
     std::nullopt},
    {"manual MMS without a gateway",
     {{"bySendBy", "1"},
      {"szRecp[0]", "123"},
      {"byOperatorCountry", "43"},
      {"sMmsSet.szMmsUrl", "http://mms"},
      {"sMmsSet.szMmsApn", "mms"}},
     false,
     M::NeedMmsGateway},
    {"email with the outbox filled in", With({{"bySendBy", "2"}, {"szRecp[2]", "me@home.org"}}, kOutbox), false,
     std::nullopt},
    {"email with a bad outbox address",
     With(With({{"bySendBy", "2"}, {"szRecp[2]", "me@home.org"}}, kOutbox), {{"sSmtpSet.szAddr", "nobody"}}), false,
     M::BadOutboxAddress},
    {"FTP without a port",
     {{"bySendBy", "3"}, {"sFtpSet.szServer", "ftp.example.com"}, {"sFtpSet.iPort", "0"}},
     false,
     M::NeedFtpPort},
    {"FTP with remote control checks the outbox",
     {{"bySendBy", "3"},
      {"byRemoteInterval", "0"},
      {"szRemotePhoneNum", "12345"},
      {"szRemoteEmail", "r@x.y"},
      {"sFtpSet.szServer", "ftp"},
      {"sFtpSet.szUserName", "cam"},
      {"sFtpSet.szPassword", "pw"}},
     false,
     M::NeedOutboxServer},
    {"FTP filled in, remote control without the 22/60/61 commands",
     {{"bySendBy", "3"},
      {"byOperatorCountry", "3"},
      {"byOperator", "2"},
      {"byRemoteInterval", "5"},
      {"szRemotePhoneNum", "+44777"},
      {"sFtpSet.szServer", "ftp.example.com"},
      {"sFtpSet.szUserName", "cam"},
      {"sFtpSet.szPassword", "pw"},
      {"sFtpSet.iFtpDirType", "1"},
      {"sFtpSet.szFtpDir", "/upload"}},
     true,
     std::nullopt},
};

// The case's values in a record, as a file the program itself could hold:
// each recipient with its length, so that the send page shows it.
std::vector<std::uint8_t> CaseRecord(const ParityCase& c) {
    std::vector<std::uint8_t> plain = DefaultRecord(FileKind::Cfg);
    FieldValues values;
    for (const auto& [name, value] : c.fields) {
        FieldValue v;
        std::string error;
        const FieldDesc* field = FindField(SendSettingsFields(), name);
        EXPECT_TRUE(field && ValueFromText(FileKind::Cfg, *field, value, v, error)) << name << ": " << error;
        values.push_back(v);
    }
    ApplyValues(plain.data(), values);
    SendSettings s;
    std::memcpy(&s, plain.data(), sizeof s);
    for (int i = 0; i < 4; ++i) s.uwRecpLen[i] = static_cast<std::uint16_t>(TextLength(s.szRecp[i]));
    std::memcpy(plain.data(), &s, sizeof s);
    return plain;
}

void WriteRecord(const std::filesystem::path& file, std::vector<std::uint8_t> plain) {
    plain[0] |= IF_SEND_BY_APP_SET_FLG;
    ScrambleBytes(plain.data(), plain.size());
    trailcfg::test::WriteBytes(file, plain);
}

struct GuiResult {
    std::vector<std::string> messages;  // UTF-8, as a terminal shows them
    std::vector<std::uint8_t> file;
};

// Start page, "3G Setup", "Next Page", the box, "Generate", as a user would.
GuiResult GenerateOnThePage(const std::filesystem::path& folder, bool noCmd22, int language) {
    ResetProcessState();
    std::unique_ptr<DrivablePlatform> platform = MakeHeadlessPlatform();
    trailcfg::test::ScriptedDriver driver({
        [&](Dialog&, DialogProbe& probe) {
            const std::string gbk = GbkFromPath(folder);
            std::snprintf(g_szSavePath, sizeof g_szSavePath, "%s", gbk.c_str());
            probe.UserClick(ids::start::k3GSetupButton);
        },
        [](Dialog&, DialogProbe& probe) { probe.UserClick(ids::param::kNextPageButton); },
        [&](Dialog&, DialogProbe& probe) {
            if (noCmd22) probe.UserClick(ids::send::kNoCmd22Box);
            probe.UserClick(ids::send::kGenerateButton);
        },
        [](Dialog&, DialogProbe& probe) { probe.UserClose(); },
        [](Dialog&, DialogProbe& probe) { probe.UserClose(); },
    });
    driver.language = language == kLangZh ? 0x0804 : 0x0409;
    platform->SetDriver(&driver);
    trailcfg::test::DiagCapture quiet;
    RunApplication(*platform);
    platform->SetDriver(nullptr);
    GuiResult result;
    for (const auto& m : driver.messages) result.messages.push_back(TerminalLines(GbkToUtf8(m.text)));
    result.file = trailcfg::test::ReadBytes(folder / "CFG.BIN");
    return result;
}

std::string CaseJson(const ParityCase& c) {
    Json json = Json::object();
    for (const auto& [name, value] : c.fields) {
        const FieldDesc* field = FindField(SendSettingsFields(), name);
        if (field->kind == FieldKind::Text)
            json[name] = value;
        else
            json[name] = std::stoll(value);
    }
    return json.dump();
}

// The time stamp is the moment of writing; everything else must agree.
std::vector<std::uint8_t> WithoutTimeStamp(std::vector<std::uint8_t> file) {
    UnscrambleBytes(file.data(), file.size());
    if (file.size() > 20) std::fill(file.begin() + 14, file.begin() + 21, 0);
    return file;
}

TEST(GenerateParity, TheCliRefusesAndWritesAsTheSendPageDoes) {
    for (const ParityCase& c : kCases) {
        for (int language : {kLangEn, kLangZh}) {
            SCOPED_TRACE(std::string(c.name) + (language == kLangZh ? " (Chinese)" : " (English)"));
            const std::string lang = language == kLangZh ? "zh" : "en";
            TempDir gui, cli;
            WriteRecord(gui / "CFG.BIN", CaseRecord(c));
            const GuiResult page = GenerateOnThePage(gui.path(), c.noCmd22, language);
            ASSERT_EQ(page.messages.size(), 1u);
            const std::string expected =
                TerminalLines(Utf8Of(GenerateMessageText(c.refusal.value_or(M::Success))[language]));
            EXPECT_EQ(page.messages[0], expected) << "the table's expectation is the page's";

            test::WriteText(cli / "case.json", CaseJson(c));
            std::vector<std::string> import = {"import", P(cli / "case.json"), "--dir", P(cli.path()), "--lang", lang};
            std::vector<std::string> check = {"check", P(gui / "CFG.BIN"), "--lang", lang};
            if (c.noCmd22) {
                import.push_back("--no-cmd22");
                check.push_back("--no-cmd22");
            }
            trailcfg::test::WriteBytes(gui / "written.bin", page.file);
            WriteRecord(gui / "CFG.BIN", CaseRecord(c));
            const test::CliRun checked = Cli(check);
            const test::CliRun imported = Cli(import);
            if (c.refusal) {
                EXPECT_EQ(imported.status, 1) << imported.err;
                // The page's words, then the fields a script must change.
                const std::string told = page.messages[0] + " (" + GenerateMessageFields(*c.refusal) + ")\n";
                EXPECT_EQ(imported.err, told);
                EXPECT_EQ(checked.status, 1);
                EXPECT_EQ(checked.out, told);
                EXPECT_FALSE(std::filesystem::exists(cli / "CFG.BIN"));
            } else {
                EXPECT_EQ(imported.status, 0) << imported.err;
                EXPECT_EQ(checked.out, "ok\n");
                // Under Close 3G the page fills the provisioning from its
                // disabled lists (China or the United States, by the
                // interface language) and with a stored remote interval
                // stores its empty network and outbox edits; the CLI keeps
                // the record's texts instead. Nothing is sent either way.
                if (c.fields.front() == std::pair<const char*, const char*>{"bySendBy", "0"}) continue;
                EXPECT_EQ(WithoutTimeStamp(trailcfg::test::ReadBytes(cli / "CFG.BIN")), WithoutTimeStamp(page.file))
                    << Cli({"diff", P(gui / "written.bin"), P(cli / "CFG.BIN")}).out;
            }
        }
    }
}

// Export shows texts, not what lies after their ends: a page that empties a
// text leaves the old one behind its terminator (CopyText), which only
// --base carries. Everything else must come back byte for byte.
TEST(GenerateParity, FilesTheSendPageWroteRoundTripThroughExportAndImport) {
    for (const ParityCase& c : kCases) {
        if (c.refusal) continue;
        SCOPED_TRACE(c.name);
        TempDir gui, cli;
        WriteRecord(gui / "CFG.BIN", CaseRecord(c));
        GenerateOnThePage(gui.path(), c.noCmd22, kLangEn);
        const test::CliRun exported = Cli({"export", P(gui / "CFG.BIN")});
        ASSERT_EQ(exported.status, 0);
        test::WriteText(cli / "all.json", exported.out);
        for (bool withBase : {false, true}) {
            std::vector<std::string> import = {"import", P(cli / "all.json"), "--dir", P(cli.path()), "--keep-time"};
            if (withBase) import.insert(import.end(), {"--base", P(gui / "CFG.BIN")});
            if (c.noCmd22) import.push_back("--no-cmd22");
            const test::CliRun imported = Cli(import);
            ASSERT_EQ(imported.status, 0) << imported.err;
            EXPECT_EQ(imported.err, "") << "nothing of a file the program wrote needs a note";
            if (withBase) {
                EXPECT_EQ(trailcfg::test::ReadBytes(cli / "CFG.BIN"), trailcfg::test::ReadBytes(gui / "CFG.BIN"));
                continue;
            }
            std::istringstream differences(Cli({"diff", P(gui / "CFG.BIN"), P(cli / "CFG.BIN")}).out);
            for (std::string line; std::getline(differences, line);)
                EXPECT_NE(line.find("same text, different bytes after its end"), std::string::npos) << line;
        }
    }
}

}  // namespace
}  // namespace trailcfg::cli
