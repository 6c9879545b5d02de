// tone_tables.cpp - the four tone tables and their lookup. Each table is fixed at five levels (0, 64, 128,
// 192, 255) and runs in straight lines between them, so it rises from its first entry to 255 at 255.
#include "pdl/vxcmn/vqpdlnt/tone_tables.h"

#include <array>
#include <iterator>

namespace {

struct TONE_KNOTS {
    SHORT intensity;      // 0 ends the table
    BYTE levels[5];       // the table's entries at 0, 64, 128, 192 and 255
};

constexpr BYTE kKnotIndex[5] = {0, 64, 128, 192, 255};

constexpr TONE_KNOTS kToneKnots[] = {
//    Intensity  at 0   64  128  192  255
    {  1,      {  0,  37, 102, 183, 255}},   // darker
    {  2,      {  0,  18,  73, 166, 255}},   // darker still
    { -1,      {  5,  94, 152, 201, 255}},   // lighter
    { -2,      { 16, 121, 168, 204, 255}},   // lighter still
    {  0,      {}},                          // terminator
};
static_assert(kToneKnots[std::size(kToneKnots) - 1].intensity == 0, "terminator must be last");

using ToneTable = std::array<BYTE, kToneLevels>;

// The straight line through the knots, rounded to the nearest level; the knots themselves stay exact.
constexpr ToneTable Interpolate(const BYTE (&levels)[5])
{
    ToneTable table = {};
    for (UINT segment = 0; segment < 4; ++segment) {
        const int x0 = kKnotIndex[segment], x1 = kKnotIndex[segment + 1];
        const int y0 = levels[segment], y1 = levels[segment + 1];
        for (int x = x0; x <= x1; ++x)
            table[x] = static_cast<BYTE>(y0 + ((y1 - y0) * (x - x0) * 2 + (x1 - x0)) / (2 * (x1 - x0)));
    }
    return table;
}

constexpr ToneTable kToneTables[] = {
    Interpolate(kToneKnots[0].levels),
    Interpolate(kToneKnots[1].levels),
    Interpolate(kToneKnots[2].levels),
    Interpolate(kToneKnots[3].levels),
};
static_assert(std::size(kToneTables) + 1 == std::size(kToneKnots), "one table per row of knots");

constexpr bool IsRising(const ToneTable& table)
{
    for (UINT i = 1; i < kToneLevels; ++i)
        if (table[i] < table[i - 1])
            return false;
    return table[kToneLevels - 1] == 255;
}
static_assert(IsRising(kToneTables[0]) && IsRising(kToneTables[1]) && IsRising(kToneTables[2]) &&
                  IsRising(kToneTables[3]),
              "every tone table rises to 255");

} // namespace

const BYTE* FindToneTable(SHORT intensity)
{
    for (UINT i = 0; kToneKnots[i].intensity != 0; ++i)
        if (kToneKnots[i].intensity == intensity)
            return kToneTables[i].data();
    return nullptr;
}
