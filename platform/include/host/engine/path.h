#pragma once
// path.h - PATHOBJ: a path of figures (sub-paths) of lines and Bézier curves in 28.4 fixed point, enumerated
// by a driver record by record.

#include <memory>
#include <vector>
#include "win/winddi.h"

namespace platform::engine {

class PathObject {
public:
    // One PATHDATA record: its flags and its points.
    struct Record {
        FLONG flags;
        std::vector<POINTFIX> points;
    };

    // From points with their PT_ types, as a path is kept by GDI: PT_MOVETO starts a figure, PT_LINETO and
    // PT_BEZIERTO (in threes) continue it, PT_CLOSEFIGURE on a point closes its figure. Null for a path that
    // does not start with a move, a broken run of Bézier points, or an unknown type.
    static std::unique_ptr<PathObject> FromPoints(const POINTFIX* points, const BYTE* types, ULONG count);

    // Closed rectangles, one figure each (the path of a clip region).
    static std::unique_ptr<PathObject> FromRectangles(const std::vector<RECTL>& rects);

    ~PathObject();
    PathObject(const PathObject&) = delete;
    PathObject& operator=(const PathObject&) = delete;

    PATHOBJ* get() { return &m_po; }
    void StartEnumeration() { m_next = 0; }
    bool Enumerate(PATHDATA* ppd);
    RECTFX Bounds() const;
    const std::vector<Record>& Records() const { return m_records; }

    // True for a path the engine handed to a driver to delete with EngDeletePath.
    bool ownedByDriver = false;

private:
    PathObject();
    void Finish();

    PATHOBJ m_po = {};
    std::vector<Record> m_records;
    size_t m_next = 0;
};

PathObject* FindPath(const PATHOBJ* ppo);

} // namespace platform::engine
