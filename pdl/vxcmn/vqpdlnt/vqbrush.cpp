// vqbrush.cpp - brush realization and the brush commands.
#include "pdl/vxcmn/vqpdlnt/vqbrush.h"
#include "customnt/vqddigfx/alloc_list.h"
#include "customnt/vqddigfx/trace.h"
#include "pdl/vxcmn/streamnt.h"
#include "pdl/vxcmn/vqpdlnt/brush_tables.h"
#include "pdl/vxcmn/vqpdlnt/ink_rows.h"
#include "pdl/vxcmn/vqpdlnt/tone_mapping.h"
#include "pdl/vxcmn/vxcmnnt.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

constexpr ULONG kWhite = 0xFFFFFF;
constexpr ULONG kBlack = 0x000000;
constexpr ULONG kNoColor = 0xFFFFFFFF;
constexpr LONG kUnknownBrush = -2;
constexpr LONG kEnlargeLimit = 8;          // patterns up to 8 x 8 are sent at twice their size
constexpr uint64_t kMaxBrushBytes = 0x4000000;   // a pattern of more than 64 MiB is refused

// Where the colour data starts and how large a realized record is: header, rows, and at least the two brush
// colours.
DWORD ColorBytes(const REALIZED_BRUSH& rb)
{
    return static_cast<DWORD>(rb.cPalette) * 4 + 8;
}

DWORD RecordBytes(const REALIZED_BRUSH& rb)
{
    return static_cast<DWORD>(rb.offColors) + ColorBytes(rb);
}

DWORD RowBytes(LONG width, UINT bitsPerPixel)
{
    return static_cast<DWORD>((static_cast<uint64_t>(width) * bitsPerPixel + 31) / 32 * 4);
}

BYTE* Rows(REALIZED_BRUSH* rb)
{
    return reinterpret_cast<BYTE*>(rb) + sizeof(REALIZED_BRUSH);
}

const BYTE* Rows(const REALIZED_BRUSH* rb)
{
    return reinterpret_cast<const BYTE*>(rb) + sizeof(REALIZED_BRUSH);
}

// The stored row order of a raw copy is the memory order of the pattern: for a bottom-up bitmap its bottom row
// comes first, as the top-down flag says.
const BYTE* MemoryRow(const SURFOBJ* so, LONG row)
{
    const LONG visual = (so->fjBitmap & BMF_TOPDOWN) != 0 ? row : so->sizlBitmap.cy - 1 - row;
    return static_cast<const BYTE*>(so->pvScan0) + static_cast<ptrdiff_t>(visual) * so->lDelta;
}

// The source palette as RGB values, in the one-bit plane mode: from the translation, else the default one.
struct SourcePalette {
    ULONG entries[kDefaultPaletteSize] = {};
    ULONG count = 0;
};

void ReadPalette(XLATEOBJ* pxlo, SourcePalette& palette)
{
    palette.count = pxlo != nullptr ? XLATEOBJ_cGetPalette(pxlo, XO_SRCPALETTE, kDefaultPaletteSize, palette.entries)
                                    : 0;
    if (palette.count > kDefaultPaletteSize)
        palette.count = 0;
}

// The RGB value of a palette index in the one-bit plane mode; the default palette stands in for one the
// translation cannot give.
ULONG PaletteColor(const SourcePalette& palette, ULONG index)
{
    if (palette.count == 0)
        return index < kDefaultPaletteSize ? GetDefaultPalette()[index] : 0;
    return index < palette.count ? palette.entries[index] & 0x00FFFFFF : 0;
}

void PutPixel24(BYTE* row, LONG x, ULONG value)
{
    row[x * 3] = static_cast<BYTE>(value);
    row[x * 3 + 1] = static_cast<BYTE>(value >> 8);
    row[x * 3 + 2] = static_cast<BYTE>(value >> 16);
}

