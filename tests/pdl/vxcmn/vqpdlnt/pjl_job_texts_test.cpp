// pjl_job_texts_test.cpp - the texts of PJL lines: stored fields read within their bounds, code page 932
// kept whole, and nothing that could end a value or a line.
#include "pdl/vxcmn/vqpdlnt/pjl_job_texts.h"
#include "pjl_job_fixture.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

TEST(PjlJobTexts, StoredTextsAreReadWithinTheirElevenUnits)
{
    DEVMODE_ENV_EXTRA env;
    std::memset(&env, 0x41, sizeof env);   // every neighbouring byte reads as text
    SetField(&env.ScrambledPassword, u"PASSWORD123", /*scrambled=*/true);
    SetField(&env.UserId, u"USER-ID-123", /*scrambled=*/false);
    SetField(&env.JobId, u"JOB-ID-4567", /*scrambled=*/false);

    char text[50];
    EXPECT_TRUE(GetStoredPassword(&env, text, sizeof text));
    EXPECT_STREQ(text, "PASSWORD123");
    EXPECT_TRUE(GetStoredUserId(&env, text, sizeof text));
    EXPECT_STREQ(text, "USER-ID-123");
    EXPECT_TRUE(GetStoredJobId(&env, text, sizeof text));
    EXPECT_STREQ(text, "JOB-ID-4567");
}

TEST(PjlJobTexts, EmptyStoredTextsAnswerFalseWithAnEmptyBuffer)
{
    DEVMODE_ENV_EXTRA env = {};
    char text[50];
    std::memset(text, 'x', sizeof text);
    EXPECT_FALSE(GetStoredPassword(&env, text, sizeof text)) << "an all-zero field is no password";
    EXPECT_STREQ(text, "");
    EXPECT_FALSE(GetStoredUserId(&env, text, sizeof text));
    EXPECT_FALSE(GetStoredJobId(nullptr, text, sizeof text));
    EXPECT_STREQ(text, "");
}

TEST(PjlJobTexts, UnscrambleComplementsUpToTheFirstZeroUnit)
{
    const WCHAR scrambled[] = {static_cast<WCHAR>(u'a' ^ 0xFFFF), static_cast<WCHAR>(u'b' ^ 0xFFFF), 0,
                               static_cast<WCHAR>(u'c' ^ 0xFFFF)};
    WCHAR out[5];
    std::memset(out, 0xAB, sizeof out);
    UnscrambleStoredText(out, scrambled, 4);
    EXPECT_EQ(std::u16string(out), u"ab");

    const WCHAR full[] = {static_cast<WCHAR>(u'x' ^ 0xFFFF), static_cast<WCHAR>(u'y' ^ 0xFFFF)};
    UnscrambleStoredText(out, full, 2);
    EXPECT_EQ(std::u16string(out), u"xy") << "terminated after cch units";
}

TEST(PjlJobTexts, TheJobIdIsUpperCasedWithoutTouchingDoubleByteCharacters)
{
    // "ツ" is 0x83 0x63 in code page 932: its second byte is the letter c.
    char text[] = "\x83" "cab\x83" "c9z";
    UpperCaseAnsiLetters(text);
    EXPECT_STREQ(text, "\x83" "cAB\x83" "c9Z");
}

TEST(PjlJobTexts, CleaningBlanksQuotesAndControlBytesOnly)
{
    // DEL is a control byte too; bytes from 0x80 are code page 932 text and stay.
    char text[] = "a\"b\tc\x01\x1f\x7f\x83\x63~\x7f\x80\xff";
    CleanPjlText(text);
    EXPECT_STREQ(text, "a b c   \x83\x63~ \x80\xff");
}

TEST(PjlJobTexts, AnsiCutsNeverEndOnHalfACharacter)
{
    struct Case { std::string field; std::size_t cbMax; std::string expected; };
    const Case cases[] = {
        {"abcdef", 4, "abcd"},
        {"ab\x8e\x52", 3, "ab"},             // the double-byte character would need bytes 3 and 4
        {"ab\x8e\x52", 4, "ab\x8e\x52"},
        {"ab\x8e", 9, "ab\x8e"},             // a lead byte at the field's end stays a single byte
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.expected);
        char out[16];
        std::memset(out, 'x', sizeof out);
        CutAnsiText(out, sizeof out, c.field.data(), c.field.size(), c.cbMax);
        EXPECT_EQ(std::string(out), c.expected);
    }
    char small[3];
    CutAnsiText(small, sizeof small, "abcdef", 6, 100);
    EXPECT_STREQ(small, "ab") << "the output's own size bounds the cut";
}

TEST(PjlJobTexts, WideTextsConvertToCodePage932WithinTheirBytes)
{
    const WCHAR name[] = {u'\u5c71', u'\u7530', u'a'};   // "山田a", no terminator
    char out[6];
    WideToAnsiText(out, sizeof out, name, 3);
    EXPECT_STREQ(out, "\x8e\x52\x93\x63" "a");
    char short4[4];
    WideToAnsiText(short4, sizeof short4, name, 3);
    EXPECT_STREQ(short4, "\x8e\x52") << "three bytes hold one double-byte character, not one and a half";
}
