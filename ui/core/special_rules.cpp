// special_rules.cpp - the staple, punch, fold, one-sheet, booklet, tray and output-tray rules, as resolve passes
// and as their item-side twins. A pass and its twin share one decision, so that the list never offers an option
// that the resolve would take back.
#include "ui/core/special_rules.h"

#include "settings/paper/paper_queries.h"
#include "ui/core/control_ids.h"
#include "ui/core/control_rules.h"
#include "ui/core/item_constraints.h"
#include "ui/core/item_queries.h"
#include "ui/core/paper_rules.h"

#include <iterator>

#pragma pack(push, 1)
// An output tray is prohibited while the fold kind holds a value with its combo in the required state.
struct OUTPUT_TRAY_RULE_ROW {       // 12 bytes
    WORD  wTray;                    // 0   value of the output tray
    WORD  wControl;                 // 2
    DWORD dwEnabled;                // 4   the control's required enable state, 0 or 1
    WORD  wValue;                   // 8
    WORD  wUnused;                  // 10
};
#pragma pack(pop)
static_assert(sizeof(OUTPUT_TRAY_RULE_ROW) == 12);
static_assert(offsetof(OUTPUT_TRAY_RULE_ROW, dwEnabled) == 4);
static_assert(offsetof(OUTPUT_TRAY_RULE_ROW, wValue) == 8);

static constexpr OUTPUT_TRAY_RULE_ROW OUTPUT_TRAY_RULE[] = {
//   tray  control enabled kind
    { 2,   318,    1,      1, 0 },
    { 2,   318,    1,      2, 0 },
    { 2,   318,    1,      3, 0 },
    { 2,   318,    1,      4, 0 },
    { 2,   318,    1,      7, 0 },
    { 3,   318,    1,      1, 0 },
    { 3,   318,    1,      2, 0 },
    { 3,   318,    1,      3, 0 },
    { 3,   318,    1,      4, 0 },
    { 3,   318,    1,      7, 0 },
    { 3,   318,    1,      5, 0 },
    { 3,   318,    1,      6, 0 },
    { 4,   318,    0,      1, 0 },
    { 4,   318,    0,      2, 0 },
    { 4,   318,    0,      3, 0 },
    { 4,   318,    0,      4, 0 },
    { 4,   318,    0,      7, 0 },
    { 4,   318,    0,      5, 0 },
    { 4,   318,    0,      6, 0 },
    { 4,   318,    1,      5, 0 },
    { 4,   318,    1,      6, 0 },
};
static_assert(std::size(OUTPUT_TRAY_RULE) == 21);

// The two cover trays and the paper tray, re-checked in this order.
static constexpr WORD TRAY_MEDIA_CONTROLS[] = { kIdFrontCoverTray, kIdBackCoverTray, kIdPaperTray };
// The settings that decide which trays the covers and the paper take.
static constexpr WORD kTrayMediaSettings[] = {
    kIdFrontCoverCheck, kIdBackCoverCheck, kIdInsertSheetCheck, kIdCoverPaperType, kIdDuplexCheck,
    kIdFinishingDuplexCheck,
};
// The output tray and the fold settings that decide it.
static constexpr WORD kOutputTraySettings[] = { kIdOutputTray, kIdFoldCheck, kIdFoldKind };

