// The one QApplication of the process and the program's pictures.
#pragma once

#include <QIcon>
#include <QImage>

class QApplication;

namespace trailcfg::qt {

// Whether a window system is there to show windows on. Without one (no
// DISPLAY and no WAYLAND_DISPLAY on X11/Wayland systems) the application
// runs on Qt's offscreen platform.
bool HasDisplay();

// The running QApplication, created on first use and kept for the rest of
// the process (Qt does not like being set up twice). nullptr when the
// process already runs a non-widget Qt application.
QApplication* EnsureApplication();

// Icon group 119: every page's small icon and the application's.
QIcon AppIcon();
// Bitmap 114, the start page's banner, loaded once and shared.
const QImage& BannerImage();

}  // namespace trailcfg::qt
