// surfaces_test.cpp - engine bitmaps and device surfaces: layouts, strides, locks, deletion, erasing.
#include "bitmaps.h"
#include "host/engine/devices.h"


TEST(EngineBitmaps, LayOutLinesTopDownOrBottomUpWithTheGivenStride)
{
    struct Case { ULONG format; LONG cx; LONG stride; FLONG fl; LONG expectedStride; };
    const Case cases[] = {
        {BMF_1BPP, 13, 0, BMF_TOPDOWN, 4},   // 2 bytes of pixels, aligned to 4 when we choose
        {BMF_1BPP, 13, 2, BMF_TOPDOWN, 2},   // the caller's stride is kept when a line fits
        {BMF_4BPP, 5, 0, 0, 4},
        {BMF_8BPP, 7, 9, 0, 9},
        {BMF_16BPP, 3, 0, BMF_TOPDOWN, 8},
        {BMF_24BPP, 3, 9, 0, 9},
        {BMF_24BPP, 3, 0, 0, 12},
        {BMF_32BPP, 2, 0, BMF_TOPDOWN, 8},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
        const LONG cy = 3;
        HSURF hsurf = reinterpret_cast<HSURF>(EngCreateBitmap(SIZEL{c.cx, cy}, c.stride, c.format, c.fl, nullptr));
        ASSERT_NE(hsurf, nullptr);
        SURFOBJ* so = EngLockSurface(hsurf);
        ASSERT_NE(so, nullptr);
        EXPECT_EQ(so->hsurf, hsurf);
        EXPECT_EQ(so->iType, STYPE_BITMAP);
        EXPECT_EQ(so->iBitmapFormat, c.format);
        EXPECT_EQ(so->cjBits, static_cast<ULONG>(c.expectedStride * cy));
        const bool topDown = (c.fl & BMF_TOPDOWN) != 0;
        EXPECT_EQ(so->lDelta, topDown ? c.expectedStride : -c.expectedStride);
        const BYTE* bits = static_cast<const BYTE*>(so->pvBits);
        EXPECT_EQ(static_cast<const BYTE*>(so->pvScan0), topDown ? bits : bits + c.expectedStride * (cy - 1));
        for (ULONG i = 0; i < so->cjBits; ++i)
            ASSERT_EQ(bits[i], 0) << "byte " << i;
        EngUnlockSurface(so);
        EXPECT_TRUE(EngDeleteSurface(hsurf));
    }
}

TEST(EngineBitmaps, UsesTheCallersBitsAndRefusesWhatCannotHoldALine)
{
    BYTE bits[2 * 6] = {};
    HSURF hsurf = reinterpret_cast<HSURF>(EngCreateBitmap(SIZEL{16, 6}, 2, BMF_1BPP, BMF_TOPDOWN, bits));
    ASSERT_NE(hsurf, nullptr);
    SURFOBJ* so = EngLockSurface(hsurf);
    EXPECT_EQ(so->pvBits, bits);
    EngUnlockSurface(so);
    EngDeleteSurface(hsurf);

    struct Bad { SIZEL size; LONG stride; ULONG format; PVOID bits; };
    const Bad bad[] = {
        {{16, 6}, 1, BMF_1BPP, bits},          // a line of 16 pixels needs 2 bytes
        {{0, 6}, 0, BMF_8BPP, nullptr},
        {{4, -1}, 0, BMF_8BPP, nullptr},
        {{4, 4}, 0, BMF_8RLE, nullptr},
        {{4, 4}, 0, 99, nullptr},
        {{0x7FFFFFFF, 0x7FFFFFFF}, 0, BMF_32BPP, nullptr},
    };
    for (const Bad& b : bad) {
        SCOPED_TRACE(testing::Message() << "case " << (&b - bad));
        EXPECT_EQ(EngCreateBitmap(b.size, b.stride, b.format, 0, b.bits), nullptr);
    }
}

TEST(EngineSurfaces, ALockedSurfaceOutlivesItsDeletionUntilUnlocked)
{
    HSURF hsurf = reinterpret_cast<HSURF>(EngCreateBitmap(SIZEL{8, 8}, 0, BMF_8BPP, 0, nullptr));
    SURFOBJ* so = EngLockSurface(hsurf);
    ASSERT_NE(so, nullptr);
    EXPECT_TRUE(EngDeleteSurface(hsurf));
    EXPECT_EQ(EngLockSurface(hsurf), nullptr);
    EXPECT_FALSE(EngDeleteSurface(hsurf));
    RECTL all = {0, 0, 8, 8};
    EXPECT_TRUE(EngEraseSurface(so, &all, 7));   // still usable by its holder
    EngUnlockSurface(so);
    EXPECT_FALSE(EngEraseSurface(so, &all, 7));  // gone now: refused, not touched
    EngUnlockSurface(nullptr);
}

TEST(EngineSurfaces, DeviceSurfacesHaveNoBitsAndAssociateOnlyWithAKnownDevice)
{
    HSURF hsurf = EngCreateDeviceSurface(reinterpret_cast<DHSURF>(0x1234), SIZEL{100, 50}, BMF_24BPP);
    ASSERT_NE(hsurf, nullptr);
    SURFOBJ* so = EngLockSurface(hsurf);
    EXPECT_EQ(so->iType, STYPE_DEVICE);
    EXPECT_EQ(so->pvBits, nullptr);
    EXPECT_EQ(so->dhsurf, reinterpret_cast<DHSURF>(0x1234));
    RECTL all = {0, 0, 100, 50};
    EXPECT_FALSE(EngEraseSurface(so, &all, 0));

    EXPECT_FALSE(EngAssociateSurface(hsurf, reinterpret_cast<HDEV>(0x99), HOOK_BITBLT));
    auto device = std::make_shared<platform::engine::Device>();
    device->dhpdev = reinterpret_cast<DHPDEV>(0x5678);
    HDEV hdev = platform::engine::RegisterDevice(device);
    EXPECT_TRUE(EngAssociateSurface(hsurf, hdev, HOOK_BITBLT | HOOK_COPYBITS));
    EXPECT_EQ(so->hdev, hdev);
    EXPECT_EQ(so->dhpdev, reinterpret_cast<DHPDEV>(0x5678));
    EXPECT_TRUE(EngMarkBandingSurface(hsurf));
    EXPECT_FALSE(EngMarkBandingSurface(nullptr));
    platform::engine::UnregisterDevice(hdev);
    EngUnlockSurface(so);
    EngDeleteSurface(hsurf);
}

TEST(EngineSurfaces, EraseFillsOnlyTheRectangleInsideTheBitmap)
{
    for (ULONG format : {BMF_1BPP, BMF_4BPP, BMF_8BPP, BMF_16BPP, BMF_24BPP, BMF_32BPP}) {
        SCOPED_TRACE(testing::Message() << "format " << format);
        TestBitmap bitmap(11, 4, format, 0);
        RECTL r = {3, -2, 40, 2};   // runs off the top and the right
        ASSERT_TRUE(EngEraseSurface(bitmap.so(), &r, 0xFFFFFFFF));
        for (LONG y = 0; y < 4; ++y)
            for (LONG x = 0; x < 11; ++x)
                EXPECT_EQ(bitmap.Get(x, y), (x >= 3 && y < 2) ? bitmap.ValueMask() : 0u) << x << "," << y;
    }
    EXPECT_FALSE(EngEraseSurface(nullptr, nullptr, 0));
}
