// conflict_list.cpp - the change and conflict lists of one resolve.
#include "ui/core/conflict_list.h"

#include "settings/base/global_memory.h"
#include "ui/core/item_queries.h"

#include <cstring>

BOOL InitConflictList(CONFLICT_LIST* pList)
{
    std::memset(pList, 0, sizeof *pList);
    pList->pConflicts = static_cast<CONFLICT_ENTRY*>(AllocLockedBlock(kConflictBufferEntries * sizeof(CONFLICT_ENTRY)));
    pList->pPartners = static_cast<PARTNER_PAIR*>(AllocLockedBlock(kPartnerBufferPairs * sizeof(PARTNER_PAIR)));
    if (pList->pConflicts == nullptr || pList->pPartners == nullptr) {
        FreeConflictList(pList);
        return FALSE;
    }
    pList->wConflictRoom = kConflictBufferEntries;
    pList->wPartnerRoom = kPartnerBufferPairs;
    return TRUE;
}

void FreeConflictList(CONFLICT_LIST* pList)
{
    FreeLockedBlock(pList->pConflicts);
    FreeLockedBlock(pList->pPartners);
    std::memset(pList, 0, sizeof *pList);
}

// The buffer, doubled when it is full (the room grows with it); null when the larger one cannot be had or the
// count would no longer fit its word. The records are packed: their fields are read and written whole.
template <typename T>
static T* MakeRoom(T* pBuffer, WORD count, WORD* pRoom)
{
    if (count < *pRoom && pBuffer != nullptr)
        return pBuffer;
    const DWORD room = *pRoom == 0 ? 16u : *pRoom * 2u;
    if (room > 0xFFFF)
        return nullptr;
    T* pLarger = static_cast<T*>(AllocLockedBlock(room * sizeof(T)));
    if (pLarger == nullptr)
        return nullptr;
    if (pBuffer != nullptr)
        std::memcpy(pLarger, pBuffer, count * sizeof(T));
    FreeLockedBlock(pBuffer);
    *pRoom = static_cast<WORD>(room);
    return pLarger;
}

BOOL AppendConflict(CONFLICT_LIST* pList, WORD wControl, WORD wValue, WORD wReason)
{
    WORD room = pList->wConflictRoom;
    CONFLICT_ENTRY* pConflicts = MakeRoom(pList->pConflicts, pList->wConflictCount, &room);
    if (pConflicts == nullptr) {
        pList->wOutcome = kOutcomeRefused;
        return FALSE;
    }
    pList->pConflicts = pConflicts;
    pList->wConflictRoom = room;
    pConflicts[pList->wConflictCount++] = { wControl, 0, GetItemValuePtr(wControl), wValue, wReason };
    return TRUE;
}

BOOL AppendPartner(CONFLICT_LIST* pList, WORD wControl, WORD wValue)
{
    WORD room = pList->wPartnerRoom;
    PARTNER_PAIR* pPartners = MakeRoom(pList->pPartners, pList->wPartnerCount, &room);
    if (pPartners == nullptr) {
        pList->wOutcome = kOutcomeRefused;
        return FALSE;
    }
    pList->pPartners = pPartners;
    pList->wPartnerRoom = room;
    pPartners[pList->wPartnerCount++] = { wControl, wValue };
    return TRUE;
}

int FindLastConflict(const CONFLICT_LIST* pList, WORD wControl, WORD wFrom)
{
    for (int i = static_cast<int>(pList->wConflictCount) - 1; i >= static_cast<int>(wFrom); --i) {
        if (pList->pConflicts[i].wControl == wControl)
            return i;
    }
    return -1;
}

int FindChange(const CHANGE_LIST* pList, WORD wControl)
{
    for (WORD i = 0; i < pList->wCount; ++i) {
        if (pList->pEntries[i].wControl == wControl)
            return i;
    }
    return -1;
}

BOOL IsCapturedControl(const CHANGE_LIST* pList, WORD wControl)
{
    const WORD captured = pList->wCapturedCount < pList->wCount ? pList->wCapturedCount : pList->wCount;
    for (WORD i = 0; i < captured; ++i) {
        if (pList->pEntries[i].wControl == wControl)
            return TRUE;
    }
    return FALSE;
}

BOOL IsChangeOn(const CHANGE_LIST* pList, WORD wFirst, WORD wSecond)
{
    if (pList->wCount == 0)
        return FALSE;
    const WORD first = pList->pEntries[0].wControl;
    return first == wFirst || (pList->wCapturedCount == 2 && first == wSecond) ? TRUE : FALSE;
}

BOOL AppendChange(CHANGE_LIST* pList, WORD wControl, WORD wPrevious, WORD wNew)
{
    if (pList->wCount == 0xFFFF)
        return FALSE;
    auto* pEntries = static_cast<CHANGE_ENTRY*>(AllocLockedBlock((pList->wCount + 1u) * sizeof(CHANGE_ENTRY)));
    if (pEntries == nullptr)
        return FALSE;
    if (pList->pEntries != nullptr)
        std::memcpy(pEntries, pList->pEntries, pList->wCount * sizeof(CHANGE_ENTRY));
    pEntries[pList->wCount] = { wControl, wPrevious, wNew };
    FreeLockedBlock(pList->pEntries);
    pList->pEntries = pEntries;
    ++pList->wCount;
    return TRUE;
}

void FreeChangeList(CHANGE_LIST* pList)
{
    FreeLockedBlock(pList->pEntries);
    std::memset(pList, 0, sizeof *pList);
}
