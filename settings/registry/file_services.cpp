// file_services.cpp - one-call wrappers of the private-profile and file calls.
#include "settings/registry/file_services.h"

DWORD ReadProfileString(PVOID, LPCWSTR section, LPCWSTR key, LPCWSTR defaultText, LPWSTR out, DWORD cchOut,
                        LPCWSTR fileName)
{
    return GetPrivateProfileStringW(section, key, defaultText, out, cchOut, fileName);
}

WORD ReadProfileInt(PVOID, LPCWSTR section, LPCWSTR key, INT defaultValue, LPCWSTR fileName)
{
    return static_cast<WORD>(GetPrivateProfileIntW(section, key, defaultValue, fileName) & 0xFFFF);
}

BOOL WriteProfileString(PVOID, LPCWSTR section, LPCWSTR key, LPCWSTR text, LPCWSTR fileName)
{
    return WritePrivateProfileStringW(section, key, text, fileName);
}

BOOL CopyOneFile(PVOID, LPCWSTR existingName, LPCWSTR newName, BOOL failIfExists)
{
    return CopyFileW(existingName, newName, failIfExists);
}

HANDLE OpenFileHandle(PVOID, LPCWSTR fileName, DWORD access, DWORD disposition, DWORD flags, HANDLE templateFile)
{
    return CreateFileW(fileName, access, /*dwShareMode=*/0, /*lpSecurityAttributes=*/nullptr, disposition, flags,
                       templateFile);
}

BOOL ReadFileBytes(PVOID, HANDLE file, LPVOID buffer, DWORD cbToRead, LPDWORD cbRead)
{
    return ReadFile(file, buffer, cbToRead, cbRead, /*lpOverlapped=*/nullptr);
}

BOOL CloseFileHandle(PVOID, HANDLE file)
{
    return CloseHandle(file);
}

BOOL RemoveFile(PVOID, LPCWSTR fileName)
{
    return DeleteFileW(fileName);
}

DWORD GetFileLength(PVOID, HANDLE file)
{
    return GetFileSize(file, /*lpFileSizeHigh=*/nullptr);
}

DWORD GetFileAttrs(PVOID, LPCWSTR fileName)
{
    return GetFileAttributesW(fileName);
}

BOOL IsFilePresent(PVOID, LPCWSTR fileName)
{
    HANDLE file = CreateFileW(fileName, GENERIC_READ, /*dwShareMode=*/0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        CloseHandle(file);
        return TRUE;
    }
    return GetLastError() == ERROR_SHARING_VIOLATION ? TRUE : FALSE;
}
