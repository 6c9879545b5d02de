// pjl_options_test.cpp - the option lines of the PJL job header: the lines of the printer's default settings,
// of finishing and paper-handling combinations, every error comment, the held-job and insert-sheet groups,
// the chapter list, and the names that come from outside.
#include "default_option_lines.h"
#include "pjl_job_fixture.h"

#include <gtest/gtest.h>

namespace {

// A change to the default devmode (and, where the case needs them, to the job context's flags).
typedef void (*Setup)(DRIVER_DEVMODE& dm, PjlJob& job);

struct RowCase {
    const char* what;
    Setup setup;
    std::vector<PFN_PJL_OPTION> rows;
    std::string lines;
};

DEVMODE_ENV_EXTRA& EnvOf(DRIVER_DEVMODE& dm)
{
    return dm.dmPrivate.env;
}

void SetMediaType(DRIVER_DEVMODE& dm, SHORT mediaType)
{
    std::memcpy(reinterpret_cast<BYTE*>(&dm.dmPrivate.env) + offsetof(DEVMODE_ENV_EXTRA, sheetByte2425), &mediaType,
                sizeof mediaType);
}

const std::string kDefaultOptions = std::string("@PJL SET JOBNAME = \"Report.txt\"\n"
                                                "@PJL SET USERNAME = \"suzuki\"\n") +
                                    kDefaultOptionLinesAfterNames;

} // namespace

class PjlOptionRows : public PjlJobTest {
protected:
    void Check(const RowCase* cases, std::size_t count)
    {
        for (std::size_t i = 0; i < count; ++i) {
            const RowCase& c = cases[i];
            SCOPED_TRACE(c.what);
            DRIVER_DEVMODE saved = m_dm;
            c.setup(m_dm, m_job);
            std::string lines;
            for (PFN_PJL_OPTION row : c.rows)
                lines += Row(row);
            EXPECT_EQ(lines, c.lines);
            m_dm = saved;
            m_job.userIdFlag = false;
            m_job.jobStorageFlag = false;
        }
    }
    template <std::size_t N>
    void Check(const RowCase (&cases)[N])
    {
        Check(cases, N);
    }
};

TEST_F(PjlJobTest, ThePrintersDefaultSettingsWriteEveryOptionLineOfAPrintJob)
{
    EXPECT_EQ(Options(), kDefaultOptions);
}

