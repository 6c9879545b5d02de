// constraint_checks.cpp - the checks and passes of a resolve round.
#include "ui/core/constraint_checks.h"

#include "ui/core/constraint_index.h"
#include "ui/core/control_ids.h"
#include "ui/core/control_rules.h"
#include "ui/core/item_constraints.h"
#include "ui/core/item_queries.h"
#include "ui/core/item_table.h"
#include "ui/core/margin_limits.h"
#include "ui/core/paper_rules.h"
#include "ui/core/prohibition_check.h"
#include "ui/core/rule_tables.h"
#include "ui/core/saved_values.h"
#include "ui/core/special_rules.h"
#include "settings/paper/paper_ids.h"

#include <iterator>

static constexpr POSITION_PAIR_ROW kPositionPairs[] = {
    { 2, 3, 3, 1 }, { 3, 1, 2, 3 }, { 4, 2, 5, 1 }, { 4, 3, 3, 1 },
    { 5, 1, 2, 2 }, { 5, 3, 3, 2 }, { 6, 1, 2, 3 }, { 6, 2, 5, 3 },
    {},
};

// A fold kind the option rules take away falls back to its neighbour, not to the first kind left.
static constexpr OPTION_REPLACEMENT_ROW kOptionReplacements[] = {
    { kIdFoldKind, 3, 1 },
    { kIdFoldKind, 4, 2 },
    {},
};

// The dither choices follow the graphics mode back to their defaults.
static constexpr DEFAULT_DEPENDENCY_ROW kDefaultDependencies[] = {
    { 611, 605 }, { 611, 606 }, { 611, 607 }, { 612, 605 }, { 612, 606 }, { 612, 607 },
    {},
};

constexpr DWORD kDefaultsButtonMask = 4;
constexpr int kMaxConditions = 5;

BOOL IsDefaultsButton(WORD wControl)
{
    const DWORD flags = GetItemFlags(wControl);
    return flags != 0xFFFFFFFF && (flags & kDefaultsButtonMask) != 0 ? TRUE : FALSE;
}

