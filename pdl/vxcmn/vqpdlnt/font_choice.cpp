// font_choice.cpp - the resident font of a text call.
#include "pdl/vxcmn/vqpdlnt/font_choice.h"
#include "pdl/vxcmn/streamnt.h"
#include "pdl/vxcmn/vqpdlnt/device_font_table.h"
#include "pdl/vxcmn/vqpdlnt/tangent_table.h"
#include "pdl/vxcmn/vqpdlnt/vxientnt.h"
#include "settings/base/font_sub_node.h"

#include <climits>
#include <cmath>
#include <cstring>

namespace {

constexpr UINT kFamilyChars = 79;            // the longest family name compared
constexpr ULONG kFullScale = 10000;
constexpr float kAsDesigned = 256;           // width ratio 1 in 24.8
constexpr LONGLONG kMaxCharacterArea = 1389861;   // pixels x bytes of a character's bitmap the printer builds
constexpr LONG kNotionalStep = 10000;        // the length along the baseline whose direction is measured

// Baseline angles: an eighth of a turn in 24.8 degrees, and half and whole turns in tenths of 24.8 degrees.
constexpr LONG kEighthTurn = 45 * 256;
constexpr LONG kHalfTurnTenths = 180 * 256 * 10;
constexpr LONG kFullTurnTenths = 360 * 256 * 10;

// The metrics' family name, cut to kFamilyChars characters; empty when the record does not hold one. The
// name is read no further than the record's own size.
void ReadFamilyName(const IFIMETRICS* pifi, WCHAR (&name)[kFamilyChars + 1])
{
    name[0] = u'\0';
    const ULONG cjThis = pifi->cjThis;
    const PTRDIFF offset = pifi->dpwszFamilyName;
    if (offset < static_cast<PTRDIFF>(sizeof(IFIMETRICS)) || static_cast<ULONG>(offset) >= cjThis)
        return;
    const BYTE* pName = reinterpret_cast<const BYTE*>(pifi) + offset;
    const ULONG cchRoom = (cjThis - static_cast<ULONG>(offset)) / sizeof(WCHAR);
    UINT n = 0;
    for (; n < kFamilyChars && n < cchRoom; ++n) {
        WCHAR ch;
        std::memcpy(&ch, pName + n * sizeof(WCHAR), sizeof ch);
        if (ch == u'\0')
            break;
        name[n] = ch;
    }
    name[n] = u'\0';
}

// DEFAULT_CHARSET takes any resident font, a Shift-JIS font any Shift-JIS one; the Western sets need their own.
bool CharSetFits(BYTE metricsCharSet, BYTE rowCharSet)
{
    switch (metricsCharSet) {
    case DEFAULT_CHARSET:
        return true;
    case SHIFTJIS_CHARSET:
        return rowCharSet == SHIFTJIS_CHARSET;
    case ANSI_CHARSET:
    case SYMBOL_CHARSET:
    case OEM_CHARSET:
        return rowCharSet == metricsCharSet;
    default:
        return false;
    }
}

// The first row of the resident face the substitution list names for the family, or -1. A vertical family
// ("@" and a face name) is looked up without its mark and substituted by the vertical form of the face.
int SubstitutedRow(PDEV* pdev, const IFIMETRICS* pifi)
{
    const PRIVATE_DEVMODE& dm = pdev->devmode.dmPrivate;
    const FONT_SUB_NODE* pNode = dm.fontSubstitutionList;
    if (dm.FontUseFlg == 0 || pNode == nullptr)
        return -1;
    WCHAR family[kFamilyChars + 1];
    ReadFamilyName(pifi, family);
    const bool vertical = family[0] == u'@';
    const WCHAR* const pszFamily = vertical ? family + 1 : family;
    for (DWORD n = 0; pNode != nullptr && n < kMaxFontSubNodes; pNode = pNode->pNext, ++n) {
        WCHAR trueType[kFontSubFaceChars];
        WCHAR device[kFontSubFaceChars + 1] = {u'@'};   // room for the vertical mark in front
        std::memcpy(trueType, &pNode->szTrueTypeFace, sizeof trueType);
        std::memcpy(device + 1, &pNode->szDeviceFont, sizeof trueType);
        trueType[kFontSubFaceChars - 1] = u'\0';
        device[kFontSubFaceChars] = u'\0';
        if (device[1] == u'\0' || lstrcmpW(trueType, pszFamily) != 0)
            continue;
        const int row = FindDeviceFontByFace(vertical ? device : device + 1);
        if (row < 0 || !CharSetFits(pifi->jWinCharSet, DeviceFontRow(static_cast<UINT>(row))->bCharSet))
            return -1;
        return row;
    }
    return -1;
}

// The smallest r not below the larger of |x| and |y| with r * r at least x * x + y * y: the vector's length,
// rounded up.
ULONGLONG VectorLength(LONG x, LONG y)
{
    const ULONGLONG ax = x < 0 ? 0ULL - static_cast<ULONGLONG>(x) : static_cast<ULONGLONG>(x);
    const ULONGLONG ay = y < 0 ? 0ULL - static_cast<ULONGLONG>(y) : static_cast<ULONGLONG>(y);
    const ULONGLONG larger = ax > ay ? ax : ay;
    const ULONGLONG squared = ax * ax + ay * ay;   // below 2^63: each side is at most 2^31
    ULONGLONG r = static_cast<ULONGLONG>(std::sqrt(static_cast<double>(squared)));
    if (r < larger)
        r = larger;
    while (r * r < squared)
        ++r;
    while (r > larger && (r - 1) * (r - 1) >= squared)
        --r;
    return r;
}

// The counter-clockwise angle of the device direction (x, y) (y grows downward) in 24.8 degrees: exact for the
// multiples of 45 degrees, else the nearest tenth of a degree of the tangent table. -1 for (0, 0).
LONG BaselineAngle(LONG x, LONG y)
{
    if (x == 0 && y == 0)
        return -1;
    const bool up = y < 0;   // device y grows downward
    const bool left = x < 0;
    const double ax = std::fabs(static_cast<double>(x));
    const double ay = std::fabs(static_cast<double>(y));
    // The eight exact directions.
    if (y == 0)
        return left ? 4 * kEighthTurn : 0;
    if (x == 0)
        return up ? 2 * kEighthTurn : 6 * kEighthTurn;
    if (ax == ay) {
        if (up)
            return left ? 3 * kEighthTurn : kEighthTurn;
        return left ? 5 * kEighthTurn : 7 * kEighthTurn;
    }
    // Any other: tenths of a degree from the tangent table, placed in its quadrant.
    const LONG index = static_cast<LONG>(NearestTangentIndex(static_cast<float>(ay / ax)));
    if (up)
        return left ? (index * -256 + kHalfTurnTenths) / 10 : index * 256 / 10;
    return left ? (index * 256 + kHalfTurnTenths) / 10 : (index * -256 + kFullTurnTenths) / 10;
}

// The em through the font's transform, as 24.8 points on the page (N-up scaled): FALSE when it comes to
// nothing or more than the command can carry.
bool FontHeight(PDEV* pdev, XFORMOBJ* pxo, const IFIMETRICS* pifi, LONG* pHeight)
{
    POINTL em = {0, pifi->fwdUnitsPerEm};
    if (!XFORMOBJ_bApplyXform(pxo, XF_LTOFX, 1, &em, &em))
        return false;
    ULONGLONG length = VectorLength(em.x, em.y);   // 28.4 device units
    if (!PdlIsCapturingTabText(pdev))
        length = length * pdev->ulScale / kFullScale;
    if (length > static_cast<ULONGLONG>(INT_MAX))
        return false;
    const int dpi = pdev->devmode.dmPrivate.dmPublicCopy.dmPrintQuality;
    const int points = MulDiv(static_cast<int>(length), 72, dpi);   // 28.4 points; -1 for a resolution of 0
    if (points <= 0 || points > (INT_MAX >> 4))
        return false;
    *pHeight = points << 4;
    return true;
}

// How much wider than designed the font is drawn, 256 as designed: from the matrix's diagonal, or from its
// other diagonal for a font turned by a right angle.
bool WidthRatio(XFORMOBJ* pxo, LONG* pRatio)
{
    XFORML m;
    if (XFORMOBJ_iGetXform(pxo, &m) == DDI_ERROR)
        return false;
    float ratio = kAsDesigned;
    if (m.eM11 != m.eM22 || m.eM12 != m.eM21) {
        const bool rightAngle = m.eM11 == 0 && m.eM22 == 0;
        const float across = rightAngle ? m.eM12 : m.eM11;
        const float along = rightAngle ? m.eM21 : m.eM22;
        if (along == 0)
            return false;
        ratio = std::fabs(across / along) * kAsDesigned;
    }
    if (!(ratio >= 1 && ratio < 2147483648.0f))   // truncated to 0, or beyond a LONG (NaN too)
        return false;
    *pRatio = static_cast<LONG>(ratio);
    return true;
}

// The printer builds each character as a bitmap at 600 dpi: pixel rows times bytes a row must stay below its
// limit.
bool WithinSizeLimit(LONG height, LONG ratio)
{
    const float points = height / 256.0f;
    const float px = points * 600 / 72;
    const float w = px * static_cast<float>(ratio) / 256;
    const LONGLONG rows = static_cast<LONGLONG>(px);
    const LONGLONG bytes = static_cast<LONGLONG>(w) / 8;
    return bytes == 0 || rows <= (kMaxCharacterArea - 1) / bytes;
}

bool BaselineOf(XFORMOBJ* pxo, LONG* pAngle)
{
    POINTL along = {kNotionalStep, 0};
    if (!XFORMOBJ_bApplyXform(pxo, XF_LTOFX, 1, &along, &along))
        return false;
    *pAngle = BaselineAngle(along.x, along.y);
    return *pAngle >= 0;
}

} // namespace

