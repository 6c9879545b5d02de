#pragma once
// brush.h - BRUSHOBJ: a solid colour, or a pattern bitmap that the driver may realize into a form of its own
// (DrvRealizeBrush) when it first asks for it.

#include <memory>
#include <vector>
#include "host/engine/surfaces.h"
#include "host/engine/xlate.h"

namespace platform::engine {

class BrushObject {
public:
    // iSolidColor is the colour as a value of the target surface, rgb the colour the application chose.
    static std::unique_ptr<BrushObject> Solid(ULONG iSolidColor, COLORREF rgb);

    // A pattern: its bitmap, an optional mask, the translation of the pattern's values into the target's
    // (null: none needed), the surface it is drawn on (whose driver realizes it) and the hatch index
    // (HS_DDI_MAX or more for a bitmap pattern). Null when the pattern is not an engine bitmap.
    static std::unique_ptr<BrushObject> Pattern(HSURF pattern, HSURF mask, std::unique_ptr<XlateObject> xlate,
                                                SURFOBJ* target, ULONG iHatch);

    ~BrushObject();
    BrushObject(const BrushObject&) = delete;
    BrushObject& operator=(const BrushObject&) = delete;

    BRUSHOBJ* get() { return &m_bo; }
    COLORREF Rgb() const { return m_rgb; }
    bool IsSolid() const { return m_pattern == nullptr; }
    SURFOBJ* PatternSurface() const { return m_pattern ? &m_pattern->so : nullptr; }
    XLATEOBJ* PatternXlate() const { return m_xlate ? m_xlate->get() : nullptr; }

    PVOID Allocate(ULONG cj);
    PVOID Realize();

private:
    BrushObject() = default;

    BRUSHOBJ m_bo = {};
    COLORREF m_rgb = 0;
    std::shared_ptr<Surface> m_pattern;
    std::shared_ptr<Surface> m_mask;
    std::unique_ptr<XlateObject> m_xlate;
    SURFOBJ* m_target = nullptr;
    ULONG m_hatch = 0;
    std::vector<BYTE> m_realization;   // what BRUSHOBJ_pvAllocRbrush handed out
};

BrushObject* FindBrush(const BRUSHOBJ* pbo);

} // namespace platform::engine
