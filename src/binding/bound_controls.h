// A field's value into its control and back, by the row's binding, over any
// record given as bytes: the process-wide one, or the copy a page keeps.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "binding/field_binding.h"
#include "platform/port.h"

namespace trailcfg {

// The limit of each edit the rows put on page `page`.
void LimitEdits(Dialog& dialog, std::span<const FieldBinding> rows, int page);

// Appends the row's list items to its control, in `language`.
void FillBoundList(Dialog& dialog, const FieldBinding& row, int language);

// A number edit's text as a signed number: an optional minus and the digits
// that follow; 0 when there are none. Saturates instead of overflowing.
std::int32_t EditNumber(const Dialog& dialog, int id);

// Shows the field in its control: a text up to its terminator or the field's
// end (a file may hold a field without one), a number in decimal (a port of 0
// as an empty edit), a list's item for the value.
void ShowBound(Dialog& dialog, const FieldBinding& row, const std::uint8_t* record);
void ShowBound(Dialog& dialog, std::span<const FieldBinding* const> rows, const std::uint8_t* record);

// Stores the control's value into the field. A text is cut to the field's
// width minus one, and the bytes after its terminator stay as they were; the
// result is the number of characters stored. A port without a digit and a
// list without a selection leave the field as it was, so a value the page
// cannot show (a direction read from a file, say) passes through.
std::size_t StoreBound(const Dialog& dialog, const FieldBinding& row, std::uint8_t* record);
void StoreBound(const Dialog& dialog, std::span<const FieldBinding* const> rows, std::uint8_t* record);

}  // namespace trailcfg
