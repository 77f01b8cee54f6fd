// batch: one folder per row of the cameras' table, each file checked and
// verified; a bad row is reported and the others still run; a table that is
// not CSV, or names a field that does not exist, writes nothing.
#include <gtest/gtest.h>

#include "cli_run.h"

namespace trailcfg::cli {
namespace {

const char* const kTemplate = R"({"bySendBy": 2, "szRecp[2]": "owner@farm.org", "sSmtpSet.szServer": "smtp.farm.org",
    "sSmtpSet.iPort": 25, "sSmtpSet.szAddr": "cams@farm.org", "sSmtpSet.szPassword": "pw",
    "byOperatorCountry": 2, "byOperator": 1})";

CliRun Batch(const TempDir& dir, const std::string& templ, const std::string& csv) {
    test::WriteText(dir / "template.json", templ);
    test::WriteText(dir / "cameras.csv", csv);
    std::filesystem::create_directory(dir / "out");
    return Cli({"batch", P(dir / "template.json"), P(dir / "cameras.csv"), "--out", P(dir / "out")});
}

Json Exported(const std::filesystem::path& file) { return Json::parse(Cli({"export", P(file)}).out); }

TEST(CliBatch, AThousandCamerasWithOneBadRow) {
    TempDir dir;
    std::string csv = "name,szRecp[3],uwMaxSendImgNum\n";
    for (int i = 1; i <= 1000; ++i) {
        const std::string n = std::to_string(i);
        csv += "cam" + n + "," + (i == 617 ? "not-an-address" : "c" + n + "@x.org") + "," + n + "\n";
    }
    CliRun r = Batch(dir, kTemplate, csv);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "1000 cameras: 999 written, 1 failed\n");
    EXPECT_EQ(r.err, "trailcfg-cli: " + P(dir / "cameras.csv") +
                         ": row 617 (line 618, \"cam617\"): Generate failed! Email address 2 error. (szRecp[3])\n");
    EXPECT_EQ(trailcfg::test::ListFolder(dir / "out").size(), 999u);
    EXPECT_FALSE(std::filesystem::exists(dir / "out" / "cam617"));
    EXPECT_EQ(trailcfg::test::ListFolder(dir / "out" / "cam1000"), std::vector<std::string>{"CFG.BIN"});
    Json cam = Exported(dir / "out" / "cam999" / "CFG.BIN");
    EXPECT_EQ(cam["szRecp[2]"], "owner@farm.org");
    EXPECT_EQ(cam["szRecp[3]"], "c999@x.org");
    EXPECT_EQ(cam["uwRecpLen[3]"], 10);
    EXPECT_EQ(cam["uwMaxSendImgNum"], 999);
    EXPECT_EQ(Cli({"check", P(dir / "out" / "cam1" / "CFG.BIN")}).out, "ok\n");
}

TEST(CliBatch, MenuFieldsAddAMenuDatAndRowsOverrideTheTemplate) {
    TempDir dir;
    std::string templ = kTemplate;
    templ.insert(templ.size() - 1, R"(, "CapMode": 1, "Language": 3)");
    CliRun r = Batch(dir, templ, "Language,name,SerialMode,Serial[0]\n5,north,1,10\n,south,1,35\n");
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("row 2 (line 3, \"south\"): Language: is empty; a number is needed"), std::string::npos)
        << r.err;
    EXPECT_EQ(trailcfg::test::ListFolder(dir / "out" / "north"), (std::vector<std::string>{"CFG.BIN", "menu.dat"}));
    Json menu = Exported(dir / "out" / "north" / "menu.dat");
    EXPECT_EQ(menu["CapMode"], 1);
    EXPECT_EQ(menu["Language"], 5);
    EXPECT_EQ(menu["Serial[0]"], 10);
}

TEST(CliBatch, RowsThatWouldLeaveTheirFolderOrCollideFail) {
    TempDir dir;
    CliRun r = Batch(dir, kTemplate, "name\nok\n..\n../escape\nsub/dir\n\nok\nshort,extra\n");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "6 cameras: 1 written, 5 failed\n");
    for (const char* told : {"row 2 (line 3, \"..\"): \"..\" names no folder of its own",
                             "row 3 (line 4, \"../escape\"): the name \"../escape\" holds a path separator",
                             "row 4 (line 5, \"sub/dir\")", "row 5 (line 7, \"ok\"): the name is also row 1's",
                             "row 6 (line 8, \"short\"): 2 cells, but the header has 1"})
        EXPECT_NE(r.err.find(told), std::string::npos) << told << " in " << r.err;
    EXPECT_EQ(trailcfg::test::ListFolder(dir.path()),
              (std::vector<std::string>{"cameras.csv", "out", "template.json"}));
    EXPECT_EQ(trailcfg::test::ListFolder(dir / "out"), std::vector<std::string>{"ok"});
}

TEST(CliBatch, ATableOrTemplateThatCannotBeReadWritesNothing) {
    struct Case {
        std::string templ, csv;
        const char* message;
    };
    const Case cases[] = {
        {kTemplate, "name,szRecp[2]\ncam1,\"open\n", "cameras.csv: line 2, column 6: the quote opened here"},
        {kTemplate, "name,szRecp[9]\ncam1,x\n", "line 1, column 2: unknown field \"szRecp[9]\"; did you mean"},
        {kTemplate, "name;szRecp[2]\ncam1;x\n", "(the columns must be separated by commas)"},
        {kTemplate, "szRecp[2]\nx\n", "no \"name\" column"},
        {kTemplate, "name,name\na,b\n", "\"name\" is a column twice"},
        {"{\"bySendBy\": 9}", "name\na\n", "template.json: bySendBy: 9 is outside 0..3"},
    };
    for (const Case& c : cases) {
        TempDir dir;
        CliRun r = Batch(dir, c.templ, c.csv);
        EXPECT_EQ(r.status, 2);
        EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
        EXPECT_TRUE(trailcfg::test::ListFolder(dir / "out").empty());
    }
}

