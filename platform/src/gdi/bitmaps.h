#pragma once
// bitmaps.h - bitmap objects: making them (device-dependent bitmaps, DIB sections, copies of DIBs), and reading
// the device-independent bitmaps applications hand in.

#include <memory>
#include "gdi/objects.h"

namespace platform {

// Bits per pixel the bitmaps here come in; others are refused (or rounded up where Windows rounds them).
bool IsBitmapDepth(UINT bitsPerPixel);

// A colour table entry (0x00RRGGBB) from a COLORREF (0x00BBGGRR), and back: the same swap of red and blue.
inline DWORD SwapRedBlue(DWORD color)
{
    return ((color & 0xFF) << 16) | (color & 0xFF00) | ((color >> 16) & 0xFF);
}

// The colour table GDI gives a bitmap of that depth when nothing else says: black and white, the sixteen VGA
// colours, or 256 colours of eight red, eight green and four blue levels; none above 8 bits per pixel.
std::vector<DWORD> DefaultColorTable(WORD bitsPerPixel);

// A new zero-filled device-dependent bitmap (not yet in the object table); null with the last error set when
// it is too large.
std::shared_ptr<GdiBitmap> MakeDdb(LONG width, LONG height, WORD bitsPerPixel, std::vector<DWORD> colorTable);

// A new zero-filled bitmap (not in the object table) of the given size in the format of another: its depth,
// colour table, masks, and whether it is a DIB. Null with the last error set when it is too large.
std::shared_ptr<GdiBitmap> MakeBitmapLike(const GdiBitmap& format, LONG width, LONG height);

// A new bitmap object from a picture whose rows (top-down) lie sourceStride bytes apart; colorTable holds
// colorCount entries (none for 24 bits per pixel). The caller has checked the picture's sizes.
HBITMAP CreateBitmapObject(LONG width, LONG height, WORD bitsPerPixel, const BYTE* rows, size_t sourceStride,
                           const DWORD* colorTable, UINT colorCount);

// A copy of a bitmap's pixels and format, not in the object table: what a pattern brush or a recorded blit
// keeps, whatever later happens to the original.
std::shared_ptr<GdiBitmap> CopyBitmap(const GdiBitmap& bitmap);

// A device-independent bitmap an application hands in, checked: its header, colour table or masks, and the
// layout of its bits.
struct DibLayout {
    LONG width = 0;
    LONG height = 0;                // rows, whatever the order
    bool topDown = false;
    WORD bitsPerPixel = 0;
    LONG stride = 0;                // bytes per row, whole 32-bit words
    std::vector<DWORD> colorTable;  // 0x00RRGGBB
    DWORD masks[3] = {0, 0, 0};
    const BYTE* colors = nullptr;   // where the colour table or masks end: a packed DIB's bits follow
    BITMAPINFOHEADER header = {};
};

// False (last error ERROR_INVALID_PARAMETER) for a header GDI cannot use: not a BITMAPINFOHEADER, a width or
// height of zero or less, compressed bits, a depth other than 1, 4, 8, 16, 24 or 32, palette indexes, or
// bits larger than a bitmap may be.
bool ReadDibHeader(const BITMAPINFO* pbmi, UINT usage, DibLayout& layout);

// A bitmap holding a copy of rows firstRow .. firstRow + rowCount - 1 (counted in the DIB's own order, from
// the bottom for a bottom-up DIB) of a DIB whose bits start at bits; the other rows are zero.
std::shared_ptr<GdiBitmap> BitmapFromDib(const DibLayout& layout, const void* bits, LONG firstRow, LONG rowCount);

} // namespace platform
