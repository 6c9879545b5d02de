// font_object.cpp - font objects: the IFIMETRICS record, the font transform, glyph bitmaps and glyph paths, and
// the FONTOBJ_ services.
#include "host/engine/font_object.h"
#include "host/engine/glyph_skeletons.h"
#include "host/engine/polygon_fill.h"
#include "engine/registry.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstring>
#include <string>

namespace platform::engine {
namespace {

AddressRegistry<FontObject>& Fonts()
{
    static auto* registry = new AddressRegistry<FontObject>();
    return *registry;
}

// Each font object is a realization of its own, with an identifier no other font object of the process has
// had: a driver that keeps data by iUniq never finds another realization's. Zero would tell the driver not to
// keep anything, so the count passes over it when it wraps.
ULONG NextUniq()
{
    static std::atomic<ULONG> last{0};
    ULONG uniq = ++last;
    while (uniq == 0)
        uniq = ++last;
    return uniq;
}

// Notional units per design unit.
constexpr FWORD kNotionalPerDesign = kNotionalEm / kDesignEm;

FWORD Notional(double designUnits)
{
    return static_cast<FWORD>(std::lround(designUnits * kNotionalPerDesign));
}

// The IFIMETRICS of the face's design, followed by its family, style, face and unique names; the offsets of
// the names count from the record's start.
std::vector<ULONG> BuildIfiMetrics(const FontFace& face)
{
    const FontDesign& design = *face.design;
    const std::u16string family = face.faceName;
    const std::u16string style = u"Regular";
    const std::u16string unique = family + u" " + style;
    size_t offset = sizeof(IFIMETRICS);
    const auto place = [&](const std::u16string& text) {
        const size_t at = offset;
        offset += (text.size() + 1) * sizeof(WCHAR);
        return at;
    };
    const size_t familyAt = place(family);
    const size_t styleAt = place(style);
    const size_t faceAt = place(family);
    const size_t uniqueAt = place(unique);
    std::vector<ULONG> storage((offset + sizeof(ULONG) - 1) / sizeof(ULONG), 0);
    auto* bytes = reinterpret_cast<BYTE*>(storage.data());
    for (const auto& [text, at] : {std::pair{&family, familyAt}, std::pair{&style, styleAt},
                                   std::pair{&family, faceAt}, std::pair{&unique, uniqueAt}})
        std::memcpy(bytes + at, text->c_str(), (text->size() + 1) * sizeof(WCHAR));

    IFIMETRICS ifi = {};
    ifi.cjThis = static_cast<ULONG>(storage.size() * sizeof(ULONG));
    ifi.dpwszFamilyName = static_cast<PTRDIFF>(familyAt);
    ifi.dpwszStyleName = static_cast<PTRDIFF>(styleAt);
    ifi.dpwszFaceName = static_cast<PTRDIFF>(faceAt);
    ifi.dpwszUniqueName = static_cast<PTRDIFF>(uniqueAt);
    ifi.jWinCharSet = face.charSet;
    ifi.jWinPitchAndFamily = face.pitchAndFamily;
    ifi.usWinWeight = FW_NORMAL;
    const bool fixed = design.fixedAdvance != 0;
    ifi.flInfo = FM_INFO_TECH_TRUETYPE | FM_INFO_ARB_XFORMS | FM_INFO_1BPP | FM_INFO_RETURNS_OUTLINES |
                 FM_INFO_RETURNS_BITMAPS | FM_INFO_RIGHT_HANDED;
    if (fixed)
        ifi.flInfo |= design.japanese ? FM_INFO_DBCS_FIXED_PITCH : FM_INFO_OPTICALLY_FIXED_PITCH;
    ifi.fsSelection = FM_SEL_REGULAR;
    ifi.fwdUnitsPerEm = kNotionalEm;
    ifi.fwdLowestPPEm = 8;
    ifi.fwdWinAscender = Notional(kDesignCellAscent);
    ifi.fwdWinDescender = Notional(kDesignCellDescent);
    ifi.fwdMacAscender = ifi.fwdTypoAscender = Notional(16);
    ifi.fwdMacDescender = ifi.fwdTypoDescender = Notional(-4);
    ifi.fwdMacLineGap = ifi.fwdTypoLineGap = Notional(2);
    ifi.fwdAveCharWidth = Notional(DesignAverageWidth(face));
    ifi.fwdMaxCharInc = Notional(design.japanese ? kDesignEm : fixed ? design.fixedAdvance : 18);
    ifi.fwdCapHeight = Notional(14);
    ifi.fwdXHeight = Notional(10);
    ifi.fwdSubscriptXSize = ifi.fwdSuperscriptXSize = Notional(13);
    ifi.fwdSubscriptYSize = ifi.fwdSuperscriptYSize = Notional(12);
    ifi.fwdSubscriptYOffset = Notional(1.5);
    ifi.fwdSuperscriptYOffset = Notional(7);
    ifi.fwdUnderscoreSize = Notional(1);
    ifi.fwdUnderscorePosition = Notional(-2);
    ifi.fwdStrikeoutSize = Notional(1);
    ifi.fwdStrikeoutPosition = Notional(5);
    ifi.chFirstChar = 0x20;
    ifi.chLastChar = 0x7E;
    ifi.chDefaultChar = 0x1F;
    ifi.chBreakChar = 0x20;
    ifi.wcFirstChar = 0x20;
    ifi.wcLastChar = LastCharacterOf(face);
    ifi.wcDefaultChar = 0x1F;
    ifi.wcBreakChar = 0x20;
    ifi.ptlBaseline = {1, 0};
    ifi.ptlAspect = {1, 1};
    ifi.ptlCaret = {0, 1};
    ifi.rclFontBox = {Notional(-1), Notional(17), Notional(kDesignEm), Notional(-5)};
    std::memcpy(ifi.achVendId, "NONE", 4);
    ifi.panose.bFamilyType = 2;   // Latin text
    ifi.panose.bSerifStyle = design.serifStyle;
    ifi.panose.bWeight = 5;       // book
    ifi.panose.bProportion = fixed ? 9 : 3;   // monospaced, or modern
    std::memcpy(storage.data(), &ifi, sizeof ifi);
    return storage;
}

// The notional-to-device transform, notional y downward as the device's: the em scaled to its pixels, the
// width stretched, both turned with the baseline.
XFORML FontTransform(const FontRequest& request)
{
    const double scale = request.emPixels / kNotionalEm;
    const double across = scale * request.widthScale;
    const Direction d = DirectionOf(request);
    return {static_cast<FLOATL>(across * d.cosine), static_cast<FLOATL>(-across * d.sine),
            static_cast<FLOATL>(scale * d.sine), static_cast<FLOATL>(scale * d.cosine), 0, 0};
}

LARGE_INTEGER Fixed32(double value)
{
    LARGE_INTEGER result;
    result.QuadPart = static_cast<LONGLONG>(std::llround(value * 4294967296.0));
    return result;
}

// The pixels whose centres the figures may hold: from the pixel at the smallest coordinates to the one past
// the largest.
RECTL PixelBounds(const std::vector<Figure>& figures)
{
    FIX left = 0, top = 0, right = 0, bottom = 0;
    bool first = true;
    for (const Figure& figure : figures)
        for (const POINTFIX& p : figure.points) {
            left = first ? p.x : std::min(left, p.x);
            top = first ? p.y : std::min(top, p.y);
            right = first ? p.x : std::max(right, p.x);
            bottom = first ? p.y : std::max(bottom, p.y);
            first = false;
        }
    if (first)
        return {0, 0, 0, 0};
    const auto floorPixel = [](FIX v) { return static_cast<LONG>(std::floor(v / 16.0)); };
    return {floorPixel(left), floorPixel(top), floorPixel(right) + 2, floorPixel(bottom) + 2};
}

} // namespace

FontObject::FontObject(const FontRequest& request) : m_request(request)
{
    const FontMetrics metrics = MetricsOf(request);
    const FontFace& face = *request.face;
    m_fo.iUniq = NextUniq();
    m_fo.iFace = FaceNumberOf(face);
    m_fo.cxMax = static_cast<ULONG>(std::max(metrics.maxCharWidth, 0L));
    m_fo.flFontType = FO_TYPE_TRUETYPE | (request.bold ? FO_SIM_BOLD : 0) | (request.italic ? FO_SIM_ITALIC : 0) |
                      (request.emHeight ? FO_EM_HEIGHT : 0) | (IsVerticalFace(face) ? FO_VERT_FACE : 0) |
                      (face.charSet == SHIFTJIS_CHARSET ? FO_DBCS_FONT : 0);
    m_fo.iTTUniq = m_fo.iFace;
    m_fo.iFile = 0;
    m_fo.sizLogResPpi = request.logResPpi;
    m_fo.ulStyleSize = static_cast<ULONG>(std::lround(request.emPixels * 72 / std::max(request.logResPpi.cy, 1L)));
    m_ifi = BuildIfiMetrics(face);
    m_xform = std::make_unique<XformObject>(FontTransform(request));
    Fonts().Add(&m_fo, this);
}

FontObject::~FontObject()
{
    Fonts().Remove(&m_fo);
}

const FontObject::OutlineEntry& FontObject::OutlineOf(HGLYPH hg)
{
    auto it = m_outlines.find(hg);
    if (it == m_outlines.end()) {
        OutlineEntry entry;
        entry.figures = GlyphOutline(m_request, hg);
        entry.bounds = PixelBounds(entry.figures);
        it = m_outlines.emplace(hg, std::move(entry)).first;
    }
    return it->second;
}

const std::vector<Figure>& FontObject::Outline(HGLYPH hg)
{
    return OutlineOf(hg).figures;
}

const RECTL& FontObject::OutlineBounds(HGLYPH hg)
{
    return OutlineOf(hg).bounds;
}

bool FontObject::MakeBits(HGLYPH hg, GlyphEntry& entry)
{
    const std::vector<Figure>& outline = Outline(hg);
    const RECTL box = OutlineBounds(hg);
    const uint64_t width = static_cast<uint64_t>(box.right - box.left);
    const uint64_t height = static_cast<uint64_t>(box.bottom - box.top);
    if ((width + 7) / 8 * height > kMaxGlyphBitsBytes) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return false;
    }
    // The glyph filled into a grid of its box, then cut to its ink.
    std::vector<BYTE> grid(static_cast<size_t>(width * height), 0);
    RECTL ink = {box.right, box.bottom, box.left, box.top};
    FillFigures(outline, FillRule::Winding, {box}, [&](LONG y, LONG left, LONG right) {
        std::fill_n(&grid[static_cast<size_t>((y - box.top) * width + (left - box.left))], right - left, 1);
        ink = {std::min(ink.left, left), std::min(ink.top, y), std::max(ink.right, right), std::max(ink.bottom, y + 1)};
    });
    if (ink.left >= ink.right)
        ink = {0, 0, 1, 1};   // a glyph without ink (a space) is one blank pixel at its origin
    const LONG cx = ink.right - ink.left, cy = ink.bottom - ink.top;
    const size_t stride = static_cast<size_t>(cx + 7) / 8;
    entry.bits.assign((offsetof(GLYPHBITS, aj) + stride * cy + sizeof(ULONG) - 1) / sizeof(ULONG), 0);
    auto* pgb = reinterpret_cast<GLYPHBITS*>(entry.bits.data());
    pgb->ptlOrigin = {ink.left, ink.top};
    pgb->sizlBitmap = {cx, cy};
    BYTE* rows = reinterpret_cast<BYTE*>(entry.bits.data()) + offsetof(GLYPHBITS, aj);
    for (LONG y = ink.top; y < ink.bottom; ++y)
        for (LONG x = ink.left; x < ink.right; ++x) {
            const bool inBox = x >= box.left && x < box.right && y >= box.top && y < box.bottom;
            if (inBox && grid[static_cast<size_t>((y - box.top) * width + (x - box.left))] != 0)
                rows[(y - ink.top) * stride + (x - ink.left) / 8] |= static_cast<BYTE>(0x80 >> ((x - ink.left) % 8));
        }
    entry.data.gdf.pgb = pgb;
    entry.data.rclInk = {ink.left, ink.top, ink.right, ink.bottom};
    return true;
}

