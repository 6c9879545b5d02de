// printers.cpp - opening printers and answering what they are: GetPrinterW and GetPrinterDriverW.
#include "common/text_util.h"
#include "common/world_state.h"
#include "registry/direct_access.h"
#include "spooler/info_buffer.h"
#include "spooler/spooler_state.h"
#include "win/winreg.h"
#include "win/winspool.h"

#include <cstddef>
#include <optional>
#include <vector>

using namespace platform::spooler;

static constexpr std::u16string_view kEnvironment = u"Windows NT x86";
static constexpr DWORD kDriverVersion = 3;   // user-mode printer drivers

// The printer's stored default devmode, when it holds a whole one. The value may have been written by
// anyone through the registry, so its sizes are checked against its bytes: a devmode claiming more bytes
// than it has is not handed out, because every reader trusts dmSize and dmDriverExtra.
static std::optional<std::vector<BYTE>> StoredDevmode(const Printer& printer)
{
    std::optional<std::vector<BYTE>> bytes = platform::registry::ReadValueDirect(
        HKEY_LOCAL_MACHINE, PrinterKeyPath(printer.name), u"Default DevMode");
    if (!bytes || bytes->size() < offsetof(DEVMODEW, dmFields))
        return std::nullopt;
    const BYTE* header = bytes->data();
    const size_t dmSize = header[offsetof(DEVMODEW, dmSize)] | (header[offsetof(DEVMODEW, dmSize) + 1] << 8);
    const size_t dmDriverExtra = header[offsetof(DEVMODEW, dmDriverExtra)]
                                 | (header[offsetof(DEVMODEW, dmDriverExtra) + 1] << 8);
    if (dmSize < offsetof(DEVMODEW, dmFields) || dmSize + dmDriverExtra > bytes->size())
        return std::nullopt;
    bytes->resize(dmSize + dmDriverExtra);
    return bytes;
}

static void FillPrinterInfo1(InfoBuffer& buffer, PRINTER_INFO_1W& info, const Printer& printer)
{
    info.Flags = PRINTER_ENUM_ICON8;
    info.pDescription = buffer.Text(printer.name + u"," + printer.driverName + u",");   // name,driver,location
    info.pName = buffer.Text(printer.name);
    info.pComment = buffer.Text(u"");
}

static void FillPrinterInfo2(InfoBuffer& buffer, PRINTER_INFO_2W& info, const Printer& printer,
                             const std::optional<std::vector<BYTE>>& devmode)
{
    info.pServerName = nullptr;   // a local printer
    info.pPrinterName = buffer.Text(printer.name);
    info.pShareName = buffer.Text(u"");
    info.pPortName = buffer.Text(printer.portName);
    info.pDriverName = buffer.Text(printer.driverName);
    info.pComment = buffer.Text(u"");
    info.pLocation = buffer.Text(u"");
    info.pDevMode = devmode ? reinterpret_cast<LPDEVMODEW>(buffer.Bytes(*devmode)) : nullptr;
    info.pSepFile = buffer.Text(u"");
    info.pPrintProcessor = buffer.Text(u"WinPrint");
    info.pDatatype = buffer.Text(u"RAW");
    info.pParameters = buffer.Text(u"");
    info.pSecurityDescriptor = nullptr;
    info.Attributes = PRINTER_ATTRIBUTE_LOCAL;
    info.Priority = 1;
    info.Status = 0;
    info.cJobs = ActiveJobCount(printer);
}

static std::u16string DriverPath(std::u16string_view file)
{
    return std::u16string(platform::kDriverDir) + u"\\" + std::u16string(file);
}

static void FillDriverInfo2(InfoBuffer& buffer, DRIVER_INFO_2W& info, const Printer& printer)
{
    info.cVersion = kDriverVersion;
    info.pName = buffer.Text(printer.driverName);
    info.pEnvironment = buffer.Text(kEnvironment);
    info.pDriverPath = buffer.Text(DriverPath(printer.driverFile));
    info.pDataFile = buffer.Text(DriverPath(printer.dataFile));
    info.pConfigFile = buffer.Text(DriverPath(printer.configFile));
}

