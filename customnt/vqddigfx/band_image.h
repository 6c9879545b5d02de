#pragma once
// band_image.h - raster pages reach the printer as images: each band of the bitmap surface, drawn onto the
// page through the VQPDL block transfer. The same path fills the black rectangles of N-up frames.

#include "customnt/vqddigfx/pdev.h"

constexpr ROP4  kRopBandAnd = 0x8888;          // the band's black lands on the page, its white leaves it
constexpr ROP4  kRopWatermarkBand = 0xE2E2;    // the inverted band laid in grey through the pattern
constexpr ULONG kWatermarkGrey = 0x808080;

// Draws the bitmap psoBand (from its top left; null: no source) onto the page rectangle rcPage with rop4 and
// a brush of the solid colour, through a temporary device surface of the rectangle's size. TRUE when the
// writer drew it; an empty rectangle draws nothing and succeeds.
BOOL SendBandImage(PDEV* pdev, SURFOBJ* psoBand, const RECTL& rcPage, ROP4 rop4, ULONG colour);

// A black rectangle of the page.
BOOL FillRectBlack(PDEV* pdev, SURFOBJ* pso, const RECTL& rcPage);

// The whole band bitmap of a raster page that fits one band, with the raster watermark when the devmode asks
// for one on this page (the bitmap's bytes are changed for it).
BOOL SendRasterPage(PDEV* pdev, SURFOBJ* psoBand);

// The PDEV's whole band bitmap to the page as it stands, then the bitmap made white for what is drawn next.
// FALSE when the band could not be sent; it is made white all the same.
BOOL SendAndClearBand(PDEV* pdev);
