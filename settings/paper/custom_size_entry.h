#pragma once
// custom_size_entry.h - one user-defined paper size, and the paper ids of the ten sizes.

#include "win/windows.h"

// Also the exact form of the printer data value "UDPaper%ld" (REG_BINARY, 44 bytes) that stores size n.
#pragma pack(push, 1)
struct CUSTOM_SIZE_ENTRY {   // 0x2C bytes
    DWORD width;             // 0x00  thousandths of an inch
    DWORD length;            // 0x04  thousandths of an inch
    WORD  unit;              // 0x08  display unit: 1 millimetres, 2 inches
    WCHAR name[17];          // 0x0A  at most 16 characters and the NUL
};
#pragma pack(pop)
static_assert(sizeof(CUSTOM_SIZE_ENTRY) == 0x2C);
static_assert(offsetof(CUSTOM_SIZE_ENTRY, width) == 0x00);
static_assert(offsetof(CUSTOM_SIZE_ENTRY, length) == 0x04);
static_assert(offsetof(CUSTOM_SIZE_ENTRY, unit) == 0x08);
static_assert(offsetof(CUSTOM_SIZE_ENTRY, name) == 0x0A);

// The UDPaper group keeps the ten sizes as one block, size n at (n - 1) x 44.
constexpr UINT kCustomSizeCount = 10;
constexpr UINT kCustomSizeBlockBytes = kCustomSizeCount * sizeof(CUSTOM_SIZE_ENTRY);
static_assert(kCustomSizeBlockBytes == 440);

// TRUE for the ten user-defined paper ids: 513..521 and 256.
BOOL IsCustomPaperId(SHORT paperId);
// The size number of a paper id: 513..521 give 1..9, 256 gives 10, any other id 0.
UINT CustomPaperIdToIndex(SHORT paperId);
// The paper id of size number n: 1..9 give 513..521, 10 gives 256, any other number 513.
SHORT CustomPaperIndexToId(UINT number);
