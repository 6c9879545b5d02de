// dialogs.cpp - dialogs: templates from a module's resources, DialogBoxParamW's modal loop, CreateDialogParamW,
// the dialog class's own handling (DefDlgProcW), the dialog keyboard, and the dialog-item helpers.
#include "user/dialog_manager.h"
#include "user/painting.h"
#include "common/text_util.h"
#include "modules/module_table.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <mutex>

namespace platform {
namespace {

// The dialog font's base units: its average character width and its height, in pixels at 96 dpi.
constexpr int kBaseUnitX = 6;
constexpr int kBaseUnitY = 13;

// Beyond this many messages and steps without the window ending, a modal loop is taken to be stuck.
constexpr int kMaxLoopTurns = 100000;

LONG ReadDialogLong(const WindowRecord& window, int index)
{
    LONG value = 0;
    if (static_cast<size_t>(index) + sizeof value <= window.extra.size())
        std::memcpy(&value, window.extra.data() + index, sizeof value);
    return value;
}

void WriteDialogLong(WindowRecord& window, int index, LONG value)
{
    if (static_cast<size_t>(index) + sizeof value <= window.extra.size())
        std::memcpy(window.extra.data() + index, &value, sizeof value);
}

// The answers of these messages are the procedure's own result, not DWL_MSGRESULT.
bool AnswersDirectly(UINT msg)
{
    switch (msg) {
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
    case WM_COMPAREITEM:
    case 0x002E:   // WM_VKEYTOASCII
    case 0x002F:   // WM_CHARTOITEM
    case 0x0037:   // WM_QUERYDRAGICON
    case WM_INITDIALOG:
        return true;
    default:
        return false;
    }
}

// The controls of a dialog in tab order, looking into children that are control parents (a sheet's page).
void TabOrder(HWND parent, std::vector<HWND>& out)
{
    const auto window = FindWindowRecord(parent);
    if (window == nullptr)
        return;
    for (const HWND child : window->children) {
        const auto record = FindWindowRecord(child);
        if (record == nullptr)
            continue;
        if ((record->exStyle & WS_EX_CONTROLPARENT) != 0 && record->Visible() && record->Enabled())
            TabOrder(child, out);
        else
            out.push_back(child);
    }
}

// A control's own styles decide, so that a dialog still hidden while it is made has its first tab stop.
bool CanTakeTab(HWND hwnd)
{
    const auto window = FindWindowRecord(hwnd);
    return window != nullptr && (window->style & WS_TABSTOP) != 0 && window->Visible() && window->Enabled();
}

bool IsAutoRadio(HWND hwnd)
{
    const auto window = FindWindowRecord(hwnd);
    return window != nullptr && EqualsNoCase(window->cls->name, u"Button") &&
           (window->style & BS_TYPEMASK) == BS_AUTORADIOBUTTON;
}

} // namespace

DialogState* DialogStateOf(HWND hwnd)
{
    const auto window = FindWindowRecord(hwnd);
    return window != nullptr ? window->Control<DialogState>() : nullptr;
}

const host::DialogResource* FindDialogTemplate(HINSTANCE instance, LPCWSTR templateName)
{
    if (!IS_INTRESOURCE(templateName)) {
        SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
        return nullptr;
    }
    std::lock_guard lock(LoaderLock());
    const host::ResourceDirectory* directory = ModuleResources(instance);
    if (directory == nullptr) {
        SetLastError(ERROR_RESOURCE_DATA_NOT_FOUND);
        return nullptr;
    }
    if (directory->dialogCount == 0) {
        SetLastError(ERROR_RESOURCE_TYPE_NOT_FOUND);
        return nullptr;
    }
    const UINT id = LOWORD(templateName);
    for (UINT i = 0; i < directory->dialogCount; ++i)
        if (directory->dialogs[i].id == id)
            return &directory->dialogs[i];
    SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
    return nullptr;
}

RECT DialogUnitsToPixels(SHORT x, SHORT y, SHORT cx, SHORT cy)
{
    const auto across = [](int units) { return (units * kBaseUnitX + (units >= 0 ? 2 : -2)) / 4; };
    const auto down = [](int units) { return (units * kBaseUnitY + (units >= 0 ? 4 : -4)) / 8; };
    const LONG left = across(x);
    const LONG top = down(y);
    return {left, top, left + across(cx), top + down(cy)};
}

HWND CreateDialogFromTemplate(HINSTANCE instance, const host::DialogResource& dialog, HWND parent, DLGPROC proc,
                              LPARAM param, bool modal)
{
    const DWORD style = dialog.style;
    const bool child = (style & WS_CHILD) != 0;
    const RECT client = DialogUnitsToPixels(0, 0, dialog.cx, dialog.cy);
    WindowRecord shape;
    shape.style = style;
    shape.exStyle = (style & DS_MODALFRAME) != 0 ? WS_EX_DLGMODALFRAME : 0;
    const RECT frame = FrameInsetsOf(shape);
    const LONG width = client.right + frame.left + frame.right;
    const LONG height = client.bottom + frame.top + frame.bottom;
    LONG x = 0;
    LONG y = 0;
    if (!child) {
        // Centred on the owner, or on the screen; kept on the screen.
        RECT around = {0, 0, kScreenWidth, kScreenHeight};
        if (parent != nullptr)
            GetWindowRect(parent, &around);
        x = std::clamp<LONG>(around.left + (around.right - around.left - width) / 2, 0,
                             std::max<LONG>(kScreenWidth - width, 0));
        y = std::clamp<LONG>(around.top + (around.bottom - around.top - height) / 2, 0,
                             std::max<LONG>(kScreenHeight - height, 0));
    }
    DWORD exStyle = shape.exStyle;
    if ((style & DS_CONTEXTHELP) != 0)
        exStyle |= WS_EX_CONTEXTHELP;
    if ((style & DS_CONTROL) != 0)
        exStyle |= WS_EX_CONTROLPARENT;
    const HWND hwnd = CreateWindowExW(exStyle, u"#32770", dialog.caption, style & ~WS_VISIBLE, x, y, width, height,
                                      parent, nullptr, instance, nullptr);
    if (hwnd == nullptr)
        return nullptr;
    DialogState* state = DialogStateOf(hwnd);
    const auto window = FindWindowRecord(hwnd);
    state->templateId = dialog.id;
    state->modal = modal;
    WriteDialogLong(*window, DWL_DLGPROC, reinterpret_cast<LONG>(proc));
    const int points = dialog.pointSize != 0 ? dialog.pointSize : 8;
    state->ownFont = CreateFontW(-(points * 96 + 36) / 72, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                 0, 0, 0, 0, dialog.fontName != nullptr ? dialog.fontName : u"MS Shell Dlg");
    window->font = state->ownFont;
    if ((style & DS_SETFONT) != 0)
        SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(state->ownFont), FALSE);
    for (UINT i = 0; i < dialog.controlCount; ++i) {
        const host::DialogControl& c = dialog.controls[i];
        const RECT r = DialogUnitsToPixels(c.x, c.y, c.cx, c.cy);
        const HWND control = CreateWindowExW(c.exStyle | WS_EX_NOPARENTNOTIFY, c.className, c.text,
                                             c.style | WS_CHILD, r.left, r.top, r.right - r.left, r.bottom - r.top,
                                             hwnd, reinterpret_cast<HMENU>(static_cast<uintptr_t>(c.id)), instance,
                                             nullptr);
        if (control == nullptr) {
            DestroyWindow(hwnd);
            return nullptr;
        }
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(state->ownFont), FALSE);
    }
    const HWND first = GetNextDlgTabItem(hwnd, nullptr, FALSE);
    const LRESULT setFocus = SendMessageW(hwnd, WM_INITDIALOG, reinterpret_cast<WPARAM>(first), param);
    if (!IsWindow(hwnd))
        return nullptr;
    if (setFocus != 0 && first != nullptr && IsWindow(first))
        SetFocus(first);
    if ((style & WS_VISIBLE) != 0)
        ShowWindow(hwnd, SW_SHOWNORMAL);
    return hwnd;
}

