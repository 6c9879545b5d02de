// capture_test.cpp - the paperless capture: sheets nothing was drawn on never reach the printer, drawn ones
// do, in order; the capture buffer's limit; and a holding file that cannot be written.
#include "customnt/vqddigfx/pdev_fixture.h"
#include "customnt/vqddigfx/drawing.h"
#include "pdl/vxcmn/capture.h"
#include "pdl/vxcmn/streamnt.h"
#include "pdl/vxcmn/vxcmnnt.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace {

class Paperless : public PdevTest {
protected:
    // A paperless job in a language that holds sheets back (not VQPDL, whose blank sheets are left out
    // another way), with its holding file.
    void BeginPaperless(const std::u16string& holdingFile = u"C:\\hold.tmp")
    {
        DRIVER_DEVMODE dm = DefaultDevmode();
        dm.dmPrivate.lpPDLType = 1;
        dm.dmPrivate.env.PaperLess_Check = 1;
        ASSERT_NE(Enable(dm), nullptr);
        ASSERT_TRUE(BeginDocument());
        JOB_EXTRA_RECORD* pContext = PdlGetContext(m_pdev);
        ASSERT_EQ(pContext->bPaperless, 1);
        std::memcpy(pContext->szHoldingFile, holdingFile.c_str(), (holdingFile.size() + 1) * sizeof(WCHAR));
    }

    // A page with a marker line; with ink, a black rectangle drawn on it as well.
    BOOL MarkedPage(int number, bool ink)
    {
        return Page([&] {
            if (ink) {
                BRUSHOBJ black = {0, nullptr, 0};
                RECTL rect = {0, 0, 8, 8};
                BitBltImpl(&m_surface, nullptr, nullptr, nullptr, nullptr, &rect, nullptr, nullptr, &black, nullptr,
                           0xF0F0);
            }
            PdlPrintf(m_pdev, "rem page %d;\n", number);   // last: the sheet's eject follows it at once
        });
    }
};

TEST_F(Paperless, ASheetWithoutInkIsDroppedWholeAndTheOthersKeepTheirOrder)
{
    BeginPaperless();
    ASSERT_TRUE(MarkedPage(1, /*ink=*/true));
    ASSERT_TRUE(MarkedPage(2, /*ink=*/false));
    ASSERT_TRUE(MarkedPage(3, /*ink=*/true));
    ASSERT_TRUE(EndDocument(/*endOfJob=*/true));
    const std::string job = FinishJob();
    EXPECT_NE(job.find("@PJL ENTER LANGUAGE = PCL\n"), std::string::npos);
    const size_t page1 = job.find("rem page 1;\nprn;\n");
    const size_t page3 = job.find("rem page 3;\nprn;\n\x1b%-12345X");
    ASSERT_NE(page1, std::string::npos) << job;
    ASSERT_NE(page3, std::string::npos) << job;
    // Between them only the third sheet's own setup; nothing of the second.
    const std::string between = job.substr(page1 + 17, page3 - page1 - 17);
    EXPECT_EQ(between.find("prn;"), std::string::npos) << between;
    EXPECT_NE(between.find("org "), std::string::npos) << between;
    EXPECT_EQ(job.find("rem page 2;"), std::string::npos) << job;
}

TEST_F(Paperless, WhiteDrawingAndPageAdditionsLeaveASheetBlank)
{
    BeginPaperless();
    ASSERT_TRUE(Page([&] {
        PdlPrintf(m_pdev, "rem white;\n");
        BRUSHOBJ white = {0xFFFFFF, nullptr, 0};
        RECTL rect = {0, 0, 8, 8};
        BitBltImpl(&m_surface, nullptr, nullptr, nullptr, nullptr, &rect, nullptr, nullptr, &white, nullptr,
                   0xF0F0);
        BitBltImpl(&m_surface, nullptr, nullptr, nullptr, nullptr, &rect, nullptr, nullptr, nullptr, nullptr,
                   0xFFFF);   // WHITENESS
        PdlBeginPageAdditions(m_pdev, 1);   // the interface module's own additions
        BRUSHOBJ black = {0, nullptr, 0};
        BitBltImpl(&m_surface, nullptr, nullptr, nullptr, nullptr, &rect, nullptr, nullptr, &black, nullptr,
                   0xF0F0);
        PdlEndPageAdditions(m_pdev);
    }));
    ASSERT_TRUE(MarkedPage(2, /*ink=*/true));
    ASSERT_TRUE(EndDocument(/*endOfJob=*/true));
    const std::string job = FinishJob();
    EXPECT_EQ(job.find("rem white;"), std::string::npos) << job;
    EXPECT_NE(job.find("rem page 2;\nprn;\n"), std::string::npos) << job;
}

TEST_F(Paperless, AFullCaptureBufferIsFlushedOnceAndKeepsWhatFollows)
{
    BeginPaperless();
    std::string data(1024001, 'x');
    data.back() = 'y';
    AppendPaperlessCapture(m_pdev, reinterpret_cast<const BYTE*>(data.data()), static_cast<DWORD>(data.size()));
    EXPECT_EQ(Copy(PdlGetContext(m_pdev)->cbPaperless), 1u);
    ASSERT_TRUE(EndDocument(/*endOfJob=*/false));
    const std::string job = FinishJob();
    EXPECT_EQ(job, data) << "every byte reaches the printer, in order";
}

TEST_F(Paperless, AHoldingFileThatCannotBeWrittenFailsTheDocument)
{
    BeginPaperless(u"");   // the interface module named no holding file
    EXPECT_FALSE(MarkedPage(1, /*ink=*/true)) << "the sheet was lost: the page fails";
    EXPECT_FALSE(EndDocument(/*endOfJob=*/true)) << "and so does the document";
}

TEST_F(Paperless, IsOffForVqpdlFormFilesAndFaxCoverSheets)
{
    struct Case { BYTE pdlType; BYTE overlay; BYTE output; BYTE coverSheet; BYTE paperless; };
    const Case cases[] = {
        {1, 1, 2, 0, 1},
        {0, 1, 2, 0, 0},
        {1, 2, 2, 0, 0},
        {1, 1, 1, 1, 0},
        {1, 1, 1, 0, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
        DRIVER_DEVMODE dm = DefaultDevmode();
        dm.dmPrivate.lpPDLType = c.pdlType;
        dm.dmPrivate.lpOverlay = c.overlay;
        dm.dmPrivate.env.lpOutput = c.output;
        dm.dmPrivate.env.CoverSheet = c.coverSheet;
        dm.dmPrivate.env.PaperLess_Check = 1;
        PDEV* pdev = nullptr;
        GDIINFO gi;
        DEVINFO di;
        ASSERT_TRUE(EngineEnablePDEV(&dm, m_hPrinter, 0, nullptr, &gi, &di, &pdev));
        OpenJobDocument(pdev);
        EXPECT_EQ(Copy(PdlGetContext(pdev)->bPaperless), c.paperless);
        EXPECT_EQ(PdlGetContext(pdev)->pPaperlessBuffer != nullptr, c.paperless == 1);
        CloseJobDocument(pdev);
        DisablePDEVImpl(reinterpret_cast<DHPDEV>(pdev));
    }
}

} // namespace
