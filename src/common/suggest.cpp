#include "suggest.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <vector>

namespace trailcfg {

namespace {

char Lower(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }

// Edit distance, letters compared without their case.
std::size_t Distance(std::string_view a, std::string_view b) {
    std::vector<std::size_t> row(b.size() + 1);
    for (std::size_t j = 0; j <= b.size(); ++j) row[j] = j;
    for (std::size_t i = 1; i <= a.size(); ++i) {
        std::size_t diagonal = row[0];
        row[0] = i;
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t above = row[j];
            const std::size_t cost = Lower(a[i - 1]) == Lower(b[j - 1]) ? 0 : 1;
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + cost});
            diagonal = above;
        }
    }
    return row[b.size()];
}

}  // namespace

std::string NearestName(std::string_view wrong, std::span<const std::string_view> names) {
    // Long inputs are no slip of a field name, and would cost time for nothing.
    if (wrong.empty() || wrong.size() > 64) return {};
    const std::size_t allowed = std::max<std::size_t>(2, wrong.size() / 3);
    std::string_view best;
    std::size_t bestDistance = allowed + 1;
    for (std::string_view name : names) {
        // The lengths alone already put some names too far away.
        const std::size_t apart = name.size() > wrong.size() ? name.size() - wrong.size() : wrong.size() - name.size();
        if (apart >= bestDistance) continue;
        const std::size_t d = Distance(wrong, name);
        if (d < bestDistance) {
            bestDistance = d;
            best = name;
        }
    }
    return std::string(best);
}

std::vector<std::string> NearestNames(std::string_view wrong, std::span<const std::string_view> names, std::size_t most,
                                      Nearness nearness) {
    const bool slips = nearness == Nearness::Slips;
    if (slips && (wrong.empty() || wrong.size() > 64)) return {};
    const std::size_t allowed = slips ? std::max<std::size_t>(2, wrong.size() / 3) : SIZE_MAX;
    std::vector<std::pair<std::size_t, std::string_view>> near;
    for (std::string_view name : names) {
        const std::size_t apart = name.size() > wrong.size() ? name.size() - wrong.size() : wrong.size() - name.size();
        if (apart > allowed) continue;
        const std::size_t d = Distance(wrong, name);
        const bool seen = std::any_of(near.begin(), near.end(), [&](const auto& n) { return n.second == name; });
        if (d <= allowed && !seen) near.emplace_back(d, name);
    }
    std::stable_sort(near.begin(), near.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<std::string> result;
    for (std::size_t i = 0; i < near.size() && i < most; ++i) result.emplace_back(near[i].second);
    return result;
}

}  // namespace trailcfg
