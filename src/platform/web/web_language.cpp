#include "web_language.h"

#include <cctype>
#include <string>

namespace trailcfg::web {

namespace {

struct TagId {
    const char* tag;  // lower case, "-" between the parts
    std::uint16_t id;
};

// Longest first within a language, so that "zh-hans-cn" finds "zh-hans"
// only after "zh-cn" failed.
constexpr TagId kTags[] = {
    {"zh-cn", 0x0804},      {"zh-sg", 0x1004},      {"zh-tw", 0x0404},   {"zh-hk", 0x0C04},   {"zh-mo", 0x1404},
    {"zh-hans-cn", 0x0804}, {"zh-hans-sg", 0x1004}, {"zh-hant", 0x0404}, {"zh-hans", 0x0804}, {"zh", 0x0804},
    {"en-gb", 0x0809},      {"en-au", 0x0C09},      {"en-ca", 0x1009},   {"en", 0x0409},      {"de", 0x0407},
    {"fr", 0x040C},         {"es", 0x0C0A},         {"it", 0x0410},      {"ja", 0x0411},      {"ko", 0x0412},
    {"ru", 0x0419},         {"pt-br", 0x0416},      {"pt", 0x0816},      {"nl", 0x0413},      {"pl", 0x0415},
};

}  // namespace

std::uint16_t LanguageIdForTag(std::string_view tag) {
    std::string lower;
    for (char c : tag) lower += c == '_' ? '-' : static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    for (const TagId& entry : kTags)
        if (lower == entry.tag) return entry.id;
    // A longer tag ("de-AT", "zh-Hant-HK") falls back to its shorter forms.
    for (std::size_t cut = lower.rfind('-'); cut != std::string::npos; cut = lower.rfind('-')) {
        lower.resize(cut);
        for (const TagId& entry : kTags)
            if (lower == entry.tag) return entry.id;
    }
    return 0x0409;
}

}  // namespace trailcfg::web
