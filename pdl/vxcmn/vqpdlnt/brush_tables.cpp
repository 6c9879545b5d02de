// brush_tables.cpp - the hatch cells, dither cells, pattern dither and default palette.
#include "pdl/vxcmn/vqpdlnt/brush_tables.h"

#include <array>
#include <bit>
#include <cstdint>
#include <iterator>

namespace {

using HatchCell = std::array<BYTE, kHatchCellBytes>;
using RowBits = uint32_t (*)(UINT row);

constexpr uint32_t RotateLeft(uint32_t bits, UINT by)
{
    by %= 32;
    return by == 0 ? bits : (bits << by) | (bits >> (32 - by));
}

// The lines of each cell as 32-bit rows, the leftmost pixel in the highest bit. Lines are 8 pixels wide and
// lie at 12 to 19; the diagonals are bands 4 pixels wide that move one pixel a row.
constexpr uint32_t kVerticalBand = 0x000FF000;   // columns 12 to 19
constexpr uint32_t HorizontalRow(UINT row) { return row >= 12 && row <= 19 ? 0xFFFFFFFF : 0; }
constexpr uint32_t VerticalRow(UINT) { return kVerticalBand; }
constexpr uint32_t ForwardRow(UINT row) { return RotateLeft(0xF0000000, 32 - row % 32); }   // down to the right
constexpr uint32_t BackwardRow(UINT row) { return RotateLeft(0x0000000F, row); }           // up to the right
constexpr uint32_t CrossRow(UINT row) { return HorizontalRow(row) | VerticalRow(row); }
constexpr uint32_t DiagCrossRow(UINT row) { return ForwardRow(row) | BackwardRow(row); }

constexpr HatchCell MakeCell(RowBits rowBits)
{
    HatchCell cell = {};
    for (UINT row = 0; row < kHatchCellSize; ++row) {
        const uint32_t bits = rowBits(row);
        for (UINT byte = 0; byte < 4; ++byte)
            cell[row * 4 + byte] = static_cast<BYTE>(bits >> (24 - 8 * byte));
    }
    return cell;
}

struct HATCH_ROW {
    ULONG iHatch;          // HS_DDI_MAX ends the table
    HatchCell cell;
};

constexpr HATCH_ROW kHatchCells[] = {
    {HS_HORIZONTAL, MakeCell(HorizontalRow)},
    {HS_VERTICAL,   MakeCell(VerticalRow)},
    {HS_FDIAGONAL,  MakeCell(ForwardRow)},
    {HS_BDIAGONAL,  MakeCell(BackwardRow)},
    {HS_CROSS,      MakeCell(CrossRow)},
    {HS_DIAGCROSS,  MakeCell(DiagCrossRow)},
    {HS_DDI_MAX,    {}},                        // terminator
};
static_assert(kHatchCells[std::size(kHatchCells) - 1].iHatch == HS_DDI_MAX, "terminator must be last");
static_assert(kHatchCells[3].cell[0] == 0 && kHatchCells[3].cell[3] == 0x0F, "backward diagonal's first row");

// The dither cells, one 64-bit value each, its highest byte the top row.
constexpr uint64_t kDitherCells[kDitherCellCount] = {
    0x0000000000000000, 0x0000000100000010, 0x0000008100000018, 0x1000008101000018, 0x1800008181000018,
    0x1800008381000038, 0x1800018381001038, 0x1800818381001838, 0x180081c38100183c, 0x380081c38300183c,
    0x381081c38301183c, 0x381881c38381183c, 0x3c1881c3c381183c, 0x3c1883c3c381383c, 0x3c18c3c3c3813c3c,
    0x3c38c3c3c3833c3c, 0x3c3cc3c3c3c33c3c, 0x3c3cc7c3c3c37c3c, 0x3c7cc7c3c3c77c3c, 0x3c7ec7c3c3e77c3c,
    0x3c7ee7c3c3e77e3c, 0x3c7ee7c7c3e77e7c, 0x7c7ee7c7c7e77e7c, 0x7c7eefc7c7e7fe7c, 0x7cfeefc7c7effe7c,
    0x7cffefc7c7fffe7c, 0x7effefc7e7fffe7c, 0x7effefe7e7fffe7e, 0x7effffe7e7ffff7e, 0xfeffffe7efffff7e,
    0xffffffe7ffffff7e, 0xffffffeffffffffe, 0xffffffffffffffff,
};

constexpr uint32_t kPatternDither[kPatternDitherLevels] = {
    0x00000000, 0x88000000, 0x88002200, 0xcc002200, 0xcc003300, 0xcc883300, 0xcc883322, 0xcccc3322, 0xcccc3333,
    0xccccbb33, 0xeeccbb33, 0xeeccff33, 0xffccff33, 0xffccffbb, 0xffeeffbb, 0xffeeffff, 0xffffffff,
};

template <typename Bits, size_t N, size_t Rows>
constexpr std::array<std::array<BYTE, Rows>, N> RowsOf(const Bits (&values)[N])
{
    std::array<std::array<BYTE, Rows>, N> rows = {};
    for (size_t i = 0; i < N; ++i)
        for (size_t row = 0; row < Rows; ++row)
            rows[i][row] = static_cast<BYTE>(values[i] >> (8 * (Rows - 1 - row)));
    return rows;
}

constexpr auto kDitherRows = RowsOf<uint64_t, kDitherCellCount, 8>(kDitherCells);
constexpr auto kPatternDitherRowBytes = RowsOf<uint32_t, kPatternDitherLevels, kPatternDitherRows>(kPatternDither);

constexpr bool GrowsByTwoBits()
{
    for (UINT i = 1; i < kDitherCellCount; ++i)
        if (std::popcount(kDitherCells[i]) != std::popcount(kDitherCells[i - 1]) + 2 ||
            (kDitherCells[i] & kDitherCells[i - 1]) != kDitherCells[i - 1])
            return false;
    return true;
}
static_assert(GrowsByTwoBits(), "each dither cell adds two bits to the one before");

constexpr ULONG Rgb(UINT red, UINT green, UINT blue)
{
    return red | green << 8 | blue << 16;
}

constexpr std::array<ULONG, kDefaultPaletteSize> MakeDefaultPalette()
{
    std::array<ULONG, kDefaultPaletteSize> palette = {
        Rgb(0, 0, 0),       Rgb(128, 0, 0),     Rgb(0, 128, 0),   Rgb(128, 128, 0), Rgb(0, 0, 128),
        Rgb(128, 0, 128),   Rgb(0, 128, 128),   Rgb(192, 192, 192), Rgb(192, 220, 192), Rgb(166, 202, 240),
    };
    // A 6 x 6 x 6 cube, then greys between its corners, so that every entry between the system colours is used.
    UINT i = 10;
    for (UINT red = 0; red < 6; ++red)
        for (UINT green = 0; green < 6; ++green)
            for (UINT blue = 0; blue < 6; ++blue)
                palette[i++] = Rgb(red * 51, green * 51, blue * 51);
    for (UINT grey = 1; i < 246; ++grey, ++i)
        palette[i] = Rgb(grey * 12, grey * 12, grey * 12);
    const ULONG last[10] = {Rgb(255, 251, 240), Rgb(160, 160, 164), Rgb(128, 128, 128), Rgb(255, 0, 0),
                            Rgb(0, 255, 0),     Rgb(255, 255, 0),   Rgb(0, 0, 255),     Rgb(255, 0, 255),
                            Rgb(0, 255, 255),   Rgb(255, 255, 255)};
    for (const ULONG colour : last)
        palette[i++] = colour;
    return palette;
}

constexpr auto kDefaultPalette = MakeDefaultPalette();

} // namespace

const BYTE* FindHatchCell(ULONG iHatch)
{
    for (const HATCH_ROW* row = kHatchCells; row->iHatch != HS_DDI_MAX; ++row)
        if (row->iHatch == iHatch)
            return row->cell.data();
    return nullptr;
}

const BYTE* FindDitherCell(UINT index)
{
    return index < kDitherCellCount ? kDitherRows[index].data() : nullptr;
}

const BYTE* FindPatternDitherLevel(UINT level)
{
    return level < kPatternDitherLevels ? kPatternDitherRowBytes[level].data() : nullptr;
}

const ULONG* GetDefaultPalette()
{
    return kDefaultPalette.data();
}
