// file_io.cpp - CreateFileW and the calls on a file handle: read, write, seek, size, flush, close.
#include "common/world_state.h"
#include "files/file_table.h"
#include "files/host_errors.h"
#include "win/winbase.h"

#include <cerrno>
#include <cstdint>
#include <fcntl.h>
#include <sys/types.h>
#include <unistd.h>

using platform::FilesMutex;
using platform::OpenFile;

namespace {

// The kAccess* bits of a desired access. Delete on close needs the right to delete, which the handles
// already open must share, as on Windows.
DWORD DataAccess(DWORD dwDesiredAccess, DWORD dwFlagsAndAttributes)
{
    DWORD access = 0;
    if (dwDesiredAccess & (GENERIC_READ | GENERIC_ALL))
        access |= platform::kAccessRead;
    if (dwDesiredAccess & (GENERIC_WRITE | GENERIC_ALL))
        access |= platform::kAccessWrite;
    if (dwFlagsAndAttributes & FILE_FLAG_DELETE_ON_CLOSE)
        access |= platform::kAccessDelete;
    return access;
}

// The host descriptor allows what the handle allows (Windows' own checks come first, in CreateFileW), and
// writing when the file is to be emptied, which the host does only through a writable descriptor.
int OpenHostFile(const std::filesystem::path& host, DWORD access, bool create, bool truncate)
{
    int flags = O_CLOEXEC | O_LARGEFILE;
    if ((access & platform::kAccessWrite) || truncate)
        flags |= (access & platform::kAccessRead) ? O_RDWR : O_WRONLY;
    else
        flags |= O_RDONLY;
    if (create)
        flags |= O_CREAT | O_EXCL;
    if (truncate)
        flags |= O_TRUNC;
    return ::open(host.c_str(), flags, 0666);
}

std::shared_ptr<OpenFile> FindFile(HANDLE hFile)
{
    return platform::FileHandles().Find(hFile);
}

// The file behind a handle that must hold the access (kAccess* bits) for what the caller is about to do;
// null, with the last error set, for an unknown handle or one without that access.
std::shared_ptr<OpenFile> FindFileWithAccess(HANDLE hFile, DWORD access)
{
    auto file = FindFile(hFile);
    if (file == nullptr) {
        SetLastError(ERROR_INVALID_HANDLE);
        return nullptr;
    }
    if ((file->access & access) != access) {
        SetLastError(ERROR_ACCESS_DENIED);
        return nullptr;
    }
    return file;
}

// Every handle of the stand-in is synchronous, so an overlapped request would be answered wrongly; a
// missing buffer is refused rather than used. False, with the last error set, for either.
bool TransferArgumentsValid(LPCVOID lpBuffer, DWORD nNumberOfBytes, LPOVERLAPPED lpOverlapped)
{
    if (lpOverlapped != nullptr || (lpBuffer == nullptr && nNumberOfBytes != 0)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return false;
    }
    return true;
}

// A file's size through its handle; false (with the last error) when the host cannot tell.
bool SizeOfOpenFile(const OpenFile& file, uint64_t& size)
{
    platform::HostEntry entry;
    if (!platform::QueryOpenFile(file.fd, entry)) {
        SetLastError(platform::ErrorFromErrno(errno));
        return false;
    }
    size = entry.size;
    return true;
}

} // namespace

