// paper_option_table_test.cpp - the paper option table, read back through the feature query.
#include "settings/paper/paper_option_table.h"
#include "settings/paper/feature_query.h"
#include "settings/res_library_fixture.h"

using PaperOptionTable = ResModuleTest;

TEST_F(PaperOptionTable, Holds73PapersInEachOfTwoUnits)
{
    EXPECT_EQ(CountPaperOptionRows(), 146u);
    EXPECT_EQ(QueryFeature(m_cell, 0, FeatureQuery::OptionCount, nullptr, 0, 0), 73);
    EXPECT_EQ(QueryFeature(m_cell, 22, FeatureQuery::OptionCount, nullptr, 0, 0), 73);
}

TEST_F(PaperOptionTable, AnswersSampleRowsInBothUnits)
{
    struct Case {
        WORD feature;
        WORD index;
        LONG paperId;
        std::u16string name;
        DWORD size[2];
        DWORD area[4];
    };
    const Case cases[] = {
        {0, 0, 8, u"A3", {29700, 42000}, {406, 406, 29294, 41594}},
        {0, 1, 9, u"A4", {21000, 29700}, {406, 406, 20594, 29294}},
        {0, 2, 11, u"A5", {14850, 21000}, {406, 406, 14444, 20594}},          // A5 as the printer measures it
        {0, 5, 88, u"B6", {12850, 18200}, {406, 406, 12444, 17794}},
        {0, 13, 4104, u"A3 (Edge to Edge)", {29700, 42000}, {0, 0, 29700, 42000}},
        {0, 42, 513, u"Custom Size 1", {21000, 29700}, {406, 406, 20594, 29294}},
        {0, 51, 256, u"Custom Size 10", {21000, 29700}, {406, 406, 20594, 29294}},
        {0, 72, 14342, u"Statement R (Wide, Edge to Edge)", {13970, 21590}, {0, 0, 13970, 21590}},
        {22, 0, 8, u"A3", {3507, 4960}, {48, 48, 3459, 4912}},
        {22, 1, 9, u"A4", {2480, 3507}, {48, 48, 2432, 3459}},
        {22, 13, 4104, u"A3 (Edge to Edge)", {3507, 4960}, {0, 0, 3507, 4960}},
        {22, 72, 14342, u"Statement R (Wide, Edge to Edge)", {1650, 2550}, {0, 0, 1650, 2550}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "feature " << c.feature << " paper " << c.index);
        EXPECT_EQ(QueryFeature(m_cell, c.feature, FeatureQuery::OptionValue, nullptr, c.index, 0), c.paperId);
        EXPECT_EQ(NameOf(c.feature, FeatureQuery::OptionName, c.index), c.name);
        DWORD size[2] = {};
        EXPECT_EQ(QueryFeature(m_cell, c.feature, FeatureQuery::OptionSize, size, c.index, 0), c.index);
        EXPECT_EQ(size[0], c.size[0]);
        EXPECT_EQ(size[1], c.size[1]);
        DWORD area[4] = {};
        EXPECT_EQ(QueryFeature(m_cell, c.feature, FeatureQuery::PrintableArea, area, c.index, 0), c.index);
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(area[i], c.area[i]) << "side " << i;
    }
}

TEST_F(PaperOptionTable, DefaultsToA4InBothUnits)
{
    for (WORD feature : {0, 22}) {
        SCOPED_TRACE(testing::Message() << "feature " << feature);
        EXPECT_EQ(GetFeatureDefault(m_cell, feature), 9);
        DWORD size[2] = {};
        EXPECT_EQ(QueryFeature(m_cell, feature, FeatureQuery::DefaultSize, size, 0, 0), 1) << "A4 is option 1";
        EXPECT_EQ(size[0], feature == 0 ? 21000u : 2480u);
    }
}
