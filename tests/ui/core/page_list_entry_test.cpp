// page_list_entry_test.cpp - page numbers as a user types them: the grammar's first fault decides, the
// duplicates and the list of them stay within their room.
#include "ui/core/page_list_entry.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct GrammarCase {
    const char16_t* text;
    int maxDigits;
    int code;
};

TEST(PageListGrammar, TheFirstFailingRuleDecides)
{
    const GrammarCase cases[] = {
        {u"2,4,6-10", 3, kPageListValid},
        {u"0", 3, kPageListLeadingZero},
        {u",2", 3, kPageListBadComma},
        {u"-2", 3, kPageListBadHyphen},
        {u"2,,4", 3, kPageListBadComma},
        {u"2,-4", 3, kPageListBadHyphen},
        {u"2--4", 3, kPageListBadHyphen},
        {u"2-,4", 3, kPageListBadComma},
        {u"1-3-5", 3, kPageListBadHyphen},
        {u"1-3,5-7", 3, kPageListValid},
        {u"2,05", 3, kPageListLeadingZero},
        {u"1234", 3, kPageListBadDigits},
        {u"1234", 4, kPageListValid},
        {u"12345", 4, kPageListBadDigits},
        {u"2a", 3, kPageListBadDigits},
        {u"2 ,4", 3, kPageListBadDigits},
        {u"2,", 3, kPageListValid},       // what follows a trailing separator is the page parser's
        {u"2-", 3, kPageListValid},
        {u"0a", 3, kPageListBadDigits},   // a foreign character is found before the leading zero
        {u"1234,0", 3, kPageListLeadingZero},   // a misplaced zero is found before a long number
        {u"", 3, kPageListValid},
    };
    for (const GrammarCase& c : cases) {
        const std::u16string text(c.text);
        EXPECT_EQ(ParsePageList(text.c_str(), static_cast<int>(text.size()), c.maxDigits), c.code)
            << std::string(text.begin(), text.end()) << " with " << c.maxDigits << " digits";
    }
}

TEST(PageListGrammar, ReadsExactlyTheLengthItIsGiven)
{
    // The characters past the length are not the user's: a fault there is not seen, and no terminator is needed.
    const char16_t typed[] = {u'1', u'2', u'x', u'-'};
    EXPECT_EQ(ParsePageList(typed, 2, 3), kPageListValid);
    EXPECT_EQ(ParsePageList(typed, 3, 3), kPageListBadDigits);
    EXPECT_EQ(ParsePageList(nullptr, 5, 3), kPageListValid);
    EXPECT_EQ(ParsePageList(typed, 0, 3), kPageListValid);
}

TEST(PageListDuplicates, EachRepeatedValueOnceInTheOrderOfItsFirstOccurrence)
{
    const WORD values[] = {3, 5, 3, 5, 3, 7, 9, 9};
    WORD out[14] = {};
    ASSERT_EQ(CollectDuplicateValues(values, 8, out, 14), 3);
    EXPECT_EQ(std::vector<WORD>(out, out + 3), (std::vector<WORD>{3, 5, 9}));

    WORD few[2] = {};
    ASSERT_EQ(CollectDuplicateValues(values, 8, few, 2), 2) << "stops at the maximum";
    EXPECT_EQ(std::vector<WORD>(few, few + 2), (std::vector<WORD>{3, 5}));

    const WORD distinct[] = {1, 2, 3};
    EXPECT_EQ(CollectDuplicateValues(distinct, 3, out, 14), 0);
}

std::u16string Format(const std::vector<WORD>& values, int room)
{
    std::vector<WCHAR> out(static_cast<std::size_t>(room) + 8, u'\0');
    out[static_cast<std::size_t>(room)] = u'#';   // a guard past the room
    EXPECT_EQ(FormatPageList(values.data(), static_cast<int>(values.size()), out.data(), room), 1);
    EXPECT_EQ(out[static_cast<std::size_t>(room)], u'#') << "written past the room";
    return std::u16string(out.data());
}

TEST(PageListFormat, FiveValuesInFullSixAndMoreCutWithTheMoreText)
{
    // The "more follow" text is the resource library's; without a loaded library it is empty.
    EXPECT_EQ(Format({1, 2, 3, 4, 5}, 303), u"1,2,3,4,5");
    EXPECT_EQ(Format({10, 20, 30, 40, 50, 60, 70}, 303), u"10,20,30,40,50,");
    EXPECT_EQ(Format({7}, 303), u"7");
}

TEST(PageListFormat, APieceThatDoesNotFitEndsTheList)
{
    EXPECT_EQ(Format({1000, 2000, 3000}, 10), u"1000,2000") << "9 characters and the terminator";
    EXPECT_EQ(Format({1000, 2000, 3000}, 9), u"1000");
    EXPECT_EQ(Format({1000, 2000, 3000, 4000, 5000, 6000}, 12), u"1000,2000,");
    WCHAR out[4] = {};
    const WORD one = 1;
    EXPECT_EQ(FormatPageList(nullptr, 1, out, 4), 0);
    EXPECT_EQ(FormatPageList(&one, 1, nullptr, 4), 0);
    EXPECT_EQ(FormatPageList(&one, 1, out, 0), 0);
}

} // namespace

