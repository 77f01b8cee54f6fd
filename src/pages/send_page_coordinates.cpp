// The coordinates' range rules: a degree value at the very end of its range
// (180 of longitude, 90 of latitude) allows no minutes or seconds.
#include "app/process_state.h"
#include "binding/bound_controls.h"
#include "common/diag.h"
#include "pages/send_page_controls.h"
#include "pages/send_page_handlers.h"
#include "ui/input_helpers.h"

namespace trailcfg::send_page {

bool CheckCoordinateEdit(Platform& platform, Dialog& dialog, int id) {
    for (const CoordinateControls& c : kCoordinates) {
        if (id == c.degree->id) {
            int minute = EditNumber(dialog, c.minute->id);
            int second = EditNumber(dialog, c.second->id);
            Diag("iMin = %d, uwMaxVal = %d\n", minute, second);
            std::uint16_t max = minute == 0 && second == 0 ? c.fullDegrees : c.fullDegrees - 1;
            CheckEditRange(platform, dialog, id, 0, max, true);
            return true;
        }
        if (id == c.minute->id || id == c.second->id) {
            std::uint16_t max = EditNumber(dialog, c.degree->id) == c.fullDegrees ? 0 : 59;
            CheckEditRange(platform, dialog, id, 0, max, true);
            return true;
        }
    }
    return false;
}

}  // namespace trailcfg::send_page
