#pragma once
// page_plan_build.h - building the page plan from the insert-sheet entries that arrived by escape.

#include "customnt/vqddigfx/pdev.h"

// The pages the plan covers: the highest page any insert-sheet entry in use lists, plus 1. An entry is in use
// when its index is below the entry count and 128, its print type is 1 to 6 and its page list parses.
int GetPlanPageCount(PDEV* pdev);

// Builds the plan table anew: base sheets by the devmode's sides, then the ranges printed one-sided or
// two-sided, the chapter starts, the inserted sheets and, when inserts are not one-sided in a two-sided job,
// their blank backs. A page count outside 1 to 10,000 builds no plan (TRUE); a change that would pass the
// table's 19,999 sheets is not made. FALSE, with no plan, when memory is short.
BOOL BuildPagePlan(PDEV* pdev);
