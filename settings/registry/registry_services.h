#pragma once
// registry_services.h - the registry as the settings core reaches it: one-call wrappers (the first argument
// is accepted and not used; each returns the registry's error code, 0 on success) and whole-value reads
// and writes by key path.

#include "win/windows.h"

LONG CreateRegKey(PVOID unused, HKEY root, LPCWSTR subKey, DWORD options, REGSAM access, PHKEY key,
                  LPDWORD disposition);
LONG OpenRegKey(PVOID unused, HKEY root, LPCWSTR subKey, REGSAM access, PHKEY key);
LONG CloseRegKey(PVOID unused, HKEY key);
LONG DeleteRegKey(PVOID unused, HKEY root, LPCWSTR subKey);
LONG ReadRegValue(PVOID unused, HKEY key, LPCWSTR valueName, LPDWORD type, LPBYTE data, LPDWORD cbData);
LONG WriteRegValue(PVOID unused, HKEY key, LPCWSTR valueName, DWORD type, const BYTE* data, DWORD cbData);

// The root of the per-user settings: HKEY_CURRENT_USER.
HKEY GetUserRegRoot();

// Reads the value valueName of root\path (opened with KEY_ALL_ACCESS) into data. Stored values are
// untrusted, so the read succeeds only when the value has the given type and fits: a text type
// (REG_SZ, REG_EXPAND_SZ, REG_MULTI_SZ) may be shorter than cbData and comes back terminated within it;
// any other type must be exactly cbData bytes. FALSE, with data untouched, otherwise.
BOOL QueryRegValue(HKEY root, LPCWSTR path, DWORD type, LPCWSTR valueName, LPVOID data, DWORD cbData);

// Writes the value into the existing key root\path (opened with KEY_ALL_ACCESS); FALSE when the key is
// missing or the write fails.
BOOL SetRegValue(HKEY root, LPCWSTR path, DWORD type, LPCWSTR valueName, const void* data, DWORD cbData);
