// paths.cpp - BeginPath, EndPath, AbortPath, CloseFigure, FillPath, StrokePath, StrokeAndFillPath and
// SelectClipPath: the path a DC records between BeginPath and EndPath, and what is done with it.
#include "host/engine/flatten.h"
#include "host/engine/polygon_fill.h"
#include "host/engine/regions.h"
#include "gdi/device_context.h"
#include "gdi/drawing.h"
#include "gdi/regions.h"

#include <utility>

namespace platform {
namespace {

using Stage = PathRecord::Stage;

// The DC when its path is at the stage the call needs; null with the last error set otherwise.
std::shared_ptr<DeviceContext> DcWithPath(HDC hdc, Stage needed)
{
    auto dc = DcOrFail(hdc);
    if (dc != nullptr && dc->attrs.path.stage != needed) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    return dc;
}

// Draws the finished path and lets it go, as the path calls do whether they draw or fail.
BOOL DrawPath(HDC hdc, bool fill, bool stroke)
{
    const auto dc = DcWithPath(hdc, Stage::Closed);
    if (dc == nullptr)
        return FALSE;
    PathRecord record = std::exchange(dc->attrs.path, PathRecord());
    PathDrawing path;
    path.points = std::move(record.points);
    path.types = std::move(record.types);
    path.fill = fill;
    path.stroke = stroke;
    path.pen = std::static_pointer_cast<const GdiPen>(dc->attrs.pen.object);
    path.brush = static_cast<const GdiBrush&>(*dc->attrs.brush.object).brush;
    return SubmitDrawing(*dc, {dc->attrs.draw, std::move(path)});
}

} // namespace
} // namespace platform

using platform::PathRecord;

BOOL WINAPI BeginPath(HDC hdc)
{
    const auto dc = platform::DcOrFail(hdc);
    if (dc == nullptr)
        return FALSE;
    dc->attrs.path = PathRecord();   // a path begun again forgets the last one
    dc->attrs.path.stage = PathRecord::Stage::Open;
    return TRUE;
}

BOOL WINAPI EndPath(HDC hdc)
{
    const auto dc = platform::DcWithPath(hdc, PathRecord::Stage::Open);
    if (dc == nullptr)
        return FALSE;
    dc->attrs.path.stage = PathRecord::Stage::Closed;
    return TRUE;
}

BOOL WINAPI AbortPath(HDC hdc)
{
    const auto dc = platform::DcOrFail(hdc);
    if (dc == nullptr)
        return FALSE;
    dc->attrs.path = PathRecord();
    return TRUE;
}

BOOL WINAPI CloseFigure(HDC hdc)
{
    const auto dc = platform::DcWithPath(hdc, PathRecord::Stage::Open);
    if (dc == nullptr)
        return FALSE;
    PathRecord& record = dc->attrs.path;
    // The last figure stays open until something closes it, whether a ...To call carries it on or a Polyline
    // or PolyBezier started it; a shape's figure comes closed already.
    if (record.types.empty() || (record.types.back() & PT_CLOSEFIGURE) != 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    record.types.back() |= PT_CLOSEFIGURE;
    record.figureOpen = false;
    return TRUE;
}

BOOL WINAPI FillPath(HDC hdc)
{
    return platform::DrawPath(hdc, /*fill=*/true, /*stroke=*/false);
}

BOOL WINAPI StrokePath(HDC hdc)
{
    return platform::DrawPath(hdc, /*fill=*/false, /*stroke=*/true);
}

BOOL WINAPI StrokeAndFillPath(HDC hdc)
{
    return platform::DrawPath(hdc, /*fill=*/true, /*stroke=*/true);
}

BOOL WINAPI SelectClipPath(HDC hdc, int mode)
{
    const auto dc = platform::DcWithPath(hdc, PathRecord::Stage::Closed);
    if (dc == nullptr)
        return FALSE;
    if (mode < RGN_AND || mode > RGN_COPY) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    const PathRecord record = std::exchange(dc->attrs.path, PathRecord());
    const auto path = platform::engine::PathObject::FromPoints(record.points.data(), record.types.data(),
                                                               static_cast<ULONG>(record.points.size()));
    if (path == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    // The region is the pixels the path would fill, by the DC's fill mode, on the device.
    std::vector<RECTL> region;
    const auto rule = dc->attrs.draw.fillMode == WINDING ? platform::engine::FillRule::Winding
                                                        : platform::engine::FillRule::Alternate;
    platform::engine::FillFigures(platform::engine::FlattenPath(*path), rule, {dc->Extent()},
                                  [&](LONG y, LONG left, LONG right) { region.push_back({left, y, right, y + 1}); });
    return platform::CombineClip(*dc, platform::engine::NormaliseRegion(region), mode) != ERROR;
}
