// control_rules.cpp - control-rule evaluation and its queries.
#include "ui/core/control_rules.h"

#include "settings/base/global_memory.h"
#include "ui/core/item_queries.h"
#include "ui/core/rule_tables.h"

#include <initializer_list>


static bool ValueMatches(WORD wControl, WORD wValue)
{
    return static_cast<SHORT>(GetItemValue(wControl)) == static_cast<SHORT>(wValue);
}

WORD FindRuleRowOfControl(WORD wControl)
{
    if (wControl == 0)
        return kNoRuleRow;   // 0 marks continuation rows, never a control
    const CONTROL_RULE* pRows = GetControlRuleRows();
    const WORD count = GetUiTableCounts().wControlRules;
    for (WORD i = 0; i < count; ++i)
        if (pRows[i].wTarget == wControl)
            return i;
    return kNoRuleRow;
}

BOOL IsControlEnabled(WORD wControl)
{
    const WORD row = FindRuleRowOfControl(wControl);
    if (row != kNoRuleRow)
        return static_cast<BOOL>(GetControlRuleRows()[row].dwState);
    return FindUiItem(wControl) != nullptr ? TRUE : FALSE;
}

WORD GetControlRuleSource(WORD wControl)
{
    const WORD row = FindRuleRowOfControl(wControl);
    if (row == kNoRuleRow)
        return 0xFFFF;
    const WORD wSource = GetControlRuleRows()[row].wSource;
    return wSource != 0 ? wSource : 0xFFFF;
}

DWORD MatchRuleRow(WORD wRow)
{
    const CONTROL_RULE* pRows = GetControlRuleRows();
    const WORD count = GetUiTableCounts().wControlRules;
    if (wRow >= count)
        return 0;
    if (ValueMatches(pRows[wRow].wSource, pRows[wRow].wSourceValue))
        return 1;
    for (WORD i = wRow + 1; i < count && pRows[i].wTarget == 0; ++i)
        if (ValueMatches(pRows[i].wSource, pRows[i].wSourceValue))
            return 1;
    return 0;
}

void EvaluateControlRule(WORD wRow)
{
    CONTROL_RULE* pRows = GetControlRuleRows();
    const WORD count = GetUiTableCounts().wControlRules;
    if (wRow >= count)
        return;
    const WORD wTarget = pRows[wRow].wTarget;
    const bool isAnd = pRows[wRow].wKind == kRuleAnd;
    DWORD result = 0;
    DWORD seen = 0;
    // Once per call: a row of level 1 or below, or whose governor has no row, keeps what an earlier row left.
    DWORD sourceEnabled = 1;
    for (WORD i = 0; i < count; ++i) {
        if (pRows[i].wTarget != wTarget)
            continue;
        if (pRows[i].wLevel > 1) {
            const WORD governor = FindRuleRowOfControl(pRows[i].wSource);
            if (governor != kNoRuleRow)
                sourceEnabled = pRows[governor].dwState;
        }
        const DWORD match = sourceEnabled == 1 && MatchRuleRow(i) == 1 ? 1 : 0;
        if (isAnd)
            result = seen == 0 ? match : (result & match);
        else
            result |= match;
        ++seen;
    }
    for (WORD i = 0; i < count; ++i)
        if (pRows[i].wTarget == wTarget)
            pRows[i].dwState = result;
}

void SetControlRuleEnabled(WORD wControl, DWORD dwState)
{
    if (wControl == 0)
        return;
    CONTROL_RULE* pRows = GetControlRuleRows();
    const WORD count = GetUiTableCounts().wControlRules;
    for (WORD i = 0; i < count; ++i)
        if (pRows[i].wTarget == wControl)
            pRows[i].dwState = dwState;
}

static bool ConditionHolds(const OPTION_RULE& row)
{
    return ValueMatches(row.wCondition, row.wConditionValue);
}

void EvaluateOptionRules(UI_STATE*)
{
    OPTION_RULE* pRows = GetOptionRuleRows();
    const WORD count = GetUiTableCounts().wOptionRules;
    for (WORD i = 0; i < count; ++i)
        pRows[i].dwResult = 0;
    WORD first = 0;
    while (first < count) {
        WORD end = first + 1;
        while (end < count && pRows[end].wFeature == 0)
            ++end;
        // The alternatives in order; a chain code 1 starts an AND chain that takes in the rows coded 2 or 3.
        bool satisfied = false;
        for (WORD p = first; p < end && !satisfied;) {
            bool holds = ConditionHolds(pRows[p]);
            const bool chain = pRows[p].wChain == 1;
            ++p;
            while (chain && p < end && (pRows[p].wChain == 2 || pRows[p].wChain == 3)) {
                holds = holds && ConditionHolds(pRows[p]);
                ++p;
            }
            satisfied = holds;
        }
        for (WORD i = first; i < end; ++i)
            pRows[i].dwResult = satisfied ? 1 : 0;
        first = end;
    }
}