// A pixel of a 4, 8, 16 or 32 bit pattern as the three bytes of the record.
ULONG ConvertPixel(const BYTE* row, LONG x, UINT bits, bool oneBitPlane, XLATEOBJ* pxlo, const SourcePalette& palette)
{
    ULONG raw = 0;
    switch (bits) {
    case 4: raw = (x % 2 == 0 ? row[x / 2] >> 4 : row[x / 2]) & 0x0F; break;   // high nibble first
    case 8: raw = row[x]; break;
    case 16: raw = static_cast<ULONG>(row[x * 2]) | static_cast<ULONG>(row[x * 2 + 1]) << 8; break;
    default: std::memcpy(&raw, row + x * 4, sizeof raw); break;
    }
    if (bits == 4)
        return PaletteColor(palette, raw);   // through the palette in every mode
    if (!oneBitPlane)
        return XLATEOBJ_iXlate(pxlo, raw);
    switch (bits) {
    case 8: return PaletteColor(palette, raw);
    case 16: return ((raw >> 10) & 0x1F) << 3 << 16 | ((raw >> 5) & 0x1F) << 3 << 8 | (raw & 0x1F) << 3;   // 5-5-5
    default: return raw & 0x00FFFFFF;
    }
}

// The brush colours of a hatch or one-bit pattern: in the one-bit plane mode from the palette (entry 1 is C0,
// entry 0 C1), else what the translation's table gave, white and black when it gave none.
void SetBrushColors(REALIZED_BRUSH* rb, bool oneBitPlane, bool trivialOneBit, XLATEOBJ* pxlo)
{
    if (oneBitPlane) {
        if (trivialOneBit) {
            SetRealizedBrushColor(rb, 0, kBlack);
            SetRealizedBrushColor(rb, 1, kWhite);
            return;
        }
        ULONG entries[2] = {};
        const bool read = pxlo != nullptr && XLATEOBJ_cGetPalette(pxlo, XO_SRCPALETTE, 2, entries) >= 2;
        SetRealizedBrushColor(rb, 0, read ? entries[1] & 0x00FFFFFF : kWhite);
        SetRealizedBrushColor(rb, 1, read ? entries[0] & 0x00FFFFFF : kBlack);
        return;
    }
    if (rb->cPalette < 2) {
        SetRealizedBrushColor(rb, 0, kWhite);
        SetRealizedBrushColor(rb, 1, kBlack);
    }
}

// The colour data of the translation's table, when it has one.
void CopyTable(REALIZED_BRUSH* rb, XLATEOBJ* pxlo)
{
    if (rb->cPalette > 0)
        std::memcpy(reinterpret_cast<BYTE*>(rb) + rb->offColors, pxlo->pulXlate,
                    static_cast<size_t>(rb->cPalette) * 4);
}

LONG TableEntries(XLATEOBJ* pxlo)
{
    if (pxlo == nullptr || (pxlo->flXlate & XO_TABLE) == 0 || pxlo->pulXlate == nullptr || pxlo->cEntries > 0x10000)
        return 0;
    return static_cast<LONG>(pxlo->cEntries);
}

REALIZED_BRUSH* Allocate(BRUSHOBJ* pbo, uint64_t cb)
{
    if (cb > kMaxBrushBytes)
        return nullptr;
    auto* rb = static_cast<REALIZED_BRUSH*>(BRUSHOBJ_pvAllocRbrush(pbo, static_cast<ULONG>(cb)));
    if (rb != nullptr)
        std::memset(rb, 0, static_cast<size_t>(cb));
    return rb;
}

BOOL AllocationFailed(int line)
{
    TraceFailed(__FILE__, line, "BRUSHOBJ_pvAllocRbrush");
    return FALSE;
}

// ---- the printer's brush state ------------------------------------------------------------------------------

void SelectNumber(PDEV* pdev, LONG number)
{
    JOB_EXTRA_RECORD* pContext = PdlGetContext(pdev);
    if (pContext->lBrushNumber == number)
        return;
    PdlPrintf(pdev, "brs %d;\n", number);
    pContext->lBrushNumber = number;
}

// Solid colours other than black and white go through colour register 2.
LONG SolidBrush(PDEV* pdev, ULONG color)
{
    if (color == kBlack)
        return kBrushBlack;
    if (color == kWhite)
        return kBrushWhite;
    JOB_EXTRA_RECORD* pContext = PdlGetContext(pdev);
    const ULONG device = PdlDeviceColor(pdev, color);
    if (pContext->dwBrushColor2 != device) {
        PdlPrintf(pdev, "brc 2 #%X;\n", device);
        pContext->dwBrushColor2 = device;
    }
    return kBrushRegister2;
}

