#include "param_page_fields.h"

#include <string>

#include "app/process_state.h"
#include "binding/bound_controls.h"

namespace trailcfg::param {

void ShowText(Dialog& dialog, int id, std::string_view text) { dialog.SetText(id, std::string(text).c_str()); }

void ShowFields(Dialog& dialog, FieldRows fields) { ShowBound(dialog, fields, RecordBytes(g_sSendSet)); }

// The bytes after a text's terminator stay as they were, as in every copy
// into the record.
void StoreFields(const Dialog& dialog, FieldRows fields) { StoreBound(dialog, fields, RecordBytes(g_sSendSet)); }

void ClearFields(FieldRows fields) {
    for (const FieldBinding* row : fields)
        if (row->field.kind == FieldKind::Text) RecordBytes(g_sSendSet)[row->field.offset] = '\0';
}

}  // namespace trailcfg::param
