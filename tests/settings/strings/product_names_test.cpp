// product_names_test.cpp - the product's fixed names.
#include "settings/strings/product_names.h"

#include <gtest/gtest.h>
#include <string>

TEST(ProductNames, CompanionFilesAreCopiedOrAppended)
{
    struct Case {
        UINT code;
        BOOL copy;
        BOOL expectedResult;
        std::u16string expected;
    };
    const Case cases[] = {
        {5, FALSE, TRUE,  u"C:\\drv\\Q73MZRF1.DLL"},
        {5, TRUE,  TRUE,  u"Q73MZRF1.DLL"},
        {6, FALSE, TRUE,  u"Q73MZRF1.DLL"},   // code 6 always copies
        {7, FALSE, TRUE,  u"C:\\drv\\"},
        {8, TRUE,  TRUE,  u""},
        {9, FALSE, TRUE,  u"C:\\drv\\Q73MZRHZ.hlp"},
        {4, FALSE, FALSE, u"C:\\drv\\"},      // not a companion file
        {10, TRUE, FALSE, u"C:\\drv\\"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "code " << c.code << " copy " << c.copy);
        WCHAR out[64] = u"C:\\drv\\";
        EXPECT_EQ(GetCompanionFileName(out, 64, c.code, c.copy), c.expectedResult);
        EXPECT_EQ(std::u16string(out), c.expected);
    }
}

TEST(ProductNames, ANameThatDoesNotFitLeavesTheBufferAlone)
{
    WCHAR out[16] = u"C:\\drivers\\";            // 11 characters; 12 more do not fit in 16
    EXPECT_FALSE(GetCompanionFileName(out, 16, 9, FALSE));
    EXPECT_EQ(std::u16string(out), u"C:\\drivers\\");
    WCHAR small[12] = u"x";                        // "Q73MZRF1.DLL" needs 13 with its NUL
    EXPECT_FALSE(GetCompanionFileName(small, 12, 5, TRUE));
    EXPECT_EQ(std::u16string(small), u"x");
    WCHAR exact[13] = u"";
    EXPECT_TRUE(GetCompanionFileName(exact, 13, 5, TRUE));
    EXPECT_EQ(std::u16string(exact), u"Q73MZRF1.DLL");
}
