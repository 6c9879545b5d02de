// resolve_services.cpp - the services around the resolve passes.
#include "ui/core/resolve_services.h"

#include "settings/base/global_memory.h"
#include "settings/paper/feature_table.h"
#include "settings/params/ui_state_store.h"
#include "settings/store/intersheet_lists.h"
#include "settings/store/list_group_records.h"
#include "settings/store/settings_store.h"
#include "ui/core/control_ids.h"
#include "ui/core/control_rules.h"
#include "ui/core/item_constraints.h"
#include "ui/core/item_queries.h"
#include "ui/core/item_table.h"
#include "ui/core/named_insert_lists.h"
#include "ui/core/rule_callbacks.h"
#include "ui/core/saved_values.h"
#include "settings/paper/paper_ids.h"

#include <cstring>

// The last chosen original size and output paper, for every sheet of the process.
static WORD g_storedPapers[][2] = { { kIdOriginalSize, 0 }, { kIdOutputPaper, 0 } };

void StorePaperSelection(WORD wControl, WORD wValue)
{
    for (auto& slot : g_storedPapers) {
        if (slot[0] == wControl)
            slot[1] = wValue;
    }
}

WORD GetStoredPaperSelection(WORD wControl)
{
    for (const auto& slot : g_storedPapers) {
        if (slot[0] == wControl)
            return slot[1];
    }
    return 0;
}

DWORD ResolveStoredPaperChange(HWND, UI_STATE*, CHANGE_LIST* pChanges)
{
    if (pChanges->wCount == 0)
        return 0;
    CHANGE_ENTRY& first = pChanges->pEntries[0];
    if ((first.wControl != kIdOriginalSize && first.wControl != kIdOutputPaper) || first.wNew != kStoredPaperSelection)
        return 0;
    first.wNew = GetStoredPaperSelection(first.wControl);
    SetItemValue(first.wControl, first.wNew);
    return 1;
}

// A copy of count elements in a block of its own; null for none, and *pFailed when it could not be had.
template <typename T>
static T* CopyBlock(const T* pSource, WORD count, bool* pFailed)
{
    if (pSource == nullptr || count == 0)
        return nullptr;
    T* pCopy = static_cast<T*>(AllocLockedBlock(count * sizeof(T)));
    if (pCopy == nullptr) {
        *pFailed = true;
        return nullptr;
    }
    std::memcpy(pCopy, pSource, count * sizeof(T));
    return pCopy;
}

static void FreeMessage(CONFLICT_MESSAGE* pMessage)
{
    if (pMessage == nullptr)
        return;
    FreeChangeList(&pMessage->changes);
    FreeConflictList(&pMessage->conflicts);
    FreeLockedBlock(pMessage);
}

void SavePendingConflictMessage(HWND, UI_STATE* pState, const CHANGE_LIST* pChanges,
                                const CONFLICT_LIST* pConflicts)
{
    FreePendingConflictMessage(pState);
    auto* pMessage = static_cast<CONFLICT_MESSAGE*>(AllocLockedBlock(sizeof(CONFLICT_MESSAGE)));
    if (pMessage == nullptr)
        return;
    bool failed = false;
    pMessage->changes = *pChanges;
    pMessage->changes.pEntries = CopyBlock(pChanges->pEntries, pChanges->wCount, &failed);
    pMessage->conflicts = *pConflicts;
    pMessage->conflicts.pConflicts = CopyBlock(pConflicts->pConflicts, pConflicts->wConflictCount, &failed);
    pMessage->conflicts.pPartners = CopyBlock(pConflicts->pPartners, pConflicts->wPartnerCount, &failed);
    pMessage->conflicts.wConflictRoom = pConflicts->wConflictCount;
    pMessage->conflicts.wPartnerRoom = pConflicts->wPartnerCount;
    if (failed) {
        // Half a message would tell the user less than happened: none is kept.
        FreeMessage(pMessage);
        return;
    }
    pState->pPendingConflict = pMessage;
    pState->PendingConflict = 1;
}

void FreePendingConflictMessage(UI_STATE* pState)
{
    FreeMessage(pState->pPendingConflict);
    pState->pPendingConflict = nullptr;
    pState->PendingConflict = 0;
}

