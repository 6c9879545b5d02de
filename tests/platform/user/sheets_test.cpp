// sheets_test.cpp - the common property-sheet UI driving TESTSHT.DLL's sheet as the spooler shows it:
// pages made when first shown, the PSN_ notifications with their answers, the sheet function's reasons in
// order, and DocumentPropertiesW with DM_IN_PROMPT and PrinterProperties showing it.
#include "platform/modules/test_module_fixture.h"
#include "ui_sheet/test_sheet.h"
#include "host/printers.h"
#include "host/ui.h"
#include "win/compstui.h"
#include "win/prsht.h"
#include "win/winddiui.h"

#include <dlfcn.h>

class Sheets : public WorldTest {
protected:
    void SetUp() override
    {
        WorldTest::SetUp();
        m_library = dlopen((BuiltModuleFolder() / "TESTSHT.DLL").c_str(), RTLD_NOW | RTLD_LOCAL);
        ASSERT_NE(m_library, nullptr) << dlerror();
        m_record = static_cast<TestSheetRecord*>(dlsym(m_library, TEST_SHEET_RECORD_SYMBOL));
        ASSERT_NE(m_record, nullptr);
        *m_record = {};
        host::PrinterSetup setup;
        setup.name = u"Sheet Printer";
        setup.driverName = u"Sheet Driver";
        setup.driverFile = u"TESTDRV.DLL";
        setup.configFile = u"TESTSHT.DLL";
        setup.dataFile = u"TESTSHT.DLL";
        host::InstallPrinter(setup);
        ASSERT_TRUE(OpenPrinterW(const_cast<LPWSTR>(u"Sheet Printer"), &m_printer, nullptr));
        host::ClearUserScript();
        host::ClearShownRecord();
    }

    void TearDown() override
    {
        if (m_printer != nullptr)
            ClosePrinter(m_printer);
        if (m_record != nullptr)
            *m_record = {};
        if (m_library != nullptr)
            dlclose(m_library);
        WorldTest::TearDown();
    }

    // Shows the document sheet with the script; answers DocumentPropertiesW's result.
    LONG ShowDocumentSheet(const std::string& script, DEVMODEW* out = nullptr)
    {
        host::SetUserScript(script);
        DEVMODEW scratch = {};
        return DocumentPropertiesW(nullptr, m_printer, const_cast<LPWSTR>(u"Sheet Printer"),
                                   out != nullptr ? out : &scratch, nullptr, DM_IN_PROMPT | DM_OUT_BUFFER);
    }

    void ExpectNoFailures()
    {
        const auto failures = host::UserScriptFailures();
        EXPECT_TRUE(failures.empty()) << failures.front();
    }

    void* m_library = nullptr;
    TestSheetRecord* m_record = nullptr;
    HANDLE m_printer = nullptr;
};

TEST_F(Sheets, OkAppliesThePagesMadeInOrderThenDestroysThemAndTheSheet)
{
    DEVMODEW dm = {};
    EXPECT_EQ(ShowDocumentSheet("sheet\n  type 101 \"3\"\n  click 1\n", &dm), IDOK);
    ExpectNoFailures();
    EXPECT_EQ(m_record->log, (std::vector<std::string>{
                                 "document INIT", "GET_INFO_HEADER", "page 100 WM_INITDIALOG 1000",
                                 "page 100 PSN_SETACTIVE", "page 100 PSN_KILLACTIVE", "page 100 PSN_APPLY",
                                 "SET_RESULT 1", "page 100 WM_DESTROY", "DESTROY 1"}))
        << "only the first page is made at opening";
    EXPECT_EQ(dm.dmCopies, 3);
    EXPECT_EQ(host::ShownRecord(),
              (std::vector<std::string>{"sheet \"Test Printer Properties\"", "page 100"}));
}

TEST_F(Sheets, MovingToAPageMakesItOnceAndOkAppliesEveryPageMade)
{
    EXPECT_EQ(ShowDocumentSheet("sheet\n  page 200\n  page 100\n  page 200\n  click 1\n"), IDOK);
    ExpectNoFailures();
    EXPECT_EQ(m_record->log, (std::vector<std::string>{
                                 "document INIT", "GET_INFO_HEADER", "page 100 WM_INITDIALOG 1000",
                                 "page 100 PSN_SETACTIVE", "page 100 PSN_KILLACTIVE", "page 200 WM_INITDIALOG 2000",
                                 "page 200 PSN_SETACTIVE", "page 200 PSN_KILLACTIVE", "page 100 PSN_SETACTIVE",
                                 "page 100 PSN_KILLACTIVE", "page 200 PSN_SETACTIVE", "page 200 PSN_KILLACTIVE",
                                 "page 100 PSN_APPLY", "SET_RESULT 1", "page 200 PSN_APPLY", "SET_RESULT 1",
                                 "page 100 WM_DESTROY", "page 200 WM_DESTROY", "DESTROY 1"}));
}

