// The Camera Setup page (template 113) from the inside: how g_sMenuData is
// shown on the page and taken back from it. The page's event handlers are in
// camera_page.cpp; these operations are shared by its files and its tests.
#pragma once

#include "platform/port.h"

namespace trailcfg {

// ClockMode and IntervalUnit values.
inline constexpr int kClockAuto = 0;
inline constexpr int kClockInput = 1;
inline constexpr int kClockOff = 2;
inline constexpr int kUnitSeconds = 0;
inline constexpr int kUnitMinutes = 1;

// Sets the title and the captions, and shows g_sMenuData in every list.
// `refill` false puts the lists' items in first; true only selects (after
// Default), except the interval numbers, which the caller has emptied. Sets
// IntervalUnit from Interval. The clock and save-folder edits are left alone.
void FillMenuPage(Dialog& dialog, bool refill, int& IntervalUnit);

// Enables the controls that depend on the clock mode, the two timers, the
// serial number and the time lapse, from their fields in g_sMenuData.
void ApplyMenuEnableRules(Dialog& dialog);
// The same rules from a governing list's new position. False when `listId`
// governs nothing.
bool ApplyEnableRuleOfList(Dialog& dialog, int listId, int position);

// Takes every control back into g_sMenuData, then copies its clock into
// SaveClock. IntervalUnit follows the unit list.
void CollectMenuPage(Dialog& dialog, int& IntervalUnit);

// The interval's two lists.
void FillInterval(Dialog& dialog, bool refill, int& IntervalUnit);
void ChangeIntervalUnit(Dialog& dialog, int& IntervalUnit);
void CollectInterval(Dialog& dialog, int& IntervalUnit);

// The six clock edits.
bool IsClockEdit(int id);
void ShowLocalClock(Platform& platform, Dialog& dialog);
void EmptyClockEdits(Dialog& dialog);
void SetClockEditLimits(Dialog& dialog);
void OnClockEditLeft(Platform& platform, Dialog& dialog, int id);
void CollectClock(Dialog& dialog);

}  // namespace trailcfg
