// ink_rows.cpp - source bitmaps read as ink rows.
#include "pdl/vxcmn/vqpdlnt/ink_rows.h"
#include "pdl/vxcmn/vqpdlnt/blit_tables.h"
#include "pdl/vxcmn/vqpdlnt/brush_tables.h"
#include "pdl/vxcmn/vqpdlnt/vqbrush.h"
#include "settings/base/global_memory.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace {

constexpr UINT kMemoSize = 4096;   // a power of two

// A blit's pixels repeat their colours, and each translation is a call into GDI: the last translations are
// kept, by their value's hash.
struct MEMO_ENTRY {
    ULONG value;
    BYTE ink;
    BYTE used;
};

// How the pixels of one source become ink.
class InkReader {
public:
    InkReader(PDEV* pdev, UINT bits, XLATEOBJ* pxlo)
        : m_bits(bits), m_oneBitPlane(IsOneBitPlaneMode(pdev) != FALSE),
          m_translate(!m_oneBitPlane && pxlo != nullptr && (pxlo->flXlate & XO_TRIVIAL) == 0), m_pxlo(pxlo)
    {
        if (bits == 4 || bits == 8)
            BuildTable();
    }

    // False when the translation memo cannot be allocated.
    bool Ready()
    {
        if (!m_translate || m_bits <= 8)
            return true;
        m_memoBlock = AllocLockedBlock(kMemoSize * sizeof(MEMO_ENTRY));
        return m_memoBlock != nullptr;
    }

    ~InkReader() { FreeLockedBlock(m_memoBlock); }
    InkReader(const InkReader&) = delete;
    InkReader& operator=(const InkReader&) = delete;

    // width pixels of the row from pixel left, one ink byte each.
    void ReadRow(const BYTE* row, LONG left, LONG width, BYTE* out)
    {
        switch (m_bits) {
        case 4:
            for (LONG i = 0; i < width; ++i) {
                const LONG x = left + i;
                out[i] = m_table[(x % 2 == 0 ? row[x / 2] >> 4 : row[x / 2]) & 0x0F];   // high nibble first
            }
            break;
        case 8:
            for (LONG i = 0; i < width; ++i)
                out[i] = m_table[row[left + i]];
            break;
        case 16:
            for (LONG i = 0; i < width; ++i) {
                const BYTE* p = row + (left + i) * 2;
                out[i] = Ink(static_cast<ULONG>(p[0]) | static_cast<ULONG>(p[1]) << 8);
            }
            break;
        case 24:
            for (LONG i = 0; i < width; ++i) {
                const BYTE* p = row + (left + i) * 3;
                out[i] = Ink(static_cast<ULONG>(p[0]) | static_cast<ULONG>(p[1]) << 8 |
                             static_cast<ULONG>(p[2]) << 16);
            }
            break;
        default: {
            for (LONG i = 0; i < width; ++i) {
                ULONG value;
                std::memcpy(&value, row + (left + i) * 4, sizeof value);
                out[i] = Ink(value);
            }
            break;
        }
        }
    }

private:
    // The palette of a four or eight-bit source as ink, once: the translation's table (or each index
    // translated), or in the one-bit plane mode the source palette; the default palette without either.
    void BuildTable()
    {
        const ULONG count = m_bits == 4 ? 16 : 256;
        ULONG entries[256] = {};
        ULONG read = 0;
        if (m_oneBitPlane && m_pxlo != nullptr)
            read = XLATEOBJ_cGetPalette(m_pxlo, XO_SRCPALETTE, count, entries);
        const bool table = m_pxlo != nullptr && (m_pxlo->flXlate & XO_TABLE) != 0 && m_pxlo->pulXlate != nullptr;
        for (ULONG i = 0; i < count; ++i) {
            if (m_oneBitPlane)
                m_table[i] = read > 0 && read <= count ? (i < read ? InkOfColor(entries[i]) : 255)
                                                       : DefaultPaletteInk(i);
            else if (m_bits == 4)
                m_table[i] = table && i < m_pxlo->cEntries ? InkOfColor(m_pxlo->pulXlate[i]) : DefaultInk(4, i);
            else
                m_table[i] = m_translate ? InkOfColor(XLATEOBJ_iXlate(m_pxlo, i)) : static_cast<BYTE>(255 - i);
        }
    }

    BYTE DefaultPaletteInk(ULONG index) const
    {
        return m_bits == 4 ? DefaultInk(4, index) : InkOfColor(GetDefaultPalette()[index]);
    }

    // The ink of a 16, 24 or 32-bit pixel: translated, or read as the colour it is (16 bits as 5-5-5). Without a
    // translation the pixel is the device's own RGB value; in the one-bit plane mode it is the bitmap's, whose
    // blue is the low byte (as the brush writer reads a pattern's pixels).
    BYTE Ink(ULONG value)
    {
        if (m_translate)
            return Translated(value);
        if (m_bits == 16) {
            const ULONG red = (value >> 10) & 0x1F, green = (value >> 5) & 0x1F, blue = value & 0x1F;
            return static_cast<BYTE>(255 - (240 * red + 472 * green + 88 * blue) / 100);
        }
        if (m_oneBitPlane)
            return InkOfColor((value & 0x00FF00) | (value >> 16 & 0xFF) | (value & 0xFF) << 16);
        return InkOfColor(value);
    }

