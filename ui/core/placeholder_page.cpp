// placeholder_page.cpp - a page of the sheet that is not built yet.
#include "ui/core/placeholder_page.h"

#include "settings/params/ui_state.h"
#include "win/prsht.h"

// The sheet's working state, kept in the page's user word from WM_INITDIALOG on.
static UI_STATE* PageState(HWND hDlg)
{
    auto** ppState = reinterpret_cast<UI_STATE**>(GetWindowLongPtrW(hDlg, DWLP_USER));
    return ppState != nullptr ? *ppState : nullptr;
}

static void ReportOk(HWND hDlg)
{
    UI_STATE* pState = PageState(hDlg);
    if (pState == nullptr)
        return;
    PFNCOMPROPSHEET pfnComPropSheet = pState->pfnComPropSheet;
    if (pfnComPropSheet != nullptr)
        pfnComPropSheet(pState->hComPropSheet, CPSFUNC_SET_RESULT, pState->LastPageResult, CPSUI_OK);
}

INT_PTR CALLBACK PlaceholderPageDlgProc(HWND hDlg, UINT uMsg, WPARAM, LPARAM lParam)
{
    switch (uMsg) {
    case WM_INITDIALOG: {
        const auto* page = reinterpret_cast<const PROPSHEETPAGEW*>(lParam);
        SetWindowLongPtrW(hDlg, DWLP_USER, page != nullptr ? static_cast<LONG>(page->lParam) : 0);
        return TRUE;
    }
    case WM_NOTIFY: {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        if (header == nullptr)
            return FALSE;
        if (header->code == PSN_APPLY) {
            ReportOk(hDlg);
            SetWindowLongPtrW(hDlg, DWLP_MSGRESULT, PSNRET_NOERROR);
            return TRUE;
        }
        return FALSE;
    }
    default:
        return FALSE;
    }
}
