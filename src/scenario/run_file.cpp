#include "run_file.h"

#include <fstream>
#include <iterator>
#include <vector>

#include "common/file_io.h"
#include "script.h"
#include "session.h"
#include "work_folder.h"

namespace trailcfg::scenario {

bool RunScenarioFile(DrivablePlatform& platform, const std::string& fileName, std::ostream& report) {
    std::ifstream in(fileName, std::ios::binary);
    if (!in) {
        report << fileName << ": cannot read the file\n";
        return false;
    }
    std::string source(std::istreambuf_iterator<char>(in), {});

    WorkFolder work;
    if (work.path().empty()) {
        report << fileName << ": cannot make a working folder\n";
        return false;
    }
    std::vector<Step> steps;
    ScriptError error;
    if (!ParseScript(source, GbkFromPath(work.path()), steps, error)) {
        report << fileName << ":" << error.line << ": " << error.message << "\n";
        return false;
    }
    Session session(platform, fileName, work);
    bool passed = session.Run(steps);
    report << session.Report();
    return passed;
}

int RunScenarioFiles(DrivablePlatform& platform, const std::vector<std::string>& fileNames, std::ostream& report) {
    int passed = 0, failed = 0;
    for (const std::string& file : fileNames) {
        if (RunScenarioFile(platform, file, report))
            ++passed;
        else
            ++failed;
        report.flush();
    }
    report << passed << " passed, " << failed << " failed\n";
    return failed == 0 ? 0 : 1;
}

}  // namespace trailcfg::scenario