TEST_F(PjlOptionRows, FinishingCombinations)
{
    const RowCase cases[] = {
        {"staple from the finishing page", [](DRIVER_DEVMODE& dm, PjlJob&) {
             EnvOf(dm).Layout_Check2 = 1; EnvOf(dm).Staple_Check = 1; EnvOf(dm).lpStaple = 3; },
         {PjlWriteStaplePosition}, "@PJL SET STAPLEPOSITION = RIGHT\n"},
        {"staple from the print-on-demand page", [](DRIVER_DEVMODE& dm, PjlJob&) {
             EnvOf(dm).POD_Check = 1; EnvOf(dm).POD_Staple_Check = 1; EnvOf(dm).lpStaple = 5; },
         {PjlWriteStaplePosition}, "@PJL SET STAPLEPOSITION = TOP2\n"},
        {"a staple position without stapling", [](DRIVER_DEVMODE& dm, PjlJob&) {
             EnvOf(dm).Layout_Check2 = 1; EnvOf(dm).Staple_Check = 0; EnvOf(dm).lpStaple = 3; },
         {PjlWriteStaplePosition}, "@PJL SET STAPLEPOSITION = OFF\n"},
        {"two-sided, long edge", [](DRIVER_DEVMODE& dm, PjlJob&) {
             EnvOf(dm).Layout_Check2 = 1; EnvOf(dm).Duplex_Check = 1; dm.dmPrivate.dmPublicCopy.dmDuplex = 2; },
         {PjlWriteDuplex}, "@PJL SET DUPLEX = ON\n@PJL SET BINDING = LONGEDGE\n"},
        {"two-sided, short edge, from the print-on-demand page", [](DRIVER_DEVMODE& dm, PjlJob&) {
             EnvOf(dm).POD_Check = 1; EnvOf(dm).POD_Duplex_Check = 1; dm.dmPrivate.dmPublicCopy.dmDuplex = 3; },
         {PjlWriteDuplex}, "@PJL SET DUPLEX = ON\n@PJL SET BINDING = SHORTEDGE\n"},
        {"two-sided checked, simplex chosen", [](DRIVER_DEVMODE& dm, PjlJob&) {
             EnvOf(dm).Layout_Check2 = 1; EnvOf(dm).Duplex_Check = 1; dm.dmPrivate.dmPublicCopy.dmDuplex = 1; },
         {PjlWriteDuplex}, "@PJL SET DUPLEX = OFF\n"},
        {"a booklet is two-sided on the short edge whatever the duplex", [](DRIVER_DEVMODE& dm, PjlJob&) {
             EnvOf(dm).Booklet_Check = 1; dm.dmPrivate.dmPublicCopy.dmDuplex = 9; },
         {PjlWriteDuplex}, "@PJL SET DUPLEX = ON\n@PJL SET BINDING = SHORTEDGE\n"},
        {"printed front cover, blank back cover", [](DRIVER_DEVMODE& dm, PjlJob&) {
             EnvOf(dm).lpFrontCover = 3; EnvOf(dm).lpBackCover = 2; },
         {PjlWriteFrontCover, PjlWriteBackCover},
         "@PJL SET FRONTCOVER = ON\n@PJL SET FRONTPRINT = ON\n@PJL SET BACKCOVER = ON\n@PJL SET BACKPRINT = OFF\n"},
        {"cover trays", [](DRIVER_DEVMODE& dm, PjlJob&) {
             EnvOf(dm).lpFrontCoverTray = 261; EnvOf(dm).lpBackCoverTray = 258; },
         {PjlWriteFrontTray, PjlWriteBackTray}, "@PJL SET FRONTTRAY = FEEDER\n@PJL SET BACKTRAY = TRAY3\n"},
        {"two pages per sheet, repeated", [](DRIVER_DEVMODE& dm, PjlJob&) {
             EnvOf(dm).POD_Check = 1; EnvOf(dm).POD_OnePerSheet_Check = 1; EnvOf(dm).lpPOD_OnePerSheet = 2; },
         {PjlWriteLayout}, "@PJL SET LAYOUT = 2IN1RPT\n"},
        {"print-on-demand booklet, right binding", [](DRIVER_DEVMODE& dm, PjlJob&) {
             EnvOf(dm).POD_Check = 1; EnvOf(dm).POD_Booklet_Check = 1; EnvOf(dm).lpPOD_Booklet = 0; },
         {PjlWriteLayout}, "@PJL SET LAYOUT = 4IN1RIGHT\n"},
        {"print-on-demand booklet", [](DRIVER_DEVMODE& dm, PjlJob&) {
             EnvOf(dm).POD_Check = 1; EnvOf(dm).POD_Booklet_Check = 1; EnvOf(dm).lpPOD_Booklet = 2; },
         {PjlWriteLayout}, "@PJL SET LAYOUT = 4IN1\n"},
        {"layout checks without print on demand", [](DRIVER_DEVMODE& dm, PjlJob&) {
             EnvOf(dm).POD_Check = 0; EnvOf(dm).POD_OnePerSheet_Check = 1; EnvOf(dm).POD_Booklet_Check = 1; },
         {PjlWriteLayout}, "@PJL SET LAYOUT = NORMAL\n"},
        {"face up", [](DRIVER_DEVMODE& dm, PjlJob&) { EnvOf(dm).lpOutputTray = 1; EnvOf(dm).lpOutputOrder = 2; },
         {PjlWriteOutputMode}, "@PJL SET OUTPUTMODE = FACEUP\n"},
        {"the third bin is always face down", [](DRIVER_DEVMODE& dm, PjlJob&) {
             EnvOf(dm).lpOutputTray = 4; EnvOf(dm).lpOutputOrder = 2; },
         {PjlWriteOutputBin, PjlWriteOutputMode}, "@PJL SET OUTPUTBIN = BIN3\n@PJL SET OUTPUTMODE = FACEDOWN\n"},
        {"lightest and darkest", [](DRIVER_DEVMODE& dm, PjlJob&) { EnvOf(dm).Density = static_cast<WORD>(-2); },
         {PjlWriteDensity}, "@PJL SET DENSITY = 1\n"},
        {"darkest", [](DRIVER_DEVMODE& dm, PjlJob&) { EnvOf(dm).Density = 2; },
         {PjlWriteDensity}, "@PJL SET DENSITY = 5\n"},
        {"three holes at the top", [](DRIVER_DEVMODE& dm, PjlJob&) {
             EnvOf(dm).Layout_Check2 = 1; EnvOf(dm).Punch_Check = 1; EnvOf(dm).lpPunch = 2;
             EnvOf(dm).lpPunchHoles = 3; },
         {PjlWritePunch, PjlWritePunchHoles}, "@PJL SET PUNCH = TOP\n@PJL SET PUNCHHOLES = 3\n"},
        {"punching off writes no holes", [](DRIVER_DEVMODE& dm, PjlJob&) {
             EnvOf(dm).POD_Check = 0; EnvOf(dm).Layout_Check2 = 1; EnvOf(dm).Punch_Check = 0;
             EnvOf(dm).lpPunchHoles = 3; },
         {PjlWritePunch, PjlWritePunchHoles}, "@PJL SET PUNCH = OFF\n"},
        {"fold, stitch and trim", [](DRIVER_DEVMODE& dm, PjlJob&) {
             EnvOf(dm).POD_Check = 1; EnvOf(dm).CenterFinish_Check = 1; EnvOf(dm).lpCenterFinish = 3; },
         {PjlWriteCenterFinish}, "@PJL SET FOLD = ON\n@PJL SET STITCH = ON\n@PJL SET TRIM = ON\n"},
        {"double parallel fold", [](DRIVER_DEVMODE& dm, PjlJob&) {
             EnvOf(dm).Layout_Check2 = 1; EnvOf(dm).Set_CenterFinish_Check = 1; EnvOf(dm).lpCenterFinish = 7; },
         {PjlWriteCenterFinish}, "@PJL SET FOLD = DMFOLD\n@PJL SET STITCH = OFF\n@PJL SET TRIM = OFF\n"},
        {"a Z fold feeds long edge first", [](DRIVER_DEVMODE& dm, PjlJob&) {
             EnvOf(dm).POD_Check = 1; EnvOf(dm).CenterFinish_Check = 1; EnvOf(dm).lpCenterFinish = 5; },
         {PjlWriteCenterFinish, PjlWriteFeedDirection},
         "@PJL SET FOLD = ZFOLD\n@PJL SET STITCH = OFF\n@PJL SET TRIM = OFF\n@PJL SET FEEDDIRECTION = LEF\n"},
        {"a rotated paper in another language feeds short edge first", [](DRIVER_DEVMODE& dm, PjlJob&) {
             dm.dmPrivate.lpPDLType = 1; dm.dmPrivate.lpOutputPaper = 2057; },
         {PjlWriteFeedDirection}, "@PJL SET FEEDDIRECTION = SEF\n"},
        {"a rotated paper in VQPDL", [](DRIVER_DEVMODE& dm, PjlJob&) {
             dm.dmPrivate.lpPDLType = 0; dm.dmPrivate.lpOutputPaper = 2057; },
         {PjlWriteFeedDirection}, "@PJL SET FEEDDIRECTION = AUTO\n"},
        {"proof print", [](DRIVER_DEVMODE& dm, PjlJob&) {
             EnvOf(dm).POD_Check = 1; EnvOf(dm).WaitMode_Check = 1; EnvOf(dm).lpWaitMode = 1; },
         {PjlWriteWait}, "@PJL SET WAIT = PROOF\n"},
        {"smoothing", [](DRIVER_DEVMODE& dm, PjlJob&) { EnvOf(dm).lpSmoothing = 3; },
         {PjlWriteSmoothing}, "@PJL SET SMOOTHING = TYPE2\n"},
        {"full-bleed and wide papers", [](DRIVER_DEVMODE& dm, PjlJob&) {
             dm.dmPrivate.dmPublicCopy.dmPaperSize = 4105; dm.dmPrivate.lpOutputPaper = 8201; },
         {PjlWriteFullBleed, PjlWriteWideMode}, "@PJL SET FULLBLEED = ON\n@PJL SET WIDEMODE  = ON\n"},
        {"transparencies with blank interleaves", [](DRIVER_DEVMODE& dm, PjlJob&) { SetMediaType(dm, 3); },
         {PjlWriteMediaType}, "@PJL SET MEDIATYPE = OHP\n@PJL SET OHPINTERLEAVE = BLANK\n"},
        {"transparencies interleaved as the sheet says", [](DRIVER_DEVMODE& dm, PjlJob&) {
             SetMediaType(dm, 127); EnvOf(dm).lpOhpIntlvType = 1; },
         {PjlWriteMediaType}, "@PJL SET MEDIATYPE = OHP\n@PJL SET OHPINTERLEAVE = PRINTED\n"},
        {"a user media", [](DRIVER_DEVMODE& dm, PjlJob&) { SetMediaType(dm, 128); },
         {PjlWriteMediaType}, "@PJL SET MEDIATYPE = USER\n@PJL SET OHPINTERLEAVE = OFF\n"},
        {"image shift and tandem", [](DRIVER_DEVMODE& dm, PjlJob&) {
             EnvOf(dm).POD_Check = 1; EnvOf(dm).ImageShift_Check = 1; EnvOf(dm).TandemMode_Check = 1; },
         {PjlWriteImageShift, PjlWriteTandem}, "@PJL SET IMAGESHIFT = ON\n@PJL SET TANDEM = FORCE\n"},
        {"output paper and copies", [](DRIVER_DEVMODE& dm, PjlJob&) {
             dm.dmPrivate.lpOutputPaper = 1; dm.dmPrivate.dmPublicCopy.dmCopies = 250; },
         {PjlWritePaper, PjlWriteCopies}, "@PJL SET PAPER = LETTER\n@PJL SET COPIES = 250\n"},
        {"a paper missing from the paper table is A4", [](DRIVER_DEVMODE& dm, PjlJob&) {
             dm.dmPrivate.lpOutputPaper = 999; },
         {PjlWritePaper}, "@PJL SET PAPER = A4\n"},
        {"the paper tray", [](DRIVER_DEVMODE& dm, PjlJob&) { EnvOf(dm).lpMediaSource = 258; },
         {PjlWritePaperTray}, "@PJL SET PAPERTRAY = TRAY3\n"},
        {"transparencies by hand come from the interleave tray", [](DRIVER_DEVMODE& dm, PjlJob&) {
             EnvOf(dm).lpMediaType = 127; EnvOf(dm).lpMediaSource = 4; EnvOf(dm).lpOIPaperTray = 2; },
         {PjlWritePaperTray}, "@PJL SET PAPERTRAY = TRAY2\n"},
        {"a tray missing from the tray table is AUTO", [](DRIVER_DEVMODE& dm, PjlJob&) {
             EnvOf(dm).lpMediaSource = 3; },
         {PjlWritePaperTray}, "@PJL SET PAPERTRAY = AUTO\n"},
    };
    Check(cases);
}

