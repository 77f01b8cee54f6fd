// Reading scenario files: words, texts and their escapes, comments.
#include <gtest/gtest.h>

#include "common/gbk_literal.h"
#include "scenario/script.h"
#include "scenario/values.h"

namespace trailcfg::scenario {
namespace {

std::vector<Step> Parse(std::string_view source, const std::string& work = "/w") {
    std::vector<Step> steps;
    ScriptError error;
    EXPECT_TRUE(ParseScript(source, work, steps, error)) << error.line << ": " << error.message;
    return steps;
}

TEST(ScriptTest, LinesBecomeStepsOfWordsAndTexts) {
    std::vector<Step> steps = Parse(
        "# comment\n"
        "\n"
        "   \t\n"
        "expect text 40006 \"1,2,2,27\"\r\n"
        "  # indented comment\n"
        "make cfg CFG.BIN bySendBy=2 szRecp[2]=\"a b\"\n");
    ASSERT_EQ(steps.size(), 2u);
    EXPECT_EQ(steps[0].line, 4);
    ASSERT_EQ(steps[0].tokens.size(), 4u);
    EXPECT_EQ(steps[0].tokens[2].word, "40006");
    EXPECT_TRUE(steps[0].tokens[3].IsText());
    EXPECT_EQ(*steps[0].tokens[3].text, "1,2,2,27");

    EXPECT_EQ(steps[1].line, 6);
    ASSERT_EQ(steps[1].tokens.size(), 5u);
    EXPECT_TRUE(steps[1].tokens[3].IsWord());
    EXPECT_EQ(steps[1].tokens[3].word, "bySendBy=2");
    EXPECT_EQ(steps[1].tokens[4].word, "szRecp[2]=");
    EXPECT_EQ(steps[1].tokens[4].text, "a b");
    EXPECT_FALSE(steps[1].tokens[4].IsText());
}

TEST(ScriptTest, TextsAreGbkWithEscapesAndRawBytesAfterConversion) {
    std::vector<Step> steps = Parse(R"(t "设置\"\\\r\n\t" "\xC9\xE8中" "{work}/CFG.BIN" "")"
                                    "\n",
                                    "/tmp/" + std::string(GBK("卡")));
    ASSERT_EQ(steps.size(), 1u);
    const auto& t = steps[0].tokens;
    EXPECT_EQ(*t[1].text, std::string(GBK("设置")) + "\"\\\r\n\t");
    // The raw bytes are not converted again: C9 E8 is GBK for 设.
    EXPECT_EQ(*t[2].text, std::string("\xC9\xE8") + GBK("中"));
    EXPECT_EQ(*t[3].text, "/tmp/" + std::string(GBK("卡")) + "/CFG.BIN");
    EXPECT_TRUE(t[4].IsText());
    EXPECT_EQ(*t[4].text, "");
}

TEST(ScriptTest, MalformedLinesAreReportedWithTheirNumber) {
    const std::pair<const char*, const char*> cases[] = {
        {"ok\nexpect title \"open\n", "text without closing quote"},
        {"ok\nexpect title \"a\\qb\"\n", "unknown escape \\q"},
        {"ok\nexpect title \"\\x4g\"\n", "\\x needs two hex digits"},
        {"ok\nexpect title \"a\"b\n", "a blank must follow a text"},
    };
    for (const auto& [source, message] : cases) {
        std::vector<Step> steps;
        ScriptError error;
        EXPECT_FALSE(ParseScript(source, "/w", steps, error)) << source;
        EXPECT_EQ(error.line, 2) << source;
        EXPECT_EQ(error.message, message) << source;
    }
}

TEST(ScriptTest, NumbersAreDecimalOrHex) {
    std::int64_t v = 0;
    EXPECT_TRUE(ParseNumber("0x0804", v));
    EXPECT_EQ(v, 0x804);
    EXPECT_TRUE(ParseNumber("-1", v));
    EXPECT_EQ(v, -1);
    EXPECT_TRUE(ParseNumber("007", v));
    EXPECT_EQ(v, 7);
    for (const char* bad : {"", "-", "0x", "12a", "-0x1", "1.5", "99999999999999999999"})
        EXPECT_FALSE(ParseNumber(bad, v)) << bad;
}

TEST(ScriptTest, ReportShowsTextsReadably) {
    EXPECT_EQ(Quoted(GBK("设置")), "\"设置\"");
    EXPECT_EQ(Quoted("a\"b\\\n"), "\"a\\\"b\\\\\\n\"");
    EXPECT_EQ(Quoted("\x01\xFF"), "\"\\x01\\xFF\"");
}

}  // namespace
}  // namespace trailcfg::scenario
