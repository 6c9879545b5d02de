// lstr_test.cpp - lengths, bounded copies and word-sort comparisons of the lstr* family.
#include "host/text.h"
#include "win/windows.h"

#include <cstring>
#include <gtest/gtest.h>
#include <string>

TEST(Lstr, LengthsCountUnitsAndNullIsEmpty)
{
    EXPECT_EQ(lstrlenW(nullptr), 0);
    EXPECT_EQ(lstrlenW(u""), 0);
    EXPECT_EQ(lstrlenW(u"ab\u3042"), 3);
    EXPECT_EQ(lstrlenA(nullptr), 0);
    EXPECT_EQ(lstrlenA("ab\x82\xA0"), 4);   // bytes, not characters
}

TEST(Lstr, CopynCopiesAtMostOneLessThanTheLimitAndTerminates)
{
    struct Case { int limit; std::u16string expected; int touched; };   // touched: units written, terminator too
    const Case cases[] = {
        {10, u"abcdef", 7},
        {7,  u"abcdef", 7},
        {6,  u"abcde",  6},
        {4,  u"abc",    4},
        {1,  u"",       1},
        {0,  u"",       0},   // no room for anything: the buffer stays as it was
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "limit " << c.limit);
        WCHAR buffer[12];
        std::memset(buffer, 0xAB, sizeof buffer);
        EXPECT_EQ(lstrcpynW(buffer, u"abcdef", c.limit), buffer);
        if (c.touched > 0) {
            EXPECT_EQ(std::u16string(buffer), c.expected);
        }
        EXPECT_EQ(buffer[c.touched], 0xABABu) << "written past the limit";
    }

    WCHAR buffer[4] = {u'x', 0, 0, 0};
    SetLastError(0);
    EXPECT_EQ(lstrcpynW(buffer, u"abc", -1), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    EXPECT_EQ(buffer[0], u'x');
    EXPECT_EQ(lstrcpynW(buffer, nullptr, 4), nullptr);
    EXPECT_EQ(lstrcpynW(nullptr, u"abc", 4), nullptr);
}

TEST(Lstr, CopyAndConcatenateFailWithNullInsteadOfFaulting)
{
    WCHAR buffer[16];
    EXPECT_EQ(lstrcpyW(buffer, u"Paper"), buffer);
    EXPECT_EQ(lstrcatW(buffer, u" A4"), buffer);
    EXPECT_EQ(std::u16string(buffer), u"Paper A4");

    SetLastError(0);
    EXPECT_EQ(lstrcpyW(buffer, nullptr), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    EXPECT_EQ(lstrcpyW(nullptr, u"x"), nullptr);
    EXPECT_EQ(lstrcatW(buffer, nullptr), nullptr);
    EXPECT_EQ(lstrcatW(nullptr, u"x"), nullptr);
    EXPECT_EQ(std::u16string(buffer), u"Paper A4");
}

TEST(Lstr, ComparisonsSortWordsAsPeopleDo)
{
    struct Case { const WCHAR* a; const WCHAR* b; int cmp; int cmpi; };
    const Case cases[] = {
        {u"abc",    u"abc",    0,  0},
        {u"abc",    u"abd",    -1, -1},
        {u"ab",     u"abc",    -1, -1},   // a prefix comes first
        {u"a",      u"B",      -1, -1},   // alphabetical, not code order
        {u"Zebra",  u"apple",  1,  1},
        {u"a",      u"A",      -1, 0},    // same letter: lower case first
        {u"A",      u"a",      1,  0},
        {u"ab",     u"Aa",     1,  1},    // the letters decide before case does
        {u"coop",   u"co-op",  -1, -1},   // hyphens only break ties...
        {u"co-op",  u"cop",    -1, -1},   // ...so co-op sorts beside coop, before cop
        {u"Co-op",  u"co-op",  1,  0},
        {u"it's",   u"its",    1,  1},
        {u"_x",     u"1",      -1, -1},   // symbols, then digits, then letters
        {u"9",      u"a",      -1, -1},
        {u"\uFF41", u"\uFF21", -1, 0},    // full-width letters have case too
        {u"",       u"a",      -1, -1},
        {nullptr,   nullptr,   0,  0},
        {nullptr,   u"",       -1, -1},   // null sorts before every string
        {u"",       nullptr,   1,  1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(host::ToUtf8(c.a == nullptr ? u"(null)" : c.a) + " vs "
                     + host::ToUtf8(c.b == nullptr ? u"(null)" : c.b));
        EXPECT_EQ(lstrcmpW(c.a, c.b), c.cmp);
        EXPECT_EQ(lstrcmpiW(c.a, c.b), c.cmpi);
    }
}
