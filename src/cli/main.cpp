// trailcfg-cli: the camera files from the command line.
#include <CLI/CLI.hpp>
#include <iostream>

#include "commands.h"
#include "common/diag.h"

int main(int argc, char** argv) {
    using namespace trailcfg;
    using namespace trailcfg::cli;

    // The readers' and writers' diagnostic lines are for the desktop
    // program's console; here the commands report for themselves.
    SetDiagSink(DiscardDiag, nullptr);

    CLI::App app{"trailcfg-cli: read, explain and write trail camera settings files (CFG.BIN, menu.dat)"};
    app.require_subcommand(1);

    std::string newKind;
    std::string newDir = ".";
    CLI::App* cmdNew = app.add_subcommand("new", "Write the default CFG.BIN or menu.dat");
    cmdNew->add_option("kind", newKind, "cfg or menu")->required()->check(CLI::IsMember({"cfg", "menu"}));
    cmdNew->add_option("--dir", newDir, "Folder to write into (default: current folder)");

    std::string exportFile;
    bool exportPretty = false;
    CLI::App* cmdExport = app.add_subcommand("export", "Print a CFG.BIN or menu.dat as one flat JSON object");
    cmdExport->add_option("file", exportFile, "The file to read")->required();
    cmdExport->add_flag("--pretty", exportPretty, "Indent the JSON");

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        int code = app.exit(e);
        return code == 0 ? kExitOk : kExitBadInput;
    }

    if (*cmdNew) return CmdNew(newKind == "cfg" ? FileKind::Cfg : FileKind::Menu, newDir, std::cout, std::cerr);
    if (*cmdExport) return CmdExport(exportFile, exportPretty, std::cout, std::cerr);
    return kExitBadInput;
}
