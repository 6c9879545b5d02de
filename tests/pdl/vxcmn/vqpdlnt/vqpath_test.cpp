// vqpath_test.cpp - path fills and strokes with their exact commands, the grouped and plain path writers, the
// halving of Bézier curves, small fills at a reduced N-up scale, every clip kind with what the writer
// remembers of it, the rop writers, and the page's blank mark.
#include "path_fixture.h"
#include "support/job_text.h"
#include "pdl/vxcmn/vqpdlnt/job_control.h"
#include "pdl/vxcmn/vqpdlnt/page_setup.h"

#include <algorithm>
#include <cstring>
#include <iterator>

namespace {

using Paths = PathWriterTest;
using Clips = PathWriterTest;

LINEATTRS CosmeticLine()
{
    LINEATTRS la = {};
    la.elWidth.l = 1;
    la.eMiterLimit = 10.0f;
    return la;
}

TEST_F(Paths, AFillWritesItsGroupedPathTheRuleAndAnOutlineInTheFillBrush)
{
    ASSERT_NE(OpenPage(), nullptr);
    PATHOBJ* triangle = Path({{10, 20, PT_MOVETO}, {40, 20, PT_LINETO}, {40, 60, PT_LINETO | PT_CLOSEFIGURE}});
    EXPECT_TRUE(PdlFillPath(&m_surface, triangle, nullptr, Solid(0), nullptr, 0x0D0D, FP_WINDINGMODE));
    // The rop "pen" does not read the page: the outline is stroked one pixel wide with the fill's brush.
    EXPECT_EQ(Take(), "rop 2 #0D;\nbrs 0;\nphb 1;\nmta 10 20;\nltr 2 30 0 0 40;\nphc;\nphe;\nphf n 0 1;\n"
                      "brc 10 #00;\nlnc 0 0 %1 F M %10 0;\nlns 0;\nphs 0 1;\n");
    // Under XOR (reads the page) an outline would darken the edge twice: none is drawn.
    EXPECT_TRUE(PdlFillPath(&m_surface, triangle, nullptr, Solid(0x0000FF), nullptr, 0x0707, FP_ALTERNATEMODE));
    EXPECT_EQ(Take(), "rop 2 #07;\nbrc 2 #4C4C4C;\nbrs 2;\nphb 1;\nmta 10 20;\nltr 2 30 0 0 40;\nphc;\nphe;\n"
                      "phf e 2 1;\n");
    // Neither fill rule: the path is written but not filled, and the call fails.
    EXPECT_FALSE(PdlFillPath(&m_surface, triangle, nullptr, Solid(0x0000FF), nullptr, 0x0707, 0));
    EXPECT_EQ(Take(), "phb 1;\nmta 10 20;\nltr 2 30 0 0 40;\nphc;\nphe;\n");
    // No brush: the path alone.
    EXPECT_TRUE(PdlFillPath(&m_surface, triangle, nullptr, nullptr, nullptr, 0x0707, FP_WINDINGMODE));
    EXPECT_EQ(Take(), "brs -1;\nphb 1;\nmta 10 20;\nltr 2 30 0 0 40;\nphc;\nphe;\n");
}

TEST_F(Paths, SubPathsAreWrittenRunByRunAsStepsFromTheLastPointAndOnlyClosedOnesClosed)
{
    ASSERT_NE(OpenPage(), nullptr);
    // Two figures: an open one of lines, a curve and lines again; a closed one of a curve. In 28.4 units,
    // so fractions are dropped towards minus infinity (-8 is pixel -1).
    PATHOBJ* path = Path({{160, 160, PT_MOVETO}, {320, 168, PT_LINETO}, {-8, 480, PT_LINETO},
                          {0, 0, PT_BEZIERTO}, {16, 0, PT_BEZIERTO}, {32, 32, PT_BEZIERTO},
                          {48, 48, PT_LINETO}, {1600, 1600, PT_MOVETO}, {1600, 3200, PT_BEZIERTO},
                          {3200, 3200, PT_BEZIERTO}, {3200, 1600, PT_BEZIERTO | PT_CLOSEFIGURE}},
                         /*fix=*/true);
    ASSERT_NE(path, nullptr);
    LINEATTRS la = CosmeticLine();
    EXPECT_TRUE(PdlStrokePath(&m_surface, path, nullptr, nullptr, Solid(0), nullptr, &la, 0x0D0D));
    EXPECT_EQ(Take(), "rop 2 #0D;\nphb 1;\nmta 10 10;\nltr 2 10 0 -21 20;\nbzr 1 1 -30 1 0 1 2;\nltr 1 1 1;\n"
                      "mta 100 100;\nbzr 1 0 100 100 0 0 -100;\nphc;\nphe;\n"
                      "brc 10 #00;\nlnc 0 10 %1 F M %10 0;\nlns 0;\nphs 0 1;\n");
    // Strokes never come from a cache: the same stroke again is written again.
    EXPECT_TRUE(PdlStrokePath(&m_surface, path, nullptr, nullptr, Solid(0), nullptr, &la, 0x0D0D));
    const std::string again = Take();
    EXPECT_EQ(CountOf(again, "phb 1;\n"), 1u) << again;
    EXPECT_EQ(CountOf(again, "phs 0 1;\n"), 1u) << again;
}

TEST_F(Paths, AGeometricPenStrokesNothingAndFails)
{
    ASSERT_NE(OpenPage(), nullptr);
    PATHOBJ* line = Path({{0, 0, PT_MOVETO}, {100, 0, PT_LINETO}});
    LINEATTRS geometric = CosmeticLine();
    geometric.fl = LA_GEOMETRIC;
    EXPECT_FALSE(PdlStrokePath(&m_surface, line, nullptr, nullptr, Solid(0), nullptr, &geometric, 0x0D0D));
    const std::string written = Take();
    EXPECT_EQ(written, "rop 2 #0D;\nphb 1;\nmta 0 0;\nltr 1 100 0;\nphe;\nbrc 10 #00;\nrem geometric pen;\nlns 0;\n");
    EXPECT_EQ(PdlGetDrawKind(m_pdev), 1) << "nothing was drawn";
    // The pen writer's line style 0 stays unused: a later fill of the same rop strokes its outline in it.
    LINEATTRS cosmetic = CosmeticLine();
    EXPECT_FALSE(PdlStrokeAndFillPath(&m_surface, line, nullptr, nullptr, Solid(0), &geometric, Solid(0), nullptr,
                                      0x0D0D, FP_WINDINGMODE));
    EXPECT_EQ(Take(), "phb 1;\nmta 0 0;\nltr 1 100 0;\nphe;\nbrs 0;\nphf n 0 1;\nrem geometric pen;\n");
    EXPECT_TRUE(PdlStrokeAndFillPath(&m_surface, line, nullptr, nullptr, Solid(0xFFFFFF), &cosmetic, Solid(0),
                                     nullptr, 0x0D0D, FP_ALTERNATEMODE));
    EXPECT_EQ(Take(), "phb 1;\nmta 0 0;\nltr 1 100 0;\nphe;\nphf e 0 1;\nbrc 10 #FFFFFF;\nlnc 0 10 %1 F M %10 0;\n"
                      "phs 0 1;\n");
}

TEST_F(Paths, ACurveIsSentInHalvesOnlyWhenItLiesFlatButAHalfOfItBends)
{
    ASSERT_NE(OpenPage(), nullptr);
    struct Case {
        const char* name;
        PathPoint points[4];
        std::string curve;
    };
    const Case cases[] = {
        // The middle (50, 0) lies on the chord, each half strays 2.8 pixels from its own: two halves.
        {"an S across a level chord", {{0, 0, PT_MOVETO}, {0, -10, PT_BEZIERTO}, {100, 10, PT_BEZIERTO},
                                       {100, 0, PT_BEZIERTO}},
         "bzr 2 0 -5 25 2 25 3 25 2 25 3 0 -5;\n"},
        {"the same S on a level chord", {{0, 0, PT_MOVETO}, {-10, 0, PT_BEZIERTO}, {10, 100, PT_BEZIERTO},
                                         {0, 100, PT_BEZIERTO}},
         "bzr 2 -5 0 2 25 3 25 2 25 3 25 -5 0;\n"},
        // A gentle S whose halves stray less than 28 units (1.75 pixels): sent whole.
        {"a gentle S", {{0, 0, PT_MOVETO}, {0, -4, PT_BEZIERTO}, {100, 4, PT_BEZIERTO}, {100, 0, PT_BEZIERTO}},
         "bzr 1 0 -4 100 8 0 -4;\n"},
        // A bulging arch: its middle is 75 pixels from the chord; the printer takes it whole.
        {"an arch", {{0, 0, PT_MOVETO}, {100, 100, PT_BEZIERTO}, {200, 100, PT_BEZIERTO}, {300, 0, PT_BEZIERTO}},
         "bzr 1 100 100 100 0 100 -100;\n"},
        // A slanted chord, measured in floating point: the middle lies on it, a half's middle 2 pixels off
        // its own.
        {"an S across a slanted chord", {{0, 0, PT_MOVETO}, {0, -10, PT_BEZIERTO}, {100, 110, PT_BEZIERTO},
                                         {100, 100, PT_BEZIERTO}},
         "bzr 2 0 -5 25 27 25 28 25 27 25 28 0 -5;\n"},
        // A loop back to its start: the chord is a point, its middle 6 pixels off it.
        {"a loop", {{0, 0, PT_MOVETO}, {0, 8, PT_BEZIERTO}, {8, 8, PT_BEZIERTO}, {0, 0, PT_BEZIERTO}},
         "bzr 1 0 8 8 0 -8 -8;\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PATHOBJ* path = Path({c.points[0], c.points[1], c.points[2], c.points[3]});
        ASSERT_TRUE(UpdatePath(m_pdev, path, kPathGrouped, nullptr, FALSE));
        const std::string start = "phb 1;\nmta 0 0;\n";
        EXPECT_EQ(Take(), start + c.curve + "phe;\n");
    }
}

TEST_F(Paths, SmallFillsAtAReducedScaleKeepTheirThinSides)
{
    ASSERT_NE(OpenPage(), nullptr);
    m_pdev->ulScale = 5000;
    m_pdev->xOffset = 100;
    m_pdev->yOffset = 200;
    struct Case {
        const char* name;
        std::vector<PathPoint> points;
        MIX mix;
        std::string path;
    };
    const Case cases[] = {
        // One pixel wide: at half scale its corners meet, so its steps go unscaled where they are 1.
        {"a thin bar", {{10, 10, PT_MOVETO}, {11, 10, PT_LINETO}, {11, 40, PT_LINETO}, {10, 40, PT_LINETO}},
         0x0D0D, "mta 105 205;\nltr 3 1 0 0 15 -1 0;\n"},
        {"a thin bar back to its start", {{10, 10, PT_MOVETO}, {11, 10, PT_LINETO}, {11, 40, PT_LINETO},
                                          {10, 40, PT_LINETO}, {10, 10, PT_LINETO}},
         0x0D0D, "mta 105 205;\nltr 4 1 0 0 15 -1 0 0 -15;\n"},
        {"a wide box", {{10, 10, PT_MOVETO}, {50, 10, PT_LINETO}, {50, 40, PT_LINETO}, {10, 40, PT_LINETO}},
         0x0D0D, "mta 105 205;\nltr 3 20 0 0 15 -20 0;\n"},
        // Five to eight points always count as small.
        {"a pentagon", {{10, 10, PT_MOVETO}, {50, 10, PT_LINETO}, {51, 40, PT_LINETO}, {30, 60, PT_LINETO},
                        {10, 40, PT_LINETO}},
         0x0D0D, "mta 105 205;\nltr 4 20 0 1 15 -10 10 -10 -10;\n"},
        {"nine points", {{0, 0, PT_MOVETO}, {1, 0, PT_LINETO}, {2, 0, PT_LINETO}, {3, 0, PT_LINETO},
                         {4, 0, PT_LINETO}, {4, 1, PT_LINETO}, {3, 1, PT_LINETO}, {2, 1, PT_LINETO},
                         {1, 1, PT_LINETO}, {0, 1, PT_LINETO}},
         0x0D0D, "mta 100 200;\nltr 9 0 0 1 0 0 0 1 0 0 0 -1 0 0 0 -1 0 0 0;\n"},
        {"a thin bar under XOR", {{10, 10, PT_MOVETO}, {11, 10, PT_LINETO}, {11, 40, PT_LINETO},
                                  {10, 40, PT_LINETO}},
         0x0707, "mta 105 205;\nltr 3 0 0 0 15 0 0;\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<POINTFIX> fixes;
        std::vector<BYTE> types;
        for (const PathPoint& p : c.points) {
            fixes.push_back({p.x * 16, p.y * 16});
            types.push_back(p.type);
        }
        types.back() |= PT_CLOSEFIGURE;
        auto path = platform::engine::PathObject::FromPoints(fixes.data(), types.data(),
                                                             static_cast<ULONG>(fixes.size()));
        PdlOutputRop2(m_pdev, c.mix);
        Take();
        ASSERT_TRUE(UpdatePath(m_pdev, path->get(), kPathGrouped, nullptr, /*bFill=*/TRUE));
        EXPECT_EQ(Take(), "phb 1;\n" + c.path + "phc;\nphe;\n");
        ASSERT_TRUE(UpdatePath(m_pdev, path->get(), kPathGrouped, nullptr, /*bFill=*/FALSE));
        EXPECT_EQ(CountOf(Take(), "ltr"), 1u) << "a stroke of it is scaled as it is";
    }
}

TEST_F(Paths, AtFullScalePointsAreOnlyShiftedToPixels)
{
    ASSERT_NE(OpenPage(), nullptr);
    PATHOBJ* path = Path({{-1, -17, PT_MOVETO}, {15, 16, PT_LINETO}, {33, 47, PT_LINETO}}, /*fix=*/true);
    ASSERT_TRUE(UpdatePath(m_pdev, path, kPathGrouped, nullptr, TRUE));
    EXPECT_EQ(Take(), "phb 1;\nmta -1 -2;\nltr 2 1 3 2 1;\nphe;\n");
}

TEST_F(Paths, ThePlainWriterKeepsTheClipPathAndRejectsBrokenCurves)
{
    ASSERT_NE(OpenPage(), nullptr);
    PATHOBJ* path = Path({{0, 0, PT_MOVETO}, {10, 0, PT_LINETO}, {10, 10, PT_LINETO | PT_CLOSEFIGURE},
                          {20, 20, PT_MOVETO}, {20, 30, PT_BEZIERTO}, {30, 30, PT_BEZIERTO}, {30, 20, PT_BEZIERTO}});
    BOOL drawn = FALSE;
    ASSERT_TRUE(UpdatePath(m_pdev, path, kPathClip, &drawn, FALSE));
    EXPECT_TRUE(drawn);
    const std::string plain = "phb 3;\nmta 0 0;\nltr 2 10 0 0 10;\nphc;\nmta 20 20;\nbzr 1 0 10 10 0 0 -10;\nphe;\n";
    EXPECT_EQ(Take(), plain);
    ASSERT_TRUE(UpdatePath(m_pdev, path, kPathClip, &drawn, FALSE));
    EXPECT_EQ(Take(), "") << "the printer still has this path";
    EXPECT_FALSE(drawn);
    PdlResetPathCache(m_pdev);
    ASSERT_TRUE(UpdatePath(m_pdev, path, kPathClip, nullptr, FALSE));
    EXPECT_EQ(Take(), plain) << "after the cache was forgotten";

    // A curve record with four points after its start.
    PATHOBJ* broken = Path({{0, 0, PT_MOVETO}, {0, 10, PT_BEZIERTO}, {10, 10, PT_BEZIERTO}, {10, 0, PT_BEZIERTO}});
    RecordsOfLastPath()[0].points.push_back({320, 0});
    SetLastError(0);
    EXPECT_FALSE(UpdatePath(m_pdev, broken, kPathClip, nullptr, FALSE));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    EXPECT_EQ(Take(), "phb 3;\nmta 0 0;\nrem path bzr parameter error;\nphe;\nphd;\n");
    ASSERT_TRUE(UpdatePath(m_pdev, path, kPathClip, nullptr, FALSE));
    EXPECT_EQ(Take(), plain) << "a failed path leaves no cache behind";
}

TEST_F(Paths, APathTooLongForTheCacheIsWrittenEveryTime)
{
    ASSERT_NE(OpenPage(), nullptr);
    // 129 records: one more than the cache keeps.
    std::vector<POINTFIX> points;
    std::vector<BYTE> types;
    for (LONG i = 0; i < 129; ++i) {
        points.push_back({i * 16, 0});
        types.push_back(PT_MOVETO);
        points.push_back({i * 16, 160});
        types.push_back(PT_LINETO);
    }
    auto path = platform::engine::PathObject::FromPoints(points.data(), types.data(),
                                                         static_cast<ULONG>(points.size()));
    ASSERT_TRUE(UpdatePath(m_pdev, path->get(), kPathClip, nullptr, FALSE));
    EXPECT_EQ(CountOf(Take(), "mta "), 129u);
    ASSERT_TRUE(UpdatePath(m_pdev, path->get(), kPathClip, nullptr, FALSE));
    EXPECT_EQ(CountOf(Take(), "mta "), 129u);
}

TEST_F(Paths, PageAdditionsFillInTheirOwnRopWithADitherCell)
{
    ASSERT_NE(OpenPage(), nullptr);
    PATHOBJ* box = Path({{0, 0, PT_MOVETO}, {8, 0, PT_LINETO}, {8, 8, PT_LINETO | PT_CLOSEFIGURE}});
    PdlBeginPageAdditions(m_pdev, 2);
    EXPECT_TRUE(PdlFillPath(&m_surface, box, nullptr, Solid(0xFFFFFF), nullptr, 0x0D0D, FP_WINDINGMODE));
    const std::string additions = Take();
    EXPECT_EQ(additions.substr(0, 11), "rop 2 #09;\n") << additions;
    EXPECT_NE(additions.find("brs 11;\nphb 1;"), std::string::npos) << "the empty dither cell in slot 11";
    EXPECT_EQ(PdlGetDrawKind(m_pdev), 1) << "page additions never mark the page";
    PdlEndPageAdditions(m_pdev);
}

TEST_F(Paths, OnlyInkMarksThePage)
{
    ASSERT_NE(OpenPage(), nullptr);
    PATHOBJ* box = Path({{0, 0, PT_MOVETO}, {8, 0, PT_LINETO}, {8, 8, PT_LINETO | PT_CLOSEFIGURE}});
    LINEATTRS la = CosmeticLine();
    struct Case {
        const char* name;
        ULONG fill;   // 0xFFFFFFFF: no fill brush
        MIX mix;
        BYTE drawKind;
    };
    const Case cases[] = {
        {"white under pen", 0xFFFFFF, 0x0D0D, 1},
        {"black under white", 0x000000, 0x1010, 1},
        {"white under merge", 0xFFFFFF, 0x0F0F, 0},
        {"black under pen", 0x000000, 0x0D0D, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PdlSetDrawKind(m_pdev, 1);
        EXPECT_TRUE(PdlFillPath(&m_surface, box, nullptr, Solid(c.fill), nullptr, c.mix, FP_WINDINGMODE));
        EXPECT_EQ(PdlGetDrawKind(m_pdev), c.drawKind);
    }
    PdlSetDrawKind(m_pdev, 1);
    EXPECT_TRUE(PdlStrokePath(&m_surface, box, nullptr, nullptr, Solid(0xFFFFFF), nullptr, &la, 0x0D0D));
    EXPECT_EQ(PdlGetDrawKind(m_pdev), 1) << "a white line";
    EXPECT_TRUE(PdlStrokePath(&m_surface, box, nullptr, nullptr, Solid(0x808080), nullptr, &la, 0x0D0D));
    EXPECT_EQ(PdlGetDrawKind(m_pdev), 0) << "a gray line";
}

TEST_F(Paths, AFailedOutputOrAStalePdevStopsAPathAtOnce)
{
    ASSERT_NE(OpenPage(), nullptr);
    PATHOBJ* box = Path({{0, 0, PT_MOVETO}, {8, 0, PT_LINETO}, {8, 8, PT_LINETO | PT_CLOSEFIGURE}});
    m_pdev->dwFlags |= PDEVF_OUTPUT_FAILED;
    EXPECT_FALSE(PdlFillPath(&m_surface, box, nullptr, Solid(0), nullptr, 0x0D0D, FP_WINDINGMODE));
    m_pdev->dwFlags &= ~PDEVF_OUTPUT_FAILED;
    SURFOBJ stale = m_surface;
    stale.dhpdev = nullptr;
    SetLastError(0);
    EXPECT_FALSE(PdlFillPath(&stale, box, nullptr, Solid(0), nullptr, 0x0D0D, FP_WINDINGMODE));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    EXPECT_EQ(Take(), "");
}

TEST_F(Paths, RopsAreWrittenWhenTheyChange)
{
    ASSERT_NE(OpenPage(), nullptr);
    PdlOutputRop2(m_pdev, 0x0D0D);
    PdlOutputRop2(m_pdev, 0x0D0D);
    PdlOutputRop2(m_pdev, 0x060D);   // the same code for the pen, another for a hatch's background
    PdlOutputRop3(m_pdev, 0xCC);
    PdlOutputRop3(m_pdev, 0xCC);
    PdlOutputRop3(m_pdev, 0x66);
    EXPECT_EQ(Take(), "rop 2 #0D;\nrop 2 #0D;\nrop 3 #CC;\nrop 3 #66;\n");
    EXPECT_EQ(PdlGetRop2(m_pdev), 0x0D);
    PdlResetPageState(m_pdev);
    PdlOutputRop2(m_pdev, 0x060D);
    PdlOutputRop3(m_pdev, 0x66);
    EXPECT_EQ(Take(), "rop 2 #0D;\nrop 3 #66;\n") << "a new page forgets the rops";

    for (ULONG code = 0; code <= 17; ++code) {
        const bool blind = code == R2_BLACK || code == R2_NOTCOPYPEN || code == R2_COPYPEN || code == R2_WHITE;
        EXPECT_EQ(PdlRopReadsDestination(code), blind ? FALSE : TRUE) << "rop2 " << code;
    }
    const ULONG pageBlind[] = {0, 3, 12, 15, 48, 51, 60, 63, 192, 195, 204, 207, 240, 243, 252, 255};
    int blindCount = 0;
    for (ULONG rop3 = 0; rop3 <= 0xFF; ++rop3) {
        const bool blind = std::find(std::begin(pageBlind), std::end(pageBlind), rop3) != std::end(pageBlind);
        blindCount += PdlRop3ReadsDestination(rop3) ? 0 : 1;
        EXPECT_EQ(PdlRop3ReadsDestination(rop3), blind ? FALSE : TRUE) << "rop3 " << rop3;
    }
    EXPECT_EQ(blindCount, 16);
}

TEST_F(Clips, EachKindIsWrittenOnceAndSelectedWhenItChanges)
{
    ASSERT_NE(OpenPage(), nullptr);   // the page clip in slot 0 and kind 0 are set
    CLIPOBJ line = {};                // GDI hands no such clip, but a scaled one may become it
    line.iDComplexity = DC_RECT;
    line.rclBounds = {5, 5, 5, 9};
    struct Case {
        const char* name;
        CLIPOBJ* clip;
        std::string expected;
    };
    const Case cases[] = {
        {"no clip: the page, already held", nullptr, ""},
        {"unbounded, always written", kClipUnbounded, "cpc 0 0 0 10000 10000;\n"},
        {"unbounded again", kClipUnbounded, "cpc 0 0 0 10000 10000;\n"},
        {"no clip: the page again", nullptr, "cpc 0 0 0 4768 6822;\n"},
        {"trivial", TrivialClip({0, 0, 100, 100}), ""},
        {"a rectangle", Clip({{10, 20, 30, 40}}), "cpc 1 10 20 30 40;\ncps 1;\n"},
        {"the same rectangle", Clip({{10, 20, 30, 40}}), ""},
        {"the page as a rectangle", Clip({{0, 0, 4768, 6822}}), "cps 0;\n"},
        {"the rectangle again: slot 1 still has it", Clip({{10, 20, 30, 40}}), "cps 1;\n"},
        {"a rectangle of no width", &line, "cpc 1 5 5 6 9;\n"},
        // A band one pixel high, then a wider one below: steps from the bounds, then from the rectangle before.
        {"a rectangle list", Clip({{10, 10, 20, 11}, {15, 11, 40, 20}}),
         "cpb 4 10 10 40 20;\ncsr 0 0 10;\ncsr 5 1 25 9;\ncpe;\ncps 4;\n"},
        {"the same list from another clip object", Clip({{10, 10, 20, 11}, {15, 11, 40, 20}}), ""},
        {"trivial after a list", TrivialClip({0, 0, 100, 100}), "cps 0;\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_TRUE(PdlOutputClip(m_pdev, c.clip, nullptr));
        EXPECT_EQ(Take(), c.expected);
    }
}

TEST_F(Clips, ARectangleListIsKeptByItsIdentityOrItsRectangles)
{
    ASSERT_NE(OpenPage(), nullptr);
    CLIPOBJ* list = Clip({{0, 0, 10, 10}, {20, 0, 30, 10}});
    const std::string written = "cpb 4 0 0 30 10;\ncsr 0 0 10 10;\ncsr 20 0 10 10;\ncpe;\n";
    EXPECT_TRUE(PdlOutputClip(m_pdev, list, nullptr));
    EXPECT_EQ(Take(), written + "cps 4;\n");
    EXPECT_TRUE(PdlOutputClip(m_pdev, list, nullptr));
    EXPECT_EQ(Take(), "") << "the same clip object";
    CLIPOBJ* other = Clip({{0, 0, 10, 10}, {20, 0, 31, 10}});
    EXPECT_TRUE(PdlOutputClip(m_pdev, other, nullptr));
    EXPECT_EQ(Take(), "cpb 4 0 0 31 10;\ncsr 0 0 10 10;\ncsr 20 0 11 10;\ncpe;\n");
    // A clip without an identity is written every time and leaves nothing remembered.
    list->iUniq = 0;
    EXPECT_TRUE(PdlOutputClip(m_pdev, list, nullptr));
    EXPECT_EQ(Take(), written);
    EXPECT_TRUE(PdlOutputClip(m_pdev, list, nullptr));
    EXPECT_EQ(Take(), written);
    EXPECT_TRUE(PdlOutputClip(m_pdev, other, nullptr));
    EXPECT_EQ(Take(), "cpb 4 0 0 31 10;\ncsr 0 0 10 10;\ncsr 20 0 11 10;\ncpe;\n")
        << "the list before the unnamed one is no longer held";
    // A new sheet: the printer holds no clip.
    PdlSendPageStep(m_pdev);
    EXPECT_TRUE(PdlOutputClip(m_pdev, other, nullptr));
    EXPECT_EQ(Take(), "cpb 4 0 0 31 10;\ncsr 0 0 10 10;\ncsr 20 0 11 10;\ncpe;\ncps 4;\n");
}

TEST_F(Clips, TheBrowsersFourPointFillsAreClippedByTheRectanglesTheyTouch)
{
    ASSERT_NE(OpenPage(), nullptr);
    const std::u16string browser = u"IExplore.EXE";
    std::memcpy(Context()->szAppName, browser.c_str(), (browser.size() + 1) * sizeof(WCHAR));
    CLIPOBJ* cells = Clip({{0, 0, 10, 10}, {20, 0, 30, 10}, {40, 0, 50, 10}});
    PATHOBJ* cell = Path({{22, 2, PT_MOVETO}, {28, 2, PT_LINETO}, {28, 8, PT_LINETO}, {22, 8, PT_LINETO}});
    EXPECT_TRUE(PdlFillPath(&m_surface, cell, cells, nullptr, nullptr, 0x0D0D, FP_WINDINGMODE));
    EXPECT_EQ(Take().substr(0, 48), "cpb 4 20 0 30 10;\ncsr 0 0 10 10;\ncpe;\ncps 4;\nrop");
    // The same clip object for the next cell: the browser's identities do not name a list.
    PATHOBJ* next = Path({{42, 2, PT_MOVETO}, {48, 2, PT_LINETO}, {48, 8, PT_LINETO}, {42, 8, PT_LINETO}});
    EXPECT_TRUE(PdlFillPath(&m_surface, next, cells, nullptr, nullptr, 0x0D0D, FP_WINDINGMODE));
    EXPECT_EQ(Take().substr(0, 33), "cpb 4 40 0 50 10;\ncsr 0 0 10 10;\n");
    // A fill over every cell keeps the whole list, as does one that touches none.
    PATHOBJ* all = Path({{0, 0, PT_MOVETO}, {50, 0, PT_LINETO}, {50, 10, PT_LINETO}, {0, 10, PT_LINETO}});
    EXPECT_TRUE(PdlFillPath(&m_surface, all, cells, nullptr, nullptr, 0x0D0D, FP_WINDINGMODE));
    EXPECT_EQ(Take().substr(0, 19), "cpb 4 0 0 50 10;\ncs");
    PATHOBJ* none = Path({{0, 20, PT_MOVETO}, {50, 20, PT_LINETO}, {50, 30, PT_LINETO}, {0, 30, PT_LINETO}});
    EXPECT_TRUE(PdlFillPath(&m_surface, none, cells, nullptr, nullptr, 0x0D0D, FP_WINDINGMODE));
    EXPECT_EQ(Take().substr(0, 7), "phb 1;\n") << "the whole list, which the printer already holds";
}

TEST_F(Clips, APathClipIsWrittenOnceAndSelectedByCpp)
{
    ASSERT_NE(OpenPage(), nullptr);
    CLIPOBJ* clip = Clip({{0, 0, 10, 10}, {20, 0, 30, 10}});
    clip->iMode = TC_PATHOBJ;
    EXPECT_TRUE(PdlOutputClip(m_pdev, clip, nullptr));
    EXPECT_EQ(Take(), "phb 3;\nmta 0 0;\nltr 3 10 0 0 10 -10 0;\nphc;\nmta 20 0;\nltr 3 10 0 0 10 -10 0;\nphc;\n"
                      "phe;\ncpp 3 3 e;\ncps 3;\n");
    EXPECT_TRUE(PdlOutputClip(m_pdev, clip, nullptr));
    EXPECT_EQ(Take(), "cpp 3 3 e;\n") << "the printer still holds the path";
    // A clip of a kind the writer does not know, and one whose path cannot be had.
    clip->iMode = 7;
    EXPECT_FALSE(PdlOutputClip(m_pdev, clip, nullptr));
    CLIPOBJ foreign = {};
    foreign.iDComplexity = DC_COMPLEX;
    foreign.iMode = TC_PATHOBJ;
    EXPECT_FALSE(PdlOutputClip(m_pdev, &foreign, nullptr));
    EXPECT_EQ(Take(), "");
}

TEST_F(Clips, WhileTheApplicationClipsToAPathNoClipIsWritten)
{
    ASSERT_NE(OpenPage(), nullptr);
    WORD mode = CLIP_SAVE;
    EXPECT_EQ(PdlEscape(m_pdev, CLIP_TO_PATH, sizeof mode, &mode, 0, nullptr), 1u);
    EXPECT_TRUE(PdlOutputClip(m_pdev, Clip({{10, 20, 30, 40}}), nullptr));
    EXPECT_TRUE(PdlOutputClip(m_pdev, kClipUnbounded, nullptr));
    // The application's path becomes the clip path.
    PATHOBJ* box = Path({{0, 0, PT_MOVETO}, {8, 0, PT_LINETO}, {8, 8, PT_LINETO | PT_CLOSEFIGURE}});
    LINEATTRS la = CosmeticLine();
    EXPECT_TRUE(PdlStrokePath(&m_surface, box, Clip({{10, 20, 30, 40}}), nullptr, Solid(0), nullptr, &la, 0x0D0D));
    EXPECT_EQ(Take().substr(0, 27), "rop 2 #0D;\nphb 3;\nmta 0 0;\n");
    mode = CLIP_INCLUSIVE;
    EXPECT_EQ(PdlEscape(m_pdev, CLIP_TO_PATH, sizeof mode, &mode, 0, nullptr), 1u);
    EXPECT_EQ(Take(), "cpp 3 3 e;\nphd 3;\n");
    mode = CLIP_RESTORE;
    EXPECT_EQ(PdlEscape(m_pdev, CLIP_TO_PATH, sizeof mode, &mode, 0, nullptr), 1u);
    EXPECT_TRUE(PdlOutputClip(m_pdev, nullptr, nullptr));
    EXPECT_EQ(Take(), "cps 0;\n") << "after the restore the drawing's own clip is selected";
}

TEST_F(Clips, ScalingMovesAndShrinksClipsButKeepsThemAPixelWide)
{
    ASSERT_NE(OpenPage(), nullptr);
    m_pdev->ulScale = 5000;
    m_pdev->xOffset = 100;
    m_pdev->yOffset = 200;
    EXPECT_TRUE(PdlOutputClip(m_pdev, Clip({{10, 20, 11, 60}}), nullptr));
    EXPECT_EQ(Take(), "cpc 1 105 210 106 230;\ncps 1;\n");
    EXPECT_TRUE(PdlOutputClip(m_pdev, Clip({{0, 0, 10, 1}, {0, 1, 30, 40}}), nullptr));
    // The one-pixel band shrinks to nothing and is kept a pixel high.
    EXPECT_EQ(Take(), "cpb 4 100 200 115 220;\ncsr 0 0 5;\ncsr 0 0 15 20;\ncpe;\ncps 4;\n");
}

} // namespace
