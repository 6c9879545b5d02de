// devmode_identity.cpp - telling this driver's devmodes from others.
#include "settings/devmode/devmode_identity.h"
#include "settings/devmode/devmode_header.h"

// Only the low 14 bits name the version; the top bits may differ between builds of one version.
static constexpr WORD kVersionMask = 0x3FFF;

BOOL IsCompatibleDriverVersion(WORD wVersionA, WORD wVersionB)
{
    return (wVersionA & kVersionMask) == (wVersionB & kVersionMask);
}

BOOL IsOwnDevmode(const DEVMODEW* pdm)
{
    if (pdm == nullptr)
        return FALSE;
    if (pdm->dmSpecVersion != kDevmodeSpecVersion || pdm->dmSize != kPublicDevmodeSize ||
        pdm->dmDriverExtra != kDriverExtraSize ||
        !IsCompatibleDriverVersion(pdm->dmDriverVersion, kDevmodeDriverVersion))
        return FALSE;
    // The sizes are ours: the whole DRIVER_DEVMODE is there to read.
    const auto* pDriverDm = reinterpret_cast<const DRIVER_DEVMODE*>(pdm);
    return HasDevmodeSignature(pDriverDm) && IsOwnModelCode(pDriverDm);
}

BOOL IsCompatibleDevmodePair(const DEVMODEW* pdmA, const DEVMODEW* pdmB)
{
    if (pdmA == nullptr || pdmB == nullptr)
        return FALSE;
    if (pdmA->dmSpecVersion != pdmB->dmSpecVersion || pdmA->dmSize != pdmB->dmSize ||
        pdmA->dmDriverExtra != pdmB->dmDriverExtra ||
        !IsCompatibleDriverVersion(pdmA->dmDriverVersion, pdmB->dmDriverVersion))
        return FALSE;
    // Two devmodes of another driver may agree with each other; their signature and model code are only
    // read where their own sizes say the bytes exist.
    if (static_cast<DWORD>(pdmA->dmSize) + pdmA->dmDriverExtra < kDriverDevmodeSize)
        return FALSE;
    const auto* pDriverA = reinterpret_cast<const DRIVER_DEVMODE*>(pdmA);
    const auto* pDriverB = reinterpret_cast<const DRIVER_DEVMODE*>(pdmB);
    return HasDevmodeSignature(pDriverA) && IsSameModelCode(pDriverA, pDriverB);
}
