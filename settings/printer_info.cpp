// printer_info.cpp - printer queries through the spooler.
#include "settings/printer_info.h"
#include "settings/global_memory.h"

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

PRINTER_INFO_2W* GetPrinterInfo2(HANDLE hPrinter, DWORD* pcbInfo)
{
    if (hPrinter == nullptr)
        return nullptr;
    DWORD cbNeeded = 0;
    GetPrinterW(hPrinter, 2, nullptr, 0, &cbNeeded);
    if (cbNeeded < sizeof(PRINTER_INFO_2W))
        return nullptr;
    auto* pInfo = static_cast<PRINTER_INFO_2W*>(AllocLockedBlock(cbNeeded));
    if (pInfo == nullptr)
        return nullptr;
    if (!GetPrinterW(hPrinter, 2, reinterpret_cast<LPBYTE>(pInfo), cbNeeded, &cbNeeded)) {
        FreeLockedBlock(pInfo);
        return nullptr;
    }
    if (pcbInfo != nullptr)
        *pcbInfo = cbNeeded;
    return pInfo;
}
