// Writing menu.dat and confirming it by reading it back, for the page's
// Generate and Default.
#pragma once

#include "app/card_write.h"
#include "app/state_files.h"
#include "camera/menu_file.h"

namespace trailcfg {

// Writes g_sMenuData as menu.dat and reads the file back, holding the
// card's lock throughout. Confirmed only when the read succeeds and the file holds every byte that was written: the
// reader compares the clock alone, and not even that while SaveClock's year is 0. When the confirmation fails,
// g_sMenuData keeps what was written instead of what the reader found, so a bad card cannot replace the user's settings
// (the page has taken the values from its controls, and the bytes it never
// shows, Marker and Reserved, would otherwise come from the bad file).
CardWrite WriteVerifiedMenuFile(bool (*write)() = WriteMenuFile, int (*read)() = ReadMenuFile);

}  // namespace trailcfg