TEST_F(PjlOptionRows, EveryIllegalValueWritesItsRowsErrorComment)
{
    const RowCase cases[] = {
        {"orientation", [](DRIVER_DEVMODE& dm, PjlJob&) { dm.dmPrivate.dmPublicCopy.dmOrientation = 3; },
         {PjlWriteOrientation},
         "@PJL COMMENT Error (ORIENTATION):Recieved illegal value. ORIENTATION was not set.\n"},
        {"job offset", [](DRIVER_DEVMODE& dm, PjlJob&) { EnvOf(dm).Collate_Check = 2; },
         {PjlWriteJobOffset}, "@PJL COMMENT Error (JOBOFFSET):Recieved illegal value. JOBOFFSET was not set.\n"},
        {"collate", [](DRIVER_DEVMODE& dm, PjlJob&) { EnvOf(dm).Sort_Check = 2; },
         {PjlWriteCollate}, "@PJL COMMENT Error (SORT):Recieved illegal value. SORT was not set.\n"},
        {"output bin", [](DRIVER_DEVMODE& dm, PjlJob&) { EnvOf(dm).lpOutputTray = 5; },
         {PjlWriteOutputBin}, "@PJL COMMENT Error (OUTPUTBIN):Recieved illegal value. OUTPUTBIN was not set.\n"},
        {"staple", [](DRIVER_DEVMODE& dm, PjlJob&) {
             EnvOf(dm).Layout_Check2 = 1; EnvOf(dm).Staple_Check = 1; EnvOf(dm).lpStaple = 1; },
         {PjlWriteStaplePosition}, "@PJL COMMENT Error (STAPLE):Recieved illegal value. STAPLE was not set.\n"},
        {"duplex", [](DRIVER_DEVMODE& dm, PjlJob&) {
             EnvOf(dm).Layout_Check2 = 1; EnvOf(dm).Duplex_Check = 1; dm.dmPrivate.dmPublicCopy.dmDuplex = 4; },
         {PjlWriteDuplex}, "@PJL COMMENT Error (DUPLEX):Recieved illegal value. DUPLEX was not set.\n"},
        {"front cover", [](DRIVER_DEVMODE& dm, PjlJob&) { EnvOf(dm).lpFrontCover = 0; },
         {PjlWriteFrontCover},
         "@PJL COMMENT Error (FRONTCOVER):Recieved illegal value. FRONTCOVER was not set.\n"},
        {"back cover", [](DRIVER_DEVMODE& dm, PjlJob&) { EnvOf(dm).lpBackCover = 4; },
         {PjlWriteBackCover}, "@PJL COMMENT Error (BACKCOVER):Recieved illegal value. BACKCOVER was not set.\n"},
        {"front cover tray", [](DRIVER_DEVMODE& dm, PjlJob&) { EnvOf(dm).lpFrontCoverTray = 3; },
         {PjlWriteFrontTray},
         "@PJL COMMENT Error (FRONTCOVERTRAY):Recieved illegal value. FRONTCOVERTRAY was not set.\n"},
        {"back cover tray", [](DRIVER_DEVMODE& dm, PjlJob&) { EnvOf(dm).lpBackCoverTray = 262; },
         {PjlWriteBackTray},
         "@PJL COMMENT Error (BACKCOVERTRAY):Recieved illegal value. BACKCOVERTRAY was not set.\n"},
        {"layout: one per sheet and booklet at once", [](DRIVER_DEVMODE& dm, PjlJob&) {
             EnvOf(dm).POD_Check = 1; EnvOf(dm).POD_OnePerSheet_Check = 1; EnvOf(dm).POD_Booklet_Check = 1; },
         {PjlWriteLayout}, "@PJL COMMENT Error (Layout):Recieved illegal value. LAYOUT was not set.\n"},
        {"layout: one per sheet", [](DRIVER_DEVMODE& dm, PjlJob&) {
             EnvOf(dm).POD_Check = 1; EnvOf(dm).POD_OnePerSheet_Check = 1; EnvOf(dm).lpPOD_OnePerSheet = 3; },
         {PjlWriteLayout}, "@PJL COMMENT Error (Layout):Recieved illegal value. LAYOUT was not set.\n"},
        {"layout: booklet", [](DRIVER_DEVMODE& dm, PjlJob&) {
             EnvOf(dm).POD_Check = 1; EnvOf(dm).POD_Booklet_Check = 1; EnvOf(dm).lpPOD_Booklet = 3; },
         {PjlWriteLayout}, "@PJL COMMENT Error (Layout):Recieved illegal value. LAYOUT was not set.\n"},
        {"output order", [](DRIVER_DEVMODE& dm, PjlJob&) {
             EnvOf(dm).lpOutputTray = 1; EnvOf(dm).lpOutputOrder = 3; },
         {PjlWriteOutputMode},
         "@PJL COMMENT Error (OUTPUTMODE):Recieved illegal value. OUTPUTMODE was not set.\n"},
        {"density", [](DRIVER_DEVMODE& dm, PjlJob&) { EnvOf(dm).Density = 3; },
         {PjlWriteDensity}, "@PJL COMMENT Error (DENSITY):Recieved illegal value. DENSITY was not set.\n"},
        {"punch position", [](DRIVER_DEVMODE& dm, PjlJob&) {
             EnvOf(dm).POD_Check = 1; EnvOf(dm).POD_Punch_Check = 1; EnvOf(dm).lpPunch = 4;
             EnvOf(dm).lpPunchHoles = 2; },
         {PjlWritePunch, PjlWritePunchHoles},
         "@PJL COMMENT Error (Punch):Recieved illegal value. PUNCH was not set.\n@PJL SET PUNCHHOLES = 2\n"},
        {"punch holes", [](DRIVER_DEVMODE& dm, PjlJob&) {
             EnvOf(dm).Layout_Check2 = 1; EnvOf(dm).Punch_Check = 1; EnvOf(dm).lpPunch = 1;
             EnvOf(dm).lpPunchHoles = 5; },
         {PjlWritePunch, PjlWritePunchHoles},
         "@PJL SET PUNCH = LEFT\n@PJL COMMENT Error (Punch):Recieved illegal value. PUNCHHOLES was not set.\n"},
        {"centre finishing", [](DRIVER_DEVMODE& dm, PjlJob&) {
             EnvOf(dm).POD_Check = 1; EnvOf(dm).CenterFinish_Check = 1; EnvOf(dm).lpCenterFinish = 8; },
         {PjlWriteCenterFinish}, "@PJL COMMENT Error (Finishing):Recieved illegal value. \n"},
        {"wait", [](DRIVER_DEVMODE& dm, PjlJob&) {
             EnvOf(dm).POD_Check = 1; EnvOf(dm).WaitMode_Check = 1; EnvOf(dm).lpWaitMode = 3; },
         {PjlWriteWait}, "@PJL COMMENT Error (Wait):Recieved illegal value. WAIT was not set.\n"},
        {"smoothing", [](DRIVER_DEVMODE& dm, PjlJob&) { EnvOf(dm).lpSmoothing = 5; },
         {PjlWriteSmoothing}, "@PJL COMMENT Error (SMOOTHING):Recieved illegal value. SMOOTHING was not set.\n"},
        {"media type", [](DRIVER_DEVMODE& dm, PjlJob&) { SetMediaType(dm, 11); },
         {PjlWriteMediaType}, "@PJL COMMENT Error (MEDIATYPE):Recieved illegal value. MEDIATYPE was not set.\n"},
        {"an interleave the sheet does not offer", [](DRIVER_DEVMODE& dm, PjlJob&) {
             SetMediaType(dm, 127); EnvOf(dm).lpOhpIntlvType = 2; },
         {PjlWriteMediaType}, "@PJL COMMENT Error (MEDIATYPE):Recieved illegal value. MEDIATYPE was not set.\n"},
        {"image shift", [](DRIVER_DEVMODE& dm, PjlJob&) { EnvOf(dm).POD_Check = 1; EnvOf(dm).ImageShift_Check = 2; },
         {PjlWriteImageShift},
         "@PJL COMMENT Error (ImageShift):Recieved illegal value. IMAGESHIFT was not set.\n"},
    };
    Check(cases);
}

