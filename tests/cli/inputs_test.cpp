// What the commands read from users: CSV as spreadsheets write it, the
// positions of JSON errors, folder names from a table, near misses of field
// names, and texts that must reach GBK unchanged or not at all.
#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "cli/csv_reader.h"
#include "cli/field_guide.h"
#include "cli/folder_name.h"
#include "cli/json_input.h"
#include "common/gbk_codec.h"
#include "common/suggest.h"
#include "platform/control_ids.h"
#include "platform/layout.h"

namespace trailcfg::cli {
namespace {

TEST(CsvReader, ReadsWhatSpreadsheetsWrite) {
    CsvTable t;
    std::string error;
    ASSERT_TRUE(
        ReadCsv("\xEF\xBB\xBFname,szRecp[2]\r\n"
                "cam1,\"a@b.c\"\r\n"
                "\r\n"
                "\"cam, 2\",\"say \"\"hi\"\"\nnext line\"\n"
                "cam3,\n"
                "cam4",
                t, error))
        << error;
    EXPECT_EQ(t.header.cells, (std::vector<std::string>{"name", "szRecp[2]"}));
    ASSERT_EQ(t.rows.size(), 4u);
    EXPECT_EQ(t.rows[0].cells, (std::vector<std::string>{"cam1", "a@b.c"}));
    EXPECT_EQ(t.rows[1].line, 4u) << "the empty line counts, the quoted line break too";
    EXPECT_EQ(t.rows[1].cells, (std::vector<std::string>{"cam, 2", "say \"hi\"\nnext line"}));
    EXPECT_EQ(t.rows[2].line, 6u);
    EXPECT_EQ(t.rows[2].cells, (std::vector<std::string>{"cam3", ""}));
    EXPECT_EQ(t.rows[3].cells, (std::vector<std::string>{"cam4"})) << "kept, reported by the caller";
}

TEST(CsvReader, MalformedQuotingIsReportedWhereItIs) {
    struct Case {
        const char* text;
        const char* error;
    };
    const Case cases[] = {
        {"name\ncam\"1\n", "line 2, column 4: a quote inside a cell"},
        {"name,x\n\"cam\"1,2\n", "line 2, column 6: after a closing quote"},
        {"name\n\"cam\n\nmore", "line 2, column 1: the quote opened here is never closed"},
        {"名字,x\n\"中\"x", "line 2, column 4: after a closing quote"},
        {"name\ra\n", "line 1, column 5: a lone carriage return"},
        {"", "no header row"},
        {"\n\n", "no header row"},
    };
    for (const Case& c : cases) {
        CsvTable t;
        std::string error;
        EXPECT_FALSE(ReadCsv(c.text, t, error)) << c.text;
        EXPECT_NE(error.find(c.error), std::string::npos) << c.text << ": " << error;
    }
}

TEST(JsonInput, TellsTheKindsAndWhereTheSyntaxBreaks) {
    JsonFields f;
    std::string error;
    ASSERT_TRUE(ParseJsonFields(R"({"sendByAppSetFlag": false, "CapMode": 1, "szRecp[0]": "1"})", f, error)) << error;
    EXPECT_TRUE(f.hasCfg);
    EXPECT_TRUE(f.hasMenu);
    ASSERT_EQ(f.values.size(), 2u) << "the flag is no value";
    EXPECT_EQ(f.values[0].kind, FileKind::Menu);

    EXPECT_FALSE(ParseJsonFields("{\n\n   \"a\": tru }", f, error));
    EXPECT_EQ(error.substr(0, 19), "line 3, column 12: ") << error;
    EXPECT_FALSE(ParseJsonFields(R"({"sendByAppSetFlag": 1})", f, error));
    EXPECT_FALSE(ParseJsonFields(R"({"bySendBy": 1e400})", f, error)) << "a number no double holds";
    EXPECT_NE(error.find("1e400"), std::string::npos) << error;
    EXPECT_FALSE(ParseJsonFields(R"({"bySendBy": {"x": 1}})", f, error));
    EXPECT_NE(error.find("a number is needed, not object"), std::string::npos) << error;
}

TEST(FolderName, NamesOneFolderInsideTheOutputFolder) {
    std::string error;
    for (const char* good : {"cam-01", "Hütte 3", "鹿 camera", "a.b", ".hidden"})
        EXPECT_TRUE(CheckFolderName(good, error)) << good << ": " << error;
    for (const char* bad : {"", ".", "..", "../x", "a/b", "a\\b", "c:x", "x?", "tab\there", "end.", "end ", "CON",
                            "lpt1.txt", "\xff\xfe"})
        EXPECT_FALSE(CheckFolderName(bad, error)) << bad;
    EXPECT_FALSE(CheckFolderName(std::string(256, 'a'), error));
}

TEST(NearestName, SuggestsSlipsOnly) {
    const std::string_view names[] = {"bySendBy", "bySendMode", "szRecp[0]", "szRecp[1]"};
    EXPECT_EQ(NearestName("bysendby", names), "bySendBy");
    EXPECT_EQ(NearestName("bySendMod", names), "bySendMode");
    EXPECT_EQ(NearestName("szRecp[7]", names), "szRecp[0]");
    EXPECT_EQ(NearestName("temperature", names), "");
}

TEST(StrictGbk, TakesOnlyWhatComesBackUnchanged) {
    std::string gbk;
    ASSERT_TRUE(Utf8ToGbkStrict("Abc 中国 €", gbk));
    EXPECT_EQ(gbk, "Abc \xD6\xD0\xB9\xFA \x80");
    gbk = "untouched";
    EXPECT_FALSE(Utf8ToGbkStrict("\xF0\x9F\x98\x80", gbk)) << "no emoji in GBK";
    EXPECT_FALSE(Utf8ToGbkStrict("a\xC3", gbk)) << "a cut sequence";
    EXPECT_FALSE(Utf8ToGbkStrict("\xED\xA0\x80", gbk)) << "a surrogate";
    EXPECT_EQ(gbk, "untouched");
    EXPECT_TRUE(Utf8ToGbkStrict("a?b", gbk)) << "a question mark of the user's own";
}

TEST(FieldGuide, EveryFieldOfBothRecordsHasOneRowInTableOrder) {
    for (FileKind kind : {FileKind::Cfg, FileKind::Menu}) {
        const FieldTable& table = FieldsOf(kind);
        ASSERT_EQ(Guides(kind).size(), table.count);
        for (std::size_t i = 0; i < table.count; ++i) {
            const FieldGuide& g = Guides(kind)[i];
            const FieldDesc& f = table.fields[i];
            EXPECT_STREQ(g.field.name, f.name);
            EXPECT_EQ(g.field.offset, f.offset) << f.name;
            EXPECT_EQ(g.field.kind, f.kind) << f.name;
            EXPECT_EQ(g.field.width, f.width) << f.name;
            EXPECT_FALSE(LabelOf(g, kLangEn).empty()) << f.name;
            EXPECT_FALSE(LabelOf(g, kLangZh).empty()) << f.name;
            if (f.kind != FieldKind::Text) {
                EXPECT_GE(g.min, FieldMin(f)) << f.name;
                EXPECT_LE(g.max, FieldMax(f)) << f.name;
            }
        }
    }
}

// A row's control is in its page's layout, of the kind the row takes; and
// every input of the three pages that show fields is some field's control,
// or one of the few that hold no field.
TEST(FieldGuide, BoundControlsAreTheLayoutsInputs) {
    const std::set<std::pair<int, int>> noField = {
        {kTemplateSendPage, ids::send::kSaveFolderEdit},        // the save folder
        {kTemplateParamPage, ids::param::kMmsApnKindList},      // APN or CSD, shown only
        {kTemplateParamPage, ids::param::kOperatorModeList},    // database or manual input
        {kTemplateParamPage, ids::param::kHiddenLanguageList},  // left over, never shown
        {kTemplateCameraPage, ids::camera::kIntervalUnitList},  // the interval's unit, with its number
        {kTemplateCameraPage, ids::camera::kSavePathEdit},      // the save folder
    };
    std::set<std::pair<int, int>> bound;
    for (FileKind kind : {FileKind::Cfg, FileKind::Menu}) {
        for (const FieldGuide& g : Guides(kind)) {
            if (g.bind == Bind::None) continue;
            SCOPED_TRACE(g.field.name);
            EXPECT_TRUE(bound.insert({g.page, g.id}).second) << "one control, two fields";
            const DialogLayout* layout = FindDialogLayout(g.page);
            ASSERT_NE(layout, nullptr);
            const ControlLayout* control = FindControl(*layout, g.id);
            ASSERT_NE(control, nullptr) << "no layout row for the control";
            const bool edit = g.bind == Bind::Text || g.bind == Bind::Number || g.bind == Bind::Port;
            if (g.bind != Bind::Own) {
                EXPECT_EQ(control->kind == ControlKind::Edit, edit);
            }
            if (edit) {
                EXPECT_GT(g.limit, 0);
            }
            if (g.bind == Bind::List) {
                EXPECT_GT(g.items.count, 0);
            }
        }
    }
    for (int page : {kTemplateSendPage, kTemplateParamPage, kTemplateCameraPage}) {
        for (const ControlLayout& control : *FindDialogLayout(page)) {
            if (control.kind != ControlKind::Edit && control.kind != ControlKind::DropDownList &&
                control.kind != ControlKind::DropDownCombo)
                continue;
            const std::pair<int, int> key{page, control.id};
            EXPECT_TRUE(bound.count(key) + noField.count(key) == 1)
                << "template " << page << ", control " << control.id;
        }
    }
}

}  // namespace
}  // namespace trailcfg::cli
