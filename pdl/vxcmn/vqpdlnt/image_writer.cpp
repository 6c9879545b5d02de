// image_writer.cpp - the image commands, their compression and blank checks, the driver's halftoning of
// eight-bit images, and the rectangle fills.
#include "pdl/vxcmn/vqpdlnt/image_writer.h"
#include "pdl/vxcmn/streamnt.h"
#include "pdl/vxcmn/vqpdlnt/halftone.h"
#include "pdl/vxcmn/vqpdlnt/ink_rows.h"
#include "pdl/vxcmn/vqpdlnt/path_writer.h"
#include "pdl/vxcmn/vqpdlnt/rop_writer.h"
#include "pdl/vxcmn/vqpdlnt/vqbrush.h"
#include "pdl/vxcmn/vxcmnnt.h"
#include "settings/base/global_memory.h"

namespace {

constexpr ULONG kFullScale = 10000;
constexpr ULONG kWhite = 0xFFFFFF;
constexpr ULONG kBlack = 0x000000;
constexpr LONG kSourceCopy = 0xCC;
constexpr LONG kBrushModeTransparent = 1;   // "brm 1": what the brush writer keeps for mode 1
constexpr LONG kBrushModeOpaque = 0;        // "brm 0": mode 2
constexpr DWORD kMaxRun = 128;
// The command's sizes are signed decimal, and a buffer of the driver's own stays well below the address space.
constexpr unsigned long long kMaxImageBytes = 0x10000000;

enum class Depth { OneBit, EightBit };

// The command that opens an image's data block: at its own size or scaled, compressed or raw.
const char* ImageHead(Depth depth, bool scaled, bool compressed)
{
    if (depth == Depth::OneBit) {
        if (scaled)
            return compressed ? "bmt 1 %d %d %d %d %d %d <!" : "bmm 1 %d %d %d %d %d %d <!";
        return compressed ? "imt 1 %d %d %d %d <!" : "imm 1 %d %d %d %d <!";
    }
    if (scaled)
        return compressed ? "bmt 8 %d %d %d %d %d %d <!" : "bmm 8 %d %d %d %d %d %d <!";
    return compressed ? "imt 8 %d %d %d %d <!" : "imm 8 %d %d %d %d <!";
}

// Feeds the PackBits code of a row to sink.Run(value, n) and sink.Literal(bytes, n).
template <typename Sink>
void PackBits(const BYTE* p, DWORD cb, Sink& sink)
{
    DWORD i = 0;
    while (i < cb) {
        DWORD run = 1;
        while (i + run < cb && run < kMaxRun && p[i + run] == p[i])
            ++run;
        if (run >= 2) {
            sink.Run(p[i], run);
            i += run;
            continue;
        }
        // A stretch of other bytes ends where two equal bytes begin a run.
        DWORD end = i + 1;
        while (end < cb && end - i < kMaxRun && !(end + 1 < cb && p[end] == p[end + 1]))
            ++end;
        sink.Literal(p + i, end - i);
        i = end;
    }
}

struct SizeSink {
    DWORD size = 0;
    void Run(BYTE, DWORD) { size += 2; }
    void Literal(const BYTE*, DWORD n) { size += 1 + n; }
};

struct CodeSink {
    BYTE* out;
    DWORD size = 0;
    void Run(BYTE value, DWORD n)
    {
        out[size++] = static_cast<BYTE>(1 - static_cast<int>(n));
        out[size++] = value;
    }
    void Literal(const BYTE* bytes, DWORD n)
    {
        out[size++] = static_cast<BYTE>(n - 1);
        for (DWORD k = 0; k < n; ++k)
            out[size++] = bytes[k];
    }
};

bool IsWhite(ULONG color)
{
    return (color & kWhite) == kWhite;
}

// True when no pixel of the one-bit rows is set (set is false) or every pixel is (set is true).
bool EveryPixelIs(bool set, const BYTE* rows, LONG width, LONG height, LONG cbRow)
{
    const LONG whole = width / 8;
    const BYTE tail = static_cast<BYTE>(0xFF << (8 - width % 8));
    const BYTE full = set ? 0xFF : 0x00;
    for (LONG y = 0; y < height; ++y) {
        const BYTE* row = rows + static_cast<size_t>(y) * cbRow;
        for (LONG k = 0; k < whole; ++k)
            if (row[k] != full)
                return false;
        if (width % 8 != 0 && (row[whole] & tail) != (full & tail))
            return false;
    }
    return true;
}

// A one-bit image under the source copy leaves the page blank when it paints only white: a white foreground
// where the background is transparent or white too, nothing set where the background does not paint or is
// white, or everything set in a white foreground. While page additions are drawn, every image does.
bool OneBitImageIsBlank(PDEV* pdev, const BYTE* rows, LONG width, LONG height, LONG cbRow)
{
    const JOB_EXTRA_RECORD* pContext = PdlGetContext(pdev);
    if (pContext->bPageAdditions != 0)
        return true;
    if (pContext->lRop3 != kSourceCopy)
        return false;
    const bool transparent = pContext->lBrushMode == kBrushModeTransparent;
    const bool opaque = pContext->lBrushMode == kBrushModeOpaque;
    const bool whiteFore = IsWhite(pContext->dwBrushFore);
    const bool backDoesNotPaint = transparent || (opaque && IsWhite(pContext->dwBrushBack));
    if (whiteFore && backDoesNotPaint)
        return true;
    if (backDoesNotPaint && EveryPixelIs(false, rows, width, height, cbRow))
        return true;
    return opaque && whiteFore && EveryPixelIs(true, rows, width, height, cbRow);
}

bool EightBitImageIsBlank(PDEV* pdev, const BYTE* rows, LONG width, LONG height, LONG cbRow)
{
    const JOB_EXTRA_RECORD* pContext = PdlGetContext(pdev);
    if (pContext->bPageAdditions != 0)
        return true;
    if (pContext->lRop3 != kSourceCopy)
        return false;
    for (LONG y = 0; y < height; ++y) {
        const BYTE* row = rows + static_cast<size_t>(y) * cbRow;
        for (LONG x = 0; x < width; ++x)
            if (row[x] != 0)
                return false;
    }
    return true;
}

BOOL WriteImage(PDEV* pdev, Depth depth, const BYTE* pRows, LONG width, LONG height, LONG cbRow, LONG x, LONG y,
                LONG cxTarget, LONG cyTarget)
{
    const LONG rowBytes = InkRowBytes(depth == Depth::OneBit ? 1 : 8, width);
    const unsigned long long raw = static_cast<unsigned long long>(rowBytes) * static_cast<unsigned long long>(height);
    if (pRows == nullptr || cbRow < rowBytes || raw >= kMaxImageBytes) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    LockedBlock code(PackBitsBound(static_cast<DWORD>(rowBytes)));
    if (!code)
        return FALSE;
    unsigned long long packed = 0;
    for (LONG r = 0; r < height; ++r)
        packed += PackBitsSize(pRows + static_cast<size_t>(r) * cbRow, static_cast<DWORD>(rowBytes));

    PdlPrintf(pdev, "mta %d %d;\n", x, y);
    const bool compressed = packed < raw;
    const LONG size = static_cast<LONG>(compressed ? packed : raw);
    const bool scaled = width != cxTarget || height != cyTarget;
    const char* head = ImageHead(depth, scaled, compressed);
    if (scaled)
        PdlPrintf(pdev, head, width, height, cxTarget, cyTarget, rowBytes, size);
    else
        PdlPrintf(pdev, head, width, height, rowBytes, size);
    for (LONG r = 0; r < height; ++r) {
        const BYTE* row = pRows + static_cast<size_t>(r) * cbRow;
        if (compressed)
            PdlWrite(pdev, code.as<BYTE>(), PackBitsRow(row, static_cast<DWORD>(rowBytes), code.as<BYTE>()));
        else
            PdlWrite(pdev, row, static_cast<DWORD>(rowBytes));
    }
    PdlPrintf(pdev, "!>;\n");

    const bool blank = depth == Depth::OneBit ? OneBitImageIsBlank(pdev, pRows, width, height, cbRow)
                                              : EightBitImageIsBlank(pdev, pRows, width, height, cbRow);
    if (!blank)
        PdlSetDrawKind(pdev, 0);
    return TRUE;
}

// TRUE when the sizes are sound and some are 0 (nothing to write); FALSE when they are sound and none is 0.
bool NothingToWrite(LONG width, LONG height, LONG cxTarget, LONG cyTarget, BOOL& result)
{
    if (width < 0 || height < 0 || cxTarget < 0 || cyTarget < 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        result = FALSE;
        return true;
    }
    result = TRUE;
    return width == 0 || height == 0 || cxTarget == 0 || cyTarget == 0;
}

// The driver's halftoning of an eight-bit image; false when it does not apply or its image cannot be made.
bool WriteHalftoned(PDEV* pdev, const BYTE* pRows, LONG width, LONG height, LONG cbRow, LONG x, LONG y,
                    LONG cxTarget, LONG cyTarget)
{
    const UINT n = HalftoneMatrixSize(pdev);
    if (n == 0)
        return false;
    const LONG rowBytes = InkRowBytes(1, cxTarget);
    const unsigned long long oneBit = static_cast<unsigned long long>(rowBytes) * static_cast<ULONG>(cyTarget);
    const unsigned long long eightBit = static_cast<unsigned long long>(width) * static_cast<ULONG>(height);
    const bool sameSize = width == cxTarget && height == cyTarget;
    if ((!sameSize && oneBit >= eightBit) || oneBit >= kMaxImageBytes)
        return false;
    LockedBlock bits(static_cast<SIZE_T>(oneBit));
    if (!bits || !HalftoneInk(pRows, width, height, cbRow, x, y, cxTarget, cyTarget, n, bits.as<BYTE>()))
        return false;
    PdlOutputBrushColors(pdev, kBlack, kWhite);
    return PdlOutputImage1(pdev, bits.as<BYTE>(), cxTarget, cyTarget, rowBytes, x, y, cxTarget, cyTarget) != FALSE;
}

RECTL ScaledImageTarget(PDEV* pdev, const RECTL& target)
{
    if (pdev->ulScale == kFullScale)
        return target;
    const ULONG rop3 = static_cast<ULONG>(PdlGetContext(pdev)->lRop3);
    return PdlRop3ReadsDestination(rop3) ? PdlScaleRect(pdev, target) : PdlScaleRectNonEmpty(pdev, target);
}

RECTL ScaledFillRect(PDEV* pdev, const RECTL& rect)
{
    if (pdev->ulScale == kFullScale)
        return rect;
    return PdlRopReadsDestination(PdlGetRop2(pdev)) ? PdlScaleRect(pdev, rect) : PdlScaleRectNonEmpty(pdev, rect);
}

LONG Extent(LONG from, LONG to)
{
    return static_cast<LONG>(static_cast<long long>(to) - from);
}

// The printer's fill covers both edges of the rectangle it is given.
LONG InclusiveExtent(LONG from, LONG to)
{
    return static_cast<LONG>(static_cast<long long>(to) - from + 1);
}

} // namespace