TEST_F(PjlJobTest, AnIllegalValueCostsOnlyItsRowAndTheWalkGoesOn)
{
    Env().Density = 3;
    std::string expected = kDefaultOptions;
    const std::string density = "@PJL SET DENSITY = 3\n";
    expected.replace(expected.find(density), density.size(),
                     "@PJL COMMENT Error (DENSITY):Recieved illegal value. DENSITY was not set.\n");
    EXPECT_EQ(Options(), expected);
}

TEST_F(PjlJobTest, AnIllegalOutputKindWritesOnlyTheErrorComment)
{
    for (BYTE output : {BYTE{0}, BYTE{3}, BYTE{255}}) {
        SCOPED_TRACE(testing::Message() << "lpOutput " << int{output});
        Env().lpOutput = output;
        EXPECT_EQ(Options(), "@PJL COMMENT Error (SetOptionPJL):Recieved illegal value. PJL is not executed.\n");
    }
}

TEST_F(PjlJobTest, AFaxTransmissionWritesTheCommonRowsWithOneCopyAndKeepsTheJobsCopies)
{
    Env().lpOutput = 1;
    m_dm.dmPrivate.dmPublicCopy.dmCopies = 5;
    Env().Layout_Check2 = 1;   // finishing that a print job would write
    Env().Staple_Check = 1;
    Env().lpStaple = 2;

    // The rows both kinds of job share, up to TIMEOUT, with the default's one copy.
    const std::string commonRows = kDefaultOptions.substr(0, kDefaultOptions.find("@PJL SET STAPLEPOSITION"));
    ASSERT_NE(commonRows.find("@PJL SET COPIES = 1\n"), std::string::npos);
    EXPECT_EQ(Options(), commonRows);
    EXPECT_EQ(m_dm.dmPrivate.dmPublicCopy.dmCopies, 5) << "the job's copies come back after the fax rows";
}

