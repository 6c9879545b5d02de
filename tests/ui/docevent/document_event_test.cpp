// document_event_test.cpp - DrvDocumentEvent of the interface module: which events send which escapes in
// which order, what the events answer when the graphics module refuses them, and that an event leaves
// nothing allocated or loaded behind, whichever block it could not have.
#include "docevent_fixture.h"
#include "host/faults.h"
#include "host/gdi.h"
#include "host/printers.h"
#include "host/text.h"
#include "host/world.h"
#include "settings/devmode/driver_devmode.h"
#include "settings/registry/registry_paths.h"

#include <algorithm>

namespace {

constexpr const WCHAR* kExcelPath = u"C:\\Program Files\\Office\\EXCEL.EXE";
constexpr const WCHAR* kTestProgramPath = u"C:\\Program Files\\App\\APP.EXE";   // the world's own

// The escapes of a plain job's STARTDOC, in order: user name, cancel byte 0, program name, the job's
// settings (the version check), the devmode (the font-substitution list).
const std::vector<std::string> kPlainStartDoc = {
    "6FFFFF02 510 0", "6FFFFF03 1 0", "6FFFFF07 64 0", "6FFFFF00 0 9075", "7FFFFFFF 0 2615",
};

class DocumentEvents : public DocumentEventTest {
protected:
    static DWORD StoredDriverVersion()
    {
        WCHAR path[kRegPathChars];
        if (!BuildPrinterRegPath(path, kRegPathChars, kPrinterName, nullptr, nullptr))
            return 0;
        HKEY key = nullptr;
        DWORD version = 0;
        DWORD cb = sizeof version;
        if (RegOpenKeyExW(HKEY_CURRENT_USER, path, 0, KEY_READ, &key) != ERROR_SUCCESS)
            return 0;
        RegQueryValueExW(key, u"DriverVersion", nullptr, nullptr, reinterpret_cast<BYTE*>(&version), &cb);
        RegCloseKey(key);
        return version;
    }

    static bool BookModeKeyExists(const WCHAR* printer)
    {
        WCHAR path[kRegPathChars];
        HKEY key = nullptr;
        if (!BuildPrinterRegPath(path, kRegPathChars, printer, u"BookMode", nullptr) ||
            RegOpenKeyExW(HKEY_CURRENT_USER, path, 0, KEY_READ, &key) != ERROR_SUCCESS)
            return false;
        RegCloseKey(key);
        return true;
    }

    static void DeleteBookModeKey(const WCHAR* printer)
    {
        WCHAR path[kRegPathChars];
        if (BuildPrinterRegPath(path, kRegPathChars, printer, u"BookMode", nullptr))
            RegDeleteKeyW(HKEY_CURRENT_USER, path);
    }