namespace {

constexpr DWORD kDefaultsButtonMask = 4;
constexpr WORD kInsertSheetDialog = 2400;
constexpr WORD kNamedListDialog = 2430;
constexpr WORD kTabTextDialog = 2450;

// Collects (control, saved or current, current) of the rows that qualify and differ from their saved value,
// sized to fit them all.
template <typename Qualifies>
CHANGE_ENTRY* CollectRows(Qualifies qualifies, bool savedInFirst, WORD* pCount)
{
    *pCount = 0;
    const UI_ITEM* pRows = GetUiItemRows();
    const WORD rows = GetUiTableCounts().wItems;
    WORD count = 0;
    for (WORD i = 0; i < rows; ++i) {
        if (qualifies(pRows[i]) && GetItemValue(pRows[i].wControl) != pRows[i].wSavedValue)
            ++count;
    }
    if (count == 0)
        return nullptr;
    auto* pEntries = static_cast<CHANGE_ENTRY*>(AllocLockedBlock(count * sizeof(CHANGE_ENTRY)));
    if (pEntries == nullptr)
        return nullptr;
    WORD n = 0;
    for (WORD i = 0; i < rows && n < count; ++i) {
        const WORD current = GetItemValue(pRows[i].wControl);
        if (qualifies(pRows[i]) && current != pRows[i].wSavedValue)
            pEntries[n++] = { pRows[i].wControl, savedInFirst ? pRows[i].wSavedValue : current, current };
    }
    *pCount = n;
    return pEntries;
}

} // namespace

void CollectChangedPageItems(UI_STATE* pState, WORD wPage)
{
    FreeChangedPageItems(pState);
    WORD count = 0;
    pState->pChangedPageItems = CollectRows(
        [wPage](const UI_ITEM& row) { return row.wPage == wPage && ItemCarriesValue(row.wKind); }, true, &count);
    pState->ChangedPageItemCount = count;
    pState->ChangedItemsPage = wPage;
}

void FreeChangedPageItems(UI_STATE* pState)
{
    FreeLockedBlock(pState->pChangedPageItems);
    pState->pChangedPageItems = nullptr;
    pState->ChangedPageItemCount = 0;
    pState->ChangedItemsPage = 0;
}

void MergeChangedPageItems(UI_STATE* pState, CHANGE_LIST* pChanges)
{
    for (WORD i = 0; i < pState->ChangedPageItemCount; ++i) {
        const CHANGE_ENTRY entry = pState->pChangedPageItems[i];
        if (FindChange(pChanges, entry.wControl) < 0 &&
            !AppendChange(pChanges, entry.wControl, entry.wPrevious, entry.wNew))
            return;
    }
}

void CollectChangedItems(UI_STATE* pState)
{
    FreeChangedItems(pState);
    WORD count = 0;
    pState->pChangedItems = CollectRows(
        [](const UI_ITEM& row) {
            return ItemCarriesValue(row.wKind) && (row.dwPageMask & kDefaultsButtonMask) == 0 &&
                   row.wPage != kInsertSheetDialog && row.wPage != kNamedListDialog && row.wPage != kTabTextDialog;
        },
        false, &count);
    pState->ChangedItemCount = count;
}

void FreeChangedItems(UI_STATE* pState)
{
    FreeLockedBlock(pState->pChangedItems);
    pState->pChangedItems = nullptr;
    pState->ChangedItemCount = 0;
}

void CoupleLayoutOrder(UI_STATE*, CHANGE_LIST* pChanges)
{
    int orderEntry = FindChange(pChanges, kIdOrderCombo);
    const int finishingOrderEntry = FindChange(pChanges, kIdFinishingOrderCombo);
    if (orderEntry < 0 || (finishingOrderEntry >= 0 && finishingOrderEntry < orderEntry))
        orderEntry = finishingOrderEntry;
    const WORD previous = orderEntry >= 0 ? pChanges->pEntries[orderEntry].wPrevious : GetItemValue(kIdOrderCombo);
    const WORD count = pChanges->wCount;
    for (WORD i = 0; i < count; ++i) {
        const CHANGE_ENTRY entry = pChanges->pEntries[i];
        if (entry.wControl != kIdNupCombo && entry.wControl != kIdFinishingNupCombo)
            continue;
        const WORD orderControl = entry.wControl == kIdNupCombo ? kIdOrderCombo : kIdFinishingOrderCombo;
        WORD order = GetItemValue(orderControl);
        // One page per sheet and booklets take the plain orders; several pages per sheet the layout orders.
        const bool single = entry.wNew == 1 || entry.wNew == 8;
        if (single && order >= 3 && order <= 6)
            order = 1;
        else if (!single && (order == 1 || order == 2))
            order = 3;
        const int listed = FindChange(pChanges, orderControl);
        if (listed >= 0) {
            pChanges->pEntries[listed].wPrevious = previous;
            pChanges->pEntries[listed].wNew = order;
        } else if (!AppendChange(pChanges, orderControl, previous, order)) {
            return;
        }
        SetItemValue(orderControl, order);
    }
}

