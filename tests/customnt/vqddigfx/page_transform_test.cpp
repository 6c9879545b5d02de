// page_transform_test.cpp - the page's scale and offset set aside for a whole-sheet command and put back.
#include "pdev_fixture.h"
#include "customnt/vqddigfx/page_transform.h"
#include "host/faults.h"

namespace {

using PageTransform = PdevTest;

TEST_F(PageTransform, ANewRecordHoldsThePercentAsScale)
{
    PAGE_TRANSFORM* pTransform = NewPageTransform(5, -6, 100);
    ASSERT_NE(pTransform, nullptr);
    EXPECT_EQ(Copy(pTransform->ulScale), 10000u);
    EXPECT_EQ(Copy(pTransform->xOffset), 5);
    EXPECT_EQ(Copy(pTransform->yOffset), -6);
    FreePageTransform(pTransform);
    EXPECT_EQ(NewPageTransform(0, 0, 0), nullptr);
    EXPECT_EQ(NewPageTransform(0, 0, -5), nullptr);
}

TEST_F(PageTransform, ACellsScaleComesBackExactlyAfterTheSheetWasDrawnOn)
{
    ASSERT_NE(Enable(DefaultDevmode()), nullptr);
    const unsigned blocksBefore = host::LiveGlobalBlocks();
    m_pdev->ulScale = 4714;   // no whole percent
    m_pdev->xOffset = 120;
    m_pdev->yOffset = 340;
    PAGE_TRANSFORM* pSaved = SwapPageTransform(m_pdev, NewPageTransform(0, 0, 100));
    ASSERT_NE(pSaved, nullptr);
    EXPECT_EQ(Copy(m_pdev->ulScale), 10000u);
    EXPECT_EQ(Copy(m_pdev->xOffset), 0);
    EXPECT_EQ(Copy(m_pdev->yOffset), 0);
    PAGE_TRANSFORM* pSheet = SwapPageTransform(m_pdev, pSaved);
    ASSERT_NE(pSheet, nullptr);
    EXPECT_EQ(Copy(m_pdev->ulScale), 4714u);
    EXPECT_EQ(Copy(m_pdev->xOffset), 120);
    EXPECT_EQ(Copy(m_pdev->yOffset), 340);
    EXPECT_EQ(Copy(pSheet->ulScale), 10000u);
    FreePageTransform(pSheet);
    EXPECT_EQ(host::LiveGlobalBlocks(), blocksBefore);
}

TEST_F(PageTransform, WithoutMemoryThePageIsLeftAsItWas)
{
    ASSERT_NE(Enable(DefaultDevmode()), nullptr);
    m_pdev->ulScale = 5000;
    PAGE_TRANSFORM* pGiven = NewPageTransform(0, 0, 100);
    ASSERT_NE(pGiven, nullptr);
    host::InjectFault(host::Fault::GlobalAlloc, 1);
    PAGE_TRANSFORM* pBack = SwapPageTransform(m_pdev, pGiven);
    host::ClearFaults();
    EXPECT_EQ(pBack, pGiven) << "the caller gets its own record back";
    EXPECT_EQ(Copy(m_pdev->ulScale), 5000u);
    FreePageTransform(pBack);
    EXPECT_EQ(SwapPageTransform(m_pdev, nullptr), nullptr);
    EXPECT_EQ(Copy(m_pdev->ulScale), 5000u);
}

} // namespace
