// nup_layout_test.cpp - N-up sheets: the cell each page takes by layout and order, the cells and scale of a
// sheet in exact integers, the zoom, the frame lines, and the layout a reset PDEV carries on with.
#include "pdev_fixture.h"
#include "settings/devmode/layout_table.h"
#include "customnt/vqddigfx/nup_layout.h"
#include "pdl/vxcmn/vxcmnnt.h"
#include "support/rect_compare.h"

#include <vector>

namespace {

// A4 at 600 dpi with a 100-pixel margin: the layout area and the printable area 4760 x 6815 pixels.
void SetA4Geometry(PDEV* pdev)
{
    PRIVATE_DEVMODE& dm = pdev->devmode.dmPrivate;
    dm.outputPrintableRectPixels = RECTL{100, 100, 4860, 6915};
    dm.printableRectPixels = RECTL{100, 100, 4860, 6915};
    dm.paperWidthPixels = 4960;
    dm.paperLengthPixels = 7015;
    dm.outputWidthPixels = 5000;
    dm.outputLengthPixels = 7100;
}

class NupLayout : public PdevTest {
protected:
    // An A4 PDEV laid out by the layout in that working orientation, nothing computed yet.
    PDEV* EnableLayout(BYTE lpLayout, SHORT orientation)
    {
        PDEV* pdev = Enable(DefaultDevmode());
        if (pdev == nullptr)
            return nullptr;
        Layout(pdev, lpLayout, orientation);
        return pdev;
    }

    static void Layout(PDEV* pdev, BYTE lpLayout, SHORT orientation)
    {
        SetA4Geometry(pdev);
        PRIVATE_DEVMODE& dm = pdev->devmode.dmPrivate;
        dm.Layout_Check = 1;
        dm.lpLayout = lpLayout;
        dm.ZoomCheck = 0;
        dm.Zoom = 100;
        pdev->sOrientation = orientation;
        pdev->nupBlock = NUP_BLOCK{};
    }