HANDLE WINAPI CreateFileW(LPCWSTR lpFileName, DWORD dwDesiredAccess, DWORD dwShareMode,
                          LPSECURITY_ATTRIBUTES lpSecurityAttributes, DWORD dwCreationDisposition,
                          DWORD dwFlagsAndAttributes, HANDLE hTemplateFile)
{
    (void)lpSecurityAttributes;   // the world has one user: there is nobody to keep out
    (void)hTemplateFile;
    std::lock_guard lock(FilesMutex());
    const DWORD access = DataAccess(dwDesiredAccess, dwFlagsAndAttributes);
    if (dwCreationDisposition < CREATE_NEW || dwCreationDisposition > TRUNCATE_EXISTING
        || (dwShareMode & ~platform::kAllShareModes) != 0
        || (dwCreationDisposition == TRUNCATE_EXISTING && !(access & platform::kAccessWrite))) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return INVALID_HANDLE_VALUE;
    }
    std::filesystem::path host;
    if (!platform::ResolveFileName(lpFileName, host))
        return INVALID_HANDLE_VALUE;

    platform::HostEntry entry;
    const bool existed = platform::QueryHostEntry(host, entry);
    const bool overwrite = dwCreationDisposition == CREATE_ALWAYS || dwCreationDisposition == TRUNCATE_EXISTING;
    if (!existed && (dwCreationDisposition == OPEN_EXISTING || dwCreationDisposition == TRUNCATE_EXISTING)) {
        SetLastError(platform::MissingFileError(host));
        return INVALID_HANDLE_VALUE;
    }
    if (existed) {
        // The name is taken whatever holds it; only then does it matter that a folder is no file.
        if (dwCreationDisposition == CREATE_NEW || entry.isDirectory) {
            SetLastError(dwCreationDisposition == CREATE_NEW ? ERROR_FILE_EXISTS : ERROR_ACCESS_DENIED);
            return INVALID_HANDLE_VALUE;
        }
        // A read-only file may be neither changed nor deleted, on close or otherwise.
        const bool changes = (access & (platform::kAccessWrite | platform::kAccessDelete)) != 0 || overwrite;
        if (platform::IsDeletePending(entry.id) || (changes && platform::IsReadOnly(host, entry))) {
            SetLastError(ERROR_ACCESS_DENIED);
            return INVALID_HANDLE_VALUE;
        }
        if (!platform::SharingAllows(entry.id, access, dwShareMode)) {
            SetLastError(ERROR_SHARING_VIOLATION);
            return INVALID_HANDLE_VALUE;
        }
    }

    const int fd = OpenHostFile(host, access, /*create=*/!existed, /*truncate=*/existed && overwrite);
    if (fd < 0) {
        SetLastError(errno == ENOENT ? platform::MissingFileError(host) : platform::ErrorFromErrno(errno));
        return INVALID_HANDLE_VALUE;
    }
    if (!platform::QueryOpenFile(fd, entry)) {
        const int error = errno;
        ::close(fd);
        SetLastError(platform::ErrorFromErrno(error));
        return INVALID_HANDLE_VALUE;
    }
    // A file made or overwritten takes the attributes asked for; Windows marks it for archiving as well.
    if (!existed || dwCreationDisposition == CREATE_ALWAYS)
        platform::SetKeptAttributes(host, entry.id, dwFlagsAndAttributes | FILE_ATTRIBUTE_ARCHIVE);

    auto file = std::make_shared<OpenFile>();
    file->fd = fd;
    file->id = entry.id;
    file->hostPath = host;
    file->access = access;
    file->share = dwShareMode;
    file->deleteOnClose = (dwFlagsAndAttributes & FILE_FLAG_DELETE_ON_CLOSE) != 0;
    const auto handle = platform::FileHandles().Add<HANDLE>(std::move(file));
    const bool mayCreate = dwCreationDisposition == CREATE_ALWAYS || dwCreationDisposition == OPEN_ALWAYS;
    SetLastError(existed && mayCreate ? ERROR_ALREADY_EXISTS : ERROR_SUCCESS);
    return handle;
}

BOOL WINAPI ReadFile(HANDLE hFile, LPVOID lpBuffer, DWORD nNumberOfBytesToRead, LPDWORD lpNumberOfBytesRead,
                     LPOVERLAPPED lpOverlapped)
{
    std::lock_guard lock(FilesMutex());
    if (lpNumberOfBytesRead != nullptr)
        *lpNumberOfBytesRead = 0;
    const auto file = FindFileWithAccess(hFile, platform::kAccessRead);
    if (file == nullptr || !TransferArgumentsValid(lpBuffer, nNumberOfBytesToRead, lpOverlapped))
        return FALSE;
    if (file->position > INT64_MAX - nNumberOfBytesToRead)
        return TRUE;   // nothing can lie that far past the end
    auto* bytes = static_cast<BYTE*>(lpBuffer);
    DWORD done = 0;
    while (done < nNumberOfBytesToRead) {
        const ssize_t got = ::pread64(file->fd, bytes + done, nNumberOfBytesToRead - done, file->position + done);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            SetLastError(platform::ErrorFromErrno(errno));
            return FALSE;
        }
        if (got == 0)
            break;   // the end of the file: a short read is a success
        done += static_cast<DWORD>(got);
    }
    file->position += done;
    if (lpNumberOfBytesRead != nullptr)
        *lpNumberOfBytesRead = done;
    return TRUE;
}

BOOL WINAPI WriteFile(HANDLE hFile, LPCVOID lpBuffer, DWORD nNumberOfBytesToWrite, LPDWORD lpNumberOfBytesWritten,
                      LPOVERLAPPED lpOverlapped)
{
    std::lock_guard lock(FilesMutex());
    if (lpNumberOfBytesWritten != nullptr)
        *lpNumberOfBytesWritten = 0;
    const auto file = FindFileWithAccess(hFile, platform::kAccessWrite);
    if (file == nullptr || !TransferArgumentsValid(lpBuffer, nNumberOfBytesToWrite, lpOverlapped))
        return FALSE;
    if (platform::ShouldFail(platform::FaultKind::FileWrite)) {
        SetLastError(ERROR_DISK_FULL);
        return FALSE;
    }
    if (file->position > INT64_MAX - nNumberOfBytesToWrite) {
        SetLastError(ERROR_DISK_FULL);   // no file can grow that far
        return FALSE;
    }
    const auto* bytes = static_cast<const BYTE*>(lpBuffer);
    DWORD done = 0;
    while (done < nNumberOfBytesToWrite) {
        const ssize_t put = ::pwrite64(file->fd, bytes + done, nNumberOfBytesToWrite - done, file->position + done);
        if (put < 0 && errno == EINTR)
            continue;
        if (put <= 0) {
            file->position += done;
            if (lpNumberOfBytesWritten != nullptr)
                *lpNumberOfBytesWritten = done;
            SetLastError(put == 0 ? ERROR_DISK_FULL : platform::ErrorFromErrno(errno));
            return FALSE;
        }
        done += static_cast<DWORD>(put);
    }
    file->position += done;
    if (lpNumberOfBytesWritten != nullptr)
        *lpNumberOfBytesWritten = done;
    return TRUE;
}

