// glyph_image.cpp - glyphs written as one-bit images: their bitmaps at full scale, their outlines drawn at the
// page's scale otherwise.
#include "pdl/vxcmn/vqpdlnt/glyph_image.h"
#include "customnt/vqddigfx/alloc_list.h"
#include "customnt/vqddigfx/path_to_dc.h"
#include "customnt/vqddigfx/trace.h"
#include "pdl/vxcmn/vqpdlnt/image_writer.h"

#include <cstring>
#include <limits>

namespace {

constexpr ULONG kFullScale = 10000;
constexpr ULONGLONG kMaxGlyphImageBytes = ULONGLONG{8} << 20;   // a glyph image larger than this is not drawn

// A block of the PDEV's allocation list, freed when the guard goes.
class ListBlock {
public:
    ListBlock(PDEV* pdev, DWORD cb) : m_pList(pdev->pAllocList), m_p(AllocListAlloc(m_pList, cb)) {}
    ~ListBlock() { AllocListFree(m_pList, m_p); }
    ListBlock(const ListBlock&) = delete;
    ListBlock& operator=(const ListBlock&) = delete;

    BYTE* get() const { return static_cast<BYTE*>(m_p); }

private:
    ALLOC_LIST* m_pList;
    void* m_p;
};

// A memory DC holding a one-bit bitmap of the size; the DC and the bitmap go with the guard.
class OneBitCanvas {
public:
    OneBitCanvas(LONG cx, LONG cy)
    {
        m_hdc = CreateCompatibleDC(nullptr);
        if (m_hdc != nullptr)
            m_hbm = CreateCompatibleBitmap(m_hdc, cx, cy);   // the memory DC's own format: one bit
        if (m_hbm != nullptr)
            m_hbmOld = SelectObject(m_hdc, m_hbm);
    }
    ~OneBitCanvas()
    {
        if (m_hbmOld != nullptr)
            SelectObject(m_hdc, m_hbmOld);
        if (m_hbm != nullptr)
            DeleteObject(m_hbm);
        if (m_hdc != nullptr)
            DeleteDC(m_hdc);
    }
    OneBitCanvas(const OneBitCanvas&) = delete;
    OneBitCanvas& operator=(const OneBitCanvas&) = delete;

