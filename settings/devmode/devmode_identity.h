#pragma once
// devmode_identity.h - whether a devmode is this driver's own, and whether two devmodes may be copied onto
// each other whole. Devmodes come from applications and other drivers: nothing past the public header is
// read until the sizes say it is there.

#include "settings/devmode/driver_devmode.h"

// TRUE when the low 14 bits of two driver version words agree (0x8402 and 0x0402 are one version).
BOOL IsCompatibleDriverVersion(WORD wVersionA, WORD wVersionB);

// TRUE for this driver's devmode: dmSpecVersion 0x0401, dmSize 220, dmDriverExtra 2,395, a compatible driver
// version, the signature "ZDRV" and the model code "73MZR". FALSE for null.
BOOL IsOwnDevmode(const DEVMODEW* pdm);

// TRUE when a's private part may be copied over b's: both non-null, equal dmSpecVersion, dmSize and
// dmDriverExtra, compatible driver versions, a's signature, and equal model codes. b is a devmode the driver
// has just built or loaded and checked itself. FALSE when the sizes do not cover this driver's devmode.
BOOL IsCompatibleDevmodePair(const DEVMODEW* pdmA, const DEVMODEW* pdmB);
