#pragma once
// path_to_dc.h - draws a path object, scaled, into a memory device context holding a bitmap: the glyph
// rendering draws glyph outlines this way to get their pixels.

#include "win/winddi.h"

// One coordinate of a path point on the bitmap: (value - origin) as a 28.4 number, times scale / 10000, taken
// back to 28.4 (the integer part, then each fraction bit of 1/2 to 1/16 only where the rest of the fraction is
// strictly above its weight) and shifted right by 4.
LONG ScalePathCoordinate(FIX value, FIX origin, LONG scale);

// Fills the bitmap black and draws the path on it in white, filled with the winding rule and stroked, each
// point scaled by scale (1/10000) around origin (28.4). The DC's pen, brush and fill mode are restored. FALSE
// when a Bezier record's point count is not a multiple of 3, or a GDI call fails.
BOOL DrawPathToDC(HDC hdc, PATHOBJ* ppo, LONG scale, POINTFIX origin);