namespace {

bool OnDevicePage(WORD wControl)
{
    return GetItemPage(wControl) == kDeviceOptionsPage;
}

bool IsOptionRuleMet(WORD wControl)
{
    return GetRuleTable2State(wControl) != 0;
}

bool AnyCapturedOnDevicePage(const CHANGE_LIST* pChanges)
{
    for (WORD i = 0; i < pChanges->wCapturedCount && i < pChanges->wCount; ++i) {
        if (OnDevicePage(pChanges->pEntries[i].wControl))
            return true;
    }
    return false;
}

bool IsAnyCaptured(const CHANGE_LIST* pChanges, std::initializer_list<WORD> controls)
{
    for (WORD control : controls) {
        if (IsCapturedControl(pChanges, control))
            return true;
    }
    return false;
}

// The first option of the list with the value; null when none has it.
const ITEM_LIST_ENTRY* FindOption(WORD wControl, WORD wValue)
{
    const auto* pList = static_cast<const ITEM_LIST*>(GetItemValuePtr(wControl));
    if (pList == nullptr || GetItemKind(wControl) != kItemList)
        return nullptr;
    const ITEM_LIST_ENTRY* pOptions = NamedEntries(pList);
    for (WORD i = 0; i < pList->wCount; ++i) {
        if (pOptions[i].wValue == wValue)
            return &pOptions[i];
    }
    return nullptr;
}

bool IsOptionAvailable(WORD wControl, WORD wValue)
{
    const ITEM_LIST_ENTRY* pOption = FindOption(wControl, wValue);
    return pOption != nullptr && pOption->wState == kOptionAvailable;
}

// The value of the first available option; FALSE when none is.
bool FirstAvailableOption(WORD wControl, WORD* pValue)
{
    const auto* pList = static_cast<const ITEM_LIST*>(GetItemValuePtr(wControl));
    if (pList == nullptr)
        return false;
    const ITEM_LIST_ENTRY* pOptions = NamedEntries(pList);
    for (WORD i = 0; i < pList->wCount; ++i) {
        if (pOptions[i].wState == kOptionAvailable) {
            *pValue = pOptions[i].wValue;
            return true;
        }
    }
    return false;
}

// Whether one of the options of the control's list has the value, whatever its state.
bool ListOffers(WORD wControl, WORD wValue)
{
    return FindOption(wControl, wValue) != nullptr;
}

// Paper type 122 of the setup page and the bypass tray's paper type 231 of the covers page show one paper
// type while both are enabled.
DWORD CheckMirroredPair(const CHANGE_LIST* pChanges, CONFLICT_LIST* pConflicts)
{
    if (!IsControlEnabled(kIdPaperType) || !IsControlEnabled(kIdCoverPaperType))
        return 0;
    DWORD result = 0;
    WORD paperType = 0;
    WORD coverType = 0;
    for (WORD i = 0; i < pChanges->wCount && result == 0; ++i) {
        const CHANGE_ENTRY entry = pChanges->pEntries[i];
        const WORD value122 = GetItemValue(kIdPaperType);
        const WORD value231 = GetItemValue(kIdCoverPaperType);
        switch (entry.wControl) {
        case kIdPaperType:
            if (entry.wNew == value231)
                break;
            if (i == 0) {
                result = 2;
                coverType = entry.wNew;
            } else {
                result = 1;
                paperType = value231;
            }
            break;
        case kIdFrontCoverCheck:
        case kIdBackCoverCheck:
        case kIdInsertSheetCheck:
        case kIdFrontCoverTray:
        case kIdBackCoverTray:
            if (value122 != value231) {
                result = 2;
                coverType = value122;
            }
            break;
        case kIdCoverPaperType:
            if (value122 == entry.wNew)
                break;
            if (i == 0) {
                result = 1;
                paperType = entry.wNew;
            } else if (ListOffers(kIdCoverPaperType, value122)) {
                result = 2;
                coverType = value122;
            } else {
                result = 3;
                paperType = 1;
                coverType = 1;
            }
            break;
        default:
            break;
        }
    }
    if (result == 1 || result == 3)
        AppendConflict(pConflicts, kIdPaperType, paperType, kReasonTwoConditions);
    if (result == 2 || result == 3)
        AppendConflict(pConflicts, kIdCoverPaperType, coverType, kReasonTwoConditions);
    return result;
}

// Chapters need double-sided printing: the chapter check box cannot stay on once duplex is off.
DWORD CheckDependentCheckBox(CONFLICT_LIST* pConflicts)
{
    if (IsControlEnabled(kIdFinishingDuplexCheck) && !IsControlEnabled(kIdChapterCheck) &&
        GetItemValue(kIdFinishingDuplexCheck) == 0 && GetItemValue(kIdChapterCheck) == 1) {
        AppendConflict(pConflicts, kIdChapterCheck, 0, kReasonDependentCheckBox);
        return 1;
    }
    return 0;
}

WORD ReplacementOf(WORD wControl, WORD wValue, WORD wTarget)
{
    for (const OPTION_REPLACEMENT_ROW* pRow = kOptionReplacements; pRow->wControl != 0; ++pRow) {
        if (pRow->wControl == wControl && pRow->wValue == wValue)
            return pRow->wReplacement;
    }
    return wTarget;
}

// Lists whose options depend on the installed units move to an option the units allow.
DWORD ApplyOptionRules(UI_STATE* pState, const CHANGE_LIST* pChanges, CONFLICT_LIST* pConflicts)
{
    DWORD result = 0;
    const bool deviceChange = AnyCapturedOnDevicePage(pChanges);
    const OPTION_RULE* pRows = GetOptionRuleRows();
    for (WORD r = 0; r < GetUiTableCounts().wOptionRules; ++r) {
        const WORD f = pRows[r].wFeature;
        if (f == 0)
            continue;
        const WORD g = GetControlRuleSource(f);
        const bool hasGovernor = g != 0xFFFF;
        const bool governorChanged = hasGovernor && IsCapturedControl(pChanges, g);
        const bool governorIsCheck = hasGovernor && GetItemKind(g) == kItemCheck;
        if (GetItemKind(f) != kItemList || pRows[r].wFlag != 1 || !(governorChanged || deviceChange))
            continue;
        const WORD changed = pChanges->wChangedControl;
        if (IsDefaultsButton(changed) && GetItemPage(changed) == GetItemPage(f))
            continue;
        // S: the governor is already being put back to its default by an earlier pass.
        bool governorReset = false;
        if (governorIsCheck) {
            const int last = FindLastConflict(pConflicts, g);
            governorReset = last >= 0 && pConflicts->pConflicts[last].wValue == GetItemDefaultValue(g) &&
                            pConflicts->pConflicts[last].wReason != kReasonOptionRule &&
                            pConflicts->pConflicts[last].wReason != kReasonDeviceCheckBox;
        }

        const BOOL keptG = hasGovernor ? IsControlEnabled(g) : FALSE;
        const BOOL keptF = IsControlEnabled(f);
        if (hasGovernor)
            SetControlRuleEnabled(g, 1);
        SetControlRuleEnabled(f, 1);
        EvaluateControlItems(pState, f);

        const WORD current = GetItemValue(f);
        const WORD saved = GetSavedItemValue(f);
        const WORD fallback = GetItemDefaultValue(f);
        bool hasTarget = false;
        bool defaultWithDevice = false;
        WORD target = 0;
        if (IsOptionAvailable(f, saved) && saved != current) {
            hasTarget = true;
            target = saved;
        } else if (!IsOptionAvailable(f, current)) {
            if (FirstAvailableOption(f, &target)) {
                hasTarget = true;
                result = 1;
            } else if (current != fallback) {
                hasTarget = true;
                target = fallback;
                defaultWithDevice = deviceChange;
                result = 1;
            } else if (deviceChange && governorReset) {
                result = 1;
            }
        }
        bool stored = true;
        if (hasTarget) {
            stored = AppendConflict(pConflicts, f, ReplacementOf(f, current, target), kReasonOptionRule) != FALSE;
            if (stored && governorIsCheck && defaultWithDevice && GetItemValue(g) != GetItemDefaultValue(g))
                stored = AppendConflict(pConflicts, g, GetItemDefaultValue(g), kReasonDeviceCheckBox) != FALSE;
        }
        if (hasGovernor)
            SetControlRuleEnabled(g, keptG);
        SetControlRuleEnabled(f, keptF);
        if (!stored)
            break;
    }
    return result;
}

// Switching one sheet per two pages or a booklet off changes the paper the pages go on: the paper takes part.
void AddPaperForDoubleSizeOff(CHANGE_LIST* pChanges)
{
    bool switchedOff = false;
    for (WORD i = 0; i < pChanges->wCapturedCount && i < pChanges->wCount && !switchedOff; ++i) {
        const CHANGE_ENTRY entry = pChanges->pEntries[i];
        if (entry.wNew != 0)
            continue;
        switch (entry.wControl) {
        case kIdOneSheetCheck:
        case kIdBookletCheck:
        case kIdLayoutBooklet:
            switchedOff = true;
            break;
        case kIdFinishingCheck:
            switchedOff = GetItemValue(kIdOneSheetCheck) == 1 || GetItemValue(kIdBookletCheck) == 1;
            break;
        default:
            break;
        }
    }
    if (!switchedOff || FindChange(pChanges, kIdOriginalSize) >= 0 || FindChange(pChanges, kIdOutputPaper) >= 0)
        return;
    if (CanonicalPaperId(GetItemValue(kIdOutputPaper)) == kPaperSameAsPaper)
        AppendChange(pChanges, kIdOriginalSize, 0, GetItemValue(kIdOriginalSize));
    else
        AppendChange(pChanges, kIdOutputPaper, 0, GetItemValue(kIdOutputPaper));
}

// A defaults button that resets the graphics mode sends the dither choices back to their defaults too.
void ResetDependentDefaults(const CHANGE_LIST* pChanges, CONFLICT_LIST* pConflicts)
{
    if (!IsDefaultsButton(pChanges->wChangedControl))
        return;
    for (WORD i = 0; i < pChanges->wCapturedCount && i < pChanges->wCount; ++i) {
        const WORD trigger = pChanges->pEntries[i].wControl;
        for (const DEFAULT_DEPENDENCY_ROW* pRow = kDefaultDependencies; pRow->wTrigger != 0; ++pRow) {
            if (pRow->wTrigger != trigger)
                continue;
            const WORD fallback = GetItemDefaultValue(pRow->wDependant);
            if (GetItemValue(pRow->wDependant) != fallback &&
                !AppendConflict(pConflicts, pRow->wDependant, fallback, kReasonDefault))
                return;
        }
    }
}

// Binding margins that no longer fit the papers send the margin mode back to its first option.
void CheckMarginLimits(UI_STATE* pState, CONFLICT_LIST* pConflicts)
{
    WORD front = pState->fMargin.wCurrent;
    WORD back = pState->bMargin.wCurrent;
    if ((GetMarginLimits(pState, nullptr, nullptr, nullptr, nullptr, &front, &back) & kMarginLimitsExceeded) != 0)
        AppendConflict(pConflicts, kIdMarginMode, 1, kReasonTwoConditions);
}

// Whether the members of a fired rule take part: a rule whose members are disabled does not hold.
bool PassesMemberTest(WORD c, const PROHIBITION_CONDITION* pRow, int n)
{
    if (c == kIdRasterMode)
        return true;
    if (n == 2) {
        const WORD partner = pRow[1].wControl;
        if (!OnDevicePage(partner) && IsRuleControlActive(partner) == 0)
            return false;
        return IsRuleControlActive(c) != 0 || (OnDevicePage(c) && !OnDevicePage(partner));
    }
    for (int k = 0; k < n; ++k) {
        if (IsRuleControlActive(pRow[k].wControl) == 0)
            return false;
    }
    return true;
}

// The passes of the prohibition tables: table k holds rules of k + 2 conditions.
void ApplyProhibitions(UI_STATE* pState, const CHANGE_LIST* pChanges, CONFLICT_LIST* pConflicts, int k)
{
    WORD groupCount = 0;
    const WORD* pOrder = nullptr;
    const CONSTRAINT_GROUP* pGroups = GetConstraintGroups(pState, k, &groupCount, &pOrder);
    if (pGroups == nullptr)
        return;
    const int n = k + 2;
    const WORD reason = static_cast<WORD>(kReasonTwoConditions + k);
    for (WORD i = 0; i < pChanges->wCount; ++i) {
        const WORD c = pChanges->pEntries[i].wControl;
        const WORD key = GetEffectivePaperValue(c, pChanges->pEntries[i].wNew);
        WORD first = 0;
        WORD last = 0;
        if (FindConstraint(c, static_cast<SHORT>(key), pGroups, groupCount, &first, &last) == 0)
            continue;
        for (WORD pos = first; pos <= last; ++pos) {
            WORD y = 0;
            WORD w = 0;
            const PROHIBITION_CONDITION* pRow = GetProhibitionRow(k, pOrder[pos], &y, &w);
            if (pRow == nullptr || pRow[0].wControl != c || static_cast<WORD>(pRow[0].sValue) != key)
                continue;
            WORD values[kMaxConditions];
            GetEffectivePaperValue(pRow, n, key, values);
            bool fires = true;
            for (int m = 1; m < n && fires; ++m)
                fires = values[m] == static_cast<WORD>(pRow[m].sValue);
            if (!fires)
                continue;

            WORD entryReason = reason;
            if (OnDevicePage(y) || IsOptionRuleMet(y) || !OnDevicePage(c)) {
                if (!PassesMemberTest(c, pRow, n))
                    continue;
            } else {
                // A device-option change meets a control its units do not allow.
                const WORD governor = GetControlRuleSource(y);
                if (governor != 0xFFFF && governor != 0 && GetItemKind(y) == kItemList)
                    continue;
                entryReason = kReasonDeviceChange;
            }
            if (!AppendConflict(pConflicts, y, w, entryReason))
                return;

            // The rule undoes the user's own change of y: the other members are what refuses it.
            bool undoesUser = false;
            for (WORD u = 0; u < pChanges->wCapturedCount && u < pChanges->wCount; ++u) {
                const CHANGE_ENTRY own = pChanges->pEntries[u];
                if (own.wControl != y || own.wPrevious != w)
                    continue;
                undoesUser = true;
                for (int m = 0; m < n; ++m) {
                    const WORD member = pRow[m].wControl;
                    if (member == y || OnDevicePage(member) || IsCapturedControl(pChanges, member))
                        continue;
                    if (!AppendPartner(pConflicts, member, GetItemValue(member)))
                        return;
                }
            }
            const bool graphicsSecond = pRow[1].wControl == kIdRasterMode;
            const bool graphicsThird = n > 2 && pRow[2].wControl == kIdRasterMode;
            if ((n == 2 && graphicsSecond) || (n == 3 && (graphicsSecond || graphicsThird) && undoesUser))
                pConflicts->wOutcome = kOutcomeGraphicsMode;
        }
    }
}

// The staple and punch positions that the round's conflicts set must make a pair the finisher can do.
void ResolvePositionPairs(const CHANGE_LIST* pChanges, CONFLICT_LIST* pConflicts, WORD wStart)
{
    if (IsDefaultsButton(pChanges->wChangedControl))
        return;
    const bool stapleChanged = IsAnyCaptured(pChanges, { kIdStapleCheck, kIdStaplePosition, kIdFinishingStapleCheck,
                                                         kIdFinishingStaplePosition });
    const bool punchChanged = IsAnyCaptured(pChanges, { kIdPunchCheck, kIdPunchPosition, kIdFinishingPunchCheck,
                                                        kIdFinishingPunchPosition });
    int lastStaple = -1;
    int lastPunch = -1;
    for (WORD i = wStart; i < pConflicts->wConflictCount; ++i) {
        const WORD control = pConflicts->pConflicts[i].wControl;
        if (control == kIdStaplePosition || control == kIdFinishingStaplePosition)
            lastStaple = i;
        else if (control == kIdPunchPosition || control == kIdFinishingPunchPosition)
            lastPunch = i;
    }
    if (!(stapleChanged || lastStaple >= 0) || !(punchChanged || lastPunch >= 0))
        return;
    const WORD a = lastStaple >= 0 ? pConflicts->pConflicts[lastStaple].wValue : GetItemValue(kIdStaplePosition);
    const WORD b = lastPunch >= 0 ? pConflicts->pConflicts[lastPunch].wValue : GetItemValue(kIdPunchPosition);
    const POSITION_PAIR_ROW* pRow = kPositionPairs;
    while (pRow->wStaple != 0 && !(pRow->wStaple == a && pRow->wPunch == b))
        ++pRow;
    if (pRow->wStaple == 0)
        return;
    WORD staple = GetItemValue(kIdStaplePosition);
    WORD punch = GetItemValue(kIdPunchPosition);
    if (lastStaple >= 0 && lastPunch >= 0) {
        staple = GetItemDefaultValue(kIdStaplePosition);
        punch = GetItemDefaultValue(kIdPunchPosition);
    } else if (lastStaple >= 0) {
        staple = pRow->wStapleReplacement;
    } else {
        punch = pRow->wPunchReplacement;
    }
    for (WORD i = wStart; i < pConflicts->wConflictCount; ++i) {
        CONFLICT_ENTRY& entry = pConflicts->pConflicts[i];
        if (entry.wControl == kIdStaplePosition || entry.wControl == kIdFinishingStaplePosition)
            entry.wValue = staple;
        else if (entry.wControl == kIdPunchPosition || entry.wControl == kIdFinishingPunchPosition)
            entry.wValue = punch;
    }
}

// A paper type the round sets on one side of the mirrored pair is set on the other too.
void SyncMirroredPair(CONFLICT_LIST* pConflicts, WORD wStart)
{
    bool call122 = false;
    bool call231 = false;
    WORD pending122 = 0;
    WORD pending231 = 0;
    const WORD end = pConflicts->wConflictCount;
    for (WORD i = wStart; i < end; ++i) {
        const CONFLICT_ENTRY entry = pConflicts->pConflicts[i];
        if (entry.wControl == kIdPaperType && IsControlEnabled(kIdCoverPaperType)) {
            pending231 = entry.wValue;
            call231 = call231 || entry.wValue != GetItemValue(kIdCoverPaperType);
        } else if (entry.wControl == kIdCoverPaperType && IsControlEnabled(kIdPaperType)) {
            pending122 = entry.wValue;
            call122 = call122 || entry.wValue != GetItemValue(kIdPaperType);
        }
    }
    if (call122 && !AppendConflict(pConflicts, kIdPaperType, pending122, kReasonTwoConditions))
        return;
    if (call231)
        AppendConflict(pConflicts, kIdCoverPaperType, pending231, kReasonTwoConditions);
}

} // namespace

