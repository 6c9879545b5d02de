// file_attributes.cpp - GetFileAttributesW and SetFileAttributesW.
#include "files/file_table.h"
#include "win/winbase.h"

using platform::FilesMutex;

DWORD WINAPI GetFileAttributesW(LPCWSTR lpFileName)
{
    std::lock_guard lock(FilesMutex());
    std::filesystem::path host;
    if (!platform::ResolveFileName(lpFileName, host))
        return INVALID_FILE_ATTRIBUTES;
    platform::HostEntry entry;
    if (!platform::QueryHostEntry(host, entry)) {
        SetLastError(platform::MissingFileError(host));
        return INVALID_FILE_ATTRIBUTES;
    }
    return platform::AttributesOf(host, entry);
}

BOOL WINAPI SetFileAttributesW(LPCWSTR lpFileName, DWORD dwFileAttributes)
{
    std::lock_guard lock(FilesMutex());
    std::filesystem::path host;
    if (!platform::ResolveFileName(lpFileName, host))
        return FALSE;
    platform::HostEntry entry;
    if (!platform::QueryHostEntry(host, entry)) {
        SetLastError(platform::MissingFileError(host));
        return FALSE;
    }
    // Bits that are no attribute of one's choosing (directory, normal, temporary) are ignored.
    platform::SetKeptAttributes(host, dwFileAttributes & platform::kKeptAttributes);
    return TRUE;
}
