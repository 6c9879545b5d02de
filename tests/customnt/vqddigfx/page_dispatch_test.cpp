// page_dispatch_test.cpp - documents, pages and bands through the engine's page workers: the stream's sections
// for direct, N-up and booklet jobs, the cell each page is drawn into, form files made and printed over, and
// a raster page sent band by band.
#include "packet_sink.h"
#include "customnt/vqddigfx/nup_layout.h"
#include "pdl/vxcmn/streamnt.h"
#include "pdl/vxcmn/vqpdlnt/clip_writer.h"
#include "support/job_text.h"
#include "win/winbase.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr WCHAR kFormPath[] = u"C:\\letterhead.zfo";

// The stream's commands as letters: o open, 1-5 set section, r replay, c close, f play the form file.
std::string CommandLetters(const std::vector<SentPacket>& sent)
{
    std::string letters;
    for (const SentPacket& p : StreamCommands(sent)) {
        switch (p.type) {
        case kCmdOpen: letters += 'o'; break;
        case kCmdSetSection: letters += static_cast<char>('0' + p.detail); break;
        case kCmdReplay: letters += 'r'; break;
        case kCmdClose: letters += 'c'; break;
        case kCmdPlayForm: letters += 'f'; break;
        default: letters += '?'; break;
        }
    }
    return letters;
}

// A file of the stand-in world, read whole; "<missing>" when it cannot be opened.
std::string ReadWorldFile(const WCHAR* path)
{
    const HANDLE h = CreateFileW(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                                 nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return "<missing>";
    std::string bytes(GetFileSize(h, nullptr), '\0');
    DWORD cbRead = 0;
    ReadFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &cbRead, nullptr);
    CloseHandle(h);
    bytes.resize(cbRead);
    return bytes;
}

void WriteWorldFile(const WCHAR* path, const std::string& bytes)
{
    const HANDLE h = CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    DWORD cbWritten = 0;
    WriteFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &cbWritten, nullptr);
    CloseHandle(h);
}

class PageDispatch : public PacketRecordingTest {
protected:
    // The driver's defaults with that many pages per sheet (layout 1: one) in that order.
    DRIVER_DEVMODE LayoutDevmode(BYTE lpLayout, BYTE lpOrder = 3)
    {
        DRIVER_DEVMODE dm = DefaultDevmode();
        dm.dmPrivate.Layout_Check = lpLayout != 1 ? 1 : 0;
        dm.dmPrivate.lpLayout = lpLayout;
        dm.dmPrivate.lpOrder = lpOrder;
        return dm;
    }

    static DRIVER_DEVMODE WithForm(DRIVER_DEVMODE dm, BYTE lpOverlay)
    {
        dm.dmPrivate.lpOverlay = lpOverlay;
        std::memcpy(dm.dmPrivate.FormOverlayPath, kFormPath, sizeof kFormPath);
        return dm;
    }

    // A page whose body says which page it is: "rct n 0 0 0;".
    BOOL MarkedPage(int n)
    {
        return Page([this, n] { PdlPrintf(m_pdev, "rct %d %d %d %d;\n", n, 0, 0, 0); });
    }

    // A document of that many marked pages, ended normally; FALSE at the first call that failed.
    BOOL MarkedDocument(int pages)
    {
        if (!BeginDocument())
            return FALSE;
        for (int n = 1; n <= pages; ++n)
            if (!MarkedPage(n))
                return FALSE;
        return EndDocument(/*endOfJob=*/true);
    }
};

