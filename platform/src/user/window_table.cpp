// window_table.cpp - the records behind window and class handles, the input state and the posted messages,
// all forgotten with the world.
#include "user/window_table.h"
#include "common/handles.h"
#include "common/text_util.h"
#include "common/world_state.h"

#include <algorithm>

namespace platform {
namespace {

struct ClassList {
    std::vector<std::shared_ptr<WindowClassRecord>> classes;
    ATOM nextAtom = 0xC000;   // registered classes' atoms, as Windows numbers them
};

HandleTable<WindowRecord>& TheWindows()
{
    static auto* windows = new HandleTable<WindowRecord>(kWindowHandleBase);
    return *windows;
}

ClassList& TheClasses()
{
    static auto* classes = new ClassList;
    return *classes;
}

// The system classes stay registered across worlds; the modules' classes go with their world.
void ForgetWindows()
{
    TheWindows().Clear();
    auto& list = TheClasses().classes;
    std::erase_if(list, [](const auto& cls) { return cls->instance != nullptr; });
    for (auto& cls : list)
        cls->windows = 0;
    Input() = {};
    PostedMessages().clear();
}

const bool kForgetsWindowsWithTheWorld = (OnWorldReset(ForgetWindows), true);

} // namespace

std::shared_ptr<WindowRecord> FindWindowRecord(HWND hwnd)
{
    if (hwnd == nullptr)
        return nullptr;
    return TheWindows().Find(hwnd);
}

std::shared_ptr<WindowRecord> WindowOrFail(HWND hwnd)
{
    auto window = FindWindowRecord(hwnd);
    if (window == nullptr)
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return window;
}

std::vector<std::shared_ptr<WindowRecord>> AllWindows()
{
    std::vector<std::shared_ptr<WindowRecord>> all;
    TheWindows().ForEach([&all](const std::shared_ptr<WindowRecord>& window) { all.push_back(window); });
    return all;
}

HWND AddWindowRecord(std::shared_ptr<WindowRecord> record)
{
    WindowRecord* raw = record.get();
    raw->hwnd = TheWindows().Add<HWND>(std::move(record));
    return raw->hwnd;
}

void RemoveWindowRecord(HWND hwnd)
{
    TheWindows().Remove(hwnd);
}

std::vector<std::shared_ptr<WindowClassRecord>>& RegisteredClasses()
{
    return TheClasses().classes;
}

ATOM AddRegisteredClass(std::shared_ptr<WindowClassRecord> cls)
{
    auto& list = TheClasses();
    cls->atom = list.nextAtom++;
    list.classes.push_back(std::move(cls));
    return list.classes.back()->atom;
}

std::shared_ptr<WindowClassRecord> FindClassByAtom(ATOM atom)
{
    for (const auto& cls : TheClasses().classes)
        if (cls->atom == atom)
            return cls;
    return nullptr;
}

HWND DesktopWindow()
{
    static HWND desktop = nullptr;
    if (FindWindowRecord(desktop) != nullptr)
        return desktop;
    static const WNDCLASSW kDesktopClass = {0, DefWindowProcW, 0, 0, nullptr, nullptr, nullptr, nullptr, nullptr,
                                            u"#32769"};
    RegisterSystemClass(kDesktopClass);
    auto window = std::make_shared<WindowRecord>();
    window->cls = FindClassFor(u"#32769", nullptr);
    window->proc = DefWindowProcW;
    window->style = WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN;
    window->rect = {0, 0, kScreenWidth, kScreenHeight};
    desktop = AddWindowRecord(std::move(window));
    return desktop;
}

std::shared_ptr<WindowClassRecord> FindClassFor(std::u16string_view name, HINSTANCE instance)
{
    const auto& list = TheClasses().classes;
    for (const auto& cls : list)
        if (cls->instance != nullptr && cls->instance == instance && EqualsNoCase(cls->name, name))
            return cls;
    for (const auto& cls : list)
        if (EqualsNoCase(cls->name, name) && ((cls->style & CS_GLOBALCLASS) != 0 || cls->instance == nullptr))
            return cls;
    SetLastError(ERROR_CANNOT_FIND_WND_CLASS);
    return nullptr;
}

void RegisterSystemClass(const WNDCLASSW& wc)
{
    auto& list = TheClasses();
    for (const auto& cls : list.classes)
        if (cls->instance == nullptr && EqualsNoCase(cls->name, View(wc.lpszClassName)))
            return;
    auto cls = std::make_shared<WindowClassRecord>();
    cls->name = View(wc.lpszClassName);
    cls->atom = list.nextAtom++;
    cls->style = wc.style;
    cls->proc = wc.lpfnWndProc;
    cls->cbClsExtra = wc.cbClsExtra;
    cls->cbWndExtra = wc.cbWndExtra;
    cls->cursor = wc.hCursor;
    cls->background = wc.hbrBackground;
    cls->extra.assign(static_cast<size_t>(std::max(wc.cbClsExtra, 0)), 0);
    list.classes.push_back(std::move(cls));
}

HWND TopLevelOf(HWND hwnd)
{
    auto window = FindWindowRecord(hwnd);
    while (window != nullptr && window->IsChild()) {
        auto parent = FindWindowRecord(window->parent);
        if (parent == nullptr)
            break;
        window = parent;
    }
    return window == nullptr ? nullptr : window->hwnd;
}

std::vector<HWND> WindowTree(HWND hwnd)
{
    std::vector<HWND> tree;
    if (FindWindowRecord(hwnd) == nullptr)
        return tree;
    tree.push_back(hwnd);
    for (size_t i = 0; i < tree.size(); ++i) {
        const auto window = FindWindowRecord(tree[i]);
        if (window == nullptr)
            continue;
        // Children follow their parent directly, so that a picture paints each parent before its children.
        std::vector<HWND> below;
        for (const HWND child : window->children)
            if (FindWindowRecord(child) != nullptr)
                below.push_back(child);
        tree.insert(tree.begin() + static_cast<std::ptrdiff_t>(i) + 1, below.begin(), below.end());
    }
    return tree;
}

static bool AllTheWayUp(HWND hwnd, bool (WindowRecord::*test)() const)
{
    auto window = FindWindowRecord(hwnd);
    if (window == nullptr)
        return false;
    for (;;) {
        if (!((*window).*test)())
            return false;
        if (!window->IsChild())
            return true;
        window = FindWindowRecord(window->parent);
        if (window == nullptr)
            return false;
    }
}

bool ReallyVisible(HWND hwnd)
{
    return AllTheWayUp(hwnd, &WindowRecord::Visible);
}

bool ReallyEnabled(HWND hwnd)
{
    return AllTheWayUp(hwnd, &WindowRecord::Enabled);
}

// A captioned window has a 3-pixel frame and a 19-pixel caption; a dialog frame is 3 pixels, a border 1.
RECT FrameInsetsOf(const WindowRecord& window)
{
    if ((window.style & WS_CAPTION) == WS_CAPTION)
        return {3, 22, 3, 3};
    if ((window.style & WS_DLGFRAME) != 0 || (window.exStyle & WS_EX_DLGMODALFRAME) != 0)
        return {3, 3, 3, 3};
    if ((window.style & WS_BORDER) != 0)
        return {1, 1, 1, 1};
    return {0, 0, 0, 0};
}

POINT ClientInsetOf(const WindowRecord& window)
{
    const RECT insets = FrameInsetsOf(window);
    return {insets.left, insets.top};
}

SIZE ClientSizeOf(const WindowRecord& window)
{
    const RECT insets = FrameInsetsOf(window);
    const LONG width = window.rect.right - window.rect.left - insets.left - insets.right;
    const LONG height = window.rect.bottom - window.rect.top - insets.top - insets.bottom;
    return {std::max(width, 0L), std::max(height, 0L)};
}

POINT WindowOriginOnScreen(HWND hwnd)
{
    const auto window = FindWindowRecord(hwnd);
    if (window == nullptr)
        return {0, 0};
    POINT origin = {window->rect.left, window->rect.top};
    if (window->IsChild()) {
        const POINT parent = ClientOriginOnScreen(window->parent);
        origin.x += parent.x;
        origin.y += parent.y;
    }
    return origin;
}

POINT ClientOriginOnScreen(HWND hwnd)
{
    const auto window = FindWindowRecord(hwnd);
    if (window == nullptr)
        return {0, 0};
    POINT origin = WindowOriginOnScreen(hwnd);
    const POINT inset = ClientInsetOf(*window);
    return {origin.x + inset.x, origin.y + inset.y};
}

InputState& Input()
{
    static auto* input = new InputState;
    return *input;
}

std::deque<MSG>& PostedMessages()
{
    static auto* queue = new std::deque<MSG>;
    return *queue;
}

bool TakePostedMessage(MSG& msg)
{
    auto& queue = PostedMessages();
    if (queue.empty())
        return false;
    msg = queue.front();
    queue.pop_front();
    return true;
}

} // namespace platform
