// Which settings switch others on: the clock mode its edits, each timer its
// start and end lists, the serial number its four characters, the time lapse
// its three lists. Every other control stays enabled whatever is chosen.
#include <cstddef>
#include <span>

#include "app/process_state.h"
#include "camera/camera_menu.h"
#include "pages/camera_page.h"

namespace trailcfg {

namespace {

struct EnableRule {
    int listId;
    std::size_t offset;  // the governing field in CameraMenu
    int enabledWhen;     // the field's value that enables the controls
    std::span<const int> controls;
};

constexpr int kClockEdits[] = {40039, 40040, 40042, 40043, 40044, 40045};
constexpr int kTimer1Lists[] = {40110, 40111, 40109, 40112};
constexpr int kTimer2Lists[] = {40113, 40114, 40115, 40116};
constexpr int kSerialLists[] = {40093, 40098, 40099, 40100};
constexpr int kTimeLapseLists[] = {40117, 40118, 40119};

// Timers and the serial number put Off first; the time lapse puts On first.
constexpr EnableRule kEnableRules[] = {
    {kClockModeList, offsetof(CameraMenu, ClockMode), kClockInput, kClockEdits},
    {40050, offsetof(CameraMenu, Timer1Mode), 1, kTimer1Lists},
    {40064, offsetof(CameraMenu, Timer2Mode), 1, kTimer2Lists},
    {40080, offsetof(CameraMenu, SerialMode), 1, kSerialLists},
    {40083, offsetof(CameraMenu, TimeLapseMode), 0, kTimeLapseLists},
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
