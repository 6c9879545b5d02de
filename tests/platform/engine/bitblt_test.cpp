// bitblt_test.cpp - EngBitBlt and EngCopyBits, pixel by pixel against the definition of a ROP4.
#include "bitmaps.h"
#include "host/engine/brush.h"
#include "host/engine/clip.h"
#include "host/engine/palettes.h"
#include "host/engine/xlate.h"

namespace {

// The ROP3 result, bit by bit: the result bit for inputs (p, s, d) is bit (p*4 + s*2 + d) of the code.
ULONG RopByBits(BYTE rop3, ULONG p, ULONG s, ULONG d, ULONG valueMask)
{
    ULONG out = 0;
    for (int bit = 0; bit < 32; ++bit) {
        const int index = (((p >> bit) & 1) << 2) | (((s >> bit) & 1) << 1) | ((d >> bit) & 1);
        out |= static_cast<ULONG>((rop3 >> index) & 1) << bit;
    }
    return out & valueMask;
}

constexpr ULONG kFormats[] = {BMF_1BPP, BMF_4BPP, BMF_8BPP, BMF_16BPP, BMF_24BPP, BMF_32BPP};

} // namespace

TEST(EngBitBlt, AppliesEachRop3WithSourceAndSolidBrushOnEveryFormat)
{
    const ROP4 rops[] = {0xCCCC, 0x3333, 0x8888, 0xEEEE, 0x6666, 0x4444, 0x1111, 0xBBBB, 0xF0F0,
                         0x5A5A, 0x5555, 0x0000, 0xFFFF, 0xE2E2, 0xB8B8, 0xAAAA};
    for (ULONG format : kFormats) {
        for (FLONG fl : {FLONG{BMF_TOPDOWN}, FLONG{0}}) {
            for (ROP4 rop : rops) {
                SCOPED_TRACE(testing::Message() << "format " << format << " fl " << fl << " rop " << std::hex << rop);
                TestBitmap dest(13, 6, format, fl);
                TestBitmap source(9, 7, format, fl ^ BMF_TOPDOWN);
                dest.Scramble(1);
                source.Scramble(2);
                const std::vector<ULONG> before = dest.Pixels();
                const ULONG brushValue = 0xA5C3E187 & dest.ValueMask();
                auto brush = platform::engine::BrushObject::Solid(brushValue, RGB(1, 2, 3));
                RECTL r = {2, 1, 9, 5};
                POINTL src = {1, 2};
                ASSERT_TRUE(EngBitBlt(dest.so(), source.so(), nullptr, nullptr, nullptr, &r, &src, nullptr,
                                      brush->get(), nullptr, rop));
                for (LONG y = 0; y < dest.cy(); ++y) {
                    for (LONG x = 0; x < dest.cx(); ++x) {
                        const ULONG d = before[y * dest.cx() + x];
                        const bool inside = x >= r.left && x < r.right && y >= r.top && y < r.bottom;
                        const ULONG expected =
                            inside ? RopByBits(static_cast<BYTE>(rop), brushValue,
                                               source.Get(x - r.left + src.x, y - r.top + src.y), d, dest.ValueMask())
                                   : d;
                        ASSERT_EQ(dest.Get(x, y), expected) << "pixel " << x << "," << y;
                    }
                }
            }
        }
    }
}

TEST(EngBitBlt, MaskChoosesTheForegroundRopWhereItIsOneAndTheBackgroundWhereZero)
{
    TestBitmap dest(10, 3, BMF_8BPP);
    TestBitmap source(10, 3, BMF_8BPP);
    TestBitmap mask(12, 3, BMF_1BPP);
    dest.Scramble(3);
    source.Scramble(4);
    mask.Scramble(5);
    const std::vector<ULONG> before = dest.Pixels();
    RECTL r = {0, 0, 10, 3};
    POINTL src = {0, 0};
    POINTL maskOrigin = {2, 0};
    ASSERT_TRUE(EngBitBlt(dest.so(), source.so(), mask.so(), nullptr, nullptr, &r, &src, &maskOrigin, nullptr,
                          nullptr, 0xAACC));   // copy the source where the mask is 1, keep the rest
    for (LONG y = 0; y < 3; ++y)
        for (LONG x = 0; x < 10; ++x)
            EXPECT_EQ(dest.Get(x, y), mask.Get(x + 2, y) ? source.Get(x, y) : before[y * 10 + x]) << x << "," << y;
}

TEST(EngBitBlt, TilesAPatternBrushFromTheBrushOriginThroughItsTranslation)
{
    TestBitmap dest(9, 5, BMF_24BPP);
    TestBitmap pattern(2, 2, BMF_1BPP);
    pattern.Set(0, 0, 1);
    pattern.Set(1, 1, 1);
    ULONG mono[] = {RGB(0, 0, 0), RGB(255, 255, 255)};
    platform::engine::Palette indexed;
    indexed.iMode = PAL_INDEXED;
    indexed.entries.assign(mono, mono + 2);
    platform::engine::Palette bgr;
    bgr.iMode = PAL_BGR;
    auto brush = platform::engine::BrushObject::Pattern(
        pattern.handle(), nullptr, std::make_unique<platform::engine::XlateObject>(indexed, bgr), dest.so(),
        HS_DDI_MAX);
    ASSERT_NE(brush, nullptr);
    EXPECT_EQ(brush->get()->iSolidColor, 0xFFFFFFFFu);
    RECTL r = {0, 0, 9, 5};
    POINTL origin = {1, 0};
    ASSERT_TRUE(EngBitBlt(dest.so(), nullptr, nullptr, nullptr, nullptr, &r, nullptr, nullptr, brush->get(), &origin,
                          0xF0F0));
    for (LONG y = 0; y < 5; ++y)
        for (LONG x = 0; x < 9; ++x)
            EXPECT_EQ(dest.Get(x, y), ((x - 1 + y) % 2 == 0) ? 0xFFFFFFu : 0u) << x << "," << y;
}

