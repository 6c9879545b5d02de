#pragma once
// path_writer.h - the path writer: device coordinates at the page's N-up scale, 28.4 points written as steps,
// runs of lines ("ltr") and curves ("bzr", with the Bézier halving), reading a path, and the grouped writer of
// fills and strokes. The pieces in namespace vqpath are shared with the path cache and the clip writer.

#include "customnt/vqddigfx/pdev.h"
#include "settings/base/global_memory.h"

#include <algorithm>
#include <cstring>

// c x scale / 10000 + offset for each edge (integer arithmetic); the NonEmpty form then widens a rectangle
// whose right edge equals its left, or bottom its top, by 1.
RECTL PdlScaleRect(PDEV* pdev, const RECTL& rect);
RECTL PdlScaleRectNonEmpty(PDEV* pdev, const RECTL& rect);

namespace vqpath {

constexpr ULONG kFullScale = 10000;              // the N-up scale of 1:1
constexpr DWORD kMaxPathRecords = 0x1000000;     // a path enumeration that runs past this is taken as broken

// c at the page's scale: c x scale / 10000 + offset.
LONG Scale(LONG c, ULONG scale, LONG offset);

// A 28.4 value as whole device pixels (the fraction dropped towards minus infinity).
LONG Pixel(long long fix);

// to - from, computed wide and cut back to a LONG.
LONG Difference(LONG to, LONG from);

// A path point in 28.4 with room for the sums of the Bézier halving.
struct FixPoint {
    long long x;
    long long y;
};

FixPoint Widen(const POINTFIX& p);

// The point's scaled pixel position on the page.
POINTL ScaledPixel(PDEV* pdev, const FixPoint& p);

// Writes points as their scaled pixel positions, each as its step from the one written before.
class PointWriter {
public:
    PointWriter(PDEV* pdev, LONG x, LONG y) : m_pdev(pdev), m_x(x), m_y(y) {}

    void Put(LONG x, LONG y);
    void Put(const FixPoint& p);

private:
    PDEV* m_pdev;
    LONG m_x;
    LONG m_y;
};

// "mta" with the scaled point; the writer of the points that follow it.
PointWriter MoveTo(PDEV* pdev, const FixPoint& p);

// The curves of a run (three points each) starting at from, as "bzr <curves written>" and their points; a
// curve that bends sharply is sent as its two halves.
void WriteCurves(PointWriter& writer, PDEV* pdev, FixPoint from, const POINTFIX* points, DWORD count);

// A run of lines as "ltr <count>" and their points.
void WriteLines(PointWriter& writer, PDEV* pdev, const POINTFIX* points, DWORD count);

// "rem path bzr parameter error;": a curve record whose points are not whole curves ends the path
// (ERROR_INVALID_PARAMETER). FALSE.
BOOL CurveRecordError(PDEV* pdev);

// Ends a path that could not be read or gathered with "phe;". FALSE.
BOOL EndPathFailed(PDEV* pdev);

// The grouped writer: "phb <kind>;", each sub-path gathered whole and written as runs, "phe;".
BOOL WriteGroupedPath(PDEV* pdev, PATHOBJ* ppo, LONG kind, BOOL bFill, BOOL* pbDrawn);

// A growing array of plain records in a locked global block. Append answers false when the heap refuses or
// the array would pass 64 MiB.
template <typename T>
class BlockArray {
public:
    BlockArray() = default;
    ~BlockArray() { FreeLockedBlock(m_items); }
    BlockArray(const BlockArray&) = delete;
    BlockArray& operator=(const BlockArray&) = delete;

    bool Append(const T* items, DWORD count)
    {
        if (count > kMaxItems - m_count)
            return false;
        if (m_count + count > m_room && !Grow(m_count + count))
            return false;
        if (count != 0)
            std::memcpy(m_items + m_count, items, count * sizeof(T));
        m_count += count;
        return true;
    }

    void Clear() { m_count = 0; }
    T* Data() const { return m_items; }
    DWORD Size() const { return m_count; }

private:
    static constexpr DWORD kMaxItems = 0x4000000 / sizeof(T);

    // Room grows from 1 KB by doubling.
    bool Grow(DWORD needed)
    {
        DWORD room = m_room != 0 ? m_room : std::max<DWORD>(1, 1024 / sizeof(T));
        while (room < needed)
            room = room > kMaxItems / 2 ? kMaxItems : room * 2;
        T* items = static_cast<T*>(AllocLockedBlock(static_cast<SIZE_T>(room) * sizeof(T)));
        if (items == nullptr)
            return false;
        if (m_count != 0)
            std::memcpy(items, m_items, m_count * sizeof(T));
        FreeLockedBlock(m_items);
        m_items = items;
        m_room = room;
        return true;
    }

    T* m_items = nullptr;
    DWORD m_count = 0;
    DWORD m_room = 0;
};

// The next record of a path being enumerated. False when there is none to take: the enumeration has ended
// (more is false afterwards), the record is malformed or the enumeration has run too long.
class PathReader {
public:
    explicit PathReader(PATHOBJ* ppo) : m_ppo(ppo) { PATHOBJ_vEnumStart(ppo); }

    bool Next(PATHDATA& pd);
    bool Broken() const { return m_broken; }

private:
    PATHOBJ* m_ppo;
    bool m_more = true;
    bool m_broken = false;
    DWORD m_records = 0;
};

} // namespace vqpath
