// One row per field of both records: what the field is called in words, how
// its value is explained, and which values a user may give it. `show`,
// `diff`, the value checks of `import`, `set` and `batch`, and `check` on a
// menu.dat all read this one table.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "cli_common.h"
#include "common/text_pair.h"

namespace trailcfg::cli {

enum class Explain : std::uint8_t {
    Number,
    Hex,
    Text,
    List,            // the item at value - first
    SendOption,      // the send-option list, plus the cloud service no page offers
    RemoteInterval,  // 25 is the list's first item, "Remote Off"
    Country,         // the database's names; 43 is manual input
    Operator,        // the stored country's operator names
    DailyTime,       // 24: no daily send
    Year2000,        // two digits from the year 2000
    VideoLength,     // seconds minus one
    Interval,        // 0..59 seconds, 60..119 one to sixty minutes
};

// A list's items in both languages, from either shape of the page tables.
struct Items {
    const char* const* rows[2] = {nullptr, nullptr};
    const TextPair* pairs = nullptr;
    int count = 0;

    const char* At(int index, int language) const {
        return pairs ? pairs[index][language] : rows[language == 0 ? 0 : 1][index];
    }
};

// What a text field accepts beyond fitting its width.
enum class TextRule : std::uint8_t { Any, PhoneNumber, Digits };

struct FieldGuide {
    const char* name;
    TextPair label[3];  // from general to particular; unused parts are empty
    Explain how;
    Items items;
    int first;              // the value of the first item
    std::int64_t min, max;  // what a user may give (numbers)
    TextRule rule;          // what a user may give (texts)
};

std::span<const FieldGuide> Guides(FileKind kind);
const FieldGuide* GuideOf(FileKind kind, std::string_view name);

// "3G Send Options", "MMS Parameters / URL", in UTF-8.
std::string LabelOf(const FieldGuide& guide, int language);

}  // namespace trailcfg::cli