TEST_F(PjlJobTest, NothingWithoutADevmodeOrAnOutput)
{
    m_job.pdm = nullptr;
    EXPECT_EQ(Options(), "");
    m_job.pdm = &m_dm;
    m_job.pfnWrite = nullptr;
    SetOptionPJL(m_job);   // must not crash
    EXPECT_EQ(m_out, "");
}

TEST_F(PjlOptionRows, InsertSheetsFromThePaperTrays)
{
    const RowCase cases[] = {
        {"no inserts", [](DRIVER_DEVMODE&, PjlJob&) {},
         {PjlWriteInsertSheets}, "@PJL SET PIFRONT = OFF\n@PJL SET PIBACK = OFF\n@PJL SET INTERMODE = OFF\n"},
        {"front and back from the insert trays", [](DRIVER_DEVMODE& dm, PjlJob&) {
             EnvOf(dm).FrontCoverSheet_Check = 1; EnvOf(dm).lpFrontPITray = 2;
             EnvOf(dm).BackCoverSheet_Check = 1; EnvOf(dm).lpBackPITray = 1; },
         {PjlWriteInsertSheets},
         "@PJL SET PIFRONT = PITRAY2\n@PJL SET PIBACK = PITRAY1\n@PJL SET INTERMODE = OFF\n"},
        {"a front insert tray that is no insert tray", [](DRIVER_DEVMODE& dm, PjlJob&) {
             EnvOf(dm).FrontCoverSheet_Check = 1; EnvOf(dm).lpFrontPITray = 3; },
         {PjlWriteInsertSheets}, "@PJL SET PIFRONT = OFF\n@PJL SET PIBACK = OFF\n@PJL SET INTERMODE = OFF\n"},
        {"sheets before pages 5, 2 and 9", [](DRIVER_DEVMODE& dm, PjlJob&) {
             EnvOf(dm).InsertCoverSheet_Check = 1; EnvOf(dm).lpInsertPITray = 1;
             WORD pages[] = {5, 2, 9};
             SetPageSlot(GetPageSlotRecord(&EnvOf(dm)), 3, kInsertPageSlot, pages); },
         {PjlWriteInsertSheets},
         "@PJL SET PIFRONT = OFF\n@PJL SET PIBACK = OFF\n"
         "@PJL SET INTERMODE = BLANK\n@PJL SET INTERSHEET = PITRAY1,2,5,9\n"},
        {"inserting with no pages writes no INTERMODE line", [](DRIVER_DEVMODE& dm, PjlJob&) {
             EnvOf(dm).InsertCoverSheet_Check = 1; EnvOf(dm).lpInsertPITray = 2; },
         {PjlWriteInsertSheets}, "@PJL SET PIFRONT = OFF\n@PJL SET PIBACK = OFF\n"},
        {"a first number above 999 turns inserting off", [](DRIVER_DEVMODE& dm, PjlJob&) {
             EnvOf(dm).InsertCoverSheet_Check = 1; EnvOf(dm).lpInsertPITray = 2;
             WORD pages[] = {1000, 1200};
             SetPageSlot(GetPageSlotRecord(&EnvOf(dm)), 2, kInsertPageSlot, pages); },
         {PjlWriteInsertSheets}, "@PJL SET PIFRONT = OFF\n@PJL SET PIBACK = OFF\n@PJL SET INTERMODE = OFF\n"},
        {"a later number above 999 ends the list", [](DRIVER_DEVMODE& dm, PjlJob&) {
             EnvOf(dm).InsertCoverSheet_Check = 1; EnvOf(dm).lpInsertPITray = 2;
             WORD pages[] = {1000, 999, 5};
             SetPageSlot(GetPageSlotRecord(&EnvOf(dm)), 3, kInsertPageSlot, pages); },
         {PjlWriteInsertSheets},
         "@PJL SET PIFRONT = OFF\n@PJL SET PIBACK = OFF\n"
         "@PJL SET INTERMODE = BLANK\n@PJL SET INTERSHEET = PITRAY2,5,999\n"},
        {"an insert tray that is no insert tray", [](DRIVER_DEVMODE& dm, PjlJob&) {
             EnvOf(dm).InsertCoverSheet_Check = 1; EnvOf(dm).lpInsertPITray = 7;
             WORD pages[] = {4};
             SetPageSlot(GetPageSlotRecord(&EnvOf(dm)), 1, kInsertPageSlot, pages); },
         {PjlWriteInsertSheets}, "@PJL SET PIFRONT = OFF\n@PJL SET PIBACK = OFF\n@PJL SET INTERMODE = OFF\n"},
    };
    Check(cases);
}

