// exports.cpp - the interface module's entry points; each forwards to its worker.
#include "settings/base/driver_export.h"
#include "settings/devmode/devmode_header.h"
#include "ui/core/convert_devmode.h"
#include "ui/core/device_capabilities.h"
#include "ui/core/document_properties.h"
#include "ui/core/document_property_sheets.h"
#include "ui/core/module_entry.h"
#include "ui/core/print_permission.h"
#include "ui/core/printer_event.h"
#include "ui/core/property_sheets.h"
#include "ui/docevent/document_event.h"

DRIVER_EXPORT BOOL WINAPI DevQueryPrintEx(PDEVQUERYPRINT_INFO pDQPInfo)
{
    return QueryPrintAllowed(pDQPInfo);
}

DRIVER_EXPORT BOOL WINAPI DllInitialize(HINSTANCE hModule, DWORD dwReason, LPVOID pReserved)
{
    return DllInitializeImpl(hModule, dwReason, pReserved);
}

DRIVER_EXPORT LONG WINAPI DrvAdvancedDocumentProperties(HWND hWnd, HANDLE hPrinter, LPWSTR pDeviceName,
                                                        PDEVMODEW pdmOutput, PDEVMODEW pdmInput)
{
    return AdvancedDocumentPropertiesImpl(hWnd, hPrinter, pDeviceName, pdmOutput, pdmInput);
}

DRIVER_EXPORT BOOL WINAPI DrvConvertDevMode(LPWSTR pPrinterName, PDEVMODEW pdmIn, PDEVMODEW pdmOut, PLONG pcbNeeded,
                                            DWORD fMode)
{
    return ConvertDevModeImpl(pPrinterName, pdmIn, pdmOut, pcbNeeded, fMode);
}

DRIVER_EXPORT DWORD WINAPI DrvDeviceCapabilities(HANDLE hPrinter, LPWSTR pDeviceName, WORD iDevCap, PVOID pOutput,
                                                 PDEVMODEW pDevMode)
{
    return DeviceCapabilitiesImpl(hPrinter, pDeviceName, iDevCap, pOutput, pDevMode);
}

DRIVER_EXPORT LONG WINAPI DrvDevicePropertySheets(PPROPSHEETUI_INFO pPSUIInfo, LPARAM lParam)
{
    return DevicePropertySheetsImpl(pPSUIInfo, lParam);
}

DRIVER_EXPORT INT WINAPI DrvDocumentEvent(HANDLE hPrinter, HDC hdc, INT iEsc, ULONG cbIn, PVOID pvIn, ULONG cbOut,
                                          PVOID pvOut)
{
    return DrvDocumentEventImpl(hPrinter, hdc, iEsc, cbIn, pvIn, cbOut, pvOut);
}

DRIVER_EXPORT LONG WINAPI DrvDocumentProperties(HWND hWnd, HANDLE hPrinter, LPWSTR pDeviceName, PDEVMODEW pdmOutput,
                                                PDEVMODEW pdmInput, DWORD fMode)
{
    return DocumentPropertiesImpl(hWnd, hPrinter, pDeviceName, pdmOutput, pdmInput, fMode);
}

DRIVER_EXPORT LONG WINAPI DrvDocumentPropertySheets(PPROPSHEETUI_INFO pPSUIInfo, LPARAM lParam)
{
    return HandleDocumentPropertySheets(pPSUIInfo, lParam);
}

DRIVER_EXPORT BOOL WINAPI DrvPrinterEvent(LPWSTR pPrinterName, INT DriverEvent, DWORD Flags, LPARAM lParam)
{
    return PrinterEventImpl(pPrinterName, DriverEvent, Flags, lParam);
}

DRIVER_EXPORT DWORD WINAPI VQ_GetEnvExtraSize(void)
{
    return VQ_GetEnvExtraSizeImpl();
}

DRIVER_EXPORT BOOL WINAPI PrinterProperties(HWND hWnd, HANDLE hPrinter)
{
    return PrinterPropertiesImpl(hWnd, hPrinter);
}