    BYTE Translated(ULONG value)
    {
        auto* memo = static_cast<MEMO_ENTRY*>(m_memoBlock);
        MEMO_ENTRY& entry = memo[(value ^ (value >> 11) ^ (value >> 22)) & (kMemoSize - 1)];
        if (entry.used == 0 || entry.value != value) {
            entry = {value, InkOfColor(XLATEOBJ_iXlate(m_pxlo, value)), 1};
        }
        return entry.ink;
    }

    UINT m_bits;
    bool m_oneBitPlane;
    bool m_translate;
    XLATEOBJ* m_pxlo;
    BYTE m_table[256] = {};
    void* m_memoBlock = nullptr;
};

// width bits from bit left of a one-bit row (rowBytes bytes hold the bitmap's pixels), inverted, the bits
// past width clear.
void ReadOneBitRow(const BYTE* row, LONG rowBytes, LONG left, LONG width, BYTE* out)
{
    const LONG first = left / 8;
    const int shift = left % 8;
    const LONG count = (width + 7) / 8;
    for (LONG k = 0; k < count; ++k) {
        UINT bits = static_cast<UINT>(row[first + k]) << shift;
        if (shift != 0 && first + k + 1 < rowBytes)
            bits |= row[first + k + 1] >> (8 - shift);
        out[k] = static_cast<BYTE>(~bits);
    }
    if (width % 8 != 0)
        out[count - 1] &= static_cast<BYTE>(0xFF << (8 - width % 8));
}

// Reverses the width bits of a one-bit row in place: the bytes turned end for end and each byte's bits
// reversed, then the row moved left over the clear bits that were its end.
void MirrorOneBitRow(BYTE* row, LONG width, BYTE* scratch)
{
    const LONG count = (width + 7) / 8;
    const int pad = static_cast<int>(count * 8 - width);
    for (LONG k = 0; k < count; ++k)
        scratch[k] = ReverseBits(row[count - 1 - k]);
    for (LONG k = 0; k < count; ++k) {
        UINT bits = static_cast<UINT>(scratch[k]) << pad;
        if (pad != 0 && k + 1 < count)
            bits |= scratch[k + 1] >> (8 - pad);
        row[k] = static_cast<BYTE>(bits);
    }
}

} // namespace

UINT SourceBitsPerPixel(ULONG iBitmapFormat)
{
    switch (iBitmapFormat) {
    case BMF_1BPP: return 1;
    case BMF_4BPP: return 4;
    case BMF_8BPP: return 8;
    case BMF_16BPP: return 16;
    case BMF_24BPP: return 24;
    case BMF_32BPP: return 32;
    default: return 0;
    }
}

LONG InkRowBytes(UINT bitsPerPixel, LONG width)
{
    // Rounded up in 64 bits: a width within 7 of the largest LONG must not wrap.
    return bitsPerPixel == 1 ? static_cast<LONG>((static_cast<long long>(width) + 7) / 8) : width;
}

BYTE InkOfColor(ULONG rgb)
{
    const ULONG red = rgb & 0xFF, green = (rgb >> 8) & 0xFF, blue = (rgb >> 16) & 0xFF;
    return static_cast<BYTE>(255 - (30 * red + 59 * green + 11 * blue) / 100);
}

BOOL ReadInkRows(PDEV* pdev, SURFOBJ* pso, XLATEOBJ* pxlo, const RECTL& rect, BOOL mirrorX, BOOL mirrorY,
                 BYTE* pOut)
{
    const UINT bits = SourceBitsPerPixel(pso->iBitmapFormat);
    const long long needed = (static_cast<long long>(pso->sizlBitmap.cx) * bits + 7) / 8;
    if (bits == 0 || pso->pvScan0 == nullptr || std::llabs(pso->lDelta) < needed)
        return FALSE;
    const LONG width = rect.right - rect.left;
    const LONG height = rect.bottom - rect.top;
    const LONG outBytes = InkRowBytes(bits, width);
    const auto* scan0 = static_cast<const BYTE*>(pso->pvScan0);
    if (bits == 1) {
        LockedBlock scratch(static_cast<SIZE_T>(outBytes));
        if (!scratch)
            return FALSE;
        for (LONG r = 0; r < height; ++r) {
            const BYTE* row = scan0 + static_cast<ptrdiff_t>(rect.top + r) * pso->lDelta;
            BYTE* out = pOut + static_cast<size_t>(mirrorY ? height - 1 - r : r) * outBytes;
            ReadOneBitRow(row, static_cast<LONG>(needed), rect.left, width, out);
            if (mirrorX)
                MirrorOneBitRow(out, width, scratch.as<BYTE>());
        }
        return TRUE;
    }
    InkReader reader(pdev, bits, pxlo);
    if (!reader.Ready())
        return FALSE;
    for (LONG r = 0; r < height; ++r) {
        const BYTE* row = scan0 + static_cast<ptrdiff_t>(rect.top + r) * pso->lDelta;
        BYTE* out = pOut + static_cast<size_t>(mirrorY ? height - 1 - r : r) * outBytes;
        reader.ReadRow(row, rect.left, width, out);
        if (mirrorX)
            std::reverse(out, out + width);
    }
    return TRUE;
}
