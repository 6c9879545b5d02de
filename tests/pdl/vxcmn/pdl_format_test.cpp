// pdl_format_test.cpp - the writer's own formatter: every conversion, the fixed-point and hexadecimal forms the
// device reads, and the line limit.
#include "pdl/vxcmn/pdl_format.h"

#include <gtest/gtest.h>

#include <climits>
#include <clocale>
#include <string>

namespace {

std::string Format(DWORD cbBuffer, const char* pszFormat, ...)
{
    std::string buffer(cbBuffer, '\x7F');
    va_list args;
    va_start(args, pszFormat);
    const int length = PdlFormat(buffer.data(), cbBuffer, pszFormat, args);
    va_end(args);
    EXPECT_EQ(buffer[static_cast<size_t>(length)], '\0') << "terminated";
    return buffer.substr(0, static_cast<size_t>(length));
}

std::string Format(const char* pszFormat, int value)
{
    return Format(256, pszFormat, value);
}

TEST(PdlFormat, ConvertsNumbersAsTheDeviceReadsThem)
{
    struct Case { const char* format; int value; const char* expected; };
    const Case cases[] = {
        {"#%X",   5,          "#05"},
        {"#%X",   0x123,      "#123"},
        {"#%x",   0xAB,       "#AB"},
        {"#%X",   0,          "#00"},
        {"#%X",   -1,         "#FFFFFFFF"},
        {"%d",    -5,         "-5"},
        {"%l",    INT_MIN,    "-2147483648"},
        {"%u",    -1,         "4294967295"},
        {"%c;",   'A',        "A;"},
        {"%b",    1,          "true"},
        {"%b",    0,          "false"},
        {"%f",    0x180,      "1.5"},
        {"%f",    0x100,      "1"},
        {"%f",    -0x80,      "-0.5"},
        {"%f",    0,          "0"},
        {"%f",    1,          "0.004"},     // 1/256 rounded to thousandths
        {"%f",    0x1FF,      "1.996"},
        {"%f",    -0x280,     "-2.5"},
        {"%f",    INT_MIN,    "-8388608"},
        {"%%%d.00", 12,       "%12.00"},    // as the fixed-point commands write it: a doubled percent is one
        {"%q%d",  7,          "q7"},        // an unknown conversion writes its letter
        {"end%",  0,          "end"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.format);
        EXPECT_EQ(Format(c.format, c.value), c.expected);
    }
}

TEST(PdlFormat, WritesTextAndIgnoresTheLocale)
{
    std::setlocale(LC_ALL, "");   // a locale with another decimal point must change nothing
    EXPECT_EQ(Format(256, "rem %s %s;\n", "dither", "error"), "rem dither error;\n");
    EXPECT_EQ(Format(256, "[%s]", static_cast<const char*>(nullptr)), "[]");
    EXPECT_EQ(Format(256, "fop %%%f %%%f;\n", 0xA80, 0x100), "fop %10.5 %1;\n");
    std::setlocale(LC_ALL, "C");
}

TEST(PdlFormat, CutsALineThatWouldNotFit)
{
    const std::string long300(300, 'x');
    EXPECT_EQ(Format(256, "%s", long300.c_str()), std::string(255, 'x'));
    EXPECT_EQ(Format(4, "%d", 123456), "123");
    EXPECT_EQ(Format(1, "%d", 5), "");
}

} // namespace
