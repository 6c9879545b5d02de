// objects.cpp - the GDI object table, DeleteObject and GetObjectW.
#include "gdi/objects.h"
#include "common/handles.h"
#include "common/world_state.h"

#include <algorithm>
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

// GetObjectW's answer for a bitmap: its sizes and format only, as for every bitmap that is not a DIB section.
int DescribeBitmap(const GdiBitmap& bitmap, int c, LPVOID pv)
{
    if (pv == nullptr)
        return static_cast<int>(sizeof(BITMAP));
    if (c < static_cast<int>(sizeof(BITMAP)) || reinterpret_cast<uintptr_t>(pv) % 4 != 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    BITMAP record = {};
    record.bmType = 0;
    record.bmWidth = bitmap.width;
    record.bmHeight = bitmap.height;
    record.bmWidthBytes = bitmap.widthBytes;
    record.bmPlanes = 1;
    record.bmBitsPixel = bitmap.bitsPerPixel;
    record.bmBits = nullptr;
    std::memcpy(pv, &record, sizeof record);
    return static_cast<int>(sizeof record);
}

} // namespace

HGDIOBJ AddGdiObject(std::shared_ptr<GdiObject> object)
{
    return TheObjects().Add<HGDIOBJ>(std::move(object));
}

std::shared_ptr<GdiObject> FindGdiObject(HGDIOBJ handle)
{
    return TheObjects().Find(handle);
}

HBITMAP CreateBitmapObject(LONG width, LONG height, WORD bitsPerPixel, const BYTE* rows, size_t sourceStride,
                           const DWORD* colorTable, UINT colorCount)
{
    auto bitmap = std::make_shared<GdiBitmap>();
    bitmap->width = width;
    bitmap->height = height;
    bitmap->bitsPerPixel = bitsPerPixel;
    bitmap->widthBytes = static_cast<LONG>((static_cast<size_t>(width) * bitsPerPixel + 15) / 16 * 2);
    bitmap->colorTable.assign(colorTable, colorTable + (colorTable != nullptr ? colorCount : 0));
    bitmap->bits.resize(static_cast<size_t>(bitmap->widthBytes) * static_cast<size_t>(height));
    const size_t rowBytes = std::min(static_cast<size_t>(bitmap->widthBytes), sourceStride);
    for (LONG y = 0; y < height; ++y)
        std::memcpy(&bitmap->bits[static_cast<size_t>(y) * bitmap->widthBytes], rows + y * sourceStride, rowBytes);
    return reinterpret_cast<HBITMAP>(AddGdiObject(std::move(bitmap)));
}

} // namespace platform

BOOL WINAPI DeleteObject(HGDIOBJ ho)
{
    if (platform::TheObjects().Remove(ho) == nullptr) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
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
    }
    SetLastError(ERROR_INVALID_HANDLE);
    return 0;
}
