// file_io_test.cpp - CreateFileW and the calls on file handles.
#include "files_test_util.h"
#include "host/faults.h"
#include "support/world_fixture.h"

#include <functional>
#include <vector>

using FileIo = WorldTest;

namespace {

constexpr const char16_t* kFile = u"C:\\TEMP\\data.bin";

HANDLE Open(DWORD access, DWORD share, DWORD disposition = OPEN_EXISTING, DWORD flags = FILE_ATTRIBUTE_NORMAL)
{
    return CreateFileW(kFile, access, share, nullptr, disposition, flags, nullptr);
}

std::string ReadAll(HANDLE file)
{
    char buffer[256];
    DWORD got = 0;
    EXPECT_TRUE(ReadFile(file, buffer, sizeof buffer, &got, nullptr));
    return std::string(buffer, got);
}

} // namespace

TEST_F(FileIo, EachDispositionMeetsAnExistingAndAMissingFileAsDocumented)
{
    struct Case {
        DWORD disposition;
        bool exists;
        bool opens;
        DWORD error;            // the last error, on success as on failure
        const char* contents;   // afterwards; nullptr: no file
    };
    const Case cases[] = {
        {CREATE_NEW,        true,  false, ERROR_FILE_EXISTS,    "old"  },
        {CREATE_NEW,        false, true,  ERROR_SUCCESS,        ""     },
        {CREATE_ALWAYS,     true,  true,  ERROR_ALREADY_EXISTS, ""     },
        {CREATE_ALWAYS,     false, true,  ERROR_SUCCESS,        ""     },
        {OPEN_EXISTING,     true,  true,  ERROR_SUCCESS,        "old"  },
        {OPEN_EXISTING,     false, false, ERROR_FILE_NOT_FOUND, nullptr},
        {OPEN_ALWAYS,       true,  true,  ERROR_ALREADY_EXISTS, "old"  },
        {OPEN_ALWAYS,       false, true,  ERROR_SUCCESS,        ""     },
        {TRUNCATE_EXISTING, true,  true,  ERROR_SUCCESS,        ""     },
        {TRUNCATE_EXISTING, false, false, ERROR_FILE_NOT_FOUND, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "disposition " << c.disposition << (c.exists ? ", existing" : ", missing"));
        std::filesystem::remove(HostPath(kFile));
        if (c.exists)
            PutFile(kFile, "old");
        SetLastError(0xDEAD);
        const HANDLE file = Open(GENERIC_READ | GENERIC_WRITE, 0, c.disposition);
        EXPECT_EQ(GetLastError(), c.error);
        EXPECT_EQ(file != INVALID_HANDLE_VALUE, c.opens);
        if (file != INVALID_HANDLE_VALUE) {
            EXPECT_TRUE(CloseHandle(file));
        }
        ASSERT_EQ(FileExists(kFile), c.contents != nullptr);
        if (c.contents != nullptr) {
            EXPECT_EQ(FileBytes(kFile), c.contents);
        }
    }
}

TEST_F(FileIo, RefusesWhatCannotBeOpened)
{
    PutFile(kFile, "x");
    struct Case {
        const char16_t* name;
        DWORD access;
        DWORD disposition;
        DWORD error;
    };
    const Case cases[] = {
        {u"C:\\NoSuchFolder\\a.txt", GENERIC_READ,  OPEN_EXISTING,     ERROR_PATH_NOT_FOUND   },
        {u"C:\\NoSuchFolder\\a.txt", GENERIC_WRITE, CREATE_NEW,        ERROR_PATH_NOT_FOUND   },
        {u"C:\\TEMP\\data.bin\\a",   GENERIC_WRITE, CREATE_ALWAYS,     ERROR_PATH_NOT_FOUND   },
        {nullptr,                    GENERIC_READ,  OPEN_EXISTING,     ERROR_PATH_NOT_FOUND   },
        {u"",                        GENERIC_READ,  OPEN_EXISTING,     ERROR_PATH_NOT_FOUND   },
        {u"C:\\TEMP\\*.bin",         GENERIC_WRITE, CREATE_ALWAYS,     ERROR_INVALID_NAME     },
        {u"C:\\TEMP",                GENERIC_READ,  OPEN_EXISTING,     ERROR_ACCESS_DENIED    },   // a folder
        {u"C:\\TEMP",                GENERIC_READ,  CREATE_NEW,        ERROR_FILE_EXISTS      },
        {kFile,                      GENERIC_READ,  0,                 ERROR_INVALID_PARAMETER},
        {kFile,                      GENERIC_READ,  TRUNCATE_EXISTING, ERROR_INVALID_PARAMETER},   // needs write
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(Narrow(c.name == nullptr ? u"(null)" : c.name));
        SetLastError(0);
        EXPECT_EQ(CreateFileW(c.name, c.access, 0, nullptr, c.disposition, 0, nullptr), INVALID_HANDLE_VALUE);
        EXPECT_EQ(GetLastError(), c.error);
    }
    EXPECT_EQ(FileBytes(kFile), "x");
    EXPECT_FALSE(std::filesystem::exists(HostPath(u"C:\\TEMP\\*.bin")));
}

