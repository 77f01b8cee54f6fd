#include "scramble.h"

namespace trailcfg {

void ScrambleBytes(std::uint8_t* data, std::size_t n) {
    for (std::size_t i = 0; i < n; ++i) data[i] = ScrambleByte(data[i]);
}

void UnscrambleBytes(std::uint8_t* data, std::size_t n) {
    for (std::size_t i = 0; i < n; ++i) data[i] = UnscrambleByte(data[i]);
}

}  // namespace trailcfg
