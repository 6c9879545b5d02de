// halftone_tables.cpp - the threshold matrices of the ordered halftoning.
#include "pdl/vxcmn/vqpdlnt/halftone_tables.h"

#include <array>

namespace {

constexpr BYTE kThresholds8[8 * 8] = {
    226, 170,  70,  22,  30,  94, 202, 234,
    186, 138, 118,  78,  86, 126, 146, 194,
     50, 106, 158, 222, 182, 134,  98,  42,
     10,  58, 214, 254, 246, 166,  34,   2,
     26,  90, 206, 238, 230, 174,  66,  18,
     82, 122, 150, 198, 190, 142, 114,  74,
    178, 130, 102,  46,  54, 110, 154, 218,
    241, 162,  38,   6,  14,  62, 210, 250,
};

// The upper half of the 16 x 16 matrix; its lower half is the same rows with their two halves of eight
// exchanged, which puts the dark and light clusters of a cell diagonally.
constexpr BYTE kThresholds16Upper[8 * 16] = {
    199, 225, 243, 251, 249, 235, 213, 183,  65,  37,  17,   5,   7,  23,  47,  79,
    169, 197, 223, 241, 233, 211, 181, 157,  93,  67,  39,  19,  21,  45,  77, 103,
    147, 167, 195, 221, 209, 179, 155, 139, 113,  95,  69,  41,  43,  75, 101, 119,
    133, 145, 165, 193, 177, 153, 137, 129, 125, 115,  97,  71,  73,  99, 117, 127,
    121, 107,  85,  55,  57,  87, 109, 123, 135, 151, 175, 207, 191, 163, 143, 131,
    105,  83,  53,  29,  31,  59,  89, 111, 149, 173, 205, 231, 219, 189, 161, 141,
     81,  51,  27,  11,  13,  33,  61,  91, 171, 203, 229, 247, 239, 217, 187, 159,
     49,  25,   9,   1,   3,  15,  35,  63, 201, 227, 245, 255, 253, 237, 215, 185,
};

constexpr std::array<BYTE, 16 * 16> MakeThresholds16()
{
    std::array<BYTE, 16 * 16> matrix = {};
    for (UINT row = 0; row < 8; ++row) {
        for (UINT column = 0; column < 16; ++column) {
            matrix[row * 16 + column] = kThresholds16Upper[row * 16 + column];
            matrix[(row + 8) * 16 + column] = kThresholds16Upper[row * 16 + (column + 8) % 16];
        }
    }
    return matrix;
}

constexpr std::array<BYTE, 16 * 16> kThresholds16 = MakeThresholds16();

static_assert(kThresholds16[8 * 16] == 65 && kThresholds16[8 * 16 + 8] == 199, "row 9 is row 1 turned halfway");

} // namespace

const BYTE* FindThresholdMatrix(UINT n)
{
    switch (n) {
    case 8: return kThresholds8;
    case 16: return kThresholds16.data();
    default: return nullptr;
    }
}
