// text_conversion_test.cpp - the engine's code page 932 conversions and their bounds.
#include "win/winddi.h"

#include <gtest/gtest.h>
#include <cstring>

TEST(EngineTextConversion, ConvertsBothWaysWithinTheOutputSize)
{
    WCHAR text[] = u"A\u3042B";
    char ansi[8];
    std::memset(ansi, 0x55, sizeof ansi);
    ULONG written = 99;
    EngUnicodeToMultiByteN(ansi, sizeof ansi, &written, text, 6);
    EXPECT_EQ(written, 4u);
    EXPECT_EQ(std::string(ansi, 4), std::string("A\x82\xA0" "B"));
    EngUnicodeToMultiByteN(ansi, 2, &written, text, 6);   // the kana does not fit after the A: cut before it
    EXPECT_EQ(written, 1u);

    WCHAR wide[4] = {};
    EngMultiByteToUnicodeN(wide, sizeof wide, &written, ansi, 4);
    EXPECT_EQ(written, 6u);
    EXPECT_EQ(std::u16string(wide, 3), std::u16string(u"A\u3042B"));

    EngUnicodeToMultiByteN(ansi, sizeof ansi, &written, nullptr, 6);
    EXPECT_EQ(written, 0u);
    EngMultiByteToUnicodeN(nullptr, 8, &written, ansi, 4);
    EXPECT_EQ(written, 0u);
}
