// registry_tree.cpp - deletes a registry key with everything below it.
#include "settings/registry/registry_tree.h"
#include "settings/base/global_memory.h"
#include "settings/registry/reg_key_guard.h"
#include "settings/registry/registry_paths.h"

#include <cstring>
#include <string>

// Registry keys nest at most 512 deep; the bound keeps a corrupt tree from exhausting the stack.
constexpr UINT kMaxTreeDepth = 512;
// RegEnumKeyExW's name buffer: 520 bytes.
constexpr DWORD kSubKeyNameChars = 260;

static BOOL DeleteRegTreeAt(HKEY root, LPCWSTR path, UINT depth)
{
    if (depth > kMaxTreeDepth)
        return FALSE;
    {
        RegKeyGuard key;
        if (RegOpenKeyExW(root, path, 0, KEY_ALL_ACCESS, key.out()) == ERROR_SUCCESS) {
            const std::size_t cchPath = std::char_traits<char16_t>::length(path);
            // Every turn deletes a sub-key (and starts again at index 0, since the indices have moved) or
            // moves on to the next index, so the loop ends once the sub-keys that remain cannot be deleted.
            DWORD index = 0;
            for (;;) {
                WCHAR name[kSubKeyNameChars] = {};
                DWORD cchName = kSubKeyNameChars;
                if (RegEnumKeyExW(key.get(), index, name, &cchName, nullptr, nullptr, nullptr, nullptr)
                    != ERROR_SUCCESS)
                    break;
                if (cchName == 0 || cchName >= kSubKeyNameChars || name[0] == u'\0') {
                    ++index;
                    continue;
                }
                LockedBlock child((cchPath + 1 + cchName + 1) * sizeof(WCHAR));
                if (!child) {
                    ++index;
                    continue;
                }
                WCHAR* childPath = child.as<WCHAR>();
                std::memcpy(childPath, path, cchPath * sizeof(WCHAR));
                childPath[cchPath] = u'\\';
                std::memcpy(childPath + cchPath + 1, name, cchName * sizeof(WCHAR));
                if (DeleteRegTreeAt(root, childPath, depth + 1))
                    index = 0;
                else
                    ++index;
            }
        }
    }
    return RegDeleteKeyW(root, path) == ERROR_SUCCESS ? TRUE : FALSE;
}

BOOL DeleteRegTree(HKEY root, LPCWSTR path)
{
    if (path == nullptr)
        return FALSE;
    return DeleteRegTreeAt(root, path, 0);
}

BOOL DeletePrinterRegTree(HKEY root, LPCWSTR printerName, LPCWSTR path)
{
    if (printerName == nullptr || printerName[0] == u'\0' || path == nullptr)
        return FALSE;
    WCHAR printerPath[kRegPathChars];
    if (!BuildPrinterRegPath(printerPath, kRegPathChars, printerName, nullptr, nullptr))
        return FALSE;
    std::size_t matched = 0;
    while (printerPath[matched] != u'\0' && path[matched] == printerPath[matched])
        ++matched;
    if (matched == 0 || printerPath[matched] != u'\0')
        return FALSE;
    // A prefix alone is not enough: "...\P10" begins with "...\P1".
    if (path[matched] != u'\0' && path[matched] != u'\\')
        return FALSE;
    return DeleteRegTree(root, path);
}
