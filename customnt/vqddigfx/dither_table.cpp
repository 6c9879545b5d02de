// dither_table.cpp - the raster dither's 64 patterns, made at compile time from an 8 x 8 ordered-dither
// (Bayer) threshold matrix: a pixel is white when its threshold lies below the level's number of white pixels,
// so each level holds every white pixel of the levels below it and the patterns stay evenly spread.
#include "customnt/vqddigfx/dither_table.h"

#include <array>

namespace {

constexpr BYTE kThresholds[8][8] = {
    { 0, 32,  8, 40,  2, 34, 10, 42},
    {48, 16, 56, 24, 50, 18, 58, 26},
    {12, 44,  4, 36, 14, 46,  6, 38},
    {60, 28, 52, 20, 62, 30, 54, 22},
    { 3, 35, 11, 43,  1, 33,  9, 41},
    {51, 19, 59, 27, 49, 17, 57, 25},
    {15, 47,  7, 39, 13, 45,  5, 37},
    {63, 31, 55, 23, 61, 29, 53, 21},
};

using DitherPatterns = std::array<std::array<BYTE, 8>, kDitherLevels>;

constexpr DitherPatterns MakePatterns()
{
    DitherPatterns patterns{};
    for (unsigned level = 0; level < kDitherLevels; ++level) {
        const unsigned whitePixels = (level * 64 + 31) / 63;   // 0 at level 0, all 64 at level 63
        for (unsigned y = 0; y < 8; ++y) {
            BYTE row = 0;
            for (unsigned x = 0; x < 8; ++x)
                if (kThresholds[y][x] < whitePixels)
                    row |= static_cast<BYTE>(0x80 >> x);
            patterns[level][y] = row;
        }
    }
    return patterns;
}

constexpr DitherPatterns kPatterns = MakePatterns();
static_assert(kPatterns[0][0] == 0x00 && kPatterns[0][7] == 0x00, "level 0 is black");
static_assert(kPatterns[kDitherLevels - 1][0] == 0xFF && kPatterns[kDitherLevels - 1][7] == 0xFF,
              "the last level is white");

constexpr unsigned CountWhitePixels(const std::array<BYTE, 8>& pattern)
{
    unsigned count = 0;
    for (BYTE row : pattern)
        for (unsigned bit = 0; bit < 8; ++bit)
            count += (row >> bit) & 1;
    return count;
}

constexpr bool GrowsWithTheLevel()
{
    for (unsigned level = 1; level < kDitherLevels; ++level)
        if (CountWhitePixels(kPatterns[level]) <= CountWhitePixels(kPatterns[level - 1]))
            return false;
    return true;
}
static_assert(GrowsWithTheLevel(), "each level is lighter than the one below it");

} // namespace

BYTE DitherRow(unsigned level, unsigned row)
{
    if (level >= kDitherLevels)
        level = kDitherLevels - 1;
    return kPatterns[level][row & 7];
}
