// intersheet_lists.cpp - the InterSheet list group: allocation, copies, defaults, fields and registry walks.
#include "settings/store/intersheet_lists.h"
#include "settings/paper/feature_query.h"
#include "settings/paper/feature_table.h"
#include "settings/base/global_memory.h"
#include "settings/strings/res_library.h"
#include "settings/strings/res_strings.h"
#include "settings/store/list_groups.h"
#include "settings/store/list_group_walk.h"
#include "settings/store/settings_store.h"
#include "settings/strings/text_copy.h"

#include <cstring>
#include <iterator>

// Option-table features whose defaults a new list takes.
constexpr WORD kFeatureMixplex = 124;
constexpr WORD kFeatureTabPaperSize = 154;
constexpr WORD kFeatureTabIndexNum = 155;
constexpr WORD kFeatureTabTopMargin = 220;
constexpr WORD kFeatureTabBottomMargin = 221;
constexpr WORD kFeatureTabIndexSpace = 222;
constexpr WORD kFeatureTabTextPosition = 223;

static bool IsEnabled()
{
    return IsListGroupEnabled(kInterSheetListGroup) != 0;
}

static void FreeListBlocks(INTERSHEET_LIST& list)
{
    FreeLockedBlock(list.lpEntries);
    FreeLockedBlock(list.lpIndexPaper);
    FreeLockedBlock(list.lpTabTextSetting);
    FreeLockedBlock(list.lpEditArea);
    list.lpEntries = nullptr;
    list.lpIndexPaper = nullptr;
    list.lpTabTextSetting = nullptr;
    list.lpEditArea = nullptr;
}

static void FreeLists(INTERSHEET_LIST* lists)
{
    if (lists == nullptr)
        return;
    for (UINT i = 0; i < kInterSheetListCount; ++i)
        FreeListBlocks(lists[i]);
    FreeLockedBlock(lists);
}

INTERSHEET_LIST* NewInterSheetLists()
{
    auto* lists = static_cast<INTERSHEET_LIST*>(AllocLockedBlock(kInterSheetListCount * sizeof(INTERSHEET_LIST)));
    if (lists == nullptr)
        return nullptr;
    for (UINT i = 0; i < kInterSheetListCount; ++i) {
        INTERSHEET_LIST& list = lists[i];
        list.lpEntries = static_cast<INTERSHEET_ENTRY*>(
            AllocLockedBlock(kInterSheetEntryCapacity * sizeof(INTERSHEET_ENTRY)));
        list.lpIndexPaper = static_cast<INDEX_PAPER_SETTINGS*>(AllocLockedBlock(sizeof(INDEX_PAPER_SETTINGS)));
        list.lpTabTextSetting = static_cast<TAB_TEXT_SETTING*>(AllocLockedBlock(sizeof(TAB_TEXT_SETTING)));
        list.lpEditArea = static_cast<BYTE*>(AllocLockedBlock(kInsertEditAreaBytes));
        if (list.lpEntries == nullptr || list.lpIndexPaper == nullptr || list.lpTabTextSetting == nullptr
            || list.lpEditArea == nullptr) {
            FreeLists(lists);
            return nullptr;
        }
    }
    return lists;
}

INTERSHEET_GROUP* NewInterSheetList()
{
    if (!IsEnabled())
        return nullptr;
    auto* group = static_cast<INTERSHEET_GROUP*>(AllocLockedBlock(sizeof(INTERSHEET_GROUP)));
    if (group == nullptr)
        return nullptr;
    group->lpLists = NewInterSheetLists();
    if (group->lpLists == nullptr) {
        FreeLockedBlock(group);
        return nullptr;
    }
    return group;
}

void FreeInterSheetList(INTERSHEET_GROUP** cell)
{
    if (cell == nullptr || *cell == nullptr)
        return;
    FreeLists((*cell)->lpLists);
    FreeLockedBlock(*cell);
    *cell = nullptr;
}

BOOL CopyInterSheetLists(INTERSHEET_GROUP* target, const INTERSHEET_GROUP* source)
{
    if (!IsEnabled())
        return TRUE;
    if (target == nullptr || source == nullptr || target->lpLists == nullptr || source->lpLists == nullptr)
        return FALSE;
    if (target == source)
        return TRUE;
    for (UINT i = 0; i < kInterSheetListCount; ++i) {
        INTERSHEET_LIST& to = target->lpLists[i];
        const INTERSHEET_LIST& from = source->lpLists[i];
        // The head comes from the source; the blocks stay the target's own, and get the source's bytes.
        INTERSHEET_LIST head;
        std::memcpy(&head, &from, sizeof head);
        head.lpEntries = to.lpEntries;
        head.lpIndexPaper = to.lpIndexPaper;
        head.lpTabTextSetting = to.lpTabTextSetting;
        head.lpEditArea = to.lpEditArea;
        std::memcpy(&to, &head, sizeof head);
        if (to.lpEntries != nullptr && from.lpEntries != nullptr)
            std::memcpy(to.lpEntries, from.lpEntries, kInterSheetEntryCapacity * sizeof(INTERSHEET_ENTRY));
        if (to.lpIndexPaper != nullptr && from.lpIndexPaper != nullptr)
            std::memcpy(to.lpIndexPaper, from.lpIndexPaper, sizeof(INDEX_PAPER_SETTINGS));
        if (to.lpTabTextSetting != nullptr && from.lpTabTextSetting != nullptr)
            std::memcpy(to.lpTabTextSetting, from.lpTabTextSetting, sizeof(TAB_TEXT_SETTING));
        if (to.lpEditArea != nullptr && from.lpEditArea != nullptr)
            std::memcpy(to.lpEditArea, from.lpEditArea, kInsertEditAreaBytes);
    }
    return TRUE;
}