TEST_F(PageDispatch, SheetsOfDirectNupAndBookletJobs)
{
    struct Case {
        const char* name; BYTE graphicsMode; BYTE outputMode; BYTE layout; int pages;
        std::string commands; size_t sheets;
    };
    const Case cases[] = {
        {"one page a sheet",      2, 1,  1, 2, "o1" "234" "234" "5rc",                2},
        {"4-up, 6 pages",         2, 1, 10, 6, "o1" "23232323" "4" "2323" "4" "5rc", 2},
        {"2-up, 3 pages",         2, 1,  8, 3, "o1" "2323" "4" "23" "4" "5rc",       2},
        // Raster pages share their sheets the same way: set up once, ended once.
        {"raster 4-up, 5 pages",  1, 1, 10, 5, "o1" "23232323" "4" "23" "4" "5rc",   2},
        // Booklet output ends every page; the replay pairs page 1 alone, then 2 with 3.
        {"booklet, 3 pages",      2, 4,  1, 3, "o1" "234" "234" "234" "5rc",         2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DRIVER_DEVMODE dm = LayoutDevmode(c.layout);
        dm.dmPrivate.lpGraphicsMode = c.graphicsMode;
        dm.dmPrivate.layoutSelectCode = c.outputMode;
        ASSERT_NE(EnableWithSink(dm), nullptr);
        m_sent.clear();
        ASSERT_TRUE(MarkedDocument(c.pages));
        EXPECT_EQ(CommandLetters(m_sent), c.commands);
        const std::string job = FinishJob();
        EXPECT_EQ(CountOf(job, "prn;\n"), c.sheets) << job;
        EXPECT_EQ(CountOf(job, "@PJL\n"), 1u);
        for (int n = 1; n <= c.pages; ++n)
            EXPECT_EQ(CountOf(job, "rct " + std::to_string(n) + " "), 1u) << "page " << n;
        EXPECT_EQ(job.substr(job.size() - 9), "\x1b%-12345X");
        NextCase();
    }
}

TEST_F(PageDispatch, EachPageIsDrawnIntoItsCellOfTheSheet)
{
    ASSERT_NE(Enable(LayoutDevmode(10, /*lpOrder=*/5)), nullptr);
    ASSERT_TRUE(BeginDocument());
    const DWORD cells[] = {0, 2, 1, 3, 0};   // down the first column, then the second; the next sheet alike
    for (const DWORD cell : cells) {
        SCOPED_TRACE(testing::Message() << "page " << Copy(m_pdev->cPagesBegun) + 1);
        ASSERT_TRUE(EngineStartPage(&m_surface));
        const RECTL placement = m_pdev->nupBlock.cells[cell].rcPlacement;
        EXPECT_EQ(Copy(m_pdev->xOffset), placement.left);
        EXPECT_EQ(Copy(m_pdev->yOffset), placement.top);
        EXPECT_EQ(Copy(m_pdev->ulScale), Copy(m_pdev->nupBlock.ulScale));
        EXPECT_LT(Copy(m_pdev->ulScale), kScaleNone);
        ASSERT_TRUE(EngineSendPage(&m_surface));
    }
    EXPECT_NE(Copy(m_pdev->xOffset), 0) << "the cells lie apart";
    ASSERT_TRUE(EndDocument(/*endOfJob=*/true));
}

TEST_F(PageDispatch, EachCellOfASheetTellsThePrinterItsStateAfresh)
{
    ASSERT_NE(Enable(LayoutDevmode(10)), nullptr);
    ASSERT_TRUE(BeginDocument());
    for (int n = 1; n <= 4; ++n)
        ASSERT_TRUE(Page([this] { PdlOutputClip(m_pdev, nullptr, nullptr); }));
    ASSERT_TRUE(EndDocument(/*endOfJob=*/true));
    const std::string job = FinishJob();
    // The sheet's setup writes the page clip for the first cell; each further cell starts from nothing known.
    EXPECT_EQ(CountOf(job, "cpc 0 0 0 "), 4u) << job;
    EXPECT_EQ(CountOf(job, "prn;\n"), 1u);
}

TEST_F(PageDispatch, APageOfItsOwnSheetIsDrawnAtItsOwnSize)
{
    ASSERT_NE(Enable(LayoutDevmode(1)), nullptr);
    ASSERT_TRUE(BeginDocument());
    ASSERT_TRUE(EngineStartPage(&m_surface));
    EXPECT_EQ(Copy(m_pdev->ulScale), kScaleNone);
    EXPECT_EQ(Copy(m_pdev->xOffset), 0);
    EXPECT_EQ(Copy(m_pdev->yOffset), 0);
    ASSERT_TRUE(EngineSendPage(&m_surface));
    ASSERT_TRUE(EndDocument(/*endOfJob=*/true));
}

TEST_F(PageDispatch, AFormFileHoldsOneSheetAndTheNextDocumentPrintsAgain)
{
    ASSERT_NE(EnableWithSink(WithForm(LayoutDevmode(8), 2)), nullptr);
    ASSERT_EQ(Copy(m_pdev->devmode.dmPrivate.lpOverlay), 2);
    ASSERT_TRUE(BeginDocument());
    ASSERT_TRUE(MarkedPage(1));
    ASSERT_TRUE(MarkedPage(2));
    EXPECT_EQ(Copy(m_pdev->dwFlags) & PDEVF_PAGE_SKIPPED, 0u);
    ASSERT_TRUE(MarkedPage(3));
    EXPECT_NE(Copy(m_pdev->dwFlags) & PDEVF_PAGE_SKIPPED, 0u) << "past the form's only sheet";
    ASSERT_TRUE(EndDocument(/*endOfJob=*/true));
    EXPECT_EQ(CommandLetters(m_sent), "o1" "2323" "4" "5rc") << "the third page sends nothing";
    EXPECT_EQ(FinishJob(), "") << "a form file's job goes to its file";

    const std::string form = ReadWorldFile(kFormPath);
    EXPECT_NE(form.find("rct 1 "), std::string::npos) << form;
    EXPECT_NE(form.find("rct 2 "), std::string::npos);
    EXPECT_EQ(form.find("rct 3 "), std::string::npos);
    EXPECT_EQ(form.find("@PJL"), std::string::npos) << "no job framing in a form";
    EXPECT_EQ(form.find("\x1b%-12345X"), std::string::npos);
    EXPECT_EQ(form.find("prn;"), std::string::npos) << "a form sheet is played inside other sheets";

    // The document events drop the form for the next document on the same device context: it prints.
    m_pdev->devmode.dmPrivate.lpOverlay = 1;
    m_sent.clear();
    ASSERT_TRUE(MarkedDocument(1));
    const std::string job = FinishJob();
    EXPECT_NE(job.find("rct 1 "), std::string::npos) << job;
    EXPECT_EQ(CountOf(job, "prn;\n"), 1u);
    EXPECT_EQ(Copy(m_pdev->dwFlags) & PDEVF_PAGE_SKIPPED, 0u);
}

TEST_F(PageDispatch, PrintingOverAFormRecordsItOnceAndRunsItOnEverySheet)
{
    struct Case { BYTE overlayOrder; const char* macro; };
    const Case cases[] = {
        {0, "mct 0;\nmcr 1 12 <!FORM BYTES\n!>;\n"},
        {1, "mct 1;\nmcr 1 12 <!FORM BYTES\n!>;\n"},
        {2, "ini 600 1 S;\nmcr 1 12 <!FORM BYTES\n!>;\n"},   // no order: the macro follows the header
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "overlay order " << int{c.overlayOrder});
        WriteWorldFile(kFormPath, "FORM BYTES\n");
        DRIVER_DEVMODE dm = WithForm(LayoutDevmode(10), 3);
        dm.dmPrivate.FormOverlayFileSize = 12;
        dm.dmPrivate.env.OverlayOrder_Check = c.overlayOrder;
        ASSERT_NE(EnableWithSink(dm), nullptr);
        m_sent.clear();
        ASSERT_TRUE(MarkedDocument(5));
        EXPECT_EQ(CommandLetters(m_sent), "o1f" "23232323" "4" "23" "4" "5rc");
        const std::string job = FinishJob();
        EXPECT_NE(job.find(c.macro), std::string::npos) << job;
        EXPECT_EQ(CountOf(job, "mcr "), 1u);
        EXPECT_EQ(CountOf(job, "mcx 1;\n"), 2u) << "once for each of the two sheets";
        EXPECT_LT(job.find("mcr "), job.find("mcx 1;\n"));
        NextCase();
    }
}

