#include "camera_page_lists.h"

#include <array>
#include <cstdint>

#include "app/process_state.h"
#include "binding/menu_bindings.h"
#include "ui/apply_texts.h"

namespace trailcfg {

namespace {

// The rows of binding/menu_bindings.h bound to a list, in record order. The
// interval is the page's own (Bind::Own) and not among them.
constexpr std::size_t kListCount = [] {
    std::size_t n = 0;
    for (const FieldBinding& row : kMenuBindings) n += row.bind == Bind::List;
    return n;
}();

constexpr std::array<MenuList, kListCount> kMenuLists = [] {
    std::array<MenuList, kListCount> lists{};
    std::size_t k = 0;
    for (const FieldBinding& row : kMenuBindings)
        if (row.bind == Bind::List)
            lists[k++] = {row.id, row.field.offset,
                          std::span<const TextPair>(row.items.pairs, static_cast<std::size_t>(row.items.count)),
                          row.first};
    return lists;
}();

std::uint8_t& FieldOf(const MenuList& list) { return RecordBytes(g_sMenuData)[list.offset]; }

}  // namespace

std::span<const MenuList> MenuLists() { return kMenuLists; }

void FillMenuList(Dialog& dialog, const MenuList& list) { AddListItems(dialog, list.id, list.items); }

void SelectMenuList(Dialog& dialog, const MenuList& list) {
    std::uint8_t& field = FieldOf(list);
    if (field < list.first) field = static_cast<std::uint8_t>(list.first);
    dialog.ListSelect(list.id, field - list.first);
}

void CollectMenuList(Dialog& dialog, const MenuList& list) {
    FieldOf(list) = static_cast<std::uint8_t>(dialog.ListSelection(list.id) + list.first);
}

}  // namespace trailcfg