namespace {

constexpr WORD kSameAsOriginal = 257;   // output paper: the original size
constexpr WORD kPortrait = 1;
constexpr WORD kLandscape = 2;
constexpr WORD kRecallMode = 2;         // the resolve of recalled settings
constexpr WORD kManualFeedTray = 4;
constexpr WORD kManualFeedPaperType = 8;
constexpr WORD kNupRotatingPages[] = { 5, 8 };
constexpr WORD kFoldRotatesPaper = 5;   // fold kinds that turn the paper
constexpr WORD kFoldTurnsPaper = 6;
constexpr WORD kMovedStaplePosition = 2;

constexpr bool IsBuiltIn(DWORD group)
{
    return (kSpecialRuleGroups & group) != 0;
}

bool Enabled(WORD wControl)
{
    return IsControlEnabled(wControl) != FALSE;
}

// Enabled and checked (or holding 1).
bool On(WORD wControl)
{
    return Enabled(wControl) && GetItemValue(wControl) == 1;
}

WORD Flip(WORD wOrientation)
{
    return wOrientation == kPortrait ? kLandscape : kPortrait;
}

bool RotatesPages(WORD wNup)
{
    for (WORD value : kNupRotatingPages)
        if (value == wNup)
            return true;
    return false;
}

// The option under test on the item side; the pass side has none (control 0).
struct Candidate {
    WORD wControl;
    WORD wItem;
    WORD wValue;
};
constexpr Candidate kNoCandidate = { 0, 0, 0 };

bool Is(const Candidate& candidate, WORD first, WORD second)
{
    return candidate.wControl != 0 && (candidate.wControl == first || candidate.wControl == second);
}

bool IsPaperCandidate(const Candidate& candidate)
{
    return Is(candidate, kIdOriginalSize, kIdOutputPaper);
}

// A setting's value, or the candidate's when the candidate is an option of one of the two controls that show it.
WORD ValueOf(WORD wControl, WORD wTwin, const Candidate& candidate)
{
    return Is(candidate, wControl, wTwin) ? candidate.wValue : GetItemValue(wControl);
}

// The paper the finishing rules look at: the output paper, or the original size while the output paper follows
// it; a candidate paper stands in for its control.
WORD RulePaper(const Candidate& candidate)
{
    const WORD output = ValueOf(kIdOutputPaper, kIdOutputPaper, candidate);
    const WORD paper = output == kSameAsOriginal ? ValueOf(kIdOriginalSize, kIdOriginalSize, candidate) : output;
    return CanonicalPaperId(paper);
}

// Names the papers of a change that a rule refuses as partners: the original size while the output paper
// follows it, then the output paper.
bool NameThePapers(CONFLICT_LIST* pConflicts)
{
    const WORD output = GetItemValue(kIdOutputPaper);
    if (output == kSameAsOriginal && !AppendPartner(pConflicts, kIdOriginalSize, GetItemValue(kIdOriginalSize)))
        return false;
    return AppendPartner(pConflicts, kIdOutputPaper, output) != FALSE;
}

bool AppendGiveWay(CONFLICT_LIST* pConflicts, WORD wControl, WORD wValue)
{
    return AppendConflict(pConflicts, wControl, wValue, kReasonDefault) != FALSE;
}

// The paper as it goes through the finisher, and the orientation the finisher sees it in.
struct Feed {
    WORD wPaper;
    WORD wOrientation;
    bool shortEdge;     // fed short edge first
    bool rotated;       // a fold kind turns the paper
};

// One sheet per two pages and booklets print on the paper that holds two pages; a fold kind may turn the
// paper; N-up and the two-page layouts turn the orientation.
Feed PrepareFeed(const Candidate& candidate)
{
    Feed feed = { RulePaper(candidate), GetItemValue(kIdPortrait), false, false };
    if (Enabled(kIdOneSheetMode) || On(kIdBookletCheck) || On(kIdBookletFlag) || On(kIdLayoutBooklet))
        feed.wPaper = GetDoubledPaper(GetItemValue(kIdOneSheetMode), feed.wPaper);
    feed.shortEdge = IsShortEdgePaper(feed.wPaper) != FALSE;

    if (Enabled(kIdFoldCheck) && Enabled(kIdFoldKind)) {
        const WORD kind = GetItemValue(kIdFoldKind);
        const auto paper = static_cast<SHORT>(feed.wPaper);
        if (kind == kFoldRotatesPaper) {
            feed.rotated = true;
            const SHORT plain = GetPlainPaperId(paper);
            if (IsRotatedPaper(paper) && feed.shortEdge && plain != -1) {
                feed.wPaper = static_cast<WORD>(plain);
                feed.shortEdge = false;
            }
        } else if (kind == kFoldTurnsPaper) {
            feed.rotated = true;
            const SHORT turned = GetRotatedPaperId(paper);
            if (HasRotatedPaper(paper) && !feed.shortEdge && turned != -1) {
                feed.wPaper = static_cast<WORD>(turned);
                feed.shortEdge = true;
            }
        }
    }

    if ((Enabled(kIdNupCombo) || Enabled(kIdFinishingNupCombo)) && RotatesPages(GetItemValue(kIdNupCombo)))
        feed.wOrientation = Flip(feed.wOrientation);
    if (Enabled(kIdOneSheetMode)) {
        const WORD mode = GetItemValue(kIdOneSheetMode);
        if (mode == 1 || mode == 2)
            feed.wOrientation = Flip(feed.wOrientation);
    } else if (On(kIdBookletCheck) || On(kIdBookletFlag) || On(kIdLayoutBooklet)) {
        feed.wOrientation = Flip(feed.wOrientation);
    }
    return feed;
}

// Whether a position class (1 or 2; 0 none) clashes with the feed: class 1 with a short-edge portrait or a
// long-edge landscape feed, class 2 the other way round.
bool ClashesWithFeed(int positionClass, const Feed& feed)
{
    const bool portrait = feed.wOrientation == kPortrait;
    const bool landscape = feed.wOrientation == kLandscape;
    if (positionClass == 1)
        return (portrait && feed.shortEdge) || (landscape && !feed.shortEdge);
    if (positionClass == 2)
        return (landscape && feed.shortEdge) || (portrait && !feed.shortEdge);
    return false;
}

struct StapleDecision {
    bool noStapling;        // the paper takes no staples: the check box gives way
    bool movePosition;      // the position gives way to 2
};

StapleDecision DecideStaple(UI_STATE* pState, const Candidate& candidate)
{
    const Feed feed = PrepareFeed(candidate);
    const WORD position = ValueOf(kIdStaplePosition, kIdFinishingStaplePosition, candidate);
    int a = 0;
    int b = 0;
    const auto cornerClass = [&] {
        if (position == 4 || position == 6)
            a = 1;
        else if (position == 5)
            a = 2;
    };
    const auto edgeClass = [&] {
        if (position == 3 || position == 5)
            b = 1;
        else if (position == 4)
            b = 2;
        else if (position == 6)
            b = 3;
    };
    switch (GetFinishingPaperCode(pState, feed.wPaper, kStapleTable)) {
    case 0:
        if (feed.rotated)
            cornerClass();
        break;
    case 1:
        cornerClass();
        break;
    case 2:
        if (position > 3)
            a = 3;
        break;
    case 3:
        return { true, false };
    case 4:
        edgeClass();
        break;
    default:
        break;
    }
    // The bypass tray with its special paper type staples on the edge positions only.
    const bool manualSpecial = (GetItemValue(kIdPaperTray) == kManualFeedTray &&
                                GetItemValue(kIdPaperType) == kManualFeedPaperType) ||
                               (Enabled(kIdCoverPaperType) && GetItemValue(kIdCoverPaperType) == kManualFeedPaperType);
    if (manualSpecial)
        edgeClass();

    // An edge position of class 2 clashes where a corner of class 1 does, and the other way round.
    const int edgeAsCorner = b == 2 ? 1 : b == 1 ? 2 : 0;
    const bool move = a == 3 || ClashesWithFeed(a, feed) || b == 3 || ClashesWithFeed(edgeAsCorner, feed);
    return { false, move };
}

} // namespace

