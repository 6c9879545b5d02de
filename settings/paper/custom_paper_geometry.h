#pragma once
// custom_paper_geometry.h - the size and margins of a user-defined paper as the devmode validation uses them.

#include "win/windows.h"

// The size of user-defined paper paperId in 0.1 mm: the built-in default of that size, replaced by the size
// stored in the printer data when it can be read. Thousandths of an inch convert as (x x 254 + 500) / 1000.
// Ids that are no user-defined paper leave the outputs alone.
void GetCustomSizeTenthsMm(SHORT paperId, LONG* pWidth, LONG* pLength, HANDLE hPrinter);

// Margins (0.01 mm) that centre a width x length paper (0.01 mm) on what the paper source (tray and source
// unit) can print: a dimension beyond the source's largest splits its excess between both sides, the odd
// hundredth going left or top; each margin is at least the source's least margin.
void ComputeCenteringMargins(WORD wTray, WORD wSourceUnit, LONG width, LONG length, LONG* pLeft, LONG* pTop,
                             LONG* pRight, LONG* pBottom);
