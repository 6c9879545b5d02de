// change_dispatch.cpp - the change dispatcher: the owning page of a control selects its handler.
#include "ui/core/change_dispatch.h"

#include "ui/core/item_queries.h"
#include "ui/core/page_change_handlers.h"

namespace {

struct PAGE_CHANGE_ROW {
    WORD wPage;
    ITEM_CHANGED_HANDLER pfnHandler;
};

} // namespace

// Page 700 (fonts) has no handler: its settings are redrawn by the page itself.
static constexpr PAGE_CHANGE_ROW kPageChangeRows[] = {
    {  100, SetupPageOnItemChanged      },
    {  200, CoverPageOnItemChanged      },
    {  300, FinishingPageOnItemChanged  },
    {  400, FormPageOnItemChanged       },
    {  500, WatermarkPageOnItemChanged  },
    {  600, ImagePageOnItemChanged      },
    {  800, OptionsPageOnItemChanged    },
    { 2020, OhpInterleafOnItemChanged   },
    { 2300, BindingMarginOnItemChanged  },
    { 2400, InsertSheetOnItemChanged    },
    { 2430, InsertDefaultsOnItemChanged },
    { 2450, TabTextOnItemChanged        },
    { 2800, CoverInsertOnItemChanged    },
};

ITEM_CHANGED_HANDLER GetItemChangedHandler(WORD wControl)
{
    const WORD wPage = GetItemPage(wControl);
    for (const PAGE_CHANGE_ROW& row : kPageChangeRows)
        if (row.wPage == wPage)
            return row.pfnHandler;
    return nullptr;
}

void ItemChanged(HWND hWnd, WORD wControl, DWORD dwValue)
{
    if (const ITEM_CHANGED_HANDLER pfn = GetItemChangedHandler(wControl); pfn != nullptr)
        pfn(hWnd, wControl, dwValue);
}