namespace {

struct PunchDecision {
    bool noPunching;        // the check box gives way
    WORD wNewPosition;      // the position the punch position gives way to; 0 when it stays
};

PunchDecision DecidePunch(UI_STATE* pState, const Candidate& candidate)
{
    const Feed feed = PrepareFeed(candidate);
    const WORD position = ValueOf(kIdPunchPosition, kIdFinishingPunchPosition, candidate);
    const bool stapling = Enabled(kIdStaplePosition) || Enabled(kIdFinishingStaplePosition);
    int a = 0;
    const auto positionClass = [&] {
        if (position == 1 || position == 3)
            a = 1;
        else if (position == 2)
            a = 2;
    };
    switch (GetFinishingPaperCode(pState, feed.wPaper, kPunchTable)) {
    case 0:
        if (feed.rotated)
            positionClass();
        break;
    case 1:
        positionClass();
        break;
    case 2:
        if (feed.rotated && stapling && feed.shortEdge)
            a = 3;
        else if (feed.rotated || stapling)
            positionClass();
        break;
    case 3:
        if (stapling)
            a = 3;
        else
            positionClass();
        break;
    case 4:
        a = 4;
        break;
    default:
        break;
    }
    PunchDecision decision = { a == 3 || a == 4, 0 };
    if (ClashesWithFeed(a, feed))
        decision.wNewPosition = a == 1 ? 2 : 1;
    return decision;
}

constexpr WORD kFoldNone = 0;
constexpr WORD kFoldClearsOneSheet = 1;     // one sheet per two pages gives way
constexpr WORD kFoldClearsBooklet = 2;      // the booklets give way
constexpr WORD kFoldClearsFold = 3;         // folding gives way

bool IsTableFoldKind(WORD wKind)
{
    return (wKind >= 1 && wKind <= 4) || wKind == 7;
}

WORD DecideFold(UI_STATE* pState, const Candidate& candidate)
{
    const bool kindCandidate = Is(candidate, kIdFoldKind, kIdLayoutFoldKind);
    const WORD kind = kindCandidate ? candidate.wValue : GetItemValue(kIdFoldKind);
    if (!IsTableFoldKind(kind))
        return kFoldNone;
    const WORD paper = RulePaper(candidate);
    const WORD code = kindCandidate
                          ? GetFinishingPaperCode(pState, paper, kFoldTable, candidate.wControl, candidate.wItem)
                          : GetFinishingPaperCode(pState, paper, kFoldTable);
    switch (code) {
    case 1:
        if (On(kIdOneSheetCheck))
            return kFoldClearsOneSheet;
        if (On(kIdLayoutBooklet) || On(kIdBookletCheck))
            return kFoldClearsBooklet;
        return kFoldNone;
    case 2:
        if (!On(kIdLayoutBooklet) && !On(kIdOneSheetCheck) && !On(kIdBookletCheck))
            return kFoldClearsFold;
        return kFoldNone;
    case 3:
        return kFoldClearsFold;
    default:
        return kFoldNone;
    }
}

bool FoldIsOn()
{
    return (Enabled(kIdLayoutFoldCheck) && Enabled(kIdLayoutFoldKind)) || (Enabled(kIdFoldCheck) && Enabled(kIdFoldKind));
}

// Layout queries of the one-sheet and booklet rules.
constexpr int kOneSheetQuery = 4;
constexpr int kOneSheetRotatedQuery = 5;
constexpr int kBookletQuery = 6;

bool PaperRefusesOneSheet(UI_STATE* pState, const Candidate& candidate)
{
    const WORD paper = RulePaper(candidate);
    return GetLayoutPaperCode(pState, paper, kOneSheetQuery) == 1 ||
           GetLayoutPaperCode(pState, paper, kOneSheetRotatedQuery) == 1;
}

bool PaperRefusesBooklet(UI_STATE* pState, const Candidate& candidate)
{
    return GetLayoutPaperCode(pState, RulePaper(candidate), kBookletQuery) == 1;
}

// The booklet combo's value that fits the orientation; 0 when the value fits or is none the rule knows.
WORD BookletComboFor(WORD wCombo)
{
    WORD orientation = GetItemValue(kIdPortrait);
    if (Enabled(kIdFinishingNupCombo) && RotatesPages(GetItemValue(kIdNupCombo)))
        orientation = Flip(orientation);
    if (wCombo <= 1)
        return orientation != kPortrait ? 2 : 0;
    if (wCombo == 2)
        return orientation == kPortrait ? 1 : 0;
    return 0;
}

bool OutputTrayRuleHolds(WORD wTray)
{
    for (const OUTPUT_TRAY_RULE_ROW& row : OUTPUT_TRAY_RULE) {
        if (row.wTray != wTray)
            continue;
        const DWORD enabled = Enabled(row.wControl) ? 1 : 0;
        if (enabled == row.dwEnabled && GetItemValue(row.wControl) == row.wValue)
            return true;
    }
    return false;
}

// The twins: whether the candidate is an option the pass would take back. Each returns at once for a control
// it does not govern.
bool StapleTwinProhibits(UI_STATE* pState, const Candidate& candidate)
{
    if (!IsBuiltIn(kStapleRules) || !(IsPaperCandidate(candidate) ||
                                      Is(candidate, kIdStaplePosition, kIdFinishingStaplePosition)))
        return false;
    if (!Enabled(kIdStaplePosition) && !Enabled(kIdFinishingStaplePosition))
        return false;
    const StapleDecision decision = DecideStaple(pState, candidate);
    return IsPaperCandidate(candidate) ? decision.noStapling : decision.movePosition;
}

bool PunchTwinProhibits(UI_STATE* pState, const Candidate& candidate)
{
    if (!IsBuiltIn(kPunchRules) || !(IsPaperCandidate(candidate) ||
                                     Is(candidate, kIdPunchPosition, kIdFinishingPunchPosition)))
        return false;
    if (!Enabled(kIdPunchPosition) && !Enabled(kIdFinishingPunchPosition))
        return false;
    const PunchDecision decision = DecidePunch(pState, candidate);
    return IsPaperCandidate(candidate) ? decision.noPunching : decision.wNewPosition != 0;
}

bool FoldTwinProhibits(UI_STATE* pState, const Candidate& candidate)
{
    if (!IsBuiltIn(kFoldRules) || !(IsPaperCandidate(candidate) || Is(candidate, kIdFoldKind, kIdLayoutFoldKind)))
        return false;
    return FoldIsOn() && DecideFold(pState, candidate) != kFoldNone;
}

bool OneSheetTwinProhibits(UI_STATE* pState, const Candidate& candidate)
{
    if (!IsBuiltIn(kOneSheetRules) || !IsPaperCandidate(candidate) || !Enabled(kIdOneSheetMode))
        return false;
    return PaperRefusesOneSheet(pState, candidate);
}

bool BookletTwinProhibits(UI_STATE* pState, const Candidate& candidate)
{
    if (!IsBuiltIn(kBookletRules) || !(IsPaperCandidate(candidate) || Is(candidate, kIdBookletCombo, kIdBookletCombo)))
        return false;
    if (!Enabled(kIdBookletCombo))
        return false;
    if (IsPaperCandidate(candidate))
        return PaperRefusesBooklet(pState, candidate);
    return BookletComboFor(candidate.wValue) != 0;
}

bool OutputTrayTwinProhibits(const Candidate& candidate)
{
    return IsBuiltIn(kOutputTrayRules) && Is(candidate, kIdOutputTray, kIdOutputTray) &&
           OutputTrayRuleHolds(candidate.wValue);
}

} // namespace

