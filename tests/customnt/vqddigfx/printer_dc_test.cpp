// printer_dc_test.cpp - the graphics module driven through a printer device context on "QN-804C": created,
// given documents and pages, reset and deleted, with its hooks called in GDI's order.
#include "job_fixture.h"
#include "host/faults.h"
#include "support/job_text.h"

#include <algorithm>

namespace {

using PrinterDc = GraphicsJobTest;

TEST_F(PrinterDc, IsCreatedDrivenAndDeletedThroughTheHooksInOrder)
{
    HDC hdc = OpenDc();
    ASSERT_NE(hdc, nullptr) << GetLastError();
    ASSERT_GT(PrintEmptyPages(hdc, 2, /*endOfJob=*/false), 0);
    ASSERT_TRUE(DeleteDC(hdc));
    const std::vector<std::string> escape = {"DOCUMENTEVENT_ESCAPE", "DrvEscape"};
    const std::vector<std::string> page = {"DOCUMENTEVENT_STARTPAGE", "DOCUMENTEVENT_ESCAPE", "DrvEscape",
                                           "DrvStartPage", "DOCUMENTEVENT_ENDPAGE", "DrvSendPage"};
    // The interface module's escapes come inside its events: at STARTDOC the user name, the cancel byte, the
    // program name, the job's settings and the devmode; the user paper sizes before each page; the end of the
    // job at ENDDOC.
    std::vector<std::string> expected = {"DOCUMENTEVENT_CREATEDCPRE", "DrvEnableDriver", "DrvEnablePDEV",
                                         "DrvCompletePDEV", "DrvEnableSurface", "DOCUMENTEVENT_CREATEDCPOST",
                                         "DOCUMENTEVENT_STARTDOC"};
    for (int i = 0; i < 6; ++i)
        expected.insert(expected.end(), escape.begin(), escape.end());
    expected.insert(expected.end(), {"DrvStartDoc", "DOCUMENTEVENT_STARTDOCPOST"});
    expected.insert(expected.end(), page.begin(), page.end());
    expected.insert(expected.end(), page.begin(), page.end());
    expected.insert(expected.end(), {"DOCUMENTEVENT_ENDDOC", "DOCUMENTEVENT_ESCAPE", "DrvEscape", "DrvEndDoc",
                                     "DOCUMENTEVENT_ENDDOCPOST", "DOCUMENTEVENT_DELETEDC", "DrvDisableSurface",
                                     "DrvDisablePDEV"});
    // DrvDisableDriver is no hook of the table: GDI has nothing to call when the module goes.
    EXPECT_EQ(host::DeviceContextCalls(hdc), expected);
    m_hdc = nullptr;
}

TEST_F(PrinterDc, TheJobIsFramedAndClosesWithTheUelOnlyAfterTheEndOfJobEscape)
{
    InstallWithSilentInterface();
    struct Case { bool endOfJob; const char* tail; };
    for (const Case c : {Case{true, "prn;\n\x1b%-12345X"}, Case{false, "prn;\n"}}) {
        SCOPED_TRACE(c.endOfJob ? "ended normally" : "no end-of-job escape");
        const DRIVER_DEVMODE dm = DriverDevmode();
        HDC hdc = OpenDc(&dm.dmPublic);
        ASSERT_NE(hdc, nullptr);
        ASSERT_GT(PrintEmptyPages(hdc, 1, c.endOfJob), 0);
        DeleteDC(hdc);
        m_hdc = nullptr;
        const std::string job = JobBytes();
        EXPECT_EQ(job.rfind("\x1b%-12345X@PJL\n@PJL COMMENT HEADER ORVANE TESSALY QN-804C VQPDL2 V\n"
                            "@PJL COMMENT Title : Report ;\n@PJL COMMENT Driver version : 04.02\n"
                            "@PJL SET JOBNAME = ",
                            0),
                  0u)
            << job;
        EXPECT_NE(job.find("@PJL SET TANDEM = OFF\n@PJL ENTER LANGUAGE = VQPDL\nini 600 1 S;\n"), std::string::npos)
            << "the job options close the header before the language switch: " << job;
        EXPECT_EQ(job.substr(job.size() - std::string(c.tail).size()), c.tail) << job;
        for (const auto& file : host::JobFiles(u"QN-804C"))
            std::filesystem::remove(file);
    }
}

TEST_F(PrinterDc, ARasterColourPageWiderThanOneBandIsDrawnInBands)
{
    DRIVER_DEVMODE dm = DriverDevmode();
    dm.dmPrivate.lpGraphicsMode = 1;
    dm.dmPublic.dmColor = DMCOLOR_COLOR;
    dm.dmPublic.dmFields |= DM_COLOR;
    HDC hdc = OpenDc(&dm.dmPublic);
    ASSERT_NE(hdc, nullptr);
    ASSERT_NE(GetDeviceCaps(hdc, RASTERCAPS) & RC_BANDING, 0);
    const LONG width = GetDeviceCaps(hdc, HORZRES);
    const LONG height = GetDeviceCaps(hdc, VERTRES);
    const LONG bandRows = 0x850000 / (3 * width);
    const long bands = (height + bandRows - 1) / bandRows;
    host::ClearDeviceContextCalls(hdc);
    ASSERT_GT(PrintEmptyPages(hdc, 1, /*endOfJob=*/true), 0);
    const auto calls = host::DeviceContextCalls(hdc);
    EXPECT_EQ(std::count(calls.begin(), calls.end(), "DrvStartBanding"), 1);
    EXPECT_EQ(std::count(calls.begin(), calls.end(), "DrvNextBand"), bands) << height << " rows of " << bandRows;
}

TEST_F(PrinterDc, AMonochromeRasterPageFitsOneBand)
{
    DRIVER_DEVMODE dm = DriverDevmode();
    dm.dmPrivate.lpGraphicsMode = 1;
    dm.dmPublic.dmColor = DMCOLOR_MONOCHROME;
    dm.dmPublic.dmFields |= DM_COLOR;
    HDC hdc = OpenDc(&dm.dmPublic);
    ASSERT_NE(hdc, nullptr);
    EXPECT_EQ(GetDeviceCaps(hdc, RASTERCAPS) & RC_BANDING, 0);
    EXPECT_EQ(GetDeviceCaps(hdc, BITSPIXEL), 1);
    ASSERT_GT(PrintEmptyPages(hdc, 2, /*endOfJob=*/true), 0);
    EXPECT_EQ(CountSheets(JobBytes()), 2);
}

TEST_F(PrinterDc, ResetBetweenPagesKeepsOneJob)
{
    HDC hdc = OpenDc();
    ASSERT_NE(hdc, nullptr);
    DOCINFOW di = {sizeof di, u"Report", nullptr, nullptr, 0};
    ASSERT_GT(StartDocW(hdc, &di), 0);
    ASSERT_GT(StartPage(hdc), 0);
    ASSERT_GT(EndPage(hdc), 0);
    DRIVER_DEVMODE dm = DriverDevmode();
    dm.dmPublic.dmOrientation = DMORIENT_LANDSCAPE;
    ASSERT_EQ(ResetDCW(hdc, &dm.dmPublic), hdc);
    ASSERT_GT(StartPage(hdc), 0);
    ASSERT_GT(EndPage(hdc), 0);
    ASSERT_GT(EndDoc(hdc), 0);   // the interface module ends the job
    const std::string job = JobBytes();
    EXPECT_EQ(job.find("@PJL\n"), job.rfind("@PJL\n")) << "one job header: " << job;
    EXPECT_EQ(CountSheets(job), 2) << job;
    EXPECT_NE(job.find("pps A4 L;\n"), std::string::npos) << "the second sheet is landscape: " << job;
}

TEST_F(PrinterDc, ASecondDocumentOnTheSameDcIsAJobOfItsOwn)
{
    HDC hdc = OpenDc();
    ASSERT_NE(hdc, nullptr);
    ASSERT_GT(PrintEmptyPages(hdc, 2, /*endOfJob=*/true, u"First"), 0);
    ASSERT_GT(PrintEmptyPages(hdc, 1, /*endOfJob=*/true, u"Second"), 0);
    auto files = host::JobFiles(u"QN-804C");
    ASSERT_EQ(files.size(), 2u);
    std::sort(files.begin(), files.end());
    struct Expected { const char* title; size_t sheets; };
    const Expected expected[] = {{"Title : First ;", 2}, {"Title : Second ;", 1}};
    for (size_t i = 0; i < 2; ++i) {
        const std::string job = host::ReadJobFile(files[i]);
        SCOPED_TRACE(job);
        EXPECT_EQ(job.rfind("\x1b%-12345X@PJL\n", 0), 0u);
        EXPECT_NE(job.find(expected[i].title), std::string::npos);
        EXPECT_EQ(CountOf(job, "prn;\n"), expected[i].sheets);
        EXPECT_EQ(job.substr(job.size() - 9), "\x1b%-12345X");
    }
}

TEST_F(PrinterDc, NupPagesShareTheirSheetsInVectorAndBandedRasterJobs)
{
    for (const BYTE graphicsMode : {BYTE{2}, BYTE{1}}) {
        SCOPED_TRACE(graphicsMode == 1 ? "raster, in bands" : "vector");
        DRIVER_DEVMODE dm = DriverDevmode();
        dm.dmPrivate.lpGraphicsMode = graphicsMode;
        dm.dmPrivate.Layout_Check = 1;
        dm.dmPrivate.lpLayout = 10;
        dm.dmPublic.dmColor = DMCOLOR_COLOR;
        dm.dmPublic.dmFields |= DM_COLOR;
        HDC hdc = OpenDc(&dm.dmPublic);
        ASSERT_NE(hdc, nullptr);
        ASSERT_GT(PrintEmptyPages(hdc, 6, /*endOfJob=*/true), 0);
        const auto calls = host::DeviceContextCalls(hdc);
        EXPECT_EQ(std::count(calls.begin(), calls.end(), "DrvStartBanding"), graphicsMode == 1 ? 6 : 0);
        DeleteDC(hdc);
        m_hdc = nullptr;
        const std::string job = JobBytes();
        EXPECT_EQ(CountOf(job, "prn;\n"), 2u) << "two sheets, the second ended by the document's end";
        EXPECT_EQ(job.substr(job.size() - 14), "prn;\n\x1b%-12345X");
        for (const auto& file : host::JobFiles(u"QN-804C"))
            std::filesystem::remove(file);
    }
}

TEST_F(PrinterDc, ABookletJobIsSpooledAndPairsItsPages)
{
    DRIVER_DEVMODE dm = DriverDevmode();
    dm.dmPrivate.layoutSelectCode = 4;
    HDC hdc = OpenDc(&dm.dmPublic);
    ASSERT_NE(hdc, nullptr);
    ASSERT_GT(PrintEmptyPages(hdc, 3, /*endOfJob=*/true), 0);
    const std::string job = JobBytes();
    EXPECT_EQ(CountOf(job, "@PJL\n"), 1u) << job;
    // Four booklet pages for three: page 1 alone, then page 2 with page 3, whose tail ends the side.
    EXPECT_EQ(CountOf(job, "prn;\n"), 2u) << job;
}

TEST_F(PrinterDc, AJobThatLostAWriteFailsItsEndDocAndLeavesNothingToPrint)
{
    for (BYTE layoutSelect : {BYTE{0}, BYTE{4}}) {   // direct, and booklet (spooled, then replayed)
        DRIVER_DEVMODE dm = DriverDevmode();
        dm.dmPrivate.layoutSelectCode = layoutSelect;
        bool whole = false;
        // The kth write to the spooler fails, for every k the job reaches; then one that is never reached.
        for (unsigned k = 1; k < 100 && !whole; ++k) {
            SCOPED_TRACE(testing::Message() << "layout " << int{layoutSelect} << ", write " << k);
            HDC hdc = OpenDc(&dm.dmPublic);
            ASSERT_NE(hdc, nullptr);
            host::InjectFault(host::Fault::WritePrinter, k);
            DOCINFOW di = {sizeof di, u"Report", nullptr, nullptr, 0};
            ASSERT_GT(StartDocW(hdc, &di), 0);
            bool pagesOk = true;
            for (int page = 0; page < 3; ++page)
                pagesOk = StartPage(hdc) > 0 && EndPage(hdc) > 0 && pagesOk;
            Escape(hdc, ESC_END_OF_JOB);
            SetLastError(0);
            const bool ended = EndDoc(hdc) > 0;
            const DWORD error = GetLastError();
            host::ClearFaults();
            DeleteDC(hdc);
            m_hdc = nullptr;
            whole = ended;
            if (ended) {
                EXPECT_TRUE(pagesOk);
                EXPECT_EQ(CountOf(JobBytes(), "\x1b%-12345X"), 2u) << "the job is whole";
            } else {
                EXPECT_NE(error, 0u) << "the failure has its reason";
                EXPECT_TRUE(host::JobFiles(kPrinterName).empty()) << "no cut job stays queued";
            }
            for (const auto& file : host::JobFiles(kPrinterName))
                std::filesystem::remove(file);
        }
        EXPECT_TRUE(whole) << "the sweep reached a job the fault missed";
    }
}

} // namespace
