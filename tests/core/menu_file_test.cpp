// menu.dat: the default image, the reader's size test and clock comparison,
// and the writer's failure leaving record and file alone.
#include <gtest/gtest.h>

#include <cstring>

#include "app/process_state.h"
#include "app/state_files.h"
#include "camera/menu_file.h"
#include "common/file_io.h"
#include "common/scramble.h"
#include "test_support.h"

namespace trailcfg {
namespace {

// The shared helpers: TempDir, DiagCapture, ReadBytes, WriteBytes.
using namespace test;

class MenuFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetProcessState();
        std::strcpy(g_szSavePath, GbkFromPath(dir_.path()).c_str());
    }
    std::filesystem::path MenuPath() const { return dir_ / "menu.dat"; }
    void Store(const CameraMenu& m) {
        std::uint8_t image[kCameraMenuSize];
        EncodeMenuImage(m, image);
        WriteBytes(MenuPath(), std::vector<std::uint8_t>(image, image + sizeof image));
    }
    TempDir dir_;
};

TEST_F(MenuFileTest, DefaultFileHoldsTheDefaultRecord) {
    LoadMenuDefaults();
    DiagCapture out;
    ASSERT_TRUE(WriteMenuFile());
    std::vector<std::uint8_t> plain = ReadBytes(MenuPath());
    UnscrambleBytes(plain.data(), plain.size());
    std::vector<std::uint8_t> expected = {0, 0, 1, 0, 0, 0, 1, 9, 60, 2, 1, 0, 2, 0};
    expected.resize(36, 0);
    for (std::uint8_t b : {1, 0, 0, 0, 143, 0, 0x81, 0x80}) expected.push_back(b);
    EXPECT_EQ(plain, expected);
    EXPECT_EQ(out.text(),
              "Open file - \"" + MenuPath().string() + "\" success!\n[W]Flag = 0x8081\n" + std::string(48, '_') + "\n");
}

TEST_F(MenuFileTest, WriteThenReadGivesBackEveryByte) {
    LoadMenuDefaults();
    for (std::size_t i = 0; i < 42; ++i) RecordBytes(g_sMenuData)[i] = static_cast<std::uint8_t>(i * 7 + 3);
    g_sMenuData.Flag = 0x1234;  // stamped by the writer
    CameraMenu written = g_sMenuData;
    written.Flag = kMenuFlag;
    ASSERT_TRUE(WriteMenuFile());
    EXPECT_EQ(g_sMenuData.Flag, kMenuFlag);

    std::memset(&g_sMenuData, 0, sizeof g_sMenuData);
    DiagCapture out;
    ASSERT_EQ(ReadMenuFile(), 1);
    EXPECT_EQ(std::memcmp(&g_sMenuData, &written, sizeof written), 0);
    EXPECT_EQ(out.text(), "___sizeof menu data:44___\niGetFileSize = 44\nOpen file - \"" + MenuPath().string() +
                              "\" success!\nCapMode = 3\nImgSize = 10\nFlag = 0x8081\n");
}

TEST_F(MenuFileTest, WrongSizesAreRefusedBeforeOpening) {
    for (std::size_t size : {std::size_t{43}, std::size_t{45}, std::size_t{1320}}) {
        WriteBytes(MenuPath(), std::vector<std::uint8_t>(size, 0x11));
        std::memset(&g_sMenuData, 0x77, sizeof g_sMenuData);
        DiagCapture out;
        EXPECT_EQ(ReadMenuFile(), 0);
        for (std::size_t i = 0; i < kCameraMenuSize; ++i) ASSERT_EQ(RecordBytes(g_sMenuData)[i], 0x77);
        EXPECT_EQ(out.text(), "___sizeof menu data:44___\niGetFileSize = " + std::to_string(size) +
                                  "\nFile szie != struct size!\n");
    }
}

TEST_F(MenuFileTest, AnyFlagIsAccepted) {
    CameraMenu m;
    MakeMenuDefaults(m);
    m.Flag = 0;
    Store(m);
    DiagCapture out;
    EXPECT_EQ(ReadMenuFile(), 1);
    EXPECT_NE(out.text().find("Flag = 0x0000\n"), std::string::npos);
}

TEST_F(MenuFileTest, ClockIsComparedOnlyOnceTheSaveClockIsSet) {
    CameraMenu m;
    MakeMenuDefaults(m);
    SetClock(m, 2025, 6, 15, 10, 20, 30);
    m.CapMode = 2;
    Store(m);
    EXPECT_EQ(ReadMenuFile(), 1) << "a zero SaveClock skips the comparison";

    SaveClock = ClockOf(m);
    EXPECT_EQ(ReadMenuFile(), 1);

    SaveClock.Second = 31;
    std::memset(&g_sMenuData, 0, sizeof g_sMenuData);
    DiagCapture out;
    EXPECT_EQ(ReadMenuFile(), 0);
    EXPECT_NE(out.text().find("Save clock is different!\n"), std::string::npos);
    EXPECT_EQ(g_sMenuData.CapMode, 2) << "the record holds the file's bytes";

    SaveClock.Second = 30;
    SaveClock.Year = 2026;
    EXPECT_EQ(ReadMenuFile(), 0) << "the year's high byte counts too";
}

TEST_F(MenuFileTest, FailedWriteLeavesRecordAndPreviousFile) {
    CameraMenu old;
    MakeMenuDefaults(old);
    old.CapMode = 1;
    Store(old);
    const std::vector<std::uint8_t> previous = ReadBytes(MenuPath());
    if (!test::MakeReadOnly(dir_.path())) GTEST_SKIP() << "this system cannot make a folder read-only";

    LoadMenuDefaults();
    g_sMenuData.Flag = 0;
    DiagCapture out;
    EXPECT_FALSE(WriteMenuFile());
    test::UndoReadOnly(dir_.path());
    EXPECT_EQ(g_sMenuData.Flag, 0) << "the record is untouched when nothing was written";
    EXPECT_EQ(ReadBytes(MenuPath()), previous);
    EXPECT_EQ(test::ListFolder(dir_.path()), std::vector<std::string>{"menu.dat"});
    EXPECT_EQ(out.text(), "Open file - \"" + MenuPath().string() + "\" err!\n" + std::string(48, '_') + "\n");
}

TEST_F(MenuFileTest, FolderEndingInASeparatorGivesADoubledOne) {
    std::strcat(g_szSavePath, "/");
    LoadMenuDefaults();
    DiagCapture out;
    ASSERT_TRUE(WriteMenuFile());
    EXPECT_NE(out.text().find(dir_.path().string() + "/" + kPathSeparator + "menu.dat"), std::string::npos);
}

}  // namespace
}  // namespace trailcfg