// A data block's head: width, height and bytes a row, then the opening "<!".
void WriteBlockHead(PDEV* pdev, LONG width, LONG height, LONG rowBytes)
{
    PdlPrintf(pdev, " %d %d %d <!", width, height, rowBytes);
}

LONG HatchBrush(PDEV* pdev, const REALIZED_BRUSH* rb)
{
    const ULONG iHatch = rb->iHatch;
    const ULONG fore = PdlDeviceColor(pdev, RealizedBrushColor(rb, 1));
    const ULONG back = PdlDeviceColor(pdev, RealizedBrushColor(rb, 0));
    const LONG number = kBrushFirstHatch + static_cast<LONG>(iHatch);
    JOB_EXTRA_RECORD* pContext = PdlGetContext(pdev);
    HATCH_STATE state;
    std::memcpy(&state, &pContext->hatchState[iHatch], sizeof state);
    if (state.dwFore == fore && state.dwBack == back && state.lStyle == static_cast<LONG>(iHatch))
        return number;
    PdlPrintf(pdev, "bru %d #%X #%X", number, fore, back);
    WriteBlockHead(pdev, kHatchCellSize, kHatchCellSize, 4);
    PdlWrite(pdev, FindHatchCell(iHatch), kHatchCellBytes);
    PdlPrintf(pdev, "!>;\n");
    state = {fore, back, static_cast<LONG>(iHatch)};
    std::memcpy(&pContext->hatchState[iHatch], &state, sizeof state);
    return number;
}

// The stored rows in the order the printer takes them: the top row first. A record whose rows are not
// top-down holds its bottom row first.
const BYTE* RowInPrintOrder(const REALIZED_BRUSH* rb, LONG i, DWORD rowBytes)
{
    const LONG row = (rb->flFlags & kRowsTopDown) != 0 ? i : rb->lHeight - 1 - i;
    return Rows(rb) + static_cast<size_t>(row) * rowBytes;
}

// The pattern's "bru" command with its bits under the brush number. FALSE for a format it cannot send.
bool WritePattern(PDEV* pdev, LONG number, const REALIZED_BRUSH* rb)
{
    const LONG width = rb->lWidth;
    const LONG height = rb->lHeight;
    const LONG sentBytes = (width + 7) / 8;
    if (rb->lFormat == BMF_1BPP) {
        const DWORD rowBytes = RowBytes(width, 1);
        PdlPrintf(pdev, "bru %d #%X #%X %d %d %d <!", number, PdlDeviceColor(pdev, RealizedBrushColor(rb, 1)),
                  PdlDeviceColor(pdev, RealizedBrushColor(rb, 0)), width, height, sentBytes);
        for (LONG i = 0; i < height; ++i)
            PdlWrite(pdev, RowInPrintOrder(rb, i, rowBytes), static_cast<DWORD>(sentBytes));
        PdlPrintf(pdev, "!>;\n");
        return true;
    }
    if (rb->lFormat != BMF_24BPP)
        return false;
    // Three-byte pixels go as one bit a pixel: each pixel's gray level picks a level of the pattern dither,
    // whose bit at the pixel's place in its 8 x 4 cell says white (set) or black.
    const DWORD rowBytes = RowBytes(width, 24);
    PdlPrintf(pdev, "bru %d #%X #%X %d %d %d <!", number, PdlDeviceColor(pdev, kWhite),
              PdlDeviceColor(pdev, kBlack), width, height, sentBytes);
    for (LONG i = 0; i < height; ++i) {
        const BYTE* row = RowInPrintOrder(rb, i, rowBytes);
        const BYTE* dither = nullptr;
        BYTE bits = 0;
        for (LONG x = 0; x < width; ++x) {
            const UINT gray = (30u * row[x * 3] + 59u * row[x * 3 + 1] + 11u * row[x * 3 + 2]) / 100;
            dither = FindPatternDitherLevel((gray + 8) / 16);
            const BYTE mask = static_cast<BYTE>(0x80 >> (x % 8));
            if ((dither[i % kPatternDitherRows] & mask) != 0)
                bits |= mask;
            if (x % 8 == 7 || x == width - 1) {
                PdlWrite(pdev, &bits, 1);
                bits = 0;
            }
        }
    }
    PdlPrintf(pdev, "!>;\n");
    return true;
}

