// The coordinates' range rules: a degree value at the very end of its range
// (180 of longitude, 90 of latitude) allows no minutes or seconds.
#include "app/process_state.h"
#include "common/diag.h"
#include "pages/send_page_controls.h"
#include "pages/send_page_handlers.h"
#include "ui/input_helpers.h"

namespace trailcfg::send_page {

bool CheckCoordinateEdit(Platform& platform, Dialog& dialog, int id) {
    for (const CoordinateControls& c : kCoordinates) {
        if (id == c.degree) {
            int minute = ReadEditNumber(dialog, c.minute);
            int second = ReadEditNumber(dialog, c.second);
            Diag("iMin = %d, uwMaxVal = %d\n", minute, second);
            std::uint16_t max = minute == 0 && second == 0 ? c.fullDegrees : c.fullDegrees - 1;
            CheckEditRange(platform, dialog, id, 0, max, true);
            return true;
        }
        if (id == c.minute || id == c.second) {
            std::uint16_t max = ReadEditNumber(dialog, c.degree) == c.fullDegrees ? 0 : 59;
            CheckEditRange(platform, dialog, id, 0, max, true);
            return true;
        }
    }
    return false;
}

}  // namespace trailcfg::send_page
