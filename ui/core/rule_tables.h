#pragma once
// rule_tables.h - the three rule tables that decide which controls of the pages are enabled: the control rules
// (a control follows the value of the control that governs it, a callback, or nothing), the option rules (an
// installable unit of the device page must be fitted) and a third table of the same kind, empty in this build.
// Their state and result words are run-time data shared by every sheet of the process.

#include "settings/params/ui_state.h"
#include "win/windows.h"

// A rule callback: (dialog window, state, target control, page id) -> TRUE to enable.
using RULE_CALLBACK = BOOL (*)(HWND hDlg, UI_STATE* pState, WORD wTarget, WORD wPage);

// How the rows of one target combine, or that a callback decides.
constexpr WORD kRuleOr = 1;
constexpr WORD kRuleAnd = 2;
constexpr WORD kRuleCallback = 3;

// Rows modes.
constexpr WORD kRuleNoSource = 0;
constexpr WORD kRuleOneRow = 1;         // one row, perhaps with continuation rows of alternative values
constexpr WORD kRuleSeveralRows = 2;    // several rows combined by the kind of the row evaluated

constexpr WORD kRuleTableEnd = 0xFFFF;  // target, feature or control of every rule table's terminator

#pragma pack(push, 1)
struct CONTROL_RULE {               // 28 bytes
    WORD          wTarget;          // 0   0: continuation row, another value for the target above
    WORD          wPage;            // 2   page or dialog that holds the target
    WORD          wSource;          // 4   governing control; 0 when none
    WORD          wSourceValue;     // 6   its value that enables the target
    WORD          wRowsMode;        // 8
    WORD          wKind;            // 10
    RULE_CALLBACK pfnCallback;      // 12  kind kRuleCallback only
    WORD          wLevel;           // 16  0 always enabled; 2 and 3 also follow the governor's own state
    WORD          wReserved;        // 18
    DWORD         dwStaticActive;   // 20  1: the control counts as active whatever its state
    DWORD         dwState;          // 24  computed at run time
};

struct OPTION_RULE {                // 20 bytes
    WORD  wFeature;                 // 0   feature control; 0: same feature as the row above
    WORD  wReserved1;               // 2
    WORD  wFlag;                    // 4   1 in the fold rows
    WORD  wReserved2;               // 6
    WORD  wCondition;               // 8   an option-unit control of the device page
    WORD  wConditionValue;          // 10
    WORD  wChain;                   // 12  0 single condition, 1 starts an AND chain, 2 or 3 continues it
    WORD  wReserved3;               // 14
    DWORD dwResult;                 // 16  1 when the feature's rows are satisfied
};

struct THIRD_RULE {                 // 12 bytes
    WORD  wControl;                 // 0   0: same control as the row above
    WORD  wCondition;               // 2
    WORD  wConditionValue;          // 4
    WORD  wReserved;                // 6
    DWORD dwResult;                 // 8
};
#pragma pack(pop)
static_assert(sizeof(CONTROL_RULE) == 28);
static_assert(offsetof(CONTROL_RULE, wSource) == 4);
static_assert(offsetof(CONTROL_RULE, wRowsMode) == 8);
static_assert(offsetof(CONTROL_RULE, pfnCallback) == 12);
static_assert(offsetof(CONTROL_RULE, wLevel) == 16);
static_assert(offsetof(CONTROL_RULE, dwStaticActive) == 20);
static_assert(offsetof(CONTROL_RULE, dwState) == 24);
static_assert(sizeof(OPTION_RULE) == 20);
static_assert(offsetof(OPTION_RULE, wCondition) == 8);
static_assert(offsetof(OPTION_RULE, wChain) == 12);
static_assert(offsetof(OPTION_RULE, dwResult) == 16);
static_assert(sizeof(THIRD_RULE) == 12);

// The rows of each table, ending with its terminator; state and result words are writable.
CONTROL_RULE* GetControlRuleRows();
OPTION_RULE* GetOptionRuleRows();
THIRD_RULE* GetThirdRuleRows();

// Rows before the terminators: 157, 56 and 0.
WORD CountControlRuleRows();
WORD CountOptionRuleRows();
WORD CountThirdRuleRows();