TEST_F(PjlJobTest, InsertPagesAreSortedWhateverOrderTheDevmodeHoldsThemIn)
{
    Env().InsertCoverSheet_Check = 1;
    Env().lpInsertPITray = 1;
    // A devmode from outside: slot 3 written byte by byte, out of order.
    BYTE* record = reinterpret_cast<BYTE*>(Slots());
    const WORD pages[] = {9, 3, 6};
    record[kInsertPageSlot - 1] = 3;
    std::memcpy(record + 8 + (kInsertPageSlot - 1) * 60, pages, sizeof pages);

    EXPECT_EQ(Row(PjlWriteInsertSheets), "@PJL SET PIFRONT = OFF\n@PJL SET PIBACK = OFF\n"
                                         "@PJL SET INTERMODE = BLANK\n@PJL SET INTERSHEET = PITRAY1,3,6,9\n");
}

TEST_F(PjlOptionRows, ChapterStarts)
{
    const RowCase cases[] = {
        {"one chapter at page 7", [](DRIVER_DEVMODE& dm, PjlJob&) {
             EnvOf(dm).POD_Check = 1; EnvOf(dm).Chapter_Check = 1;
             WORD pages[] = {7};
             SetPageSlot(GetPageSlotRecord(&EnvOf(dm)), 1, kChapterPageSlot, pages); },
         {PjlWriteChapters}, "@PJL SET CHAPTERMODE = ON\n@PJL SET CHAPTER = 7\n"},
        {"chapters in order", [](DRIVER_DEVMODE& dm, PjlJob&) {
             EnvOf(dm).POD_Check = 1; EnvOf(dm).Chapter_Check = 1;
             WORD pages[] = {10, 2, 3};
             SetPageSlot(GetPageSlotRecord(&EnvOf(dm)), 3, kChapterPageSlot, pages); },
         {PjlWriteChapters}, "@PJL SET CHAPTERMODE = ON\n@PJL SET CHAPTER = 2,3,10\n"},
        {"chapters off", [](DRIVER_DEVMODE& dm, PjlJob&) {
             EnvOf(dm).POD_Check = 1; EnvOf(dm).Chapter_Check = 0;
             WORD pages[] = {7};
             SetPageSlot(GetPageSlotRecord(&EnvOf(dm)), 1, kChapterPageSlot, pages); },
         {PjlWriteChapters}, ""},
        {"chapters without pages", [](DRIVER_DEVMODE& dm, PjlJob&) {
             EnvOf(dm).POD_Check = 1; EnvOf(dm).Chapter_Check = 1; },
         {PjlWriteChapters}, ""},
    };
    Check(cases);
}

