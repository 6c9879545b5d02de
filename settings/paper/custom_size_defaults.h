#pragma once
// custom_size_defaults.h - the size each of the ten user-defined sizes has until the user changes it.

#include "win/windows.h"

struct DEFAULT_CUSTOM_SIZE {   // 16 bytes
    DWORD width;               // 0x00  thousandths of an inch
    DWORD length;              // 0x04  thousandths of an inch
    WORD  unit;                // 0x08  1 millimetres
    WORD  reserved;            // 0x0A  0
    DWORD nameStringId;        // 0x0C  resource string of the default name; 0 ends the table
};
static_assert(sizeof(DEFAULT_CUSTOM_SIZE) == 16);
static_assert(offsetof(DEFAULT_CUSTOM_SIZE, unit) == 0x08);
static_assert(offsetof(DEFAULT_CUSTOM_SIZE, nameStringId) == 0x0C);

// The table: ten rows, size n in row n - 1, then the terminator.
const DEFAULT_CUSTOM_SIZE* GetDefaultCustomSizeTable();

// The row of size number 1..10, or null.
const DEFAULT_CUSTOM_SIZE* FindDefaultCustomSize(UINT number);
