// path_cache.cpp - the plain path writer and the path cache that spares writing the same clip path again.
#include "pdl/vxcmn/vqpdlnt/path_cache.h"
#include "customnt/vqddigfx/alloc_list.h"
#include "pdl/vxcmn/streamnt.h"
#include "pdl/vxcmn/vqpdlnt/clip_writer.h"
#include "pdl/vxcmn/vqpdlnt/path_writer.h"
#include "pdl/vxcmn/vxcmnnt.h"

#include <cstring>

namespace vqpath {
namespace {

struct CACHED_RECORD {
    FLONG flags;
    ULONG count;
};

// The clip path the plain writer last wrote, kept in a block of the PDEV's allocation list.
struct PATH_CACHE {
    DWORD bValid;
    LONG  lKind;
    DWORD cRecords;
    DWORD cPoints;
    CACHED_RECORD records[kPathCacheRecords];
    POINTFIX points[kPathCachePoints];
};

PATH_CACHE* PathCache(PDEV* pdev)
{
    return reinterpret_cast<PATH_CACHE*>(PdlGetContext(pdev)->pPathCache);
}

PATH_CACHE* EnsurePathCache(PDEV* pdev)
{
    if (PATH_CACHE* cache = PathCache(pdev))
        return cache;
    auto* cache = static_cast<PATH_CACHE*>(AllocListAlloc(pdev->pAllocList, sizeof(PATH_CACHE)));
    PdlGetContext(pdev)->pPathCache = reinterpret_cast<BYTE*>(cache);
    return cache;
}

} // namespace

// True when the cache holds this very path as the printer's path of this kind.
bool CacheHolds(PDEV* pdev, PATHOBJ* ppo, LONG kind)
{
    const PATH_CACHE* cache = PathCache(pdev);
    if (cache == nullptr || cache->bValid == 0 || cache->lKind != kind)
        return false;
    PathReader reader(ppo);
    PATHDATA pd;
    DWORD records = 0;
    DWORD points = 0;
    while (reader.Next(pd)) {
        if (records == cache->cRecords || pd.count > cache->cPoints - points)
            return false;
        const CACHED_RECORD& record = cache->records[records++];
        if (record.flags != pd.flags || record.count != pd.count)
            return false;
        if (pd.count != 0 && std::memcmp(cache->points + points, pd.pptfx, pd.count * sizeof(POINTFIX)) != 0)
            return false;
        points += pd.count;
    }
    return !reader.Broken() && records == cache->cRecords && points == cache->cPoints;
}

BOOL WritePlainPath(PDEV* pdev, PATHOBJ* ppo, LONG kind, BOOL* pbDrawn)
{
    PATH_CACHE* cache = EnsurePathCache(pdev);
    bool fits = cache != nullptr;
    if (cache != nullptr) {
        cache->bValid = 0;
        cache->cRecords = 0;
        cache->cPoints = 0;
    }
    PdlPrintf(pdev, "phb %d;\n", kind);
    PathReader reader(ppo);
    PATHDATA pd;
    FixPoint current = {0, 0};
    bool started = false;
    PointWriter writer(pdev, 0, 0);
    while (reader.Next(pd)) {
        if (fits && cache->cRecords < kPathCacheRecords && pd.count <= kPathCachePoints - cache->cPoints) {
            cache->records[cache->cRecords++] = {pd.flags, pd.count};
            if (pd.count != 0)
                std::memcpy(cache->points + cache->cPoints, pd.pptfx, pd.count * sizeof(POINTFIX));
            cache->cPoints += pd.count;
        } else {
            fits = false;
        }
        if (pd.count == 0)
            continue;
        DWORD first = 0;
        if ((pd.flags & PD_BEGINSUBPATH) != 0 || !started) {
            current = Widen(pd.pptfx[0]);
            writer = MoveTo(pdev, current);
            started = true;
            first = 1;
        }
        const DWORD rest = pd.count - first;
        if ((pd.flags & PD_BEZIERS) != 0) {
            if (rest % 3 != 0)
                return CurveRecordError(pdev);
            if (rest != 0)
                WriteCurves(writer, pdev, current, pd.pptfx + first, rest);
        } else if (rest != 0) {
            WriteLines(writer, pdev, pd.pptfx + first, rest);
        }
        if (rest != 0) {
            *pbDrawn = TRUE;
            current = Widen(pd.pptfx[pd.count - 1]);
        }
        if ((pd.flags & PD_ENDSUBPATH) != 0 && (pd.flags & PD_CLOSEFIGURE) != 0)
            PdlPrintf(pdev, "phc;\n");
    }
    if (reader.Broken())
        return EndPathFailed(pdev);
    PdlPrintf(pdev, "phe;\n");
    if (fits) {
        cache->lKind = kind;
        cache->bValid = 1;
    }
    return TRUE;
}

} // namespace vqpath

void PdlResetPathCache(PDEV* pdev)
{
    if (vqpath::PATH_CACHE* cache = vqpath::PathCache(pdev))
        cache->bValid = 0;
}

void PdlFreePathCaches(PDEV* pdev)
{
    JOB_EXTRA_RECORD* pContext = PdlGetContext(pdev);
    AllocListFree(pdev->pAllocList, pContext->pPathCache);
    pContext->pPathCache = nullptr;
    PdlFreeClipList(pdev);
}