TEST_F(PjlJobTest, AFullChapterSlotOfLargePagesIsWrittenWhole)
{
    Env().POD_Check = 1;
    Env().Chapter_Check = 1;
    std::vector<WORD> pages;
    std::string expected = "@PJL SET CHAPTERMODE = ON\n@PJL SET CHAPTER = ";
    for (WORD i = 0; i < kPageSlotCapacity; ++i) {
        pages.push_back(static_cast<WORD>(60000 + i * 100));
        expected += std::to_string(60000 + i * 100) + (i + 1 < kPageSlotCapacity ? "," : "\n");
    }
    SetPages(kChapterPageSlot, pages);
    EXPECT_EQ(Row(PjlWriteChapters), expected);
}

TEST_F(PjlOptionRows, HeldAndStoredJobs)
{
    static const auto setPassword = [](DRIVER_DEVMODE& dm, const std::u16string& text) {
        SetField(&EnvOf(dm).ScrambledPassword, text, /*scrambled=*/true);
    };
    const RowCase cases[] = {
        {"not held", [](DRIVER_DEVMODE&, PjlJob&) {}, {PjlWriteHold}, "@PJL SET HOLD = OFF\n"},
        {"a private job", [](DRIVER_DEVMODE& dm, PjlJob& job) {
             EnvOf(dm).Password_Check = 1; job.userIdFlag = true; setPassword(dm, u"1234"); },
         {PjlWriteHold},
         "@PJL SET HOLD = ON\n@PJL SET HOLDTYPE = PRIVATE\n@PJL SET HOLDKEY = 1234\n"
         "@PJL SET HOLDLOC = CONTROLLER\n"},
        {"a private job without a password writes no key", [](DRIVER_DEVMODE& dm, PjlJob& job) {
             EnvOf(dm).Password_Check = 1; job.userIdFlag = true; setPassword(dm, u""); },
         {PjlWriteHold}, "@PJL SET HOLD = ON\n@PJL SET HOLDTYPE = PRIVATE\n@PJL SET HOLDLOC = CONTROLLER\n"},
        {"a password without the user's identity", [](DRIVER_DEVMODE& dm, PjlJob& job) {
             EnvOf(dm).Password_Check = 1; job.userIdFlag = false; setPassword(dm, u"1234"); },
         {PjlWriteHold}, "@PJL SET HOLD = OFF\n"},
        {"stored in the controller and printed", [](DRIVER_DEVMODE& dm, PjlJob& job) {
             EnvOf(dm).POD_Check = 1; EnvOf(dm).JobComb_Check = 1; job.jobStorageFlag = true;
             EnvOf(dm).lpJobCombType = 1; EnvOf(dm).lpJobModeSpl = 2; setPassword(dm, u"99"); },
         {PjlWriteHold},
         "@PJL SET HOLD = ON\n@PJL SET HOLDTYPE = STORENPRINT\n@PJL SET HOLDLOC = CONTROLLER\n"},
        {"stored in the engine", [](DRIVER_DEVMODE& dm, PjlJob& job) {
             EnvOf(dm).POD_Check = 1; EnvOf(dm).JobComb_Check = 1; job.jobStorageFlag = true;
             EnvOf(dm).lpJobCombType = 2; EnvOf(dm).lpJobMode = 1; setPassword(dm, u"pw");
             SetField(&EnvOf(dm).JobId, u"ab-1"); },
         {PjlWriteHold},
         "@PJL SET JOBID = AB-1\n@PJL SET HOLD = ON\n@PJL SET HOLDTYPE = STORE\n@PJL SET HOLDKEY = pw\n"
         "@PJL SET HOLDLOC = ENGINE\n"},
        {"stored in the engine without a job ID", [](DRIVER_DEVMODE& dm, PjlJob& job) {
             EnvOf(dm).POD_Check = 1; EnvOf(dm).JobComb_Check = 1; job.jobStorageFlag = true;
             EnvOf(dm).lpJobCombType = 2; EnvOf(dm).lpJobMode = 2; },
         {PjlWriteHold}, "@PJL SET HOLD = ON\n@PJL SET HOLDTYPE = STORENPRINT\n@PJL SET HOLDLOC = ENGINE\n"},
        {"a store mode the engine does not know", [](DRIVER_DEVMODE& dm, PjlJob& job) {
             EnvOf(dm).POD_Check = 1; EnvOf(dm).JobComb_Check = 1; job.jobStorageFlag = true;
             EnvOf(dm).lpJobCombType = 2; EnvOf(dm).lpJobMode = 3; SetField(&EnvOf(dm).JobId, u"X"); },
         {PjlWriteHold}, ""},
        {"a combination the printer does not know", [](DRIVER_DEVMODE& dm, PjlJob& job) {
             EnvOf(dm).POD_Check = 1; EnvOf(dm).JobComb_Check = 1; job.jobStorageFlag = true;
             EnvOf(dm).lpJobCombType = 3; EnvOf(dm).lpJobMode = 1; },
         {PjlWriteHold}, ""},
        {"storing without the job-storage flag falls back to the private hold", [](DRIVER_DEVMODE& dm, PjlJob& job) {
             EnvOf(dm).POD_Check = 1; EnvOf(dm).JobComb_Check = 1; job.jobStorageFlag = false;
             EnvOf(dm).lpJobCombType = 1; EnvOf(dm).lpJobModeSpl = 1;
             EnvOf(dm).Password_Check = 1; job.userIdFlag = true; setPassword(dm, u"7"); },
         {PjlWriteHold},
         "@PJL SET HOLD = ON\n@PJL SET HOLDTYPE = PRIVATE\n@PJL SET HOLDKEY = 7\n@PJL SET HOLDLOC = CONTROLLER\n"},
    };
    Check(cases);
}

