// Putting the text tables on a page in the current interface language.
#pragma once

#include <cstddef>
#include <span>

#include "app/process_state.h"
#include "common/text_pair.h"
#include "platform/port.h"
#include "texts/caption.h"
#include "texts/list_table.h"

namespace trailcfg {

// Sets every control of the set to its caption in g_iUiLanguage, in table order.
void ApplyCaptions(Dialog& dialog, std::span<const Caption> captions);

// Appends the items to a list, in order.
void AddListItems(Dialog& dialog, int id, std::span<const char* const> items);

// The first `count` items of a translated list in g_iUiLanguage.
template <int N>
void AddListItems(Dialog& dialog, int id, const ListTable<N>& table, int count = N) {
    std::size_t n = count <= 0 ? 0 : count < N ? static_cast<std::size_t>(count) : std::size_t{N};
    AddListItems(dialog, id, std::span<const char* const>(table[g_iUiLanguage], n));
}

// A list of pairs, one per item, in g_iUiLanguage.
void AddListItems(Dialog& dialog, int id, std::span<const TextPair> items);

}  // namespace trailcfg
