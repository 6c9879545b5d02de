// windows.cpp - window classes and windows: RegisterClassW and its kin, CreateWindowExW, DestroyWindow, the
// window longs, texts, visibility, enabling and the parent-child links.
#include "user/controls.h"
#include "user/window_table.h"
#include "common/text_util.h"

#include <algorithm>
#include <cstring>

namespace platform {
namespace {

// Reads or writes 4 bytes of extra bytes at index; false (ERROR_INVALID_INDEX) past their end.
bool ExtraAt(std::vector<BYTE>& bytes, int index, LONG*& where)
{
    if (index < 0 || static_cast<size_t>(index) + sizeof(LONG) > bytes.size()) {
        SetLastError(ERROR_INVALID_INDEX);
        return false;
    }
    where = reinterpret_cast<LONG*>(bytes.data() + index);
    return true;
}

LONG ReadLong(std::vector<BYTE>& bytes, int index)
{
    LONG* where = nullptr;
    if (!ExtraAt(bytes, index, where))
        return 0;
    LONG value;
    std::memcpy(&value, where, sizeof value);
    return value;
}

LONG WriteLong(std::vector<BYTE>& bytes, int index, LONG newValue)
{
    LONG* where = nullptr;
    if (!ExtraAt(bytes, index, where))
        return 0;
    LONG old;
    std::memcpy(&old, where, sizeof old);
    std::memcpy(where, &newValue, sizeof newValue);
    return old;
}

const WindowClassRecord* ClassOfName(LPCWSTR name, HINSTANCE instance, std::shared_ptr<WindowClassRecord>& found)
{
    EnsureSystemClasses();
    if (name == nullptr) {
        SetLastError(ERROR_CANNOT_FIND_WND_CLASS);
        return nullptr;
    }
    if (IS_INTRESOURCE(name)) {
        found = FindClassByAtom(LOWORD(name));
        if (found == nullptr)
            SetLastError(ERROR_CANNOT_FIND_WND_CLASS);
        return found.get();
    }
    found = FindClassFor(View(name), instance);
    return found.get();
}

// Sends the destruction messages through a tree already marked as going: WM_DESTROY parents first,
// WM_NCDESTROY children first, each window leaving the table after its WM_NCDESTROY.
void SendDestroy(HWND hwnd)
{
    SendMessageW(hwnd, WM_DESTROY, 0, 0);
    const auto window = FindWindowRecord(hwnd);
    if (window == nullptr)
        return;
    const std::vector<HWND> children = window->children;
    for (const HWND child : children)
        if (FindWindowRecord(child) != nullptr)
            SendDestroy(child);
}

void SendNcDestroy(HWND hwnd)
{
    const auto window = FindWindowRecord(hwnd);
    if (window == nullptr)
        return;
    const std::vector<HWND> children = window->children;
    for (const HWND child : children)
        SendNcDestroy(child);
    SendMessageW(hwnd, WM_NCDESTROY, 0, 0);
    if (window->cls != nullptr && window->cls->windows > 0)
        --window->cls->windows;
    RemoveWindowRecord(hwnd);
}

} // namespace
} // namespace platform

using namespace platform;

