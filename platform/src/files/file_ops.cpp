// file_ops.cpp - DeleteFileW, CopyFileW and MoveFileW: whole files handled by name.
#include "common/text_util.h"
#include "files/file_table.h"
#include "files/host_errors.h"
#include "win/winbase.h"

#include <cerrno>
#include <cstdio>
#include <system_error>

using platform::FilesMutex;

namespace {

// The last component of a Windows name as the caller spelled it.
std::filesystem::path LastComponent(LPCWSTR lpFileName)
{
    const std::u16string_view name(lpFileName);
    const size_t slash = name.find_last_of(u"\\/");
    return platform::Utf16ToUtf8(name.substr(slash == std::u16string_view::npos ? 0 : slash + 1));
}

} // namespace

BOOL WINAPI DeleteFileW(LPCWSTR lpFileName)
{
    std::lock_guard lock(FilesMutex());
    std::filesystem::path host;
    platform::HostEntry entry;
    if (!platform::FindExisting(lpFileName, host, entry))
        return FALSE;
    if (entry.isDirectory || platform::IsReadOnly(host, entry) || platform::IsDeletePending(entry.id)) {
        SetLastError(ERROR_ACCESS_DENIED);
        return FALSE;
    }
    if (!platform::SharingAllows(entry.id, platform::kAccessDelete, platform::kAllShareModes)) {
        SetLastError(ERROR_SHARING_VIOLATION);
        return FALSE;
    }
    return platform::DeleteWhenUnused(entry.id, host) ? TRUE : FALSE;
}

BOOL WINAPI CopyFileW(LPCWSTR lpExistingFileName, LPCWSTR lpNewFileName, BOOL bFailIfExists)
{
    std::lock_guard lock(FilesMutex());
    std::filesystem::path from;
    std::filesystem::path to;
    platform::HostEntry source;
    if (!platform::FindExisting(lpExistingFileName, from, source) || !platform::ResolveFileName(lpNewFileName, to))
        return FALSE;
    if (source.isDirectory) {
        SetLastError(ERROR_ACCESS_DENIED);
        return FALSE;
    }
    // The source is read as through a handle that lets others read too; a writer holding it open refuses.
    if (!platform::SharingAllows(source.id, platform::kAccessRead, FILE_SHARE_READ)) {
        SetLastError(ERROR_SHARING_VIOLATION);
        return FALSE;
    }
    platform::HostEntry target;
    const bool targetExists = platform::QueryHostEntry(to, target);
    if (targetExists) {
        if (target.id == source.id) {   // the source is held open for reading while the copy would write
            SetLastError(ERROR_SHARING_VIOLATION);
            return FALSE;
        }
        if (bFailIfExists) {
            SetLastError(ERROR_FILE_EXISTS);
            return FALSE;
        }
        if (target.isDirectory || platform::IsReadOnly(to, target) || platform::IsDeletePending(target.id)) {
            SetLastError(ERROR_ACCESS_DENIED);
            return FALSE;
        }
        if (!platform::SharingAllows(target.id, platform::kAccessWrite, 0)) {
            SetLastError(ERROR_SHARING_VIOLATION);
            return FALSE;
        }
    } else if (platform::MissingFileError(to) == ERROR_PATH_NOT_FOUND) {
        SetLastError(ERROR_PATH_NOT_FOUND);
        return FALSE;
    }

    std::error_code ec;
    std::filesystem::copy_file(from, to, std::filesystem::copy_options::overwrite_existing, ec);
    if (ec) {
        SetLastError(platform::ErrorFromErrno(ec.value()));
        return FALSE;
    }
    // The copy keeps the source's last write time and its attributes, read-only included.
    std::filesystem::last_write_time(to, std::filesystem::last_write_time(from, ec), ec);
    if (platform::QueryHostEntry(to, target))
        platform::SetKeptAttributes(to, target.id, platform::KeptAttributes(from, source));
    return TRUE;
}

BOOL WINAPI MoveFileW(LPCWSTR lpExistingFileName, LPCWSTR lpNewFileName)
{
    std::lock_guard lock(FilesMutex());
    std::filesystem::path from;
    std::filesystem::path to;
    platform::HostEntry source;
    if (!platform::FindExisting(lpExistingFileName, from, source) || !platform::ResolveFileName(lpNewFileName, to))
        return FALSE;
    if (platform::IsDeletePending(source.id)) {
        SetLastError(ERROR_ACCESS_DENIED);
        return FALSE;
    }
    // Renaming needs the right to delete the old name: every open handle must share it. A folder with an
    // open file inside cannot move, since the handle's name would change under it.
    if (!platform::SharingAllows(source.id, platform::kAccessDelete, platform::kAllShareModes)
        || (source.isDirectory && platform::AnyFileOpenBelow(from))) {
        SetLastError(ERROR_SHARING_VIOLATION);
        return FALSE;
    }
    platform::HostEntry target;
    if (platform::QueryHostEntry(to, target)) {
        if (target.id != source.id) {
            SetLastError(ERROR_ALREADY_EXISTS);
            return FALSE;
        }
        // The new name reaches the file itself: only the case of its name changes.
        to = to.parent_path() / LastComponent(lpNewFileName);
    } else if (platform::MissingFileError(to) == ERROR_PATH_NOT_FOUND) {
        SetLastError(ERROR_PATH_NOT_FOUND);
        return FALSE;
    }
    if (std::rename(from.c_str(), to.c_str()) != 0) {
        SetLastError(platform::ErrorFromErrno(errno));
        return FALSE;
    }
    platform::FollowRename(source.id, from, to);
    return TRUE;
}
