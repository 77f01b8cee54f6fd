// Bounded copies into the records' fixed-size text fields.
#pragma once

#include <cstddef>
#include <cstring>
#include <string_view>

namespace trailcfg {

// Copies at most N - 1 bytes of `src` and a terminator; the bytes after the
// terminator stay as they were. Returns whether the whole text fitted.
template <std::size_t N>
bool CopyText(char (&dst)[N], std::string_view src) {
    std::size_t n = src.size() < N - 1 ? src.size() : N - 1;
    std::memmove(dst, src.data(), n);
    dst[n] = '\0';
    return n == src.size();
}

// The length of a field's text, never counting past the field.
template <std::size_t N>
std::size_t TextLength(const char (&field)[N]) {
    std::size_t n = 0;
    while (n < N && field[n] != '\0') ++n;
    return n;
}

// A field's text as "%.*s" arguments of a diagnostic line: fields may arrive
// without a terminator, and a line never prints past the width.
#define BOUNDED(field) static_cast<int>(::trailcfg::TextLength(field)), (field)

template <std::size_t N>
std::string_view FieldText(const char (&field)[N]) {
    return std::string_view(field, TextLength(field));
}

}  // namespace trailcfg
