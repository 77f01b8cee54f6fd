#include "camera_page_lists.h"

#include <cstdint>

#include "app/process_state.h"
#include "camera/camera_menu.h"
#include "pages/camera_page_texts.h"
#include "platform/control_ids.h"
#include "ui/apply_texts.h"

namespace trailcfg {

using namespace ids::camera;

namespace {

#define MENU_FIELD(name) offsetof(CameraMenu, name)

constexpr MenuList kMenuLists[] = {
    {kModeList, MENU_FIELD(CapMode), kCapModeItems, 0},
    {kImageSizeList, MENU_FIELD(ImgSize), kImgSizeItems, 0},
    {kVideoSizeList, MENU_FIELD(VideoSize), kVideoSizeItems, 0},
    {kPictureNumberList, MENU_FIELD(PicNum), kPicNumItems, 0},
    {kTimeStampList, MENU_FIELD(TimeStamp), kOnOffItems, 0},
    {kSenseLevelList, MENU_FIELD(SenseLevel), kSenseLevelItems, 0},
    {kSidePirList, MENU_FIELD(SidePir), kOffOnItems, 0},
    // Seconds minus one: the first item, "1", is stored as 0.
    {kVideoLengthList, MENU_FIELD(VideoLength), kOneToSixtyItems, 0},
    {kDateFormatList, MENU_FIELD(DateFormat), kDateFormatItems, 0},
    {kBeepSoundList, MENU_FIELD(BeepSound), kOffOnItems, 0},
    {kSdCycleList, MENU_FIELD(SdCycle), kOffOnItems, 0},
    {kLanguageList, MENU_FIELD(Language), kLanguageItems, 1},
    {kClockModeList, MENU_FIELD(ClockMode), kClockModeItems, 0},
    {kTimer1ModeList, MENU_FIELD(Timer1Mode), kOffOnItems, 0},
    {kTimer1StartHourList, MENU_FIELD(Timer1StartHour), kHourItems, 0},
    {kTimer1StartMinList, MENU_FIELD(Timer1StartMin), kMinuteItems, 0},
    {kTimer1EndHourList, MENU_FIELD(Timer1EndHour), kHourItems, 0},
    {kTimer1EndMinList, MENU_FIELD(Timer1EndMin), kMinuteItems, 0},
    {kTimer2ModeList, MENU_FIELD(Timer2Mode), kOffOnItems, 0},
    {kTimer2StartHourList, MENU_FIELD(Timer2StartHour), kHourItems, 0},
    {kTimer2StartMinList, MENU_FIELD(Timer2StartMin), kMinuteItems, 0},
    {kTimer2EndHourList, MENU_FIELD(Timer2EndHour), kHourItems, 0},
    {kTimer2EndMinList, MENU_FIELD(Timer2EndMin), kMinuteItems, 0},
    {kSerialModeList, MENU_FIELD(SerialMode), kOffOnItems, 0},
    {kSerial1List, MENU_FIELD(Serial) + 0, kSerialCharItems, 0},
    {kSerial2List, MENU_FIELD(Serial) + 1, kSerialCharItems, 0},
    {kSerial3List, MENU_FIELD(Serial) + 2, kSerialCharItems, 0},
    {kSerial4List, MENU_FIELD(Serial) + 3, kSerialCharItems, 0},
    {kTimeLapseModeList, MENU_FIELD(TimeLapseMode), kOnOffItems, 0},
    {kTimeLapseHourList, MENU_FIELD(TimeLapseHour), kHourItems, 0},
    {kTimeLapseMinList, MENU_FIELD(TimeLapseMin), kMinuteItems, 0},
    {kTimeLapseSecList, MENU_FIELD(TimeLapseSec), kMinuteItems, 0},
};

#undef MENU_FIELD

std::uint8_t& FieldOf(const MenuList& list) { return RecordBytes(g_sMenuData)[list.offset]; }

}  // namespace

std::span<const MenuList> MenuLists() { return kMenuLists; }

void FillMenuList(Dialog& dialog, const MenuList& list) { AddListItems(dialog, list.id, list.items); }

void SelectMenuList(Dialog& dialog, const MenuList& list) {
    std::uint8_t& field = FieldOf(list);
    if (field < list.first) field = static_cast<std::uint8_t>(list.first);
    dialog.ListSelect(list.id, field - list.first);
}

void CollectMenuList(Dialog& dialog, const MenuList& list) {
    FieldOf(list) = static_cast<std::uint8_t>(dialog.ListSelection(list.id) + list.first);
}

}  // namespace trailcfg
