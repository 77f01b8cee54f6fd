// Leaving a page: the page ends itself (Dialog::End) and then names the page
// that follows with one of these. The page on screen is replaced only after
// its modal run has returned, so exactly one page exists at a time.
#pragma once

namespace trailcfg {

void OpenStartPage();
void OpenCameraSetupPage();
void OpenParameterPage();
void OpenSendPage();

}  // namespace trailcfg
