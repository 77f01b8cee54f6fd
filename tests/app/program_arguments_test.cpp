// The desktop program's command line: --version and --help answer and end
// the program before a window opens; anything else starts it as always.
#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "common/gbk_literal.h"
#include "common/program_version.h"
#include "gui/program_arguments.h"
#include "platform/layout.h"
#include "ui/window_titles.h"

namespace trailcfg {
namespace {

ArgumentsAnswer Read(std::vector<const char*> args) {
    args.insert(args.begin(), "trailcfg");
    return ReadProgramArguments(static_cast<int>(args.size()), args.data());
}

TEST(ProgramArguments, VersionIsTheProjectsAndEndsTheProgram) {
    EXPECT_STREQ(ProgramVersion(), TRAILCFG_EXPECTED_VERSION);
    for (const char* flag : {"--version", "-V"}) {
        const ArgumentsAnswer a = Read({flag});
        EXPECT_TRUE(a.exitNow) << flag;
        EXPECT_EQ(a.text, std::string("trailcfg ") + TRAILCFG_EXPECTED_VERSION + "\n") << flag;
    }
}

TEST(ProgramArguments, HelpNamesBothOptionsAndEndsTheProgram) {
    for (const char* flag : {"--help", "-h", "-?", "/?"}) {
        const ArgumentsAnswer a = Read({"D:\\DCIM", flag});
        EXPECT_TRUE(a.exitNow) << flag;
        EXPECT_EQ(a.text.rfind("Usage: trailcfg [--help | --version]\n", 0), 0u) << a.text;
        EXPECT_NE(a.text.find("--version  print the version and exit"), std::string::npos);
    }
    EXPECT_EQ(Read({"--help", "--version"}).text.rfind("Usage:", 0), 0u) << "the first one asked is answered";
}

// The help tells where the save folder is chosen: by its English title, each
// page whose layout carries the Browse button and none that lacks it.
TEST(ProgramArguments, HelpNamesThePagesThatChooseTheFolder) {
    std::string help = Read({"--help"}).text;
    for (char& c : help)
        if (c == '\n') c = ' ';
    const struct {
        int templateId;
        const TextPair& title;
    } pages[] = {{kTemplateCameraPage, kTitleCameraSetup},
                 {kTemplateParamPage, kTitleParamPage},
                 {kTemplateSendPage, kTitleSendPage}};
    for (const auto& page : pages) {
        const DialogLayout* layout = FindDialogLayout(page.templateId);
        ASSERT_NE(layout, nullptr);
        bool browse = false;
        for (const ControlLayout& control : *layout) browse |= std::string_view(control.text) == GBK("浏览");
        EXPECT_EQ(help.find(page.title[1]) != std::string::npos, browse) << page.title[1] << "\n" << help;
    }
}

TEST(ProgramArguments, AnythingElseStartsTheProgram) {
    for (const std::vector<const char*>& args :
         std::vector<std::vector<const char*>>{{}, {"D:\\CFG.BIN"}, {"--versions"}, {"-v"}, {"help"}, {""}}) {
        const ArgumentsAnswer a = Read(args);
        EXPECT_FALSE(a.exitNow) << (args.empty() ? "(none)" : args[0]);
        EXPECT_EQ(a.text, "");
    }
    const char* withNull[] = {"trailcfg", nullptr};
    EXPECT_FALSE(ReadProgramArguments(2, withNull).exitNow);
}

}  // namespace
}  // namespace trailcfg
