#include "param_page_fields.h"

#include <cstdint>
#include <cstring>
#include <string>

namespace trailcfg::param {

namespace {

std::string_view BoundedText(const EditField& field) {
    const void* end = std::memchr(field.text, '\0', field.size);
    std::size_t n = end ? static_cast<std::size_t>(static_cast<const char*>(end) - field.text) : field.size;
    return std::string_view(field.text, n);
}

// The number made by the edit's leading digits; false without any. The port
// edits take digits only, but a number shown by the program is not cut to
// the edit's limit, so a long one saturates instead of overflowing.
bool ReadPort(const std::string& text, std::int32_t& value) {
    std::int64_t n = 0;
    std::size_t digits = 0;
    for (char c : text) {
        if (c < '0' || c > '9') break;
        n = n * 10 + (c - '0');
        if (n > INT32_MAX) n = INT32_MAX;
        ++digits;
    }
    if (digits == 0) return false;
    value = static_cast<std::int32_t>(n);
    return true;
}

}  // namespace

void ShowText(Dialog& dialog, int id, std::string_view text) { dialog.SetText(id, std::string(text).c_str()); }

void ShowFields(Dialog& dialog, std::span<const EditField> fields) {
    for (const EditField& field : fields) {
        if (field.number) {
            std::int32_t port = *field.number;
            dialog.SetText(field.id, port == 0 ? "" : std::to_string(port).c_str());
        } else {
            ShowText(dialog, field.id, BoundedText(field));
        }
    }
}

void StoreFields(const Dialog& dialog, std::span<const EditField> fields) {
    for (const EditField& field : fields) {
        std::string text = dialog.GetText(field.id);
        if (field.number) {
            std::int32_t port = 0;
            if (ReadPort(text, port)) *field.number = port;
            continue;
        }
        // The bytes after the terminator stay as they were, as in every copy
        // into the record.
        std::size_t n = text.size() < field.size - 1 ? text.size() : field.size - 1;
        std::memcpy(field.text, text.data(), n);
        field.text[n] = '\0';
    }
}

void ClearFields(std::span<const EditField> fields) {
    for (const EditField& field : fields)
        if (field.text) field.text[0] = '\0';
}

}  // namespace trailcfg::param
