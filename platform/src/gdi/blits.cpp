// blits.cpp - PatBlt, BitBlt, StretchBlt, StretchDIBits, SetDIBitsToDevice and FillRect: block transfers of the
// brush, a memory DC's bitmap or an application's DIB onto a device context.
#include "engine/raster.h"
#include "gdi/bitmaps.h"
#include "gdi/drawing.h"
#include "gdi/memory_dc.h"
#include "win/winuser.h"

#include <algorithm>

namespace platform {
namespace {

BOOL Refuse(DWORD error = ERROR_INVALID_PARAMETER)
{
    SetLastError(error);
    return FALSE;
}

// The device rectangle from (x, y) over (width, height) logical units, its corners in the order the extents
// give (a negative extent mirrors a stretch); false when a corner leaves the device range.
bool DeviceRect(const DcAttributes& attrs, int64_t x, int64_t y, int64_t width, int64_t height, RECTL& out)
{
    POINTL a, b;
    if (!ToDevice(attrs, x, y, a) || !ToDevice(attrs, x + width, y + height, b))
        return false;
    out = {a.x, a.y, b.x, b.y};
    return true;
}

RECTL Ordered(const RECTL& r)
{
    return {std::min(r.left, r.right), std::min(r.top, r.bottom), std::max(r.left, r.right),
            std::max(r.top, r.bottom)};
}

const LogicalBrush& SelectedBrush(const DeviceContext& dc)
{
    return static_cast<const GdiBrush&>(*dc.attrs.brush.object).brush;
}

BOOL Submit(DeviceContext& dc, BlitDrawing blit)
{
    return SubmitDrawing(dc, {dc.attrs.draw, std::move(blit)});
}

// A blit of the DC's brush alone over the rectangle.
BOOL PatternBlit(DeviceContext& dc, int x, int y, int width, int height, DWORD rop)
{
    BlitDrawing blit;
    if (!DeviceRect(dc.attrs, x, y, width, height, blit.dest))
        return FALSE;
    blit.dest = Ordered(blit.dest);
    blit.brush = SelectedBrush(dc);
    blit.rop = rop;
    return Submit(dc, std::move(blit));
}

// A blit from a memory DC's bitmap; the source rectangle is in the source DC's logical units.
BOOL SourceBlit(DeviceContext& dc, int x, int y, int width, int height, HDC hdcSrc, int xSrc, int ySrc,
                int widthSrc, int heightSrc, DWORD rop)
{
    if (!engine::Rop3UsesSource(static_cast<BYTE>(rop >> 16)))
        return PatternBlit(dc, x, y, width, height, rop);
    const auto source = DcOrFail(hdcSrc);
    if (source == nullptr)
        return FALSE;
    // A printer's page cannot be read back: only a memory DC's bitmap is a source.
    if (source->kind != DcKind::Memory)
        return Refuse();
    BlitDrawing blit;
    if (!DeviceRect(dc.attrs, x, y, width, height, blit.dest) ||
        !DeviceRect(source->attrs, xSrc, ySrc, widthSrc, heightSrc, blit.source))
        return FALSE;
    blit.bitmap = std::static_pointer_cast<const GdiBitmap>(source->attrs.bitmap.object);
    blit.sourceBkColor = source->attrs.draw.bkColor;
    blit.brush = SelectedBrush(dc);
    blit.rop = rop;
    return Submit(dc, std::move(blit));
}

// A DIB's rectangle given from the DIB's origin (its bottom left corner for a bottom-up DIB) as rows of its
// image counted from the top.
RECTL ImageRect(const DibLayout& layout, int64_t x, int64_t y, int64_t width, int64_t height)
{
    const int64_t top = layout.topDown ? y : layout.height - y - height;
    const auto clamp = [](int64_t v) { return static_cast<LONG>(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX)); };
    return {clamp(x), clamp(top), clamp(x + width), clamp(top + height)};
}

} // namespace
} // namespace platform

using platform::BlitDrawing;

BOOL WINAPI PatBlt(HDC hdc, int x, int y, int w, int h, DWORD rop)
{
    const auto dc = platform::DcOrFail(hdc);
    if (dc == nullptr)
        return FALSE;
    if (platform::engine::Rop3UsesSource(static_cast<BYTE>(rop >> 16)))
        return platform::Refuse();   // PatBlt has no source
    return platform::PatternBlit(*dc, x, y, w, h, rop);
}

BOOL WINAPI BitBlt(HDC hdc, int x, int y, int cx, int cy, HDC hdcSrc, int x1, int y1, DWORD rop)
{
    const auto dc = platform::DcOrFail(hdc);
    if (dc == nullptr)
        return FALSE;
    return platform::SourceBlit(*dc, x, y, cx, cy, hdcSrc, x1, y1, cx, cy, rop);
}

