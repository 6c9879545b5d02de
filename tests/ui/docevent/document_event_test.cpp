// document_event_test.cpp - DrvDocumentEvent of the interface module: which events send which escapes, and
// what the events answer when the graphics module does not take them. The escapes are seen where they arrive:
// on "QN-804C" in the job and the device context's calls, on a printer of another driver (TESTDRV.DLL, which
// reports each escape and answers 0) in that driver's report.
#include "../core/interface_module_fixture.h"
#include "host/gdi.h"
#include "host/printers.h"
#include "host/text.h"
#include "settings/devmode/driver_devmode.h"
#include "settings/registry/registry_paths.h"

#include <algorithm>
#include <iterator>

namespace {

constexpr const WCHAR* kOtherPrinter = u"Other Printer";

class DocumentEvents : public InterfaceModuleTest {
protected:
    void TearDown() override
    {
        if (m_hdc != nullptr)
            DeleteDC(m_hdc);
        InterfaceModuleTest::TearDown();
    }

    // A device context of a printer whose graphics module is another driver's, with this interface module.
    HDC OpenOtherDriversDc()
    {
        host::PrinterSetup setup;
        setup.name = kOtherPrinter;
        setup.driverName = u"Other Driver";
        setup.driverFile = u"TESTDRV.DLL";
        host::InstallPrinter(setup);
        m_hdc = CreateDCW(nullptr, kOtherPrinter, nullptr, nullptr);
        host::ClearDebugTrace();
        return m_hdc;
    }

    // The escapes the other driver received, as "<code> <in bytes> <out bytes>".
    static std::vector<std::string> EscapesReceived()
    {
        const std::string trace = host::ToUtf8(host::DebugTrace());
        const std::string prefix = "TESTDRV DrvEscape ";
        std::vector<std::string> escapes;
        for (size_t at = trace.find(prefix); at != std::string::npos; at = trace.find(prefix, at + 1))
            escapes.push_back(trace.substr(at + prefix.size(), trace.find('\n', at) - at - prefix.size()));
        return escapes;
    }

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

    HDC m_hdc = nullptr;
};

TEST_F(DocumentEvents, OnAnotherDriversDeviceContextTheJobCannotStart)
{
    ASSERT_NE(OpenOtherDriversDc(), nullptr) << GetLastError();
    DOCINFOW di = {sizeof di, u"Report", nullptr, nullptr, 0};
    EXPECT_EQ(StartDocW(m_hdc, &di), SP_ERROR);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_CANCELLED));
    // The job's settings are asked for first (0x6FFFFF00, 9,075 bytes out); the answer 0 ends the event.
    EXPECT_EQ(EscapesReceived(), std::vector<std::string>{"1879047936 0 9075"});
}

TEST_F(DocumentEvents, EachEventSendsOnlyItsEscapesAndFailsWhenTheyAreRefused)
{
    ASSERT_NE(OpenOtherDriversDc(), nullptr) << GetLastError();
    struct Case { INT event; INT result; std::vector<std::string> escapes; };
    const Case cases[] = {
        {DOCUMENTEVENT_STARTDOC,           DOCUMENTEVENT_FAILURE, {"1879047936 0 9075"}},
        {DOCUMENTEVENT_ENDDOC,             0,                     {"1879047701 0 0"}},   // the end of the job
        {0x10000 | DOCUMENTEVENT_ENDDOC,   0,                     {"1879047701 0 0"}},   // the low 16 bits count
        {DOCUMENTEVENT_CREATEDCPOST,       DOCUMENTEVENT_SUCCESS, {}},
        {DOCUMENTEVENT_RESETDCPRE,         DOCUMENTEVENT_SUCCESS, {}},
        {DOCUMENTEVENT_STARTPAGE,          DOCUMENTEVENT_SUCCESS, {}},
        {DOCUMENTEVENT_ENDPAGE,            DOCUMENTEVENT_SUCCESS, {}},
        {DOCUMENTEVENT_ABORTDOC,           DOCUMENTEVENT_SUCCESS, {}},
        {DOCUMENTEVENT_DELETEDC,           DOCUMENTEVENT_SUCCESS, {}},
        {DOCUMENTEVENT_ESCAPE,             DOCUMENTEVENT_SUCCESS, {}},
        {DOCUMENTEVENT_ENDDOCPOST,         DOCUMENTEVENT_SUCCESS, {}},
        {DOCUMENTEVENT_STARTDOCPOST,       DOCUMENTEVENT_SUCCESS, {}},
        {DOCUMENTEVENT_QUERYFILTER,        DOCUMENTEVENT_SUCCESS, {}},
        {DOCUMENTEVENT_LAST,               DOCUMENTEVENT_SUCCESS, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "event " << c.event);
        host::ClearDebugTrace();
        EXPECT_EQ(DrvDocumentEvent(m_hPrinter, m_hdc, c.event, 0, nullptr, 0, nullptr), c.result);
        EXPECT_EQ(EscapesReceived(), c.escapes);
    }
}

TEST_F(DocumentEvents, AJobOnTheDriversOwnDeviceContextIsCheckedStartedAndEnded)
{
    m_hdc = CreateDCW(nullptr, kPrinterName, nullptr, nullptr);
    ASSERT_NE(m_hdc, nullptr) << GetLastError();
    EXPECT_EQ(StoredDriverVersion(), 0u) << "nothing stored for the user yet";
    host::ClearDeviceContextCalls(m_hdc);
    DOCINFOW di = {sizeof di, u"Report", nullptr, nullptr, 0};
    ASSERT_GT(StartDocW(m_hdc, &di), 0);
    EXPECT_EQ(StoredDriverVersion(), 0x8402u) << "the user's settings are those of the job's driver version";
    ASSERT_GT(StartPage(m_hdc), 0);
    ASSERT_GT(EndPage(m_hdc), 0);
    ASSERT_GT(EndDoc(m_hdc), 0);
    const std::vector<std::string> calls = host::DeviceContextCalls(m_hdc);
    const auto startDoc = std::find(calls.begin(), calls.end(), "DOCUMENTEVENT_STARTDOC");
    const auto endDoc = std::find(calls.begin(), calls.end(), "DOCUMENTEVENT_ENDDOC");
    ASSERT_NE(endDoc, calls.end());
    // The job's settings, its devmode and the user's font table (seeded by the version check) at the start,
    // the end of the job at its end; nothing between.
    EXPECT_EQ(std::vector<std::string>(startDoc, startDoc + 8),
              (std::vector<std::string>{"DOCUMENTEVENT_STARTDOC", "DOCUMENTEVENT_ESCAPE", "DrvEscape",
                                        "DOCUMENTEVENT_ESCAPE", "DrvEscape", "DOCUMENTEVENT_ESCAPE", "DrvEscape",
                                        "DrvStartDoc"}));
    EXPECT_EQ(std::vector<std::string>(endDoc, endDoc + 4),
              (std::vector<std::string>{"DOCUMENTEVENT_ENDDOC", "DOCUMENTEVENT_ESCAPE", "DrvEscape", "DrvEndDoc"}));
    EXPECT_EQ(std::count(calls.begin(), calls.end(), "DrvEscape"), 4);

    const auto jobs = host::JobFiles(kPrinterName);
    ASSERT_EQ(jobs.size(), 1u);
    const std::string job = host::ReadJobFile(jobs.front());
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
    EXPECT_EQ(std::count(calls.begin(), calls.end(), "DrvEscape"), 3) << "settings, devmode and the end only";
}

} // namespace
