#pragma once
// file_table.h - what the file calls share: the open files behind file handles, the sharing rules between
// them, deletion that waits for the last handle, the attributes Windows keeps per file, and the mapping of
// Windows file names onto the host.

#include "common/handles.h"
#include "win/winbase.h"

#include <compare>
#include <cstdint>
#include <filesystem>
#include <mutex>

namespace platform {

// A file's identity on the host: the same through every name and every handle that reaches it.
struct FileId {
    uint64_t device = 0;
    uint64_t inode = 0;
    auto operator<=>(const FileId&) const = default;
};

// What the host knows of a file or folder, in Windows terms.
struct HostEntry {
    FileId id;
    bool isDirectory = false;
    uint64_t size = 0;
    FILETIME creationTime = {};
    FILETIME lastAccessTime = {};
    FILETIME lastWriteTime = {};
};

// The data access a handle holds, in the bits of the FILE_SHARE_* mode that would let another handle have
// it: one mask test then decides whether two handles may coexist.
constexpr DWORD kAccessRead = FILE_SHARE_READ;
constexpr DWORD kAccessWrite = FILE_SHARE_WRITE;
constexpr DWORD kAccessDelete = FILE_SHARE_DELETE;
constexpr DWORD kAllShareModes = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

// The attribute bits kept per file for the world's lifetime; the host has no place for them.
constexpr DWORD kKeptAttributes =
    FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE;

// The object behind a file handle. Reads and writes go straight to the host file at the handle's own
// position, so every handle sees every other handle's writes at once, as on Windows.
struct OpenFile {
    int fd = -1;
    FileId id;
    std::filesystem::path hostPath;
    DWORD access = 0;             // kAccess* bits
    DWORD share = 0;              // FILE_SHARE_* bits
    bool deleteOnClose = false;
    int64_t position = 0;
};

// Every file call holds this lock for its whole run, so that a check and the change it allows happen as one
// step. Recursive, because a call may be built on another (GetTempFileNameW creates through CreateFileW).
std::recursive_mutex& FilesMutex();

HandleTable<OpenFile>& FileHandles();

// Maps a Windows file name onto the host. False, with the last error set, for a null or empty name
// (ERROR_PATH_NOT_FOUND) or one holding wildcards or other characters Windows refuses in names
// (ERROR_INVALID_NAME).
bool ResolveFileName(LPCWSTR lpFileName, std::filesystem::path& host);

// What is at a host path (following links) or behind a descriptor; false when there is nothing, with errno
// telling why.
bool QueryHostEntry(const std::filesystem::path& host, HostEntry& entry);
bool QueryOpenFile(int fd, HostEntry& entry);

// Maps a Windows name and looks up what lies there. False, with the last error set, for a name that cannot
// be resolved or reaches nothing (ERROR_FILE_NOT_FOUND, or ERROR_PATH_NOT_FOUND when its folder is missing).
bool FindExisting(LPCWSTR lpFileName, std::filesystem::path& host, HostEntry& entry);

// The error for a name that reaches nothing: ERROR_FILE_NOT_FOUND when its folder exists,
// ERROR_PATH_NOT_FOUND when the folder does not.
DWORD MissingFileError(const std::filesystem::path& host);

// True when a new handle asking for access (kAccess* bits) and granting share could join the handles
// already open on the file: neither side may want what the other refuses.
bool SharingAllows(const FileId& id, DWORD access, DWORD share);

// True when any handle holds a file inside the folder.
bool AnyFileOpenBelow(const std::filesystem::path& folder);

// A file whose deletion waits for its last handle keeps its name until then, but can no longer be opened.
bool IsDeletePending(const FileId& id);

// Deletes the file now when no handle holds it, otherwise when the last one is closed. False, with the
// last error set, when the host refuses an immediate deletion.
bool DeleteWhenUnused(const FileId& id, const std::filesystem::path& host);

// Closes a file handle's object (already taken out of the table); the last handle of a file that is to be
// deleted takes its name away.
void CloseOpenFile(OpenFile& file);

// After a rename, the handles of the file and its kept attributes follow it to its new name.
void FollowRename(const FileId& id, const std::filesystem::path& from, const std::filesystem::path& to);

// The FILE_ATTRIBUTE_* value GetFileAttributesW answers for an existing entry.
DWORD AttributesOf(const std::filesystem::path& host, const HostEntry& entry);

// The kept bits of an entry: what was set, else the default (archive for a file, nothing for a folder).
// Bits are kept with the identity of the file they were set on, so a file that another program deleted and
// made anew under the same name starts with the default again.
DWORD KeptAttributes(const std::filesystem::path& host, const HostEntry& entry);
bool IsReadOnly(const std::filesystem::path& host, const HostEntry& entry);
void SetKeptAttributes(const std::filesystem::path& host, const FileId& id, DWORD attributes);
void ForgetAttributes(const std::filesystem::path& host);

} // namespace platform
