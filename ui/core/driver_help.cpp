// driver_help.cpp - help files beside the driver, opened by the help engine of the system.
#include "ui/core/driver_help.h"
#include "ui/core/host_system.h"
#include "win/htmlhelp.h"

#include <iterator>

namespace {

constexpr WCHAR kHtmlHelpFile[] = u"\\spool\\drivers\\w32x86\\3\\Q73MZRHZ.chm";
constexpr WCHAR kWinHelpFile[] = u"\\spool\\drivers\\w32x86\\3\\Q73MZRHZ.hlp";

// Loaded on the first help request and kept: the control is not unloaded while pages may still ask for it.
PFN_HTMLHELPW g_htmlHelp = nullptr;

PFN_HTMLHELPW HtmlHelpEntry()
{
    if (g_htmlHelp == nullptr) {
        if (const HMODULE control = LoadLibraryW(u"hhctrl.ocx"))
            g_htmlHelp = reinterpret_cast<PFN_HTMLHELPW>(GetProcAddress(control, "HtmlHelpW"));
    }
    return g_htmlHelp;
}

// The system directory with the help file's path after it; FALSE when it does not fit in MAX_PATH.
bool BuildHelpPath(WCHAR* path, const WCHAR* file, std::size_t fileChars)
{
    const UINT length = GetSystemDirectoryW(path, MAX_PATH);
    if (length == 0 || length + fileChars > MAX_PATH)
        return false;
    for (std::size_t i = 0; i < fileChars; ++i)
        path[length + i] = file[i];
    return true;
}

} // namespace

BOOL ShowDriverHelp(HWND hwnd, WCHAR* path, UINT command, ULONG_PTR data)
{
    if (path == nullptr)
        return FALSE;
    if (IsNT6OrLater()) {
        if (!BuildHelpPath(path, kHtmlHelpFile, std::size(kHtmlHelpFile)) || command != HELP_CONTEXT)
            return FALSE;
        const PFN_HTMLHELPW htmlHelp = HtmlHelpEntry();
        return htmlHelp != nullptr && htmlHelp(hwnd, path, HH_HELP_CONTEXT, data) != nullptr;
    }
    if (!BuildHelpPath(path, kWinHelpFile, std::size(kWinHelpFile)))
        return FALSE;
    return WinHelpW(hwnd, path, command, data);
}
