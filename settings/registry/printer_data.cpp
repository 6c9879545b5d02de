// printer_data.cpp - the printer's data values.
#include "settings/registry/printer_data.h"

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
