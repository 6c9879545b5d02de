// menus.cpp - menus and popup menus. TrackPopupMenu is a modal loop the user's script answers ("menu ID",
// ID being the control, or the dialog's template, the menu is shown for, with "command ID" or "dismiss"):
// the owner hears WM_ENTERMENULOOP, WM_INITMENUPOPUP, the measuring and drawing of owner-drawn items, then
// WM_UNINITMENUPOPUP and WM_EXITMENULOOP; the chosen command is posted to it as WM_COMMAND (or, with
// TPM_RETURNCMD, answered). Every menu shown is recorded with its items.
#include "user/dialog_manager.h"
#include "user/painting.h"
#include "common/handles.h"
#include "common/text_util.h"
#include "common/world_state.h"

#include <cstdlib>

namespace platform {
namespace {

struct MenuItem {
    UINT flags = 0;          // MF_ state and kind bits
    UINT_PTR id = 0;         // the command, or the sub-menu of MF_POPUP
    std::u16string text;
    ULONG_PTR data = 0;      // an owner-drawn item's data (its "text" argument)
};

struct MenuRecord {
    std::vector<MenuItem> items;
    bool popup = false;
};

HandleTable<MenuRecord>& TheMenus()
{
    static auto* menus = new HandleTable<MenuRecord>(kMenuHandleBase);
    return *menus;
}

const bool kForgetsMenusWithTheWorld = (OnWorldReset([] { TheMenus().Clear(); }), true);

std::shared_ptr<MenuRecord> MenuOrFail(HMENU menu)
{
    auto record = TheMenus().Find(menu);
    if (record == nullptr)
        SetLastError(ERROR_INVALID_MENU_HANDLE);
    return record;
}

// The item named by position (MF_BYPOSITION) or by command, searching sub-menus for a command; null when none.
MenuItem* FindItem(MenuRecord& menu, UINT which, UINT flags, int depth = 0)
{
    if ((flags & MF_BYPOSITION) != 0)
        return which < menu.items.size() ? &menu.items[which] : nullptr;
    for (MenuItem& item : menu.items) {
        if ((item.flags & MF_POPUP) == 0 && item.id == which)
            return &item;
        if ((item.flags & MF_POPUP) != 0 && depth < 8)
            if (const auto sub = TheMenus().Find(reinterpret_cast<HMENU>(item.id)))
                if (MenuItem* found = FindItem(*sub, which, flags & ~MF_BYPOSITION, depth + 1))
                    return found;
    }
    return nullptr;
}

MenuItem MakeItem(UINT flags, UINT_PTR id, LPCWSTR text)
{
    MenuItem item;
    item.flags = flags & ~MF_BYPOSITION;
    item.id = id;
    if ((flags & MF_OWNERDRAW) != 0)
        item.data = reinterpret_cast<ULONG_PTR>(text);
    else if ((flags & (MF_SEPARATOR | MF_BITMAP)) == 0)
        item.text = View(text);
    return item;
}

// How the record and the script name the window a menu is shown for: its control id, or its dialog's template.
UINT MenuKey(HWND owner)
{
    if (const DialogState* dialog = DialogStateOf(owner); dialog != nullptr && dialog->templateId != 0)
        return dialog->templateId;
    return static_cast<UINT>(GetDlgCtrlID(owner));
}

std::string RecordLine(UINT key, const MenuRecord& menu)
{
    std::string line = "menu " + std::to_string(key) + ":";
    for (const MenuItem& item : menu.items) {
        if ((item.flags & MF_SEPARATOR) != 0) {
            line += " -";
            continue;
        }
        line += " " + ((item.flags & MF_POPUP) != 0 ? std::string("popup") : std::to_string(item.id)) + " " +
                QuoteText(item.text);
        if ((item.flags & (MF_GRAYED | MF_DISABLED)) != 0)
            line += " grey";
        if ((item.flags & MF_CHECKED) != 0)
            line += " checked";
    }
    return line;
}

// The owner measures and draws its owner-drawn items, as the menu is shown.
void DrawOwnerItems(HWND owner, const MenuRecord& menu)
{
    const HDC screen = GetDC(nullptr);
    LONG y = 0;
    for (size_t i = 0; i < menu.items.size(); ++i) {
        const MenuItem& item = menu.items[i];
        if ((item.flags & MF_OWNERDRAW) == 0)
            continue;
        MEASUREITEMSTRUCT mis = {ODT_MENU, 0, static_cast<UINT>(item.id), 0, 16, item.data};
        SendMessageW(owner, WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&mis));
        DRAWITEMSTRUCT dis = {};
        dis.CtlType = ODT_MENU;
        dis.itemID = static_cast<UINT>(item.id);
        dis.itemAction = ODA_DRAWENTIRE;
        dis.itemState = ((item.flags & MF_GRAYED) != 0 ? ODS_GRAYED : 0) | ((item.flags & MF_CHECKED) != 0 ? ODS_CHECKED : 0);
        dis.hwndItem = nullptr;
        dis.hDC = screen;
        dis.rcItem = {0, y, static_cast<LONG>(mis.itemWidth), y + static_cast<LONG>(mis.itemHeight)};
        dis.itemData = item.data;
        SendMessageW(owner, WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&dis));
        y += static_cast<LONG>(mis.itemHeight);
    }
    ReleaseDC(nullptr, screen);
}

} // namespace
} // namespace platform

