// clip.cpp - clip objects: canonical regions from rectangle lists, and their enumeration by a driver.
#include "engine/clip.h"
#include "engine/path.h"
#include "engine/registry.h"

#include <algorithm>
#include <atomic>

namespace platform::engine {
namespace {

AddressRegistry<ClipObject>& Clips()
{
    static auto* registry = new AddressRegistry<ClipObject>();
    return *registry;
}

bool IsEmpty(const RECTL& r)
{
    return r.right <= r.left || r.bottom <= r.top;
}

RECTL Intersect(const RECTL& a, const RECTL& b)
{
    return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
            std::min(a.bottom, b.bottom)};
}

// The union of rects as non-overlapping rectangles: the plane is cut into bands at every top and bottom,
// each band's covered spans are merged, and a band equal to the one above it is joined to it.
std::vector<RECTL> Normalise(const std::vector<RECTL>& rects)
{
    std::vector<LONG> edges;
    for (const RECTL& r : rects) {
        if (IsEmpty(r))
            continue;
        edges.push_back(r.top);
        edges.push_back(r.bottom);
    }
    std::sort(edges.begin(), edges.end());
    edges.erase(std::unique(edges.begin(), edges.end()), edges.end());

    std::vector<RECTL> out;
    std::vector<std::pair<LONG, LONG>> previous;
    size_t previousStart = 0;
    for (size_t band = 0; band + 1 < edges.size(); ++band) {
        const LONG top = edges[band];
        const LONG bottom = edges[band + 1];
        std::vector<std::pair<LONG, LONG>> spans;
        for (const RECTL& r : rects)
            if (!IsEmpty(r) && r.top <= top && r.bottom >= bottom)
                spans.emplace_back(r.left, r.right);
        std::sort(spans.begin(), spans.end());
        std::vector<std::pair<LONG, LONG>> merged;
        for (const auto& span : spans) {
            if (!merged.empty() && span.first <= merged.back().second)
                merged.back().second = std::max(merged.back().second, span.second);
            else
                merged.push_back(span);
        }
        const bool continuesAbove = !out.empty() && !merged.empty() && merged == previous &&
                                    out.back().bottom == top;
        if (continuesAbove) {
            for (size_t i = previousStart; i < out.size(); ++i)
                out[i].bottom = bottom;
            continue;
        }
        previousStart = out.size();
        for (const auto& span : merged)
            out.push_back({span.first, top, span.second, bottom});
        previous = merged;
    }
    return out;
}

ULONG NextUniq()
{
    static std::atomic<ULONG> counter{0};
    return ++counter;
}

} // namespace

std::unique_ptr<ClipObject> ClipObject::Trivial(const RECTL& bounds)
{
    std::unique_ptr<ClipObject> clip(new ClipObject());
    clip->m_co.rclBounds = bounds;
    clip->m_co.iDComplexity = DC_TRIVIAL;
    clip->m_co.iFComplexity = FC_RECT;
    if (!IsEmpty(bounds))
        clip->m_rects.push_back(bounds);
    clip->Register();
    return clip;
}

std::unique_ptr<ClipObject> ClipObject::FromRectangles(const std::vector<RECTL>& rects)
{
    std::unique_ptr<ClipObject> clip(new ClipObject());
    clip->m_rects = Normalise(rects);
    RECTL bounds = {0, 0, 0, 0};
    for (size_t i = 0; i < clip->m_rects.size(); ++i) {
        const RECTL& r = clip->m_rects[i];
        bounds = i == 0 ? r
                        : RECTL{std::min(bounds.left, r.left), std::min(bounds.top, r.top),
                                std::max(bounds.right, r.right), std::max(bounds.bottom, r.bottom)};
    }
    const size_t n = clip->m_rects.size();
    clip->m_co.rclBounds = bounds;
    clip->m_co.iDComplexity = n > 1 ? DC_COMPLEX : DC_RECT;
    clip->m_co.iFComplexity = n <= 1 ? FC_RECT : (n <= 4 ? FC_RECT4 : FC_COMPLEX);
    clip->Register();
    return clip;
}