DWORD PackBitsSize(const BYTE* pRow, DWORD cb)
{
    SizeSink sink;
    PackBits(pRow, cb, sink);
    return sink.size;
}

DWORD PackBitsRow(const BYTE* pRow, DWORD cb, BYTE* pOut)
{
    CodeSink sink{pOut};
    PackBits(pRow, cb, sink);
    return sink.size;
}

BOOL PdlOutputImage1(PDEV* pdev, const BYTE* pRows, LONG width, LONG height, LONG cbRow, LONG x, LONG y,
                     LONG cxTarget, LONG cyTarget)
{
    BOOL result;
    if (NothingToWrite(width, height, cxTarget, cyTarget, result))
        return result;
    return WriteImage(pdev, Depth::OneBit, pRows, width, height, cbRow, x, y, cxTarget, cyTarget);
}

BOOL PdlOutputImage8(PDEV* pdev, const BYTE* pRows, LONG width, LONG height, LONG cbRow, LONG x, LONG y,
                     LONG cxTarget, LONG cyTarget)
{
    BOOL result;
    if (NothingToWrite(width, height, cxTarget, cyTarget, result))
        return result;
    if (pRows != nullptr && cbRow >= width &&
        WriteHalftoned(pdev, pRows, width, height, cbRow, x, y, cxTarget, cyTarget))
        return TRUE;
    return WriteImage(pdev, Depth::EightBit, pRows, width, height, cbRow, x, y, cxTarget, cyTarget);
}

