// What the readers do with a file that is no longer the file they sized, or
// that is no file at all: they refuse it and leave the record as it was.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstring>
#include <functional>
#include <string>

#include "app/process_state.h"
#include "app/state_files.h"
#include "camera/menu_file.h"
#include "child_process.h"
#include "common/diag.h"
#include "send/cfg_file.h"
#include "test_support.h"

namespace trailcfg {
namespace {

namespace fs = std::filesystem;
using test::DiagCapture;
using test::TempDir;

constexpr std::uint8_t kCfgMark = 0x5A;
constexpr std::uint8_t kMenuMark = 0x77;

// Does `action` at the moment the reader has taken the file's size and not
// yet opened it: the line that reports the size comes in between.
class BetweenSizingAndReading {
public:
    explicit BetweenSizingAndReading(std::function<void()> action) : action_(std::move(action)) {}
    const std::string& text() const { return text_; }
    bool fired() const { return fired_; }

private:
    static void Sink(void* self, const char* bytes, std::size_t n) {
        auto* me = static_cast<BetweenSizingAndReading*>(self);
        me->text_.append(bytes, n);
        if (!me->fired_ && std::string(bytes, n).rfind("iGetFileSize = ", 0) == 0) {
            me->fired_ = true;
            me->action_();
        }
    }
    std::function<void()> action_;
    std::string text_;
    bool fired_ = false;
    ScopedDiagSink capture_{&BetweenSizingAndReading::Sink, this};
};

class ReaderFaultTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetProcessState();
        std::strcpy(g_szSavePath, dir_.path().c_str());
    }
    fs::path CfgPath() const { return dir_ / "CFG.BIN"; }
    fs::path MenuPath() const { return dir_ / "menu.dat"; }

    // Both files as the program writes them.
    void WriteBothFiles() {
        DiagCapture quiet;
        LoadSendDefaults();
        std::strcpy(g_sSendSet.szRecp[0], "13800000000");
        WriteSendSettings();
        LoadMenuDefaults();
        g_sMenuData.CapMode = 2;
        ASSERT_TRUE(WriteMenuFile());
    }
    static void Mark() {
        std::memset(&g_sSendSet, kCfgMark, sizeof g_sSendSet);
        std::memset(&g_sMenuData, kMenuMark, sizeof g_sMenuData);
    }
    static bool CfgMarked() { return AllBytesAre(RecordBytes(g_sSendSet), kSendSettingsSize, kCfgMark); }
    static bool MenuMarked() { return AllBytesAre(RecordBytes(g_sMenuData), kCameraMenuSize, kMenuMark); }
    static bool AllBytesAre(const std::uint8_t* b, std::size_t n, std::uint8_t v) {
        for (std::size_t i = 0; i < n; ++i)
            if (b[i] != v) return false;
        return true;
    }

    TempDir dir_;
};

// A card pulled out, or another program writing, between the size test and
// the read. The old record stays: a half-read file must not pass for one.
TEST_F(ReaderFaultTest, FileThatChangesSizeAfterItWasSizedIsRefused) {
    struct Change {
        const char* what;
        std::uintmax_t cfgSize;   // past the marker, so only the short read tells
        std::uintmax_t menuSize;  // past the clock
    };
    const Change changes[] = {
        {"cut short", 100, 30},
        {"cut to nothing", 0, 0},
        {"grown by a byte", kSendSettingsSize + 1, kCameraMenuSize + 1},
    };
    for (const Change& c : changes) {
        SCOPED_TRACE(c.what);
        WriteBothFiles();
        Mark();
        {
            BetweenSizingAndReading hook([&] { fs::resize_file(CfgPath(), c.cfgSize); });
            EXPECT_EQ(ReadSendSettings(0), 0);
            ASSERT_TRUE(hook.fired());
            EXPECT_TRUE(CfgMarked());
            EXPECT_EQ(hook.text(), "sizeof = 1320\niGetFileSize = 1320\nOpen file - \"" + CfgPath().string() +
                                       "\" success!\n_bufsiz = " + std::to_string(BUFSIZ) +
                                       "\nFile szie != struct size!\n");
        }
        {
            BetweenSizingAndReading hook([&] { fs::resize_file(MenuPath(), c.menuSize); });
            EXPECT_EQ(ReadMenuFile(), 0) << "SaveClock is zero: only the short read can fail it";
            ASSERT_TRUE(hook.fired());
            EXPECT_TRUE(MenuMarked());
            EXPECT_EQ(hook.text(), "___sizeof menu data:44___\niGetFileSize = 44\nOpen file - \"" +
                                       MenuPath().string() + "\" success!\nFile szie != struct size!\n");
        }
    }
    // And the same files, left alone, are read.
    WriteBothFiles();
    DiagCapture quiet;
    EXPECT_EQ(ReadSendSettings(0), 1);
    EXPECT_EQ(ReadMenuFile(), 1);
}

