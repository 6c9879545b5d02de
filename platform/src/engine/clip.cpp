// clip.cpp - clip objects: canonical regions from rectangle lists, and their enumeration by a driver.
#include "host/engine/clip.h"
#include "host/engine/path.h"
#include "host/engine/regions.h"
#include "engine/registry.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <map>
#include <mutex>

namespace platform::engine {
namespace {

AddressRegistry<ClipObject>& Clips()
{
    static auto* registry = new AddressRegistry<ClipObject>();
    return *registry;
}

ULONG NextUniq()
{
    static std::atomic<ULONG> counter{0};
    return ++counter;
}

// One identity per distinct region. The table is bounded: when full it starts afresh, and a region met again
// then gets a new identity, which costs a driver no more than one more download.
ULONG UniqOfRegion(const std::vector<RECTL>& region)
{
    using Key = std::vector<std::array<LONG, 4>>;
    static auto* known = new std::map<Key, ULONG>();
    static std::mutex guard;
    Key key;
    key.reserve(region.size());
    for (const RECTL& r : region)
        key.push_back({r.left, r.top, r.right, r.bottom});
    const std::lock_guard<std::mutex> lock(guard);
    if (const auto it = known->find(key); it != known->end())
        return it->second;
    constexpr size_t kMaxRegions = 4096;
    if (known->size() >= kMaxRegions)
        known->clear();
    const ULONG uniq = NextUniq();
    known->emplace(std::move(key), uniq);
    return uniq;
}

} // namespace

std::unique_ptr<ClipObject> ClipObject::OfRegion(const std::vector<RECTL>& region, const RECTL& bounds)
{
    std::unique_ptr<ClipObject> clip(new ClipObject());
    clip->m_rects = NormaliseRegion(region);
    const size_t n = clip->m_rects.size();
    clip->m_co.rclBounds = bounds;
    clip->m_co.iDComplexity = DC_COMPLEX;
    clip->m_co.iFComplexity = n <= 1 ? FC_RECT : (n <= 4 ? FC_RECT4 : FC_COMPLEX);
    clip->Register();
    clip->m_co.iUniq = UniqOfRegion(clip->m_rects);
    return clip;
}

std::unique_ptr<ClipObject> ClipObject::Trivial(const RECTL& bounds)
{
    std::unique_ptr<ClipObject> clip(new ClipObject());
    clip->m_co.rclBounds = bounds;
    clip->m_co.iDComplexity = DC_TRIVIAL;
    clip->m_co.iFComplexity = FC_RECT;
    if (!IsEmptyRect(bounds))
        clip->m_rects.push_back(bounds);
    clip->Register();
    return clip;
}

std::unique_ptr<ClipObject> ClipObject::FromRectangles(const std::vector<RECTL>& rects)
{
    std::unique_ptr<ClipObject> clip(new ClipObject());
    clip->m_rects = NormaliseRegion(rects);
    const RECTL bounds = RegionBounds(clip->m_rects);
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
        const RECTL part = bAll ? r : IntersectRects(r, m_co.rclBounds);
        if (!IsEmptyRect(part))
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
        if (!IsEmptyRect(target))
            out.push_back(target);
        return true;
    }
    if (const ClipObject* clip = FindClip(pco)) {
        for (const RECTL& r : clip->Rectangles()) {
            const RECTL part = IntersectRects(r, target);
            if (!IsEmptyRect(part))
                out.push_back(part);
        }
        return true;
    }
    if (pco->iDComplexity == DC_RECT) {
        const RECTL part = IntersectRects(pco->rclBounds, target);
        if (!IsEmptyRect(part))
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
