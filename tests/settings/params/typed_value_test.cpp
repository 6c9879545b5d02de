// typed_value_test.cpp - the typed value converter: code pairs, widths, and the bounds of both sides.
#include "settings/params/typed_value.h"

#include <gtest/gtest.h>

#include <cstring>

TEST(ConvertTypedValue, ConvertsIntegersBetweenCodes)
{
    struct Case { WORD fieldType; DWORD cbField; DWORD field; WORD bufferType; LONG result; DWORD cbCopied; DWORD got; };
    const Case cases[] = {
        {  4, 2, 0xFFFF,     16, 0,  4, 0xFFFFFFFF },   // signed word widened with its sign
        {  2, 2, 0xFFFF,     16, 0,  4, 0x0000FFFF },   // unsigned word zero-extended
        {  2, 2, 0x1234,      1, 0,  1, 0x34       },   // low byte
        {  1, 1, 0x80,        4, 0,  2, 0x0080     },
        {  4, 2, 0x8000,      8, 0,  4, 0xFFFF8000 },
        {  8, 4, 0x12345678,  2, 0,  2, 0x5678     },
        { 32, 4, 7,          16, -2, 0, 0          },   // refused pair
        { 32, 4, 7,           8, 0,  4, 7          },
        {  4, 2, 0xFFFE,      0, 0,  2, 0xFFFE     },   // destination 0: the source's own width
        {  0, 2, 1,           4, -2, 0, 0          },   // source 0 is no code
        {  3, 2, 1,           4, -2, 0, 0          },
        {  4, 2, 1,         256, -2, 0, 0          },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
        DWORD field = c.field;
        BYTE buffer[8];
        std::memset(buffer, 0, sizeof buffer);
        DWORD cbBuffer = 4;
        EXPECT_EQ(ConvertTypedValue(&field, c.cbField, buffer, &cbBuffer, c.fieldType, c.bufferType), c.result);
        if (c.result != 0)
            continue;
        EXPECT_EQ(cbBuffer, c.cbCopied);
        DWORD got = 0;
        std::memcpy(&got, buffer, cbBuffer);
        EXPECT_EQ(got, c.got);
        EXPECT_EQ(buffer[4], 0) << "nothing past the buffer";
    }
}

TEST(ConvertTypedValue, NeverWritesPastASmallBuffer)
{
    const DWORD field = 0x11223344;
    BYTE buffer[4] = { 0xAA, 0xAA, 0xAA, 0xAA };
    DWORD cbBuffer = 1;
    EXPECT_EQ(ConvertTypedValue(&field, 4, buffer, &cbBuffer, 16, 16), static_cast<LONG>(ERROR_MORE_DATA));
    EXPECT_EQ(cbBuffer, 1u);
    EXPECT_EQ(buffer[0], 0x44);
    EXPECT_EQ(buffer[1], 0xAA);
}

TEST(ConvertTypedValue, CopiesTextsAndBlocksUpToTheSmallerSide)
{
    const WCHAR field[8] = u"abcdefg";
    WCHAR buffer[5];
    std::memset(buffer, 0xAB, sizeof buffer);
    DWORD cbBuffer = 8;   // four characters
    EXPECT_EQ(ConvertTypedValue(field, sizeof field, buffer, &cbBuffer, 128, 128), static_cast<LONG>(ERROR_MORE_DATA));
    EXPECT_EQ(cbBuffer, 8u);
    EXPECT_EQ(std::u16string(buffer, 4), u"abcd");
    EXPECT_EQ(buffer[4], 0xABAB) << "nothing past the buffer";

    WCHAR wide[12];
    cbBuffer = sizeof wide;
    EXPECT_EQ(ConvertTypedValue(field, sizeof field, wide, &cbBuffer, 64, 4), 0);
    EXPECT_EQ(cbBuffer, sizeof field) << "only the field's bytes";
}

TEST(ConvertTypedValue, ANullBufferAsksForTheSize)
{
    const DWORD field = 5;
    DWORD cbBuffer = 0;
    EXPECT_EQ(ConvertTypedValue(&field, 4, nullptr, &cbBuffer, 16, 16), 0);
    EXPECT_EQ(cbBuffer, 4u);
}

TEST(ConvertTypedValueSet, ConvertsIntoTheFieldsWidth)
{
    struct Case { WORD bufferType; DWORD cbBuffer; DWORD buffer; WORD fieldType; DWORD cbField; LONG result; DWORD field; };
    const Case cases[] = {
        {  4, 2, 0xFFFF,  2, 2,  0, 0x0000FFFF },
        {  1, 1, 0xFF,    4, 2,  0, 0x000000FF },
        {  4, 2, 0x0101,  1, 1, -1, 0          },   // a word into a byte field: larger than the field
        { 32, 4, 5,      16, 4, -2, 0          },
        {  4, 4, 1,       4, 2, -1, 0          },   // a buffer larger than the field
        {  0, 2, 1,       4, 2, -2, 0          },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
        BYTE field[8] = {};
        EXPECT_EQ(ConvertTypedValueSet(field, c.cbField, &c.buffer, c.cbBuffer, c.bufferType, c.fieldType), c.result);
        DWORD got = 0;
        std::memcpy(&got, field, 4);
        EXPECT_EQ(got, c.field);
        EXPECT_EQ(field[4], 0) << "nothing past the field";
    }
    EXPECT_EQ(ConvertTypedValueSet(nullptr, 2, nullptr, 2, 4, 4), -1);
}

TEST(ConvertTypedValueSet, AShortTextClearsTheRestOfTheField)
{
    WCHAR field[6];
    std::memset(field, 0xAB, sizeof field);
    const WCHAR text[] = u"xy";
    EXPECT_EQ(ConvertTypedValueSet(field, sizeof field, text, sizeof text, 128, 128), 0);
    EXPECT_EQ(std::u16string(field), u"xy");
    for (std::size_t i = 2; i < 6; ++i)
        EXPECT_EQ(field[i], 0) << "unit " << i;
}
