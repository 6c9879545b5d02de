// custom_paper_ids_test.cpp - the paper ids of the ten user-defined sizes.
#include "settings/paper/custom_size_entry.h"

#include <gtest/gtest.h>

TEST(CustomPaperIds, MapIdsAndNumbersBothWays)
{
    struct Case {
        SHORT paperId;
        UINT number;
    };
    const Case cases[] = {{513, 1}, {514, 2}, {521, 9}, {256, 10}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "paper " << c.paperId);
        EXPECT_TRUE(IsCustomPaperId(c.paperId));
        EXPECT_EQ(CustomPaperIdToIndex(c.paperId), c.number);
        EXPECT_EQ(CustomPaperIndexToId(c.number), c.paperId);
    }
}

TEST(CustomPaperIds, OtherIdsAndNumbers)
{
    for (SHORT paperId : {SHORT(0), SHORT(9), SHORT(257), SHORT(512), SHORT(522), SHORT(-1)}) {
        SCOPED_TRACE(testing::Message() << "paper " << paperId);
        EXPECT_FALSE(IsCustomPaperId(paperId));
        EXPECT_EQ(CustomPaperIdToIndex(paperId), 0u);
    }
    EXPECT_EQ(CustomPaperIndexToId(0), 513);
    EXPECT_EQ(CustomPaperIndexToId(11), 513);
}
