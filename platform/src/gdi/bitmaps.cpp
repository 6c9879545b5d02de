// bitmaps.cpp - bitmap objects and the DIB calls: CreateBitmap, CreateDIBSection, GetDIBits and SetDIBits.
// Pixels move between a bitmap and a DIB through the engine's copy with a colour translation between their
// palettes, so every format converts to every other the one way the engine blits.
#include "gdi/bitmaps.h"
#include "host/engine/xlate.h"

#include <algorithm>
#include <cstring>

namespace platform {
namespace {

// The most bytes a DIB's bits may take: what the engine allocates a bitmap in.
constexpr uint64_t kMaxDibBytes = 0x40000000;

ULONG FormatOf(WORD bitsPerPixel)
{
    switch (bitsPerPixel) {
    case 1: return BMF_1BPP;
    case 4: return BMF_4BPP;
    case 8: return BMF_8BPP;
    case 16: return BMF_16BPP;
    case 24: return BMF_24BPP;
    default: return BMF_32BPP;
    }
}

// A bitmap object whose pixels live in a new zero-filled engine bitmap of that layout; null with the engine's
// last error when it cannot be made.
std::shared_ptr<GdiBitmap> MakeBitmap(LONG width, LONG height, WORD bitsPerPixel, LONG stride, bool topDown)
{
    const HBITMAP engineBitmap = EngCreateBitmap(SIZEL{width, height}, stride, FormatOf(bitsPerPixel),
                                                 topDown ? BMF_TOPDOWN : 0, nullptr);
    if (engineBitmap == nullptr)
        return nullptr;
    auto bitmap = std::make_shared<GdiBitmap>();
    bitmap->width = width;
    bitmap->height = height;
    bitmap->bitsPerPixel = bitsPerPixel;
    bitmap->widthBytes = stride;
    bitmap->hsurf = reinterpret_cast<HSURF>(engineBitmap);
    bitmap->surface = engine::FindSurface(bitmap->hsurf);
    return bitmap;
}

// Bytes per row of a DIB: whole 32-bit words.
uint64_t DibStride(uint64_t width, WORD bitsPerPixel)
{
    return (width * bitsPerPixel + 31) / 32 * 4;
}

// The palette of a DIB's pixel values.
engine::Palette DibPalette(const DibLayout& layout)
{
    GdiBitmap shape;   // only its format fields: the palette rules are the bitmap's own
    shape.bitsPerPixel = layout.bitsPerPixel;
    shape.colorTable = layout.colorTable;
    std::copy(std::begin(layout.masks), std::end(layout.masks), shape.masks);
    return shape.Palette();
}

bool MasksAreUsable(const DWORD masks[3])
{
    return masks[0] != 0 && masks[1] != 0 && masks[2] != 0 && (masks[0] & masks[1]) == 0 &&
           (masks[0] & masks[2]) == 0 && (masks[1] & masks[2]) == 0;
}

bool Fail(DWORD error)
{
    SetLastError(error);
    return false;
}

// A view of some of a DIB's rows as an engine bitmap over the caller's memory: rowCount rows starting at the
// DIB's row firstRow (in the DIB's own order). Deleted with the view.
class DibRows {
public:
    DibRows(const DibLayout& layout, const void* bits, LONG rowCount)
    {
        m_bitmap = EngCreateBitmap(SIZEL{layout.width, rowCount}, layout.stride, FormatOf(layout.bitsPerPixel),
                                   layout.topDown ? BMF_TOPDOWN : 0, const_cast<void*>(bits));
        m_so = m_bitmap != nullptr ? engine::FindSurface(reinterpret_cast<HSURF>(m_bitmap)) : nullptr;
    }
    ~DibRows()
    {
        if (m_bitmap != nullptr)
            EngDeleteSurface(reinterpret_cast<HSURF>(m_bitmap));
    }
    DibRows(const DibRows&) = delete;
    DibRows& operator=(const DibRows&) = delete;

