#pragma once
// nup_layout.h - placing several logical pages on one sheet (N-up) and zooming a page onto its sheet.

#include "customnt/vqddigfx/pdev.h"

constexpr DWORD kScaleNone = 10000;   // the page's drawing at its own size

// The scale in 1/10000 of the page's drawing for the PDEV's layout and zoom, with the cells of its sheet.
DWORD ComputeNupLayout(PDEV* pdev);

// DrvResetPDEV: the new PDEV takes the old one's N-up block.
void CarryNupLayout(PDEV* pOld, PDEV* pNew);