void CancelDialog(HWND dialog)
{
    SendMessageW(dialog, WM_COMMAND, MAKELONG(IDCANCEL, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDCANCEL)));
    if (DialogState* state = DialogStateOf(dialog); state != nullptr && !state->ended)
        EndDialog(dialog, IDCANCEL);
}

void RunModalLoop(ScriptFrame* frame, bool expected, const std::string& name, const std::function<bool()>& ended,
                  const std::function<void()>& cancel, const StepRunner& runner)
{
    if (!expected && !ended())
        cancel();
    for (int turn = 0; !ended(); ++turn) {
        if (turn >= kMaxLoopTurns) {
            ReportScriptFailure(name + " keeps posting messages without ending");
            cancel();
            break;
        }
        MSG msg;
        if (TakePostedMessage(msg)) {
            if (msg.message == WM_QUIT) {
                // A quit message ends the modal loop and is posted again for the loop outside it.
                PostQuitMessage(static_cast<int>(msg.wParam));
                cancel();
                break;
            }
            DispatchMessageW(&msg);
            continue;
        }
        if (RunNextScriptStep(frame, runner))
            continue;
        if (expected)
            ReportScriptFailure(name + " still open after its steps");
        cancel();
        break;
    }
}

bool HandleDialogKey(HWND dialog, HWND control, UINT vk)
{
    MSG msg = {control, WM_KEYDOWN, vk, 1, 0, Input().cursorPos};
    const LRESULT code = SendMessageW(control, WM_GETDLGCODE, vk, reinterpret_cast<LPARAM>(&msg));
    switch (vk) {
    case VK_TAB:
    case kBackTab: {
        if ((code & (DLGC_WANTTAB | DLGC_WANTALLKEYS)) != 0 && vk == VK_TAB)
            return false;
        const HWND next = GetNextDlgTabItem(dialog, control, vk == kBackTab);
        if (next == nullptr)
            return true;
        SetFocus(next);
        if ((SendMessageW(next, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) != 0)
            SendMessageW(next, EM_SETSEL, 0, -1);
        return true;
    }
    case VK_RETURN: {
        if ((code & DLGC_WANTALLKEYS) != 0)
            return false;
        int id = IDOK;
        if ((code & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)) != 0) {
            id = GetDlgCtrlID(control);
        } else {
            const LRESULT def = SendMessageW(dialog, DM_GETDEFID, 0, 0);
            if (HIWORD(def) == DC_HASDEFID)
                id = LOWORD(def);
        }
        const HWND button = GetDlgItem(dialog, id);
        if (button != nullptr && !IsWindowEnabled(button)) {
            MessageBeep(0);
            return true;
        }
        SendMessageW(dialog, WM_COMMAND, MAKELONG(id, BN_CLICKED), reinterpret_cast<LPARAM>(button));
        return true;
    }
    case VK_ESCAPE:
        if ((code & DLGC_WANTALLKEYS) != 0)
            return false;
        SendMessageW(dialog, WM_COMMAND, MAKELONG(IDCANCEL, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDCANCEL)));
        return true;
    case VK_UP:
    case VK_DOWN:
    case VK_LEFT:
    case VK_RIGHT: {
        if ((code & (DLGC_WANTARROWS | DLGC_WANTALLKEYS)) != 0)
            return false;
        const HWND next = GetNextDlgGroupItem(dialog, control, vk == VK_UP || vk == VK_LEFT);
        if (next == nullptr || next == control)
            return true;
        SetFocus(next);
        // An automatic radio button the arrows reach is chosen, as a click would.
        if (IsAutoRadio(next) && GetFocus() == next)
            SendMessageW(next, BM_CLICK, 0, 0);
        return true;
    }
    default:
        return false;
    }
}

} // namespace platform

