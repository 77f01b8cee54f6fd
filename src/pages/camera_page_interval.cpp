// The interval: a number list whose items depend on the unit list beside it.
// Interval holds 0..59 for seconds and 60..119 for 1..60 minutes.
#include <algorithm>
#include <cstdint>
#include <span>

#include "app/process_state.h"
#include "pages/camera_page.h"
#include "platform/control_ids.h"
#include "texts/camera_page_texts.h"
#include "ui/apply_texts.h"

namespace trailcfg {

using namespace ids::camera;

namespace {

constexpr int kMinutesBase = 60;  // Interval of 1 minute
constexpr int kLastPosition = 59;
constexpr std::uint8_t kNoInterval = 255;

std::span<const TextPair> IntervalNumbers(int unit) { return unit == kUnitMinutes ? kOneToSixtyItems : kMinuteItems; }

}  // namespace

void FillInterval(Dialog& dialog, bool refill, int& IntervalUnit) {
    if (!refill) AddListItems(dialog, kIntervalUnitList, kIntervalUnitItems);
    const int interval = g_sMenuData.Interval;
    IntervalUnit = interval >= kMinutesBase ? kUnitMinutes : kUnitSeconds;
    AddListItems(dialog, kIntervalNumberList, IntervalNumbers(IntervalUnit));
    dialog.ListSelect(kIntervalNumberList, IntervalUnit == kUnitMinutes ? interval - kMinutesBase : interval);
    dialog.ListSelect(kIntervalUnitList, IntervalUnit);
}

// The number shown stays the same where both units have it; at the ends
// 0 seconds becomes 1 minute and 60 minutes becomes 59 seconds.
void ChangeIntervalUnit(Dialog& dialog, int& IntervalUnit) {
    const int unit = dialog.ListSelection(kIntervalUnitList);
    if (unit == IntervalUnit || (unit != kUnitSeconds && unit != kUnitMinutes)) return;
    const int position = dialog.ListSelection(kIntervalNumberList);
    dialog.ListEmpty(kIntervalNumberList);
    AddListItems(dialog, kIntervalNumberList, IntervalNumbers(unit));
    if (unit == kUnitMinutes)
        dialog.ListSelect(kIntervalNumberList, position > 0 ? position - 1 : position);
    else
        dialog.ListSelect(kIntervalNumberList, std::min(position + 1, kLastPosition));
    IntervalUnit = unit;
}

void CollectInterval(Dialog& dialog, int& IntervalUnit) {
    const int position = dialog.ListSelection(kIntervalNumberList);
    const int unit = dialog.ListSelection(kIntervalUnitList);
    // A number list without a selection (a stored value with no item) keeps
    // meaning "none", as every other list's 255 does. Adding the minutes base
    // to -1 in a byte would make it 59 seconds, a setting nobody chose.
    if (position < 0)
        g_sMenuData.Interval = kNoInterval;
    else
        g_sMenuData.Interval = static_cast<std::uint8_t>(position + (unit == kUnitMinutes ? kMinutesBase : 0));
    if (unit == kUnitSeconds || unit == kUnitMinutes) IntervalUnit = unit;
}

}  // namespace trailcfg