    // Whether the resource library is loaded in the process: the events hold it only while they run.
    static bool ResourceLibraryLoaded()
    {
        return GetModuleHandleW(u"Q73MZRT3.DLL") != nullptr;
    }
};

TEST_F(DocumentEvents, APlainJobSendsItsNamesSettingsAndDevmodeInOrder)
{
    ASSERT_NE(OpenOtherDriversDc(/*escapeAnswer=*/1), nullptr) << GetLastError();
    DOCINFOW di = {sizeof di, u"Report", nullptr, nullptr, 0};
    ASSERT_GT(StartDocW(m_hdc, &di), 0) << GetLastError();
    EXPECT_EQ(EscapesReceived(), kPlainStartDoc);

    // Before every page the ten user-defined sizes; at the end the end of the job.
    for (int page = 0; page < 2; ++page) {
        host::ClearDebugTrace();
        ASSERT_GT(StartPage(m_hdc), 0);
        EXPECT_EQ(EscapesReceived(), std::vector<std::string>{"6FFFFF05 80 0"}) << "page " << page + 1;
        host::ClearDebugTrace();
        ASSERT_GT(EndPage(m_hdc), 0);
        EXPECT_EQ(EscapesReceived(), std::vector<std::string>{}) << "page " << page + 1;
    }
    host::ClearDebugTrace();
    ASSERT_GT(EndDoc(m_hdc), 0);
    EXPECT_EQ(EscapesReceived(), std::vector<std::string>{"6FFFFE15 0 0"});
    EXPECT_FALSE(ResourceLibraryLoaded());
}

TEST_F(DocumentEvents, EventsNoHandlerKnowsSendNothingAndSucceed)
{
    ASSERT_NE(OpenOtherDriversDc(/*escapeAnswer=*/0), nullptr) << GetLastError();
    // The graphics module refuses everything here, so an escape sent would also fail the event.
    const INT events[] = {
        DOCUMENTEVENT_CREATEDCPRE, DOCUMENTEVENT_CREATEDCPOST, DOCUMENTEVENT_RESETDCPOST, DOCUMENTEVENT_DELETEDC,
        DOCUMENTEVENT_ESCAPE,      DOCUMENTEVENT_STARTDOCPOST, DOCUMENTEVENT_QUERYFILTER, DOCUMENTEVENT_LAST,
        0x10000 | DOCUMENTEVENT_ESCAPE,
    };
    for (INT event : events) {
        SCOPED_TRACE(testing::Message() << "event " << event);
        host::ClearDebugTrace();
        EXPECT_EQ(DrvDocumentEvent(m_hPrinter, m_hdc, event, 0, nullptr, 0, nullptr), DOCUMENTEVENT_SUCCESS);
        EXPECT_EQ(EscapesReceived(), std::vector<std::string>{});
    }
}

TEST_F(DocumentEvents, EachEventFailsWithItsFirstRefusedEscapeAndSendsNothingAfterIt)
{
    ASSERT_NE(OpenOtherDriversDc(/*escapeAnswer=*/0), nullptr) << GetLastError();
    struct Case { INT event; INT result; std::vector<std::string> escapes; };
    const Case cases[] = {
        {DOCUMENTEVENT_STARTDOC,           DOCUMENTEVENT_FAILURE, {"6FFFFF02 510 0"}},
        {0x10000 | DOCUMENTEVENT_STARTDOC, DOCUMENTEVENT_FAILURE, {"6FFFFF02 510 0"}},   // the low 16 bits count
        {DOCUMENTEVENT_STARTPAGE,          DOCUMENTEVENT_FAILURE, {"6FFFFF05 80 0"}},
        {DOCUMENTEVENT_ENDDOC,             0,                     {"6FFFFE15 0 0"}},     // the end of the job
        {0x10000 | DOCUMENTEVENT_ENDDOC,   0,                     {"6FFFFE15 0 0"}},
        {DOCUMENTEVENT_ENDPAGE,            DOCUMENTEVENT_SUCCESS, {}},
        {DOCUMENTEVENT_RESETDCPRE,         DOCUMENTEVENT_SUCCESS, {}},
        {DOCUMENTEVENT_ABORTDOC,           DOCUMENTEVENT_SUCCESS, {}},
        {DOCUMENTEVENT_ENDDOCPOST,         DOCUMENTEVENT_SUCCESS, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "event " << c.event);
        host::ClearDebugTrace();
        EXPECT_EQ(DrvDocumentEvent(m_hPrinter, m_hdc, c.event, 0, nullptr, 0, nullptr), c.result);
        EXPECT_EQ(EscapesReceived(), c.escapes);
    }
}

TEST_F(DocumentEvents, ARefusedStartDocEscapeStopsTheLaterHandlersAndReleasesTheResourceStrings)
{
    // Each escape of a plain STARTDOC refused in turn: the event fails at it, sends nothing after it, writes no
    // book mode when it failed before that handler, and leaves the resource library unloaded. Only the devmode
    // fetch is not tested: a devmode that did not come builds no list.
    for (std::size_t refused = 0; refused < kPlainStartDoc.size(); ++refused) {
        const std::string& escape = kPlainStartDoc[refused];
        SCOPED_TRACE("refused " + escape);
        if (m_hdc != nullptr)
            DeleteDC(m_hdc);
        m_hdc = nullptr;
        if (m_testDriver != nullptr)
            FreeLibrary(m_testDriver);
        m_testDriver = nullptr;
        DeleteBookModeKey(kPrinterName);
        ASSERT_NE(OpenOtherDriversDc(/*escapeAnswer=*/1, std::stoul(escape.substr(0, 8), nullptr, 16)), nullptr);

        const bool devmodeFetch = refused + 1 == kPlainStartDoc.size();
        EXPECT_EQ(DrvDocumentEvent(m_hPrinter, m_hdc, DOCUMENTEVENT_STARTDOC, 0, nullptr, 0, nullptr),
                  devmodeFetch ? DOCUMENTEVENT_SUCCESS : DOCUMENTEVENT_FAILURE);
        EXPECT_EQ(EscapesReceived(), std::vector<std::string>(kPlainStartDoc.begin(),
                                                              kPlainStartDoc.begin() + refused + 1));
        EXPECT_EQ(BookModeKeyExists(kPrinterName), refused >= 3) << "book mode is stored after the names";
        EXPECT_FALSE(ResourceLibraryLoaded());
    }
}

TEST_F(DocumentEvents, OnAnotherDriversDeviceContextTheJobCannotStart)
{
    ASSERT_NE(OpenOtherDriversDc(/*escapeAnswer=*/0), nullptr) << GetLastError();
    DOCINFOW di = {sizeof di, u"Report", nullptr, nullptr, 0};
    EXPECT_EQ(StartDocW(m_hdc, &di), SP_ERROR);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_CANCELLED));
    EXPECT_EQ(EscapesReceived(), std::vector<std::string>{"6FFFFF02 510 0"});
    EXPECT_FALSE(BookModeKeyExists(kPrinterName));
}