bool SamePattern(const REALIZED_BRUSH* a, const REALIZED_BRUSH* b)
{
    if (a->lFormat != b->lFormat || a->lWidth != b->lWidth || a->lHeight != b->lHeight || a->flFlags != b->flFlags ||
        a->cPalette != b->cPalette || a->iHatch != b->iHatch || a->offColors != b->offColors)
        return false;
    // The colours a one-bit pattern prints in are part of what the printer keeps in the slot.
    if (a->lFormat == BMF_1BPP && (RealizedBrushColor(a, 0) != RealizedBrushColor(b, 0) || RealizedBrushColor(a, 1) != RealizedBrushColor(b, 1)))
        return false;
    const DWORD rowBytes = RowBytes(a->lWidth, a->lFormat == BMF_1BPP ? 1 : 24);
    const DWORD significant =
        a->lFormat == BMF_1BPP ? (a->lWidth + 31) / 32 * 4 : (3 * static_cast<DWORD>(a->lWidth) + 3) / 4 * 4;
    for (LONG row = 0; row < a->lHeight; ++row)
        if (std::memcmp(Rows(a) + row * rowBytes, Rows(b) + row * rowBytes, significant) != 0)
            return false;
    return true;
}

// The slot number of a pattern: a slot holding the same pattern answers at once; else the pattern is copied
// into a free slot (the oldest gives way when all ten are in use) and sent, or sent as number 9 when no copy
// can be made.
LONG CachePattern(PDEV* pdev, const REALIZED_BRUSH* rb)
{
    JOB_EXTRA_RECORD* pContext = PdlGetContext(pdev);
    BYTE* slots[kPatternSlotCount];
    LONG ages[kPatternSlotCount];
    std::memcpy(slots, pContext->pPatternSlots, sizeof slots);
    std::memcpy(ages, pContext->lPatternAge, sizeof ages);
    for (UINT i = 0; i < kPatternSlotCount; ++i)
        if (ages[i] >= 0 && slots[i] != nullptr &&
            SamePattern(reinterpret_cast<const REALIZED_BRUSH*>(slots[i]), rb))
            return kBrushFirstSlot + static_cast<LONG>(i);

    const DWORD cb = RecordBytes(*rb);
    BYTE* pCopy = static_cast<BYTE*>(AllocListAlloc(pdev->pAllocList, cb));
    if (pCopy == nullptr) {
        WritePattern(pdev, kBrushUncached, rb);
        return kBrushUncached;
    }
    std::memcpy(pCopy, rb, cb);
    DWORD used = pContext->cPatternSlots;
    if (used >= kPatternSlotCount) {
        for (UINT i = 0; i < kPatternSlotCount; ++i) {
            if (ages[i] == 0) {
                AllocListFree(pdev->pAllocList, slots[i]);
                slots[i] = nullptr;
                ages[i] = -1;
            } else if (ages[i] > 0) {
                --ages[i];
            }
        }
        used = kPatternSlotCount - 1;
    }
    UINT slot = 0;
    while (slot < kPatternSlotCount && ages[slot] >= 0)
        ++slot;
    if (slot == kPatternSlotCount) {   // the ages lost count: start the slots afresh rather than overrun them
        for (UINT i = 0; i < kPatternSlotCount; ++i) {
            AllocListFree(pdev->pAllocList, slots[i]);
            slots[i] = nullptr;
            ages[i] = -1;
        }
        used = 0;
        slot = 0;
    }
    slots[slot] = pCopy;
    ages[slot] = static_cast<LONG>(used);
    std::memcpy(pContext->pPatternSlots, slots, sizeof slots);
    std::memcpy(pContext->lPatternAge, ages, sizeof ages);
    pContext->cPatternSlots = used + 1;
    const LONG number = kBrushFirstSlot + static_cast<LONG>(slot);
    WritePattern(pdev, number, rb);
    return number;
}

