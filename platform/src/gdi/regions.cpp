// regions.cpp - rectangle regions, their combination, and the clip regions of device contexts.
#include "gdi/regions.h"
#include "host/engine/flatten.h"
#include "host/engine/polygon_fill.h"
#include "host/engine/regions.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace platform {
namespace {

HRGN AddRegion(std::vector<RECTL> rects)
{
    auto region = std::make_shared<GdiRegion>();
    region->rects = std::move(rects);
    return reinterpret_cast<HRGN>(AddGdiObject(std::move(region)));
}

// The rectangle with its corners in order, as one canonical region (none when it is empty).
std::vector<RECTL> RectRegion(LONG x1, LONG y1, LONG x2, LONG y2)
{
    const RECTL r = {std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2)};
    return engine::NormaliseRegion({r});
}

bool OpOf(int mode, engine::RegionOp& op)
{
    switch (mode) {
    case RGN_AND: op = engine::RegionOp::And; return true;
    case RGN_OR: op = engine::RegionOp::Or; return true;
    case RGN_XOR: op = engine::RegionOp::Xor; return true;
    case RGN_DIFF: op = engine::RegionOp::Diff; return true;
    default: return false;
    }
}

std::shared_ptr<GdiRegion> FindRegion(HRGN hrgn)
{
    return FindGdiObjectOf<GdiRegion>(hrgn, GdiObjectKind::Region);
}

// A clip rectangle in logical coordinates, as the device rectangle it stands for.
std::vector<RECTL> ClipRectangle(const DeviceContext& dc, int left, int top, int right, int bottom)
{
    const RECTL r = ToDeviceRect(dc.attrs, std::min(left, right), std::min(top, bottom), std::max(left, right),
                                 std::max(top, bottom));
    return engine::NormaliseRegion({r});
}

} // namespace

int RegionComplexity(const std::vector<RECTL>& rects)
{
    return rects.empty() ? NULLREGION : rects.size() == 1 ? SIMPLEREGION : COMPLEXREGION;
}

int CombineClip(DeviceContext& dc, const std::vector<RECTL>& region, int mode)
{
    if (mode == RGN_COPY) {
        dc.attrs.draw.clip = engine::NormaliseRegion(region);
        return RegionComplexity(*dc.attrs.draw.clip);
    }
    engine::RegionOp op;
    if (!OpOf(mode, op)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return ERROR;
    }
    const std::vector<RECTL> current = dc.attrs.draw.clip ? *dc.attrs.draw.clip : std::vector<RECTL>{dc.Extent()};
    dc.attrs.draw.clip = engine::CombineRegions(current, region, op);
    return RegionComplexity(*dc.attrs.draw.clip);
}

} // namespace platform

using platform::GdiRegion;

HRGN WINAPI CreateRectRgn(int x1, int y1, int x2, int y2)
{
    return platform::AddRegion(platform::RectRegion(x1, y1, x2, y2));
}

