// How large a page's window opens on a given screen. A page is laid out for
// a fixed size; on a small or strongly scaled screen that size may be more
// than the monitor's work area (the screen less the task bar), and a window
// that runs under the task bar or off the screen hides the controls at its
// bottom (Generate). Such a page opens no larger than the work area and
// scrolls instead. A page that fits opens exactly as laid out.
//
// Pure arithmetic in pixels, with no toolkit behind it, so that every backend
// applies the same rule.
#pragma once

#include <algorithm>

namespace trailcfg {

struct PixelSize {
    int width = 0;
    int height = 0;
    constexpr bool operator==(const PixelSize&) const = default;
};

struct PageFit {
    PixelSize client;      // the window's client area: the viewport when it scrolls
    bool hScroll = false;  // a horizontal scroll bar along the bottom
    bool vScroll = false;  // a vertical scroll bar at the right
    constexpr bool Scrolls() const { return hScroll || vScroll; }
    constexpr bool operator==(const PageFit&) const = default;
};

// `page`: the client size the layout asks for. `frame`: what the window adds
// around its client (title bar and borders). `work`: the work area of the
// monitor the page opens on. `bars`: the width of a vertical and the height
// of a horizontal scroll bar.
//
// A scroll bar takes room from the viewport, so one bar may make the other
// necessary; the client is the page plus its bars, cut to what the work
// area leaves beside the frame. A work area smaller than the frame (no
// sensible screen) still leaves a one-pixel client rather than none.
constexpr PageFit FitPage(PixelSize page, PixelSize frame, PixelSize work, PixelSize bars) {
    const int roomW = std::max(1, work.width - frame.width);
    const int roomH = std::max(1, work.height - frame.height);
    PageFit fit;
    fit.vScroll = page.height > roomH;
    fit.hScroll = page.width + (fit.vScroll ? bars.width : 0) > roomW;
    if (fit.hScroll && !fit.vScroll) fit.vScroll = page.height + bars.height > roomH;
    const int wantW = page.width + (fit.vScroll ? bars.width : 0);
    const int wantH = page.height + (fit.hScroll ? bars.height : 0);
    fit.client = PixelSize{std::min(wantW, roomW), std::min(wantH, roomH)};
    return fit;
}

// Where the window's outer top-left goes: centred on the work area as far as
// it fits, never above or left of it, so that the title bar can be reached.
// `origin` is the work area's top-left; `outer` the window's size with frame.
struct PixelPoint {
    int x = 0;
    int y = 0;
    constexpr bool operator==(const PixelPoint&) const = default;
};

constexpr PixelPoint PlaceWindow(PixelPoint origin, PixelSize work, PixelSize outer) {
    return PixelPoint{origin.x + std::max(0, (work.width - outer.width) / 2),
                      origin.y + std::max(0, (work.height - outer.height) / 2)};
}

}  // namespace trailcfg
