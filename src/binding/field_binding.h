// One row per field of a record: the field as the record's field table names
// it, what it is called in words, which values a user may give it, and, where
// a page shows it, the control and how the control holds the value. The pages
// open and collect through these rows; trailcfg-cli's `show`, `check` and
// value checks read the same rows.
#pragma once

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <type_traits>
#include <utility>

#include "common/field_table.h"
#include "common/le.h"
#include "common/text_pair.h"
#include "texts/caption.h"
#include "texts/list_table.h"

namespace trailcfg {

// How a field's value reads in words.
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

// A list's items in both languages, from either shape of the text tables.
struct Items {
    const char* const* rows[2] = {nullptr, nullptr};
    const TextPair* pairs = nullptr;
    int count = 0;

    constexpr const char* At(int index, int language) const {
        return pairs ? pairs[index][language] : rows[language == 0 ? 0 : 1][index];
    }
};

template <int N>
constexpr Items ItemsOf(const ListTable<N>& table) {
    Items items;
    items.rows[0] = table.row[0];
    items.rows[1] = table.row[1];
    items.count = N;
    return items;
}

template <typename Pairs>
constexpr Items ItemsOf(const Pairs& pairs) {
    Items items;
    items.pairs = std::data(pairs);
    items.count = static_cast<int>(std::size(pairs));
    return items;
}

// What a text field accepts beyond fitting its width.
enum class TextRule : std::uint8_t { Any, PhoneNumber, Digits };

// How a page's control holds the field.
enum class Bind : std::uint8_t {
    None,    // no page shows the field
    Text,    // an edit with the text, up to the terminator or the field's end
    Number,  // an edit with the value in decimal; without digits it stores 0
    Port,    // an edit that is empty for 0; without digits the field keeps its value
    List,    // a drop-down list whose position k stands for first + k
    Own,     // a control whose value the page's own code maps (a list of the database, say)
};

inline constexpr TextPair kNoLabel{{nullptr, nullptr}};

namespace binding_detail {

constexpr std::int64_t FieldMaxOf(const FieldDesc& f) {
    return f.kind == FieldKind::U8    ? 0xFF
           : f.kind == FieldKind::U16 ? 0xFFFF
           : f.kind == FieldKind::I32 ? INT32_MAX
                                      : 0;
}
constexpr std::int64_t FieldMinOf(const FieldDesc& f) { return f.kind == FieldKind::I32 ? INT32_MIN : 0; }
constexpr std::int64_t Power10(int digits) {
    std::int64_t p = 1;
    for (int i = 0; i < digits; ++i) p *= 10;
    return p;
}

template <typename T>
constexpr FieldKind KindOf() {
    if constexpr (std::is_array_v<T>)
        return FieldKind::Text;
    else if constexpr (std::is_same_v<T, LeI32>)
        return FieldKind::I32;
    else if constexpr (std::is_same_v<T, LeU16>)
        return FieldKind::U16;
    else {
        static_assert(sizeof(T) == 1, "a record field is a text, a byte, LeU16 or LeI32");
        return FieldKind::U8;
    }
}

}  // namespace binding_detail

// The field `member` of `Record` as its field table names it: the name is
// the member's own spelling ("szRecp[2]", "sSmtpSet.iPort").
// clang-format off
#define TRAILCFG_FIELD(Record, member)                                                                    \
    ::trailcfg::FieldDesc{                                                                                \
        #member,                                                                                          \
        static_cast<std::uint16_t>(offsetof(Record, member)),                                             \
        ::trailcfg::binding_detail::KindOf<std::remove_cvref_t<decltype(std::declval<Record&>().member)>>(), \
        static_cast<std::uint16_t>(sizeof(std::declval<Record&>().member))}
// clang-format on

// Every check below runs as the tables are built, at compile time: a row
// that breaks one stops the build at its throw.
struct FieldBinding {
    FieldDesc field;
    TextPair label[3];  // from general to particular; unused parts are kNoLabel
    Explain how = Explain::Number;
    Items items{};
    int first = 0;                  // the value of the first item
    std::int64_t min = 0, max = 0;  // what a user may give (numbers)
    TextRule rule = TextRule::Any;  // what a user may give (texts)
    int page = 0;                   // the template of the page that shows it
    int id = 0;                     // its control there
    Bind bind = Bind::None;
    int limit = 0;  // what the edit takes: GBK bytes of a text, digits of a number

