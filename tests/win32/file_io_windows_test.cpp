// Replacing a settings file on Windows: a temporary file in the same folder,
// flushed, then MoveFileExW over the old one. Whatever fails, the old file
// stays as it was and no temporary file is left behind.
#include <gtest/gtest.h>

#include <windows.h>

#include <chrono>

#include "common/file_io.h"
#include "common/gbk_literal.h"
#include "test_support.h"

namespace trailcfg {
namespace {

const std::vector<std::uint8_t> kOld{1, 2, 3};
const std::vector<std::uint8_t> kNew{9, 8, 7, 6};

TEST(FileIoWindows, ReplacesAWholeFileAndLeavesNothingElse) {
    test::TempDir dir;
    const std::filesystem::path target = dir.path() / "CFG.BIN";
    ASSERT_TRUE(ReplaceFileContents(target, kNew.data(), kNew.size()));
    EXPECT_EQ(test::ReadBytes(target), kNew);
    test::WriteBytes(target, kOld);
    ASSERT_TRUE(ReplaceFileContents(target, kNew.data(), kNew.size()));
    EXPECT_EQ(test::ReadBytes(target), kNew);
    EXPECT_EQ(test::ListFolder(dir.path()), std::vector<std::string>{"CFG.BIN"});
    EXPECT_EQ(FileSizeOf(target), 4);
}

TEST(FileIoWindows, AReadOnlyFileIsRefusedAndKept) {
    test::TempDir dir;
    const std::filesystem::path target = dir.path() / "menu.dat";
    test::WriteBytes(target, kOld);
    ASSERT_TRUE(SetFileAttributesW(target.c_str(), FILE_ATTRIBUTE_READONLY));
    EXPECT_FALSE(ReplaceFileContents(target, kNew.data(), kNew.size()));
    SetFileAttributesW(target.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(test::ReadBytes(target), kOld);
    EXPECT_EQ(test::ListFolder(dir.path()), std::vector<std::string>{"menu.dat"});
}

TEST(FileIoWindows, AMissingFolderIsAFailureNotACrash) {
    test::TempDir dir;
    EXPECT_FALSE(ReplaceFileContents(dir.path() / "gone" / "CFG.BIN", kNew.data(), kNew.size()));
    EXPECT_EQ(test::ListFolder(dir.path()), std::vector<std::string>{});
}

TEST(FileIoWindows, GbkPathsNameTheFoldersTheUserSees) {
    test::TempDir dir;
    const std::filesystem::path folder = dir.path() / L"\u76F8\u673A";  // 相机
    ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr));
    const std::string gbkFolder = GbkFromPath(folder);
    EXPECT_NE(gbkFolder.find(GBK("相机")), std::string::npos);
    const std::string file = JoinSavePath(gbkFolder.c_str(), "CFG.BIN");
    EXPECT_EQ(file, gbkFolder + "\\CFG.BIN");
    ASSERT_TRUE(ReplaceFileContents(PathFromGbk(file), kNew.data(), kNew.size()));
    EXPECT_EQ(GetFileSize(file.c_str()), 4);
    EXPECT_EQ(test::ReadBytes(folder / L"CFG.BIN"), kNew);
}

// Sets the last-write time of a file or folder `age` into the past (a
// folder needs the backup flag to be opened at all).
void Age(const std::filesystem::path& path, std::chrono::minutes age) {
    HANDLE h = CreateFileW(path.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                           nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE) << path;
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    ULARGE_INTEGER t;
    t.LowPart = now.dwLowDateTime;
    t.HighPart = now.dwHighDateTime;
    t.QuadPart -= static_cast<ULONGLONG>(age.count()) * 60 * 10'000'000;
    FILETIME then{t.LowPart, t.HighPart};
    EXPECT_TRUE(SetFileTime(h, nullptr, nullptr, &then)) << path;
    CloseHandle(h);
}

// GetTempFileNameW's names carry nothing of the target, so every stale
// "tcfXXXX.tmp" in the folder goes; a young one, a look-alike and a folder
// stay.
TEST(FileIoWindows, AWriteRemovesStaleTemporaryFilesOnly) {
    test::TempDir dir;
    namespace fs = std::filesystem;
    const auto make = [&](const char* name, std::chrono::minutes age) {
        test::WriteBytes(dir / name, kOld);
        Age(dir / name, age);
    };
    make("tcf1A.tmp", std::chrono::minutes(11));
    make("TCFBEEF.TMP", std::chrono::minutes(60 * 24));
    make("tcf2B.tmp", std::chrono::minutes(5));
    make("tcf12345.tmp", std::chrono::minutes(60));
    make("tcfXY.tmp", std::chrono::minutes(60));
    make("tcf1A.tmp.txt", std::chrono::minutes(60));
    fs::create_directory(dir / "tcfC.tmp");
    Age(dir / "tcfC.tmp", std::chrono::minutes(60));
    ASSERT_TRUE(ReplaceFileContents(dir / "CFG.BIN", kNew.data(), kNew.size()));
    EXPECT_EQ(test::ListFolder(dir.path()), (std::vector<std::string>{"CFG.BIN", "tcf12345.tmp", "tcf1A.tmp.txt",
                                                                      "tcf2B.tmp", "tcfC.tmp", "tcfXY.tmp"}));
}

}  // namespace
}  // namespace trailcfg
