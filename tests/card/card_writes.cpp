#include "card_writes.h"

#include <cstring>

#include "app/process_state.h"
#include "app/state_files.h"
#include "camera/menu_file.h"
#include "cli/cli_common.h"
#include "cli_run.h"
#include "common/scramble.h"
#include "common/text_copy.h"
#include "send/cfg_file.h"
#include "test_support.h"

namespace trailcfg::test {

namespace fs = std::filesystem;
using cli::Cli;
using cli::P;

namespace {

std::vector<std::uint8_t> CfgImage(const SendSettings& s) {
    std::uint8_t image[kSendSettingsSize];
    EncodeCfgImage(s, image);
    return {image, image + sizeof image};
}

std::vector<std::uint8_t> MenuImage(const CameraMenu& m) {
    std::uint8_t image[kCameraMenuSize];
    EncodeMenuImage(m, image);
    return {image, image + sizeof image};
}

void SaveFolderIs(const fs::path& card) {
    ResetProcessState();
    const std::string folder = card.string();
    std::strncpy(g_szSavePath, folder.c_str(), sizeof g_szSavePath - 1);
}

void Recipient(SendSettings& s, const char* number) {
    CopyText(s.szRecp[0], number);
    s.uwRecpLen[0] = static_cast<std::uint16_t>(std::strlen(number));
}

bool Ok(const cli::CliRun& r) { return r.status == 0; }

}  // namespace

Files FilesIn(const fs::path& folder) {
    Files files;
    std::error_code ec;
    for (const fs::directory_entry& e : fs::directory_iterator(folder, ec))
        if (e.is_regular_file()) files[e.path().filename().string()] = ReadBytes(e.path());
    return files;
}

Files OldCardFiles() {
    SendSettings s;
    MakeSendDefaults(s);
    Recipient(s, "111");
    s.sTime = MakeSendTime(2024, 1, 2, 3, 4, 5);
    CameraMenu m;
    MakeMenuDefaults(m);
    m.CapMode = 2;
    m.Year = 2024;
    return {{kCfgFileName, CfgImage(s)}, {kMenuFileName, MenuImage(m)}};
}

const std::vector<CardWritePath>& CardWritePaths() {
    static const std::vector<CardWritePath> paths = {
        {"Generate CFG.BIN",
         {kCfgFileName},
         false,
         [](const fs::path& card, const fs::path&) {
             SaveFolderIs(card);
             MakeSendDefaults(g_sSendSet);
             Recipient(g_sSendSet, "222");
             g_sSendSet.sTime = MakeSendTime(2026, 12, 9, 17, 0, 1);
             const SendTime& t = g_sSendSet.sTime;
             sLastGenTime = GenTime{t.byYear, t.byMonth, t.byDay, t.byHour, t.byMinute, t.bySecond};
             DiagCapture quiet;
             return WriteVerifiedSendSettings() == CardWrite::Confirmed;
         }},
        {"Generate menu.dat",
         {kMenuFileName},
         false,
         [](const fs::path& card, const fs::path&) {
             SaveFolderIs(card);
             MakeMenuDefaults(g_sMenuData);
             g_sMenuData.CapMode = 1;
             g_sMenuData.Year = 2026;
             g_sMenuData.Month = 12;
             std::memcpy(&SaveClock, RecordBytes(g_sMenuData) + kMenuClockOffset, sizeof SaveClock);
             DiagCapture quiet;
             return WriteVerifiedMenuFile() == CardWrite::Confirmed;
         }},
        {"Default menu.dat",
         {kMenuFileName},
         false,
         [](const fs::path& card, const fs::path&) {
             SaveFolderIs(card);
             MakeMenuDefaults(g_sMenuData);
             DiagCapture quiet;
             return WriteVerifiedMenuFile() == CardWrite::Confirmed;
         }},
        {"new CFG.BIN",
         {kCfgFileName},
         false,
         [](const fs::path& card, const fs::path&) {
             return Ok(Cli({"new", "cfg", "--dir", P(card), "--force"}));
         }},
        {"set CFG.BIN",
         {kCfgFileName},
         true,
         [](const fs::path& card, const fs::path&) {
             return Ok(Cli({"set", P(card / kCfgFileName), "szRecp[0]=333", "uwMaxSendImgNum=7"}));
         }},
        {"set menu.dat",
         {kMenuFileName},
         true,
         [](const fs::path& card, const fs::path&) {
             return Ok(Cli({"set", P(card / kMenuFileName), "CapMode=1"}));
         }},
        {"import CFG.BIN",
         {kCfgFileName},
         false,
         [](const fs::path& card, const fs::path& scratch) {
             cli::test::WriteText(scratch / "in.json", R"({"bySendBy": 1, "szRecp[0]": "444"})");
             return Ok(Cli({"import", P(scratch / "in.json"), "--dir", P(card)}));
         }},
        {"import menu.dat",
         {kMenuFileName},
         false,
         [](const fs::path& card, const fs::path& scratch) {
             cli::test::WriteText(scratch / "in.json", R"({"CapMode": 1, "SenseLevel": 2})");
             return Ok(Cli({"import", P(scratch / "in.json"), "--dir", P(card)}));
         }},
        {"batch CFG.BIN and menu.dat",
         {kCfgFileName, kMenuFileName},
         false,
         [](const fs::path& card, const fs::path& scratch) {
             cli::test::WriteText(scratch / "t.json", R"({"bySendBy": 1, "CapMode": 1})");
             cli::test::WriteText(scratch / "c.csv", "name,szRecp[0]\n" + card.filename().string() + ",555\n");
             return Ok(Cli({"batch", P(scratch / "t.json"), P(scratch / "c.csv"), "--out", P(card.parent_path())}));
         },
         true},
    };
    return paths;
}

ReadAs ReadLikeTheProgram(const fs::path& file, std::vector<std::uint8_t>& plain) {
    DiagCapture quiet;
    const std::string shown = file.string();
    bool pageRead = false;
    std::vector<std::uint8_t> pageBytes;
    if (file.filename() == kCfgFileName) {
        SendSettings s;
        // The reader normalises what it read; the file's bytes are compared.
        pageRead = ReadCfgFile(file.native(), shown.c_str(), s, 0, GenTime{}) == 1;
    } else {
        CameraMenu m;
        pageRead = ReadMenuFileAt(file.native(), shown.c_str(), m, MenuClock{}) == 1;
    }
    cli::FileKind kind;
    std::string error;
    // `check` refuses a file it cannot read with 2, and says 0 or 1 of one
    // it read, by Generate's checks.
    const bool checked = Cli({"check", P(file)}).status != cli::kExitBadInput;
    const bool cliRead = cli::ReadPlainImage(file, kind, plain, error);
    if (checked != cliRead) return ReadAs::Disagree;
    if (pageRead != cliRead) return ReadAs::Disagree;
    return pageRead ? ReadAs::Read : ReadAs::Unreadable;
}

}  // namespace trailcfg::test
