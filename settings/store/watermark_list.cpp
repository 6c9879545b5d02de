// watermark_list.cpp - the WaterMark list group: allocation, copies, defaults, fields and registry walks.
#include "settings/store/watermark_list.h"
#include "settings/paper/feature_table.h"
#include "settings/base/global_memory.h"
#include "settings/strings/res_strings.h"
#include "settings/store/list_groups.h"
#include "settings/store/list_group_walk.h"
#include "settings/store/settings_store.h"
#include "settings/strings/text_copy.h"

#include <cstring>
#include <iterator>

constexpr DWORD kEntryBlockBytes = kWatermarkCapacity * sizeof(WATERMARK_ENTRY);

static bool IsEnabled()
{
    return IsListGroupEnabled(kWatermarkListGroup) != 0;
}

// The entry of a default row, with the given text.
static void FillWatermark(WATERMARK_ENTRY* entry, const WATERMARK_DEFAULT_ROW& row, const WCHAR* text)
{
    WATERMARK_ENTRY filled = {};
    CopyText(&filled.Text, text);
    WCHAR face[32];
    std::memcpy(face, row.Face, sizeof face);
    face[31] = u'\0';
    CopyText(&filled.Face, face);
    filled.Style = static_cast<DWORD>(row.Style);
    filled.Size = static_cast<DWORD>(row.Size);
    filled.Angle = row.Angle;
    filled.Colour = static_cast<DWORD>(row.Colour);
    filled.Density = static_cast<DWORD>(row.Density);
    filled.CenterX = row.CenterX;
    filled.CenterY = row.CenterY;
    std::memcpy(entry, &filled, sizeof filled);
}

WATERMARK_ENTRY* NewDefaultWatermark()
{
    auto* entry = static_cast<WATERMARK_ENTRY*>(AllocLockedBlock(sizeof(WATERMARK_ENTRY)));
    if (entry != nullptr)
        FillWatermark(entry, GetDefaultWatermarkTable(nullptr)[0], nullptr);
    return entry;
}

WATERMARK_LIST* NewWatermarkList()
{
    if (!IsEnabled())
        return nullptr;
    auto* list = static_cast<WATERMARK_LIST*>(AllocLockedBlock(sizeof(WATERMARK_LIST)));
    if (list == nullptr)
        return nullptr;
    list->lpEntries = static_cast<WATERMARK_ENTRY*>(AllocLockedBlock(kEntryBlockBytes));
    list->lpEditEntry = NewDefaultWatermark();
    if (list->lpEntries == nullptr || list->lpEditEntry == nullptr)
        FreeWatermarkList(&list);
    return list;
}

void FreeWatermarkList(WATERMARK_LIST** cell)
{
    if (cell == nullptr || *cell == nullptr)
        return;
    FreeLockedBlock((*cell)->lpEntries);
    FreeLockedBlock((*cell)->lpEditEntry);
    FreeLockedBlock(*cell);
    *cell = nullptr;
}

BOOL CopyWatermarkList(WATERMARK_LIST* target, const WATERMARK_LIST* source)
{
    if (!IsEnabled())
        return TRUE;
    if (target == nullptr || source == nullptr)
        return FALSE;
    if (target == source)
        return TRUE;
    WATERMARK_LIST head;
    std::memcpy(&head, source, sizeof head);
    head.lpEntries = target->lpEntries;
    head.lpEditEntry = target->lpEditEntry;
    std::memcpy(target, &head, sizeof head);
    if (target->lpEntries != nullptr && source->lpEntries != nullptr)
        std::memcpy(target->lpEntries, source->lpEntries, kEntryBlockBytes);
    if (target->lpEditEntry != nullptr && source->lpEditEntry != nullptr)
        std::memcpy(target->lpEditEntry, source->lpEditEntry, sizeof(WATERMARK_ENTRY));
    return TRUE;
}

