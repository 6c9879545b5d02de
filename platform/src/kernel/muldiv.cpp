// muldiv.cpp - MulDiv, the scaling of device units: a 64-bit product divided and rounded half away from zero.
#include "win/winbase.h"

#include <cstdint>
#include <limits>

int WINAPI MulDiv(int nNumber, int nNumerator, int nDenominator)
{
    if (nDenominator == 0)
        return -1;
    // |product| <= 2^62 and |denominator| <= 2^31, so twice the product plus the denominator fits in 64 unsigned
    // bits: (2|p| + |d|) / 2|d| is |p| / |d| rounded, with halves going up.
    const int64_t product = static_cast<int64_t>(nNumber) * nNumerator;
    const bool negative = (product < 0) != (nDenominator < 0);
    const uint64_t magnitude = product < 0 ? 0 - static_cast<uint64_t>(product) : static_cast<uint64_t>(product);
    const uint64_t divisor = nDenominator < 0 ? 0 - static_cast<uint64_t>(static_cast<int64_t>(nDenominator))
                                              : static_cast<uint64_t>(nDenominator);
    const uint64_t rounded = (2 * magnitude + divisor) / (2 * divisor);
    const uint64_t limit = negative ? uint64_t{1} << 31 : std::numeric_limits<int>::max();
    if (rounded > limit)
        return -1;   // the quotient does not fit in an int
    return negative ? static_cast<int>(0 - static_cast<int64_t>(rounded)) : static_cast<int>(rounded);
}