HRGN WINAPI CreateRectRgnIndirect(const RECT* lprect)
{
    if (lprect == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    return CreateRectRgn(lprect->left, lprect->top, lprect->right, lprect->bottom);
}

HRGN WINAPI CreatePolygonRgn(const POINT* pptl, int cPoint, int iMode)
{
    if (pptl == nullptr || cPoint < 0 || (iMode != ALTERNATE && iMode != WINDING)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    // Corners are filled as 28.4 values: one beyond the device's reach would not fit a LONG sixteen times over.
    for (int i = 0; i < cPoint; ++i) {
        if (std::abs(int64_t{pptl[i].x}) >= platform::kDeviceLimit ||
            std::abs(int64_t{pptl[i].y}) >= platform::kDeviceLimit) {
            SetLastError(ERROR_INVALID_PARAMETER);
            return nullptr;
        }
    }
    // The pixels the closed polygon would fill by the mode; fewer than three corners enclose none.
    platform::engine::Figure figure;
    figure.closed = true;
    LONG left = 0, top = 0, right = 0, bottom = 0;
    for (int i = 0; i < cPoint; ++i) {
        figure.points.push_back({pptl[i].x * 16, pptl[i].y * 16});
        left = i == 0 ? pptl[i].x : std::min(left, pptl[i].x);
        top = i == 0 ? pptl[i].y : std::min(top, pptl[i].y);
        right = i == 0 ? pptl[i].x : std::max(right, pptl[i].x);
        bottom = i == 0 ? pptl[i].y : std::max(bottom, pptl[i].y);
    }
    std::vector<RECTL> rows;
    if (cPoint >= 3) {
        const auto rule = iMode == WINDING ? platform::engine::FillRule::Winding
                                           : platform::engine::FillRule::Alternate;
        platform::engine::FillFigures({figure}, rule, {{left, top, right, bottom}},
                                      [&](LONG y, LONG l, LONG r) { rows.push_back({l, y, r, y + 1}); });
    }
    return platform::AddRegion(platform::engine::NormaliseRegion(rows));
}

int WINAPI CombineRgn(HRGN hrgnDst, HRGN hrgnSrc1, HRGN hrgnSrc2, int iMode)
{
    const auto dest = platform::FindRegion(hrgnDst);
    const auto first = platform::FindRegion(hrgnSrc1);
    const auto second = iMode == RGN_COPY ? first : platform::FindRegion(hrgnSrc2);
    if (dest == nullptr || first == nullptr || second == nullptr) {
        SetLastError(ERROR_INVALID_HANDLE);
        return ERROR;
    }
    if (iMode == RGN_COPY) {
        dest->rects = first->rects;
        return platform::RegionComplexity(dest->rects);
    }
    platform::engine::RegionOp op;
    if (!platform::OpOf(iMode, op)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return ERROR;
    }
    dest->rects = platform::engine::CombineRegions(first->rects, second->rects, op);
    return platform::RegionComplexity(dest->rects);
}

int WINAPI SelectClipRgn(HDC hdc, HRGN hrgn)
{
    const auto dc = platform::DcOrFail(hdc);
    if (dc == nullptr)
        return ERROR;
    if (hrgn == nullptr) {   // no clip region: the whole device
        dc->attrs.draw.clip.reset();
        return SIMPLEREGION;
    }
    const auto region = platform::FindRegion(hrgn);
    if (region == nullptr) {
        SetLastError(ERROR_INVALID_HANDLE);
        return ERROR;
    }
    return platform::CombineClip(*dc, region->rects, RGN_COPY);
}

int WINAPI IntersectClipRect(HDC hdc, int left, int top, int right, int bottom)
{
    const auto dc = platform::DcOrFail(hdc);
    if (dc == nullptr)
        return ERROR;
    return platform::CombineClip(*dc, platform::ClipRectangle(*dc, left, top, right, bottom), RGN_AND);
}

int WINAPI ExcludeClipRect(HDC hdc, int left, int top, int right, int bottom)
{
    const auto dc = platform::DcOrFail(hdc);
    if (dc == nullptr)
        return ERROR;
    return platform::CombineClip(*dc, platform::ClipRectangle(*dc, left, top, right, bottom), RGN_DIFF);
}

int WINAPI GetClipBox(HDC hdc, LPRECT lprect)
{
    const auto dc = platform::DcOrFail(hdc);
    if (dc == nullptr)
        return ERROR;
    if (lprect == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return ERROR;
    }
    using platform::engine::RegionOp;
    const std::vector<RECTL> device = {dc->Extent()};
    const auto& clip = dc->attrs.draw.clip;
    const std::vector<RECTL> visible = clip ? platform::engine::CombineRegions(*clip, device, RegionOp::And)
                                            : platform::engine::NormaliseRegion(device);
    if (visible.empty()) {
        *lprect = {0, 0, 0, 0};
        return NULLREGION;
    }
    const RECTL box = platform::engine::RegionBounds(visible);
    // Back into logical coordinates: the offsets of the origins undone.
    const int64_t dx = int64_t{dc->attrs.viewportOrg.x} - dc->attrs.windowOrg.x;
    const int64_t dy = int64_t{dc->attrs.viewportOrg.y} - dc->attrs.windowOrg.y;
    const auto logical = [](int64_t v) {
        return static_cast<LONG>(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX));
    };
    *lprect = {logical(box.left - dx), logical(box.top - dy), logical(box.right - dx), logical(box.bottom - dy)};
    return platform::RegionComplexity(visible);
}