// The output folder is made when the folder it belongs in exists; a missing
// parent is refused, and a run that wrote nothing takes back the folder it
// made.
TEST(CliBatch, MakesTheOutputFolderInAFolderThatExists) {
    TempDir dir;
    test::WriteText(dir / "t.json", kTemplate);
    test::WriteText(dir / "c.csv", "name\nnorth\n");
    test::WriteText(dir / "bad.csv", "name,szRecp[3]\nnorth,not-an-address\n");
    const auto run = [&](const std::string& csv, const std::string& out) {
        return Cli({"batch", P(dir / "t.json"), P(dir / csv), "--out", out});
    };
    CliRun r = run("c.csv", P(dir / "cards"));
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(trailcfg::test::ListFolder(dir / "cards" / "north"), std::vector<std::string>{"CFG.BIN"});
    r = run("c.csv", P(dir / "slash") + "/");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(std::filesystem::exists(dir / "slash" / "north" / "CFG.BIN"));

    r = run("c.csv", P(dir / "missing" / "cards"));
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err, "trailcfg-cli: " + P(dir / "missing" / "cards") + ": no such folder, and no folder " +
                         P(dir / "missing") + " to make it in\n");
    r = run("bad.csv", P(dir / "refused"));
    EXPECT_EQ(r.status, 1);
    EXPECT_FALSE(std::filesystem::exists(dir / "refused")) << "nothing was written, so no folder was left";
    r = run("bad.csv", P(dir / "cards"));
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(std::filesystem::exists(dir / "cards" / "north")) << "a folder that was there stays";

    test::WriteText(dir / "file", "");
    r = run("c.csv", P(dir / "file"));
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err, "trailcfg-cli: " + P(dir / "file") + ": is not a folder\n");
    EXPECT_EQ(trailcfg::test::ListFolder(dir.path()),
              (std::vector<std::string>{"bad.csv", "c.csv", "cards", "file", "slash", "t.json"}));
}

// Spreadsheets end a table with rows of empty cells; they are no cameras.
TEST(CliBatch, RowsOfEmptyCellsAreSkipped) {
    TempDir dir;
    CliRun r = Batch(dir, kTemplate,
                     "name,szRecp[3],uwMaxSendImgNum\r\nnorth,n@x.org,5\r\n,,\r\n\"\",,\"\"\r\n"
                     "south,s@x.org,6\r\n,,\r\n,,\r\n");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "2 cameras: 2 written, 0 failed\n");
    EXPECT_EQ(trailcfg::test::ListFolder(dir / "out"), (std::vector<std::string>{"north", "south"}));
    // A row with one cell given is a row, and its empty name is reported.
    r = Batch(dir, kTemplate, "name,szRecp[3]\n,x@y.org\n");
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("row 1 (line 2): "), std::string::npos) << r.err;
}

// What spreadsheets and shells save: UTF-8 with a byte-order mark, UTF-16
// with one (Windows PowerShell 5.1's `>`, Excel's "Unicode Text"); a table in
// a code page is refused with what to do about it.
TEST(CliBatch, ReadsUtf16AndTellsHowToSaveATableThatIsNotUtf8) {
    const std::u16string csv = u"name,szRecp[3]\r\n\u5357\u95e8,s@x.org\r\n";
    std::string le = "\xFF\xFE", be = "\xFE\xFF";
    for (char16_t c : csv) {
        le += static_cast<char>(c & 0xFF), le += static_cast<char>(c >> 8);
        be += static_cast<char>(c >> 8), be += static_cast<char>(c & 0xFF);
    }
    for (const std::string& table :
         {le, be, std::string("\xEF\xBB\xBFname,szRecp[3]\n\xE5\x8D\x97\xE9\x97\xA8,s@x.org\n")}) {
        TempDir dir;
        CliRun r = Batch(dir, kTemplate, table);
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(trailcfg::test::ListFolder(dir / "out"), std::vector<std::string>{"南门"});
    }
    struct Case {
        std::string table;
        const char* told;
    };
    const Case refused[] = {
        {"name,szRecp[3]\ncaf\xE9,s@x.org\n",  // Windows-1252
         "cameras.csv: line 2, column 4: not UTF-8 (byte 0xE9); save it as \"CSV UTF-8\"\n"},
        {"name,szRecp[3]\n\xC4\xCF\xC3\xC5,s@x.org\n",  // GBK
         "cameras.csv: line 2, column 1: not UTF-8 (byte 0xC4); save it as \"CSV UTF-8\"\n"},
        {le.substr(2), "cameras.csv: line 1, column 2: a NUL character, as in UTF-16 without a byte-order mark"},
        {std::string("\xFF\xFEn\0\0\0", 6), "cameras.csv: line 1, column 2: a NUL character"},
        {le.substr(0, le.size() - 1), "cameras.csv: line 2, column 12: broken UTF-16 LE"},
        {std::string("\xFF\xFEn\0\x00\xD8", 6), "cameras.csv: line 1, column 2: broken UTF-16 LE"},  // a lone surrogate
    };
    for (const Case& c : refused) {
        TempDir dir;
        CliRun r = Batch(dir, kTemplate, c.table);
        EXPECT_EQ(r.status, 2);
        EXPECT_NE(r.err.find(c.told), std::string::npos) << r.err;
        EXPECT_TRUE(trailcfg::test::ListFolder(dir / "out").empty());
    }
}

}  // namespace
}  // namespace trailcfg::cli
