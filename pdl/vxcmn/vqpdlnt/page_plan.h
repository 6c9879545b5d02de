#pragma once
// page_plan.h - the page plan's hooks into the writer core: its state at the start and end of a document,
// the sheets it plans around pages, and the capture of insert-sheet tab texts; and its answers about the
// sheets it inserts, as the job header and the page setup ask for them.

#include "customnt/vqddigfx/pdev.h"

// Clears the plan's fields and makes the insert-sheet buffer, at the start of a document.
void PlanBeginDocument(PDEV* pdev);

// Frees the plan and the insert-sheet buffer, at the end of a document.
void PlanEndDocument(PDEV* pdev);

// Frees the captured tab texts.
void FreeTabCaptures(PDEV* pdev);

// Keeps bytes the writer produced while tab text is captured.
void CaptureTabText(PDEV* pdev, const BYTE* pData, WORD cb);

// The sheets the plan puts before the first page (at the start of page 1), and after the current page (at
// its end, which ends the page's sheet).
void PdlEmitPlannedSheetsBeforeFirstPage(PDEV* pdev);
void PdlEmitPlannedSheetsAfterPage(PDEV* pdev);

// The number of inserted sides that the page plan places before the side holding the given page; 0 without
// a plan.
int CountInsertedSidesBefore(PDEV* pdev, int page);

// The tray that the page plan assigns to the current page. FALSE, with *pTray untouched, without a plan.
BOOL GetPageRangeTray(PDEV* pdev, WORD* pTray);
