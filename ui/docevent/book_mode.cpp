// book_mode.cpp - the graphics mode and printer language of a spreadsheet's job, kept across its device-context
// resets.
#include "ui/docevent/book_mode.h"
#include "settings/registry/book_mode_key.h"
#include "settings/devmode/devmode_identity.h"
#include "settings/base/global_memory.h"
#include "settings/base/host_process.h"
#include "settings/devmode/job_settings_record.h"
#include "settings/registry/printer_info.h"
#include "settings/base/private_escape_codes.h"
#include "ui/docevent/document_event.h"
#include "ui/docevent/private_escape.h"
#include "win/winddiui.h"

#include <cstring>

namespace {

constexpr DWORD kPrinterNameChars = 32;
constexpr LPCWSTR kGfxValue = u"bGFXMode";
constexpr LPCWSTR kPdlValue = u"bPDLType";
constexpr DWORD kHighestPdlType = 3;          // 0 VQPDL, 1 PCL, 2 and 3 PCLXL
constexpr DWORD kHighestByteValue = 0xFF;

DWORD ReadBookModeValue(LPCWSTR printerName, LPCWSTR valueName)
{
    HKEY key = nullptr;
    DWORD disposition = 0;
    if (!OpenBookModeKey(printerName, &key, &disposition))
        return 0;
    DWORD value = 0;
    if (disposition == REG_CREATED_NEW_KEY) {
        RegSetValueExW(key, valueName, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
        RegCloseKey(key);
        return 0;
    }
    // Anything but a 4-byte DWORD reads as nothing stored.
    DWORD type = 0;
    DWORD cb = sizeof value;
    const LONG status = RegQueryValueExW(key, valueName, nullptr, &type, reinterpret_cast<BYTE*>(&value), &cb);
    RegCloseKey(key);
    if (status != ERROR_SUCCESS || type != REG_DWORD || cb != sizeof value)
        return 0;
    return value;
}

BOOL WriteBookModeValue(LPCWSTR printerName, LPCWSTR valueName, DWORD value)
{
    HKEY key = nullptr;
    if (!OpenBookModeKey(printerName, &key, nullptr))
        return FALSE;
    const LONG status =
        RegSetValueExW(key, valueName, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
    RegCloseKey(key);
    return status == ERROR_SUCCESS ? TRUE : FALSE;
}

// The devmode is the application's: only a 4-byte input whose pointer leads to the driver's own devmode is
// touched, and of it only the two bytes. A stored 0 means "nothing kept" and changes nothing.
INT RestoreBookMode(HANDLE hPrinter, ULONG cbIn, PVOID pvIn)
{
    if (cbIn != sizeof(PDEVMODEW) || pvIn == nullptr)
        return DOCUMENTEVENT_SUCCESS;
    PDEVMODEW pdmIn = nullptr;
    std::memcpy(&pdmIn, pvIn, sizeof pdmIn);
    if (pdmIn == nullptr || !IsOwnDevmode(pdmIn))
        return DOCUMENTEVENT_SUCCESS;
    WCHAR printerName[kPrinterNameChars] = {};
    if (!GetPrinterName(hPrinter, printerName, kPrinterNameChars))
        return DOCUMENTEVENT_FAILURE;
    auto* pdm = reinterpret_cast<DRIVER_DEVMODE*>(pdmIn);
    const DWORD gfx = ReadBookModeGfx(printerName);
    if (gfx != 0 && gfx <= kHighestByteValue)
        pdm->dmPrivate.lpGraphicsMode = static_cast<BYTE>(gfx);
    const DWORD pdl = ReadBookModePdl(printerName);
    if (pdl != 0 && pdl <= kHighestPdlType)
        pdm->dmPrivate.lpPDLType = static_cast<BYTE>(pdl);
    return DOCUMENTEVENT_SUCCESS;
}

// The spreadsheet's job keeps the values it prints with; any other program's job, and the end of any job,
// leave nothing kept.
INT StoreBookMode(HANDLE hPrinter, HDC hdc, bool startDoc)
{
    WCHAR printerName[kPrinterNameChars] = {};
    if (!GetPrinterName(hPrinter, printerName, kPrinterNameChars))
        return DOCUMENTEVENT_FAILURE;
    DWORD gfx = 0;
    DWORD pdl = 0;
    if (startDoc && IsHostExcel()) {
        LockedBlock record(kJobSettingsRecordSize);
        if (!record ||
            !SendPrivateEscape(hdc, ESC_GET_JOB_SETTINGS, 0, nullptr, kEscJobSettingsOut, record.get()))
            return DOCUMENTEVENT_FAILURE;
        const PRIVATE_DEVMODE* pdmPrivate = GetJobDevmodePrivate(record.as<BYTE>());
        gfx = pdmPrivate->lpGraphicsMode;
        pdl = pdmPrivate->lpPDLType;
    }
    WriteBookModeGfx(printerName, gfx);
    WriteBookModePdl(printerName, pdl);
    return DOCUMENTEVENT_SUCCESS;
}

} // namespace

DWORD ReadBookModeGfx(LPCWSTR printerName)
{
    return ReadBookModeValue(printerName, kGfxValue);
}

DWORD ReadBookModePdl(LPCWSTR printerName)
{
    return ReadBookModeValue(printerName, kPdlValue);
}

BOOL WriteBookModeGfx(LPCWSTR printerName, DWORD value)
{
    return WriteBookModeValue(printerName, kGfxValue, value);
}

BOOL WriteBookModePdl(LPCWSTR printerName, DWORD value)
{
    return WriteBookModeValue(printerName, kPdlValue, value);
}

INT DocEventBookMode(HANDLE hPrinter, HDC hdc, INT iEsc, ULONG cbIn, PVOID pvIn, ULONG /*cbOut*/,
                     PVOID /*pvOut*/)
{
    if (hPrinter == nullptr)
        return DOCUMENTEVENT_SUCCESS;
    switch (DocumentEventCode(iEsc)) {
    case DOCUMENTEVENT_RESETDCPRE:
        return RestoreBookMode(hPrinter, cbIn, pvIn);
    case DOCUMENTEVENT_STARTDOC:
        return StoreBookMode(hPrinter, hdc, /*startDoc=*/true);
    case DOCUMENTEVENT_ABORTDOC:
    case DOCUMENTEVENT_ENDDOCPOST:
        return StoreBookMode(hPrinter, hdc, /*startDoc=*/false);
    default:
        return DOCUMENTEVENT_SUCCESS;
    }
}