void EvaluateThirdRules(UI_STATE*)
{
    THIRD_RULE* pRows = GetThirdRuleRows();
    const WORD count = GetUiTableCounts().wThirdRules;
    for (WORD i = 0; i < count; ++i)
        pRows[i].dwResult = 0;
    WORD first = 0;
    while (first < count) {
        WORD end = first + 1;
        while (end < count && pRows[end].wControl == 0)
            ++end;
        bool any = false;
        for (WORD i = first; i < end; ++i)
            any = any || ValueMatches(pRows[i].wCondition, pRows[i].wConditionValue);
        for (WORD i = first; i < end; ++i)
            pRows[i].dwResult = any ? 1 : 0;
        first = end;
    }
}

DWORD GetRuleTable2State(WORD wControl)
{
    if (wControl == 0)
        return 1;
    const OPTION_RULE* pRows = GetOptionRuleRows();
    const WORD count = GetUiTableCounts().wOptionRules;
    for (WORD i = 0; i < count; ++i)
        if (pRows[i].wFeature == wControl)
            return pRows[i].dwResult;
    return 1;
}

// The third table's result for a control; false when it has no rows for it.
static bool FindThirdRuleResult(WORD wControl, DWORD* pResult)
{
    const THIRD_RULE* pRows = GetThirdRuleRows();
    const WORD count = GetUiTableCounts().wThirdRules;
    for (WORD i = 0; i < count; ++i) {
        if (pRows[i].wControl == wControl) {
            *pResult = pRows[i].dwResult;
            return true;
        }
    }
    return false;
}

static bool HasOptionRules(WORD wControl)
{
    const OPTION_RULE* pRows = GetOptionRuleRows();
    const WORD count = GetUiTableCounts().wOptionRules;
    for (WORD i = 0; i < count; ++i)
        if (pRows[i].wFeature == wControl)
            return true;
    return false;
}

void UpdateControlRules(HWND hDlg, UI_STATE* pState)
{
    BindItemValues(pState);
    CONTROL_RULE* pRows = GetControlRuleRows();
    const WORD count = GetUiTableCounts().wControlRules;

    WORD topLevel = 1;
    for (WORD i = 0; i < count; ++i) {
        if (pRows[i].wTarget == 0)
            continue;
        pRows[i].dwState = 0;
        if (pRows[i].wLevel > topLevel)
            topLevel = pRows[i].wLevel;
    }

    for (WORD i = 0; i < count; ++i) {
        const CONTROL_RULE& row = pRows[i];
        if (row.wTarget == 0 || row.wKind != kRuleCallback)
            continue;
        const RULE_CALLBACK pfn = row.pfnCallback;
        pRows[i].dwState = pfn != nullptr && pfn(hDlg, pState, row.wTarget, row.wPage) ? 1 : 0;
    }

    for (WORD level = 0; level <= topLevel; ++level) {
        for (WORD i = 0; i < count; ++i) {
            const CONTROL_RULE& row = pRows[i];
            if (row.wKind == kRuleCallback || row.wTarget == 0 || row.wLevel != level)
                continue;
            if (level == 0) {
                pRows[i].dwState = 1;
                continue;
            }
            if (row.wRowsMode == kRuleSeveralRows) {
                EvaluateControlRule(i);
                continue;
            }
            DWORD parent = 1;
            if (row.wLevel > 1) {
                const WORD governor = FindRuleRowOfControl(row.wSource);
                if (governor != kNoRuleRow)
                    parent = pRows[governor].dwState;
            }
            pRows[i].dwState = parent == 1 && MatchRuleRow(i) == 1 ? 1 : 0;
        }
    }

    EvaluateOptionRules(pState);
    EvaluateThirdRules(pState);

    for (WORD i = 0; i < count; ++i) {
        const WORD wTarget = pRows[i].wTarget;
        if (wTarget == 0)
            continue;
        DWORD state = pRows[i].dwState;
        if (HasOptionRules(wTarget))
            state = state == 1 && GetRuleTable2State(wTarget) == 1 ? 1 : 0;
        DWORD third = 0;
        if (FindThirdRuleResult(wTarget, &third))
            state = state == 1 && third == 1 ? 1 : 0;
        pRows[i].dwState = state != 0 ? 1 : 0;
    }
}

