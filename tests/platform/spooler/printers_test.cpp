// printers_test.cpp - opening printers, GetPrinterW and GetPrinterDriverW with their two-call size protocol.
#include "host/printers.h"
#include "support/printer_fixture.h"
#include "win/windows.h"

#include <algorithm>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

using Printers = PrinterWorldTest;

// Runs a Get* call through the two-call protocol and checks it on the way: the size question, a buffer
// one byte short (refused and left untouched), then the exact size. Answers the filled buffer.
static std::vector<BYTE> AskTwice(const std::function<BOOL(LPBYTE, DWORD, LPDWORD)>& get)
{
    DWORD cbNeeded = 0;
    SetLastError(0);
    EXPECT_FALSE(get(nullptr, 0, &cbNeeded));
    EXPECT_EQ(GetLastError(), DWORD{ERROR_INSUFFICIENT_BUFFER});
    EXPECT_GT(cbNeeded, 0u);
    if (cbNeeded == 0)
        return {};

    std::vector<BYTE> buffer(cbNeeded + 16, 0xAB);
    DWORD cbAgain = 0;
    EXPECT_FALSE(get(buffer.data(), cbNeeded - 1, &cbAgain));
    EXPECT_EQ(GetLastError(), DWORD{ERROR_INSUFFICIENT_BUFFER});
    EXPECT_EQ(cbAgain, cbNeeded);
    EXPECT_TRUE(std::all_of(buffer.begin(), buffer.end(), [](BYTE b) { return b == 0xAB; }))
        << "a short buffer is left as it was";

    EXPECT_TRUE(get(buffer.data(), cbNeeded, &cbAgain)) << GetLastError();
    EXPECT_EQ(cbAgain, cbNeeded);
    EXPECT_TRUE(std::all_of(buffer.begin() + cbNeeded, buffer.end(), [](BYTE b) { return b == 0xAB; }))
        << "nothing is written past the size answered";
    buffer.resize(cbNeeded);
    return buffer;
}

// The fixed record at the start of a buffer AskTwice answered.
template <typename Record>
static Record RecordIn(const std::vector<BYTE>& buffer)
{
    Record record = {};
    EXPECT_GE(buffer.size(), sizeof record);
    std::memcpy(&record, buffer.data(), std::min(buffer.size(), sizeof record));
    return record;
}

// The text a pointer of a returned record points to, which must lie inside the buffer.
static std::u16string TextIn(const std::vector<BYTE>& buffer, const WCHAR* text)
{
    const auto* begin = reinterpret_cast<const BYTE*>(text);
    EXPECT_TRUE(begin >= buffer.data() && begin < buffer.data() + buffer.size()) << "a text outside the buffer";
    return text;
}

static std::vector<BYTE> Devmode(WORD dmDriverExtra, size_t storedBytes)
{
    std::vector<BYTE> bytes(std::max(storedBytes, sizeof(DEVMODEW)), 0);
    DEVMODEW dm = {};
    std::memcpy(dm.dmDeviceName, u"QN-804C", 16);
    dm.dmSpecVersion = DM_SPECVERSION;
    dm.dmSize = sizeof(DEVMODEW);
    dm.dmDriverExtra = dmDriverExtra;
    dm.dmCopies = 3;
    std::memcpy(bytes.data(), &dm, sizeof dm);
    for (size_t i = sizeof dm; i < bytes.size(); ++i)
        bytes[i] = static_cast<BYTE>(i);
    bytes.resize(storedBytes);
    return bytes;
}

TEST_F(Printers, OpenFindsInstalledPrintersByNameWithoutRegardToCase)
{
    PRINTER_DEFAULTSW defaults = {nullptr, nullptr, PRINTER_ACCESS_USE};
    struct Case { const WCHAR* name; PRINTER_DEFAULTSW* defaults; DWORD error; };
    const Case cases[] = {
        {u"QN-804C",  nullptr,   ERROR_SUCCESS             },
        {u"qn-804c",  &defaults, ERROR_SUCCESS             },
        {u"QN-804",   nullptr,   ERROR_INVALID_PRINTER_NAME},
        {u"",         nullptr,   ERROR_INVALID_PRINTER_NAME},
        {nullptr,     nullptr,   ERROR_INVALID_PRINTER_NAME},   // the print server: not in the stand-in
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
        HANDLE hPrinter = INVALID_HANDLE_VALUE;
        SetLastError(0);
        EXPECT_EQ(OpenPrinterW(const_cast<LPWSTR>(c.name), &hPrinter, c.defaults), c.error == ERROR_SUCCESS);
        if (c.error != ERROR_SUCCESS) {
            EXPECT_EQ(GetLastError(), c.error);
            EXPECT_EQ(hPrinter, nullptr);
            continue;
        }
        EXPECT_NE(hPrinter, m_hPrinter);
        EXPECT_TRUE(ClosePrinter(hPrinter));
        EXPECT_FALSE(ClosePrinter(hPrinter));
        EXPECT_EQ(GetLastError(), DWORD{ERROR_INVALID_HANDLE});
    }
    EXPECT_FALSE(OpenPrinterW(const_cast<LPWSTR>(kPrinterName), nullptr, nullptr));
    EXPECT_EQ(GetLastError(), DWORD{ERROR_INVALID_PARAMETER});
}

