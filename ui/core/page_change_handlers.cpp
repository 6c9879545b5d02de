// page_change_handlers.cpp - the pages' reactions to a changed setting.
// TODO: each page brings its own change mask and redraw with the page itself; until a page is built its
// dialog shows no controls of its own, so a changed setting has nothing to redraw and these return at once.
#include "ui/core/page_change_handlers.h"

void SetupPageOnItemChanged(HWND, WORD, DWORD) {}
void CoverPageOnItemChanged(HWND, WORD, DWORD) {}
void FinishingPageOnItemChanged(HWND, WORD, DWORD) {}
void FormPageOnItemChanged(HWND, WORD, DWORD) {}
void WatermarkPageOnItemChanged(HWND, WORD, DWORD) {}
void ImagePageOnItemChanged(HWND, WORD, DWORD) {}
void OptionsPageOnItemChanged(HWND, WORD, DWORD) {}
void OhpInterleafOnItemChanged(HWND, WORD, DWORD) {}
void BindingMarginOnItemChanged(HWND, WORD, DWORD) {}
void InsertSheetOnItemChanged(HWND, WORD, DWORD) {}
void InsertDefaultsOnItemChanged(HWND, WORD, DWORD) {}
void TabTextOnItemChanged(HWND, WORD, DWORD) {}
void CoverInsertOnItemChanged(HWND, WORD, DWORD) {}