void CoupleNamedInsertList(HWND hDlg, UI_STATE* pState, CHANGE_LIST* pChanges)
{
    const WORD selected = GetItemValue(kIdNamedInsertList);
    if (FindChange(pChanges, kIdNamedInsertList) >= 0 &&
        selected != static_cast<WORD>(pState->InterSheetListData_nCurrent)) {
        SaveNamedInsertList(hDlg, pState);
        const WORD before = GetItemValue(kIdNamedListSides);
        pState->InterSheetListData_nCurrent = static_cast<SHORT>(selected);
        LoadNamedInsertList(hDlg, pState);
        const INTERSHEET_GROUP* pGroup = pState->pStore != nullptr ? pState->pStore->lpInterSheet : nullptr;
        if (pGroup != nullptr && pGroup->lpLists != nullptr && selected >= 1 && selected <= kInterSheetListCount &&
            pGroup->lpLists[selected - 1].lpIndexPaper != nullptr)
            SetIndexPaperSettings(pState, pGroup->lpLists[selected - 1].lpIndexPaper);
        AppendChange(pChanges, kIdNamedListSides, before, GetItemValue(kIdNamedListSides));
    }
    SetItemValue(kIdNamedListSides, static_cast<WORD>(pState->InterSheetListData_Mixplex));
}

namespace {

bool BothEnabled(WORD a, WORD b)
{
    return IsControlEnabled(a) && IsControlEnabled(b);
}

// The state of the first option with the value; available when the list has no such option.
bool IsOptionProhibited(WORD wControl, WORD wValue)
{
    const auto* pList = static_cast<const ITEM_LIST*>(GetItemValuePtr(wControl));
    if (pList == nullptr || GetItemKind(wControl) != kItemList)
        return false;
    const ITEM_LIST_ENTRY* pOptions = NamedEntries(pList);
    for (WORD i = 0; i < pList->wCount; ++i) {
        if (pOptions[i].wValue == wValue)
            return pOptions[i].wState == kOptionProhibited;
    }
    return false;
}

// The index paper of the named list the list item selects; 0 when it has none.
WORD SelectedListPaper(const UI_STATE* pState)
{
    const WORD selected = GetItemValue(kIdNamedInsertList);
    const INTERSHEET_GROUP* pGroup = pState->pStore != nullptr ? pState->pStore->lpInterSheet : nullptr;
    if (pGroup == nullptr || pGroup->lpLists == nullptr || selected < 1 || selected > kInterSheetListCount)
        return 0;
    const INDEX_PAPER_SETTINGS* pPaper = pGroup->lpLists[selected - 1].lpIndexPaper;
    return pPaper != nullptr ? pPaper->TabPaperSize : 0;
}

struct KeptControl {
    WORD control;
    WORD value;
    BOOL enabled;
};

constexpr WORD kCustomSizeMark = 0x1000;
constexpr WORD kManualTray = 4;
constexpr WORD kTabPaperType = 8;            // the paper type of index paper fed by hand
constexpr WORD kRasterGraphics = 1;

} // namespace

