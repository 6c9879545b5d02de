// font_commands.cpp - the resident font state and the font substitution rows.
#include "pdl/vxcmn/vqpdlnt/font_commands.h"
#include "pdl/vxcmn/streamnt.h"
#include "pdl/vxcmn/vqpdlnt/device_font_table.h"
#include "pdl/vxcmn/vxcmnnt.h"
#include "settings/base/font_sub_node.h"

#include <cstring>

namespace {

constexpr BYTE kRasterMode = 1;

// How the printer reads a resident font's characters: single bytes of Windows 1 or of a symbol set, or
// Shift-JIS double bytes, set out for vertical writing in the "@" faces.
struct FONT_ENCODING {
    int type;
    const char* pszEncoding;
};

FONT_ENCODING EncodingOf(const DEVICE_FONT_ROW& row)
{
    if (row.bCharSet == SHIFTJIS_CHARSET)
        return {row.pszFace[0] == u'@' ? 3 : 2, "SJ"};
    return {1, row.bCharSet == SYMBOL_CHARSET ? "WD" : "W1"};
}

// 1 for a match of the row's weight, 1 for a match of its slant, and 1 for being of the face at all.
int Score(const DEVICE_FONT_ROW& row, const DEVICE_FONT_CHOICE& choice)
{
    return 1 + (row.usWeight == choice.usWeight ? 1 : 0) + ((row.bItalic != 0) == (choice.bItalic != 0) ? 1 : 0);
}

} // namespace

void PdlSelectDeviceFont(PDEV* pdev, const DEVICE_FONT_CHOICE& choice)
{
    const DEVICE_FONT_ROW* pFirst = DeviceFontRow(choice.iFirstRow);
    if (pFirst == nullptr)
        return;
    UINT best = choice.iFirstRow;
    int bestScore = 0;
    for (UINT i = choice.iFirstRow; const DEVICE_FONT_ROW* pRow = DeviceFontRow(i); ++i) {
        if (lstrcmpW(pRow->pszFace, pFirst->pszFace) != 0)
            continue;
        const int score = Score(*pRow, choice);
        if (score > bestScore) {
            best = i;
            bestScore = score;
        }
        if (score == 3)
            break;
    }
    const DEVICE_FONT_ROW& row = *DeviceFontRow(best);
    DEVICE_FONT_STATE wanted;
    wanted.lNumber = static_cast<LONG>(best);
    wanted.lHeight = choice.lHeight;
    wanted.lWidth = choice.lWidth;
    wanted.lAngle = choice.lAngle;
    wanted.lBold = choice.bSimBold || row.usWeight < choice.usWeight ? 1 : 0;
    wanted.lItalic = choice.bSimItalic || (choice.bItalic && !row.bItalic) ? 1 : 0;

    JOB_EXTRA_RECORD* pContext = PdlGetContext(pdev);
    DEVICE_FONT_STATE known;
    std::memcpy(&known, &pContext->fontState, sizeof known);
    if (wanted.lNumber != known.lNumber)
        PdlPrintf(pdev, "fos %d;\n", wanted.lNumber);
    if (wanted.lHeight != known.lHeight || wanted.lWidth != known.lWidth)
        PdlPrintf(pdev, "fop %%%f %%%f;\n", wanted.lHeight, wanted.lWidth);
    if (wanted.lAngle != known.lAngle)
        PdlPrintf(pdev, "for %%%f;\n", wanted.lAngle);
    if (wanted.lBold != known.lBold)
        PdlPrintf(pdev, "fob %d;\n", wanted.lBold);
    if (wanted.lItalic != known.lItalic)
        PdlPrintf(pdev, "foi %d;\n", wanted.lItalic);
    std::memcpy(&pContext->fontState, &wanted, sizeof wanted);
}

void PdlResetFontState(PDEV* pdev)
{
    const DEVICE_FONT_STATE unknown = {-1, -1, -1, -1, -1, -1};
    std::memcpy(&PdlGetContext(pdev)->fontState, &unknown, sizeof unknown);
}

void PdlOutputFontSubstitution(PDEV* pdev)
{
    const PRIVATE_DEVMODE& dm = pdev->devmode.dmPrivate;
    if (dm.lpGraphicsMode == kRasterMode || dm.FontUseFlg == 0)
        return;
    const FONT_SUB_NODE* const pList = dm.fontSubstitutionList;
    if (pList == nullptr) {
        PdlPrintf(pdev, "rem lpFontSubTable = NULL;\n");
        return;
    }
    for (UINT i = 0; const DEVICE_FONT_ROW* pRow = DeviceFontRow(i); ++i) {
        const WCHAR* const pszFace = pRow->pszFace[0] == u'@' ? pRow->pszFace + 1 : pRow->pszFace;
        const FONT_ENCODING encoding = EncodingOf(*pRow);
        const FONT_SUB_NODE* pNode = pList;
        for (DWORD n = 0; pNode != nullptr && n < kMaxFontSubNodes; pNode = pNode->pNext, ++n) {
            WCHAR device[kFontSubFaceChars];
            std::memcpy(device, &pNode->szDeviceFont, sizeof device);
            device[kFontSubFaceChars - 1] = u'\0';
            if (lstrcmpW(device, pszFace) == 0)
                PdlPrintf(pdev, "foc %s %s %d %s %d;\n", pRow->pszFont, DeviceFontFamily(*pRow), encoding.type,
                          encoding.pszEncoding, i);
        }
    }
}
