// The send page's fields through their rows (send_page_controls.h): one loop
// shows them as the page opens, one stores them for Generate and Previous
// Page. What the page does beyond its rows stays with its callers.
#pragma once

#include <cstdint>

#include "platform/port.h"
#include "send/send_settings.h"

namespace trailcfg::send_page {

// Each list's items in `language`, the first one selected.
void FillPageLists(Dialog& dialog, int language);

// Every field into its control. A recipient shows only with its length
// stored, another text only when it holds one. A shown list whose value has
// no item shows its first; a hidden coordinate's list is left without a
// selection, so that Previous Page passes the value through.
void ShowPageRows(Dialog& dialog, const SendSettings& s);

// Which of the page's controls a store reads. Generate reads what the user
// sees, the edits first and the lists after its checks; the hidden
// coordinates stay as the record holds them. Previous Page reads everything.
enum class Take : std::uint8_t { ShownEdits, ShownLists, Everything };

// The controls into `s`, each recipient's length with it. The remote
// interval is the page's own mapping and is not stored here.
void StorePageRows(const Dialog& dialog, SendSettings& s, Take take);

}  // namespace trailcfg::send_page