WORD CheckInsertSheetList(HWND, UI_STATE* pState, DWORD dwMode)
{
    const UINT entries = CountInsertSheetEntries(pState);
    const INTERSHEET_GROUP* pGroup = pState->pStore != nullptr ? pState->pStore->lpInterSheet : nullptr;
    if (IsFeatureIdEnabled(SwitchableFeature::InsertSheets) == 0 || pGroup == nullptr || pGroup->lpLists == nullptr ||
        !IsControlEnabled(kIdInsertSheetList) || entries == 0)
        return 0;
    INTERSHEET_ENTRY* pEntries = pState->InsertSheetEntries;
    WORD before = 0;
    if (dwMode == kInsertCheckNewly) {
        for (UINT i = 0; i < entries; ++i)
            before += pEntries[i].Stat == kOptionProhibited ? 1 : 0;
    }

    KeptControl kept[] = { { kIdInsertPrintKind, 0, 0 }, { kIdInsertTray, 0, 0 }, { kIdInsertBinding, 0, 0 },
                           { kIdInsertIndexPaper, 0, 0 } };
    for (KeptControl& k : kept) {
        k.value = GetItemValue(k.control);
        k.enabled = IsControlEnabled(k.control);
        SetControlRuleEnabled(k.control, 1);
    }
    const bool duplex = BothEnabled(kIdDuplexCheck, kIdDuplexCombo) ||
                        BothEnabled(kIdFinishingDuplexCheck, kIdFinishingDuplexCombo);
    const WORD outputPaper = GetItemValue(kIdOutputPaper);
    const WORD listPaper = SelectedListPaper(pState);

    // Whether the index paper can be stapled where the job staples.
    bool stapleProhibited = false;
    if (BothEnabled(kIdStapleCheck, kIdStaplePosition) ||
        BothEnabled(kIdFinishingStapleCheck, kIdFinishingStaplePosition)) {
        const BOOL stapleEnabled = IsControlEnabled(kIdStaplePosition);
        SetItemValue(kIdOutputPaper, listPaper);
        SetControlRuleEnabled(kIdStaplePosition, 1);
        EvaluateControlItems(pState, kIdStaplePosition);
        stapleProhibited = IsOptionProhibited(kIdStaplePosition, GetItemValue(kIdStaplePosition));
        SetItemValue(kIdOutputPaper, outputPaper);
        SetControlRuleEnabled(kIdStaplePosition, stapleEnabled);
        EvaluateControlItems(pState, kIdStaplePosition);
    }
    const bool indexPaperExcluded =
        stapleProhibited || BothEnabled(kIdPunchCheck, kIdPunchPosition) ||
        BothEnabled(kIdFinishingPunchCheck, kIdFinishingPunchPosition) ||
        BothEnabled(kIdOneSheetCheck, kIdOneSheetMode) || BothEnabled(kIdFoldCheck, kIdFoldKind) ||
        (duplex && GetItemValue(kIdNamedListSides) == 0) || GetItemValue(kIdGraphicsMode) == kRasterGraphics;

    WORD prohibited = 0;
    for (UINT i = 0; i < entries; ++i) {
        INTERSHEET_ENTRY& entry = pEntries[i];
        const WORD type = static_cast<WORD>(entry.Type);
        const WORD tray = static_cast<WORD>(entry.Tray);
        const WORD binding = static_cast<WORD>(entry.Binding);
        const bool indexPaper = entry.PrnTabIndex == 1;
        SetItemValue(kIdInsertPrintKind, type);
        SetItemValue(kIdInsertTray, tray);
        SetItemValue(kIdInsertBinding, binding);
        SetItemValue(kIdInsertIndexPaper, static_cast<WORD>(entry.PrnTabIndex));
        WORD paper = outputPaper;
        if (outputPaper == kPaperSameAsPaper)
            paper = GetItemValue(kIdOriginalSize) & static_cast<WORD>(~kCustomSizeMark);
        if (indexPaper)
            paper = listPaper;
        SetItemValue(kIdOutputPaper, paper);
        EvaluateControlItems(pState, kIdInsertTray);
        EvaluateControlItems(pState, kIdInsertPrintKind);
        EvaluateControlItems(pState, kIdInsertBinding);
        bool out = IsOptionProhibited(kIdInsertTray, tray) || IsOptionProhibited(kIdInsertPrintKind, type) ||
                   IsOptionProhibited(kIdInsertBinding, binding);
        if (indexPaper) {
            out = out || indexPaperExcluded ||
                  (tray == kManualTray && IsControlEnabled(kIdCoverPaperType) &&
                   GetItemValue(kIdCoverPaperType) != kTabPaperType);
        }
        entry.Stat = out ? kOptionProhibited : kOptionAvailable;
        prohibited += out ? 1 : 0;
    }
    SetItemValue(kIdOutputPaper, outputPaper);

    for (const KeptControl& k : kept) {
        SetItemValue(k.control, k.value);
        SetControlRuleEnabled(k.control, k.enabled);
    }
    EvaluateControlItems(pState, kIdInsertTray);
    EvaluateControlItems(pState, kIdInsertPrintKind);
    EvaluateControlItems(pState, kIdInsertBinding);

    switch (dwMode) {
    case kInsertCheckCount: return prohibited;
    case kInsertCheckNewly: return prohibited > before ? static_cast<WORD>(prohibited - before) : 0;   // never wraps
    default: return 0;
    }
}