using namespace platform;

HMENU WINAPI CreateMenu(void)
{
    return TheMenus().Add<HMENU>(std::make_shared<MenuRecord>());
}

HMENU WINAPI CreatePopupMenu(void)
{
    auto menu = std::make_shared<MenuRecord>();
    menu->popup = true;
    return TheMenus().Add<HMENU>(std::move(menu));
}

BOOL WINAPI DestroyMenu(HMENU hMenu)
{
    const auto menu = TheMenus().Remove(hMenu);
    if (menu == nullptr) {
        SetLastError(ERROR_INVALID_MENU_HANDLE);
        return FALSE;
    }
    // Its sub-menus go with it.
    for (const MenuItem& item : menu->items)
        if ((item.flags & MF_POPUP) != 0)
            DestroyMenu(reinterpret_cast<HMENU>(item.id));
    return TRUE;
}

BOOL WINAPI AppendMenuW(HMENU hMenu, UINT uFlags, UINT_PTR uIDNewItem, LPCWSTR lpNewItem)
{
    const auto menu = MenuOrFail(hMenu);
    if (menu == nullptr)
        return FALSE;
    menu->items.push_back(MakeItem(uFlags, uIDNewItem, lpNewItem));
    return TRUE;
}

BOOL WINAPI InsertMenuW(HMENU hMenu, UINT uPosition, UINT uFlags, UINT_PTR uIDNewItem, LPCWSTR lpNewItem)
{
    const auto menu = MenuOrFail(hMenu);
    if (menu == nullptr)
        return FALSE;
    size_t at = menu->items.size();
    if ((uFlags & MF_BYPOSITION) != 0) {
        at = std::min<size_t>(uPosition, menu->items.size());   // past the end: appended
    } else {
        const MenuItem* before = FindItem(*menu, uPosition, MF_BYCOMMAND);
        if (before == nullptr || before < menu->items.data() || before >= menu->items.data() + menu->items.size()) {
            SetLastError(ERROR_MENU_ITEM_NOT_FOUND);
            return FALSE;
        }
        at = static_cast<size_t>(before - menu->items.data());
    }
    menu->items.insert(menu->items.begin() + static_cast<std::ptrdiff_t>(at), MakeItem(uFlags, uIDNewItem, lpNewItem));
    return TRUE;
}

BOOL WINAPI DeleteMenu(HMENU hMenu, UINT uPosition, UINT uFlags)
{
    const auto menu = MenuOrFail(hMenu);
    if (menu == nullptr)
        return FALSE;
    const MenuItem* item = FindItem(*menu, uPosition, uFlags);
    if (item == nullptr || item < menu->items.data() || item >= menu->items.data() + menu->items.size()) {
        SetLastError(ERROR_MENU_ITEM_NOT_FOUND);
        return FALSE;
    }
    const MenuItem gone = *item;
    menu->items.erase(menu->items.begin() + (item - menu->items.data()));
    if ((gone.flags & MF_POPUP) != 0)
        DestroyMenu(reinterpret_cast<HMENU>(gone.id));
    return TRUE;
}

DWORD WINAPI CheckMenuItem(HMENU hMenu, UINT uIDCheckItem, UINT uCheck)
{
    const auto menu = MenuOrFail(hMenu);
    MenuItem* item = menu != nullptr ? FindItem(*menu, uIDCheckItem, uCheck) : nullptr;
    if (item == nullptr)
        return static_cast<DWORD>(-1);
    const DWORD old = item->flags & MF_CHECKED;
    item->flags = (item->flags & ~MF_CHECKED) | (uCheck & MF_CHECKED);
    return old;
}

BOOL WINAPI EnableMenuItem(HMENU hMenu, UINT uIDEnableItem, UINT uEnable)
{
    const auto menu = MenuOrFail(hMenu);
    MenuItem* item = menu != nullptr ? FindItem(*menu, uIDEnableItem, uEnable) : nullptr;
    if (item == nullptr)
        return -1;
    const UINT old = item->flags & (MF_GRAYED | MF_DISABLED);
    item->flags = (item->flags & ~(MF_GRAYED | MF_DISABLED)) | (uEnable & (MF_GRAYED | MF_DISABLED));
    return static_cast<BOOL>(old);
}

int WINAPI GetMenuItemCount(HMENU hMenu)
{
    const auto menu = MenuOrFail(hMenu);
    return menu != nullptr ? static_cast<int>(menu->items.size()) : -1;
}

