// "did you mean ...?" for names that are not quite right.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace trailcfg {

// The nearest of `names` to `wrong` when it is near enough to be a slip
// (letters' case, a few typing mistakes); empty otherwise.
std::string NearestName(std::string_view wrong, std::span<const std::string_view> names);

enum class Nearness {
    Slips,  // only names near enough to `wrong` to be a slip
    Any,    // however far: for a reader who may not know the names at all
};

// Up to `most` of `names`, nearest to `wrong` first (ties in the order
// given), each once.
std::vector<std::string> NearestNames(std::string_view wrong, std::span<const std::string_view> names, std::size_t most,
                                      Nearness nearness = Nearness::Slips);

}  // namespace trailcfg
