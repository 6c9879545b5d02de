// drawing.cpp - where a drawing goes: a memory DC's bitmap, a printer's surface, or a banded page's journal.
#include "gdi/drawing.h"
#include "gdi/bitmaps.h"
#include "gdi/ddi_output.h"
#include "gdi/memory_dc.h"
#include "gdi/printer_dc.h"

namespace platform {
namespace {

DrawTarget MemoryTarget(const MemoryDc& dc)
{
    const GdiBitmap& bitmap = dc.Bitmap();
    DrawTarget target;
    target.so = bitmap.so();
    target.palette = bitmap.Palette();
    target.extent = dc.Extent();
    target.monochromeDdb = bitmap.IsMonochromeDdb();
    return target;
}

DrawTarget PrinterTarget(PrinterDc& dc, POINTL bandOrigin)
{
    DrawTarget target;
    target.so = &dc.surface->so;
    target.hooks = dc.surface->hooks;
    target.driver = &dc.graphics->hooks;
    target.gcaps = dc.devInfo.flGraphicsCaps;
    // A driver without a default palette draws in plain RGB values.
    if (const auto palette = engine::FindPalette(dc.devInfo.hpalDefault))
        target.palette = *palette;
    target.origin = bandOrigin;
    target.extent = dc.Extent();
    target.record = [&dc](const char* call) { RecordCall(dc, call); };
    return target;
}

} // namespace

BOOL SubmitDrawing(DeviceContext& dc, Drawing drawing)
{
    if (dc.kind == DcKind::Memory)
        return Draw(drawing, MemoryTarget(static_cast<const MemoryDc&>(dc)));
    auto& printer = static_cast<PrinterDc&>(dc);
    // A printer draws only on a page: its surface is the page's from DrvStartPage to DrvSendPage.
    if (printer.state != DocState::Page || printer.surface == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    if (!printer.surface->banding)
        return Draw(drawing, PrinterTarget(printer, {0, 0}));
    // The page is drawn band by band when it ends; the source of a blit is kept as it is now.
    if (auto* blit = std::get_if<BlitDrawing>(&drawing.what); blit != nullptr && blit->bitmap != nullptr) {
        blit->bitmap = CopyBitmap(*blit->bitmap);
        if (blit->bitmap == nullptr)
            return FALSE;
    }
    printer.journal.push_back(std::move(drawing));
    return TRUE;
}

bool PlayJournal(PrinterDc& dc, POINTL bandOrigin)
{
    const DrawTarget target = PrinterTarget(dc, bandOrigin);
    bool drawn = true;
    for (const Drawing& drawing : dc.journal)
        drawn = Draw(drawing, target) && drawn;   // one failed drawing does not keep the others off the band
    return drawn;
}

} // namespace platform
