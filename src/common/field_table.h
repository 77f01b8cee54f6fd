// Field tables: every named field of a record with its offset, kind and width.
// They are the one list of fields that the JSON export and import, the
// scenario runner and the dumps all work from.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace trailcfg {

enum class FieldKind : std::uint8_t { U8, U16, I32, Text };

struct FieldDesc {
    const char* name;  // "sSmtpSet.iPort", "szRecp[2]", "Serial[3]"
    std::uint16_t offset;
    FieldKind kind;
    std::uint16_t width;  // bytes; for texts the terminator included
};

struct FieldTable {
    const char* recordName;  // "SendSettings"
    const FieldDesc* fields;
    std::size_t count;
    std::size_t recordSize;

    const FieldDesc* begin() const { return fields; }
    const FieldDesc* end() const { return fields + count; }
};

const FieldDesc* FindField(const FieldTable& table, std::string_view name);

// Numeric fields, read and written little-endian. Writing keeps the low bits
// of the value that fit the field.
std::int64_t ReadFieldNumber(const std::uint8_t* record, const FieldDesc& field);
void WriteFieldNumber(std::uint8_t* record, const FieldDesc& field, std::int64_t value);

// The smallest and largest value the field holds.
std::int64_t FieldMin(const FieldDesc& field);
std::int64_t FieldMax(const FieldDesc& field);

// A text field's characters up to its terminator, never beyond its width
// (a file may hold a field without one).
std::string_view ReadFieldText(const std::uint8_t* record, const FieldDesc& field);

// Writes the text and a terminator; the bytes after the terminator stay as
// they were. A text longer than width - 1 is cut to it; the result says
// whether the whole text fitted.
bool WriteFieldText(std::uint8_t* record, const FieldDesc& field, std::string_view text);

}  // namespace trailcfg