// The handle's record for a Get* call, or null with the last error set (the handle is not a printer's, or
// there is nowhere to answer the size).
static std::shared_ptr<PrinterHandle> FindHandleToAnswer(HANDLE hPrinter, LPDWORD pcbNeeded)
{
    std::shared_ptr<PrinterHandle> handle = FindPrinterHandle(hPrinter);
    if (handle == nullptr) {
        SetLastError(ERROR_INVALID_HANDLE);
        return nullptr;
    }
    if (pcbNeeded == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    return handle;
}

BOOL WINAPI OpenPrinterW(LPWSTR pPrinterName, LPHANDLE phPrinter, LPPRINTER_DEFAULTSW /*pDefault*/)
{
    if (phPrinter == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    *phPrinter = nullptr;
    auto lock = LockSpooler();
    // A null name would open the print server, which the stand-in does not have.
    std::shared_ptr<const Printer> printer = pPrinterName == nullptr ? nullptr : FindPrinter(pPrinterName);
    if (printer == nullptr) {
        SetLastError(ERROR_INVALID_PRINTER_NAME);
        return FALSE;
    }
    *phPrinter = AddPrinterHandle(std::move(printer));
    return TRUE;
}

BOOL WINAPI ClosePrinter(HANDLE hPrinter)
{
    auto lock = LockSpooler();
    if (!RemovePrinterHandle(hPrinter)) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    return TRUE;
}

BOOL WINAPI GetPrinterW(HANDLE hPrinter, DWORD Level, LPBYTE pPrinter, DWORD cbBuf, LPDWORD pcbNeeded)
{
    auto lock = LockSpooler();
    const std::shared_ptr<PrinterHandle> handle = FindHandleToAnswer(hPrinter, pcbNeeded);
    if (handle == nullptr)
        return FALSE;
    const Printer& printer = *handle->printer;
    if (Level == 1) {
        return AnswerInfo<PRINTER_INFO_1W>(pPrinter, cbBuf, pcbNeeded,
            [&](InfoBuffer& buffer, PRINTER_INFO_1W& info) { FillPrinterInfo1(buffer, info, printer); });
    }
    if (Level == 2) {
        const std::optional<std::vector<BYTE>> devmode = StoredDevmode(printer);
        return AnswerInfo<PRINTER_INFO_2W>(pPrinter, cbBuf, pcbNeeded,
            [&](InfoBuffer& buffer, PRINTER_INFO_2W& info) { FillPrinterInfo2(buffer, info, printer, devmode); });
    }
    SetLastError(ERROR_INVALID_LEVEL);
    return FALSE;
}

BOOL WINAPI GetPrinterDriverW(HANDLE hPrinter, LPWSTR pEnvironment, DWORD Level, LPBYTE pDriverInfo, DWORD cbBuf,
                              LPDWORD pcbNeeded)
{
    auto lock = LockSpooler();
    const std::shared_ptr<PrinterHandle> handle = FindHandleToAnswer(hPrinter, pcbNeeded);
    if (handle == nullptr)
        return FALSE;
    if (Level != 2) {
        SetLastError(ERROR_INVALID_LEVEL);
        return FALSE;
    }
    // Only the driver for this environment is installed; null asks for it.
    if (pEnvironment != nullptr && !platform::EqualsNoCase(pEnvironment, kEnvironment)) {
        SetLastError(ERROR_UNKNOWN_PRINTER_DRIVER);
        return FALSE;
    }
    const Printer& printer = *handle->printer;
    return AnswerInfo<DRIVER_INFO_2W>(pDriverInfo, cbBuf, pcbNeeded,
        [&](InfoBuffer& buffer, DRIVER_INFO_2W& info) { FillDriverInfo2(buffer, info, printer); });
}
