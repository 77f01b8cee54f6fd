// trailcfg-scenario: runs scenario files against the whole application.
#include <CLI/CLI.hpp>
#include <iostream>

#include "backends.h"
#include "run_file.h"

int main(int argc, char** argv) {
    using namespace trailcfg::scenario;

    CLI::App app{"trailcfg-scenario: run scenario files (*.scn) against the whole program"};
    std::string backendName = "headless";
    std::vector<std::string> files;
    app.add_option("--backend", backendName, "headless, qt, win32 or web (default headless)");
    app.add_option("files", files, "Scenario files")->required();
    CLI11_PARSE(app, argc, argv);

    std::string error;
    std::unique_ptr<trailcfg::DrivablePlatform> platform = MakeBackend(backendName, error);
    if (!platform) {
        std::cerr << "trailcfg-scenario: " << error << "\n";
        return 2;
    }

    return RunScenarioFiles(*platform, files, std::cout);
}
