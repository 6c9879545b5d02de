#pragma once
// printer_dc.h - a printer device context: the printer it was opened on, the graphics module driving it
// (hook table, PDEV, surface) and the interface module whose document events surround GDI's work. Also the
// record of the DDI calls and document events each device context made, for the host to inspect.

#include <memory>
#include <string>
#include <vector>
#include "host/engine/devices.h"
#include "host/engine/surfaces.h"
#include "gdi/device_context.h"
#include "gdi/drawing.h"
#include "gdi/driver_time.h"
#include "gdi/driver_modules.h"
#include "win/winddi.h"
#include "win/winddiui.h"

namespace platform {

enum class DocState { None, Document, Page };

struct PrinterDc final : DeviceContext {
    PrinterDc() : DeviceContext(DcKind::Printer) {}
    // The page: GDIINFO's resolution (or the surface's size where the driver gave none).
    RECTL Extent() const override;

    HANDLE hPrinter = nullptr;
    std::u16string deviceName;
    std::shared_ptr<GraphicsModule> graphics;
    HMODULE interfaceModule = nullptr;
    PFN_DrvDocumentEvent documentEvent = nullptr;
    std::vector<BYTE> devmode;                 // the devmode the PDEV was enabled with
    HDEV hdev = nullptr;
    std::shared_ptr<engine::Device> device;
    DHPDEV dhpdev = nullptr;
    GDIINFO gdiInfo = {};
    DEVINFO devInfo = {};
    std::shared_ptr<engine::Surface> surface;
    DocState state = DocState::None;
    DWORD jobId = 0;
    std::vector<std::string> calls;            // what this device context called, in order
    std::vector<Drawing> journal;              // a banded page's drawing, played into each band at its end
};

// The printer DC behind hdc; null for an unknown handle or another kind of device context.
std::shared_ptr<PrinterDc> FindPrinterDc(HDC hdc);
HDC AddPrinterDc(std::shared_ptr<PrinterDc> dc);
void RemovePrinterDc(HDC hdc);

// Notes a call in the device context's record (kept after DeleteDC for the host's inspection).
void RecordCall(PrinterDc& dc, std::string name);
// The record of a CreateDCW that failed: what it called before failing.
void KeepFailedCreationRecord(const std::vector<std::string>& calls);

// The hook of that index, or null when the driver has none; its calls count as the graphics module's time.
template <typename Fn>
TimedHook<Fn> Hook(const PrinterDc& dc, ULONG index)
{
    return TimedHook<Fn>(reinterpret_cast<Fn>(dc.graphics->hooks[index]));
}

// Sends a document event to the interface module (recorded by its name); DOCUMENTEVENT_UNSUPPORTED when the
// module has no DrvDocumentEvent.
int SendDocumentEvent(PrinterDc& dc, HDC hdc, int iEsc, ULONG cbIn, PVOID pvIn, ULONG cbOut, PVOID pvOut);

// The PDEV side of a device context: DrvEnablePDEV with the devmode, DrvCompletePDEV, and the device (HDEV)
// the engine finds the hooks through. False (with nothing left enabled) when the driver refuses.
bool EnablePdev(PrinterDc& dc, const std::vector<BYTE>& devmode, std::shared_ptr<engine::Device>& device,
                HDEV& hdev, DHPDEV& dhpdev, GDIINFO& gdiInfo, DEVINFO& devInfo);

// DrvEnableSurface of the device context's PDEV; false when the driver gives no engine surface.
bool EnableSurface(PrinterDc& dc);

// DrvDisableSurface and DrvDisablePDEV of the device context's PDEV, and its device.
void DisablePdev(PrinterDc& dc);

// A copy of a caller's devmode: dmSize + dmDriverExtra bytes; empty for null or a devmode too short to be one.
std::vector<BYTE> CopyDevmode(const DEVMODEW* pdm);

// Ends the open page as EndPage does; false when the driver failed it.
bool FinishPage(PrinterDc& dc);

// Ends the open document as AbortDoc does.
void AbortDocument(PrinterDc& dc);

} // namespace platform
