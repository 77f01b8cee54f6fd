// The named fields of CameraMenu as an X-macro list, X(name, member, offset,
// kind, width), in record order: menu_fields.cpp makes the field table of it,
// and the binding rows are checked against it at compile time
// (binding/rows_follow_fields.cpp).
#pragma once

#define TRAILCFG_MENU_FIELDS(X)                      \
    X("CapMode", CapMode, 0, U8, 1)                  \
    X("ImgSize", ImgSize, 1, U8, 1)                  \
    X("VideoSize", VideoSize, 2, U8, 1)              \
    X("PicNum", PicNum, 3, U8, 1)                    \
    X("TimeStamp", TimeStamp, 4, U8, 1)              \
    X("SenseLevel", SenseLevel, 5, U8, 1)            \
    X("SidePir", SidePir, 6, U8, 1)                  \
    X("VideoLength", VideoLength, 7, U8, 1)          \
    X("Interval", Interval, 8, U8, 1)                \
    X("DateFormat", DateFormat, 9, U8, 1)            \
    X("BeepSound", BeepSound, 10, U8, 1)             \
    X("SdCycle", SdCycle, 11, U8, 1)                 \
    X("Language", Language, 12, U8, 1)               \
    X("ClockMode", ClockMode, 13, U8, 1)             \
    X("Year", Year, 14, U16, 2)                      \
    X("Month", Month, 16, U8, 1)                     \
    X("Day", Day, 17, U8, 1)                         \
    X("Hour", Hour, 18, U8, 1)                       \
    X("Minute", Minute, 19, U8, 1)                   \
    X("Second", Second, 20, U8, 1)                   \
    X("Timer1Mode", Timer1Mode, 21, U8, 1)           \
    X("Timer1StartHour", Timer1StartHour, 22, U8, 1) \
    X("Timer1StartMin", Timer1StartMin, 23, U8, 1)   \
    X("Timer1EndHour", Timer1EndHour, 24, U8, 1)     \
    X("Timer1EndMin", Timer1EndMin, 25, U8, 1)       \
    X("Timer2Mode", Timer2Mode, 26, U8, 1)           \
    X("Timer2StartHour", Timer2StartHour, 27, U8, 1) \
    X("Timer2StartMin", Timer2StartMin, 28, U8, 1)   \
    X("Timer2EndHour", Timer2EndHour, 29, U8, 1)     \
    X("Timer2EndMin", Timer2EndMin, 30, U8, 1)       \
    X("SerialMode", SerialMode, 31, U8, 1)           \
    X("Serial[0]", Serial[0], 32, U8, 1)             \
    X("Serial[1]", Serial[1], 33, U8, 1)             \
    X("Serial[2]", Serial[2], 34, U8, 1)             \
    X("Serial[3]", Serial[3], 35, U8, 1)             \
    X("TimeLapseMode", TimeLapseMode, 36, U8, 1)     \
    X("TimeLapseHour", TimeLapseHour, 37, U8, 1)     \
    X("TimeLapseMin", TimeLapseMin, 38, U8, 1)       \
    X("TimeLapseSec", TimeLapseSec, 39, U8, 1)       \
    X("Marker", Marker, 40, U8, 1)                   \
    X("Reserved", Reserved, 41, U8, 1)               \
    X("Flag", Flag, 42, U16, 2)
