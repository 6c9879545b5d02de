// file_attributes_test.cpp - GetFileAttributesW and SetFileAttributesW, and the attributes files are made with.
#include "files_test_util.h"
#include "support/world_fixture.h"

using FileAttributes = WorldTest;

namespace {

constexpr const char16_t* kFile = u"C:\\TEMP\\file.txt";

} // namespace

TEST_F(FileAttributes, ReportsFilesFoldersAndWhatIsMissing)
{
    PutFile(kFile, "x");
    struct Case { const char16_t* name; DWORD attributes; DWORD error; };
    const Case cases[] = {
        {kFile,                       FILE_ATTRIBUTE_ARCHIVE,   0                   },   // a new file: to archive
        {u"C:\\TEMP",                 FILE_ATTRIBUTE_DIRECTORY, 0                   },
        {u"C:\\",                     FILE_ATTRIBUTE_DIRECTORY, 0                   },
        {u"C:\\TEMP\\missing.txt",    INVALID_FILE_ATTRIBUTES,  ERROR_FILE_NOT_FOUND},
        {u"C:\\NoFolder\\file.txt",   INVALID_FILE_ATTRIBUTES,  ERROR_PATH_NOT_FOUND},
        {u"C:\\TEMP\\*.txt",          INVALID_FILE_ATTRIBUTES,  ERROR_INVALID_NAME  },
        {nullptr,                     INVALID_FILE_ATTRIBUTES,  ERROR_PATH_NOT_FOUND},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(Narrow(c.name == nullptr ? u"(null)" : c.name));
        SetLastError(0);
        EXPECT_EQ(GetFileAttributesW(c.name), c.attributes);
        EXPECT_EQ(GetLastError(), c.error);
    }
}

TEST_F(FileAttributes, KeepsTheBitsSetAndIgnoresTheOthers)
{
    PutFile(kFile, "x");
    struct Case { DWORD set; DWORD reported; };
    const Case cases[] = {
        {FILE_ATTRIBUTE_READONLY,                          FILE_ATTRIBUTE_READONLY                        },
        {FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM,    FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM  },
        {FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_READONLY, FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_READONLY},
        {FILE_ATTRIBUTE_NORMAL,                            FILE_ATTRIBUTE_NORMAL                          },
        {0,                                                FILE_ATTRIBUTE_NORMAL                          },
        {FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN, FILE_ATTRIBUTE_HIDDEN                          },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << std::hex << "set 0x" << c.set);
        ASSERT_TRUE(SetFileAttributesW(kFile, c.set));
        EXPECT_EQ(GetFileAttributesW(u"c:\\temp\\FILE.TXT"), c.reported) << "read through another spelling";
    }
    SetLastError(0);
    EXPECT_FALSE(SetFileAttributesW(u"C:\\TEMP\\missing.txt", FILE_ATTRIBUTE_HIDDEN));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
}

TEST_F(FileAttributes, AFileIsMadeWithTheAttributesAskedForAndArchive)
{
    const HANDLE file = CreateFileW(kFile, GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_HIDDEN, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    CloseHandle(file);
    EXPECT_EQ(GetFileAttributesW(kFile), static_cast<DWORD>(FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE));

    // Overwriting makes the file anew; opening leaves its attributes alone.
    const HANDLE again = CreateFileW(kFile, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_SYSTEM, nullptr);
    ASSERT_NE(again, INVALID_HANDLE_VALUE);
    CloseHandle(again);
    EXPECT_EQ(GetFileAttributesW(kFile), static_cast<DWORD>(FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE));
    const HANDLE opened = CreateFileW(kFile, GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_HIDDEN, nullptr);
    ASSERT_NE(opened, INVALID_HANDLE_VALUE);
    CloseHandle(opened);
    EXPECT_EQ(GetFileAttributesW(kFile), static_cast<DWORD>(FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE));
}

TEST_F(FileAttributes, ADeletedFileTakesItsAttributesAlong)
{
    PutFile(kFile, "x");
    ASSERT_TRUE(SetFileAttributesW(kFile, FILE_ATTRIBUTE_HIDDEN));
    ASSERT_TRUE(DeleteFileW(kFile));
    PutFile(kFile, "a different file");
    EXPECT_EQ(GetFileAttributesW(kFile), static_cast<DWORD>(FILE_ATTRIBUTE_ARCHIVE));
}

TEST_F(FileAttributes, AFileMadeAnewBehindThePlatformsBackStartsAfresh)
{
    PutFile(kFile, "old");
    ASSERT_TRUE(SetFileAttributesW(kFile, FILE_ATTRIBUTE_READONLY));
    PutFile(u"C:\\TEMP\\other.txt", "new");   // made while the old file still exists: a file of its own
    std::filesystem::remove(HostPath(kFile));
    std::filesystem::rename(HostPath(u"C:\\TEMP\\other.txt"), HostPath(kFile));
    EXPECT_EQ(GetFileAttributesW(kFile), static_cast<DWORD>(FILE_ATTRIBUTE_ARCHIVE));
    const HANDLE file = CreateFileW(kFile, GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    EXPECT_NE(file, INVALID_HANDLE_VALUE);
    CloseHandle(file);
}

TEST_F(FileAttributes, AFolderKeepsItsOwnBitsBesideDirectory)
{
    ASSERT_TRUE(CreateDirectoryW(u"C:\\TEMP\\Folder", nullptr));
    ASSERT_TRUE(SetFileAttributesW(u"C:\\TEMP\\Folder", FILE_ATTRIBUTE_HIDDEN));
    EXPECT_EQ(GetFileAttributesW(u"C:\\TEMP\\Folder"),
              static_cast<DWORD>(FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN));
}