class RasterBands : public PageDispatch {
protected:
    void TearDown() override
    {
        if (m_band != nullptr) {
            EngUnlockSurface(m_band);
            EngDeleteSurface(m_hsurfBand);
        }
        PageDispatch::TearDown();
    }

    // A raster PDEV whose band bitmap is 16 x 10 one-bit pixels, for pages of the given height.
    SURFOBJ* EnableBands()
    {
        DRIVER_DEVMODE dm = DefaultDevmode();
        dm.dmPrivate.lpGraphicsMode = 1;
        dm.dmPrivate.dmPublicCopy.dmColor = DMCOLOR_MONOCHROME;
        if (Enable(dm) == nullptr)
            return nullptr;
        m_hsurfBand = reinterpret_cast<HSURF>(EngCreateBitmap(SIZEL{16, 10}, 2, BMF_1BPP, BMF_TOPDOWN, nullptr));
        m_band = EngLockSurface(m_hsurfBand);
        m_band->dhpdev = reinterpret_cast<DHPDEV>(m_pdev);   // as GDI's association sets it
        m_pdev->hsurf = m_hsurfBand;                          // and as DrvEnableSurface keeps it
        return m_band;
    }

    bool BandIsWhite() const
    {
        const auto* p = static_cast<const BYTE*>(m_band->pvBits);
        return std::all_of(p, p + m_band->cjBits, [](BYTE b) { return b == 0xFF; });
    }

    void Scribble() { std::memset(m_band->pvBits, 0x00, m_band->cjBits); }

    HSURF m_hsurfBand = nullptr;
    SURFOBJ* m_band = nullptr;
};