    SURFOBJ* so() const { return m_so != nullptr ? &m_so->so : nullptr; }

private:
    HBITMAP m_bitmap = nullptr;
    std::shared_ptr<engine::Surface> m_so;
};

// The rows of a bitmap that scan lines first .. first + count - 1 of a DIB of the layout show: the DIB's image
// is the bitmap's, its scan lines counted from the bottom for a bottom-up DIB. In the view of those scan lines
// (DibRows), the top row is the image row answered.
LONG FirstImageRow(const DibLayout& layout, LONG first, LONG count)
{
    return layout.topDown ? first : layout.height - first - count;
}

// Copies the part of the view (rows 0 .. count - 1, image rows imageRow ..) that lies on the bitmap, from the
// view when toBitmap, else to it, through the translation between the two palettes.
BOOL CopyBetween(GdiBitmap& bitmap, SURFOBJ* view, const DibLayout& layout, LONG imageRow, LONG count,
                 bool toBitmap)
{
    const LONG top = std::max(0L, -imageRow);
    const LONG bottom = std::min(count, bitmap.height - imageRow);
    const LONG right = std::min(layout.width, bitmap.width);
    if (top >= bottom || right <= 0)
        return TRUE;
    const engine::Palette dibPalette = DibPalette(layout);
    if (toBitmap) {
        engine::XlateObject xlate(dibPalette, bitmap.Palette());
        RECTL dest = {0, imageRow + top, right, imageRow + bottom};
        POINTL source = {0, top};
        return EngCopyBits(bitmap.so(), view, nullptr, xlate.get(), &dest, &source);
    }
    engine::XlateObject xlate(bitmap.Palette(), dibPalette);
    RECTL dest = {0, top, right, bottom};
    POINTL source = {0, imageRow + top};
    return EngCopyBits(view, bitmap.so(), nullptr, xlate.get(), &dest, &source);
}

// Fills in the header (and colour table) of a GetDIBits call without bits: the bitmap's own format when the
// caller left biBitCount zero, else the table and image size of the format asked for.
int DescribeForDib(const GdiBitmap& bitmap, LPBITMAPINFO lpbmi, UINT usage)
{
    BITMAPINFOHEADER header;
    std::memcpy(&header, lpbmi, sizeof header);
    if (header.biBitCount == 0) {
        header.biWidth = bitmap.width;
        header.biHeight = bitmap.height;
        header.biPlanes = 1;
        header.biBitCount = bitmap.bitsPerPixel;
        header.biCompression = bitmap.masks[0] != 0 ? BI_BITFIELDS : BI_RGB;
        header.biSizeImage = static_cast<DWORD>(DibStride(bitmap.width, bitmap.bitsPerPixel) * bitmap.height);
        header.biClrUsed = 0;
        header.biClrImportant = 0;
        std::memcpy(lpbmi, &header, sizeof header);
        return bitmap.height;
    }
    DibLayout layout;
    if (!ReadDibHeader(lpbmi, usage, layout))
        return 0;
    header.biSizeImage = static_cast<DWORD>(layout.stride * layout.height);
    std::memcpy(lpbmi, &header, sizeof header);
    return bitmap.height;
}

// The colour table GetDIBits answers for a DIB of that depth: the bitmap's own when the depths match.
std::vector<DWORD> TableForDib(const GdiBitmap& bitmap, WORD bitsPerPixel)
{
    std::vector<DWORD> table = bitmap.bitsPerPixel == bitsPerPixel ? bitmap.colorTable
                                                                    : DefaultColorTable(bitsPerPixel);
    table.resize(size_t{1} << bitsPerPixel, 0);
    return table;
}

} // namespace

bool IsBitmapDepth(UINT bitsPerPixel)
{
    return bitsPerPixel == 1 || bitsPerPixel == 4 || bitsPerPixel == 8 || bitsPerPixel == 16 ||
           bitsPerPixel == 24 || bitsPerPixel == 32;
}

std::vector<DWORD> DefaultColorTable(WORD bitsPerPixel)
{
    switch (bitsPerPixel) {
    case 1:
        return {0x000000, 0xFFFFFF};
    case 4:
        return {0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
                0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};
    case 8: {
        std::vector<DWORD> table;
        for (DWORD i = 0; i < 256; ++i) {
            const DWORD r = (i >> 5) * 255 / 7, g = ((i >> 2) & 7) * 255 / 7, b = (i & 3) * 255 / 3;
            table.push_back(r << 16 | g << 8 | b);
        }
        return table;
    }
    default:
        return {};
    }
}

std::shared_ptr<GdiBitmap> MakeDdb(LONG width, LONG height, WORD bitsPerPixel, std::vector<DWORD> colorTable)
{
    const uint64_t widthBytes = (static_cast<uint64_t>(width) * bitsPerPixel + 15) / 16 * 2;
    if (widthBytes > kMaxDibBytes) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return nullptr;
    }
    auto bitmap = MakeBitmap(width, height, bitsPerPixel, static_cast<LONG>(widthBytes), /*topDown=*/true);
    if (bitmap != nullptr)
        bitmap->colorTable = std::move(colorTable);
    return bitmap;
}

