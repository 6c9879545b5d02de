// global_block.cpp - zero-filled blocks of the global heap, handed out locked.
#include "settings/global_block.h"

void* AllocGlobalBlock(SIZE_T cb)
{
    if (cb == 0)
        return nullptr;
    HGLOBAL handle = GlobalAlloc(GHND, cb);
    if (handle == nullptr)
        return nullptr;
    void* block = GlobalLock(handle);
    if (block == nullptr)
        GlobalFree(handle);
    return block;
}

void FreeGlobalBlock(void* block)
{
    if (block == nullptr)
        return;
    HGLOBAL handle = GlobalHandle(block);
    if (handle == nullptr)
        return;
    GlobalUnlock(handle);
    GlobalFree(handle);
}
