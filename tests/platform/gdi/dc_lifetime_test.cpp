// dc_lifetime_test.cpp - making, resetting and deleting printer device contexts, and their capabilities.
#include "dc_fixture.h"

#include <filesystem>

using PrinterDcLifetime = PrinterDcTest;

namespace {

const std::vector<std::string> kCreation = {"DOCUMENTEVENT_CREATEDCPRE", "DrvEnableDriver", "DrvEnablePDEV",
                                            "DrvCompletePDEV", "DrvEnableSurface", "DOCUMENTEVENT_CREATEDCPOST"};
const std::vector<std::string> kDeletion = {"DOCUMENTEVENT_DELETEDC", "DrvDisableSurface", "DrvDisablePDEV",
                                            "DrvDisableDriver"};

DEVMODEW Devmode(short copies)
{
    DEVMODEW dm = {};
    dm.dmSpecVersion = DM_SPECVERSION;
    dm.dmSize = sizeof dm;
    dm.dmFields = DM_COPIES;
    dm.dmCopies = copies;
    return dm;
}

} // namespace

TEST_F(PrinterDcLifetime, CreatesAndDeletesInTheSystemsOrder)
{
    const DEVMODEW dm = Devmode(3);
    HDC hdc = CreateDCW(nullptr, kPrinter, nullptr, &dm);
    ASSERT_NE(hdc, nullptr) << GetLastError();
    EXPECT_EQ(host::DeviceContextCalls(hdc), kCreation);
    ASSERT_TRUE(DeleteDC(hdc));
    EXPECT_EQ(host::DeviceContextCalls(hdc), Concat({kCreation, kDeletion}));
    const std::vector<std::string> expected = {
        "TESTUI 1 Test Printer devmode 1 hdc 0 printer 1",
        "TESTDRV DrvEnableDriver 196608 12",
        "TESTDRV DrvEnablePDEV Test Printer copies 3 printer 1",
        "TESTDRV DrvCompletePDEV 1",
        "TESTDRV DrvEnableSurface",
        "TESTUI 2 hdc 1 printer 1",
        "TESTUI 10 hdc 1 printer 1",
        "TESTDRV DrvDisableSurface",
        "TESTDRV DrvDisablePDEV",
        "TESTDRV DrvDisableDriver",
    };
    EXPECT_EQ(ModuleLines(), expected);
    EXPECT_FALSE(DeleteDC(hdc));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
}

TEST_F(PrinterDcLifetime, EnablesADriverOnceForAllItsDeviceContexts)
{
    HDC first = CreateDCW(nullptr, kPrinter, nullptr, nullptr);
    HDC second = CreateDCW(nullptr, kPrinter, nullptr, nullptr);
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(host::DeviceContextCalls(second).at(1), "DrvEnablePDEV");   // no second DrvEnableDriver
    DeleteDC(first);
    EXPECT_EQ(host::DeviceContextCalls(first).back(), "DrvDisablePDEV");   // the driver is still in use
    DeleteDC(second);
    EXPECT_EQ(host::DeviceContextCalls(second).back(), "DrvDisableDriver");
}

