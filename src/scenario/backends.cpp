#include "backends.h"

#include "platform/headless/headless_platform.h"
#ifdef TRAILCFG_HAVE_QT
#include "platform/qt/qt_platform.h"
#endif
#ifdef TRAILCFG_HAVE_WIN32
#include "platform/win32/win32_platform.h"
#endif
#ifdef TRAILCFG_HAVE_WEB
#include "platform/web/web_platform.h"
#endif

namespace trailcfg::scenario {

namespace {

struct Backend {
    const char* name;
    std::unique_ptr<DrivablePlatform> (*make)();  // nullptr: not in this build
};

constexpr Backend kBackends[] = {
    {"headless", MakeHeadlessPlatform},
#ifdef TRAILCFG_HAVE_QT
    {"qt", MakeQtPlatform},
#else
    {"qt", nullptr},
#endif
#ifdef TRAILCFG_HAVE_WIN32
    {"win32", MakeWin32Platform},
#else
    {"win32", nullptr},
#endif
#ifdef TRAILCFG_HAVE_WEB
    {"web", MakeWebPlatform},
#else
    {"web", nullptr},
#endif
};

}  // namespace

std::unique_ptr<DrivablePlatform> MakeBackend(std::string_view name, std::string& error) {
    for (const Backend& backend : kBackends) {
        if (name != backend.name) continue;
        if (!backend.make) {
            error = "the " + std::string(name) + " backend is not available in this build";
            return nullptr;
        }
        return backend.make();
    }
    error = "unknown backend " + std::string(name) + " (headless, qt, win32 or web)";
    return nullptr;
}

}  // namespace trailcfg::scenario