void CheckMediaAgainstTrayList(UI_STATE* /*pState*/, WORD wControl, WORD wItem)
{
    if (!IsBuiltIn(kStapleRules) || wControl != kIdPaperType)
        return;
    ITEM_LIST* pList = GetItemOptionList(wControl);
    if (pList == nullptr || wItem >= pList->wCount || !Enabled(kIdPaperType) || !Enabled(kIdCoverPaperType))
        return;
    ITEM_LIST_ENTRY* pOptions = NamedEntries(pList);
    const WORD value = pOptions[wItem].wValue;
    // Every option of the bypass tray's list counts, whatever its own state.
    const ITEM_LIST* pBypass = GetItemOptionList(kIdCoverPaperType);
    for (WORD i = 0; pBypass != nullptr && i < pBypass->wCount; ++i)
        if (NamedEntries(pBypass)[i].wValue == value)
            return;
    pOptions[wItem].wState = kOptionProhibited;
}

void EvaluateSpecialItemRules(UI_STATE* pState, WORD wControl, WORD wItem)
{
    ITEM_LIST* pList = GetItemOptionList(wControl);
    if (wControl == 0 || pList == nullptr || wItem >= pList->wCount)
        return;
    ITEM_LIST_ENTRY* pOptions = NamedEntries(pList);
    const Candidate candidate = { wControl, wItem, pOptions[wItem].wValue };
    if (StapleTwinProhibits(pState, candidate) || PunchTwinProhibits(pState, candidate) ||
        FoldTwinProhibits(pState, candidate) || OneSheetTwinProhibits(pState, candidate) ||
        BookletTwinProhibits(pState, candidate) || OutputTrayTwinProhibits(candidate))
        pOptions[wItem].wState = kOptionProhibited;
}