DWORD WINAPI SetFilePointer(HANDLE hFile, LONG lDistanceToMove, PLONG lpDistanceToMoveHigh, DWORD dwMoveMethod)
{
    std::lock_guard lock(FilesMutex());
    const auto file = FindFile(hFile);
    if (file == nullptr) {
        SetLastError(ERROR_INVALID_HANDLE);
        return INVALID_SET_FILE_POINTER;
    }
    if (dwMoveMethod != FILE_BEGIN && dwMoveMethod != FILE_CURRENT && dwMoveMethod != FILE_END) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return INVALID_SET_FILE_POINTER;
    }
    // With a high part the distance is one signed 64-bit number; without, the low part alone, signed.
    const int64_t distance = lpDistanceToMoveHigh == nullptr
        ? static_cast<int64_t>(lDistanceToMove)
        : static_cast<int64_t>((static_cast<uint64_t>(static_cast<DWORD>(*lpDistanceToMoveHigh)) << 32)
                               | static_cast<DWORD>(lDistanceToMove));
    int64_t base = 0;
    if (dwMoveMethod == FILE_CURRENT)
        base = file->position;
    if (dwMoveMethod == FILE_END) {
        uint64_t size = 0;
        if (!SizeOfOpenFile(*file, size))
            return INVALID_SET_FILE_POINTER;
        base = static_cast<int64_t>(size);
    }
    int64_t target = 0;
    if (__builtin_add_overflow(base, distance, &target)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return INVALID_SET_FILE_POINTER;
    }
    if (target < 0) {
        SetLastError(ERROR_NEGATIVE_SEEK);
        return INVALID_SET_FILE_POINTER;
    }
    if (lpDistanceToMoveHigh == nullptr && target > 0xFFFFFFFFLL) {
        SetLastError(ERROR_INVALID_PARAMETER);   // the caller could not be told where the pointer is
        return INVALID_SET_FILE_POINTER;
    }
    file->position = target;
    if (lpDistanceToMoveHigh != nullptr)
        *lpDistanceToMoveHigh = static_cast<LONG>(static_cast<uint64_t>(target) >> 32);
    // A position whose low part is 0xFFFFFFFF reads as a failure; the cleared error tells the caller it is not.
    SetLastError(NO_ERROR);
    return static_cast<DWORD>(static_cast<uint64_t>(target) & 0xFFFFFFFF);
}

BOOL WINAPI SetEndOfFile(HANDLE hFile)
{
    std::lock_guard lock(FilesMutex());
    const auto file = FindFileWithAccess(hFile, platform::kAccessWrite);
    if (file == nullptr)
        return FALSE;
    if (::ftruncate64(file->fd, file->position) != 0) {
        SetLastError(platform::ErrorFromErrno(errno));
        return FALSE;
    }
    return TRUE;
}

BOOL WINAPI FlushFileBuffers(HANDLE hFile)
{
    std::lock_guard lock(FilesMutex());
    const auto file = FindFileWithAccess(hFile, platform::kAccessWrite);
    if (file == nullptr)
        return FALSE;
    if (::fdatasync(file->fd) != 0) {
        SetLastError(platform::ErrorFromErrno(errno));
        return FALSE;
    }
    return TRUE;
}

DWORD WINAPI GetFileSize(HANDLE hFile, LPDWORD lpFileSizeHigh)
{
    std::lock_guard lock(FilesMutex());
    const auto file = FindFile(hFile);
    if (file == nullptr) {
        SetLastError(ERROR_INVALID_HANDLE);
        return INVALID_FILE_SIZE;
    }
    uint64_t size = 0;
    if (!SizeOfOpenFile(*file, size))
        return INVALID_FILE_SIZE;
    if (lpFileSizeHigh != nullptr)
        *lpFileSizeHigh = static_cast<DWORD>(size >> 32);
    // As with SetFilePointer: a low part of 0xFFFFFFFF is told apart from a failure by the cleared error.
    SetLastError(NO_ERROR);
    return static_cast<DWORD>(size & 0xFFFFFFFF);
}

BOOL WINAPI CloseHandle(HANDLE hObject)
{
    std::lock_guard lock(FilesMutex());
    const auto file = platform::FileHandles().Remove(hObject);
    if (file == nullptr) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    platform::CloseOpenFile(*file);
    return TRUE;
}
