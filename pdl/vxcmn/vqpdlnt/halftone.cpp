// halftone.cpp - ordered halftoning and repeat tables.
#include "pdl/vxcmn/vqpdlnt/halftone.h"
#include "pdl/vxcmn/vqpdlnt/halftone_tables.h"
#include "pdl/vxcmn/vqpdlnt/ink_rows.h"
#include "settings/base/global_memory.h"

#include <cstdint>

namespace {

constexpr BYTE kDitherMatrix8 = 3;
constexpr BYTE kDitherMatrix16 = 4;
constexpr BYTE kDeviceErrorDiffusion = 1;

// The target pixels the first k of n source pixels make.
long long Share(LONG n, LONG m, long long k)
{
    if (n < m)
        return k == 0 ? 0 : (static_cast<long long>(m) * k + n / 2) / n;
    return static_cast<long long>(m) * k / n;
}

// The phase of a page coordinate in the matrix; coordinates left of or above the page count on.
UINT Phase(long long coordinate, UINT n)
{
    const long long phase = coordinate % n;
    return static_cast<UINT>(phase < 0 ? phase + n : phase);
}

} // namespace

void BuildRepeatTable(LONG n, LONG m, LONG* pCopies)
{
    if (n < 1 || m < 1)
        return;
    for (LONG i = 0; i < n; ++i)
        pCopies[i] = static_cast<LONG>(Share(n, m, i + 1) - Share(n, m, i));
}

UINT HalftoneMatrixSize(PDEV* pdev)
{
    const DEVMODE_ENV_EXTRA* pEnv = PdevGetEnvExtra(pdev);
    if (pEnv->lpDitherType == kDeviceErrorDiffusion)
        return 0;
    switch (pEnv->lpDither) {
    case kDitherMatrix8: return 8;
    case kDitherMatrix16: return 16;
    default: return 0;
    }
}

BOOL HalftoneInk(const BYTE* pInk, LONG width, LONG height, LONG cbRow, LONG x, LONG y, LONG cx, LONG cy, UINT n,
                 BYTE* pOut)
{
    const BYTE* matrix = FindThresholdMatrix(n);
    if (matrix == nullptr || width < 1 || height < 1 || cx < 1 || cy < 1)
        return FALSE;
    // The source column of each target column. The tables' sizes are reckoned wide: four bytes a column of
    // a target a billion pixels wide would wrap a 32-bit size to a few bytes, and the loops below would run on.
    const unsigned long long columnBytes = static_cast<unsigned long long>(cx) * sizeof(LONG);
    const unsigned long long copyBytes = static_cast<unsigned long long>(width) * sizeof(LONG);
    if (columnBytes > SIZE_MAX || copyBytes > SIZE_MAX)
        return FALSE;
    LockedBlock columns(static_cast<SIZE_T>(columnBytes));
    LockedBlock copies(static_cast<SIZE_T>(copyBytes));
    if (!columns || !copies)
        return FALSE;
    LONG* column = columns.as<LONG>();
    BuildRepeatTable(width, cx, copies.as<LONG>());
    for (LONG source = 0, target = 0; source < width; ++source)
        for (LONG k = 0; k < copies.as<LONG>()[source]; ++k)
            column[target++] = source;

    const LONG cbOut = InkRowBytes(1, cx);
    const UINT xPhase = Phase(x, n);
    LONG target = 0;
    for (LONG source = 0; source < height; ++source) {
        const LONG rows = static_cast<LONG>(Share(height, cy, source + 1) - Share(height, cy, source));
        const BYTE* ink = pInk + static_cast<size_t>(source) * cbRow;
        for (LONG k = 0; k < rows; ++k, ++target) {
            const BYTE* thresholds = matrix + Phase(static_cast<long long>(y) + target, n) * n;
            BYTE* out = pOut + static_cast<size_t>(target) * cbOut;
            UINT phase = xPhase;
            for (LONG i = 0; i < cx; ++i) {
                if (ink[column[i]] >= thresholds[phase])
                    out[i >> 3] |= static_cast<BYTE>(0x80 >> (i & 7));
                if (++phase == n)
                    phase = 0;
            }
        }
    }
    return TRUE;
}
