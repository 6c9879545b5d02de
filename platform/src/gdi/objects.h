#pragma once
// objects.h - the GDI's table of objects behind HGDIOBJ values. Each object bears its kind, so a call given
// an object of another kind (a pen where a bitmap is expected) finds it and refuses it.

#include <memory>
#include <vector>
#include "win/wingdi.h"

namespace platform {

enum class GdiObjectKind {
    Bitmap,
};

struct GdiObject {
    explicit GdiObject(GdiObjectKind objectKind) : kind(objectKind) {}
    virtual ~GdiObject() = default;
    const GdiObjectKind kind;
};

// A device-dependent bitmap: rows top-down, each widthBytes long, which is the row's bits rounded up to a
// whole number of 16-bit words. Pixels of 1, 4 or 8 bits index the colour table (0x00RRGGBB); pixels of
// 24 bits are B, G, R bytes.
struct GdiBitmap final : GdiObject {
    GdiBitmap() : GdiObject(GdiObjectKind::Bitmap) {}
    LONG width = 0;
    LONG height = 0;
    WORD bitsPerPixel = 0;
    LONG widthBytes = 0;
    std::vector<DWORD> colorTable;
    std::vector<BYTE> bits;
};

HGDIOBJ                    AddGdiObject(std::shared_ptr<GdiObject> object);
std::shared_ptr<GdiObject> FindGdiObject(HGDIOBJ handle);

// A new bitmap object from a picture whose rows (top-down) lie sourceStride bytes apart; colorTable holds
// colorCount entries (none for 24 bits per pixel). The caller has checked the picture's sizes.
HBITMAP CreateBitmapObject(LONG width, LONG height, WORD bitsPerPixel, const BYTE* rows, size_t sourceStride,
                           const DWORD* colorTable, UINT colorCount);

} // namespace platform
