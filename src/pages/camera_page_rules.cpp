// Which settings switch others on: the clock mode its edits, each timer its
// start and end lists, the serial number its four characters, the time lapse
// its three lists. Every other control stays enabled whatever is chosen.
#include <cstddef>
#include <span>

#include "app/process_state.h"
#include "camera/camera_menu.h"
#include "pages/camera_page.h"
#include "platform/control_ids.h"

namespace trailcfg {

using namespace ids::camera;

namespace {

struct EnableRule {
    int listId;
    std::size_t offset;  // the governing field in CameraMenu
    int enabledWhen;     // the field's value that enables the controls
    std::span<const int> controls;
};

constexpr int kClockEdits[] = {kYearEdit, kMonthEdit, kDayEdit, kHourEdit, kMinuteEdit, kSecondEdit};
constexpr int kTimer1Lists[] = {kTimer1StartHourList, kTimer1StartMinList, kTimer1EndHourList, kTimer1EndMinList};
constexpr int kTimer2Lists[] = {kTimer2StartHourList, kTimer2StartMinList, kTimer2EndHourList, kTimer2EndMinList};
constexpr int kSerialLists[] = {kSerial1List, kSerial2List, kSerial3List, kSerial4List};
constexpr int kTimeLapseLists[] = {kTimeLapseHourList, kTimeLapseMinList, kTimeLapseSecList};

// Timers and the serial number put Off first; the time lapse puts On first.
constexpr EnableRule kEnableRules[] = {
    {kClockModeList, offsetof(CameraMenu, ClockMode), kClockInput, kClockEdits},
    {kTimer1ModeList, offsetof(CameraMenu, Timer1Mode), 1, kTimer1Lists},
    {kTimer2ModeList, offsetof(CameraMenu, Timer2Mode), 1, kTimer2Lists},
    {kSerialModeList, offsetof(CameraMenu, SerialMode), 1, kSerialLists},
    {kTimeLapseModeList, offsetof(CameraMenu, TimeLapseMode), 0, kTimeLapseLists},
};

void ApplyEnableRule(Dialog& dialog, const EnableRule& rule, int value) {
    for (int id : rule.controls) dialog.Enable(id, value == rule.enabledWhen);
}

}  // namespace

void ApplyMenuEnableRules(Dialog& dialog) {
    for (const EnableRule& rule : kEnableRules) ApplyEnableRule(dialog, rule, RecordBytes(g_sMenuData)[rule.offset]);
}

bool ApplyEnableRuleOfList(Dialog& dialog, int listId, int position) {
    for (const EnableRule& rule : kEnableRules) {
        if (rule.listId != listId) continue;
        ApplyEnableRule(dialog, rule, position);
        return true;
    }
    return false;
}

}  // namespace trailcfg
