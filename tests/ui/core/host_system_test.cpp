// host_system_test.cpp - the system's version code, the sheet's host as its parent's title tells it, and the
// help each system opens.
#include "ui/core/driver_help.h"
#include "ui/core/host_system.h"
#include "settings/strings/res_strings.h"
#include "settings/strings/string_ids.h"
#include "host/faults.h"
#include "host/ui.h"
#include "host/world.h"
#include "support/printer_fixture.h"

#include <string>
#include <vector>

namespace {

class HostSystem : public PrinterWorldTest {
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
        for (HWND window : m_windows)
            DestroyWindow(window);
        TermResStrings();
        PrinterWorldTest::TearDown();
    }

    // A page window whose parent, the sheet, has the title; a page without a parent for null.
    HWND Page(const char16_t* sheetTitle)
    {
        HWND sheet = nullptr;
        if (sheetTitle != nullptr) {
            sheet = CreateWindowExW(0, u"Static", sheetTitle, WS_POPUP, 0, 0, 100, 100, nullptr, nullptr, nullptr,
                                    nullptr);
            m_windows.push_back(sheet);
        }
        const HWND page = CreateWindowExW(0, u"Static", u"", sheet != nullptr ? WS_CHILD : WS_POPUP, 0, 0, 50, 50,
                                          sheet, nullptr, nullptr, nullptr);
        m_windows.insert(m_windows.begin(), page);
        return page;
    }

    std::vector<HWND> m_windows;
};

struct VersionCase {
    DWORD platform;
    DWORD major;
    DWORD minor;
    DWORD code;
    BOOL nt5;
    BOOL nt6;
};

TEST_F(HostSystem, EachSystemHasItsVersionCode)
{
    const VersionCase cases[] = {
        {VER_PLATFORM_WIN32_WINDOWS, 4, 0, kOsWindows95, FALSE, FALSE},
        {VER_PLATFORM_WIN32_WINDOWS, 4, 10, kOsWindows98, FALSE, FALSE},
        {VER_PLATFORM_WIN32_WINDOWS, 4, 90, 0, FALSE, FALSE},
        {VER_PLATFORM_WIN32_NT, 4, 0, kOsWindowsNT4, FALSE, FALSE},
        {VER_PLATFORM_WIN32_NT, 5, 0, kOsWindows2000, TRUE, FALSE},
        {VER_PLATFORM_WIN32_NT, 5, 1, kOsWindowsXP, TRUE, FALSE},
        {VER_PLATFORM_WIN32_NT, 5, 2, 0, TRUE, FALSE},
        {VER_PLATFORM_WIN32_NT, 6, 0, 0, FALSE, TRUE},
        {VER_PLATFORM_WIN32_NT, 10, 0, 0, FALSE, TRUE},
    };
    for (const VersionCase& c : cases) {
        host::SetVersion(c.major, c.minor, 1000, u"", c.platform);
        EXPECT_EQ(GetOsVersionCode(), c.code) << c.platform << " " << c.major << "." << c.minor;
        EXPECT_EQ(IsWindowsNT5(), c.nt5) << c.platform << " " << c.major << "." << c.minor;
        EXPECT_EQ(IsNT6OrLater(), c.nt6) << c.platform << " " << c.major << "." << c.minor;
    }
}

TEST_F(HostSystem, TheSpoolersTitleEndingsMeanNoApplicationHostsTheSheet)
{
    const std::u16string end4 = GetResString(kIdsSpoolerTitleEnd4);
    const std::u16string end5 = GetResString(kIdsSpoolerTitleEnd5);
    ASSERT_EQ(end4.size(), 4u);
    ASSERT_EQ(end5.size(), 5u);
    struct Case {
        std::u16string title;
        BOOL hosted;
    };
    const Case cases[] = {
        {u"QN-804C Printing Preferences", FALSE},
        {u"QN-804C Properties", FALSE},
        {u"Print Setup", TRUE},
        {u"x" + end4, FALSE},                          // five characters, the four-character ending
        {end4, TRUE},                                  // shorter than five: an application's title
        {end5, FALSE},
        {u"QN-804C PROPERTIES", TRUE},                 // compared case-sensitively
        {u"", TRUE},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CheckSheetCaption(Page(c.title.c_str())), c.hosted) << std::string(c.title.begin(), c.title.end());
    EXPECT_TRUE(CheckSheetCaption(Page(nullptr))) << "no parent";

    const HWND spoolerPage = Page(u"QN-804C Properties");
    host::InjectFault(host::Fault::GlobalAlloc, 1, 1);
    EXPECT_TRUE(CheckSheetCaption(spoolerPage)) << "the title's buffer could not be allocated";
}

TEST_F(HostSystem, OnlyNt5RewritesTheHostFlag)
{
    UI_STATE state = {};
    const HWND spooler = Page(u"QN-804C Printing Preferences");
    const HWND application = Page(u"Document - Editor");

    host::SetVersion(5, 1, 2600, u"", VER_PLATFORM_WIN32_NT);
    DetectHostWindow(application, &state);
    EXPECT_EQ(state.HostFlag, 1u);
    DetectHostWindow(spooler, &state);
    EXPECT_EQ(state.HostFlag, 0u);

    host::SetVersion(6, 1, 7601, u"", VER_PLATFORM_WIN32_NT);
    DetectHostWindow(application, &state);
    EXPECT_EQ(state.HostFlag, 0u) << "kept on NT 6";
}

struct HelpCase {
    DWORD major;
    UINT command;
    BOOL opened;
    const char* record;   // empty: nothing asked of any help engine
};

TEST_F(HostSystem, Nt6OpensOnlyContextHelpFromTheHtmlFile)
{
    static const DWORD kTable[] = {1001, 5001, 0, 0};
    const ULONG_PTR table = reinterpret_cast<ULONG_PTR>(kTable);
    const HelpCase cases[] = {
        {6, HELP_CONTEXT, TRUE, "help HtmlHelpW \"C:\\\\WINDOWS\\\\system32\\\\spool\\\\drivers\\\\w32x86\\\\3\\\\Q73MZRHZ.chm\" 0x000F 42"},
        {6, HELP_CONTEXTMENU, FALSE, ""},
        {6, HELP_WM_HELP, FALSE, ""},
        {5, HELP_CONTEXT, TRUE, "help WinHelpW \"C:\\\\WINDOWS\\\\system32\\\\spool\\\\drivers\\\\w32x86\\\\3\\\\Q73MZRHZ.hlp\" 0x0001 42"},
        {5, HELP_WM_HELP, TRUE, "help WinHelpW \"C:\\\\WINDOWS\\\\system32\\\\spool\\\\drivers\\\\w32x86\\\\3\\\\Q73MZRHZ.hlp\" 0x000C"},
    };
    for (const HelpCase& c : cases) {
        host::SetVersion(c.major, 0, 1000, u"", VER_PLATFORM_WIN32_NT);
        host::ClearShownRecord();
        WCHAR path[MAX_PATH] = {};
        const ULONG_PTR data = c.command == HELP_CONTEXT ? 42 : table;
        EXPECT_EQ(ShowDriverHelp(Page(u"Sheet"), path, c.command, data) != FALSE, c.opened != FALSE)
            << c.major << " " << c.command;
        const std::vector<std::string> shown = host::ShownRecord();
        if (c.record[0] == '\0') {
            EXPECT_TRUE(shown.empty()) << shown.front();
        } else {
            ASSERT_EQ(shown.size(), 1u) << c.major << " " << c.command;
            EXPECT_EQ(shown[0].rfind(c.record, 0), 0u) << shown[0];
        }
    }
}

} // namespace
