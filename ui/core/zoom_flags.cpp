// zoom_flags.cpp - the layout switches behind N-up and booklet printing.
#include "ui/core/zoom_flags.h"

#include <cstring>

static bool IsOn(const VALUE_RECORD* pRecord)
{
    VALUE_RECORD record;
    std::memcpy(&record, pRecord, sizeof record);
    return record.wCurrent != 0;
}

static WORD ListCurrent(const ITEM_LIST* pList)
{
    ITEM_LIST head;
    std::memcpy(&head, pList, sizeof head);
    return head.wCurrent;
}

static void SetListCurrent(ITEM_LIST* pList, WORD wValue)
{
    if (pList == nullptr)
        return;
    ITEM_LIST head;
    std::memcpy(&head, pList, sizeof head);
    head.wCurrent = wValue;
    std::memcpy(pList, &head, sizeof head);
}

void UpdateZoomFlags(UI_STATE* pState)
{
    if (pState == nullptr)
        return;
    WORD layout = 0;
    WORD select = 0;
    if (!IsOn(&pState->Layout_Check2)) {
        if (IsOn(&pState->POD_Check) && IsOn(&pState->POD_Nup_Check))
            layout = select = 1;
    } else if (IsOn(&pState->Nup_Check)) {
        layout = select = 1;
    } else if (IsOn(&pState->Booklet_Check)) {
        layout = 1;
        select = 2;
    }
    pState->Layout_Check.wCurrent = layout;
    SetListCurrent(pState->lpLayout_Select, select);
    if (pState->lpBorder2 != nullptr)
        SetListCurrent(pState->lpBorder, ListCurrent(pState->lpBorder2));
    if (pState->lpBooklet2 != nullptr)
        SetListCurrent(pState->lpBooklet, ListCurrent(pState->lpBooklet2));
}
