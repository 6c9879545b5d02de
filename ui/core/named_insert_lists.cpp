// named_insert_lists.cpp - the named insert-sheet lists and the working list.
#include "ui/core/named_insert_lists.h"

#include "settings/paper/feature_table.h"
#include "settings/store/intersheet_lists.h"
#include "settings/store/list_group_records.h"
#include "settings/store/settings_store.h"

#include <algorithm>
#include <cstring>
#include <iterator>

// The store's list n (1 .. 10) when the state, the feature and the store allow; null otherwise.
static INTERSHEET_LIST* FindList(UI_STATE* pState, SHORT n)
{
    if (pState == nullptr || IsFeatureIdEnabled(SwitchableFeature::InsertSheets) == 0 || pState->pStore == nullptr)
        return nullptr;
    const INTERSHEET_GROUP* pGroup = pState->pStore->lpInterSheet;
    if (pGroup == nullptr || pGroup->lpLists == nullptr || n < 1 || n > static_cast<SHORT>(kInterSheetListCount))
        return nullptr;
    return &pGroup->lpLists[n - 1];
}

BOOL LoadNamedInsertList(HWND, UI_STATE* pState)
{
    INTERSHEET_LIST* pList = FindList(pState, pState != nullptr ? pState->InterSheetListData_nCurrent : 0);
    if (pList == nullptr)
        return FALSE;
    if (pList->lpEntries != nullptr && pState->InsertSheetEntries != nullptr)
        std::memcpy(pState->InsertSheetEntries, pList->lpEntries, kInterSheetEntryCapacity * sizeof(INTERSHEET_ENTRY));
    pState->InterSheetListData_Mixplex = pList->Mixplex;
    // A count from a damaged store cannot make the working list longer than its array.
    pState->InterSheetListData_PageListNum =
        std::clamp<SHORT>(SHORT{ pList->PageListNum }, 0, static_cast<SHORT>(kInterSheetEntryCapacity));
    pState->Mixplex_Check.wCurrent = static_cast<WORD>(pState->InterSheetListData_Mixplex);
    return TRUE;
}

BOOL SaveNamedInsertList(HWND, UI_STATE* pState)
{
    INTERSHEET_LIST* pList = FindList(pState, pState != nullptr ? pState->InterSheetListData_nCurrent : 0);
    if (pList == nullptr)
        return FALSE;
    if (pList->lpEntries != nullptr && pState->InsertSheetEntries != nullptr)
        std::memcpy(pList->lpEntries, pState->InsertSheetEntries, kInterSheetEntryCapacity * sizeof(INTERSHEET_ENTRY));
    pList->Mixplex = pState->InterSheetListData_Mixplex;
    pList->PageListNum = pState->InterSheetListData_PageListNum;
    return TRUE;
}

BOOL LoadInsertListNames(HWND, UI_STATE* pState)
{
    if (FindList(pState, 1) == nullptr)
        return FALSE;
    ITEM_LIST* pItems = pState->lpInterSheetList;
    if (pItems == nullptr)
        return TRUE;
    const WORD count = std::min<WORD>(WORD{ pItems->wCount }, kInterSheetListCount);
    for (WORD i = 0; i < count; ++i) {
        ITEM_LIST_ENTRY& item = NamedEntries(pItems)[i];
        const INTERSHEET_LIST* pList = FindList(pState, static_cast<SHORT>(i + 1));
        WCHAR name[std::size(INTERSHEET_LIST{}.Name)] = {};
        std::memcpy(name, pList->Name, sizeof name);
        name[std::size(name) - 1] = u'\0';
        WCHAR itemName[std::size(ITEM_LIST_ENTRY{}.szName)] = {};
        std::memcpy(itemName, name, sizeof name);
        std::memcpy(item.szName, itemName, sizeof itemName);
    }
    return TRUE;
}