BOOL WINAPI StretchBlt(HDC hdcDest, int xDest, int yDest, int wDest, int hDest, HDC hdcSrc, int xSrc, int ySrc,
                       int wSrc, int hSrc, DWORD rop)
{
    const auto dc = platform::DcOrFail(hdcDest);
    if (dc == nullptr)
        return FALSE;
    return platform::SourceBlit(*dc, xDest, yDest, wDest, hDest, hdcSrc, xSrc, ySrc, wSrc, hSrc, rop);
}

int WINAPI StretchDIBits(HDC hdc, int xDest, int yDest, int DestWidth, int DestHeight, int xSrc, int ySrc,
                         int SrcWidth, int SrcHeight, const VOID* lpBits, const BITMAPINFO* lpbmi, UINT iUsage,
                         DWORD rop)
{
    const auto dc = platform::DcOrFail(hdc);
    if (dc == nullptr)
        return 0;
    platform::DibLayout layout;
    if (!platform::ReadDibHeader(lpbmi, iUsage, layout))
        return 0;
    BlitDrawing blit;
    if (!platform::DeviceRect(dc->attrs, xDest, yDest, DestWidth, DestHeight, blit.dest))
        return 0;
    if (platform::engine::Rop3UsesSource(static_cast<BYTE>(rop >> 16))) {
        if (lpBits == nullptr)
            return platform::Refuse();
        blit.bitmap = platform::BitmapFromDib(layout, lpBits, 0, layout.height);
        if (blit.bitmap == nullptr)
            return 0;
        blit.source = platform::ImageRect(layout, xSrc, ySrc, SrcWidth, SrcHeight);
    } else {
        blit.dest = platform::Ordered(blit.dest);
    }
    blit.brush = platform::SelectedBrush(*dc);
    blit.rop = rop;
    if (!platform::Submit(*dc, std::move(blit)))
        return 0;
    return SrcHeight;
}

int WINAPI SetDIBitsToDevice(HDC hdc, int xDest, int yDest, DWORD w, DWORD h, int xSrc, int ySrc, UINT StartScan,
                             UINT cLines, const VOID* lpvBits, const BITMAPINFO* lpbmi, UINT ColorUse)
{
    const auto dc = platform::DcOrFail(hdc);
    if (dc == nullptr)
        return 0;
    platform::DibLayout layout;
    if (!platform::ReadDibHeader(lpbmi, ColorUse, layout))
        return 0;
    if (lpvBits == nullptr || w > 0x7FFFFFFF || h > 0x7FFFFFFF || StartScan >= static_cast<UINT>(layout.height))
        return platform::Refuse();
    const LONG lines = static_cast<LONG>(std::min<UINT>(cLines, layout.height - StartScan));
    // Only the scan lines given are drawn: the source rectangle is cut to the image rows they hold.
    const RECTL present = platform::ImageRect(layout, 0, StartScan, layout.width, lines);
    RECTL source = platform::ImageRect(layout, xSrc, ySrc, w, h);
    const LONG top = std::max(source.top, present.top);
    const LONG bottom = std::min(source.bottom, present.bottom);
    if (top >= bottom || source.left >= source.right)
        return lines;
    BlitDrawing blit;
    if (!platform::DeviceRect(dc->attrs, xDest, int64_t{yDest} + (top - source.top), w, bottom - top, blit.dest))
        return 0;
    blit.bitmap = platform::BitmapFromDib(layout, lpvBits, static_cast<LONG>(StartScan), lines);
    if (blit.bitmap == nullptr)
        return 0;
    blit.source = {source.left, top, source.right, bottom};
    blit.rop = SRCCOPY;
    return platform::Submit(*dc, std::move(blit)) ? lines : 0;
}

int WINAPI FillRect(HDC hDC, const RECT* lprc, HBRUSH hbr)
{
    const auto dc = platform::DcOrFail(hDC);
    if (dc == nullptr)
        return 0;
    const auto brush = platform::FindGdiObjectOf<platform::GdiBrush>(hbr, platform::GdiObjectKind::Brush);
    if (brush == nullptr)
        return platform::Refuse(ERROR_INVALID_HANDLE);
    if (lprc == nullptr)
        return platform::Refuse();
    // The rectangle as given: one with its right or bottom edge before its left or top fills nothing.
    if (lprc->right <= lprc->left || lprc->bottom <= lprc->top)
        return 1;
    BlitDrawing blit;
    if (!platform::DeviceRect(dc->attrs, lprc->left, lprc->top, int64_t{lprc->right} - lprc->left,
                              int64_t{lprc->bottom} - lprc->top, blit.dest))
        return 0;
    blit.brush = brush->brush;
    blit.rop = PATCOPY;
    return platform::Submit(*dc, std::move(blit)) ? 1 : 0;
}
