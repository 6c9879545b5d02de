// selection.cpp - SelectObject and GetCurrentObject, and the bookkeeping of selected objects.
#include "gdi/selection.h"

#include <utility>

namespace platform {
namespace {

GdiBitmap* BitmapOf(const Selection& selection)
{
    return selection.object != nullptr && selection.object->kind == GdiObjectKind::Bitmap
               ? static_cast<GdiBitmap*>(selection.object.get())
               : nullptr;
}

// The stock default bitmap may sit in any number of DCs at once; every other bitmap in one at most.
void MarkSelected(const Selection& selection, HDC hdc)
{
    if (GdiBitmap* bitmap = BitmapOf(selection); bitmap != nullptr && !bitmap->stock)
        bitmap->selectedInto = hdc;
}

// The selection replaced: its object goes now when its deletion was waiting for this.
HGDIOBJ Replace(Selection& slot, Selection next)
{
    const Selection old = std::exchange(slot, std::move(next));
    if (old.handle != slot.handle)
        FinishPendingDeletion(old.handle);
    return old.handle;
}

HGDIOBJ SelectBitmap(DeviceContext& dc, HGDIOBJ handle, const std::shared_ptr<GdiObject>& object)
{
    auto* bitmap = static_cast<GdiBitmap*>(object.get());
    // Only a memory DC draws into a bitmap, and a bitmap is drawn into by one DC at a time.
    if (dc.kind != DcKind::Memory || (bitmap->selectedInto != nullptr && bitmap->selectedInto != dc.hdc)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    MarkSelected(dc.attrs.bitmap, nullptr);
    MarkSelected({handle, object}, dc.hdc);
    return Replace(dc.attrs.bitmap, {handle, object});
}

} // namespace

void ReplaceAttributes(DeviceContext& dc, DcAttributes attrs)
{
    // A saved bitmap that another DC has taken meanwhile stays there; this DC keeps its current one.
    const GdiBitmap* saved = BitmapOf(attrs.bitmap);
    if (saved != nullptr && saved->selectedInto != nullptr && saved->selectedInto != dc.hdc)
        attrs.bitmap = dc.attrs.bitmap;
    MarkSelected(dc.attrs.bitmap, nullptr);
    MarkSelected(attrs.bitmap, dc.hdc);
    DcAttributes old = std::exchange(dc.attrs, std::move(attrs));
    for (const Selection* selection : {&old.pen, &old.brush, &old.bitmap, &old.font})
        FinishPendingDeletion(selection->handle);
}

void ReleaseSelections(DeviceContext& dc)
{
    MarkSelected(dc.attrs.bitmap, nullptr);
    for (const Selection* selection : {&dc.attrs.pen, &dc.attrs.brush, &dc.attrs.bitmap, &dc.attrs.font})
        FinishPendingDeletion(selection->handle);
}

} // namespace platform

HGDIOBJ WINAPI SelectObject(HDC hdc, HGDIOBJ h)
{
    const auto dc = platform::DcOrFail(hdc);
    if (dc == nullptr)
        return nullptr;
    const auto object = platform::FindGdiObject(h);
    if (object == nullptr) {
        SetLastError(ERROR_INVALID_HANDLE);
        return nullptr;
    }
    switch (object->kind) {
    case platform::GdiObjectKind::Pen:
        return platform::Replace(dc->attrs.pen, {h, object});
    case platform::GdiObjectKind::Brush:
        return platform::Replace(dc->attrs.brush, {h, object});
    case platform::GdiObjectKind::Bitmap:
        return platform::SelectBitmap(*dc, h, object);
    case platform::GdiObjectKind::Font:
        return platform::Replace(dc->attrs.font, {h, object});
    case platform::GdiObjectKind::Region: {
        // A region is copied in as the clip region; the answer is its complexity, not a handle.
        const int complexity = SelectClipRgn(hdc, reinterpret_cast<HRGN>(h));
        return complexity == ERROR ? HGDI_ERROR : reinterpret_cast<HGDIOBJ>(static_cast<ULONG_PTR>(complexity));
    }
    }
    return nullptr;
}

HGDIOBJ WINAPI GetCurrentObject(HDC hdc, UINT type)
{
    const auto dc = platform::DcOrFail(hdc);
    if (dc == nullptr)
        return nullptr;
    switch (type) {
    case OBJ_PEN:
    case OBJ_EXTPEN:
        return dc->attrs.pen.handle;
    case OBJ_BRUSH:
        return dc->attrs.brush.handle;
    case OBJ_BITMAP:
        return dc->attrs.bitmap.handle;
    case OBJ_FONT:
        return dc->attrs.font.handle;
    default:   // palettes are not part of this GDI yet
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
}
