// xlate_test.cpp - palettes and the translation of pixel values between them.
#include "host/engine/palettes.h"
#include "host/engine/xlate.h"

#include <gtest/gtest.h>
#include <optional>

namespace {

platform::engine::Palette Indexed(std::vector<ULONG> entries)
{
    platform::engine::Palette p;
    p.iMode = PAL_INDEXED;
    p.entries = std::move(entries);
    return p;
}

platform::engine::Palette Direct(ULONG mode, FLONG r = 0, FLONG g = 0, FLONG b = 0)
{
    platform::engine::Palette p;
    p.iMode = mode;
    p.masks[0] = r;
    p.masks[1] = g;
    p.masks[2] = b;
    return p;
}

} // namespace

TEST(Xlate, TranslatesBetweenPaletteKinds)
{
    const auto rgb = Direct(PAL_RGB);
    const auto bgr = Direct(PAL_BGR);
    const auto r5g6b5 = Direct(PAL_BITFIELDS, 0xF800, 0x07E0, 0x001F);
    const auto gray = Indexed({RGB(0, 0, 0), RGB(128, 128, 128), RGB(255, 255, 255)});
    struct Case { platform::engine::Palette src, dst; ULONG in, out; };
    const Case cases[] = {
        {rgb, bgr, RGB(0x11, 0x22, 0x33), 0x112233},
        {bgr, rgb, 0x112233, RGB(0x11, 0x22, 0x33)},
        {rgb, r5g6b5, RGB(255, 0, 0), 0xF800},
        {r5g6b5, rgb, 0x07E0, RGB(0, 255, 0)},
        {rgb, gray, RGB(100, 120, 140), 1},       // nearest entry
        {rgb, gray, RGB(250, 250, 250), 2},
        {gray, bgr, 1, 0x808080},                 // a table from an indexed source
        {gray, bgr, 7, 0xFFFFFFFF},               // past the table: no translation
        {bgr, bgr, 0x123456, 0x123456},           // trivial
        {bgr, rgb, 0xAB112233, RGB(0x11, 0x22, 0x33)},   // the byte above a colour is dropped
        {rgb, bgr, 0xAB112233, 0x332211},
        {Direct(PAL_BITFIELDS, 0x7C00, 0x03E0, 0x001F), bgr, 0x7C1F, 0xFF00FF},   // 5-5-5 widened
        {Direct(PAL_BITFIELDS, 0x7C00, 0x03E0, 0x001F), rgb, 0x0210, RGB(0, 131, 131)},
        {bgr, Direct(PAL_BITFIELDS, 0x7C00, 0x03E0, 0x001F), 0x808080, 0x4210},   // narrowed, rounded
        {Direct(PAL_BITFIELDS, 0x3FF00000, 0xFFC00, 0x3FF), rgb, 0x3FF00200, RGB(255, 0, 128)},   // 10 bits
        {r5g6b5, Direct(PAL_BITFIELDS, 0xFF, 0xFF00, 0xFF0000), 0xF81F, 0xFF00FF},
        {rgb, gray, RGB(0, 0, 0), 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
        platform::engine::XlateObject xlate(c.src, c.dst);
        EXPECT_EQ(XLATEOBJ_iXlate(xlate.get(), c.in), c.out);
    }
    EXPECT_EQ(XLATEOBJ_iXlate(nullptr, 42), 42u);
}

// A driver translates every pixel of a blit through one object: the engine finds it quickly, yet never takes a
// record for an object that is gone, nor for the object made after it in the same place.
TEST(Xlate, FindsEachObjectAsLongAsItLivesAndNoLonger)
{
    std::optional<platform::engine::XlateObject> slot;
    slot.emplace(Indexed({RGB(0, 0, 0), RGB(255, 255, 255)}), Direct(PAL_RGB));
    XLATEOBJ* record = slot->get();
    EXPECT_EQ(XLATEOBJ_iXlate(record, 1), 0xFFFFFFu);
    EXPECT_EQ(XLATEOBJ_cGetPalette(record, XO_SRCPALETTE, 0, nullptr), 2u);

    slot.reset();
    slot.emplace(Direct(PAL_BGR), Direct(PAL_RGB));
    ASSERT_EQ(slot->get(), record);   // the same address, another object
    EXPECT_EQ(XLATEOBJ_iXlate(record, 0x0000FF), 0xFF0000u);
    EXPECT_EQ(XLATEOBJ_cGetPalette(record, XO_SRCPALETTE, 0, nullptr), 0u);   // a direct palette has no entries

    slot.reset();
    EXPECT_EQ(XLATEOBJ_cGetPalette(record, XO_DESTPALETTE, 0, nullptr), 0u);
}

TEST(Xlate, DescribesItselfAndHandsOutItsPalettes)
{
    platform::engine::XlateObject table(Indexed({RGB(0, 0, 0), RGB(255, 255, 255)}),
                                        Direct(PAL_BITFIELDS, 0xFF0000, 0xFF00, 0xFF));
    const XLATEOBJ* xo = table.get();
    EXPECT_EQ(xo->flXlate, static_cast<FLONG>(XO_TABLE));
    EXPECT_EQ(xo->iSrcType, PAL_INDEXED);
    EXPECT_EQ(xo->iDstType, PAL_BITFIELDS);
    ASSERT_EQ(xo->cEntries, 2u);
    EXPECT_EQ(xo->pulXlate[1], 0xFFFFFFu);

    ULONG out[4] = {};
    EXPECT_EQ(XLATEOBJ_cGetPalette(table.get(), XO_SRCPALETTE, 0, nullptr), 2u);
    EXPECT_EQ(XLATEOBJ_cGetPalette(table.get(), XO_SRCPALETTE, 1, out), 1u);
    EXPECT_EQ(out[0], 0u);
    EXPECT_EQ(XLATEOBJ_cGetPalette(table.get(), XO_DESTBITFIELDS, 4, out), 3u);
    EXPECT_EQ(out[0], 0xFF0000u);
    EXPECT_EQ(out[2], 0xFFu);
    EXPECT_EQ(XLATEOBJ_cGetPalette(table.get(), XO_SRCBITFIELDS, 4, out), 0u);
    EXPECT_EQ(XLATEOBJ_cGetPalette(table.get(), 77, 4, out), 0u);
    XLATEOBJ foreign = {};
    EXPECT_EQ(XLATEOBJ_cGetPalette(&foreign, XO_SRCPALETTE, 4, out), 0u);
}

TEST(EngCreatePalette, KeepsValidPalettesAndRefusesBadOnes)
{
    ULONG colors[] = {0x000000, 0xFFFFFF};
    HPALETTE indexed = EngCreatePalette(PAL_INDEXED, 2, colors, 0, 0, 0);
    ASSERT_NE(indexed, nullptr);
    const auto palette = platform::engine::FindPalette(indexed);
    ASSERT_NE(palette, nullptr);
    EXPECT_EQ(palette->entries, (std::vector<ULONG>{0x000000, 0xFFFFFF}));
    EXPECT_TRUE(EngDeletePalette(indexed));
    EXPECT_FALSE(EngDeletePalette(indexed));

    HPALETTE fields = EngCreatePalette(PAL_BITFIELDS, 0, nullptr, 0x7C00, 0x03E0, 0x001F);
    EXPECT_NE(fields, nullptr);
    EngDeletePalette(fields);

    struct Bad { ULONG mode; ULONG count; ULONG* colors; FLONG r, g, b; };
    const Bad bad[] = {
        {PAL_INDEXED, 0, colors, 0, 0, 0},
        {PAL_INDEXED, 2, nullptr, 0, 0, 0},
        {PAL_BITFIELDS, 0, nullptr, 0xF0F0, 0x0F00, 0x000F},   // a red mask in two runs
        {PAL_BITFIELDS, 0, nullptr, 0xFF00, 0x0FF0, 0x000F},   // overlapping masks
        {PAL_BITFIELDS, 0, nullptr, 0, 0x0FF0, 0x000F},
        {PAL_CMYK, 0, nullptr, 0, 0, 0},
        {0x40, 0, nullptr, 0, 0, 0},
    };
    for (const Bad& b : bad) {
        SCOPED_TRACE(testing::Message() << "case " << (&b - bad));
        EXPECT_EQ(EngCreatePalette(b.mode, b.count, b.colors, b.r, b.g, b.b), nullptr);
    }
}
