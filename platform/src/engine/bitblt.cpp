// bitblt.cpp - EngBitBlt and EngCopyBits: block transfers between bitmap surfaces, one pixel for one pixel.
#include "engine/raster.h"
#include "engine/surfaces.h"

namespace platform::engine {
namespace {

// Column or row positions start, start + 1, ... for count destination pixels.
std::vector<LONG> Straight(LONG start, LONG count)
{
    std::vector<LONG> positions(static_cast<size_t>(count));
    for (LONG i = 0; i < count; ++i)
        positions[static_cast<size_t>(i)] = start + i;
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
    const RECTL r = *prclTrg;
    if (r.right <= r.left || r.bottom <= r.top)
        return TRUE;   // nothing to draw
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
        job.sourceX = Straight(pptlSrc->x, width);
        job.sourceY = Straight(pptlSrc->y, height);
    }
    if (fore != back && psoMask != nullptr) {
        const POINTL origin = pptlMask != nullptr ? *pptlMask : POINTL{0, 0};
        job.mask = psoMask;
        job.maskX = Straight(origin.x, width);
        job.maskY = Straight(origin.y, height);
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
