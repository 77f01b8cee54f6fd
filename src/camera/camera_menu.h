// CameraMenu: the camera's own menu, byte for byte the plain image of menu.dat
// (44 bytes, little-endian words).
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

#include "common/field_table.h"
#include "common/le.h"

namespace trailcfg {

inline constexpr std::size_t kCameraMenuSize = 44;
inline constexpr std::uint16_t kMenuFlag = 0x8081;
inline constexpr std::uint8_t kMenuMarker = 143;
inline constexpr const char* kMenuFileName = "menu.dat";

// The clock's fields: in CameraMenu at offsets 14..20, and on their own as
// MenuClock, the save clock. One list, so the two cannot drift apart.
#define TRAILCFG_MENU_CLOCK_FIELDS \
    LeU16 Year;                    \
    std::uint8_t Month;            \
    std::uint8_t Day;              \
    std::uint8_t Hour;             \
    std::uint8_t Minute;           \
    std::uint8_t Second;

struct CameraMenu {
    std::uint8_t CapMode;
    std::uint8_t ImgSize;
    std::uint8_t VideoSize;
    std::uint8_t PicNum;
    std::uint8_t TimeStamp;  // 0 On, 1 Off
    std::uint8_t SenseLevel;
    std::uint8_t SidePir;
    std::uint8_t VideoLength;  // seconds - 1
    std::uint8_t Interval;     // 0..59 s, 60..119 = 1..60 min
    std::uint8_t DateFormat;
    std::uint8_t BeepSound;
    std::uint8_t SdCycle;
    std::uint8_t Language;   // counted from 1
    std::uint8_t ClockMode;  // 0 Auto, 1 Input, 2 Off
    TRAILCFG_MENU_CLOCK_FIELDS
    std::uint8_t Timer1Mode;
    std::uint8_t Timer1StartHour;
    std::uint8_t Timer1StartMin;
    std::uint8_t Timer1EndHour;
    std::uint8_t Timer1EndMin;
    std::uint8_t Timer2Mode;
    std::uint8_t Timer2StartHour;
    std::uint8_t Timer2StartMin;
    std::uint8_t Timer2EndHour;
    std::uint8_t Timer2EndMin;
    std::uint8_t SerialMode;
    std::uint8_t Serial[4];      // positions in "0..9A..Z"
    std::uint8_t TimeLapseMode;  // 0 On, 1 Off
    std::uint8_t TimeLapseHour;
    std::uint8_t TimeLapseMin;
    std::uint8_t TimeLapseSec;
    std::uint8_t Marker;
    std::uint8_t Reserved;
    LeU16 Flag;
};

static_assert(sizeof(CameraMenu) == kCameraMenuSize);

// The clock bytes of CameraMenu (offsets 14..20) on their own.
struct MenuClock {
    TRAILCFG_MENU_CLOCK_FIELDS
};

#undef TRAILCFG_MENU_CLOCK_FIELDS

static_assert(sizeof(MenuClock) == 7);
inline constexpr std::size_t kMenuClockOffset = 14;

const FieldTable& CameraMenuFields();
const FieldTable& MenuClockFields();

inline std::uint8_t* RecordBytes(CameraMenu& m) { return reinterpret_cast<std::uint8_t*>(&m); }
inline const std::uint8_t* RecordBytes(const CameraMenu& m) { return reinterpret_cast<const std::uint8_t*>(&m); }

// The record's clock bytes, as the save clock keeps them.
inline MenuClock ClockOf(const CameraMenu& m) {
    MenuClock clock;
    std::memcpy(&clock, RecordBytes(m) + kMenuClockOffset, sizeof clock);
    return clock;
}

// Each value is cut to its field.
inline void SetClock(CameraMenu& m, int year, int month, int day, int hour, int minute, int second) {
    m.Year = static_cast<std::uint16_t>(year);
    m.Month = static_cast<std::uint8_t>(month);
    m.Day = static_cast<std::uint8_t>(day);
    m.Hour = static_cast<std::uint8_t>(hour);
    m.Minute = static_cast<std::uint8_t>(minute);
    m.Second = static_cast<std::uint8_t>(second);
}

}  // namespace trailcfg
