#pragma once
// devmode_header.h - the fixed parts of a DRIVER_DEVMODE: the public header fields every devmode of this
// driver carries, its signature and model code, and the sizes every size computation goes through.

#include "settings/devmode/driver_devmode.h"

// Forces the header: dmSpecVersion, dmDriverVersion, sizes, signature, dmFields 0x3703, dmScale 100, dmCollate 0,
// dmTTOption 2, an empty form name, the display fields dmBitsPerPel..dmDitherType zero and the model code.
// With a name, dmDeviceName takes at most its first 31 characters; without one it is kept.
void InitDevmodeHeader(DRIVER_DEVMODE* pdm, LPCWSTR pDeviceName);

// Copies characters up to and including the terminator, at most cbLimit / 2 of them; when the limit is
// reached no terminator is added. The target may lie at any address.
void CopyDeviceName(void* pOut, LPCWSTR pName, DWORD cbLimit);

// The four characters "ZDRV" at devmode offset 440 (no terminator).
void SetDevmodeSignature(DRIVER_DEVMODE* pdm);
BOOL HasDevmodeSignature(const DRIVER_DEVMODE* pdm);

// The 18-byte model code: "73MZR" and zeros. Codes compare as terminated byte strings within the 18 bytes,
// so bytes after the terminator do not count.
void SetModelCode(DRIVER_DEVMODE* pdm);
BOOL IsOwnModelCode(const DRIVER_DEVMODE* pdm);
BOOL IsSameModelCode(const DRIVER_DEVMODE* pdmA, const DRIVER_DEVMODE* pdmB);

// 1,199, the size of DEVMODE_ENV_EXTRA; the interface module exports it as VQ_GetEnvExtraSize.
DWORD VQ_GetEnvExtraSizeImpl();

// 2,395: the private part's first block (1,196) and DEVMODE_ENV_EXTRA.
DWORD GetDriverExtraSize();
