// stretchblt.cpp - EngStretchBlt and EngStretchBltROP: block transfers that scale, and mirror when a rectangle
// is not well ordered. Every stretching mode takes the source pixel under the centre of each destination
// pixel; the ROP form combines it with a brush and the destination like EngBitBlt.
#include "engine/raster.h"
#include "host/engine/surfaces.h"

#include <algorithm>

namespace platform::engine {
namespace {

// Rectangles whose sides are longer than this are refused: the sampling arithmetic stays within 64 bits.
constexpr int64_t kMaxExtent = int64_t{1} << 30;

// For the destination pixels from..to - 1 of a destination spanning d0 to d1 (either order), the source
// position under each pixel's centre, the source spanning s0 to s1 (either order); mirrored when exactly one
// of the two runs backwards. Positions outside the source run are -1.
std::vector<LONG> Sampling(LONG d0, LONG d1, LONG s0, LONG s1, LONG from, LONG to)
{
    const int64_t dn = std::abs(static_cast<int64_t>(d1) - d0);
    const int64_t sn = std::abs(static_cast<int64_t>(s1) - s0);
    const LONG destStart = std::min(d0, d1);
    const LONG sourceStart = std::min(s0, s1);
    const bool mirrored = (d1 < d0) != (s1 < s0);
    std::vector<LONG> positions(static_cast<size_t>(to - from), -1);
    if (sn == 0)
        return positions;
    for (LONG pixel = from; pixel < to; ++pixel) {
        const int64_t i = int64_t{pixel} - destStart;
        const int64_t k = mirrored ? dn - 1 - i : i;
        const int64_t offset = (2 * k + 1) * sn / (2 * dn);
        const int64_t position = sourceStart + offset;
        positions[static_cast<size_t>(pixel - from)] = position > 0x7FFFFFFF ? -1 : static_cast<LONG>(position);
    }
    return positions;
}

BOOL Stretch(SURFOBJ* psoDest, SURFOBJ* psoSrc, SURFOBJ* psoMask, CLIPOBJ* pco, XLATEOBJ* pxlo, RECTL* prclDest,
             RECTL* prclSrc, POINTL* pptlMask, ULONG iMode, BRUSHOBJ* pbo, DWORD rop4)
{
    if (psoDest == nullptr || prclDest == nullptr || SurfaceOf(psoDest) == nullptr || iMode == 0 ||
        iMode > MAXSTRETCHBLTMODE) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    const RECTL d = *prclDest;
    const auto extent = [](LONG a, LONG b) { return std::abs(static_cast<int64_t>(b) - a); };
    if (extent(d.left, d.right) > kMaxExtent || extent(d.top, d.bottom) > kMaxExtent ||
        (prclSrc != nullptr && (extent(prclSrc->left, prclSrc->right) > kMaxExtent ||
                                extent(prclSrc->top, prclSrc->bottom) > kMaxExtent))) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    if (d.left == d.right || d.top == d.bottom)
        return TRUE;   // nothing to draw
    // Only the part of the destination on the surface is sampled, however large the whole.
    const RECTL ordered = {std::min(d.left, d.right), std::min(d.top, d.bottom), std::max(d.left, d.right),
                           std::max(d.top, d.bottom)};
    const RECTL window = ClipToSurface(ordered, psoDest);
    if (window.right <= window.left || window.bottom <= window.top)
        return TRUE;
    RasterJob job;
    job.dest = psoDest;
    job.destRect = window;
    job.clip = pco;
    job.rop4 = rop4 & 0xFFFF;
    const BYTE fore = static_cast<BYTE>(rop4);
    const BYTE back = static_cast<BYTE>(rop4 >> 8);
    if (Rop3UsesSource(fore) || Rop3UsesSource(back)) {
        if (psoSrc == nullptr || prclSrc == nullptr) {
            SetLastError(ERROR_INVALID_PARAMETER);
            return FALSE;
        }
        const RECTL s = *prclSrc;
        job.source = psoSrc;
        job.xlate = pxlo;
        job.sourceX = Sampling(d.left, d.right, s.left, s.right, window.left, window.right);
        job.sourceY = Sampling(d.top, d.bottom, s.top, s.bottom, window.top, window.bottom);
        if (fore != back && psoMask != nullptr) {
            // The mask lies over the source: its point pptlMask matches the source rectangle's top left.
            const POINTL origin = pptlMask != nullptr ? *pptlMask : POINTL{0, 0};
            const LONG dx = origin.x - std::min(s.left, s.right);
            const LONG dy = origin.y - std::min(s.top, s.bottom);
            job.mask = psoMask;
            job.maskX = job.sourceX;
            job.maskY = job.sourceY;
            for (LONG& x : job.maskX)
                x = x < 0 ? -1 : x + dx;
            for (LONG& y : job.maskY)
                y = y < 0 ? -1 : y + dy;
        }
    }
    job.brush = pbo;
    job.brushOrigin = {0, 0};
    return RunRasterJob(job);
}

} // namespace
} // namespace platform::engine

BOOL APIENTRY EngStretchBlt(SURFOBJ* psoDest, SURFOBJ* psoSrc, SURFOBJ* psoMask, CLIPOBJ* pco, XLATEOBJ* pxlo,
                            COLORADJUSTMENT* /*pca: no colour adjustment in the engine's sampler*/,
                            POINTL* /*pptlHTOrg: no halftone pattern*/, RECTL* prclDest, RECTL* prclSrc,
                            POINTL* pptlMask, ULONG iMode)
{
    // A mask selects the source where it is 1 and keeps the destination where it is 0.
    const DWORD rop4 = psoMask != nullptr ? 0xAACC : 0xCCCC;
    return platform::engine::Stretch(psoDest, psoSrc, psoMask, pco, pxlo, prclDest, prclSrc, pptlMask, iMode,
                                     nullptr, rop4);
}

BOOL APIENTRY EngStretchBltROP(SURFOBJ* psoDest, SURFOBJ* psoSrc, SURFOBJ* psoMask, CLIPOBJ* pco, XLATEOBJ* pxlo,
                               COLORADJUSTMENT* /*pca*/, POINTL* /*pptlHTOrg*/, RECTL* prclDest, RECTL* prclSrc,
                               POINTL* pptlMask, ULONG iMode, BRUSHOBJ* pbo, DWORD rop4)
{
    return platform::engine::Stretch(psoDest, psoSrc, psoMask, pco, pxlo, prclDest, prclSrc, pptlMask, iMode, pbo,
                                     rop4);
}
