// file_ops_test.cpp - DeleteFileW, CopyFileW and MoveFileW.
#include "files_test_util.h"
#include "support/world_fixture.h"

using FileOps = WorldTest;

namespace {

constexpr const char16_t* kSource = u"C:\\TEMP\\source.txt";
constexpr const char16_t* kTarget = u"C:\\TEMP\\target.txt";
constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

HANDLE OpenExisting(const char16_t* name, DWORD access, DWORD share)
{
    return CreateFileW(name, access, share, nullptr, OPEN_EXISTING, 0, nullptr);
}

} // namespace

TEST_F(FileOps, DeleteFileRefusesWhatItMayNotDelete)
{
    PutFile(kSource, "x");
    std::filesystem::create_directory(HostPath(u"C:\\TEMP\\Folder"));
    PutFile(u"C:\\TEMP\\locked.txt", "x");
    const HANDLE held = OpenExisting(u"C:\\TEMP\\locked.txt", GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    PutFile(u"C:\\TEMP\\readonly.txt", "x");
    ASSERT_TRUE(SetFileAttributesW(u"C:\\TEMP\\readonly.txt", FILE_ATTRIBUTE_READONLY));

    struct Case { const char16_t* name; DWORD error; };
    const Case cases[] = {
        {u"C:\\TEMP\\missing.txt",       ERROR_FILE_NOT_FOUND   },
        {u"C:\\NoFolder\\missing.txt",   ERROR_PATH_NOT_FOUND   },
        {u"C:\\TEMP\\readonly.txt",      ERROR_ACCESS_DENIED    },
        {u"C:\\TEMP\\Folder",            ERROR_ACCESS_DENIED    },
        {u"C:\\TEMP\\locked.txt",        ERROR_SHARING_VIOLATION},   // held without FILE_SHARE_DELETE
        {nullptr,                        ERROR_PATH_NOT_FOUND   },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(Narrow(c.name == nullptr ? u"(null)" : c.name));
        SetLastError(0);
        EXPECT_FALSE(DeleteFileW(c.name));
        EXPECT_EQ(GetLastError(), c.error);
    }
    EXPECT_TRUE(FileExists(u"C:\\TEMP\\readonly.txt"));
    EXPECT_TRUE(FileExists(u"C:\\TEMP\\locked.txt"));
    CloseHandle(held);

    EXPECT_TRUE(DeleteFileW(u"c:\\temp\\SOURCE.TXT"));   // any spelling of the name
    EXPECT_FALSE(FileExists(kSource));
}

TEST_F(FileOps, DeletingAFileSharedForDeletionWaitsForItsHandles)
{
    PutFile(kSource, "x");
    const HANDLE held = OpenExisting(kSource, GENERIC_READ, kShareAll);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    EXPECT_TRUE(DeleteFileW(kSource));
    EXPECT_TRUE(FileExists(kSource));
    EXPECT_EQ(OpenExisting(kSource, GENERIC_READ, kShareAll), INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED));
    EXPECT_TRUE(CloseHandle(held));
    EXPECT_FALSE(FileExists(kSource));
}

TEST_F(FileOps, CopyFileCopiesBytesTimeAndAttributes)
{
    PutFile(kSource, std::string("line\r\n\0binary", 13));
    std::filesystem::last_write_time(HostPath(kSource),
                                     std::filesystem::file_time_type::clock::now() - std::chrono::hours(48));
    ASSERT_TRUE(SetFileAttributesW(kSource, FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN));
    ASSERT_TRUE(CopyFileW(kSource, kTarget, TRUE));
    EXPECT_EQ(FileBytes(kTarget), FileBytes(kSource));
    EXPECT_EQ(GetFileAttributesW(kTarget), static_cast<DWORD>(FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN));
    EXPECT_EQ(std::filesystem::last_write_time(HostPath(kTarget)),
              std::filesystem::last_write_time(HostPath(kSource)));
}

TEST_F(FileOps, CopyFileOverwritesOnlyWhenAllowed)
{
    PutFile(kSource, "new");
    PutFile(kTarget, "old");
    SetLastError(0);
    EXPECT_FALSE(CopyFileW(kSource, kTarget, TRUE));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_EXISTS));
    EXPECT_EQ(FileBytes(kTarget), "old");
    EXPECT_TRUE(CopyFileW(kSource, kTarget, FALSE));
    EXPECT_EQ(FileBytes(kTarget), "new");
}

TEST_F(FileOps, CopyFileRefusesAndLeavesBothFilesAsTheyWere)
{
    PutFile(kSource, "source");
    PutFile(u"C:\\TEMP\\readonly.txt", "readonly");
    ASSERT_TRUE(SetFileAttributesW(u"C:\\TEMP\\readonly.txt", FILE_ATTRIBUTE_READONLY));
    struct Case { const char16_t* from; const char16_t* to; DWORD error; };
    const Case cases[] = {
        {u"C:\\TEMP\\missing.txt", kTarget,                     ERROR_FILE_NOT_FOUND   },
        {kSource,                  u"C:\\NoFolder\\target.txt", ERROR_PATH_NOT_FOUND   },
        {kSource,                  u"C:\\TEMP\\readonly.txt",   ERROR_ACCESS_DENIED    },
        {kSource,                  u"C:\\TEMP",                 ERROR_ACCESS_DENIED    },
        {u"C:\\TEMP",              kTarget,                     ERROR_ACCESS_DENIED    },
        {kSource,                  u"c:\\temp\\SOURCE.txt",     ERROR_SHARING_VIOLATION},   // onto itself
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(Narrow(c.from) + " -> " + Narrow(c.to));
        SetLastError(0);
        EXPECT_FALSE(CopyFileW(c.from, c.to, FALSE));
        EXPECT_EQ(GetLastError(), c.error);
    }
    EXPECT_EQ(FileBytes(kSource), "source");
    EXPECT_EQ(FileBytes(u"C:\\TEMP\\readonly.txt"), "readonly");
    EXPECT_FALSE(FileExists(kTarget));
}

