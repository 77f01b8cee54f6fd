// The rows of a field table written once, as an X-macro list of a record's
// fields, X(name, member, offset, kind, width): TRAILCFG_DEFINE_FIELDS makes
// the FieldDesc array of them and checks every row's offset and width against
// the struct at compile time, so the table, the struct and the file format
// cannot drift apart.
#pragma once

#include <cstddef>
#include <utility>

#include "common/field_table.h"

#define TRAILCFG_FIELD_CHECK(name, member, off, kind, width)                  \
    static_assert(offsetof(FieldRecord, member) == (off), "offset of " name); \
    static_assert(sizeof(std::declval<FieldRecord&>().member) == (width), "width of " name);

#define TRAILCFG_FIELD_ROW(name, member, off, kind, width) {name, off, FieldKind::kind, width},

#define TRAILCFG_DEFINE_FIELDS(Record, array, LIST) \
    namespace array##Checks {                       \
        using FieldRecord = Record;                 \
        LIST(TRAILCFG_FIELD_CHECK)                  \
    }                                               \
    constexpr FieldDesc array[] = {LIST(TRAILCFG_FIELD_ROW)};
