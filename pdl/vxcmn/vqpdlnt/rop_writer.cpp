// rop_writer.cpp - the raster-operation writers and what a rop reads.
#include "pdl/vxcmn/vqpdlnt/rop_writer.h"
#include "pdl/vxcmn/streamnt.h"
#include "pdl/vxcmn/vxcmnnt.h"

void PdlOutputRop2(PDEV* pdev, ULONG mix)
{
    JOB_EXTRA_RECORD* pContext = PdlGetContext(pdev);
    if (pContext->lRop2 == static_cast<LONG>(mix))
        return;
    PdlPrintf(pdev, "rop 2 #%X;\n", mix & 0xFF);
    pContext->lRop2 = static_cast<LONG>(mix);
}

void PdlOutputRop3(PDEV* pdev, ULONG rop3)
{
    JOB_EXTRA_RECORD* pContext = PdlGetContext(pdev);
    if (pContext->lRop3 == static_cast<LONG>(rop3))
        return;
    PdlPrintf(pdev, "rop 3 #%X;\n", rop3);
    pContext->lRop3 = static_cast<LONG>(rop3);
}

BYTE PdlGetRop2(PDEV* pdev)
{
    return static_cast<BYTE>(PdlGetContext(pdev)->lRop2 & 0xFF);
}

BOOL PdlRopReadsDestination(ULONG rop2)
{
    switch (rop2) {
    case R2_BLACK:
    case R2_NOTCOPYPEN:
    case R2_COPYPEN:
    case R2_WHITE:
        return FALSE;
    default:
        return TRUE;
    }
}

BOOL PdlRop3ReadsDestination(ULONG rop3)
{
    // A rop's result ignores the page when it is the same for both values of the page's bit: its bits come
    // in equal pairs (bit 2k+1 equals bit 2k).
    if (rop3 > 0xFF)
        return TRUE;
    return ((rop3 >> 1) & 0x55) != (rop3 & 0x55) ? TRUE : FALSE;
}

BOOL PdlRop3UsesSource(ULONG rop3)
{
    // A rop ignores the source when its result is the same for both values of the source's bit.
    if (rop3 > 0xFF)
        return TRUE;
    return ((rop3 >> 2) & 0x33) != (rop3 & 0x33) ? TRUE : FALSE;
}

void PdlResetRopCache(PDEV* pdev)
{
    JOB_EXTRA_RECORD* pContext = PdlGetContext(pdev);
    pContext->lRop2 = -1;
    pContext->lRop3 = -1;
}
