// The six clock edits: the PC's time shown in them, their checks when the
// user leaves one, and their values taken into g_sMenuData.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <iterator>
#include <string>
#include <string_view>

#include "app/process_state.h"
#include "camera/camera_clock.h"
#include "camera/camera_menu.h"
#include "common/diag.h"
#include "common/leading_number.h"
#include "pages/camera_page.h"
#include "platform/control_ids.h"
#include "rules/generate_rules.h"
#include "ui/input_helpers.h"

namespace trailcfg {

using namespace ids::camera;

namespace {

// What an edit without a number counts as when the day's range is worked out.
constexpr int kUnreadYear = kClockFirstYear;
constexpr int kUnreadMonth = 1;
constexpr int kUnreadDay = 1;

struct ClockEdit {
    int id;
    std::size_t offset;      // the field in CameraMenu
    int chars;               // the edit's limit, and what is read of it
    std::uint16_t min, max;  // the day's max depends on year and month
    const char* format;
};

constexpr ClockEdit kClockEdits[] = {
    {kYearEdit, offsetof(CameraMenu, Year), 4, kClockFirstYear, kClockLastYear, "%04d"},
    {kMonthEdit, offsetof(CameraMenu, Month), 2, 1, 12, "%02d"},
    {kDayEdit, offsetof(CameraMenu, Day), 2, 1, 31, "%02d"},
    {kHourEdit, offsetof(CameraMenu, Hour), 2, 0, 23, "%02d"},
    {kMinuteEdit, offsetof(CameraMenu, Minute), 2, 0, 59, "%02d"},
    {kSecondEdit, offsetof(CameraMenu, Second), 2, 0, 59, "%02d"},
};

const ClockEdit* FindClockEdit(int id) {
    for (const ClockEdit& edit : kClockEdits)
        if (edit.id == id) return &edit;
    return nullptr;
}

int ShownNumber(const Dialog& dialog, int id, int unread) { return LeadingNumber(dialog.GetText(id)).value_or(unread); }

int DaysOfShownMonth(const Dialog& dialog) {
    return DaysInMonth(ShownNumber(dialog, kYearEdit, kUnreadYear), ShownNumber(dialog, kMonthEdit, kUnreadMonth));
}

// After the year or the month has changed: a day the month does not have
// becomes the month's last day.
void FitDayToMonth(Dialog& dialog) {
    const int days = DaysOfShownMonth(dialog);
    if (ShownNumber(dialog, kDayEdit, kUnreadDay) > days) dialog.SetText(kDayEdit, std::to_string(days).c_str());
}

void StoreClockField(const ClockEdit& edit, int value) {
    std::uint8_t* bytes = RecordBytes(g_sMenuData);
    if (edit.offset == offsetof(CameraMenu, Year)) {
        g_sMenuData.Year = static_cast<std::uint16_t>(value > 0xFFFF ? 0xFFFF : value);
        return;
    }
    bytes[edit.offset] = static_cast<std::uint8_t>(value > 0xFF ? 0xFF : value);
}

}  // namespace

bool IsClockEdit(int id) { return FindClockEdit(id) != nullptr; }

void ShowLocalClock(Platform& platform, Dialog& dialog) {
    const LocalTime now = platform.Now();
    const int values[] = {now.year, now.month, now.day, now.hour, now.minute, now.second};
    static_assert(std::size(values) == std::size(kClockEdits));
    for (std::size_t i = 0; i < std::size(kClockEdits); ++i) {
        char text[16];
        std::snprintf(text, sizeof text, kClockEdits[i].format, values[i]);
        dialog.SetText(kClockEdits[i].id, text);
    }
}

void EmptyClockEdits(Dialog& dialog) {
    for (const ClockEdit& edit : kClockEdits) dialog.SetText(edit.id, "");
}

void SetClockEditLimits(Dialog& dialog) {
    for (const ClockEdit& edit : kClockEdits) dialog.SetLimit(edit.id, edit.chars);
}

void OnClockEditLeft(Platform& platform, Dialog& dialog, int id) {
    const ClockEdit* edit = FindClockEdit(id);
    if (!edit) return;
    if (id == kDayEdit) {
        CheckEditRange(platform, dialog, id, edit->min, static_cast<std::uint16_t>(DaysOfShownMonth(dialog)), false);
        return;
    }
    CheckEditRange(platform, dialog, id, edit->min, edit->max, false);
    if (id == kYearEdit || id == kMonthEdit) FitDayToMonth(dialog);
}

void CollectClock(Dialog& dialog) {
    for (const ClockEdit& edit : kClockEdits) {
        const std::string text = dialog.GetText(edit.id);
        if (const auto value = LeadingNumber(std::string_view(text).substr(0, static_cast<std::size_t>(edit.chars))))
            StoreClockField(edit, *value);
    }
    Diag("Y:%d,M:%d,D:%d, h:%d, m:%d, s:%d\n", static_cast<int>(g_sMenuData.Year), g_sMenuData.Month, g_sMenuData.Day,
         g_sMenuData.Hour, g_sMenuData.Minute, g_sMenuData.Second);
}

}  // namespace trailcfg
