// form_list.cpp - the Form list group: allocation, copies, defaults, fields and registry walks.
#include "settings/store/form_list.h"
#include "settings/paper/feature_table.h"
#include "settings/base/global_memory.h"
#include "settings/strings/res_strings.h"
#include "settings/store/list_groups.h"
#include "settings/store/list_group_walk.h"
#include "settings/store/settings_store.h"
#include "settings/strings/text_copy.h"

#include <cstring>

constexpr WORD kFormItemList = 1;
constexpr WORD kFormItemCreateFile = 3;
constexpr WORD kFormItemPrintFile = 4;
constexpr WORD kFormItemCaption = 5;
constexpr WORD kFormItemMessage = 6;
constexpr WORD kFormItemStyle = 7;
constexpr WORD kFormItemCountBlock = 8;
constexpr WORD kFormItemCount = 9;
constexpr WORD kFormItemPath = 10;

constexpr DWORD kOverlayBlockBytes = kFormOverlayCapacity * kFormPathChars * sizeof(WCHAR);
constexpr DWORD kBoxBlockBytes = kFormBoxCount * sizeof(FORM_CONFIRM_BOX);

// The confirmation boxes' texts: box 1 has no caption of its own.
struct FORM_BOX_DEFAULT {
    UINT idsCaption;
    UINT idsMessage;
};
constexpr FORM_BOX_DEFAULT kFormBoxDefaults[kFormBoxCount] = {
    {0,     29543},
    {29541, 29544},
    {29542, 29545},
};
constexpr DWORD kFormBoxStyle = 0x1024;   // MB_YESNO | MB_ICONQUESTION | MB_SYSTEMMODAL

static bool IsEnabled()
{
    return IsListGroupEnabled(kFormListGroup) != 0;
}

FORM_LIST* NewFormList()
{
    if (!IsEnabled())
        return nullptr;
    auto* list = static_cast<FORM_LIST*>(AllocLockedBlock(sizeof(FORM_LIST)));
    if (list == nullptr)
        return nullptr;
    list->lpOverlayFiles = static_cast<WCHAR(*)[kFormPathChars]>(AllocLockedBlock(kOverlayBlockBytes));
    list->lpBoxes = static_cast<FORM_CONFIRM_BOX*>(AllocLockedBlock(kBoxBlockBytes));
    if (list->lpOverlayFiles == nullptr || list->lpBoxes == nullptr)
        FreeFormList(&list);
    return list;
}

void FreeFormList(FORM_LIST** cell)
{
    if (cell == nullptr || *cell == nullptr)
        return;
    FreeLockedBlock((*cell)->lpOverlayFiles);
    FreeLockedBlock((*cell)->lpBoxes);
    FreeLockedBlock(*cell);
    *cell = nullptr;
}

BOOL CopyFormList(FORM_LIST* target, const FORM_LIST* source)
{
    if (!IsEnabled())
        return TRUE;
    if (target == nullptr || source == nullptr)
        return FALSE;
    if (target == source)
        return TRUE;
    FORM_LIST head;
    std::memcpy(&head, source, sizeof head);
    head.lpOverlayFiles = target->lpOverlayFiles;
    head.lpBoxes = target->lpBoxes;
    std::memcpy(target, &head, sizeof head);
    if (target->lpOverlayFiles != nullptr && source->lpOverlayFiles != nullptr)
        std::memcpy(target->lpOverlayFiles, source->lpOverlayFiles, kOverlayBlockBytes);
    if (target->lpBoxes != nullptr && source->lpBoxes != nullptr)
        std::memcpy(target->lpBoxes, source->lpBoxes, kBoxBlockBytes);
    return TRUE;
}

