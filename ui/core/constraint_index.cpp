// constraint_index.cpp - sorting the prohibition tables by first condition. The engine visits a key's rows in
// the order this sort leaves them, which is not the tables' own order: the sort is kept exactly as it is, an
// unstable diminishing-gap insertion sort, so that conflicts are found and reported in the same order.
#include "ui/core/constraint_index.h"

#include "settings/base/global_memory.h"
#include "ui/core/item_queries.h"

#include <cstring>

namespace {

struct ConstraintKey {
    WORD wControl;
    SHORT sValue;
};

} // namespace

static ConstraintKey KeyOf(const BYTE* pRows, WORD cbRow, WORD row)
{
    PROHIBITION_CONDITION first;
    std::memcpy(&first, pRows + static_cast<std::size_t>(row) * cbRow, sizeof first);
    return { first.wControl, first.sValue };
}

// Gaps 1, 4, 13, 40, ... below a third of n; each pass is an insertion sort of the rows h apart. Equal controls
// do not end a pass's walk back: the walk goes on to the next j whether or not the values were swapped.
static void SortRowOrder(const BYTE* pRows, WORD cbRow, WORD* pOrder, int n)
{
    int h = 1;
    while (h < n / 3)
        h = 3 * h + 1;
    for (; h > 0; h /= 3) {
        for (int i = h; i < n; ++i) {
            for (int j = i - h; j >= 0; j -= h) {
                const ConstraintKey a = KeyOf(pRows, cbRow, pOrder[j]);
                const ConstraintKey b = KeyOf(pRows, cbRow, pOrder[j + h]);
                if (b.wControl > a.wControl)
                    break;
                if (b.wControl < a.wControl || b.sValue < a.sValue) {
                    const WORD swap = pOrder[j];
                    pOrder[j] = pOrder[j + h];
                    pOrder[j + h] = swap;
                }
            }
        }
    }
}

// One group per run of equal keys in the sorted order; null when n is 0 or memory is short.
static CONSTRAINT_GROUP* GroupRowOrder(const BYTE* pRows, WORD cbRow, const WORD* pOrder, WORD n, WORD* pCount)
{
    *pCount = 0;
    if (n == 0)
        return nullptr;
    LockedBlock working(static_cast<SIZE_T>(n) * sizeof(CONSTRAINT_GROUP));
    if (!working)
        return nullptr;
    auto* pWork = working.as<CONSTRAINT_GROUP>();
    ConstraintKey key = KeyOf(pRows, cbRow, pOrder[0]);
    WORD groups = 1;
    pWork[0] = { 0, key.wControl, key.sValue, 0, 0 };
    for (WORD i = 1; i < n; ++i) {
        const ConstraintKey next = KeyOf(pRows, cbRow, pOrder[i]);
        if (next.wControl == key.wControl && next.sValue == key.sValue) {
            if (i == n - 1)
                pWork[groups - 1].wLast = i;
            continue;
        }
        pWork[groups - 1].wLast = i - 1;
        pWork[groups++] = { 0, next.wControl, next.sValue, i, i };
        key = next;
    }
    auto* pGroups = static_cast<CONSTRAINT_GROUP*>(AllocLockedBlock(groups * sizeof(CONSTRAINT_GROUP)));
    if (pGroups == nullptr)
        return nullptr;
    std::memcpy(pGroups, pWork, groups * sizeof(CONSTRAINT_GROUP));
    *pCount = groups;
    return pGroups;
}

void BuildConstraintTableIndex(const BYTE* pRows, WORD cbRow, WORD n, WORD** ppOrder, CONSTRAINT_GROUP** ppGroups,
                               WORD* pCount)
{
    *ppOrder = nullptr;
    *ppGroups = nullptr;
    *pCount = 0;
    if (pRows == nullptr || cbRow < sizeof(PROHIBITION_CONDITION) || n == 0)
        return;
    auto* pOrder = static_cast<WORD*>(AllocLockedBlock(static_cast<SIZE_T>(n) * sizeof(WORD)));
    if (pOrder == nullptr)
        return;
    for (WORD i = 0; i < n; ++i)
        pOrder[i] = i;
    SortRowOrder(pRows, cbRow, pOrder, n);
    *ppOrder = pOrder;
    *ppGroups = GroupRowOrder(pRows, cbRow, pOrder, n, pCount);
}

void BuildConstraintIndex(UI_STATE* pState)
{
    if (pState == nullptr)
        return;
    FreeConstraintIndex(pState);
    auto* pIndex = static_cast<CONSTRAINT_INDEX*>(AllocLockedBlock(sizeof(CONSTRAINT_INDEX)));
    if (pIndex == nullptr)
        return;   // no index reads as four empty tables: nothing is prohibited, no conflict is found
    pState->pConstraintIndex = pIndex;
    const UI_TABLE_COUNTS& counts = GetUiTableCounts();
    for (int k = 0; k < kProhibitionTables; ++k) {
        WORD cbRow = 0;
        const BYTE* pRows = GetProhibitionRows(k, &cbRow);
        WORD* pOrder = nullptr;
        CONSTRAINT_GROUP* pGroups = nullptr;
        WORD count = 0;
        BuildConstraintTableIndex(pRows, cbRow, counts.wProhibitions[k], &pOrder, &pGroups, &count);
        pIndex->pOrders[k] = pOrder;
        pIndex->pGroups[k] = pGroups;
        pIndex->wGroupCounts[k] = count;
    }
}

void FreeConstraintIndex(UI_STATE* pState)
{
    if (pState == nullptr || pState->pConstraintIndex == nullptr)
        return;
    CONSTRAINT_INDEX* pIndex = pState->pConstraintIndex;
    for (int k = 0; k < kProhibitionTables; ++k) {
        FreeLockedBlock(pIndex->pOrders[k]);
        FreeLockedBlock(pIndex->pGroups[k]);
    }
    FreeLockedBlock(pIndex);
    pState->pConstraintIndex = nullptr;
}

const CONSTRAINT_GROUP* GetConstraintGroups(const UI_STATE* pState, int k, WORD* pCount, const WORD** ppOrder)
{
    *pCount = 0;
    if (ppOrder != nullptr)
        *ppOrder = nullptr;
    if (pState == nullptr || pState->pConstraintIndex == nullptr || k < 0 || k >= kProhibitionTables)
        return nullptr;
    const CONSTRAINT_INDEX* pIndex = pState->pConstraintIndex;
    if (pIndex->pGroups[k] == nullptr)
        return nullptr;
    *pCount = pIndex->wGroupCounts[k];
    if (ppOrder != nullptr)
        *ppOrder = pIndex->pOrders[k];
    return pIndex->pGroups[k];
}

DWORD FindConstraint(WORD wControl, SHORT sValue, const CONSTRAINT_GROUP* pGroups, WORD wCount, WORD* pFirst,
                     WORD* pLast)
{
    *pFirst = 0;
    *pLast = 0;
    if (pGroups == nullptr)
        return 0;
    int lo = 0;
    int hi = static_cast<int>(wCount) - 1;
    while (lo <= hi) {
        const int mid = (lo + hi) / 2;
        const CONSTRAINT_GROUP group = pGroups[mid];
        if (group.wControl == wControl && group.sValue == sValue) {
            *pFirst = group.wFirst;
            *pLast = group.wLast;
            return 1;
        }
        if (group.wControl < wControl)
            lo = mid + 1;
        else if (group.wControl > wControl)
            hi = mid - 1;
        else if (group.sValue >= sValue)
            hi = mid - 1;
        else
            lo = mid + 1;
    }
    return 0;
}
