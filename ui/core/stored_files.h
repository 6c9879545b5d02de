#pragma once
// stored_files.h - what a page's apply does to the user's stored settings, and the files the stored settings
// name: the clean-up of the printer's per-user keys, and the fax cover sheet's image file.

#include "settings/params/ui_state.h"
#include "settings/store/list_group_records.h"
#include "win/windows.h"

constexpr DWORD kSheetEventOpen = 1;
constexpr DWORD kSheetEventApply = 2;

// On the apply event with a printer name in the working state: the printer's stale per-user keys are deleted
// and the sheet's settings store is saved. Any other event does nothing.
void PurgeUserPrinterKeys(UI_STATE* pState, DWORD event);

// TRUE when the file opens for reading, or is there but held by another program without sharing.
BOOL FileExists(LPCWSTR path);

// The fax cover sheet group of the sheet's settings store; null without a state, a store or the group.
FAX_COVER_RECORD* GetFaxCoverSheetGroup(UI_STATE* pState);

// TRUE when the cover sheet's stored image file name is empty or names a file that exists; FALSE when the file
// is missing or there is no group.
BOOL CheckStoredFileExists(UI_STATE* pState);

// Copies cb bytes of the stored image file name (at most the field's 522) into out. 1, or 0 without a group
// or an output.
int GetStoredFileName(UI_STATE* pState, void* out, DWORD cb);
