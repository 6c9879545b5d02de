// char_case_test.cpp - CharUpperW and CharLowerW on strings and on single characters passed in the pointer.
#include "win/windows.h"

#include <gtest/gtest.h>
#include <string>

TEST(CharCase, ConvertsAStringInPlace)
{
    struct Case { std::u16string text; std::u16string upper; std::u16string lower; };
    const Case cases[] = {
        {u"Tray 2, a4",              u"TRAY 2, A4",              u"tray 2, a4"},
        {u"\u00E0\u00C9\u00FE",      u"\u00C0\u00C9\u00DE",      u"\u00E0\u00E9\u00FE"},   // Latin-1 letters
        {u"\u00D7\u00F7\u00DF",      u"\u00D7\u00F7\u00DF",      u"\u00D7\u00F7\u00DF"},   // signs and sharp s stay
        {u"\uFF41\uFF3A",            u"\uFF21\uFF3A",            u"\uFF41\uFF5A"},         // full-width
        {u"\u3042\u6F22",            u"\u3042\u6F22",            u"\u3042\u6F22"},         // kana and kanji have none
        {u"",                        u"",                        u""},
    };
    for (const Case& c : cases) {
        std::u16string upper = c.text;
        EXPECT_EQ(CharUpperW(upper.data()), upper.data());
        EXPECT_EQ(upper, c.upper);
        std::u16string lower = c.text;
        EXPECT_EQ(CharLowerW(lower.data()), lower.data());
        EXPECT_EQ(lower, c.lower);
    }
}

TEST(CharCase, ASingleCharacterTravelsInTheLowWordOfThePointer)
{
    auto asPointer = [](char16_t c) { return reinterpret_cast<LPWSTR>(static_cast<ULONG_PTR>(c)); };
    EXPECT_EQ(CharUpperW(asPointer(u'q')), asPointer(u'Q'));
    EXPECT_EQ(CharUpperW(asPointer(u'\u00E4')), asPointer(u'\u00C4'));
    EXPECT_EQ(CharLowerW(asPointer(u'\uFF21')), asPointer(u'\uFF41'));
    EXPECT_EQ(CharLowerW(asPointer(u'7')), asPointer(u'7'));
    EXPECT_EQ(CharUpperW(nullptr), nullptr);   // the character zero, not a string
}
