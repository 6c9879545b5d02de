// list_schema.cpp - the working copies of the named-list schemas, and resolving a row to its registry level.
#include "settings/store/list_schema.h"
#include "settings/paper/feature_table.h"
#include "settings/base/global_memory.h"
#include "settings/store/list_groups.h"

#include <cstring>
#include <iterator>

// The groups in the order of the set's slots.
constexpr WORD kSchemaGroupOrder[] = {
    kInterSheetListGroup, kFormListGroup, kWatermarkListGroup, kFontSubListGroup, kFaxCoverListGroup,
    kUDPaperListGroup,
};
static_assert(std::size(kSchemaGroupOrder) == std::size(LIST_SCHEMA_SET{}.groups));

static WORD CountSchemaRows(const LIST_SCHEMA_ROW* table)
{
    WORD count = 0;
    while (table[count].wItem != 0)
        ++count;
    return count;
}

// Copies the group's rows into run rows: link words 0xFFFF, and the parent flag of every row that some row
// of the group names as its parent.
static void BuildGroupRunRows(const LIST_SCHEMA_ROW* table, WORD count, LIST_SCHEMA_RUN_ROW* out)
{
    for (WORD i = 0; i < count; ++i) {
        LIST_SCHEMA_RUN_ROW run = {};
        run.row = table[i];
        run.wParamRow = 0xFFFF;
        run.wOwnIndex = 0xFFFF;
        run.wKeyRow = 0xFFFF;
        for (WORD j = 0; j < count; ++j)
            if (table[j].wParent != 0 && table[j].wParent == table[i].wItem)
                run.dwParentFlag = 1;
        std::memcpy(&out[i], &run, sizeof run);
    }
}

BOOL LoadListSchemas(LIST_SCHEMA_SET* set)
{
    if (set == nullptr)
        return FALSE;
    std::memset(set, 0, sizeof *set);

    DWORD total = 0;
    for (WORD group : kSchemaGroupOrder)
        if (IsListGroupEnabled(group))
            total += CountSchemaRows(GetListSchemaTable(group));
    // One zeroed end row closes the block.
    auto* rows = static_cast<LIST_SCHEMA_RUN_ROW*>(AllocLockedBlock((total + 1) * sizeof(LIST_SCHEMA_RUN_ROW)));
    if (rows == nullptr)
        return FALSE;

    WORD next = 0;
    for (std::size_t slot = 0; slot < std::size(kSchemaGroupOrder); ++slot) {
        const WORD group = kSchemaGroupOrder[slot];
        if (!IsListGroupEnabled(group))
            continue;
        const LIST_SCHEMA_ROW* table = GetListSchemaTable(group);
        const WORD count = CountSchemaRows(table);
        BuildGroupRunRows(table, count, rows + next);
        LIST_SCHEMA_GROUP entry = {rows + next, count};
        std::memcpy(&set->groups[slot], &entry, sizeof entry);
        next = static_cast<WORD>(next + count);
    }
    set->lpRows = rows;
    set->wRowCount = next;
    return TRUE;
}

void FreeListSchemas(LIST_SCHEMA_SET* set)
{
    if (set == nullptr)
        return;
    FreeLockedBlock(set->lpRows);
    std::memset(set, 0, sizeof *set);
}

const LIST_SCHEMA_GROUP* FindListSchemaGroup(const LIST_SCHEMA_SET* set, WORD wGroup)
{
    if (set == nullptr)
        return nullptr;
    for (std::size_t slot = 0; slot < std::size(kSchemaGroupOrder); ++slot)
        if (kSchemaGroupOrder[slot] == wGroup)
            return &set->groups[slot];
    return nullptr;
}

BOOL ResolveListPath(const LIST_SCHEMA_RUN_ROW* rows, WORD rowCount, WORD wItem, LIST_WALK_PATH* path)
{
    if (rows == nullptr || path == nullptr || wItem == 0)
        return FALSE;
    WORD found = 0;
    while (found < rowCount && rows[found].row.wItem != wItem)
        ++found;
    if (found == rowCount)
        return FALSE;

    const LIST_SCHEMA_ROW& row = rows[found].row;
    WORD depth = row.szValue[0] != u'\0' ? 3 : row.szKey[0] != u'\0' ? 2 : row.szSection[0] != u'\0' ? 1 : 0;
    if (depth == 0)
        return FALSE;

    // The nearest row at or above the row with a name at the given level.
    auto nearest = [&](auto hasName) -> int {
        for (int i = found; i >= 0; --i)
            if (hasName(rows[i].row))
                return i;
        return -1;
    };
    const int section = nearest([](const LIST_SCHEMA_ROW& r) { return r.szSection[0] != u'\0'; });
    const int key = depth == 3 ? nearest([](const LIST_SCHEMA_ROW& r) { return r.szKey[0] != u'\0'; }) : found;
    if (section < 0 || key < 0)
        return FALSE;
    path->wSectionRow = static_cast<WORD>(section);
    path->wKeyRow = depth >= 2 ? static_cast<WORD>(key) : 0;
    path->wValueRow = depth == 3 ? found : 0;
    path->wDepth = depth;
    return TRUE;
}