TEST_F(PjlOptionRows, UserId)
{
    const RowCase cases[] = {
        {"the user's identity and an ID", [](DRIVER_DEVMODE& dm, PjlJob& job) {
             job.userIdFlag = true; SetField(&EnvOf(dm).UserId, u"u0042"); },
         {PjlWriteUserId}, "@PJL SET USERID = u0042\n"},
        {"an ID without the user's identity", [](DRIVER_DEVMODE& dm, PjlJob& job) {
             job.userIdFlag = false; SetField(&EnvOf(dm).UserId, u"u0042"); },
         {PjlWriteUserId}, ""},
        {"the user's identity without an ID", [](DRIVER_DEVMODE& dm, PjlJob& job) {
             job.userIdFlag = true; SetField(&EnvOf(dm).UserId, u""); },
         {PjlWriteUserId}, ""},
        {"an ID of 11 units has no terminator: the field ends it", [](DRIVER_DEVMODE& dm, PjlJob& job) {
             job.userIdFlag = true; SetField(&EnvOf(dm).UserId, u"ABCDEFGHIJK");
             SetField(&EnvOf(dm).sheetText1517, u"ZZZZ"); },
         {PjlWriteUserId}, "@PJL SET USERID = ABCDEFGHIJK\n"},
    };
    Check(cases);
}

TEST_F(PjlJobTest, NamesFromOutsideCannotEndTheirValueOrLine)
{
    SetJobName("a\"b\r\n@PJL SET COPIES = 99\x1b");
    SetUserName(u"x\"y\nz");
    EXPECT_EQ(Row(PjlWriteJobName), "@PJL SET JOBNAME = \"a b  @PJL SET COPIES = 99 \"\n"
                                    "@PJL SET USERNAME = \"x y z\"\n");
}

TEST_F(PjlJobTest, NamesAreCutAtTheirLimitsWithoutSplittingACharacter)
{
    // 126 ASCII bytes, then a double-byte character that would end at byte 128: it does not fit 127.
    SetJobName(std::string(126, 'j') + "\x8e\x52" + "tail");
    // 63 ASCII characters, then "山" (two bytes in code page 932): byte 65 would be its second half.
    SetUserName(std::u16string(63, u'u') + u"\u5c71");

    EXPECT_EQ(Row(PjlWriteJobName), "@PJL SET JOBNAME = \"" + std::string(126, 'j') + "\"\n"
                                    "@PJL SET USERNAME = \"" + std::string(63, 'u') + "\"\n");

    SetJobName(std::string(300, 'k'));   // a field filled whole, no terminator
    SetUserName(u"\u5c71\u7530");        // "山田"
    EXPECT_EQ(Row(PjlWriteJobName), "@PJL SET JOBNAME = \"" + std::string(127, 'k') + "\"\n"
                                    "@PJL SET USERNAME = \"\x8e\x52\x93\x63\"\n");
}
