// clip_test.cpp - clip regions: their canonical rectangles, enumeration orders, batches and limits, and the
// path of a region.
#include "host/engine/clip.h"
#include "host/engine/path.h"

#include <gtest/gtest.h>
#include <vector>

// Found by argument lookup, so at global scope like RECTL itself.
static bool operator==(const RECTL& a, const RECTL& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

static std::ostream& operator<<(std::ostream& os, const RECTL& r)
{
    return os << "{" << r.left << "," << r.top << "," << r.right << "," << r.bottom << "}";
}

namespace {

// Enumerates the whole region in batches of batch rectangles, as a driver's loop does.
std::vector<RECTL> EnumerateAll(CLIPOBJ* pco, ULONG batch, ULONG* batches = nullptr)
{
    std::vector<ULONG> buffer(1 + 4 * batch);
    std::vector<RECTL> out;
    ULONG calls = 0;
    BOOL more = TRUE;
    while (more && calls < 100) {
        more = CLIPOBJ_bEnum(pco, static_cast<ULONG>(buffer.size() * sizeof(ULONG)), buffer.data());
        const auto* rects = reinterpret_cast<const ENUMRECTS*>(buffer.data());
        EXPECT_LE(rects->c, batch);
        for (ULONG i = 0; i < rects->c; ++i)
            out.push_back(rects->arcl[i]);
        ++calls;
    }
    if (batches != nullptr)
        *batches = calls;
    return out;
}

} // namespace

TEST(ClipObject, JoinsOverlappingRectanglesIntoBandsWithoutOverlap)
{
    // An L of two overlapping rectangles and a separate square below.
    auto clip =
        platform::engine::ClipObject::FromRectangles({{0, 0, 10, 4}, {0, 2, 4, 8}, {6, 10, 8, 12}, {3, 3, 3, 9}});
    const std::vector<RECTL> expected = {{0, 0, 10, 4}, {0, 4, 4, 8}, {6, 10, 8, 12}};
    EXPECT_EQ(clip->Rectangles(), expected);
    const CLIPOBJ* co = clip->get();
    EXPECT_EQ(co->iDComplexity, DC_COMPLEX);
    EXPECT_EQ(co->iFComplexity, FC_RECT4);
    EXPECT_EQ(co->iMode, TC_RECTANGLES);
    EXPECT_EQ(co->rclBounds, (RECTL{0, 0, 10, 12}));

    auto single = platform::engine::ClipObject::FromRectangles({{1, 1, 5, 5}, {2, 2, 3, 3}});
    EXPECT_EQ(single->get()->iDComplexity, DC_RECT);
    EXPECT_EQ(single->get()->rclBounds, (RECTL{1, 1, 5, 5}));
}

TEST(ClipObject, EnumeratesInEachDirectionInBatchesOfTheBufferSize)
{
    auto clip = platform::engine::ClipObject::FromRectangles({{0, 0, 2, 1}, {4, 0, 6, 1}, {0, 3, 2, 4}, {4, 3, 6, 4}});
    const RECTL a = {0, 0, 2, 1}, b = {4, 0, 6, 1}, c = {0, 3, 2, 4}, d = {4, 3, 6, 4};
    struct Case { ULONG direction; std::vector<RECTL> order; };
    const Case cases[] = {
        {CD_RIGHTDOWN, {a, b, c, d}},
        {CD_LEFTDOWN, {b, a, d, c}},
        {CD_RIGHTUP, {c, d, a, b}},
        {CD_LEFTUP, {d, c, b, a}},
        {CD_ANY, {a, b, c, d}},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(testing::Message() << "direction " << k.direction);
        EXPECT_EQ(CLIPOBJ_cEnumStart(clip->get(), TRUE, CT_RECTANGLES, k.direction, 10), 4u);
        ULONG batches = 0;
        EXPECT_EQ(EnumerateAll(clip->get(), 3, &batches), k.order);
        EXPECT_EQ(batches, 2u);   // 3 + 1
    }
    // Enumeration can be restarted, and also runs without a start.
    auto fresh = platform::engine::ClipObject::FromRectangles({{0, 0, 1, 1}});
    EXPECT_EQ(EnumerateAll(fresh->get(), 1).size(), 1u);
}

TEST(ClipObject, AnswersTheCountOnlyWithinTheLimit)
{
    auto clip = platform::engine::ClipObject::FromRectangles({{0, 0, 1, 1}, {2, 0, 3, 1}, {4, 0, 5, 1}});
    EXPECT_EQ(CLIPOBJ_cEnumStart(clip->get(), TRUE, CT_RECTANGLES, CD_ANY, 3), 3u);
    EXPECT_EQ(CLIPOBJ_cEnumStart(clip->get(), TRUE, CT_RECTANGLES, CD_ANY, 2), 0xFFFFFFFFu);
    EXPECT_EQ(EnumerateAll(clip->get(), 8).size(), 3u);   // the enumeration is set up all the same
    EXPECT_EQ(CLIPOBJ_cEnumStart(clip->get(), TRUE, 7, CD_ANY, 0), 0xFFFFFFFFu);
}

TEST(ClipObject, RefusesBuffersWithoutRoomForARectangleAndForeignRecords)
{
    auto clip = platform::engine::ClipObject::FromRectangles({{0, 0, 1, 1}});
    ULONG buffer[5] = {};
    EXPECT_FALSE(CLIPOBJ_bEnum(clip->get(), sizeof(ULONG) * 4, buffer));
    EXPECT_FALSE(CLIPOBJ_bEnum(clip->get(), sizeof buffer, nullptr));
    CLIPOBJ foreign = *clip->get();
    EXPECT_FALSE(CLIPOBJ_bEnum(&foreign, sizeof buffer, buffer));
    EXPECT_EQ(CLIPOBJ_ppoGetPath(&foreign), nullptr);
}

TEST(ClipObject, TrivialClipEnumeratesItsBounds)
{
    auto clip = platform::engine::ClipObject::Trivial({0, 0, 30, 20});
    EXPECT_EQ(clip->get()->iDComplexity, DC_TRIVIAL);
    EXPECT_EQ(EnumerateAll(clip->get(), 4), (std::vector<RECTL>{{0, 0, 30, 20}}));
}

TEST(ClipObject, GivesItsRegionAsAPathOfClosedRectanglesTheDriverDeletes)
{
    auto clip = platform::engine::ClipObject::FromRectangles({{1, 2, 3, 4}, {5, 2, 6, 4}});
    PATHOBJ* ppo = CLIPOBJ_ppoGetPath(clip->get());
    ASSERT_NE(ppo, nullptr);
    PATHOBJ_vEnumStart(ppo);
    PATHDATA pd;
    std::vector<std::vector<POINTFIX>> figures;
    BOOL more;
    do {
        more = PATHOBJ_bEnum(ppo, &pd);
        EXPECT_EQ(pd.flags, static_cast<FLONG>(PD_BEGINSUBPATH | PD_RESETSTYLE | PD_ENDSUBPATH | PD_CLOSEFIGURE));
        figures.emplace_back(pd.pptfx, pd.pptfx + pd.count);
    } while (more);
    ASSERT_EQ(figures.size(), 2u);
    ASSERT_EQ(figures[0].size(), 4u);
    EXPECT_EQ(figures[0][0].x, 16);
    EXPECT_EQ(figures[0][2].x, 48);
    EXPECT_EQ(figures[0][2].y, 64);
    EngDeletePath(ppo);
    PATHDATA after;
    EXPECT_FALSE(PATHOBJ_bEnum(ppo, &after));   // gone
}

TEST(ClipObject, AComplexClipIsTheWholeRegionNamedAlikeForEqualRegions)
{
    const std::vector<RECTL> region = {{0, 0, 10, 10}, {20, 0, 30, 10}, {0, 20, 30, 30}};
    const RECTL drawing = {5, 5, 25, 8};   // meets the first two only
    auto first = platform::engine::ClipObject::OfRegion(region, drawing);
    auto again = platform::engine::ClipObject::OfRegion(region, {0, 20, 30, 30});
    auto other = platform::engine::ClipObject::OfRegion({{0, 0, 10, 10}, {20, 0, 31, 10}}, drawing);
    EXPECT_EQ(first->get()->iDComplexity, DC_COMPLEX);
    EXPECT_EQ(first->get()->iMode, TC_RECTANGLES);
    EXPECT_EQ(first->get()->rclBounds, drawing);
    EXPECT_NE(first->get()->iUniq, 0u);
    EXPECT_EQ(again->get()->iUniq, first->get()->iUniq) << "the same region for another drawing";
    EXPECT_NE(other->get()->iUniq, first->get()->iUniq);
    CLIPOBJ_cEnumStart(first->get(), TRUE, CT_RECTANGLES, CD_ANY, 0);
    EXPECT_EQ(EnumerateAll(first->get(), 8), region) << "all of the region, not only what the drawing meets";
    CLIPOBJ_cEnumStart(first->get(), FALSE, CT_RECTANGLES, CD_ANY, 0);
    EXPECT_EQ(EnumerateAll(first->get(), 8), (std::vector<RECTL>{{5, 5, 10, 8}, {20, 5, 25, 8}}));
}

