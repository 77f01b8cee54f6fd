// One scenario file from reading to clean-up.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "platform/driver.h"

namespace trailcfg::scenario {

// Runs the file in a fresh working folder; prints the report lines of a
// failure to `report`. True when every step held.
bool RunScenarioFile(DrivablePlatform& platform, const std::string& fileName, std::ostream& report);

// Runs the files in order and ends the report with "N passed, M failed".
// Returns the exit status: 0 when none failed, else 1.
int RunScenarioFiles(DrivablePlatform& platform, const std::vector<std::string>& fileNames, std::ostream& report);

}  // namespace trailcfg::scenario