TEST_F(FileIo, ASecondHandleMustAgreeWithTheShareModesOfTheFirst)
{
    constexpr DWORD R = GENERIC_READ;
    constexpr DWORD W = GENERIC_WRITE;
    constexpr DWORD SR = FILE_SHARE_READ;
    constexpr DWORD SW = FILE_SHARE_WRITE;
    constexpr DWORD SD = FILE_SHARE_DELETE;
    struct Case {
        DWORD firstAccess, firstShare, firstFlags;
        DWORD secondAccess, secondShare, secondFlags;
        bool allowed;
    };
    const Case cases[] = {
        {R,     SR,      0, R,     SR,      0, true },
        {R,     SR,      0, W,     SR | SW, 0, false},   // the first does not let others write
        {W,     SR,      0, R,     SR,      0, false},   // the second would not let the first write
        {W,     SR | SW, 0, R,     SR | SW, 0, true },
        {R | W, SR | SW, 0, R | W, SR | SW, 0, true },
        {R,     0,       0, R,     SR | SW, 0, false},   // the first shares nothing
        {0,     0,       0, R | W, 0,       0, true },   // a handle without data access claims nothing
        {R,     SR,      0, 0,     0,       0, true },
        {R,     SR,      0, R,     SR | SD, FILE_FLAG_DELETE_ON_CLOSE, false},   // deleting needs FILE_SHARE_DELETE
        {R,     SR | SD, 0, R,     SR | SD, FILE_FLAG_DELETE_ON_CLOSE, true },
        {R,     SR | SD, FILE_FLAG_DELETE_ON_CLOSE, R, SR, 0, false},          // the first may delete
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
        PutFile(kFile, "x");
        const HANDLE first = Open(c.firstAccess, c.firstShare, OPEN_EXISTING, c.firstFlags);
        ASSERT_NE(first, INVALID_HANDLE_VALUE);
        SetLastError(0);
        const HANDLE second = Open(c.secondAccess, c.secondShare, OPEN_EXISTING, c.secondFlags);
        EXPECT_EQ(second != INVALID_HANDLE_VALUE, c.allowed);
        EXPECT_EQ(GetLastError(), c.allowed ? ERROR_SUCCESS : ERROR_SHARING_VIOLATION);
        if (second != INVALID_HANDLE_VALUE)
            CloseHandle(second);
        CloseHandle(first);
    }
}

TEST_F(FileIo, ClosingTheHandleThatRefusedLetsTheNextOneIn)
{
    PutFile(kFile, "x");
    const HANDLE first = Open(GENERIC_WRITE, 0);
    ASSERT_NE(first, INVALID_HANDLE_VALUE);
    EXPECT_EQ(Open(GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE), INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_SHARING_VIOLATION));
    // The same file through another spelling of its name is still the same file.
    EXPECT_EQ(CreateFileW(u"c:\\temp\\DATA.BIN", GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                          OPEN_EXISTING, 0, nullptr),
              INVALID_HANDLE_VALUE);
    EXPECT_TRUE(CloseHandle(first));
    const HANDLE second = Open(GENERIC_READ, FILE_SHARE_READ);
    EXPECT_NE(second, INVALID_HANDLE_VALUE);
    CloseHandle(second);
}

