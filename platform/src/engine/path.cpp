// path.cpp - path objects: construction from GDI's point list, enumeration and bounds.
#include "host/engine/path.h"
#include "engine/registry.h"

#include <algorithm>

namespace platform::engine {
namespace {

AddressRegistry<PathObject>& Paths()
{
    static auto* registry = new AddressRegistry<PathObject>();
    return *registry;
}

// A record continues a figure: lines or curves, each starting where the previous one ended.
void AddRun(std::vector<PathObject::Record>& records, FLONG kind, const POINTFIX& p, bool beginsFigure)
{
    if (beginsFigure || records.empty() || (records.back().flags & PD_ENDSUBPATH) ||
        (records.back().flags & PD_BEZIERS) != kind) {
        records.push_back({kind, {}});
    }
    records.back().points.push_back(p);
}

} // namespace

PathObject::PathObject()
{
    Paths().Add(&m_po, this);
}

PathObject::~PathObject()
{
    Paths().Remove(&m_po);
}

std::unique_ptr<PathObject> PathObject::FromPoints(const POINTFIX* points, const BYTE* types, ULONG count)
{
    if (count != 0 && (points == nullptr || types == nullptr))
        return nullptr;
    std::unique_ptr<PathObject> path(new PathObject());
    auto& records = path->m_records;
    bool inFigure = false;
    for (ULONG i = 0; i < count; ++i) {
        const BYTE type = types[i] & ~PT_CLOSEFIGURE;
        if (type == PT_MOVETO) {
            if (inFigure)
                records.back().flags |= PD_ENDSUBPATH;
            // The move point opens the figure's first record; its kind follows the segment after it.
            const FLONG kind = (i + 1 < count && (types[i + 1] & ~PT_CLOSEFIGURE) == PT_BEZIERTO) ? PD_BEZIERS : 0;
            records.push_back({PD_BEGINSUBPATH | PD_RESETSTYLE | kind, {points[i]}});
            inFigure = true;
        } else if (type == PT_LINETO && inFigure) {
            AddRun(records, 0, points[i], false);
        } else if (type == PT_BEZIERTO && inFigure) {
            if (i + 2 >= count || (types[i + 1] & ~PT_CLOSEFIGURE) != PT_BEZIERTO ||
                (types[i + 2] & ~PT_CLOSEFIGURE) != PT_BEZIERTO)
                return nullptr;
            for (int k = 0; k < 3; ++k)
                AddRun(records, PD_BEZIERS, points[i + k], false);
            i += 2;
        } else {
            return nullptr;   // a figure must begin with a move
        }
        if (inFigure && (types[i] & PT_CLOSEFIGURE)) {   // i is the last point this step took
            records.back().flags |= PD_ENDSUBPATH | PD_CLOSEFIGURE;
            inFigure = false;
        }
    }
    if (inFigure)
        records.back().flags |= PD_ENDSUBPATH;
    path->Finish();
    return path;
}

std::unique_ptr<PathObject> PathObject::FromRectangles(const std::vector<RECTL>& rects)
{
    std::unique_ptr<PathObject> path(new PathObject());
    for (const RECTL& r : rects) {
        const FIX l = r.left * 16, t = r.top * 16, rt = r.right * 16, b = r.bottom * 16;
        path->m_records.push_back({PD_BEGINSUBPATH | PD_RESETSTYLE | PD_ENDSUBPATH | PD_CLOSEFIGURE,
                                   {{l, t}, {rt, t}, {rt, b}, {l, b}}});
    }
    path->Finish();
    return path;
}

void PathObject::Finish()
{
    m_po.fl = 0;
    m_po.cCurves = 0;
    for (const Record& record : m_records) {
        const ULONG segments = static_cast<ULONG>(record.points.size()) - ((record.flags & PD_BEGINSUBPATH) ? 1 : 0);
        if (record.flags & PD_BEZIERS) {
            m_po.fl |= PO_BEZIERS;
            m_po.cCurves += segments / 3;
        } else {
            m_po.cCurves += segments;
        }
        if (record.flags & PD_CLOSEFIGURE)
            ++m_po.cCurves;
    }
    const bool integers = std::all_of(m_records.begin(), m_records.end(), [](const Record& r) {
        return std::all_of(r.points.begin(), r.points.end(),
                           [](const POINTFIX& p) { return (p.x & 15) == 0 && (p.y & 15) == 0; });
    });
    if (integers)
        m_po.fl |= PO_ALL_INTEGERS;
}

bool PathObject::Enumerate(PATHDATA* ppd)
{
    if (m_next >= m_records.size()) {
        ppd->flags = 0;
        ppd->count = 0;
        ppd->pptfx = nullptr;
        return false;
    }
    Record& record = m_records[m_next++];
    ppd->flags = record.flags;
    ppd->count = static_cast<ULONG>(record.points.size());
    ppd->pptfx = record.points.data();
    return m_next < m_records.size();
}

RECTFX PathObject::Bounds() const
{
    RECTFX bounds = {0, 0, 0, 0};
    bool first = true;
    for (const Record& record : m_records) {
        for (const POINTFIX& p : record.points) {
            if (first) {
                bounds = {p.x, p.y, p.x, p.y};
                first = false;
                continue;
            }
            bounds.xLeft = std::min(bounds.xLeft, p.x);
            bounds.yTop = std::min(bounds.yTop, p.y);
            bounds.xRight = std::max(bounds.xRight, p.x);
            bounds.yBottom = std::max(bounds.yBottom, p.y);
        }
    }
    return bounds;
}

PathObject* FindPath(const PATHOBJ* ppo)
{
    return Paths().Find(ppo);
}

} // namespace platform::engine

VOID APIENTRY PATHOBJ_vEnumStart(PATHOBJ* ppo)
{
    if (auto* path = platform::engine::FindPath(ppo))
        path->StartEnumeration();
}

BOOL APIENTRY PATHOBJ_bEnum(PATHOBJ* ppo, PATHDATA* ppd)
{
    auto* path = platform::engine::FindPath(ppo);
    if (path == nullptr || ppd == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    return path->Enumerate(ppd);
}

VOID APIENTRY PATHOBJ_vGetBounds(PATHOBJ* ppo, PRECTFX prectfx)
{
    auto* path = platform::engine::FindPath(ppo);
    if (prectfx == nullptr)
        return;
    *prectfx = path != nullptr ? path->Bounds() : RECTFX{0, 0, 0, 0};
}

VOID APIENTRY EngDeletePath(PATHOBJ* ppo)
{
    auto* path = platform::engine::FindPath(ppo);
    if (path != nullptr && path->ownedByDriver)
        delete path;
}
