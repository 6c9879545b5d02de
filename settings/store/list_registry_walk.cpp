// list_registry_walk.cpp - reads and writes named-list groups under a printer's per-user key by their schema.
#include "settings/store/list_registry_walk.h"
#include "settings/paper/custom_size_data.h"
#include "settings/paper/feature_table.h"
#include "settings/base/global_memory.h"
#include "settings/registry/reg_key_guard.h"
#include "settings/registry/registry_paths.h"
#include "settings/registry/registry_services.h"
#include "settings/store/list_groups.h"
#include "settings/store/settings_store.h"
#include "settings/strings/text_copy.h"

#include <cstring>

BOOL GetListFieldInfo(WORD wItem, WORD wGroup, const LIST_WALK_PATH* path, void** address, DWORD* size,
                      DWORD* type, SETTINGS_STORE* store)
{
    if (path == nullptr || store == nullptr || address == nullptr || size == nullptr || type == nullptr
        || !IsListGroupEnabled(wGroup))
        return FALSE;
    const WORD keyIndex = path->wKeyIndex;
    const WORD valueIndex = path->wValueIndex;
    switch (wGroup) {
    case kInterSheetListGroup:
        return GetInterSheetFieldInfo(wItem, keyIndex, valueIndex, address, size, type, store->lpInterSheet);
    case kFormListGroup:
        return GetFormFieldInfo(wItem, keyIndex, valueIndex, address, size, type, store->lpForm);
    case kWatermarkListGroup:
        return GetWatermarkFieldInfo(wItem, keyIndex, valueIndex, address, size, type, store->lpWatermark);
    case kFontSubListGroup:
        return GetFontSubFieldInfo(wItem, keyIndex, valueIndex, address, size, type, store->lpFontSub);
    case kFaxCoverListGroup:
        return AccessFaxCoverField(wItem, address, size, type, store->lpFaxCover);
    case kUDPaperListGroup:
        // Size n of the registry pattern is element n - 1; a key index of 0 wraps past the ten and is refused.
        return AccessCustomSizeField(wItem, static_cast<UINT>(keyIndex) - 1, address, size, type,
                                     store->lpCustomSizes);
    default:
        return FALSE;
    }
}

BOOL ReadWriteListValue(LPCWSTR keyPath, LPCWSTR valueName, void* address, DWORD size, DWORD type,
                        ListWalkMode mode)
{
    if (keyPath == nullptr || valueName == nullptr || address == nullptr || size == 0)
        return FALSE;
    const bool read = mode == ListWalkMode::Read;
    const HKEY root = GetUserRegRoot();

    if (const DWORD cbInteger = IntegerFieldSize(type); cbInteger != 0) {
        if (size != cbInteger)
            return FALSE;
        if (read) {
            DWORD stored = 0;
            if (!QueryRegValue(root, keyPath, REG_DWORD, valueName, &stored, sizeof stored))
                return FALSE;
            std::memcpy(address, &stored, size);   // the low byte or word, little-endian
            return TRUE;
        }
        DWORD widened = 0;
        if (type == kFieldU8) {
            BYTE value;
            std::memcpy(&value, address, 1);
            widened = value;
        } else if (type == kFieldU16) {
            WORD value;
            std::memcpy(&value, address, 2);
            widened = value;
        } else if (type == kFieldI16) {
            SHORT value;
            std::memcpy(&value, address, 2);
            widened = static_cast<DWORD>(static_cast<LONG>(value));
        } else {
            std::memcpy(&widened, address, 4);
        }
        return SetRegValue(root, keyPath, REG_DWORD, valueName, &widened, sizeof widened);
    }

    if (type == kFieldBlock)
        return read ? QueryRegValue(root, keyPath, REG_BINARY, valueName, address, size)
                    : SetRegValue(root, keyPath, REG_BINARY, valueName, address, size);

    if (type == kFieldText) {
        const DWORD cch = size / sizeof(WCHAR);
        if (cch == 0)
            return FALSE;
        if (read)
            return QueryRegValue(root, keyPath, REG_SZ, valueName, address, cch * sizeof(WCHAR));
        // The field need not hold a NUL: write what lies within it, and a NUL.
        LockedBlock text((cch + 1) * sizeof(WCHAR));
        if (!text)
            return FALSE;
        std::memcpy(text.get(), address, cch * sizeof(WCHAR));
        const std::size_t length = BoundedTextLength(text.as<WCHAR>(), cch);
        return SetRegValue(root, keyPath, REG_SZ, valueName, text.get(),
                           static_cast<DWORD>((length + 1) * sizeof(WCHAR)));
    }
    return FALSE;
}