using namespace platform;

LRESULT CALLBACK platform::DialogClassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    return DefDlgProcW(hwnd, msg, wParam, lParam);
}

LRESULT WINAPI DefDlgProcW(HWND hDlg, UINT Msg, WPARAM wParam, LPARAM lParam)
{
    const auto window = WindowOrFail(hDlg);
    if (window == nullptr)
        return 0;
    if (window->control == nullptr)
        window->control = std::make_shared<DialogState>();
    if (const auto proc = reinterpret_cast<DLGPROC>(ReadDialogLong(*window, DWL_DLGPROC))) {
        WriteDialogLong(*window, DWL_MSGRESULT, 0);
        const INT_PTR handled = proc(hDlg, Msg, wParam, lParam);
        if (!IsWindow(hDlg))
            return handled;
        if (handled != 0)
            return AnswersDirectly(Msg) ? handled : ReadDialogLong(*window, DWL_MSGRESULT);
    }
    DialogState* state = window->Control<DialogState>();
    switch (Msg) {
    case WM_ERASEBKGND: {
        const auto brush = reinterpret_cast<HBRUSH>(
            SendMessageW(hDlg, WM_CTLCOLORDLG, wParam, reinterpret_cast<LPARAM>(hDlg)));
        RECT rc;
        GetClientRect(hDlg, &rc);
        FillRect(reinterpret_cast<HDC>(wParam), &rc, brush != nullptr ? brush : GetSysColorBrush(COLOR_BTNFACE));
        return 1;
    }
    case WM_SETFONT:
        window->font = reinterpret_cast<HFONT>(wParam);
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(window->font);
    case WM_SETFOCUS: {
        HWND target = state != nullptr && IsChild(hDlg, state->savedFocus) ? state->savedFocus : nullptr;
        if (target == nullptr)
            target = GetNextDlgTabItem(hDlg, nullptr, FALSE);
        if (target != nullptr)
            SetFocus(target);
        return 0;
    }
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE && state != nullptr && IsChild(hDlg, GetFocus()))
            state->savedFocus = GetFocus();
        return 0;
    case WM_CLOSE:
        PostMessageW(hDlg, WM_COMMAND, MAKELONG(IDCANCEL, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(hDlg, IDCANCEL)));
        return 0;
    case WM_NEXTDLGCTL: {
        HWND target = LOWORD(lParam) != 0 ? reinterpret_cast<HWND>(wParam)
                                           : GetNextDlgTabItem(hDlg, GetFocus(), wParam != 0 ? TRUE : FALSE);
        if (target != nullptr)
            SetFocus(target);
        return 0;
    }
    case DM_GETDEFID:
        return state != nullptr ? MAKELONG(state->defId, DC_HASDEFID) : 0;
    case DM_SETDEFID:
        if (state != nullptr)
            state->defId = static_cast<int>(wParam);
        return TRUE;
    case WM_NCDESTROY:
        if (state != nullptr && state->ownFont != nullptr) {
            DeleteObject(state->ownFont);
            state->ownFont = nullptr;
        }
        return DefWindowProcW(hDlg, Msg, wParam, lParam);
    case WM_INITDIALOG:
    case WM_GETDLGCODE:
        return 0;
    default:
        return DefWindowProcW(hDlg, Msg, wParam, lParam);
    }
}

