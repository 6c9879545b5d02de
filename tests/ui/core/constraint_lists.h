#pragma once
// constraint_lists.h - a change list and a conflict list as one resolve round holds them, for tests of the
// passes: changes are added as the capture adds them, and the conflicts read back as (control, value, reason).

#include "ui/core/conflict_list.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

struct RoundLists {
    CHANGE_LIST changes = {};
    CONFLICT_LIST conflicts = {};

    RoundLists() { EXPECT_TRUE(InitConflictList(&conflicts)); }
    ~RoundLists()
    {
        FreeChangeList(&changes);
        FreeConflictList(&conflicts);
    }
    RoundLists(const RoundLists&) = delete;
    RoundLists& operator=(const RoundLists&) = delete;

    // A change the user made: it counts among the captured entries; the first names the changed control.
    void Captured(WORD control, WORD previous, WORD next)
    {
        ASSERT_TRUE(AppendChange(&changes, control, previous, next));
        changes.wCapturedCount = changes.wCount;
        if (changes.wCount == 1)
            changes.wChangedControl = control;
    }
    // An entry the engine appended.
    void Appended(WORD control, WORD next) { ASSERT_TRUE(AppendChange(&changes, control, 0, next)); }

    using Conflict = std::tuple<WORD, WORD, WORD>;   // control, value, reason
    std::vector<Conflict> Conflicts() const
    {
        std::vector<Conflict> out;
        for (WORD i = 0; i < conflicts.wConflictCount; ++i) {
            const CONFLICT_ENTRY e = conflicts.pConflicts[i];
            out.emplace_back(e.wControl, e.wValue, e.wReason);
        }
        return out;
    }
    std::vector<std::pair<WORD, WORD>> Partners() const
    {
        std::vector<std::pair<WORD, WORD>> out;
        for (WORD i = 0; i < conflicts.wPartnerCount; ++i)
            out.emplace_back(conflicts.pPartners[i].wControl, conflicts.pPartners[i].wValue);
        return out;
    }
};
