#pragma once
// brushes.h - brush objects (CreateSolidBrush, CreateHatchBrush, CreatePatternBrush, CreateDIBPatternBrushPt,
// CreateBrushIndirect) and the patterns of hatched brushes.

#include <memory>
#include "gdi/objects.h"

namespace platform {

// What a LOGBRUSH paints with, as CreateBrushIndirect and ExtCreatePen read it; false (ERROR_INVALID_PARAMETER)
// for a style or hatch GDI does not know, or a pattern that is neither a bitmap nor a readable DIB.
bool ReadLogBrush(const LOGBRUSH& lb, LogicalBrush& out);

// The 8-by-8 monochrome picture of a hatch (HS_*): 0 on its lines, 1 between them, so that a blit gives the
// lines the brush's colour and the rest the background colour.
std::shared_ptr<GdiBitmap> HatchPattern(ULONG hatch);

} // namespace platform