void EnablePageControls(HWND hDlg, UI_STATE* pState)
{
    if (pState == nullptr)
        return;
    const WORD wPage = pState->CurrentDialogId;
    const CONTROL_RULE* pRows = GetControlRuleRows();
    const WORD count = GetUiTableCounts().wControlRules;
    for (WORD i = 0; i < count; ++i) {
        if (pRows[i].wTarget == 0 || pRows[i].wPage != wPage)
            continue;
        // A target may sit in another dialog or in no template: EnableWindow on a null window does nothing.
        EnableWindow(GetDlgItem(hDlg, pRows[i].wTarget), static_cast<BOOL>(pRows[i].dwState));
    }
}

namespace {

// The id and state word of every row of one table, as SaveRuleStates keeps them.
struct RuleTableAccess {
    WORD count;
    WORD (*id)(WORD row);
    DWORD (*get)(WORD row);
    void (*set)(WORD row, DWORD state);
};

} // namespace

static RuleTableAccess ControlRuleAccess()
{
    return { GetUiTableCounts().wControlRules, [](WORD row) { return GetControlRuleRows()[row].wTarget; },
             [](WORD row) { return GetControlRuleRows()[row].dwState; },
             [](WORD row, DWORD state) { GetControlRuleRows()[row].dwState = state; } };
}

static RuleTableAccess OptionRuleAccess()
{
    return { GetUiTableCounts().wOptionRules, [](WORD row) { return GetOptionRuleRows()[row].wFeature; },
             [](WORD row) { return GetOptionRuleRows()[row].dwResult; },
             [](WORD row, DWORD state) { GetOptionRuleRows()[row].dwResult = state; } };
}

static RuleTableAccess ThirdRuleAccess()
{
    return { GetUiTableCounts().wThirdRules, [](WORD row) { return GetThirdRuleRows()[row].wControl; },
             [](WORD row) { return GetThirdRuleRows()[row].dwResult; },
             [](WORD row, DWORD state) { GetThirdRuleRows()[row].dwResult = state; } };
}

static RULE_STATE_ENTRY* SaveTable(const RuleTableAccess& table)
{
    if (table.count == 0)
        return nullptr;
    auto* pEntries = static_cast<RULE_STATE_ENTRY*>(AllocLockedBlock(table.count * sizeof(RULE_STATE_ENTRY)));
    if (pEntries == nullptr)
        return nullptr;
    for (WORD i = 0; i < table.count; ++i) {
        pEntries[i].wId = table.id(i);
        pEntries[i].dwState = table.get(i);
    }
    return pEntries;
}

static void RestoreTable(const RuleTableAccess& table, const RULE_STATE_ENTRY* pEntries)
{
    if (pEntries == nullptr)
        return;
    for (WORD i = 0; i < table.count; ++i)
        if (pEntries[i].wId == table.id(i))   // an entry that does not fit its row is not written back
            table.set(i, pEntries[i].dwState);
}

void SaveRuleStates(RULE_STATE_ENTRY** ppControl, RULE_STATE_ENTRY** ppOption, RULE_STATE_ENTRY** ppThird)
{
    if (ppControl != nullptr)
        *ppControl = SaveTable(ControlRuleAccess());
    if (ppOption != nullptr)
        *ppOption = SaveTable(OptionRuleAccess());
    if (ppThird != nullptr)
        *ppThird = SaveTable(ThirdRuleAccess());
}

void RestoreRuleStates(const RULE_STATE_ENTRY* pControl, const RULE_STATE_ENTRY* pOption,
                       const RULE_STATE_ENTRY* pThird)
{
    RestoreTable(ControlRuleAccess(), pControl);
    RestoreTable(OptionRuleAccess(), pOption);
    RestoreTable(ThirdRuleAccess(), pThird);
}

void FreeRuleStates(RULE_STATE_ENTRY** ppControl, RULE_STATE_ENTRY** ppOption, RULE_STATE_ENTRY** ppThird)
{
    for (RULE_STATE_ENTRY** pp : { ppControl, ppOption, ppThird }) {
        if (pp == nullptr || *pp == nullptr)
            continue;
        FreeLockedBlock(*pp);
        *pp = nullptr;
    }
}
