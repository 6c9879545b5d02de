#pragma once
// alloc_list.h - the allocation list of a PDEV: every block a device context allocates is chained here, so
// that disabling the PDEV frees them all at once, the PDEV itself last.

#include "win/windows.h"

// The list's head: the first block, or null. Each block is a locked, zero-filled global block whose first four
// bytes link to the next one; its user gets the address behind the link.
struct ALLOC_LIST {
    BYTE* pFirst;
};

// A new, empty list; null when memory is short.
ALLOC_LIST* AllocListCreate();

// A zero-filled block of cb bytes, linked at the list's head; null when memory is short or there is no list.
void* AllocListAlloc(ALLOC_LIST* pList, DWORD cb);

// Unlinks and frees the block whose user address is p; an address the list does not hold changes nothing.
void AllocListFree(ALLOC_LIST* pList, void* p);

// Unlinks the block whose user address is p from pFrom and links it at pTo's head; returns p, or null (and
// moves nothing) when pFrom does not hold p or either list is missing.
void* AllocListMove(ALLOC_LIST* pFrom, ALLOC_LIST* pTo, void* p);

// Frees every block, then the head; null is ignored.
void AllocListFreeAll(ALLOC_LIST* pList);
