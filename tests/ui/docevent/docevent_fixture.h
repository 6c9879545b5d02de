#pragma once
// docevent_fixture.h - document events as GDI sends them while an application prints: on "QN-804C", whose
// graphics module is the real one, and on "Other Printer", whose graphics module is the test driver
// TESTDRV.DLL (another driver's), which reports every escape it receives and answers as the test scripts it.
// The interface module is the real one on both.

#include "../core/interface_module_fixture.h"
#include "host/printers.h"
#include "host/text.h"
#include "settings/base/job_extra_record.h"
#include "settings/devmode/driver_devmode.h"
#include "settings/base/private_escape_codes.h"
#include "win/winddi.h"
#include "win/windows.h"

// The test modules' header names its page size as the graphics module names a page flag; its own names stay
// apart in their namespace (the Windows headers it includes are in already).
namespace testdrv {
#include "platform/gdi/test_modules.h"
}

#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

class DocumentEventTest : public InterfaceModuleTest {
protected:
    static constexpr const WCHAR* kOtherPrinter = u"Other Printer";
    static constexpr const WCHAR* kTestDriverPath =
        u"C:\\WINDOWS\\system32\\spool\\drivers\\w32x86\\3\\TESTDRV.DLL";

    void TearDown() override
    {
        if (m_hdc != nullptr)
            DeleteDC(m_hdc);
        if (m_testDriver != nullptr)
            FreeLibrary(m_testDriver);
        InterfaceModuleTest::TearDown();
    }

    // A device context of "QN-804C" with the real graphics module.
    HDC OpenOwnDc(const DEVMODEW* pdm = nullptr)
    {
        m_hdc = CreateDCW(nullptr, kPrinterName, nullptr, pdm);
        return m_hdc;
    }

    // A device context of a printer whose graphics module is another driver's, with this interface module.
    // The test driver answers escapeAnswer to every escape but refusedEscape, which it answers 0, and writes
    // no output: what a sender fetches stays as the sender left it.
    HDC OpenOtherDriversDc(ULONG escapeAnswer = 0, ULONG refusedEscape = 0)
    {
        host::PrinterSetup setup;
        setup.name = kOtherPrinter;
        setup.driverName = u"Other Driver";
        setup.driverFile = u"TESTDRV.DLL";
        host::InstallPrinter(setup);
        // The test holds the driver loaded, so the answers it sets stay for the device context.
        m_testDriver = LoadLibraryW(kTestDriverPath);
        if (m_testDriver == nullptr)
            return nullptr;
        testdrv::TestDriverOptions options;
        options.escapeAnswer = escapeAnswer;
        options.refusedEscape = refusedEscape;
        reinterpret_cast<testdrv::TestDriverSetupFn>(GetProcAddress(m_testDriver, TEST_DRIVER_SETUP_SYMBOL))(
            &options);
        m_hdc = CreateDCW(nullptr, kOtherPrinter, nullptr, nullptr);
        host::ClearDebugTrace();
        return m_hdc;
    }

    // The escapes the test driver received, as "<code in hex> <in bytes> <out bytes>".
    static std::vector<std::string> EscapesReceived()
    {
        const std::string trace = host::ToUtf8(host::DebugTrace());
        const std::string prefix = "TESTDRV DrvEscape ";
        std::vector<std::string> escapes;
        for (size_t at = trace.find(prefix); at != std::string::npos; at = trace.find(prefix, at + 1)) {
            const size_t from = at + prefix.size();
            const std::string line = trace.substr(from, trace.find('\n', at) - from);
            const size_t space = line.find(' ');
            char hex[16];
            std::snprintf(hex, sizeof hex, "%lX", std::stoul(line.substr(0, space)));
            escapes.push_back(hex + line.substr(space));
        }
        return escapes;
    }

    // The graphics module's job context, as the interface module may fetch it.
    static std::unique_ptr<JOB_EXTRA_RECORD> JobExtra(HDC hdc)
    {
        auto record = std::make_unique<JOB_EXTRA_RECORD>();
        std::memset(record.get(), 0xEE, sizeof *record);
        EXPECT_GT(ExtEscape(hdc, static_cast<int>(ESC_GET_JOB_EXTRA), 0, nullptr, sizeof *record,
                            reinterpret_cast<LPSTR>(record.get())), 0);
        return record;
    }

    // The graphics module's devmode of the device context.
    static DRIVER_DEVMODE JobDevmode(HDC hdc)
    {
        DRIVER_DEVMODE dm;
        std::memset(&dm, 0xEE, sizeof dm);
        EXPECT_GT(ExtEscape(hdc, static_cast<int>(ESC_GET_DEVMODE), 0, nullptr, sizeof dm,
                            reinterpret_cast<LPSTR>(&dm)), 0);
        return dm;
    }

    // The bytes of the one job printed on the printer.
    static std::string OnlyJob(const WCHAR* printer)
    {
        const auto jobs = host::JobFiles(printer);
        if (jobs.size() != 1)
            return "(" + std::to_string(jobs.size()) + " jobs)";
        return host::ReadJobFile(jobs.front());
    }

    // The wide text of a field, up to its first NUL or its end: FieldText(&record->szUserName).
    template <std::size_t N>
    static std::u16string FieldText(const WCHAR (*field)[N])
    {
        WCHAR text[N];
        std::memcpy(text, field, sizeof text);
        std::size_t cch = 0;
        while (cch < N && text[cch] != u'\0')
            ++cch;
        return std::u16string(text, cch);
    }

    HDC m_hdc = nullptr;
    HMODULE m_testDriver = nullptr;
};
