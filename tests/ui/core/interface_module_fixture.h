#pragma once
// interface_module_fixture.h - a fresh world with the printer "QN-804C" installed and opened, and the real
// interface module Q73MZRU3.DLL loaded from its driver folder by name, as the spooler and GDI load it. The
// tests call its exports through the addresses GetProcAddress answers.

#include "host/inspect.h"
#include "support/printer_fixture.h"
#include "win/winddiui.h"

#include <string>
#include <vector>

inline constexpr const WCHAR* kInterfaceModulePath = u"C:\\WINDOWS\\system32\\spool\\drivers\\w32x86\\3\\Q73MZRU3.DLL";

// The twelve exports of the interface module.
inline constexpr const char* kInterfaceExports[] = {
    "DevQueryPrintEx",          "DllInitialize",       "DrvAdvancedDocumentProperties", "DrvConvertDevMode",
    "DrvDeviceCapabilities",    "DrvDevicePropertySheets", "DrvDocumentEvent",           "DrvDocumentProperties",
    "DrvDocumentPropertySheets", "DrvPrinterEvent",    "VQ_GetEnvExtraSize",            "PrinterProperties",
};

class InterfaceModuleTest : public PrinterWorldTest {
protected:
    void SetUp() override
    {
        PrinterWorldTest::SetUp();
        if (HasFatalFailure())
            return;
        m_module = LoadLibraryW(kInterfaceModulePath);
        ASSERT_NE(m_module, nullptr) << "LoadLibraryW failed with " << GetLastError();
        Bind(DevQueryPrintEx, "DevQueryPrintEx");
        Bind(DrvAdvancedDocumentProperties, "DrvAdvancedDocumentProperties");
        Bind(DrvConvertDevMode, "DrvConvertDevMode");
        Bind(DrvDeviceCapabilities, "DrvDeviceCapabilities");
        Bind(DrvDevicePropertySheets, "DrvDevicePropertySheets");
        Bind(DrvDocumentEvent, "DrvDocumentEvent");
        Bind(DrvDocumentProperties, "DrvDocumentProperties");
        Bind(DrvDocumentPropertySheets, "DrvDocumentPropertySheets");
        Bind(DrvPrinterEvent, "DrvPrinterEvent");
        Bind(VQ_GetEnvExtraSize, "VQ_GetEnvExtraSize");
        Bind(PrinterProperties, "PrinterProperties");
        host::ClearDebugTrace();
    }

    void TearDown() override
    {
        if (m_module != nullptr)
            FreeLibrary(m_module);
        PrinterWorldTest::TearDown();
    }

    // The printer data value's bytes; empty when it is missing.
    std::vector<BYTE> PrinterData(const WCHAR* valueName)
    {
        DWORD type = 0;
        DWORD cbNeeded = 0;
        GetPrinterDataW(m_hPrinter, const_cast<LPWSTR>(valueName), &type, nullptr, 0, &cbNeeded);
        std::vector<BYTE> data(cbNeeded);
        if (cbNeeded == 0 || GetPrinterDataW(m_hPrinter, const_cast<LPWSTR>(valueName), &type, data.data(),
                                             cbNeeded, &cbNeeded) != ERROR_SUCCESS)
            data.clear();
        return data;
    }

    // How often "UI:ZT_<entryPoint>() Called\n" stands in the debug trace.
    static int TraceCount(const std::u16string& entryPoint)
    {
        const std::u16string line = u"UI:ZT_" + entryPoint + u"() Called\n";
        const std::u16string trace = host::DebugTrace();
        int count = 0;
        for (std::size_t at = trace.find(line); at != std::u16string::npos; at = trace.find(line, at + 1))
            ++count;
        return count;
    }

    HMODULE m_module = nullptr;
    BOOL (*DevQueryPrintEx)(PDEVQUERYPRINT_INFO) = nullptr;
    LONG (*DrvAdvancedDocumentProperties)(HWND, HANDLE, LPWSTR, PDEVMODEW, PDEVMODEW) = nullptr;
    BOOL (*DrvConvertDevMode)(LPWSTR, PDEVMODEW, PDEVMODEW, PLONG, DWORD) = nullptr;
    DWORD (*DrvDeviceCapabilities)(HANDLE, LPWSTR, WORD, PVOID, PDEVMODEW) = nullptr;
    LONG (*DrvDevicePropertySheets)(PPROPSHEETUI_INFO, LPARAM) = nullptr;
    INT (*DrvDocumentEvent)(HANDLE, HDC, INT, ULONG, PVOID, ULONG, PVOID) = nullptr;
    LONG (*DrvDocumentProperties)(HWND, HANDLE, LPWSTR, PDEVMODEW, PDEVMODEW, DWORD) = nullptr;
    LONG (*DrvDocumentPropertySheets)(PPROPSHEETUI_INFO, LPARAM) = nullptr;
    BOOL (*DrvPrinterEvent)(LPWSTR, INT, DWORD, LPARAM) = nullptr;
    DWORD (*VQ_GetEnvExtraSize)(void) = nullptr;
    BOOL (*PrinterProperties)(HWND, HANDLE) = nullptr;

private:
    template <typename Fn>
    void Bind(Fn& fn, const char* name)
    {
        fn = reinterpret_cast<Fn>(GetProcAddress(m_module, name));
        ASSERT_NE(fn, nullptr) << name << " is not exported";
    }
};
