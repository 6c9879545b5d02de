// font_object_test.cpp - font objects as a driver sees them: the IFIMETRICS record and its names, the flags and
// sizes of the FONTOBJ, the notional-to-device transform, glyph bitmaps and glyph paths, and what is refused.
#include "host/engine/font_object.h"
#include "font_requests.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

using platform::engine::FontObject;
using platform::engine::FontRequest;

namespace {

constexpr LONG kPrinterDpi = 300;

std::u16string NameAt(const IFIMETRICS* ifi, PTRDIFF offset)
{
    return reinterpret_cast<const WCHAR*>(reinterpret_cast<const BYTE*>(ifi) + offset);
}

// The glyph's bitmap as rows of '#' (set) and '.'.
std::vector<std::string> Rows(const GLYPHBITS* pgb)
{
    std::vector<std::string> rows;
    const LONG stride = (pgb->sizlBitmap.cx + 7) / 8;
    for (LONG y = 0; y < pgb->sizlBitmap.cy; ++y) {
        std::string row;
        for (LONG x = 0; x < pgb->sizlBitmap.cx; ++x)
            row += ((pgb->aj[y * stride + x / 8] >> (7 - x % 8)) & 1) ? '#' : '.';
        rows.push_back(row);
    }
    return rows;
}

GLYPHDATA* GetGlyph(FontObject& font, WCHAR wc, ULONG mode)
{
    HGLYPH hg = platform::engine::GlyphOf(font.Request(), wc);
    GLYPHDATA* data = nullptr;
    EXPECT_EQ(FONTOBJ_cGetGlyphs(font.get(), mode, 1, &hg, reinterpret_cast<PVOID*>(&data)), 1u);
    return data;
}

} // namespace

TEST(FontObject, MetricsRecordHoldsItsNamesAtTheirOffsets)
{
    FontObject font(RequestOf(u"ＭＳ Ｐゴシック", 20, kPrinterDpi));
    const IFIMETRICS* ifi = FONTOBJ_pifi(font.get());
    ASSERT_NE(ifi, nullptr);
    EXPECT_EQ(NameAt(ifi, ifi->dpwszFamilyName), u"ＭＳ Ｐゴシック");
    EXPECT_EQ(NameAt(ifi, ifi->dpwszFaceName), u"ＭＳ Ｐゴシック");
    EXPECT_EQ(NameAt(ifi, ifi->dpwszStyleName), u"Regular");
    EXPECT_EQ(NameAt(ifi, ifi->dpwszUniqueName), u"ＭＳ Ｐゴシック Regular");
    // Every name lies inside the record's own size, so a driver copying cjThis bytes takes them along.
    const PTRDIFF ends = ifi->dpwszUniqueName +
                         static_cast<PTRDIFF>((NameAt(ifi, ifi->dpwszUniqueName).size() + 1) * sizeof(WCHAR));
    EXPECT_LE(ends, static_cast<PTRDIFF>(ifi->cjThis));
    EXPECT_GE(ifi->dpwszFamilyName, static_cast<PTRDIFF>(sizeof(IFIMETRICS)));
    EXPECT_EQ(ifi->jWinCharSet, SHIFTJIS_CHARSET);
    EXPECT_EQ(ifi->jWinPitchAndFamily, VARIABLE_PITCH | FF_MODERN);
    EXPECT_EQ(ifi->usWinWeight, FW_NORMAL);
    EXPECT_EQ(ifi->fsSelection, FM_SEL_REGULAR);
    EXPECT_EQ(ifi->fwdUnitsPerEm, 1000);
    EXPECT_EQ(ifi->fwdWinAscender + ifi->fwdWinDescender, 1100);
    EXPECT_EQ(ifi->lItalicAngle, 0);
    EXPECT_TRUE(ifi->flInfo & FM_INFO_TECH_TRUETYPE);
    EXPECT_FALSE(ifi->flInfo & FM_INFO_RETURNS_STROKES) << "glyph paths are outlines to fill";
}