BOOL PdlOutputScaledImage1(PDEV* pdev, const BYTE* pRows, LONG width, LONG height, LONG cbRow, const RECTL& target)
{
    const RECTL at = ScaledImageTarget(pdev, target);
    return PdlOutputImage1(pdev, pRows, width, height, cbRow, at.left, at.top, Extent(at.left, at.right),
                           Extent(at.top, at.bottom));
}

BOOL PdlOutputScaledImage8(PDEV* pdev, const BYTE* pRows, LONG width, LONG height, LONG cbRow, const RECTL& target)
{
    const RECTL at = ScaledImageTarget(pdev, target);
    return PdlOutputImage8(pdev, pRows, width, height, cbRow, at.left, at.top, Extent(at.left, at.right),
                           Extent(at.top, at.bottom));
}

void PdlOutputRectRop(PDEV* pdev, LONG x0, LONG y0, LONG x1, LONG y1)
{
    if (x0 < x1 && y0 < y1)
        PdlPrintf(pdev, "rcr %d %d %d %d;\n", x0, y0, InclusiveExtent(x0, x1), InclusiveExtent(y0, y1));
}

void PdlOutputRectBlank(PDEV* pdev, LONG x0, LONG y0, LONG x1, LONG y1)
{
    if (x0 >= x1 || y0 >= y1)
        return;
    const LONG height = Extent(y0, y1);
    if (height == 1)
        PdlPrintf(pdev, "sba %d %d %d;\n", x0, y0, Extent(x0, x1));
    else
        PdlPrintf(pdev, "sba %d %d %d %d;\n", x0, y0, Extent(x0, x1), height);
}

void PdlOutputScaledRectRop(PDEV* pdev, const RECTL& rect)
{
    const RECTL at = ScaledFillRect(pdev, rect);
    PdlOutputRectRop(pdev, at.left, at.top, at.right, at.bottom);
}

void PdlOutputScaledRectBlank(PDEV* pdev, const RECTL& rect)
{
    const RECTL at = ScaledFillRect(pdev, rect);
    PdlOutputRectBlank(pdev, at.left, at.top, at.right, at.bottom);
}
