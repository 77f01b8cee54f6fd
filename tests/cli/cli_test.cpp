// trailcfg-cli's first two forms: `new` writes the default files through the
// program's writer, `export` prints a file's plain values as flat JSON.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "camera/menu_file.h"
#include "cli/commands.h"
#include "common/diag.h"
#include "common/scramble.h"
#include "send/cfg_file.h"
#include "test_support.h"

namespace trailcfg::cli {
namespace {

using test::TempDir;

struct CliRun {
    int status;
    std::string out, err;
};

CliRun New(FileKind kind, const std::filesystem::path& dir, bool force = false) {
    StringOutput out, err;
    test::DiagCapture quiet;
    int status = CmdNew(kind, dir, force, out, err);
    return {status, out.str(), err.str()};
}

CliRun Export(const std::filesystem::path& file, bool pretty = false) {
    StringOutput out, err;
    int status = CmdExport(file, pretty, out, err);
    return {status, out.str(), err.str()};
}

TEST(CliNewExport, NewWritesTheDefaultFilesThroughTheSameWriter) {
    TempDir dir;
    ASSERT_EQ(New(FileKind::Cfg, dir.path()).status, 0);
    ASSERT_EQ(New(FileKind::Menu, dir.path()).status, 0);

    SendSettings cfg;
    MakeSendDefaults(cfg);
    std::uint8_t cfgImage[kSendSettingsSize];
    EncodeCfgImage(cfg, cfgImage);
    EXPECT_EQ(test::ReadBytes(dir / "CFG.BIN"), std::vector<std::uint8_t>(cfgImage, cfgImage + sizeof cfgImage));

    CameraMenu menu;
    MakeMenuDefaults(menu);
    std::uint8_t menuImage[kCameraMenuSize];
    EncodeMenuImage(menu, menuImage);
    EXPECT_EQ(test::ReadBytes(dir / "menu.dat"), std::vector<std::uint8_t>(menuImage, menuImage + sizeof menuImage));

    CliRun missing = New(FileKind::Cfg, dir / "nowhere");
    EXPECT_EQ(missing.status, 2);
    EXPECT_NE(missing.err.find("nowhere"), std::string::npos);
}

// A card's configured file is kept unless the user says to replace it.
TEST(CliNewExport, NewKeepsAFileThatIsThereUnlessForced) {
    TempDir dir;
    for (const char* name : {"CFG.BIN", "menu.dat"}) {
        SCOPED_TRACE(name);
        const FileKind kind = std::string(name) == "CFG.BIN" ? FileKind::Cfg : FileKind::Menu;
        const std::vector<std::uint8_t> configured{1, 2, 3};
        test::WriteBytes(dir / name, configured);
        CliRun kept = New(kind, dir.path());
        EXPECT_EQ(kept.status, 2);
        EXPECT_EQ(kept.out, "");
        EXPECT_EQ(kept.err, "trailcfg-cli: " + (dir / name).string() +
                                ": already exists; --force replaces it with the defaults\n");
        EXPECT_EQ(test::ReadBytes(dir / name), configured);

        CliRun forced = New(kind, dir.path(), true);
        EXPECT_EQ(forced.status, 0) << forced.err;
        EXPECT_EQ(forced.out, "wrote " + (dir / name).string() + "\n");
        EXPECT_EQ(test::ReadBytes(dir / name).size(), kind == FileKind::Cfg ? kSendSettingsSize : kCameraMenuSize);
    }
    // Whatever holds the name: a folder, or a link that leads nowhere (where
    // the system lets this process make links: not under Wine, nor for a
    // Windows user without the right).
    TempDir other;
    std::filesystem::create_directory(other / "CFG.BIN");
    EXPECT_EQ(New(FileKind::Cfg, other.path()).status, 2);
    EXPECT_TRUE(std::filesystem::is_directory(other / "CFG.BIN"));
    std::error_code noLinks;
    std::filesystem::create_symlink(other / "gone", other / "menu.dat", noLinks);
    if (noLinks) return;
    EXPECT_EQ(New(FileKind::Menu, other.path()).status, 2);
    EXPECT_TRUE(std::filesystem::is_symlink(other / "menu.dat"));
    EXPECT_EQ(test::ListFolder(other.path()), (std::vector<std::string>{"CFG.BIN", "menu.dat"}));
}

TEST(CliNewExport, ExportPrintsEveryFieldByItsFullName) {
    TempDir dir;
    New(FileKind::Cfg, dir.path());
    CliRun r = Export(dir / "CFG.BIN");
    ASSERT_EQ(r.status, 0) << r.err;
    auto json = nlohmann::ordered_json::parse(r.out);
    EXPECT_EQ(json.size(), SendSettingsFields().count + 1);
    EXPECT_EQ(json.begin().key(), "bySendBy");
    EXPECT_EQ(json["bySendBy"], 1);
    EXPECT_EQ(json["sendByAppSetFlag"], true);
    EXPECT_EQ(json["uwMaxSendImgNum"], 49);
    EXPECT_EQ(json["sFtpSet.iPort"], 21);
    EXPECT_EQ(json["sFtpSet.szFtpDir"], "/");
    EXPECT_EQ(json["szRecp[2]"], "");
    EXPECT_TRUE(json.contains("sSmtpSet.iPort"));
    EXPECT_FALSE(json.contains("reserved9"));

    New(FileKind::Menu, dir.path());
    CliRun m = Export(dir / "menu.dat", true);
    ASSERT_EQ(m.status, 0);
    EXPECT_NE(m.out.find("\n  \"CapMode\": 0,"), std::string::npos) << "pretty output is indented";
    auto menu = nlohmann::json::parse(m.out);
    EXPECT_EQ(menu["Flag"], 0x8081);
    EXPECT_EQ(menu["Serial[3]"], 0);
    EXPECT_FALSE(menu.contains("sendByAppSetFlag"));
}

TEST(CliNewExport, ExportShowsTheBytesAsStoredWithoutNormalising) {
    TempDir dir;
    SendSettings s;
    MakeSendDefaults(s);
    s.bySendBy = kSendByCloud;
    s.bySendMode = 1;
    s.byRemoteInterval = 30;
    std::memset(s.szRecp[0], 'Q', sizeof s.szRecp[0]);  // no terminator
    const char gbk[] = "\xD6\xD0\xB9\xFA";              // "中国"
    std::memcpy(s.sSmtpSet.szServer, gbk, sizeof gbk);
    std::uint8_t image[kSendSettingsSize];
    EncodeCfgImage(s, image);
    image[0] = ScrambleByte(kSendByCloud);  // a file without the program's flag
    test::WriteBytes(dir / "CFG.BIN", std::vector<std::uint8_t>(image, image + sizeof image));

    CliRun r = Export(dir / "CFG.BIN");
    ASSERT_EQ(r.status, 0);
    auto json = nlohmann::json::parse(r.out);
    EXPECT_EQ(json["bySendBy"], 4);
    EXPECT_EQ(json["sendByAppSetFlag"], false);
    EXPECT_EQ(json["bySendMode"], 1);
    EXPECT_EQ(json["byRemoteInterval"], 30);
    EXPECT_EQ(json["szRecp[0]"], std::string(49, 'Q')) << "bounded by the field";
    EXPECT_EQ(json["sSmtpSet.szServer"], "中国");
}

TEST(CliNewExport, ExportRefusesFilesOfOtherSizes) {
    TempDir dir;
    test::WriteBytes(dir / "odd.bin", std::vector<std::uint8_t>(100, 1));
    CliRun r = Export(dir / "odd.bin");
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(r.out.empty());
    EXPECT_NE(r.err.find("100 bytes"), std::string::npos) << r.err;

    EXPECT_EQ(Export(dir / "missing.bin").status, 2);
    EXPECT_EQ(Export(dir.path()).status, 2);
}

}  // namespace
}  // namespace trailcfg::cli
