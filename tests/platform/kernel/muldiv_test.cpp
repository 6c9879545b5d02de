// muldiv_test.cpp - MulDiv: 64-bit intermediate, rounding half away from zero, -1 on overflow or zero divisor.
#include "win/windows.h"

#include <climits>
#include <gtest/gtest.h>

TEST(MulDiv, RoundsHalvesAwayFromZeroAndAnswersMinusOneOnOverflow)
{
    struct Case { int number, numerator, denominator, expected; };
    const Case cases[] = {
        {600,            254, 72,             2117},        // 2116.67: device units, rounded up
        {10,             3,   4,              8},           // 7.5 up
        {-10,            3,   4,              -8},          // -7.5 down
        {10,             -3,  4,              -8},
        {10,             3,   -4,             -8},
        {-10,            -3,  4,              8},
        {-10,            3,   -4,             8},
        {2,              1,   3,              1},
        {1,              1,   3,              0},
        {-1,             1,   3,              0},
        {0,              5,   -3,             0},
        {INT_MAX,        INT_MAX, INT_MAX,    INT_MAX},     // the product needs 62 bits
        {INT_MIN,        1,   1,              INT_MIN},
        {-(1 << 30),     4,   2,              INT_MIN},     // exactly -2^31 still fits
        {1 << 30,        4,   2,              -1},          // 2^31 does not
        {INT_MIN,        -1,  1,              -1},
        {INT_MAX,        2,   1,              -1},
        {INT_MIN,        INT_MIN, 1,          -1},
        {5,              7,   0,              -1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(MulDiv(c.number, c.numerator, c.denominator), c.expected)
            << "MulDiv(" << c.number << ", " << c.numerator << ", " << c.denominator << ")";
    }
}