TEST_F(Sheets, APageThatRefusesToBeLeftKeepsTheUserAndCancelResetsIt)
{
    m_record->answers["page 100 PSN_KILLACTIVE"] = TRUE;
    EXPECT_EQ(ShowDocumentSheet("sheet\n  page 200\n  click 1\n  click 2\n"), IDCANCEL);
    ExpectNoFailures();
    EXPECT_EQ(m_record->log, (std::vector<std::string>{
                                 "document INIT", "GET_INFO_HEADER", "page 100 WM_INITDIALOG 1000",
                                 "page 100 PSN_SETACTIVE", "page 100 PSN_KILLACTIVE", "page 100 PSN_KILLACTIVE",
                                 "page 100 PSN_QUERYCANCEL", "page 100 PSN_RESET", "page 100 WM_DESTROY",
                                 "DESTROY 0"}));
}

TEST_F(Sheets, AnInvalidApplyKeepsTheSheetOpen)
{
    m_record->answers["page 100 PSN_APPLY"] = PSNRET_INVALID_NOCHANGEPAGE;
    EXPECT_EQ(ShowDocumentSheet("sheet\n  click 1\n  click 2\n"), IDCANCEL);
    ExpectNoFailures();
    const auto& log = m_record->log;
    EXPECT_EQ(std::count(log.begin(), log.end(), "page 100 PSN_APPLY"), 1);
    EXPECT_EQ(std::count(log.begin(), log.end(), "SET_RESULT 1"), 0);
    EXPECT_EQ(std::count(log.begin(), log.end(), "page 100 PSN_RESET"), 1);
}

TEST_F(Sheets, ARefusedInitShowsNothingAndFails)
{
    m_record->refuseInit = true;
    DEVMODEW dm = {};
    dm.dmCopies = 7;
    EXPECT_EQ(ShowDocumentSheet("", &dm), -1);
    EXPECT_EQ(dm.dmCopies, 7);
    EXPECT_TRUE(host::ShownRecord().empty());
    EXPECT_EQ(m_record->log, (std::vector<std::string>{"document INIT", "DESTROY 0"}));
}

TEST_F(Sheets, PrinterPropertiesShowsTheDeviceSheet)
{
    host::SetUserScript("sheet\n  click 2\n");
    EXPECT_TRUE(PrinterProperties(nullptr, m_printer));
    ExpectNoFailures();
    ASSERT_FALSE(m_record->log.empty());
    EXPECT_EQ(m_record->log.front(), "device INIT");
    EXPECT_EQ(m_record->log.back(), "DESTROY 0");
}

TEST_F(Sheets, AnUnexpectedSheetFailsAndIsCancelled)
{
    EXPECT_EQ(ShowDocumentSheet(""), IDCANCEL);
    const auto failures = host::UserScriptFailures();
    ASSERT_FALSE(failures.empty());
    EXPECT_EQ(failures.front(), "unexpected sheet");
}

TEST_F(Sheets, TheHeaderSaysTheCaptionAndWhetherThereIsAnApplyButton)
{
    struct Case {
        int flags;
        const char16_t* suffix;
        const char* caption;
        bool apply;
    };
    const Case cases[] = {
        {-1, nullptr, "Test Printer Properties", true},
        {-1, u" Settings", "Test Printer Settings", true},
        {0, nullptr, "Test Printer", true},
        {PSUIHDRF_PROPTITLE | PSUIHDRF_EXACT_PTITLE, nullptr, "Test Printer", true},
        {PSUIHDRF_PROPTITLE | PSUIHDRF_NOAPPLYNOW, nullptr, "Test Printer Properties", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.caption);
        m_record->headerFlags = c.flags;
        if (c.suffix != nullptr)
            host::SetSheetCaptionSuffix(c.suffix);
        static bool hasApply = false;
        host::OnWindowShown([](HWND window, const std::string& name) {
            if (name == "sheet")
                hasApply = GetDlgItem(window, 0x3021) != nullptr;
        });
        host::ClearShownRecord();
        EXPECT_EQ(ShowDocumentSheet("sheet\n  click 2\n"), IDCANCEL);
        host::OnWindowShown({});
        host::SetSheetCaptionSuffix(u" Properties");
        ExpectNoFailures();
        ASSERT_FALSE(host::ShownRecord().empty());
        EXPECT_EQ(host::ShownRecord().front(), std::string("sheet \"") + c.caption + "\"");
        EXPECT_EQ(hasApply, c.apply);
    }
}
