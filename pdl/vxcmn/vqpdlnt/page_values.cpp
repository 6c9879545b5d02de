// page_values.cpp - the page setup record, its codes per output language, and its commands.
#include "pdl/vxcmn/vqpdlnt/page_values.h"
#include "pdl/vxcmn/vqpdlnt/image_offset.h"
#include "pdl/vxcmn/vqpdlnt/page_commands.h"
#include "pdl/vxcmn/vqpdlnt/page_plan.h"
#include "pdl/vxcmn/vqpdlnt/page_setup.h"
#include "pdl/vxcmn/vqpdlnt/page_tray.h"
#include "pdl/vxcmn/vqpdlnt/tray_name_table.h"
#include "pdl/vxcmn/vxcmnnt.h"
#include "settings/devmode/devmode_switches.h"
#include "settings/paper/custom_size_limits.h"
#include "settings/paper/paper_table.h"

#include <cstring>

namespace {

constexpr BYTE kVqpdl = 0;
constexpr BYTE kPcl = 1;
constexpr BYTE kPclXl = 2;
constexpr BYTE kPclXl2 = 3;
constexpr SHORT kNoCode = -1;
constexpr SHORT kShortEdge = 3;
constexpr LONG kPrinterMargin = 406;       // 1/100 mm the PCL dialects place their origin from the sheet's edge
constexpr SHORT kFreeSizeSource = 7;       // the source whose least margins are the reference rectangle
constexpr DWORD kPaperSizeFlags = kPagePaper | kPageOrientation | kPageWidth | kPageLength | kPageRect;
constexpr DWORD kAllPageFlags = 0x1FF;
constexpr DWORD kPlannedSheetFlags = kAllPageFlags & ~kPageOrigin;

bool IsPclXl(BYTE type)
{
    return type == kPclXl || type == kPclXl2;
}

// Paper, orientation, width, length and reference rectangle of the current page. The width and length are
// what the paper can print: the output paper less its printable margins, plus the reference rectangle.
void GetPagePaperValues(PDEV* pdev, PAGE_VALUES& values)
{
    const PRIVATE_DEVMODE& dm = pdev->devmode.dmPrivate;
    SHORT paper = static_cast<SHORT>(dm.lpOutputPaper);
    GetPlanPagePaper(pdev, &paper);
    LONG ref[4];
    GetCustomSizeLimitExtra(&ref, kFreeSizeSource, 0);
    const RECTL printable = dm.env.outputPrintableRect;
    LONG width = static_cast<LONG>(dm.env.outputPaperWidth) * 10;
    LONG length = static_cast<LONG>(dm.env.outputPaperLength) * 10;
    const LONG right = width - printable.right;
    const LONG bottom = length - printable.bottom;
    width -= (printable.left - ref[0]) + (right - ref[2]);
    length -= (printable.top - ref[1]) + (bottom - ref[3]);
    values.sPaper = paper;
    values.sOrientation = dm.dmPublicCopy.dmOrientation;
    values.lWidth = width;
    values.lLength = length;
    std::memcpy(values.rcRef, ref, sizeof ref);
}

// Sides and binding of the current page: the plan's sheet when it has one, else the devmode's.
void GetPageDuplexValues(PDEV* pdev, SHORT* pSides, SHORT* pBinding)
{
    *pSides = GetPlanSidesPerSheet(pdev);
    *pBinding = GetPlanDuplexMode(pdev);
    BYTE sides = 0;
    BYTE binding = 0;
    if (GetPlanPageDuplex(pdev, &sides, &binding)) {
        *pSides = sides;
        *pBinding = binding;
    }
}

} // namespace