std::shared_ptr<GdiBitmap> MakeBitmapLike(const GdiBitmap& format, LONG width, LONG height)
{
    auto bitmap = MakeDdb(width, height, format.bitsPerPixel, format.colorTable);
    if (bitmap == nullptr)
        return nullptr;
    std::copy(std::begin(format.masks), std::end(format.masks), bitmap->masks);
    bitmap->isDib = format.isDib;
    return bitmap;
}

HBITMAP CreateBitmapObject(LONG width, LONG height, WORD bitsPerPixel, const BYTE* rows, size_t sourceStride,
                           const DWORD* colorTable, UINT colorCount)
{
    auto bitmap = MakeDdb(width, height, bitsPerPixel,
                          std::vector<DWORD>(colorTable, colorTable + (colorTable != nullptr ? colorCount : 0)));
    if (bitmap == nullptr)
        return nullptr;
    const size_t rowBytes = std::min(static_cast<size_t>(bitmap->widthBytes), sourceStride);
    auto* base = static_cast<BYTE*>(bitmap->so()->pvScan0);
    for (LONG y = 0; y < height; ++y)
        std::memcpy(base + static_cast<size_t>(y) * bitmap->widthBytes, rows + y * sourceStride, rowBytes);
    return reinterpret_cast<HBITMAP>(AddGdiObject(std::move(bitmap)));
}

std::shared_ptr<GdiBitmap> CopyBitmap(const GdiBitmap& original)
{
    const SURFOBJ* from = original.so();
    auto copy = MakeBitmap(original.width, original.height, original.bitsPerPixel, original.widthBytes,
                           /*topDown=*/from->lDelta > 0);
    if (copy == nullptr)
        return nullptr;
    copy->colorTable = original.colorTable;
    std::copy(std::begin(original.masks), std::end(original.masks), copy->masks);
    copy->isDib = original.isDib;
    copy->dibHeader = original.dibHeader;
    std::memcpy(copy->so()->pvBits, from->pvBits, from->cjBits);
    return copy;
}

bool ReadDibHeader(const BITMAPINFO* pbmi, UINT usage, DibLayout& layout)
{
    if (pbmi == nullptr || usage != DIB_RGB_COLORS)
        return Fail(ERROR_INVALID_PARAMETER);
    DWORD size;
    std::memcpy(&size, pbmi, sizeof size);   // the header's own size says how much of it there is to read
    if (size < sizeof(BITMAPINFOHEADER))
        return Fail(ERROR_INVALID_PARAMETER);
    BITMAPINFOHEADER h;
    std::memcpy(&h, pbmi, sizeof h);
    const WORD bits = h.biBitCount;
    const bool bitfields = h.biCompression == BI_BITFIELDS;
    if (h.biWidth <= 0 || h.biHeight == 0 || h.biPlanes != 1 || !IsBitmapDepth(bits) ||
        (h.biCompression != BI_RGB && !bitfields) || (bitfields && bits != 16 && bits != 32))
        return Fail(ERROR_INVALID_PARAMETER);
    const uint64_t colors = bits <= 8 ? (h.biClrUsed != 0 ? h.biClrUsed : (1u << bits)) : 0;
    const uint64_t stride = DibStride(static_cast<uint64_t>(h.biWidth), bits);
    const uint64_t rows = static_cast<uint64_t>(h.biHeight < 0 ? -static_cast<int64_t>(h.biHeight) : h.biHeight);
    if ((bits <= 8 && colors > (1u << bits)) || stride * rows > kMaxDibBytes)
        return Fail(ERROR_INVALID_PARAMETER);
    layout = DibLayout();
    layout.header = h;
    layout.width = h.biWidth;
    layout.height = static_cast<LONG>(rows);
    layout.topDown = h.biHeight < 0;
    layout.bitsPerPixel = bits;
    layout.stride = static_cast<LONG>(stride);
    // The colour table follows the whole header; BI_BITFIELDS masks lie right after a BITMAPINFOHEADER's 40
    // bytes, which a larger header has as fields of its own.
    const auto* base = reinterpret_cast<const BYTE*>(pbmi);
    const BYTE* after = base + size;
    if (bitfields) {
        std::memcpy(layout.masks, base + sizeof(BITMAPINFOHEADER), sizeof layout.masks);
        if (!MasksAreUsable(layout.masks))
            return Fail(ERROR_INVALID_PARAMETER);
        if (size == sizeof(BITMAPINFOHEADER))
            after += sizeof layout.masks;
    }
    for (uint64_t i = 0; i < colors; ++i) {
        RGBQUAD quad;
        std::memcpy(&quad, after + i * sizeof quad, sizeof quad);
        layout.colorTable.push_back(static_cast<DWORD>(quad.rgbRed) << 16 | quad.rgbGreen << 8 | quad.rgbBlue);
    }
    layout.colors = after + colors * sizeof(RGBQUAD);
    return true;
}

