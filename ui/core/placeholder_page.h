#pragma once
// placeholder_page.h - the dialog procedure of a page that is not built yet: it shows its template and
// answers the sheet as a page does, so that the sheet opens, switches pages, applies and closes.

#include "win/windows.h"

// lParam of WM_INITDIALOG is the page's PROPSHEETUI page record, whose lParam is the address of the sheet's
// UI_STATE pointer. On PSN_SETACTIVE the page becomes the state's current page and its controls are enabled as
// their rules say; on PSN_APPLY the working values are committed and the page reports CPSUI_OK to the sheet
// (CPSFUNC_SET_RESULT), so that OK hands the settings back; every other notification is let pass.
INT_PTR CALLBACK PlaceholderPageDlgProc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam);
