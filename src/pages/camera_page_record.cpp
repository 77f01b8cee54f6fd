// g_sMenuData onto the page and back.
#include <cstring>

#include "app/process_state.h"
#include "camera/camera_menu.h"
#include "pages/camera_page.h"
#include "pages/camera_page_lists.h"
#include "texts/camera_page_texts.h"
#include "ui/apply_texts.h"
#include "ui/window_titles.h"

namespace trailcfg {

void FillMenuPage(Dialog& dialog, bool refill, int& IntervalUnit) {
    dialog.SetTitle(kTitleCameraSetup[g_iUiLanguage]);
    ApplyCaptions(dialog, kCameraPageCaptions);
    for (const MenuList& list : MenuLists()) {
        if (!refill) FillMenuList(dialog, list);
        SelectMenuList(dialog, list);
    }
    FillInterval(dialog, refill, IntervalUnit);
}

// In the record's order, with the clock (offsets 14..20) in its place.
void CollectMenuPage(Dialog& dialog, int& IntervalUnit) {
    for (const MenuList& list : MenuLists())
        if (list.offset < kMenuClockOffset) CollectMenuList(dialog, list);
    CollectInterval(dialog, IntervalUnit);
    CollectClock(dialog);
    for (const MenuList& list : MenuLists())
        if (list.offset > kMenuClockOffset) CollectMenuList(dialog, list);
    // Last, so that the file read back after a write is compared against
    // exactly the clock that was written.
    std::memcpy(&SaveClock, RecordBytes(g_sMenuData) + kMenuClockOffset, sizeof SaveClock);
}

}  // namespace trailcfg
