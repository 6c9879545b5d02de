#pragma once
// ui_state_layout.h - where a UI_STATE keeps each parameter: the run-time parameter and key rows, the option
// lists behind the fixed part, the separate data block, and reading and writing a parameter by id.

#include "settings/params/settings_schema.h"
#include "settings/strings/res_library.h"
#include "win/windows.h"

struct UI_STATE;

// The run-time copy of the parameter table: every row and a zeroed end row, link words kNoLink, offsets 0.
// Null when memory is short; freed with FreeLockedBlock.
UIPARAM_RUN_ROW* LoadUiParamRows();
// The run-time copy of the settings-key table, with the parent flag of every key that counts another key's
// range; null when memory is short.
SETTINGS_KEY_RUN_ROW* LoadSettingsKeyRows();

// Parameters kept outside the main block: 100, 138, 184-186, 204-209, 214-216 and 233.
bool IsSpecialUiItem(WORD wParamId);

// Lays out the option lists of the non-special list parameters behind the fixed part, storing each one's
// area offset; returns the main block's size. A named list takes an ITEM_LIST head and one ITEM_LIST_ENTRY
// per option of its feature, a value list the head and a VALUE_LIST_ENTRY per option. Without a resource
// library every list still gets its head, with no options.
DWORD LayoutUiStateTable(const RES_MODULE_CELL* pCell, PVOID unused, UIPARAM_RUN_ROW* pRows, WORD wCount);
// Lays out the areas of the data block (100, 184-186, 204-206) from offset 0; returns its size.
DWORD LayoutUiStateDataBlock(const RES_MODULE_CELL* pCell, PVOID unused, UIPARAM_RUN_ROW* pRows, WORD wCount);

// Points every list and data-area pointer of the state at its own area again; used after building, cloning
// or copying a state.
void RebindUiStatePointers(UI_STATE* pState, PVOID unused);

// Asks the binding function of run-time row wRowIndex for the parameter's UI_STATE field; returns its result,
// or 0 when the row is out of range or has no binding function.
DWORD CallParamBinder(WORD wParamId, WORD wRowIndex, UI_STATE* pState, void** ppField, DWORD* pcbField,
                      WORD* pwType);

// Which value of a setting GetParamValue and SetParamValue reach.
constexpr WORD kParamCurrent = 1;
constexpr WORD kParamDefault = 2;

// Reads parameter wParamId of the state into pBuffer (*pcbBuffer bytes, type code wBufferType; a null buffer
// only reports the size). Lists give their head's current or default word, values and ranges the first or
// third word of the value record (2 bytes, type 4), other kinds their field. The field's address, size and
// type go to the optional outputs. -1 for an unknown id, a failing binding function, a kind without a field
// or another which; else the converter's result.
LONG GetParamValue(WORD wParamId, void* pBuffer, DWORD* pcbBuffer, WORD wBufferType, void** ppField,
                   DWORD* pcbField, WORD* pwType, UI_STATE* pState, WORD wWhich);
// Writes pBuffer into parameter wParamId of the state; results as GetParamValue.
LONG SetParamValue(WORD wParamId, const void* pBuffer, DWORD cbBuffer, WORD wBufferType, UI_STATE* pState,
                   WORD wWhich);
// The run-time row index of a parameter id in the state; kNoLink when none.
WORD FindUiParamRunRow(const UI_STATE* pState, WORD wParamId);
