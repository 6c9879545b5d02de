#pragma once
// page_plan.h - the page plan's answers about the sheets it inserts, as the job header and the page setup
// ask for them.

#include "win/windows.h"

struct PDEV;

// The number of inserted sides that the page plan places before the side holding the given page; 0 without
// a plan.
int CountInsertedSidesBefore(PDEV* pdev, int page);

// The tray that the page plan assigns to the current page. FALSE, with *pTray untouched, without a plan.
BOOL GetPageRangeTray(PDEV* pdev, WORD* pTray);
