// res_library.cpp - finds and loads the resource library, and hands out per-operation cells holding it.
#include "settings/strings/res_library.h"
#include "settings/base/global_memory.h"

#include <iterator>

// The library lies in the printer driver directory of the system directory, not beside the module that
// loads it: both modules may run from elsewhere (the spooler copies them), the library stays there.
static constexpr WCHAR kDriverSubdirectory[] = u"\\spool\\drivers\\w32x86\\3\\";
static constexpr WCHAR kResLibraryName[] = u"Q73MZRT3.DLL";

// Appends text at pos, never past the buffer; false when it does not fit whole.
static bool AppendPath(WCHAR* pBuffer, UINT cchBuffer, UINT* pPos, const WCHAR* pText)
{
    UINT pos = *pPos;
    for (; *pText != u'\0'; ++pText) {
        if (pos + 1 >= cchBuffer)
            return false;
        pBuffer[pos++] = *pText;
    }
    pBuffer[pos] = u'\0';
    *pPos = pos;
    return true;
}

HMODULE LoadResLibrary()
{
    WCHAR path[MAX_PATH + 40] = {};
    const UINT cchSystem = GetSystemDirectoryW(path, MAX_PATH);
    if (cchSystem == 0 || cchSystem >= MAX_PATH)
        return nullptr;
    UINT pos = cchSystem;
    if (!AppendPath(path, static_cast<UINT>(std::size(path)), &pos, kDriverSubdirectory) ||
        !AppendPath(path, static_cast<UINT>(std::size(path)), &pos, kResLibraryName))
        return nullptr;
    return LoadLibraryW(path);
}

RES_MODULE_CELL* OpenResModule()
{
    auto* pCell = static_cast<RES_MODULE_CELL*>(AllocLockedBlock(sizeof(RES_MODULE_CELL)));
    if (pCell == nullptr)
        return nullptr;
    pCell->hModule = LoadResLibrary();
    return pCell;
}

void CloseResModule(RES_MODULE_CELL* pCell)
{
    if (pCell == nullptr)
        return;
    const HMODULE hModule = pCell->hModule;
    if (hModule != nullptr)
        FreeLibrary(hModule);
    FreeLockedBlock(pCell);
}

bool HasResModule(const RES_MODULE_CELL* pCell)
{
    return pCell != nullptr && pCell->hModule != nullptr;
}

HBITMAP LoadResBitmap(HMODULE hModule, UINT id)
{
    return LoadBitmapW(hModule, MAKEINTRESOURCEW(id));
}

HCURSOR LoadResCursor(HMODULE hModule, UINT id)
{
    return LoadCursorW(hModule, MAKEINTRESOURCEW(id));
}

HICON LoadResIcon(HMODULE hModule, UINT id)
{
    return LoadIconW(hModule, MAKEINTRESOURCEW(id));
}
