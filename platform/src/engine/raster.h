#pragma once
// raster.h - the engine's software raster operation, shared by EngBitBlt, EngCopyBits, EngStretchBlt and
// EngStretchBltROP: every pixel of a destination rectangle (inside the clip) becomes the ROP3 of the pattern,
// the translated source pixel and the destination pixel, the ROP3 chosen per pixel by the mask (ROP4: the low
// byte where the mask is 1, the high byte where it is 0).

#include <vector>
#include "engine/pixels.h"
#include "win/winddi.h"

namespace platform::engine {

// ROP3 of values: bit (p << 2 | s << 1 | d) of rop3 is the result bit for those input bits.
inline ULONG ApplyRop3(BYTE rop3, ULONG p, ULONG s, ULONG d)
{
    ULONG result = 0;
    for (int i = 0; i < 8; ++i) {
        if ((rop3 >> i) & 1)
            result |= ((i & 4) ? p : ~p) & ((i & 2) ? s : ~s) & ((i & 1) ? d : ~d);
    }
    return result;
}

inline bool Rop3UsesSource(BYTE rop3) { return ((rop3 >> 2) & 0x33) != (rop3 & 0x33); }
inline bool Rop3UsesPattern(BYTE rop3) { return ((rop3 >> 4) & 0x0F) != (rop3 & 0x0F); }

// The ROP3 that does to a pattern and a destination what the ROP2 of a mix (R2_BLACK .. R2_WHITE, 1 .. 16) does
// to a pen or brush and a destination: the ROP2 less one is the truth table over (pen << 1 | destination).
inline BYTE Rop3FromRop2(ULONG rop2)
{
    const ULONG table = (rop2 - 1) & 0x0F;
    BYTE rop3 = 0;
    for (int i = 0; i < 8; ++i) {
        const int p = (i >> 2) & 1;
        const int d = i & 1;
        if ((table >> (p << 1 | d)) & 1)
            rop3 |= static_cast<BYTE>(1 << i);
    }
    return rop3;
}

// The brush's colour at a destination pixel, as a destination value: the solid colour, or the pattern tiled
// from the brush origin and put through its translation.
class PatternReader {
public:
    // False for no brush, or a pattern brush the engine cannot read.
    bool Init(BRUSHOBJ* pbo, POINTL origin);
    ULONG At(LONG x, LONG y) const;
    // True where a monochrome pattern (a hatch) shows its background (index 1) rather than its lines.
    bool IsBackground(LONG x, LONG y) const;

private:
    ULONG Raw(LONG x, LONG y) const;

    ULONG m_solid = 0;
    PixelAccess m_pattern{nullptr};
    XLATEOBJ* m_xlate = nullptr;
    POINTL m_origin = {0, 0};
};

struct RasterJob {
    SURFOBJ* dest = nullptr;
    RECTL destRect = {};             // well ordered, right and bottom exclusive
    CLIPOBJ* clip = nullptr;
    ROP4 rop4 = 0xCCCC;
    // Source: per destination column and row the source column and row, -1 where the source has no pixel.
    SURFOBJ* source = nullptr;
    XLATEOBJ* xlate = nullptr;
    std::vector<LONG> sourceX;
    std::vector<LONG> sourceY;
    // Mask (one bit per pixel), addressed the same way.
    SURFOBJ* mask = nullptr;
    std::vector<LONG> maskX;
    std::vector<LONG> maskY;
    // Pattern: a brush and the destination point where the pattern's (0, 0) falls.
    BRUSHOBJ* brush = nullptr;
    POINTL brushOrigin = {0, 0};
};

// Runs the job; FALSE with ERROR_INVALID_PARAMETER when the destination has no bits, a source, mask or
// pattern the ROP4 needs is missing or unreadable, or the clip cannot be read.
BOOL RunRasterJob(RasterJob& job);

// The intersection of r with the surface's own rectangle.
RECTL ClipToSurface(const RECTL& r, const SURFOBJ* pso);

} // namespace platform::engine
