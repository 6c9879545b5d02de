// documents_test.cpp - documents and pages on a printer device context: the order of the driver's hooks and
// the interface module's events, banding, aborting, and events that fail their call.
#include "dc_fixture.h"

using PrinterDcDocuments = PrinterDcTest;

namespace {

// Prints a document of two empty pages: its job id, or 0 at the first call that fails.
int PrintTwoPages(HDC hdc)
{
    DOCINFOW di = {sizeof di, u"Report", nullptr, nullptr, 0};
    const int job = StartDocW(hdc, &di);
    if (job <= 0)
        return 0;
    for (int page = 0; page < 2; ++page)
        if (StartPage(hdc) <= 0 || EndPage(hdc) <= 0)
            return 0;
    return EndDoc(hdc) > 0 ? job : 0;
}

} // namespace

TEST_F(PrinterDcDocuments, RunsATwoPageDocumentInTheSystemsOrderWithAndWithoutBands)
{
    struct Case { LONG bands; std::vector<std::string> pageEnd; std::vector<std::string> bandLines; };
    const Case cases[] = {
        {0, {"DOCUMENTEVENT_ENDPAGE", "DrvSendPage"}, {}},
        {3,
         {"DOCUMENTEVENT_ENDPAGE", "DrvStartBanding", "DrvNextBand", "DrvNextBand", "DrvNextBand", "DrvSendPage"},
         {"TESTDRV DrvStartBanding", "TESTDRV DrvNextBand 14", "TESTDRV DrvNextBand 28", "TESTDRV DrvNextBand -1"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.bands << " bands");
        TestDriverOptions options;
        options.bands = c.bands;
        SetDriver(options);
        HDC hdc = CreateDCW(nullptr, kPrinter, nullptr, nullptr);
        ASSERT_NE(hdc, nullptr);
        host::ClearDeviceContextCalls(hdc);
        host::ClearDebugTrace();
        const int job = PrintTwoPages(hdc);
        ASSERT_GT(job, 0);
        const std::vector<std::string> page = Concat({{"DOCUMENTEVENT_STARTPAGE", "DrvStartPage"}, c.pageEnd});
        const std::vector<std::string> expected =
            Concat({{"DOCUMENTEVENT_STARTDOC", "DrvStartDoc", "DOCUMENTEVENT_STARTDOCPOST"}, page, page,
                    {"DOCUMENTEVENT_ENDDOC", "DrvEndDoc", "DOCUMENTEVENT_ENDDOCPOST"}});
        EXPECT_EQ(host::DeviceContextCalls(hdc), expected);

        // The modules saw the same, with the document's name and the spooler's job on both sides.
        const std::vector<std::string> modulePage =
            Concat({{"TESTUI 6 hdc 1 printer 1", "TESTDRV DrvStartPage", "TESTUI 7 hdc 1 printer 1"}, c.bandLines,
                    {"TESTDRV DrvSendPage"}});
        const std::vector<std::string> lines =
            Concat({{"TESTUI 5 Report hdc 1 printer 1", "TESTDRV DrvStartDoc Report " + std::to_string(job) + " pdev 1",
                     "TESTUI 13 job " + std::to_string(job) + " hdc 1 printer 1"},
                    modulePage, modulePage,
                    {"TESTUI 8 hdc 1 printer 1", "TESTDRV DrvEndDoc 0", "TESTUI 12 hdc 1 printer 1"}});
        EXPECT_EQ(ModuleLines(), lines);
        DeleteDC(hdc);
        EXPECT_EQ(host::JobFiles(kPrinter).size(), 1u);
        std::filesystem::remove(host::JobFiles(kPrinter).front());
    }
}

TEST_F(PrinterDcDocuments, AFailedEventFailsItsCallBeforeTheDriverSeesIt)
{
    struct Case { int event; const char* skipped; };
    const Case cases[] = {
        {DOCUMENTEVENT_STARTDOC, "DrvStartDoc"},
        {DOCUMENTEVENT_STARTPAGE, "DrvStartPage"},
        {DOCUMENTEVENT_ENDPAGE, "DrvSendPage"},
        {DOCUMENTEVENT_ENDDOC, "DrvEndDoc"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.skipped);
        TestUiOptions ui;
        ui.failEvent = c.event;
        SetUi(ui);
        HDC hdc = CreateDCW(nullptr, kPrinter, nullptr, nullptr);
        ASSERT_NE(hdc, nullptr);
        EXPECT_EQ(PrintTwoPages(hdc), 0);
        const auto calls = host::DeviceContextCalls(hdc);
        EXPECT_EQ(std::count(calls.begin(), calls.end(), c.skipped), 0);
        DeleteDC(hdc);
    }
    EXPECT_TRUE(host::JobFiles(kPrinter).empty());   // every job was abandoned or never begun
}

TEST_F(PrinterDcDocuments, AbortingEndsTheDriversDocumentAndDropsTheJob)
{
    HDC hdc = CreateDCW(nullptr, kPrinter, nullptr, nullptr);
    DOCINFOW di = {sizeof di, nullptr, nullptr, nullptr, 0};
    ASSERT_GT(StartDocW(hdc, &di), 0);
    ASSERT_GT(StartPage(hdc), 0);
    host::ClearDeviceContextCalls(hdc);
    EXPECT_EQ(AbortDoc(hdc), 1);
    EXPECT_EQ(host::DeviceContextCalls(hdc), (std::vector<std::string>{"DOCUMENTEVENT_ABORTDOC", "DrvEndDoc"}));
    EXPECT_EQ(ModuleLines().at(ModuleLines().size() - 1), "TESTDRV DrvEndDoc 1");   // ED_ABORTDOC
    EXPECT_EQ(EndDoc(hdc), SP_ERROR);
    EXPECT_TRUE(host::JobFiles(kPrinter).empty());

    // A device context deleted in the middle of a document abandons it the same way.
    ASSERT_GT(StartDocW(hdc, &di), 0);
    host::ClearDeviceContextCalls(hdc);
    DeleteDC(hdc);
    const std::vector<std::string> expected = {"DOCUMENTEVENT_DELETEDC", "DOCUMENTEVENT_ABORTDOC", "DrvEndDoc",
                                               "DrvDisableSurface", "DrvDisablePDEV", "DrvDisableDriver"};
    EXPECT_EQ(host::DeviceContextCalls(hdc), expected);
    EXPECT_TRUE(host::JobFiles(kPrinter).empty());
}

TEST_F(PrinterDcDocuments, RefusesCallsOutOfTurn)
{
    HDC hdc = CreateDCW(nullptr, kPrinter, nullptr, nullptr);
    DOCINFOW di = {sizeof di, u"Turns", nullptr, nullptr, 0};
    EXPECT_EQ(StartPage(hdc), SP_ERROR);
    EXPECT_EQ(EndPage(hdc), SP_ERROR);
    EXPECT_EQ(EndDoc(hdc), SP_ERROR);
    EXPECT_EQ(AbortDoc(hdc), SP_ERROR);
    EXPECT_EQ(StartDocW(hdc, nullptr), SP_ERROR);
    ASSERT_GT(StartDocW(hdc, &di), 0);
    EXPECT_EQ(StartDocW(hdc, &di), SP_ERROR);
    EXPECT_EQ(EndPage(hdc), SP_ERROR);
    ASSERT_GT(StartPage(hdc), 0);
    EXPECT_EQ(StartPage(hdc), SP_ERROR);
    host::ClearDeviceContextCalls(hdc);
    EXPECT_GT(EndDoc(hdc), 0);   // ends the open page first
    const std::vector<std::string> expected = {"DOCUMENTEVENT_ENDPAGE", "DrvSendPage", "DOCUMENTEVENT_ENDDOC",
                                               "DrvEndDoc", "DOCUMENTEVENT_ENDDOCPOST"};
    EXPECT_EQ(host::DeviceContextCalls(hdc), expected);
    DeleteDC(hdc);
    EXPECT_EQ(StartDocW(hdc, &di), SP_ERROR);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
}

TEST_F(PrinterDcDocuments, ADriverThatWillNotStartTheDocumentLeavesNoJob)
{
    TestDriverOptions options;
    options.failStartDoc = true;
    SetDriver(options);
    HDC hdc = CreateDCW(nullptr, kPrinter, nullptr, nullptr);
    DOCINFOW di = {sizeof di, u"Refused", nullptr, nullptr, 0};
    EXPECT_EQ(StartDocW(hdc, &di), SP_ERROR);
    EXPECT_EQ(StartPage(hdc), SP_ERROR);
    const auto calls = host::DeviceContextCalls(hdc);
    EXPECT_EQ(std::count(calls.begin(), calls.end(), "DOCUMENTEVENT_STARTDOCPOST"), 0);
    DeleteDC(hdc);
    EXPECT_TRUE(host::JobFiles(kPrinter).empty());
}

TEST_F(PrinterDcDocuments, ADocumentTheDriverCouldNotEndIsAbortedWithItsReason)
{
    TestDriverOptions options;
    options.failEndDoc = true;
    SetDriver(options);
    HDC hdc = CreateDCW(nullptr, kPrinter, nullptr, nullptr);
    DOCINFOW di = {sizeof di, u"Cut", nullptr, nullptr, 0};
    ASSERT_GT(StartDocW(hdc, &di), 0);
    ASSERT_GT(StartPage(hdc), 0);
    ASSERT_GT(EndPage(hdc), 0);
    ASSERT_EQ(host::JobFiles(kPrinter).size(), 1u);
    host::ClearDeviceContextCalls(hdc);
    SetLastError(0);
    EXPECT_EQ(EndDoc(hdc), SP_ERROR);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_DISK_FULL)) << "the driver's reason reaches the caller";
    EXPECT_TRUE(host::JobFiles(kPrinter).empty()) << "nothing half-written is left to print";
    const std::vector<std::string> expected = {"DOCUMENTEVENT_ENDDOC", "DrvEndDoc", "DOCUMENTEVENT_ENDDOCPOST"};
    EXPECT_EQ(host::DeviceContextCalls(hdc), expected);

    // The document is over: the device context starts the next one.
    EXPECT_EQ(EndDoc(hdc), SP_ERROR);
    ASSERT_GT(StartDocW(hdc, &di), 0);
    EXPECT_EQ(AbortDoc(hdc), 1);
    DeleteDC(hdc);
}
