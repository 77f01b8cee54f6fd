#include "apply_texts.h"

namespace trailcfg {

void ApplyCaptions(Dialog& dialog, std::span<const Caption> captions) {
    for (const Caption& caption : captions) dialog.SetText(caption.id, caption.text[g_iUiLanguage]);
}

void AddListItems(Dialog& dialog, int id, std::span<const char* const> items) {
    for (const char* item : items) dialog.ListAdd(id, item);
}

void AddListItems(Dialog& dialog, int id, std::span<const TextPair> items) {
    for (const TextPair& item : items) dialog.ListAdd(id, item[g_iUiLanguage]);
}

}  // namespace trailcfg
