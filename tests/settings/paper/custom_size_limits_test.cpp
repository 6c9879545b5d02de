// custom_size_limits_test.cpp - the user-defined size range per paper source.
#include "settings/paper/custom_size_limits.h"

#include <gtest/gtest.h>

TEST(CustomSizeLimits, FirstRowOfTheSourceWhoseSubIdIsAnyOrEqual)
{
    struct Case {
        SHORT source;
        SHORT subId;
        LONG nameStringId;
        LONG minWidth, maxWidth, minLength, maxLength;
    };
    const Case cases[] = {
        {260, 3, 21547, 210, 314, 195, 459},
        {260, 2, 21546, 257, 314, 182, 223},
        {260, 0, 21530, 100, 314, 148, 459},   // neither sub-id row matches: row 0
        {1,   5, 21531, 210, 314, 140, 459},   // sub-id 0 in the row matches any
        {4,   0, 21537, 100, 314, 148, 459},
        {5,   0, 21530, 100, 314, 148, 459},   // unknown source: row 0
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "source " << c.source << " sub-id " << c.subId);
        CUSTOM_SIZE_LIMITS row = {};
        GetCustomSizeLimits(&row, c.source, c.subId);
        EXPECT_EQ(row.nameStringId, c.nameStringId);
        EXPECT_EQ(row.minWidth, c.minWidth);
        EXPECT_EQ(row.maxWidth, c.maxWidth);
        EXPECT_EQ(row.minLength, c.minLength);
        EXPECT_EQ(row.maxLength, c.maxLength);
        EXPECT_EQ(row.printableWidth, 299);
        EXPECT_EQ(row.printableLength, 458);
    }
}

TEST(CustomSizeLimits, ExtraIsTheFourMarginsOfTheRow)
{
    LONG margins[4] = {-1, -1, -1, -1};
    GetCustomSizeLimitExtra(&margins, 260, 3);
    for (LONG margin : margins)
        EXPECT_EQ(margin, 0);
    GetCustomSizeLimits(nullptr, 260, 3);
    GetCustomSizeLimitExtra(nullptr, 260, 3);
}