BOOL SetDefaultForms(FORM_LIST* list)
{
    if (!IsEnabled())
        return TRUE;
    if (list == nullptr)
        return FALSE;
    list->FormListNum = 0;
    CopyText(&list->CreateFileName, nullptr);
    CopyText(&list->PrintFileName, nullptr);
    if (list->lpOverlayFiles != nullptr)
        std::memset(list->lpOverlayFiles, 0, kOverlayBlockBytes);
    if (list->lpBoxes != nullptr) {
        InitResStrings();
        for (UINT i = 0; i < kFormBoxCount; ++i) {
            FORM_CONFIRM_BOX& box = list->lpBoxes[i];
            const FORM_BOX_DEFAULT& text = kFormBoxDefaults[i];
            CopyText(&box.Caption, text.idsCaption != 0 ? GetResString(text.idsCaption) : nullptr);
            CopyText(&box.Message, GetResString(text.idsMessage));
            box.Style = kFormBoxStyle;
        }
        TermResStrings();
    }
    return TRUE;
}

BOOL GetFormFieldInfo(WORD wItem, WORD /*keyIndex*/, WORD valueIndex, void** address, DWORD* size, DWORD* type,
                      FORM_LIST* list)
{
    if (address == nullptr || size == nullptr || type == nullptr || list == nullptr)
        return FALSE;
    BYTE* field = nullptr;
    DWORD cb = 0;
    DWORD code = kFieldText;
    switch (wItem) {
    case kFormItemList:
        field = reinterpret_cast<BYTE*>(list);
        cb = sizeof(FORM_LIST);
        code = kFieldBlock;
        break;
    case kFormItemCreateFile:
        field = reinterpret_cast<BYTE*>(list) + offsetof(FORM_LIST, CreateFileName);
        cb = sizeof list->CreateFileName;
        break;
    case kFormItemPrintFile:
        field = reinterpret_cast<BYTE*>(list) + offsetof(FORM_LIST, PrintFileName);
        cb = sizeof list->PrintFileName;
        break;
    case kFormItemCaption:
    case kFormItemMessage:
    case kFormItemStyle: {
        // Box n of the registry is element n - 1.
        if (valueIndex < 1 || valueIndex > kFormBoxCount || list->lpBoxes == nullptr)
            return FALSE;
        BYTE* box = reinterpret_cast<BYTE*>(list->lpBoxes + (valueIndex - 1));
        if (wItem == kFormItemStyle) {
            field = box + offsetof(FORM_CONFIRM_BOX, Style);
            cb = 4;
            code = kField32;
        } else {
            field = box + (wItem == kFormItemCaption ? offsetof(FORM_CONFIRM_BOX, Caption)
                                                     : offsetof(FORM_CONFIRM_BOX, Message));
            cb = 556;
        }
        break;
    }
    case kFormItemCountBlock:
        field = reinterpret_cast<BYTE*>(list) + offsetof(FORM_LIST, FormListNum);
        cb = 8;
        code = kFieldBlock;
        break;
    case kFormItemCount:
        field = reinterpret_cast<BYTE*>(list) + offsetof(FORM_LIST, FormListNum);
        cb = 2;
        code = kFieldI16;
        break;
    case kFormItemPath:
        if (valueIndex >= kFormOverlayCapacity || list->lpOverlayFiles == nullptr)
            return FALSE;
        field = reinterpret_cast<BYTE*>(list->lpOverlayFiles[valueIndex]);
        cb = kFormPathChars * sizeof(WCHAR);
        break;
    default:
        return FALSE;
    }
    *address = field;
    *size = cb;
    *type = code;
    return TRUE;
}

BOOL LoadFormList(FORM_LIST* list, const LIST_SCHEMA_SET* schemas, LPCWSTR printerName)
{
    const BOOL done = WalkOneListGroup(list, &SETTINGS_STORE::lpForm, kFormListGroup, schemas, printerName,
                                       ListWalkMode::Read);
    if (done && list != nullptr)
        list->FormListNum = BoundStoredCount(list->FormListNum, kFormOverlayCapacity);
    return done;
}

BOOL SaveFormList(FORM_LIST* list, const LIST_SCHEMA_SET* schemas, LPCWSTR printerName)
{
    return WalkOneListGroup(list, &SETTINGS_STORE::lpForm, kFormListGroup, schemas, printerName, ListWalkMode::Write);
}

BOOL WriteDefaultForms(const LIST_SCHEMA_SET* schemas, LPCWSTR printerName)
{
    return WriteListGroupDefaults(&SETTINGS_STORE::lpForm, kFormListGroup, NewFormList, SetDefaultForms, FreeFormList,
                                  schemas, printerName);
}
