// tone_mapping.cpp - gray levels, the tone table and the pure-black rule.
#include "pdl/vxcmn/vqpdlnt/tone_mapping.h"
#include "pdl/vxcmn/vqpdlnt/tone_tables.h"
#include "pdl/vxcmn/vxcmnnt.h"

#include <cstring>

namespace {

constexpr BYTE kPureBlackOn = 1;
constexpr BYTE kPureBlackGraphicsAndText = 1;   // images keep their gray levels
constexpr BYTE kPureBlackEverything = 2;

} // namespace

void PdlLoadToneTable(PDEV* pdev)
{
    JOB_EXTRA_RECORD* pContext = PdlGetContext(pdev);
    const BYTE* pTable = FindToneTable(static_cast<SHORT>(PdevGetEnvExtra(pdev)->Intensity));
    BYTE table[kToneLevels];
    for (UINT level = 0; level < kToneLevels; ++level)
        table[level] = pTable != nullptr ? pTable[level] : static_cast<BYTE>(level);
    std::memcpy(pContext->toneTable, table, sizeof table);
}

BOOL PdlPureBlackActive(PDEV* pdev)
{
    const DEVMODE_ENV_EXTRA* pEnv = PdevGetEnvExtra(pdev);
    if (pEnv->PrintCAD_Check != kPureBlackOn)
        return FALSE;
    const BYTE kind = PdlGetContext(pdev)->bObjectKind;
    if (pEnv->lpPrintCADMode == kPureBlackGraphicsAndText)
        return kind == kObjectPage || kind == kObjectGraphics || kind == kObjectText;
    if (pEnv->lpPrintCADMode == kPureBlackEverything)
        return kind >= kObjectPage && kind <= kObjectText;
    return FALSE;
}

BOOL PdlToneActive(PDEV* pdev)
{
    const bool mapped = PdevGetEnvExtra(pdev)->Intensity != 0 || PdlPureBlackActive(pdev);
    return mapped && pdev->bToneMappingOff == 0;
}

BYTE PdlToneLookup(PDEV* pdev, BYTE level)
{
    if (PdlPureBlackActive(pdev) && level != 255)
        level = 0;
    return PdlGetContext(pdev)->toneTable[level];
}

ULONG PdlGrayFromRgb(PDEV* pdev, ULONG rgb)
{
    const ULONG red = rgb & 0xFF;
    const ULONG green = (rgb >> 8) & 0xFF;
    const ULONG blue = (rgb >> 16) & 0xFF;
    const BYTE gray = static_cast<BYTE>((30 * red + 59 * green + 11 * blue) / 100);
    return PdlToneLookup(pdev, gray) * 0x010101u;
}

ULONG PdlDeviceColor(PDEV* pdev, ULONG rgb)
{
    return PdlGrayFromRgb(pdev, rgb);
}