void ClipObject::Register()
{
    m_co.iUniq = NextUniq();
    m_co.iMode = TC_RECTANGLES;
    StartEnumeration(TRUE, CD_ANY, 0);
    Clips().Add(&m_co, this);
}

ClipObject::~ClipObject()
{
    Clips().Remove(&m_co);
}

ULONG ClipObject::StartEnumeration(BOOL bAll, ULONG iDirection, ULONG cLimit)
{
    m_enumeration.clear();
    for (const RECTL& r : m_rects) {
        const RECTL part = bAll ? r : Intersect(r, m_co.rclBounds);
        if (!IsEmpty(part))
            m_enumeration.push_back(part);
    }
    // Canonical order is left to right, top down; the other directions reverse the bands, the spans, or both.
    const bool upward = iDirection == CD_RIGHTUP || iDirection == CD_LEFTUP;
    const bool leftward = iDirection == CD_LEFTDOWN || iDirection == CD_LEFTUP;
    std::stable_sort(m_enumeration.begin(), m_enumeration.end(), [&](const RECTL& a, const RECTL& b) {
        if (a.top != b.top)
            return upward ? a.top > b.top : a.top < b.top;
        return leftward ? a.left > b.left : a.left < b.left;
    });
    m_next = 0;
    const ULONG count = static_cast<ULONG>(m_enumeration.size());
    return (cLimit == 0 || count > cLimit) ? 0xFFFFFFFF : count;
}

BOOL ClipObject::Enumerate(ULONG cj, ULONG* pul)
{
    auto* out = reinterpret_cast<ENUMRECTS*>(pul);
    const ULONG room = static_cast<ULONG>((cj - sizeof(ULONG)) / sizeof(RECTL));
    ULONG written = 0;
    while (written < room && m_next < m_enumeration.size())
        out->arcl[written++] = m_enumeration[m_next++];
    out->c = written;
    return m_next < m_enumeration.size();
}

ClipObject* FindClip(const CLIPOBJ* pco)
{
    return Clips().Find(pco);
}

bool VisibleRectangles(const CLIPOBJ* pco, const RECTL& target, std::vector<RECTL>& out)
{
    out.clear();
    if (pco == nullptr || pco->iDComplexity == DC_TRIVIAL) {
        if (!IsEmpty(target))
            out.push_back(target);
        return true;
    }
    if (const ClipObject* clip = FindClip(pco)) {
        for (const RECTL& r : clip->Rectangles()) {
            const RECTL part = Intersect(r, target);
            if (!IsEmpty(part))
                out.push_back(part);
        }
        return true;
    }
    if (pco->iDComplexity == DC_RECT) {
        const RECTL part = Intersect(pco->rclBounds, target);
        if (!IsEmpty(part))
            out.push_back(part);
        return true;
    }
    return false;
}

} // namespace platform::engine

ULONG APIENTRY CLIPOBJ_cEnumStart(CLIPOBJ* pco, BOOL bAll, ULONG iType, ULONG iDirection, ULONG cLimit)
{
    auto* clip = platform::engine::FindClip(pco);
    if (clip == nullptr || iType != CT_RECTANGLES || iDirection > CD_ANY) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0xFFFFFFFF;
    }
    return clip->StartEnumeration(bAll, iDirection, cLimit);
}

BOOL APIENTRY CLIPOBJ_bEnum(CLIPOBJ* pco, ULONG cj, ULONG* pul)
{
    auto* clip = platform::engine::FindClip(pco);
    // The buffer must hold the count and at least one rectangle, or no progress could ever be made.
    if (clip == nullptr || pul == nullptr || cj < sizeof(ENUMRECTS)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    return clip->Enumerate(cj, pul);
}

PATHOBJ* APIENTRY CLIPOBJ_ppoGetPath(CLIPOBJ* pco)
{
    auto* clip = platform::engine::FindClip(pco);
    if (clip == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    auto path = platform::engine::PathObject::FromRectangles(clip->Rectangles());
    path->ownedByDriver = true;   // the driver gives it back with EngDeletePath
    return path.release()->get();
}
