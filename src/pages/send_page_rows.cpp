#include "send_page_rows.h"

#include <cstddef>

#include "binding/bound_controls.h"
#include "pages/send_page_controls.h"

namespace trailcfg::send_page {

namespace {

std::int64_t Stored(const SendSettings& s, const FieldBinding& row) {
    return ReadFieldNumber(RecordBytes(s), row.field);
}

bool ShownOnOpening(const SendSettings& s, const FieldBinding& row) {
    if (const FieldBinding* length = LengthOf(row)) return Stored(s, *length) != 0;
    return row.bind != Bind::Text || !ReadFieldText(RecordBytes(s), row.field).empty();
}

bool HasItem(const FieldBinding& row, std::int64_t value) {
    return value >= row.first && value - row.first < row.items.count;
}

bool Takes(Take take, const FieldBinding& row) {
    const bool list = row.bind == Bind::List;
    switch (take) {
        case Take::ShownEdits:
            return !IsCoordinate(row) && !list;
        case Take::ShownLists:
            return !IsCoordinate(row) && list;
        case Take::Everything:
            break;
    }
    return true;
}

}  // namespace

void FillPageLists(Dialog& dialog, int language) {
    for (const FieldBinding* row : kPageRows) {
        if (row->items.count == 0) continue;
        FillBoundList(dialog, *row, language);
        dialog.ListSelect(row->id, 0);
    }
}

void ShowPageRows(Dialog& dialog, const SendSettings& s) {
    for (const FieldBinding* row : kPageRows) {
        if (!ShownOnOpening(s, *row)) continue;
        if (row->id == kRemoteIntervalList)
            dialog.ListSelect(row->id, RemoteIntervalPosition(s.byRemoteInterval));
        else if (row->bind == Bind::List && !IsCoordinate(*row) && !HasItem(*row, Stored(s, *row)))
            dialog.ListSelect(row->id, 0);
        else
            ShowBound(dialog, *row, RecordBytes(s));
    }
}

void StorePageRows(const Dialog& dialog, SendSettings& s, Take take) {
    for (const FieldBinding* row : kPageRows) {
        if (!Takes(take, *row)) continue;
        const std::size_t stored = StoreBound(dialog, *row, RecordBytes(s));
        if (const FieldBinding* length = LengthOf(*row))
            WriteFieldNumber(RecordBytes(s), length->field, static_cast<std::int64_t>(stored));
    }
}

}  // namespace trailcfg::send_page
