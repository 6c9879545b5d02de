#pragma once
// custom_size_data.h - the UDPaper list group: the block of the ten user-defined sizes and its fields. Every
// operation does nothing and succeeds while the group is switched off, except the allocator, which then
// answers null.

#include "settings/paper/custom_size_entry.h"
#include "settings/store/list_groups.h"

// A zeroed block of the ten sizes, to be freed with FreeCustomSizeData; null when the group is off or the
// heap is short.
CUSTOM_SIZE_ENTRY* NewCustomSizeData();

// Frees the block in *cell and clears the cell; a null cell or block is ignored.
BOOL FreeCustomSizeData(CUSTOM_SIZE_ENTRY** cell);

// Copies all ten sizes; 0 when either block is null.
BOOL CopyCustomSizeData(CUSTOM_SIZE_ENTRY* target, const CUSTOM_SIZE_ENTRY* source);

// Field codes of the group, shared with the list schema and the settings-file keys.
constexpr WORD kCustomSizeFieldBlock  = 93;   // the whole block (440 bytes, type 64)
constexpr WORD kCustomSizeFieldWidth  = 94;   // width of size index + 1 (4 bytes, type 8)
constexpr WORD kCustomSizeFieldLength = 95;   // length (4 bytes, type 8)
constexpr WORD kCustomSizeFieldUnit   = 96;   // display unit (2 bytes, type 4)
constexpr WORD kCustomSizeFieldName   = 97;   // name (34 bytes, type 128)

// Where field fieldCode of size index (0..9) lies in block: its address, byte size and value-type code.
// 1, or 0 with the outputs untouched for a null block or output, an unknown code or an index beyond 9 (the
// whole block ignores the index).
BOOL AccessCustomSizeField(WORD fieldCode, UINT index, void** address, DWORD* size, DWORD* type,
                           CUSTOM_SIZE_ENTRY* block);
