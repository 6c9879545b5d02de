// decimal_text_test.cpp - decimal numbers read from wide text.
#include "settings/strings/decimal_text.h"

#include <cstring>
#include <gtest/gtest.h>

TEST(DecimalText, ParsesBySignAndTypeCode)
{
    struct Case {
        const WCHAR* text;
        UINT typeCode;
        DWORD expected;     // the bytes of the field's width, read back little-endian
        UINT width;
    };
    const Case cases[] = {
        {u"-5",          1,  0xFB,       1},   // negated, then cut to a byte
        {u"300",         1,  0x2C,       1},   // cut to a byte
        {u"+12",         2,  12,         2},
        {u"-1",          4,  0xFFFF,     2},
        {u"70000",       2,  70000 & 0xFFFF, 2},
        {u"-2147483648", 8,  0x80000000, 4},
        {u"-7",          16, 0xFFFFFFF9, 4},
        {u"-7",          32, 7,          4},   // type 32 ignores the sign
        {u"4294967295",  32, 0xFFFFFFFF, 4},
        {u"007",         8,  7,          4},
        {u"",            8,  0,          4},   // an empty text reads as 0
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
        BYTE field[6];
        std::memset(field, 0xAB, sizeof field);
        ASSERT_TRUE(ParseDecimalValue(field, c.typeCode, c.text));
        DWORD value = 0;
        std::memcpy(&value, field, c.width);
        EXPECT_EQ(value, c.expected);
        EXPECT_EQ(field[c.width], 0xAB) << "wrote past a field of " << c.width << " bytes";
    }
}

TEST(DecimalText, RefusesBadTextAndCodesLeavingTheFieldAlone)
{
    struct Case {
        const WCHAR* text;
        UINT typeCode;
    };
    const Case cases[] = {
        {u"+",           8},
        {u"-",           1},
        {u"5x",          8},
        {u" 5",          8},
        {u"1-2",         8},    // a sign that does not lead is not a sign
        {u"--5",         8},
        {u"4294967296",  32},   // more than 32 bits
        {u"5",           0},
        {u"5",           3},
        {u"5",           64},
        {nullptr,        8},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
        DWORD field = 0xABABABAB;
        EXPECT_FALSE(ParseDecimalValue(&field, c.typeCode, c.text));
        EXPECT_EQ(field, 0xABABABABu);
    }
}

TEST(DecimalText, DecimalToIntReadsTheLeadingDigitsOnly)
{
    struct Case { const WCHAR* text; DWORD expected; };
    const Case cases[] = {
        {u"1234",    1234},
        {u"2,4",     2   },   // a page list numbers its tab by its first page; as digits it read 164
        {u"7-9",     7   },
        {u"1:",      1   },   // ':' follows '9' in the code table and is no digit
        {u"/5",      0   },   // '/' precedes '0'
        {u"",        0   },
        {nullptr,    0   },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
        EXPECT_EQ(DecimalToInt(c.text), c.expected);
    }
}
