#include "run_application.h"

#include <memory>

#include "app/process_state.h"
#include "pages/pages.h"

namespace trailcfg {

namespace {

std::unique_ptr<Page> MakePage(PageId id, Platform& platform) {
    switch (id) {
        case PageId::Start:
            return MakeStartPage(platform);
        case PageId::CameraSetup:
            return MakeCameraSetupPage(platform);
        case PageId::Parameter:
            return MakeParameterPage(platform);
        case PageId::Send:
            return MakeSendPage(platform);
        case PageId::None:
            break;
    }
    return nullptr;
}

}  // namespace

int RunApplication(Platform& platform) {
    PageId next = PageId::Start;
    bool firstPage = true;
    int status = 0;
    while (next != PageId::None) {
        s_eNextPage = PageId::None;
        std::unique_ptr<Page> page = MakePage(next, platform);
        int result = page ? platform.RunModal(*page) : kPageNotCreated;
        if (result == kPageAbandoned) return kPageAbandoned;
        // A later page that cannot be created leaves no page on screen: the
        // page before it has already ended, so the application ends normally.
        if (result == kPageNotCreated) return firstPage ? kPageNotCreated : 0;
        firstPage = false;
        status = result;
        next = s_eNextPage;
    }
    return status;
}

}  // namespace trailcfg
