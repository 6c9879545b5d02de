// path_test.cpp - path objects from GDI's point lists: their records, flags, counts and bounds.
#include "host/engine/path.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

struct Enumerated {
    FLONG flags;
    std::vector<std::pair<FIX, FIX>> points;
    bool operator==(const Enumerated&) const = default;
};

std::vector<Enumerated> Enumerate(PATHOBJ* ppo)
{
    std::vector<Enumerated> out;
    PATHOBJ_vEnumStart(ppo);
    PATHDATA pd;
    BOOL more;
    do {
        more = PATHOBJ_bEnum(ppo, &pd);
        Enumerated e{pd.flags, {}};
        for (ULONG i = 0; i < pd.count; ++i)
            e.points.emplace_back(pd.pptfx[i].x, pd.pptfx[i].y);
        out.push_back(e);
    } while (more);
    return out;
}

} // namespace

TEST(PathObject, SplitsFiguresIntoLineAndBezierRecords)
{
    const POINTFIX points[] = {{0, 0}, {16, 0}, {32, 16}, {48, 16}, {64, 0}, {64, 32},
                               {100, 100}, {120, 100}, {110, 130}, {96, 96}};
    const BYTE types[] = {PT_MOVETO, PT_LINETO, PT_BEZIERTO, PT_BEZIERTO, PT_BEZIERTO, PT_LINETO | PT_CLOSEFIGURE,
                          PT_MOVETO, PT_BEZIERTO, PT_BEZIERTO, PT_BEZIERTO};
    auto path = platform::engine::PathObject::FromPoints(points, types, 10);
    ASSERT_NE(path, nullptr);
    const std::vector<Enumerated> expected = {
        {PD_BEGINSUBPATH | PD_RESETSTYLE, {{0, 0}, {16, 0}}},
        {PD_BEZIERS, {{32, 16}, {48, 16}, {64, 0}}},
        {PD_ENDSUBPATH | PD_CLOSEFIGURE, {{64, 32}}},
        {PD_BEGINSUBPATH | PD_RESETSTYLE | PD_BEZIERS | PD_ENDSUBPATH, {{100, 100}, {120, 100}, {110, 130}, {96, 96}}},
    };
    EXPECT_EQ(Enumerate(path->get()), expected);
    EXPECT_EQ(Enumerate(path->get()), expected);   // a second enumeration starts over
    EXPECT_EQ(path->get()->fl & PO_BEZIERS, static_cast<FLONG>(PO_BEZIERS));
    EXPECT_EQ(path->get()->fl & PO_ALL_INTEGERS, 0u);   // 100 is not a whole pixel in 28.4
    EXPECT_EQ(path->get()->cCurves, 1u + 1 + 1 + 1 + 1);   // line, curve, line, closing line; curve

    RECTFX bounds;
    PATHOBJ_vGetBounds(path->get(), &bounds);
    EXPECT_EQ(bounds.xLeft, 0);
    EXPECT_EQ(bounds.yTop, 0);
    EXPECT_EQ(bounds.xRight, 120);
    EXPECT_EQ(bounds.yBottom, 130);
}

TEST(PathObject, RefusesListsThatAreNotPaths)
{
    const POINTFIX points[4] = {};
    struct Case { std::vector<BYTE> types; };
    const Case cases[] = {
        {{PT_LINETO, PT_LINETO}},                              // no move first
        {{PT_MOVETO, PT_BEZIERTO, PT_BEZIERTO}},               // a curve needs three points
        {{PT_MOVETO, PT_BEZIERTO, PT_LINETO, PT_BEZIERTO}},
        {{PT_MOVETO, 0x30}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
        EXPECT_EQ(platform::engine::PathObject::FromPoints(points, c.types.data(), static_cast<ULONG>(c.types.size())),
                  nullptr);
    }
    EXPECT_EQ(platform::engine::PathObject::FromPoints(nullptr, nullptr, 2), nullptr);
}

TEST(PathObject, EnumeratingAnEmptyOrForeignPathEndsAtOnce)
{
    auto empty = platform::engine::PathObject::FromPoints(nullptr, nullptr, 0);
    ASSERT_NE(empty, nullptr);
    PATHDATA pd = {1, 1, nullptr};
    EXPECT_FALSE(PATHOBJ_bEnum(empty->get(), &pd));
    EXPECT_EQ(pd.count, 0u);
    PATHOBJ foreign = {};
    EXPECT_FALSE(PATHOBJ_bEnum(&foreign, &pd));
    EngDeletePath(empty->get());   // not the driver's to delete: still enumerable
    EXPECT_FALSE(PATHOBJ_bEnum(empty->get(), &pd));
}