TEST_F(Printers, Level2PacksTheRecordAndItsTextsIntoOneBuffer)
{
    const std::vector<BYTE> buffer = AskTwice([&](LPBYTE p, DWORD cb, LPDWORD needed) {
        return GetPrinterW(m_hPrinter, 2, p, cb, needed);
    });
    const auto info = RecordIn<PRINTER_INFO_2W>(buffer);
    EXPECT_EQ(info.pServerName, nullptr);
    EXPECT_EQ(TextIn(buffer, info.pPrinterName), u"QN-804C");
    EXPECT_EQ(TextIn(buffer, info.pDriverName), u"QN-804C");
    EXPECT_EQ(TextIn(buffer, info.pPortName), u"FILE:");
    EXPECT_EQ(TextIn(buffer, info.pShareName), u"");
    EXPECT_EQ(TextIn(buffer, info.pDatatype), u"RAW");
    EXPECT_EQ(TextIn(buffer, info.pPrintProcessor), u"WinPrint");
    EXPECT_EQ(info.pDevMode, nullptr) << "no default devmode is stored yet";
    EXPECT_EQ(info.Attributes, DWORD{PRINTER_ATTRIBUTE_LOCAL});
    EXPECT_EQ(info.cJobs, 0u);
}

TEST_F(Printers, Level2AnswersACopyOfTheStoredDevmodeOnlyWhenItIsWhole)
{
    struct Case { const char* what; std::vector<BYTE> stored; size_t cbAnswered; };
    const Case cases[] = {
        {"public part only",            Devmode(0, sizeof(DEVMODEW)),        sizeof(DEVMODEW)     },
        {"with private bytes",          Devmode(13, sizeof(DEVMODEW) + 13),  sizeof(DEVMODEW) + 13},
        {"longer than it says",         Devmode(4, sizeof(DEVMODEW) + 40),   sizeof(DEVMODEW) + 4 },
        {"private bytes missing",       Devmode(100, sizeof(DEVMODEW) + 8),  0                    },
        {"cut before dmDriverExtra",    Devmode(0, 70),                      0                    },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        host::SetPrinterDevmode(u"QN-804C", c.stored);
        const std::vector<BYTE> buffer = AskTwice([&](LPBYTE p, DWORD cb, LPDWORD needed) {
            return GetPrinterW(m_hPrinter, 2, p, cb, needed);
        });
        const auto info = RecordIn<PRINTER_INFO_2W>(buffer);
        if (c.cbAnswered == 0) {
            EXPECT_EQ(info.pDevMode, nullptr);
            continue;
        }
        ASSERT_NE(info.pDevMode, nullptr);
        const auto offset = reinterpret_cast<const BYTE*>(info.pDevMode) - buffer.data();
        ASSERT_GE(offset, static_cast<ptrdiff_t>(sizeof(PRINTER_INFO_2W)));
        ASSERT_LE(offset + c.cbAnswered, buffer.size());
        EXPECT_EQ(offset % 4, 0) << "the devmode is placed on a 4-byte boundary";
        EXPECT_EQ(std::memcmp(info.pDevMode, c.stored.data(), c.cbAnswered), 0);
    }
}

TEST_F(Printers, Level2SeesADevmodeWrittenThroughTheRegistry)
{
    const std::vector<BYTE> devmode = Devmode(0, sizeof(DEVMODEW));
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExW(HKEY_LOCAL_MACHINE, u"SYSTEM\\CurrentControlSet\\Control\\Print\\Printers\\QN-804C", 0,
                            KEY_SET_VALUE, &key), ERROR_SUCCESS);
    ASSERT_EQ(RegSetValueExW(key, u"Default DevMode", 0, REG_BINARY, devmode.data(),
                             static_cast<DWORD>(devmode.size())), ERROR_SUCCESS);
    RegCloseKey(key);
    const std::vector<BYTE> buffer = AskTwice([&](LPBYTE p, DWORD cb, LPDWORD needed) {
        return GetPrinterW(m_hPrinter, 2, p, cb, needed);
    });
    const auto info = RecordIn<PRINTER_INFO_2W>(buffer);
    ASSERT_NE(info.pDevMode, nullptr);
    EXPECT_EQ(info.pDevMode->dmCopies, 3);
}

