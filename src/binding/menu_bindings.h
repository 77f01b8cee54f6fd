// CameraMenu, field by field in the order of its field table: the words for
// each field (all the Camera Setup page's captions), what a user may give it,
// and the page's list that shows it.
#pragma once

#include <span>

#include "binding/field_binding.h"
#include "camera/camera_menu.h"
#include "platform/layout.h"
#include "texts/camera_page_texts.h"
#include "texts/field_names.h"

namespace trailcfg {

namespace menu_binding_detail {

using namespace field_names;
using namespace ids::camera;

constexpr TextPair Camera(int id) { return CaptionOf(kCameraPageCaptions, id); }

#define MENU_FIELD(member) TRAILCFG_FIELD(CameraMenu, member)

constexpr FieldBinding Listed(FieldDesc f, TextPair a, TextPair b, TextPair c, Items items, int control,
                              int first = 0) {
    return ListRow(f, a, b, c, items, first).DropDown(kTemplateCameraPage, control);
}

constexpr Items kOffOn = ItemsOf(kOffOnItems);
constexpr Items kOnOff = ItemsOf(kOnOffItems);
constexpr Items kHours = ItemsOf(kHourItems);
constexpr Items kMinutes = ItemsOf(kMinuteItems);
constexpr Items kSerialChars = ItemsOf(kSerialCharItems);

inline constexpr FieldBinding kRows[] = {
    Listed(MENU_FIELD(CapMode), Camera(kModeLabel), kNoLabel, kNoLabel, ItemsOf(kCapModeItems), kModeList),
    Listed(MENU_FIELD(ImgSize), Camera(kImageSizeLabel), kNoLabel, kNoLabel, ItemsOf(kImgSizeItems), kImageSizeList),
    Listed(MENU_FIELD(VideoSize), Camera(kVideoSizeLabel), kNoLabel, kNoLabel, ItemsOf(kVideoSizeItems),
           kVideoSizeList),
    Listed(MENU_FIELD(PicNum), Camera(kPictureNumberLabel), kNoLabel, kNoLabel, ItemsOf(kPicNumItems),
           kPictureNumberList),
    Listed(MENU_FIELD(TimeStamp), Camera(kTimeStampLabel), kNoLabel, kNoLabel, kOnOff, kTimeStampList),
    Listed(MENU_FIELD(SenseLevel), Camera(kSenseLevelLabel), kNoLabel, kNoLabel, ItemsOf(kSenseLevelItems),
           kSenseLevelList),
    Listed(MENU_FIELD(SidePir), Camera(kSidePirLabel), kNoLabel, kNoLabel, kOffOn, kSidePirList),
    // Seconds minus one: the first item, "1", is stored as 0.
    NumberRow(MENU_FIELD(VideoLength), Camera(kVideoLengthLabel), kNoLabel, kNoLabel, 0, 59, Explain::VideoLength)
        .Listing(ItemsOf(kOneToSixtyItems))
        .DropDown(kTemplateCameraPage, kVideoLengthList),
    // Its number list changes with its unit (pages/camera_page_interval.cpp).
    NumberRow(MENU_FIELD(Interval), Camera(kIntervalLabel), kNoLabel, kNoLabel, 0, 119, Explain::Interval)
        .OwnControl(kTemplateCameraPage, kIntervalNumberList),
    Listed(MENU_FIELD(DateFormat), Camera(kDateFormatLabel), kNoLabel, kNoLabel, ItemsOf(kDateFormatItems),
           kDateFormatList),
    Listed(MENU_FIELD(BeepSound), Camera(kBeepSoundLabel), kNoLabel, kNoLabel, kOffOn, kBeepSoundList),
    Listed(MENU_FIELD(SdCycle), Camera(kSdCycleLabel), kNoLabel, kNoLabel, kOffOn, kSdCycleList),
    Listed(MENU_FIELD(Language), Camera(kLanguageLabel), kNoLabel, kNoLabel, ItemsOf(kLanguageItems), kLanguageList, 1),
    Listed(MENU_FIELD(ClockMode), Camera(kClockLabel), kNoLabel, kNoLabel, ItemsOf(kClockModeItems), kClockModeList),
    // The clock is the page's own (pages/camera_page_clock.cpp).
    NumberRow(MENU_FIELD(Year), Camera(kClockLabel), kYear, kNoLabel, 0, 9999)
        .OwnControl(kTemplateCameraPage, kYearEdit),
    NumberRow(MENU_FIELD(Month), Camera(kClockLabel), kMonth, kNoLabel, 0, 12)
        .OwnControl(kTemplateCameraPage, kMonthEdit),
    NumberRow(MENU_FIELD(Day), Camera(kClockLabel), kDay, kNoLabel, 0, 31).OwnControl(kTemplateCameraPage, kDayEdit),
    NumberRow(MENU_FIELD(Hour), Camera(kClockLabel), kHour, kNoLabel, 0, 23).OwnControl(kTemplateCameraPage, kHourEdit),
    NumberRow(MENU_FIELD(Minute), Camera(kClockLabel), kMinute, kNoLabel, 0, 59)
        .OwnControl(kTemplateCameraPage, kMinuteEdit),
    NumberRow(MENU_FIELD(Second), Camera(kClockLabel), kSecond, kNoLabel, 0, 59)
        .OwnControl(kTemplateCameraPage, kSecondEdit),
    Listed(MENU_FIELD(Timer1Mode), Camera(kTimer1Label), kNoLabel, kNoLabel, kOffOn, kTimer1ModeList),
    Listed(MENU_FIELD(Timer1StartHour), Camera(kTimer1Label), Camera(kTimer1StartFrame), Camera(kTimer1StartHourHead),
           kHours, kTimer1StartHourList),
    Listed(MENU_FIELD(Timer1StartMin), Camera(kTimer1Label), Camera(kTimer1StartFrame), Camera(kTimer1StartMinHead),
           kMinutes, kTimer1StartMinList),
    Listed(MENU_FIELD(Timer1EndHour), Camera(kTimer1Label), Camera(kTimer1EndFrame), Camera(kTimer1EndHourHead), kHours,
           kTimer1EndHourList),
    Listed(MENU_FIELD(Timer1EndMin), Camera(kTimer1Label), Camera(kTimer1EndFrame), Camera(kTimer1EndMinHead), kMinutes,
           kTimer1EndMinList),
    Listed(MENU_FIELD(Timer2Mode), Camera(kTimer2Label), kNoLabel, kNoLabel, kOffOn, kTimer2ModeList),
    Listed(MENU_FIELD(Timer2StartHour), Camera(kTimer2Label), Camera(kTimer2StartFrame), Camera(kTimer2StartHourHead),
           kHours, kTimer2StartHourList),
    Listed(MENU_FIELD(Timer2StartMin), Camera(kTimer2Label), Camera(kTimer2StartFrame), Camera(kTimer2StartMinHead),
           kMinutes, kTimer2StartMinList),
    Listed(MENU_FIELD(Timer2EndHour), Camera(kTimer2Label), Camera(kTimer2EndFrame), Camera(kTimer2EndHourHead), kHours,
           kTimer2EndHourList),
    Listed(MENU_FIELD(Timer2EndMin), Camera(kTimer2Label), Camera(kTimer2EndFrame), Camera(kTimer2EndMinHead), kMinutes,
           kTimer2EndMinList),
    Listed(MENU_FIELD(SerialMode), Camera(kSerialLabel), kNoLabel, kNoLabel, kOffOn, kSerialModeList),
    Listed(MENU_FIELD(Serial[0]), Camera(kSerialLabel), kCharacter, kDigit[0], kSerialChars, kSerial1List),
    Listed(MENU_FIELD(Serial[1]), Camera(kSerialLabel), kCharacter, kDigit[1], kSerialChars, kSerial2List),
    Listed(MENU_FIELD(Serial[2]), Camera(kSerialLabel), kCharacter, kDigit[2], kSerialChars, kSerial3List),
    Listed(MENU_FIELD(Serial[3]), Camera(kSerialLabel), kCharacter, kDigit[3], kSerialChars, kSerial4List),
    Listed(MENU_FIELD(TimeLapseMode), Camera(kTimeLapseLabel), kNoLabel, kNoLabel, kOnOff, kTimeLapseModeList),
    Listed(MENU_FIELD(TimeLapseHour), Camera(kTimeLapseLabel), Camera(kTimeLapseHourHead), kNoLabel, kHours,
           kTimeLapseHourList),
    Listed(MENU_FIELD(TimeLapseMin), Camera(kTimeLapseLabel), Camera(kTimeLapseMinHead), kNoLabel, kMinutes,
           kTimeLapseMinList),
    Listed(MENU_FIELD(TimeLapseSec), Camera(kTimeLapseLabel), Camera(kTimeLapseSecHead), kNoLabel, kMinutes,
           kTimeLapseSecList),
    NumberRow(MENU_FIELD(Marker), kMarker, kNoLabel, kNoLabel, 0, 0xFF),
    NumberRow(MENU_FIELD(Reserved), kReserved, kNoLabel, kNoLabel, 0, 0xFF),
    NumberRow(MENU_FIELD(Flag), kFormatMarker, kNoLabel, kNoLabel, 0, 0xFFFF, Explain::Hex),
};

#undef MENU_FIELD

}  // namespace menu_binding_detail

// Every field of CameraMenu, in the order of CameraMenuFields().
inline constexpr std::span<const FieldBinding> kMenuBindings = menu_binding_detail::kRows;

}  // namespace trailcfg
