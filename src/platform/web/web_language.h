// The browser's language tag (navigator.language) as the Windows language
// identifier the pages ask for.
#pragma once

#include <cstdint>
#include <string_view>

namespace trailcfg::web {

// "zh-CN" is 0x0804 as on Windows; a tag without a region takes the
// language's main country; anything unknown is US English (0x0409), which
// the pages show in English like every language but Chinese (PRC).
std::uint16_t LanguageIdForTag(std::string_view tag);

}  // namespace trailcfg::web
