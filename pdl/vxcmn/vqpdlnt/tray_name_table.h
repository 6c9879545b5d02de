#pragma once
// tray_name_table.h - the input trays: the name PJL gives each, the letter of the VQPDL "ppt" command, and
// the codes of the PCL and PCL XL personalities.

#include "win/windows.h"

// Every field is 2-byte aligned, so the row has its 70 bytes without packing and its names can be handed out.
struct TRAY_NAME_ENTRY {         // 70 bytes
    SHORT trayId;                // 0x00  the devmode's tray value; 0 ends the table
    WCHAR pjlName[16];           // 0x02  "TRAY1"
    WCHAR pdlLetter[16];         // 0x22  "1"
    WORD  pclCode;               // 0x42
    WORD  pclXlCode;             // 0x44
};
static_assert(sizeof(TRAY_NAME_ENTRY) == 70);
static_assert(offsetof(TRAY_NAME_ENTRY, pjlName) == 0x02);
static_assert(offsetof(TRAY_NAME_ENTRY, pdlLetter) == 0x22);
static_assert(offsetof(TRAY_NAME_ENTRY, pclCode) == 0x42);
static_assert(offsetof(TRAY_NAME_ENTRY, pclXlCode) == 0x44);

// The first row with that tray id, or null.
const TRAY_NAME_ENTRY* FindTrayName(SHORT trayId);