void FontObject::MakePath(HGLYPH hg, GlyphEntry& entry)
{
    entry.path = PathOfFigures(Outline(hg));
    entry.data.gdf.ppo = entry.path->get();
    const RECTFX bounds = entry.path->Bounds();
    entry.data.rclInk = {static_cast<LONG>(std::floor(bounds.xLeft / 16.0)),
                         static_cast<LONG>(std::floor(bounds.yTop / 16.0)),
                         static_cast<LONG>(std::ceil(bounds.xRight / 16.0)),
                         static_cast<LONG>(std::ceil(bounds.yBottom / 16.0))};
}

GLYPHDATA* FontObject::Glyph(HGLYPH hg, ULONG mode)
{
    const auto key = std::make_pair(hg, mode);
    if (const auto it = m_glyphs.find(key); it != m_glyphs.end())
        return &it->second.data;
    GlyphEntry entry;
    if (mode == FO_GLYPHBITS) {
        if (!MakeBits(hg, entry))
            return nullptr;
    } else {
        MakePath(hg, entry);
    }
    // Along the baseline and up from it, as the glyph would stand on an unrotated baseline.
    const DesignBox ink = GlyphInkInDesign(m_request, hg);
    const double scale = DesignScale(m_request);
    const double across = scale * m_request.widthScale;
    const LONG advance = AdvanceOf(m_request, hg);
    const Direction d = DirectionOf(m_request);
    entry.data.hg = hg;
    entry.data.fxD = advance * 16;
    entry.data.fxA = static_cast<FIX>(std::lround(ink.left * across * 16));
    entry.data.fxAB = static_cast<FIX>(std::lround(ink.right * across * 16));
    entry.data.fxInkTop = static_cast<FIX>(std::lround(ink.top * scale * 16));
    entry.data.fxInkBottom = static_cast<FIX>(std::lround(ink.bottom * scale * 16));
    entry.data.ptqD = {Fixed32(d.X(advance, 0)), Fixed32(d.Y(advance, 0))};
    auto& stored = m_glyphs.emplace(key, std::move(entry)).first->second;
    // The record moved into the map: its definition points at the moved storage, which kept its address.
    return &stored.data;
}

FontObject* FindFont(const FONTOBJ* pfo)
{
    return Fonts().Find(pfo);
}

} // namespace platform::engine

IFIMETRICS* APIENTRY FONTOBJ_pifi(FONTOBJ* pfo)
{
    auto* font = platform::engine::FindFont(pfo);
    if (font == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    return font->Metrics();
}

XFORMOBJ* APIENTRY FONTOBJ_pxoGetXform(FONTOBJ* pfo)
{
    auto* font = platform::engine::FindFont(pfo);
    if (font == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    return font->Xform();
}

ULONG APIENTRY FONTOBJ_cGetGlyphs(FONTOBJ* pfo, ULONG iMode, ULONG /*cGlyph: one glyph a call, whatever it says*/,
                                  HGLYPH* phg, PVOID* ppvGlyph)
{
    auto* font = platform::engine::FindFont(pfo);
    if (font == nullptr || (iMode != FO_GLYPHBITS && iMode != FO_PATHOBJ) || phg == nullptr || ppvGlyph == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    GLYPHDATA* glyph = font->Glyph(*phg, iMode);
    if (glyph == nullptr)
        return 0;   // the last error is set
    *ppvGlyph = glyph;
    return 1;
}
