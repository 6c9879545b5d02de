// vxcmnnt_test.cpp - the writer's text conversions: code page 932 within a byte limit, never half a character,
// always terminated; and the file name of a path.
#include "pdl/vxcmn/vxcmnnt.h"
#include "support/world_fixture.h"

#include <cstring>
#include <string>

namespace {

using TextConversion = WorldTest;

TEST_F(TextConversion, UnicodeToAnsiCutsWholeCharactersAndTerminates)
{
    struct Case { std::u16string text; DWORD cb; std::string expected; };
    const Case cases[] = {
        {u"Report",   16, "Report"},
        {u"Report",   4,  "Rep"},
        {u"aあい",    5,  "a\x82\xA0"},           // "い" would need bytes 4 and 5: left out whole
        {u"aあい",    6,  "a\x82\xA0\x82\xA2"},
        {u"",         1,  ""},
        {u"abc",      0,  "abc"},                 // no size: the text's length + 1
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
        char buffer[16];
        std::memset(buffer, 0x7F, sizeof buffer);
        const DWORD written = UnicodeToAnsi(buffer, c.text.c_str(), c.cb);
        EXPECT_EQ(std::string(buffer), c.expected);
        EXPECT_EQ(written, c.expected.size());
    }
}

TEST_F(TextConversion, AnsiToUnicodeAndFileNames)
{
    WCHAR buffer[4];
    EXPECT_EQ(AnsiToUnicode(buffer, "a\x82\xA0z", 4), 3u);
    EXPECT_EQ(std::u16string(buffer), u"aあz");
    EXPECT_EQ(AnsiToUnicode(buffer, "abcdef", 4), 3u);
    EXPECT_EQ(std::u16string(buffer), u"abc");
    EXPECT_EQ(std::u16string(FileNameFromPath(u"C:\\docs\\report.doc")), u"report.doc");
    EXPECT_EQ(std::u16string(FileNameFromPath(u"report.doc")), u"report.doc");
    EXPECT_EQ(std::u16string(FileNameFromPath(u"C:\\docs\\")), u"");
    EXPECT_EQ(FileNameFromPath(nullptr), nullptr);
}

} // namespace