TEST(FontObject, FlagsAndSizesFollowTheRealisation)
{
    struct Case {
        const char16_t* face;
        bool bold, italic, emHeight;
        FLONG type;
    };
    const Case cases[] = {
        {u"Arial",         false, false, false, FO_TYPE_TRUETYPE},
        {u"Arial",         true,  true,  true,  FO_TYPE_TRUETYPE | FO_SIM_BOLD | FO_SIM_ITALIC | FO_EM_HEIGHT},
        {u"ＭＳ 明朝",     false, false, false, FO_TYPE_TRUETYPE | FO_DBCS_FONT},
        {u"@HGゴシックB",  false, true,  false, FO_TYPE_TRUETYPE | FO_SIM_ITALIC | FO_DBCS_FONT | FO_VERT_FACE},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
        FontRequest request = RequestOf(c.face, 50, kPrinterDpi);
        request.bold = c.bold;
        request.italic = c.italic;
        request.emHeight = c.emHeight;
        FontObject font(request);
        EXPECT_EQ(font.get()->flFontType, c.type);
        EXPECT_EQ(font.get()->iFace, platform::engine::FaceNumberOf(*request.face));
        EXPECT_EQ(font.get()->ulStyleSize, 12u) << "50 pixels at 300 dpi";
        EXPECT_EQ(font.get()->sizLogResPpi.cy, 300);
    }
    // The widest glyph: a full-width one in a Japanese face, 18 design units in a Latin one.
    EXPECT_EQ(FontObject(RequestOf(u"ＭＳ 明朝", 40)).get()->cxMax, 40u);
    EXPECT_EQ(FontObject(RequestOf(u"Arial", 40)).get()->cxMax, 36u);
}

TEST(FontObject, EveryFontObjectIsARealisationWithAnIdentifierOfItsOwn)
{
    // Even for an equal request: a driver keeping data by iUniq must not find a realization that went before.
    FontObject first(RequestOf(u"Arial", 20));
    FontObject again(RequestOf(u"Arial", 20));
    FontObject larger(RequestOf(u"Arial", 21));
    EXPECT_NE(first.get()->iUniq, 0u) << "zero tells the driver not to keep the font";
    EXPECT_NE(again.get()->iUniq, 0u);
    EXPECT_NE(first.get()->iUniq, again.get()->iUniq);
    EXPECT_NE(larger.get()->iUniq, first.get()->iUniq);
    EXPECT_NE(larger.get()->iUniq, again.get()->iUniq);
}

TEST(FontObject, TransformTakesTheNotionalEmToItsPixelsAlongTheBaseline)
{
    struct Case {
        LONG escapement;
        double widthScale;
        ULONG kind;
        POINTL em;      // notional (0, 1000), y downward: the em's height in the device
        POINTL along;   // notional (1000, 0): an em along the baseline
    };
    const Case cases[] = {
        {0,    1, GX_SCALE,   {0, 40},  {40, 0}},
        {0,    2, GX_SCALE,   {0, 40},  {80, 0}},
        {900,  1, GX_GENERAL, {40, 0},  {0, -40}},
        {1800, 1, GX_SCALE,   {0, -40}, {-40, 0}},
        {2700, 1, GX_GENERAL, {-40, 0}, {0, 40}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "escapement " << c.escapement << " width " << c.widthScale);
        FontRequest request = RequestOf(u"Times New Roman", 40);
        request.escapement = c.escapement;
        request.widthScale = c.widthScale;
        FontObject font(request);
        XFORMOBJ* pxo = FONTOBJ_pxoGetXform(font.get());
        ASSERT_NE(pxo, nullptr);
        EXPECT_EQ(XFORMOBJ_iGetXform(pxo, nullptr), c.kind);
        POINTL points[] = {{0, 1000}, {1000, 0}};
        ASSERT_TRUE(XFORMOBJ_bApplyXform(pxo, XF_LTOL, 2, points, points));
        EXPECT_EQ(points[0].x, c.em.x);
        EXPECT_EQ(points[0].y, c.em.y);
        EXPECT_EQ(points[1].x, c.along.x);
        EXPECT_EQ(points[1].y, c.along.y);
    }
}

TEST(FontObject, GlyphBitmapIsTheFilledOutlineAroundTheOrigin)
{
    FontObject font(RequestOf(u"Arial", 20));
    const GLYPHDATA* data = GetGlyph(font, u'L', FO_GLYPHBITS);
    ASSERT_NE(data, nullptr);
    const GLYPHBITS* pgb = data->gdf.pgb;
    // The stem is the pen's two pixels wide, a pixel right of the origin; its bar lies on the baseline row and
    // the one above it, as the pen centred on the baseline covers them.
    EXPECT_EQ(pgb->ptlOrigin.x, 1);
    EXPECT_EQ(pgb->ptlOrigin.y, -14);
    EXPECT_EQ(Rows(pgb), (std::vector<std::string>{
                             "##.......",
                             "##.......",
                             "##.......",
                             "##.......",
                             "##.......",
                             "##.......",
                             "##.......",
                             "##.......",
                             "##.......",
                             "##.......",
                             "##.......",
                             "##.......",
                             "##.......",
                             "########.",
                             "#########",
                         }));
    EXPECT_EQ(data->fxD, 10 * 16) << "the advance of 10 design units at a pixel each";
    EXPECT_EQ(data->hg, platform::engine::GlyphOf(font.Request(), u'L'));
}

