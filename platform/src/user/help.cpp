// help.cpp - WinHelpW and HtmlHelpW: no help is shown, but every call is recorded with its file, command and
// data (for the context-help commands, the control and topic pairs the data points to).
#include "user/user_script.h"
#include "common/text_util.h"
#include "win/htmlhelp.h"

namespace platform {
namespace {

// The pairs of a context-help table: control id, topic id, ending with a zero control id (at most 256 pairs).
std::string Pairs(const DWORD* table)
{
    std::string text;
    for (int i = 0; table != nullptr && i < 256 && table[2 * i] != 0; ++i)
        text += " " + std::to_string(table[2 * i]) + ":" + std::to_string(table[2 * i + 1]);
    return text;
}

void RecordHelp(const char* function, LPCWSTR file, UINT command, ULONG_PTR data, bool table)
{
    std::string line = std::string("help ") + function + " " + QuoteText(file != nullptr ? View(file) : u"") + " " +
                       Hex(command, 4);
    line += table ? Pairs(reinterpret_cast<const DWORD*>(data)) : " " + std::to_string(data);
    RecordShown(line);
}

// The window HTML help "shows": one hidden window of the dialog class, made on the first call that shows help.
HWND HelpWindow()
{
    static HWND window = nullptr;
    if (window == nullptr || !IsWindow(window))
        window = CreateWindowExW(0, u"#32770", u"Help", WS_POPUP | WS_CAPTION, 0, 0, 320, 240, nullptr, nullptr,
                                 nullptr, nullptr);
    return window;
}

} // namespace
} // namespace platform

using namespace platform;

BOOL WINAPI WinHelpW(HWND hWndMain, LPCWSTR lpszHelp, UINT uCommand, ULONG_PTR dwData)
{
    if (hWndMain != nullptr && !IsWindow(hWndMain)) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    RecordHelp("WinHelpW", lpszHelp, uCommand, dwData, uCommand == HELP_WM_HELP || uCommand == HELP_CONTEXTMENU);
    return TRUE;
}

HWND WINAPI HtmlHelpW(HWND hwndCaller, LPCWSTR pszFile, UINT uCommand, DWORD_PTR dwData)
{
    RecordHelp("HtmlHelpW", pszFile, uCommand, dwData,
               uCommand == HH_TP_HELP_WM_HELP || uCommand == HH_TP_HELP_CONTEXTMENU);
    (void)hwndCaller;
    return uCommand == HH_CLOSE_ALL ? nullptr : HelpWindow();
}
