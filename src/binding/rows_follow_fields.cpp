// Each record's binding rows follow its field table one for one, by name:
// trailcfg-cli finds a field's row at the field's index, and the pages and
// the JSON reach every field through its row. A field added without its row,
// or a row out of place, stops the build here.
#include <cstddef>
#include <iterator>
#include <span>

#include "binding/menu_bindings.h"
#include "binding/send_bindings.h"
#include "camera/menu_field_list.h"
#include "send/send_field_list.h"

namespace trailcfg {

namespace {

template <std::size_t N>
constexpr bool RowsFollow(std::span<const FieldBinding> rows, const char* const (&names)[N]) {
    if (rows.size() != N) return false;
    for (std::size_t i = 0; i < N; ++i)
        if (!SameFieldName(rows[i].field.name, names[i])) return false;
    return true;
}

#define TRAILCFG_FIELD_NAME(name, member, offset, kind, width) name,
constexpr const char* kSendFieldNames[] = {TRAILCFG_SEND_FIELDS(TRAILCFG_FIELD_NAME)};
constexpr const char* kMenuFieldNames[] = {TRAILCFG_MENU_FIELDS(TRAILCFG_FIELD_NAME)};
#undef TRAILCFG_FIELD_NAME

static_assert(RowsFollow(kSendBindings, kSendFieldNames),
              "every field of SendSettings has one row in binding/send_bindings.h, in field table order");
static_assert(RowsFollow(kMenuBindings, kMenuFieldNames),
              "every field of CameraMenu has one row in binding/menu_bindings.h, in field table order");

}  // namespace

}  // namespace trailcfg
