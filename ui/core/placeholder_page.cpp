// placeholder_page.cpp - a page of the sheet that is not built yet.
#include "ui/core/placeholder_page.h"

#include "settings/params/ui_state.h"
#include "ui/core/commit_settings.h"
#include "ui/core/control_rules.h"
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

// The page becomes the current one: its controls show what their rules allow.
static void ActivatePage(HWND hDlg)
{
    UI_STATE* pState = PageState(hDlg);
    if (pState == nullptr)
        return;
    pState->CurrentDialogId = static_cast<WORD>(GetWindowLongPtrW(hDlg, GWLP_USERDATA));
    UpdateControlRules(hDlg, pState);
    EnablePageControls(hDlg, pState);
}

INT_PTR CALLBACK PlaceholderPageDlgProc(HWND hDlg, UINT uMsg, WPARAM, LPARAM lParam)
{
    switch (uMsg) {
    case WM_INITDIALOG: {
        const auto* page = reinterpret_cast<const PROPSHEETPAGEW*>(lParam);
        SetWindowLongPtrW(hDlg, DWLP_USER, page != nullptr ? static_cast<LONG>(page->lParam) : 0);
        // The template's id is the page's id, which the rules of its controls name.
        const auto templateId = page != nullptr ? reinterpret_cast<ULONG_PTR>(page->pszTemplate) : 0;
        SetWindowLongPtrW(hDlg, GWLP_USERDATA, static_cast<LONG>(IS_INTRESOURCE(templateId) ? templateId : 0));
        return TRUE;
    }
    case WM_NOTIFY: {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        if (header == nullptr)
            return FALSE;
        if (header->code == PSN_SETACTIVE) {
            ActivatePage(hDlg);
            return FALSE;
        }
        if (header->code == PSN_APPLY) {
            // The working values become the applied ones before the sheet writes them back.
            if (UI_STATE* pState = PageState(hDlg); pState != nullptr)
                CommitSettings(pState);
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
