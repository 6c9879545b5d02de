// intersheet_readers.cpp - single values of a named insert list, read from the stored settings.
#include "settings/store/intersheet_readers.h"
#include "settings/store/intersheet_lists.h"
#include "settings/store/list_groups.h"
#include "settings/store/list_registry_walk.h"
#include "settings/store/settings_store.h"

#include <cstring>

namespace {

// The stored lists of one printer, read on construction and freed on destruction. The counts stay as
// stored (a walk bounds itself by the entry block), unlike a load of the whole store.
class StoredInterSheetLists {
public:
    explicit StoredInterSheetLists(LPCWSTR printerName)
    {
        if (printerName == nullptr || !LoadListSchemas(&m_schemas))
            return;
        m_group = NewInterSheetList();
        if (m_group == nullptr)
            return;
        SETTINGS_STORE store = {};
        store.lpInterSheet = m_group;
        m_loaded = WalkListGroup(&store, &m_schemas, kInterSheetListGroup, printerName, ListWalkMode::Read);
    }
    ~StoredInterSheetLists()
    {
        FreeInterSheetList(&m_group);
        FreeListSchemas(&m_schemas);
    }
    StoredInterSheetLists(const StoredInterSheetLists&) = delete;
    StoredInterSheetLists& operator=(const StoredInterSheetLists&) = delete;

    // List n (1..10), or null when the lists were not read or n is outside 1..10.
    const INTERSHEET_LIST* List(UINT listNumber) const
    {
        if (!m_loaded || listNumber < 1 || listNumber > kInterSheetListCount)
            return nullptr;
        return &m_group->lpLists[listNumber - 1];
    }

private:
    LIST_SCHEMA_SET m_schemas = {};
    INTERSHEET_GROUP* m_group = nullptr;
    BOOL m_loaded = FALSE;
};

DWORD SignExtended(SHORT value)
{
    return static_cast<DWORD>(static_cast<LONG>(value));
}

} // namespace

BOOL ReadInterSheetCount(LPCWSTR printerName, UINT listNumber, DWORD* count)
{
    if (count == nullptr)
        return FALSE;
    StoredInterSheetLists lists(printerName);
    const INTERSHEET_LIST* list = lists.List(listNumber);
    if (list == nullptr)
        return FALSE;
    *count = SignExtended(list->PageListNum);
    return TRUE;
}

BOOL ReadInterSheetRecord(LPCWSTR printerName, UINT listNumber, UINT index, INTERSHEET_ENTRY* entry)
{
    if (entry == nullptr)
        return FALSE;
    StoredInterSheetLists lists(printerName);
    const INTERSHEET_LIST* list = lists.List(listNumber);
    if (list == nullptr || list->lpEntries == nullptr)
        return FALSE;
    const SHORT count = list->PageListNum;
    if (count < 1 || index >= static_cast<UINT>(count) || index >= kInterSheetEntryCapacity)
        return FALSE;
    std::memcpy(entry, list->lpEntries + index, sizeof(INTERSHEET_ENTRY));
    return TRUE;
}

BOOL ReadInterSheetIndexPaper(LPCWSTR printerName, UINT listNumber, INDEX_PAPER_SETTINGS* indexPaper)
{
    if (indexPaper == nullptr)
        return FALSE;
    StoredInterSheetLists lists(printerName);
    const INTERSHEET_LIST* list = lists.List(listNumber);
    if (list == nullptr || list->lpIndexPaper == nullptr)
        return FALSE;
    std::memcpy(indexPaper, list->lpIndexPaper, sizeof(INDEX_PAPER_SETTINGS));
    return TRUE;
}

BOOL ReadInterSheetValue(LPCWSTR printerName, UINT listNumber, DWORD* mixplex)
{
    if (mixplex == nullptr)
        return FALSE;
    StoredInterSheetLists lists(printerName);
    const INTERSHEET_LIST* list = lists.List(listNumber);
    if (list == nullptr)
        return FALSE;
    *mixplex = SignExtended(list->Mixplex);
    return TRUE;
}
