// paper_queries_test.cpp - sizes, names and twins of the papers in the paper table.
#include "settings/paper/paper_queries.h"
#include "settings/paper/paper_table.h"
#include "settings/strings/res_strings.h"
#include "support/printer_fixture.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

// The paper table is process-wide and changes in place; each test puts it back as it found it.
class PaperTableSnapshot {
public:
    PaperTableSnapshot() : m_saved(GetPaperRows(), GetPaperRows() + kPaperRowCount + 1) {}
    ~PaperTableSnapshot() { std::copy(m_saved.begin(), m_saved.end(), GetPaperRows()); }

private:
    std::vector<PAPER_SIZE_ENTRY> m_saved;
};

class PaperQueries : public ::testing::Test {
private:
    PaperTableSnapshot m_snapshot;
};

// The printer installed, which brings the resource library with the paper names.
class PaperNames : public PrinterWorldTest {
private:
    PaperTableSnapshot m_snapshot;
};

struct Size {
    DWORD width;
    DWORD length;
};

constexpr DWORD kUntouched = 0xDEADBEEF;

template <typename Query>
Size Ask(Query query, SHORT paperId)
{
    Size size = {kUntouched, kUntouched};
    query(paperId, &size.width, &size.length);
    return size;
}

} // namespace

TEST_F(PaperQueries, SizesOfStandardRotatedUserDefinedAndUnknownPapers)
{
    ASSERT_TRUE(SetCustomPaperRow(513, 8267, 8267, u"Label"));   // 210 mm, as the dialog stores it
    ASSERT_TRUE(SetCustomPaperRow(256, 0, 11693, u"Tenth"));

    struct Case {
        SHORT paperId;
        Size rounded;   // GetPaperSize, 1/100 mm
        Size exact;     // GetExactPaperSize, 1/100 mm
        Size inch;      // GetPaperSizeInch
    };
    const Case cases[] = {
        {9,     {21000, 29700}, {21000, 29700}, {210, 297}},
        {2057,  {21000, 29700}, {21000, 29700}, {210, 297}},     // A4 rotated keeps its table size
        {6,     {13970, 21590}, {13970, 21590}, {139, 215}},     // half letter: whole millimetres, cut
        {513,   {21000, 21000}, {20998, 20998}, {8267, 8267}},   // 210 mm rounded up; exact 209.98 mm
        {256,   {10000, 29700}, {10000, 29700}, {100, 11693}},   // a zero width never reaches a divisor
        {257,   {10000, 10000}, {10000, 10000}, {100, 100}},     // "same as the paper" has no size
        {514,   {10000, 10000}, {10000, 10000}, {100, 100}},     // a user size not loaded yet
        {0,     {kUntouched, kUntouched}, {kUntouched, kUntouched}, {kUntouched, kUntouched}},
        {10,    {kUntouched, kUntouched}, {kUntouched, kUntouched}, {kUntouched, kUntouched}},
        {-1,    {kUntouched, kUntouched}, {kUntouched, kUntouched}, {kUntouched, kUntouched}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "paper " << c.paperId);
        const Size rounded = Ask(GetPaperSize, c.paperId);
        const Size exact = Ask(GetExactPaperSize, c.paperId);
        const Size inch = Ask(GetPaperSizeInch, c.paperId);
        EXPECT_EQ(rounded.width, c.rounded.width);
        EXPECT_EQ(rounded.length, c.rounded.length);
        EXPECT_EQ(exact.width, c.exact.width);
        EXPECT_EQ(exact.length, c.exact.length);
        EXPECT_EQ(inch.width, c.inch.width);
        EXPECT_EQ(inch.length, c.inch.length);
    }
}

TEST_F(PaperQueries, HugeStoredUserSizesSaturateInsteadOfWrapping)
{
    ASSERT_TRUE(SetCustomPaperRow(521, 0xFFFFFFFF, 2000000000, u"Broken"));
    const Size rounded = Ask(GetPaperSize, 521);
    const Size exact = Ask(GetExactPaperSize, 521);
    EXPECT_EQ(rounded.width, 0xFFFFFFFFu);
    EXPECT_EQ(exact.width, 0xFFFFFFFFu);
    EXPECT_EQ(exact.length, 0xFFFFFFFFu);
}

