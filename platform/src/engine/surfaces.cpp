// surfaces.cpp - engine bitmaps and device surfaces: creation, association with a device, banding, locks,
// deletion and erasing.
#include "host/engine/surfaces.h"
#include "common/handles.h"
#include "common/world_state.h"
#include "host/engine/devices.h"
#include "engine/pixels.h"
#include "engine/registry.h"

#include <algorithm>
#include <atomic>
#include <map>
#include <mutex>
#include <new>

namespace platform::engine {
namespace {

// A bitmap bigger than this is refused: the engine allocates it in one piece.
constexpr uint64_t kMaxBitmapBytes = 0x40000000;

HandleTable<Surface>& Surfaces()
{
    static auto* table = new HandleTable<Surface>(kEngineSurfaceHandleBase);
    return *table;
}

AddressRegistry<Surface>& SurfaceRecords()
{
    static auto* registry = new AddressRegistry<Surface>();
    return *registry;
}

// Surfaces a driver holds locked keep living until it unlocks them, even when deleted meanwhile.
struct Locks {
    std::mutex mutex;
    std::multimap<const SURFOBJ*, std::shared_ptr<Surface>> held;
};

Locks& TheLocks()
{
    static auto* locks = new Locks();
    return *locks;
}

ULONG NextUniq()
{
    static std::atomic<ULONG> counter{0};
    return ++counter;
}

const bool kForgetsSurfacesWithTheWorld = (OnWorldReset([] {
    {
        std::lock_guard lock(TheLocks().mutex);
        TheLocks().held.clear();
    }
    Surfaces().Clear();
}), true);

HSURF AddSurface(std::shared_ptr<Surface> surface)
{
    const HSURF hsurf = Surfaces().Add<HSURF>(surface);
    surface->so.hsurf = hsurf;
    return hsurf;
}

} // namespace

Surface::Surface()
{
    SurfaceRecords().Add(&so, this);
}

Surface::~Surface()
{
    SurfaceRecords().Remove(&so);
}

std::shared_ptr<Surface> FindSurface(HSURF hsurf)
{
    return Surfaces().Find(hsurf);
}

Surface* SurfaceOf(const SURFOBJ* pso)
{
    return SurfaceRecords().Find(pso);
}

} // namespace platform::engine

using platform::engine::Surface;

HBITMAP APIENTRY EngCreateBitmap(SIZEL sizl, LONG lWidth, ULONG iFormat, FLONG fl, PVOID pvBits)
{
    const ULONG bits = platform::engine::BitsPerPixel(iFormat);
    if (bits == 0 || sizl.cx <= 0 || sizl.cy <= 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    const uint64_t rowBytes = (static_cast<uint64_t>(sizl.cx) * bits + 7) / 8;
    uint64_t stride = lWidth < 0 ? static_cast<uint64_t>(-static_cast<int64_t>(lWidth)) : lWidth;
    if (stride < rowBytes) {
        // The caller's bits must hold a whole line; for bits of our own we take the aligned width instead.
        if (pvBits != nullptr) {
            SetLastError(ERROR_INVALID_PARAMETER);
            return nullptr;
        }
        stride = (rowBytes + 3) & ~uint64_t{3};
    }
    const uint64_t total = stride * static_cast<uint64_t>(sizl.cy);
    if (total > platform::engine::kMaxBitmapBytes) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return nullptr;
    }

    auto surface = std::make_shared<Surface>();
    BYTE* base = static_cast<BYTE*>(pvBits);
    if (base == nullptr) {
        try {
            surface->ownedBits.assign(static_cast<size_t>(total), 0);   // zeroed even for BMF_NOZEROINIT
        } catch (const std::bad_alloc&) {
            SetLastError(ERROR_NOT_ENOUGH_MEMORY);
            return nullptr;
        }
        base = surface->ownedBits.data();
    }
    SURFOBJ& so = surface->so;
    so.sizlBitmap = sizl;
    so.cjBits = static_cast<ULONG>(total);
    so.pvBits = base;
    const bool topDown = (fl & BMF_TOPDOWN) != 0;
    so.pvScan0 = topDown ? base : base + stride * (sizl.cy - 1);
    so.lDelta = topDown ? static_cast<LONG>(stride) : -static_cast<LONG>(stride);
    so.iUniq = platform::engine::NextUniq();
    so.iBitmapFormat = iFormat;
    so.iType = STYPE_BITMAP;
    so.fjBitmap = static_cast<USHORT>(topDown ? BMF_TOPDOWN : 0);
    return reinterpret_cast<HBITMAP>(platform::engine::AddSurface(std::move(surface)));
}

