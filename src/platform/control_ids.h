// Every control id by name, one namespace per page. The names are written
// once, beside their numbers in the layout rows (resources/dialogs), and this
// header turns the same rows into constants; a name used twice on one page
// stops the build. The same number means different controls on different
// pages, so a page's code names its controls through its own namespace.
#pragma once

namespace trailcfg::ids {

#define CONTROL(name, id, ...) inline constexpr int name = id;
// A picture the backends paint has no id a page could address.
#define BITMAP(...)

namespace start {
#include "dialogs/dialog_111.inc"
}  // namespace start

namespace camera {
#include "dialogs/dialog_113.inc"
}  // namespace camera

namespace param {
#include "dialogs/dialog_107.inc"
}  // namespace param

namespace send {
#include "dialogs/dialog_106.inc"
}  // namespace send

#undef CONTROL
#undef BITMAP

}  // namespace trailcfg::ids