DWORD RunConstraintChecks(HWND, UI_STATE* pState, CHANGE_LIST* pChanges, CONFLICT_LIST* pConflicts)
{
    DWORD result = 0;
    if (CheckMirroredPair(pChanges, pConflicts) != 0)
        result |= kCheckMirroredPair;
    if (CheckDependentCheckBox(pConflicts) != 0)
        result |= kCheckDependentCheckBox;
    if (ApplyOptionRules(pState, pChanges, pConflicts) != 0)
        result |= kCheckOptionRules;
    AddPaperForDoubleSizeOff(pChanges);
    ResetDependentDefaults(pChanges, pConflicts);
    CheckMarginLimits(pState, pConflicts);
    return result;
}

void ApplyCouplingRules(HWND, UI_STATE*, CHANGE_LIST* pChanges, CONFLICT_LIST*)
{
    struct Coupling { WORD position, check, partner; };
    static constexpr Coupling kCouplings[] = {
        { kIdStaplePosition, kIdStapleCheck, kIdPunchPosition },
        { kIdPunchPosition, kIdPunchCheck, kIdStaplePosition },
        { kIdFinishingStaplePosition, kIdFinishingStapleCheck, kIdFinishingPunchPosition },
        { kIdFinishingPunchPosition, kIdFinishingPunchCheck, kIdFinishingStaplePosition },
    };
    for (WORD i = 0; i < pChanges->wCount; ++i) {
        for (const Coupling& c : kCouplings) {
            if (pChanges->pEntries[i].wControl == c.position && GetItemValue(c.check) == 1 &&
                IsControlEnabled(c.check) && !IsControlEnabled(c.partner) && IsOptionRuleMet(c.partner))
                SetControlRuleEnabled(c.partner, 1);
        }
    }
}

