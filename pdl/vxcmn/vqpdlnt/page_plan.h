#pragma once
// page_plan.h - the page plan: which document pages lie on which physical sheet when a job has insert sheets,
// chapters or ranges printed one-sided or two-sided. The interface module sends the insert-sheet entries by
// private escape and asks for the build before the first page; the job header and the page setup then ask the
// plan, page by page, for the sheet's paper, tray, side and binding and for the sheets to put around the page.
// Every answer says "no plan" unless the job uses an insert list and the build made a table.

#include "customnt/vqddigfx/pdev.h"
#include "settings/store/list_group_records.h"

constexpr int kPlanTableRecords = 20000;   // sheets are numbered from 1, so 19,999 of them fit
constexpr int kPlanMaxSheets = kPlanTableRecords - 1;
constexpr int kPlanMaxPages = 10000;       // a plan covers pages 1 to at most this many
constexpr SHORT kPlanNoPage = -1;          // an inserted sheet's front, or a blank back side

#pragma pack(push, 1)
// One physical sheet of the plan.
struct PAGE_PLAN_SHEET {          // 12 bytes
    SHORT sFront;                 // 0    the document page on its front; kPlanNoPage for an inserted sheet
    SHORT sBack;                  // 2    the page on its back; 0 none (one-sided), kPlanNoPage blank
    BYTE  bSides;                 // 4    1 one-sided, 2 two-sided
    BYTE  bBinding;               // 5    0 none, 2 long edge, 3 short edge
    SHORT sTray;                  // 6    bin code
    SHORT sInsertIndex;           // 8    0, or the insert-sheet entry number + 1 of the tab the sheet carries
    BYTE  bRunEnd;                // 10   1 on the last sheet of a run, which is paired two-sided as a unit
    BYTE  reserved11;             // 11
};

// The plan's table: a job block of 240,000 bytes, built zeroed, used from index 1.
struct PAGE_PLAN_TABLE {
    PAGE_PLAN_SHEET sheets[kPlanTableRecords];
};

// One side the plan puts around a page, as the page setup writes it.
struct PLANNED_SHEET {            // 222 bytes
    SHORT sPaper;                 // 0    lpOutputPaper for a document sheet, the insert paper for a tab sheet
    SHORT sOrientation;           // 2    dmOrientation
    BYTE  bSides;                 // 4    1 one-sided, 2 two-sided
    BYTE  bBinding;               // 5    0 none, 2 long edge, 3 short edge
    SHORT sTray;                  // 6
    SHORT sInsertIndex;           // 8    0: no tab; else the insert-sheet entry number + 1
    BYTE  insertPaper[8];         // 10   the insert paper block
    WCHAR szTabText[64];          // 18   the entry's tab text, cut to 63 units and terminated
    SHORT sTabNumber;             // 146  the entry's tab number (PrnTabIndexNo)
    SHORT sTabAutoNumber;         // 148  TabIndexAutoNo
    SHORT sTextDirection;         // 150  TabTextOrient
    SHORT sTextAlign;             // 152  TabTextAlign
    WCHAR szFontFace[32];         // 154  TabTextFontName, terminated
    SHORT sFontStyle;             // 218
    SHORT sFontSize;              // 220  points
};
#pragma pack(pop)
static_assert(sizeof(PAGE_PLAN_SHEET) == 12);
static_assert(offsetof(PAGE_PLAN_SHEET, sBack) == 2);
static_assert(offsetof(PAGE_PLAN_SHEET, bSides) == 4);
static_assert(offsetof(PAGE_PLAN_SHEET, bBinding) == 5);
static_assert(offsetof(PAGE_PLAN_SHEET, sTray) == 6);
static_assert(offsetof(PAGE_PLAN_SHEET, sInsertIndex) == 8);
static_assert(offsetof(PAGE_PLAN_SHEET, bRunEnd) == 10);
static_assert(sizeof(PAGE_PLAN_TABLE) == 240000);
static_assert(sizeof(PLANNED_SHEET) == 222);
static_assert(offsetof(PLANNED_SHEET, sOrientation) == 2);
static_assert(offsetof(PLANNED_SHEET, bSides) == 4);
static_assert(offsetof(PLANNED_SHEET, sTray) == 6);
static_assert(offsetof(PLANNED_SHEET, sInsertIndex) == 8);
static_assert(offsetof(PLANNED_SHEET, insertPaper) == 10);
static_assert(offsetof(PLANNED_SHEET, szTabText) == 18);
static_assert(offsetof(PLANNED_SHEET, sTabNumber) == 146);
static_assert(offsetof(PLANNED_SHEET, sTabAutoNumber) == 148);
static_assert(offsetof(PLANNED_SHEET, sTextDirection) == 150);
static_assert(offsetof(PLANNED_SHEET, sTextAlign) == 152);
static_assert(offsetof(PLANNED_SHEET, szFontFace) == 154);
static_assert(offsetof(PLANNED_SHEET, sFontStyle) == 218);
static_assert(offsetof(PLANNED_SHEET, sFontSize) == 220);

