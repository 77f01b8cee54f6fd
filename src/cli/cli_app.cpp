// The command line: every command's options and help, then the command.

#include "command_line.h"
#include "commands.h"
#include "common/program_version.h"

namespace trailcfg::cli {

namespace {

constexpr const char* kSendPageBox = "As the send page's box \"Do not use 22,60,61 command\"";

constexpr OptionRow Language(const char* help) {
    return {"--lang", help, ArgKind::Text, &Given::lang, nullptr, nullptr, false, "en,zh", "en"};
}
constexpr OptionRow Text(const char* name, std::string Given::*target, const char* help, bool required = false) {
    return {name, help, ArgKind::Text, target, nullptr, nullptr, required};
}
constexpr OptionRow Flag(const char* name, bool Given::*target, const char* help) {
    return {name, help, ArgKind::Flag, nullptr, target};
}
constexpr OptionRow Positional(const char* name, std::string Given::*target, const char* help,
                               const char* choices = nullptr) {
    return {name, help, ArgKind::Positional, target, nullptr, nullptr, true, choices};
}

enum Command { kNew, kExport, kShow, kImport, kSet, kCheck, kDiff, kOperators, kBatch };

constexpr OptionRow kNewRows[] = {
    Positional("kind", &Given::kind, "cfg or menu", "cfg,menu"),
    Text("--dir", &Given::dir, "Folder to write into (default: current folder)"),
    Flag("--force", &Given::force, "Replace a file that is already there"),
};
constexpr OptionRow kExportRows[] = {
    Positional("file", &Given::file, "The file to read"),
    Flag("--pretty", &Given::pretty, "Indent the JSON"),
};
constexpr OptionRow kShowRows[] = {
    Positional("file", &Given::file, "The file to read"),
    Language("Language of the explanations: en or zh"),
};
constexpr OptionRow kImportRows[] = {
    Positional("json", &Given::json, "The JSON file, or - for standard input"),
    Text("--dir", &Given::dir, "Folder to write into", true),
    Text("--base", &Given::base, "Start from this file instead of the defaults"),
    Flag("--no-cmd22", &Given::noCmd22, "As the send page's box \"Do not use 22,60,61 command\" (no file stores it)"),
    Flag("--keep-time", &Given::keepTime,
         "Keep the time stamp (CFG.BIN) or Auto clock (menu.dat) of the JSON or the base instead of this "
         "computer's local time"),
    Language("Language of Generate's messages: en or zh"),
};
constexpr OptionRow kSetRows[] = {
    Positional("file", &Given::file, "The file to change"),
    {"assignments", "FIELD=VALUE, with export's field names", ArgKind::List, nullptr, nullptr, &Given::list, true},
    Flag("--no-cmd22", &Given::noCmd22, kSendPageBox),
    Flag("--stamp", &Given::stamp,
         "Stamp this computer's local time, as Generate does (menu.dat: the clock, in Auto mode)"),
    Language("Language of Generate's messages: en or zh"),
};
constexpr OptionRow kCheckRows[] = {
    Positional("file", &Given::file, "The file to check"),
    Flag("--no-cmd22", &Given::noCmd22, kSendPageBox),
    Language("Language of Generate's messages: en or zh"),
};
constexpr OptionRow kDiffRows[] = {
    Positional("a", &Given::file, "The old file"),
    Positional("b", &Given::other, "The new file"),
};
constexpr OptionRow kOperatorsRows[] = {
    Text("--country", &Given::country, "Only this country, by index (0..42) or name"),
    Flag("--json", &Given::asJson, "Print JSON"),
    Language("Language of the names: en or zh"),
};
constexpr OptionRow kBatchRows[] = {
    Positional("template", &Given::json, "The template JSON (fields of both files allowed)"),
    Positional("cameras", &Given::file, "The CSV: a header of name and field names, one row a camera"),
    Text("--out", &Given::out, "Folder to make the cameras' folders in (made when its parent exists)", true),
    Flag("--no-cmd22", &Given::noCmd22, kSendPageBox),
    Flag("--keep-time", &Given::keepTime, "Keep the template's and rows' time stamp and clock"),
    Language("Language of Generate's messages: en or zh"),
};

// In the order of the enum above and of the help.
constexpr CommandRow kCommands[] = {
    {"new", "Write the default CFG.BIN or menu.dat", kNewRows},
    {"export", "Print a CFG.BIN or menu.dat as one flat JSON object", kExportRows},
    {"show",
     "Explain every setting of a CFG.BIN or menu.dat in words, with the stored values beside them. Passwords are "
     "shown as stored: the card is yours.",
     kShowRows},
    {"import",
     "Write a CFG.BIN or menu.dat from JSON (what export prints, or any part of it), checked as Generate checks, "
     "and read it back",
     kImportRows},
    {"set",
     "Change fields of a CFG.BIN or menu.dat in place, checked as Generate checks; the time stamp and clock stay "
     "unless --stamp",
     kSetRows},
    {"check",
     "Run Generate's checks on a CFG.BIN (a menu.dat: its values against the page's lists); print the first "
     "failure or \"ok\"",
     kCheckRows},
    {"diff", "List the fields that differ between two files of one kind", kDiffRows},
    {"operators", "The operator database as the pages list it, with each operator's provisioning values",
     kOperatorsRows},
    {"batch",
     "One folder per CSV row (its \"name\" column), each with a checked CFG.BIN (and menu.dat when menu fields "
     "are given), from a JSON template and the row's fields",
     kBatchRows},
};

constexpr OptionRow kProgramRows[] = {{"--version", "Print the version and exit", ArgKind::Version}};

int LanguageOf(const std::string& lang) { return lang == "zh" ? kLangZh : kLangEn; }

WriteOptions WriteOptionsOf(const Given& given, bool stamp) {
    return {given.noCmd22, stamp, LanguageOf(given.lang), LocalNow()};
}

}  // namespace

int RunCli(int argc, const char* const* argv, Output& out, Output& err, bool progress) {
    const std::string version = std::string("trailcfg-cli ") + ProgramVersion();
    const Grammar grammar{
        {nullptr, "trailcfg-cli: read, explain, edit, check and write trail camera settings files (CFG.BIN, menu.dat)",
         kProgramRows},
        kCommands,
        "Exit status: 0 done, 1 refused by a check (or: files differ, batch rows refused), 2 bad input or a file "
        "error (also a batch row's file).",
        version.c_str()};
    const ParsedLine line = Parse(grammar, argc, argv);
    switch (line.outcome) {
        case ParsedLine::Help:
            out << line.text;
            return kExitOk;
        case ParsedLine::Version:
            out << line.text << "\n";
            return kExitOk;
        case ParsedLine::Error:
            err << line.text;
            return kExitBadInput;
        case ParsedLine::Run:
            break;
    }

    const Given& g = line.given;
    switch (line.command) {
        case kNew:
            return CmdNew(g.kind == "cfg" ? FileKind::Cfg : FileKind::Menu, PathFromUtf8(g.dir), g.force, out, err);
        case kExport:
            return CmdExport(PathFromUtf8(g.file), g.pretty, out, err);
        case kShow:
            return CmdShow(PathFromUtf8(g.file), LanguageOf(g.lang), out, err);
        case kImport: {
            ImportOptions import{g.json, PathFromUtf8(g.dir), std::nullopt, WriteOptionsOf(g, !g.keepTime)};
            if (!g.base.empty()) import.base = PathFromUtf8(g.base);
            return CmdImport(import, out, err);
        }
        case kSet:
            return CmdSet(PathFromUtf8(g.file), g.list, WriteOptionsOf(g, g.stamp), out, err);
        case kCheck:
            return CmdCheck(PathFromUtf8(g.file), g.noCmd22, LanguageOf(g.lang), out, err);
        case kDiff:
            return CmdDiff(PathFromUtf8(g.file), PathFromUtf8(g.other), out, err);
        case kOperators:
            return CmdOperators(g.country.empty() ? std::nullopt : std::optional<std::string>(g.country), g.asJson,
                                LanguageOf(g.lang), out, err);
        case kBatch: {
            BatchOptions batch{g.json, g.file, PathFromUtf8(g.out), WriteOptionsOf(g, !g.keepTime), progress};
            return CmdBatch(batch, out, err);
        }
    }
    return kExitBadInput;
}

}  // namespace trailcfg::cli
