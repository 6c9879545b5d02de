// escapes_test.cpp - ExtEscape on a printer device context: routing to DrvEscape, the ESCAPE event, buffers.
#include "dc_fixture.h"

using PrinterDcEscapes = PrinterDcTest;

TEST_F(PrinterDcEscapes, PassesTheEscapeAndItsBuffersToTheDriverAfterTheEvent)
{
    HDC hdc = CreateDCW(nullptr, kPrinter, nullptr, nullptr);
    ASSERT_NE(hdc, nullptr);
    host::ClearDeviceContextCalls(hdc);
    host::ClearDebugTrace();
    const char in[4] = {'w', 'x', 'y', 'z'};
    char out[4] = {};
    EXPECT_EQ(ExtEscape(hdc, kEchoEscape, sizeof in, in, sizeof out, out), 5);
    EXPECT_EQ(std::string(out, 4), "zyxw");
    EXPECT_EQ(host::DeviceContextCalls(hdc), (std::vector<std::string>{"DOCUMENTEVENT_ESCAPE", "DrvEscape"}));
    EXPECT_EQ(ModuleLines(), (std::vector<std::string>{"TESTUI 11 28672 4 hdc 1 printer 1",
                                                       "TESTDRV DrvEscape 28672 4 4"}));
    EXPECT_EQ(ExtEscape(hdc, 0x1234, 0, nullptr, 0, nullptr), 0);   // the driver does not know it

    struct Bad { int cjIn; const char* in; int cjOut; char* out; };
    const Bad bad[] = {{-1, in, 0, nullptr}, {4, nullptr, 0, nullptr}, {0, nullptr, 4, nullptr}, {0, nullptr, -2, out}};
    for (const Bad& b : bad) {
        SCOPED_TRACE(testing::Message() << "case " << (&b - bad));
        EXPECT_EQ(ExtEscape(hdc, kEchoEscape, b.cjIn, b.in, b.cjOut, b.out), SP_ERROR);
    }
    DeleteDC(hdc);
    EXPECT_EQ(ExtEscape(hdc, kEchoEscape, sizeof in, in, sizeof out, out), SP_ERROR);
}

TEST_F(PrinterDcEscapes, ADriverWithoutDrvEscapeAnswersZeroWithoutAnEvent)
{
    TestDriverOptions options;
    options.hookEscape = false;
    SetDriver(options);
    HDC hdc = CreateDCW(nullptr, kPrinter, nullptr, nullptr);
    host::ClearDeviceContextCalls(hdc);
    char out[2];
    EXPECT_EQ(ExtEscape(hdc, kEchoEscape, 0, nullptr, sizeof out, out), 0);
    EXPECT_TRUE(host::DeviceContextCalls(hdc).empty());
    DeleteDC(hdc);
}

TEST_F(PrinterDcEscapes, AFailedEscapeEventFailsTheEscape)
{
    TestUiOptions ui;
    ui.failEvent = DOCUMENTEVENT_ESCAPE;
    SetUi(ui);
    HDC hdc = CreateDCW(nullptr, kPrinter, nullptr, nullptr);
    host::ClearDeviceContextCalls(hdc);
    char out[2];
    EXPECT_EQ(ExtEscape(hdc, kEchoEscape, 0, nullptr, sizeof out, out), SP_ERROR);
    EXPECT_EQ(host::DeviceContextCalls(hdc), (std::vector<std::string>{"DOCUMENTEVENT_ESCAPE"}));
    DeleteDC(hdc);
}

TEST_F(PrinterDcEscapes, AnInterfaceModuleReachesTheDriverByEscapeFromInsideAnEvent)
{
    TestUiOptions ui;
    ui.escapeAtEvent = DOCUMENTEVENT_STARTDOC;
    SetUi(ui);
    HDC hdc = CreateDCW(nullptr, kPrinter, nullptr, nullptr);
    host::ClearDebugTrace();
    DOCINFOW di = {sizeof di, u"Inner", nullptr, nullptr, 0};
    ASSERT_GT(StartDocW(hdc, &di), 0);
    const std::vector<std::string> expected = {
        "TESTUI 5 Inner hdc 1 printer 1",
        "TESTUI 11 28672 3 hdc 1 printer 1",   // the escape's own event, inside STARTDOC
        "TESTDRV DrvEscape 28672 3 3",
        "TESTUI escape answered 4",
        "TESTDRV DrvStartDoc Inner 1 pdev 1",
        "TESTUI 13 job 1 hdc 1 printer 1",
    };
    EXPECT_EQ(ModuleLines(), expected);
    AbortDoc(hdc);
    DeleteDC(hdc);
}
