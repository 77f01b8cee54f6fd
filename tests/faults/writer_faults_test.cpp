// What a failed write leaves behind, for both files, through the program's
// own entry points and through the file-level writers: the card's previous
// file byte for byte (or no file, as before), no temporary file, the failure
// lines and nothing else, and the record as the user left it.
//
// Every write runs in a forked child, which may take on another user, a
// file-size limit or a card of its own (a small mounted file system), and
// reports what it saw before and after.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>
#include <string>
#include <vector>

#include "app/process_state.h"
#include "app/state_files.h"
#include "camera/menu_file.h"
#include "card_faults.h"
#include "child_process.h"
#include "common/diag.h"
#include "common/file_io.h"
#include "common/gbk_codec.h"
#include "common/scramble.h"
#include "common/text_copy.h"
#include "send/cfg_file.h"
#include "test_support.h"

namespace trailcfg {
namespace {

namespace fs = std::filesystem;
using test::Blob;
using test::DiagCapture;
using test::Fault;
using test::FileBytes;
using test::kChineseFolder;
using test::StateOf;
using test::TempDir;
using test::Tree;

enum class Writer { WriteSendSettings, WriteCfgFile, WriteMenuFile, WriteMenuFileAt };

bool IsCfg(Writer w) { return w == Writer::WriteSendSettings || w == Writer::WriteCfgFile; }
bool IsProcessWide(Writer w) { return w == Writer::WriteSendSettings || w == Writer::WriteMenuFile; }
const char* FileNameOf(Writer w) { return IsCfg(w) ? kCfgFileName : kMenuFileName; }
std::size_t ImageSizeOf(Writer w) { return IsCfg(w) ? kSendSettingsSize : kCameraMenuSize; }

// The records of the file-level writers; the program's own are g_sSendSet and
// g_sMenuData.
SendSettings s_cfgRecord;
CameraMenu s_menuRecord;

SendSettings& CfgRecord(Writer w) { return w == Writer::WriteSendSettings ? g_sSendSet : s_cfgRecord; }
CameraMenu& MenuRecord(Writer w) { return w == Writer::WriteMenuFile ? g_sMenuData : s_menuRecord; }

// What the user has on screen; `generation` tells an earlier Generate's
// settings from the ones being written now.
void EditRecord(Writer w, int generation) {
    if (IsCfg(w)) {
        SendSettings& s = CfgRecord(w);
        MakeSendDefaults(s);
        s.bySendBy = kSendByFtp;
        CopyText(s.szRecp[0], "1380000000" + std::to_string(generation));
        CopyText(s.sFtpSet.szServer, "ftp.example.com");
        s.sTime = {25, 6, 15, 10, 20, static_cast<std::uint8_t>(generation), 0};
        s.byRemoteInterval = static_cast<std::uint8_t>(generation);
    } else {
        CameraMenu& m = MenuRecord(w);
        MakeMenuDefaults(m);
        m.CapMode = static_cast<std::uint8_t>(generation % 3);
        m.Year = 2025;
        m.Second = static_cast<std::uint8_t>(generation);
        m.Flag = 0;  // the writer stamps it when the file is written
    }
}

std::vector<std::uint8_t> RecordOf(Writer w) {
    const std::uint8_t* b = IsCfg(w) ? RecordBytes(CfgRecord(w)) : RecordBytes(MenuRecord(w));
    return std::vector<std::uint8_t>(b, b + ImageSizeOf(w));
}

// Writes into `folder` (UTF-8, as the file system names it) the way each entry
// point is used. WriteSendSettings reports nothing; its lines tell.
bool Write(Writer w, const fs::path& folder, const DiagCapture& out) {
    if (IsProcessWide(w)) {
        const std::string gbk = Utf8ToGbk(folder.native());
        if (gbk.size() >= sizeof g_szSavePath) return false;
        std::memset(g_szSavePath, 0, sizeof g_szSavePath);
        std::memcpy(g_szSavePath, gbk.data(), gbk.size());
    }
    const fs::path file = folder / FileNameOf(w);
    const std::string shown = GbkFromPath(file);
    switch (w) {
        case Writer::WriteSendSettings:
            WriteSendSettings();
            return out.text().find("\" success!\n") != std::string::npos;
        case Writer::WriteCfgFile:
            return WriteCfgFile(file, shown.c_str(), s_cfgRecord);
        case Writer::WriteMenuFile:
            return WriteMenuFile();
        case Writer::WriteMenuFileAt:
            return WriteMenuFileAt(file, shown.c_str(), s_menuRecord);
    }
    return false;
}

struct Outcome {
    bool arranged = false;
    std::string whyNot;
    bool ok = false;
    std::string diag;
    std::string shownPath;
    std::vector<std::uint8_t> recordBefore, recordAfter;
    std::vector<std::string> treeBefore, treeAfter;
    std::string stateBefore, stateAfter;
    std::vector<std::uint8_t> fileBefore, fileAfter;
};

std::string FailureLines(const std::string& shownPath) {
    return "Open file - \"" + shownPath + "\" err!\n" + std::string(48, '_') + "\n";
}

std::string ScramblePlain(std::vector<std::uint8_t> plain) {
    ScrambleBytes(plain.data(), plain.size());
    return std::string(plain.begin(), plain.end());
}

class WriterFaultTest : public ::testing::TestWithParam<Writer> {
protected:
    void SetUp() override {
        card_ = dir_ / "card";
        fs::create_directory(card_);
    }

