// file_times_test.cpp - GetFileTime and the conversions between file times and system times.
#include "files_test_util.h"
#include "support/world_fixture.h"

#include <chrono>
#include <cstring>

using FileTimes = WorldTest;

namespace {

FILETIME FileTime(uint64_t ticks)
{
    return FILETIME{static_cast<DWORD>(ticks & 0xFFFFFFFF), static_cast<DWORD>(ticks >> 32)};
}

uint64_t Ticks(const FILETIME& time)
{
    return (static_cast<uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
}

// The host's clock now, as a file time.
uint64_t NowTicks()
{
    const auto sinceUnix = std::chrono::duration_cast<std::chrono::microseconds>(
        std::chrono::system_clock::now().time_since_epoch());
    return static_cast<uint64_t>(sinceUnix.count()) * 10 + 116444736000000000ULL;
}

} // namespace

TEST(FileTimeConversion, ConvertsBothWaysAndNamesTheDayOfTheWeek)
{
    struct Case { uint64_t ticks; SYSTEMTIME time; };   // time: year, month, day of week, day, h, m, s, ms
    const Case cases[] = {
        {0,                     {1601, 1, 1, 1, 0, 0, 0, 0}      },   // a Monday
        {0x019DB1DED53E8000ULL, {1970, 1, 4, 1, 0, 0, 0, 0}      },
        {0x01BF82B162C9FC50ULL, {2000, 2, 2, 29, 12, 34, 56, 789}},   // a leap day
        {0x01DB5BE019BA18F0ULL, {2024, 12, 2, 31, 23, 59, 59, 999}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.time.wYear << "-" << c.time.wMonth << "-" << c.time.wDay);
        SYSTEMTIME time;
        std::memset(&time, 0xAB, sizeof time);
        const FILETIME ticks = FileTime(c.ticks);
        ASSERT_TRUE(FileTimeToSystemTime(&ticks, &time));
        EXPECT_EQ(std::memcmp(&time, &c.time, sizeof time), 0)
            << time.wYear << "-" << time.wMonth << "-" << time.wDay << " dow " << time.wDayOfWeek << " "
            << time.wHour << ":" << time.wMinute << ":" << time.wSecond << "." << time.wMilliseconds;

        SYSTEMTIME anyWeekday = c.time;
        anyWeekday.wDayOfWeek = 6;   // ignored on the way back
        FILETIME back = {};
        ASSERT_TRUE(SystemTimeToFileTime(&anyWeekday, &back));
        EXPECT_EQ(Ticks(back), c.ticks);
    }
}

TEST(FileTimeConversion, TheLargestFileTimeIsTheLastOneConverted)
{
    const FILETIME largest = FileTime(0x7FFFFFFFFFFFFFFFULL);
    SYSTEMTIME time = {};
    ASSERT_TRUE(FileTimeToSystemTime(&largest, &time));
    EXPECT_EQ(time.wYear, 30828);
    EXPECT_EQ(time.wMonth, 9);
    EXPECT_EQ(time.wDay, 14);
    EXPECT_EQ(time.wMilliseconds, 477);

    const FILETIME beyond = FileTime(0x8000000000000000ULL);
    SetLastError(0);
    EXPECT_FALSE(FileTimeToSystemTime(&beyond, &time));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
}

TEST(FileTimeConversion, RefusesASystemTimeThatNamesNoMoment)
{
    const SYSTEMTIME cases[] = {
        {1600, 12, 0, 31, 0, 0, 0, 0},
        {30828, 1, 0, 1, 0, 0, 0, 0},
        {2000, 13, 0, 1, 0, 0, 0, 0},
        {2000, 0, 0, 1, 0, 0, 0, 0},
        {2000, 1, 0, 0, 0, 0, 0, 0},
        {1900, 2, 0, 29, 0, 0, 0, 0},   // 1900 was no leap year
        {2000, 2, 0, 30, 0, 0, 0, 0},
        {2000, 4, 0, 31, 0, 0, 0, 0},
        {2000, 1, 0, 1, 24, 0, 0, 0},
        {2000, 1, 0, 1, 0, 60, 0, 0},
        {2000, 1, 0, 1, 0, 0, 60, 0},
        {2000, 1, 0, 1, 0, 0, 0, 1000},
    };
    for (const SYSTEMTIME& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
        FILETIME result = FileTime(0x1234);
        SetLastError(0);
        EXPECT_FALSE(SystemTimeToFileTime(&c, &result));
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
        EXPECT_EQ(Ticks(result), 0x1234u) << "a refused conversion writes nothing";
    }
}

TEST(FileTimeConversion, LocalFileTimeIsUtcInThisWorld)
{
    const FILETIME utc = FileTime(0x01BF82B162C9FC50ULL);
    FILETIME local = {};
    ASSERT_TRUE(FileTimeToLocalFileTime(&utc, &local));
    EXPECT_EQ(Ticks(local), Ticks(utc));
    EXPECT_FALSE(FileTimeToLocalFileTime(&utc, nullptr));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
}

TEST_F(FileTimes, GetFileTimeAnswersTheHostTimesOfTheFile)
{
    const uint64_t before = NowTicks();
    const HANDLE file = CreateFileW(u"C:\\TEMP\\t.txt", GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0,
                                    nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    WriteFile(file, "x", 1, &written, nullptr);
    FILETIME created = {};
    FILETIME writtenAt = {};
    ASSERT_TRUE(GetFileTime(file, &created, nullptr, &writtenAt));   // each time is optional
    const uint64_t after = NowTicks();
    constexpr uint64_t kSlack = 2 * 10000000ULL;   // file systems keep coarser clocks than the host
    EXPECT_GE(Ticks(writtenAt) + kSlack, before);
    EXPECT_LE(Ticks(writtenAt), after + kSlack);
    EXPECT_GE(Ticks(created) + kSlack, before);
    EXPECT_LE(Ticks(created), Ticks(writtenAt) + kSlack);

    // A time set on the host is the time answered.
    const auto hostTime = std::filesystem::file_time_type::clock::now() - std::chrono::hours(24 * 365);
    std::filesystem::last_write_time(HostPath(u"C:\\TEMP\\t.txt"), hostTime);
    ASSERT_TRUE(GetFileTime(file, nullptr, nullptr, &writtenAt));
    EXPECT_NEAR(static_cast<double>(before - Ticks(writtenAt)), 365.0 * 24 * 3600 * 10000000, 1e8);
    CloseHandle(file);
}
