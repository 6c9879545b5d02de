#pragma once
// custom_size_state.h - the user-defined paper sizes as a sheet's working state holds them, and whether the
// sheet may store them as printer data.

#include "settings/paper/custom_size_entry.h"
#include "win/windows.h"

struct UI_STATE;

// FALSE only for a sheet of a printer reached over the network ("\\" before its name) that was set up with
// its host flag; such a sheet leaves the printer's user-defined sizes as stored.
BOOL IsLocalPrinterSettings(const UI_STATE* pState);

// The width ("User Defined Width") or length ("User Defined Length") of user-defined size index 0..9 of the
// state's store, in thousandths of an inch; 0 for another key, an index outside 0..9, a null state or a
// missing block.
LONG GetCustomSizeValue(const UI_STATE* pState, UINT index, LPCWSTR pszKey, PVOID unused);
// Copies the size's name (at most 16 characters and a terminator) into pszOut, which holds 17 characters;
// returns its length + 1, or 0 with pszOut untouched in the cases GetCustomSizeValue answers 0.
DWORD GetCustomSizeName(const UI_STATE* pState, UINT index, LPWSTR pszOut);
// The size's display unit (1 millimetres, 2 inches); 0 as above.
WORD GetCustomSizeUnit(const UI_STATE* pState, UINT index);

// Puts the state's ten sizes (width, length, name) into the paper table's user-defined rows.
void LoadCustomPaperSizes(const UI_STATE* pState);
// Rewrites the size texts of the user-defined rows in each size's display unit.
void FormatCustomPaperSizeTexts(const UI_STATE* pState);
