// flatten_test.cpp - Bézier curves as lines: close to the curve, ending exactly at its end, and of bounded
// length for curves of any size.
#include "host/engine/flatten.h"

#include <gtest/gtest.h>
#include <cmath>

using platform::engine::FlattenBezier;

namespace {

// The distance from p to the nearest of many points along the curve.
double DistanceToCurve(const POINTFIX c[4], const POINTFIX& p)
{
    double best = 1e300;
    for (int i = 0; i <= 20000; ++i) {
        const double t = i / 20000.0, u = 1 - t;
        const double x = u * u * u * c[0].x + 3 * u * u * t * c[1].x + 3 * u * t * t * c[2].x + t * t * t * c[3].x;
        const double y = u * u * u * c[0].y + 3 * u * u * t * c[1].y + 3 * u * t * t * c[2].y + t * t * t * c[3].y;
        best = std::fmin(best, std::hypot(x - p.x, y - p.y));
    }
    return best;
}

} // namespace

TEST(FlattenBezier, FollowsTheCurveWithinAFractionOfAPixelToItsExactEnd)
{
    const POINTFIX curves[][4] = {
        {{0, 0}, {640, 0}, {640, 640}, {1280, 640}},
        {{100, 900}, {-400, -300}, {1700, -300}, {1200, 900}},   // a loop
        {{5, 5}, {5, 5}, {5, 5}, {5, 5}},                        // a point
    };
    for (const auto& c : curves) {
        SCOPED_TRACE(testing::Message() << c[1].x << "," << c[1].y);
        std::vector<POINTFIX> out;
        FlattenBezier(c[0], c[1], c[2], c[3], out);
        ASSERT_FALSE(out.empty());
        EXPECT_EQ(out.back().x, c[3].x);
        EXPECT_EQ(out.back().y, c[3].y);
        for (const POINTFIX& p : out)
            EXPECT_LE(DistanceToCurve(c, p), 1.5) << p.x << "," << p.y;   // in 28.4 units: under a tenth of a pixel
    }
    // A curve spanning the whole 28.4 range still ends in a bounded number of lines.
    std::vector<POINTFIX> huge;
    FlattenBezier({-(1 << 30), 0}, {0, 1 << 30}, {0, -(1 << 30)}, {1 << 30, 0}, huge);
    EXPECT_LE(huge.size(), 4096u);
}
