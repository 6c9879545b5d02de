// clock_test.cpp - local and system time from the world's clock, the tick count and the performance counter.
#include "host/world.h"
#include "support/world_fixture.h"
#include "win/windows.h"

#include <chrono>
#include <thread>

using Clock = WorldTest;

static bool SameTime(const SYSTEMTIME& a, const SYSTEMTIME& b)
{
    return a.wYear == b.wYear && a.wMonth == b.wMonth && a.wDayOfWeek == b.wDayOfWeek && a.wDay == b.wDay
        && a.wHour == b.wHour && a.wMinute == b.wMinute && a.wSecond == b.wSecond
        && a.wMilliseconds == b.wMilliseconds;
}

TEST_F(Clock, AFixedClockAnswersBothCallsWithTheWeekdayOfItsDate)
{
    host::SetClock(SYSTEMTIME{2024, 2, 0, 29, 13, 5, 9, 250});   // the weekday given is wrong on purpose
    const SYSTEMTIME expected{2024, 2, 4, 29, 13, 5, 9, 250};      // 29 February 2024 was a Thursday
    SYSTEMTIME local = {};
    SYSTEMTIME system = {};
    GetLocalTime(&local);
    GetSystemTime(&system);
    EXPECT_TRUE(SameTime(local, expected)) << local.wYear << "-" << local.wMonth << "-" << local.wDay
                                           << " weekday " << local.wDayOfWeek;
    EXPECT_TRUE(SameTime(system, expected)) << "the world's time zone is UTC";
    GetLocalTime(nullptr);   // nothing to write to: no crash
}

TEST_F(Clock, TheRealClockIsTheHostsUtcTime)
{
    host::SetClock(SYSTEMTIME{2001, 1, 1, 1, 0, 0, 0, 0});
    host::UseRealClock();
    using namespace std::chrono;
    const auto before = floor<seconds>(system_clock::now());
    SYSTEMTIME now = {};
    GetSystemTime(&now);
    const auto after = system_clock::now();

    const sys_days date{year{now.wYear} / month{now.wMonth} / day{now.wDay}};
    const auto answered = date + hours{now.wHour} + minutes{now.wMinute} + seconds{now.wSecond}
                        + milliseconds{now.wMilliseconds};
    EXPECT_GE(answered, before);
    EXPECT_LE(answered, after);
    EXPECT_EQ(now.wDayOfWeek, weekday{date}.c_encoding());
}

TEST_F(Clock, TickCountAdvancesInMilliseconds)
{
    const DWORD start = GetTickCount();
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
    const DWORD elapsed = GetTickCount() - start;   // unsigned difference: right across a wrap too
    EXPECT_GE(elapsed, 25u);
    EXPECT_LT(elapsed, 10000u);
}

TEST_F(Clock, PerformanceCounterAdvancesAtItsStatedFrequency)
{
    LARGE_INTEGER frequency = {};
    ASSERT_TRUE(QueryPerformanceFrequency(&frequency));
    ASSERT_GT(frequency.QuadPart, 0);
    LARGE_INTEGER again = {};
    ASSERT_TRUE(QueryPerformanceFrequency(&again));
    EXPECT_EQ(again.QuadPart, frequency.QuadPart) << "fixed for the process's life";

    LARGE_INTEGER start = {}, end = {};
    ASSERT_TRUE(QueryPerformanceCounter(&start));
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
    ASSERT_TRUE(QueryPerformanceCounter(&end));
    const double seconds =
        static_cast<double>(end.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);
    EXPECT_GE(seconds, 0.025);
    EXPECT_LT(seconds, 10.0);

    SetLastError(0);
    EXPECT_FALSE(QueryPerformanceCounter(nullptr));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NOACCESS));
    SetLastError(0);
    EXPECT_FALSE(QueryPerformanceFrequency(nullptr));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NOACCESS));
}
