#include "param_page_fields.h"

#include <cstdint>
#include <cstring>
#include <string>

#include "common/leading_number.h"

namespace trailcfg::param {

namespace {

std::string_view BoundedText(const EditField& field) {
    const void* end = std::memchr(field.text, '\0', field.size);
    std::size_t n = end ? static_cast<std::size_t>(static_cast<const char*>(end) - field.text) : field.size;
    return std::string_view(field.text, n);
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
            if (const auto port = LeadingNumber(text)) *field.number = *port;
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
