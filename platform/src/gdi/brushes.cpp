// brushes.cpp - the brush creation calls and the hatch patterns.
#include "gdi/brushes.h"
#include "gdi/bitmaps.h"

#include <iterator>

namespace platform {
namespace {

// The rows of each hatch, top down, the leftmost pixel in the highest bit: 0 on a line, 1 between lines. The
// lines pass through the pattern's first row and column, so they line up with the brush origin.
struct HatchRow {
    ULONG hatch;        // HS_DDI_MAX ends the table
    BYTE rows[8];
};

constexpr HatchRow kHatchRows[] = {
    {HS_HORIZONTAL, {0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}},
    {HS_VERTICAL,   {0x7F, 0x7F, 0x7F, 0x7F, 0x7F, 0x7F, 0x7F, 0x7F}},
    {HS_FDIAGONAL,  {0x7F, 0xBF, 0xDF, 0xEF, 0xF7, 0xFB, 0xFD, 0xFE}},   // downward, left to right
    {HS_BDIAGONAL,  {0xFE, 0xFD, 0xFB, 0xF7, 0xEF, 0xDF, 0xBF, 0x7F}},   // upward, left to right
    {HS_CROSS,      {0x00, 0x7F, 0x7F, 0x7F, 0x7F, 0x7F, 0x7F, 0x7F}},
    {HS_DIAGCROSS,  {0x7E, 0xBD, 0xDB, 0xE7, 0xE7, 0xDB, 0xBD, 0x7E}},
    {HS_DDI_MAX,    {}},
};
static_assert(kHatchRows[std::size(kHatchRows) - 1].hatch == HS_DDI_MAX, "terminator must be last");

const HatchRow* FindHatchRow(ULONG hatch)
{
    for (const HatchRow* row = kHatchRows; row->hatch != HS_DDI_MAX; ++row)
        if (row->hatch == hatch)
            return row;
    return nullptr;
}

bool Refuse()
{
    SetLastError(ERROR_INVALID_PARAMETER);
    return false;
}

// A pattern from a packed DIB: header, colour table and bits in one block.
bool ReadPackedDib(const void* packed, UINT usage, LogicalBrush& out)
{
    DibLayout layout;
    if (packed == nullptr || !ReadDibHeader(static_cast<const BITMAPINFO*>(packed), usage, layout))
        return Refuse();
    auto pattern = BitmapFromDib(layout, layout.colors, 0, layout.height);
    if (pattern == nullptr)
        return false;
    out.style = BS_PATTERN;
    out.pattern = std::move(pattern);
    return true;
}

HBRUSH AddBrush(const LogicalBrush& brush, const LOGBRUSH& described)
{
    auto object = std::make_shared<GdiBrush>();
    object->brush = brush;
    object->described = described;
    return reinterpret_cast<HBRUSH>(AddGdiObject(std::move(object)));
}

} // namespace

bool ReadLogBrush(const LOGBRUSH& lb, LogicalBrush& out)
{
    out = LogicalBrush();
    out.color = lb.lbColor & 0x00FFFFFF;
    switch (lb.lbStyle) {
    case BS_SOLID:
    case BS_NULL:
        out.style = lb.lbStyle;
        return true;
    case BS_HATCHED:
        if (FindHatchRow(static_cast<ULONG>(lb.lbHatch)) == nullptr)
            return Refuse();
        out.style = BS_HATCHED;
        out.hatch = static_cast<ULONG>(lb.lbHatch);
        return true;
    case BS_PATTERN:
    case BS_PATTERN8X8: {
        const auto bitmap = FindGdiObjectOf<GdiBitmap>(reinterpret_cast<HGDIOBJ>(lb.lbHatch), GdiObjectKind::Bitmap);
        if (bitmap == nullptr)
            return Refuse();
        // The brush keeps a copy: the application may delete or change the bitmap afterwards.
        auto pattern = CopyBitmap(*bitmap);
        if (pattern == nullptr)
            return false;
        out.style = BS_PATTERN;
        out.pattern = std::move(pattern);
        return true;
    }
    case BS_DIBPATTERNPT:
        return ReadPackedDib(reinterpret_cast<const void*>(lb.lbHatch), lb.lbColor, out);
    case BS_DIBPATTERN:
    case BS_DIBPATTERN8X8: {
        const HGLOBAL memory = reinterpret_cast<HGLOBAL>(lb.lbHatch);
        const void* packed = GlobalLock(memory);
        const bool read = ReadPackedDib(packed, lb.lbColor, out);
        if (packed != nullptr)
            GlobalUnlock(memory);
        return read;
    }
    default:
        return Refuse();
    }
}

std::shared_ptr<GdiBitmap> HatchPattern(ULONG hatch)
{
    const HatchRow* row = FindHatchRow(hatch);
    auto pattern = MakeDdb(8, 8, 1, DefaultColorTable(1));
    if (row == nullptr || pattern == nullptr)
        return nullptr;
    const SURFOBJ* so = pattern->so();
    for (LONG y = 0; y < 8; ++y)
        static_cast<BYTE*>(so->pvScan0)[y * so->lDelta] = row->rows[y];
    return pattern;
}

} // namespace platform

using platform::LogicalBrush;

HBRUSH WINAPI CreateSolidBrush(COLORREF color)
{
    LogicalBrush brush;
    brush.color = color & 0x00FFFFFF;
    return platform::AddBrush(brush, {BS_SOLID, brush.color, 0});
}

HBRUSH WINAPI CreateHatchBrush(int iHatch, COLORREF color)
{
    const LOGBRUSH lb = {BS_HATCHED, color, static_cast<ULONG_PTR>(iHatch)};
    return CreateBrushIndirect(&lb);
}

HBRUSH WINAPI CreatePatternBrush(HBITMAP hbm)
{
    const LOGBRUSH lb = {BS_PATTERN, 0, reinterpret_cast<ULONG_PTR>(hbm)};
    return CreateBrushIndirect(&lb);
}

HBRUSH WINAPI CreateDIBPatternBrushPt(const VOID* lpPackedDIB, UINT iUsage)
{
    const LOGBRUSH lb = {BS_DIBPATTERNPT, iUsage, reinterpret_cast<ULONG_PTR>(lpPackedDIB)};
    return CreateBrushIndirect(&lb);
}

HBRUSH WINAPI CreateBrushIndirect(const LOGBRUSH* plbrush)
{
    LogicalBrush brush;
    if (plbrush == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    if (!platform::ReadLogBrush(*plbrush, brush))
        return nullptr;
    LOGBRUSH described = *plbrush;
    described.lbColor &= 0x00FFFFFF;
    return platform::AddBrush(brush, described);
}
