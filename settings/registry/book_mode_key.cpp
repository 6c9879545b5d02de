// book_mode_key.cpp - the per-user key "BookMode" of a printer.
#include "settings/registry/book_mode_key.h"
#include "settings/registry/registry_paths.h"
#include "settings/registry/registry_services.h"

BOOL OpenBookModeKey(LPCWSTR printerName, PHKEY key, LPDWORD disposition)
{
    if (key == nullptr)
        return FALSE;
    *key = nullptr;
    WCHAR path[kRegPathChars];
    if (!BuildPrinterRegPath(path, kRegPathChars, printerName, u"BookMode", nullptr))
        return FALSE;
    HKEY opened = nullptr;
    if (RegCreateKeyExW(GetUserRegRoot(), path, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr,
                        &opened, disposition)
        != ERROR_SUCCESS)
        return FALSE;
    *key = opened;
    return TRUE;
}
