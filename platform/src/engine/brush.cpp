// brush.cpp - brush objects and BRUSHOBJ_pvAllocRbrush / BRUSHOBJ_pvGetRbrush / BRUSHOBJ_ulGetBrushColor.
#include "host/engine/brush.h"
#include "host/engine/devices.h"
#include "engine/registry.h"

#include <new>

namespace platform::engine {
namespace {

AddressRegistry<BrushObject>& Brushes()
{
    static auto* registry = new AddressRegistry<BrushObject>();
    return *registry;
}

} // namespace

std::unique_ptr<BrushObject> BrushObject::Solid(ULONG iSolidColor, COLORREF rgb)
{
    std::unique_ptr<BrushObject> brush(new BrushObject());
    brush->m_bo.iSolidColor = iSolidColor;
    brush->m_rgb = rgb & 0x00FFFFFF;
    Brushes().Add(&brush->m_bo, brush.get());
    return brush;
}

std::unique_ptr<BrushObject> BrushObject::Pattern(HSURF pattern, HSURF mask, std::unique_ptr<XlateObject> xlate,
                                                  SURFOBJ* target, ULONG iHatch)
{
    auto patternSurface = FindSurface(pattern);
    if (patternSurface == nullptr || patternSurface->so.iType != STYPE_BITMAP)
        return nullptr;
    std::unique_ptr<BrushObject> brush(new BrushObject());
    brush->m_bo.iSolidColor = 0xFFFFFFFF;
    brush->m_rgb = 0xFFFFFFFF;
    brush->m_pattern = std::move(patternSurface);
    brush->m_mask = FindSurface(mask);
    brush->m_xlate = std::move(xlate);
    brush->m_target = target;
    brush->m_hatch = iHatch;
    Brushes().Add(&brush->m_bo, brush.get());
    return brush;
}

BrushObject::~BrushObject()
{
    Brushes().Remove(&m_bo);
}

PVOID BrushObject::Allocate(ULONG cj)
{
    try {
        m_realization.assign(cj == 0 ? 1 : cj, 0);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
    return m_realization.data();
}

// GDI realizes a pattern once, on the first request, through the hook of the target surface's driver; the
// driver's BRUSHOBJ_pvAllocRbrush block becomes the brush's realization when the hook succeeds.
PVOID BrushObject::Realize()
{
    if (m_bo.pvRbrush != nullptr)
        return m_bo.pvRbrush;
    if (IsSolid() || m_target == nullptr)
        return nullptr;
    const auto realize = reinterpret_cast<PFN_DrvRealizeBrush>(FindHook(m_target->hdev, INDEX_DrvRealizeBrush));
    if (realize == nullptr)
        return nullptr;
    m_realization.clear();
    const BOOL realized =
        realize(&m_bo, m_target, &m_pattern->so, m_mask ? &m_mask->so : nullptr, PatternXlate(), m_hatch);
    if (!realized || m_realization.empty())
        return nullptr;
    m_bo.pvRbrush = m_realization.data();
    return m_bo.pvRbrush;
}

BrushObject* FindBrush(const BRUSHOBJ* pbo)
{
    return Brushes().Find(pbo);
}

} // namespace platform::engine

PVOID APIENTRY BRUSHOBJ_pvAllocRbrush(BRUSHOBJ* pbo, ULONG cj)
{
    auto* brush = platform::engine::FindBrush(pbo);
    if (brush == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    return brush->Allocate(cj);
}

PVOID APIENTRY BRUSHOBJ_pvGetRbrush(BRUSHOBJ* pbo)
{
    auto* brush = platform::engine::FindBrush(pbo);
    if (brush == nullptr)
        return pbo != nullptr ? pbo->pvRbrush : nullptr;
    return brush->Realize();
}

ULONG APIENTRY BRUSHOBJ_ulGetBrushColor(BRUSHOBJ* pbo)
{
    const auto* brush = platform::engine::FindBrush(pbo);
    if (brush == nullptr || !brush->IsSolid())
        return 0xFFFFFFFF;
    return brush->Rgb();
}
