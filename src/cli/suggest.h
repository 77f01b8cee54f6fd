// "did you mean ...?" for names that are not quite right.
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace trailcfg::cli {

// The nearest of `names` to `wrong` when it is near enough to be a slip
// (letters' case, a few typing mistakes); empty otherwise.
std::string NearestName(std::string_view wrong, std::span<const std::string_view> names);

}  // namespace trailcfg::cli