std::shared_ptr<GdiBitmap> BitmapFromDib(const DibLayout& layout, const void* bits, LONG firstRow, LONG rowCount)
{
    auto bitmap = MakeBitmap(layout.width, layout.height, layout.bitsPerPixel, layout.stride, layout.topDown);
    if (bitmap == nullptr)
        return nullptr;
    bitmap->colorTable = layout.colorTable;
    std::copy(std::begin(layout.masks), std::end(layout.masks), bitmap->masks);
    bitmap->isDib = true;
    bitmap->dibHeader = layout.header;
    // Row r of the DIB lies r strides from the start of its bits, whatever the row order.
    const LONG first = std::max(0L, firstRow);
    const LONG end = std::min(layout.height, firstRow + rowCount);
    auto* base = static_cast<BYTE*>(bitmap->so()->pvBits);
    for (LONG r = first; r < end; ++r)
        std::memcpy(base + static_cast<size_t>(r) * layout.stride,
                    static_cast<const BYTE*>(bits) + static_cast<size_t>(r - firstRow) * layout.stride,
                    static_cast<size_t>(layout.stride));
    return bitmap;
}

} // namespace platform

using platform::GdiBitmap;
using platform::GdiObjectKind;

HBITMAP WINAPI CreateBitmap(int nWidth, int nHeight, UINT nPlanes, UINT nBitCount, const VOID* lpBits)
{
    const uint64_t depth = static_cast<uint64_t>(nPlanes) * nBitCount;
    if (nWidth < 0 || nHeight < 0 || depth == 0 || depth > 32) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    // An empty bitmap is a 1-by-1 monochrome one; depths between those of the formats round up to the next.
    const bool empty = nWidth == 0 || nHeight == 0;
    const WORD bits = empty || depth == 1 ? 1
                      : depth <= 4        ? 4
                      : depth <= 8        ? 8
                      : depth <= 16       ? 16
                      : depth <= 24       ? 24
                                          : 32;
    auto bitmap = platform::MakeDdb(empty ? 1 : nWidth, empty ? 1 : nHeight, bits, platform::DefaultColorTable(bits));
    if (bitmap == nullptr)
        return nullptr;
    if (lpBits != nullptr && !empty)   // rows of whole 16-bit words, top-down, as the bitmap keeps them
        std::memcpy(bitmap->so()->pvScan0, lpBits, static_cast<size_t>(bitmap->widthBytes) * nHeight);
    return reinterpret_cast<HBITMAP>(platform::AddGdiObject(std::move(bitmap)));
}

