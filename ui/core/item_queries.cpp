// item_queries.cpp - the settings of the pages by control id. Values live in the sheet's working state, which
// is packed: every read and write of a bound value goes through memcpy at the value's offset.
#include "ui/core/item_queries.h"

#include "settings/paper/option_table.h"
#include "settings/paper/paper_queries.h"
#include "settings/params/uiparam_table.h"
#include "settings/strings/res_strings.h"
#include "ui/core/control_ids.h"
#include "ui/core/finishing_paper_tables.h"
#include "ui/core/item_table.h"
#include "ui/core/item_value_maps.h"
#include "ui/core/option_names.h"
#include "ui/core/prohibition_tables.h"
#include "ui/core/radio_values.h"
#include "ui/core/rule_tables.h"

#include <cstring>

static UI_TABLE_COUNTS g_counts;

void InitUiTables()
{
    for (int k = 0; k < kProhibitionTables; ++k)
        g_counts.wProhibitions[k] = CountProhibitionRows(k);
    g_counts.wItems = CountUiItemRows();
    g_counts.wOptionNames = CountOptionNameRows();
    g_counts.wRadioValues = CountRadioValueRows();
    g_counts.wControlRules = CountControlRuleRows();
    g_counts.wOptionRules = CountOptionRuleRows();
    g_counts.wThirdRules = CountThirdRuleRows();
    g_counts.wStaplePapers = CountStaplePaperRows();
    g_counts.wPunchPapers = CountPunchPaperRows();
    g_counts.wFoldPapers = CountFoldPaperRows();
    g_counts.wLayoutPapers = CountLayoutPaperRows();
}

const UI_TABLE_COUNTS& GetUiTableCounts()
{
    return g_counts;
}

void BindItemValues(UI_STATE* pState)
{
    UI_ITEM* pRows = GetUiItemRows();
    for (WORD i = 0; i < g_counts.wItems; ++i)
        pRows[i].pValue = MapItemValue(pState, pRows[i].wPage, pRows[i].wControl);
}

UI_ITEM* FindUiItem(WORD wControl)
{
    UI_ITEM* pRows = GetUiItemRows();
    for (WORD i = 0; i < g_counts.wItems; ++i)
        if (pRows[i].wControl == wControl)
            return &pRows[i];
    return nullptr;
}

namespace {

// Which word of a setting's storage: lists keep current, position, committed, default; value records current,
// committed, default.
enum class ValueWord { Current, Committed, Default };

} // namespace

static bool IsValueKind(WORD wKind)
{
    return wKind == kItemList || wKind == kItemRadio || wKind == kItemCheck || wKind == kItemNumber ||
           wKind == kItemTrackbar;
}

static std::size_t WordOffset(WORD wKind, ValueWord word)
{
    const bool isList = wKind == kItemList || wKind == kItemRadio;
    switch (word) {
    case ValueWord::Current:   return isList ? offsetof(ITEM_LIST, wCurrent) : offsetof(VALUE_RECORD, wCurrent);
    case ValueWord::Committed: return isList ? offsetof(ITEM_LIST, wCommitted) : offsetof(VALUE_RECORD, wCommitted);
    case ValueWord::Default:   return isList ? offsetof(ITEM_LIST, wDefault) : offsetof(VALUE_RECORD, wDefault);
    }
    return 0;
}

static WORD ReadItemWord(WORD wControl, ValueWord word)
{
    const UI_ITEM* pItem = FindUiItem(wControl);
    if (pItem == nullptr)
        return kAbsentItem;
    if (pItem->wKind == kItemDefaults)
        return 0;
    if (!IsValueKind(pItem->wKind) || pItem->pValue == nullptr)
        return kAbsentItem;
    WORD value = 0;
    std::memcpy(&value, static_cast<const BYTE*>(pItem->pValue) + WordOffset(pItem->wKind, word), sizeof value);
    return value;
}

static void WriteItemWord(WORD wControl, ValueWord word, WORD wValue)
{
    UI_ITEM* pRows = GetUiItemRows();
    for (WORD i = 0; i < g_counts.wItems; ++i) {
        const UI_ITEM& row = pRows[i];
        if (row.wControl != wControl || !IsValueKind(row.wKind) || row.pValue == nullptr)
            continue;
        std::memcpy(static_cast<BYTE*>(row.pValue) + WordOffset(row.wKind, word), &wValue, sizeof wValue);
    }
}

WORD GetItemValue(WORD wControl)
{
    return ReadItemWord(wControl, ValueWord::Current);
}

