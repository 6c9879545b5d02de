// insert_sheets_test.cpp - a document with insert sheets, one of them an index tab sheet, printed end to end:
// the test plays the interface module's part on the printer device context (the entries, the insert paper and
// the build before the first page, the tab text drawn with GDI into the capture on the first page) and reads
// the sheets of the job.
#include "job_sheets.h"
#include "host/printers.h"
#include "settings/devmode/driver_devmode.h"
#include "settings/base/private_escape_codes.h"
#include "settings/store/list_group_records.h"
#include "support/printer_fixture.h"
#include "tools/sample/sample_job.h"

#include <cstring>
#include <string>
#include <vector>

namespace {

using InsertSheets = PrinterWorldTest;

INTERSHEET_ENTRY Entry(SHORT type, const std::u16string& pages, SHORT tray, SHORT tab)
{
    INTERSHEET_ENTRY entry = {};
    std::memcpy(entry.Page, pages.data(), pages.size() * sizeof(WCHAR));
    entry.Type = type;
    entry.Tray = tray;
    entry.Stat = 1;
    entry.Binding = 1;
    entry.PrnTabIndex = tab;
    entry.PrnTabIndexNo = 2;
    entry.TabTextOrient = 1;
    entry.TabTextAlign = 2;
    entry.TabTextFontSize = 12;
    return entry;
}

bool SendLong(HDC hdc, ULONG code, LONG value)
{
    return ExtEscape(hdc, static_cast<int>(code), sizeof value, reinterpret_cast<LPCSTR>(&value), 0, nullptr) == 1;
}

bool Send(HDC hdc, ULONG code, const void* pData = nullptr, int cb = 0)
{
    return ExtEscape(hdc, static_cast<int>(code), cb, static_cast<LPCSTR>(pData), 0, nullptr) == 1;
}

// The tab's text drawn into the capture as the interface module draws it, for one side of the tab sheet.
bool CaptureTabSide(HDC hdc, ULONG sideCode)
{
    static const WCHAR kText[] = u"Chapter 2";
    if (!Send(hdc, ESC_BEGIN_TAB_PAGES))
        return false;
    const bool drawn = TextOutW(hdc, 1000, 1000, kText, 9) != FALSE;
    return Send(hdc, ESC_END_TAB_PAGES) && drawn && Send(hdc, sideCode);
}

TEST_F(InsertSheets, InsertedSheetsAndTheTabTextStandBetweenThePages)
{
    std::vector<BYTE> devmode = SampleJobDevmode(kPrinterName, {});
    ASSERT_GE(devmode.size(), sizeof(DRIVER_DEVMODE));
    auto* pdm = reinterpret_cast<DRIVER_DEVMODE*>(devmode.data());
    pdm->dmPrivate.env.InterSheet_Check = 1;
    HDC hdc = CreateDCW(nullptr, kPrinterName, nullptr, &pdm->dmPublic);
    ASSERT_NE(hdc, nullptr);
    DOCINFOW di = {sizeof di, u"Inserts", nullptr, nullptr, 0};
    ASSERT_GT(StartDocW(hdc, &di), 0);

    // Before the first page: an index tab sheet from tray 2 after page 1, a plain sheet before page 3.
    const INTERSHEET_ENTRY entries[] = {Entry(1, u"1", 2, 1), Entry(6, u"3", 4096, 0)};
    INDEX_PAPER_SETTINGS paper = {};
    paper.TabPaperSize = DMPAPER_A4;
    paper.TabIndexNum = 5;
    paper.TabTopMargin = 10;
    paper.TabBottomMargin = 10;
    paper.TabIndexSpace = 2;
    ASSERT_TRUE(SendLong(hdc, ESC_SET_INSERT_COUNT, 2));
    ASSERT_TRUE(Send(hdc, ESC_SET_INSERT_SHEETS, entries, sizeof entries));
    ASSERT_TRUE(Send(hdc, ESC_SET_INDEX_PAPER, &paper, sizeof paper));
    ASSERT_TRUE(SendLong(hdc, ESC_SET_INSERT_LIST_VALUE, 1));
    ASSERT_TRUE(Send(hdc, ESC_REBUILD_PAGE_PLAN));

    for (int page = 1; page <= 4; ++page) {
        ASSERT_GT(StartPage(hdc), 0);
        if (page == 1) {
            // The tab text of entry 1, both sides, before anything of the page is drawn.
            ASSERT_TRUE(SendLong(hdc, ESC_SET_TAB_COUNT, 1));
            ASSERT_TRUE(SendLong(hdc, ESC_SET_TAB_VALUE, 1));
            ASSERT_TRUE(CaptureTabSide(hdc, ESC_SET_TAB_SIDE));
            ASSERT_TRUE(CaptureTabSide(hdc, ESC_SET_TAB_SIDE_BACK));
            ASSERT_TRUE(Send(hdc, ESC_NEXT_TAB));
            ASSERT_TRUE(Send(hdc, ESC_SET_TABS_DONE));
        }
        ASSERT_TRUE(Rectangle(hdc, 500, 500, 1500, 1200));
        ASSERT_GT(EndPage(hdc), 0);
    }
    ASSERT_GT(EndDoc(hdc), 0);
    DeleteDC(hdc);

    const auto files = host::JobFiles(kPrinterName);
    ASSERT_FALSE(files.empty());
    const JobLayout layout = ReadJobLayout(host::ReadJobFile(files.back()));
    EXPECT_EQ(layout.fault, "");
    // Page 1, the tab sheet, page 2, the plain insert, pages 3 and 4.
    ASSERT_EQ(layout.sheets, 6);
    const std::string pageTray = FirstOnSheet(layout, 0, "ppt")->text;
    struct SheetCase { int sheet; bool page; bool tabText; std::string tray; };
    const SheetCase sheets[] = {
        {0, true, false, pageTray}, {1, false, true, "ppt 2"},   {2, true, false, pageTray},
        {3, false, false, pageTray}, {4, true, false, pageTray}, {5, true, false, pageTray},
    };
    for (const SheetCase& s : sheets) {
        SCOPED_TRACE("sheet " + std::to_string(s.sheet + 1));
        EXPECT_EQ(layout.CountOnSheet(s.sheet, "pps"), 1u);
        const JobCommand* tray = FirstOnSheet(layout, s.sheet, "ppt");
        ASSERT_NE(tray, nullptr);
        EXPECT_EQ(tray->text, s.tray);
        EXPECT_EQ(layout.CountOnSheet(s.sheet, "phf") + layout.CountOnSheet(s.sheet, "rct") > 0, s.page || s.tabText)
            << "the page's rectangle, or the tab sheet's white ground";
        EXPECT_EQ(TextOnSheet(layout, s.sheet) > 0, s.tabText) << "the tab text only on the tab sheet";
    }
    EXPECT_EQ(FirstOnSheet(layout, 1, "pps")->text.rfind("pps A4", 0), 0u) << "the insert paper";
}

} // namespace