    // An edit that takes what the text field holds, the terminator aside.
    constexpr FieldBinding Edit(int onPage, int control) const { return ShorterEdit(onPage, control, field.width - 1); }
    // An edit held shorter than its text field, for the reason its row gives.
    constexpr FieldBinding ShorterEdit(int onPage, int control, int chars) const {
        if (field.kind != FieldKind::Text) throw "a text edit shows a text field";
        if (chars <= 0 || chars > field.width - 1) throw "an edit takes no more than its field holds";
        return Bound(onPage, control, Bind::Text, chars);
    }
    // An edit of `digits` digits for a number field: every value a user may
    // give fits the edit, and a number of that many digits can reach the field's end.
    constexpr FieldBinding NumberEdit(int onPage, int control, int digits, Bind as = Bind::Number) const {
        if (field.kind == FieldKind::Text) throw "a number edit shows a number field";
        if (max >= binding_detail::Power10(digits)) throw "the edit takes too few digits for the largest value";
        if (binding_detail::Power10(digits - 1) > binding_detail::FieldMaxOf(field))
            throw "the edit takes more digits than the field holds";
        return Bound(onPage, control, as, digits);
    }
    constexpr FieldBinding PortEdit(int onPage, int control, int digits) const {
        return NumberEdit(onPage, control, digits, Bind::Port);
    }
    constexpr FieldBinding DropDown(int onPage, int control) const {
        if (items.count == 0) throw "a list needs its items";
        return Bound(onPage, control, Bind::List, 0);
    }
    // The control is the page's, its value mapped by the page's code.
    constexpr FieldBinding OwnControl(int onPage, int control) const { return Bound(onPage, control, Bind::Own, 0); }
    // Items of a list whose field takes a value beyond them too (the range stays).
    constexpr FieldBinding Listing(Items list) const {
        if (list.count == 0 || list.count - 1 > max) throw "items beyond the field's range";
        FieldBinding row = *this;
        row.items = list;
        return row;
    }

private:
    constexpr FieldBinding Bound(int onPage, int control, Bind as, int chars) const {
        FieldBinding row = *this;
        row.page = onPage;
        row.id = control;
        row.bind = as;
        row.limit = chars;
        return row;
    }
};

constexpr FieldBinding NumberRow(FieldDesc f, TextPair a, TextPair b, TextPair c, std::int64_t min, std::int64_t max,
                                 Explain how = Explain::Number) {
    if (f.kind == FieldKind::Text) throw "a number row for a text field";
    if (min < binding_detail::FieldMinOf(f) || max > binding_detail::FieldMaxOf(f) || min > max)
        throw "a range the field cannot hold";
    return FieldBinding{f, {a, b, c}, how, Items{}, 0, min, max};
}

constexpr FieldBinding TextRow(FieldDesc f, TextPair a, TextPair b = kNoLabel, TextPair c = kNoLabel,
                               TextRule rule = TextRule::Any) {
    if (f.kind != FieldKind::Text) throw "a text row for a number field";
    return FieldBinding{f, {a, b, c}, Explain::Text, Items{}, 0, 0, 0, rule};
}

// A list's field takes exactly the values its items stand for.
constexpr FieldBinding ListRow(FieldDesc f, TextPair a, TextPair b, TextPair c, Items items, int first = 0,
                               Explain how = Explain::List) {
    FieldBinding row = NumberRow(f, a, b, c, first, first + items.count - 1, how);
    row.items = items;
    row.first = first;
    return row;
}

constexpr bool SameFieldName(const char* a, const char* b) {
    while (*a && *a == *b) ++a, ++b;
    return *a == *b;
}

// The row of the field named `name`; a name the table lacks stops the build
// where the row is looked up at compile time.
template <std::size_t N>
constexpr const FieldBinding& RowOf(const FieldBinding (&rows)[N], const char* name) {
    for (const FieldBinding& row : rows)
        if (SameFieldName(row.field.name, name)) return row;
    throw "no row for this field";
}

}  // namespace trailcfg
