#pragma once
// planned_sheets.h - the sheets the page plan puts before the first page and after a page (inserted sheets,
// blank backs), each with its own page setup, its tab when it carries one, and its eject.

#include "customnt/vqddigfx/pdev.h"

struct PLANNED_SHEET;

// At the start of page 1, unless a form file is being made: the sheets planned before the first page.
void PdlEmitPlannedSheetsBeforeFirstPage(PDEV* pdev);

// At the end of a page: its tab when its sheet carries one, the end of its sheet, then the sheets planned
// after it. Without a plan the sheet simply ends.
void PdlEmitPlannedSheetsAfterPage(PDEV* pdev);

// Draws the tab of a planned sheet: the sheet filled white, then the tab's stored text at the tab's place.
// 0 (nothing drawn) for an invalid PDEV or a sheet whose tab has no stored text; else 1.
int PdlDrawPlannedItem(PDEV* pdev, const PLANNED_SHEET& sheet);
