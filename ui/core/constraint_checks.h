#pragma once
// constraint_checks.h - the checks and passes of one resolve round. Each reads the working values and the
// change list and appends the controls that must give way to the conflict list: the pre-checks, the coupling of
// the staple and punch positions, the four prohibition-table passes, the finishing rules, and the pair passes
// that run after every round.

#include "settings/params/ui_state.h"
#include "ui/core/conflict_list.h"
#include "win/windows.h"

#pragma pack(push, 1)
// A staple position and a punch position that cannot go together, and the positions that can.
struct POSITION_PAIR_ROW {          // 8 bytes
    WORD wStaple;                   // 0   0 ends the table
    WORD wPunch;                    // 2
    WORD wStapleReplacement;        // 4
    WORD wPunchReplacement;         // 6
};

// A value that a list moved by its option rule takes instead of its first available option.
struct OPTION_REPLACEMENT_ROW {     // 6 bytes
    WORD wControl;                  // 0   0 ends the table
    WORD wValue;                    // 2
    WORD wReplacement;              // 4
};

// A control whose change by a defaults button sends another back to its default.
struct DEFAULT_DEPENDENCY_ROW {     // 4 bytes
    WORD wTrigger;                  // 0   0 ends the table
    WORD wDependant;                // 2
};
#pragma pack(pop)
static_assert(sizeof(POSITION_PAIR_ROW) == 8);
static_assert(sizeof(OPTION_REPLACEMENT_ROW) == 6);
static_assert(sizeof(DEFAULT_DEPENDENCY_ROW) == 4);

// Bits of RunConstraintChecks; 0 lets the round run its passes.
constexpr DWORD kCheckMirroredPair = 1;
constexpr DWORD kCheckOptionRules = 2;
constexpr DWORD kCheckDependentCheckBox = 4;

// The mirrored paper types, the dependent chapter check box, the option rules, the paper drawn in when a
// doubling is switched off, the defaults' dependants and the binding-margin limits, in this order.
DWORD RunConstraintChecks(HWND hDlg, UI_STATE* pState, CHANGE_LIST* pChanges, CONFLICT_LIST* pConflicts);
// A staple or punch position the user changed brings its partner's rule back when the partner's unit allows.
void ApplyCouplingRules(HWND hDlg, UI_STATE* pState, CHANGE_LIST* pChanges, CONFLICT_LIST* pConflicts);
// The rules of the two-, three-, four- and five-condition tables that the change list completes.
void ApplyProhibitions2(HWND hDlg, UI_STATE* pState, CHANGE_LIST* pChanges, CONFLICT_LIST* pConflicts);
void ApplyProhibitions3(HWND hDlg, UI_STATE* pState, CHANGE_LIST* pChanges, CONFLICT_LIST* pConflicts);
void ApplyProhibitions4(HWND hDlg, UI_STATE* pState, CHANGE_LIST* pChanges, CONFLICT_LIST* pConflicts);
void ApplyProhibitions5(HWND hDlg, UI_STATE* pState, CHANGE_LIST* pChanges, CONFLICT_LIST* pConflicts);
// Simple finishing and finishing exclude each other; then the finishing rules in their order.
void ApplySpecialRules(HWND hDlg, UI_STATE* pState, CHANGE_LIST* pChanges, CONFLICT_LIST* pConflicts);
// The staple/punch position pairs and the mirrored paper types over the conflicts of the round.
void RunPairRulePasses(HWND hDlg, UI_STATE* pState, CHANGE_LIST* pChanges, CONFLICT_LIST* pConflicts,
                       WORD wStart);
// Recalled check boxes whose option rule fails go back to their defaults; the number of entries added.
WORD CheckRecalledOptionDefaults(HWND hDlg, UI_STATE* pState, CHANGE_LIST* pChanges, CONFLICT_LIST* pConflicts);

// Whether the control is a page's defaults button.
BOOL IsDefaultsButton(WORD wControl);
