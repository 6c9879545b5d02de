// feature_query_test.cpp - every query code of the feature query, and its failure answers.
#include "settings/paper/feature_query.h"
#include "settings/res_library_fixture.h"

#include <cstring>

using FeatureQueryTest = ResModuleTest;

namespace {

constexpr WCHAR kStale = 0xABAB;
constexpr DWORD kStaleDword = 0xABABABAB;

FeatureQuery Code(int code)
{
    return static_cast<FeatureQuery>(code);
}

} // namespace

TEST_F(FeatureQueryTest, FindsEachFeatureInOneTableAndCountsItsRows)
{
    struct Case { WORD feature; OptionTable table; WORD count; WORD defaultIndex; };
    const Case cases[] = {
        {3, OptionTable::Option, 2, 0},
        {55, OptionTable::Option, 3, 1},
        {226, OptionTable::Option, 2, 0},
        {0, OptionTable::Paper, 73, 1},
        {22, OptionTable::Paper, 73, 1},
        {2, OptionTable::Range, 1, 0},
        {223, OptionTable::Range, 1, 0},
        {1000, OptionTable::None, 0, 0},
        {157, OptionTable::None, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "feature " << c.feature);
        FEATURE_ROWS rows;
        EXPECT_EQ(FindFeatureOptions(c.feature, &rows), c.table);
        WORD defaultIndex = 0xFFFF;
        EXPECT_EQ(CountFeatureOptions(rows, &defaultIndex), c.count);
        EXPECT_EQ(defaultIndex, c.defaultIndex);
        EXPECT_EQ(CountFeatureOptions(rows, nullptr), c.count);
    }
    // The lookup order decides nothing only while no feature id stands in two tables.
    for (WORD id = 0; id < 1100; ++id) {
        const int tables = (FindOptionRows(id) != nullptr) + (FindPaperOptionRows(id) != nullptr) +
                           (FindRangeOptionRow(id) != nullptr);
        EXPECT_LE(tables, 1) << "feature " << id;
    }
}

TEST_F(FeatureQueryTest, CountsOptions)
{
    EXPECT_EQ(QueryFeature(m_cell, 12, FeatureQuery::OptionCount, nullptr, 0, 0), 5);
    EXPECT_EQ(QueryFeature(m_cell, 0, FeatureQuery::OptionCount, nullptr, 0, 0), 73);
    EXPECT_EQ(QueryFeature(m_cell, 26, FeatureQuery::OptionCount, nullptr, 0, 0), 1);
}

TEST_F(FeatureQueryTest, LoadsEveryNameIntoClearedSlots)
{
    WCHAR slots[4][16];
    std::fill(&slots[0][0], &slots[0][0] + 4 * 16, kStale);
    EXPECT_EQ(QueryFeature(m_cell, 28, FeatureQuery::AllNames, slots, 0, 16), 3 * 16);
    EXPECT_EQ(std::u16string(slots[0]), u"Output Tray 1");
    EXPECT_EQ(std::u16string(slots[2]), u"Output Tray 3");
    EXPECT_EQ(slots[2][15], u'\0') << "the slot's tail is cleared";
    EXPECT_EQ(slots[3][0], kStale) << "nothing past the last option's slot";

    // Short slots take what fits; options without a name get an empty slot.
    WCHAR shortSlots[3][5];
    std::fill(&shortSlots[0][0], &shortSlots[0][0] + 3 * 5, kStale);
    EXPECT_EQ(QueryFeature(m_cell, 28, FeatureQuery::AllNames, shortSlots, 0, 5), 3 * 5);
    EXPECT_EQ(std::u16string(shortSlots[1]), u"Outp");
    WCHAR unnamed[2][8];
    std::fill(&unnamed[0][0], &unnamed[0][0] + 2 * 8, kStale);
    EXPECT_EQ(QueryFeature(m_cell, 3, FeatureQuery::AllNames, unnamed, 0, 8), 2 * 8);
    EXPECT_EQ(unnamed[1][0], u'\0');
}

