#include "field_table.h"

#include <cstring>

namespace trailcfg {

const FieldDesc* FindField(const FieldTable& table, std::string_view name) {
    for (const FieldDesc& f : table)
        if (name == f.name) return &f;
    return nullptr;
}

std::int64_t ReadFieldNumber(const std::uint8_t* record, const FieldDesc& field) {
    const std::uint8_t* p = record + field.offset;
    switch (field.kind) {
        case FieldKind::U8:
            return p[0];
        case FieldKind::U16:
            return p[0] | (p[1] << 8);
        case FieldKind::I32: {
            std::uint32_t u = static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
                              (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
            return static_cast<std::int32_t>(u);
        }
        case FieldKind::Text:
            break;
    }
    return 0;
}

void WriteFieldNumber(std::uint8_t* record, const FieldDesc& field, std::int64_t value) {
    std::uint8_t* p = record + field.offset;
    std::uint64_t u = static_cast<std::uint64_t>(value);
    int bytes = field.kind == FieldKind::U8    ? 1
                : field.kind == FieldKind::U16 ? 2
                : field.kind == FieldKind::I32 ? 4
                                               : 0;
    for (int i = 0; i < bytes; ++i) p[i] = static_cast<std::uint8_t>(u >> (8 * i));
}

std::int64_t FieldMin(const FieldDesc& field) { return field.kind == FieldKind::I32 ? INT32_MIN : 0; }

std::int64_t FieldMax(const FieldDesc& field) {
    switch (field.kind) {
        case FieldKind::U8:
            return 0xFF;
        case FieldKind::U16:
            return 0xFFFF;
        case FieldKind::I32:
            return INT32_MAX;
        case FieldKind::Text:
            break;
    }
    return 0;
}

std::string_view ReadFieldText(const std::uint8_t* record, const FieldDesc& field) {
    const char* p = reinterpret_cast<const char*>(record + field.offset);
    std::size_t n = 0;
    while (n < field.width && p[n] != '\0') ++n;
    return std::string_view(p, n);
}

bool WriteFieldText(std::uint8_t* record, const FieldDesc& field, std::string_view text) {
    if (field.width == 0) return text.empty();
    std::size_t room = field.width - 1u;
    std::size_t n = text.size() < room ? text.size() : room;
    std::memcpy(record + field.offset, text.data(), n);
    record[field.offset + n] = 0;
    return n == text.size();
}

}  // namespace trailcfg
