#pragma once
// page_change_handlers.h - what each page or sub-dialog does when one of its settings changes under it: mark
// the controls that show the setting and redraw them. Each takes the window of the page or dialog the caller
// has open, the control id and its new value.

#include "win/windows.h"

void SetupPageOnItemChanged(HWND hPage, WORD wControl, DWORD dwValue);
void CoverPageOnItemChanged(HWND hPage, WORD wControl, DWORD dwValue);
void FinishingPageOnItemChanged(HWND hPage, WORD wControl, DWORD dwValue);
void FormPageOnItemChanged(HWND hPage, WORD wControl, DWORD dwValue);
void WatermarkPageOnItemChanged(HWND hPage, WORD wControl, DWORD dwValue);
void ImagePageOnItemChanged(HWND hPage, WORD wControl, DWORD dwValue);
void OptionsPageOnItemChanged(HWND hPage, WORD wControl, DWORD dwValue);
void OhpInterleafOnItemChanged(HWND hDlg, WORD wControl, DWORD dwValue);
void BindingMarginOnItemChanged(HWND hDlg, WORD wControl, DWORD dwValue);
void InsertSheetOnItemChanged(HWND hDlg, WORD wControl, DWORD dwValue);
void InsertDefaultsOnItemChanged(HWND hDlg, WORD wControl, DWORD dwValue);
void TabTextOnItemChanged(HWND hDlg, WORD wControl, DWORD dwValue);
void CoverInsertOnItemChanged(HWND hDlg, WORD wControl, DWORD dwValue);
