#pragma once
// ui_state_store.h - the settings store hung in a sheet's working state: loaded and saved for the state's
// printer, and the insert-sheet settings passed between the state and a named insert list.

#include "win/windows.h"

struct UI_STATE;
struct INDEX_PAPER_SETTINGS;

// Loads the state's store (the registry groups for the state's printer and user, the user-defined sizes from
// the printer's data). 0 for a null state or store, else the store's result.
BOOL LoadUiStateStore(UI_STATE* pState);
// Saves the registry groups of the state's store, then writes the user-defined sizes that changed to the
// printer's data when the sheet may (IsLocalPrinterSettings). 0 for a null state or store.
BOOL SaveUiStateStore(UI_STATE* pState);
// Empties the state's insert sheets and takes the selected named list as the list under edit; does nothing
// while insert sheets are switched off.
void ResetInsertSheetEntries(UI_STATE* pState);
// The state's index-paper settings into a named list's record (counts and margins narrowed to bytes), and
// back; nothing while insert sheets are switched off or for a null argument.
void GetIndexPaperSettings(UI_STATE* pState, INDEX_PAPER_SETTINGS* pSettings);
void SetIndexPaperSettings(UI_STATE* pState, const INDEX_PAPER_SETTINGS* pSettings);

// Empties the state's named lists, then reads the saved-settings file into the state.
BOOL LoadLibrarySettings(UI_STATE* pState, LPCWSTR pszFile);