void ApplyStapleRule(HWND /*hDlg*/, UI_STATE* pState, CHANGE_LIST* pChanges, CONFLICT_LIST* pConflicts)
{
    if (!IsBuiltIn(kStapleRules))
        return;
    if (!(Enabled(kIdStapleCheck) && Enabled(kIdStaplePosition)) &&
        !(Enabled(kIdFinishingStapleCheck) && Enabled(kIdFinishingStaplePosition)))
        return;
    const StapleDecision decision = DecideStaple(pState, kNoCandidate);
    if (decision.noStapling) {
        if ((IsChangeOn(pChanges, kIdStapleCheck, kIdStaplePosition) ||
             IsChangeOn(pChanges, kIdFinishingStapleCheck, kIdFinishingStaplePosition)) &&
            !NameThePapers(pConflicts))
            return;
        if (Enabled(kIdStapleCheck))
            AppendGiveWay(pConflicts, kIdStapleCheck, 0);
        else if (Enabled(kIdFinishingStapleCheck))
            AppendGiveWay(pConflicts, kIdFinishingStapleCheck, 0);
        return;
    }
    if (!decision.movePosition)
        return;
    if (Enabled(kIdStaplePosition))
        AppendGiveWay(pConflicts, kIdStaplePosition, kMovedStaplePosition);
    else if (Enabled(kIdFinishingStaplePosition))
        AppendGiveWay(pConflicts, kIdFinishingStaplePosition, kMovedStaplePosition);
}

