// The named fields of CameraMenu, each checked against the struct at compile
// time.
#include <array>
#include <cstddef>

#include "camera_menu.h"
#include "common/field_rows.h"
#include "menu_field_list.h"

namespace trailcfg {

TRAILCFG_FIELD_TABLE(CameraMenuFields, "CameraMenu", CameraMenu, TRAILCFG_MENU_FIELDS)

static_assert(offsetof(CameraMenu, Year) == kMenuClockOffset);
static_assert(offsetof(CameraMenu, Second) + 1 - kMenuClockOffset == sizeof(MenuClock));

// The clock's fields are the menu's own, Year to Second, at their offsets
// within the clock.
constexpr auto kClockFields = [] {
    std::array<FieldDesc, 6> clock{};
    std::size_t n = 0;
    for (FieldDesc field : CameraMenuFieldsTable::kRows) {
        if (field.offset < kMenuClockOffset || field.offset >= kMenuClockOffset + sizeof(MenuClock)) continue;
        field.offset = static_cast<std::uint16_t>(field.offset - kMenuClockOffset);
        clock.at(n++) = field;
    }
    return clock;
}();
static_assert(kClockFields.back().name != nullptr, "a row for every clock field");

TRAILCFG_FIELD_TABLE_OF(MenuClockFields, "SaveClock", MenuClock, kClockFields)

}  // namespace trailcfg