TEST_F(FeatureQueryTest, LoadsOneNameAndReportsItsLength)
{
    struct Case { WORD feature; FeatureQuery query; WORD index; WORD size; LONG result; std::u16string text; };
    const Case cases[] = {
        {27, FeatureQuery::OptionName, 1, 32, 6, u"Tray 1"},
        {27, FeatureQuery::OptionName, 1, 4, 3, u"Tra"},             // cut to size - 1 and terminated
        {27, FeatureQuery::DefaultName, 5, 32, 16, u"Auto Tray Select"},   // the index is replaced
        {0, FeatureQuery::OptionName, 1, 32, 2, u"A4"},
        {3, FeatureQuery::OptionName, 0, 32, 0, u""},                // an option without a name
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "feature " << c.feature << " index " << c.index << " size " << c.size);
        WCHAR name[33];
        std::fill(std::begin(name), std::end(name), kStale);
        EXPECT_EQ(QueryFeature(m_cell, c.feature, c.query, name, c.index, c.size), c.result);
        EXPECT_EQ(std::u16string(name), c.text);
        EXPECT_EQ(name[c.size], kStale) << "nothing written past the given size";
    }
}

TEST_F(FeatureQueryTest, WritesNoNameOutsideTheOptionsOrIntoAnEmptySlot)
{
    WCHAR name[8];
    std::fill(std::begin(name), std::end(name), kStale);
    EXPECT_EQ(QueryFeature(m_cell, 27, FeatureQuery::OptionName, name, 7, 8), 0);   // 7 options: 0..6
    EXPECT_EQ(QueryFeature(m_cell, 27, FeatureQuery::OptionName, name, 1, 0), 0);   // a slot of no characters
    EXPECT_EQ(QueryFeature(m_cell, 27, FeatureQuery::AllNames, name, 0, 0), 0);
    EXPECT_EQ(name[0], kStale);
}

TEST_F(FeatureQueryTest, ListsEveryValueAsDwordsOrWords)
{
    DWORD dwords[9];
    std::fill(std::begin(dwords), std::end(dwords), kStaleDword);
    EXPECT_EQ(QueryFeature(m_cell, 31, FeatureQuery::AllValues, dwords, 0, 4), 0);
    const DWORD expected[] = {1, 2, 1, 2, 3, 4, 5, 6};
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(dwords[i], expected[i]) << "option " << i;
    EXPECT_EQ(dwords[8], kStaleDword);

    WORD words[5];
    std::fill(std::begin(words), std::end(words), 0xABAB);
    EXPECT_EQ(QueryFeature(m_cell, 12, FeatureQuery::AllValues, words, 0, 2), 0);
    const WORD expectedWords[] = {8, 10, 5, 6, 7};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(words[i], expectedWords[i]) << "option " << i;

    // Paper ids come unsigned; the last paper of the list has the highest id.
    DWORD papers[73] = {};
    QueryFeature(m_cell, 0, FeatureQuery::AllValues, papers, 0, 4);
    EXPECT_EQ(papers[0], 8u);
    EXPECT_EQ(papers[72], 14342u);
}

TEST_F(FeatureQueryTest, AnswersOneValueByIndex)
{
    struct Case { WORD feature; WORD index; LONG value; };
    const Case cases[] = {
        {31, 2, 1}, {31, 7, 6}, {31, 8, 0},     // index 8 is past the options
        {0, 72, 14342}, {0, 73, 0},
        {2, 0, 0},                              // a range has no values by index
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "feature " << c.feature << " index " << c.index);
        EXPECT_EQ(QueryFeature(m_cell, c.feature, FeatureQuery::OptionValue, nullptr, c.index, 0), c.value);
        DWORD out = kStaleDword;
        EXPECT_EQ(QueryFeature(m_cell, c.feature, FeatureQuery::OptionValue, &out, c.index, 0), c.value);
        EXPECT_EQ(out, c.value != 0 ? static_cast<DWORD>(c.value) : kStaleDword);
    }
}

TEST_F(FeatureQueryTest, AnswersDefaultsOfEveryTable)
{
    struct Case { WORD feature; LONG value; };
    const Case cases[] = {{3, 1}, {12, 8}, {27, 7}, {55, 3}, {0, 9}, {2, 1}, {26, 100}, {1000, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "feature " << c.feature);
        EXPECT_EQ(GetFeatureDefault(m_cell, c.feature), c.value);
        DWORD out = kStaleDword;
        EXPECT_EQ(QueryFeature(m_cell, c.feature, FeatureQuery::DefaultValue, &out, 0, 0), c.value);
        EXPECT_EQ(out, c.feature != 1000 ? static_cast<DWORD>(c.value) : kStaleDword);
    }
}

