// printer_info.cpp - printer queries through the spooler.
#include "settings/registry/printer_info.h"
#include "settings/base/global_memory.h"
#include "settings/strings/text_copy.h"

BOOL GetPrinterName(HANDLE hPrinter, LPWSTR pOut, DWORD cchOut)
{
    if (hPrinter == nullptr || pOut == nullptr || cchOut == 0)
        return FALSE;
    DWORD cbNeeded = 0;
    GetPrinterW(hPrinter, 1, nullptr, 0, &cbNeeded);
    if (cbNeeded == 0)
        return FALSE;
    auto* pInfo = static_cast<PRINTER_INFO_1W*>(AllocLockedBlock(cbNeeded));
    if (pInfo == nullptr)
        return FALSE;
    BOOL result = FALSE;
    if (GetPrinterW(hPrinter, 1, reinterpret_cast<LPBYTE>(pInfo), cbNeeded, &cbNeeded) && pInfo->pName != nullptr) {
        DWORD cch = 0;
        for (; cch + 1 < cchOut && pInfo->pName[cch] != u'\0'; ++cch)
            pOut[cch] = pInfo->pName[cch];
        pOut[cch] = u'\0';
        result = TRUE;
    }
    FreeLockedBlock(pInfo);
    return result;
}

LPWSTR GetDriverDirectory(HANDLE hPrinter)
{
    if (hPrinter == nullptr)
        return nullptr;
    DWORD cbNeeded = 0;
    GetPrinterDriverW(hPrinter, nullptr, 2, nullptr, 0, &cbNeeded);
    if (cbNeeded < sizeof(DRIVER_INFO_2W))
        return nullptr;
    LockedBlock info(cbNeeded);
    if (!info || !GetPrinterDriverW(hPrinter, nullptr, 2, info.as<BYTE>(), cbNeeded, &cbNeeded))
        return nullptr;
    const LPCWSTR dataFile = info.as<DRIVER_INFO_2W>()->pDataFile;
    if (dataFile == nullptr)
        return nullptr;

    // The folder is everything up to and including the last backslash.
    std::size_t cchFolder = 0;
    for (std::size_t i = 0; dataFile[i] != u'\0'; ++i) {
        if (dataFile[i] == u'\\')
            cchFolder = i + 1;
    }
    if (cchFolder == 0 || cchFolder >= kDriverDirectoryChars)
        return nullptr;
    LockedBlock folder(kDriverDirectoryChars * sizeof(WCHAR));
    if (!folder)
        return nullptr;
    CopyTextCut(folder.as<WCHAR>(), cchFolder + 1, dataFile);
    return static_cast<LPWSTR>(folder.release());
}

PRINTER_INFO_2W* GetPrinterInfo2(HANDLE hPrinter, DWORD* pcbInfo)
{
    if (hPrinter == nullptr)
        return nullptr;
    DWORD cbNeeded = 0;
    GetPrinterW(hPrinter, 2, nullptr, 0, &cbNeeded);
    if (cbNeeded < sizeof(PRINTER_INFO_2W))
        return nullptr;
    LockedBlock info(cbNeeded);
    if (!info || !GetPrinterW(hPrinter, 2, info.as<BYTE>(), cbNeeded, &cbNeeded))
        return nullptr;
    if (pcbInfo != nullptr)
        *pcbInfo = cbNeeded;
    return static_cast<PRINTER_INFO_2W*>(info.release());
}
