// user_mode_driver_value.cpp - keeps the companion-library value of the printer data in place.
#include "ui/core/user_mode_driver_value.h"
#include "settings/base/global_memory.h"
#include "settings/registry/printer_info.h"
#include "settings/strings/product_names.h"

#include <iterator>

static constexpr WCHAR kValueName[] = u"SPLUserModePrinterDriver";
static constexpr UINT kCompanionLibrary = 5;   // companion-file code of the user-mode library
static constexpr DWORD kStoredTextBytes = 128;

// TRUE when the stored text, terminated inside what was read, equals the name.
static bool StoredTextEquals(const WCHAR* stored, DWORD cbStored, LPCWSTR name)
{
    const DWORD cch = cbStored / sizeof(WCHAR);
    for (DWORD i = 0; i < cch; ++i) {
        if (stored[i] != name[i])
            return false;
        if (name[i] == u'\0')
            return true;
    }
    return false;
}

void UpdateUserModeDriverValue(HANDLE hPrinter)
{
    WCHAR library[32] = {};
    if (!GetCompanionFileName(library, static_cast<UINT>(std::size(library)), kCompanionLibrary, TRUE))
        return;
    WCHAR stored[kStoredTextBytes / sizeof(WCHAR)] = {};
    DWORD type = 0;
    DWORD cbNeeded = 0;
    if (GetPrinterDataW(hPrinter, const_cast<LPWSTR>(kValueName), &type, reinterpret_cast<LPBYTE>(stored),
                        kStoredTextBytes, &cbNeeded) == ERROR_SUCCESS &&
        StoredTextEquals(stored, cbNeeded < kStoredTextBytes ? cbNeeded : kStoredTextBytes, library))
        return;

    PRINTER_INFO_2W* pInfo = GetPrinterInfo2(hPrinter, nullptr);
    if (pInfo == nullptr)
        return;
    WCHAR keyPath[1025];   // wsprintfW writes up to 1,024 characters and the terminator after them
    const int cchPath = pInfo->pPrinterName == nullptr
                            ? 0
                            : wsprintfW(keyPath, u"SYSTEM\\CurrentControlSet\\Control\\Print\\Printers\\%s"
                                                 u"\\PrinterDriverData",
                                        pInfo->pPrinterName);
    FreeLockedBlock(pInfo);
    // wsprintfW stops at its limit: a cut path would name another key.
    if (cchPath <= 0 || cchPath >= static_cast<int>(std::size(keyPath)) - 1)
        return;
    HKEY hKey = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, keyPath, 0, KEY_ALL_ACCESS, &hKey) != ERROR_SUCCESS)
        return;
    DWORD cbLibrary = 0;
    while (library[cbLibrary / sizeof(WCHAR)] != u'\0')
        cbLibrary += sizeof(WCHAR);
    RegSetValueExW(hKey, kValueName, 0, REG_SZ, reinterpret_cast<const BYTE*>(library), cbLibrary + sizeof(WCHAR));
    RegFlushKey(hKey);
    RegCloseKey(hKey);
}