TEST_F(PrinterDcLifetime, AnswersDeviceCapsFromTheDriversGdiInfo)
{
    HDC hdc = CreateDCW(nullptr, kPrinter, nullptr, nullptr);
    ASSERT_NE(hdc, nullptr);
    struct Case { int index; int expected; };
    const Case cases[] = {
        {TECHNOLOGY, DT_RASPRINTER}, {HORZSIZE, 5}, {VERTSIZE, 3}, {HORZRES, kPageWidth}, {VERTRES, kPageHeight},
        {BITSPIXEL, 1}, {PLANES, 1}, {NUMCOLORS, 2}, {LOGPIXELSX, 300}, {LOGPIXELSY, 300},
        {PHYSICALWIDTH, kPageWidth + 6}, {PHYSICALHEIGHT, kPageHeight + 8}, {PHYSICALOFFSETX, 3},
        {PHYSICALOFFSETY, 4}, {RASTERCAPS, 0}, {DRIVERVERSION, 0x500}, {1000, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(GetDeviceCaps(hdc, c.index), c.expected) << "index " << c.index;
    DeleteDC(hdc);
    EXPECT_EQ(GetDeviceCaps(hdc, HORZRES), 0);

    TestDriverOptions banded;
    banded.bands = 3;
    SetDriver(banded);
    hdc = CreateDCW(nullptr, kPrinter, nullptr, nullptr);
    EXPECT_EQ(GetDeviceCaps(hdc, RASTERCAPS), RC_BANDING);
    DeleteDC(hdc);
}

TEST_F(PrinterDcLifetime, FailsWhenTheDriverCannotBeLoadedOrEnabled)
{
    struct Case {
        const char* what;
        TestDriverOptions driver;
        TestUiOptions ui;
        std::vector<std::string> calls;
    };
    TestDriverOptions failDriver;
    failDriver.failEnableDriver = true;
    TestDriverOptions failPdev;
    failPdev.failEnablePDEV = true;
    TestUiOptions failPre;
    failPre.failEvent = DOCUMENTEVENT_CREATEDCPRE;
    const Case cases[] = {
        {"DrvEnableDriver fails", failDriver, {}, {"DOCUMENTEVENT_CREATEDCPRE", "DrvEnableDriver"}},
        {"DrvEnablePDEV fails", failPdev, {},
         {"DOCUMENTEVENT_CREATEDCPRE", "DrvEnableDriver", "DrvEnablePDEV", "DrvDisableDriver"}},
        {"CREATEDCPRE fails", {}, failPre, {"DOCUMENTEVENT_CREATEDCPRE"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SetDriver(c.driver);
        SetUi(c.ui);
        EXPECT_EQ(CreateDCW(nullptr, kPrinter, nullptr, nullptr), nullptr);
        EXPECT_EQ(host::DeviceContextCalls(nullptr), c.calls);
    }
    EXPECT_EQ(CreateDCW(nullptr, u"No Such Printer", nullptr, nullptr), nullptr);
    EXPECT_EQ(CreateDCW(nullptr, nullptr, nullptr, nullptr), nullptr);

    // A driver file that is not there.
    SetDriver({});
    SetUi({});
    Install(u"TESTUI.DLL", u"Broken Printer");
    FreeLibrary(m_driver);
    m_driver = nullptr;
    std::filesystem::remove(host::MapWindowsPath(kDriverPath));
    EXPECT_EQ(CreateDCW(nullptr, u"Broken Printer", nullptr, nullptr), nullptr);
    EXPECT_EQ(host::DeviceContextCalls(nullptr), (std::vector<std::string>{"DOCUMENTEVENT_CREATEDCPRE"}));
}

TEST_F(PrinterDcLifetime, WithoutDrvDocumentEventThereAreNoEvents)
{
    Install(u"TESTDRV.DLL", u"Plain Printer");   // a configuration module that exports no DrvDocumentEvent
    HDC hdc = CreateDCW(nullptr, u"Plain Printer", nullptr, nullptr);
    ASSERT_NE(hdc, nullptr);
    DOCINFOW di = {sizeof di, u"Plain", nullptr, nullptr, 0};
    EXPECT_GT(StartDocW(hdc, &di), 0);
    EXPECT_GT(StartPage(hdc), 0);
    EXPECT_GT(EndPage(hdc), 0);
    EXPECT_GT(EndDoc(hdc), 0);
    DeleteDC(hdc);
    const std::vector<std::string> expected = {"DrvEnableDriver", "DrvEnablePDEV", "DrvCompletePDEV",
                                               "DrvEnableSurface", "DrvStartDoc", "DrvStartPage", "DrvSendPage",
                                               "DrvEndDoc", "DrvDisableSurface", "DrvDisablePDEV",
                                               "DrvDisableDriver"};
    EXPECT_EQ(host::DeviceContextCalls(hdc), expected);
}

TEST_F(PrinterDcLifetime, ResetsBetweenPagesFromTheOldPdevToANewOne)
{
    HDC hdc = CreateDCW(nullptr, kPrinter, nullptr, nullptr);
    ASSERT_NE(hdc, nullptr);
    DOCINFOW di = {sizeof di, u"Reset", nullptr, nullptr, 0};
    ASSERT_GT(StartDocW(hdc, &di), 0);
    ASSERT_GT(StartPage(hdc), 0);
    const DEVMODEW dm = Devmode(7);
    EXPECT_EQ(ResetDCW(hdc, &dm), nullptr);   // not while a page is open
    ASSERT_GT(EndPage(hdc), 0);
    host::ClearDeviceContextCalls(hdc);
    host::ClearDebugTrace();
    EXPECT_EQ(ResetDCW(hdc, &dm), hdc);
    const std::vector<std::string> expected = {"DOCUMENTEVENT_RESETDCPRE", "DrvEnablePDEV", "DrvCompletePDEV",
                                               "DrvResetPDEV", "DrvDisableSurface", "DrvDisablePDEV",
                                               "DrvEnableSurface", "DOCUMENTEVENT_RESETDCPOST"};
    EXPECT_EQ(host::DeviceContextCalls(hdc), expected);
    const std::vector<std::string> lines = ModuleLines();
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines[0], "TESTUI 3 copies 7 hdc 1 printer 1");
    EXPECT_EQ(lines[1], "TESTDRV DrvEnablePDEV Test Printer copies 7 printer 1");
    EXPECT_GT(StartPage(hdc), 0);   // the document goes on on the new surface
    EXPECT_GT(EndPage(hdc), 0);
    EXPECT_GT(EndDoc(hdc), 0);
    DeleteDC(hdc);

    TestUiOptions failReset;
    failReset.failEvent = DOCUMENTEVENT_RESETDCPRE;
    SetUi(failReset);
    hdc = CreateDCW(nullptr, kPrinter, nullptr, nullptr);
    host::ClearDeviceContextCalls(hdc);
    EXPECT_EQ(ResetDCW(hdc, &dm), nullptr);
    EXPECT_EQ(host::DeviceContextCalls(hdc), (std::vector<std::string>{"DOCUMENTEVENT_RESETDCPRE"}));
    DeleteDC(hdc);
}

TEST_F(PrinterDcLifetime, WithoutADevmodeEnablesThePrintersDefaultOne)
{
    HDC hdc = CreateDCW(nullptr, kPrinter, nullptr, nullptr);   // the printer has none yet
    ASSERT_NE(hdc, nullptr);
    DeleteDC(hdc);
    const DEVMODEW dm = Devmode(5);
    host::SetPrinterDevmode(kPrinter, std::span(reinterpret_cast<const unsigned char*>(&dm), sizeof dm));
    hdc = CreateDCW(nullptr, kPrinter, nullptr, nullptr);
    ASSERT_NE(hdc, nullptr);
    DeleteDC(hdc);
    DEVMODEW tooShort = Devmode(9);
    tooShort.dmSize = 40;   // ends before dmFields: not taken
    hdc = CreateDCW(nullptr, kPrinter, nullptr, &tooShort);
    ASSERT_NE(hdc, nullptr);
    DeleteDC(hdc);
    std::vector<std::string> enables;
    for (const std::string& line : ModuleLines())
        if (line.rfind("TESTDRV DrvEnablePDEV", 0) == 0)
            enables.push_back(line);
    EXPECT_EQ(enables, (std::vector<std::string>{"TESTDRV DrvEnablePDEV Test Printer copies -1 printer 1",
                                                 "TESTDRV DrvEnablePDEV Test Printer copies 5 printer 1",
                                                 "TESTDRV DrvEnablePDEV Test Printer copies -1 printer 1"}));
}
