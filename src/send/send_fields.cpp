// The named fields of SendSettings. Each row's offset is checked against the
// struct at compile time, so the table, the struct and the file format cannot
// drift apart. Reserved bytes are not listed.
#include <cstddef>

#include "common/field_rows.h"
#include "send_field_list.h"
#include "send_settings.h"

namespace trailcfg {

constexpr FieldDesc kGenTimeFields[] = {
    {"byYear", 0, FieldKind::U8, 1}, {"byMonth", 1, FieldKind::U8, 1},  {"byDay", 2, FieldKind::U8, 1},
    {"byHour", 3, FieldKind::U8, 1}, {"byMinute", 4, FieldKind::U8, 1}, {"bySecond", 5, FieldKind::U8, 1},
};

TRAILCFG_FIELD_TABLE(SendSettingsFields, "SendSettings", SendSettings, TRAILCFG_SEND_FIELDS)
TRAILCFG_FIELD_TABLE_OF(GenTimeFields, "sLastGenTime", GenTime, kGenTimeFields)

}  // namespace trailcfg