void ApplyPunchRule(HWND /*hDlg*/, UI_STATE* pState, CHANGE_LIST* pChanges, CONFLICT_LIST* pConflicts)
{
    if (!IsBuiltIn(kPunchRules))
        return;
    if (!(Enabled(kIdPunchCheck) && Enabled(kIdPunchPosition)) &&
        !(Enabled(kIdFinishingPunchCheck) && Enabled(kIdFinishingPunchPosition)))
        return;
    const PunchDecision decision = DecidePunch(pState, kNoCandidate);
    if (decision.noPunching) {
        if ((IsChangeOn(pChanges, kIdPunchCheck, kIdPunchPosition) ||
             IsChangeOn(pChanges, kIdFinishingPunchCheck, kIdFinishingPunchPosition)) &&
            !NameThePapers(pConflicts))
            return;
        if (Enabled(kIdPunchCheck)) {
            if (!AppendGiveWay(pConflicts, kIdPunchCheck, 0))
                return;
        } else if (Enabled(kIdFinishingPunchCheck)) {
            if (!AppendGiveWay(pConflicts, kIdFinishingPunchCheck, 0))
                return;
        }
    }
    if (decision.wNewPosition == 0)
        return;
    if (Enabled(kIdPunchPosition))
        AppendGiveWay(pConflicts, kIdPunchPosition, decision.wNewPosition);
    else if (Enabled(kIdFinishingPunchPosition))
        AppendGiveWay(pConflicts, kIdFinishingPunchPosition, decision.wNewPosition);
}

