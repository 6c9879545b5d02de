// clock.cpp - the time of day, the tick count and the performance counter. The world's time zone is UTC, so local and system time agree;
// a host may fix the clock so that dates in the output stay the same from run to run.
#include "common/world_state.h"
#include "win/winbase.h"

#include <chrono>

namespace {

// The performance counter counts 100-nanosecond units, as it does on most Windows machines: fine enough for
// timing a single call, and a 64-bit count that does not wrap for tens of thousands of years.
constexpr LONGLONG kPerformanceFrequency = 10'000'000;

// The weekday of a valid Gregorian date (0 = Sunday), or -1 when the date does not exist.
int DayOfWeek(const SYSTEMTIME& time)
{
    using namespace std::chrono;
    const year_month_day date{year{time.wYear}, month{time.wMonth}, day{time.wDay}};
    if (!date.ok())
        return -1;
    return static_cast<int>(weekday{sys_days{date}}.c_encoding());
}

SYSTEMTIME HostUtcTime()
{
    using namespace std::chrono;
    const auto now = time_point_cast<milliseconds>(system_clock::now());
    const auto today = floor<days>(now);
    const year_month_day date{today};
    const hh_mm_ss<milliseconds> clock{now - today};
    SYSTEMTIME time = {};
    time.wYear = static_cast<WORD>(static_cast<int>(date.year()));
    time.wMonth = static_cast<WORD>(static_cast<unsigned>(date.month()));
    time.wDay = static_cast<WORD>(static_cast<unsigned>(date.day()));
    time.wDayOfWeek = static_cast<WORD>(weekday{today}.c_encoding());
    time.wHour = static_cast<WORD>(clock.hours().count());
    time.wMinute = static_cast<WORD>(clock.minutes().count());
    time.wSecond = static_cast<WORD>(clock.seconds().count());
    time.wMilliseconds = static_cast<WORD>(clock.subseconds().count());
    return time;
}

SYSTEMTIME WorldTime()
{
    const platform::WorldIdentity& identity = platform::Identity();
    if (!identity.fixedClock)
        return HostUtcTime();
    // The host gives a date; the weekday follows from it, so a caller printing both never sees them disagree.
    SYSTEMTIME time = identity.clock;
    const int weekday = DayOfWeek(time);
    if (weekday >= 0)
        time.wDayOfWeek = static_cast<WORD>(weekday);
    return time;
}

} // namespace

void WINAPI GetLocalTime(LPSYSTEMTIME lpSystemTime)
{
    if (lpSystemTime == nullptr)
        return;
    *lpSystemTime = WorldTime();
}

void WINAPI GetSystemTime(LPSYSTEMTIME lpSystemTime)
{
    if (lpSystemTime == nullptr)
        return;
    *lpSystemTime = WorldTime();
}

DWORD WINAPI GetTickCount(void)
{
    // Milliseconds of the host's monotonic clock, which counts from boot on Linux; the value wraps after
    // 49.7 days exactly as the Windows count does.
    const auto elapsed = std::chrono::steady_clock::now().time_since_epoch();
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count();
    return static_cast<DWORD>(static_cast<unsigned long long>(ms) & 0xFFFFFFFFull);
}

BOOL WINAPI QueryPerformanceCounter(LARGE_INTEGER* lpPerformanceCount)
{
    if (lpPerformanceCount == nullptr) {
        SetLastError(ERROR_NOACCESS);
        return FALSE;
    }
    using Units = std::chrono::duration<LONGLONG, std::ratio<1, kPerformanceFrequency>>;
    const auto elapsed = std::chrono::steady_clock::now().time_since_epoch();
    lpPerformanceCount->QuadPart = std::chrono::duration_cast<Units>(elapsed).count();
    return TRUE;
}

BOOL WINAPI QueryPerformanceFrequency(LARGE_INTEGER* lpFrequency)
{
    if (lpFrequency == nullptr) {
        SetLastError(ERROR_NOACCESS);
        return FALSE;
    }
    lpFrequency->QuadPart = kPerformanceFrequency;
    return TRUE;
}
