// file_table.cpp - the open files, sharing, pending deletions and kept attributes of the world.
#include "files/file_table.h"
#include "common/text_util.h"
#include "common/world_state.h"
#include "files/host_errors.h"

#include <cerrno>
#include <fcntl.h>
#include <map>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace platform {
namespace {

struct KeptBits {
    FileId id;        // the file the bits were set on
    DWORD attributes;
};

struct FileState {
    std::recursive_mutex mutex;
    HandleTable<OpenFile> handles{kFileHandleBase};
    std::map<FileId, std::filesystem::path> pendingDeletes;   // file -> the name it goes away under
    std::map<std::string, KeptBits> attributes;                // host path -> kept attribute bits
};

FileState& TheFiles()
{
    static FileState* files = new FileState();   // never destroyed: handles may be closed at process exit
    return *files;
}

// A host time (since 1970) as a file time (since 1601); nothing on the host lies before 1601.
FILETIME FileTimeFromHost(const struct statx_timestamp& time)
{
    constexpr int64_t kSecondsFrom1601To1970 = 11644473600LL;
    constexpr int64_t kTicksPerSecond = 10000000;
    const int64_t seconds = time.tv_sec + kSecondsFrom1601To1970;
    const uint64_t ticks = seconds < 0 ? 0 : static_cast<uint64_t>(seconds) * kTicksPerSecond + time.tv_nsec / 100;
    return FILETIME{static_cast<DWORD>(ticks & 0xFFFFFFFF), static_cast<DWORD>(ticks >> 32)};
}

// statx rather than stat: it tells a file's birth time, where the file system keeps one, for its creation time.
bool QueryStatx(int dirFd, const char* path, int flags, HostEntry& entry)
{
    struct statx info = {};
    if (statx(dirFd, path, flags, STATX_BASIC_STATS | STATX_BTIME, &info) != 0)
        return false;
    entry.id = FileId{(static_cast<uint64_t>(info.stx_dev_major) << 32) | info.stx_dev_minor, info.stx_ino};
    entry.isDirectory = S_ISDIR(info.stx_mode);
    entry.size = entry.isDirectory ? 0 : info.stx_size;
    entry.lastAccessTime = FileTimeFromHost(info.stx_atime);
    entry.lastWriteTime = FileTimeFromHost(info.stx_mtime);
    entry.creationTime = (info.stx_mask & STATX_BTIME) ? FileTimeFromHost(info.stx_btime) : entry.lastWriteTime;
    return true;
}

std::string AttributeKey(const std::filesystem::path& host)
{
    return host.lexically_normal().string();
}

bool IsBelow(const std::string& key, const std::string& folderKey)
{
    return key.size() > folderKey.size() && key.compare(0, folderKey.size(), folderKey) == 0
        && key[folderKey.size()] == '/';
}

bool AnyHandleOn(const FileId& id)
{
    bool found = false;
    TheFiles().handles.ForEach([&](const std::shared_ptr<OpenFile>& file) { found = found || file->id == id; });
    return found;
}

void ResetFiles()
{
    FileState& files = TheFiles();
    std::lock_guard lock(files.mutex);
    files.handles.ForEach([](const std::shared_ptr<OpenFile>& file) { ::close(file->fd); });
    files.handles.Clear();
    files.pendingDeletes.clear();
    files.attributes.clear();
}

const bool s_registered = (OnWorldReset(ResetFiles), true);

} // namespace

std::recursive_mutex& FilesMutex()
{
    return TheFiles().mutex;
}

HandleTable<OpenFile>& FileHandles()
{
    return TheFiles().handles;
}

bool ResolveFileName(LPCWSTR lpFileName, std::filesystem::path& host)
{
    const std::u16string_view name = View(lpFileName);
    if (name.empty()) {
        SetLastError(ERROR_PATH_NOT_FOUND);
        return false;
    }
    // A drive letter's colon is the only place a colon may stand; the host would take the others literally.
    const size_t start = name.size() >= 2 && name[1] == u':' ? 2 : 0;
    if (name.find_first_of(u"*?<>|\":", start) != std::u16string_view::npos) {
        SetLastError(ERROR_INVALID_NAME);
        return false;
    }
    host = MapPath(name);
    return true;
}

bool QueryHostEntry(const std::filesystem::path& host, HostEntry& entry)
{
    return QueryStatx(AT_FDCWD, host.c_str(), 0, entry);
}

bool QueryOpenFile(int fd, HostEntry& entry)
{
    return QueryStatx(fd, "", AT_EMPTY_PATH, entry);
}

bool FindExisting(LPCWSTR lpFileName, std::filesystem::path& host, HostEntry& entry)
{
    if (!ResolveFileName(lpFileName, host))
        return false;
    if (!QueryHostEntry(host, entry)) {
        SetLastError(MissingFileError(host));
        return false;
    }
    return true;
}