TEST_F(FileOps, CopyFileRespectsTheShareModesOfOpenHandles)
{
    PutFile(kSource, "source");
    PutFile(kTarget, "target");
    const HANDLE writing = OpenExisting(kSource, GENERIC_WRITE, FILE_SHARE_READ);
    ASSERT_NE(writing, INVALID_HANDLE_VALUE);
    EXPECT_FALSE(CopyFileW(kSource, u"C:\\TEMP\\other.txt", FALSE));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_SHARING_VIOLATION));
    CloseHandle(writing);

    const HANDLE reading = OpenExisting(kTarget, GENERIC_READ, kShareAll);
    ASSERT_NE(reading, INVALID_HANDLE_VALUE);
    EXPECT_FALSE(CopyFileW(kSource, kTarget, FALSE));   // the copy would write under an open handle
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_SHARING_VIOLATION));
    CloseHandle(reading);
    EXPECT_EQ(FileBytes(kTarget), "target");
}

TEST_F(FileOps, MoveFileRenamesAndTakesTheAttributesAlong)
{
    PutFile(kSource, "moved");
    ASSERT_TRUE(SetFileAttributesW(kSource, FILE_ATTRIBUTE_HIDDEN));
    std::filesystem::create_directory(HostPath(u"C:\\TEMP\\Sub"));
    ASSERT_TRUE(MoveFileW(kSource, u"C:\\TEMP\\Sub\\moved.txt"));
    EXPECT_FALSE(FileExists(kSource));
    EXPECT_EQ(FileBytes(u"C:\\TEMP\\Sub\\moved.txt"), "moved");
    EXPECT_EQ(GetFileAttributesW(u"C:\\TEMP\\Sub\\moved.txt"), static_cast<DWORD>(FILE_ATTRIBUTE_HIDDEN));

    // A folder moves with its contents, and what is kept of them moves too.
    ASSERT_TRUE(MoveFileW(u"C:\\TEMP\\Sub", u"C:\\TEMP\\Renamed"));
    EXPECT_EQ(GetFileAttributesW(u"C:\\TEMP\\Renamed\\moved.txt"), static_cast<DWORD>(FILE_ATTRIBUTE_HIDDEN));

    // Only the case of the name changes: the file is renamed, not refused as its own target.
    ASSERT_TRUE(MoveFileW(u"C:\\TEMP\\Renamed\\moved.txt", u"C:\\TEMP\\Renamed\\MOVED.TXT"));
    EXPECT_TRUE(std::filesystem::exists(host::WorldRoot() / "c" / "TEMP" / "Renamed" / "MOVED.TXT"));
}

TEST_F(FileOps, MoveFileRefusesAndLeavesBothFilesAsTheyWere)
{
    PutFile(kSource, "source");
    PutFile(kTarget, "target");
    PutFile(u"C:\\TEMP\\held.txt", "held");
    const HANDLE held = OpenExisting(u"C:\\TEMP\\held.txt", GENERIC_READ, FILE_SHARE_READ);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    struct Case { const char16_t* from; const char16_t* to; DWORD error; };
    const Case cases[] = {
        {kSource,                  kTarget,                     ERROR_ALREADY_EXISTS   },
        {u"C:\\TEMP\\missing.txt", u"C:\\TEMP\\new.txt",        ERROR_FILE_NOT_FOUND   },
        {kSource,                  u"C:\\NoFolder\\target.txt", ERROR_PATH_NOT_FOUND   },
        {u"C:\\TEMP\\held.txt",    u"C:\\TEMP\\new.txt",        ERROR_SHARING_VIOLATION},
        {u"C:\\TEMP",              u"C:\\TEMP2",                ERROR_SHARING_VIOLATION},   // a file inside is open
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(Narrow(c.from) + " -> " + Narrow(c.to));
        SetLastError(0);
        EXPECT_FALSE(MoveFileW(c.from, c.to));
        EXPECT_EQ(GetLastError(), c.error);
    }
    CloseHandle(held);
    EXPECT_EQ(FileBytes(kSource), "source");
    EXPECT_EQ(FileBytes(kTarget), "target");
    EXPECT_EQ(FileBytes(u"C:\\TEMP\\held.txt"), "held");
}

TEST_F(FileOps, AFileMovedWhileOpenIsDeletedUnderItsNewName)
{
    const HANDLE file = CreateFileW(kSource, GENERIC_WRITE, kShareAll, nullptr, CREATE_NEW,
                                    FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    ASSERT_TRUE(MoveFileW(kSource, kTarget));
    PutFile(kSource, "a new file under the old name");
    EXPECT_TRUE(CloseHandle(file));
    EXPECT_FALSE(FileExists(kTarget));
    EXPECT_EQ(FileBytes(kSource), "a new file under the old name");
}