BOOL SetDefaultWatermarks(WATERMARK_LIST* list)
{
    if (!IsEnabled())
        return TRUE;
    if (list == nullptr)
        return FALSE;
    UINT count = 0;
    const WATERMARK_DEFAULT_ROW* rows = GetDefaultWatermarkTable(&count);
    if (list->lpEntries != nullptr) {
        InitResStrings();
        std::memset(list->lpEntries, 0, kEntryBlockBytes);
        for (UINT i = 0; i < count && i < kWatermarkCapacity; ++i)
            FillWatermark(list->lpEntries + i, rows[i], GetResString(rows[i].idsText));
        TermResStrings();
        list->WMarkListNum = static_cast<SHORT>(count);
    }
    if (list->lpEditEntry != nullptr)
        FillWatermark(list->lpEditEntry, rows[0], nullptr);
    return TRUE;
}

namespace {

struct WATERMARK_FIELD_ROW {
    WORD  wItem;      // 0 ends the table
    DWORD offset;     // within the entry
    DWORD size;
    DWORD type;
};

} // namespace

constexpr WATERMARK_FIELD_ROW kWatermarkFields[] = {
    {13, 0,                                   sizeof(WATERMARK_ENTRY), kFieldBlock},
    {15, offsetof(WATERMARK_ENTRY, Text),     66,                      kFieldText },
    {17, offsetof(WATERMARK_ENTRY, Face),     64,                      kFieldText },   // 31 characters stored
    {19, offsetof(WATERMARK_ENTRY, Style),    4,                       kField32   },
    {21, offsetof(WATERMARK_ENTRY, Size),     4,                       kField32   },
    {23, offsetof(WATERMARK_ENTRY, Angle),    4,                       kFieldI32  },
    {99, offsetof(WATERMARK_ENTRY, Colour),   4,                       kField32   },
    {25, offsetof(WATERMARK_ENTRY, Density),  4,                       kField32   },
    {27, offsetof(WATERMARK_ENTRY, CenterX),  4,                       kField32   },
    {29, offsetof(WATERMARK_ENTRY, CenterY),  4,                       kField32   },
    {0,  0,                                   0,                       0          },   // terminator
};
static_assert(kWatermarkFields[std::size(kWatermarkFields) - 1].wItem == 0, "terminator must be last");

BOOL GetWatermarkFieldInfo(WORD wItem, WORD keyIndex, WORD /*valueIndex*/, void** address, DWORD* size,
                           DWORD* type, WATERMARK_LIST* list)
{
    if (address == nullptr || size == nullptr || type == nullptr || list == nullptr)
        return FALSE;
    if (wItem == 11 || wItem == 12) {
        *address = wItem == 11 ? static_cast<void*>(list)
                               : reinterpret_cast<BYTE*>(list) + offsetof(WATERMARK_LIST, WMarkListNum);
        *size = wItem == 11 ? sizeof(WATERMARK_LIST) : 2;
        *type = wItem == 11 ? kFieldBlock : kFieldI16;
        return TRUE;
    }
    const WATERMARK_FIELD_ROW* row = kWatermarkFields;
    while (row->wItem != 0 && row->wItem != wItem)
        ++row;
    if (row->wItem == 0 || keyIndex >= kWatermarkCapacity || list->lpEntries == nullptr)
        return FALSE;
    *address = reinterpret_cast<BYTE*>(list->lpEntries + keyIndex) + row->offset;
    *size = row->size;
    *type = row->type;
    return TRUE;
}

BOOL LoadWatermarkList(WATERMARK_LIST* list, const LIST_SCHEMA_SET* schemas, LPCWSTR printerName)
{
    const BOOL done = WalkOneListGroup(list, &SETTINGS_STORE::lpWatermark, kWatermarkListGroup, schemas, printerName,
                                       ListWalkMode::Read);
    if (done && list != nullptr)
        list->WMarkListNum = BoundStoredCount(list->WMarkListNum, kWatermarkCapacity);
    return done;
}

BOOL SaveWatermarkList(WATERMARK_LIST* list, const LIST_SCHEMA_SET* schemas, LPCWSTR printerName)
{
    return WalkOneListGroup(list, &SETTINGS_STORE::lpWatermark, kWatermarkListGroup, schemas, printerName,
                            ListWalkMode::Write);
}

BOOL WriteDefaultWatermarks(const LIST_SCHEMA_SET* schemas, LPCWSTR printerName)
{
    return WriteListGroupDefaults(&SETTINGS_STORE::lpWatermark, kWatermarkListGroup, NewWatermarkList,
                                  SetDefaultWatermarks, FreeWatermarkList, schemas, printerName);
}
