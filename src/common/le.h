// Little-endian integers stored as bytes, so that a record's memory image is
// the file's plain image on every host, whatever its byte order or alignment.
#pragma once

#include <cstdint>

namespace trailcfg {

struct LeU16 {
    std::uint8_t b[2];

    constexpr operator std::uint16_t() const { return static_cast<std::uint16_t>(b[0] | (b[1] << 8)); }
    constexpr LeU16& operator=(std::uint16_t v) {
        b[0] = static_cast<std::uint8_t>(v & 0xFF);
        b[1] = static_cast<std::uint8_t>(v >> 8);
        return *this;
    }
};

struct LeI32 {
    std::uint8_t b[4];

    constexpr operator std::int32_t() const {
        std::uint32_t u = static_cast<std::uint32_t>(b[0]) | (static_cast<std::uint32_t>(b[1]) << 8) |
                          (static_cast<std::uint32_t>(b[2]) << 16) | (static_cast<std::uint32_t>(b[3]) << 24);
        return static_cast<std::int32_t>(u);
    }
    constexpr LeI32& operator=(std::int32_t v) {
        std::uint32_t u = static_cast<std::uint32_t>(v);
        for (int i = 0; i < 4; ++i) b[i] = static_cast<std::uint8_t>(u >> (8 * i));
        return *this;
    }
};

static_assert(sizeof(LeU16) == 2 && alignof(LeU16) == 1);
static_assert(sizeof(LeI32) == 4 && alignof(LeI32) == 1);

}  // namespace trailcfg