DWORD MissingFileError(const std::filesystem::path& host)
{
    std::error_code ec;
    return std::filesystem::is_directory(host.parent_path(), ec) ? ERROR_FILE_NOT_FOUND : ERROR_PATH_NOT_FOUND;
}

bool SharingAllows(const FileId& id, DWORD access, DWORD share)
{
    // A handle without data access (one that only asks about the file) neither claims nor refuses anything.
    if (access == 0)
        return true;
    bool allowed = true;
    TheFiles().handles.ForEach([&](const std::shared_ptr<OpenFile>& file) {
        if (file->id == id && file->access != 0
            && ((access & ~file->share) != 0 || (file->access & ~share) != 0))
            allowed = false;
    });
    return allowed;
}

bool AnyFileOpenBelow(const std::filesystem::path& folder)
{
    const std::string folderKey = AttributeKey(folder);
    bool found = false;
    TheFiles().handles.ForEach([&](const std::shared_ptr<OpenFile>& file) {
        found = found || IsBelow(AttributeKey(file->hostPath), folderKey);
    });
    return found;
}

bool IsDeletePending(const FileId& id)
{
    return TheFiles().pendingDeletes.count(id) != 0;
}

bool DeleteWhenUnused(const FileId& id, const std::filesystem::path& host)
{
    FileState& files = TheFiles();
    if (AnyHandleOn(id)) {
        files.pendingDeletes[id] = host;
        return true;
    }
    if (::unlink(host.c_str()) != 0) {
        SetLastError(ErrorFromErrno(errno));
        return false;
    }
    ForgetAttributes(host);
    return true;
}

void CloseOpenFile(OpenFile& file)
{
    FileState& files = TheFiles();
    ::close(file.fd);
    file.fd = -1;
    if (file.deleteOnClose)
        files.pendingDeletes[file.id] = file.hostPath;
    const auto pending = files.pendingDeletes.find(file.id);
    if (pending == files.pendingDeletes.end() || AnyHandleOn(file.id))
        return;
    // Nobody is told when this fails: CloseHandle has succeeded, as it does on Windows.
    if (::unlink(pending->second.c_str()) == 0)
        ForgetAttributes(pending->second);
    files.pendingDeletes.erase(pending);
}

void FollowRename(const FileId& id, const std::filesystem::path& from, const std::filesystem::path& to)
{
    FileState& files = TheFiles();
    files.handles.ForEach([&](const std::shared_ptr<OpenFile>& file) {
        if (file->id == id)
            file->hostPath = to;
    });
    const std::string fromKey = AttributeKey(from);
    const std::string toKey = AttributeKey(to);
    std::vector<std::pair<std::string, KeptBits>> moved;
    for (auto it = files.attributes.begin(); it != files.attributes.end();) {
        if (it->first == fromKey || IsBelow(it->first, fromKey)) {
            moved.emplace_back(toKey + it->first.substr(fromKey.size()), it->second);
            it = files.attributes.erase(it);
        } else {
            ++it;
        }
    }
    for (auto& [key, bits] : moved)
        files.attributes[key] = bits;
}

DWORD KeptAttributes(const std::filesystem::path& host, const HostEntry& entry)
{
    const auto& attributes = TheFiles().attributes;
    const auto it = attributes.find(AttributeKey(host));
    if (it != attributes.end() && it->second.id == entry.id)
        return it->second.attributes;
    return entry.isDirectory ? 0 : FILE_ATTRIBUTE_ARCHIVE;
}

bool IsReadOnly(const std::filesystem::path& host, const HostEntry& entry)
{
    return (KeptAttributes(host, entry) & FILE_ATTRIBUTE_READONLY) != 0;
}

DWORD AttributesOf(const std::filesystem::path& host, const HostEntry& entry)
{
    const DWORD kept = KeptAttributes(host, entry);
    if (entry.isDirectory)
        return FILE_ATTRIBUTE_DIRECTORY | kept;
    return kept == 0 ? FILE_ATTRIBUTE_NORMAL : kept;
}

void SetKeptAttributes(const std::filesystem::path& host, const FileId& id, DWORD attributes)
{
    TheFiles().attributes[AttributeKey(host)] = KeptBits{id, attributes & kKeptAttributes};
}

void ForgetAttributes(const std::filesystem::path& host)
{
    auto& attributes = TheFiles().attributes;
    const std::string key = AttributeKey(host);
    for (auto it = attributes.begin(); it != attributes.end();) {
        if (it->first == key || IsBelow(it->first, key))
            it = attributes.erase(it);
        else
            ++it;
    }
}

} // namespace platform
