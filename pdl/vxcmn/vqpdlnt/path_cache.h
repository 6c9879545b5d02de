#pragma once
// path_cache.h - the plain path writer and its cache: the clip path the printer holds is written again only when
// it changes.

#include "customnt/vqddigfx/pdev.h"

// The path cache keeps a clip path of at most this many PATHOBJ_bEnum records and points.
constexpr DWORD kPathCacheRecords = 128;
constexpr DWORD kPathCachePoints = 8000;

// Forgets the path the printer holds (page start and end, and a new N-up cell).
void PdlResetPathCache(PDEV* pdev);

// Frees the blocks of the path cache and the clip list (end of document).
void PdlFreePathCaches(PDEV* pdev);

namespace vqpath {

// True when the cache holds this very path as the printer's path of this kind.
bool CacheHolds(PDEV* pdev, PATHOBJ* ppo, LONG kind);

// The plain writer: "phb <kind>;", the path record by record, "phe;"; the path is kept in the cache when it
// fits, so that the same path of the same kind is not written again.
BOOL WritePlainPath(PDEV* pdev, PATHOBJ* ppo, LONG kind, BOOL* pbDrawn);

} // namespace vqpath