TEST_F(FeatureQueryTest, AnswersRangesOnlyForRangeFeatures)
{
    struct Case { WORD feature; FeatureQuery query; LONG value; };
    const Case cases[] = {
        {56, FeatureQuery::Minimum, -2},
        {56, FeatureQuery::Maximum, 2},
        {56, FeatureQuery::Step, 1},
        {12, FeatureQuery::Minimum, 0},
        {12, FeatureQuery::Maximum, 0},
        {0, FeatureQuery::Step, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "feature " << c.feature << " query " << static_cast<int>(c.query));
        DWORD out = kStaleDword;
        EXPECT_EQ(QueryFeature(m_cell, c.feature, c.query, &out, 0, 0), c.value);
        EXPECT_EQ(out, c.feature == 56 ? static_cast<DWORD>(c.value) : kStaleDword);
    }
}

TEST_F(FeatureQueryTest, ListsPaperSizesAndPrintableAreas)
{
    DWORD sizes[73][2] = {};
    EXPECT_EQ(QueryFeature(m_cell, 0, FeatureQuery::AllSizes, sizes, 0, 0), 73);
    EXPECT_EQ(sizes[2][0], 14850u);
    EXPECT_EQ(sizes[2][1], 21000u);
    EXPECT_EQ(sizes[72][0], 13970u);
    DWORD areas[73][4] = {};
    EXPECT_EQ(QueryFeature(m_cell, 22, FeatureQuery::AllPrintableAreas, areas, 0, 0), 73);
    EXPECT_EQ(areas[0][2], 3459u);
    EXPECT_EQ(areas[13][3], 4960u);

    DWORD size[2] = {};
    EXPECT_EQ(QueryFeature(m_cell, 0, FeatureQuery::DefaultSize, size, 7, 0), 1) << "answers the default's index";
    EXPECT_EQ(size[0], 21000u);
    DWORD area[4] = {};
    EXPECT_EQ(QueryFeature(m_cell, 0, FeatureQuery::DefaultPrintableArea, area, 7, 0), 1);
    EXPECT_EQ(area[0], 406u);
    EXPECT_EQ(area[3], 29294u);
}

TEST_F(FeatureQueryTest, LeavesPaperOutputsAloneOutsideThePapers)
{
    DWORD out[4] = {kStaleDword, kStaleDword, kStaleDword, kStaleDword};
    EXPECT_EQ(QueryFeature(m_cell, 0, FeatureQuery::OptionSize, out, 73, 0), 0);
    EXPECT_EQ(QueryFeature(m_cell, 0, FeatureQuery::PrintableArea, out, 100, 0), 0);
    for (int code : {14, 15, 16, 17, 18, 19}) {
        EXPECT_EQ(QueryFeature(m_cell, 12, Code(code), out, 0, 0), 0) << "option feature, code " << code;
        EXPECT_EQ(QueryFeature(m_cell, 2, Code(code), out, 0, 0), 0) << "range feature, code " << code;
    }
    for (DWORD value : out)
        EXPECT_EQ(value, kStaleDword);
}

TEST_F(FeatureQueryTest, RefusesUnknownCodesFeaturesAndMissingOutputs)
{
    DWORD out[80] = {};
    for (int code : {0, 11, 12, 13, 20, -1})
        EXPECT_EQ(QueryFeature(m_cell, 12, Code(code), out, 0, 4), 0) << "code " << code;
    for (int code = 1; code <= 19; ++code) {
        EXPECT_EQ(QueryFeature(m_cell, 1000, Code(code), out, 0, 4), 0) << "feature in no table, code " << code;
        EXPECT_EQ(QueryFeature(nullptr, 12, Code(code), out, 0, 4), 0) << "no cell, code " << code;
    }
    // Codes that write their answer need somewhere to write it.
    for (int code : {2, 3, 4, 5, 14, 15, 16, 17, 18, 19})
        EXPECT_EQ(QueryFeature(m_cell, 0, Code(code), nullptr, 1, 4), 0) << "code " << code;

    RES_MODULE_CELL empty = {nullptr};
    EXPECT_EQ(QueryFeatureOptions(&empty, 12, FeatureQuery::OptionCount, nullptr, 0, 0), 0)
        << "a cell without the library";
}
