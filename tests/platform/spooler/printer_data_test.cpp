// printer_data_test.cpp - printer data kept under the printer's key in the registry.
#include "host/faults.h"
#include "host/inspect.h"
#include "support/printer_fixture.h"
#include "win/windows.h"

#include <string>
#include <vector>

using PrinterData = PrinterWorldTest;

static constexpr const WCHAR* kPrinterKey = u"SYSTEM\\CurrentControlSet\\Control\\Print\\Printers\\QN-804C";

static LPWSTR Name(const WCHAR* name)
{
    return const_cast<LPWSTR>(name);
}

TEST_F(PrinterData, LivesInThePrinterDriverDataKeyWhereTheRegistrySeesIt)
{
    BYTE bytes[] = {1, 2, 3, 4, 5};
    ASSERT_EQ(SetPrinterDataW(m_hPrinter, Name(u"Options"), REG_BINARY, bytes, sizeof bytes), DWORD{ERROR_SUCCESS});

    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExW(HKEY_LOCAL_MACHINE, (std::u16string(kPrinterKey) + u"\\PrinterDriverData").c_str(), 0,
                            KEY_ALL_ACCESS, &key), ERROR_SUCCESS);
    BYTE read[8] = {};
    DWORD cb = sizeof read;
    DWORD type = 0;
    EXPECT_EQ(RegQueryValueExW(key, u"options", nullptr, &type, read, &cb), ERROR_SUCCESS);
    EXPECT_EQ(type, DWORD{REG_BINARY});
    EXPECT_EQ(std::vector<BYTE>(read, read + cb), std::vector<BYTE>(bytes, bytes + sizeof bytes));

    const DWORD seven = 7;
    ASSERT_EQ(RegSetValueExW(key, u"Written", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&seven), 4), ERROR_SUCCESS);
    RegCloseKey(key);
    DWORD number = 0;
    DWORD cbNeeded = 0;
    EXPECT_EQ(GetPrinterDataW(m_hPrinter, Name(u"WRITTEN"), &type, reinterpret_cast<BYTE*>(&number), 4, &cbNeeded),
              DWORD{ERROR_SUCCESS});
    EXPECT_EQ(number, 7u);
    EXPECT_EQ(type, DWORD{REG_DWORD});
    EXPECT_EQ(cbNeeded, 4u);
}

TEST_F(PrinterData, GetAnswersTheSizeWhenTheBufferIsTooSmallAndTheErrorAsItsResult)
{
    BYTE six[] = {1, 2, 3, 4, 5, 6};
    ASSERT_EQ(SetPrinterDataW(m_hPrinter, Name(u"Six"), REG_BINARY, six, sizeof six), DWORD{ERROR_SUCCESS});
    ASSERT_EQ(SetPrinterDataW(m_hPrinter, Name(u"Empty"), REG_BINARY, nullptr, 0), DWORD{ERROR_SUCCESS});
    struct Case { const WCHAR* name; bool withBuffer; DWORD nSize; DWORD result; DWORD cbNeeded; };
    const Case cases[] = {
        {u"Six",     false, 0,  ERROR_MORE_DATA,         6 },
        {u"Six",     true,  0,  ERROR_MORE_DATA,         6 },
        {u"Six",     true,  5,  ERROR_MORE_DATA,         6 },
        {u"Six",     true,  6,  ERROR_SUCCESS,           6 },
        {u"Six",     true,  16, ERROR_SUCCESS,           6 },
        {u"Six",     false, 16, ERROR_INVALID_PARAMETER, 6 },   // a size without a buffer
        {u"Empty",   false, 0,  ERROR_SUCCESS,           0 },
        {u"Missing", true,  16, ERROR_FILE_NOT_FOUND,    99},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
        BYTE buffer[16];
        std::fill(std::begin(buffer), std::end(buffer), BYTE{0xAB});
        DWORD cbNeeded = 99;
        SetLastError(12345);
        EXPECT_EQ(GetPrinterDataW(m_hPrinter, Name(c.name), nullptr, c.withBuffer ? buffer : nullptr, c.nSize,
                                  &cbNeeded), c.result);
        EXPECT_EQ(cbNeeded, c.cbNeeded);
        EXPECT_EQ(buffer[0], c.result == ERROR_SUCCESS && c.cbNeeded > 0 ? 1 : 0xAB);
        EXPECT_EQ(buffer[6], 0xAB);
        EXPECT_EQ(GetLastError(), 12345u) << "the error is the result, not the last error";
    }
}

TEST_F(PrinterData, DeleteRemovesAValueAndReportsAMissingOne)
{
    BYTE one[] = {1};
    ASSERT_EQ(SetPrinterDataW(m_hPrinter, Name(u"Gone"), REG_BINARY, one, 1), DWORD{ERROR_SUCCESS});
    EXPECT_EQ(DeletePrinterDataW(m_hPrinter, Name(u"gone")), DWORD{ERROR_SUCCESS});
    EXPECT_EQ(DeletePrinterDataW(m_hPrinter, Name(u"Gone")), DWORD{ERROR_FILE_NOT_FOUND});
    DWORD cbNeeded = 0;
    EXPECT_EQ(GetPrinterDataW(m_hPrinter, Name(u"Gone"), nullptr, nullptr, 0, &cbNeeded), DWORD{ERROR_FILE_NOT_FOUND});
}

