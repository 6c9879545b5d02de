// file_times.cpp - GetFileTime and the conversions between file times and system times.
// A file time counts 100-nanosecond ticks since 1601-01-01 00:00 UTC; the world's time zone is UTC, so
// local file times are the same numbers.
#include "files/file_table.h"
#include "files/host_errors.h"
#include "win/winbase.h"

#include <cerrno>
#include <chrono>
#include <cstdint>

using platform::FilesMutex;

namespace {

constexpr uint64_t kTicksPerMillisecond = 10000;
constexpr uint64_t kTicksPerSecond = 1000 * kTicksPerMillisecond;
constexpr uint64_t kTicksPerDay = 86400 * kTicksPerSecond;
constexpr uint64_t kLargestFileTime = 0x7FFFFFFFFFFFFFFFULL;   // the conversions refuse times past it

constexpr std::chrono::sys_days kFileTimeEpoch = std::chrono::year{1601} / 1 / 1;

uint64_t Ticks(const FILETIME& time)
{
    return (static_cast<uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
}

FILETIME FromTicks(uint64_t ticks)
{
    return FILETIME{static_cast<DWORD>(ticks & 0xFFFFFFFF), static_cast<DWORD>(ticks >> 32)};
}

} // namespace

BOOL WINAPI GetFileTime(HANDLE hFile, LPFILETIME lpCreationTime, LPFILETIME lpLastAccessTime,
                        LPFILETIME lpLastWriteTime)
{
    std::lock_guard lock(FilesMutex());
    const auto file = platform::FileHandles().Find(hFile);
    if (file == nullptr) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    platform::HostEntry entry;
    if (!platform::QueryOpenFile(file->fd, entry)) {
        SetLastError(platform::ErrorFromErrno(errno));
        return FALSE;
    }
    if (lpCreationTime != nullptr)
        *lpCreationTime = entry.creationTime;
    if (lpLastAccessTime != nullptr)
        *lpLastAccessTime = entry.lastAccessTime;
    if (lpLastWriteTime != nullptr)
        *lpLastWriteTime = entry.lastWriteTime;
    return TRUE;
}

BOOL WINAPI FileTimeToLocalFileTime(const FILETIME* lpFileTime, LPFILETIME lpLocalFileTime)
{
    if (lpFileTime == nullptr || lpLocalFileTime == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    *lpLocalFileTime = *lpFileTime;
    return TRUE;
}

BOOL WINAPI FileTimeToSystemTime(const FILETIME* lpFileTime, LPSYSTEMTIME lpSystemTime)
{
    if (lpFileTime == nullptr || lpSystemTime == nullptr || Ticks(*lpFileTime) > kLargestFileTime) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    const uint64_t ticks = Ticks(*lpFileTime);
    const std::chrono::sys_days day = kFileTimeEpoch + std::chrono::days(ticks / kTicksPerDay);
    const std::chrono::year_month_day date(day);
    const uint64_t inDay = ticks % kTicksPerDay;
    const uint64_t seconds = inDay / kTicksPerSecond;
    SYSTEMTIME time = {};
    time.wYear = static_cast<WORD>(static_cast<int>(date.year()));
    time.wMonth = static_cast<WORD>(static_cast<unsigned>(date.month()));
    time.wDay = static_cast<WORD>(static_cast<unsigned>(date.day()));
    time.wDayOfWeek = static_cast<WORD>(std::chrono::weekday(day).c_encoding());   // 0 = Sunday
    time.wHour = static_cast<WORD>(seconds / 3600);
    time.wMinute = static_cast<WORD>(seconds / 60 % 60);
    time.wSecond = static_cast<WORD>(seconds % 60);
    time.wMilliseconds = static_cast<WORD>(inDay % kTicksPerSecond / kTicksPerMillisecond);
    *lpSystemTime = time;
    return TRUE;
}

BOOL WINAPI SystemTimeToFileTime(const SYSTEMTIME* lpSystemTime, LPFILETIME lpFileTime)
{
    if (lpSystemTime == nullptr || lpFileTime == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    const SYSTEMTIME& time = *lpSystemTime;
    const std::chrono::year_month_day date{std::chrono::year{time.wYear}, std::chrono::month{time.wMonth},
                                           std::chrono::day{time.wDay}};
    // The day of the week is ignored, as on Windows; everything else must name a real moment.
    if (time.wYear < 1601 || time.wYear > 30827 || !date.ok() || time.wHour > 23 || time.wMinute > 59
        || time.wSecond > 59 || time.wMilliseconds > 999) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    const auto days = static_cast<uint64_t>((std::chrono::sys_days(date) - kFileTimeEpoch).count());
    const uint64_t seconds = (time.wHour * 60ULL + time.wMinute) * 60 + time.wSecond;
    const uint64_t ticks = days * kTicksPerDay + seconds * kTicksPerSecond + time.wMilliseconds * kTicksPerMillisecond;
    if (ticks > kLargestFileTime) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    *lpFileTime = FromTicks(ticks);
    return TRUE;
}
