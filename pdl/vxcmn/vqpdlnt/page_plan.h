#pragma once
// page_plan.h - the page plan's hooks into the writer core: its state at the start and end of a document,
// the sheets it plans around pages, and the capture of insert-sheet tab texts; and its answers about the
// sheets it inserts, as the job header and the page setup ask for them.

#include "customnt/vqddigfx/pdev.h"

#pragma pack(push, 1)
// One sheet the plan puts around a page, as the page setup writes it.
struct PLANNED_SHEET {            // 222 bytes
    SHORT sPaper;                 // 0    lpOutputPaper for a document sheet, the insert paper for a tab sheet
    SHORT sOrientation;           // 2
    BYTE  bSides;                 // 4    1 one-sided, 2 two-sided
    BYTE  bBinding;               // 5    0 none, 2 long edge, 3 short edge
    SHORT sTray;                  // 6
    SHORT sInsertIndex;           // 8    0: no tab; else the InterSheet entry number + 1
    BYTE  insertPaper[8];         // 10   the insert paper block
    char  indexText[128];         // 18   the tab description of the InterSheet entry
    SHORT tabValues[4];           // 146  tab number and placement values
    char  fontFace[64];           // 154
    SHORT tabExtra[2];            // 218
};
#pragma pack(pop)
static_assert(sizeof(PLANNED_SHEET) == 222);
static_assert(offsetof(PLANNED_SHEET, insertPaper) == 10);
static_assert(offsetof(PLANNED_SHEET, tabValues) == 146);
static_assert(offsetof(PLANNED_SHEET, tabExtra) == 218);

// Clears the plan's fields and makes the insert-sheet buffer, at the start of a document.
void PlanBeginDocument(PDEV* pdev);

// Frees the plan and the insert-sheet buffer, at the end of a document.
void PlanEndDocument(PDEV* pdev);

// Frees the captured tab texts.
void FreeTabCaptures(PDEV* pdev);

// Keeps bytes the writer produced while tab text is captured.
void CaptureTabText(PDEV* pdev, const BYTE* pData, WORD cb);

// The number of inserted sides that the page plan places before the side holding the given page; 0 without
// a plan.
int CountInsertedSidesBefore(PDEV* pdev, int page);

// The tray that the page plan assigns to the current page. FALSE, with *pTray untouched, without a plan.
BOOL GetPageRangeTray(PDEV* pdev, WORD* pTray);

// The sheets the plan puts around page p (0: before the first page): their number, and with pSheets (room
// for kMaxPlannedSheets) the sheets themselves. 0 without a plan.
constexpr int kMaxPlannedSheets = 64;
int CollectPlanSides(PDEV* pdev, int page, PLANNED_SHEET* pSheets);

// The insert paper of the sheet holding the current page when it carries a tab. FALSE, with *pPaper
// untouched, without a plan.
BOOL GetPlanPagePaper(PDEV* pdev, SHORT* pPaper);

// The side (0 front, 1 back) and binding of the current page's sheet. FALSE, with both untouched, without a
// plan.
BOOL GetPageSide(PDEV* pdev, BYTE* pSide, BYTE* pBinding);

// The sides of every sheet by the devmode: 2 for a booklet, or for a two-sided layout with dmDuplex 2 or 3;
// else 1. Its binding: 3 for a booklet, dmDuplex (2 or 3) for a two-sided layout, else 0.
BYTE GetPlanSidesPerSheet(PDEV* pdev);
BYTE GetPlanDuplexMode(PDEV* pdev);

// The image origin of the current sheet side, 1/100 mm.
void GetPageImageOffset(PDEV* pdev, LONG* pX, LONG* pY);

// Whether a tab record with the key exists / writes its stored data (version 1 or 2) into the output.
BOOL HasTabTextForPage(PDEV* pdev, int key);
void WriteTabTextForPage(PDEV* pdev, int version, int key);
