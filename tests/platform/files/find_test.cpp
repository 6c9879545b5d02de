// find_test.cpp - FindFirstFileW, FindNextFileW and FindClose.
#include "files_test_util.h"
#include "support/world_fixture.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

class Find : public WorldTest {
protected:
    void SetUp() override
    {
        WorldTest::SetUp();
        std::filesystem::create_directories(HostPath(u"C:\\Data\\Sub"));
        PutFile(u"C:\\Data\\a.txt", "12345");
        PutFile(u"C:\\Data\\B.TXT", "");
        PutFile(u"C:\\Data\\c.log", "");
        PutFile(u"C:\\Data\\README", "");
        PutFile(u"C:\\Data\\ab.txt.bak", "");
    }
};

// Every name a search hands out, in order; the error that ended it (ERROR_NO_MORE_FILES), or the error of
// FindFirstFileW when it found nothing.
std::vector<std::u16string> Names(const char16_t* pattern, DWORD& error)
{
    std::vector<std::u16string> names;
    WIN32_FIND_DATAW data;
    SetLastError(0);
    const HANDLE search = FindFirstFileW(pattern, &data);
    if (search == INVALID_HANDLE_VALUE) {
        error = GetLastError();
        return names;
    }
    do {
        names.push_back(data.cFileName);
    } while (FindNextFileW(search, &data));
    error = GetLastError();
    EXPECT_TRUE(FindClose(search));
    return names;
}

} // namespace

TEST_F(Find, MatchesWildcardsWithoutRegardToCaseInNameOrder)
{
    using NameList = std::vector<std::u16string>;
    struct Case { const char16_t* pattern; NameList expected; DWORD error; };
    const Case cases[] = {
        {u"C:\\Data\\*.txt",   {u"a.txt", u"B.TXT"},                     ERROR_NO_MORE_FILES },
        {u"c:\\data\\*.TXT",   {u"a.txt", u"B.TXT"},                     ERROR_NO_MORE_FILES },
        {u"C:\\Data\\?.log",   {u"c.log"},                               ERROR_NO_MORE_FILES },
        {u"C:\\Data\\*b*",     {u"ab.txt.bak", u"B.TXT", u"Sub"},        ERROR_NO_MORE_FILES },
        {u"C:\\Data\\a*t",     {u"a.txt"},                               ERROR_NO_MORE_FILES },   // '*' gives back
        {u"C:\\Data\\readme",  {u"README"},                              ERROR_NO_MORE_FILES },
        {u"C:\\Data\\*",       {u".", u"..", u"a.txt", u"ab.txt.bak", u"B.TXT", u"c.log", u"README", u"Sub"},
                                                                         ERROR_NO_MORE_FILES },
        {u"C:\\Data\\*.*",     {u".", u"..", u"a.txt", u"ab.txt.bak", u"B.TXT", u"c.log", u"README", u"Sub"},
                                                                         ERROR_NO_MORE_FILES },   // README too
        {u"C:\\Data",          {u"Data"},                                ERROR_NO_MORE_FILES },   // the folder itself
        {u"C:\\Data\\x*",      {},                                       ERROR_FILE_NOT_FOUND},
        {u"C:\\Data\\",        {},                                       ERROR_FILE_NOT_FOUND},
        {u"C:\\Nope\\*",       {},                                       ERROR_PATH_NOT_FOUND},
        {u"C:\\Data\\a.txt\\*",{},                                       ERROR_PATH_NOT_FOUND},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(Narrow(c.pattern));
        DWORD error = 0;
        EXPECT_EQ(Names(c.pattern, error), c.expected);
        EXPECT_EQ(error, c.error);
    }
}

TEST_F(Find, DescribesEachEntry)
{
    ASSERT_TRUE(SetFileAttributesW(u"C:\\Data\\a.txt", FILE_ATTRIBUTE_HIDDEN));
    WIN32_FIND_DATAW data;
    std::memset(&data, 0xAB, sizeof data);
    const HANDLE search = FindFirstFileW(u"C:\\Data\\A.TXT", &data);
    ASSERT_NE(search, INVALID_HANDLE_VALUE);
    EXPECT_EQ(std::u16string(data.cFileName), u"a.txt");
    EXPECT_EQ(data.dwFileAttributes, static_cast<DWORD>(FILE_ATTRIBUTE_HIDDEN));
    EXPECT_EQ(data.nFileSizeLow, 5u);
    EXPECT_EQ(data.nFileSizeHigh, 0u);
    EXPECT_EQ(data.cAlternateFileName[0], u'\0');
    EXPECT_NE(data.ftLastWriteTime.dwHighDateTime, 0u);
    FindClose(search);

    const HANDLE folders = FindFirstFileW(u"C:\\Data\\S*", &data);
    ASSERT_NE(folders, INVALID_HANDLE_VALUE);
    EXPECT_EQ(data.dwFileAttributes, static_cast<DWORD>(FILE_ATTRIBUTE_DIRECTORY));
    FindClose(folders);
}

TEST_F(Find, ADriveRootHasNoDotEntries)
{
    DWORD error = 0;
    const auto names = Names(u"C:\\*", error);
    ASSERT_FALSE(names.empty());
    EXPECT_NE(names.front(), u".");
    EXPECT_EQ(std::count(names.begin(), names.end(), u"TEMP"), 1);
}

TEST_F(Find, AFinishedOrClosedSearchSaysSo)
{
    WIN32_FIND_DATAW data;
    const HANDLE search = FindFirstFileW(u"C:\\Data\\c.log", &data);
    ASSERT_NE(search, INVALID_HANDLE_VALUE);
    SetLastError(0);
    EXPECT_FALSE(FindNextFileW(search, &data));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NO_MORE_FILES));
    EXPECT_FALSE(FindNextFileW(search, &data));   // and stays finished
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NO_MORE_FILES));
    EXPECT_TRUE(FindClose(search));

    SetLastError(0);
    EXPECT_FALSE(FindNextFileW(search, &data));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
    SetLastError(0);
    EXPECT_FALSE(FindClose(search));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
    // A find handle is no file handle, and a file handle no find handle.
    EXPECT_FALSE(FindClose(INVALID_HANDLE_VALUE));
    const HANDLE again = FindFirstFileW(u"C:\\Data\\c.log", &data);
    ASSERT_NE(again, INVALID_HANDLE_VALUE);
    EXPECT_FALSE(CloseHandle(again));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
    EXPECT_TRUE(FindClose(again));
}

TEST_F(Find, RefusesBadArguments)
{
    WIN32_FIND_DATAW data;
    SetLastError(0);
    EXPECT_EQ(FindFirstFileW(u"C:\\Data\\*", nullptr), INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    SetLastError(0);
    EXPECT_EQ(FindFirstFileW(nullptr, &data), INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_PATH_NOT_FOUND));
    SetLastError(0);
    EXPECT_EQ(FindFirstFileW(u"C:\\Da*\\a.txt", &data), INVALID_HANDLE_VALUE);   // wildcards only at the end
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_NAME));
}
