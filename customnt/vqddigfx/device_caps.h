#pragma once
// device_caps.h - what DrvEnablePDEV answers GDI about the device: GDIINFO, DEVINFO with its palette, and the
// default fonts, all from the PDEV's devmode copy.

#include "customnt/vqddigfx/pdev.h"

// Fills gdiInfo from the PDEV's devmode (sizes and offsets exchanged for landscape).
void BuildGdiInfo(PDEV* pdev, GDIINFO* pGdiInfo);

// Fills devInfo (default fonts zeroed) and makes its palette, which replaces and deletes the PDEV's earlier
// one. FALSE when the palette cannot be made.
BOOL BuildDevInfo(PDEV* pdev, DEVINFO* pDevInfo);

// The three default fonts of devInfo for the PDEV's resolution and graphics mode.
void FillDefaultFonts(PDEV* pdev, DEVINFO* pDevInfo);

// A two-colour palette, black (index 0) and white: the palette of every one-bit surface.
HPALETTE CreateMonochromePalette();

// TRUE when the PDEV draws through the engine's bitmaps (lpGraphicsMode 1) rather than through VQPDL.
BOOL IsRasterMode(PDEV* pdev);

// TRUE in raster mode for a monochrome devmode (dmColor 1): one-bit bitmaps.
BOOL IsMonochromeRaster(PDEV* pdev);
