// The command line: every command's options and help, then the command.
#include <CLI/CLI.hpp>
#include <ostream>

#include "commands.h"
#include "common/program_version.h"

namespace trailcfg::cli {

namespace {

int LanguageOf(const std::string& lang) { return lang == "zh" ? kLangZh : kLangEn; }

void AddLanguage(CLI::App* cmd, std::string& lang, const char* what) {
    cmd->add_option("--lang", lang, what)->check(CLI::IsMember({"en", "zh"}))->default_str("en");
}

}  // namespace

int RunCli(int argc, const char* const* argv, std::ostream& out, std::ostream& err, bool progress) {
    CLI::App app{"trailcfg-cli: read, explain, edit, check and write trail camera settings files (CFG.BIN, menu.dat)"};
    app.require_subcommand(1);
    app.set_version_flag("--version", std::string("trailcfg-cli ") + ProgramVersion(), "Print the version and exit");
    app.footer(
        "Exit status: 0 done, 1 refused by a check (or: files differ, batch rows refused), 2 bad input or a file "
        "error (also a batch row's file).");

    std::string newKind, newDir = ".";
    bool newForce = false;
    CLI::App* cmdNew = app.add_subcommand("new", "Write the default CFG.BIN or menu.dat");
    cmdNew->add_option("kind", newKind, "cfg or menu")->required()->check(CLI::IsMember({"cfg", "menu"}));
    cmdNew->add_option("--dir", newDir, "Folder to write into (default: current folder)");
    cmdNew->add_flag("--force", newForce, "Replace a file that is already there");

    std::string exportFile;
    bool exportPretty = false;
    CLI::App* cmdExport = app.add_subcommand("export", "Print a CFG.BIN or menu.dat as one flat JSON object");
    cmdExport->add_option("file", exportFile, "The file to read")->required();
    cmdExport->add_flag("--pretty", exportPretty, "Indent the JSON");

    std::string showFile, showLang = "en";
    CLI::App* cmdShow = app.add_subcommand(
        "show",
        "Explain every setting of a CFG.BIN or menu.dat in words, with the stored values beside them. "
        "Passwords are shown as stored: the card is yours.");
    cmdShow->add_option("file", showFile, "The file to read")->required();
    AddLanguage(cmdShow, showLang, "Language of the explanations: en or zh");

    ImportOptions import;
    std::string importJson, importDir, importBase, importLang = "en";
    bool importKeepTime = false;
    CLI::App* cmdImport =
        app.add_subcommand("import",
                           "Write a CFG.BIN or menu.dat from JSON (what export prints, or any part of it), checked as "
                           "Generate checks, and read it back");
    cmdImport->add_option("json", importJson, "The JSON file, or - for standard input")->required();
    cmdImport->add_option("--dir", importDir, "Folder to write into")->required();
    cmdImport->add_option("--base", importBase, "Start from this file instead of the defaults");
    cmdImport->add_flag("--no-cmd22", import.write.noCmd22,
                        "As the send page's box \"Do not use 22,60,61 command\" (no file stores it)");
    cmdImport->add_flag("--keep-time", importKeepTime,
                        "Keep the time stamp (CFG.BIN) or Auto clock (menu.dat) of the JSON or the base instead "
                        "of this computer's local time");
    AddLanguage(cmdImport, importLang, "Language of Generate's messages: en or zh");

    std::string setFile, setLang = "en";
    std::vector<std::string> setAssignments;
    WriteOptions setOptions;
    bool setStamp = false;
    CLI::App* cmdSet = app.add_subcommand(
        "set",
        "Change fields of a CFG.BIN or menu.dat in place, checked as Generate checks; the time stamp and "
        "clock stay unless --stamp");
    cmdSet->add_option("file", setFile, "The file to change")->required();
    cmdSet->add_option("assignments", setAssignments, "FIELD=VALUE, with export's field names")->required();
    cmdSet->add_flag("--no-cmd22", setOptions.noCmd22, "As the send page's box \"Do not use 22,60,61 command\"");
    cmdSet->add_flag("--stamp", setStamp,
                     "Stamp this computer's local time, as Generate does (menu.dat: the clock, in Auto mode)");
    AddLanguage(cmdSet, setLang, "Language of Generate's messages: en or zh");

    std::string checkFile, checkLang = "en";
    bool checkNoCmd22 = false;
    CLI::App* cmdCheck = app.add_subcommand(
        "check",
        "Run Generate's checks on a CFG.BIN (a menu.dat: its values against the page's lists); print "
        "the first failure or \"ok\"");
    cmdCheck->add_option("file", checkFile, "The file to check")->required();
    cmdCheck->add_flag("--no-cmd22", checkNoCmd22, "As the send page's box \"Do not use 22,60,61 command\"");
    AddLanguage(cmdCheck, checkLang, "Language of Generate's messages: en or zh");

    std::string diffA, diffB;
    CLI::App* cmdDiff = app.add_subcommand("diff", "List the fields that differ between two files of one kind");
    cmdDiff->add_option("a", diffA, "The old file")->required();
    cmdDiff->add_option("b", diffB, "The new file")->required();

    std::string opCountry, opLang = "en";
    bool opJson = false;
    CLI::App* cmdOperators = app.add_subcommand(
        "operators", "The operator database as the pages list it, with each operator's provisioning values");
    cmdOperators->add_option("--country", opCountry, "Only this country, by index (0..42) or name");
    cmdOperators->add_flag("--json", opJson, "Print JSON");
    AddLanguage(cmdOperators, opLang, "Language of the names: en or zh");

    BatchOptions batch;
    std::string batchOut, batchLang = "en";
    bool batchKeepTime = false;
    CLI::App* cmdBatch = app.add_subcommand(
        "batch",
        "One folder per CSV row (its \"name\" column), each with a checked CFG.BIN (and menu.dat when "
        "menu fields are given), from a JSON template and the row's fields");
    cmdBatch->add_option("template", batch.templateJson, "The template JSON (fields of both files allowed)")
        ->required();
    cmdBatch->add_option("cameras", batch.camerasCsv, "The CSV: a header of name and field names, one row a camera")
        ->required();
    cmdBatch->add_option("--out", batchOut, "Folder to make the cameras' folders in (made when its parent exists)")
        ->required();
    cmdBatch->add_flag("--no-cmd22", batch.write.noCmd22, "As the send page's box \"Do not use 22,60,61 command\"");
    cmdBatch->add_flag("--keep-time", batchKeepTime, "Keep the template's and rows' time stamp and clock");
    AddLanguage(cmdBatch, batchLang, "Language of Generate's messages: en or zh");

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        const int code = app.exit(e, out, err);
        return code == 0 ? kExitOk : kExitBadInput;
    }

