// dc_lifetime.cpp - CreateDCW, ResetDCW, DeleteDC and GetDeviceCaps of printer device contexts.
// A printer device context is made as GDI makes one: the printer is opened, its driver found, the interface
// module told (CREATEDCPRE), the graphics module loaded and enabled, a PDEV and its surface enabled, and the
// interface module told again (CREATEDCPOST).
#include "gdi/memory_dc.h"
#include "gdi/printer_dc.h"
#include "gdi/selection.h"
#include "win/winspool.h"

#include <cstring>

namespace platform {
namespace {

// A spooler answer of the given level, by the two-call size protocol; empty when it fails.
template <typename Query>
std::vector<BYTE> AskSpooler(Query query)
{
    DWORD needed = 0;
    query(nullptr, 0, &needed);
    if (needed == 0)
        return {};
    std::vector<BYTE> buffer(needed);
    if (!query(buffer.data(), needed, &needed))
        return {};
    return buffer;
}

// The printer's own default devmode (GetPrinterW level 2), or none.
std::vector<BYTE> PrinterDefaultDevmode(HANDLE hPrinter)
{
    const auto info = AskSpooler([&](LPBYTE buffer, DWORD cb, LPDWORD needed) {
        return GetPrinterW(hPrinter, 2, buffer, cb, needed);
    });
    if (info.size() < sizeof(PRINTER_INFO_2W))
        return {};
    PRINTER_INFO_2W pi;
    std::memcpy(&pi, info.data(), sizeof pi);
    return CopyDevmode(pi.pDevMode);
}

// The driver's own default devmode, as the spooler asks the interface module for it when a printer has none
// stored yet (DrvConvertDevMode with CDM_DRIVER_DEFAULT); none when the module cannot give one.
std::vector<BYTE> DriverDefaultDevmode(HMODULE interfaceModule, std::u16string& printerName)
{
    const auto convert =
        reinterpret_cast<PFN_DrvConvertDevMode>(GetProcAddress(interfaceModule, "DrvConvertDevMode"));
    if (convert == nullptr)
        return {};
    LONG cbNeeded = 0;
    convert(printerName.data(), nullptr, nullptr, &cbNeeded, CDM_DRIVER_DEFAULT);
    if (cbNeeded < static_cast<LONG>(sizeof(DEVMODEW)))
        return {};
    std::vector<BYTE> buffer(static_cast<size_t>(cbNeeded));
    if (!convert(printerName.data(), nullptr, reinterpret_cast<PDEVMODEW>(buffer.data()), &cbNeeded,
                 CDM_DRIVER_DEFAULT))
        return {};
    return CopyDevmode(reinterpret_cast<const DEVMODEW*>(buffer.data()));
}

// Where the devmode an interface module answered in pvOut goes: taken when the module set it.
void TakeReplacementDevmode(const DEVMODEW* replacement, std::vector<BYTE>& devmode)
{
    if (replacement == nullptr)
        return;
    std::vector<BYTE> copy = CopyDevmode(replacement);
    if (!copy.empty())
        devmode = std::move(copy);
}

// Undoes a CreateDCW that got part of the way; what it called stays on record for the host.
void AbandonCreation(PrinterDc& dc)
{
    DisablePdev(dc);
    std::vector<std::string> calls;
    ReleaseGraphicsModule(dc.graphics, calls);
    for (auto& call : calls)
        RecordCall(dc, std::move(call));
    dc.graphics = nullptr;
    if (dc.interfaceModule != nullptr)
        FreeLibrary(dc.interfaceModule);
    if (dc.hPrinter != nullptr)
        ClosePrinter(dc.hPrinter);
    KeepFailedCreationRecord(dc.calls);
}

HDC CreatePrinterDc(LPCWSTR pwszDevice, const DEVMODEW* pdm)
{
    if (pwszDevice == nullptr || *pwszDevice == u'\0') {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    auto dc = std::make_shared<PrinterDc>();
    InitialiseAttributes(dc->attrs);
    dc->deviceName = pwszDevice;
    if (!OpenPrinterW(dc->deviceName.data(), &dc->hPrinter, nullptr)) {
        dc->hPrinter = nullptr;
        KeepFailedCreationRecord({});
        return nullptr;   // the spooler's last error stands
    }
    const auto driverInfo = AskSpooler([&](LPBYTE buffer, DWORD cb, LPDWORD needed) {
        return GetPrinterDriverW(dc->hPrinter, nullptr, 2, buffer, cb, needed);
    });
    if (driverInfo.size() < sizeof(DRIVER_INFO_2W)) {
        AbandonCreation(*dc);
        SetLastError(ERROR_UNKNOWN_PRINTER_DRIVER);
        return nullptr;
    }
    DRIVER_INFO_2W di;
    std::memcpy(&di, driverInfo.data(), sizeof di);
    const std::u16string driverPath(di.pDriverPath != nullptr ? di.pDriverPath : u"");
    const std::u16string configFile(di.pConfigFile != nullptr ? di.pConfigFile : u"");

    std::vector<BYTE> devmode = pdm != nullptr ? CopyDevmode(pdm) : PrinterDefaultDevmode(dc->hPrinter);

    // Without an interface module, or one without DrvDocumentEvent, there are no document events.
    if (!configFile.empty())
        dc->interfaceModule = LoadLibraryW(configFile.c_str());
    if (dc->interfaceModule != nullptr)
        dc->documentEvent =
            reinterpret_cast<PFN_DrvDocumentEvent>(GetProcAddress(dc->interfaceModule, "DrvDocumentEvent"));
    if (pdm == nullptr && devmode.empty() && dc->interfaceModule != nullptr)
        devmode = DriverDefaultDevmode(dc->interfaceModule, dc->deviceName);

    DOCEVENT_CREATEDCPRE pre = {nullptr, dc->deviceName.data(),
                                devmode.empty() ? nullptr : reinterpret_cast<PDEVMODEW>(devmode.data()), FALSE};
    PDEVMODEW replacement = nullptr;
    if (SendDocumentEvent(*dc, nullptr, DOCUMENTEVENT_CREATEDCPRE, sizeof pre, &pre, sizeof replacement,
                          &replacement) == DOCUMENTEVENT_FAILURE) {
        AbandonCreation(*dc);
        SetLastError(ERROR_CANCELLED);
        return nullptr;
    }
    TakeReplacementDevmode(replacement, devmode);

    dc->graphics = AcquireGraphicsModule(driverPath, dc->calls);
    if (dc->graphics == nullptr) {
        const DWORD error = GetLastError();
        AbandonCreation(*dc);
        SetLastError(error);
        return nullptr;
    }
    dc->devmode = devmode;
    if (!EnablePdev(*dc, devmode, dc->device, dc->hdev, dc->dhpdev, dc->gdiInfo, dc->devInfo)) {
        AbandonCreation(*dc);
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    if (!EnableSurface(*dc)) {
        AbandonCreation(*dc);
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    const HDC hdc = AddPrinterDc(dc);
    SendDocumentEvent(*dc, hdc, DOCUMENTEVENT_CREATEDCPOST, sizeof replacement, &replacement, 0, nullptr);
    return hdc;
}

// GetDeviceCaps indexes answered from the driver's GDIINFO, by where each value lies in it.
struct CapsRow {
    int index;          // -1 ends the table
    size_t offset;      // of the LONG or ULONG in GDIINFO
};

constexpr CapsRow kCapsRows[] = {
    {DRIVERVERSION, offsetof(GDIINFO, ulVersion)},
    {TECHNOLOGY, offsetof(GDIINFO, ulTechnology)},
    {HORZSIZE, offsetof(GDIINFO, ulHorzSize)},
    {VERTSIZE, offsetof(GDIINFO, ulVertSize)},
    {HORZRES, offsetof(GDIINFO, ulHorzRes)},
    {VERTRES, offsetof(GDIINFO, ulVertRes)},
    {BITSPIXEL, offsetof(GDIINFO, cBitsPixel)},
    {PLANES, offsetof(GDIINFO, cPlanes)},
    {NUMCOLORS, offsetof(GDIINFO, ulNumColors)},
    {TEXTCAPS, offsetof(GDIINFO, flTextCaps)},
    {RASTERCAPS, offsetof(GDIINFO, flRaster)},
    {ASPECTX, offsetof(GDIINFO, ulAspectX)},
    {ASPECTY, offsetof(GDIINFO, ulAspectY)},
    {ASPECTXY, offsetof(GDIINFO, ulAspectXY)},
    {LOGPIXELSX, offsetof(GDIINFO, ulLogPixelsX)},
    {LOGPIXELSY, offsetof(GDIINFO, ulLogPixelsY)},
    {SIZEPALETTE, offsetof(GDIINFO, ulNumPalReg)},
    {PHYSICALWIDTH, offsetof(GDIINFO, szlPhysSize.cx)},
    {PHYSICALHEIGHT, offsetof(GDIINFO, szlPhysSize.cy)},
    {PHYSICALOFFSETX, offsetof(GDIINFO, ptlPhysOffset.x)},
    {PHYSICALOFFSETY, offsetof(GDIINFO, ptlPhysOffset.y)},
    {SHADEBLENDCAPS, offsetof(GDIINFO, flShadeBlend)},
    {-1, 0},
};
static_assert(kCapsRows[std::size(kCapsRows) - 1].index == -1, "terminator must be last");

const CapsRow* FindCapsRow(int index)
{
    for (const CapsRow* row = kCapsRows; row->index != -1; ++row)
        if (row->index == index)
            return row;
    return nullptr;
}

} // namespace
} // namespace platform

using platform::PrinterDc;

HDC WINAPI CreateDCW(LPCWSTR /*pwszDriver: a printer is found by its name*/, LPCWSTR pwszDevice,
                     LPCWSTR /*pszPort: the printer's own port is used*/, const DEVMODEW* pdm)
{
    return platform::CreatePrinterDc(pwszDevice, pdm);
}

HDC WINAPI ResetDCW(HDC hdc, const DEVMODEW* lpdm)
{
    const auto dc = platform::FindPrinterDc(hdc);
    if (dc == nullptr) {
        SetLastError(ERROR_INVALID_HANDLE);
        return nullptr;
    }
    // Between pages only: the page being drawn belongs to the old PDEV's surface.
    if (dc->state == platform::DocState::Page) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    std::vector<BYTE> devmode = lpdm != nullptr ? platform::CopyDevmode(lpdm) : dc->devmode;
    PDEVMODEW given = devmode.empty() ? nullptr : reinterpret_cast<PDEVMODEW>(devmode.data());
    PDEVMODEW replacement = nullptr;
    if (platform::SendDocumentEvent(*dc, hdc, DOCUMENTEVENT_RESETDCPRE, sizeof given, &given, sizeof replacement,
                                    &replacement) == DOCUMENTEVENT_FAILURE) {
        SetLastError(ERROR_CANCELLED);
        return nullptr;
    }
    platform::TakeReplacementDevmode(replacement, devmode);

    std::shared_ptr<platform::engine::Device> device;
    HDEV hdev = nullptr;
    DHPDEV dhpdev = nullptr;
    GDIINFO gdiInfo;
    DEVINFO devInfo;
    if (!platform::EnablePdev(*dc, devmode, device, hdev, dhpdev, gdiInfo, devInfo)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    const auto resetPdev = platform::Hook<PFN_DrvResetPDEV>(*dc, INDEX_DrvResetPDEV);
    if (resetPdev != nullptr)
        platform::RecordCall(*dc, "DrvResetPDEV");
    if (resetPdev != nullptr && !resetPdev(dc->dhpdev, dhpdev)) {
        // The old PDEV stays; the new one goes.
        platform::RecordCall(*dc, "DrvDisablePDEV");
        platform::Hook<PFN_DrvDisablePDEV>(*dc, INDEX_DrvDisablePDEV)(dhpdev);
        platform::engine::UnregisterDevice(hdev);
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    platform::DisablePdev(*dc);
    dc->device = std::move(device);
    dc->hdev = hdev;
    dc->dhpdev = dhpdev;
    dc->gdiInfo = gdiInfo;
    dc->devInfo = devInfo;
    dc->devmode = devmode;
    if (!platform::EnableSurface(*dc)) {
        // No surface to draw on: the device context can do nothing more but be deleted.
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    platform::SendDocumentEvent(*dc, hdc, DOCUMENTEVENT_RESETDCPOST, sizeof replacement, &replacement, 0, nullptr);
    return hdc;
}

BOOL WINAPI DeleteDC(HDC hdc)
{
    const auto any = platform::DcOrFail(hdc);
    if (any == nullptr)
        return FALSE;
    if (any->kind == platform::DcKind::Memory)
        return platform::DeleteMemoryDc(any);
    const auto dc = std::static_pointer_cast<PrinterDc>(any);
    platform::SendDocumentEvent(*dc, hdc, DOCUMENTEVENT_DELETEDC, 0, nullptr, 0, nullptr);
    // A document still open is abandoned, so its job does not stay in the spooler half written.
    if (dc->state != platform::DocState::None)
        platform::AbortDocument(*dc);
    platform::DisablePdev(*dc);
    std::vector<std::string> calls;
    platform::ReleaseGraphicsModule(dc->graphics, calls);
    for (auto& call : calls)
        platform::RecordCall(*dc, std::move(call));
    dc->graphics = nullptr;
    if (dc->interfaceModule != nullptr)
        FreeLibrary(dc->interfaceModule);
    ClosePrinter(dc->hPrinter);
    platform::RemovePrinterDc(hdc);
    platform::ReleaseSelections(*dc);
    return TRUE;
}

int WINAPI GetDeviceCaps(HDC hdc, int index)
{
    const auto dc = platform::FindPrinterDc(hdc);
    const platform::CapsRow* row = platform::FindCapsRow(index);
    if (dc == nullptr || row == nullptr)
        return 0;
    LONG value;
    std::memcpy(&value, reinterpret_cast<const BYTE*>(&dc->gdiInfo) + row->offset, sizeof value);
    if (index == RASTERCAPS && dc->surface != nullptr && dc->surface->banding)
        value |= RC_BANDING;
    return value;
}
