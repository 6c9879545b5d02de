#pragma once
// conflict_list.h - what one resolve of a settings change works on: the change list (the controls that take
// part in the change) and the conflict list (the controls that must give way, with the values they must take,
// and the other members of rules that undid one of the user's own changes). The resolve passes append to both;
// the lists grow as needed, and a growth that cannot be had ends the resolve as a refused change.

#include "win/windows.h"

#pragma pack(push, 1)
struct CHANGE_ENTRY {               // 6 bytes
    WORD wControl;                  // 0
    WORD wPrevious;                 // 2   0 for entries the engine appends
    WORD wNew;                      // 4
};

struct CHANGE_LIST {                // 14 bytes
    CHANGE_ENTRY* pEntries;         // 0   AllocLockedBlock, exactly wCount entries
    WORD          wCount;           // 4
    WORD          wChangedControl;  // 6   what the user changed; 0 for a recall or the sheet's creation
    WORD          wCapturedCount;   // 8   leading entries the capture produced: what the user changed
    DWORD         dwStoredPaper;    // 10  1 when a first change of 512 took the stored paper selection
};

// One control that gives way. The 1,200-byte buffer holds 100 of these.
struct CONFLICT_ENTRY {             // 12 bytes
    WORD  wControl;                 // 0
    WORD  wReserved;                // 2
    void* pValue;                   // 4   the control's bound value field (GetItemValuePtr)
    WORD  wValue;                   // 8   the value it must take
    WORD  wReason;                  // 10  kReason*
};

// Another member of a rule that undid one of the user's own changes. The 400-byte buffer holds 100.
struct PARTNER_PAIR {               // 4 bytes
    WORD wControl;                  // 0
    WORD wValue;                    // 2   its current value
};

struct CONFLICT_LIST {              // 26 bytes
    CONFLICT_ENTRY* pConflicts;     // 0
    PARTNER_PAIR*   pPartners;      // 4
    WORD            wInsertSheets;  // 8   insert sheets the resolve newly prohibits
    DWORD           dwCustomSize;   // 10  1 when a recalled custom size fits (or none is selected)
    WORD            wConflictCount; // 14
    WORD            wOutcome;       // 16  kOutcome*
    WORD            wPartnerCount;  // 18
    WORD            wConflictRoom;  // 20  entries the conflict buffer holds
    WORD            wPartnerRoom;   // 22  pairs the partner buffer holds
    WORD            wReserved;      // 24
};
#pragma pack(pop)
static_assert(sizeof(CHANGE_ENTRY) == 6);
static_assert(sizeof(CHANGE_LIST) == 14);
static_assert(offsetof(CHANGE_LIST, dwStoredPaper) == 10);
static_assert(sizeof(CONFLICT_ENTRY) == 12);
static_assert(offsetof(CONFLICT_ENTRY, pValue) == 4);
static_assert(offsetof(CONFLICT_ENTRY, wReason) == 10);
static_assert(sizeof(PARTNER_PAIR) == 4);
static_assert(offsetof(CONFLICT_LIST, wConflictCount) == 14);
static_assert(offsetof(CONFLICT_LIST, wPartnerCount) == 18);

constexpr WORD kConflictBufferEntries = 100;   // 1,200 bytes
constexpr WORD kPartnerBufferPairs = 100;      // 400 bytes

// Why a control gives way.
constexpr WORD kReasonDefault = 0;          // a dependant falls back to its default; the special rules
constexpr WORD kReasonTwoConditions = 2;    // a two-condition rule, and the hard-coded pair and mirror rules
constexpr WORD kReasonThreeConditions = 3;
constexpr WORD kReasonFourConditions = 4;
constexpr WORD kReasonFiveConditions = 5;
constexpr WORD kReasonDeviceChange = 10;    // a device-option change meets a control whose option rule fails
constexpr WORD kReasonDeviceCheckBox = 11;  // a check box reset after a device-option change
constexpr WORD kReasonRecalledCheckBox = 12;
constexpr WORD kReasonOptionRule = 20;      // a list moved to an available value
constexpr WORD kReasonDependentCheckBox = 21;

// How a resolve ended.
constexpr WORD kOutcomeNormal = 0;
constexpr WORD kOutcomeRefused = 2;         // other settings refuse the change (the partner list names them)
constexpr WORD kOutcomeGraphicsMode = 3;    // a rule with the raster graphics mode as a further member fired
constexpr WORD kOutcomeGraphicsFirst = 4;   // the user's change list begins with the graphics mode
constexpr WORD kOutcomeNoValue = 5;         // a special rule found no available value
constexpr WORD kOutcomeRoundLimit = 0xFFFF;         // after a user's change
constexpr WORD kOutcomeRoundLimitRecall = 0xFFFE;   // after a recall or the sheet's creation

// Allocates the two buffers (100 entries, 100 pairs) and clears the rest; FALSE, with nothing allocated, when
// either cannot be had.
BOOL InitConflictList(CONFLICT_LIST* pList);
// Frees both buffers and clears the record.
void FreeConflictList(CONFLICT_LIST* pList);

// Appends a conflict entry with the control's bound value field, growing the buffer when it is full. FALSE when
// the growth cannot be had: the outcome becomes kOutcomeRefused and the list is left as it was.
BOOL AppendConflict(CONFLICT_LIST* pList, WORD wControl, WORD wValue, WORD wReason);
// As AppendConflict for a partner pair.
BOOL AppendPartner(CONFLICT_LIST* pList, WORD wControl, WORD wValue);
// The index of the last conflict entry of the control at or after wFrom; -1 when none.
int FindLastConflict(const CONFLICT_LIST* pList, WORD wControl, WORD wFrom = 0);

// The index of the first change entry of the control; -1 when none.
int FindChange(const CHANGE_LIST* pList, WORD wControl);
// Whether the user changed the control: one of the captured entries names it.
BOOL IsCapturedControl(const CHANGE_LIST* pList, WORD wControl);
// Whether the user's change is on the pair: the first change entry is the first control, or the capture made
// two entries and the first is the second control (a check box and the combo that goes with it).
BOOL IsChangeOn(const CHANGE_LIST* pList, WORD wFirst, WORD wSecond);
// Appends (control, previous, new), reallocating the entries to the new count. FALSE when memory is short; the
// list is then as it was.
BOOL AppendChange(CHANGE_LIST* pList, WORD wControl, WORD wPrevious, WORD wNew);
// Frees the entries and clears the record.
void FreeChangeList(CHANGE_LIST* pList);
