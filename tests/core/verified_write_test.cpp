// The one confirmed write of both files (Generate, Camera Setup, the command
// line): success only for a file that holds every byte written, and the
// pages' records never left with what a bad read-back found.
#include <gtest/gtest.h>

#include <cstring>

#include "app/process_state.h"
#include "app/state_files.h"
#include "camera/menu_file.h"
#include "common/card_lock.h"
#include "common/file_io.h"
#include "common/record_file.h"
#include "send/cfg_file.h"
#include "test_support.h"

namespace trailcfg {
namespace {

using namespace test;

class VerifiedWriteTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetProcessState();
        std::strcpy(g_szSavePath, GbkFromPath(dir_.path()).c_str());
    }
    NativePath File(const char* name) const { return (dir_ / name).native(); }

    TempDir dir_;
    DiagCapture output_;
};

// Writes `image` as `file`, but `other` is what lands there before the
// reader (which accepts it) runs.
template <std::size_t N, class Reader>
VerifiedWrite AnotherWriterGetsThere(const NativePath& file, const std::uint8_t (&image)[N],
                                     const std::uint8_t (&other)[N], Reader reader) {
    const CardLock lock(file);
    return WriteRecordVerified(lock, file, "file", image, N, nullptr, [&] {
        EXPECT_TRUE(WriteRecordFile(file, "file", other, N));
        const bool accepted = reader();
        EXPECT_TRUE(accepted);
        return accepted;
    });
}

// The readers compare a time stamp (CFG.BIN) or a clock (menu.dat, and not
// even that while its year is 0); another writer's file with the same stamp
// or clock passes them, but is not the file written.
TEST_F(VerifiedWriteTest, AnotherFileWithTheSameStampOrClockIsNotConfirmed) {
    SendSettings mine;
    MakeSendDefaults(mine);
    mine.sTime = MakeSendTime(2025, 6, 15, 10, 20, 30);
    SendSettings theirs = mine;
    std::strcpy(theirs.szRecp[2], "someone@else.org");
    std::uint8_t image[kSendSettingsSize], other[kSendSettingsSize];
    EncodeCfgImage(mine, image);
    EncodeCfgImage(theirs, other);
    SendSettings read;
    const GenTime stamp{25, 6, 15, 10, 20, 30};
    EXPECT_EQ(AnotherWriterGetsThere(File("CFG.BIN"), image, other,
                                     [&] { return ReadCfgFile(File("CFG.BIN"), "file", read, 1, stamp) == 1; }),
              VerifiedWrite::NotAsWritten);

    CameraMenu menu, menuRead;
    MakeMenuDefaults(menu);
    std::uint8_t menuImage[kCameraMenuSize], menuOther[kCameraMenuSize];
    EncodeMenuImage(menu, menuImage);
    menu.SenseLevel = 3;
    EncodeMenuImage(menu, menuOther);
    EXPECT_EQ(AnotherWriterGetsThere(File("menu.dat"), menuImage, menuOther,
                                     [&] { return ReadMenuFileAt(File("menu.dat"), "file", menuRead, {}) == 1; }),
              VerifiedWrite::NotAsWritten);
}

TEST_F(VerifiedWriteTest, NothingIsReadWhenTheWriteFails) {
    const std::uint8_t image[4] = {1, 2, 3, 4};
    int reads = 0;
    const CardLock lock(File("x"));
    EXPECT_EQ(WriteRecordVerified(lock, (dir_ / "gone" / "CFG.BIN").native(), "x", image, sizeof image, nullptr,
                                  [&] { return ++reads > 0; }),
              VerifiedWrite::NotWritten);
    EXPECT_EQ(reads, 0);
    EXPECT_EQ(WriteRecordVerified(lock, File("x"), "x", image, sizeof image, nullptr, [&] { return ++reads < 0; }),
              VerifiedWrite::NotAsWritten)
        << "a reader that refuses the file fails it";
}

// Confirmed, the records hold what the reader loaded; refused, what was
// written, and never what the card held before.
TEST_F(VerifiedWriteTest, ThePagesRecordsKeepWhatWasWritten) {
    LoadSendDefaults();
    g_sSendSet.bySendMode = 1;  // every read clears it
    g_sSendSet.sTime = MakeSendTime(2025, 6, 15, 10, 20, 30);
    EXPECT_EQ(WriteVerifiedSendSettings(), CardWrite::Confirmed);
    EXPECT_EQ(g_sSendSet.bySendMode, 0);

    LoadMenuDefaults();
    g_sMenuData.CapMode = 2;
    g_sMenuData.Flag = 0;
    CameraMenu written = g_sMenuData;
    written.Flag = kMenuFlag;
    EXPECT_EQ(WriteVerifiedMenuFile(), CardWrite::Confirmed);
    EXPECT_EQ(std::memcmp(&g_sMenuData, &written, sizeof written), 0);

    const char gone[] = {kPathSeparator, 'g', 'o', 'n', 'e', '\0'};
    std::strcat(g_szSavePath, gone);
    g_sSendSet.uwMaxSendImgNum = 7;
    const SendSettings collected = g_sSendSet;
    EXPECT_EQ(WriteVerifiedSendSettings(), CardWrite::NotConfirmed);
    EXPECT_EQ(std::memcmp(&g_sSendSet, &collected, sizeof collected), 0);
    g_sMenuData.Flag = 0;
    const CameraMenu unwritten = g_sMenuData;
    EXPECT_EQ(WriteVerifiedMenuFile(), CardWrite::NotConfirmed);
    EXPECT_EQ(std::memcmp(&g_sMenuData, &unwritten, sizeof unwritten), 0);
}

}  // namespace
}  // namespace trailcfg