    Writer writer() const { return GetParam(); }

    Outcome Run(const Fault& fault) {
        const Writer w = writer();
        const fs::path card = card_;
        // Each run starts from the records a new process has.
        Fault fresh = fault;
        fresh.prepare = [prepare = fault.prepare](const fs::path& card, const fs::path& folder) {
            ResetProcessState();
            return prepare ? prepare(card, folder) : std::string();
        };
        test::FaultRun child = test::RunUnderFault(
            card, fresh,
            [&](const fs::path& folder) -> std::string {
                EditRecord(w, 1);
                DiagCapture quiet;
                return Write(w, folder, quiet) ? "" : "the earlier Generate failed: " + quiet.text();
            },
            [&](const fs::path& folder, Blob& b) {
                const fs::path target = folder / FileNameOf(w);
                const std::vector<std::string> treeBefore = Tree(card);
                const std::string stateBefore = StateOf(target);
                const std::vector<std::uint8_t> fileBefore = FileBytes(target);
                EditRecord(w, 2);
                const std::vector<std::uint8_t> recordBefore = RecordOf(w);
                DiagCapture out;
                const bool ok = Write(w, folder, out);
                b.Put(ok).Put(out.text()).Put(GbkFromPath(target));
                b.Put(recordBefore).Put(RecordOf(w));
                b.Put(treeBefore).Put(Tree(card)).Put(stateBefore).Put(StateOf(target));
                b.Put(fileBefore).Put(FileBytes(target));
                return std::string();
            });
        Outcome o;
        o.arranged = child.arranged;
        o.whyNot = child.whyNot;
        if (!o.arranged) return o;
        Blob& b = child.results;
        o.ok = b.TakeFlag();
        o.diag = b.Take();
        o.shownPath = b.Take();
        o.recordBefore = b.TakeBytes();
        o.recordAfter = b.TakeBytes();
        o.treeBefore = b.TakeList();
        o.treeAfter = b.TakeList();
        o.stateBefore = b.Take();
        o.stateAfter = b.Take();
        o.fileBefore = b.TakeBytes();
        o.fileAfter = b.TakeBytes();
        return o;
    }

    // The failure as the user must meet it: nothing on the card changed.
    void ExpectNothingChanged(const Outcome& o) {
        EXPECT_FALSE(o.ok);
        EXPECT_EQ(o.diag, FailureLines(o.shownPath));
        EXPECT_EQ(o.recordAfter, o.recordBefore) << "the record is as the user left it (menu.dat: Flag not stamped)";
        EXPECT_EQ(o.treeAfter, o.treeBefore) << "nothing was added to the card, no temporary file is left";
        EXPECT_EQ(o.stateAfter, o.stateBefore);
        EXPECT_EQ(o.fileAfter, o.fileBefore) << "the previous file is byte-identical";
    }