void SetItemValue(WORD wControl, WORD wValue)
{
    WriteItemWord(wControl, ValueWord::Current, wValue);
}

WORD GetItemDefaultValue(WORD wControl)
{
    return ReadItemWord(wControl, ValueWord::Default);
}

WORD GetItemCommittedValue(WORD wControl)
{
    return ReadItemWord(wControl, ValueWord::Committed);
}

void SetItemCommittedValue(WORD wControl, WORD wValue)
{
    WriteItemWord(wControl, ValueWord::Committed, wValue);
}

// The name the option table gives the value in the feature of the parameter the control shows; 0 for none.
static WORD FindOptionTableName(const UI_ITEM& item, WORD wValue)
{
    const UIPARAM_ROW* pParam = FindUiParamRow(GetItemParamId(item.wPage, item.wControl));
    if (pParam == nullptr || pParam->wFeature == kNoFeature)
        return 0;
    const WORD wFeature = pParam->wFeature;
    for (const OPTION_ROW* row = FindOptionRows(wFeature); row != nullptr && row->wFeature == wFeature; ++row)
        if (static_cast<WORD>(row->sValue) == wValue)
            return row->idsName;
    return 0;
}

LPCWSTR GetOptionValueName(WORD wControl, WORD wValue)
{
    if (wControl == kIdOriginalSize || wControl == kIdOutputPaper)
        return GetPaperName(static_cast<SHORT>(wValue));
    const OPTION_NAME_ENTRY* pRows = GetOptionNameRows();
    for (WORD i = 0; i < g_counts.wOptionNames; ++i) {
        const OPTION_NAME_ENTRY& row = pRows[i];
        if (row.wItem != wControl)
            continue;
        if (row.idsName != kIdsOptionTableName) {
            if (row.wValue == wValue)
                return GetResString(row.idsName);
            continue;
        }
        const UI_ITEM* pItem = FindUiItem(wControl);
        const WORD idsName = pItem != nullptr ? FindOptionTableName(*pItem, wValue) : 0;
        return idsName != 0 ? GetResString(idsName) : nullptr;
    }
    return nullptr;
}

LPCWSTR GetItemLabel(WORD wControl)
{
    const UI_ITEM* pItem = FindUiItem(wControl);
    return pItem != nullptr ? GetResString(pItem->wLabel) : nullptr;
}

LONG GetItemKind(WORD wControl)
{
    const UI_ITEM* pItem = FindUiItem(wControl);
    return pItem != nullptr ? static_cast<LONG>(pItem->wKind) : -1;
}

WORD GetItemPage(WORD wControl)
{
    const UI_ITEM* pItem = FindUiItem(wControl);
    return pItem != nullptr ? pItem->wPage : kAbsentItem;
}

void* GetItemValuePtr(WORD wControl)
{
    const UI_ITEM* pItem = FindUiItem(wControl);
    return pItem != nullptr ? pItem->pValue : nullptr;
}

ITEM_LIST* GetItemOptionList(WORD wControl)
{
    const UI_ITEM* pItem = FindUiItem(wControl);
    if (pItem == nullptr || pItem->wKind != kItemList)
        return nullptr;
    return static_cast<ITEM_LIST*>(pItem->pValue);
}

WORD GetItemOptionValue(WORD wControl, WORD wItem)
{
    const ITEM_LIST* pList = GetItemOptionList(wControl);
    if (pList == nullptr || wItem >= pList->wCount)
        return kAbsentItem;
    return NamedEntries(pList)[wItem].wValue;
}

DWORD GetItemFlags(WORD wControl)
{
    const UI_ITEM* pItem = FindUiItem(wControl);
    return pItem != nullptr ? pItem->dwPageMask : 0xFFFFFFFF;
}

DWORD GetItemMessageClass(WORD wControl)
{
    const UI_ITEM* pItem = FindUiItem(wControl);
    return pItem != nullptr ? pItem->dwMessageClass : 0xFFFFFFFF;
}

DWORD GetItemExtra(WORD wControl)
{
    const UI_ITEM* pItem = FindUiItem(wControl);
    return pItem != nullptr ? pItem->dwExtra : 0;
}

LONG GetRadioButtonValue(WORD wControl)
{
    const RADIO_VALUE_ENTRY* pRows = GetRadioValueRows();
    for (WORD i = 0; i < g_counts.wRadioValues; ++i)
        if (pRows[i].wControl == wControl)
            return pRows[i].sValue;
    return -1;
}
