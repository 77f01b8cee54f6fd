// Which list shows which field of CameraMenu, with which items, as the rows
// of binding/menu_bindings.h give them. The interval is not here: its number
// list changes with its unit (camera_page_interval.cpp).
#pragma once

#include <cstddef>
#include <span>

#include "common/text_pair.h"
#include "platform/port.h"

namespace trailcfg {

struct MenuList {
    int id;
    std::size_t offset;  // the field's byte in CameraMenu
    std::span<const TextPair> items;
    int first;  // the value the first item stands for: 1 for the camera language, else 0
};

// In record order.
std::span<const MenuList> MenuLists();

// Puts the list's items in, in g_iUiLanguage.
void FillMenuList(Dialog& dialog, const MenuList& list);
// Selects the item for the field's value; a value with no item leaves the
// list without a selection. A value below `first` is taken as the first item
// and stored as such.
void SelectMenuList(Dialog& dialog, const MenuList& list);
// The selected position back into the field, in byte arithmetic: no
// selection (-1) stores 255, or 0 for a list counted from 1.
void CollectMenuList(Dialog& dialog, const MenuList& list);

}  // namespace trailcfg
