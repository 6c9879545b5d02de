// printer_data.cpp - printer data values, the printer's name and its driver directory.
#include "settings/printer_data.h"
#include "settings/global_block.h"
#include "settings/text_copy.h"

DWORD GetPrinterDataValue(HANDLE printer, PVOID, LPCWSTR valueName, LPVOID data, DWORD cbData, LPDWORD cbNeeded)
{
    if (printer == nullptr || valueName == nullptr || data == nullptr || cbData == 0)
        return ERROR_INVALID_PARAMETER;
    DWORD needed = 0;
    DWORD type = REG_NONE;
    const DWORD result = GetPrinterDataW(printer, const_cast<LPWSTR>(valueName), &type, static_cast<LPBYTE>(data),
                                         cbData, &needed);
    if (cbNeeded != nullptr)
        *cbNeeded = needed;
    return result;
}

BOOL SetPrinterDataValue(HANDLE printer, PVOID, LPCWSTR valueName, const void* data, DWORD cbData, DWORD type)
{
    if (printer == nullptr || valueName == nullptr || data == nullptr || cbData == 0)
        return FALSE;
    // The spooler only reads the data; its signature is older than const.
    return SetPrinterDataW(printer, const_cast<LPWSTR>(valueName), type,
                           static_cast<LPBYTE>(const_cast<void*>(data)), cbData) == ERROR_SUCCESS
               ? TRUE
               : FALSE;
}

BOOL GetPrinterName(HANDLE printer, LPWSTR out, UINT cchOut)
{
    if (printer == nullptr || out == nullptr || cchOut == 0)
        return FALSE;
    DWORD cbNeeded = 0;
    GetPrinterW(printer, 1, nullptr, 0, &cbNeeded);
    if (cbNeeded < sizeof(PRINTER_INFO_1W))
        return FALSE;
    GlobalBlock buffer(cbNeeded);
    if (!buffer || !GetPrinterW(printer, 1, buffer.as<BYTE>(), cbNeeded, &cbNeeded))
        return FALSE;
    const LPCWSTR name = buffer.as<PRINTER_INFO_1W>()->pName;
    if (name == nullptr)
        return FALSE;
    CopyTextCut(out, cchOut, name);
    return TRUE;
}

LPWSTR GetDriverDirectory(HANDLE printer)
{
    if (printer == nullptr)
        return nullptr;
    DWORD cbNeeded = 0;
    GetPrinterDriverW(printer, nullptr, 2, nullptr, 0, &cbNeeded);
    if (cbNeeded < sizeof(DRIVER_INFO_2W))
        return nullptr;
    GlobalBlock info(cbNeeded);
    if (!info || !GetPrinterDriverW(printer, nullptr, 2, info.as<BYTE>(), cbNeeded, &cbNeeded))
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
    GlobalBlock folder(kDriverDirectoryChars * sizeof(WCHAR));
    if (!folder)
        return nullptr;
    CopyTextCut(folder.as<WCHAR>(), cchFolder + 1, dataFile);
    return static_cast<LPWSTR>(folder.release());
}
