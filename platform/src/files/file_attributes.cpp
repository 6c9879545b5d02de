// file_attributes.cpp - GetFileAttributesW and SetFileAttributesW.
#include "files/file_table.h"
#include "win/winbase.h"

using platform::FilesMutex;

DWORD WINAPI GetFileAttributesW(LPCWSTR lpFileName)
{
    std::lock_guard lock(FilesMutex());
    std::filesystem::path host;
    platform::HostEntry entry;
    if (!platform::FindExisting(lpFileName, host, entry))
        return INVALID_FILE_ATTRIBUTES;
    return platform::AttributesOf(host, entry);
}

BOOL WINAPI SetFileAttributesW(LPCWSTR lpFileName, DWORD dwFileAttributes)
{
    std::lock_guard lock(FilesMutex());
    std::filesystem::path host;
    platform::HostEntry entry;
    if (!platform::FindExisting(lpFileName, host, entry))
        return FALSE;
    // Bits that are no attribute of one's choosing (directory, normal, temporary) are ignored.
    platform::SetKeptAttributes(host, entry.id, dwFileAttributes);
    return TRUE;
}
