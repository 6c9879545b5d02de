#pragma once
// surfaces.h - the drawing surface of a PDEV: a banded bitmap in raster mode, a device surface in vector mode.

#include "customnt/vqddigfx/pdev.h"

// Band bitmaps hold at most this many bytes; a taller page is drawn in bands.
constexpr DWORD kMaxBandBytes = 0x850000;

// DrvEnableSurface: the surface, associated with GDI's device; 0 when it cannot be made, or with
// ERROR_INVALID_PARAMETER for an invalid PDEV.
HSURF EnableSurfaceImpl(DHPDEV dhpdev);

// DrvDisableSurface: deletes the surface.
VOID DisableSurfaceImpl(DHPDEV dhpdev);

// The raster band bitmap made white (every byte 0xFF), as a page or band starts blank; a surface without bits
// (vector mode) is left alone.
void WhitenBandBitmap(PDEV* pdev);