INT_PTR WINAPI DialogBoxParamW(HINSTANCE hInstance, LPCWSTR lpTemplateName, HWND hWndParent, DLGPROC lpDialogFunc,
                               LPARAM dwInitParam)
{
    if (hWndParent != nullptr && WindowOrFail(hWndParent) == nullptr)
        return -1;
    const host::DialogResource* dialog = FindDialogTemplate(hInstance, lpTemplateName);
    if (dialog == nullptr)
        return -1;
    const HWND owner = hWndParent != nullptr ? TopLevelOf(hWndParent) : nullptr;
    const bool disableOwner = owner != nullptr && IsWindowEnabled(owner);
    const HWND focusBefore = GetFocus();
    if (disableOwner)
        EnableWindow(owner, FALSE);
    const std::u16string key = Utf8ToUtf16(std::to_string(dialog->id));
    bool expected = false;
    ScriptFrame* frame = OpenScriptFrame(ShownKind::Dialog, key, nullptr, expected);
    const HWND hwnd = CreateDialogFromTemplate(hInstance, *dialog, owner, lpDialogFunc, dwInitParam, true);
    if (hwnd == nullptr) {
        CloseScriptFrame(frame);
        if (disableOwner)
            EnableWindow(owner, TRUE);
        return -1;
    }
    SetScriptFrameWindow(frame, hwnd);
    const auto window = FindWindowRecord(hwnd);
    const auto state = std::static_pointer_cast<DialogState>(window->control);
    const std::string name = "dialog " + std::to_string(dialog->id);
    RecordShown(name + " " + QuoteText(window->text));
    if (!state->ended) {
        ShowWindow(hwnd, SW_SHOWNORMAL);
        NotifyWindowShown(hwnd, name);
    }
    RunModalLoop(
        frame, expected, name, [&] { return state->ended || !IsWindow(hwnd); }, [hwnd] { CancelDialog(hwnd); },
        [hwnd](const ScriptNode& step, std::string& reason) { return RunControlStep(hwnd, step, reason); });
    NotifyWindowLeft(hwnd, name);
    DestroyWindow(hwnd);
    if (disableOwner)
        EnableWindow(owner, TRUE);
    if (IsWindow(focusBefore))
        SetFocus(focusBefore);
    else if (owner != nullptr && IsWindow(owner))
        SetActiveWindow(owner);
    CloseScriptFrame(frame);
    return state->result;
}

