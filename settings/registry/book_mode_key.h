#pragma once
// book_mode_key.h - the per-user key "BookMode" of a printer, which keeps the graphics and language choice
// between jobs.

#include "win/windows.h"

// Creates or opens HKEY_CURRENT_USER\<printer key path>\BookMode with KEY_ALL_ACCESS. TRUE with the open
// key (the caller closes it) and the disposition (REG_CREATED_NEW_KEY for a new key; disposition may be
// null); FALSE, with *key null, when the key cannot be opened.
BOOL OpenBookModeKey(LPCWSTR printerName, PHKEY key, LPDWORD disposition);