TEST_F(DocumentEvents, AJobOnTheDriversOwnDeviceContextIsCheckedStartedAndEnded)
{
    ASSERT_NE(OpenOwnDc(), nullptr) << GetLastError();
    EXPECT_EQ(StoredDriverVersion(), 0u) << "nothing stored for the user yet";
    host::ClearDeviceContextCalls(m_hdc);
    DOCINFOW di = {sizeof di, u"Report", nullptr, nullptr, 0};
    ASSERT_GT(StartDocW(m_hdc, &di), 0);
    EXPECT_EQ(StoredDriverVersion(), 0x8402u) << "the user's settings are those of the job's driver version";
    ASSERT_GT(StartPage(m_hdc), 0);
    ASSERT_GT(EndPage(m_hdc), 0);
    ASSERT_GT(EndDoc(m_hdc), 0);
    const std::vector<std::string> calls = host::DeviceContextCalls(m_hdc);
    // Each escape of the handlers raises the ESCAPE event before it reaches the graphics module.
    const auto startDoc = std::find(calls.begin(), calls.end(), "DOCUMENTEVENT_STARTDOC");
    const auto drvStartDoc = std::find(calls.begin(), calls.end(), "DrvStartDoc");
    ASSERT_NE(drvStartDoc, calls.end());
    // The names, the job's settings, its devmode and the user's font table (seeded by the version check).
    EXPECT_EQ(std::count(startDoc, drvStartDoc, "DrvEscape"), 6) << "names, settings, devmode and font table";
    EXPECT_EQ(std::count(startDoc, drvStartDoc, "DOCUMENTEVENT_ESCAPE"), 6);
    const auto endDoc = std::find(calls.begin(), calls.end(), "DOCUMENTEVENT_ENDDOC");
    ASSERT_NE(endDoc, calls.end());
    EXPECT_EQ(std::vector<std::string>(endDoc, endDoc + 4),
              (std::vector<std::string>{"DOCUMENTEVENT_ENDDOC", "DOCUMENTEVENT_ESCAPE", "DrvEscape", "DrvEndDoc"}));
    // Besides: the user paper sizes before the one page.
    EXPECT_EQ(std::count(calls.begin(), calls.end(), "DrvEscape"), 8);

    const std::string job = OnlyJob(kPrinterName);
    EXPECT_EQ(job.substr(job.size() - std::min<size_t>(job.size(), 9)), "\x1b%-12345X") << "the closing UEL";
}

TEST_F(DocumentEvents, WithoutPrinterFontsNoFontTableIsSent)
{
    LONG cb = DocumentPropertiesW(nullptr, m_hPrinter, const_cast<LPWSTR>(kPrinterName), nullptr, nullptr, 0);
    ASSERT_GE(cb, static_cast<LONG>(sizeof(DRIVER_DEVMODE)));
    std::vector<BYTE> devmode(static_cast<size_t>(cb));
    auto* pdm = reinterpret_cast<DRIVER_DEVMODE*>(devmode.data());
    ASSERT_EQ(DocumentPropertiesW(nullptr, m_hPrinter, const_cast<LPWSTR>(kPrinterName), &pdm->dmPublic, nullptr,
                                  DM_OUT_BUFFER),
              1);   // IDOK
    pdm->dmPrivate.FontUseFlg = 0;
    m_hdc = CreateDCW(nullptr, kPrinterName, nullptr, &pdm->dmPublic);
    ASSERT_NE(m_hdc, nullptr) << GetLastError();
    host::ClearDeviceContextCalls(m_hdc);
    DOCINFOW di = {sizeof di, u"Report", nullptr, nullptr, 0};
    ASSERT_GT(StartDocW(m_hdc, &di), 0);
    ASSERT_GT(EndDoc(m_hdc), 0);
    const std::vector<std::string> calls = host::DeviceContextCalls(m_hdc);
    EXPECT_EQ(std::count(calls.begin(), calls.end(), "DrvEscape"), 6) << "names, settings, devmode and the end only";
}