// A pattern of at most 8 x 8 pixels at twice its size: each pixel and each row repeated. Null when no memory.
REALIZED_BRUSH* Enlarge(PDEV* pdev, const REALIZED_BRUSH* rb)
{
    const UINT bits = rb->lFormat == BMF_1BPP ? 1 : 24;
    const LONG width = rb->lWidth * 2;
    const LONG height = rb->lHeight * 2;
    const DWORD oldRowBytes = RowBytes(rb->lWidth, bits);
    const DWORD rowBytes = RowBytes(width, bits);
    const DWORD offColors = sizeof(REALIZED_BRUSH) + rowBytes * static_cast<DWORD>(height);
    auto* big = static_cast<REALIZED_BRUSH*>(AllocListAlloc(pdev->pAllocList, offColors + ColorBytes(*rb)));
    if (big == nullptr)
        return nullptr;
    *big = *rb;
    big->lWidth = width;
    big->lHeight = height;
    big->offColors = static_cast<LONG>(offColors);
    std::memcpy(reinterpret_cast<BYTE*>(big) + offColors, reinterpret_cast<const BYTE*>(rb) + rb->offColors,
                ColorBytes(*rb));
    for (LONG y = 0; y < height; ++y) {
        const BYTE* from = Rows(rb) + static_cast<size_t>(y / 2) * oldRowBytes;
        BYTE* to = Rows(big) + static_cast<size_t>(y) * rowBytes;
        std::memset(to, 0, rowBytes);
        for (LONG x = 0; x < width; ++x) {
            const LONG source = x / 2;
            if (bits == 1) {
                if ((from[source / 8] & (0x80 >> (source % 8))) != 0)
                    to[x / 8] |= static_cast<BYTE>(0x80 >> (x % 8));
            } else {
                std::memcpy(to + x * 3, from + source * 3, 3);
            }
        }
    }
    return big;
}

LONG PatternBrush(PDEV* pdev, const REALIZED_BRUSH* rb)
{
    if (IsOneBitPlaneMode(pdev))
        return CachePattern(pdev, rb);
    const bool known = rb->lFormat == BMF_1BPP || rb->lFormat == BMF_24BPP;
    if (known && (rb->lWidth > kEnlargeLimit || rb->lHeight > kEnlargeLimit))
        return CachePattern(pdev, rb);
    REALIZED_BRUSH* big = known ? Enlarge(pdev, rb) : nullptr;
    if (big == nullptr) {
        PdlPrintf(pdev, "rem error: update_pattern_brush_ext;\n");
        return CachePattern(pdev, rb);
    }
    const LONG number = CachePattern(pdev, big);
    AllocListFree(pdev->pAllocList, big);
    return number;
}

} // namespace

ULONG RealizedBrushColor(const REALIZED_BRUSH* rb, UINT index)
{
    ULONG value;
    std::memcpy(&value, reinterpret_cast<const BYTE*>(rb) + rb->offColors + index * 4, sizeof value);
    return value;
}

void SetRealizedBrushColor(REALIZED_BRUSH* rb, UINT index, ULONG value)
{
    std::memcpy(reinterpret_cast<BYTE*>(rb) + rb->offColors + index * 4, &value, sizeof value);
}

ULONG PdlBrushColor(PDEV* pdev, BRUSHOBJ* pbo)
{
    if (IsOneBitPlaneMode(pdev))
        return BRUSHOBJ_ulGetBrushColor(pbo) & 0x00FFFFFF;
    return pbo->iSolidColor != kNoColor ? pbo->iSolidColor : kBlack;
}

BOOL IsOneBitPlaneMode(PDEV* pdev)
{
    return pdev->devmode.dmPrivate.env.f1Plane1Bit_Check == 1 && pdev->devmode.dmPrivate.lpGraphicsMode == 2;
}

