#include "win32_banner.h"

#include <algorithm>
#include <cstdlib>
#include <map>

#include "resource_ids.h"

namespace trailcfg::win32 {

static_assert(IDB_BANNER == kBannerBitmap && IDB_BANNER_2X == kBannerBitmap2x && IDI_APP == kIconApp &&
                  IDI_FILE == kIconFile,
              "the resource script and the layouts must name the same resources");

namespace {

// Each bitmap drawn at twice the size, for 150 % and more.
struct LargeCompanion {
    int bitmap;
    int large;
};
constexpr LargeCompanion kLargeCompanions[] = {{kBannerBitmap, kBannerBitmap2x}};

int LargeCompanionOf(int bitmapId) {
    for (const LargeCompanion& c : kLargeCompanions)
        if (c.bitmap == bitmapId) return c.large;
    return 0;
}

struct Loaded {
    HBITMAP bitmap = nullptr;
    HBITMAP large = nullptr;
};

std::map<int, Loaded>& LoadedBitmaps() {
    static std::map<int, Loaded> loaded;
    return loaded;
}

const Loaded* Find(int bitmapId) {
    const auto it = LoadedBitmaps().find(bitmapId);
    return it == LoadedBitmaps().end() || !it->second.bitmap ? nullptr : &it->second;
}

HBITMAP Load(int resourceId, UINT flags) {
    return static_cast<HBITMAP>(
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(resourceId), IMAGE_BITMAP, 0, 0, flags));
}

}  // namespace

HBITMAP AcquireBitmap(int bitmapId) {
    Loaded& loaded = LoadedBitmaps()[bitmapId];
    if (!loaded.bitmap) loaded.bitmap = Load(bitmapId, LR_CREATEDIBSECTION | LR_SHARED);
    const int large = LargeCompanionOf(bitmapId);
    if (!loaded.large && large) loaded.large = Load(large, LR_CREATEDIBSECTION);
    return loaded.bitmap;
}

void ReleaseBitmap(int bitmapId) {
    const auto it = LoadedBitmaps().find(bitmapId);
    if (it == LoadedBitmaps().end()) return;
    if (it->second.bitmap) DeleteObject(it->second.bitmap);
    if (it->second.large) DeleteObject(it->second.large);
    LoadedBitmaps().erase(it);
}

bool BitmapLoaded(int bitmapId) { return Find(bitmapId) != nullptr; }

BitmapBlock BitmapBlockFor(const ControlLayout& row, int bitmapWidth, int bitmapHeight) {
    // A block copy reads nothing beyond the bitmap's own pixels: where the
    // block is larger, the page's background stays.
    return BitmapBlock{POINT{row.x, row.y}, SIZE{std::clamp(bitmapWidth, 0, static_cast<int>(row.cx)),
                                                 std::clamp(bitmapHeight, 0, static_cast<int>(row.cy))}};
}

void PaintBitmapRow(HDC dc, const ControlLayout& row, UINT dpi) {
    const Loaded* loaded = Find(row.picture);
    BITMAP info{};
    if (!loaded || !GetObjectW(loaded->bitmap, sizeof info, &info)) return;
    const BitmapBlock block = BitmapBlockFor(row, info.bmWidth, std::abs(info.bmHeight));
    HDC memory = CreateCompatibleDC(dc);
    if (!memory) return;
    BITMAP large{};
    const bool scaled = dpi != 96 && dpi != 0;
    const bool useLarge = scaled && loaded->large && GetObjectW(loaded->large, sizeof large, &large) &&
                          large.bmWidth == 2 * info.bmWidth && std::abs(large.bmHeight) == 2 * std::abs(info.bmHeight);
    HGDIOBJ previous = SelectObject(memory, useLarge ? loaded->large : loaded->bitmap);
    if (!scaled) {
        BitBlt(dc, block.at.x, block.at.y, block.size.cx, block.size.cy, memory, 0, 0, SRCCOPY);
    } else {
        // The block keeps its place and size in the page's terms: it grows
        // with the DPI as the controls do, drawn from the large picture.
        const int factor = useLarge ? 2 : 1;
        const auto at = [dpi](int v) { return MulDiv(v, static_cast<int>(dpi), 96); };
        const int prior = SetStretchBltMode(dc, HALFTONE);
        SetBrushOrgEx(dc, 0, 0, nullptr);
        StretchBlt(dc, at(block.at.x), at(block.at.y), at(block.at.x + block.size.cx) - at(block.at.x),
                   at(block.at.y + block.size.cy) - at(block.at.y), memory, 0, 0, block.size.cx * factor,
                   block.size.cy * factor, SRCCOPY);
        SetStretchBltMode(dc, prior);
    }
    SelectObject(memory, previous);
    DeleteDC(memory);
}

void PageBitmaps::Acquire() {
    for (const ControlLayout& row : layout_)
        if (IsBitmapRow(row) && AcquireBitmap(row.picture)) held_ = true;
}

void PageBitmaps::Release() {
    held_ = false;
    for (const ControlLayout& row : layout_)
        if (IsBitmapRow(row)) ReleaseBitmap(row.picture);
}

void PageBitmaps::Paint(HDC dc, UINT dpi) const {
    for (const ControlLayout& row : layout_)
        if (IsBitmapRow(row)) PaintBitmapRow(dc, row, dpi);
}

}  // namespace trailcfg::win32
