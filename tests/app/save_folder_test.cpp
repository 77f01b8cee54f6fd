// The save folder at first start: the current directory, as long as it fits.
#include <gtest/gtest.h>

#include <string>

#include "app/process_state.h"
#include "app/save_folder.h"
#include "common/gbk_literal.h"
#include "test_support.h"

namespace trailcfg {
namespace {

class DirectoryPlatform : public Platform {
public:
    bool readable = true;
    std::string directory;

    bool CurrentDirectory(std::string& folder) override {
        if (readable) folder = directory;
        return readable;
    }
    int RunModal(Page&) override { return kPageNotCreated; }
    std::uint16_t SystemDefaultLanguage() override { return 0x0409; }
    LocalTime Now() override { return {}; }
    bool BrowseFolder(Dialog&, std::string&) override { return false; }
    void ShowMessage(Dialog&, const char*, const char*, MessageIcon) override {}
    void StartTimer(Dialog&, int, int) override {}
    void StopTimer(Dialog&, int) override {}
};

class SaveFolderTest : public ::testing::Test {
protected:
    void SetUp() override { ResetProcessState(); }
    DirectoryPlatform platform_;
    test::DiagCapture output_;
};

TEST_F(SaveFolderTest, CurrentDirectoryBecomesTheSaveFolder) {
    platform_.directory = std::string("/media/") + GBK("相机") + "/DCIM";
    InitSavePath(platform_);
    EXPECT_EQ(g_szSavePath, platform_.directory);
    EXPECT_EQ(output_.text(), "CurDir:" + platform_.directory + "\n");
}

TEST_F(SaveFolderTest, UnreadableDirectoryKeepsTheDefaultSilently) {
    platform_.readable = false;
    InitSavePath(platform_);
    EXPECT_STREQ(g_szSavePath, "C:\\");
    EXPECT_EQ(output_.text(), "");
}

TEST_F(SaveFolderTest, DirectoryLongerThanTheBufferIsRefused) {
    platform_.directory = "/" + std::string(kSavePathSize - 2, 'a');  // 259 bytes: fits
    InitSavePath(platform_);
    EXPECT_EQ(g_szSavePath, platform_.directory);

    ResetProcessState();
    output_.clear();
    platform_.directory += "b";
    InitSavePath(platform_);
    EXPECT_STREQ(g_szSavePath, "C:\\");
    EXPECT_EQ(output_.text(), "");
}

}  // namespace
}  // namespace trailcfg
