// stock_objects.cpp - GetStockObject and the memory DC's default bitmap.
#include "gdi/stock_objects.h"
#include "common/world_state.h"
#include "gdi/bitmaps.h"

#include <algorithm>
#include <array>
#include <mutex>
#include <string_view>

namespace platform {
namespace {

// What each stock index is; an index without a row is one GDI has no object for here (palettes, the other
// stock fonts, and the DC brush and pen belong to later parts of GDI).
struct StockRow {
    int index;          // -1 ends the table
    GdiObjectKind kind;
    UINT style;         // BS_ for a brush, PS_ for a pen, the weight of a font
    COLORREF color;
};

constexpr StockRow kStockRows[] = {
    {WHITE_BRUSH,  GdiObjectKind::Brush, BS_SOLID, RGB(255, 255, 255)},
    {LTGRAY_BRUSH, GdiObjectKind::Brush, BS_SOLID, RGB(192, 192, 192)},
    {GRAY_BRUSH,   GdiObjectKind::Brush, BS_SOLID, RGB(128, 128, 128)},
    {DKGRAY_BRUSH, GdiObjectKind::Brush, BS_SOLID, RGB(64, 64, 64)},
    {BLACK_BRUSH,  GdiObjectKind::Brush, BS_SOLID, RGB(0, 0, 0)},
    {NULL_BRUSH,   GdiObjectKind::Brush, BS_NULL,  RGB(0, 0, 0)},
    {WHITE_PEN,    GdiObjectKind::Pen,   PS_SOLID, RGB(255, 255, 255)},
    {BLACK_PEN,    GdiObjectKind::Pen,   PS_SOLID, RGB(0, 0, 0)},
    {NULL_PEN,     GdiObjectKind::Pen,   PS_NULL,  RGB(0, 0, 0)},
    {SYSTEM_FONT,  GdiObjectKind::Font,  FW_BOLD,  RGB(0, 0, 0)},
    {-1, GdiObjectKind::Brush, 0, 0},
};
static_assert(kStockRows[std::size(kStockRows) - 1].index == -1, "terminator must be last");

const StockRow* FindStockRow(int index)
{
    for (const StockRow* row = kStockRows; row->index != -1; ++row)
        if (row->index == index)
            return row;
    return nullptr;
}

// The world's stock objects, made on first use; forgotten with the world, whose object table they lived in.
struct Stock {
    std::mutex mutex;
    std::array<HGDIOBJ, SYSTEM_FONT + 1> objects{};
    HBITMAP defaultBitmap = nullptr;
};

Stock& TheStock()
{
    static auto* stock = new Stock();
    return *stock;
}

const bool kForgetsStockWithTheWorld = (OnWorldReset([] {
    std::lock_guard lock(TheStock().mutex);
    TheStock().objects.fill(nullptr);
    TheStock().defaultBitmap = nullptr;
}), true);

HGDIOBJ MakeStockObject(const StockRow& row)
{
    std::shared_ptr<GdiObject> object;
    if (row.kind == GdiObjectKind::Font) {
        // The system font: 16 pixels to its cell, of no face in particular, so a DC that never selects a font
        // draws in the font mapper's default face (on a printer, in the driver's default font).
        auto font = std::make_shared<GdiFont>();
        font->logFont.lfHeight = 16;
        font->logFont.lfWeight = static_cast<LONG>(row.style);
        font->logFont.lfCharSet = ANSI_CHARSET;
        font->logFont.lfPitchAndFamily = VARIABLE_PITCH | FF_SWISS;
        const std::u16string_view face = u"System";
        std::copy(face.begin(), face.end(), font->logFont.lfFaceName);
        object = font;
    } else if (row.kind == GdiObjectKind::Brush) {
        auto brush = std::make_shared<GdiBrush>();
        brush->brush.style = row.style;
        brush->brush.color = row.color;
        brush->described = {row.style, row.color, 0};
        object = brush;
    } else {
        auto pen = std::make_shared<GdiPen>();
        pen->style = row.style;
        pen->width = 0;
        pen->brush.color = row.color;
        object = pen;
    }
    object->stock = true;
    return AddGdiObject(std::move(object));
}

} // namespace

HBITMAP DefaultBitmap()
{
    Stock& stock = TheStock();
    std::lock_guard lock(stock.mutex);
    if (stock.defaultBitmap == nullptr) {
        auto bitmap = MakeDdb(1, 1, 1, DefaultColorTable(1));
        if (bitmap == nullptr)
            return nullptr;
        bitmap->stock = true;
        stock.defaultBitmap = reinterpret_cast<HBITMAP>(AddGdiObject(std::move(bitmap)));
    }
    return stock.defaultBitmap;
}

} // namespace platform

HGDIOBJ WINAPI GetStockObject(int i)
{
    const platform::StockRow* row = platform::FindStockRow(i);
    if (row == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    platform::Stock& stock = platform::TheStock();
    std::lock_guard lock(stock.mutex);
    HGDIOBJ& object = stock.objects[static_cast<size_t>(i)];
    if (object == nullptr)
        object = platform::MakeStockObject(*row);
    return object;
}
