// prohibition_check.cpp - whether an option of a list completes a forbidden combination.
#include "ui/core/prohibition_check.h"

#include "ui/core/constraint_index.h"
#include "ui/core/control_ids.h"
#include "ui/core/control_rules.h"
#include "ui/core/item_queries.h"
#include "ui/core/item_table.h"
#include "ui/core/paper_rules.h"
#include "ui/core/rule_tables.h"
#include "settings/paper/paper_ids.h"

constexpr int kMaxConditions = 5;

DWORD IsRuleControlActive(WORD wControl)
{
    const WORD row = FindRuleRowOfControl(wControl);
    if (row != kNoRuleRow) {
        const CONTROL_RULE& rule = GetControlRuleRows()[row];
        return rule.dwStaticActive != 0 ? 1 : rule.dwState;
    }
    return GetItemPage(wControl) != 0xFFFF ? 1 : 0;
}

// One sheet per two pages, a booklet on the finishing page, or a booklet layout on the setup page: the pages
// are printed two to a sheet of the paper that holds two of them.
static bool IsDoublingOn()
{
    const bool finishing = GetItemValue(kIdFinishingCheck) == 1;
    return (finishing && GetItemValue(kIdOneSheetCheck) == 1) || (finishing && GetItemValue(kIdBookletCheck) == 1) ||
           (GetItemValue(kIdLayoutCheck) == 1 && GetItemValue(kIdLayoutBooklet) == 1);
}

static bool IsPaperControl(WORD wControl)
{
    return wControl == kIdOriginalSize || wControl == kIdOutputPaper;
}

WORD GetEffectivePaperValue(WORD wControl, WORD wValue)
{
    const bool doubled = wControl == kIdOutputPaper ||
                         (wControl == kIdOriginalSize && GetItemValue(kIdOutputPaper) == kPaperSameAsPaper);
    if (doubled && IsDoublingOn())
        wValue = GetDoubledPaper(GetItemValue(kIdOneSheetMode), wValue);
    return IsPaperControl(wControl) ? CanonicalPaperId(wValue) : wValue;
}

void GetEffectivePaperValue(const PROHIBITION_CONDITION* pConditions, int n, WORD wKey, WORD* pValues)
{
    int original = -1;
    int output = -1;
    pValues[0] = wKey;
    for (int k = 0; k < n; ++k) {
        if (k > 0)
            pValues[k] = GetItemValue(pConditions[k].wControl);
        if (pConditions[k].wControl == kIdOriginalSize)
            original = k;
        else if (pConditions[k].wControl == kIdOutputPaper)
            output = k;
    }
    // The key is the effective value already: only the other conditions' values are substituted.
    if (IsDoublingOn()) {
        const WORD mode = GetItemValue(kIdOneSheetMode);
        int doubled = -1;
        if (original >= 0 && output >= 0 && pValues[output] == kPaperSameAsPaper)
            doubled = original;
        else if (output >= 0)
            doubled = output;
        if (doubled > 0)
            pValues[doubled] = GetDoubledPaper(mode, pValues[doubled]);
    }
    for (int k = 1; k < n; ++k) {
        if (IsPaperControl(pConditions[k].wControl))
            pValues[k] = CanonicalPaperId(pValues[k]);
    }
}

static bool IsStaplePosition(WORD wControl)
{
    return wControl == kIdStaplePosition || wControl == kIdFinishingStaplePosition;
}

static bool IsPunchPosition(WORD wControl)
{
    return wControl == kIdPunchPosition || wControl == kIdFinishingPunchPosition;
}

static bool OnDevicePage(WORD wControl)
{
    return GetItemPage(wControl) == kDeviceOptionsPage;
}

// Whether a matching two-condition row prohibits the option of C, with the other member c1.
static bool ProhibitsWithPartner(WORD c, WORD c1)
{
    const DWORD activeC = IsRuleControlActive(c);
    if (activeC == 0 || IsRuleControlActive(c1) == 0) {
        // A fitted option unit counts even while its control is disabled; no other disabled partner does.
        return OnDevicePage(c1) && activeC == 1;
    }
    if (OnDevicePage(c)) {
        // A unit does not exclude the options of a unit that depends on it.
        return OnDevicePage(c1) && GetControlRuleSource(c1) != c;
    }
    // Staple positions against punch positions are the finishing rules' to decide.
    const bool staplePunch = (IsStaplePosition(c) && IsPunchPosition(c1)) || (IsPunchPosition(c) && IsStaplePosition(c1));
    return !staplePunch;
}

// The same for the wider tables: any disabled member lifts the row.
static bool ProhibitsWithMembers(WORD c, const PROHIBITION_CONDITION* pConditions, int n)
{
    if (IsRuleControlActive(c) == 0)
        return false;
    for (int k = 1; k < n; ++k) {
        if (IsRuleControlActive(pConditions[k].wControl) == 0)
            return false;
    }
    if (!OnDevicePage(c))
        return true;
    for (int k = 1; k < n; ++k) {
        if (!OnDevicePage(pConditions[k].wControl) || GetControlRuleSource(pConditions[k].wControl) == c)
            return false;
    }
    return true;
}

void CheckItemProhibitions(UI_STATE* pState, WORD wControl, WORD wItem, int k)
{
    if (k < 0 || k >= kProhibitionTables || GetItemKind(wControl) != kItemList)
        return;
    auto* pList = static_cast<ITEM_LIST*>(GetItemValuePtr(wControl));
    if (pList == nullptr || wItem >= pList->wCount)
        return;
    ITEM_LIST_ENTRY& item = NamedEntries(pList)[wItem];
    const WORD v = IsPaperControl(wControl) ? GetEffectivePaperValue(wControl, item.wValue) : item.wValue;

    WORD groupCount = 0;
    const WORD* pOrder = nullptr;
    const CONSTRAINT_GROUP* pGroups = GetConstraintGroups(pState, k, &groupCount, &pOrder);
    WORD first = 0;
    WORD last = 0;
    if (pGroups == nullptr || FindConstraint(wControl, static_cast<SHORT>(v), pGroups, groupCount, &first, &last) == 0)
        return;
    const int n = k + 2;
    for (WORD pos = first; pos <= last; ++pos) {
        WORD yieldControl = 0;
        WORD yieldValue = 0;
        const PROHIBITION_CONDITION* pRow = GetProhibitionRow(k, pOrder[pos], &yieldControl, &yieldValue);
        if (pRow == nullptr || pRow[0].wControl != wControl || static_cast<WORD>(pRow[0].sValue) != v)
            continue;
        WORD values[kMaxConditions];
        GetEffectivePaperValue(pRow, n, v, values);
        bool matches = true;
        for (int c = 1; c < n && matches; ++c)
            matches = values[c] == static_cast<WORD>(pRow[c].sValue);
        if (!matches)
            continue;
        const bool prohibited = n == 2 ? ProhibitsWithPartner(wControl, pRow[1].wControl)
                                       : ProhibitsWithMembers(wControl, pRow, n);
        if (prohibited)
            item.wState = kOptionProhibited;
    }
}
