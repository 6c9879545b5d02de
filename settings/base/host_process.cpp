// host_process.cpp - which program the driver has been loaded into.
#include "settings/base/host_process.h"

#include <string>

// GetModuleFileNameW's buffer, in characters.
constexpr DWORD kProcessPathChars = 522;

BOOL IsHostProcess(LPCWSTR fileName)
{
    if (fileName == nullptr || fileName[0] == u'\0')
        return FALSE;
    WCHAR path[kProcessPathChars + 1] = {};
    const DWORD cchPath = GetModuleFileNameW(nullptr, path, kProcessPathChars);
    if (cchPath == 0 || cchPath > kProcessPathChars)
        return FALSE;
    path[cchPath] = u'\0';   // a path that filled the buffer comes back without its NUL

    const std::size_t cchName = std::char_traits<char16_t>::length(fileName);
    if (cchName > cchPath)
        return FALSE;
    const std::size_t start = cchPath - cchName;
    if (start != 0 && path[start - 1] != u'\\')
        return FALSE;
    return lstrcmpiW(path + start, fileName) == 0 ? TRUE : FALSE;
}

BOOL IsHostExcel()
{
    return IsHostProcess(u"EXCEL.EXE");
}
