// page_transform.cpp - setting the page's scale and offset aside and back.
#include "customnt/vqddigfx/page_transform.h"
#include "settings/base/global_memory.h"

namespace {

PAGE_TRANSFORM* MakeTransform(DWORD ulScale, LONG x, LONG y)
{
    auto* pTransform = static_cast<PAGE_TRANSFORM*>(AllocLockedBlock(sizeof(PAGE_TRANSFORM)));
    if (pTransform == nullptr)
        return nullptr;
    pTransform->ulScale = ulScale;
    pTransform->xOffset = x;
    pTransform->yOffset = y;
    return pTransform;
}

} // namespace

PAGE_TRANSFORM* NewPageTransform(LONG x, LONG y, LONG percent)
{
    if (percent <= 0)
        return nullptr;
    return MakeTransform(static_cast<DWORD>(percent) * 100, x, y);
}

PAGE_TRANSFORM* SwapPageTransform(PDEV* pdev, PAGE_TRANSFORM* pTransform)
{
    if (pTransform == nullptr)
        return nullptr;
    // The PDEV's own scale is kept to the 1/10000, not in whole percent: an N-up cell's scale is rarely a whole
    // percent, and the page's later drawing must land where it would have without the interruption.
    PAGE_TRANSFORM* pSaved = MakeTransform(pdev->ulScale, pdev->xOffset, pdev->yOffset);
    if (pSaved == nullptr)
        return pTransform;
    pdev->ulScale = pTransform->ulScale;
    pdev->xOffset = pTransform->xOffset;
    pdev->yOffset = pTransform->yOffset;
    FreePageTransform(pTransform);
    return pSaved;
}

void FreePageTransform(PAGE_TRANSFORM* pTransform)
{
    FreeLockedBlock(pTransform);
}
