// codepage_test.cpp - conversions between UTF-16 and the ANSI code page 932.
#include "host/text.h"
#include "win/windows.h"

#include <gtest/gtest.h>
#include <string>

TEST(CodePage, RoundTripsJapaneseAndAsciiThroughCodePage932)
{
    const std::u16string text = u"A\u3042\uFF71\\\u6F22";   // A, hiragana a, half-width katakana a, backslash, kanji
    const std::string ansi = host::ToAnsi(text);
    EXPECT_EQ(ansi, std::string("A\x82\xA0\xB1\\\x8A\xBF"));
    EXPECT_EQ(host::FromAnsi(ansi), text);
}

TEST(CodePage, SizeQueriesAndShortBuffers)
{
    const char* ansi = "\x82\xA0\x82\xA2x";
    EXPECT_EQ(MultiByteToWideChar(CP_ACP, 0, ansi, -1, nullptr, 0), 4);   // two kana, x, NUL
    WCHAR small[3];
    SetLastError(0);
    EXPECT_EQ(MultiByteToWideChar(CP_ACP, 0, ansi, -1, small, 3), 0);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));

    EXPECT_EQ(WideCharToMultiByte(CP_ACP, 0, u"\u3042b", -1, nullptr, 0, nullptr, nullptr), 4);
    char out[3];
    EXPECT_EQ(WideCharToMultiByte(CP_ACP, 0, u"\u3042b", -1, out, 3, nullptr, nullptr), 0);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
}

TEST(CodePage, UnmappableCharactersBecomeTheDefaultCharacter)
{
    char out[8] = {};
    BOOL used = FALSE;
    EXPECT_EQ(WideCharToMultiByte(CP_ACP, 0, u"\u0100z", 2, out, 8, nullptr, &used), 2);
    EXPECT_EQ(std::string(out, 2), "?z");
    EXPECT_TRUE(used);
}

TEST(CodePage, RtlConversionCutsWithoutSplittingADoubleByteCharacter)
{
    char out[8];
    ULONG written = 99;
    EXPECT_EQ(RtlUnicodeToMultiByteN(out, 3, &written, u"\u3042\u3044", 4), STATUS_SUCCESS);
    EXPECT_EQ(written, 2u);   // the second kana does not fit whole
    WCHAR wide[4];
    EXPECT_EQ(RtlMultiByteToUnicodeN(wide, sizeof wide, &written, "\x82\xA0z", 3), STATUS_SUCCESS);
    EXPECT_EQ(written, 4u);
    EXPECT_EQ(wide[0], u'\u3042');
    EXPECT_EQ(wide[1], u'z');
}

TEST(CodePage, CharactersWithTwoCodesGetTheCodesWindowsWrites)
{
    // Kanji and small roman numerals found under lead bytes 0xED-0xEE and again under 0xFA-0xFC are written
    // with the later code; the symbols under 0x81 and 0x87 keep precedence over both.
    EXPECT_EQ(host::ToAnsi(u"\u7E8A\u2170\uFFE4\u2160\u2252"),
              std::string("\xFA\x5C\xFA\x40\xFA\x55\x87\x54\x81\xE0"));
    EXPECT_EQ(host::FromAnsi("\xED\x40\xFA\x5C"), u"\u7E8A\u7E8A") << "both codes still read back";
}

TEST(CodePage, StrictUtf8RejectsMalformedSequencesButNotAnEncodedReplacementCharacter)
{
    struct Case { std::string bytes; int expected; };
    const Case cases[] = {
        {"\xEF\xBF\xBD",         1},   // U+FFFD itself is well formed
        {"a\xF0\x9F\x98\x80",    3},   // a surrogate pair
        {"\xC0\xAF",             0},   // overlong '/'
        {"\xED\xA0\x80",         0},   // an encoded surrogate
        {"\xE3\x81",             0},   // cut short
        {"\x80",                 0},   // a stray continuation byte
        {"\xF4\x90\x80\x80",     0},   // beyond U+10FFFF
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
        WCHAR out[8];
        SetLastError(0);
        EXPECT_EQ(MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, c.bytes.data(), static_cast<int>(c.bytes.size()),
                                      out, 8), c.expected);
        if (c.expected == 0) {
            EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NO_UNICODE_TRANSLATION));
        }
    }
}
