// A field table written once, as an X-macro list of a record's fields,
// X(name, member, offset, kind, width): TRAILCFG_FIELD_TABLE defines the
// function that returns the table and checks every row's offset and width
// against the struct at compile time, so the table, the struct and the file
// format cannot drift apart.
#pragma once

#include <cstddef>
#include <iterator>
#include <utility>

#include "common/field_table.h"

#define TRAILCFG_FIELD_CHECK(name, member, off, kind, width)                  \
    static_assert(offsetof(FieldRecord, member) == (off), "offset of " name); \
    static_assert(sizeof(std::declval<FieldRecord&>().member) == (width), "width of " name);

#define TRAILCFG_FIELD_ROW(name, member, off, kind, width) {name, off, FieldKind::kind, width},

// Defines `const FieldTable& Accessor()`, the table of `Record` under the
// name `recordName`; its rows are `Accessor##Table::kRows`.
#define TRAILCFG_FIELD_TABLE(Accessor, recordName, Record, LIST)  \
    namespace Accessor##Table {                                   \
        using FieldRecord = Record;                               \
        LIST(TRAILCFG_FIELD_CHECK)                                \
        constexpr FieldDesc kRows[] = {LIST(TRAILCFG_FIELD_ROW)}; \
    }                                                             \
    TRAILCFG_FIELD_TABLE_OF(Accessor, recordName, Record, Accessor##Table::kRows)

// The same for a few rows written out as FieldDesc.
#define TRAILCFG_FIELD_TABLE_OF(Accessor, recordName, Record, rows)                                      \
    const FieldTable& Accessor() {                                                                       \
        static constexpr FieldTable table{recordName, std::data(rows), std::size(rows), sizeof(Record)}; \
        return table;                                                                                    \
    }
