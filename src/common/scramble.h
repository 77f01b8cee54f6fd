// The one-byte scramble both camera files use: XOR with the mask, then rotate
// right by two on writing; rotate left by two, then XOR on reading.
#pragma once

#include <cstddef>
#include <cstdint>

namespace trailcfg {

inline constexpr std::uint8_t FileMask = 0xA7;

constexpr std::uint8_t ScrambleByte(std::uint8_t plain) {
    std::uint8_t x = static_cast<std::uint8_t>(plain ^ FileMask);
    return static_cast<std::uint8_t>((x >> 2) | (x << 6));
}

constexpr std::uint8_t UnscrambleByte(std::uint8_t stored) {
    std::uint8_t x = static_cast<std::uint8_t>((stored << 2) | (stored >> 6));
    return static_cast<std::uint8_t>(x ^ FileMask);
}

void ScrambleBytes(std::uint8_t* data, std::size_t n);
void UnscrambleBytes(std::uint8_t* data, std::size_t n);

}  // namespace trailcfg
