// The commands that only read: show explains in the program's own words,
// diff names what changed like diff(1), operators lists the database as the
// pages do.
#include <gtest/gtest.h>

#include <cstring>
#include <map>

#include "cli_run.h"
#include "common/program_version.h"
#include "common/scramble.h"
#include "send/cfg_file.h"
#include "send/operator_db.h"

namespace trailcfg::cli {
namespace {

void WritePlain(const std::filesystem::path& file, std::vector<std::uint8_t> plain) {
    ScrambleBytes(plain.data(), plain.size());
    trailcfg::test::WriteBytes(file, plain);
}

bool Has(const std::string& text, const std::string& line) { return text.find(line) != std::string::npos; }

TEST(CliShow, ExplainsEveryValueInTheProgramsWords) {
    TempDir dir;
    std::vector<std::uint8_t> cfg = DefaultRecord(FileKind::Cfg);
    SendSettings s;
    std::memcpy(&s, cfg.data(), sizeof s);
    s.bySendBy = kSendByFtp;
    s.byRemoteInterval = 0;
    s.byOperatorCountry = 3;
    s.byOperator = 7;
    s.byDailySendTime = 24;
    std::strcpy(s.sFtpSet.szPassword, "hunter2");
    s.sFtpSet.iFtpDirType = 9;
    std::memcpy(cfg.data(), &s, sizeof s);
    WritePlain(dir / "CFG.BIN", cfg);
    std::vector<std::uint8_t> menu = DefaultRecord(FileKind::Menu);
    menu[0] = 2;    // Camera+Video
    menu[8] = 30;   // 30 seconds
    menu[12] = 15;  // no such language
    WritePlain(dir / "menu.dat", menu);

    CliRun r = Cli({"show", P(dir / "CFG.BIN")});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(Has(r.out, "3G Send Options: FTP  [bySendBy = 3]\n")) << r.out;
    EXPECT_TRUE(Has(r.out, "Remote Interval: 10 Minutes  [byRemoteInterval = 0]\n"));
    EXPECT_TRUE(Has(r.out, "Country: United Kingdom  [byOperatorCountry = 3]\n"));
    EXPECT_TRUE(Has(r.out, "Operator: " + std::string(OperatorName(3, 7, 1)) + "  [byOperator = 7]\n"));
    EXPECT_TRUE(Has(r.out, "FTP Settings / Password: \"hunter2\"  [sFtpSet.szPassword]\n")) << "the card is yours";
    EXPECT_TRUE(Has(r.out, "unknown (9)  [sFtpSet.iFtpDirType = 9]\n"));
    EXPECT_TRUE(Has(r.out, "Written by this program: no  [sendByAppSetFlag = false]\n"));

    r = Cli({"show", P(dir / "menu.dat"), "--lang", "zh"});
    ASSERT_EQ(r.status, 0);
    EXPECT_TRUE(Has(r.out, "模式: 拍照+录像  [CapMode = 2]\n")) << r.out;
    EXPECT_TRUE(Has(r.out, "间隔时间: 30 秒钟  [Interval = 30]\n"));
    EXPECT_TRUE(Has(r.out, "语言: 未知 (15)  [Language = 15]\n"));
    r = Cli({"show", P(dir / "menu.dat")});
    EXPECT_TRUE(Has(r.out, "Mode: Camera+Video  [CapMode = 2]\n"));
    EXPECT_TRUE(Has(r.out, "Time Lapse: Off  [TimeLapseMode = 1]\n"));

    EXPECT_EQ(Cli({"show", P(dir.path())}).status, 2);
}

TEST(CliDiff, NamesTheFieldsThatDifferLikeDiff) {
    TempDir dir;
    std::vector<std::uint8_t> a = DefaultRecord(FileKind::Cfg);
    a[0] |= IF_SEND_BY_APP_SET_FLG;
    WritePlain(dir / "a.bin", a);
    WritePlain(dir / "same.bin", a);
    std::vector<std::uint8_t> b = a;
    b[0] = 2 | IF_SEND_BY_APP_SET_FLG;                 // bySendBy 1 -> 2
    b[offsetof(SendSettings, szRecp) + 49 * 2] = 'x';  // szRecp[2]
    b[9] = 7;                                          // a reserved byte
    b[offsetof(SendSettings, szDebugUrl) + 10] = 'z';  // behind an empty text
    WritePlain(dir / "b.bin", b);

    CliRun same = Cli({"diff", P(dir / "a.bin"), P(dir / "same.bin")});
    EXPECT_EQ(same.status, 0);
    EXPECT_EQ(same.out, "");
    CliRun r = Cli({"diff", P(dir / "a.bin"), P(dir / "b.bin")});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out,
              "bySendBy: 1 (MMS) -> 2 (Email)\n"
              "szRecp[2]: \"\" -> \"x\"\n"
              "szDebugUrl: same text, different bytes after its end\n"
              "reserved byte 9: 0 -> 7\n");

