// memory_dc.cpp - CreateCompatibleDC, CreateCompatibleBitmap and the deletion of memory DCs.
#include "gdi/memory_dc.h"
#include "gdi/bitmaps.h"
#include "gdi/printer_dc.h"
#include "gdi/selection.h"
#include "gdi/stock_objects.h"

namespace platform {
namespace {

// A bitmap in the printer's own format: its depth, and its palette as the colour table when it is indexed.
std::shared_ptr<GdiBitmap> PrinterBitmap(const PrinterDc& dc, LONG width, LONG height)
{
    const ULONG depth = dc.gdiInfo.cBitsPixel * std::max<ULONG>(dc.gdiInfo.cPlanes, 1);
    const WORD bits = depth <= 1 ? 1 : depth <= 4 ? 4 : depth <= 8 ? 8 : depth <= 16 ? 16 : depth <= 24 ? 24 : 32;
    std::vector<DWORD> table = DefaultColorTable(bits);
    if (const auto palette = engine::FindPalette(dc.devInfo.hpalDefault);
        bits <= 8 && palette != nullptr && palette->iMode == PAL_INDEXED) {
        table.clear();
        for (const ULONG entry : palette->entries)
            table.push_back(SwapRedBlue(entry & 0x00FFFFFF));
    }
    return MakeDdb(width, height, bits, std::move(table));
}

} // namespace

RECTL MemoryDc::Extent() const
{
    const GdiBitmap& bitmap = Bitmap();
    return {0, 0, bitmap.width, bitmap.height};
}

BOOL DeleteMemoryDc(const std::shared_ptr<DeviceContext>& dc)
{
    RemoveDc(dc->hdc);
    ReleaseSelections(*dc);
    return TRUE;
}

} // namespace platform

HDC WINAPI CreateCompatibleDC(HDC hdc)
{
    // A null hdc asks for a DC compatible with the screen; any other must be a DC.
    if (hdc != nullptr && platform::DcOrFail(hdc) == nullptr)
        return nullptr;
    const HBITMAP bitmap = platform::DefaultBitmap();
    if (bitmap == nullptr)
        return nullptr;
    auto dc = std::make_shared<platform::MemoryDc>();
    platform::InitialiseAttributes(dc->attrs);
    dc->attrs.bitmap = {bitmap, platform::FindGdiObject(bitmap)};
    return platform::AddDc(std::move(dc));
}

HBITMAP WINAPI CreateCompatibleBitmap(HDC hdc, int cx, int cy)
{
    const auto dc = platform::DcOrFail(hdc);
    if (dc == nullptr)
        return nullptr;
    if (cx < 0 || cy < 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    if (cx == 0 || cy == 0)   // an empty bitmap is a 1-by-1 monochrome one
        return CreateBitmap(0, 0, 1, 1, nullptr);
    std::shared_ptr<platform::GdiBitmap> bitmap;
    if (dc->kind == platform::DcKind::Printer) {
        bitmap = platform::PrinterBitmap(static_cast<const platform::PrinterDc&>(*dc), cx, cy);
    } else {
        // The format of the bitmap the memory DC holds: a new memory DC's is monochrome.
        bitmap = platform::MakeBitmapLike(static_cast<const platform::MemoryDc&>(*dc).Bitmap(), cx, cy);
        if (bitmap != nullptr)
            bitmap->isDib = false;
    }
    if (bitmap == nullptr)
        return nullptr;
    return reinterpret_cast<HBITMAP>(platform::AddGdiObject(std::move(bitmap)));
}