HWND WINAPI CreateDialogParamW(HINSTANCE hInstance, LPCWSTR lpTemplateName, HWND hWndParent, DLGPROC lpDialogFunc,
                               LPARAM dwInitParam)
{
    if (hWndParent != nullptr && WindowOrFail(hWndParent) == nullptr)
        return nullptr;
    const host::DialogResource* dialog = FindDialogTemplate(hInstance, lpTemplateName);
    if (dialog == nullptr)
        return nullptr;
    const HWND hwnd = CreateDialogFromTemplate(hInstance, *dialog, hWndParent, lpDialogFunc, dwInitParam, false);
    if (hwnd != nullptr && (dialog->style & WS_CHILD) == 0)
        RecordShown("dialog " + std::to_string(dialog->id) + " " + QuoteText(FindWindowRecord(hwnd)->text) +
                    " modeless");
    return hwnd;
}

BOOL WINAPI EndDialog(HWND hDlg, INT_PTR nResult)
{
    if (WindowOrFail(hDlg) == nullptr)
        return FALSE;
    DialogState* state = DialogStateOf(hDlg);
    if (state == nullptr) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    state->ended = true;
    state->result = nResult;
    // The dialog goes out of sight at once; it is destroyed when its modal loop has ended.
    if (state->modal) {
        if (const auto window = FindWindowRecord(hDlg))
            window->style &= ~WS_VISIBLE;
    }
    return TRUE;
}

BOOL WINAPI IsDialogMessageW(HWND hDlg, LPMSG lpMsg)
{
    if (lpMsg == nullptr || FindWindowRecord(hDlg) == nullptr)
        return FALSE;
    if (lpMsg->hwnd != hDlg && !IsChild(hDlg, lpMsg->hwnd))
        return FALSE;
    if (lpMsg->message == WM_KEYDOWN && HandleDialogKey(hDlg, lpMsg->hwnd, static_cast<UINT>(lpMsg->wParam)))
        return TRUE;
    DispatchMessageW(lpMsg);
    return TRUE;
}

HWND WINAPI GetDlgItem(HWND hDlg, int nIDDlgItem)
{
    const auto window = WindowOrFail(hDlg);
    if (window == nullptr)
        return nullptr;
    for (const HWND child : window->children)
        if (const auto record = FindWindowRecord(child); record != nullptr && record->id == nIDDlgItem)
            return child;
    SetLastError(ERROR_CONTROL_ID_NOT_FOUND);
    return nullptr;
}

int WINAPI GetDlgCtrlID(HWND hWnd)
{
    const auto window = WindowOrFail(hWnd);
    if (window == nullptr || !window->IsChild())
        return 0;
    return static_cast<int>(window->id);
}

LRESULT WINAPI SendDlgItemMessageW(HWND hDlg, int nIDDlgItem, UINT Msg, WPARAM wParam, LPARAM lParam)
{
    const HWND item = GetDlgItem(hDlg, nIDDlgItem);
    return item != nullptr ? SendMessageW(item, Msg, wParam, lParam) : 0;
}

BOOL WINAPI SetDlgItemTextW(HWND hDlg, int nIDDlgItem, LPCWSTR lpString)
{
    const HWND item = GetDlgItem(hDlg, nIDDlgItem);
    return item != nullptr ? SetWindowTextW(item, lpString) : FALSE;
}

UINT WINAPI GetDlgItemTextW(HWND hDlg, int nIDDlgItem, LPWSTR lpString, int cchMax)
{
    if (lpString != nullptr && cchMax > 0)
        lpString[0] = u'\0';
    const HWND item = GetDlgItem(hDlg, nIDDlgItem);
    return item != nullptr ? static_cast<UINT>(GetWindowTextW(item, lpString, cchMax)) : 0;
}

BOOL WINAPI SetDlgItemInt(HWND hDlg, int nIDDlgItem, UINT uValue, BOOL bSigned)
{
    const std::string digits = bSigned ? std::to_string(static_cast<int>(uValue)) : std::to_string(uValue);
    const std::u16string text(digits.begin(), digits.end());
    return SetDlgItemTextW(hDlg, nIDDlgItem, text.c_str());
}