std::string SizeRefusal(const char* sizeofLine) {
    return std::string(sizeofLine) + "iGetFileSize = 0\nFile szie != struct size!\n";
}

// A folder or a pipe with the file's name has no size: refused at once. A
// pipe that is opened waits for a writer that never comes, so the read runs
// in a child that is killed if it hangs.
TEST_F(ReaderFaultTest, FolderOrPipeInTheFilesPlaceIsRefusedWithoutWaiting) {
    fs::create_directory(CfgPath());
    fs::create_directory(MenuPath());
    Mark();
    {
        DiagCapture out;
        EXPECT_EQ(ReadSendSettings(0), 0);
        EXPECT_EQ(ReadMenuFile(), 0);
        EXPECT_EQ(out.text(), SizeRefusal("sizeof = 1320\n") + SizeRefusal("___sizeof menu data:44___\n"));
    }
    EXPECT_TRUE(CfgMarked());
    EXPECT_TRUE(MenuMarked());

    fs::remove(CfgPath());
    fs::remove(MenuPath());
    ASSERT_EQ(::mkfifo(CfgPath().c_str(), 0644), 0);
    ASSERT_EQ(::mkfifo(MenuPath().c_str(), 0644), 0);
    const test::ChildResult child = test::RunInChild(
        [] {
            Mark();
            DiagCapture out;
            test::Blob b;
            b.Put(std::to_string(ReadSendSettings(0))).Put(std::to_string(ReadMenuFile()));
            b.Put(CfgMarked() && MenuMarked()).Put(out.text());
            return b.bytes();
        },
        10);
    ASSERT_TRUE(child.exitedNormally) << "the reader hung on a pipe (status " << child.status << ")";
    test::Blob b(child.blob);
    EXPECT_EQ(b.Take(), "0");
    EXPECT_EQ(b.Take(), "0");
    EXPECT_TRUE(b.TakeFlag()) << "the records are untouched";
    EXPECT_EQ(b.Take(), SizeRefusal("sizeof = 1320\n") + SizeRefusal("___sizeof menu data:44___\n"));
}

// Sizes past 32 bits must not wrap round to a record's size.
TEST_F(ReaderFaultTest, HugeFilesAreRefusedWithoutBeingRead) {
    const std::uintmax_t big = (std::uintmax_t{1} << 32) + kSendSettingsSize;
    std::error_code ec;
    WriteBothFiles();
    fs::resize_file(CfgPath(), big, ec);
    if (!ec) fs::resize_file(MenuPath(), (std::uintmax_t{1} << 32) + kCameraMenuSize, ec);
    if (ec) GTEST_SKIP() << "this file system cannot hold a sparse file of 4 GiB: " << ec.message();
    Mark();
    DiagCapture out;
    EXPECT_EQ(ReadSendSettings(0), 0);
    EXPECT_EQ(ReadMenuFile(), 0);
    EXPECT_TRUE(CfgMarked());
    EXPECT_TRUE(MenuMarked());
    EXPECT_EQ(out.text(),
              "sizeof = 1320\niGetFileSize = 2147483647\nFile szie != struct size!\n"
              "___sizeof menu data:44___\niGetFileSize = 2147483647\nFile szie != struct size!\n");
}

}  // namespace
}  // namespace trailcfg
