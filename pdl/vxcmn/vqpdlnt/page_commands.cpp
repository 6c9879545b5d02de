// page_commands.cpp - the sheet setup and end commands.
#include "pdl/vxcmn/vqpdlnt/page_commands.h"
#include "pdl/vxcmn/pdl_format.h"
#include "pdl/vxcmn/streamnt.h"
#include "pdl/vxcmn/vqpdlnt/clip_writer.h"
#include "pdl/vxcmn/vqpdlnt/pens.h"
#include "pdl/vxcmn/vqpdlnt/pjl_names.h"
#include "pdl/vxcmn/vqpdlnt/rop_writer.h"
#include "pdl/vxcmn/vqpdlnt/tone_mapping.h"
#include "pdl/vxcmn/vqpdlnt/vqbrush.h"
#include "pdl/vxcmn/vxcmnnt.h"
#include "settings/paper/custom_size_entry.h"

#include <cstdarg>
#include <initializer_list>

namespace {

constexpr DWORD kNameBytes = 32;      // a paper name or tray letter: at most 31 characters
constexpr DWORD kFixedBytes = 16;     // "%-21474836.48" fits
constexpr ULONG kBlack = 0x000000;
constexpr ULONG kWhite = 0xFFFFFF;
constexpr int kLineColorRegister = 10;

int FormatInto(char* pBuffer, DWORD cbBuffer, const char* pszFormat, ...)
{
    va_list args;
    va_start(args, pszFormat);
    const int length = PdlFormat(pBuffer, cbBuffer, pszFormat, args);
    va_end(args);
    return length;
}

// The name as a command argument: ANSI, at most 31 bytes.
void NameArgument(char (&out)[kNameBytes], LPCWSTR pName)
{
    UnicodeToAnsi(out, pName, sizeof out);
}

} // namespace

int PdlFormatFixed(char* pBuffer, DWORD cbBuffer, LONG value)
{
    // The magnitude is taken in 64 bits: the most negative LONG has none in 32.
    const long long magnitude = value < 0 ? -static_cast<long long>(value) : value;
    const int whole = static_cast<int>(magnitude / 100);
    const int hundredths = static_cast<int>(magnitude % 100);
    if (value >= 0)
        return FormatInto(pBuffer, cbBuffer, hundredths < 10 ? "%%%d.0%d" : "%%%d.%d", whole, hundredths);
    return FormatInto(pBuffer, cbBuffer, hundredths < 10 ? "%%-%d.0%d" : "%%-%d.%d", whole, hundredths);
}

void PdlOutputOrigin(PDEV* pdev, LONG x, LONG y)
{
    char szX[kFixedBytes];
    char szY[kFixedBytes];
    PdlFormatFixed(szX, sizeof szX, x);
    PdlFormatFixed(szY, sizeof szY, y);
    PdlPrintf(pdev, "org %s %s;\n", szX, szY);
}

void PdlOutputPaperSize(PDEV* pdev, SHORT paper, SHORT orientation, LONG width, LONG length, LONG left, LONG top,
                        LONG right, LONG bottom)
{
    char szName[kNameBytes];
    NameArgument(szName, GetPdlPaperName(paper));
    PdlPrintf(pdev, "pps %s ", szName);
    if (IsCustomPaperId(paper)) {
        for (const LONG value : {width, length, left, top, right, bottom}) {
            char szValue[kFixedBytes];
            PdlFormatFixed(szValue, sizeof szValue, value);
            PdlPrintf(pdev, "%s ", szValue);
        }
    }
    PdlPrintf(pdev, "%s;\n", orientation == DMORIENT_LANDSCAPE ? "L" : "P");
}

void PdlOutputPaperTray(PDEV* pdev, SHORT tray)
{
    char szLetter[kNameBytes];
    NameArgument(szLetter, GetPdlTrayName(tray));
    PdlPrintf(pdev, "ppt %s;\n", szLetter);
}

void PdlOutputDuplex(PDEV* pdev, SHORT duplex)
{
    // none, short edge, long edge; a code without a letter (no duplex in PCL XL) writes nothing
    constexpr const char* kLetters[] = {"N", "S", "L"};
    if (duplex < 0 || duplex > 2)
        return;
    PdlPrintf(pdev, "ppd %s;\n", kLetters[duplex]);
}

void PdlOutputPrint(PDEV* pdev)
{
    PdlPrintf(pdev, "prn;\n");
}

void PdlOutputHalftone(PDEV* pdev, BYTE flag, BYTE type, BYTE kind)
{
    if (flag == 1) {
        PdlPrintf(pdev, "htn %s %d;\n", "E", kind == 1 ? 2 : kind == 2 ? 4 : 1);
        return;
    }
    PdlPrintf(pdev, "htn %s %d;\n", "D", type == 2 ? 17 : type == 4 ? 129 : 33);
}

void PdlOutputDefaultColors(PDEV* pdev)
{
    const ULONG black = PdlDeviceColor(pdev, kBlack);
    const ULONG white = PdlDeviceColor(pdev, kWhite);
    PdlPrintf(pdev, "brc 0 #%X;\n", black);
    PdlPrintf(pdev, "brc 1 #%X;\n", white);
    PdlPrintf(pdev, "brc %d #%X;\n", kLineColorRegister, black);
}

void PdlOutputRect(PDEV* pdev, const RECTL& rect, ULONG rop, const BYTE (&pattern)[8], const RECTL& bounds)
{
    // The bounds are the sheet's own: the N-up placement of the page's drawing must not move or shrink them.
    const ULONG scale = pdev->ulScale;
    const LONG xOffset = pdev->xOffset;
    const LONG yOffset = pdev->yOffset;
    pdev->ulScale = 10000;
    pdev->xOffset = 0;
    pdev->yOffset = 0;
    CLIPOBJ clip = {};
    clip.iDComplexity = DC_RECT;
    clip.rclBounds = bounds;
    PdlOutputClip(pdev, &clip, nullptr);
    pdev->ulScale = scale;
    pdev->xOffset = xOffset;
    pdev->yOffset = yOffset;

    PdlOutputRop2(pdev, rop);
    PdlOutputPen(pdev, nullptr, nullptr);
    BYTE inverse[8];
    for (int row = 0; row < 8; ++row)
        inverse[row] = static_cast<BYTE>(~pattern[row]);
    PdlOutputDitherPattern(pdev, inverse);
    PdlPrintf(pdev, "rct %d %d %d %d;\n", rect.left, rect.top, rect.right, rect.bottom);
}