ATOM WINAPI RegisterClassW(const WNDCLASSW* lpWndClass)
{
    if (lpWndClass == nullptr || lpWndClass->lpszClassName == nullptr || lpWndClass->lpfnWndProc == nullptr ||
        lpWndClass->cbClsExtra < 0 || lpWndClass->cbWndExtra < 0 || IS_INTRESOURCE(lpWndClass->lpszClassName)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    EnsureSystemClasses();
    const std::u16string name(View(lpWndClass->lpszClassName));
    const HINSTANCE owner = lpWndClass->hInstance != nullptr ? lpWndClass->hInstance : kProgramInstance;
    for (const auto& cls : RegisteredClasses())
        if (cls->instance == owner && EqualsNoCase(cls->name, name)) {
            SetLastError(ERROR_CLASS_ALREADY_EXISTS);
            return 0;
        }
    auto cls = std::make_shared<WindowClassRecord>();
    cls->name = name;
    cls->style = lpWndClass->style;
    cls->proc = lpWndClass->lpfnWndProc;
    cls->cbClsExtra = lpWndClass->cbClsExtra;
    cls->cbWndExtra = lpWndClass->cbWndExtra;
    // A module's class belongs to its module; the program's (a null instance) is kept apart from the system's.
    cls->instance = lpWndClass->hInstance != nullptr ? lpWndClass->hInstance : kProgramInstance;
    cls->icon = lpWndClass->hIcon;
    cls->cursor = lpWndClass->hCursor;
    cls->background = lpWndClass->hbrBackground;
    cls->extra.assign(static_cast<size_t>(lpWndClass->cbClsExtra), 0);
    return AddRegisteredClass(std::move(cls));
}

BOOL WINAPI UnregisterClassW(LPCWSTR lpClassName, HINSTANCE hInstance)
{
    if (lpClassName == nullptr) {
        SetLastError(ERROR_CLASS_DOES_NOT_EXIST);
        return FALSE;
    }
    const HINSTANCE owner = hInstance != nullptr ? hInstance : kProgramInstance;
    auto& list = RegisteredClasses();
    for (auto it = list.begin(); it != list.end(); ++it) {
        const auto& cls = *it;
        const bool named = IS_INTRESOURCE(lpClassName) ? cls->atom == LOWORD(lpClassName)
                                                       : EqualsNoCase(cls->name, View(lpClassName));
        if (!named || cls->instance != owner)
            continue;
        if (cls->windows > 0) {
            SetLastError(ERROR_CLASS_HAS_WINDOWS);
            return FALSE;
        }
        list.erase(it);
        return TRUE;
    }
    SetLastError(ERROR_CLASS_DOES_NOT_EXIST);
    return FALSE;
}

BOOL WINAPI GetClassInfoW(HINSTANCE hInstance, LPCWSTR lpClassName, LPWNDCLASSW lpWndClass)
{
    std::shared_ptr<WindowClassRecord> cls;
    if (lpWndClass == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    if (ClassOfName(lpClassName, hInstance != nullptr ? hInstance : kProgramInstance, cls) == nullptr) {
        SetLastError(ERROR_CLASS_DOES_NOT_EXIST);
        return FALSE;
    }
    *lpWndClass = {};
    lpWndClass->style = cls->style;
    lpWndClass->lpfnWndProc = cls->proc;
    lpWndClass->cbClsExtra = cls->cbClsExtra;
    lpWndClass->cbWndExtra = cls->cbWndExtra;
    lpWndClass->hInstance = cls->instance == kProgramInstance ? nullptr : cls->instance;
    lpWndClass->hIcon = cls->icon;
    lpWndClass->hCursor = cls->cursor;
    lpWndClass->hbrBackground = cls->background;
    lpWndClass->lpszClassName = lpClassName;
    return TRUE;
}

int WINAPI GetClassNameW(HWND hWnd, LPWSTR lpClassName, int nMaxCount)
{
    const auto window = WindowOrFail(hWnd);
    if (window == nullptr)
        return 0;
    if (lpClassName == nullptr || nMaxCount <= 0) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return 0;
    }
    const size_t count = std::min(window->cls->name.size(), static_cast<size_t>(nMaxCount) - 1);
    std::copy_n(window->cls->name.data(), count, lpClassName);
    lpClassName[count] = u'\0';
    return static_cast<int>(count);
}

DWORD WINAPI GetClassLongW(HWND hWnd, int nIndex)
{
    const auto window = WindowOrFail(hWnd);
    if (window == nullptr)
        return 0;
    WindowClassRecord& cls = *window->cls;
    switch (nIndex) {
    case GCL_WNDPROC:       return reinterpret_cast<DWORD>(cls.proc);
    case GCL_STYLE:         return cls.style;
    case GCL_CBWNDEXTRA:    return static_cast<DWORD>(cls.cbWndExtra);
    case GCL_CBCLSEXTRA:    return static_cast<DWORD>(cls.cbClsExtra);
    case GCL_HBRBACKGROUND: return reinterpret_cast<DWORD>(cls.background);
    case GCL_HCURSOR:       return reinterpret_cast<DWORD>(cls.cursor);
    case GCL_HICON:         return reinterpret_cast<DWORD>(cls.icon);
    default:                return static_cast<DWORD>(ReadLong(cls.extra, nIndex));
    }
}

DWORD WINAPI SetClassLongW(HWND hWnd, int nIndex, LONG dwNewLong)
{
    const auto window = WindowOrFail(hWnd);
    if (window == nullptr)
        return 0;
    WindowClassRecord& cls = *window->cls;
    const auto swap = [dwNewLong](auto& field) {
        const DWORD old = reinterpret_cast<DWORD>(field);
        field = reinterpret_cast<std::remove_reference_t<decltype(field)>>(dwNewLong);
        return old;
    };
    switch (nIndex) {
    case GCL_WNDPROC:       return swap(cls.proc);
    case GCL_HBRBACKGROUND: return swap(cls.background);
    case GCL_HCURSOR:       return swap(cls.cursor);
    case GCL_HICON:         return swap(cls.icon);
    case GCL_STYLE: {
        const DWORD old = cls.style;
        cls.style = static_cast<UINT>(dwNewLong);
        return old;
    }
    case GCL_CBWNDEXTRA:
    case GCL_CBCLSEXTRA:
        SetLastError(ERROR_INVALID_INDEX);   // the sizes are fixed once windows of the class may exist
        return 0;
    default:
        return static_cast<DWORD>(WriteLong(cls.extra, nIndex, dwNewLong));
    }
}

HWND WINAPI CreateWindowExW(DWORD dwExStyle, LPCWSTR lpClassName, LPCWSTR lpWindowName, DWORD dwStyle, int X, int Y,
                            int nWidth, int nHeight, HWND hWndParent, HMENU hMenu, HINSTANCE hInstance,
                            LPVOID lpParam)
{
    std::shared_ptr<WindowClassRecord> cls;
    if (ClassOfName(lpClassName, hInstance != nullptr ? hInstance : kProgramInstance, cls) == nullptr)
        return nullptr;
    const bool child = (dwStyle & WS_CHILD) != 0;
    if (child && hWndParent == nullptr) {
        SetLastError(ERROR_TLW_WITH_WSCHILD);
        return nullptr;
    }
    if (hWndParent != nullptr && WindowOrFail(hWndParent) == nullptr)
        return nullptr;

    auto window = std::make_shared<WindowRecord>();
    window->cls = cls;
    window->proc = cls->proc;
    window->style = dwStyle;
    window->exStyle = dwExStyle;
    window->instance = hInstance;
    window->extra.assign(static_cast<size_t>(cls->cbWndExtra), 0);
    if (child) {
        window->parent = hWndParent;
        window->id = reinterpret_cast<LONG_PTR>(hMenu);
    } else {
        window->owner = hWndParent != nullptr ? TopLevelOf(hWndParent) : nullptr;
        window->style |= WS_CLIPSIBLINGS;
    }
    // A top-level window placed by the system goes where a new window would; a child's default is the origin.
    const bool defaultPlace = X == CW_USEDEFAULT;
    const bool defaultSize = nWidth == CW_USEDEFAULT;
    const LONG x = defaultPlace ? (child ? 0 : 80) : X;
    const LONG y = defaultPlace ? (child ? 0 : 60) : Y;
    const LONG cx = defaultSize ? (child ? 0 : 480) : std::max(nWidth, 0);
    const LONG cy = defaultSize ? (child ? 0 : 360) : std::max(nHeight, 0);
    window->rect = {x, y, x + cx, y + cy};
    const HWND hwnd = AddWindowRecord(window);
    ++cls->windows;
    if (child)
        if (const auto parent = FindWindowRecord(hWndParent))
            parent->children.push_back(hwnd);

    CREATESTRUCTW cs = {};
    cs.lpCreateParams = lpParam;
    cs.hInstance = hInstance;
    cs.hMenu = hMenu;
    cs.hwndParent = hWndParent;
    cs.cx = cx;
    cs.cy = cy;
    cs.x = x;
    cs.y = y;
    cs.style = static_cast<LONG>(window->style);
    cs.lpszName = lpWindowName;
    cs.lpszClass = lpClassName;
    cs.dwExStyle = dwExStyle;
    if (!SendMessageW(hwnd, WM_NCCREATE, 0, reinterpret_cast<LPARAM>(&cs)) ||
        SendMessageW(hwnd, WM_CREATE, 0, reinterpret_cast<LPARAM>(&cs)) == -1) {
        DestroyWindow(hwnd);
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    if (!IsWindow(hwnd))
        return nullptr;
    const SIZE client = ClientSizeOf(*window);
    SendMessageW(hwnd, WM_SIZE, 0, MAKELONG(client.cx, client.cy));
    SendMessageW(hwnd, WM_MOVE, 0, MAKELONG(x, y));
    if (child && (dwExStyle & WS_EX_NOPARENTNOTIFY) == 0)
        SendMessageW(hWndParent, WM_PARENTNOTIFY, MAKELONG(WM_CREATE, window->id), reinterpret_cast<LPARAM>(hwnd));
    return IsWindow(hwnd) ? hwnd : nullptr;
}

BOOL WINAPI DestroyWindow(HWND hWnd)
{
    const auto window = WindowOrFail(hWnd);
    if (window == nullptr)
        return FALSE;
    if (window->destroying)
        return TRUE;
    for (const HWND member : WindowTree(hWnd))
        if (const auto record = FindWindowRecord(member))
            record->destroying = true;
    // Owned windows go first.
    for (const auto& other : AllWindows())
        if (other->owner == hWnd && !other->IsChild())
            DestroyWindow(other->hwnd);
    if (window->IsChild() && (window->exStyle & WS_EX_NOPARENTNOTIFY) == 0)
        SendMessageW(window->parent, WM_PARENTNOTIFY, MAKELONG(WM_DESTROY, window->id),
                     reinterpret_cast<LPARAM>(hWnd));
    window->style &= ~WS_VISIBLE;
    const std::vector<HWND> tree = WindowTree(hWnd);
    InputState& input = Input();
    if (std::find(tree.begin(), tree.end(), input.capture) != tree.end())
        ReleaseCapture();
    if (std::find(tree.begin(), tree.end(), input.focus) != tree.end())
        SetFocus(nullptr);
    if (input.active == hWnd)
        input.active = nullptr;
    SendDestroy(hWnd);
    SendNcDestroy(hWnd);
    if (window->IsChild())
        if (const auto parent = FindWindowRecord(window->parent))
            std::erase(parent->children, hWnd);
    std::erase_if(PostedMessages(), [&tree](const MSG& msg) {
        return std::find(tree.begin(), tree.end(), msg.hwnd) != tree.end();
    });
    ReleaseWindowSurface(*window);
    return TRUE;
}

BOOL WINAPI IsWindow(HWND hWnd)
{
    const auto window = FindWindowRecord(hWnd);
    return window != nullptr ? TRUE : FALSE;
}

BOOL WINAPI IsChild(HWND hWndParent, HWND hWnd)
{
    auto window = FindWindowRecord(hWnd);
    while (window != nullptr && window->IsChild()) {
        if (window->parent == hWndParent)
            return TRUE;
        window = FindWindowRecord(window->parent);
    }
    return FALSE;
}

HWND WINAPI GetParent(HWND hWnd)
{
    const auto window = WindowOrFail(hWnd);
    if (window == nullptr)
        return nullptr;
    if (window->IsChild())
        return window->parent;
    return (window->style & WS_POPUP) != 0 ? window->owner : nullptr;
}

HWND WINAPI GetWindow(HWND hWnd, UINT uCmd)
{
    const auto window = WindowOrFail(hWnd);
    if (window == nullptr)
        return nullptr;
    if (uCmd == GW_OWNER)
        return window->IsChild() ? nullptr : window->owner;
    if (uCmd == GW_CHILD)
        return window->children.empty() ? nullptr : window->children.front();
    const auto parent = window->IsChild() ? FindWindowRecord(window->parent) : nullptr;
    if (parent == nullptr)
        return nullptr;
    const auto& siblings = parent->children;
    const auto at = std::find(siblings.begin(), siblings.end(), hWnd);
    switch (uCmd) {
    case GW_HWNDFIRST: return siblings.front();
    case GW_HWNDLAST:  return siblings.back();
    case GW_HWNDNEXT:  return at + 1 < siblings.end() ? *(at + 1) : nullptr;
    case GW_HWNDPREV:  return at > siblings.begin() ? *(at - 1) : nullptr;
    default:
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
}

HWND WINAPI GetDesktopWindow(void)
{
    return DesktopWindow();
}

LONG WINAPI GetWindowLongW(HWND hWnd, int nIndex)
{
    const auto window = WindowOrFail(hWnd);
    if (window == nullptr)
        return 0;
    switch (nIndex) {
    case GWL_WNDPROC:    return reinterpret_cast<LONG>(window->proc);
    case GWL_HINSTANCE:  return reinterpret_cast<LONG>(window->instance);
    case GWL_HWNDPARENT: return reinterpret_cast<LONG>(window->IsChild() ? window->parent : window->owner);
    case GWL_STYLE:      return static_cast<LONG>(window->style);
    case GWL_EXSTYLE:    return static_cast<LONG>(window->exStyle);
    case GWL_USERDATA:   return window->userData;
    case GWL_ID:         return window->id;
    default:             return ReadLong(window->extra, nIndex);
    }
}

LONG WINAPI SetWindowLongW(HWND hWnd, int nIndex, LONG dwNewLong)
{
    const auto window = WindowOrFail(hWnd);
    if (window == nullptr)
        return 0;
    LONG old = 0;
    switch (nIndex) {
    case GWL_WNDPROC:
        if (dwNewLong == 0) {
            SetLastError(ERROR_INVALID_PARAMETER);
            return 0;
        }
        old = reinterpret_cast<LONG>(window->proc);
        window->proc = reinterpret_cast<WNDPROC>(dwNewLong);
        return old;
    case GWL_HINSTANCE:
        old = reinterpret_cast<LONG>(window->instance);
        window->instance = reinterpret_cast<HINSTANCE>(dwNewLong);
        return old;
    case GWL_HWNDPARENT:
        if (window->IsChild()) {
            SetLastError(ERROR_INVALID_PARAMETER);
            return 0;
        }
        old = reinterpret_cast<LONG>(window->owner);
        window->owner = reinterpret_cast<HWND>(dwNewLong);
        return old;
    case GWL_STYLE:
    case GWL_EXSTYLE: {
        DWORD& field = nIndex == GWL_STYLE ? window->style : window->exStyle;
        old = static_cast<LONG>(field);
        field = static_cast<DWORD>(dwNewLong);
        window->invalid = true;
        return old;
    }
    case GWL_USERDATA:
        old = window->userData;
        window->userData = dwNewLong;
        return old;
    case GWL_ID:
        old = window->id;
        window->id = dwNewLong;
        return old;
    default:
        return WriteLong(window->extra, nIndex, dwNewLong);
    }
}

BOOL WINAPI SetWindowTextW(HWND hWnd, LPCWSTR lpString)
{
    if (WindowOrFail(hWnd) == nullptr)
        return FALSE;
    return SendMessageW(hWnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(lpString)) != 0 ? TRUE : FALSE;
}

int WINAPI GetWindowTextW(HWND hWnd, LPWSTR lpString, int nMaxCount)
{
    if (WindowOrFail(hWnd) == nullptr)
        return 0;
    if (lpString == nullptr || nMaxCount <= 0)
        return 0;
    return static_cast<int>(SendMessageW(hWnd, WM_GETTEXT, static_cast<WPARAM>(nMaxCount),
                                         reinterpret_cast<LPARAM>(lpString)));
}

int WINAPI GetWindowTextLengthW(HWND hWnd)
{
    if (WindowOrFail(hWnd) == nullptr)
        return 0;
    return static_cast<int>(SendMessageW(hWnd, WM_GETTEXTLENGTH, 0, 0));
}

BOOL WINAPI EnableWindow(HWND hWnd, BOOL bEnable)
{
    const auto window = WindowOrFail(hWnd);
    if (window == nullptr)
        return FALSE;
    const BOOL wasDisabled = window->Enabled() ? FALSE : TRUE;
    if ((bEnable != FALSE) == window->Enabled())
        return wasDisabled;
    if (bEnable) {
        window->style &= ~WS_DISABLED;
    } else {
        window->style |= WS_DISABLED;
        // A window that is disabled loses the focus and the capture.
        const std::vector<HWND> tree = WindowTree(hWnd);
        if (std::find(tree.begin(), tree.end(), Input().focus) != tree.end())
            SetFocus(nullptr);
        if (std::find(tree.begin(), tree.end(), Input().capture) != tree.end())
            ReleaseCapture();
    }
    window->invalid = true;
    SendMessageW(hWnd, WM_ENABLE, bEnable ? TRUE : FALSE, 0);
    return wasDisabled;
}

BOOL WINAPI IsWindowEnabled(HWND hWnd)
{
    const auto window = WindowOrFail(hWnd);
    return window != nullptr && window->Enabled() ? TRUE : FALSE;
}

BOOL WINAPI ShowWindow(HWND hWnd, int nCmdShow)
{
    const auto window = WindowOrFail(hWnd);
    if (window == nullptr)
        return FALSE;
    const BOOL wasVisible = window->Visible() ? TRUE : FALSE;
    const bool show = nCmdShow != SW_HIDE;
    if (show == window->Visible())
        return wasVisible;
    SendMessageW(hWnd, WM_SHOWWINDOW, show ? TRUE : FALSE, 0);
    if (!IsWindow(hWnd))
        return wasVisible;
    if (show) {
        window->style |= WS_VISIBLE;
    } else {
        window->style &= ~WS_VISIBLE;
        const std::vector<HWND> tree = WindowTree(hWnd);
        if (std::find(tree.begin(), tree.end(), Input().focus) != tree.end())
            SetFocus(window->IsChild() ? window->parent : nullptr);
    }
    window->invalid = true;
    if (show && !window->IsChild() && nCmdShow != SW_SHOWNA && nCmdShow != SW_SHOWNOACTIVATE)
        SetActiveWindow(hWnd);
    return wasVisible;
}

BOOL WINAPI IsWindowVisible(HWND hWnd)
{
    return ReallyVisible(hWnd) ? TRUE : FALSE;
}