BOOL PdlRealizeBrush(BRUSHOBJ* pbo, SURFOBJ* psoTarget, SURFOBJ* psoPattern, SURFOBJ* /*psoMask*/, XLATEOBJ* pxlo,
                     ULONG iHatch)
{
    PDEV* pdev = PdevFromSurface(psoTarget);
    if (!bValidatePDEV(pdev)) {
        TRACE_FAILED("_bValidatePDEV");
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    const bool oneBitPlane = IsOneBitPlaneMode(pdev) != FALSE;
    const LONG cPalette = TableEntries(pxlo);

    if (iHatch < HS_DDI_MAX) {
        const uint64_t cb = sizeof(REALIZED_BRUSH) + static_cast<uint64_t>(cPalette) * 4 + 8;
        REALIZED_BRUSH* rb = Allocate(pbo, cb);
        if (rb == nullptr)
            return AllocationFailed(__LINE__);
        rb->lFormat = BMF_1BPP;
        rb->cPalette = cPalette;
        rb->offColors = sizeof(REALIZED_BRUSH);
        rb->iHatch = iHatch;
        CopyTable(rb, pxlo);
        SetBrushColors(rb, oneBitPlane, /*trivialOneBit=*/false, pxlo);
        return TRUE;
    }

    const UINT bits = psoPattern != nullptr ? SourceBitsPerPixel(psoPattern->iBitmapFormat) : 0;
    // A row is read no further than the pattern's own stride, which must hold its pixels.
    const uint64_t stride = psoPattern != nullptr ? static_cast<uint64_t>(std::abs(psoPattern->lDelta)) : 0;
    if (bits == 0 || psoPattern->pvScan0 == nullptr || psoPattern->sizlBitmap.cx <= 0 ||
        psoPattern->sizlBitmap.cy <= 0 || stride < (static_cast<uint64_t>(psoPattern->sizlBitmap.cx) * bits + 7) / 8) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    const LONG width = psoPattern->sizlBitmap.cx;
    const LONG height = psoPattern->sizlBitmap.cy;
    const bool raw = bits == 1 || bits == 24;
    const DWORD rowBytes = RowBytes(width, raw ? bits : 24);
    const uint64_t rowsBytes = static_cast<uint64_t>(rowBytes) * static_cast<uint64_t>(height);
    const uint64_t cb = sizeof(REALIZED_BRUSH) + rowsBytes + static_cast<uint64_t>(cPalette) * 4 + 8;
    if (cb > kMaxBrushBytes) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    REALIZED_BRUSH* rb = Allocate(pbo, cb);
    if (rb == nullptr)
        return AllocationFailed(__LINE__);
    rb->lWidth = width;
    rb->lHeight = height;
    rb->cPalette = cPalette;
    rb->offColors = static_cast<LONG>(sizeof(REALIZED_BRUSH) + rowsBytes);
    rb->iHatch = iHatch;
    CopyTable(rb, pxlo);

    const DWORD sourceRowBytes = static_cast<DWORD>(std::min<uint64_t>(RowBytes(width, bits), stride));
    if (raw) {
        rb->lFormat = bits == 1 ? BMF_1BPP : BMF_24BPP;
        rb->flFlags = (psoPattern->fjBitmap & BMF_TOPDOWN) != 0 ? kRowsTopDown : 0;
        for (LONG row = 0; row < height; ++row)
            std::memcpy(Rows(rb) + static_cast<size_t>(row) * rowBytes, MemoryRow(psoPattern, row),
                        sourceRowBytes);
        if (bits == 1) {
            const bool trivial = pxlo == nullptr || (pxlo->flXlate & XO_TRIVIAL) != 0;
            SetBrushColors(rb, oneBitPlane, trivial, pxlo);
        }
        return TRUE;
    }
    // Converted rows are stored top-down.
    rb->lFormat = BMF_24BPP;
    rb->flFlags = kRowsTopDown;
    SourcePalette palette;
    if (oneBitPlane || bits == 4)
        ReadPalette(pxlo, palette);
    for (LONG y = 0; y < height; ++y) {
        const BYTE* from = static_cast<const BYTE*>(psoPattern->pvScan0) + static_cast<ptrdiff_t>(y) * psoPattern->lDelta;
        BYTE* to = Rows(rb) + static_cast<size_t>(y) * rowBytes;
        for (LONG x = 0; x < width; ++x)
            PutPixel24(to, x, ConvertPixel(from, x, bits, oneBitPlane, pxlo, palette));
    }
    return TRUE;
}

BOOL PdlSelectBrush(PDEV* pdev, BRUSHOBJ* pbo)
{
    if (pbo == nullptr) {
        SelectNumber(pdev, kBrushNone);
        return TRUE;
    }
    if (pbo->iSolidColor != kNoColor) {
        SelectNumber(pdev, SolidBrush(pdev, PdlBrushColor(pdev, pbo)));
        return TRUE;
    }
    const auto* rb = static_cast<const REALIZED_BRUSH*>(BRUSHOBJ_pvGetRbrush(pbo));
    if (rb == nullptr) {
        TraceLine("Null brush.\n");
        SelectNumber(pdev, kBrushNone);
        return FALSE;
    }
    SelectNumber(pdev, rb->iHatch < HS_DDI_MAX ? HatchBrush(pdev, rb) : PatternBrush(pdev, rb));
    return TRUE;
}

void PdlOutputBrushMode(PDEV* pdev, ULONG mode)
{
    const LONG value = mode == OPAQUE ? 0 : 1;
    JOB_EXTRA_RECORD* pContext = PdlGetContext(pdev);
    if (pContext->lBrushMode == value)
        return;
    PdlPrintf(pdev, "brm %d;\n", value);
    pContext->lBrushMode = value;
}

void PdlOutputBrushColors(PDEV* pdev, ULONG rgbFore, ULONG rgbBack)
{
    const ULONG fore = PdlDeviceColor(pdev, rgbFore);
    const ULONG back = PdlDeviceColor(pdev, rgbBack);
    JOB_EXTRA_RECORD* pContext = PdlGetContext(pdev);
    if (pContext->dwBrushFore == fore && pContext->dwBrushBack == back)
        return;
    PdlPrintf(pdev, "bri #%X #%X;\n", fore, back);
    pContext->dwBrushFore = fore;
    pContext->dwBrushBack = back;
}

BOOL PdlOutputDitherPattern(PDEV* pdev, const BYTE (&rows)[8])
{
    constexpr DWORD kRowBytes = 4;
    constexpr DWORD kOffColors = sizeof(REALIZED_BRUSH) + 8 * kRowBytes;
    constexpr LONG kColors = 2;
    auto* rb = static_cast<REALIZED_BRUSH*>(AllocListAlloc(pdev->pAllocList, kOffColors + kColors * 4 + 8));
    if (rb == nullptr) {
        PdlPrintf(pdev, "rem error: output dither brush;\n");
        return FALSE;
    }
    *rb = {8, 8, BMF_1BPP, kRowsTopDown, kColors, static_cast<LONG>(kOffColors), kDitherBrushHatch};
    for (UINT row = 0; row < 8; ++row)
        Rows(rb)[row * kRowBytes] = rows[row];
    SetRealizedBrushColor(rb, 0, kWhite);
    SetRealizedBrushColor(rb, 1, kBlack);
    SelectNumber(pdev, CachePattern(pdev, rb));
    AllocListFree(pdev->pAllocList, rb);
    return TRUE;
}

BOOL PdlOutputColorDither(PDEV* pdev, ULONG rgb)
{
    const UINT red = rgb & 0xFF, green = (rgb >> 8) & 0xFF, blue = (rgb >> 16) & 0xFF;
    const UINT gray = (30 * red + 59 * green + 11 * blue) / 100;
    const BYTE* cell = FindDitherCell(32 - (gray + 4) / 8);
    BYTE rows[8];
    std::memcpy(rows, cell, sizeof rows);
    return PdlOutputDitherPattern(pdev, rows);
}

void PdlFreeBrushCache(PDEV* pdev)
{
    JOB_EXTRA_RECORD* pContext = PdlGetContext(pdev);
    BYTE* slots[kPatternSlotCount];
    std::memcpy(slots, pContext->pPatternSlots, sizeof slots);
    for (BYTE*& slot : slots) {
        AllocListFree(pdev->pAllocList, slot);
        slot = nullptr;
    }
    std::memcpy(pContext->pPatternSlots, slots, sizeof slots);
    LONG ages[kPatternSlotCount];
    for (LONG& age : ages)
        age = -1;
    std::memcpy(pContext->lPatternAge, ages, sizeof ages);
    pContext->cPatternSlots = 0;
}

void PdlInitBrushCache(PDEV* pdev)
{
    PdlFreeBrushCache(pdev);
}

void PdlResetBrushState(PDEV* pdev)
{
    JOB_EXTRA_RECORD* pContext = PdlGetContext(pdev);
    pContext->lBrushNumber = kUnknownBrush;
    pContext->dwBrushColor2 = kNoColor;
    pContext->lBrushMode = -1;
    pContext->dwBrushFore = kNoColor;
    pContext->dwBrushBack = kNoColor;
    const HATCH_STATE unknown = {kNoColor, kNoColor, -1};
    for (UINT i = 0; i < kHatchStyleCount; ++i)
        std::memcpy(&pContext->hatchState[i], &unknown, sizeof unknown);
}
