// rule_callbacks.cpp - the four rule callbacks of the control-rule table.
#include "ui/core/rule_callbacks.h"

#include "ui/core/control_ids.h"
#include "ui/core/item_queries.h"

#include "win/commctrl.h"

#include <cstring>

constexpr WORD kManualTray = 4;
constexpr WORD kDocumentTray = 4096;    // an insert sheet fed from the document's own tray

UINT CountInsertSheetEntries(const UI_STATE* pState)
{
    if (pState == nullptr || pState->InsertSheetEntries == nullptr || pState->InterSheetListData_PageListNum <= 0)
        return 0;
    const UINT count = static_cast<UINT>(pState->InterSheetListData_PageListNum);
    return count < kInterSheetEntryCapacity ? count : kInterSheetEntryCapacity;
}

static bool InsertSheetUsesManualTray(const UI_STATE* pState)
{
    const UINT count = CountInsertSheetEntries(pState);
    const BYTE* pEntries = reinterpret_cast<const BYTE*>(pState->InsertSheetEntries);
    for (UINT i = 0; i < count; ++i) {
        SHORT tray = 0;
        std::memcpy(&tray, pEntries + i * sizeof(INTERSHEET_ENTRY) + offsetof(INTERSHEET_ENTRY, Tray), sizeof tray);
        if (static_cast<WORD>(tray) == kManualTray)
            return true;
        if (static_cast<WORD>(tray) == kDocumentTray && GetItemValue(kIdPaperTray) == kManualTray)
            return true;
    }
    return false;
}

BOOL CoversUseManualTray(HWND, UI_STATE* pState, WORD, WORD)
{
    if (GetItemValue(kIdFrontCoverCheck) == 1 && GetItemValue(kIdFrontCoverTray) == kManualTray)
        return TRUE;
    if (GetItemValue(kIdBackCoverCheck) == 1 && GetItemValue(kIdBackCoverTray) == kManualTray)
        return TRUE;
    return GetItemValue(kIdInsertSheetCheck) == 1 && InsertSheetUsesManualTray(pState) ? TRUE : FALSE;
}

BOOL InsertListButtonRule(HWND hDlg, UI_STATE* pState, WORD wTarget, WORD)
{
    if (GetItemValue(kIdInsertSheetCheck) != 1)
        return FALSE;
    if (wTarget < kIdInsertEdit || wTarget > kIdInsertDown)
        return TRUE;
    if (hDlg == nullptr)
        return FALSE;
    const HWND hList = GetDlgItem(hDlg, kIdInsertSheetList);
    if (hList == nullptr || GetFocus() != hList)
        return FALSE;
    // Row 0 is the document itself; only a selected row after it is an insert sheet.
    const LRESULT selected = SendMessageW(hList, LVM_GETNEXTITEM, 0, MAKELPARAM(LVNI_SELECTED, 0));
    if (selected < 1)
        return FALSE;
    return CountInsertSheetEntries(pState) > 0 ? TRUE : FALSE;
}

BOOL FormCreationRule(HWND, UI_STATE*, WORD, WORD)
{
    constexpr WORD kVectorMode = 2;
    constexpr WORD kFirstLanguage = 1;
    return GetItemValue(kIdGraphicsMode) == kVectorMode && GetItemValue(kIdPdlType) == kFirstLanguage ? FALSE : TRUE;
}

BOOL DitherPatternRule(HWND, UI_STATE*, WORD, WORD)
{
    constexpr WORD kDither = 0;
    return GetItemValue(kIdDitherType) == kDither ? TRUE : FALSE;
}
