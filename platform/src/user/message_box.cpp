// message_box.cpp - MessageBoxW: a box of the dialog class with its text and buttons, shown modally. It takes
// the focus while it is shown and gives it back; the user's answer comes from the script ("box "Caption""
// with "answer yes", say), and every box shown is recorded with its owner, caption, text and style.
#include "user/dialog_manager.h"
#include "user/painting.h"
#include "common/text_util.h"

#include <algorithm>

namespace platform {
namespace {

struct BoxButton {
    int id;
    const WCHAR* text;
};

struct BoxType {
    UINT type;               // MB_OK .. MB_CANCELTRYCONTINUE
    BoxButton buttons[3];    // id 0 ends the row early
    int escapeAnswer;        // what Escape (and a script's cancelling) answers; 0: Escape does nothing
};

constexpr BoxType kBoxTypes[] = {
    {MB_OK,                {{IDOK, u"OK"}, {0, nullptr}, {0, nullptr}},                                IDOK},
    {MB_OKCANCEL,          {{IDOK, u"OK"}, {IDCANCEL, u"Cancel"}, {0, nullptr}},                       IDCANCEL},
    {MB_ABORTRETRYIGNORE,  {{IDABORT, u"&Abort"}, {IDRETRY, u"&Retry"}, {IDIGNORE, u"&Ignore"}},       0},
    {MB_YESNOCANCEL,       {{IDYES, u"&Yes"}, {IDNO, u"&No"}, {IDCANCEL, u"Cancel"}},                  IDCANCEL},
    {MB_YESNO,             {{IDYES, u"&Yes"}, {IDNO, u"&No"}, {0, nullptr}},                           0},
    {MB_RETRYCANCEL,       {{IDRETRY, u"&Retry"}, {IDCANCEL, u"Cancel"}, {0, nullptr}},                IDCANCEL},
    {MB_CANCELTRYCONTINUE, {{IDCANCEL, u"Cancel"}, {IDTRYAGAIN, u"&Try Again"}, {IDCONTINUE, u"&Continue"}}, IDCANCEL},
};

const BoxType* FindBoxType(UINT type)
{
    for (const BoxType& row : kBoxTypes)
        if (row.type == type)
            return &row;
    return nullptr;
}

// The answer a box gives when the user cannot be asked: its Escape answer, else its last button (No, Ignore).
int CancelAnswer(const BoxType& type)
{
    if (type.escapeAnswer != 0)
        return type.escapeAnswer;
    int last = IDOK;
    for (const BoxButton& button : type.buttons)
        if (button.id != 0)
            last = button.id;
    return last;
}

struct BoxState {
    const BoxType* type = nullptr;
    HWND owner = nullptr;
};

INT_PTR CALLBACK BoxDlgProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM)
{
    if (msg != WM_COMMAND || HIWORD(wParam) != BN_CLICKED)
        return FALSE;
    const auto* state = reinterpret_cast<const BoxState*>(GetWindowLongW(hwnd, DWL_USER));
    const int id = LOWORD(wParam);
    if (state == nullptr)
        return FALSE;
    if (id == IDHELP) {
        HELPINFO info = {sizeof info, HELPINFO_WINDOW, 0, hwnd, 0, Input().cursorPos};
        if (state->owner != nullptr)
            SendMessageW(state->owner, WM_HELP, 0, reinterpret_cast<LPARAM>(&info));
        return TRUE;
    }
    if (id == IDCANCEL && GetDlgItem(hwnd, IDCANCEL) == nullptr) {
        // Escape: only a box with a way out closes on it.
        if (state->type->escapeAnswer != 0)
            EndDialog(hwnd, state->type->escapeAnswer);
        return TRUE;
    }
    for (const BoxButton& button : state->type->buttons)
        if (button.id == id && id != 0)
            EndDialog(hwnd, id);
    return TRUE;
}

// Lays the box out: the text, wrapped at 300 pixels, over a row of buttons.
HWND MakeBox(HWND owner, const std::u16string& text, const std::u16string& caption, UINT uType, BoxState& state)
{
    const HDC screen = GetDC(nullptr);
    SelectObject(screen, DefaultDialogFont());
    RECT textRect = {0, 0, 300, 0};
    DrawTextW(screen, text.c_str(), -1, &textRect, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
    ReleaseDC(nullptr, screen);
    std::vector<BoxButton> buttons;
    for (const BoxButton& button : state.type->buttons)
        if (button.id != 0)
            buttons.push_back(button);
    if ((uType & MB_HELP) != 0)
        buttons.push_back({IDHELP, u"Help"});
    constexpr LONG kButtonWidth = 75;
    constexpr LONG kButtonHeight = 23;
    constexpr LONG kMargin = 12;
    const LONG buttonsWidth = static_cast<LONG>(buttons.size()) * (kButtonWidth + 6) - 6;
    const LONG clientWidth = std::max(textRect.right, buttonsWidth) + 2 * kMargin;
    const LONG clientHeight = textRect.bottom + 3 * kMargin + kButtonHeight;
    RECT around = {0, 0, kScreenWidth, kScreenHeight};
    if (owner != nullptr)
        GetWindowRect(owner, &around);
    const LONG width = clientWidth + 6;
    const LONG height = clientHeight + 25;
    const HWND box = CreateWindowExW(
        WS_EX_DLGMODALFRAME, u"#32770", caption.c_str(), WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME,
        std::max(0L, around.left + (around.right - around.left - width) / 2),
        std::max(0L, around.top + (around.bottom - around.top - height) / 2), width, height, owner, nullptr, nullptr,
        nullptr);
    if (box == nullptr)
        return nullptr;
    SetWindowLongW(box, DWL_USER, reinterpret_cast<LONG>(&state));
    SetWindowLongW(box, DWL_DLGPROC, reinterpret_cast<LONG>(BoxDlgProc));
    DialogStateOf(box)->modal = true;
    const HFONT font = DefaultDialogFont();
    SendMessageW(box, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    const HWND label = CreateWindowExW(WS_EX_NOPARENTNOTIFY, u"Static", text.c_str(),
                                       WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOPREFIX, kMargin, kMargin,
                                       textRect.right, textRect.bottom, box, reinterpret_cast<HMENU>(0xFFFF), nullptr,
                                       nullptr);
    SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    // The default button: MB_DEFBUTTON1 .. 4 counts from the left.
    const size_t defaultIndex = std::min<size_t>((uType & MB_DEFMASK) >> 8, buttons.size() - 1);
    LONG x = (clientWidth - buttonsWidth) / 2;
    for (size_t i = 0; i < buttons.size(); ++i) {
        const HWND button = CreateWindowExW(
            WS_EX_NOPARENTNOTIFY, u"Button", buttons[i].text,
            WS_CHILD | WS_VISIBLE | WS_TABSTOP | (i == defaultIndex ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON), x,
            textRect.bottom + 2 * kMargin, kButtonWidth, kButtonHeight, box,
            reinterpret_cast<HMENU>(static_cast<uintptr_t>(buttons[i].id)), nullptr, nullptr);
        SendMessageW(button, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        x += kButtonWidth + 6;
    }
    SendMessageW(box, DM_SETDEFID, static_cast<WPARAM>(buttons[defaultIndex].id), 0);
    return box;
}

} // namespace
} // namespace platform

using namespace platform;

int WINAPI MessageBoxW(HWND hWnd, LPCWSTR lpText, LPCWSTR lpCaption, UINT uType)
{
    const BoxType* type = FindBoxType(uType & MB_TYPEMASK);
    if (type == nullptr || (hWnd != nullptr && !IsWindow(hWnd))) {
        SetLastError(type == nullptr ? ERROR_INVALID_PARAMETER : ERROR_INVALID_WINDOW_HANDLE);
        return 0;
    }
    const std::u16string text(View(lpText));
    const std::u16string caption(lpCaption != nullptr ? View(lpCaption) : u"Error");
    const HWND owner = hWnd != nullptr ? TopLevelOf(hWnd) : nullptr;
    RecordShown("box " + QuoteText(caption) + " " + QuoteText(text) + " " + Hex(uType, 8) + " owner " +
                (hWnd != nullptr ? DescribeWindow(hWnd) : std::string("none")));
    BoxState state;
    state.type = type;
    state.owner = owner;
    const HWND focusBefore = GetFocus();
    const bool disableOwner = owner != nullptr && IsWindowEnabled(owner);
    if (disableOwner)
        EnableWindow(owner, FALSE);
    bool expected = false;
    ScriptFrame* frame = OpenScriptFrame(ShownKind::Box, caption, nullptr, expected);
    const HWND box = MakeBox(owner, text, caption, uType, state);
    int answer = 0;
    if (box != nullptr) {
        SetScriptFrameWindow(frame, box);
        const auto record = FindWindowRecord(box);
        const auto dialog = std::static_pointer_cast<DialogState>(record->control);
        ReleaseCapture();
        ShowWindow(box, SW_SHOWNORMAL);
        SetFocus(GetDlgItem(box, LOWORD(SendMessageW(box, DM_GETDEFID, 0, 0))));
        NotifyWindowShown(box, "box " + QuoteText(caption));
        const int cancelAnswer = CancelAnswer(*type);
        RunModalLoop(
            frame, expected, "box " + QuoteText(caption), [&] { return dialog->ended || !IsWindow(box); },
            [box, cancelAnswer] { EndDialog(box, cancelAnswer); },
            [box](const ScriptNode& step, std::string& reason) { return RunControlStep(box, step, reason); });
        answer = static_cast<int>(dialog->result);
        DestroyWindow(box);
    }
    if (disableOwner)
        EnableWindow(owner, TRUE);
    if (IsWindow(focusBefore))
        SetFocus(focusBefore);
    CloseScriptFrame(frame);
    return answer;
}
