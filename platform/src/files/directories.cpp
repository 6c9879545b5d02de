// directories.cpp - CreateDirectoryW and RemoveDirectoryW.
#include "files/file_table.h"
#include "files/host_errors.h"
#include "win/winbase.h"

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

using platform::FilesMutex;

BOOL WINAPI CreateDirectoryW(LPCWSTR lpPathName, LPSECURITY_ATTRIBUTES lpSecurityAttributes)
{
    (void)lpSecurityAttributes;   // the world has one user: there is nobody to keep out
    std::lock_guard lock(FilesMutex());
    std::filesystem::path host;
    if (!platform::ResolveFileName(lpPathName, host))
        return FALSE;
    platform::HostEntry entry;
    if (platform::QueryHostEntry(host, entry)) {
        SetLastError(ERROR_ALREADY_EXISTS);
        return FALSE;
    }
    if (::mkdir(host.c_str(), 0777) != 0) {
        SetLastError(errno == ENOENT || errno == ENOTDIR ? ERROR_PATH_NOT_FOUND : platform::ErrorFromErrno(errno));
        return FALSE;
    }
    return TRUE;
}

BOOL WINAPI RemoveDirectoryW(LPCWSTR lpPathName)
{
    std::lock_guard lock(FilesMutex());
    std::filesystem::path host;
    platform::HostEntry entry;
    if (!platform::FindExisting(lpPathName, host, entry))
        return FALSE;
    if (!entry.isDirectory) {
        SetLastError(ERROR_DIRECTORY);
        return FALSE;
    }
    if (platform::IsReadOnly(host, entry)) {
        SetLastError(ERROR_ACCESS_DENIED);
        return FALSE;
    }
    if (::rmdir(host.c_str()) != 0) {
        SetLastError(errno == EEXIST ? ERROR_DIR_NOT_EMPTY : platform::ErrorFromErrno(errno));
        return FALSE;
    }
    platform::ForgetAttributes(host);
    return TRUE;
}
