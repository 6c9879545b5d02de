// control_listing.cpp - a page's controls with their values and enable states, as qnsheet lists them.
#include "control_listing.h"

#include "host/text.h"
#include "win/commctrl.h"
#include "win/prsht.h"

#include <string>

namespace {

std::string WindowText(HWND window)
{
    const int length = GetWindowTextLengthW(window);
    std::u16string text(static_cast<size_t>(length) + 1, u'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(window, text.data(), length + 1)));
    return host::ToUtf8(text);
}

std::string Quoted(const std::string& text)
{
    return "\"" + text + "\"";
}

// The chosen item's text of a combo box; "none" without a choice.
std::string ComboChoice(HWND combo)
{
    const LRESULT index = SendMessageW(combo, CB_GETCURSEL, 0, 0);
    if (index < 0)
        return "none";
    const LRESULT length = SendMessageW(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length < 0)
        return "none";
    std::u16string text(static_cast<size_t>(length) + 1, u'\0');
    SendMessageW(combo, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(length));
    return Quoted(host::ToUtf8(text));
}

std::string ControlValue(HWND control, const std::u16string& className)
{
    if (className == u"Button") {
        const LONG type = GetWindowLongW(control, GWL_STYLE) & BS_TYPEMASK;
        const bool hasCheck = type == BS_CHECKBOX || type == BS_AUTOCHECKBOX || type == BS_RADIOBUTTON ||
                              type == BS_AUTORADIOBUTTON || type == BS_3STATE;
        if (!hasCheck)
            return "";
        return SendMessageW(control, BM_GETCHECK, 0, 0) == BST_CHECKED ? "checked" : "unchecked";
    }
    if (className == u"Edit" || className == u"Static")
        return Quoted(WindowText(control));
    if (className == u"ComboBox")
        return ComboChoice(control);
    if (className == u"ListBox")
        return "item " + std::to_string(SendMessageW(control, LB_GETCURSEL, 0, 0));
    if (className == TRACKBAR_CLASSW)
        return "position " + std::to_string(SendMessageW(control, TBM_GETPOS, 0, 0));
    if (className == WC_LISTVIEWW)
        return "row " + std::to_string(SendMessageW(control, LVM_GETNEXTITEM, static_cast<WPARAM>(-1),
                                                    MAKELPARAM(LVNI_SELECTED, 0)));
    return "";
}

} // namespace

std::vector<std::string> ListPageControls(HWND sheet)
{
    std::vector<std::string> lines;
    const HWND page = reinterpret_cast<HWND>(SendMessageW(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
    if (page == nullptr)
        return lines;
    for (HWND control = GetWindow(page, GW_CHILD); control != nullptr; control = GetWindow(control, GW_HWNDNEXT)) {
        const int id = GetDlgCtrlID(control);
        if (id == 0 || id == -1 || id == 0xFFFF)
            continue;
        WCHAR className[64] = {};
        GetClassNameW(control, className, 64);
        std::string line = std::to_string(id) + " " + host::ToUtf8(className) + " " +
                           (IsWindowEnabled(control) ? "enabled" : "disabled");
        const std::string value = ControlValue(control, className);
        if (!value.empty())
            line += " " + value;
        lines.push_back(line);
    }
    return lines;
}
