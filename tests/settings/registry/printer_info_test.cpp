// printer_info_test.cpp - asking the spooler for the printer's name and its driver directory.
#include "settings/registry/printer_info.h"
#include "settings/base/global_memory.h"
#include "support/printer_fixture.h"

using PrinterName = PrinterWorldTest;

TEST_F(PrinterName, IsCutToTheBufferAndTerminated)
{
    struct Case { DWORD cchOut; BOOL result; std::u16string expected; };
    const Case cases[] = {
        {32, TRUE, u"QN-804C"},
        {8, TRUE, u"QN-804C"},
        {7, TRUE, u"QN-804"},
        {1, TRUE, u""},
        {0, FALSE, u"stale"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "buffer of " << c.cchOut);
        WCHAR name[32] = u"stale";
        EXPECT_EQ(GetPrinterName(m_hPrinter, name, c.cchOut), c.result);
        EXPECT_EQ(std::u16string(name), c.expected);
    }
}

TEST_F(PrinterName, FailsWithoutAPrinterOrABuffer)
{
    WCHAR name[32] = u"stale";
    EXPECT_FALSE(GetPrinterName(nullptr, name, 32));
    EXPECT_EQ(std::u16string(name), u"stale");
    EXPECT_FALSE(GetPrinterName(m_hPrinter, nullptr, 32));
    HANDLE hClosed = nullptr;
    PRINTER_DEFAULTSW defaults = {nullptr, nullptr, PRINTER_ACCESS_USE};
    ASSERT_TRUE(OpenPrinterW(const_cast<LPWSTR>(kPrinterName), &hClosed, &defaults));
    ClosePrinter(hClosed);
    EXPECT_FALSE(GetPrinterName(hClosed, name, 32)) << "a closed handle";
    EXPECT_EQ(std::u16string(name), u"stale");
}

using DriverDirectory = PrinterWorldTest;

TEST_F(DriverDirectory, IsTheFolderOfTheDataFile)
{
    LPWSTR folder = GetDriverDirectory(m_hPrinter);
    ASSERT_NE(folder, nullptr);
    const std::u16string text(folder);
    FreeLockedBlock(folder);
    EXPECT_EQ(text, u"C:\\WINDOWS\\system32\\spool\\drivers\\w32x86\\3\\");

    EXPECT_EQ(GetDriverDirectory(nullptr), nullptr);
}
