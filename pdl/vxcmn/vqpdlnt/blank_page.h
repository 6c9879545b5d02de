#pragma once
// blank_page.h - the blank-page test each drawing call runs before it writes: while a sheet is tracked for
// blank-sheet suppression, a call that can put ink on the page marks the sheet, and a marked sheet stays
// marked until the next sheet.

#include "customnt/vqddigfx/pdev.h"

// A block transfer (source null for a pattern-only one).
void BlankTestBlt(PDEV* pdev, const SURFOBJ* psoSrc, BRUSHOBJ* pbo, ROP4 rop4);

// Text with its foreground brush and, when an opaque rectangle is drawn, its opaque brush.
void BlankTestText(PDEV* pdev, BRUSHOBJ* pboFore, const RECTL* prclOpaque, BRUSHOBJ* pboOpaque);

// A stroked and/or filled path with its brushes (null where the call has none).
void BlankTestPath(PDEV* pdev, BRUSHOBJ* pboStroke, BRUSHOBJ* pboFill);

// An image copied or stretched to the device: always marks.
void BlankTestImage(PDEV* pdev);

// TRUE when the brush paints white: a solid colour whose low 24 bits are 0xFFFFFF, a hatch whose two colours
// are white, or a one-bit pattern (kind 6) whose second colour is; a missing brush, or one that cannot be
// realized, counts as white.
BOOL IsWhiteBrush(BRUSHOBJ* pbo);
