// feature_table_test.cpp - the switchable feature groups and the gates over them.
#include "settings/paper/feature_table.h"

#include <gtest/gtest.h>

TEST(FeatureGates, OnlyTheFaxGroupIsSwitchedOff)
{
    struct Case { WORD id; LONG enabled; };
    const Case cases[] = {
        {0, 0}, {1, 1}, {2, 1}, {3, 1}, {4, 1}, {5, 1}, {6, 0}, {7, 1},
        {8, 0},   // past the table
    };
    for (const Case& c : cases) {
        const auto feature = static_cast<SwitchableFeature>(c.id);
        EXPECT_EQ(IsFeatureEnabled(feature), c.enabled) << "feature " << c.id;
        EXPECT_EQ(IsFeatureIdEnabled(feature), c.enabled) << "feature " << c.id;
    }
}

TEST(FeatureGates, ListGroupsAndFunctionsFollowTheirFeature)
{
    struct Case { WORD id; LONG enabled; };
    const Case groups[] = {
        {4097, 1}, {4098, 1}, {4099, 1}, {4100, 1},
        {4101, 0},                      // fax cover sheet: hangs on the fax group
        {8198, 1},
        {4102, 0}, {0x2005, 0}, {2, 0}, // not list groups
    };
    for (const Case& c : groups)
        EXPECT_EQ(IsListGroupEnabled(c.id), c.enabled) << "list group " << c.id;

    const Case functions[] = {
        {1, 1}, {2, 1}, {3, 1}, {4, 1}, {5, 1},
        {6, 0}, {7, 0},                 // fax and fax cover sheet
        {8, 1},
        {0, 0}, {9, 0},
    };
    for (const Case& c : functions)
        EXPECT_EQ(IsFunctionEnabled(c.id), c.enabled) << "function " << c.id;
}