// Clears the plan's fields (freeing what a former document left) and makes the insert-sheet buffer, at the
// start of a document; tab text capture is off.
void PlanBeginDocument(PDEV* pdev);

// Frees the plan table and the insert-sheet buffer, at the end of a document.
void PlanEndDocument(PDEV* pdev);

// Moves the plan's blocks (table, insert-sheet buffer, tab records and their texts, capture buffer) from the
// old PDEV's allocation list to the new one's, whose context already holds a copy of the old one's fields.
void PlanMoveBuffers(PDEV* pOld, PDEV* pNew);

// A copy of insert-sheet entry index (from 0) as it arrived. FALSE, *pEntry untouched, for an index at or
// beyond the entry count or the buffer's 128 entries, or without a buffer.
BOOL ReadInsertEntry(PDEV* pdev, int index, INTERSHEET_ENTRY* pEntry);

// The job uses an insert list (InterSheet_Check) and this build has insert sheets (switchable feature 2).
// FALSE for a null PDEV (the job header's writers may run without one).
BOOL IsPagePlanActive(PDEV* pdev);

// The sides of every sheet by the devmode: 2 for a booklet, or for a two-sided layout with dmDuplex 2 or 3;
// else 1. Its binding: 3 for a booklet, dmDuplex (2 or 3) for a two-sided layout, else 0.
BYTE GetPlanSidesPerSheet(PDEV* pdev);
BYTE GetPlanDuplexMode(PDEV* pdev);

// The sides the plan puts around page p (0: before the first page): the number of PLANNED_SHEET records, and
// with pSheets (room for cMax records) the first cMax of them. For p not 0 the first record is the sheet of
// page p itself; a blank back of that sheet, inserted fronts and blank backs up to the sheet of page p + 1
// follow (to the plan's end when no sheet holds p + 1). 0 without a plan or for a page beyond it.
int CollectPlanSides(PDEV* pdev, int page, PLANNED_SHEET* pSheets, int cMax);

// The insert paper of the sheet holding the current page when it carries a tab. FALSE, with *pPaper
// untouched, otherwise.
BOOL GetPlanPagePaper(PDEV* pdev, SHORT* pPaper);

// The tray of the sheet holding the current page; lpMediaSource when the page lies beyond the plan. FALSE,
// with *pTray untouched, without a plan table.
BOOL GetPageRangeTray(PDEV* pdev, WORD* pTray);

// The side (0 front, 1 back) of the current page and its binding: inside the plan from its sheet; beyond it
// by the page's distance from the plan's end, with the binding dmDuplex. FALSE, both untouched, without a plan.
BOOL GetPageSide(PDEV* pdev, BYTE* pSide, BYTE* pBinding);

// The sides (1 or 2) and binding of the sheet holding the current page. FALSE, both untouched, without a
// plan or for a page beyond it.
BOOL GetPlanPageDuplex(PDEV* pdev, BYTE* pSides, BYTE* pBinding);

// The number of sides the plan leaves without a document page (inserted fronts, blank backs) before the side
// holding min(page, the plan's page count); 0 without a plan or for a page below 1.
int CountInsertedSidesBefore(PDEV* pdev, int page);

// The number of tab sheets before the first sheet that carries the tab of insertIndex; 0 without a plan or
// when no sheet carries it.
int CountTabSheetsBefore(PDEV* pdev, int insertIndex);
