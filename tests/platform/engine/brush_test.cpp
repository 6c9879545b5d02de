// brush_test.cpp - brush objects: colours, and the realization of a pattern through the driver's hook.
#include "bitmaps.h"
#include "host/engine/brush.h"
#include "host/engine/devices.h"

namespace {

struct RealizeCall {
    BRUSHOBJ* pbo;
    SURFOBJ* target;
    SURFOBJ* pattern;
    SURFOBJ* mask;
    XLATEOBJ* xlate;
    ULONG hatch;
};

std::vector<RealizeCall> g_realized;
BOOL g_realizeResult = TRUE;

BOOL APIENTRY RecordingRealizeBrush(BRUSHOBJ* pbo, SURFOBJ* psoTarget, SURFOBJ* psoPattern, SURFOBJ* psoMask,
                                    XLATEOBJ* pxlo, ULONG iHatch)
{
    g_realized.push_back({pbo, psoTarget, psoPattern, psoMask, pxlo, iHatch});
    if (!g_realizeResult)
        return FALSE;
    auto* block = static_cast<ULONG*>(BRUSHOBJ_pvAllocRbrush(pbo, 16));
    block[0] = 0xB0B0;
    return TRUE;
}

class BrushRealization : public testing::Test {
protected:
    void SetUp() override
    {
        g_realized.clear();
        g_realizeResult = TRUE;
        auto device = std::make_shared<platform::engine::Device>();
        device->hooks[INDEX_DrvRealizeBrush] = reinterpret_cast<PFN>(RecordingRealizeBrush);
        m_hdev = platform::engine::RegisterDevice(device);
        ASSERT_TRUE(EngAssociateSurface(m_target.handle(), m_hdev, 0));
    }
    void TearDown() override { platform::engine::UnregisterDevice(m_hdev); }

    TestBitmap m_target{16, 16, BMF_1BPP};
    TestBitmap m_pattern{8, 8, BMF_1BPP};
    HDEV m_hdev = nullptr;
};

} // namespace

TEST_F(BrushRealization, AsksTheTargetsDriverOnceAndKeepsItsBlock)
{
    platform::engine::Palette mono;
    mono.iMode = PAL_INDEXED;
    mono.entries = {0, 0xFFFFFF};
    auto brush = platform::engine::BrushObject::Pattern(
        m_pattern.handle(), nullptr, std::make_unique<platform::engine::XlateObject>(mono, mono), m_target.so(), 3);
    ASSERT_NE(brush, nullptr);
    EXPECT_EQ(BRUSHOBJ_ulGetBrushColor(brush->get()), 0xFFFFFFFFu);

    auto* realized = static_cast<ULONG*>(BRUSHOBJ_pvGetRbrush(brush->get()));
    ASSERT_NE(realized, nullptr);
    EXPECT_EQ(realized[0], 0xB0B0u);
    EXPECT_EQ(brush->get()->pvRbrush, realized);
    EXPECT_EQ(BRUSHOBJ_pvGetRbrush(brush->get()), realized);
    ASSERT_EQ(g_realized.size(), 1u);
    EXPECT_EQ(g_realized[0].pbo, brush->get());
    EXPECT_EQ(g_realized[0].target, m_target.so());
    EXPECT_EQ(g_realized[0].pattern->sizlBitmap.cx, 8);
    EXPECT_EQ(g_realized[0].mask, nullptr);
    EXPECT_EQ(g_realized[0].xlate, brush->PatternXlate());
    EXPECT_EQ(g_realized[0].hatch, 3u);
}

TEST_F(BrushRealization, AFailedRealizationAnswersNullAndIsTriedAgain)
{
    g_realizeResult = FALSE;
    auto brush =
        platform::engine::BrushObject::Pattern(m_pattern.handle(), nullptr, nullptr, m_target.so(), HS_DDI_MAX);
    EXPECT_EQ(BRUSHOBJ_pvGetRbrush(brush->get()), nullptr);
    g_realizeResult = TRUE;
    EXPECT_NE(BRUSHOBJ_pvGetRbrush(brush->get()), nullptr);
    EXPECT_EQ(g_realized.size(), 2u);
}

TEST(BrushObject, SolidBrushesAnswerTheirColourAndNeedNoRealization)
{
    auto brush = platform::engine::BrushObject::Solid(1, RGB(10, 20, 30));
    EXPECT_EQ(brush->get()->iSolidColor, 1u);
    EXPECT_EQ(BRUSHOBJ_ulGetBrushColor(brush->get()), static_cast<ULONG>(RGB(10, 20, 30)));
    EXPECT_EQ(BRUSHOBJ_pvGetRbrush(brush->get()), nullptr);
    BRUSHOBJ foreign = {5, nullptr, 0};
    EXPECT_EQ(BRUSHOBJ_ulGetBrushColor(&foreign), 0xFFFFFFFFu);
    EXPECT_EQ(BRUSHOBJ_pvAllocRbrush(&foreign, 8), nullptr);
    EXPECT_EQ(platform::engine::BrushObject::Pattern(nullptr, nullptr, nullptr, nullptr, 0), nullptr);
}
