// text_copy_test.cpp - bounded copies of wide text.
#include "settings/strings/text_copy.h"

#include <cstring>
#include <gtest/gtest.h>
#include <string>

TEST(TextCopy, CopyTextCutsAtTheBufferAndAlwaysTerminates)
{
    struct Case {
        const WCHAR* text;
        std::size_t cch;
        std::u16string expected;
    };
    const Case cases[] = {
        {u"abc",  4, u"abc"},
        {u"abcd", 4, u"abc"},   // the terminator takes the last unit
        {u"abc",  1, u""},
        {nullptr, 4, u""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
        WCHAR out[8];
        std::memset(out, 0xAB, sizeof out);
        EXPECT_EQ(CopyTextCut(out, c.cch, c.text), c.expected.size());
        EXPECT_EQ(std::u16string(out), c.expected);
        EXPECT_EQ(out[c.cch], 0xABAB) << "wrote past the buffer";
    }
}

TEST(TextCopy, AppendTextAppendsAllOrNothing)
{
    struct Case {
        std::u16string start;
        const WCHAR* text;
        BOOL expectedResult;
        std::u16string expected;
    };
    const Case cases[] = {
        {u"ab",  u"cde", TRUE,  u"abcde"},   // exactly fills the six units with its NUL
        {u"ab",  u"cdef", FALSE, u"ab"},
        {u"",    u"",    TRUE,  u""},
        {u"ab",  nullptr, TRUE, u"ab"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
        WCHAR out[6] = {};
        c.start.copy(out, c.start.size());
        EXPECT_EQ(AppendText(out, 6, c.text), c.expectedResult);
        EXPECT_EQ(std::u16string(out), c.expected);
    }
    WCHAR unterminated[3] = {u'a', u'b', u'c'};
    EXPECT_FALSE(AppendText(unterminated, 3, u""));
}
