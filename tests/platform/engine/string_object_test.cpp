// string_object_test.cpp - string objects: the whole glyph list and its enumeration in batches, the glyph
// definitions of each glyph mode, and what is refused.
#include "host/engine/string_object.h"
#include "font_requests.h"

#include <gtest/gtest.h>

using platform::engine::FontObject;
using platform::engine::FontRequest;
using platform::engine::StringLayout;
using platform::engine::StringObject;

namespace {

StringLayout LayoutOf(const FontRequest& request, const std::u16string& text)
{
    StringLayout layout;
    layout.text = text;
    LONG x = 0;
    for (const char16_t c : text) {
        const HGLYPH hg = platform::engine::GlyphOf(request, c);
        layout.glyphs.push_back(hg);
        layout.positions.push_back({x, 18});
        x += platform::engine::AdvanceOf(request, hg);
    }
    return layout;
}

} // namespace

TEST(StringObject, EnumeratesTheGlyphsInBatchesAndAgainAfterARestart)
{
    const FontRequest request = RequestOf(u"Arial", 20);
    FontObject font(request);
    const std::u16string text(40, u'x');
    StringObject string(font, LayoutOf(request, text), FO_HGLYPHS);
    STROBJ* pstro = string.get();
    ASSERT_EQ(pstro->cGlyphs, 40u);
    EXPECT_EQ(std::u16string(pstro->pwszOrg, pstro->cGlyphs), text);
    for (int pass = 0; pass < 2; ++pass) {
        SCOPED_TRACE(testing::Message() << "pass " << pass);
        STROBJ_vEnumStart(pstro);
        ULONG count = 0;
        GLYPHPOS* pgp = nullptr;
        EXPECT_EQ(STROBJ_bEnum(pstro, &count, &pgp), TRUE);
        ASSERT_EQ(count, platform::engine::kGlyphBatch);
        EXPECT_EQ(pgp, pstro->pgp) << "the first batch starts the whole list";
        EXPECT_EQ(STROBJ_bEnum(pstro, &count, &pgp), FALSE);
        ASSERT_EQ(count, 40u - platform::engine::kGlyphBatch);
        EXPECT_EQ(pgp[0].ptl.x, pstro->pgp[platform::engine::kGlyphBatch].ptl.x);
        EXPECT_EQ(STROBJ_bEnum(pstro, &count, &pgp), FALSE);
        EXPECT_EQ(count, 0u) << "past the end nothing more";
    }
}

TEST(StringObject, GlyphDefinitionsFollowTheGlyphMode)
{
    const FontRequest request = RequestOf(u"Arial", 20);
    FontObject font(request);
    StringObject none(font, LayoutOf(request, u"ab"), FO_HGLYPHS);
    StringObject bits(font, LayoutOf(request, u"ab"), FO_GLYPHBITS);
    StringObject paths(font, LayoutOf(request, u"ab"), FO_PATHOBJ);
    EXPECT_EQ(none.get()->pgp[0].pgdf, nullptr);
    ASSERT_NE(bits.get()->pgp[1].pgdf, nullptr);
    EXPECT_GT(bits.get()->pgp[1].pgdf->pgb->sizlBitmap.cy, 0);
    ASSERT_NE(paths.get()->pgp[1].pgdf, nullptr);
    RECTFX bounds;
    PATHOBJ_vGetBounds(paths.get()->pgp[1].pgdf->ppo, &bounds);
    EXPECT_LT(bounds.yTop, 0) << "the outline of 'b' rises above its origin";
}

TEST(StringObject, RefusesStrangersAndMissingOutputs)
{
    const FontRequest request = RequestOf(u"Arial", 20);
    FontObject font(request);
    StringObject string(font, LayoutOf(request, u"a"), FO_HGLYPHS);
    STROBJ stranger = {};
    ULONG count = 7;
    GLYPHPOS* pgp = nullptr;
    STROBJ_vEnumStart(&stranger);   // ignored
    EXPECT_EQ(STROBJ_bEnum(&stranger, &count, &pgp), static_cast<BOOL>(DDI_ERROR));
    EXPECT_EQ(STROBJ_bEnum(string.get(), nullptr, &pgp), static_cast<BOOL>(DDI_ERROR));
    EXPECT_EQ(STROBJ_bEnum(string.get(), &count, nullptr), static_cast<BOOL>(DDI_ERROR));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));

    StringObject empty(font, {}, FO_GLYPHBITS);
    EXPECT_EQ(empty.get()->pgp, nullptr);
    EXPECT_EQ(STROBJ_bEnum(empty.get(), &count, &pgp), FALSE);
    EXPECT_EQ(count, 0u);
}