TEST_F(PrinterData, ExtendedCallsReachKeysBelowThePrinterKey)
{
    BYTE flag[] = {1, 0, 0, 0};
    ASSERT_EQ(SetPrinterDataExW(m_hPrinter, u"DsDriver", u"printColor", REG_DWORD, flag, 4), DWORD{ERROR_SUCCESS});
    ASSERT_EQ(SetPrinterDataW(m_hPrinter, Name(u"Plain"), REG_DWORD, flag, 4), DWORD{ERROR_SUCCESS});
    EXPECT_EQ(host::RegistryDump(HKEY_LOCAL_MACHINE, kPrinterKey),
              "[HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Control\\Print\\Printers\\QN-804C]\n"
              "[HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Control\\Print\\Printers\\QN-804C\\PrinterDriverData]\n"
              "\"Plain\" = REG_DWORD: 0x00000001\n"
              "[HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Control\\Print\\Printers\\QN-804C\\DsDriver]\n"
              "\"printColor\" = REG_DWORD: 0x00000001\n");

    DWORD value = 0;
    DWORD cbNeeded = 0;
    EXPECT_EQ(GetPrinterDataExW(m_hPrinter, u"dsdriver", u"printColor", nullptr, reinterpret_cast<BYTE*>(&value), 4,
                                &cbNeeded), DWORD{ERROR_SUCCESS});
    EXPECT_EQ(value, 1u);
    EXPECT_EQ(GetPrinterDataExW(m_hPrinter, u"PrinterDriverData", u"Plain", nullptr, reinterpret_cast<BYTE*>(&value),
                                4, &cbNeeded), DWORD{ERROR_SUCCESS}) << "the plain calls use PrinterDriverData";

    struct Case { const WCHAR* keyName; DWORD result; };
    const Case cases[] = {
        {nullptr,        ERROR_INVALID_PARAMETER},
        {u"",            ERROR_INVALID_PARAMETER},
        {u"NoSuchKey",   ERROR_FILE_NOT_FOUND   },
        {u"\\DsDriver",  ERROR_BAD_PATHNAME     },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
        EXPECT_EQ(GetPrinterDataExW(m_hPrinter, c.keyName, u"printColor", nullptr, reinterpret_cast<BYTE*>(&value),
                                    4, &cbNeeded), c.result);
    }
    EXPECT_EQ(SetPrinterDataExW(m_hPrinter, nullptr, u"x", REG_DWORD, flag, 4), DWORD{ERROR_INVALID_PARAMETER});
    EXPECT_EQ(SetPrinterDataExW(m_hPrinter, u"", u"x", REG_DWORD, flag, 4), DWORD{ERROR_INVALID_PARAMETER});
}

TEST_F(PrinterData, EveryCallRefusesAHandleThatIsNotAPrinter)
{
    const HANDLE bad = reinterpret_cast<HANDLE>(0x1234);
    BYTE data[4] = {};
    DWORD cbNeeded = 0;
    const DWORD invalid = ERROR_INVALID_HANDLE;
    EXPECT_EQ(GetPrinterDataW(bad, Name(u"x"), nullptr, data, 4, &cbNeeded), invalid);
    EXPECT_EQ(SetPrinterDataW(bad, Name(u"x"), REG_BINARY, data, 4), invalid);
    EXPECT_EQ(DeletePrinterDataW(bad, Name(u"x")), invalid);
    EXPECT_EQ(GetPrinterDataExW(bad, u"DsDriver", u"x", nullptr, data, 4, &cbNeeded), invalid);
    EXPECT_EQ(SetPrinterDataExW(bad, u"DsDriver", u"x", REG_BINARY, data, 4), invalid);
}

TEST_F(PrinterData, AnInjectedRegistryWriteFaultStoresNothing)
{
    const std::string before = host::RegistryDump(HKEY_LOCAL_MACHINE);
    BYTE data[] = {1, 2};
    host::InjectFault(host::Fault::RegistryWrite, 1);
    EXPECT_EQ(SetPrinterDataW(m_hPrinter, Name(u"Lost"), REG_BINARY, data, 2), DWORD{ERROR_ACCESS_DENIED});
    host::InjectFault(host::Fault::RegistryWrite, 1);
    EXPECT_EQ(SetPrinterDataExW(m_hPrinter, u"NewKey", u"Lost", REG_BINARY, data, 2), DWORD{ERROR_ACCESS_DENIED});
    EXPECT_EQ(host::RegistryDump(HKEY_LOCAL_MACHINE), before) << "neither the value nor the new key was made";
    EXPECT_EQ(SetPrinterDataW(m_hPrinter, Name(u"Kept"), REG_BINARY, data, 2), DWORD{ERROR_SUCCESS});
}
