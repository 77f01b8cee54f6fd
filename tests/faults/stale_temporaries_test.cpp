// What an interrupted write leaves on the card does not stay there: a later
// write of the same file removes the writer's own temporary files (any of
// them while it holds the card's lock, otherwise once they are older than
// any running write could be), and never anything else.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cwchar>
#include <string>
#include <vector>

#include "child_process.h"
#include "cli_run.h"
#include "common/file_io.h"
#include "test_support.h"

namespace trailcfg {
namespace {

namespace fs = std::filesystem;
using test::TempDir;

const std::vector<std::uint8_t> kBytes{1, 2, 3, 4};

void Age(const fs::path& file, std::chrono::minutes by) {
    fs::last_write_time(file, fs::file_time_type::clock::now() - by);
}

void Touch(const fs::path& file, std::chrono::minutes age) {
    test::WriteBytes(file, kBytes);
    Age(file, age);
}

TEST(StaleTemporaries, TheNamesAreExactlyTheWritersOwn) {
    EXPECT_TRUE(IsPosixTemporaryName(".CFG.BIN.aZ09xy", "CFG.BIN"));
    EXPECT_TRUE(IsPosixTemporaryName(".menu.dat.XXXXXX", "menu.dat"));
    for (const char* other :
         {".CFG.BIN.aZ09x", ".CFG.BIN.aZ09xyz", ".CFG.BIN.aZ-9xy", ".CFG.BIN.aZ09x.", "CFG.BIN.aZ09xy",
          "..CFG.BIN.aZ09x", ".cfg.bin.aZ09xy", ".CFG.BINaaZ09xy", ".menu.dat.aZ09xy",
          ".CFG.BIN.\xC3\xA9"
          "0909",
          "CFG.BIN", ".CFG.BIN."})
        EXPECT_FALSE(IsPosixTemporaryName(other, "CFG.BIN")) << other;
    EXPECT_FALSE(IsPosixTemporaryName("..abcdef", ""));

    for (const wchar_t* own : {L"tcf1.tmp", L"tcfA3F.tmp", L"TCF00ff.TMP", L"tcfBEEF.tmp"})
        EXPECT_TRUE(IsWindowsTemporaryName(own));
    for (const wchar_t* other : {L"tcf.tmp", L"tcf12345.tmp", L"tcfG1.tmp", L"tcf1.tmp.bak", L"xtcf1.tmp", L"tcf1.tm",
                                 L"tcf 1.tmp", L"abc1.tmp", L"tcf1tmp"})
        EXPECT_FALSE(IsWindowsTemporaryName(other)) << std::string(other, other + std::wcslen(other));
}

TEST(StaleTemporaries, AWriteRemovesOnlyItsOwnOldTemporaries) {
    TempDir dir, elsewhere;
    const fs::path target = dir / "CFG.BIN";
    const std::vector<std::string> kept = {
        ".CFG.BIN.Young1",   // a write that may still be running
        ".CFG.BIN.abc12",    // one letter short
        ".CFG.BIN.abc1234",  // one too many
        ".CFG.BIN.ab-123",   // not mkstemp's alphabet
        ".cfg.bin.abc123",   // another name to a file system that tells case
        "CFG.BIN.abc123",    // not hidden
        ".menu.dat.abc123",  // the other file's: its own writes see to it
        "tcf1A.tmp",         // the Windows writer's, not this one's
        "notes.txt",
    };
    for (const std::string& name : kept)
        Touch(dir / name, name == ".CFG.BIN.Young1" ? std::chrono::minutes(9) : std::chrono::minutes(60));
    // A folder and a link with the writer's names are nobody's temporary file.
    fs::create_directory(dir / ".CFG.BIN.Folder");
    Age(dir / ".CFG.BIN.Folder", std::chrono::minutes(60));
    Touch(elsewhere / "precious", std::chrono::minutes(60));
    fs::create_symlink(elsewhere / "precious", dir / ".CFG.BIN.Link01");
    Touch(dir / ".CFG.BIN.Old001", std::chrono::minutes(11));
    Touch(dir / ".CFG.BIN.Old002", std::chrono::hours(24 * 400));

    ASSERT_TRUE(ReplaceFileContents(target, kBytes.data(), kBytes.size()));

    std::vector<std::string> expected = kept;
    expected.insert(expected.end(), {".CFG.BIN.Folder", ".CFG.BIN.Link01", "CFG.BIN"});
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(test::ListFolder(dir.path()), expected);
    EXPECT_EQ(test::ReadBytes(elsewhere / "precious"), kBytes);
}

TEST(StaleTemporaries, AFailedWriteRemovesNothing) {
    TempDir dir;
    Touch(dir / ".CFG.BIN.Old001", std::chrono::minutes(60));
    fs::create_directory(dir / "CFG.BIN");  // a folder in the file's place: the rename fails
    EXPECT_FALSE(ReplaceFileContents(dir / "CFG.BIN", kBytes.data(), kBytes.size()));
    EXPECT_EQ(test::ListFolder(dir.path()), (std::vector<std::string>{".CFG.BIN.Old001", "CFG.BIN"}));
}

std::vector<std::string> Temporaries(const fs::path& folder) {
    std::vector<std::string> names;
    for (const std::string& name : test::ListFolder(folder))
        if (IsPosixTemporaryName(name, "CFG.BIN")) names.push_back(name);
    return names;
}

// A `set` killed in the middle of its write (SIGKILL, as a pulled plug or a
// killed terminal) leaves its temporary file; the next `set` holds the card
// alone, so however young that file is, no write of ours is running: it goes.
TEST(StaleTemporaries, AnInterruptedSetLeavesNothingAfterTheNextWrite) {
    TempDir dir;
    const fs::path file = dir / "CFG.BIN";
    ASSERT_EQ(cli::test::Cli({"new", "cfg", "--dir", dir.path().string()}).status, 0);
    const std::vector<std::uint8_t> before = test::ReadBytes(file);

    const test::ChildResult killed = test::RunInChild([&]() -> std::string {
        // The write goes past the size limit part way; the signal that
        // tells of it is made a SIGKILL there and then.
        struct sigaction action {};
        action.sa_handler = [](int) { ::kill(::getpid(), SIGKILL); };
        ::sigaction(SIGXFSZ, &action, nullptr);
        const rlimit limit{100, 100};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        cli::test::Cli({"set", file.string(), "szRecp[3]=killed@example.org"});
        return "the write was not interrupted";
    });
    ASSERT_TRUE(WIFSIGNALED(killed.status) && WTERMSIG(killed.status) == SIGKILL) << killed.blob;
    ASSERT_EQ(Temporaries(dir.path()).size(), 1u) << "the interrupted write left its temporary file";
    EXPECT_EQ(test::ReadBytes(file), before);

    const cli::test::CliRun later = cli::test::Cli({"set", file.string(), "szRecp[3]=later@example.org"});
    ASSERT_EQ(later.status, 0) << later.err;
    EXPECT_EQ(test::ListFolder(dir.path()), std::vector<std::string>{"CFG.BIN"});
    EXPECT_EQ(cli::test::Cli({"check", file.string()}).out, "ok\n");
}

}  // namespace
}  // namespace trailcfg
