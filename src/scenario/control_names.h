// Controls by name in scenario files: the layout row's name without its `k`
// (`click GenerateButton` for the row kGenerateButton), looked up on the page
// on screen, since the same name can mean different controls on two pages.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace trailcfg::scenario {

// The id of control `name` on the page built from `templateId`.
std::optional<int> ControlIdByName(int templateId, std::string_view name);

// The page's names closest in spelling to `name`, nearest first and at most
// three, joined by ", "; "" when the page has no named controls.
std::string NearestControlNames(int templateId, std::string_view name);

}  // namespace trailcfg::scenario
