// A text in both interface languages: [0] Simplified Chinese (GBK), [1] English.
#pragma once

namespace trailcfg {

struct TextPair {
    const char* text[2];

    constexpr const char* operator[](int language) const { return text[language == 0 ? 0 : 1]; }
};

}  // namespace trailcfg
