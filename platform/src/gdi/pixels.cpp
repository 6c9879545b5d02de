// pixels.cpp - GetPixel and SetPixel.
#include "engine/pixels.h"
#include "gdi/drawing.h"
#include "gdi/memory_dc.h"
#include "gdi/printer_dc.h"

namespace platform {
namespace {

// The device point of the logical one when drawing may reach it: inside the device and its clip region.
bool VisiblePoint(const DeviceContext& dc, int x, int y, POINTL& device)
{
    if (!ToDevice(dc.attrs, x, y, device))
        return false;
    const auto inside = [&](const RECTL& r) {
        return device.x >= r.left && device.x < r.right && device.y >= r.top && device.y < r.bottom;
    };
    if (!inside(dc.Extent()))
        return false;
    if (!dc.attrs.draw.clip)
        return true;
    for (const RECTL& r : *dc.attrs.draw.clip)
        if (inside(r))
            return true;
    return false;
}

// What the device's pixel values mean.
engine::Palette PaletteOf(const DeviceContext& dc)
{
    if (dc.kind == DcKind::Memory)
        return static_cast<const MemoryDc&>(dc).Bitmap().Palette();
    const auto palette = engine::FindPalette(static_cast<const PrinterDc&>(dc).devInfo.hpalDefault);
    return palette != nullptr ? *palette : engine::Palette();
}

} // namespace
} // namespace platform

COLORREF WINAPI SetPixel(HDC hdc, int x, int y, COLORREF color)
{
    const auto dc = platform::DcOrFail(hdc);
    POINTL device;
    if (dc == nullptr || !platform::VisiblePoint(*dc, x, y, device))
        return static_cast<COLORREF>(-1);
    platform::BlitDrawing blit;
    blit.dest = {device.x, device.y, device.x + 1, device.y + 1};
    blit.brush.color = color & 0x00FFFFFF;
    blit.rop = PATCOPY;
    if (!platform::SubmitDrawing(*dc, {dc->attrs.draw, std::move(blit)}))
        return static_cast<COLORREF>(-1);
    // The colour the device shows for it: the nearest it has.
    const platform::engine::Palette palette = platform::PaletteOf(*dc);
    return platform::engine::ColorOfValue(palette, platform::engine::ValueOfColor(palette, color & 0x00FFFFFF));
}

COLORREF WINAPI GetPixel(HDC hdc, int x, int y)
{
    const auto dc = platform::DcOrFail(hdc);
    POINTL device;
    // Only a memory DC's bitmap can be read; a printer's page cannot.
    if (dc == nullptr || dc->kind != platform::DcKind::Memory || !platform::VisiblePoint(*dc, x, y, device))
        return CLR_INVALID;
    const platform::GdiBitmap& bitmap = static_cast<const platform::MemoryDc&>(*dc).Bitmap();
    const platform::engine::PixelAccess pixels(bitmap.so());
    return platform::engine::ColorOfValue(bitmap.Palette(), pixels.Get(device.x, device.y));
}
