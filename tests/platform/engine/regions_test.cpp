// regions_test.cpp - region operations in canonical form: bands top to bottom, rectangles left to right, equal
// bands joined.
#include "host/engine/regions.h"

#include <gtest/gtest.h>
#include <vector>

static bool operator==(const RECTL& a, const RECTL& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

static std::ostream& operator<<(std::ostream& os, const RECTL& r)
{
    return os << "{" << r.left << "," << r.top << "," << r.right << "," << r.bottom << "}";
}

TEST(EngineRegions, CombineInCanonicalForm)
{
    using platform::engine::RegionOp;
    const std::vector<RECTL> a = {{0, 0, 4, 4}};
    const std::vector<RECTL> b = {{2, 2, 6, 6}};
    struct Case { RegionOp op; std::vector<RECTL> expected; };
    const Case cases[] = {
        {RegionOp::And,  {{2, 2, 4, 4}}},
        {RegionOp::Or,   {{0, 0, 4, 2}, {0, 2, 6, 4}, {2, 4, 6, 6}}},
        {RegionOp::Xor,  {{0, 0, 4, 2}, {0, 2, 2, 4}, {4, 2, 6, 4}, {2, 4, 6, 6}}},
        {RegionOp::Diff, {{0, 0, 4, 2}, {0, 2, 2, 4}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.op));
        EXPECT_EQ(platform::engine::CombineRegions(a, b, c.op), c.expected);
    }
    // A hole punched and filled again leaves one rectangle: equal bands are joined.
    const auto holed = platform::engine::CombineRegions({{0, 0, 6, 6}}, {{2, 2, 4, 4}}, RegionOp::Diff);
    EXPECT_EQ(holed.size(), 4u);
    EXPECT_EQ(platform::engine::CombineRegions(holed, {{2, 2, 4, 4}}, RegionOp::Or),
              (std::vector<RECTL>{{0, 0, 6, 6}}));
    EXPECT_TRUE(platform::engine::CombineRegions(a, a, RegionOp::Xor).empty());
}
