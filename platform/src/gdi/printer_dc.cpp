// printer_dc.cpp - the table of printer device contexts, their call records, document events, and the
// enabling and disabling of their PDEVs.
#include "gdi/printer_dc.h"
#include "common/world_state.h"
#include "gdi/font_realizations.h"
#include "host/gdi.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <mutex>

namespace platform {
namespace {

// Every device context's record, kept after DeleteDC; a failed CreateDCW's record lies under the null key.
struct Records {
    std::mutex mutex;
    std::map<HDC, std::vector<std::string>> byDc;
};

Records& TheRecords()
{
    static auto* records = new Records();
    return *records;
}

const bool kForgetsRecordsWithTheWorld = (OnWorldReset([] {
    std::lock_guard lock(TheRecords().mutex);
    TheRecords().byDc.clear();
}), true);

struct EventName {
    int code;   // 0 ends the table
    const char* name;
};

constexpr EventName kEventNames[] = {
    {DOCUMENTEVENT_CREATEDCPRE, "DOCUMENTEVENT_CREATEDCPRE"},
    {DOCUMENTEVENT_CREATEDCPOST, "DOCUMENTEVENT_CREATEDCPOST"},
    {DOCUMENTEVENT_RESETDCPRE, "DOCUMENTEVENT_RESETDCPRE"},
    {DOCUMENTEVENT_RESETDCPOST, "DOCUMENTEVENT_RESETDCPOST"},
    {DOCUMENTEVENT_STARTDOC, "DOCUMENTEVENT_STARTDOC"},
    {DOCUMENTEVENT_STARTPAGE, "DOCUMENTEVENT_STARTPAGE"},
    {DOCUMENTEVENT_ENDPAGE, "DOCUMENTEVENT_ENDPAGE"},
    {DOCUMENTEVENT_ENDDOC, "DOCUMENTEVENT_ENDDOC"},
    {DOCUMENTEVENT_ABORTDOC, "DOCUMENTEVENT_ABORTDOC"},
    {DOCUMENTEVENT_DELETEDC, "DOCUMENTEVENT_DELETEDC"},
    {DOCUMENTEVENT_ESCAPE, "DOCUMENTEVENT_ESCAPE"},
    {DOCUMENTEVENT_ENDDOCPOST, "DOCUMENTEVENT_ENDDOCPOST"},
    {DOCUMENTEVENT_STARTDOCPOST, "DOCUMENTEVENT_STARTDOCPOST"},
    {0, nullptr},
};
static_assert(kEventNames[std::size(kEventNames) - 1].code == 0, "terminator must be last");

const char* FindEventName(int code)
{
    for (const EventName* row = kEventNames; row->code != 0; ++row)
        if (row->code == code)
            return row->name;
    return "DOCUMENTEVENT_?";
}

// The smallest devmode taken: one that reaches through dmFields, which says which fields follow.
constexpr WORD kMinDevmodeSize = offsetof(DEVMODEW, dmFields) + sizeof(DWORD);

} // namespace

RECTL PrinterDc::Extent() const
{
    LONG width = static_cast<LONG>(gdiInfo.ulHorzRes);
    LONG height = static_cast<LONG>(gdiInfo.ulVertRes);
    if ((width <= 0 || height <= 0) && surface != nullptr) {
        width = surface->so.sizlBitmap.cx;
        height = surface->so.sizlBitmap.cy;
    }
    return {0, 0, std::max(width, 0L), std::max(height, 0L)};
}

std::shared_ptr<PrinterDc> FindPrinterDc(HDC hdc)
{
    auto dc = FindDc(hdc);
    if (dc == nullptr || dc->kind != DcKind::Printer)
        return nullptr;
    return std::static_pointer_cast<PrinterDc>(dc);
}

HDC AddPrinterDc(std::shared_ptr<PrinterDc> dc)
{
    PrinterDc& record = *dc;
    AddDc(std::move(dc));
    std::lock_guard lock(TheRecords().mutex);
    TheRecords().byDc[record.hdc] = record.calls;
    return record.hdc;
}

void RemovePrinterDc(HDC hdc)
{
    RemoveDc(hdc);
}

void RecordCall(PrinterDc& dc, std::string name)
{
    if (dc.hdc != nullptr) {
        std::lock_guard lock(TheRecords().mutex);
        TheRecords().byDc[dc.hdc].push_back(name);
    }
    dc.calls.push_back(std::move(name));
}

void KeepFailedCreationRecord(const std::vector<std::string>& calls)
{
    std::lock_guard lock(TheRecords().mutex);
    TheRecords().byDc[nullptr] = calls;
}

int SendDocumentEvent(PrinterDc& dc, HDC hdc, int iEsc, ULONG cbIn, PVOID pvIn, ULONG cbOut, PVOID pvOut)
{
    if (dc.documentEvent == nullptr)
        return DOCUMENTEVENT_UNSUPPORTED;
    RecordCall(dc, FindEventName(iEsc));
    return dc.documentEvent(dc.hPrinter, hdc, iEsc, cbIn, pvIn, cbOut, pvOut);
}

std::vector<BYTE> CopyDevmode(const DEVMODEW* pdm)
{
    if (pdm == nullptr)
        return {};
    const WORD size = pdm->dmSize;
    const WORD extra = pdm->dmDriverExtra;
    if (size < kMinDevmodeSize)
        return {};
    const auto* bytes = reinterpret_cast<const BYTE*>(pdm);
    // At least a whole public devmode, so a driver reading a field past a short caller's dmSize reads zero.
    std::vector<BYTE> copy(std::max<size_t>(size + extra, sizeof(DEVMODEW)), 0);
    std::memcpy(copy.data(), bytes, size + extra);
    return copy;
}

bool EnablePdev(PrinterDc& dc, const std::vector<BYTE>& devmode, std::shared_ptr<engine::Device>& device,
                HDEV& hdev, DHPDEV& dhpdev, GDIINFO& gdiInfo, DEVINFO& devInfo)
{
    device = std::make_shared<engine::Device>();
    device->hooks = dc.graphics->hooks;
    hdev = engine::RegisterDevice(device);
    gdiInfo = {};
    devInfo = {};
    HSURF patterns[HS_DDI_MAX] = {};
    std::vector<BYTE> devmodeForDriver = devmode;   // the driver may write to it; our copy stays as given
    auto* pdm = devmodeForDriver.empty() ? nullptr : reinterpret_cast<DEVMODEW*>(devmodeForDriver.data());
    RecordCall(dc, "DrvEnablePDEV");
    dhpdev = Hook<PFN_DrvEnablePDEV>(dc, INDEX_DrvEnablePDEV)(
        pdm, nullptr, HS_DDI_MAX, patterns, sizeof gdiInfo, reinterpret_cast<ULONG*>(&gdiInfo), sizeof devInfo,
        &devInfo, hdev, dc.deviceName.data(), dc.hPrinter);
    if (dhpdev == nullptr) {
        engine::UnregisterDevice(hdev);
        return false;
    }
    device->dhpdev = dhpdev;
    // The style steps of the device's cosmetic lines; a driver that gives none keeps the engine's.
    if (gdiInfo.denStyleStep > 0 && gdiInfo.xStyleStep > 0 && gdiInfo.yStyleStep > 0) {
        device->xStyleStep = static_cast<ULONG>(gdiInfo.xStyleStep);
        device->yStyleStep = static_cast<ULONG>(gdiInfo.yStyleStep);
        device->denStyleStep = static_cast<ULONG>(gdiInfo.denStyleStep);
    }
    RecordCall(dc, "DrvCompletePDEV");
    Hook<PFN_DrvCompletePDEV>(dc, INDEX_DrvCompletePDEV)(dhpdev, hdev);
    return true;
}

bool EnableSurface(PrinterDc& dc)
{
    RecordCall(dc, "DrvEnableSurface");
    const HSURF hsurf = Hook<PFN_DrvEnableSurface>(dc, INDEX_DrvEnableSurface)(dc.dhpdev);
    dc.surface = engine::FindSurface(hsurf);
    return dc.surface != nullptr;
}

void DisablePdev(PrinterDc& dc)
{
    // The driver's data for the fonts realised on the PDEV goes before the PDEV does.
    ReleaseRealizations(dc);
    if (dc.dhpdev == nullptr)
        return;
    if (dc.surface != nullptr) {
        RecordCall(dc, "DrvDisableSurface");
        Hook<PFN_DrvDisableSurface>(dc, INDEX_DrvDisableSurface)(dc.dhpdev);
        dc.surface = nullptr;
    }
    RecordCall(dc, "DrvDisablePDEV");
    Hook<PFN_DrvDisablePDEV>(dc, INDEX_DrvDisablePDEV)(dc.dhpdev);
    dc.dhpdev = nullptr;
    engine::UnregisterDevice(dc.hdev);
    dc.hdev = nullptr;
    dc.device = nullptr;
}

} // namespace platform

namespace host {

std::vector<std::string> DeviceContextCalls(HDC hdc)
{
    auto& records = platform::TheRecords();
    std::lock_guard lock(records.mutex);
    const auto it = records.byDc.find(hdc);
    return it == records.byDc.end() ? std::vector<std::string>() : it->second;
}

void ClearDeviceContextCalls(HDC hdc)
{
    auto& records = platform::TheRecords();
    std::lock_guard lock(records.mutex);
    records.byDc.erase(hdc);
    if (auto dc = platform::FindPrinterDc(hdc))
        dc->calls.clear();
}

} // namespace host
