// margin_limits.cpp - the binding-margin ranges.
#include "ui/core/margin_limits.h"

template <typename T>
static void Put(T* pOut, T value)
{
    if (pOut != nullptr)
        *pOut = value;
}

DWORD GetMarginLimits(UI_STATE* pState, WORD* pFrontMax, WORD* pFrontMin, WORD* pBackMax, WORD* pBackMin,
                      WORD*, WORD*)
{
    if (pState == nullptr)
        return 0;
    Put(pFrontMax, WORD{ pState->fMargin.wMaximum });
    Put(pFrontMin, WORD{ pState->fMargin.wMinimum });
    Put(pBackMax, WORD{ pState->bMargin.wMaximum });
    Put(pBackMin, WORD{ pState->bMargin.wMinimum });
    // TODO: with automatic reduction on, the ranges are narrowed by the automatic zoom of the papers, which
    // comes with the binding-margin dialog; until then the settings' own ranges stand and nothing is flagged.
    return 0;
}
