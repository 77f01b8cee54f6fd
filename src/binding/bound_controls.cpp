#include "bound_controls.h"

#include <string>

#include "common/leading_number.h"

namespace trailcfg {

void LimitEdits(Dialog& dialog, std::span<const FieldBinding> rows, int page) {
    for (const FieldBinding& row : rows)
        if (row.page == page && row.limit > 0) dialog.SetLimit(row.id, row.limit);
}

void FillBoundList(Dialog& dialog, const FieldBinding& row, int language) {
    for (int k = 0; k < row.items.count; ++k) dialog.ListAdd(row.id, row.items.At(k, language));
}

std::int32_t EditNumber(const Dialog& dialog, int id) {
    return LeadingNumber(dialog.GetText(id), Minus::Taken).value_or(0);
}

void ShowBound(Dialog& dialog, const FieldBinding& row, const std::uint8_t* record) {
    switch (row.bind) {
        case Bind::None:
        case Bind::Own:
            break;
        case Bind::Text:
            dialog.SetText(row.id, std::string(ReadFieldText(record, row.field)).c_str());
            break;
        case Bind::Number:
            dialog.SetText(row.id, std::to_string(ReadFieldNumber(record, row.field)).c_str());
            break;
        case Bind::Port: {
            const std::int64_t port = ReadFieldNumber(record, row.field);
            dialog.SetText(row.id, port == 0 ? "" : std::to_string(port).c_str());
            break;
        }
        case Bind::List:
            dialog.ListSelect(row.id, static_cast<int>(ReadFieldNumber(record, row.field) - row.first));
            break;
    }
}

void ShowBound(Dialog& dialog, std::span<const FieldBinding* const> rows, const std::uint8_t* record) {
    for (const FieldBinding* row : rows) ShowBound(dialog, *row, record);
}

std::size_t StoreBound(const Dialog& dialog, const FieldBinding& row, std::uint8_t* record) {
    switch (row.bind) {
        case Bind::None:
        case Bind::Own:
            break;
        case Bind::Text: {
            const std::string text = dialog.GetText(row.id);
            WriteFieldText(record, row.field, text);
            const std::size_t room = row.field.width - 1u;
            return text.size() < room ? text.size() : room;
        }
        case Bind::Number:
            WriteFieldNumber(record, row.field, EditNumber(dialog, row.id));
            break;
        case Bind::Port:
            if (const auto port = LeadingNumber(dialog.GetText(row.id))) WriteFieldNumber(record, row.field, *port);
            break;
        case Bind::List: {
            const int position = dialog.ListSelection(row.id);
            if (position >= 0) WriteFieldNumber(record, row.field, position + row.first);
            break;
        }
    }
    return 0;
}

void StoreBound(const Dialog& dialog, std::span<const FieldBinding* const> rows, std::uint8_t* record) {
    for (const FieldBinding* row : rows) StoreBound(dialog, *row, record);
}

}  // namespace trailcfg