HBITMAP WINAPI CreateDIBSection(HDC /*hdc: only DIB_PAL_COLORS would read it*/, const BITMAPINFO* pbmi, UINT usage,
                                VOID** ppvBits, HANDLE hSection, DWORD /*offset: with hSection only*/)
{
    if (ppvBits != nullptr)
        *ppvBits = nullptr;
    platform::DibLayout layout;
    if (hSection != nullptr) {   // file mappings are not part of the stand-in
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    if (!platform::ReadDibHeader(pbmi, usage, layout))
        return nullptr;
    auto bitmap = platform::BitmapFromDib(layout, nullptr, 0, 0);
    if (bitmap == nullptr)
        return nullptr;
    bitmap->dibHeader.biSizeImage = static_cast<DWORD>(layout.stride * layout.height);
    void* bits = bitmap->so()->pvBits;
    const HBITMAP handle = reinterpret_cast<HBITMAP>(platform::AddGdiObject(std::move(bitmap)));
    if (ppvBits != nullptr)
        *ppvBits = bits;
    return handle;
}

int WINAPI GetDIBits(HDC /*hdc: only DIB_PAL_COLORS would read it*/, HBITMAP hbm, UINT start, UINT cLines,
                     LPVOID lpvBits, LPBITMAPINFO lpbmi, UINT usage)
{
    const auto bitmap = platform::FindGdiObjectOf<GdiBitmap>(hbm, GdiObjectKind::Bitmap);
    if (bitmap == nullptr) {
        SetLastError(ERROR_INVALID_HANDLE);
        return 0;
    }
    DWORD size = 0;
    if (lpbmi != nullptr)
        std::memcpy(&size, lpbmi, sizeof size);
    if (lpbmi == nullptr || size < sizeof(BITMAPINFOHEADER) || usage != DIB_RGB_COLORS) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    if (lpvBits == nullptr)
        return platform::DescribeForDib(*bitmap, lpbmi, usage);
    platform::DibLayout layout;
    if (!platform::ReadDibHeader(lpbmi, usage, layout))
        return 0;
    if (start >= static_cast<UINT>(layout.height)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    const LONG count = static_cast<LONG>(std::min<UINT>(cLines, layout.height - start));
    if (count == 0)
        return 0;
    // The answer's colour table goes where the caller's header says it lies.
    if (layout.bitsPerPixel <= 8) {
        layout.colorTable = platform::TableForDib(*bitmap, layout.bitsPerPixel);
        auto* table = reinterpret_cast<BYTE*>(lpbmi) + size;
        for (size_t i = 0; i < layout.colorTable.size(); ++i) {
            const DWORD entry = layout.colorTable[i];
            const RGBQUAD quad = {static_cast<BYTE>(entry), static_cast<BYTE>(entry >> 8),
                                  static_cast<BYTE>(entry >> 16), 0};
            std::memcpy(table + i * sizeof quad, &quad, sizeof quad);
        }
    }
    std::memset(lpvBits, 0, static_cast<size_t>(layout.stride) * count);
    const platform::DibRows view(layout, lpvBits, count);
    if (view.so() == nullptr)
        return 0;
    const LONG imageRow = platform::FirstImageRow(layout, static_cast<LONG>(start), count);
    if (!platform::CopyBetween(*bitmap, view.so(), layout, imageRow, count, /*toBitmap=*/false))
        return 0;
    layout.header.biSizeImage = static_cast<DWORD>(layout.stride * layout.height);
    std::memcpy(lpbmi, &layout.header, sizeof layout.header);
    return count;
}

int WINAPI SetDIBits(HDC /*hdc: only DIB_PAL_COLORS would read it*/, HBITMAP hbm, UINT start, UINT cLines,
                     const VOID* lpBits, const BITMAPINFO* lpbmi, UINT ColorUse)
{
    const auto bitmap = platform::FindGdiObjectOf<GdiBitmap>(hbm, GdiObjectKind::Bitmap);
    if (bitmap == nullptr) {
        SetLastError(ERROR_INVALID_HANDLE);
        return 0;
    }
    platform::DibLayout layout;
    if (!platform::ReadDibHeader(lpbmi, ColorUse, layout))
        return 0;
    if (lpBits == nullptr || start >= static_cast<UINT>(layout.height)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    const LONG count = static_cast<LONG>(std::min<UINT>(cLines, layout.height - start));
    if (count == 0)
        return 0;
    const platform::DibRows view(layout, lpBits, count);
    if (view.so() == nullptr)
        return 0;
    const LONG imageRow = platform::FirstImageRow(layout, static_cast<LONG>(start), count);
    if (!platform::CopyBetween(*bitmap, view.so(), layout, imageRow, count, /*toBitmap=*/true))
        return 0;
    return count;
}
