// font_sub_list.cpp - the FontSubTbl list group: allocation, copies, defaults, fields and registry walks.
#include "settings/store/font_sub_list.h"
#include "settings/paper/feature_table.h"
#include "settings/base/global_memory.h"
#include "settings/store/list_groups.h"
#include "settings/store/list_group_walk.h"
#include "settings/store/settings_store.h"

#include <cstring>

constexpr DWORD kPairBlockBytes = kMaxFontSubNodes * sizeof(FONT_SUB_PAIR);

constexpr WORD kFontSubItemList = 30;
constexpr WORD kFontSubItemCount = 31;
constexpr WORD kFontSubItemIndex = 32;
constexpr WORD kFontSubItemTrueType = 34;
constexpr WORD kFontSubItemDevice = 36;

static bool IsEnabled()
{
    return IsListGroupEnabled(kFontSubListGroup) != 0;
}

FONT_SUB_LIST* NewFontSubList()
{
    if (!IsEnabled())
        return nullptr;
    auto* list = static_cast<FONT_SUB_LIST*>(AllocLockedBlock(sizeof(FONT_SUB_LIST)));
    if (list == nullptr)
        return nullptr;
    list->lpPairs = static_cast<FONT_SUB_PAIR*>(AllocLockedBlock(kPairBlockBytes));
    if (list->lpPairs == nullptr)
        FreeFontSubList(&list);
    return list;
}

void FreeFontSubList(FONT_SUB_LIST** cell)
{
    if (cell == nullptr || *cell == nullptr)
        return;
    FreeLockedBlock((*cell)->lpPairs);
    FreeLockedBlock(*cell);
    *cell = nullptr;
}

BOOL CopyFontSubList(FONT_SUB_LIST* target, const FONT_SUB_LIST* source)
{
    if (!IsEnabled())
        return TRUE;
    if (target == nullptr || source == nullptr)
        return FALSE;
    if (target == source)
        return TRUE;
    FONT_SUB_LIST head;
    std::memcpy(&head, source, sizeof head);
    head.lpPairs = target->lpPairs;
    std::memcpy(target, &head, sizeof head);
    if (target->lpPairs != nullptr && source->lpPairs != nullptr)
        std::memcpy(target->lpPairs, source->lpPairs, kPairBlockBytes);
    return TRUE;
}

BOOL SetDefaultFontSubs(FONT_SUB_LIST* list)
{
    if (!IsEnabled())
        return TRUE;
    if (list == nullptr)
        return FALSE;
    const UINT count = GetDefaultFontSubCount();
    list->FontSubTblNum = static_cast<SHORT>(count);
    list->Index = 0;
    if (list->lpPairs != nullptr) {
        std::memset(list->lpPairs, 0, kPairBlockBytes);
        std::memcpy(list->lpPairs, GetDefaultFontSubTable(), count * sizeof(FONT_SUB_PAIR));
    }
    return TRUE;
}

BOOL GetFontSubFieldInfo(WORD wItem, WORD /*keyIndex*/, WORD valueIndex, void** address, DWORD* size,
                         DWORD* type, FONT_SUB_LIST* list)
{
    if (address == nullptr || size == nullptr || type == nullptr || list == nullptr)
        return FALSE;
    BYTE* base = reinterpret_cast<BYTE*>(list);
    switch (wItem) {
    case kFontSubItemList:
        *address = base;
        *size = sizeof(FONT_SUB_LIST);
        *type = kFieldBlock;
        return TRUE;
    case kFontSubItemCount:
    case kFontSubItemIndex:
        *address = base + (wItem == kFontSubItemCount ? offsetof(FONT_SUB_LIST, FontSubTblNum)
                                                      : offsetof(FONT_SUB_LIST, Index));
        *size = 2;
        *type = kFieldI16;
        return TRUE;
    case kFontSubItemTrueType:
    case kFontSubItemDevice: {
        if (valueIndex >= kMaxFontSubNodes || list->lpPairs == nullptr)
            return FALSE;
        BYTE* pair = reinterpret_cast<BYTE*>(list->lpPairs + valueIndex);
        *address = pair + (wItem == kFontSubItemTrueType ? offsetof(FONT_SUB_PAIR, TTFaceName)
                                                         : offsetof(FONT_SUB_PAIR, DevFaceName));
        *size = kFontSubFaceChars * sizeof(WCHAR);
        *type = kFieldText;
        return TRUE;
    }
    default:
        return FALSE;
    }
}

BOOL LoadFontSubList(FONT_SUB_LIST* list, const LIST_SCHEMA_SET* schemas, LPCWSTR printerName)
{
    const BOOL done = WalkOneListGroup(list, &SETTINGS_STORE::lpFontSub, kFontSubListGroup, schemas, printerName,
                                       ListWalkMode::Read);
    if (done && list != nullptr)
        list->FontSubTblNum = BoundStoredCount(list->FontSubTblNum, kMaxFontSubNodes);
    return done;
}

BOOL SaveFontSubList(FONT_SUB_LIST* list, const LIST_SCHEMA_SET* schemas, LPCWSTR printerName)
{
    return WalkOneListGroup(list, &SETTINGS_STORE::lpFontSub, kFontSubListGroup, schemas, printerName,
                            ListWalkMode::Write);
}

BOOL WriteDefaultFontSubs(const LIST_SCHEMA_SET* schemas, LPCWSTR printerName)
{
    return WriteListGroupDefaults(&SETTINGS_STORE::lpFontSub, kFontSubListGroup, NewFontSubList, SetDefaultFontSubs,
                                  FreeFontSubList, schemas, printerName);
}
