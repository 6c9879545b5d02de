#pragma once
// sheet_state.h - the working state of an open property sheet (UI_STATE): built from a devmode with its
// option lists, freed, and the list and value records it is made of.

#include "settings/devmode/driver_devmode.h"
#include "settings/params/settings_schema.h"
#include "settings/params/ui_state.h"
#include "settings/strings/res_library.h"

// Builds the state of a sheet from the devmode: the run-time tables, the option lists and working values of
// every parameter, the phone book, the tab lists and the user's stored lists. The devmode is the sheet's own
// copy: its device name becomes the printer's fitted name, and a phone-book file that cannot be read is
// dropped from it. 1 with *ppState set; 0, with *ppState null and nothing left allocated, when memory for the
// state, its tables, its data block, its store or its packed defaults runs short.
BOOL BuildUiState(const RES_MODULE_CELL* pCell, UI_STATE** ppState, DRIVER_DEVMODE* pdm, PVOID unused,
                  HANDLE hPrinter);

// Frees the state with everything it owns (and the sheet's reference on the resource strings, when it holds
// one) and clears the pointer; a null pointer or state is ignored.
void FreeUiState(UI_STATE** ppState);

// Every non-special parameter's working value from the devmode, in table order, by its kind: option lists,
// value lists, single values and ranges from their features, typed fields copied from the devmode field.
void PopulateUiStateLists(const RES_MODULE_CELL* pCell, UI_STATE* pState, DRIVER_DEVMODE* pdm);

// Where a parameter's value lives, as its binding function tells: the devmode field (typed kinds), the
// UI_STATE field or area, and for feature-backed kinds the devmode's current value.
struct BoundParamFields {
    WORD  wCurrent;
    void* pDevmodeField;
    DWORD cbDevmodeField;
    WORD  wDevmodeType;
    void* pUiField;
    DWORD cbUiField;
    WORD  wUiType;
};
// Asks the binding function of run-time row wRow (whose copy is row) about the devmode (pdmCurrent, when
// given, is read for the current value). false when the row has no binding function, it fails, or it names
// no UI_STATE field.
bool BindParamFields(UI_STATE* pState, WORD wRow, const UIPARAM_RUN_ROW& row, DRIVER_DEVMODE* pdm,
                     DRIVER_DEVMODE* pdmCurrent, BoundParamFields* pFields);

// An option list of the feature with its current and committed value: every option's value, position, name
// (64 characters) and state 1, the feature's default, and the position of the last option holding the value
// (0 when none does).
void FillOptionList(const RES_MODULE_CELL* pCell, WORD wFeature, ITEM_LIST* pList, WORD wValue);
// The same for a list of values without names.
void FillValueList(const RES_MODULE_CELL* pCell, WORD wFeature, ITEM_LIST* pList, WORD wValue);
// A single value: current and committed value, the feature's default, flag 1.
void InitPlainValue(const RES_MODULE_CELL* pCell, WORD wFeature, VALUE_RECORD* pRecord, WORD wValue);
// A range: as a single value, with the feature's minimum and maximum.
void InitRangeValue(const RES_MODULE_CELL* pCell, WORD wFeature, VALUE_RECORD* pRecord, WORD wValue);

// The lists and values kept outside the parameter pass: the tab lists, the watermark index, the preview
// list, the devmode's u32 at 2567 and its text at 2173.
void InitExtraLists(const RES_MODULE_CELL* pCell, UI_STATE* pState, const DRIVER_DEVMODE* pdm);
// The index-paper lists (papers and tab counts) and the tab-index list 0..n of the largest tab count n,
// named by string 28531 for 0 and "value/n" for the others; its value is the devmode's tab-index choice.
void InitTabLists(const RES_MODULE_CELL* pCell, UI_STATE* pState, const DRIVER_DEVMODE* pdm);

// Width and length (0.01 mm) of a paper of the option tables; the first option's for an id they do not hold;
// zeros without a cell.
void GetPaperSizeById(const RES_MODULE_CELL* pCell, SHORT paperId, DWORD size[2]);
