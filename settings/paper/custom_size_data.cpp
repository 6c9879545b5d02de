// custom_size_data.cpp - the block of the ten user-defined sizes and its fields.
#include "settings/paper/custom_size_data.h"
#include "settings/paper/feature_table.h"
#include "settings/base/global_memory.h"

#include <cstring>
#include <iterator>

CUSTOM_SIZE_ENTRY* NewCustomSizeData()
{
    if (!IsListGroupEnabled(kUDPaperListGroup))
        return nullptr;
    return static_cast<CUSTOM_SIZE_ENTRY*>(AllocLockedBlock(kCustomSizeBlockBytes));
}

BOOL FreeCustomSizeData(CUSTOM_SIZE_ENTRY** cell)
{
    if (!IsListGroupEnabled(kUDPaperListGroup) || cell == nullptr)
        return TRUE;
    FreeLockedBlock(*cell);
    *cell = nullptr;
    return TRUE;
}

BOOL CopyCustomSizeData(CUSTOM_SIZE_ENTRY* target, const CUSTOM_SIZE_ENTRY* source)
{
    if (!IsListGroupEnabled(kUDPaperListGroup))
        return TRUE;
    if (target == nullptr || source == nullptr)
        return FALSE;
    std::memmove(target, source, kCustomSizeBlockBytes);
    return TRUE;
}

namespace {

struct CUSTOM_SIZE_FIELD_ROW {
    WORD  fieldCode;      // 0 ends the table
    bool  wholeBlock;     // the field is the block itself, whatever the index
    DWORD offset;         // within one entry
    DWORD size;
    DWORD typeCode;       // value-type code: 4 signed 16-bit, 8 signed 32-bit, 64 block, 128 text
};

} // namespace

constexpr CUSTOM_SIZE_FIELD_ROW kCustomSizeFields[] = {
    {kCustomSizeFieldBlock,  true,  0,                                    kCustomSizeBlockBytes, 64 },
    {kCustomSizeFieldWidth,  false, offsetof(CUSTOM_SIZE_ENTRY, width),  4,                     8  },
    {kCustomSizeFieldLength, false, offsetof(CUSTOM_SIZE_ENTRY, length), 4,                     8  },
    {kCustomSizeFieldUnit,   false, offsetof(CUSTOM_SIZE_ENTRY, unit),   2,                     4  },
    {kCustomSizeFieldName,   false, offsetof(CUSTOM_SIZE_ENTRY, name),   34,                    128},
    {0,                      false, 0,                                    0,                     0  },   // terminator
};
static_assert(kCustomSizeFields[std::size(kCustomSizeFields) - 1].fieldCode == 0, "terminator must be last");

BOOL AccessCustomSizeField(WORD fieldCode, UINT index, void** address, DWORD* size, DWORD* type,
                           CUSTOM_SIZE_ENTRY* block)
{
    if (block == nullptr || address == nullptr || size == nullptr || type == nullptr)
        return FALSE;
    if (!IsListGroupEnabled(kUDPaperListGroup))
        return TRUE;
    const CUSTOM_SIZE_FIELD_ROW* row = kCustomSizeFields;
    while (row->fieldCode != 0 && row->fieldCode != fieldCode)
        ++row;
    if (row->fieldCode == 0 || (!row->wholeBlock && index >= kCustomSizeCount))
        return FALSE;
    BYTE* base = reinterpret_cast<BYTE*>(block);
    *address = row->wholeBlock ? base : base + index * sizeof(CUSTOM_SIZE_ENTRY) + row->offset;
    *size = row->size;
    *type = row->typeCode;
    return TRUE;
}