SHORT PdlPaperCode(PDEV* pdev, SHORT paper)
{
    const BYTE type = GetPdlType(pdev);
    if (type == kVqpdl)
        return paper;
    if (type > kPclXl2)
        return kNoCode;
    const PAPER_SIZE_ENTRY* row = nullptr;
    for (PAPER_SIZE_ENTRY* candidate = GetPaperRows(); candidate->paperId != 0; ++candidate)
        if (candidate->paperId == paper)
            row = candidate;   // the last row with the id decides
    if (row == nullptr)
        return kNoCode;
    if (IsPclXl(type))
        return static_cast<SHORT>(row->pclXlCode);
    // The variants of a size are codes of their own: 150 above for "_F", 100 for "_W", 200 for "_WF".
    constexpr SHORT kVariantOffsets[] = {0, 150, 100, 200};
    const BYTE variant = row->variant;
    const SHORT offset = variant < 4 ? kVariantOffsets[variant] : 0;
    return static_cast<SHORT>(row->pclCode + offset);
}

SHORT PdlOrientationCode(PDEV* pdev, SHORT orientation)
{
    const BYTE type = GetPdlType(pdev);
    if (type >= kPcl && type <= kPclXl2)
        return orientation == DMORIENT_PORTRAIT ? 0 : 1;
    return orientation;
}

SHORT PdlTrayCode(PDEV* pdev, SHORT tray)
{
    const BYTE type = GetPdlType(pdev);
    const TRAY_NAME_ENTRY* row = FindTrayName(tray);
    if (row == nullptr || type == kVqpdl || type > kPclXl2)
        return tray;
    return static_cast<SHORT>(type == kPcl ? row->pclCode : row->pclXlCode);
}

SHORT PdlDuplexCode(PDEV* pdev, SHORT sides, SHORT binding)
{
    const BYTE type = GetPdlType(pdev);
    if (type > kPclXl2)
        return kNoCode;
    if (sides != 2)
        return 0;
    const bool shortEdge = binding == kShortEdge;
    if (type == kVqpdl)
        return shortEdge ? 1 : 2;
    if (type == kPcl)
        return shortEdge ? 2 : 1;
    const bool portrait = pdev->devmode.dmPrivate.dmPublicCopy.dmOrientation == DMORIENT_PORTRAIT;
    return shortEdge != portrait ? 1 : 0;
}

POINTL PdlPageOrigin(PDEV* pdev, LONG x, LONG y)
{
    const BYTE type = GetPdlType(pdev);
    if (type == kVqpdl)
        return {x, y};
    if (IsPclXl(type))
        return {x - kPrinterMargin, y - kPrinterMargin};
    if (type != kPcl)
        return {0, 0};   // no language, no origin
    // PCL places the image from the printable area's corner, turned with the page and, on the back of a
    // two-sided sheet (an even side number), mirrored across the binding edge.
    const PRIVATE_DEVMODE& dm = pdev->devmode.dmPrivate;
    const RECTL printable = dm.env.outputPrintableRect;
    const LONG m = printable.left;
    const LONG t = printable.top;
    LONG u = x - kPrinterMargin;
    LONG w = y - t;
    if (dm.dmPublicCopy.dmOrientation == DMORIENT_LANDSCAPE) {
        const LONG turned = w;
        w = -u;
        u = turned;
    }
    if (IsDuplexOn(dm.env) && GetSheetSideNumber(pdev) % 2 == 0) {
        if (dm.dmPublicCopy.dmDuplex == DMDUP_VERTICAL)
            u = -u;
        else
            w = -w;
    }
    return {u + m, w + t};
}

void PdlOutputPageSetup(PDEV* pdev, const PAGE_VALUES& values)
{
    const DWORD flags = values.dwFlags;
    if ((flags & kPageOrigin) != 0)
        PdlOutputOrigin(pdev, values.xOrigin, values.yOrigin);
    if ((flags & kPaperSizeFlags) == kPaperSizeFlags) {
        LONG ref[4];
        std::memcpy(ref, values.rcRef, sizeof ref);
        PdlOutputPaperSize(pdev, values.sPaper, values.sOrientation, values.lWidth, values.lLength, ref[0], ref[1],
                           ref[2], ref[3]);
    }
    if ((flags & kPageTray) != 0)
        PdlOutputPaperTray(pdev, values.sTray);
    if ((flags & kPageDuplex) != 0)
        PdlOutputDuplex(pdev, values.sDuplex);
}