TEST_F(Printers, Level1DescribesThePrinter)
{
    const std::vector<BYTE> buffer = AskTwice([&](LPBYTE p, DWORD cb, LPDWORD needed) {
        return GetPrinterW(m_hPrinter, 1, p, cb, needed);
    });
    const auto info = RecordIn<PRINTER_INFO_1W>(buffer);
    EXPECT_EQ(TextIn(buffer, info.pName), u"QN-804C");
    EXPECT_EQ(TextIn(buffer, info.pDescription), u"QN-804C,QN-804C,");   // name, driver, location
    EXPECT_EQ(TextIn(buffer, info.pComment), u"");
}

TEST_F(Printers, GetPrinterRefusesOtherLevelsAndBadArguments)
{
    BYTE buffer[512];
    DWORD cbNeeded = 0;
    for (DWORD level : {0u, 3u, 4u, 9u}) {
        SCOPED_TRACE(testing::Message() << "level " << level);
        SetLastError(0);
        EXPECT_FALSE(GetPrinterW(m_hPrinter, level, buffer, sizeof buffer, &cbNeeded));
        EXPECT_EQ(GetLastError(), DWORD{ERROR_INVALID_LEVEL});
    }
    EXPECT_FALSE(GetPrinterW(m_hPrinter, 2, buffer, sizeof buffer, nullptr));
    EXPECT_EQ(GetLastError(), DWORD{ERROR_INVALID_PARAMETER});
    EXPECT_FALSE(GetPrinterW(reinterpret_cast<HANDLE>(0x1234), 2, buffer, sizeof buffer, &cbNeeded));
    EXPECT_EQ(GetLastError(), DWORD{ERROR_INVALID_HANDLE});
    EXPECT_FALSE(GetPrinterW(m_hPrinter, 2, nullptr, sizeof buffer, &cbNeeded)) << "a size without a buffer";
    EXPECT_EQ(GetLastError(), DWORD{ERROR_INSUFFICIENT_BUFFER});
}

TEST_F(Printers, Level2CountsTheDocumentsBeingPrinted)
{
    DOC_INFO_1W doc = {const_cast<LPWSTR>(u"doc"), nullptr, nullptr};
    ASSERT_NE(StartDocPrinterW(m_hPrinter, 1, reinterpret_cast<LPBYTE>(&doc)), 0u);
    const auto jobs = [&] {
        const std::vector<BYTE> buffer = AskTwice([&](LPBYTE p, DWORD cb, LPDWORD needed) {
            return GetPrinterW(m_hPrinter, 2, p, cb, needed);
        });
        return RecordIn<PRINTER_INFO_2W>(buffer).cJobs;
    };
    EXPECT_EQ(jobs(), 1u);
    ASSERT_TRUE(EndDocPrinter(m_hPrinter));
    EXPECT_EQ(jobs(), 0u);
}

TEST_F(Printers, DriverLevel2GivesFullPathsInTheDriverDirectory)
{
    for (const WCHAR* environment : {static_cast<const WCHAR*>(nullptr), u"Windows NT x86", u"windows nt X86"}) {
        SCOPED_TRACE(environment == nullptr ? "null environment" : "named environment");
        const std::vector<BYTE> buffer = AskTwice([&](LPBYTE p, DWORD cb, LPDWORD needed) {
            return GetPrinterDriverW(m_hPrinter, const_cast<LPWSTR>(environment), 2, p, cb, needed);
        });
        const auto info = RecordIn<DRIVER_INFO_2W>(buffer);
        EXPECT_EQ(info.cVersion, 3u);
        EXPECT_EQ(TextIn(buffer, info.pName), u"QN-804C");
        EXPECT_EQ(TextIn(buffer, info.pEnvironment), u"Windows NT x86");
        EXPECT_EQ(TextIn(buffer, info.pDriverPath), u"C:\\WINDOWS\\system32\\spool\\drivers\\w32x86\\3\\Q73MZRG3.DLL");
        EXPECT_EQ(TextIn(buffer, info.pConfigFile), u"C:\\WINDOWS\\system32\\spool\\drivers\\w32x86\\3\\Q73MZRU3.DLL");
        EXPECT_EQ(TextIn(buffer, info.pDataFile), u"C:\\WINDOWS\\system32\\spool\\drivers\\w32x86\\3\\Q73MZRU3.DLL");
    }

    BYTE buffer[512];
    DWORD cbNeeded = 0;
    struct Case { const WCHAR* environment; DWORD level; DWORD error; };
    const Case cases[] = {
        {u"Windows x64", 2, ERROR_UNKNOWN_PRINTER_DRIVER},
        {nullptr,        1, ERROR_INVALID_LEVEL         },
        {nullptr,        3, ERROR_INVALID_LEVEL         },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
        SetLastError(0);
        EXPECT_FALSE(GetPrinterDriverW(m_hPrinter, const_cast<LPWSTR>(c.environment), c.level, buffer,
                                       sizeof buffer, &cbNeeded));
        EXPECT_EQ(GetLastError(), c.error);
    }
}
