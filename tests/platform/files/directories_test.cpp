// directories_test.cpp - CreateDirectoryW and RemoveDirectoryW.
#include "files_test_util.h"
#include "support/world_fixture.h"

using Directories = WorldTest;

TEST_F(Directories, CreateDirectoryMakesOneFolderUnderAnExistingOne)
{
    EXPECT_TRUE(CreateDirectoryW(u"C:\\TEMP\\New", nullptr));
    EXPECT_TRUE(std::filesystem::is_directory(HostPath(u"C:\\TEMP\\New")));
    PutFile(u"C:\\TEMP\\file.txt", "x");
    struct Case { const char16_t* name; DWORD error; };
    const Case cases[] = {
        {u"C:\\TEMP\\New",            ERROR_ALREADY_EXISTS},
        {u"c:\\temp\\NEW",            ERROR_ALREADY_EXISTS},
        {u"C:\\TEMP\\file.txt",       ERROR_ALREADY_EXISTS},   // the name is taken by a file
        {u"C:\\Missing\\New",         ERROR_PATH_NOT_FOUND},   // one level at a time
        {u"C:\\TEMP\\file.txt\\New",  ERROR_PATH_NOT_FOUND},
        {u"",                         ERROR_PATH_NOT_FOUND},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(Narrow(c.name));
        SetLastError(0);
        EXPECT_FALSE(CreateDirectoryW(c.name, nullptr));
        EXPECT_EQ(GetLastError(), c.error);
    }
    EXPECT_FALSE(std::filesystem::exists(HostPath(u"C:\\Missing")));
}

TEST_F(Directories, RemoveDirectoryRemovesOnlyAnEmptyFolder)
{
    std::filesystem::create_directories(HostPath(u"C:\\TEMP\\Full\\Inner"));
    std::filesystem::create_directories(HostPath(u"C:\\TEMP\\Locked"));
    ASSERT_TRUE(SetFileAttributesW(u"C:\\TEMP\\Locked", FILE_ATTRIBUTE_READONLY));
    PutFile(u"C:\\TEMP\\file.txt", "x");
    struct Case { const char16_t* name; DWORD error; };
    const Case cases[] = {
        {u"C:\\TEMP\\Full",        ERROR_DIR_NOT_EMPTY },
        {u"C:\\TEMP\\Missing",     ERROR_FILE_NOT_FOUND},
        {u"C:\\Missing\\Missing",  ERROR_PATH_NOT_FOUND},
        {u"C:\\TEMP\\file.txt",    ERROR_DIRECTORY     },
        {u"C:\\TEMP\\Locked",      ERROR_ACCESS_DENIED },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(Narrow(c.name));
        SetLastError(0);
        EXPECT_FALSE(RemoveDirectoryW(c.name));
        EXPECT_EQ(GetLastError(), c.error);
    }
    EXPECT_TRUE(FileExists(u"C:\\TEMP\\file.txt"));

    EXPECT_TRUE(RemoveDirectoryW(u"c:\\temp\\full\\INNER"));
    EXPECT_TRUE(RemoveDirectoryW(u"C:\\TEMP\\Full"));
    EXPECT_FALSE(FileExists(u"C:\\TEMP\\Full"));
}
