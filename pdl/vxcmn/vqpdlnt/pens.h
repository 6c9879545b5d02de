#pragma once
// pens.h - the pen of the next stroke: the line colour (colour register 10), the cosmetic line ("lnp" with a
// style, "lnc" without) and the line style ("lns").

#include "customnt/vqddigfx/pdev.h"

// Sets the pen of a stroke with the brush and line attributes: "lns -1;" (no line) when either is missing;
// otherwise the line colour of a solid brush ("brc 10"), the line and "lns 0;". Geometric lines are not
// drawn: "rem geometric pen;", line style 0, FALSE.
BOOL PdlOutputPen(PDEV* pdev, BRUSHOBJ* pbo, LINEATTRS* pla);

// The same, but the brush is also selected for the line (PdlSelectBrush) and the line names the brush number
// where PdlOutputPen names colour register 10.
BOOL PdlOutputPenWithBrush(PDEV* pdev, BRUSHOBJ* pbo, LINEATTRS* pla);

// Forgets the line style and colour the printer was told.
void PdlResetPenState(PDEV* pdev);