TEST_F(RasterBands, EachBandGoesToThePageUntilTheOneThatReachesItsEnd)
{
    ASSERT_NE(EnableBands(), nullptr);
    StartJob();
    ASSERT_TRUE(EngineStartDoc(m_band, const_cast<LPWSTR>(u"Report"), 1));
    struct Case { DWORD pageHeight; std::vector<LONG> nextTops; };
    const Case cases[] = {
        {35, {10, 20, 30, -1}},   // three and a half bands: the last covers rows 30 to 35
        {30, {10, 20, -1}},       // exactly three: the third is the last
        {10, {-1}},
        {4,  {-1}},
    };
    size_t pages = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "page height " << c.pageHeight);
        m_pdev->cyPage = c.pageHeight;
        ASSERT_TRUE(EngineStartPage(m_band));
        Scribble();
        POINTL origin = {5, 5};
        ASSERT_TRUE(EngineStartBanding(m_band, &origin));
        EXPECT_EQ(origin.x, 0);
        EXPECT_EQ(origin.y, 0) << "every page starts at its first band";
        for (const LONG top : c.nextTops) {
            Scribble();
            ASSERT_TRUE(EngineNextBand(m_band, &origin));
            if (top >= 0) {
                EXPECT_EQ(origin.x, 0);
                EXPECT_EQ(origin.y, top);
                EXPECT_TRUE(BandIsWhite()) << "the next band starts blank";
                EXPECT_NE(Copy(m_pdev->dwFlags) & PDEVF_PAGE_OPEN, 0u);
            } else {
                EXPECT_EQ(origin.x, -1);
                EXPECT_EQ(origin.y, -1);
                EXPECT_EQ(Copy(m_pdev->dwFlags) & PDEVF_PAGE_OPEN, 0u) << "the last band ends the page";
            }
        }
        ASSERT_TRUE(EngineSendPage(m_band)) << "the page was ended by its bands";
        ++pages;
    }
    PdlMarkJobEnded(m_pdev);
    ASSERT_TRUE(EngineEndDoc(m_band, 0));
    EXPECT_EQ(CountOf(FinishJob(), "prn;\n"), pages) << "each page ended once";
}

TEST_F(RasterBands, BandingBeginsAPageThatWasNotStarted)
{
    ASSERT_NE(EnableBands(), nullptr);
    StartJob();
    ASSERT_TRUE(EngineStartDoc(m_band, nullptr, 1));
    m_pdev->cyPage = 20;
    Scribble();
    POINTL origin = {};
    ASSERT_TRUE(EngineStartBanding(m_band, &origin));
    EXPECT_TRUE(BandIsWhite());
    EXPECT_EQ(Copy(m_pdev->cPagesBegun), 1u);
    EXPECT_FALSE(EngineStartBanding(m_band, nullptr));
    EXPECT_FALSE(EngineNextBand(m_band, nullptr));
    m_pdev->dwFlags |= PDEVF_OUTPUT_FAILED;
    EXPECT_FALSE(EngineNextBand(m_band, &origin));
    EXPECT_FALSE(EngineStartPage(m_band));
    EXPECT_FALSE(EngineSendPage(m_band));
}

TEST_F(PageDispatch, AnInvalidPdevFailsEveryCallWithInvalidParameter)
{
    SURFOBJ stale = {};
    POINTL origin = {};
    const std::vector<std::pair<const char*, BOOL (*)(SURFOBJ*, POINTL*)>> calls = {
        {"StartDoc", [](SURFOBJ* pso, POINTL*) { return EngineStartDoc(pso, nullptr, 1); }},
        {"EndDoc", [](SURFOBJ* pso, POINTL*) { return EngineEndDoc(pso, 0); }},
        {"StartPage", [](SURFOBJ* pso, POINTL*) { return EngineStartPage(pso); }},
        {"SendPage", [](SURFOBJ* pso, POINTL*) { return EngineSendPage(pso); }},
        {"StartBanding", EngineStartBanding},
        {"NextBand", EngineNextBand},
    };
    for (const auto& [name, call] : calls) {
        SCOPED_TRACE(name);
        SetLastError(0);
        EXPECT_FALSE(call(&stale, &origin));
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    }
}

TEST_F(PageDispatch, ANewDocumentForgetsAPageLeftOpenByAnAbortedOne)
{
    ASSERT_NE(Enable(DefaultDevmode()), nullptr);
    ASSERT_TRUE(BeginDocument());
    ASSERT_TRUE(MarkedPage(1));
    ASSERT_TRUE(EngineStartPage(&m_surface));
    ASSERT_TRUE(EngineEndDoc(&m_surface, ED_ABORTDOC));
    FinishJob();
    ASSERT_TRUE(MarkedDocument(1));
    const std::string job = FinishJob();
    EXPECT_EQ(CountOf(job, "@PJL\n"), 1u) << job;
    EXPECT_EQ(CountOf(job, "prn;\n"), 1u);
}

} // namespace
