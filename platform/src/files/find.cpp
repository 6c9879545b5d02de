// find.cpp - FindFirstFileW, FindNextFileW and FindClose: the entries of a folder that match a pattern.
// The matches are taken when the search starts and handed out in the order of their names without regard
// to case, "." and ".." first, as an NTFS folder lists them.
#include "common/handles.h"
#include "common/text_util.h"
#include "common/world_state.h"
#include "files/file_table.h"
#include "win/winbase.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <system_error>
#include <vector>

using platform::FilesMutex;

namespace {

struct FindSearch {
    std::vector<WIN32_FIND_DATAW> matches;
    size_t next = 0;
};

platform::HandleTable<FindSearch>& FindHandles()
{
    static auto* handles = new platform::HandleTable<FindSearch>(platform::kFindHandleBase);
    return *handles;
}

const bool s_registered = (platform::OnWorldReset([] { FindHandles().Clear(); }), true);

// '*' stands for any run of characters, '?' for any one; letters match without regard to case. Greedy with
// one point of return: the last '*' seen, which keeps the match linear in practice and never recursive.
bool MatchesWildcards(std::u16string_view pattern, std::u16string_view name)
{
    size_t p = 0;
    size_t n = 0;
    size_t starP = std::u16string_view::npos;
    size_t starN = 0;
    while (n < name.size()) {
        if (p < pattern.size() && pattern[p] == u'*') {
            starP = p++;
            starN = n;
        } else if (p < pattern.size()
                   && (pattern[p] == u'?' || platform::FoldCase(pattern[p]) == platform::FoldCase(name[n]))) {
            ++p;
            ++n;
        } else if (starP != std::u16string_view::npos) {
            p = starP + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == u'*')
        ++p;
    return p == pattern.size();
}

// A pattern ending in ".*" also matches names without any extension ("*.*" matches "README"), as it has
// since the names of eight and three characters.
bool MatchesPattern(std::u16string_view pattern, std::u16string_view name)
{
    if (MatchesWildcards(pattern, name))
        return true;
    return pattern.size() >= 2 && pattern.substr(pattern.size() - 2) == u".*"
        && name.find(u'.') == std::u16string_view::npos
        && MatchesWildcards(pattern.substr(0, pattern.size() - 2), name);
}

// The record for one entry; false when the entry has vanished or its name is longer than Windows allows.
bool DescribeEntry(const std::filesystem::path& host, std::u16string_view name, WIN32_FIND_DATAW& data)
{
    platform::HostEntry entry;
    if (name.size() >= MAX_PATH || !platform::QueryHostEntry(host, entry))
        return false;
    std::memset(&data, 0, sizeof data);
    data.dwFileAttributes = platform::AttributesOf(host, entry);
    data.ftCreationTime = entry.creationTime;
    data.ftLastAccessTime = entry.lastAccessTime;
    data.ftLastWriteTime = entry.lastWriteTime;
    data.nFileSizeHigh = static_cast<DWORD>(entry.size >> 32);
    data.nFileSizeLow = static_cast<DWORD>(entry.size & 0xFFFFFFFF);
    name.copy(data.cFileName, name.size());   // the record was zeroed: the name ends with a NUL
    return true;
}

} // namespace

HANDLE WINAPI FindFirstFileW(LPCWSTR lpFileName, LPWIN32_FIND_DATAW lpFindFileData)
{
    std::lock_guard lock(FilesMutex());
    const std::u16string_view fileName = platform::View(lpFileName);
    if (lpFindFileData == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return INVALID_HANDLE_VALUE;
    }
    if (fileName.empty()) {
        SetLastError(ERROR_PATH_NOT_FOUND);
        return INVALID_HANDLE_VALUE;
    }
    // The folder is everything up to the last separator (after a drive's colon when there is none); the
    // pattern is the rest.
    size_t split = fileName.find_last_of(u"\\/");
    if (split == std::u16string_view::npos && fileName.size() >= 2 && fileName[1] == u':')
        split = 1;
    const std::u16string pattern(split == std::u16string_view::npos ? fileName : fileName.substr(split + 1));
    std::u16string folderName(split == std::u16string_view::npos ? u"" : fileName.substr(0, split + 1));
    if (folderName.empty() || folderName.back() == u':')
        folderName += u"\\";

    std::filesystem::path folder;
    if (!platform::ResolveFileName(folderName.c_str(), folder))
        return INVALID_HANDLE_VALUE;
    std::error_code ec;
    if (!std::filesystem::is_directory(folder, ec)) {
        SetLastError(ERROR_PATH_NOT_FOUND);
        return INVALID_HANDLE_VALUE;
    }

    auto search = std::make_shared<FindSearch>();
    WIN32_FIND_DATAW data;
    // A drive's root has no "." and "..": they belong to folders below it.
    if (!std::filesystem::equivalent(folder.parent_path(), platform::WorldRootPath(), ec)) {
        if (MatchesPattern(pattern, u".") && DescribeEntry(folder, u".", data))
            search->matches.push_back(data);
        if (MatchesPattern(pattern, u"..") && DescribeEntry(folder.parent_path(), u"..", data))
            search->matches.push_back(data);
    }
    const size_t dots = search->matches.size();
    for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::u16string name = platform::Utf8ToUtf16(it->path().filename().string());
        if (MatchesPattern(pattern, name) && DescribeEntry(it->path(), name, data))
            search->matches.push_back(data);
    }
    std::sort(search->matches.begin() + dots, search->matches.end(),
              [](const WIN32_FIND_DATAW& a, const WIN32_FIND_DATAW& b) {
                  return platform::CompareNoCase(a.cFileName, b.cFileName) < 0;
              });
    if (search->matches.empty()) {
        SetLastError(ERROR_FILE_NOT_FOUND);
        return INVALID_HANDLE_VALUE;
    }
    *lpFindFileData = search->matches[0];
    search->next = 1;
    return FindHandles().Add<HANDLE>(std::move(search));
}

BOOL WINAPI FindNextFileW(HANDLE hFindFile, LPWIN32_FIND_DATAW lpFindFileData)
{
    std::lock_guard lock(FilesMutex());
    const auto search = FindHandles().Find(hFindFile);
    if (search == nullptr) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    if (lpFindFileData == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    if (search->next >= search->matches.size()) {
        SetLastError(ERROR_NO_MORE_FILES);
        return FALSE;
    }
    *lpFindFileData = search->matches[search->next++];
    return TRUE;
}

BOOL WINAPI FindClose(HANDLE hFindFile)
{
    std::lock_guard lock(FilesMutex());
    if (FindHandles().Remove(hFindFile) == nullptr) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    return TRUE;
}
