// raster.cpp - the software raster operation over bitmap surfaces.
#include "engine/raster.h"
#include "host/engine/brush.h"
#include "host/engine/clip.h"
#include "engine/pixels.h"
#include "host/engine/surfaces.h"
#include "host/engine/xlate.h"

#include <algorithm>

namespace platform::engine {

bool PatternReader::Init(BRUSHOBJ* pbo, POINTL origin)
{
    if (pbo == nullptr)
        return false;
    m_origin = origin;
    if (pbo->iSolidColor != 0xFFFFFFFF) {
        m_solid = pbo->iSolidColor;
        return true;
    }
    const BrushObject* brush = FindBrush(pbo);
    if (brush == nullptr)
        return false;
    m_pattern = PixelAccess(brush->PatternSurface());
    m_xlate = brush->PatternXlate();
    return m_pattern.Valid();
}

ULONG PatternReader::Raw(LONG x, LONG y) const
{
    LONG px = (x - m_origin.x) % m_pattern.Width();
    LONG py = (y - m_origin.y) % m_pattern.Height();
    if (px < 0)
        px += m_pattern.Width();
    if (py < 0)
        py += m_pattern.Height();
    return m_pattern.Get(px, py);
}

ULONG PatternReader::At(LONG x, LONG y) const
{
    if (!m_pattern.Valid())
        return m_solid;
    return TranslateValue(m_xlate, Raw(x, y));
}

bool PatternReader::IsBackground(LONG x, LONG y) const
{
    return m_pattern.Valid() && m_pattern.Format() == BMF_1BPP && Raw(x, y) == 1;
}

RECTL ClipToSurface(const RECTL& r, const SURFOBJ* pso)
{
    return {std::max(r.left, 0L), std::max(r.top, 0L), std::min(r.right, pso->sizlBitmap.cx),
            std::min(r.bottom, pso->sizlBitmap.cy)};
}

BOOL RunRasterJob(RasterJob& job)
{
    const PixelAccess dest(job.dest);
    const BYTE foreground = static_cast<BYTE>(job.rop4);
    const BYTE background = static_cast<BYTE>(job.rop4 >> 8);
    const bool needSource = Rop3UsesSource(foreground) || Rop3UsesSource(background);
    const bool needPattern = Rop3UsesPattern(foreground) || Rop3UsesPattern(background);
    const bool needMask = foreground != background;

    // A source that is the destination itself is read from a copy, so overlapping rectangles copy right.
    std::vector<BYTE> sourceCopy;
    SURFOBJ sourceSnapshot = {};
    SURFOBJ* source = job.source;
    if (needSource && source != nullptr && job.dest != nullptr && source->pvBits != nullptr &&
        source->pvBits == job.dest->pvBits) {
        sourceCopy.assign(static_cast<BYTE*>(source->pvBits), static_cast<BYTE*>(source->pvBits) + source->cjBits);
        sourceSnapshot = *source;
        const auto offset = static_cast<BYTE*>(source->pvScan0) - static_cast<BYTE*>(source->pvBits);
        sourceSnapshot.pvBits = sourceCopy.data();
        sourceSnapshot.pvScan0 = sourceCopy.data() + offset;
        source = &sourceSnapshot;
    }
    const PixelAccess src(needSource ? source : nullptr);
    const PixelAccess mask(needMask ? job.mask : nullptr);
    PatternReader pattern;
    const bool patternReady = needPattern && pattern.Init(job.brush, job.brushOrigin);
    const bool maskIsMono = job.mask == nullptr || job.mask->iBitmapFormat == BMF_1BPP;

    std::vector<RECTL> visible;
    const RECTL target = job.dest != nullptr ? ClipToSurface(job.destRect, job.dest) : RECTL{};
    if (!dest.Valid() || (needSource && !src.Valid()) || (needPattern && !patternReady) || !maskIsMono ||
        !VisibleRectangles(job.clip, target, visible)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    const ULONG valueMask = PixelValueMask(dest.Format());
    for (const RECTL& r : visible) {
        for (LONG y = r.top; y < r.bottom; ++y) {
            const size_t row = static_cast<size_t>(y - job.destRect.top);
            for (LONG x = r.left; x < r.right; ++x) {
                const size_t column = static_cast<size_t>(x - job.destRect.left);
                ULONG s = 0;
                if (needSource) {
                    const LONG sx = job.sourceX[column];
                    const LONG sy = job.sourceY[row];
                    if (!src.Contains(sx, sy))
                        continue;   // no source pixel here: the destination keeps its own
                    s = TranslateValue(job.xlate, src.Get(sx, sy));
                }
                BYTE rop3 = foreground;
                if (needMask && mask.Valid()) {
                    const LONG mx = job.maskX[column];
                    const LONG my = job.maskY[row];
                    if (!mask.Contains(mx, my))
                        continue;
                    rop3 = mask.Get(mx, my) ? foreground : background;
                }
                const ULONG p = needPattern ? pattern.At(x, y) : 0;
                const ULONG d = dest.Get(x, y);
                dest.Set(x, y, ApplyRop3(rop3, p, s, d) & valueMask);
            }
        }
    }
    return TRUE;
}

} // namespace platform::engine
