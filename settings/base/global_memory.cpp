// global_memory.cpp - locked global-heap blocks for the settings core.
#include "settings/base/global_memory.h"

void* AllocLockedBlock(SIZE_T cb)
{
    const HGLOBAL hMem = GlobalAlloc(GHND, cb);
    if (hMem == nullptr)
        return nullptr;
    void* pBlock = GlobalLock(hMem);
    if (pBlock == nullptr)
        GlobalFree(hMem);
    return pBlock;
}

void FreeLockedBlock(void* pBlock)
{
    if (pBlock == nullptr)
        return;
    const HGLOBAL hMem = GlobalHandle(pBlock);
    if (hMem == nullptr)
        return;
    // Freeing is cleanup after a failure as often as not: the failure's last error must reach the caller, and
    // the last unlock of a block clears it.
    const DWORD error = GetLastError();
    GlobalUnlock(hMem);
    GlobalFree(hMem);
    SetLastError(error);
}
