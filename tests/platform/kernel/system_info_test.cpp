// system_info_test.cpp - the system's folders, the user name and the version, with their size protocols.
#include "host/text.h"
#include "host/faults.h"
#include "host/world.h"
#include "support/world_fixture.h"
#include "win/windows.h"

#include <cstring>
#include <string>

using SystemInfo = WorldTest;

TEST_F(SystemInfo, FoldersAnswerTheLengthOrTheSizeNeededAndWriteNothingPartial)
{
    struct Case { UINT (*call)(LPWSTR, UINT); std::u16string folder; };
    const Case cases[] = {
        {GetSystemDirectoryW,  u"C:\\WINDOWS\\system32"},
        {GetWindowsDirectoryW, u"C:\\WINDOWS"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(host::ToUtf8(c.folder));
        const auto needed = static_cast<UINT>(c.folder.size() + 1);
        WCHAR buffer[64];
        std::memset(buffer, 0xAB, sizeof buffer);

        EXPECT_EQ(c.call(nullptr, 0), needed);
        EXPECT_EQ(c.call(buffer, needed - 1), needed) << "one character short: the terminator has no room";
        EXPECT_EQ(buffer[0], 0xABABu) << "a short buffer must stay untouched";

        EXPECT_EQ(c.call(buffer, needed), needed - 1);
        EXPECT_EQ(std::u16string(buffer), c.folder);

        SetLastError(0);
        EXPECT_EQ(c.call(nullptr, 64), 0u);
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    }
}

TEST_F(SystemInfo, UserNameCountsCharactersWithTheTerminator)
{
    host::SetUserName(u"Taro");
    WCHAR buffer[8];
    std::memset(buffer, 0xAB, sizeof buffer);

    DWORD size = 4;
    SetLastError(0);
    EXPECT_FALSE(GetUserNameW(buffer, &size));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
    EXPECT_EQ(size, 5u);
    EXPECT_EQ(buffer[0], 0xABABu);

    size = 0;
    EXPECT_FALSE(GetUserNameW(nullptr, &size));
    EXPECT_EQ(size, 5u);

    size = 5;
    ASSERT_TRUE(GetUserNameW(buffer, &size));
    EXPECT_EQ(std::u16string(buffer), u"Taro");
    EXPECT_EQ(size, 5u);

    SetLastError(0);
    EXPECT_FALSE(GetUserNameW(buffer, nullptr));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
}

TEST_F(SystemInfo, AnInjectedFaultLeavesNoUserToName)
{
    host::SetUserName(u"Taro");
    WCHAR buffer[16];
    std::memset(buffer, 0xAB, sizeof buffer);
    DWORD size = 16;
    host::InjectFault(host::Fault::UserName, 1);
    SetLastError(0);
    EXPECT_FALSE(GetUserNameW(buffer, &size));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NO_SUCH_LOGON_SESSION));
    EXPECT_EQ(size, 16u);
    EXPECT_EQ(buffer[0], 0xABABu);
    ASSERT_TRUE(GetUserNameW(buffer, &size)) << "one call fails, the next one names the user";
    EXPECT_EQ(std::u16string(buffer), u"Taro");
}

TEST_F(SystemInfo, VersionComesFromTheWorldAndChecksTheRecordSize)
{
    OSVERSIONINFOW info = {};
    info.dwOSVersionInfoSize = sizeof info;
    ASSERT_TRUE(GetVersionExW(&info));
    EXPECT_EQ(info.dwMajorVersion, 5u);
    EXPECT_EQ(info.dwMinorVersion, 1u);
    EXPECT_EQ(info.dwBuildNumber, 2600u);
    EXPECT_EQ(info.dwPlatformId, static_cast<DWORD>(VER_PLATFORM_WIN32_NT));
    EXPECT_EQ(std::u16string(info.szCSDVersion), u"Service Pack 2");

    host::SetVersion(6, 1, 7601, std::u16string(200, u'p'));
    std::memset(&info, 0xAB, sizeof info);
    info.dwOSVersionInfoSize = sizeof info;
    ASSERT_TRUE(GetVersionExW(&info));
    EXPECT_EQ(info.dwMajorVersion, 6u);
    EXPECT_EQ(info.dwBuildNumber, 7601u);
    EXPECT_EQ(std::u16string(info.szCSDVersion), std::u16string(127, u'p')) << "cut to the field, terminated";

    for (DWORD size : {DWORD{0}, DWORD{sizeof info - 1}, DWORD{sizeof info + 8}}) {
        SCOPED_TRACE(size);
        std::memset(&info, 0xAB, sizeof info);
        info.dwOSVersionInfoSize = size;
        SetLastError(0);
        EXPECT_FALSE(GetVersionExW(&info));
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
        EXPECT_EQ(info.dwMajorVersion, 0xABABABABu) << "a refused record stays untouched";
    }
    SetLastError(0);
    EXPECT_FALSE(GetVersionExW(nullptr));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
}
