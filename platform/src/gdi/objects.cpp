// objects.cpp - the GDI object table, DeleteObject and GetObjectW.
#include "gdi/objects.h"
#include "common/handles.h"
#include "common/world_state.h"
#include "gdi/bitmaps.h"
#include "gdi/device_context.h"
#include "gdi/font_realizations.h"

#include <cstring>

namespace platform {
namespace {

HandleTable<GdiObject>& TheObjects()
{
    static auto* objects = new HandleTable<GdiObject>(kGdiHandleBase);   // never destroyed, like every service
    return *objects;
}

// Objects belong to the process that made them; a new world is a new process.
const bool kForgetsObjectsWithTheWorld = (OnWorldReset([] { TheObjects().Clear(); }), true);

// Copies a record of size bytes to pv for GetObjectW: the size needed when pv is null; 0 with
// ERROR_INVALID_PARAMETER when c is too small or pv is not aligned for the record.
int AnswerRecord(const void* record, int size, int c, LPVOID pv)
{
    if (pv == nullptr)
        return size;
    if (c < size || reinterpret_cast<uintptr_t>(pv) % 4 != 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    std::memcpy(pv, record, static_cast<size_t>(size));
    return size;
}

// A bitmap answers its sizes and format; a DIB section also its bits, and its whole DIBSECTION when the
// buffer holds one.
int DescribeBitmap(const GdiBitmap& bitmap, int c, LPVOID pv)
{
    DIBSECTION record = {};
    record.dsBm.bmType = 0;
    record.dsBm.bmWidth = bitmap.width;
    record.dsBm.bmHeight = bitmap.height;
    record.dsBm.bmWidthBytes = bitmap.widthBytes;
    record.dsBm.bmPlanes = 1;
    record.dsBm.bmBitsPixel = bitmap.bitsPerPixel;
    record.dsBm.bmBits = bitmap.isDib ? bitmap.so()->pvBits : nullptr;
    if (!bitmap.isDib)
        return AnswerRecord(&record.dsBm, sizeof(BITMAP), c, pv);
    record.dsBmih = bitmap.dibHeader;
    std::memcpy(record.dsBitfields, bitmap.masks, sizeof record.dsBitfields);
    if (pv == nullptr || c >= static_cast<int>(sizeof(DIBSECTION)))
        return AnswerRecord(&record, sizeof(DIBSECTION), c, pv);
    return AnswerRecord(&record.dsBm, sizeof(BITMAP), c, pv);
}

// A pen made by CreatePen answers a LOGPEN; one made by ExtCreatePen an EXTLOGPEN with its style entries.
int DescribePen(const GdiPen& pen, int c, LPVOID pv)
{
    if (!pen.extended) {
        const LOGPEN record = {pen.style, {static_cast<LONG>(pen.width), 0}, pen.brush.color};
        return AnswerRecord(&record, sizeof record, c, pv);
    }
    const size_t entries = pen.userStyle.size();
    std::vector<BYTE> record(offsetof(EXTLOGPEN, elpStyleEntry) + entries * sizeof(DWORD) +
                             (entries == 0 ? sizeof(DWORD) : 0));
    EXTLOGPEN head = {};
    head.elpPenStyle = pen.style;
    head.elpWidth = pen.width;
    head.elpBrushStyle = pen.brush.style;
    head.elpColor = pen.brush.color;
    head.elpHatch = pen.hatchGiven;
    head.elpNumEntries = static_cast<DWORD>(entries);
    std::memcpy(record.data(), &head, offsetof(EXTLOGPEN, elpStyleEntry));
    if (entries != 0)
        std::memcpy(record.data() + offsetof(EXTLOGPEN, elpStyleEntry), pen.userStyle.data(),
                    entries * sizeof(DWORD));
    const int size = static_cast<int>(offsetof(EXTLOGPEN, elpStyleEntry) + entries * sizeof(DWORD));
    return AnswerRecord(record.data(), size, c, pv);
}

} // namespace

GdiBitmap::~GdiBitmap()
{
    // Only the surface this bitmap made: after a new world the handle may name another surface.
    if (hsurf != nullptr && engine::FindSurface(hsurf) == surface)
        EngDeleteSurface(hsurf);
}

engine::Palette GdiBitmap::Palette() const
{
    engine::Palette palette;
    if (bitsPerPixel <= 8) {
        palette.iMode = PAL_INDEXED;
        for (const DWORD entry : colorTable)
            palette.entries.push_back(SwapRedBlue(entry));
        return palette;
    }
    if (masks[0] != 0 || bitsPerPixel == 16) {
        const bool defaults = masks[0] == 0;
        palette.iMode = PAL_BITFIELDS;
        palette.masks[0] = defaults ? 0x7C00 : masks[0];
        palette.masks[1] = defaults ? 0x03E0 : masks[1];
        palette.masks[2] = defaults ? 0x001F : masks[2];
        return palette;
    }
    palette.iMode = PAL_BGR;
    return palette;
}

HGDIOBJ AddGdiObject(std::shared_ptr<GdiObject> object)
{
    return TheObjects().Add<HGDIOBJ>(std::move(object));
}

std::shared_ptr<GdiObject> FindGdiObject(HGDIOBJ handle)
{
    return TheObjects().Find(handle);
}

// Takes the object out of the table; a font's realizations go with it.
static void RemoveObject(HGDIOBJ handle, const GdiObject& object)
{
    TheObjects().Remove(handle);
    if (object.kind == GdiObjectKind::Font)
        ForgetRealizationsOf(&object);
}

void FinishPendingDeletion(HGDIOBJ handle)
{
    const auto object = FindGdiObject(handle);
    if (object != nullptr && object->deletePending && !IsSelectedAnywhere(object.get()))
        RemoveObject(handle, *object);
}

} // namespace platform

BOOL WINAPI DeleteObject(HGDIOBJ ho)
{
    const auto object = platform::FindGdiObject(ho);
    if (object == nullptr) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    if (object->stock)
        return TRUE;   // deleting a stock object is allowed and does nothing
    // A selected object answers FALSE and stays usable by the device contexts that hold it; it goes when the
    // last of them deselects it.
    if (platform::IsSelectedAnywhere(object.get())) {
        object->deletePending = true;
        return FALSE;
    }
    platform::RemoveObject(ho, *object);
    return TRUE;
}

int WINAPI GetObjectW(HANDLE h, int c, LPVOID pv)
{
    const auto object = platform::FindGdiObject(h);
    if (object == nullptr) {
        SetLastError(ERROR_INVALID_HANDLE);
        return 0;
    }
    switch (object->kind) {
    case platform::GdiObjectKind::Bitmap:
        return platform::DescribeBitmap(static_cast<const platform::GdiBitmap&>(*object), c, pv);
    case platform::GdiObjectKind::Pen:
        return platform::DescribePen(static_cast<const platform::GdiPen&>(*object), c, pv);
    case platform::GdiObjectKind::Brush: {
        const LOGBRUSH record = static_cast<const platform::GdiBrush&>(*object).described;
        return platform::AnswerRecord(&record, sizeof record, c, pv);
    }
    case platform::GdiObjectKind::Region:
        break;   // a region has no record to answer
    case platform::GdiObjectKind::Font: {
        const LOGFONTW record = static_cast<const platform::GdiFont&>(*object).logFont;
        return platform::AnswerRecord(&record, sizeof record, c, pv);
    }
    }
    SetLastError(ERROR_INVALID_HANDLE);
    return 0;
}