BOOL SetDefaultInterSheetLists(INTERSHEET_GROUP* group)
{
    if (!IsEnabled())
        return TRUE;
    if (group == nullptr || group->lpLists == nullptr)
        return FALSE;
    RES_MODULE_CELL* cell = OpenResModule();
    InitResStrings();
    const auto mixplex = static_cast<SHORT>(GetFeatureDefault(cell, kFeatureMixplex));
    INDEX_PAPER_SETTINGS indexPaper = {};
    indexPaper.TabPaperSize = static_cast<WORD>(GetFeatureDefault(cell, kFeatureTabPaperSize));
    indexPaper.TabIndexNum = static_cast<BYTE>(GetFeatureDefault(cell, kFeatureTabIndexNum));
    indexPaper.TabTopMargin = static_cast<BYTE>(GetFeatureDefault(cell, kFeatureTabTopMargin));
    indexPaper.TabBottomMargin = static_cast<BYTE>(GetFeatureDefault(cell, kFeatureTabBottomMargin));
    indexPaper.TabIndexSpace = static_cast<BYTE>(GetFeatureDefault(cell, kFeatureTabIndexSpace));
    indexPaper.TabTextPosition = static_cast<SHORT>(GetFeatureDefault(cell, kFeatureTabTextPosition));
    for (UINT n = 1; n <= kInterSheetListCount; ++n) {
        INTERSHEET_LIST& list = group->lpLists[n - 1];
        CopyText(&list.Name, GetResString(kIdsListNameBase + n));
        // The count takes the mixplex check box's default too: both are 0 in a fresh list.
        list.PageListNum = mixplex;
        list.Mixplex = mixplex;
        if (list.lpIndexPaper != nullptr)
            std::memcpy(list.lpIndexPaper, &indexPaper, sizeof indexPaper);
    }
    TermResStrings();
    CloseResModule(cell);
    return TRUE;
}

namespace {

enum class InterSheetBlock { Group, List, ListField, Entry, TabText, IndexPaper };

struct INTERSHEET_FIELD_ROW {
    WORD  wItem;            // 0 ends the table
    InterSheetBlock block;  // what the offset is taken from
    DWORD offset;
    DWORD size;
    DWORD type;
};

} // namespace