TEST(EngBitBlt, DrawsOnlyInsideTheClipAndTheSurface)
{
    TestBitmap dest(8, 8, BMF_8BPP);
    auto clip = platform::engine::ClipObject::FromRectangles({{0, 0, 3, 3}, {5, 5, 20, 20}});
    auto brush = platform::engine::BrushObject::Solid(9, 0);
    RECTL r = {-4, -4, 40, 6};
    ASSERT_TRUE(EngBitBlt(dest.so(), nullptr, nullptr, clip->get(), nullptr, &r, nullptr, nullptr, brush->get(),
                          nullptr, 0xF0F0));
    for (LONG y = 0; y < 8; ++y)
        for (LONG x = 0; x < 8; ++x) {
            const bool painted = (x < 3 && y < 3) || (x >= 5 && y == 5);
            EXPECT_EQ(dest.Get(x, y), painted ? 9u : 0u) << x << "," << y;
        }
}

TEST(EngCopyBits, CopiesOverlappingRectanglesOfOneBitmapAsIfThroughACopy)
{
    TestBitmap bitmap(10, 4, BMF_4BPP);
    bitmap.Scramble(6);
    const std::vector<ULONG> before = bitmap.Pixels();
    RECTL r = {2, 1, 10, 4};
    POINTL src = {0, 0};
    ASSERT_TRUE(EngCopyBits(bitmap.so(), bitmap.so(), nullptr, nullptr, &r, &src));
    for (LONG y = 1; y < 4; ++y)
        for (LONG x = 2; x < 10; ++x)
            EXPECT_EQ(bitmap.Get(x, y), before[(y - 1) * 10 + (x - 2)]) << x << "," << y;
}

TEST(EngCopyBits, TranslatesSourceValuesIntoTheDestinationPalette)
{
    TestBitmap source(4, 1, BMF_8BPP);
    TestBitmap dest(4, 1, BMF_1BPP);
    ULONG grey[] = {RGB(0, 0, 0), RGB(100, 100, 100), RGB(200, 200, 200), RGB(255, 255, 255)};
    ULONG mono[] = {RGB(0, 0, 0), RGB(255, 255, 255)};
    platform::engine::Palette src, dst;
    src.iMode = dst.iMode = PAL_INDEXED;
    src.entries.assign(grey, grey + 4);
    dst.entries.assign(mono, mono + 2);
    platform::engine::XlateObject xlate(src, dst);
    for (LONG x = 0; x < 4; ++x)
        source.Set(x, 0, x);
    RECTL r = {0, 0, 4, 1};
    POINTL origin = {0, 0};
    ASSERT_TRUE(EngCopyBits(dest.so(), source.so(), nullptr, xlate.get(), &r, &origin));
    EXPECT_EQ(dest.Pixels(), (std::vector<ULONG>{0, 0, 1, 1}));
}

TEST(EngBitBlt, RefusesWhatItCannotDraw)
{
    TestBitmap dest(4, 4, BMF_8BPP);
    RECTL r = {0, 0, 4, 4};
    POINTL origin = {0, 0};
    HSURF device = EngCreateDeviceSurface(nullptr, SIZEL{4, 4}, BMF_8BPP);
    SURFOBJ* deviceSo = EngLockSurface(device);
    SURFOBJ foreign = *dest.so();
    struct Case { SURFOBJ* dest; SURFOBJ* src; ROP4 rop; };
    const Case cases[] = {
        {dest.so(), nullptr, 0xCCCC},     // the ROP needs a source
        {dest.so(), nullptr, 0xF0F0},     // the ROP needs a brush
        {deviceSo, dest.so(), 0xCCCC},    // a device surface has no bits
        {&foreign, dest.so(), 0xCCCC},    // not a surface of the engine
        {nullptr, dest.so(), 0xCCCC},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
        SetLastError(0);
        EXPECT_FALSE(
            EngBitBlt(c.dest, c.src, nullptr, nullptr, nullptr, &r, &origin, nullptr, nullptr, nullptr, c.rop));
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    }
    EngUnlockSurface(deviceSo);
    EngDeleteSurface(device);
}

TEST(EngBitBlt, ARectangleReachingFarOffTheSurfaceTakesItsSourceFromItsOwnCorner)
{
    TestBitmap source(8, 1, BMF_8BPP);
    for (LONG x = 0; x < 8; ++x)
        source.Set(x, 0, 10 + x);
    TestBitmap dest(3, 1, BMF_8BPP);
    RECTL r = {-5, 0, 3, 1};   // its first five columns lie left of the surface
    POINTL src = {0, 0};
    ASSERT_TRUE(EngCopyBits(dest.so(), source.so(), nullptr, nullptr, &r, &src));
    EXPECT_EQ(dest.Pixels(), (std::vector<ULONG>{15, 16, 17}));
    // However far it reaches, only the surface's pixels are worked on.
    RECTL huge = {INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX};
    ASSERT_TRUE(EngBitBlt(dest.so(), nullptr, nullptr, nullptr, nullptr, &huge, nullptr, nullptr, nullptr, nullptr,
                          0x0000));
    EXPECT_EQ(dest.Pixels(), (std::vector<ULONG>{0, 0, 0}));
}
