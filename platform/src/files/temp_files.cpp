// temp_files.cpp - GetTempPathW and GetTempFileNameW.
#include "common/text_util.h"
#include "common/world_state.h"
#include "files/file_table.h"
#include "win/winbase.h"

#include <charconv>
#include <iterator>
#include <string>

using platform::FilesMutex;

namespace {

constexpr UINT kLargestUnique = 0xFFFF;   // a temporary name holds the low 16 bits of its number

// The number the next generated name tries first; it runs on through the world's life, so that names made
// one after another differ without a search.
UINT s_nextUnique = 1;
const bool s_registered = (platform::OnWorldReset([] { s_nextUnique = 1; }), true);

UINT TakeUnique()
{
    const UINT number = s_nextUnique;
    s_nextUnique = number == kLargestUnique ? 1 : number + 1;
    return number;
}

// stem + the number in upper-case hexadecimal, without leading zeros + ".tmp".
std::u16string TempName(const std::u16string& stem, UINT number)
{
    char digits[8];
    const auto result = std::to_chars(digits, std::end(digits), number, 16);
    std::u16string name = stem;
    for (const char* c = digits; c != result.ptr; ++c)
        name += platform::FoldCase(static_cast<char16_t>(*c));
    return name + u".tmp";
}

} // namespace

DWORD WINAPI GetTempPathW(DWORD nBufferLength, LPWSTR lpBuffer)
{
    const std::u16string path = std::u16string(platform::kTempDir) + u"\\";
    const auto needed = static_cast<DWORD>(path.size() + 1);
    if (lpBuffer == nullptr || nBufferLength < needed)
        return needed;   // the size to ask again with, its NUL included
    path.copy(lpBuffer, path.size());
    lpBuffer[path.size()] = u'\0';
    return static_cast<DWORD>(path.size());
}

UINT WINAPI GetTempFileNameW(LPCWSTR lpPathName, LPCWSTR lpPrefixString, UINT uUnique, LPWSTR lpTempFileName)
{
    std::lock_guard lock(FilesMutex());
    if (lpPathName == nullptr || lpTempFileName == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    // The longest path still leaves room for "\", three prefix characters, four digits, ".tmp" and the NUL
    // in a buffer of MAX_PATH characters.
    const std::u16string_view path(lpPathName);
    if (path.size() > MAX_PATH - 14) {
        SetLastError(ERROR_BUFFER_OVERFLOW);
        return 0;
    }
    std::u16string stem(path);
    if (!stem.empty() && stem.back() != u'\\' && stem.back() != u'/')
        stem += u'\\';
    stem += platform::View(lpPrefixString).substr(0, 3);

    // A number whose low 16 bits are all zero could not be told from a failure by the result, so the platform
    // picks one then, as for zero.
    UINT number = uUnique & kLargestUnique;
    std::u16string name;
    if (number != 0) {   // the caller's number: only the name is made, unchecked
        name = TempName(stem, number);
    } else {
        bool created = false;
        for (UINT attempt = 0; attempt < kLargestUnique && !created; ++attempt) {
            number = TakeUnique();
            name = TempName(stem, number);
            const HANDLE file = CreateFileW(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                            FILE_ATTRIBUTE_NORMAL, nullptr);
            if (file == INVALID_HANDLE_VALUE && GetLastError() != ERROR_FILE_EXISTS)
                return 0;   // the folder is missing or refuses: CreateFileW has said why
            if (file != INVALID_HANDLE_VALUE) {
                CloseHandle(file);
                created = true;
            }
        }
        if (!created) {
            SetLastError(ERROR_FILE_EXISTS);   // every number is taken
            return 0;
        }
    }
    name.copy(lpTempFileName, name.size());
    lpTempFileName[name.size()] = u'\0';
    return number;
}