    const StampTime now = LocalNow();
    if (*cmdNew)
        return CmdNew(newKind == "cfg" ? FileKind::Cfg : FileKind::Menu, PathFromUtf8(newDir), newForce, out, err);
    if (*cmdExport) return CmdExport(PathFromUtf8(exportFile), exportPretty, out, err);
    if (*cmdShow) return CmdShow(PathFromUtf8(showFile), LanguageOf(showLang), out, err);
    if (*cmdImport) {
        import.json = importJson;
        import.dir = PathFromUtf8(importDir);
        if (!importBase.empty()) import.base = PathFromUtf8(importBase);
        import.write.stamp = !importKeepTime;
        import.write.language = LanguageOf(importLang);
        import.write.now = now;
        return CmdImport(import, out, err);
    }
    if (*cmdSet) {
        setOptions.stamp = setStamp;
        setOptions.language = LanguageOf(setLang);
        setOptions.now = now;
        return CmdSet(PathFromUtf8(setFile), setAssignments, setOptions, out, err);
    }
    if (*cmdCheck) return CmdCheck(PathFromUtf8(checkFile), checkNoCmd22, LanguageOf(checkLang), out, err);
    if (*cmdDiff) return CmdDiff(PathFromUtf8(diffA), PathFromUtf8(diffB), out, err);
    if (*cmdOperators)
        return CmdOperators(opCountry.empty() ? std::nullopt : std::optional<std::string>(opCountry), opJson,
                            LanguageOf(opLang), out, err);
    if (*cmdBatch) {
        batch.out = PathFromUtf8(batchOut);
        batch.write.stamp = !batchKeepTime;
        batch.write.language = LanguageOf(batchLang);
        batch.write.now = now;
        batch.progress = progress;
        return CmdBatch(batch, out, err);
    }
    return kExitBadInput;
}

}  // namespace trailcfg::cli