BOOL ChooseDeviceFont(PDEV* pdev, STROBJ* pstro, FONTOBJ* pfo, DEVICE_FONT_CHOICE* pChoice)
{
    const IFIMETRICS* pifi = FONTOBJ_pifi(pfo);
    if (pifi == nullptr) {
        PdlPrintf(pdev, "rem FONTOBJ_pifi == NULL;\n");
        return FALSE;
    }
    const int row = SubstitutedRow(pdev, pifi);
    if (row < 0 || (pstro->flAccel & SO_GLYPHINDEX_TEXTOUT) != 0)
        return FALSE;
    XFORMOBJ* pxo = FONTOBJ_pxoGetXform(pfo);
    if (pxo == nullptr) {
        PdlPrintf(pdev, "rem FONTOBJ_pxoGetXform == NULL;\n");
        return FALSE;
    }
    DEVICE_FONT_CHOICE choice = {};
    choice.iFirstRow = static_cast<UINT>(row);
    if (!FontHeight(pdev, pxo, pifi, &choice.lHeight) || !WidthRatio(pxo, &choice.lWidth) ||
        !WithinSizeLimit(choice.lHeight, choice.lWidth) || !BaselineOf(pxo, &choice.lAngle))
        return FALSE;
    choice.bSimBold = (pfo->flFontType & FO_SIM_BOLD) != 0;
    choice.bSimItalic = (pfo->flFontType & FO_SIM_ITALIC) != 0;
    choice.usWeight = pifi->usWinWeight;
    choice.bItalic = pifi->lItalicAngle != 0;
    choice.bShiftJis = pifi->jWinCharSet == SHIFTJIS_CHARSET;
    *pChoice = choice;
    return TRUE;
}