void ApplyFoldRule(HWND /*hDlg*/, UI_STATE* pState, CHANGE_LIST* pChanges, CONFLICT_LIST* pConflicts)
{
    if (!IsBuiltIn(kFoldRules) || !FoldIsOn())
        return;
    const WORD decision = DecideFold(pState, kNoCandidate);
    static constexpr WORD kGiveWay[][2] = {
        { 0, 0 },
        { kIdOneSheetCheck, 0 },                    // kFoldClearsOneSheet
        { kIdLayoutBooklet, kIdBookletCheck },      // kFoldClearsBooklet
        { kIdLayoutFoldCheck, kIdFoldCheck },       // kFoldClearsFold
    };
    if (decision == kFoldNone || decision >= std::size(kGiveWay))
        return;
    int last = -1;
    for (WORD control : kGiveWay[decision]) {
        if (control == 0 || !Enabled(control))
            continue;
        if (!AppendGiveWay(pConflicts, control, 0))
            return;
        last = pConflicts->wConflictCount - 1;
    }
    if (last < 0 || !IsCapturedControl(pChanges, pConflicts->pConflicts[last].wControl))
        return;
    if (decision == kFoldClearsFold) {
        // The user asked for the fold on a paper that takes none: the papers stand against it.
        NameThePapers(pConflicts);
        return;
    }
    // The user asked for what folding excludes: folding gives way instead.
    CONFLICT_ENTRY& entry = pConflicts->pConflicts[last];
    for (WORD control : { kIdLayoutFoldCheck, kIdFoldCheck }) {
        if (!Enabled(control))
            continue;
        entry.wControl = control;
        entry.pValue = GetItemValuePtr(control);
        entry.wValue = 0;
    }
}

void ApplyOneSheetRule(HWND /*hDlg*/, UI_STATE* pState, CHANGE_LIST* pChanges, CONFLICT_LIST* pConflicts)
{
    if (!IsBuiltIn(kOneSheetRules) || !Enabled(kIdOneSheetCheck) || !Enabled(kIdOneSheetMode) ||
        !PaperRefusesOneSheet(pState, kNoCandidate))
        return;
    if (IsChangeOn(pChanges, kIdOneSheetCheck, kIdOneSheetMode) && !NameThePapers(pConflicts))
        return;
    AppendGiveWay(pConflicts, kIdOneSheetCheck, 0);
}

void ApplyBookletRule(HWND /*hDlg*/, UI_STATE* pState, CHANGE_LIST* pChanges, CONFLICT_LIST* pConflicts)
{
    if (!IsBuiltIn(kBookletRules) || !Enabled(kIdBookletCheck) || !Enabled(kIdBookletCombo))
        return;
    if (PaperRefusesBooklet(pState, kNoCandidate)) {
        if (IsChangeOn(pChanges, kIdBookletCheck, kIdBookletCombo) && !NameThePapers(pConflicts))
            return;
        if (!AppendGiveWay(pConflicts, kIdBookletCheck, 0))
            return;
    }
    const WORD combo = BookletComboFor(GetItemValue(kIdBookletCombo));
    if (combo != 0)
        AppendGiveWay(pConflicts, kIdBookletCombo, combo);
}

namespace {

// Values and rule states that a re-check changes for its test and puts back whatever happens.
class TentativeValues {
public:
    template <std::size_t N>
    void Keep(const WORD (&controls)[N])
    {
        for (WORD control : controls) {
            if (m_count < std::size(m_controls)) {
                m_controls[m_count] = control;
                m_values[m_count] = GetItemValue(control);
                ++m_count;
            }
        }
    }

    // Stores the value the round has recorded so far for each control (the last entry of it wins).
    template <std::size_t N>
    static void StoreRecorded(const CONFLICT_LIST* pConflicts, const WORD (&controls)[N])
    {
        for (WORD control : controls) {
            const int entry = FindLastConflict(pConflicts, control);
            if (entry >= 0)
                SetItemValue(control, pConflicts->pConflicts[entry].wValue);
        }
    }

    void SaveRules()
    {
        SaveRuleStates(&m_pControl, &m_pOption, &m_pThird);
    }

