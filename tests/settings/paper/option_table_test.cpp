// option_table_test.cpp - the option table, read back through the feature query.
#include "settings/paper/option_table.h"
#include "settings/paper/feature_query.h"
#include "settings/res_library_fixture.h"

using OptionTableRows = ResModuleTest;

TEST_F(OptionTableRows, Holds422OptionsOf133Features)
{
    EXPECT_EQ(CountOptionRows(), 422u);
    unsigned features = 0;
    unsigned options = 0;
    for (WORD id = 0; id < 1100; ++id) {
        const OPTION_ROW* row = FindOptionRows(id);
        if (row == nullptr)
            continue;
        ++features;
        options += static_cast<unsigned>(QueryFeature(m_cell, id, FeatureQuery::OptionCount, nullptr, 0, 0));
    }
    EXPECT_EQ(features, 133u);
    EXPECT_EQ(options, 422u) << "every row is reached through exactly one feature";
}

TEST_F(OptionTableRows, AnswersSampleRowsByFeatureAndIndex)
{
    struct Case { WORD feature; WORD index; LONG value; std::u16string name; };
    const Case cases[] = {
        {3, 0, 1, u""},                              // the first row: orientation, no names
        {11, 0, 257, u"Same as Original Size"},
        {11, 3, 2057, u"A4R"},
        {11, 42, 512, u"User Size"},                 // the last option of the output paper
        {27, 6, 4, u"Bypass Tray"},
        {31, 1, 2, u"Right to Left"},
        {31, 2, 1, u"Right, then Down"},             // the second run of page orders starts again at 1
        {31, 7, 6, u"Bottom to Top"},
        {39, 2, 127, u"Plain Paper (Second Side)"},
        {5, 0, 600, u"600 dpi"},
        {135, 4, 10, u"Settings..."},
        {139, 0, 4096, u"Same as Document"},
        {155, 13, 15, u"15 Tabs"},
        {62, 1, 2, u"Installed"},
        {226, 1, 2, u""},                            // the last row of the table
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "feature " << c.feature << " option " << c.index);
        EXPECT_EQ(QueryFeature(m_cell, c.feature, FeatureQuery::OptionValue, nullptr, c.index, 0), c.value);
        EXPECT_EQ(NameOf(c.feature, FeatureQuery::OptionName, c.index), c.name);
    }
}

TEST_F(OptionTableRows, MarksTheDefaultOptionOfEachFeature)
{
    struct Case { WORD feature; LONG count; LONG defaultValue; std::u16string defaultName; };
    const Case cases[] = {
        {3, 2, 1, u""},
        {12, 5, 8, u"2 Pages per Sheet"},
        {27, 7, 7, u"Auto Tray Select"},
        {53, 2, 2, u""},                 // the default is the second option
        {55, 3, 3, u""},
        {59, 2, 1, u""},
        {96, 2, 1, u""},
        {137, 6, 6, u"Insert Sheet"},
        {155, 14, 5, u"5 Tabs"},
        {217, 3, 2, u"Align Center"},
        {62, 2, 2, u"Installed"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "feature " << c.feature);
        EXPECT_EQ(QueryFeature(m_cell, c.feature, FeatureQuery::OptionCount, nullptr, 0, 0), c.count);
        EXPECT_EQ(GetFeatureDefault(m_cell, c.feature), c.defaultValue);
        EXPECT_EQ(NameOf(c.feature, FeatureQuery::DefaultName), c.defaultName);
    }
}
