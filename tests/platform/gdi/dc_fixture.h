#pragma once
// dc_fixture.h - a fresh world with the printer "Test Printer" whose driver files are the test modules
// TESTDRV.DLL and TESTUI.DLL, set up per test through their setup exports.

#include "host/gdi.h"
#include "host/inspect.h"
#include "host/printers.h"
#include "host/text.h"
#include "host/world.h"
#include "support/world_fixture.h"
#include "test_modules.h"
#include "win/windows.h"
#include "win/winddiui.h"

#include <string>
#include <vector>

class PrinterDcTest : public WorldTest {
protected:
    static constexpr const WCHAR* kPrinter = u"Test Printer";
    static constexpr const WCHAR* kDriverPath = u"C:\\WINDOWS\\system32\\spool\\drivers\\w32x86\\3\\TESTDRV.DLL";
    static constexpr const WCHAR* kUiPath = u"C:\\WINDOWS\\system32\\spool\\drivers\\w32x86\\3\\TESTUI.DLL";

    void SetUp() override
    {
        WorldTest::SetUp();
        if (HasFatalFailure())
            return;
        Install(u"TESTUI.DLL");
        // The test holds both modules loaded, so the options it sets stay for the device contexts it makes.
        m_driver = LoadLibraryW(kDriverPath);
        m_ui = LoadLibraryW(kUiPath);
        ASSERT_NE(m_driver, nullptr);
        ASSERT_NE(m_ui, nullptr);
        SetDriver({});
        SetUi({});
        host::ClearDebugTrace();
    }

    void TearDown() override
    {
        if (m_driver != nullptr)
            FreeLibrary(m_driver);
        if (m_ui != nullptr)
            FreeLibrary(m_ui);
        WorldTest::TearDown();
    }

    void Install(const std::u16string& configFile, const std::u16string& name = kPrinter)
    {
        host::PrinterSetup setup;
        setup.name = name;
        setup.driverName = u"Test Driver";
        setup.driverFile = u"TESTDRV.DLL";
        setup.configFile = configFile;
        setup.dataFile = configFile;
        host::InstallPrinter(setup);
    }

    void SetDriver(const TestDriverOptions& options)
    {
        reinterpret_cast<TestDriverSetupFn>(GetProcAddress(m_driver, TEST_DRIVER_SETUP_SYMBOL))(&options);
    }

    void SetUi(const TestUiOptions& options)
    {
        reinterpret_cast<TestUiSetupFn>(GetProcAddress(m_ui, TEST_UI_SETUP_SYMBOL))(&options);
    }

    // The lines the test modules wrote since the last clear, without their trailing newlines.
    static std::vector<std::string> ModuleLines()
    {
        std::vector<std::string> lines;
        const std::string trace = host::ToUtf8(host::DebugTrace());
        size_t start = 0;
        while (start < trace.size()) {
            size_t end = trace.find('\n', start);
            if (end == std::string::npos)
                end = trace.size();
            const std::string line = trace.substr(start, end - start);
            if (line.rfind("TESTDRV ", 0) == 0 || line.rfind("TESTUI ", 0) == 0)
                lines.push_back(line);
            start = end + 1;
        }
        return lines;
    }

    static std::vector<std::string> Concat(std::initializer_list<std::vector<std::string>> parts)
    {
        std::vector<std::string> all;
        for (const auto& part : parts)
            all.insert(all.end(), part.begin(), part.end());
        return all;
    }

    HMODULE m_driver = nullptr;
    HMODULE m_ui = nullptr;
};
