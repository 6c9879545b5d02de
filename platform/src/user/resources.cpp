// resources.cpp - a module's strings, bitmaps, icons and cursors by integer id, served from the resource
// directory the module exports (checked when it was loaded).
#include "common/handles.h"
#include "common/world_state.h"
#include "gdi/bitmaps.h"
#include "modules/module_table.h"
#include "win/winuser.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace {

// An icon or cursor as LoadIconW and LoadCursorW hand it out: shared by every caller that loads it, and
// valid as long as the module it came from stays loaded.
struct SharedIcon {
    HICON handle = nullptr;
    HMODULE module = nullptr;
    UINT id = 0;
    bool cursor = false;
    LONG width = 0;
    LONG height = 0;
};

platform::HandleTable<SharedIcon>& TheIcons()
{
    static auto* icons = new platform::HandleTable<SharedIcon>(platform::kResourceHandleBase);
    return *icons;
}

const bool kForgetsIconsWithTheWorld = (platform::OnWorldReset([] { TheIcons().Clear(); }), true);

// The module's directory, or nullptr with ERROR_RESOURCE_DATA_NOT_FOUND: the program, an unknown handle and
// a module without resources alike have none. The caller holds the loader lock, which keeps it mapped.
const host::ResourceDirectory* DirectoryOf(HINSTANCE hInstance)
{
    const host::ResourceDirectory* directory = platform::ModuleResources(hInstance);
    if (directory == nullptr)
        SetLastError(ERROR_RESOURCE_DATA_NOT_FOUND);
    return directory;
}

// The row of one type of resource with that id, or nullptr with the last error Windows gives.
template <typename Row>
const Row* FindResourceRow(const Row* rows, UINT count, UINT id)
{
    if (count == 0) {
        SetLastError(ERROR_RESOURCE_TYPE_NOT_FOUND);
        return nullptr;
    }
    const Row* row = std::find_if(rows, rows + count, [id](const Row& r) { return r.id == id; });
    if (row == rows + count) {
        SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
        return nullptr;
    }
    return row;
}

// The resources here are known by integer id only (MAKEINTRESOURCEW); a resource asked for by a text name
// is not found.
bool ResourceIdOf(LPCWSTR name, UINT& id)
{
    if (!IS_INTRESOURCE(name)) {
        SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
        return false;
    }
    id = LOWORD(name);
    return true;
}

HICON LoadSharedIcon(HINSTANCE hInstance, LPCWSTR name, bool cursor)
{
    std::lock_guard lock(platform::LoaderLock());
    const host::ResourceDirectory* directory = DirectoryOf(hInstance);
    UINT id = 0;
    if (directory == nullptr || !ResourceIdOf(name, id))
        return nullptr;
    const host::IconResource* row = cursor ? FindResourceRow(directory->cursors, directory->cursorCount, id)
                                           : FindResourceRow(directory->icons, directory->iconCount, id);
    if (row == nullptr)
        return nullptr;

    // The icons of modules freed since are gone with them; one already loaded from here is handed out again.
    std::vector<HICON> gone;
    HICON loaded = nullptr;
    TheIcons().ForEach([&](const std::shared_ptr<SharedIcon>& icon) {
        if (platform::FindModule(icon->module) == nullptr)
            gone.push_back(icon->handle);
        else if (icon->module == hInstance && icon->id == id && icon->cursor == cursor)
            loaded = icon->handle;
    });
    for (HICON handle : gone)
        TheIcons().Remove(handle);
    if (loaded != nullptr)
        return loaded;

    auto icon = std::make_shared<SharedIcon>();
    SharedIcon& added = *icon;
    added = {nullptr, hInstance, id, cursor, row->width, row->height};
    added.handle = TheIcons().Add<HICON>(std::move(icon));
    return added.handle;
}

// A shared icon is not destroyed: other callers hold the same handle, and it lives as long as its module.
BOOL DestroySharedIcon(HICON hIcon)
{
    std::lock_guard lock(platform::LoaderLock());
    const auto icon = TheIcons().Find(hIcon);
    if (icon == nullptr || platform::FindModule(icon->module) == nullptr) {
        SetLastError(ERROR_INVALID_CURSOR_HANDLE);
        return FALSE;
    }
    return TRUE;
}

} // namespace

int WINAPI LoadStringW(HINSTANCE hInstance, UINT uID, LPWSTR lpBuffer, int cchBufferMax)
{
    if (lpBuffer == nullptr || cchBufferMax < 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    if (cchBufferMax > 0)
        lpBuffer[0] = u'\0';   // a string that is not found leaves an empty text
    std::lock_guard lock(platform::LoaderLock());
    const host::ResourceDirectory* directory = DirectoryOf(hInstance);
    if (directory == nullptr)
        return 0;
    const host::StringResource* row = FindResourceRow(directory->strings, directory->stringCount, uID);
    if (row == nullptr)
        return 0;
    const size_t length = std::char_traits<char16_t>::length(row->text);
    if (cchBufferMax == 0) {
        // The buffer receives a pointer to the text itself; a WCHAR buffer need not be aligned for one.
        const LPCWSTR text = row->text;
        std::memcpy(lpBuffer, &text, sizeof text);
        return static_cast<int>(length);
    }
    const size_t copied = std::min(length, static_cast<size_t>(cchBufferMax) - 1);
    std::memcpy(lpBuffer, row->text, copied * sizeof(WCHAR));
    lpBuffer[copied] = u'\0';
    return static_cast<int>(copied);
}

HBITMAP WINAPI LoadBitmapW(HINSTANCE hInstance, LPCWSTR lpBitmapName)
{
    std::lock_guard lock(platform::LoaderLock());
    const host::ResourceDirectory* directory = DirectoryOf(hInstance);
    UINT id = 0;
    if (directory == nullptr || !ResourceIdOf(lpBitmapName, id))
        return nullptr;
    const host::BitmapResource* row = FindResourceRow(directory->bitmaps, directory->bitmapCount, id);
    if (row == nullptr)
        return nullptr;
    // The picture's rows are padded to 4 bytes.
    const size_t stride = (static_cast<size_t>(row->width) * row->bitsPerPixel + 31) / 32 * 4;
    const bool indexed = row->bitsPerPixel <= 8;
    return platform::CreateBitmapObject(row->width, row->height, row->bitsPerPixel, row->bits, stride,
                                        indexed ? row->palette : nullptr, indexed ? row->paletteCount : 0);
}

HICON WINAPI LoadIconW(HINSTANCE hInstance, LPCWSTR lpIconName)
{
    return LoadSharedIcon(hInstance, lpIconName, /*cursor=*/false);
}

HCURSOR WINAPI LoadCursorW(HINSTANCE hInstance, LPCWSTR lpCursorName)
{
    return LoadSharedIcon(hInstance, lpCursorName, /*cursor=*/true);
}

BOOL WINAPI DestroyIcon(HICON hIcon)
{
    return DestroySharedIcon(hIcon);
}

BOOL WINAPI DestroyCursor(HCURSOR hCursor)
{
    return DestroySharedIcon(hCursor);
}
