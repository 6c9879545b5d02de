// image_offset_test.cpp - the image origin of a sheet side: the binding margin by side, position, orientation
// and binding, the reduced image of margin mode 2, and which sides are backs.
#include "page_plan_fixture.h"
#include "pdl/vxcmn/vqpdlnt/image_offset.h"
#include "settings/pagelist/page_slots.h"

#include <functional>

namespace {

using ImageOffset = PagePlan;

struct OffsetCase {
    const char* name;
    std::function<void(PRIVATE_DEVMODE&)> set;
    DWORD sidesOut;   // sides ejected before this one: 0 the first side (a front), 1 the second (a back)
    POINTL shift;     // from the printable corner
};

// A two-sided portrait job bound on the long edge, with a binding margin of 10 mm on fronts, 5 mm on backs.
void TwoSidedWithMargin(PRIVATE_DEVMODE& dm, BYTE position)
{
    dm.env.Layout_Check2 = 1;
    dm.env.Duplex_Check = 1;
    dm.dmPublicCopy.dmDuplex = DMDUP_VERTICAL;
    dm.dmPublicCopy.dmOrientation = DMORIENT_PORTRAIT;
    dm.env.BindMargin_Check = 1;
    dm.env.lpBindMargin = position;
    dm.env.fMargin = 10;
    dm.env.bMargin = 5;
}

TEST_F(ImageOffset, TheBindingMarginMovesEachSideTheWayItsEdgeLies)
{
    const auto margin = [](BYTE position, short orientation, short duplex) {
        return [=](PRIVATE_DEVMODE& dm) {
            TwoSidedWithMargin(dm, position);
            dm.dmPublicCopy.dmOrientation = orientation;
            dm.dmPublicCopy.dmDuplex = duplex;
        };
    };
    constexpr short P = DMORIENT_PORTRAIT;
    constexpr short L = DMORIENT_LANDSCAPE;
    constexpr short kLong = DMDUP_VERTICAL;
    constexpr short kShort = DMDUP_HORIZONTAL;
    const OffsetCase cases[] = {
        {"left, front", margin(1, P, kLong), 0, {1000, 0}},
        {"right, front", margin(2, P, kLong), 0, {-1000, 0}},
        {"top, front", margin(3, P, kLong), 0, {0, 1000}},
        {"bottom, front", margin(4, P, kLong), 0, {0, -1000}},
        // A portrait sheet turned on its long edge shows its left margin on the back's right.
        {"left, back, portrait, long edge", margin(1, P, kLong), 1, {-500, 0}},
        {"right, back, portrait, long edge", margin(2, P, kLong), 1, {500, 0}},
        {"top, back, portrait, long edge", margin(3, P, kLong), 1, {0, 500}},
        {"bottom, back, portrait, long edge", margin(4, P, kLong), 1, {0, -500}},
        {"left, back, portrait, short edge", margin(1, P, kShort), 1, {500, 0}},
        {"top, back, portrait, short edge", margin(3, P, kShort), 1, {0, -500}},
        {"left, back, landscape, long edge", margin(1, L, kLong), 1, {500, 0}},
        {"bottom, back, landscape, long edge", margin(4, L, kLong), 1, {0, 500}},
        {"left, back, landscape, short edge", margin(1, L, kShort), 1, {-500, 0}},
        {"top, back, landscape, short edge", margin(3, L, kShort), 1, {0, 500}},
        {"the third side is a front again", margin(1, P, kLong), 2, {1000, 0}},
        {"a booklet binds on the long edge", [](PRIVATE_DEVMODE& dm) {
             TwoSidedWithMargin(dm, 1);
             dm.dmPublicCopy.dmDuplex = kShort;
             dm.env.EngBooklet_Check = 1;
         }, 1, {-500, 0}},
        {"no position, no shift", margin(0, P, kLong), 0, {0, 0}},
        {"an unknown position, no shift", margin(5, P, kLong), 1, {0, 0}},
        {"no binding margin", [](PRIVATE_DEVMODE& dm) {
             TwoSidedWithMargin(dm, 1);
             dm.env.BindMargin_Check = 0;
         }, 0, {0, 0}},
        {"one-sided: every side is a front", [](PRIVATE_DEVMODE& dm) {
             TwoSidedWithMargin(dm, 1);
             dm.env.Duplex_Check = 0;
         }, 1, {1000, 0}},
        {"the finishing page's binding margin", [](PRIVATE_DEVMODE& dm) {
             TwoSidedWithMargin(dm, 3);
             dm.env.Layout_Check2 = 0;
             dm.env.POD_Check = 1;
             dm.env.POD_BindMargin_Check = 1;
             dm.env.POD_Duplex_Check = 1;
         }, 1, {0, 500}},
    };
    for (const OffsetCase& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_NE(Open(), nullptr);
        PRIVATE_DEVMODE& dm = m_pdev->devmode.dmPrivate;
        const RECTL printable = dm.env.outputPrintableRect;
        c.set(dm);
        Context()->dwSheetCount = c.sidesOut;
        LONG x = 0;
        LONG y = 0;
        GetPageImageOffset(m_pdev, &x, &y);
        EXPECT_EQ(x - printable.left, c.shift.x);
        EXPECT_EQ(y - printable.top, c.shift.y);
        NextCase();
    }
}

TEST_F(ImageOffset, AReducedImageIsCentredAcrossTheMarginAndMovedOnlyByWhatIsNotFree)
{
    // The output's printable area is 200 x 280 mm, the paper's 200 x 280 mm at 90 %: 20 mm free across the
    // width, 28 mm along the length.
    const auto reduced = [](BYTE position, short orientation) {
        return [=](PRIVATE_DEVMODE& dm) {
            TwoSidedWithMargin(dm, position);
            dm.dmPublicCopy.dmOrientation = orientation;
            dm.env.lpMarginMode = 2;
            dm.env.outputPrintableRect = {500, 600, 20500, 28600};
            dm.printableRect = {0, 0, 20000, 28000};
            dm.Zoom = 90;
        };
    };
    const OffsetCase cases[] = {
        {"left", reduced(1, DMORIENT_PORTRAIT), 0, {1000, 1400}},
        {"right: the reduction left 20 mm there already", reduced(2, DMORIENT_PORTRAIT), 0, {1000, 1400}},
        {"top", reduced(3, DMORIENT_PORTRAIT), 0, {1000, 1000}},
        {"bottom", reduced(4, DMORIENT_PORTRAIT), 0, {1000, 1800}},
        {"left, landscape: the length lies across", reduced(1, DMORIENT_LANDSCAPE), 0, {1000, 1000}},
        {"right, landscape", reduced(2, DMORIENT_LANDSCAPE), 0, {1800, 1000}},
    };
    for (const OffsetCase& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_NE(Open(), nullptr);
        c.set(m_pdev->devmode.dmPrivate);
        Context()->dwSheetCount = c.sidesOut;
        LONG x = 0;
        LONG y = 0;
        GetPageImageOffset(m_pdev, &x, &y);
        EXPECT_EQ(x - 500, c.shift.x);
        EXPECT_EQ(y - 600, c.shift.y);
        NextCase();
    }
}

TEST_F(ImageOffset, AUserDefinedPaperStartsAtTheFreeSizeMargins)
{
    ASSERT_NE(Open(), nullptr);
    PRIVATE_DEVMODE& dm = m_pdev->devmode.dmPrivate;
    TwoSidedWithMargin(dm, 1);
    dm.lpOutputPaper = 513;
    dm.env.outputPrintableRect = {406, 406, 19594, 29500};
    LONG x = -1;
    LONG y = -1;
    GetPageImageOffset(m_pdev, &x, &y);
    EXPECT_EQ(x, 1000) << "the free-size source's least margins are 0";
    EXPECT_EQ(y, 0);
}

TEST_F(ImageOffset, BacksFollowThePlanOrTheSideNumberWithItsChapters)
{
    // Without a plan: by the side number.
    struct Case {
        const char* name;
        std::function<void(PRIVATE_DEVMODE&)> set;
        std::vector<bool> backs;   // sides 1, 2, 3, ...
    };
    const auto podDuplex = [](PRIVATE_DEVMODE& dm) {
        dm.env.POD_Check = 1;
        dm.env.POD_Duplex_Check = 1;
    };
    const Case cases[] = {
        {"one-sided", [](PRIVATE_DEVMODE&) {}, {false, false, false}},
        {"two-sided", podDuplex, {false, true, false, true}},
        {"a chapter at page 2 puts a blank back before it", [&](PRIVATE_DEVMODE& dm) {
             podDuplex(dm);
             dm.env.Chapter_Check = 1;
             WORD pages[] = {2};
             SetPageSlot(GetPageSlotRecord(&dm.env), 1, 2, pages);
         }, {false, false, true, false}},
        {"one page per sheet goes front, front, back, back", [&](PRIVATE_DEVMODE& dm) {
             podDuplex(dm);
             dm.env.POD_OnePerSheet_Check = 1;
             dm.env.lpPOD_OnePerSheet = 1;
         }, {false, false, true, true, false}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_NE(Open(), nullptr);
        c.set(m_pdev->devmode.dmPrivate);
        for (size_t side = 0; side < c.backs.size(); ++side) {
            Context()->dwSheetCount = static_cast<DWORD>(side);
            EXPECT_EQ(IsBackSide(m_pdev) != FALSE, c.backs[side]) << "side " << side + 1;
        }
        NextCase();
    }

    // With a plan: the side of the current page's sheet, whatever the side number says.
    ASSERT_NE(OpenPlan(true), nullptr);
    ASSERT_EQ(SendEntries({{5, u"3"}}, 1), 1u);
    ASSERT_EQ(Sheets(), "1/2 3/4");
    Context()->dwSheetCount = 0;
    for (const auto& [page, back] : {std::pair{1, false}, {2, true}, {3, false}, {4, true}, {5, false}, {6, true}}) {
        Context()->lCurrentPage = page;
        EXPECT_EQ(IsBackSide(m_pdev) != FALSE, back) << "page " << page;
    }
}

} // namespace
