#include "camera_page_lists.h"

#include <cstdint>

#include "app/process_state.h"
#include "camera/camera_menu.h"
#include "pages/camera_page_texts.h"
#include "ui/apply_texts.h"

namespace trailcfg {

namespace {

#define MENU_FIELD(name) offsetof(CameraMenu, name)

constexpr MenuList kMenuLists[] = {
    {40006, MENU_FIELD(CapMode), kCapModeItems, 0},
    {40005, MENU_FIELD(ImgSize), kImgSizeItems, 0},
    {40007, MENU_FIELD(VideoSize), kVideoSizeItems, 0},
    {40010, MENU_FIELD(PicNum), kPicNumItems, 0},
    {40013, MENU_FIELD(TimeStamp), kOnOffItems, 0},
    {40016, MENU_FIELD(SenseLevel), kSenseLevelItems, 0},
    {40019, MENU_FIELD(SidePir), kOffOnItems, 0},
    // Seconds minus one: the first item, "1", is stored as 0.
    {40076, MENU_FIELD(VideoLength), kOneToSixtyItems, 0},
    {40028, MENU_FIELD(DateFormat), kDateFormatItems, 0},
    {40031, MENU_FIELD(BeepSound), kOffOnItems, 0},
    {40034, MENU_FIELD(SdCycle), kOffOnItems, 0},
    {40104, MENU_FIELD(Language), kLanguageItems, 1},
    {40037, MENU_FIELD(ClockMode), kClockModeItems, 0},
    {40050, MENU_FIELD(Timer1Mode), kOffOnItems, 0},
    {40110, MENU_FIELD(Timer1StartHour), kHourItems, 0},
    {40111, MENU_FIELD(Timer1StartMin), kMinuteItems, 0},
    {40109, MENU_FIELD(Timer1EndHour), kHourItems, 0},
    {40112, MENU_FIELD(Timer1EndMin), kMinuteItems, 0},
    {40064, MENU_FIELD(Timer2Mode), kOffOnItems, 0},
    {40113, MENU_FIELD(Timer2StartHour), kHourItems, 0},
    {40114, MENU_FIELD(Timer2StartMin), kMinuteItems, 0},
    {40115, MENU_FIELD(Timer2EndHour), kHourItems, 0},
    {40116, MENU_FIELD(Timer2EndMin), kMinuteItems, 0},
    {40080, MENU_FIELD(SerialMode), kOffOnItems, 0},
    {40093, MENU_FIELD(Serial) + 0, kSerialCharItems, 0},
    {40098, MENU_FIELD(Serial) + 1, kSerialCharItems, 0},
    {40099, MENU_FIELD(Serial) + 2, kSerialCharItems, 0},
    {40100, MENU_FIELD(Serial) + 3, kSerialCharItems, 0},
    {40083, MENU_FIELD(TimeLapseMode), kOnOffItems, 0},
    {40117, MENU_FIELD(TimeLapseHour), kHourItems, 0},
    {40118, MENU_FIELD(TimeLapseMin), kMinuteItems, 0},
    {40119, MENU_FIELD(TimeLapseSec), kMinuteItems, 0},
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
