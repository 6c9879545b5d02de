// nup_layout.cpp - N-up cells and zoom of a PDEV.
#include "customnt/vqddigfx/nup_layout.h"

#include <cstring>

DWORD ComputeNupLayout(PDEV* /*pdev*/)
{
    // TODO: the N-up cells and the zoom scale come with the page dispatch; until then every page is drawn
    // at its own size, which is what a one-page-per-sheet job without zoom asks for.
    return kScaleNone;
}

void CarryNupLayout(PDEV* pOld, PDEV* pNew)
{
    std::memcpy(pNew->nupBlock, pOld->nupBlock, sizeof pNew->nupBlock);
}
