// xform_test.cpp - transform objects: their kind and their application to points, forwards and back.
#include "host/engine/xform.h"

#include <gtest/gtest.h>

TEST(XformObject, NamesItsKind)
{
    struct Case { XFORML m; ULONG kind; };
    const Case cases[] = {
        {{1, 0, 0, 1, 0, 0}, GX_IDENTITY},
        {{1, 0, 0, 1, 5, 0}, GX_OFFSET},
        {{2, 0, 0, 1, 5, 0}, GX_SCALE},
        {{1, 0.5f, 0, 1, 0, 0}, GX_GENERAL},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
        platform::engine::XformObject xform(c.m);
        XFORML out = {};
        EXPECT_EQ(XFORMOBJ_iGetXform(xform.get(), &out), c.kind);
        EXPECT_EQ(out.eM12, c.m.eM12);
        EXPECT_EQ(out.eDx, c.m.eDx);
    }
    XFORMOBJ foreign = {};
    EXPECT_EQ(XFORMOBJ_iGetXform(&foreign, nullptr), DDI_ERROR);
}

TEST(XformObject, AppliesItselfAndItsInverseInPixelsAndFixedPoint)
{
    platform::engine::XformObject xform({0, 2, -2, 0, 10, 20});   // turn a quarter, double, then move
    POINTL in[] = {{1, 0}, {0, 3}};
    POINTL out[2];
    ASSERT_TRUE(XFORMOBJ_bApplyXform(xform.get(), XF_LTOL, 2, in, out));
    EXPECT_EQ(out[0].x, 10);
    EXPECT_EQ(out[0].y, 22);
    EXPECT_EQ(out[1].x, 4);
    EXPECT_EQ(out[1].y, 20);
    POINTL fx[2];
    ASSERT_TRUE(XFORMOBJ_bApplyXform(xform.get(), XF_LTOFX, 2, in, fx));
    EXPECT_EQ(fx[0].y, 22 * 16);
    POINTL back[2];
    ASSERT_TRUE(XFORMOBJ_bApplyXform(xform.get(), XF_INV_FXTOL, 2, fx, back));
    EXPECT_EQ(back[1].x, 0);
    EXPECT_EQ(back[1].y, 3);
    ASSERT_TRUE(XFORMOBJ_bApplyXform(xform.get(), XF_INV_LTOL, 2, out, out));   // in place
    EXPECT_EQ(out[0].x, 1);
    EXPECT_EQ(out[1].y, 3);

    platform::engine::XformObject flat({1, 1, 1, 1, 0, 0});
    EXPECT_FALSE(XFORMOBJ_bApplyXform(flat.get(), XF_INV_LTOL, 2, in, out));   // no inverse
    platform::engine::XformObject huge({1e9f, 0, 0, 1, 0, 0});
    POINTL three[] = {{3, 0}};
    EXPECT_FALSE(XFORMOBJ_bApplyXform(huge.get(), XF_LTOL, 1, three, out));    // 3e9 does not fit a LONG
    EXPECT_FALSE(XFORMOBJ_bApplyXform(xform.get(), 9, 1, in, out));
}
