#pragma once
// paper_rules.h - the paper tables that the finishing rules read: which paper holds two pages of another (one
// sheet per two pages and booklets print two pages on one), which papers are fed short edge first, and, per
// paper, what stapling, punching, folding and the layouts can do on it.

#include "settings/params/ui_state.h"
#include "win/windows.h"

#pragma pack(push, 1)
struct DOUBLED_PAPER_ROW {          // 6 bytes
    WORD wMode;                     // 0   value of the one-sheet mode combo; 0 ends the table
    WORD wPaper;                    // 2
    WORD wDoubled;                  // 4   the paper that holds two of it
};
#pragma pack(pop)
static_assert(sizeof(DOUBLED_PAPER_ROW) == 6);

// A paper id with this bit is a user-defined size; every rule treats all of them as the user size.
constexpr WORD kUserSizeBit = 0x200;

// DMPAPER_USER for any user-defined size, else the paper id.
WORD CanonicalPaperId(WORD wPaper);
// The paper that holds two of the paper in the mode; the paper itself when the table has no row for both.
WORD GetDoubledPaper(WORD wMode, WORD wPaper);
// Whether the paper is fed short edge first.
BOOL IsShortEdgePaper(WORD wPaper);

// The rows as stored, for the count at table initialisation; the table ends with a mode of 0.
const DOUBLED_PAPER_ROW* GetDoubledPaperRows();
WORD CountDoubledPaperRows();

// The finishing tables of GetFinishingPaperCode.
constexpr int kStapleTable = 1;
constexpr int kPunchTable = 2;
constexpr int kFoldTable = 3;

// The code of the paper in a finishing table (0 when no row applies). The punch table's column is chosen by
// the punch hole count, the fold table's by the fold kind: the fold kind combo's value, or the candidate's
// when the candidate control is a fold kind combo.
WORD GetFinishingPaperCode(UI_STATE* pState, WORD wPaper, int table);
WORD GetFinishingPaperCode(UI_STATE* pState, WORD wPaper, int table, WORD wCandidateControl, WORD wCandidateItem);
// The code of the paper for a layout query (4 to 7); 0 when none applies or for another query.
WORD GetLayoutPaperCode(UI_STATE* pState, WORD wPaper, int query);