    bool ok() const { return m_hbmOld != nullptr; }
    HDC dc() const { return m_hdc; }
    HBITMAP bitmap() const { return m_hbm; }

private:
    HDC m_hdc = nullptr;
    HBITMAP m_hbm = nullptr;
    HGDIOBJ m_hbmOld = nullptr;
};

BOOL Failed(int line, const char* pszStep)
{
    TraceFailed(__FILE__, line, pszStep);
    return FALSE;
}

// A glyph left out on purpose: its size or place is beyond what any page can show. The step is traced, and the
// text call goes on as drawn.
BOOL Refused(int line, const char* pszStep)
{
    TraceFailed(__FILE__, line, pszStep);
    return TRUE;
}

// Rows of set bits where the glyph has ink, (cx + 7) / 8 bytes each, top row first, at their own size.
BOOL WriteGlyphRows(PDEV* pdev, const BYTE* rows, LONG cx, LONG cy, LONG x, LONG y)
{
    return PdlOutputImage1(pdev, rows, cx, cy, (cx + 7) / 8, x, y, cx, cy);
}

GLYPHDATA* GlyphData(FONTOBJ* pfo, HGLYPH hg, ULONG mode)
{
    GLYPHDATA* pgd = nullptr;
    if (FONTOBJ_cGetGlyphs(pfo, mode, 1, &hg, reinterpret_cast<PVOID*>(&pgd)) != 1)
        return nullptr;
    return pgd;
}

// The image's corner: the glyph origin moved by (dx, dy). False where that leaves the 32-bit coordinates: the
// origin comes from the string object and the offset from the font object, neither of them ours.
bool ImageCorner(POINTL origin, LONG dx, LONG dy, POINTL* pCorner)
{
    const LONGLONG x = static_cast<LONGLONG>(origin.x) + dx;
    const LONGLONG y = static_cast<LONGLONG>(origin.y) + dy;
    constexpr LONGLONG kLowest = std::numeric_limits<LONG>::min();
    constexpr LONGLONG kHighest = std::numeric_limits<LONG>::max();
    if (x < kLowest || x > kHighest || y < kLowest || y > kHighest)
        return false;
    *pCorner = {static_cast<LONG>(x), static_cast<LONG>(y)};
    return true;
}

BOOL OutputGlyphBits(PDEV* pdev, FONTOBJ* pfo, HGLYPH hg, POINTL origin)
{
    const GLYPHDATA* pgd = GlyphData(pfo, hg, FO_GLYPHBITS);
    if (pgd == nullptr || pgd->gdf.pgb == nullptr)
        return Failed(__LINE__, "FONTOBJ_cGetGlyphs");
    const GLYPHBITS* pgb = pgd->gdf.pgb;
    const SIZEL size = pgb->sizlBitmap;
    if (size.cx <= 0 || size.cy <= 0)
        return TRUE;   // a glyph without pixels
    // The rows are read as far as the font object says they reach: a size beyond any glyph's image is refused
    // rather than read.
    const ULONGLONG cbRows = (static_cast<ULONGLONG>(size.cx) + 7) / 8 * static_cast<ULONGLONG>(size.cy);
    if (cbRows > kMaxGlyphImageBytes)
        return Refused(__LINE__, "glyph size");
    POINTL corner;
    if (!ImageCorner(origin, pgb->ptlOrigin.x, pgb->ptlOrigin.y, &corner))
        return Refused(__LINE__, "glyph position");
    return WriteGlyphRows(pdev, pgb->aj, size.cx, size.cy, corner.x, corner.y);
}

// The glyph's outline drawn at the scale: a bitmap of its bounds and two pixels more, scaled, with the bounds'
// corner at its top left.
BOOL OutputGlyphOutline(PDEV* pdev, FONTOBJ* pfo, HGLYPH hg, POINTL origin, ULONG scale)
{
    const GLYPHDATA* pgd = GlyphData(pfo, hg, FO_PATHOBJ);
    if (pgd == nullptr || pgd->gdf.ppo == nullptr)
        return Failed(__LINE__, "FONTOBJ_cGetGlyphs");
    PATHOBJ* ppo = pgd->gdf.ppo;
    RECTFX bounds;
    PATHOBJ_vGetBounds(ppo, &bounds);
    const LONGLONG cx = (((static_cast<LONGLONG>(bounds.xRight) - bounds.xLeft) >> 4) + 2) * scale / kFullScale;
    const LONGLONG cy = (((static_cast<LONGLONG>(bounds.yBottom) - bounds.yTop) >> 4) + 2) * scale / kFullScale;
    const LONGLONG stride = (cx + 31) / 32 * 4;    // GetDIBits' rows
    const LONGLONG rowBytes = (cx + 7) / 8;        // the image's rows
    if (cx <= 0 || cy <= 0)
        return TRUE;
    if (static_cast<ULONGLONG>(stride * cy) > kMaxGlyphImageBytes)
        return Refused(__LINE__, "glyph size");

    OneBitCanvas canvas(static_cast<LONG>(cx), static_cast<LONG>(cy));
    if (!canvas.ok())
        return Failed(__LINE__, "CreateCompatibleBitmap");
    const POINTFIX corner = {bounds.xLeft, bounds.yTop};
    if (!DrawPathToDC(canvas.dc(), ppo, static_cast<LONG>(scale), corner))
        return Failed(__LINE__, "DrawPathToDC");
    ListBlock dib(pdev, static_cast<DWORD>(stride * cy));
    ListBlock rows(pdev, static_cast<DWORD>(rowBytes * cy));
    if (dib.get() == nullptr || rows.get() == nullptr)
        return Failed(__LINE__, "AllocListAlloc");
    struct {
        BITMAPINFOHEADER header;
        RGBQUAD colors[2];
    } info = {};
    info.header.biSize = sizeof info.header;
    info.header.biWidth = static_cast<LONG>(cx);
    info.header.biHeight = static_cast<LONG>(cy);   // bottom-up
    info.header.biPlanes = 1;
    info.header.biBitCount = 1;
    if (GetDIBits(canvas.dc(), canvas.bitmap(), 0, static_cast<UINT>(cy), dib.get(),
                  reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS) != static_cast<int>(cy))
        return Failed(__LINE__, "GetDIBits");
    // The outline was drawn white on black: its set bits are the ink. The last DIB row is the top one.
    for (LONGLONG y = 0; y < cy; ++y)
        std::memcpy(rows.get() + y * rowBytes, dib.get() + (cy - 1 - y) * stride, static_cast<size_t>(rowBytes));
    POINTL at;
    if (!ImageCorner(origin, ScalePathCoordinate(bounds.xLeft, 0, static_cast<LONG>(scale)),
                     ScalePathCoordinate(bounds.yTop, 0, static_cast<LONG>(scale)), &at))
        return Refused(__LINE__, "glyph position");
    return WriteGlyphRows(pdev, rows.get(), static_cast<LONG>(cx), static_cast<LONG>(cy), at.x, at.y);
}

} // namespace

BOOL PdlOutputGlyphImage(PDEV* pdev, FONTOBJ* pfo, HGLYPH hg, POINTL origin, ULONG scale)
{
    if (scale == kFullScale)
        return OutputGlyphBits(pdev, pfo, hg, origin);
    return OutputGlyphOutline(pdev, pfo, hg, origin, scale);
}
