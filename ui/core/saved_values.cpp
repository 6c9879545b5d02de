// saved_values.cpp - the saved slots of the item table.
#include "ui/core/saved_values.h"

#include "ui/core/item_queries.h"
#include "ui/core/item_table.h"

void SaveItemValues(UI_STATE* pState)
{
    BindItemValues(pState);
    UI_ITEM* pRows = GetUiItemRows();
    for (WORD i = 0; i < GetUiTableCounts().wItems; ++i) {
        if (ItemCarriesValue(pRows[i].wKind))
            pRows[i].wSavedValue = GetItemValue(pRows[i].wControl);
    }
}

void RestoreItemValues(UI_STATE* pState)
{
    BindItemValues(pState);
    const UI_ITEM* pRows = GetUiItemRows();
    for (WORD i = 0; i < GetUiTableCounts().wItems; ++i) {
        if (ItemCarriesValue(pRows[i].wKind))
            SetItemValue(pRows[i].wControl, pRows[i].wSavedValue);
    }
}

WORD GetSavedItemValue(WORD wControl)
{
    const UI_ITEM* pItem = FindUiItem(wControl);
    return pItem != nullptr ? pItem->wSavedValue : 0xFFFF;
}
