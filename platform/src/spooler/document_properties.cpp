// document_properties.cpp - DocumentPropertiesW and PrinterProperties: the printer's interface module builds
// the devmodes an application asks for through DrvDocumentPropertySheets, as the spooler calls it; with
// DM_IN_PROMPT, and for PrinterProperties, the module's document or device sheet is shown through the common
// property-sheet UI.
#include "win/compstui.h"
#include "win/winddiui.h"
#include "win/winspool.h"
#include "win/winuser.h"

#include <cstring>
#include <vector>

namespace {

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

// The module's sheet function of that name, or null with the last error set (the module then freed).
PFNPROPSHEETUI SheetFunction(HANDLE hPrinter, const char* name, HMODULE& module)
{
    module = LoadInterfaceModule(hPrinter);
    if (module == nullptr) {
        SetLastError(hPrinter == nullptr ? ERROR_INVALID_HANDLE : ERROR_UNKNOWN_PRINTER_DRIVER);
        return nullptr;
    }
    const auto function = reinterpret_cast<PFNPROPSHEETUI>(GetProcAddress(module, name));
    if (function == nullptr) {
        FreeLibrary(module);
        module = nullptr;
        SetLastError(ERROR_PROC_NOT_FOUND);
    }
    return function;
}

} // namespace

LONG WINAPI DocumentPropertiesW(HWND hWnd, HANDLE hPrinter, LPWSTR pDeviceName, PDEVMODEW pDevModeOutput,
                                PDEVMODEW pDevModeInput, DWORD fMode)
{
    if ((fMode & DM_OUT_BUFFER) != 0 && pDevModeOutput == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return -1;
    }
    HMODULE module = nullptr;
    const PFNPROPSHEETUI sheets = SheetFunction(hPrinter, "DrvDocumentPropertySheets", module);
    if (sheets == nullptr)
        return -1;
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
        if ((fMode & DM_IN_PROMPT) != 0) {
            // The user's answer: IDOK or IDCANCEL; -1 when the driver shows no sheet.
            DWORD sheetResult = 0;
            const LONG shown = CommonPropertySheetUIW(hWnd, sheets, reinterpret_cast<LPARAM>(&header), &sheetResult);
            result = shown < 0 ? -1 : (shown == CPSUI_OK ? IDOK : IDCANCEL);
        } else {
            result = sheets(nullptr, reinterpret_cast<LPARAM>(&header));
        }
    }
    FreeLibrary(module);
    return result;
}

BOOL WINAPI PrinterProperties(HWND hWnd, HANDLE hPrinter)
{
    DWORD needed = 0;
    GetPrinterW(hPrinter, 2, nullptr, 0, &needed);
    if (needed < sizeof(PRINTER_INFO_2W)) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    std::vector<BYTE> buffer(needed);
    if (!GetPrinterW(hPrinter, 2, buffer.data(), needed, &needed))
        return FALSE;
    PRINTER_INFO_2W info;
    std::memcpy(&info, buffer.data(), sizeof info);
    HMODULE module = nullptr;
    const PFNPROPSHEETUI sheets = SheetFunction(hPrinter, "DrvDevicePropertySheets", module);
    if (sheets == nullptr)
        return FALSE;
    DEVICEPROPERTYHEADER header = {};
    header.cbSize = sizeof header;
    header.hPrinter = hPrinter;
    header.pszPrinterName = info.pPrinterName;
    DWORD sheetResult = 0;
    const LONG shown = CommonPropertySheetUIW(hWnd, sheets, reinterpret_cast<LPARAM>(&header), &sheetResult);
    FreeLibrary(module);
    return shown >= 0 ? TRUE : FALSE;
}