    TempDir dir_;
    fs::path card_;
};

#define SKIP_UNLESS_ARRANGED(o) \
    if (!(o).arranged) GTEST_SKIP() << (o).whyNot

// The same harness sees a write that works: otherwise every check below could
// pass for a writer that never wrote.
TEST_P(WriterFaultTest, WithoutAFaultTheNewFileReplacesTheOldOne) {
    const Outcome o = Run(Fault{});
    ASSERT_TRUE(o.arranged) << o.whyNot;
    EXPECT_TRUE(o.ok) << o.diag;
    EXPECT_NE(o.diag.find("\" success!\n"), std::string::npos);
    EXPECT_EQ(o.treeAfter, std::vector<std::string>{FileNameOf(writer())});
    EXPECT_EQ(o.treeAfter, o.treeBefore);
    std::vector<std::uint8_t> written = o.recordBefore;
    if (IsCfg(writer())) {
        EXPECT_EQ(o.recordAfter, o.recordBefore);
        written[0] |= IF_SEND_BY_APP_SET_FLG;
    } else {
        std::vector<std::uint8_t> stamped = o.recordBefore;
        stamped[42] = 0x81;
        stamped[43] = 0x80;
        EXPECT_EQ(o.recordAfter, stamped) << "Flag is stamped once the file is written";
        written = stamped;
    }
    EXPECT_EQ(std::string(o.fileAfter.begin(), o.fileAfter.end()), ScramblePlain(written));
    EXPECT_NE(o.fileAfter, o.fileBefore);
}

TEST_P(WriterFaultTest, FolderThatDoesNotExist) {
    Fault f;
    f.folder = [](const fs::path& card) { return card / "no such folder"; };
    f.previousFile = false;
    const Outcome o = Run(f);
    ASSERT_TRUE(o.arranged) << o.whyNot;
    EXPECT_EQ(o.stateBefore, "absent");
    EXPECT_TRUE(o.treeBefore.empty());
    ExpectNothingChanged(o);
}

TEST_P(WriterFaultTest, FolderInTheFilesPlace) {
    Fault f;
    f.previousFile = false;
    f.inflict = [this](const fs::path&, const fs::path& folder) -> std::string {
        fs::create_directories(folder / FileNameOf(writer()) / "DCIM");
        test::WriteBytes(folder / FileNameOf(writer()) / "DCIM" / "IMAG0001.JPG", {0xFF, 0xD8, 0xFF, 0xD9});
        return "";
    };
    const Outcome o = Run(f);
    ASSERT_TRUE(o.arranged) << o.whyNot;
    EXPECT_EQ(o.stateBefore, "folder");
    ExpectNothingChanged(o);
}

// A locked card as this process sees it when it may not write into the
// folder. Root passes over permissions, so the folder is made immutable.
TEST_P(WriterFaultTest, FolderMadeReadOnly) {
    const Outcome o = Run(test::InReadOnlyFolder());
    SKIP_UNLESS_ARRANGED(o);
    ExpectNothingChanged(o);
}

// The file itself may be written, so what stops the write is the folder.
TEST_P(WriterFaultTest, FolderThatAnotherUserMayNotWrite) {
    const fs::path root = dir_.path();
    Fault f;
    f.inflict = [root, this](const fs::path& card, const fs::path& folder) -> std::string {
        if (::chmod(root.c_str(), 0755) != 0 || ::chmod(card.c_str(), 0555) != 0 ||
            ::chmod((folder / FileNameOf(writer())).c_str(), 0666) != 0)
            return "chmod failed";
        return test::DropToNobody() ? "" : "needs root to run as another user";
    };
    const Outcome o = Run(f);
    SKIP_UNLESS_ARRANGED(o);
    ExpectNothingChanged(o);
}

// The folder is writable, the file itself is read-only: the file stays, as it
// would for a program that opens it for writing.
TEST_P(WriterFaultTest, ReadOnlyFileInAWritableFolder) {
    const fs::path root = dir_.path();
    Fault f;
    f.inflict = [root, this](const fs::path& card, const fs::path& folder) -> std::string {
        const fs::path target = folder / FileNameOf(writer());
        if (::chmod(root.c_str(), 0755) != 0 || ::chown(card.c_str(), test::kNobody, test::kNobody) != 0 ||
            ::chown(target.c_str(), test::kNobody, test::kNobody) != 0 || ::chmod(target.c_str(), 0444) != 0)
            return "needs root to hand the card to another user";
        return test::DropToNobody() ? "" : "needs root to run as another user";
    };
    const Outcome o = Run(f);
    SKIP_UNLESS_ARRANGED(o);
    ExpectNothingChanged(o);
}

// The card fills up in the middle of the write: the temporary file gets only
// part of the image before the write fails.
TEST_P(WriterFaultTest, FileSizeLimitReachedInTheMiddleOfTheWrite) {
    const std::size_t limit = ImageSizeOf(writer()) / 2;
    Fault f;
    f.inflict = [limit](const fs::path&, const fs::path&) { return test::LimitFileSize(limit); };
    const Outcome o = Run(f);
    ASSERT_TRUE(o.arranged) << o.whyNot;
    ExpectNothingChanged(o);
}

// A card of its own, full of pictures.
TEST_P(WriterFaultTest, FullCard) {
    const Outcome o = Run(test::OnMountedCard([](const fs::path& card) { return test::FillCard(card); }));
    SKIP_UNLESS_ARRANGED(o);
    ExpectNothingChanged(o);
}

// The card's lock switch: the system mounts a locked card read-only.
TEST_P(WriterFaultTest, LockedCard) {
    const Outcome o = Run(test::OnMountedCard([](const fs::path& card) { return test::LockCard(card); }));
    SKIP_UNLESS_ARRANGED(o);
    ExpectNothingChanged(o);
}

// The save folder's text is GBK; the folder on disk is named in UTF-8.
const char* const kChineseFolderGbk = "\xCF\xE0\xBB\xFA \xBF\xA8 (SD)";

TEST_P(WriterFaultTest, FolderWithBlanksAndChineseCharacters) {
    Fault f = test::InChineseFolder();
    const Outcome works = Run(f);
    ASSERT_TRUE(works.arranged) << works.whyNot;
    EXPECT_TRUE(works.ok) << works.diag;
    EXPECT_NE(works.diag.find(std::string(kChineseFolderGbk) + "/" + FileNameOf(writer()) + "\" success!\n"),
              std::string::npos)
        << "the lines show the folder as the program holds it, in GBK";
    EXPECT_EQ(works.fileAfter.size(), ImageSizeOf(writer()));
    EXPECT_NE(works.fileAfter, works.fileBefore);

    const std::size_t limit = ImageSizeOf(writer()) / 2;
    f.inflict = [limit](const fs::path&, const fs::path&) { return test::LimitFileSize(limit); };
    fs::remove_all(card_ / kChineseFolder);
    const Outcome fails = Run(f);
    ASSERT_TRUE(fails.arranged) << fails.whyNot;
    EXPECT_NE(fails.shownPath.find(kChineseFolderGbk), std::string::npos);
    ExpectNothingChanged(fails);
}

// Reading back what was written in such a folder finds the same file.
TEST(WriterInChineseFolder, TheProgramReadsBackWhatItWrote) {
    TempDir dir;
    const fs::path folder = dir / kChineseFolder;
    fs::create_directory(folder);
    ResetProcessState();
    std::strcpy(g_szSavePath, (Utf8ToGbk(dir.path().native()) + "/" + kChineseFolderGbk).c_str());
    DiagCapture out;

    LoadSendDefaults();
    g_sSendSet.sTime = {25, 6, 15, 10, 20, 30, 0};
    sLastGenTime = {25, 6, 15, 10, 20, 30};
    WriteSendSettings();
    EXPECT_EQ(ReadSendSettings(1), 1) << out.text();

    LoadMenuDefaults();
    g_sMenuData.Year = 2025;
    std::memcpy(&SaveClock, RecordBytes(g_sMenuData) + kMenuClockOffset, sizeof SaveClock);
    ASSERT_TRUE(WriteMenuFile());
    EXPECT_EQ(ReadMenuFile(), 1) << out.text();
    EXPECT_EQ(test::ListFolder(folder), (std::vector<std::string>{"CFG.BIN", "menu.dat"}));
}

INSTANTIATE_TEST_SUITE_P(AllWriters, WriterFaultTest,
                         ::testing::Values(Writer::WriteSendSettings, Writer::WriteCfgFile, Writer::WriteMenuFile,
                                           Writer::WriteMenuFileAt),
                         [](const ::testing::TestParamInfo<Writer>& info) {
                             switch (info.param) {
                                 case Writer::WriteSendSettings:
                                     return std::string("WriteSendSettings");
                                 case Writer::WriteCfgFile:
                                     return std::string("WriteCfgFile");
                                 case Writer::WriteMenuFile:
                                     return std::string("WriteMenuFile");
                                 case Writer::WriteMenuFileAt:
                                     return std::string("WriteMenuFileAt");
                             }
                             return std::string("unknown");
                         });

}  // namespace
}  // namespace trailcfg
