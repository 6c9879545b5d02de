// custom_size_store.cpp - the ten user-defined sizes in the printer's data.
// The printer data is untrusted: a value is taken only when it is exactly one entry long, and its name is
// cut at its field.
#include "settings/paper/custom_size_store.h"
#include "settings/paper/custom_size_data.h"
#include "settings/paper/custom_size_defaults.h"
#include "settings/paper/feature_table.h"
#include "settings/registry/printer_data.h"
#include "settings/strings/res_strings.h"
#include "settings/strings/text_copy.h"

#include <cstring>

namespace {

// Holds a reference on the resource strings for the length of a scope.
class ResStringsReference {
public:
    ResStringsReference() { InitResStrings(); }
    ~ResStringsReference() { TermResStrings(); }
    ResStringsReference(const ResStringsReference&) = delete;
    ResStringsReference& operator=(const ResStringsReference&) = delete;
};

} // namespace

// "UDPaper%ld" for size number 1..10.
static void FormatCustomSizeValueName(UINT number, WCHAR (&out)[16])
{
    wsprintfW(out, u"UDPaper%ld", static_cast<LONG>(number));
}

// The stored value of size number, as a well-formed entry; false when it is missing or not one entry long.
static bool ReadStoredCustomSize(HANDLE printer, UINT number, CUSTOM_SIZE_ENTRY* entry)
{
    WCHAR valueName[16];
    FormatCustomSizeValueName(number, valueName);
    CUSTOM_SIZE_ENTRY stored;
    DWORD cbNeeded = 0;
    if (GetPrinterDataValue(printer, nullptr, valueName, &stored, sizeof stored, &cbNeeded) != ERROR_SUCCESS
        || cbNeeded != sizeof stored)
        return false;
    WCHAR name[sizeof stored.name / sizeof(WCHAR) + 1] = {};
    std::memcpy(name, &stored.name, sizeof stored.name);
    CopyText(&stored.name, name);
    std::memcpy(entry, &stored, sizeof stored);
    return true;
}

static void SetDefaultCustomSize(UINT number, CUSTOM_SIZE_ENTRY* entry)
{
    const DEFAULT_CUSTOM_SIZE* row = FindDefaultCustomSize(number);
    CUSTOM_SIZE_ENTRY size = {};
    size.width = row->width;
    size.length = row->length;
    size.unit = row->unit;
    CopyText(&size.name, GetResString(row->nameStringId));
    std::memcpy(entry, &size, sizeof size);
}

static bool IsSameCustomSize(const CUSTOM_SIZE_ENTRY& a, const CUSTOM_SIZE_ENTRY& b)
{
    if (a.width != b.width || a.length != b.length || a.unit != b.unit)
        return false;
    WCHAR nameA[sizeof a.name / sizeof(WCHAR)];
    WCHAR nameB[sizeof b.name / sizeof(WCHAR)];
    std::memcpy(nameA, &a.name, sizeof nameA);
    std::memcpy(nameB, &b.name, sizeof nameB);
    for (std::size_t i = 0; i < sizeof nameA / sizeof(WCHAR); ++i) {
        if (nameA[i] != nameB[i])
            return false;
        if (nameA[i] == u'\0')
            return true;
    }
    return true;
}

BOOL LoadCustomSizes(CUSTOM_SIZE_ENTRY* block, PVOID, HANDLE printer)
{
    if (!IsListGroupEnabled(kUDPaperListGroup))
        return TRUE;
    if (block == nullptr)
        return FALSE;
    ResStringsReference strings;
    for (UINT number = 1; number <= kCustomSizeCount; ++number) {
        if (!ReadStoredCustomSize(printer, number, &block[number - 1]))
            SetDefaultCustomSize(number, &block[number - 1]);
    }
    return TRUE;
}

BOOL SaveCustomSizes(const CUSTOM_SIZE_ENTRY* block, PVOID, HANDLE printer)
{
    if (!IsListGroupEnabled(kUDPaperListGroup))
        return TRUE;
    if (block == nullptr || printer == nullptr)
        return FALSE;
    ResStringsReference strings;
    BOOL allWritten = TRUE;
    for (UINT number = 1; number <= kCustomSizeCount; ++number) {
        CUSTOM_SIZE_ENTRY size;
        std::memcpy(&size, &block[number - 1], sizeof size);
        CUSTOM_SIZE_ENTRY stored;
        if (ReadStoredCustomSize(printer, number, &stored) && IsSameCustomSize(stored, size))
            continue;
        WCHAR valueName[16];
        FormatCustomSizeValueName(number, valueName);
        if (!SetPrinterDataValue(printer, nullptr, valueName, &size, sizeof size, REG_BINARY))
            allWritten = FALSE;
    }
    return allWritten;
}

BOOL LoadCustomSizeData(CUSTOM_SIZE_ENTRY* block, const LIST_SCHEMA_SET* schemas, HANDLE printer)
{
    if (!IsListGroupEnabled(kUDPaperListGroup))
        return TRUE;
    if (block == nullptr || schemas == nullptr || printer == nullptr)
        return FALSE;
    return LoadCustomSizes(block, nullptr, printer);
}

BOOL SaveCustomSizeData(const CUSTOM_SIZE_ENTRY* block, const LIST_SCHEMA_SET* schemas, HANDLE printer)
{
    if (!IsListGroupEnabled(kUDPaperListGroup))
        return TRUE;
    if (block == nullptr || schemas == nullptr || printer == nullptr)
        return FALSE;
    return SaveCustomSizes(block, nullptr, printer);
}

BOOL GetCustomSize(HANDLE printer, PVOID, UINT number, DWORD* width, DWORD* length, LPWSTR name, UINT cbName)
{
    const DEFAULT_CUSTOM_SIZE* row = FindDefaultCustomSize(number);
    if (row == nullptr)
        return FALSE;
    ResStringsReference strings;
    if (width != nullptr)
        *width = row->width;
    if (length != nullptr)
        *length = row->length;
    if (name != nullptr)
        CopyTextCut(name, cbName / sizeof(WCHAR), GetResString(row->nameStringId));
    if (!IsListGroupEnabled(kUDPaperListGroup))
        return TRUE;

    CUSTOM_SIZE_ENTRY* block = NewCustomSizeData();
    if (block == nullptr)
        return FALSE;
    const BOOL loaded = LoadCustomSizes(block, nullptr, printer);
    if (loaded) {
        CUSTOM_SIZE_ENTRY size;
        std::memcpy(&size, &block[number - 1], sizeof size);
        if (width != nullptr)
            *width = size.width;
        if (length != nullptr)
            *length = size.length;
        if (name != nullptr) {
            WCHAR sizeName[sizeof size.name / sizeof(WCHAR)];
            std::memcpy(sizeName, &size.name, sizeof sizeName);
            CopyTextCut(name, cbName / sizeof(WCHAR), sizeName);
        }
    }
    FreeCustomSizeData(&block);
    return loaded;
}