TEST_F(FileIo, WritesReadsAndSizesThroughTheFilePointer)
{
    const HANDLE file = Open(GENERIC_READ | GENERIC_WRITE, 0, CREATE_NEW);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    ASSERT_TRUE(WriteFile(file, "hello world", 11, &written, nullptr));
    EXPECT_EQ(written, 11u);
    DWORD high = 0xDEAD;
    EXPECT_EQ(GetFileSize(file, &high), 11u);
    EXPECT_EQ(high, 0u);

    EXPECT_EQ(SetFilePointer(file, 6, nullptr, FILE_BEGIN), 6u);
    EXPECT_EQ(ReadAll(file), "world");   // a short read at the end is a success
    DWORD got = 99;
    char byte;
    EXPECT_TRUE(ReadFile(file, &byte, 1, &got, nullptr));   // at the end: nothing, and no failure
    EXPECT_EQ(got, 0u);

    // Writing past the end fills the gap with zeros.
    EXPECT_EQ(SetFilePointer(file, 2, nullptr, FILE_END), 13u);
    ASSERT_TRUE(WriteFile(file, "!", 1, &written, nullptr));
    EXPECT_EQ(FileBytes(kFile), std::string("hello world\0\0!", 14));
    CloseHandle(file);
}

TEST_F(FileIo, EachHandleKeepsItsOwnPositionOverOneFile)
{
    const DWORD share = FILE_SHARE_READ | FILE_SHARE_WRITE;
    const HANDLE writer = Open(GENERIC_WRITE, share, CREATE_ALWAYS);
    const HANDLE reader = Open(GENERIC_READ, share);
    ASSERT_NE(writer, INVALID_HANDLE_VALUE);
    ASSERT_NE(reader, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    WriteFile(writer, "abc", 3, &written, nullptr);
    EXPECT_EQ(ReadAll(reader), "abc");
    WriteFile(writer, "def", 3, &written, nullptr);
    EXPECT_EQ(ReadAll(reader), "def");   // the reader goes on where it stopped
    CloseHandle(writer);
    CloseHandle(reader);
}

TEST_F(FileIo, HandlesDoOnlyWhatTheirAccessAllows)
{
    PutFile(kFile, "data");
    const HANDLE reader = Open(GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE);
    const HANDLE writer = Open(GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE);
    ASSERT_NE(reader, INVALID_HANDLE_VALUE);
    ASSERT_NE(writer, INVALID_HANDLE_VALUE);
    char buffer[4];
    DWORD count = 99;
    SetLastError(0);
    EXPECT_FALSE(ReadFile(writer, buffer, sizeof buffer, &count, nullptr));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED));
    EXPECT_EQ(count, 0u);
    SetLastError(0);
    EXPECT_FALSE(WriteFile(reader, "x", 1, &count, nullptr));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED));
    SetLastError(0);
    EXPECT_FALSE(SetEndOfFile(reader));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED));
    SetLastError(0);
    EXPECT_FALSE(FlushFileBuffers(reader));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED));
    EXPECT_TRUE(FlushFileBuffers(writer));
    EXPECT_EQ(FileBytes(kFile), "data");
    CloseHandle(reader);
    CloseHandle(writer);
}

TEST_F(FileIo, AnInjectedWriteFaultWritesNothingAndSaysTheDiskIsFull)
{
    const HANDLE file = Open(GENERIC_WRITE, 0, CREATE_NEW);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    host::InjectFault(host::Fault::FileWrite, 2);
    DWORD written = 0;
    EXPECT_TRUE(WriteFile(file, "one", 3, &written, nullptr));
    written = 99;
    SetLastError(0);
    EXPECT_FALSE(WriteFile(file, "two", 3, &written, nullptr));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_DISK_FULL));
    EXPECT_EQ(written, 0u);
    EXPECT_TRUE(WriteFile(file, "three", 5, &written, nullptr));   // the fault was for one call only
    EXPECT_EQ(FileBytes(kFile), "onethree");
    CloseHandle(file);
}

