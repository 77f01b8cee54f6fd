#include "control_names.h"

#include <vector>

#include "common/suggest.h"
#include "platform/layout.h"

namespace trailcfg::scenario {

namespace {

// The rows of the page that carry a name, none when there is no such page.
std::vector<const ControlLayout*> NamedRows(int templateId) {
    std::vector<const ControlLayout*> rows;
    if (const DialogLayout* layout = FindDialogLayout(templateId))
        for (const ControlLayout& control : *layout)
            if (!IsBitmapRow(control)) rows.push_back(&control);
    return rows;
}

}  // namespace

std::optional<int> ControlIdByName(int templateId, std::string_view name) {
    for (const ControlLayout* control : NamedRows(templateId))
        if (name == control->name) return control->id;
    return std::nullopt;
}

std::string NearestControlNames(int templateId, std::string_view name) {
    std::vector<std::string_view> names;
    for (const ControlLayout* control : NamedRows(templateId)) names.emplace_back(control->name);
    std::string nearest;
    for (const std::string& near : NearestNames(name, names, 3, Nearness::Any)) {
        if (!nearest.empty()) nearest += ", ";
        nearest += near;
    }
    return nearest;
}

}  // namespace trailcfg::scenario
