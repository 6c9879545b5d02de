// printer_fixture.cpp - a fresh world with the printer installed and opened.
#include "support/printer_fixture.h"
#include "host/printers.h"

void PrinterWorldTest::SetUp()
{
    WorldTest::SetUp();
    if (HasFatalFailure())
        return;
    host::InstallPrinter();
    PRINTER_DEFAULTSW defaults = {nullptr, nullptr, PRINTER_ALL_ACCESS};
    ASSERT_TRUE(OpenPrinterW(const_cast<LPWSTR>(kPrinterName), &m_hPrinter, &defaults)) << GetLastError();
}

void PrinterWorldTest::TearDown()
{
    if (m_hPrinter != nullptr)
        ClosePrinter(m_hPrinter);
    WorldTest::TearDown();
}
