// blit_tables.cpp - the constant tables of the block transfers.
#include "pdl/vxcmn/vqpdlnt/blit_tables.h"

#include <algorithm>
#include <array>
#include <iterator>

namespace {

constexpr ULONG kDefaultPalette16[16] = {
    0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080, 0x808000, 0xC0C0C0,   // red in the low byte
    0x808080, 0x0000FF, 0x00FF00, 0x00FFFF, 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF,
};

constexpr BYTE InkOf(ULONG rgb)
{
    const ULONG red = rgb & 0xFF, green = (rgb >> 8) & 0xFF, blue = (rgb >> 16) & 0xFF;
    return static_cast<BYTE>(255 - (30 * red + 59 * green + 11 * blue) / 100);
}

constexpr std::array<BYTE, 16> MakeInk16()
{
    std::array<BYTE, 16> ink = {};
    for (UINT i = 0; i < 16; ++i)
        ink[i] = InkOf(kDefaultPalette16[i]);
    return ink;
}

constexpr BYTE kInk2[2] = {255, 0};   // black, white
constexpr std::array<BYTE, 16> kInk16 = MakeInk16();

constexpr std::array<BYTE, 256> MakeReversed()
{
    std::array<BYTE, 256> reversed = {};
    for (UINT value = 0; value < 256; ++value) {
        UINT bits = 0;
        for (UINT bit = 0; bit < 8; ++bit)
            if ((value >> bit) & 1)
                bits |= 0x80u >> bit;
        reversed[value] = static_cast<BYTE>(bits);
    }
    return reversed;
}

constexpr std::array<BYTE, 256> kReversed = MakeReversed();

struct MASK_ROP_ROW {
    WORD wRop3;       // the pattern-only rop of the mask's background; 0xFFFF ends the table
    BYTE maskRop;     // the rop that draws the mask as the source instead
};

constexpr MASK_ROP_ROW kMaskRops[] = {
    {  5,   1 },
    { 10,   2 },
    { 15,   3 },
    { 80,  84 },
    { 85,  85 },
    { 90,  86 },
    { 95,  87 },
    { 160, 168 },
    { 165, 169 },
    { 170, 170 },
    { 175, 171 },
    { 240, 252 },
    { 245, 253 },
    { 250, 254 },
    { 255, 255 },
    { 0xFFFF, 0 },   // terminator
};
static_assert(kMaskRops[std::size(kMaskRops) - 1].wRop3 == 0xFFFF, "terminator must be last");
static_assert(std::is_sorted(std::begin(kMaskRops), std::end(kMaskRops),
                             [](const MASK_ROP_ROW& a, const MASK_ROP_ROW& b) { return a.wRop3 < b.wRop3; }),
              "rops ascend");

static_assert(InkOf(0xFFFFFF) == 0 && InkOf(0x000000) == 255 && kInk16[7] == 63, "light gray is ink 63");

} // namespace

BYTE DefaultInk(UINT bitsPerPixel, ULONG index)
{
    if (bitsPerPixel == 1)
        return index < std::size(kInk2) ? kInk2[index] : 0;
    return index < kInk16.size() ? kInk16[index] : 0;
}

BYTE ReverseBits(BYTE value)
{
    return kReversed[value];
}

LONG FindMaskRop(BYTE rop3)
{
    for (const MASK_ROP_ROW* row = kMaskRops; row->wRop3 != 0xFFFF; ++row)
        if (row->wRop3 == rop3)
            return row->maskRop;
    return -1;
}
