// devmode_header.cpp - the header fields, signature and model code of the driver's devmode.
#include "settings/devmode/devmode_header.h"

#include <cstring>

static constexpr WCHAR kSignature[4] = {u'Z', u'D', u'R', u'V'};
static constexpr char kModelCode[] = "73MZR";

void CopyDeviceName(void* pOut, LPCWSTR pName, DWORD cbLimit)
{
    if (pOut == nullptr || pName == nullptr)
        return;
    const DWORD cchLimit = cbLimit / sizeof(WCHAR);
    DWORD cch = 0;
    while (cch < cchLimit && pName[cch] != u'\0')
        ++cch;
    if (cch < cchLimit)
        ++cch;   // the terminator fits
    std::memcpy(pOut, pName, cch * sizeof(WCHAR));
}

void SetDevmodeSignature(DRIVER_DEVMODE* pdm)
{
    std::memcpy(&pdm->dmPrivate.signature, kSignature, sizeof kSignature);
}

BOOL HasDevmodeSignature(const DRIVER_DEVMODE* pdm)
{
    return std::memcmp(&pdm->dmPrivate.signature, kSignature, sizeof kSignature) == 0;
}

void SetModelCode(DRIVER_DEVMODE* pdm)
{
    char code[sizeof pdm->dmPrivate.env.modelCode] = {};
    std::memcpy(code, kModelCode, sizeof kModelCode - 1);
    std::memcpy(&pdm->dmPrivate.env.modelCode, code, sizeof code);
}

BOOL IsOwnModelCode(const DRIVER_DEVMODE* pdm)
{
    char code[sizeof pdm->dmPrivate.env.modelCode];
    std::memcpy(code, &pdm->dmPrivate.env.modelCode, sizeof code);
    return std::strncmp(code, kModelCode, sizeof code) == 0;
}

BOOL IsSameModelCode(const DRIVER_DEVMODE* pdmA, const DRIVER_DEVMODE* pdmB)
{
    char codeA[sizeof pdmA->dmPrivate.env.modelCode];
    char codeB[sizeof codeA];
    std::memcpy(codeA, &pdmA->dmPrivate.env.modelCode, sizeof codeA);
    std::memcpy(codeB, &pdmB->dmPrivate.env.modelCode, sizeof codeB);
    return std::strncmp(codeA, codeB, sizeof codeA) == 0;
}

void InitDevmodeHeader(DRIVER_DEVMODE* pdm, LPCWSTR pDeviceName)
{
    DEVMODEW& dm = pdm->dmPublic;
    dm.dmSpecVersion = kDevmodeSpecVersion;
    dm.dmDriverVersion = kDevmodeDriverVersion;
    dm.dmSize = kPublicDevmodeSize;
    dm.dmDriverExtra = kDriverExtraSize;
    SetDevmodeSignature(pdm);

    dm.dmFields = kDefaultDevmodeFields;
    dm.dmScale = 100;
    dm.dmCollate = DMCOLLATE_FALSE;
    dm.dmTTOption = DMTT_DOWNLOAD;

    if (pDeviceName != nullptr) {
        CopyDeviceName(&dm.dmDeviceName, pDeviceName, sizeof dm.dmDeviceName);
        dm.dmDeviceName[CCHDEVICENAME - 1] = u'\0';
    }

    dm.dmFormName[0] = u'\0';
    // dmBitsPerPel through dmDitherType describe displays; a printer devmode carries them as zero.
    const std::size_t displayStart = offsetof(DEVMODEW, dmBitsPerPel);
    const std::size_t displayEnd = offsetof(DEVMODEW, dmDitherType) + sizeof(DWORD);
    std::memset(reinterpret_cast<BYTE*>(&dm) + displayStart, 0, displayEnd - displayStart);

    SetModelCode(pdm);
}

DWORD VQ_GetEnvExtraSizeImpl()
{
    return kEnvExtraSize;
}

DWORD GetDriverExtraSize()
{
    return kPrivateFirstBlockSize + VQ_GetEnvExtraSizeImpl();
}
