// sample_document_test.cpp - the sample document printed end to end, as an application prints it, for several
// sets of job options: the job's header carries the options, each sheet has its page setup and its drawing,
// every data block is as long as its command says, and the job ends with the closing UEL.
#include "host/printers.h"
#include "job_sheets.h"
#include "support/printer_fixture.h"
#include "tools/sample/sample_job.h"

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

namespace {

struct Case {
    const char* name;                       // names the test
    SampleJobOptions options;
    int pages;
    int sheets;
    std::vector<std::string> headerLines;   // each in the job's PJL header
    std::string ini;                        // the first VQPDL command: resolution and copies
    std::string paperSetup;                 // how the first sheet's "pps" starts ...
    char orientation;                       // ... and the orientation letter it ends with
    std::string duplexSetup;                // the first sheet's "ppd"
};

bool HasLine(const std::vector<std::string>& lines, const std::string& line)
{
    for (const std::string& candidate : lines)
        if (candidate == line)
            return true;
    return false;
}

// The image commands of the sheet: at their size or scaled, compressed or raw.
size_t ImagesOnSheet(const JobLayout& layout, int sheet)
{
    return layout.CountOnSheet(sheet, "imt") + layout.CountOnSheet(sheet, "imm") + layout.CountOnSheet(sheet, "bmt") +
           layout.CountOnSheet(sheet, "bmm");
}

const Case kCases[] = {
    {"PrinterDefaults", {}, 3, 3,
     {"@PJL SET COPIES = 1", "@PJL SET PAPER = A4", "@PJL SET ORIENTATION = PORTRAIT", "@PJL SET DUPLEX = OFF"},
     "ini 600 1 S", "pps A4", 'P', "ppd N"},
    {"A3LandscapeThreeCopiesTwoSidedLongEdge",
     {DMPAPER_A3, DMORIENT_LANDSCAPE, 3, DMDUP_VERTICAL, 1, {}}, 3, 3,
     {"@PJL SET COPIES = 3", "@PJL SET PAPER = A3", "@PJL SET ORIENTATION = LANDSCAPE", "@PJL SET DUPLEX = ON",
      "@PJL SET BINDING = LONGEDGE"},
     "ini 600 3 S", "pps A3", 'L', "ppd L"},
    // Two portrait pages side by side make a landscape sheet.
    {"B5TwoCopiesTwoSidedShortEdgeTwoPagesASheet",
     {DMPAPER_B5, 0, 2, DMDUP_HORIZONTAL, 2, {}}, 5, 3,
     {"@PJL SET COPIES = 2", "@PJL SET PAPER = B5", "@PJL SET ORIENTATION = LANDSCAPE", "@PJL SET DUPLEX = ON",
      "@PJL SET BINDING = SHORTEDGE"},
     "ini 600 2 S", "pps B5", 'L', "ppd S"},
    {"LetterFourPagesASheetLastSheetNotFull", {DMPAPER_LETTER, 0, 0, 0, 4, {}}, 5, 2,
     {"@PJL SET PAPER = LETTER", "@PJL SET ORIENTATION = PORTRAIT"}, "ini 600 1 S", "pps LT", 'P', "ppd N"},
    {"NinePagesASheet", {0, 0, 0, 0, 9, {}}, 10, 2, {"@PJL SET PAPER = A4"}, "ini 600 1 S", "pps A4", 'P', "ppd N"},
    {"SixteenPagesASheet", {0, 0, 0, 0, 16, {}}, 5, 1, {"@PJL SET PAPER = A4"}, "ini 600 1 S", "pps A4", 'P',
     "ppd N"},
    // The finishing of the driver's own part reaches the job through the driver's own merge and validation.
    {"CoversInsertsChaptersAndImageShift",
     {0, 0, 0, DMDUP_VERTICAL, 1, {1, 2, {3}, 2, {2}, 1, 10, 5, true}}, 3, 3,
     {"@PJL SET CHAPTERMODE = ON", "@PJL SET CHAPTER = 2", "@PJL SET PIFRONT = PITRAY1",
      "@PJL SET PIBACK = PITRAY2", "@PJL SET INTERMODE = BLANK", "@PJL SET INTERSHEET = PITRAY2,3",
      "@PJL SET IMAGESHIFT = ON"},
     "ini 600 1 S", "pps A4", 'P', "ppd L"},
};

void PrintTo(const Case& c, std::ostream* out)
{
    *out << c.name;
}

class SampleDocument : public PrinterWorldTest, public testing::WithParamInterface<Case> {};

TEST_P(SampleDocument, PrintsAWellFormedJobOfItsSheetsWithTheOptionsInItsHeader)
{
    const Case& c = GetParam();
    const std::vector<BYTE> devmode = SampleJobDevmode(kPrinterName, c.options);
    ASSERT_FALSE(devmode.empty()) << GetLastError();
    const SampleJob job = PrintSampleDocument(kPrinterName, devmode, c.pages);
    ASSERT_TRUE(job.printed) << job.failure;
    EXPECT_TRUE(job.drawn) << job.failure;
    const JobLayout layout = ReadJobLayout(host::ReadJobFile(job.jobFile));
    EXPECT_EQ(layout.fault, "");
    EXPECT_TRUE(layout.closed);
    EXPECT_FALSE(layout.blocks.empty()) << "the page's image and hatch carry data blocks";

    for (const std::string& line : c.headerLines)
        EXPECT_TRUE(HasLine(layout.pjlLines, line)) << "the header lacks \"" << line << "\"";
    EXPECT_TRUE(HasLine(layout.pjlLines, "@PJL SET USERNAME = \"user\"")) << "the world's user prints the job";
    ASSERT_FALSE(layout.commands.empty());
    EXPECT_EQ(layout.commands.front().text, c.ini);

    ASSERT_EQ(layout.sheets, c.sheets);
    const int pagesPerSheet = c.options.pagesPerSheet;
    for (int sheet = 0; sheet < layout.sheets; ++sheet) {
        SCOPED_TRACE("sheet " + std::to_string(sheet + 1));
        EXPECT_EQ(layout.CountOnSheet(sheet, "pps"), 1u) << "one page setup a sheet";
        EXPECT_EQ(layout.CountOnSheet(sheet, "prn"), 1u);
        const JobCommand* paper = FirstOnSheet(layout, sheet, "pps");
        const JobCommand* duplex = FirstOnSheet(layout, sheet, "ppd");
        ASSERT_NE(paper, nullptr);
        ASSERT_NE(duplex, nullptr);
        EXPECT_EQ(paper->text.rfind(c.paperSetup, 0), 0u) << paper->text;
        EXPECT_EQ(paper->text.back(), c.orientation) << paper->text;
        EXPECT_EQ(duplex->text, c.duplexSetup);
        // Every page on the sheet draws its shapes and its image.
        const size_t pagesHere = static_cast<size_t>(std::min(pagesPerSheet, c.pages - sheet * pagesPerSheet));
        EXPECT_GE(layout.CountOnSheet(sheet, "phf"), pagesHere) << "filled shapes";
        EXPECT_GE(layout.CountOnSheet(sheet, "phs"), pagesHere) << "stroked lines and outlines";
        EXPECT_GE(ImagesOnSheet(layout, sheet), pagesHere) << "the page's image";
        EXPECT_GE(TextOnSheet(layout, sheet), 100 * pagesHere) << "the page's text, a few hundred characters";
    }
    EXPECT_EQ(layout.commands.back().word, "prn") << "nothing is drawn after the last sheet is ejected";
}

INSTANTIATE_TEST_SUITE_P(OptionSets, SampleDocument, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });

} // namespace