constexpr INTERSHEET_FIELD_ROW kInterSheetFields[] = {
    {37, InterSheetBlock::Group,      0,   sizeof(INTERSHEET_GROUP),     kFieldBlock},
    {38, InterSheetBlock::List,       0,   sizeof(INTERSHEET_LIST),      kFieldBlock},
    {39, InterSheetBlock::ListField,  offsetof(INTERSHEET_LIST, Name),        34, kFieldText},
    {40, InterSheetBlock::ListField,  offsetof(INTERSHEET_LIST, PageListNum), 2,  kFieldI16 },
    {41, InterSheetBlock::ListField,  offsetof(INTERSHEET_LIST, Mixplex),     2,  kFieldI16 },
    {42, InterSheetBlock::Entry,      0,   sizeof(INTERSHEET_ENTRY),     kFieldBlock},
    {43, InterSheetBlock::Entry,      0,   258, kFieldText },
    {44, InterSheetBlock::Entry,      260, 2,   kFieldI16  },
    {45, InterSheetBlock::Entry,      258, 2,   kFieldI16  },
    {46, InterSheetBlock::Entry,      262, 2,   kFieldU16  },
    {47, InterSheetBlock::Entry,      264, 2,   kFieldI16  },
    {48, InterSheetBlock::Entry,      266, 2,   kFieldI16  },
    {49, InterSheetBlock::Entry,      268, 130, kFieldText },
    {50, InterSheetBlock::Entry,      398, 2,   kFieldI16  },
    {51, InterSheetBlock::Entry,      400, 4,   kFieldU32  },
    {52, InterSheetBlock::Entry,      404, 2,   kFieldI16  },
    {53, InterSheetBlock::Entry,      406, 2,   kFieldI16  },
    {54, InterSheetBlock::Entry,      408, 64,  kFieldText },
    {55, InterSheetBlock::Entry,      472, 2,   kFieldI16  },
    {56, InterSheetBlock::Entry,      474, 2,   kFieldI16  },
    {57, InterSheetBlock::TabText,    0,   sizeof(TAB_TEXT_SETTING),     kFieldBlock},
    {58, InterSheetBlock::TabText,    0,   2,   kFieldI16  },
    {59, InterSheetBlock::TabText,    2,   2,   kFieldI16  },
    {60, InterSheetBlock::TabText,    4,   64,  kFieldText },
    {61, InterSheetBlock::TabText,    68,  2,   kFieldI16  },
    {62, InterSheetBlock::TabText,    70,  2,   kFieldI16  },
    {63, InterSheetBlock::IndexPaper, 0,   sizeof(INDEX_PAPER_SETTINGS), kFieldBlock},
    {64, InterSheetBlock::IndexPaper, 0,   2,   kFieldI16  },
    {65, InterSheetBlock::IndexPaper, 2,   1,   kFieldU8   },
    {66, InterSheetBlock::IndexPaper, 3,   1,   kFieldU8   },
    {67, InterSheetBlock::IndexPaper, 4,   1,   kFieldU8   },
    {68, InterSheetBlock::IndexPaper, 5,   1,   kFieldU8   },
    {69, InterSheetBlock::IndexPaper, 6,   2,   kFieldI16  },
    {0,  InterSheetBlock::Group,      0,   0,   0          },   // terminator
};
static_assert(kInterSheetFields[std::size(kInterSheetFields) - 1].wItem == 0, "terminator must be last");

BOOL GetInterSheetFieldInfo(WORD wItem, WORD keyIndex, WORD valueIndex, void** address, DWORD* size,
                            DWORD* type, INTERSHEET_GROUP* group)
{
    if (address == nullptr || size == nullptr || type == nullptr || group == nullptr || group->lpLists == nullptr)
        return FALSE;
    const INTERSHEET_FIELD_ROW* row = kInterSheetFields;
    while (row->wItem != 0 && row->wItem != wItem)
        ++row;
    if (row->wItem == 0)
        return FALSE;

    BYTE* base = nullptr;
    if (row->block == InterSheetBlock::Group) {
        base = reinterpret_cast<BYTE*>(group);
    } else {
        // List n of the registry is element n - 1.
        if (keyIndex < 1 || keyIndex > kInterSheetListCount)
            return FALSE;
        INTERSHEET_LIST& list = group->lpLists[keyIndex - 1];
        switch (row->block) {
        case InterSheetBlock::Group:
            break;
        case InterSheetBlock::List:
        case InterSheetBlock::ListField:
            base = reinterpret_cast<BYTE*>(&list);
            break;
        case InterSheetBlock::Entry:
            if (valueIndex >= kInterSheetEntryCapacity || list.lpEntries == nullptr)
                return FALSE;
            base = reinterpret_cast<BYTE*>(list.lpEntries + valueIndex);
            break;
        case InterSheetBlock::TabText:
            base = reinterpret_cast<BYTE*>(list.lpTabTextSetting);
            break;
        case InterSheetBlock::IndexPaper:
            base = reinterpret_cast<BYTE*>(list.lpIndexPaper);
            break;
        }
    }
    if (base == nullptr)
        return FALSE;
    *address = base + row->offset;
    *size = row->size;
    *type = row->type;
    return TRUE;
}

BOOL LoadInterSheetList(INTERSHEET_GROUP* group, const LIST_SCHEMA_SET* schemas, LPCWSTR printerName)
{
    const BOOL done = WalkOneListGroup(group, &SETTINGS_STORE::lpInterSheet, kInterSheetListGroup, schemas,
                                       printerName, ListWalkMode::Read);
    if (done && group != nullptr && group->lpLists != nullptr)
        for (UINT i = 0; i < kInterSheetListCount; ++i)
            group->lpLists[i].PageListNum = BoundStoredCount(group->lpLists[i].PageListNum, kInterSheetEntryCapacity);
    return done;
}

BOOL SaveInterSheetList(INTERSHEET_GROUP* group, const LIST_SCHEMA_SET* schemas, LPCWSTR printerName)
{
    return WalkOneListGroup(group, &SETTINGS_STORE::lpInterSheet, kInterSheetListGroup, schemas, printerName,
                            ListWalkMode::Write);
}

BOOL WriteDefaultInterSheetLists(const LIST_SCHEMA_SET* schemas, LPCWSTR printerName)
{
    return WriteListGroupDefaults(&SETTINGS_STORE::lpInterSheet, kInterSheetListGroup, NewInterSheetList,
                                  SetDefaultInterSheetLists, FreeInterSheetList, schemas, printerName);
}
