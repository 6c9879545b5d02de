// pdev.cpp - finding and testing the PDEV and the parts of its devmode copy.
#include "customnt/vqddigfx/pdev.h"

#include <cstring>

BOOL bValidatePDEV(const PDEV* pdev)
{
    if (pdev == nullptr)
        return FALSE;
    return pdev->dwMagic == kPdevMagic && pdev->dwMagic2 == kPdevMagic;
}

PDEV* PdevFromSurface(const SURFOBJ* pso)
{
    if (pso == nullptr)
        return nullptr;
    return reinterpret_cast<PDEV*>(pso->dhpdev);
}

PRIVATE_DEVMODE* PdevGetPrivateDevmode(PDEV* pdev)
{
    return &pdev->devmode.dmPrivate;
}

DEVMODE_ENV_EXTRA* PdevGetEnvExtra(PDEV* pdev)
{
    const WORD wEnvOffset = pdev->wEnvOffset;
    return reinterpret_cast<DEVMODE_ENV_EXTRA*>(reinterpret_cast<BYTE*>(pdev) + wEnvOffset);
}