TEST_F(FileIo, SetFilePointerMovesFromEachOriginAndRefusesToGoBeforeTheStart)
{
    PutFile(kFile, std::string(20, 'x'));
    struct Case {
        LONG distance;
        DWORD method;
        DWORD result;   // INVALID_SET_FILE_POINTER: refused, the pointer stays at 10
        DWORD error;
    };
    const Case cases[] = {
        {5,   FILE_BEGIN,   5,                        NO_ERROR               },
        {-3,  FILE_CURRENT, 7,                        NO_ERROR               },
        {-5,  FILE_END,     15,                       NO_ERROR               },
        {10,  FILE_END,     30,                       NO_ERROR               },   // past the end is allowed
        {-11, FILE_CURRENT, INVALID_SET_FILE_POINTER, ERROR_NEGATIVE_SEEK    },
        {-1,  FILE_BEGIN,   INVALID_SET_FILE_POINTER, ERROR_NEGATIVE_SEEK    },
        {0,   3,            INVALID_SET_FILE_POINTER, ERROR_INVALID_PARAMETER},
    };
    const HANDLE file = Open(GENERIC_READ, 0);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.distance << " from " << c.method);
        ASSERT_EQ(SetFilePointer(file, 10, nullptr, FILE_BEGIN), 10u);
        SetLastError(0xDEAD);
        EXPECT_EQ(SetFilePointer(file, c.distance, nullptr, c.method), c.result);
        EXPECT_EQ(GetLastError(), c.error);
        if (c.result == INVALID_SET_FILE_POINTER) {
            EXPECT_EQ(SetFilePointer(file, 0, nullptr, FILE_CURRENT), 10u) << "a refused move must not move";
        }
    }
    CloseHandle(file);
}

TEST_F(FileIo, SetFilePointerTakesAndGivesTheHighPart)
{
    PutFile(kFile, std::string(20, 'x'));
    const HANDLE file = Open(GENERIC_READ, 0);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);

    LONG high = 1;
    EXPECT_EQ(SetFilePointer(file, 5, &high, FILE_BEGIN), 5u);   // 4 GiB + 5
    EXPECT_EQ(high, 1);
    high = -1;                                                   // -6 as one 64-bit distance
    EXPECT_EQ(SetFilePointer(file, -6, &high, FILE_END), 14u);
    EXPECT_EQ(high, 0);

    // A low part of all ones is a position, told from a failure by the cleared last error.
    high = 0;
    SetLastError(0xDEAD);
    EXPECT_EQ(SetFilePointer(file, -1, &high, FILE_BEGIN), INVALID_SET_FILE_POINTER);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(NO_ERROR));
    EXPECT_EQ(high, 0);

    // Without the high part the caller could not learn a position past 4 GiB.
    high = 1;
    ASSERT_EQ(SetFilePointer(file, 0, &high, FILE_BEGIN), 0u);
    EXPECT_EQ(SetFilePointer(file, 1, nullptr, FILE_CURRENT), INVALID_SET_FILE_POINTER);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    CloseHandle(file);
}

TEST_F(FileIo, SetEndOfFileCutsOrExtendsAtThePointer)
{
    PutFile(kFile, "0123456789");
    const HANDLE file = Open(GENERIC_WRITE, 0);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    SetFilePointer(file, 4, nullptr, FILE_BEGIN);
    EXPECT_TRUE(SetEndOfFile(file));
    EXPECT_EQ(FileBytes(kFile), "0123");
    EXPECT_EQ(SetFilePointer(file, 0, nullptr, FILE_CURRENT), 4u);
    SetFilePointer(file, 6, nullptr, FILE_BEGIN);
    EXPECT_TRUE(SetEndOfFile(file));
    EXPECT_EQ(FileBytes(kFile), std::string("0123\0\0", 6));
    EXPECT_EQ(GetFileSize(file, nullptr), 6u);
    CloseHandle(file);
}

TEST_F(FileIo, DeleteOnCloseWaitsForTheLastHandle)
{
    const DWORD all = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
    const HANDLE temporary = Open(GENERIC_READ | GENERIC_WRITE, all, CREATE_NEW, FILE_FLAG_DELETE_ON_CLOSE);
    ASSERT_NE(temporary, INVALID_HANDLE_VALUE);
    const HANDLE other = Open(GENERIC_READ, all);
    ASSERT_NE(other, INVALID_HANDLE_VALUE);
    EXPECT_TRUE(CloseHandle(temporary));
    EXPECT_TRUE(FileExists(kFile)) << "another handle still holds it";
    // Once its deletion is due, the file can no longer be opened.
    EXPECT_EQ(Open(GENERIC_READ, all), INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED));
    EXPECT_TRUE(CloseHandle(other));
    EXPECT_FALSE(FileExists(kFile));
    // The name is free again, and a new file under it is a file like any other.
    const HANDLE again = Open(GENERIC_WRITE, 0, CREATE_NEW);
    ASSERT_NE(again, INVALID_HANDLE_VALUE);
    CloseHandle(again);
    EXPECT_TRUE(FileExists(kFile));
}