    static RECTL Placement(PDEV* pdev, DWORD cell) { return pdev->nupBlock.cells[cell].rcPlacement; }
    static RECTL Source(PDEV* pdev, DWORD cell) { return pdev->nupBlock.cells[cell].rcSource; }
};

TEST(NupCellIndex, PagesFillTheirSheetsInEachLayoutsOrder)
{
    struct Case { BYTE layout; BYTE order; SHORT orientation; std::vector<DWORD> cells; };
    const Case cases[] = {
        // Two cells: order 1 from the left, any other from the right.
        { 8, 1, 1, {0, 1}},
        { 8, 2, 1, {1, 0}},
        { 9, 2, 2, {1, 0}},
        { 3, 1, 2, {0, 1}},
        { 3, 6, 1, {1, 0}},
        // Four cells, whatever the orientation.
        {10, 3, 1, {0, 1, 2, 3}},
        {10, 4, 1, {1, 0, 3, 2}},
        {10, 5, 1, {0, 2, 1, 3}},   // page 2 goes down, page 3 across
        {10, 6, 2, {1, 3, 0, 2}},
        { 4, 5, 2, {0, 2, 1, 3}},
        // Six cells: the layout computed for a landscape page runs otherwise.
        { 5, 3, 2, {0, 1, 2, 3, 4, 5}},
        { 5, 4, 2, {2, 1, 0, 5, 4, 3}},
        { 5, 5, 2, {0, 3, 1, 4, 2, 5}},
        { 5, 6, 2, {2, 5, 1, 4, 0, 3}},
        { 5, 4, 1, {1, 0, 3, 2, 5, 4}},
        { 5, 5, 1, {0, 2, 4, 1, 3, 5}},
        { 5, 6, 1, {1, 3, 5, 0, 2, 4}},
        // Nine and sixteen cells.
        { 6, 4, 1, {2, 1, 0, 5, 4, 3, 8, 7, 6}},
        { 6, 5, 2, {0, 3, 6, 1, 4, 7, 2, 5, 8}},
        { 6, 6, 1, {2, 5, 8, 1, 4, 7, 0, 3, 6}},
        { 7, 3, 1, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}},
        { 7, 4, 1, {3, 2, 1, 0, 7, 6, 5, 4, 11, 10, 9, 8, 15, 14, 13, 12}},
        { 7, 5, 2, {0, 4, 8, 12, 1, 5, 9, 13, 2, 6, 10, 14, 3, 7, 11, 15}},
        { 7, 6, 1, {3, 7, 11, 15, 2, 6, 10, 14, 1, 5, 9, 13, 0, 4, 8, 12}},
        // An order the sheet has no table for puts every page in the first cell.
        {10, 1, 1, {0, 0, 0, 0}},
        { 7, 7, 1, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
        // One page a sheet, and the four-cell layouts 11 to 13.
        { 1, 5, 1, {0}},
        { 2, 4, 2, {0}},
        {11, 5, 1, {0, 0, 0, 0}},
        {13, 4, 1, {0, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "layout " << int{c.layout} << ", order " << int{c.order}
                                        << ", orientation " << c.orientation);
        // Two sheets' worth: the second sheet repeats the first.
        const DWORD cells = static_cast<DWORD>(c.cells.size());
        for (DWORD page = 1; page <= 2 * cells; ++page)
            EXPECT_EQ(GetNupCellIndex(page, c.layout, c.order, c.orientation), c.cells[(page - 1) % cells])
                << "page " << page;
    }
}

TEST_F(NupLayout, CellsAndScaleOfEachLayoutInExactIntegers)
{
    struct Case {
        BYTE layout; SHORT orientation; DWORD scale;
        RECTL firstPlacement; RECTL lastPlacement; RECTL lastSource;
    };
    const Case cases[] = {
        {10, 1, 4798, {47, 68, 2330, 3337},    {2427, 3475, 4710, 6744}, {2380, 3407, 4760, 6814}},
        {10, 2, 4798, {68, 47, 2351, 3316},    {3475, 2427, 5758, 5696}, {3407, 2380, 6814, 4760}},
        { 8, 1, 6785, {88, 67, 3317, 4690},    {3495, 67, 6724, 4690},   {3407, 0, 6814, 4760}},
        { 9, 2, 6785, {67, 88, 3296, 4711},    {67, 3495, 3296, 8118},   {0, 3407, 4760, 6814}},
        { 5, 1, 3392, {327, 33, 1941, 2344},   {4869, 2413, 6483, 4724}, {4542, 2380, 6813, 4760}},
        { 5, 2, 3392, {33, 327, 1647, 2638},   {2413, 4869, 4027, 7180}, {2380, 4542, 4760, 6813}},
        { 6, 2, 3197, {45, 31, 1566, 2209},    {4587, 3203, 6108, 5381}, {4542, 3172, 6813, 4758}},
        { 7, 1, 2399, {23, 33, 1164, 1667},    {3593, 5142, 4734, 6776}, {3570, 5109, 4760, 6812}},
        // One cell without zoom: the page is fitted to the sheet and centred.
        { 2, 1, 9596, {95, 137, 4662, 6676},   {95, 137, 4662, 6676},    {0, 0, 4760, 6815}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "layout " << int{c.layout} << ", orientation " << c.orientation);
        ASSERT_NE(EnableLayout(c.layout, c.orientation), nullptr);
        m_pdev->devmode.dmPrivate.byte784 = 7;
        m_pdev->devmode.dmPrivate.byte786 = 5;
        EXPECT_EQ(ComputeNupLayout(m_pdev), c.scale);
        const DWORD last = CellsPerSheet(c.layout) - 1;
        EXPECT_EQ(Placement(m_pdev, 0), c.firstPlacement);
        EXPECT_EQ(Placement(m_pdev, last), c.lastPlacement);
        EXPECT_EQ(Source(m_pdev, last), c.lastSource);
        EXPECT_EQ(Source(m_pdev, 0).left, 0);
        const NUP_BLOCK& block = m_pdev->nupBlock;
        EXPECT_EQ(Copy(block.ulScale), c.scale);
        EXPECT_EQ(Copy(block.bSavedLayout), c.layout);
        EXPECT_EQ(Copy(block.sSavedOrientation), c.orientation);
        EXPECT_EQ(Copy(block.cxSheet), 4760);
        EXPECT_EQ(Copy(block.cySheet), 6815);
        EXPECT_EQ(Copy(block.bSavedByte564), 7);
        EXPECT_EQ(Copy(block.bSavedByte566), 5);
        EXPECT_EQ(Copy(block.bComputed), 0u) << "no page begun yet";
        NextCase();
    }
}

TEST_F(NupLayout, APageThatFitsItsCellExactlyIsNotShifted)
{
    ASSERT_NE(EnableLayout(2, 1), nullptr);
    m_pdev->devmode.dmPrivate.outputPrintableRectPixels = RECTL{0, 0, 4960, 7015};
    EXPECT_EQ(ComputeNupLayout(m_pdev), 10000u);
    EXPECT_EQ(Placement(m_pdev, 0), (RECTL{0, 0, 4760, 6815})) << "the printable area at its own size";
}

TEST_F(NupLayout, AZoomIsOneCellOverTheLayoutArea)
{
    ASSERT_NE(EnableLayout(1, 1), nullptr);
    PRIVATE_DEVMODE& dm = m_pdev->devmode.dmPrivate;
    dm.ZoomCheck = 1;
    dm.Zoom = 150;
    m_pdev->cPagesBegun = 1;
    EXPECT_EQ(ComputeNupLayout(m_pdev), 15000u);
    EXPECT_EQ(Placement(m_pdev, 0), (RECTL{0, 0, 4760, 6815}));
    EXPECT_EQ(Source(m_pdev, 0), (RECTL{0, 0, 5000, 7100}));
    EXPECT_EQ(Copy(m_pdev->nupBlock.bComputed), 1u);
    dm.Zoom = 80;
    EXPECT_EQ(ComputeNupLayout(m_pdev), 8000u) << "a zoom is always taken afresh";

    // Layout 2 with the zoom on fits the page to the sheet instead.
    dm.lpLayout = 2;
    m_pdev->nupBlock.bComputed = 0;
    EXPECT_EQ(ComputeNupLayout(m_pdev), 9596u);
}

TEST_F(NupLayout, CellsOnceComputedForABegunJobStay)
{
    ASSERT_NE(EnableLayout(10, 1), nullptr);
    EXPECT_EQ(ComputeNupLayout(m_pdev), 4798u);
    m_pdev->devmode.dmPrivate.paperWidthPixels = 5100;   // Letter
    m_pdev->devmode.dmPrivate.paperLengthPixels = 6600;
    m_pdev->devmode.dmPrivate.printableRectPixels = RECTL{100, 100, 5000, 6500};
    EXPECT_EQ(ComputeNupLayout(m_pdev), 4666u) << "before the first page nothing is kept";
    m_pdev->cPagesBegun = 1;
    EXPECT_EQ(ComputeNupLayout(m_pdev), 4666u);
    m_pdev->devmode.dmPrivate.paperWidthPixels = 4960;
    m_pdev->devmode.dmPrivate.paperLengthPixels = 7015;
    EXPECT_EQ(ComputeNupLayout(m_pdev), 4666u) << "the job's sheets keep their cells";
    EXPECT_EQ(Placement(m_pdev, 0), (RECTL{46, 210, 2332, 3196}));
}

TEST_F(NupLayout, AGeometryWithoutRoomKeepsThePageAtItsSize)
{
    struct Case { RECTL area; LONG pw; LONG pl; };
    for (const Case c : {Case{{100, 100, 4860, 6915}, 0, 7015}, Case{{100, 100, 4860, 6915}, 4960, -1},
                         Case{{0, 0, 0, 0}, 4960, 7015}, Case{{500, 500, 100, 100}, 4960, 7015}}) {
        SCOPED_TRACE(testing::Message() << "area " << c.area << ", page " << c.pw << " x " << c.pl);
        ASSERT_NE(EnableLayout(10, 1), nullptr);
        PRIVATE_DEVMODE& dm = m_pdev->devmode.dmPrivate;
        dm.outputPrintableRectPixels = c.area;
        dm.paperWidthPixels = c.pw;
        dm.paperLengthPixels = c.pl;
        EXPECT_EQ(ComputeNupLayout(m_pdev), 10000u);
        NextCase();
    }
}

TEST_F(NupLayout, FramesOutlineTheSheetAndDivideItsCells)
{
    struct Case {
        BYTE layout; SHORT orientation; WORD border; BYTE byte566; std::vector<RECTL> frames;
    };
    const std::vector<RECTL> edges = {{0, 0, 4760, 1}, {0, 0, 1, 6815}, {0, 6814, 4760, 6815}, {4759, 0, 4760, 6815}};
    const auto with = [&edges](std::vector<RECTL> dividers) {
        std::vector<RECTL> all = edges;
        all.insert(all.end(), dividers.begin(), dividers.end());
        return all;
    };
    const Case cases[] = {
        {10, 1, 1, 0, with({{2380, 0, 2381, 6815}, {0, 3407, 4760, 3408}})},
        {10, 1, 2, 0, {{2380, 0, 2381, 6815}, {0, 3407, 4760, 3408}}},   // dividers only
        {10, 1, 1, 5, {{2380, 0, 2381, 6815}, {0, 3407, 4760, 3408}}},   // no outer frame
        {10, 1, 0, 0, {}},
        { 8, 1, 1, 0, with({{0, 3407, 4760, 3408}})},
        // A landscape page's sheet lies the other way: 6815 wide, its six cells three across.
        { 5, 2, 1, 0, {{0, 0, 6815, 1}, {0, 0, 1, 4760}, {0, 4759, 6815, 4760}, {6814, 0, 6815, 4760},
                       {2271, 0, 2272, 4760}, {4542, 0, 4543, 4760}, {0, 2380, 6815, 2381}}},
        { 7, 1, 2, 0, {{1190, 0, 1191, 6815}, {2380, 0, 2381, 6815}, {3570, 0, 3571, 6815},
                       {0, 1703, 4760, 1704}, {0, 3406, 4760, 3407}, {0, 5109, 4760, 5110}}},
        { 2, 1, 1, 0, edges},   // a fitted page: its outline, nothing to divide
        { 2, 1, 2, 0, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "layout " << int{c.layout} << ", orientation " << c.orientation
                                        << ", frame word " << c.border << ", byte 566 " << int{c.byte566});
        ASSERT_NE(EnableLayout(c.layout, c.orientation), nullptr);
        m_pdev->devmode.dmPrivate.lpBorder = c.border;
        m_pdev->devmode.dmPrivate.byte786 = c.byte566;
        m_pdev->cPagesBegun = 1;
        ComputeNupLayout(m_pdev);
        RECTL frames[kMaxNupFrameRects];
        const DWORD count = GetNupFrameRects(m_pdev, frames);
        EXPECT_EQ(std::vector<RECTL>(frames, frames + count), c.frames);
        NextCase();
    }
}

TEST_F(NupLayout, NoFramesBeforeTheCellsAreComputedOrForOnePagePerSheet)
{
    ASSERT_NE(EnableLayout(10, 1), nullptr);
    m_pdev->devmode.dmPrivate.lpBorder = 1;
    RECTL frames[kMaxNupFrameRects];
    ComputeNupLayout(m_pdev);
    EXPECT_EQ(GetNupFrameRects(m_pdev, frames), 0u) << "computed before the job's first page";
    m_pdev->nupBlock.bComputed = 1;
    m_pdev->nupBlock.bSavedLayout = 1;
    EXPECT_EQ(GetNupFrameRects(m_pdev, frames), 0u);
}

class NupCarry : public NupLayout {
protected:
    void TearDown() override
    {
        EndJobs();
        NupLayout::TearDown();
    }

    // Both PDEVs go, the old one first as GDI disables it.
    void EndJobs()
    {
        if (m_pOld != nullptr)
            DisablePDEVImpl(reinterpret_cast<DHPDEV>(m_pOld));
        m_pOld = nullptr;
        NextCase();
    }

    // An old PDEV in the middle of a job of that layout (pages begun, cells computed) and a new PDEV of the
    // same settings for the reset; the new one is m_pdev.
    void BeginJobs(BYTE lpLayout, DWORD pagesBegun)
    {
        ASSERT_NE(EnableLayout(lpLayout, DMORIENT_PORTRAIT), nullptr);
        m_pOld = m_pdev;
        m_pdev = nullptr;
        ASSERT_NE(EnableLayout(lpLayout, DMORIENT_PORTRAIT), nullptr);
        m_pOld->dwFlags = PDEVF_DOC_STARTED;
        m_pOld->cPagesBegun = pagesBegun;
        PdlGetContext(m_pOld)->bDocumentOpen = 1;
        m_pOld->ulScale = ComputeNupLayout(m_pOld);
    }

    bool Reset()
    {
        return ResetPDEVImpl(reinterpret_cast<DHPDEV>(m_pOld), reinterpret_cast<DHPDEV>(m_pdev)) != FALSE;
    }

    PDEV* m_pOld = nullptr;
};

TEST_F(NupCarry, AnNupJobKeepsItsSheetsAndPlacesTheNewPageInTheirCells)
{
    BeginJobs(10, 2);
    PRIVATE_DEVMODE& oldDm = m_pOld->devmode.dmPrivate;
    oldDm.dmPublicCopy.dmPaperSize = DMPAPER_A4;
    oldDm.lpOutputPaper = DMPAPER_A4;
    oldDm.dmPublicCopy.dmCopies = 3;
    oldDm.byte784 = 9;
    PRIVATE_DEVMODE& newDm = m_pdev->devmode.dmPrivate;
    newDm.dmPublicCopy.dmPaperSize = DMPAPER_LETTER;
    newDm.lpOutputPaper = DMPAPER_LETTER;
    newDm.dmPublicCopy.dmCopies = 1;
    newDm.paperWidthPixels = 5100;   // the new page is Letter
    newDm.paperLengthPixels = 6600;
    newDm.printableRectPixels = RECTL{100, 100, 5000, 6500};
    m_pdev->sOrientation = DMORIENT_LANDSCAPE;

    ASSERT_TRUE(Reset());
    EXPECT_EQ(Copy(newDm.lpLayout), 10);
    EXPECT_EQ(Copy(newDm.dmPublicCopy.dmPaperSize), DMPAPER_A4);
    EXPECT_EQ(Copy(newDm.lpOutputPaper), DMPAPER_A4);
    EXPECT_EQ(Copy(newDm.dmPublicCopy.dmCopies), 3);
    EXPECT_EQ(Copy(newDm.byte784), 9);
    EXPECT_EQ(Copy(m_pdev->sOrientation), DMORIENT_PORTRAIT) << "the sheets' orientation";
    // The A4 sheet's cells (4760 x 6815 in four) with the Letter page scaled into them.
    EXPECT_EQ(Copy(m_pdev->ulScale), 4666u);
    EXPECT_EQ(Copy(m_pdev->nupBlock.ulScale), 4666u);
    EXPECT_EQ(Placement(m_pdev, 0), (RECTL{46, 210, 2332, 3196}));
    EXPECT_EQ(Placement(m_pdev, 3), (RECTL{2426, 3617, 4712, 6603}));
    EXPECT_EQ(Copy(m_pdev->nupBlock.bComputed), 1u);
}

TEST_F(NupCarry, AOnePagePerSheetJobGoesOnWithTheNewPage)
{
    struct Case { BYTE zoomCheck; SHORT newPaper; SHORT newOrientation; BYTE layout; DWORD scale; };
    const Case cases[] = {
        {0, DMPAPER_LETTER, DMORIENT_LANDSCAPE, 1, 10000},
        {1, DMPAPER_A4,     DMORIENT_PORTRAIT,  1, 12000},   // the same paper: the zoom goes on
        {1, DMPAPER_LETTER, DMORIENT_PORTRAIT,  2, 9333},    // a new paper: the page is fitted to it
        {1, DMPAPER_A4,     DMORIENT_LANDSCAPE, 2, 9333},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "zoom " << int{c.zoomCheck} << ", paper " << c.newPaper
                                        << ", orientation " << c.newOrientation);
        BeginJobs(1, 1);
        for (PDEV* pdev : {m_pOld, m_pdev}) {
            pdev->devmode.dmPrivate.ZoomCheck = c.zoomCheck;
            pdev->devmode.dmPrivate.Zoom = 120;
            pdev->devmode.dmPrivate.Layout_Check = 0;
            pdev->devmode.dmPrivate.dmPublicCopy.dmPaperSize = DMPAPER_A4;
            pdev->devmode.dmPrivate.dmPublicCopy.dmOrientation = DMORIENT_PORTRAIT;
        }
        PRIVATE_DEVMODE& newDm = m_pdev->devmode.dmPrivate;
        newDm.dmPublicCopy.dmPaperSize = c.newPaper;
        newDm.dmPublicCopy.dmOrientation = c.newOrientation;
        newDm.paperWidthPixels = 5100;
        newDm.paperLengthPixels = 6600;
        newDm.printableRectPixels = RECTL{100, 100, 5000, 6500};
        m_pdev->sOrientation = DMORIENT_PORTRAIT;

        ASSERT_TRUE(Reset());
        EXPECT_EQ(Copy(newDm.lpLayout), c.layout);
        EXPECT_EQ(Copy(newDm.Layout_Check), 0);
        EXPECT_EQ(Copy(m_pdev->ulScale), c.scale);
        EXPECT_EQ(Copy(m_pdev->sOrientation), c.newOrientation);
        EndJobs();
    }
}

TEST_F(NupCarry, CellsOfAJobWithoutPagesOrOfAnEndedDocumentBindNothing)
{
    for (const DWORD flags : {PDEVF_DOC_STARTED, DWORD{0}}) {
        SCOPED_TRACE(flags == 0 ? "document ended" : "no page begun");
        BeginJobs(10, flags == 0 ? 4 : 0);
        m_pOld->nupBlock.bComputed = 1;
        m_pOld->dwFlags = flags;
        PdlGetContext(m_pOld)->bDocumentOpen = flags != 0 ? 1 : 0;
        m_pdev->devmode.dmPrivate.lpLayout = 8;
        ASSERT_TRUE(Reset());
        EXPECT_EQ(Copy(m_pdev->nupBlock.bComputed), 0u) << "the new PDEV computes its own cells";
        EXPECT_EQ(Copy(m_pdev->devmode.dmPrivate.lpLayout), flags == 0 ? 8 : 10);
        EXPECT_EQ(ComputeNupLayout(m_pdev), flags == 0 ? 6785u : 4798u);
        EndJobs();
    }
}

} // namespace