// The messages, as the user reads them in the boxes the pages show.
#include "settings/strings/res_strings.h"
#include "settings/strings/string_ids.h"
#include "host/faults.h"
#include "host/ui.h"
#include "support/printer_fixture.h"

namespace {

class PageListMessages : public PrinterWorldTest {
protected:
    void SetUp() override
    {
        PrinterWorldTest::SetUp();
        ASSERT_NE(InitResStrings(), nullptr);
        host::ClearShownRecord();
    }

    void TearDown() override
    {
        host::ClearFaults();
        host::ClearUserScript();
        TermResStrings();
        PrinterWorldTest::TearDown();
    }

    // The one box shown while the call runs, answered with OK: its record line.
    template <typename Call>
    std::string BoxShownBy(const char* caption, Call call)
    {
        host::SetUserScript(std::string("box \"") + caption + "\"\n  answer ok\n");
        host::ClearShownRecord();
        EXPECT_EQ(call(), 1);
        EXPECT_TRUE(host::UserScriptFailures().empty());
        const std::vector<std::string> shown = host::ShownRecord();
        return shown.size() == 1 ? shown[0] : "(" + std::to_string(shown.size()) + " windows shown)";
    }
};

TEST_F(PageListMessages, EachFaultHasItsMessageForItsKindOfList)
{
    struct Case {
        int code;
        int kind;
        const char* text;
    };
    const Case cases[] = {
        {1, 1, "Each of the insert-sheet page numbers can have at most 4 digits."},
        {1, 3, "Each of the page numbers can have at most 3 digits."},
        {1, 5, "Each of the page numbers can have at most 3 digits."},
        {1, 4, "While pages have their own one- or two-sided setting, enter single page numbers only, without "
               "commas or ranges."},
        {1, 2, "Each of the -- can have at most 0 digits."},
        {2, 1, "The page numbers contain a comma at the start or next to another separator. Enter page numbers and "
               "ranges separated by commas, for example 1,3,5-12."},
        {3, 3, "The page numbers contain a number that starts with 0. Enter page numbers and ranges separated by "
               "commas, for example 1,3,5-12."},
        {4, 5, "The page numbers contain a hyphen at the start, next to another separator or inside a range. Enter "
               "page numbers and ranges separated by commas, for example 1,3,5-12."},
        {5, 1, "There are too many insert-sheet page numbers. Enter at most 9999 pages."},
        {5, 2, "There are too many page numbers. Enter at most 30 pages."},
        {5, 3, "There are too many page numbers. Enter at most 28 pages."},
        {5, 4, "--"},
    };
    for (const Case& c : cases) {
        const std::string shown = BoxShownBy("Insert Sheets", [&] {
            return ShowPageListError(nullptr, kIdsInsertSheetCaption, c.code, c.kind);
        });
        EXPECT_EQ(shown, std::string("box \"Insert Sheets\" \"") + c.text + "\" 0x00000030 owner none")
            << c.code << "/" << c.kind;
    }
}

TEST_F(PageListMessages, DuplicatesAreShownSortedAndCutAfterFive)
{
    WORD few[] = {9, 2, 5};
    EXPECT_EQ(BoxShownBy("Chapter Start", [&] { return CheckPageListInput(nullptr, kIdsChapterCaption, few, 3); }),
              "box \"Chapter Start\" \"The same page number is entered more than once. Entered more than once: "
              "2,5,9\" 0x00000030 owner none");
    WORD many[] = {14, 3, 12, 7, 1, 9};
    EXPECT_EQ(BoxShownBy("Cover Insertion",
                         [&] { return CheckPageListInput(nullptr, kIdsCoverInsertCaption, many, 6); }),
              "box \"Cover Insertion\" \"The same page number is entered more than once. Entered more than once: "
              "1,3,7,9,12,...\" 0x00000030 owner none");
}

TEST_F(PageListMessages, WithoutMemoryForItsTextsNoBoxIsShown)
{
    WORD duplicates[] = {2, 3};
    // Shown once first, so that the texts are in the string cache and only the message's own blocks are asked.
    BoxShownBy("Chapter Start", [&] { return CheckPageListInput(nullptr, kIdsChapterCaption, duplicates, 2); });
    BoxShownBy("Chapter Start", [&] { return ShowPageListError(nullptr, kIdsChapterCaption, 2, 3); });
    host::ClearUserScript();
    for (unsigned nth : {1u, 2u, 3u}) {
        host::ClearShownRecord();
        host::InjectFault(host::Fault::GlobalAlloc, nth, 1);
        EXPECT_EQ(CheckPageListInput(nullptr, kIdsChapterCaption, duplicates, 2), 0) << "allocation " << nth;
        EXPECT_TRUE(host::ShownRecord().empty()) << "allocation " << nth;
        host::ClearFaults();
    }
    host::InjectFault(host::Fault::GlobalAlloc, 1, 1);
    EXPECT_EQ(ShowPageListError(nullptr, kIdsChapterCaption, 2, 3), 0);
    EXPECT_TRUE(host::ShownRecord().empty());
}

} // namespace