    // Values back, the rules recomputed from them, and any state set by hand before the test back too.
    void PutBack(HWND hDlg, UI_STATE* pState)
    {
        for (std::size_t i = 0; i < m_count; ++i)
            SetItemValue(m_controls[i], m_values[i]);
        UpdateControlRules(hDlg, pState);
        RestoreRuleStates(m_pControl, m_pOption, m_pThird);
        FreeRuleStates(&m_pControl, &m_pOption, &m_pThird);
    }

private:
    WORD m_controls[16] = {};
    WORD m_values[16] = {};
    std::size_t m_count = 0;
    RULE_STATE_ENTRY* m_pControl = nullptr;
    RULE_STATE_ENTRY* m_pOption = nullptr;
    RULE_STATE_ENTRY* m_pThird = nullptr;
};

enum class Settled { Kept, Moved, NoOption, Refused };

// Evaluates the control's options in order until the one holding the current value (the first with it) shows
// available; otherwise the first available option is recorded for the control, replacing the value of its
// entry when it has one, and becomes current.
Settled SettleOnAvailableOption(UI_STATE* pState, WORD wControl, CONFLICT_LIST* pConflicts)
{
    ITEM_LIST* pList = GetItemOptionList(wControl);
    if (pList == nullptr)
        return Settled::Kept;
    ITEM_LIST_ENTRY* pOptions = NamedEntries(pList);
    const WORD current = GetItemValue(wControl);
    bool currentSeen = false;
    int firstAvailable = -1;
    for (WORD i = 0; i < pList->wCount; ++i) {
        pOptions[i].wState = kOptionAvailable;
        EvaluateItemConstraints(pState, wControl, i);
        const bool available = pOptions[i].wState == kOptionAvailable;
        if (!currentSeen && pOptions[i].wValue == current) {
            currentSeen = true;
            if (available)
                return Settled::Kept;
        }
        if (available && firstAvailable < 0)
            firstAvailable = i;
    }
    if (firstAvailable < 0)
        return Settled::NoOption;
    const WORD value = pOptions[firstAvailable].wValue;
    const int entry = FindLastConflict(pConflicts, wControl);
    if (entry >= 0)
        pConflicts->pConflicts[entry].wValue = value;
    else if (!AppendGiveWay(pConflicts, wControl, value))
        return Settled::Refused;
    SetItemValue(wControl, value);
    return Settled::Moved;
}

} // namespace

void RevalidateTrayAndMedia(HWND hDlg, UI_STATE* pState, CHANGE_LIST* /*pChanges*/, CONFLICT_LIST* pConflicts)
{
    if (!IsBuiltIn(kTrayMediaRules))
        return;
    TentativeValues tentative;
    tentative.Keep(TRAY_MEDIA_CONTROLS);
    tentative.Keep(kTrayMediaSettings);
    tentative.SaveRules();
    TentativeValues::StoreRecorded(pConflicts, TRAY_MEDIA_CONTROLS);
    TentativeValues::StoreRecorded(pConflicts, kTrayMediaSettings);
    UpdateControlRules(hDlg, pState);

    for (WORD tray : TRAY_MEDIA_CONTROLS) {
        // Once other settings refuse the change, only a recall goes on settling the trays.
        if (pConflicts->wPartnerCount != 0 && pState->ResolveMode != kRecallMode)
            break;
        if (!Enabled(tray))
            continue;
        const Settled settled = SettleOnAvailableOption(pState, tray, pConflicts);
        if (settled == Settled::NoOption)
            pConflicts->wOutcome = kOutcomeNoValue;
        if (settled == Settled::NoOption || settled == Settled::Refused)
            break;
    }
    tentative.PutBack(hDlg, pState);
}

void RevalidateOutputTray(HWND hDlg, UI_STATE* pState, CHANGE_LIST* /*pChanges*/, CONFLICT_LIST* pConflicts)
{
    if (!IsBuiltIn(kOutputTrayRules))
        return;
    TentativeValues tentative;
    tentative.Keep(kOutputTraySettings);
    tentative.SaveRules();
    TentativeValues::StoreRecorded(pConflicts, kOutputTraySettings);
    UpdateControlRules(hDlg, pState);

    if (Enabled(kIdOutputTray)) {
        SettleOnAvailableOption(pState, kIdOutputTray, pConflicts);
    } else {
        const WORD fallback = GetItemDefaultValue(kIdOutputTray);
        if (GetItemValue(kIdOutputTray) != fallback)
            AppendGiveWay(pConflicts, kIdOutputTray, fallback);
    }
    tentative.PutBack(hDlg, pState);
}
