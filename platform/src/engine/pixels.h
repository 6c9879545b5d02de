#pragma once
// pixels.h - reads and writes single pixels of a bitmap surface in each of its formats. Pixel values are the
// surface's own (an index, or packed colour bits); the palette that gives them meaning lies elsewhere.
// 1 and 4 bits per pixel keep the leftmost pixel in the highest bits of a byte; wider pixels are little-endian.

#include "win/winddi.h"

namespace platform::engine {

// 0 for a format the engine cannot draw on (the run-length and compressed formats).
inline ULONG BitsPerPixel(ULONG iBitmapFormat)
{
    switch (iBitmapFormat) {
    case BMF_1BPP: return 1;
    case BMF_4BPP: return 4;
    case BMF_8BPP: return 8;
    case BMF_16BPP: return 16;
    case BMF_24BPP: return 24;
    case BMF_32BPP: return 32;
    default: return 0;
    }
}

// The bits a pixel value of the format may hold.
inline ULONG PixelValueMask(ULONG iBitmapFormat)
{
    const ULONG bits = BitsPerPixel(iBitmapFormat);
    return bits >= 32 ? 0xFFFFFFFF : (1UL << bits) - 1;
}

// A bitmap surface's pixels, addressed by (x, y) with y = 0 the top line whatever the storage order.
class PixelAccess {
public:
    // Empty (Valid() false) when the surface has no bits the engine can address.
    explicit PixelAccess(const SURFOBJ* pso)
    {
        if (pso == nullptr || pso->pvScan0 == nullptr || BitsPerPixel(pso->iBitmapFormat) == 0 ||
            pso->sizlBitmap.cx <= 0 || pso->sizlBitmap.cy <= 0)
            return;
        m_scan0 = static_cast<BYTE*>(pso->pvScan0);
        m_delta = pso->lDelta;
        m_cx = pso->sizlBitmap.cx;
        m_cy = pso->sizlBitmap.cy;
        m_format = pso->iBitmapFormat;
    }

    bool Valid() const { return m_scan0 != nullptr; }
    LONG Width() const { return m_cx; }
    LONG Height() const { return m_cy; }
    ULONG Format() const { return m_format; }
    bool Contains(LONG x, LONG y) const { return x >= 0 && y >= 0 && x < m_cx && y < m_cy; }
    BYTE* Line(LONG y) const { return m_scan0 + static_cast<intptr_t>(y) * m_delta; }

    ULONG Get(LONG x, LONG y) const
    {
        const BYTE* line = Line(y);
        switch (m_format) {
        case BMF_1BPP: return (line[x >> 3] >> (7 - (x & 7))) & 1;
        case BMF_4BPP: return (x & 1) ? (line[x >> 1] & 0x0F) : (line[x >> 1] >> 4);
        case BMF_8BPP: return line[x];
        case BMF_16BPP: return line[2 * x] | (line[2 * x + 1] << 8);
        case BMF_24BPP: return line[3 * x] | (line[3 * x + 1] << 8) | (static_cast<ULONG>(line[3 * x + 2]) << 16);
        default:
            return line[4 * x] | (line[4 * x + 1] << 8) | (static_cast<ULONG>(line[4 * x + 2]) << 16) |
                   (static_cast<ULONG>(line[4 * x + 3]) << 24);
        }
    }

    void Set(LONG x, LONG y, ULONG value) const
    {
        BYTE* line = Line(y);
        switch (m_format) {
        case BMF_1BPP: {
            const BYTE bit = static_cast<BYTE>(0x80 >> (x & 7));
            line[x >> 3] = static_cast<BYTE>((value & 1) ? (line[x >> 3] | bit) : (line[x >> 3] & ~bit));
            break;
        }
        case BMF_4BPP:
            line[x >> 1] = static_cast<BYTE>((x & 1) ? ((line[x >> 1] & 0xF0) | (value & 0x0F))
                                                     : ((line[x >> 1] & 0x0F) | ((value & 0x0F) << 4)));
            break;
        case BMF_8BPP: line[x] = static_cast<BYTE>(value); break;
        case BMF_16BPP:
            line[2 * x] = static_cast<BYTE>(value);
            line[2 * x + 1] = static_cast<BYTE>(value >> 8);
            break;
        case BMF_24BPP:
            line[3 * x] = static_cast<BYTE>(value);
            line[3 * x + 1] = static_cast<BYTE>(value >> 8);
            line[3 * x + 2] = static_cast<BYTE>(value >> 16);
            break;
        default:
            line[4 * x] = static_cast<BYTE>(value);
            line[4 * x + 1] = static_cast<BYTE>(value >> 8);
            line[4 * x + 2] = static_cast<BYTE>(value >> 16);
            line[4 * x + 3] = static_cast<BYTE>(value >> 24);
            break;
        }
    }

private:
    BYTE* m_scan0 = nullptr;
    LONG m_delta = 0;
    LONG m_cx = 0;
    LONG m_cy = 0;
    ULONG m_format = 0;
};

} // namespace platform::engine