BOOL WalkListValue(SETTINGS_STORE* store, WORD wItem, WORD wGroup, const LIST_WALK_PATH* path, LPCWSTR keyPath,
                   LPCWSTR valueName, ListWalkMode mode)
{
    void* address = nullptr;
    DWORD size = 0;
    DWORD type = 0;
    if (!GetListFieldInfo(wItem, wGroup, path, &address, &size, &type, store))
        return FALSE;
    return ReadWriteListValue(keyPath, valueName, address, size, type, mode);
}

namespace {

// Formats a name pattern with the index; a pattern without "%d" gives itself.
void FormatListName(WCHAR (&out)[64], const WCHAR* pattern, UINT index)
{
    WCHAR bounded[64];
    std::memcpy(bounded, pattern, sizeof bounded);
    bounded[63] = u'\0';
    WCHAR formatted[1024];
    wsprintfW(formatted, bounded, index);
    CopyText(&out, formatted);
}

// The index range of a level's row. A row bounded by an entry count reads that count from the store (for the
// path's key index) and stops at the row's own last index as well, so that no count reaches past a block.
// False when no index is to be visited.
bool LevelRange(SETTINGS_STORE* store, const LIST_SCHEMA_RUN_ROW* rows, WORD rowCount, WORD rowIndex,
                const LIST_WALK_PATH& path, WORD* first, WORD* last)
{
    const LIST_SCHEMA_ROW& row = rows[rowIndex].row;
    *first = row.wFirst;
    *last = row.wLast;
    if (row.wParent != 0) {
        LIST_WALK_PATH parentPath = path;
        if (!ResolveListPath(rows, rowCount, row.wParent, &parentPath))
            return false;
        void* address = nullptr;
        DWORD size = 0;
        DWORD type = 0;
        if (!GetListFieldInfo(row.wParent, row.wGroup, &parentPath, &address, &size, &type, store))
            return false;
        LONG count = 0;
        if (type == kFieldI16 && size == 2) {
            SHORT value;
            std::memcpy(&value, address, 2);
            count = value;
        } else if (type == kFieldU16 && size == 2) {
            WORD value;
            std::memcpy(&value, address, 2);
            count = value;
        } else {
            return false;
        }
        if (count < 1)
            return false;
        if (count - 1 < *last)
            *last = static_cast<WORD>(count - 1);
    }
    return *first <= *last;
}

class ListWalker {
public:
    ListWalker(SETTINGS_STORE* store, const LIST_SCHEMA_RUN_ROW* rows, WORD rowCount, LPCWSTR printerName,
               ListWalkMode mode)
        : m_store(store), m_rows(rows), m_rowCount(rowCount), m_printerName(printerName), m_mode(mode)
    {
    }

