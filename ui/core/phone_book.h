#pragma once
// phone_book.h - the phone book of the fax path while a sheet is open: kept in the sheet's working state,
// carried between sheets and into the print job in a temporary file ("zpb" + number + ".tmp" in the user's
// temporary folder) that the devmode names by its unique number, with a ring of the last ten such files per
// printer and user under the registry key "TempPlistID".

#include "settings/devmode/driver_devmode.h"
#include "settings/params/ui_state.h"
#include "settings/strings/res_library.h"

// The file: u32 entry count, then kPhoneBookRows rows of 180 bytes: four ANSI texts of 44 bytes at 0, 44, 88
// and 132, the three per-entry switches as bytes at 176, 177 and 178, one reserved byte.
constexpr DWORD kPhoneBookRowBytes = 180;
constexpr DWORD kPhoneBookFileBytes = 4 + kPhoneBookRows * kPhoneBookRowBytes;   // 18,004
static_assert(kPhoneBookFileBytes == 18004);

// Sets the state's driver directory and phone-book library path, reads the phone book the devmode names into
// the state, and puts the printer's fitted name into the devmode's device name. A file that is missing, not
// exactly one whole phone book, or counts more than kPhoneBookRows entries leaves the phone book empty and
// clears the devmode's entry count and file number.
void LoadPhoneBook(const RES_MODULE_CELL* pCell, UI_STATE* pState, DRIVER_DEVMODE* pdm, PVOID unused,
                   HANDLE hPrinter);

// With entries: writes the state's phone book (committed per-entry switches) to the file the devmode names,
// or to a new one whose number the devmode then takes, and registers the file in the ring. TRUE when the
// whole file was written; FALSE, with the devmode's file number 0, when the file cannot be made. Without
// entries: deletes the devmode's file, if any, and clears its number; TRUE.
BOOL SavePhoneBookTemp(UI_STATE* pState, DRIVER_DEVMODE* pdm);

// Registers file number in the next slot of the printer's ring (slot 1 after 10, or after none), deleting the
// file whose number the slot held before; nothing changes when the current slot already holds the number.
void RegisterPhoneBookTemp(UI_STATE* pState, DRIVER_DEVMODE* pdm, DWORD number);

// The phone-book file of a unique number (kept beside the user's other temporary files); FALSE when the
// temporary folder cannot be named.
BOOL GetPhoneBookFileName(DWORD number, WCHAR (&path)[MAX_PATH]);