UINT WINAPI GetDlgItemInt(HWND hDlg, int nIDDlgItem, BOOL* lpTranslated, BOOL bSigned)
{
    if (lpTranslated != nullptr)
        *lpTranslated = FALSE;
    WCHAR text[64] = {};
    if (GetDlgItem(hDlg, nIDDlgItem) == nullptr)
        return 0;
    GetDlgItemTextW(hDlg, nIDDlgItem, text, static_cast<int>(std::size(text)));
    std::u16string_view view = View(text);
    while (!view.empty() && view.front() == u' ')
        view.remove_prefix(1);
    while (!view.empty() && view.back() == u' ')
        view.remove_suffix(1);
    bool negative = false;
    if (bSigned && !view.empty() && view.front() == u'-') {
        negative = true;
        view.remove_prefix(1);
    }
    if (view.empty() || view.size() > 10)
        return 0;
    unsigned long long value = 0;
    for (const WCHAR c : view) {
        if (c < u'0' || c > u'9')
            return 0;
        value = value * 10 + (c - u'0');
    }
    const unsigned long long limit = bSigned ? (negative ? 0x80000000ULL : 0x7FFFFFFFULL) : 0xFFFFFFFFULL;
    if (value > limit)
        return 0;
    if (lpTranslated != nullptr)
        *lpTranslated = TRUE;
    return negative ? static_cast<UINT>(0 - value) : static_cast<UINT>(value);
}

BOOL WINAPI CheckDlgButton(HWND hDlg, int nIDButton, UINT uCheck)
{
    const HWND item = GetDlgItem(hDlg, nIDButton);
    if (item == nullptr)
        return FALSE;
    SendMessageW(item, BM_SETCHECK, uCheck, 0);
    return TRUE;
}

UINT WINAPI IsDlgButtonChecked(HWND hDlg, int nIDButton)
{
    const HWND item = GetDlgItem(hDlg, nIDButton);
    return item != nullptr ? static_cast<UINT>(SendMessageW(item, BM_GETCHECK, 0, 0)) : 0;
}

BOOL WINAPI CheckRadioButton(HWND hDlg, int nIDFirstButton, int nIDLastButton, int nIDCheckButton)
{
    if (WindowOrFail(hDlg) == nullptr)
        return FALSE;
    for (int id = nIDFirstButton; id <= nIDLastButton; ++id)
        if (const HWND item = GetDlgItem(hDlg, id))
            SendMessageW(item, BM_SETCHECK, id == nIDCheckButton ? BST_CHECKED : BST_UNCHECKED, 0);
    return TRUE;
}

HWND WINAPI GetNextDlgTabItem(HWND hDlg, HWND hCtl, BOOL bPrevious)
{
    if (WindowOrFail(hDlg) == nullptr)
        return nullptr;
    std::vector<HWND> order;
    TabOrder(hDlg, order);
    if (order.empty())
        return nullptr;
    const auto at = std::find(order.begin(), order.end(), hCtl);
    const size_t count = order.size();
    const size_t start = at == order.end() ? (bPrevious ? 0 : count - 1) : static_cast<size_t>(at - order.begin());
    for (size_t step = 1; step <= count; ++step) {
        const size_t i = bPrevious ? (start + count - step) % count : (start + step) % count;
        if (CanTakeTab(order[i]))
            return order[i];
    }
    return nullptr;
}

HWND WINAPI GetNextDlgGroupItem(HWND hDlg, HWND hCtl, BOOL bPrevious)
{
    if (WindowOrFail(hDlg) == nullptr)
        return nullptr;
    const std::vector<HWND> group = GroupOf(hCtl);
    if (group.empty())
        return GetNextDlgTabItem(hDlg, nullptr, bPrevious);
    const size_t count = group.size();
    const size_t start = static_cast<size_t>(std::find(group.begin(), group.end(), hCtl) - group.begin());
    for (size_t step = 1; step <= count; ++step) {
        const size_t i = bPrevious ? (start + count - step) % count : (start + step) % count;
        const auto record = FindWindowRecord(group[i]);
        if (record != nullptr && record->Visible() && record->Enabled())
            return group[i];
    }
    return hCtl;
}

BOOL WINAPI MapDialogRect(HWND hDlg, LPRECT lpRect)
{
    if (WindowOrFail(hDlg) == nullptr || lpRect == nullptr)
        return FALSE;
    const RECT topLeft = DialogUnitsToPixels(static_cast<SHORT>(lpRect->left), static_cast<SHORT>(lpRect->top), 0, 0);
    const RECT bottomRight =
        DialogUnitsToPixels(static_cast<SHORT>(lpRect->right), static_cast<SHORT>(lpRect->bottom), 0, 0);
    *lpRect = {topLeft.left, topLeft.top, bottomRight.left, bottomRight.top};
    return TRUE;
}

LONG WINAPI GetDialogBaseUnits(void)
{
    return MAKELONG(kBaseUnitX, kBaseUnitY);
}
