// alloc_list.cpp - the allocation list of a PDEV.
#include "customnt/vqddigfx/alloc_list.h"
#include "settings/base/global_memory.h"

#include <cstring>

namespace {

constexpr DWORD kLinkSize = sizeof(BYTE*);

BYTE* NextBlock(const BYTE* pBlock)
{
    BYTE* pNext = nullptr;
    std::memcpy(&pNext, pBlock, kLinkSize);
    return pNext;
}

void SetNextBlock(BYTE* pBlock, BYTE* pNext)
{
    std::memcpy(pBlock, &pNext, kLinkSize);
}

} // namespace

ALLOC_LIST* AllocListCreate()
{
    return static_cast<ALLOC_LIST*>(AllocLockedBlock(sizeof(ALLOC_LIST)));
}

void* AllocListAlloc(ALLOC_LIST* pList, DWORD cb)
{
    if (pList == nullptr || cb > 0xFFFFFFFF - kLinkSize)
        return nullptr;
    auto* pBlock = static_cast<BYTE*>(AllocLockedBlock(cb + kLinkSize));
    if (pBlock == nullptr)
        return nullptr;
    SetNextBlock(pBlock, pList->pFirst);
    pList->pFirst = pBlock;
    return pBlock + kLinkSize;
}

// Unlinks the block whose user address is p; null when the list does not hold it.
static BYTE* Unlink(ALLOC_LIST* pList, void* p)
{
    if (pList == nullptr || p == nullptr)
        return nullptr;
    BYTE* pPrevious = nullptr;
    for (BYTE* pBlock = pList->pFirst; pBlock != nullptr; pBlock = NextBlock(pBlock)) {
        if (pBlock + kLinkSize != p) {
            pPrevious = pBlock;
            continue;
        }
        if (pPrevious == nullptr)
            pList->pFirst = NextBlock(pBlock);
        else
            SetNextBlock(pPrevious, NextBlock(pBlock));
        return pBlock;
    }
    return nullptr;
}

void AllocListFree(ALLOC_LIST* pList, void* p)
{
    FreeLockedBlock(Unlink(pList, p));
}

void* AllocListMove(ALLOC_LIST* pFrom, ALLOC_LIST* pTo, void* p)
{
    if (pTo == nullptr)
        return nullptr;
    BYTE* pBlock = Unlink(pFrom, p);
    if (pBlock == nullptr)
        return nullptr;
    SetNextBlock(pBlock, pTo->pFirst);
    pTo->pFirst = pBlock;
    return p;
}

void AllocListFreeAll(ALLOC_LIST* pList)
{
    if (pList == nullptr)
        return;
    BYTE* pBlock = pList->pFirst;
    while (pBlock != nullptr) {
        BYTE* pNext = NextBlock(pBlock);
        FreeLockedBlock(pBlock);
        pBlock = pNext;
    }
    FreeLockedBlock(pList);
}
