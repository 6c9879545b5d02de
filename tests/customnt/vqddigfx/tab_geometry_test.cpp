// tab_geometry_test.cpp - the tab strip and the tab text positions of A4- and Letter-based index-tab sheets.
#include "pdev_fixture.h"
#include "customnt/vqddigfx/tab_geometry.h"
#include "support/rect_compare.h"

namespace {

using TabGeometry = PdevTest;

TEST_F(TabGeometry, TheStripLiesBesideTheSheetInPixels)
{
    ASSERT_NE(Enable(DefaultDevmode()), nullptr);
    m_pdev->devmode.dmPrivate.dmPublicCopy.dmYResolution = 600;
    // A4: 2100 x 2970 and a tab to 2220 tenths of a millimetre; 5244.09 pixels of tab round up.
    EXPECT_EQ(TabStripRect(m_pdev, kTabPaperA4, 1), (RECTL{4960, 0, 5245, 7015}));
    EXPECT_EQ(TabStripRect(m_pdev, kTabPaperA4, 2), (RECTL{0, 4960, 7015, 5245}));
    // Letter: 2159 x 2794 and 2286 come to whole pixels, which stay as they are.
    EXPECT_EQ(TabStripRect(m_pdev, 1025, 1), (RECTL{5100, 0, 5400, 6600}));
}

TEST(TabPosition, TabsShareTheSheetsLengthAndTheirTextStandsOffTheEdge)
{
    struct Case {
        LONG direction; WORD paper; LONG count; LONG index; LONG start; LONG gap; LONG end; LONG offset;
        LONG alignment; LONG extent; LONG side; POINTL point;
    };
    // A4, five tabs between 10 mm margins with 2 mm gaps: each (2970 + 2 - 280) / 5 = 538 long.
    const Case cases[] = {
        {1, kTabPaperA4, 5, 2, 10, 2, 10, 1, 2, 144, 1, {1916, 1485}},   // centred on tab 3, text before the edge
        {1, kTabPaperA4, 5, 2, 10, 2, 10, 1, 2, 144, 2, {2424, 1485}},   // behind it
        {1, kTabPaperA4, 5, 1, 10, 2, 10, 1, 3, 144, 1, {1916, 1196}},   // at the end of tab 2
        {2, kTabPaperA4, 5, 1, 10, 2, 10, 1, 3, 144, 1, {1774, 1916}},   // turned: measured from the far end
        {1, 1025,        3, 0, 5,  0, 5,  0, 1, 0,   1, {2222, 50}},     // Letter: the text inset is 63
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
        POINTL point = {-1, -1};
        EXPECT_TRUE(TabPosition(c.direction, c.paper, c.count, c.index, c.start, c.gap, c.end, c.offset,
                                c.alignment, c.extent, c.side, &point));
        EXPECT_EQ(point.x, c.point.x);
        EXPECT_EQ(point.y, c.point.y);
    }
    POINTL point = {7, 7};
    EXPECT_FALSE(TabPosition(1, kTabPaperA4, 0, 0, 10, 2, 10, 1, 2, 144, 1, &point));
    EXPECT_EQ(point.x, 0);
    EXPECT_EQ(point.y, 0);
    EXPECT_FALSE(TabPosition(1, kTabPaperA4, 5, 0, 10, 2, 10, 1, 2, 144, 1, nullptr));
}

} // namespace
