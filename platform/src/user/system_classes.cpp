// system_classes.cpp - the window classes every module may use: the dialog class and the controls.
#include "user/controls.h"

#include <algorithm>

namespace platform {
namespace {

struct SystemClassRow {
    const WCHAR* name;      // null ends the table
    WNDPROC proc;
    int cbWndExtra;
    UINT style;
    int background;         // a system colour's index + 1, or 0 for none
};

constexpr SystemClassRow kSystemClasses[] = {
    {u"#32770",            DialogClassProc,   DLGWINDOWEXTRA, CS_SAVEBITS | CS_DBLCLKS, COLOR_BTNFACE + 1},
    {u"Button",            ButtonProc,        0,              CS_DBLCLKS | CS_PARENTDC, 0},
    {u"Static",            StaticProc,        0,              CS_DBLCLKS | CS_PARENTDC, 0},
    {u"Edit",              EditProc,          0,              CS_DBLCLKS | CS_PARENTDC, 0},
    {u"ComboBox",          ComboBoxProc,      0,              CS_DBLCLKS | CS_PARENTDC, 0},
    {u"ListBox",           ListBoxProc,       0,              CS_DBLCLKS | CS_PARENTDC, 0},
    {u"ScrollBar",         ScrollBarProc,     0,              CS_DBLCLKS | CS_PARENTDC, 0},
    {u"SysTabControl32",   TabControlProc,    0,              CS_DBLCLKS | CS_PARENTDC, 0},
    {u"msctls_updown32",   UpDownProc,        0,              CS_DBLCLKS | CS_PARENTDC, 0},
    {u"msctls_trackbar32", TrackbarProc,      0,              CS_DBLCLKS | CS_PARENTDC, 0},
    {u"SysListView32",     ListViewProc,      0,              CS_DBLCLKS | CS_PARENTDC, 0},
    {nullptr,              nullptr,           0,              0,                        0},
};
static_assert(kSystemClasses[std::size(kSystemClasses) - 1].name == nullptr, "terminator must be last");

} // namespace

void EnsureSystemClasses()
{
    static bool registered = false;
    if (registered)
        return;
    registered = true;
    for (const SystemClassRow* row = kSystemClasses; row->name != nullptr; ++row) {
        WNDCLASSW wc = {};
        wc.style = row->style | CS_GLOBALCLASS;
        wc.lpfnWndProc = row->proc;
        wc.cbWndExtra = row->cbWndExtra;
        wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<uintptr_t>(row->background));
        wc.lpszClassName = row->name;
        RegisterSystemClass(wc);
    }
}

HWND NotifyParent(HWND control)
{
    const auto window = FindWindowRecord(control);
    if (window == nullptr)
        return nullptr;
    return window->IsChild() ? window->parent : window->owner;
}

LRESULT NotifyCommand(HWND control, UINT code)
{
    const auto window = FindWindowRecord(control);
    if (window == nullptr)
        return 0;
    return SendMessageW(NotifyParent(control), WM_COMMAND, MAKELONG(window->id, code),
                        reinterpret_cast<LPARAM>(control));
}

bool ClickFocus(HWND control)
{
    if (GetFocus() != control)
        SetFocus(control);
    return GetFocus() == control && IsWindow(control);
}

std::vector<HWND> GroupOf(HWND control)
{
    const auto window = FindWindowRecord(control);
    const auto parent = window != nullptr && window->IsChild() ? FindWindowRecord(window->parent) : nullptr;
    if (parent == nullptr)
        return {};
    const auto& siblings = parent->children;
    const auto at = std::find(siblings.begin(), siblings.end(), control);
    if (at == siblings.end())
        return {};
    auto first = at;
    while (first != siblings.begin() && (FindWindowRecord(*first)->style & WS_GROUP) == 0)
        --first;
    auto last = at + 1;
    while (last != siblings.end() && (FindWindowRecord(*last)->style & WS_GROUP) == 0)
        ++last;
    return std::vector<HWND>(first, last);
}

const std::u16string& ControlText(HWND control)
{
    static const std::u16string kNone;
    const auto window = FindWindowRecord(control);
    return window != nullptr ? window->text : kNone;
}

} // namespace platform
