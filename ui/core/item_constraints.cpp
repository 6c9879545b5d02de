// item_constraints.cpp - the options of the lists, tested against every rule.
#include "ui/core/item_constraints.h"

#include "ui/core/control_ids.h"
#include "ui/core/control_rules.h"
#include "ui/core/item_queries.h"
#include "ui/core/item_table.h"
#include "ui/core/prohibition_check.h"
#include "ui/core/rule_tables.h"
#include "ui/core/special_rules.h"

namespace {

constexpr WORD kHiddenPosition = 0xFFFF;

// The state of a control's rule rows, kept across a test that enables the control.
struct KeptRuleState {
    WORD  wRow;
    DWORD dwState;
};

KeptRuleState KeepRuleState(WORD wControl)
{
    const WORD row = FindRuleRowOfControl(wControl);
    return { row, row != kNoRuleRow ? GetControlRuleRows()[row].dwState : 0 };
}

void PutRuleStateBack(WORD wControl, const KeptRuleState& kept)
{
    if (kept.wRow != kNoRuleRow)
        SetControlRuleEnabled(wControl, kept.dwState);
}

// The option holding the list's current value: the first with it; -1 when none has it.
int CurrentOption(const ITEM_LIST* pList)
{
    const ITEM_LIST_ENTRY* pOptions = NamedEntries(pList);
    for (WORD i = 0; i < pList->wCount; ++i)
        if (pOptions[i].wValue == pList->wCurrent)
            return i;
    return -1;
}

} // namespace

void EvaluateItemConstraints(UI_STATE* pState, WORD wControl, WORD wItem)
{
    BindItemValues(pState);
    const ITEM_LIST* pList = GetItemOptionList(wControl);
    if (pList == nullptr || wItem >= pList->wCount)
        return;
    const ITEM_LIST_ENTRY* pOptions = NamedEntries(pList);
    // A later check could only prohibit again: stop at the first that does.
    for (int k = 0; k < kProhibitionTables && pOptions[wItem].wState != kOptionProhibited; ++k)
        CheckItemProhibitions(pState, wControl, wItem, k);
    if (pOptions[wItem].wState != kOptionProhibited)
        CheckMediaAgainstTrayList(pState, wControl, wItem);
    if (pOptions[wItem].wState != kOptionProhibited)
        EvaluateSpecialItemRules(pState, wControl, wItem);
}

void EvaluateControlItems(UI_STATE* pState, WORD wControl)
{
    BindItemValues(pState);
    ITEM_LIST* pList = GetItemOptionList(wControl);
    if (pList == nullptr)
        return;
    ITEM_LIST_ENTRY* pOptions = NamedEntries(pList);
    for (WORD i = 0; i < pList->wCount; ++i) {
        pOptions[i].wPosition = i;
        pOptions[i].wState = kOptionAvailable;
        EvaluateItemConstraints(pState, wControl, i);
        if (pOptions[i].wState == kOptionProhibited)
            pOptions[i].wPosition = kHiddenPosition;
    }
}

void EvaluateAllItems(UI_STATE* pState)
{
    BindItemValues(pState);
    const UI_ITEM* pRows = GetUiItemRows();
    const WORD count = GetUiTableCounts().wItems;
    for (WORD i = 0; i < count; ++i)
        if (pRows[i].wKind == kItemList)
            EvaluateControlItems(pState, pRows[i].wControl);
}

BOOL SelectFirstAvailableItem(HWND /*hDlg*/, UI_STATE* pState, WORD wControl)
{
    BindItemValues(pState);
    ITEM_LIST* pList = GetItemOptionList(wControl);
    if (pList == nullptr)
        return FALSE;
    const KeptRuleState kept = KeepRuleState(wControl);
    SetControlRuleEnabled(wControl, 1);
    EvaluateControlItems(pState, wControl);

    BOOL changed = FALSE;
    const ITEM_LIST_ENTRY* pOptions = NamedEntries(pList);
    const int current = CurrentOption(pList);
    if (current < 0 || pOptions[current].wState != kOptionAvailable) {
        for (WORD i = 0; i < pList->wCount; ++i) {
            if (pOptions[i].wState == kOptionAvailable) {
                SetItemValue(wControl, pOptions[i].wValue);
                changed = TRUE;
                break;
            }
        }
    }
    PutRuleStateBack(wControl, kept);
    return changed;
}

BOOL SelectFirstAvailableTray(HWND /*hDlg*/, UI_STATE* pState, WORD* pwCount)
{
    BindItemValues(pState);
    ITEM_LIST* pList = GetItemOptionList(kIdPaperTray);
    const WORD output = GetItemValue(kIdOutputPaper);
    SetItemValue(kIdOutputPaper, static_cast<WORD>(DMPAPER_USER));
    const KeptRuleState kept = KeepRuleState(kIdPaperTray);
    SetControlRuleEnabled(kIdPaperTray, 1);
    EvaluateControlItems(pState, kIdPaperTray);

    WORD available = 0;
    bool currentStays = false;
    if (pList != nullptr) {
        const ITEM_LIST_ENTRY* pOptions = NamedEntries(pList);
        for (WORD i = 0; i < pList->wCount; ++i)
            if (pOptions[i].wState == kOptionAvailable)
                ++available;
        const int current = CurrentOption(pList);
        currentStays = current >= 0 && pOptions[current].wState == kOptionAvailable;
    }

    SetItemValue(kIdOutputPaper, output);
    PutRuleStateBack(kIdPaperTray, kept);
    EvaluateControlItems(pState, kIdPaperTray);
    if (pwCount != nullptr)
        *pwCount = available;
    return currentStays ? TRUE : FALSE;
}