HSURF APIENTRY EngCreateDeviceSurface(DHSURF dhsurf, SIZEL sizl, ULONG iFormatCompat)
{
    if (sizl.cx <= 0 || sizl.cy <= 0 || platform::engine::BitsPerPixel(iFormatCompat) == 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    auto surface = std::make_shared<Surface>();
    SURFOBJ& so = surface->so;
    so.dhsurf = dhsurf;
    so.sizlBitmap = sizl;
    so.iUniq = platform::engine::NextUniq();
    so.iBitmapFormat = iFormatCompat;
    so.iType = STYPE_DEVICE;
    return platform::engine::AddSurface(std::move(surface));
}

BOOL APIENTRY EngAssociateSurface(HSURF hsurf, HDEV hdev, FLONG flHooks)
{
    const auto surface = platform::engine::FindSurface(hsurf);
    const auto device = platform::engine::FindDevice(hdev);
    if (surface == nullptr || device == nullptr) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    surface->so.hdev = hdev;
    surface->so.dhpdev = device->dhpdev;
    surface->hooks = flHooks & HOOK_FLAGS;
    return TRUE;
}

BOOL APIENTRY EngMarkBandingSurface(HSURF hsurf)
{
    const auto surface = platform::engine::FindSurface(hsurf);
    if (surface == nullptr) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    surface->banding = true;
    return TRUE;
}

SURFOBJ* APIENTRY EngLockSurface(HSURF hsurf)
{
    auto surface = platform::engine::FindSurface(hsurf);
    if (surface == nullptr)
        return nullptr;
    auto& locks = platform::engine::TheLocks();
    std::lock_guard lock(locks.mutex);
    SURFOBJ* pso = &surface->so;
    locks.held.emplace(pso, std::move(surface));
    return pso;
}

VOID APIENTRY EngUnlockSurface(SURFOBJ* pso)
{
    std::shared_ptr<Surface> released;   // destroyed after the lock is let go
    auto& locks = platform::engine::TheLocks();
    std::lock_guard lock(locks.mutex);
    const auto it = locks.held.find(pso);
    if (it == locks.held.end())
        return;
    released = std::move(it->second);
    locks.held.erase(it);
}

BOOL APIENTRY EngDeleteSurface(HSURF hsurf)
{
    if (platform::engine::FindSurface(hsurf) == nullptr) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    platform::engine::Surfaces().Remove(hsurf);
    return TRUE;
}

BOOL APIENTRY EngEraseSurface(SURFOBJ* pso, RECTL* prcl, ULONG iColor)
{
    const platform::engine::PixelAccess pixels(platform::engine::SurfaceOf(pso) != nullptr ? pso : nullptr);
    if (prcl == nullptr || !pixels.Valid()) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    const LONG left = std::max(prcl->left, 0L);
    const LONG top = std::max(prcl->top, 0L);
    const LONG right = std::min(prcl->right, pixels.Width());
    const LONG bottom = std::min(prcl->bottom, pixels.Height());
    const ULONG value = iColor & platform::engine::PixelValueMask(pixels.Format());
    for (LONG y = top; y < bottom; ++y)
        for (LONG x = left; x < right; ++x)
            pixels.Set(x, y, value);
    return TRUE;
}
