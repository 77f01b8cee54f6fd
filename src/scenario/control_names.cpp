#include "control_names.h"

#include <span>
#include <vector>

#include "common/suggest.h"
#include "platform/layout.h"

namespace trailcfg::scenario {

namespace {

struct NamedControl {
    const char* name;
    int id;
};

// The same rows the pages take their ids from (platform/control_ids.h), so a
// renamed row renames it here too.
#define CONTROL(name, id, ...) {&#name[1], id},
#define BITMAP(...)

constexpr NamedControl kStartPageNames[] = {
#include "dialogs/dialog_111.inc"
};
constexpr NamedControl kCameraPageNames[] = {
#include "dialogs/dialog_113.inc"
};
constexpr NamedControl kParamPageNames[] = {
#include "dialogs/dialog_107.inc"
};
constexpr NamedControl kSendPageNames[] = {
#include "dialogs/dialog_106.inc"
};

#undef CONTROL
#undef BITMAP

std::span<const NamedControl> NamesOf(int templateId) {
    switch (templateId) {
        case kTemplateStartPage:
            return kStartPageNames;
        case kTemplateCameraPage:
            return kCameraPageNames;
        case kTemplateParamPage:
            return kParamPageNames;
        case kTemplateSendPage:
            return kSendPageNames;
        default:
            return {};
    }
}

}  // namespace

std::optional<int> ControlIdByName(int templateId, std::string_view name) {
    for (const NamedControl& control : NamesOf(templateId))
        if (name == control.name) return control.id;
    return std::nullopt;
}

std::string NearestControlNames(int templateId, std::string_view name) {
    std::vector<std::string_view> names;
    for (const NamedControl& control : NamesOf(templateId)) names.emplace_back(control.name);
    std::string nearest;
    for (const std::string& near : NearestNames(name, names, 3, Nearness::Any)) {
        if (!nearest.empty()) nearest += ", ";
        nearest += near;
    }
    return nearest;
}

}  // namespace trailcfg::scenario
