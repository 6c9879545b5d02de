// range_option_table_test.cpp - the range table, read back through the feature query.
#include "settings/paper/range_option_table.h"
#include "settings/paper/feature_query.h"
#include "settings/res_library_fixture.h"

using RangeOptionTable = ResModuleTest;

TEST_F(RangeOptionTable, HoldsOneRowForEach26NumericFeatures)
{
    EXPECT_EQ(CountRangeOptionRows(), 26u);
    unsigned found = 0;
    for (WORD id = 0; id < 1100; ++id)
        found += FindRangeOptionRow(id) != nullptr;
    EXPECT_EQ(found, 26u);
}

TEST_F(RangeOptionTable, AnswersSampleRows)
{
    struct Case { WORD feature; LONG minimum; LONG maximum; LONG step; LONG defaultValue; };
    const Case cases[] = {
        {2, 1, 9999, 1, 1},          // copies
        {164, 0, 5000, 1, 2100},
        {169, 0, 500, 1, 0},
        {26, 25, 400, 1, 100},       // zoom
        {56, -2, 2, 1, 0},           // a negative minimum comes back negative
        {81, 330, 2540, 1, 500},
        {82, 13, 100, 1, 20},
        {172, 0, 50, 1, 10},
        {219, 8, 32, 1, 12},
        {223, -10, 10, 1, 0},        // the last row
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "feature " << c.feature);
        EXPECT_EQ(QueryFeature(m_cell, c.feature, FeatureQuery::Minimum, nullptr, 0, 0), c.minimum);
        EXPECT_EQ(QueryFeature(m_cell, c.feature, FeatureQuery::Maximum, nullptr, 0, 0), c.maximum);
        EXPECT_EQ(QueryFeature(m_cell, c.feature, FeatureQuery::Step, nullptr, 0, 0), c.step);
        EXPECT_EQ(GetFeatureDefault(m_cell, c.feature), c.defaultValue);
        EXPECT_EQ(QueryFeature(m_cell, c.feature, FeatureQuery::OptionCount, nullptr, 0, 0), 1);
    }
}
