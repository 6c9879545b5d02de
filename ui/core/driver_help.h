#pragma once
// driver_help.h - the driver's help for its pages: an HTML help file on NT 6 and later, a WinHelp file before.

#include "win/windows.h"

// Opens help: command HELP_CONTEXT (data a help context id), HELP_CONTEXTMENU or HELP_WM_HELP (data their table
// of {control id, help id} pairs). On NT 6 and later only HELP_CONTEXT shows anything, the rest open nothing.
// path is the caller's buffer of MAX_PATH characters, which receives the help file's path. The help call's
// result; FALSE when nothing was opened.
BOOL ShowDriverHelp(HWND hwnd, WCHAR* path, UINT command, ULONG_PTR data);
