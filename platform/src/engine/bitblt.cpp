// bitblt.cpp - EngBitBlt and EngCopyBits: block transfers between bitmap surfaces, one pixel for one pixel.
#include "engine/raster.h"
#include "host/engine/surfaces.h"

#include <cstdint>

namespace platform::engine {
namespace {

// Column or row positions start, start + 1, ... for count destination pixels; -1 (no pixel) where a position
// would leave the LONG range.
std::vector<LONG> Straight(int64_t start, LONG count)
{
    std::vector<LONG> positions(static_cast<size_t>(count));
    for (LONG i = 0; i < count; ++i) {
        const int64_t position = start + i;
        positions[static_cast<size_t>(i)] = position > 0x7FFFFFFF ? -1 : static_cast<LONG>(position);
    }
    return positions;
}

} // namespace
} // namespace platform::engine

BOOL APIENTRY EngBitBlt(SURFOBJ* psoTrg, SURFOBJ* psoSrc, SURFOBJ* psoMask, CLIPOBJ* pco, XLATEOBJ* pxlo,
                        RECTL* prclTrg, POINTL* pptlSrc, POINTL* pptlMask, BRUSHOBJ* pbo, POINTL* pptlBrush,
                        ROP4 rop4)
{
    using namespace platform::engine;
    if (psoTrg == nullptr || prclTrg == nullptr || SurfaceOf(psoTrg) == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    const RECTL given = *prclTrg;
    if (given.right <= given.left || given.bottom <= given.top)
        return TRUE;   // nothing to draw
    // Only the part on the surface is worked on, so a rectangle far larger than the surface costs nothing more;
    // the source and mask points move with its top left corner.
    const RECTL r = ClipToSurface(given, psoTrg);
    if (r.right <= r.left || r.bottom <= r.top)
        return TRUE;
    const int64_t skipX = int64_t{r.left} - given.left;
    const int64_t skipY = int64_t{r.top} - given.top;
    RasterJob job;
    job.dest = psoTrg;
    job.destRect = r;
    job.clip = pco;
    job.rop4 = rop4 & 0xFFFF;
    const LONG width = r.right - r.left;
    const LONG height = r.bottom - r.top;
    const BYTE fore = static_cast<BYTE>(rop4);
    const BYTE back = static_cast<BYTE>(rop4 >> 8);
    if (Rop3UsesSource(fore) || Rop3UsesSource(back)) {
        if (psoSrc == nullptr || pptlSrc == nullptr) {
            SetLastError(ERROR_INVALID_PARAMETER);
            return FALSE;
        }
        job.source = psoSrc;
        job.xlate = pxlo;
        job.sourceX = Straight(int64_t{pptlSrc->x} + skipX, width);
        job.sourceY = Straight(int64_t{pptlSrc->y} + skipY, height);
    }
    if (fore != back && psoMask != nullptr) {
        const POINTL origin = pptlMask != nullptr ? *pptlMask : POINTL{0, 0};
        job.mask = psoMask;
        job.maskX = Straight(int64_t{origin.x} + skipX, width);
        job.maskY = Straight(int64_t{origin.y} + skipY, height);
    }
    job.brush = pbo;
    job.brushOrigin = pptlBrush != nullptr ? *pptlBrush : POINTL{0, 0};
    return RunRasterJob(job);
}

BOOL APIENTRY EngCopyBits(SURFOBJ* psoDest, SURFOBJ* psoSrc, CLIPOBJ* pco, XLATEOBJ* pxlo, RECTL* prclDest,
                          POINTL* pptlSrc)
{
    return EngBitBlt(psoDest, psoSrc, nullptr, pco, pxlo, prclDest, pptlSrc, nullptr, nullptr, nullptr, 0xCCCC);
}