    Cli({"new", "menu", "--dir", P(dir.path())});
    CliRun mixed = Cli({"diff", P(dir / "a.bin"), P(dir / "menu.dat")});
    EXPECT_EQ(mixed.status, 2);
    EXPECT_TRUE(Has(mixed.err, "only files of one kind compare"));
    EXPECT_EQ(Cli({"diff", P(dir / "a.bin"), P(dir / "none")}).status, 2);
}

TEST(CliOperators, ListsWhatThePagesListWithTheirProvisioning) {
    CliRun all = Cli({"operators", "--json"});
    ASSERT_EQ(all.status, 0) << all.err;
    Json countries = Json::parse(all.out);
    ASSERT_EQ(countries.size(), 43u);
    std::size_t operators = 0;
    for (const Json& c : countries) operators += c["operators"].size();
    EXPECT_EQ(operators, 123u) << "only the listed operators";
    EXPECT_EQ(countries[0]["operators"].size(), 1u) << "China's second slot is not listed";
    EXPECT_EQ(countries[12]["operators"][8]["name"], "letai");
    EXPECT_EQ(countries[1]["operators"][0]["sMmsSet.szMmsPort"], "8080");

    CliRun china = Cli({"operators", "--country", "中国", "--lang", "zh"});
    ASSERT_EQ(china.status, 0);
    EXPECT_EQ(china.out.substr(0, china.out.find('\n')), "0  中国");
    EXPECT_TRUE(Has(china.out, "    0  中国联通\n"));
    EXPECT_TRUE(Has(china.out, "彩信参数 / 端口: \"80\"\n")) << china.out;
    EXPECT_EQ(Cli({"operators", "--country", "schweiz"}).out.substr(0, 10), "9  Schweiz");
    EXPECT_EQ(Cli({"operators", "--country", "42"}).status, 0);

    CliRun near = Cli({"operators", "--country", "Swedn"});
    EXPECT_EQ(near.status, 2);
    EXPECT_TRUE(Has(near.err, "did you mean \"Sweden\"?")) << near.err;
    EXPECT_TRUE(Has(Cli({"operators", "--country", "43"}).err, "manual input"));
}

TEST(CliOperators, FindsCountriesListedInTheirOwnLanguageByTheirEnglishNames) {
    const std::pair<const char*, const char*> cases[] = {
        {"Germany", "2  Deutschland\n"},      {"SWITZERLAND", "9  Schweiz\n"},
        {"austria", "22  Oesterreich\n"},     {"Czech Republic", "26  Ceska republika\n"},
        {"czechia", "26  Ceska republika\n"}, {"deutschland", "2  Deutschland\n"},
    };
    for (const auto& [name, first] : cases) {
        CliRun run = Cli({"operators", "--country", name});
        EXPECT_EQ(run.status, 0) << name << ": " << run.err;
        EXPECT_EQ(run.out.substr(0, run.out.find('\n') + 1), first) << name;
    }
    // Nothing matches: the nearest names, English ones included.
    CliRun typo = Cli({"operators", "--country", "Germani"});
    EXPECT_EQ(typo.status, 2);
    EXPECT_TRUE(Has(typo.err, "no country \"Germani\" in the database; did you mean \"Germany\"?")) << typo.err;
    CliRun two = Cli({"operators", "--country", "Austrai"});
    EXPECT_TRUE(Has(two.err, "did you mean \"Australia\" or \"Austria\"?")) << two.err;
    CliRun far = Cli({"operators", "--country", "Atlantis"});
    EXPECT_EQ(far.status, 2);
    EXPECT_FALSE(Has(far.err, "did you mean")) << far.err;
}

TEST(CliOperators, ShowWhereEachOperatorsValuesComeFrom) {
    CliRun all = Cli({"operators", "--json"});
    ASSERT_EQ(all.status, 0) << all.err;
    Json countries = Json::parse(all.out);
    int android = 0, notAndroid = 0;
    std::map<std::string, int> confidence;
    for (const Json& c : countries)
        for (const Json& op : c["operators"]) {
            const Json& source = op.at("source");
            if (source.contains("release")) {
                ++android;
                EXPECT_FALSE(source.at("carrier").get<std::string>().empty());
            } else {
                ++notAndroid;
            }
            for (const Json& field : source.at("exceptions")) EXPECT_TRUE(op.contains(field.get<std::string>()));
            ++confidence[source.at("confidence").get<std::string>()];
            const int by = source.at("confirmedBy").get<int>();
            EXPECT_EQ(source.at("confidence"), by == 2   ? "confirmed by two sources"
                                               : by == 1 ? "confirmed by one source"
                                                         : "unconfirmed");
        }
    EXPECT_EQ(android, 119);
    EXPECT_EQ(notAndroid, 4) << "A Mobile, Motiv, letai and MTC are in no Android file";
    EXPECT_EQ(confidence.size(), 3u) << "every level occurs";

    const Json& tmobile = countries[1]["operators"][0]["source"];
    EXPECT_EQ(tmobile["release"], "lineage-current");
    EXPECT_EQ(tmobile["mccMnc"], "310-260");
    EXPECT_EQ(tmobile["gnome"]["provider"], "us/T-Mobile");
    EXPECT_EQ(tmobile["exceptions"], Json::array({"sMmsSet.szMmsGateway", "sMmsSet.szMmsPort"}));

    CliRun us = Cli({"operators", "--country", "1"});
    EXPECT_TRUE(Has(us.out,
                    "    0  T-Mobile\n        Confidence: unconfirmed\n"
                    "        Source: lineage-current 310-260 \"T-Mobile US\", MMS \"T-Mobile US\"\n"
                    "        GNOME: us/T-Mobile \"fast.t-mobile.com\", MMS \"fast.t-mobile.com\"\n"
                    "        Exceptions: MMS Parameters / Gateway, MMS Parameters / Port\n"))
        << us.out;
    CliRun canada = Cli({"operators", "--country", "Canada"});
    EXPECT_TRUE(Has(canada.out, "Source: lineage-current 302-370 \"Fido Internet\", MMS cm-14.1 \"Fido LTE\"\n"))
        << canada.out;
    CliRun namibia = Cli({"operators", "--country", "Namibia", "--lang", "zh"});
    EXPECT_TRUE(Has(namibia.out, "可信度: 未经确认\n        来源: 不在 Android APN 数据库中\n")) << namibia.out;
}

TEST(CliCommandLine, UsageErrorsAreExitTwoAndHelpIsExitZero) {
    EXPECT_EQ(Cli({"frobnicate"}).status, 2);
    CliRun version = Cli({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, std::string("trailcfg-cli ") + ProgramVersion() + "\n");
    // Which of several faults is reported, and in which words: scripts and
    // the manual page read these.
    const struct {
        std::vector<std::string> args;
        std::string err;  // before "Run with --help for more information."
    } refused[] = {
        {{}, "A subcommand is required"},
        {{"new"}, "kind is required"},
        {{"new", "foo"}, "kind: foo not in {cfg,menu}"},
        {{"import", "j"}, "--dir is required"},
        {{"new", "cfg", "--dir"}, "--dir: 1 required TEXT missing"},
        {{"show", "f", "--lang"}, "--lang: 1 required TEXT:{en,zh} missing"},
        {{"show", "f", "--lang", "zh", "--lang", "en"}, "--lang: At Most 1 required but received 2"},
        {{"show", "f", "--lang=fr", "-h"}, "--lang: fr not in {en,zh}"},
        {{"new", "cfg", "--force=maybe"}, "Could not convert: --force = maybe"},
        {{"new", "cfg", "--version"}, "The following argument was not expected: --version"},
        {{"show", "a", "b", "c"}, "The following arguments were not expected: c b"},
        {{"set", "f", "[]"}, "assignments is required"},
    };
    for (const auto& r : refused) {
        CliRun run = Cli(r.args);
        EXPECT_EQ(run.status, 2) << r.err;
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err, r.err + "\nRun with --help for more information.\n");
    }
    EXPECT_EQ(Cli({"--version", "new"}).out, version.out) << "the version comes before any other fault";

    const std::string footer =
        "\nExit status: 0 done, 1 refused by a check (or: files differ, batch rows refused), 2 bad input or a file "
        "error (also a batch row's file).\n";
    const struct {
        std::vector<std::string> args;
        std::string out;  // before the footer
    } helps[] = {
        {{"--help"},
         R"(trailcfg-cli: read, explain, edit, check and write trail camera settings files (CFG.BIN, menu.dat)
Usage: trailcfg-cli [OPTIONS] SUBCOMMAND

Options:
  -h,--help                   Print this help message and exit
  --version                   Print the version and exit

Subcommands:
  new                         Write the default CFG.BIN or menu.dat
  export                      Print a CFG.BIN or menu.dat as one flat JSON object
  show                        Explain every setting of a CFG.BIN or menu.dat in words, with the stored values beside them. Passwords are shown as stored: the card is yours.
  import                      Write a CFG.BIN or menu.dat from JSON (what export prints, or any part of it), checked as Generate checks, and read it back
  set                         Change fields of a CFG.BIN or menu.dat in place, checked as Generate checks; the time stamp and clock stay unless --stamp
  check                       Run Generate's checks on a CFG.BIN (a menu.dat: its values against the page's lists); print the first failure or "ok"
  diff                        List the fields that differ between two files of one kind
  operators                   The operator database as the pages list it, with each operator's provisioning values
  batch                       One folder per CSV row (its "name" column), each with a checked CFG.BIN (and menu.dat when menu fields are given), from a JSON template and the row's fields
)"},
        {{"new", "--help"}, R"(Write the default CFG.BIN or menu.dat
Usage: trailcfg-cli new [OPTIONS] kind

Positionals:
  kind TEXT:{cfg,menu} REQUIRED
                              cfg or menu

Options:
  -h,--help                   Print this help message and exit
  --dir TEXT                  Folder to write into (default: current folder)
  --force                     Replace a file that is already there
)"},
        {{"export", "--help"}, R"(Print a CFG.BIN or menu.dat as one flat JSON object
Usage: trailcfg-cli export [OPTIONS] file

Positionals:
  file TEXT REQUIRED          The file to read

Options:
  -h,--help                   Print this help message and exit
  --pretty                    Indent the JSON
)"},
        {{"show", "--help"},
         R"(Explain every setting of a CFG.BIN or menu.dat in words, with the stored values beside them. Passwords are shown as stored: the card is yours.
Usage: trailcfg-cli show [OPTIONS] file

Positionals:
  file TEXT REQUIRED          The file to read

Options:
  -h,--help                   Print this help message and exit
  --lang TEXT:{en,zh}=en      Language of the explanations: en or zh
)"},
        {{"import", "--help"},
         R"(Write a CFG.BIN or menu.dat from JSON (what export prints, or any part of it), checked as Generate checks, and read it back
Usage: trailcfg-cli import [OPTIONS] json

Positionals:
  json TEXT REQUIRED          The JSON file, or - for standard input

Options:
  -h,--help                   Print this help message and exit
  --dir TEXT REQUIRED         Folder to write into
  --base TEXT                 Start from this file instead of the defaults
  --no-cmd22                  As the send page's box "Do not use 22,60,61 command" (no file stores it)
  --keep-time                 Keep the time stamp (CFG.BIN) or Auto clock (menu.dat) of the JSON or the base instead of this computer's local time
  --lang TEXT:{en,zh}=en      Language of Generate's messages: en or zh
)"},
        {{"set", "--help"},
         R"(Change fields of a CFG.BIN or menu.dat in place, checked as Generate checks; the time stamp and clock stay unless --stamp
Usage: trailcfg-cli set [OPTIONS] file assignments...

Positionals:
  file TEXT REQUIRED          The file to change
  assignments TEXT ... REQUIRED
                              FIELD=VALUE, with export's field names

Options:
  -h,--help                   Print this help message and exit
  --no-cmd22                  As the send page's box "Do not use 22,60,61 command"
  --stamp                     Stamp this computer's local time, as Generate does (menu.dat: the clock, in Auto mode)
  --lang TEXT:{en,zh}=en      Language of Generate's messages: en or zh
)"},
        {{"check", "--help"},
         R"(Run Generate's checks on a CFG.BIN (a menu.dat: its values against the page's lists); print the first failure or "ok"
Usage: trailcfg-cli check [OPTIONS] file

Positionals:
  file TEXT REQUIRED          The file to check

Options:
  -h,--help                   Print this help message and exit
  --no-cmd22                  As the send page's box "Do not use 22,60,61 command"
  --lang TEXT:{en,zh}=en      Language of Generate's messages: en or zh
)"},
        {{"diff", "--help"}, R"(List the fields that differ between two files of one kind
Usage: trailcfg-cli diff [OPTIONS] a b

Positionals:
  a TEXT REQUIRED             The old file
  b TEXT REQUIRED             The new file

Options:
  -h,--help                   Print this help message and exit
)"},
        {{"operators", "--help"},
         R"(The operator database as the pages list it, with each operator's provisioning values
Usage: trailcfg-cli operators [OPTIONS]

Options:
  -h,--help                   Print this help message and exit
  --country TEXT              Only this country, by index (0..42) or name
  --json                      Print JSON
  --lang TEXT:{en,zh}=en      Language of the names: en or zh
)"},
        {{"batch", "--help"},
         R"(One folder per CSV row (its "name" column), each with a checked CFG.BIN (and menu.dat when menu fields are given), from a JSON template and the row's fields
Usage: trailcfg-cli batch [OPTIONS] template cameras

Positionals:
  template TEXT REQUIRED      The template JSON (fields of both files allowed)
  cameras TEXT REQUIRED       The CSV: a header of name and field names, one row a camera

Options:
  -h,--help                   Print this help message and exit
  --out TEXT REQUIRED         Folder to make the cameras' folders in (made when its parent exists)
  --no-cmd22                  As the send page's box "Do not use 22,60,61 command"
  --keep-time                 Keep the template's and rows' time stamp and clock
  --lang TEXT:{en,zh}=en      Language of Generate's messages: en or zh
)"},
    };
    for (const auto& h : helps) {
        CliRun run = Cli(h.args);
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(run.out, h.out + footer);
        EXPECT_EQ(run.err, "");
    }
    EXPECT_EQ(Cli({"-h", "new"}).out, helps[1].out + footer) << "the command's help, wherever -h stands";
}

}  // namespace
}  // namespace trailcfg::cli