void ApplyProhibitions2(HWND, UI_STATE* pState, CHANGE_LIST* pChanges, CONFLICT_LIST* pConflicts)
{
    ApplyProhibitions(pState, pChanges, pConflicts, 0);
}

void ApplyProhibitions3(HWND, UI_STATE* pState, CHANGE_LIST* pChanges, CONFLICT_LIST* pConflicts)
{
    ApplyProhibitions(pState, pChanges, pConflicts, 1);
}

void ApplyProhibitions4(HWND, UI_STATE* pState, CHANGE_LIST* pChanges, CONFLICT_LIST* pConflicts)
{
    ApplyProhibitions(pState, pChanges, pConflicts, 2);
}

void ApplyProhibitions5(HWND, UI_STATE* pState, CHANGE_LIST* pChanges, CONFLICT_LIST* pConflicts)
{
    ApplyProhibitions(pState, pChanges, pConflicts, 3);
}

void ApplySpecialRules(HWND hDlg, UI_STATE* pState, CHANGE_LIST* pChanges, CONFLICT_LIST* pConflicts)
{
    for (WORD i = 0; i < pChanges->wCount; ++i) {
        const CHANGE_ENTRY entry = pChanges->pEntries[i];
        if (entry.wNew != 1 || (entry.wControl != kIdFinishingCheck && entry.wControl != kIdLayoutCheck))
            continue;
        SetItemValue(entry.wControl == kIdFinishingCheck ? kIdLayoutCheck : kIdFinishingCheck, 0);
        UpdateControlRules(hDlg, pState);
        break;
    }
    using Pass = void (*)(HWND, UI_STATE*, CHANGE_LIST*, CONFLICT_LIST*);
    static constexpr Pass kPasses[] = { ApplyStapleRule, ApplyPunchRule, ApplyFoldRule, ApplyOneSheetRule,
                                        ApplyBookletRule, RevalidateTrayAndMedia, RevalidateOutputTray };
    for (Pass pass : kPasses) {
        if (pConflicts->wOutcome == kOutcomeRefused)
            return;   // a list that could not grow ends the resolve
        pass(hDlg, pState, pChanges, pConflicts);
    }
}

void RunPairRulePasses(HWND, UI_STATE*, CHANGE_LIST* pChanges, CONFLICT_LIST* pConflicts, WORD wStart)
{
    ResolvePositionPairs(pChanges, pConflicts, wStart);
    SyncMirroredPair(pConflicts, wStart);
}

WORD CheckRecalledOptionDefaults(HWND, UI_STATE*, CHANGE_LIST*, CONFLICT_LIST* pConflicts)
{
    const WORD before = pConflicts->wConflictCount;
    const OPTION_RULE* pRows = GetOptionRuleRows();
    for (WORD r = 0; r < GetUiTableCounts().wOptionRules; ++r) {
        const WORD f = pRows[r].wFeature;
        if (f == 0 || GetItemKind(f) != kItemCheck || IsOptionRuleMet(f))
            continue;
        const WORD fallback = GetItemDefaultValue(f);
        if (GetItemValue(f) != fallback && !AppendConflict(pConflicts, f, fallback, kReasonRecalledCheckBox))
            break;
    }
    return static_cast<WORD>(pConflicts->wConflictCount - before);
}