UINT WINAPI GetMenuItemID(HMENU hMenu, int nPos)
{
    const auto menu = MenuOrFail(hMenu);
    if (menu == nullptr || nPos < 0 || static_cast<size_t>(nPos) >= menu->items.size() ||
        (menu->items[static_cast<size_t>(nPos)].flags & MF_POPUP) != 0)
        return static_cast<UINT>(-1);
    return static_cast<UINT>(menu->items[static_cast<size_t>(nPos)].id);
}

UINT WINAPI GetMenuState(HMENU hMenu, UINT uId, UINT uFlags)
{
    const auto menu = MenuOrFail(hMenu);
    const MenuItem* item = menu != nullptr ? FindItem(*menu, uId, uFlags) : nullptr;
    if (item == nullptr)
        return static_cast<UINT>(-1);
    if ((item->flags & MF_POPUP) != 0) {
        // A sub-menu: its item count in the high byte, its flags in the low one.
        const int count = GetMenuItemCount(reinterpret_cast<HMENU>(item->id));
        return (static_cast<UINT>(std::max(count, 0)) << 8) | (item->flags & 0xFF);
    }
    return item->flags & 0xFFFF;
}

int WINAPI GetMenuStringW(HMENU hMenu, UINT uIDItem, LPWSTR lpString, int cchMax, UINT flags)
{
    const auto menu = MenuOrFail(hMenu);
    const MenuItem* item = menu != nullptr ? FindItem(*menu, uIDItem, flags) : nullptr;
    if (item == nullptr)
        return 0;
    if (lpString == nullptr || cchMax <= 0)
        return static_cast<int>(item->text.size());
    const size_t n = std::min(item->text.size(), static_cast<size_t>(cchMax) - 1);
    std::copy_n(item->text.data(), n, lpString);
    lpString[n] = u'\0';
    return static_cast<int>(n);
}

HMENU WINAPI GetSubMenu(HMENU hMenu, int nPos)
{
    const auto menu = TheMenus().Find(hMenu);
    if (menu == nullptr || nPos < 0 || static_cast<size_t>(nPos) >= menu->items.size() ||
        (menu->items[static_cast<size_t>(nPos)].flags & MF_POPUP) == 0)
        return nullptr;
    return reinterpret_cast<HMENU>(menu->items[static_cast<size_t>(nPos)].id);
}

BOOL WINAPI TrackPopupMenu(HMENU hMenu, UINT uFlags, int, int, int, HWND hWnd, const RECT*)
{
    const auto menu = MenuOrFail(hMenu);
    if (menu == nullptr)
        return FALSE;
    if (WindowOrFail(hWnd) == nullptr)
        return FALSE;
    const UINT key = MenuKey(hWnd);
    RecordShown(RecordLine(key, *menu));
    const bool notify = (uFlags & TPM_NONOTIFY) == 0;
    if (notify) {
        SendMessageW(hWnd, WM_ENTERMENULOOP, TRUE, 0);
        SendMessageW(hWnd, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(hMenu), MAKELPARAM(0, FALSE));
    }
    if (IsWindow(hWnd))
        DrawOwnerItems(hWnd, *menu);
    bool expected = false;
    ScriptFrame* frame = OpenScriptFrame(ShownKind::Menu, Utf8ToUtf16(std::to_string(key)), nullptr, expected);
    bool done = false;
    UINT chosen = 0;
    RunModalLoop(
        frame, expected, "menu " + std::to_string(key), [&] { return done; }, [&] { done = true; },
        [&](const ScriptNode& step, std::string& reason) {
            if (step.verb == "dismiss") {
                done = true;
                return true;
            }
            const long id = std::strtol(Utf16ToUtf8(step.args[0]).c_str(), nullptr, 0);
            const auto now = TheMenus().Find(hMenu);
            const MenuItem* item = now != nullptr ? FindItem(*now, static_cast<UINT>(id), MF_BYCOMMAND) : nullptr;
            if (item == nullptr || (item->flags & (MF_SEPARATOR | MF_POPUP)) != 0) {
                reason = "no command " + std::to_string(id) + " in the menu";
                return false;
            }
            if ((item->flags & (MF_GRAYED | MF_DISABLED)) != 0) {
                reason = "command " + std::to_string(id) + " is grey";
                return false;
            }
            chosen = static_cast<UINT>(id);
            done = true;
            return true;
        });
    CloseScriptFrame(frame);
    if (notify && IsWindow(hWnd)) {
        SendMessageW(hWnd, WM_UNINITMENUPOPUP, reinterpret_cast<WPARAM>(hMenu), 0);
        SendMessageW(hWnd, WM_EXITMENULOOP, TRUE, 0);
    }
    if ((uFlags & TPM_RETURNCMD) != 0)
        return static_cast<BOOL>(chosen);
    if (chosen != 0 && notify)
        PostMessageW(hWnd, WM_COMMAND, MAKEWPARAM(chosen, 0), 0);
    return TRUE;
}
