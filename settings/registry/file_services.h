#pragma once
// file_services.h - one-call wrappers of the private-profile and file calls. The first argument of each is
// accepted and not used: callers pass whatever context they hold.

#include "win/windows.h"

DWORD  ReadProfileString(PVOID unused, LPCWSTR section, LPCWSTR key, LPCWSTR defaultText, LPWSTR out, DWORD cchOut,
                         LPCWSTR fileName);
// GetPrivateProfileIntW's result cut to 16 bits.
WORD   ReadProfileInt(PVOID unused, LPCWSTR section, LPCWSTR key, INT defaultValue, LPCWSTR fileName);
BOOL   WriteProfileString(PVOID unused, LPCWSTR section, LPCWSTR key, LPCWSTR text, LPCWSTR fileName);

BOOL   CopyOneFile(PVOID unused, LPCWSTR existingName, LPCWSTR newName, BOOL failIfExists);
// CreateFileW with share mode 0 and no security attributes; INVALID_HANDLE_VALUE on failure.
HANDLE OpenFileHandle(PVOID unused, LPCWSTR fileName, DWORD access, DWORD disposition, DWORD flags,
                      HANDLE templateFile);
BOOL   ReadFileBytes(PVOID unused, HANDLE file, LPVOID buffer, DWORD cbToRead, LPDWORD cbRead);
BOOL   CloseFileHandle(PVOID unused, HANDLE file);
BOOL   RemoveFile(PVOID unused, LPCWSTR fileName);
// The low 32 bits of the file's size.
DWORD  GetFileLength(PVOID unused, HANDLE file);
DWORD  GetFileAttrs(PVOID unused, LPCWSTR fileName);

// TRUE when the file opens for reading (it is closed again at once) or another process holds it open
// (sharing violation); FALSE when it is missing or cannot be read for another reason.
BOOL   IsFilePresent(PVOID unused, LPCWSTR fileName);
