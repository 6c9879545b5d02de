#pragma once
// res_library.h - the resource library Q73MZRT3.DLL, which holds every text, bitmap, icon and cursor the
// driver shows, and the per-operation holder of a loaded copy of it.

#include "win/windows.h"

// Loads the resource library from the printer driver directory below the system directory; null when the
// directory cannot be named or the library does not load. The caller frees the handle with FreeLibrary.
HMODULE LoadResLibrary();

#pragma pack(push, 1)
// One operation's own reference on the resource library. hModule is null when the library did not load;
// the option queries then answer 0, because the option names cannot be fetched.
struct RES_MODULE_CELL {
    HMODULE hModule;
};
#pragma pack(pop)
static_assert(sizeof(RES_MODULE_CELL) == 4);

// A new cell (global memory) holding a freshly loaded copy of the library, or holding null when the library
// is missing; null only when the cell itself cannot be allocated.
RES_MODULE_CELL* OpenResModule();

// Frees the cell's library (when loaded) and the cell; a null cell is ignored.
void CloseResModule(RES_MODULE_CELL* pCell);

// True when the cell exists and holds a loaded library.
bool HasResModule(const RES_MODULE_CELL* pCell);

// LoadBitmapW, LoadCursorW and LoadIconW of an integer resource id; null when the module lacks it.
HBITMAP LoadResBitmap(HMODULE hModule, UINT id);
HCURSOR LoadResCursor(HMODULE hModule, UINT id);
HICON LoadResIcon(HMODULE hModule, UINT id);