void PdlSendPageValues(PDEV* pdev, const PAGE_VALUES& values)
{
    if (GetPdlType(pdev) != kPcl) {
        PdlOutputPageSetup(pdev, values);
        return;
    }
    // PCL keeps its paper, tray and duplex from sheet to sheet: only a change is sent.
    JOB_EXTRA_RECORD* pContext = PdlGetContext(pdev);
    PAGE_VALUES last;
    std::memcpy(&last, &pContext->lastPageValues, sizeof last);
    PAGE_VALUES send = values;
    if ((send.dwFlags & kPagePaper) != 0 && (last.dwFlags & kPagePaper) != 0 && last.sPaper == send.sPaper)
        send.dwFlags &= ~kPagePaper;
    if ((send.dwFlags & kPageTray) != 0 && (last.dwFlags & kPageTray) != 0 && last.sTray == send.sTray)
        send.dwFlags &= ~kPageTray;
    if ((send.dwFlags & kPageDuplex) != 0 && (last.dwFlags & kPageDuplex) != 0 && last.sDuplex == send.sDuplex)
        send.dwFlags &= ~kPageDuplex;
    const DWORD flags = send.dwFlags;
    if (flags == 0)
        return;
    if (flags & kPageOrigin) {
        last.xOrigin = send.xOrigin;
        last.yOrigin = send.yOrigin;
    }
    if (flags & kPagePaper)
        last.sPaper = send.sPaper;
    if (flags & kPageOrientation)
        last.sOrientation = send.sOrientation;
    if (flags & kPageWidth)
        last.lWidth = send.lWidth;
    if (flags & kPageLength)
        last.lLength = send.lLength;
    if (flags & kPageRect)
        std::memcpy(last.rcRef, send.rcRef, sizeof last.rcRef);
    if (flags & kPageTray)
        last.sTray = send.sTray;
    if (flags & kPageDuplex)
        last.sDuplex = send.sDuplex;
    if (flags & kPageCopies)
        last.sCopies = send.sCopies;
    last.dwFlags |= flags;
    std::memcpy(&pContext->lastPageValues, &last, sizeof last);
    PdlOutputPageSetup(pdev, send);
}

void PdlOutputPageValues(PDEV* pdev)
{
    PAGE_VALUES values = {};
    GetPagePaperValues(pdev, values);
    const SHORT tray = static_cast<SHORT>(GetPageTray(pdev, &pdev->devmode));
    SHORT sides = 0;
    SHORT binding = 0;
    GetPageDuplexValues(pdev, &sides, &binding);
    LONG x = 0;
    LONG y = 0;
    GetPageImageOffset(pdev, &x, &y);
    const POINTL origin = PdlPageOrigin(pdev, x, y);

    values.dwFlags = kAllPageFlags;
    values.xOrigin = origin.x;
    values.yOrigin = origin.y;
    values.sPaper = PdlPaperCode(pdev, values.sPaper);
    values.sOrientation = PdlOrientationCode(pdev, values.sOrientation);
    values.sTray = PdlTrayCode(pdev, tray);
    values.sDuplex = PdlDuplexCode(pdev, sides, binding);
    values.sCopies = pdev->devmode.dmPrivate.dmPublicCopy.dmCopies;
    PdlSendPageValues(pdev, values);
}

void PdlSetPlannedSheetValues(PDEV* pdev, const PLANNED_SHEET& sheet)
{
    PAGE_VALUES values = {};
    values.dwFlags = kPlannedSheetFlags;
    values.sPaper = PdlPaperCode(pdev, sheet.sPaper);
    values.sOrientation = PdlOrientationCode(pdev, sheet.sOrientation);
    values.sTray = PdlTrayCode(pdev, sheet.sTray);
    values.sDuplex = PdlDuplexCode(pdev, sheet.bSides, sheet.bBinding);
    values.sCopies = pdev->devmode.dmPrivate.dmPublicCopy.dmCopies;
    PdlSendPageValues(pdev, values);
}
