// printer_user_keys.cpp - clears a printer's per-user key of the stored lists, keeping what outlives them.
#include "settings/store/settings_store.h"
#include "settings/base/global_memory.h"
#include "settings/registry/reg_key_guard.h"
#include "settings/registry/registry_paths.h"
#include "settings/registry/registry_services.h"
#include "settings/registry/registry_tree.h"

#include <iterator>

// Sub-keys that survive a reset: the user's profile, the book-mode choices and the per-job temporary records.
constexpr const WCHAR* kKeptPrinterKeys[] = {
    u"QN_UIPROFILE", u"BookMode", u"TempPlistID", u"Tempfile Count", u"Tempfile Name",
};

static bool IsKeptPrinterKey(const WCHAR* name)
{
    // The registry matches key names without regard to case, so the kept names are compared the same way.
    for (const WCHAR* kept : kKeptPrinterKeys)
        if (lstrcmpiW(name, kept) == 0)
            return true;
    return false;
}

BOOL CleanPrinterUserKeys(PVOID, LPCWSTR printerName, PVOID)
{
    if (printerName == nullptr || printerName[0] == u'\0')
        return FALSE;
    WCHAR printerPath[kRegPathChars];
    if (!BuildPrinterRegPath(printerPath, kRegPathChars, printerName, nullptr, nullptr))
        return FALSE;
    constexpr DWORD kNameChars = 260;
    LockedBlock name(kNameChars * sizeof(WCHAR));
    LockedBlock subPath(kRegPathChars * sizeof(WCHAR));
    if (!name || !subPath)
        return FALSE;

    RegKeyGuard key;
    if (OpenRegKey(nullptr, GetUserRegRoot(), printerPath, KEY_ALL_ACCESS, key.out()) != ERROR_SUCCESS)
        return TRUE;
    DWORD index = 0;
    for (;;) {
        DWORD cchName = kNameChars;
        if (RegEnumKeyExW(key.get(), index, name.as<WCHAR>(), &cchName, nullptr, nullptr, nullptr, nullptr)
            != ERROR_SUCCESS)
            break;
        if (IsKeptPrinterKey(name.as<WCHAR>())
            || !BuildPrinterRegPath(subPath.as<WCHAR>(), kRegPathChars, printerName, name.as<WCHAR>(), nullptr)
            || !DeletePrinterRegTree(GetUserRegRoot(), printerName, subPath.as<WCHAR>())) {
            ++index;
            continue;
        }
        index = 0;   // the deletion moved the indices
    }
    return TRUE;
}