    void WalkRow(WORD rowIndex)
    {
        const LIST_SCHEMA_ROW& row = m_rows[rowIndex].row;
        LIST_WALK_PATH path = {};
        if (!ResolveListPath(m_rows, m_rowCount, row.wItem, &path))
            return;
        WCHAR section[64];
        FormatListName(section, m_rows[path.wSectionRow].row.szSection, 1);
        if (path.wDepth == 1) {
            if (Writing())
                CreateKey(section, nullptr);
            return;
        }

        const LIST_SCHEMA_ROW& keyRow = m_rows[path.wKeyRow].row;
        WORD firstKey = 0;
        WORD lastKey = 0;
        if (!LevelRange(m_store, m_rows, m_rowCount, path.wKeyRow, path, &firstKey, &lastKey))
            return;
        for (UINT i = firstKey; i <= lastKey; ++i) {
            path.wKeyIndex = static_cast<WORD>(i);
            path.wValueIndex = 0;
            WCHAR key[64];
            FormatListName(key, keyRow.szKey, i);
            if (path.wDepth == 2) {
                if (IsListKeyRow(row)) {
                    if (Writing())
                        CreateKey(section, key);
                } else {
                    WalkValue(row, path, section, nullptr, key);
                }
                continue;
            }
            WORD firstValue = 0;
            WORD lastValue = 0;
            if (!LevelRange(m_store, m_rows, m_rowCount, path.wValueRow, path, &firstValue, &lastValue))
                continue;
            for (UINT j = firstValue; j <= lastValue; ++j) {
                path.wValueIndex = static_cast<WORD>(j);
                WCHAR value[64];
                FormatListName(value, row.szValue, j);
                WalkValue(row, path, section, key, value);
            }
        }
    }

private:
    bool Writing() const { return m_mode != ListWalkMode::Read; }

    // Creates P\section or P\section\key and closes it at once; a failure is not reported.
    void CreateKey(const WCHAR* section, const WCHAR* key)
    {
        WCHAR path[kRegPathChars];
        if (!BuildPrinterRegPath(path, kRegPathChars, m_printerName, section, key))
            return;
        RegKeyGuard created;
        CreateRegKey(nullptr, GetUserRegRoot(), path, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, created.out(),
                     nullptr);
    }

    void WalkValue(const LIST_SCHEMA_ROW& row, const LIST_WALK_PATH& path, const WCHAR* section, const WCHAR* key,
                   const WCHAR* valueName)
    {
        WCHAR keyPath[kRegPathChars];
        if (!BuildPrinterRegPath(keyPath, kRegPathChars, m_printerName, section, key))
            return;
        WalkListValue(m_store, row.wItem, row.wGroup, &path, keyPath, valueName, m_mode);
    }

    SETTINGS_STORE* m_store;
    const LIST_SCHEMA_RUN_ROW* m_rows;
    WORD m_rowCount;
    LPCWSTR m_printerName;
    ListWalkMode m_mode;
};

} // namespace

BOOL WalkListRegistry(SETTINGS_STORE* store, const LIST_SCHEMA_RUN_ROW* rows, WORD rowCount, WORD wGroup,
                      LPCWSTR printerName, ListWalkMode mode)
{
    if (store == nullptr || rows == nullptr || printerName == nullptr)
        return FALSE;
    if (mode != ListWalkMode::Read && mode != ListWalkMode::Write && mode != ListWalkMode::WriteDefaults)
        return FALSE;

    ListWalker walker(store, rows, rowCount, printerName, mode);
    // Reading first takes the counts, so that every count is in memory before the rows it bounds are read.
    const int passes = mode == ListWalkMode::Read ? 2 : 1;
    for (int pass = 1; pass <= passes; ++pass) {
        for (WORD i = 0; i < rowCount; ++i) {
            const LIST_SCHEMA_RUN_ROW& run = rows[i];
            const WORD group = run.row.wGroup;
            if ((wGroup != 0 && group != wGroup) || group == kUDPaperListGroup || !IsListGroupEnabled(group))
                continue;
            if (passes == 2 && (pass == 1) != (run.dwParentFlag != 0))
                continue;
            walker.WalkRow(i);
        }
    }
    return TRUE;
}

BOOL WalkListGroup(SETTINGS_STORE* store, const LIST_SCHEMA_SET* schemas, WORD wGroup, LPCWSTR printerName,
                   ListWalkMode mode)
{
    const LIST_SCHEMA_GROUP* group = FindListSchemaGroup(schemas, wGroup);
    if (group == nullptr || group->lpRows == nullptr)
        return FALSE;
    return WalkListRegistry(store, group->lpRows, group->wCount, wGroup, printerName, mode);
}
