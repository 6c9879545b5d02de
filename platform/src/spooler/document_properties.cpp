// document_properties.cpp - DocumentPropertiesW: the printer's interface module builds the devmodes an
// application asks for, through DrvDocumentPropertySheets without a property sheet, as the spooler calls it.
// The stand-in shows no dialogs of its own, so a call that asks for the user's prompt is refused.
#include "win/winddiui.h"
#include "win/winspool.h"

#include <cstring>
#include <vector>

namespace {

using DocumentPropertySheetsFn = LONG(WINAPI*)(PPROPSHEETUI_INFO pPSUIInfo, LPARAM lParam);

// The printer's interface module (its driver's config file), loaded; null when it has none or it does not load.
HMODULE LoadInterfaceModule(HANDLE hPrinter)
{
    DWORD needed = 0;
    GetPrinterDriverW(hPrinter, nullptr, 2, nullptr, 0, &needed);
    if (needed < sizeof(DRIVER_INFO_2W))
        return nullptr;
    std::vector<BYTE> buffer(needed);
    if (!GetPrinterDriverW(hPrinter, nullptr, 2, buffer.data(), needed, &needed))
        return nullptr;
    DRIVER_INFO_2W info;
    std::memcpy(&info, buffer.data(), sizeof info);
    if (info.pConfigFile == nullptr || *info.pConfigFile == u'\0')
        return nullptr;
    return LoadLibraryW(info.pConfigFile);
}

} // namespace

LONG WINAPI DocumentPropertiesW(HWND, HANDLE hPrinter, LPWSTR pDeviceName, PDEVMODEW pDevModeOutput,
                                PDEVMODEW pDevModeInput, DWORD fMode)
{
    if ((fMode & DM_IN_PROMPT) != 0) {
        SetLastError(ERROR_NOT_SUPPORTED);
        return -1;
    }
    if ((fMode & DM_OUT_BUFFER) != 0 && pDevModeOutput == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return -1;
    }
    const HMODULE module = LoadInterfaceModule(hPrinter);
    if (module == nullptr) {
        SetLastError(hPrinter == nullptr ? ERROR_INVALID_HANDLE : ERROR_UNKNOWN_PRINTER_DRIVER);
        return -1;
    }
    const auto sheets =
        reinterpret_cast<DocumentPropertySheetsFn>(GetProcAddress(module, "DrvDocumentPropertySheets"));
    if (sheets == nullptr) {
        FreeLibrary(module);
        SetLastError(ERROR_PROC_NOT_FOUND);
        return -1;
    }
    // The driver first says how large its devmode is; the application's output buffer is taken to be that
    // large, as the application asked the same question to allocate it.
    DOCUMENTPROPERTYHEADER header = {};
    header.cbSize = sizeof header;
    header.hPrinter = hPrinter;
    header.pszPrinterName = pDeviceName;
    LONG result = sheets(nullptr, reinterpret_cast<LPARAM>(&header));
    if (fMode != 0 && result > 0) {
        header.cbOut = static_cast<DWORD>(result);
        header.fMode = fMode;
        header.pdmIn = (fMode & DM_IN_BUFFER) != 0 ? pDevModeInput : nullptr;
        header.pdmOut = (fMode & DM_OUT_BUFFER) != 0 ? pDevModeOutput : nullptr;
        result = sheets(nullptr, reinterpret_cast<LPARAM>(&header));
    }
    FreeLibrary(module);
    return result;
}
