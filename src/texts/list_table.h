// A list whose items are translated together: one row per language
// ([0] Simplified Chinese, [1] English), each row holding the list's N item
// slots. A page may add fewer items than a row holds.
#pragma once

namespace trailcfg {

template <int N>
struct ListTable {
    static constexpr int kCapacity = N;
    const char* row[2][N];

    constexpr const char* const* operator[](int language) const { return row[language == 0 ? 0 : 1]; }
};

}  // namespace trailcfg
