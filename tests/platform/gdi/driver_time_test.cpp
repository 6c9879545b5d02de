// driver_time_test.cpp - the time spent inside the graphics module's hooks, as the host reads it.
#include "dc_fixture.h"

#include <chrono>
#include <thread>

using GraphicsModuleTime = PrinterDcTest;

TEST_F(GraphicsModuleTime, CountsTheTimeInsideTheHooksAndNothingAroundThem)
{
    using Clock = std::chrono::steady_clock;
    host::ResetGraphicsModuleTime();
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    EXPECT_EQ(host::GraphicsModuleTime().count(), 0) << "no hook ran";

    const Clock::time_point start = Clock::now();
    HDC hdc = CreateDCW(nullptr, kPrinter, nullptr, nullptr);
    ASSERT_NE(hdc, nullptr);
    DOCINFOW di = {sizeof di, u"Report", nullptr, nullptr, 0};
    ASSERT_GT(StartDocW(hdc, &di), 0);
    for (int page = 0; page < 2; ++page) {
        ASSERT_GT(StartPage(hdc), 0);
        std::this_thread::sleep_for(std::chrono::milliseconds(20));   // the application's own time
        ASSERT_TRUE(PatBlt(hdc, 0, 0, 10, 10, BLACKNESS));
        ASSERT_GT(EndPage(hdc), 0);
    }
    ASSERT_GT(EndDoc(hdc), 0);
    ASSERT_TRUE(DeleteDC(hdc));
    const auto wall = Clock::now() - start;
    const auto inside = host::GraphicsModuleTime();
    EXPECT_GT(inside.count(), 0);
    EXPECT_LT(inside, wall - std::chrono::milliseconds(40)) << "the application's time is not the driver's";

    host::ResetGraphicsModuleTime();
    EXPECT_EQ(host::GraphicsModuleTime().count(), 0);
}