TEST(FontObject, GlyphPathIsClosedFiguresInDevicePixelsAroundTheOrigin)
{
    FontObject font(RequestOf(u"Courier New", 20));
    const GLYPHDATA* data = GetGlyph(font, u'l', FO_PATHOBJ);
    ASSERT_NE(data, nullptr);
    PATHOBJ* ppo = data->gdf.ppo;
    RECTFX bounds;
    PATHOBJ_vGetBounds(ppo, &bounds);
    // A stem from the baseline up to 14 units, 1.6 units wide, centred in the 12-unit cell: x 5.2 .. 6.8.
    EXPECT_EQ(bounds.xLeft, 83);
    EXPECT_EQ(bounds.xRight, 109);
    EXPECT_EQ(bounds.yTop, -14 * 16);
    EXPECT_EQ(bounds.yBottom, 0);
    PATHOBJ_vEnumStart(ppo);
    PATHDATA pd;
    BOOL more;
    int figures = 0;
    do {
        more = PATHOBJ_bEnum(ppo, &pd);
        if (pd.flags & PD_BEGINSUBPATH)
            ++figures;
        if (pd.flags & PD_ENDSUBPATH) {
            EXPECT_TRUE(pd.flags & PD_CLOSEFIGURE) << "every figure of an outline is closed";
        }
    } while (more);
    EXPECT_GE(figures, 1);
}

TEST(FontObject, MissingCharacterHasTheDefaultGlyph)
{
    FontObject latin(RequestOf(u"Arial", 20));
    FontObject japanese(RequestOf(u"ＭＳ ゴシック", 20));
    EXPECT_EQ(platform::engine::GlyphOf(latin.Request(), u'日'), 0u) << "a Latin face has no kanji";
    EXPECT_NE(platform::engine::GlyphOf(japanese.Request(), u'日'), 0u);
    EXPECT_EQ(platform::engine::GlyphOf(japanese.Request(), u'\u4E00'), 0u) << "a kanji no design has";
    const GLYPHDATA* box = GetGlyph(latin, u'日', FO_GLYPHBITS);
    ASSERT_NE(box, nullptr);
    const std::vector<std::string> rows = Rows(box->gdf.pgb);
    ASSERT_GE(rows.size(), 3u);
    EXPECT_EQ(rows[1], std::string(rows[1].size(), '#')) << "the box's top edge";
    EXPECT_EQ(rows[rows.size() / 2].front(), '#');
    EXPECT_EQ(rows[rows.size() / 2].back(), '#');
    EXPECT_EQ(rows[rows.size() / 2][rows.front().size() / 2], '.') << "an empty box";
}

TEST(FontObject, RefusesStrangersAndBitmapsTooLargeToHold)
{
    FONTOBJ stranger = {};
    EXPECT_EQ(FONTOBJ_pifi(&stranger), nullptr);
    EXPECT_EQ(FONTOBJ_pxoGetXform(nullptr), nullptr);
    FontObject font(RequestOf(u"Arial", 20));
    HGLYPH hg = platform::engine::GlyphOf(font.Request(), u'A');
    PVOID glyph = nullptr;
    EXPECT_EQ(FONTOBJ_cGetGlyphs(&stranger, FO_GLYPHBITS, 1, &hg, &glyph), 0u);
    EXPECT_EQ(FONTOBJ_cGetGlyphs(font.get(), FO_HGLYPHS, 1, &hg, &glyph), 0u);
    EXPECT_EQ(FONTOBJ_cGetGlyphs(font.get(), FO_GLYPHBITS, 1, nullptr, &glyph), 0u);
    EXPECT_EQ(FONTOBJ_cGetGlyphs(font.get(), FO_GLYPHBITS, 1, &hg, nullptr), 0u);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));

    // At the largest size a glyph's bitmap is refused, its outline is not.
    FontObject huge(RequestOf(u"Arial", platform::engine::kMaxEmPixels));
    hg = platform::engine::GlyphOf(huge.Request(), u'W');
    SetLastError(0);
    EXPECT_EQ(FONTOBJ_cGetGlyphs(huge.get(), FO_GLYPHBITS, 1, &hg, &glyph), 0u);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NOT_ENOUGH_MEMORY));
    EXPECT_EQ(FONTOBJ_cGetGlyphs(huge.get(), FO_PATHOBJ, 1, &hg, &glyph), 1u);
}
