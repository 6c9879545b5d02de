#pragma once
// clip.h - CLIPOBJ: the region a drawing call may touch, kept as GDI keeps a region: rectangles in bands from
// top to bottom, each band's rectangles from left to right, none overlapping.

#include <memory>
#include <vector>
#include "win/winddi.h"

namespace platform::engine {

class ClipObject {
public:
    // No clipping beyond the drawing call's own extent (DC_TRIVIAL); bounds is that extent.
    static std::unique_ptr<ClipObject> Trivial(const RECTL& bounds);

    // The union of rects (empty ones ignored): DC_RECT for one rectangle (or none, with empty bounds),
    // DC_COMPLEX for more.
    static std::unique_ptr<ClipObject> FromRectangles(const std::vector<RECTL>& rects);

    // A drawing that meets more than one rectangle of a region, as GDI hands it over: DC_COMPLEX, rclBounds the
    // part of the region the drawing meets, the whole region enumerated, and an iUniq that is the same for
    // every clip object of an equal region, so that a driver may keep the region it was sent.
    static std::unique_ptr<ClipObject> OfRegion(const std::vector<RECTL>& region, const RECTL& bounds);

    ~ClipObject();
    ClipObject(const ClipObject&) = delete;
    ClipObject& operator=(const ClipObject&) = delete;

    CLIPOBJ* get() { return &m_co; }
    const std::vector<RECTL>& Rectangles() const { return m_rects; }

    ULONG StartEnumeration(BOOL bAll, ULONG iDirection, ULONG cLimit);
    BOOL Enumerate(ULONG cj, ULONG* pul);

private:
    ClipObject() = default;
    void Register();

    CLIPOBJ m_co = {};
    std::vector<RECTL> m_rects;        // canonical order: top-down bands, left to right
    std::vector<RECTL> m_enumeration;  // what the current enumeration hands out, in its order
    size_t m_next = 0;
};

ClipObject* FindClip(const CLIPOBJ* pco);

// The rectangles inside target that pco lets a drawing call touch (empty when none). A null or trivial clip
// is target itself. False for a clip record the engine did not make and cannot read (a complex one).
bool VisibleRectangles(const CLIPOBJ* pco, const RECTL& target, std::vector<RECTL>& out);

} // namespace platform::engine