TEST_F(DocumentEvents, AnEventShortOfMemoryFailsAsItsHandlerSaysAndLeavesNothingAllocated)
{
    ASSERT_NE(OpenOwnDc(), nullptr) << GetLastError();
    // The graphics module keeps the first font list it is sent until the DC goes: one whole STARTDOC first, so
    // that the block it holds is counted before the faults and a later list is not kept again.
    ASSERT_EQ(DrvDocumentEvent(m_hPrinter, m_hdc, DOCUMENTEVENT_STARTDOC, 0, nullptr, 0, nullptr),
              DOCUMENTEVENT_SUCCESS);
    // The driver's own devmode, which a reset hands to the book mode.
    DRIVER_DEVMODE own = {};
    ASSERT_EQ(DocumentPropertiesW(nullptr, m_hPrinter, const_cast<LPWSTR>(kPrinterName), &own.dmPublic, nullptr,
                                  DM_OUT_BUFFER),
              1);   // IDOK
    PDEVMODEW reset = &own.dmPublic;

    // The blocks whose loss the handlers answer with a failure, counted from the event's start: STARTDOC takes
    // the five parts of the program path, the printer name of the book mode, for the spreadsheet program its
    // job settings, then the resource strings (two blocks, without which the job goes on) and the job settings
    // of the version check. The book mode's other events take the printer name first.
    struct Case { const char* what; INT event; const WCHAR* program; unsigned block; INT result; };
    const Case cases[] = {
        {"program path",              DOCUMENTEVENT_STARTDOC,   nullptr, 1, DOCUMENTEVENT_FAILURE},
        {"its extension",             DOCUMENTEVENT_STARTDOC,   nullptr, 5, DOCUMENTEVENT_FAILURE},
        {"printer name",              DOCUMENTEVENT_STARTDOC,   nullptr, 6, DOCUMENTEVENT_FAILURE},
        {"spreadsheet's settings",    DOCUMENTEVENT_STARTDOC,   kExcelPath, 7, DOCUMENTEVENT_FAILURE},
        {"resource strings",          DOCUMENTEVENT_STARTDOC,   nullptr, 7, DOCUMENTEVENT_SUCCESS},
        {"version check's settings",  DOCUMENTEVENT_STARTDOC,   nullptr, 9, DOCUMENTEVENT_FAILURE},
        {"printer name at a reset",   DOCUMENTEVENT_RESETDCPRE, nullptr, 1, DOCUMENTEVENT_FAILURE},
        {"printer name at an abort",  DOCUMENTEVENT_ABORTDOC,   nullptr, 1, DOCUMENTEVENT_FAILURE},
        {"printer name at the end",   DOCUMENTEVENT_ENDDOCPOST, nullptr, 1, DOCUMENTEVENT_FAILURE},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.what << ", block " << c.block);
        host::SetProcessFileName(c.program != nullptr ? c.program : kTestProgramPath);
        const bool isReset = c.event == DOCUMENTEVENT_RESETDCPRE;
        const unsigned live = host::LiveGlobalBlocks();
        host::InjectFault(host::Fault::GlobalAlloc, c.block);
        EXPECT_EQ(DrvDocumentEvent(m_hPrinter, m_hdc, c.event, isReset ? sizeof reset : 0, isReset ? &reset : nullptr,
                                   0, nullptr),
                  c.result);
        host::ClearFaults();
        EXPECT_EQ(host::LiveGlobalBlocks(), live);
        EXPECT_FALSE(ResourceLibraryLoaded());
    }
    host::SetProcessFileName(kTestProgramPath);
    // Every later block in turn, until the event runs through untouched by the fault.
    for (unsigned nth = 6; nth < 64; ++nth) {
        SCOPED_TRACE(testing::Message() << "block " << nth);
        const unsigned live = host::LiveGlobalBlocks();
        host::InjectFault(host::Fault::GlobalAlloc, nth);
        const INT result = DrvDocumentEvent(m_hPrinter, m_hdc, DOCUMENTEVENT_STARTDOC, 0, nullptr, 0, nullptr);
        host::ClearFaults();
        EXPECT_TRUE(result == DOCUMENTEVENT_SUCCESS || result == DOCUMENTEVENT_FAILURE) << result;
        EXPECT_EQ(host::LiveGlobalBlocks(), live);
        EXPECT_FALSE(ResourceLibraryLoaded());
    }
}

} // namespace
