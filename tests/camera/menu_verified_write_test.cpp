// Generate and Default report success only for a file that holds what was
// written, and never leave the record with what a bad read-back found.
#include <gtest/gtest.h>

#include <cstring>

#include "app/menu_verified_write.h"
#include "app/process_state.h"
#include "app/state_files.h"
#include "camera/menu_file.h"
#include "test_support.h"

namespace trailcfg {
namespace {

int g_reads = 0;

bool WriteSucceeds() {
    g_sMenuData.Flag = kMenuFlag;
    return true;
}
bool WriteFails() { return false; }

// What a card can hand back.
int ReadsWhatWasWritten() {
    ++g_reads;
    return 1;
}
int ReadsAnotherClock() {
    ++g_reads;
    g_sMenuData.Second = static_cast<std::uint8_t>(g_sMenuData.Second + 1);
    return 0;
}
int ReadsAnotherByteOutsideTheClock() {
    ++g_reads;
    g_sMenuData.Marker = 0x5A;
    g_sMenuData.CapMode = 2;
    return 1;
}
int ReadFails() {
    ++g_reads;
    return 0;
}

class MenuVerifiedWriteTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetProcessState();
        LoadMenuDefaults();
        g_sMenuData.CapMode = 1;
        g_sMenuData.Year = 2025;
        g_sMenuData.Second = 30;
        g_reads = 0;
        expected_ = g_sMenuData;
    }
    bool RecordUnchanged() const { return std::memcmp(&g_sMenuData, &expected_, sizeof expected_) == 0; }

    CameraMenu expected_{};
};

TEST_F(MenuVerifiedWriteTest, AFileThatReadsBackAsWrittenIsConfirmed) {
    EXPECT_EQ(WriteVerifiedMenuFile(WriteSucceeds, ReadsWhatWasWritten), CardWrite::Confirmed);
    EXPECT_EQ(g_reads, 1);
    EXPECT_TRUE(RecordUnchanged());
}

TEST_F(MenuVerifiedWriteTest, NothingIsReadWhenTheWriteFails) {
    EXPECT_EQ(WriteVerifiedMenuFile(WriteFails, ReadsWhatWasWritten), CardWrite::NotConfirmed);
    EXPECT_EQ(g_reads, 0);
    EXPECT_TRUE(RecordUnchanged());
}

TEST_F(MenuVerifiedWriteTest, AFailedReadBackKeepsTheWrittenRecord) {
    for (int (*read)() : {ReadsAnotherClock, ReadsAnotherByteOutsideTheClock, ReadFails}) {
        g_sMenuData = expected_;
        EXPECT_EQ(WriteVerifiedMenuFile(WriteSucceeds, read), CardWrite::NotConfirmed);
        EXPECT_TRUE(RecordUnchanged());
    }
}

// The reader compares the clock only, and nothing at all while SaveClock's
// year is 0 (Default with the clock Off): the whole record must match.
TEST_F(MenuVerifiedWriteTest, ARealFileIsComparedByteByByte) {
    test::TempDir dir;
    test::DiagCapture output;
    ASSERT_LT(dir.path().native().size(), sizeof g_szSavePath);
    std::strcpy(g_szSavePath, dir.path().c_str());
    std::memset(&SaveClock, 0, sizeof SaveClock);

    EXPECT_EQ(WriteVerifiedMenuFile(), CardWrite::Confirmed);
    EXPECT_TRUE(RecordUnchanged());

    // Another writer got there between the write and the read.
    static CameraMenu s_other;
    s_other = expected_;
    s_other.SenseLevel = 3;
    auto writeThenReplace = [] {
        if (!WriteMenuFile()) return false;
        CameraMenu keep = g_sMenuData;
        g_sMenuData = s_other;
        bool ok = WriteMenuFile();
        g_sMenuData = keep;
        return ok;
    };
    EXPECT_EQ(WriteVerifiedMenuFile(writeThenReplace, ReadMenuFile), CardWrite::NotConfirmed);
    EXPECT_TRUE(RecordUnchanged());
    EXPECT_EQ(g_sMenuData.SenseLevel, 0);
}

}  // namespace
}  // namespace trailcfg