TEST_F(FileIo, AReadOnlyFileOpensForReadingOnly)
{
    PutFile(kFile, "keep");
    ASSERT_TRUE(SetFileAttributesW(kFile, FILE_ATTRIBUTE_READONLY));
    struct Case { DWORD access; DWORD disposition; DWORD flags; bool opens; };
    const Case cases[] = {
        {GENERIC_READ,                 OPEN_EXISTING, 0,                         true },
        {GENERIC_READ,                 OPEN_ALWAYS,   0,                         true },
        {GENERIC_WRITE,                OPEN_EXISTING, 0,                         false},
        {GENERIC_READ | GENERIC_WRITE, OPEN_ALWAYS,   0,                         false},
        {GENERIC_READ,                 CREATE_ALWAYS, 0,                         false},   // overwriting is writing
        {GENERIC_READ,                 OPEN_EXISTING, FILE_FLAG_DELETE_ON_CLOSE, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
        SetLastError(0);
        const HANDLE file = Open(c.access, FILE_SHARE_READ | FILE_SHARE_DELETE, c.disposition, c.flags);
        EXPECT_EQ(file != INVALID_HANDLE_VALUE, c.opens);
        if (file == INVALID_HANDLE_VALUE) {
            EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED));
        } else {
            CloseHandle(file);
        }
    }
    EXPECT_EQ(FileBytes(kFile), "keep");
}

TEST_F(FileIo, EveryHandleCallRefusesAnUnknownOrClosedHandle)
{
    const HANDLE closed = Open(GENERIC_READ | GENERIC_WRITE, 0, CREATE_NEW);
    ASSERT_NE(closed, INVALID_HANDLE_VALUE);
    ASSERT_TRUE(CloseHandle(closed));
    char buffer[4];
    DWORD count = 0;
    FILETIME time;
    const std::vector<std::pair<const char*, std::function<bool(HANDLE)>>> calls = {
        {"ReadFile",         [&](HANDLE h) { return ReadFile(h, buffer, 4, &count, nullptr) != FALSE; }},
        {"WriteFile",        [&](HANDLE h) { return WriteFile(h, "x", 1, &count, nullptr) != FALSE; }},
        {"SetFilePointer",   [&](HANDLE h) {
             return SetFilePointer(h, 0, nullptr, FILE_BEGIN) != INVALID_SET_FILE_POINTER;
         }},
        {"SetEndOfFile",     [&](HANDLE h) { return SetEndOfFile(h) != FALSE; }},
        {"FlushFileBuffers", [&](HANDLE h) { return FlushFileBuffers(h) != FALSE; }},
        {"GetFileSize",      [&](HANDLE h) { return GetFileSize(h, nullptr) != INVALID_FILE_SIZE; }},
        {"GetFileTime",      [&](HANDLE h) { return GetFileTime(h, &time, nullptr, nullptr) != FALSE; }},
        {"CloseHandle",      [&](HANDLE h) { return CloseHandle(h) != FALSE; }},
    };
    for (const HANDLE handle : {closed, INVALID_HANDLE_VALUE, static_cast<HANDLE>(nullptr)}) {
        for (const auto& [name, call] : calls) {
            SCOPED_TRACE(testing::Message() << name << " on " << handle);
            SetLastError(0);
            EXPECT_FALSE(call(handle));
            EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
        }
    }
}

TEST_F(FileIo, NullBuffersAreRefusedRatherThanUsed)
{
    const HANDLE file = Open(GENERIC_READ | GENERIC_WRITE, 0, CREATE_NEW);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    DWORD count = 99;
    EXPECT_FALSE(WriteFile(file, nullptr, 4, &count, nullptr));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    EXPECT_FALSE(ReadFile(file, nullptr, 4, &count, nullptr));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    EXPECT_TRUE(WriteFile(file, nullptr, 0, &count, nullptr));   // nothing to take from it
    EXPECT_EQ(GetFileSize(file, nullptr), 0u);
    CloseHandle(file);
}
