#pragma once
// global_memory.h - blocks of the Windows global heap as the settings core uses them: moveable, zero-filled,
// locked for as long as they live, and freed again through the address the lock gave.

#include "win/winbase.h"

// Allocates cb bytes (moveable, zero-filled) and locks them; null when the heap refuses.
void* AllocLockedBlock(SIZE_T cb);

// Unlocks and frees a block from AllocLockedBlock; null is ignored.
void FreeLockedBlock(void* pBlock);