TEST_F(PaperQueries, MaxPaperSizeTakesWidthAndLengthEachOnItsOwn)
{
    DWORD width = 0;
    DWORD length = 0;
    GetMaxPaperSize(&width, &length);
    EXPECT_EQ(width, 29700u);    // A3
    EXPECT_EQ(length, 43180u);   // ledger
}

TEST_F(PaperQueries, NamesAndSizeTexts)
{
    EXPECT_EQ(std::u16string(GetPaperSizeText(9)), u"(210x297mm)");
    EXPECT_EQ(std::u16string(GetPaperSizeText(1025)), u"(  9x11inch)");
    EXPECT_EQ(std::u16string(GetPaperSizeText(8201)), u"");                // wide variants show none
    EXPECT_EQ(std::u16string(GetPaperSizeText(516)), u"             ");   // thirteen blanks until formatted
    EXPECT_EQ(GetPaperSizeText(7), nullptr);
    EXPECT_EQ(GetPaperName(7), nullptr);

    ASSERT_TRUE(SetCustomPaperRow(516, 1000, 2000, u"A name longer than the row's thirty-one characters"));
    EXPECT_EQ(std::u16string(GetPaperName(516)), u"A name longer than the row's th");
    EXPECT_FALSE(SetCustomPaperRow(9, 1, 1, u"A4 is not user-defined"));
    EXPECT_EQ(Ask(GetPaperSize, 9).width, 21000u);
}

TEST_F(PaperQueries, UserDefinedRowsShowTheirSizeInTheirUnit)
{
    ASSERT_TRUE(SetCustomPaperRow(520, 8267, 11693, u"Sheet"));
    ASSERT_TRUE(FormatCustomPaperRowText(520, 2));
    EXPECT_EQ(std::u16string(GetPaperSizeText(520)), u"8.27x11.69inch");
    ASSERT_TRUE(FormatCustomPaperRowText(520, 1));
    EXPECT_EQ(std::u16string(GetPaperSizeText(520)), u"(210x297mm)");

    EXPECT_FALSE(FormatCustomPaperRowText(9, 2));
    EXPECT_EQ(std::u16string(GetPaperSizeText(9)), u"(210x297mm)");
}

TEST_F(PaperQueries, RotationTwins)
{
    struct Case {
        SHORT paperId;
        BOOL rotated;
        BOOL hasRotated;
        SHORT plain;
        SHORT rotatedTwin;
    };
    const Case cases[] = {
        {9,     FALSE, TRUE,  -1,    2057},
        {2057,  TRUE,  FALSE, 9,     -1},
        {8,     FALSE, FALSE, -1,    -1},      // A3 has no pair
        {12550, FALSE, TRUE,  -1,    14598},   // the last pair
        {14598, TRUE,  FALSE, 12550, -1},
        {0,     FALSE, FALSE, -1,    -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "paper " << c.paperId);
        EXPECT_EQ(IsRotatedPaper(c.paperId), c.rotated);
        EXPECT_EQ(HasRotatedPaper(c.paperId), c.hasRotated);
        EXPECT_EQ(GetPlainPaperId(c.paperId), c.plain);
        EXPECT_EQ(GetRotatedPaperId(c.paperId), c.rotatedTwin);
    }
}

TEST_F(PaperNames, LoadedFromTheResourceLibraryAndCutToTheField)
{
    ASSERT_NE(InitResStrings(), nullptr);
    LoadPaperNames();
    TermResStrings();

    struct Case {
        SHORT paperId;
        std::u16string expected;
    };
    const Case cases[] = {
        {9,     u"A4"},
        {2057,  u"A4R"},
        {257,   u"Same as Original Size"},
        {512,   u""},                                  // its string 21200 always reads empty
        {513,   u"Custom Size 1"},
        {14342, u"Statement R (Wide, Edge to Edge"},   // 32 characters, cut to 31
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "paper " << c.paperId);
        EXPECT_EQ(std::u16string(GetPaperName(c.paperId)), c.expected);
    }
}
