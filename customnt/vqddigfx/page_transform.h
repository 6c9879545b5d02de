#pragma once
// page_transform.h - the scale and offset of the page's drawing set aside while a command draws on the whole
// sheet: the caller installs a record of (0, 0, 100 %) before it draws and swaps the record it got back in
// again afterwards, then frees what it gets then.

#include "customnt/vqddigfx/pdev.h"

#pragma pack(push, 1)
struct PAGE_TRANSFORM {                      // 12 bytes
    DWORD ulScale;                           // 0      1/10000
    LONG  xOffset;                           // 4      pixels
    LONG  yOffset;                           // 8
};
#pragma pack(pop)
static_assert(sizeof(PAGE_TRANSFORM) == 12);
static_assert(offsetof(PAGE_TRANSFORM, xOffset) == 4);
static_assert(offsetof(PAGE_TRANSFORM, yOffset) == 8);

// A record of the offset (x, y) at percent % (scale percent x 100); null for a percent of 0 or less, or when
// memory is short.
PAGE_TRANSFORM* NewPageTransform(LONG x, LONG y, LONG percent);

// Installs the record's scale and offset in the PDEV, frees the record and returns a new one holding what the
// PDEV had. When no new record can be made, the PDEV is left as it was and the given record is returned.
PAGE_TRANSFORM* SwapPageTransform(PDEV* pdev, PAGE_TRANSFORM* pTransform);

// Frees a record; null is ignored.
void FreePageTransform(PAGE_TRANSFORM* pTransform);
