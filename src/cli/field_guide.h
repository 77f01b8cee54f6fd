// The guide to every field of both records is the records' binding rows
// (binding/send_bindings.h, binding/menu_bindings.h): what the field is called
// in words, how its value is explained, and which values a user may give it.
// `show`, `diff`, the value checks of `import`, `set` and `batch`, and
// `check` on a menu.dat all read these rows.
#pragma once

#include <span>
#include <string>

#include "binding/field_binding.h"
#include "cli_common.h"

namespace trailcfg::cli {

using FieldGuide = FieldBinding;

// One row per field, in the order of the record's field table.
std::span<const FieldGuide> Guides(FileKind kind);
// The row of a field of the record's field table, at the field's own index:
// a field without its row stops the build (binding/rows_follow_fields.cpp).
const FieldGuide& GuideOf(FileKind kind, const FieldDesc& field);

// "3G Send Options", "MMS Parameters / URL", in UTF-8.
std::string LabelOf(const FieldGuide& guide, int language);

}  // namespace trailcfg::cli
