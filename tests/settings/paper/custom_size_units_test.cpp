// custom_size_units_test.cpp - a user-defined size's dimensions in its display unit.
#include "settings/paper/custom_size_units.h"

#include <gtest/gtest.h>
#include <string>

TEST(CustomSizeUnits, Conversions)
{
    struct Case {
        WORD unit;
        DWORD value;
        DWORD mm;           // ConvertThousandthInchToMm
        DWORD hundredths;   // ConvertToHundredthMm
    };
    const Case cases[] = {
        {1, 8267,       210,        20998},        // 210 mm as the dialog stores it, and back
        {1, 11693,      297,        29700},
        {1, 4,          1,          10},           // a tenth of a millimetre rounds up to a whole one
        {1, 3,          0,          7},            // less than a tenth is cut first
        {1, 0,          0,          0},
        {1, 0xFFFFFFFF, 109092388,  0xFFFFFFFF},   // no wrap at 32 bits
        {2, 8267,       8267,       826700},       // other units pass through / count as millimetres
        {0, 210,        210,        21000},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "unit " << c.unit << " value " << c.value);
        EXPECT_EQ(ConvertThousandthInchToMm(c.unit, c.value), c.mm);
        EXPECT_EQ(ConvertToHundredthMm(c.unit, c.value), c.hundredths);
    }
}

TEST(CustomSizeUnits, SizeTextInMillimetresOrInches)
{
    struct Case {
        DWORD width;
        DWORD length;
        WORD unit;
        std::u16string expected;
    };
    const Case cases[] = {
        {8267, 11693, 1, u"(210x297mm)"},
        {8267, 11693, 2, u"8.27x11.69inch"},
        {8996, 8994,  2, u"9.00x8.99inch"},     // a rounding to 100 hundredths carries into the inches
        {995,  5,     2, u"1.00x0.01inch"},
        {0,    0,     2, u"0.00x0.00inch"},
        {0,    0,     1, u"(0x0mm)"},
        {0xFFFFFFFF, 0xFFFFFFFF, 2, u"4294967.30x4294967.30inch"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
        WCHAR text[kSizeTextChars];
        FormatCustomSizeText(c.width, c.length, c.unit, text, kSizeTextChars);
        EXPECT_EQ(std::u16string(text), c.expected);
    }
}

TEST(CustomSizeUnits, SizeTextIsCutToItsBuffer)
{
    WCHAR text[6];
    FormatCustomSizeText(8267, 11693, 1, text, 6);
    EXPECT_EQ(std::u16string(text), u"(210x");
}
