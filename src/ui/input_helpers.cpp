#include "input_helpers.h"

#include <cstdint>
#include <cstring>
#include <string>

#include "app/process_state.h"
#include "app/save_folder.h"
#include "common/diag.h"
#include "common/leading_number.h"
#include "ui/message_texts.h"

namespace trailcfg {

namespace {

// Position of the first byte of `text` not in `allowed`, or npos.
std::size_t FirstDisallowed(const std::string& text, const char* allowed) {
    for (std::size_t i = 0; i < text.size(); ++i)
        if (text[i] == '\0' || !std::strchr(allowed, text[i])) return i;
    return std::string::npos;
}

// Takes out the first disallowed byte of `text`, shows the result in the edit
// and puts the caret where the byte was. The SetText re-enters the page's
// TextChanged handler, which deals with the rest of the text; the caret is
// placed only after that, so the outermost call decides where it ends.
void RemoveFirstDisallowed(Dialog& dialog, int id, std::string& text, const char* allowed) {
    std::size_t i = FirstDisallowed(text, allowed);
    if (i == std::string::npos) return;
    text.erase(i, 1);
    dialog.SetText(id, text.c_str());
    dialog.SetCaret(id, static_cast<int>(i));
}

void ShowNumber(Dialog& dialog, int id, std::uint16_t value) { dialog.SetText(id, std::to_string(value).c_str()); }

}  // namespace

void FilterEditChars(Dialog& dialog, int id, const char* allowed) {
    if (!allowed || !*allowed) return;
    std::string text = dialog.GetText(id);
    if (text.empty()) return;
    RemoveFirstDisallowed(dialog, id, text, allowed);
}

void CheckEditRange(Platform& platform, Dialog& dialog, int id, std::uint16_t min, std::uint16_t max, bool bWarn) {
    std::string text = dialog.GetText(id);
    if (text.empty()) {
        ShowNumber(dialog, id, min);
        return;
    }
    RemoveFirstDisallowed(dialog, id, text, kDigits);
    std::int32_t value = LeadingNumber(text).value_or(0);
    if (value < min) {
        ShowNumber(dialog, id, min);
        Diag("Input value error!\n");
        return;
    }
    if (value > max) {
        if (bWarn)
            platform.ShowMessage(dialog, kTextOutOfRange[g_iUiLanguage], kCaptionWarning[g_iUiLanguage],
                                 MessageIcon::Warning);
        ShowNumber(dialog, id, max);
        Diag("Input value error!\n");
    }
}

void BrowseSaveFolder(Platform& platform, Dialog& dialog, int saveFieldId) {
    std::string folder;
    if (!platform.BrowseFolder(dialog, folder)) return;
    if (!StoreSavePath(folder)) return;
    dialog.SetText(saveFieldId, g_szSavePath);
}

}  // namespace trailcfg
