// "did you mean ...?" for names that are not quite right.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace trailcfg::cli {

// The nearest of `names` to `wrong` when it is near enough to be a slip
// (letters' case, a few typing mistakes); empty otherwise.
std::string NearestName(std::string_view wrong, std::span<const std::string_view> names);

// Up to `most` of `names` near enough to `wrong` to be a slip, nearest first
// (ties in the order given), each once.
std::vector<std::string> NearestNames(std::string_view wrong, std::span<const std::string_view> names,
                                      std::size_t most);

}  // namespace trailcfg::cli
