// image_offset.cpp - the image origin of a sheet side and the binding margin that moves it.
#include "pdl/vxcmn/vqpdlnt/image_offset.h"
#include "pdl/vxcmn/vqpdlnt/page_plan.h"
#include "pdl/vxcmn/vxcmnnt.h"
#include "settings/paper/custom_size_entry.h"
#include "settings/paper/custom_size_limits.h"
#include "settings/pagelist/page_slots.h"

namespace {

constexpr SHORT kFreeSizeSource = 7;   // the paper source whose least margins place a user-defined paper
constexpr BYTE kLongEdge = 2;

// Where the binding margin lies (lpBindMargin), and so which way it moves the image.
enum class MarginEdge : BYTE {
    Left = 1,     // x grows
    Right = 2,    // x shrinks
    Top = 3,      // y grows
    Bottom = 4,   // y shrinks
};

bool On(BYTE a, BYTE b)
{
    return a == 1 && b == 1;
}

// The sheet is printed on both sides by the layout, the finishing page or a booklet.
bool PrintsBothSides(const DEVMODE_ENV_EXTRA& env)
{
    return On(env.Layout_Check2, env.Duplex_Check) || On(env.Layout_Check2, env.EngBooklet_Check) ||
           On(env.Layout_Check2, env.Booklet_Check) || On(env.POD_Check, env.POD_Duplex_Check) ||
           On(env.POD_Check, env.POD_Booklet_Check);
}

// The side by the side number alone: chapter starts of the finishing page each put a blank back before
// themselves where they would fall on a back, which moves every later side by one.
bool BackByDevmode(PDEV* pdev)
{
    const DEVMODE_ENV_EXTRA& env = pdev->devmode.dmPrivate.env;
    LONG a = GetSheetSideNumber(pdev);
    if (On(env.POD_Check, env.Chapter_Check)) {
        BYTE count = 0;
        WORD pages[kPageSlotCapacity] = {};
        GetPageSlot(GetPageSlotRecord(&env), kChapterPageSlot, &count, pages);
        const LONG side = a;
        bool expectEven = true;
        LONG added = 0;
        for (BYTE k = 0; k < count && pages[k] <= side; ++k) {
            if ((pages[k] % 2 == 0) == expectEven) {
                ++added;
                expectEven = !expectEven;
            }
        }
        a += added;
    }
    if (!PrintsBothSides(env))
        return false;
    if (On(env.POD_Check, env.POD_OnePerSheet_Check) && env.lpPOD_OnePerSheet == 1)
        return a % 4 != 1 && a % 4 != 2;   // the sheets of a one-per-sheet job go front, front, back, back
    return a % 2 == 0;
}

// The edge of the binding margin on a back: the front's edge seen through the sheet, which depends on the
// page's orientation and on the edge the sheet turns over.
BYTE BackMarginEdge(PDEV* pdev, BYTE front)
{
    const PRIVATE_DEVMODE& dm = pdev->devmode.dmPrivate;
    const DEVMODE_ENV_EXTRA& env = dm.env;
    bool portrait = dm.dmPublicCopy.dmOrientation == DMORIENT_PORTRAIT;
    if (On(env.POD_Check, env.POD_OnePerSheet_Check))
        portrait = !portrait;
    BYTE side = 0;
    BYTE binding = static_cast<BYTE>(dm.dmPublicCopy.dmDuplex);   // the plan's sheet says otherwise
    GetPageSide(pdev, &side, &binding);
    if (On(env.POD_Check, env.POD_Booklet_Check) || On(env.Layout_Check2, env.EngBooklet_Check))
        binding = kLongEdge;
    // Turned over one way the margin moves from top to bottom, the other way from left to right.
    constexpr BYTE kSwapTopBottom[5] = {0, 1, 2, 4, 3};
    constexpr BYTE kSwapLeftRight[5] = {0, 2, 1, 3, 4};
    if (front < 1 || front > 4)
        return 0;
    return portrait != (binding == kLongEdge) ? kSwapTopBottom[front] : kSwapLeftRight[front];
}

LONG RectWidth(const RECTL& rc)
{
    return rc.right - rc.left;
}

LONG RectHeight(const RECTL& rc)
{
    return rc.bottom - rc.top;
}

} // namespace

LONG GetSheetSideNumber(PDEV* pdev)
{
    return static_cast<LONG>(PdlGetContext(pdev)->dwSheetCount) + 1;
}

BOOL IsBackSide(PDEV* pdev)
{
    BYTE side = 0;
    BYTE binding = 0;
    if (GetPageSide(pdev, &side, &binding))
        return side == 1;
    return BackByDevmode(pdev);
}

void GetPageImageOffset(PDEV* pdev, LONG* pX, LONG* pY)
{
    const PRIVATE_DEVMODE& dm = pdev->devmode.dmPrivate;
    const DEVMODE_ENV_EXTRA& env = dm.env;
    LONG x = 0;
    LONG y = 0;
    if (IsCustomPaperId(static_cast<SHORT>(dm.lpOutputPaper))) {
        LONG margins[4];
        GetCustomSizeLimitExtra(&margins, kFreeSizeSource, 0);
        x = margins[0];
        y = margins[1];
    } else {
        const RECTL printable = env.outputPrintableRect;
        x = printable.left;
        y = printable.top;
    }
    *pX = x;
    *pY = y;
    if (!On(env.Layout_Check2, env.BindMargin_Check) && !On(env.POD_Check, env.POD_BindMargin_Check))
        return;

    LONG t = 0;
    BYTE edge = 0;
    if (IsBackSide(pdev)) {
        t = static_cast<LONG>(env.bMargin) * 100;
        edge = BackMarginEdge(pdev, env.lpBindMargin);
    } else {
        t = static_cast<LONG>(env.fMargin) * 100;
        edge = env.lpBindMargin;
    }
    if (edge < 1 || edge > 4)
        return;
    const auto where = static_cast<MarginEdge>(edge);
    const bool alongX = where == MarginEdge::Left || where == MarginEdge::Right;

    if (env.lpMarginMode == 2) {
        // The image was reduced by the zoom to leave room for the margin: centre it across the margin's
        // direction, and for a margin on the right or at the bottom move it only by what the reduction did not
        // already leave free there.
        const RECTL output = env.outputPrintableRect;
        const RECTL paper = dm.printableRect;
        const long long zoom = dm.Zoom;
        const LONG freeWidth = static_cast<LONG>(RectWidth(output) - RectWidth(paper) * zoom / 100);
        const LONG freeLength = static_cast<LONG>(RectHeight(output) - RectHeight(paper) * zoom / 100);
        const bool portrait = dm.dmPublicCopy.dmOrientation != DMORIENT_LANDSCAPE;
        const LONG freeX = portrait ? freeWidth : freeLength;
        const LONG freeY = portrait ? freeLength : freeWidth;
        if (alongX)
            y += freeY / 2;
        else
            x += freeX / 2;
        if (where == MarginEdge::Right)
            t -= freeX;
        else if (where == MarginEdge::Bottom)
            t -= freeY;
    }
    switch (where) {
    case MarginEdge::Left:
        x += t;
        break;
    case MarginEdge::Right:
        x -= t;
        break;
    case MarginEdge::Top:
        y += t;
        break;
    case MarginEdge::Bottom:
        y -= t;
        break;
    }
    *pX = x;
    *pY = y;
}
