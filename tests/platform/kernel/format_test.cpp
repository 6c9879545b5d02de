// format_test.cpp - wsprintfW and wvsprintfW: the Windows subset of printf, capped at 1,024 characters.
#include "host/text.h"
#include "win/windows.h"

#include <climits>
#include <cstdarg>
#include <cstring>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

// Formats through wvsprintfW, as a module's own trace helper does; checks that the count matches the text.
std::u16string Format(const WCHAR* format, ...)
{
    WCHAR buffer[1100];
    va_list args;
    va_start(args, format);
    const int written = wvsprintfW(buffer, format, args);
    va_end(args);
    EXPECT_EQ(written, lstrlenW(buffer)) << "the count must equal the length of the text";
    return std::u16string(buffer);
}

} // namespace

TEST(Format, IntegersWithFlagsWidthAndPrecision)
{
    struct Case { const WCHAR* format; int value; std::u16string expected; };
    const Case cases[] = {
        {u"%d",      42,             u"42"},
        {u"%i",      -42,            u"-42"},
        {u"%d",      INT_MIN,        u"-2147483648"},
        {u"%u",      -1,             u"4294967295"},
        {u"%x",      0xBEEF,         u"beef"},
        {u"%X",      0xBEEF,         u"BEEF"},
        {u"%#x",     255,            u"0xff"},
        {u"%#X",     255,            u"0XFF"},
        {u"[%5d]",   42,             u"[   42]"},
        {u"[%-5d]",  42,             u"[42   ]"},
        {u"[%05d]",  -42,            u"[-0042]"},   // zeros go after the sign
        {u"[%-05d]", 42,             u"[42   ]"},   // never zeros on the right: that would change the number
        {u"[%#06x]", 0xAB,           u"[0x00ab]"},
        {u"[%.4d]",  7,              u"[0007]"},
        {u"[%.0d]",  0,              u"[0]"},       // precision 0 still shows one digit
        {u"[%8.4x]", 0xAB,           u"[    00ab]"},
        {u"[%2d]",   12345,          u"[12345]"},   // width never cuts
        {u"%ld",     -5,             u"-5"},
        {u"%lu",     INT_MIN,        u"2147483648"},
        {u"%lx",     0x1234ABCD,     u"1234abcd"},
        {u"%lX",     0x1234ABCD,     u"1234ABCD"},
        {u"%hd",     0x1FFFF,        u"-1"},        // h: the low 16 bits
        {u"%hu",     -1,             u"65535"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(host::ToUtf8(c.format));
        EXPECT_EQ(Format(c.format, c.value), c.expected);
    }
}

TEST(Format, StringsWideAndAnsiWithWidthPrecisionAndNull)
{
    struct Case { const WCHAR* format; const void* text; std::u16string expected; };
    const Case cases[] = {
        {u"%s",      u"abc",           u"abc"},
        {u"[%5s]",   u"abc",           u"[  abc]"},
        {u"[%-5s]",  u"abc",           u"[abc  ]"},
        {u"[%05s]",  u"abc",           u"[00abc]"},
        {u"[%.2s]",  u"abc",           u"[ab]"},
        {u"%ls",     u"\u3042",        u"\u3042"},
        {u"%hs",     "\x82\xA0z",      u"\u3042z"},   // ANSI is code page 932
        {u"%S",      "\x82\xA0z",      u"\u3042z"},   // %S is the other width: ANSI here
        {u"%.2hs",   "\x82\xA0z",      u"\u3042"},    // precision counts bytes for ANSI text
        {u"%.1hs",   "\x82\xA0z",      u""},          // never half a double-byte character
        {u"%s",      nullptr,          u"(null)"},
        {u"%hs",     nullptr,          u"(null)"},
        {u"[%.3s]",  nullptr,          u"[(nu]"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(host::ToUtf8(c.format));
        EXPECT_EQ(Format(c.format, c.text), c.expected);
    }
}

TEST(Format, PrecisionBoundsWhatIsReadFromAnUnterminatedField)
{
    // Exactly-sized arrays without terminators: reading one unit further is caught by the sanitizer.
    const WCHAR wide[3] = {u'a', u'b', u'c'};
    const char ansi[3] = {'x', '\x82', '\xA0'};
    EXPECT_EQ(Format(u"%.3s|%.3hs|%.2hs", wide, ansi, ansi), u"abc|x\u3042|x");
}

TEST(Format, CharactersAndLiteralPercents)
{
    EXPECT_EQ(Format(u"%c%C%hc%lc", u'W', 'a', 'n', u'\u3042'), u"Wan\u3042");
    EXPECT_EQ(Format(u"[%3c][%-3c]", u'x', u'y'), u"[  x][y  ]");
    EXPECT_EQ(Format(u"a%cb", 0), u"ab") << "a zero character is skipped, not written";
    EXPECT_EQ(Format(u"100%% %q %d", 5), u"100% q 5") << "an unknown type stands for itself and takes no argument";
    EXPECT_EQ(Format(u"50%"), u"50") << "a conversion cut off by the end prints nothing";
}

TEST(Format, OutputStopsAt1024CharactersPlusTheTerminator)
{
    const std::u16string longText(2000, u'x');
    const std::function<int(WCHAR*)> calls[] = {
        [&](WCHAR* out) { return wsprintfW(out, u"%s", longText.c_str()); },
        [&](WCHAR* out) { return wsprintfW(out, longText.c_str()); },   // literal text is capped too
        [](WCHAR* out) { return wsprintfW(out, u"%5000d", 7); },         // a huge width
        [](WCHAR* out) { return wsprintfW(out, u"ab%.2000d", 7); },      // a huge precision
    };
    for (const auto& call : calls) {
        SCOPED_TRACE(testing::Message() << "case " << (&call - calls));
        std::vector<WCHAR> buffer(1100, 0xABAB);
        EXPECT_EQ(call(buffer.data()), 1024);
        EXPECT_NE(buffer[1023], u'\0') << "the 1,024th character is kept";
        EXPECT_EQ(buffer[1024], u'\0');
        EXPECT_EQ(buffer[1025], 0xABABu) << "written past a buffer of 1,025";
    }
}

TEST(Format, NullBufferOrFormatFails)
{
    SetLastError(0);
    EXPECT_EQ(wsprintfW(nullptr, u"%d", 1), 0);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));

    WCHAR buffer[4] = {u'x', u'x', u'x', u'x'};
    SetLastError(0);
    EXPECT_EQ(wsprintfW(buffer, nullptr), 0);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    EXPECT_EQ(buffer[0], u'\0');
}
