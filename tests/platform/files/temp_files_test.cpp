// temp_files_test.cpp - GetTempPathW and GetTempFileNameW.
#include "files_test_util.h"
#include "support/world_fixture.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstring>
#include <set>

using TempFiles = WorldTest;

TEST(TempPath, AnswersTheLengthOrTheSizeNeeded)
{
    const std::u16string expected = u"C:\\TEMP\\";
    struct Case { DWORD size; DWORD result; bool written; };
    const Case cases[] = {
        {0,   9, false},
        {8,   9, false},   // the NUL does not fit: the size with it is answered
        {9,   8, true },
        {100, 8, true },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "buffer of " << c.size);
        WCHAR buffer[100];
        std::fill(std::begin(buffer), std::end(buffer), u'#');
        EXPECT_EQ(GetTempPathW(c.size, buffer), c.result);
        if (c.written) {
            EXPECT_EQ(std::u16string(buffer), expected);
        } else {
            EXPECT_EQ(buffer[0], u'#') << "nothing is written into a buffer too small";
        }
    }
    EXPECT_EQ(GetTempPathW(0, nullptr), 9u);
}

TEST_F(TempFiles, AGivenNumberOnlyNamesTheFile)
{
    struct Case { const char16_t* path; const char16_t* prefix; UINT unique; const char16_t* name; UINT result; };
    const Case cases[] = {
        {u"C:\\TEMP\\", u"QN",      0x1,     u"C:\\TEMP\\QN1.tmp",      0x1   },
        {u"C:\\TEMP",   u"prefix",  0xABCD,  u"C:\\TEMP\\preABCD.tmp",  0xABCD},   // three letters, upper-case hex
        {u"C:\\TEMP",   u"",        0x1F,    u"C:\\TEMP\\1F.tmp",       0x1F  },
        {u"C:\\TEMP",   nullptr,    0x10,    u"C:\\TEMP\\10.tmp",       0x10  },
        {u"C:\\TEMP",   u"x",       0x12345, u"C:\\TEMP\\x2345.tmp",    0x2345},   // the low 16 bits
        {u"C:\\Nowhere",u"x",       0x7,     u"C:\\Nowhere\\x7.tmp",    0x7   },   // not checked
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(Narrow(c.name));
        WCHAR name[MAX_PATH];
        EXPECT_EQ(GetTempFileNameW(c.path, c.prefix, c.unique, name), c.result);
        EXPECT_EQ(std::u16string(name), c.name);
        EXPECT_FALSE(FileExists(name));
    }
}

TEST_F(TempFiles, NumberZeroMakesAnEmptyFileUnderANameNotYetTaken)
{
    // The names the platform would reach first are taken already; it must step past them.
    for (const char16_t* taken : {u"C:\\TEMP\\tmp1.tmp", u"C:\\TEMP\\tmp2.tmp", u"C:\\TEMP\\tmp3.tmp",
                                  u"C:\\TEMP\\tmpA.tmp"})
        PutFile(taken, "taken");
    std::set<std::u16string> made;
    for (int i = 0; i < 12; ++i) {
        WCHAR name[MAX_PATH];
        const UINT number = GetTempFileNameW(u"C:\\TEMP", u"tmp", 0, name);
        ASSERT_NE(number, 0u) << "error " << GetLastError();
        char digits[8];
        const auto end = std::to_chars(digits, std::end(digits), number, 16).ptr;
        std::transform(digits, end, digits, [](char c) { return static_cast<char>(std::toupper(c)); });
        EXPECT_EQ(std::u16string(name), u"C:\\TEMP\\tmp" + host::FromUtf8(std::string(digits, end)) + u".tmp");
        EXPECT_EQ(FileBytes(name), "") << Narrow(name) << " is a new, empty file";
        EXPECT_TRUE(made.insert(name).second) << Narrow(name) << " was handed out twice";
    }
}

TEST_F(TempFiles, RefusesWhatCannotBeNamedOrMade)
{
    WCHAR name[MAX_PATH];
    std::memcpy(name, u"untouched", sizeof u"untouched");
    struct Case { const char16_t* path; UINT unique; DWORD error; };
    const std::u16string longPath = u"C:\\" + std::u16string(MAX_PATH - 16, u'a');   // MAX_PATH - 13 characters
    const Case cases[] = {
        {u"C:\\Nowhere",      0, ERROR_PATH_NOT_FOUND  },
        {nullptr,             0, ERROR_INVALID_PARAMETER},
        {nullptr,             5, ERROR_INVALID_PARAMETER},
        {longPath.c_str(),    5, ERROR_BUFFER_OVERFLOW },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
        SetLastError(0);
        EXPECT_EQ(GetTempFileNameW(c.path, u"x", c.unique, name), 0u);
        EXPECT_EQ(GetLastError(), c.error);
        EXPECT_EQ(std::u16string(name), u"untouched");
    }
    EXPECT_EQ(GetTempFileNameW(u"C:\\TEMP", u"x", 0, nullptr), 0u);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
}
