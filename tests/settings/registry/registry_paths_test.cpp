// registry_paths_test.cpp - the per-user registry key paths of the driver and of one printer.
#include "settings/registry/registry_paths.h"

#include <gtest/gtest.h>
#include <string>

static const std::u16string kDriverPath = u"Software\\ORVANE TESSALY\\VQPDL2 V\\ORVANE TESSALY QN-804CJ\\";

TEST(RegistryPaths, DriverPathEndsInABackslash)
{
    WCHAR path[kRegPathChars];
    ASSERT_TRUE(BuildDriverRegPath(path, kRegPathChars));
    EXPECT_EQ(std::u16string(path), kDriverPath);

    WCHAR shortPath[20] = u"stale";
    EXPECT_FALSE(BuildDriverRegPath(shortPath, 20));
    EXPECT_EQ(std::u16string(shortPath), u"");
}

TEST(RegistryPaths, FitsNamesToThirtyOneAnsiBytesWithoutSplittingACharacter)
{
    const std::u16string kana15(15, u'\u30A2');   // katakana A: two bytes each in code page 932
    struct Case {
        std::u16string name;
        std::u16string expected;
    };
    const Case cases[] = {
        {u"QN-804C",                        u"QN-804C"},
        {std::u16string(40, u'a'),          std::u16string(30, u'a')},   // 31 bytes, then 30 characters
        {std::u16string(30, u'a') + u'b',   std::u16string(30, u'a')},
        {kana15 + u'\u30A2',                kana15},                     // a 16th would need bytes 31 and 32
        {std::u16string(29, u'a') + u'\u30A2' + u'z', std::u16string(29, u'a') + u'\u30A2'},   // 31 bytes exactly
        {std::u16string(30, u'a') + u'\u30A2', std::u16string(30, u'a')},   // its second byte would be the 32nd
        {u"caf\u00E9",                      u"caf?"},                    // no such character in code page 932
        {u"",                               u""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
        WCHAR out[kFittedNameChars];
        const UINT cb = FitAnsiString(c.name.c_str(), out, kFittedNameChars);
        EXPECT_EQ(std::u16string(out), c.expected);
        EXPECT_EQ(cb, c.expected.size() * sizeof(WCHAR));
    }
}

TEST(RegistryPaths, PrinterPathsWithAndWithoutSubKeys)
{
    struct Case {
        const WCHAR* name;
        const WCHAR* subKey1;
        const WCHAR* subKey2;
        std::u16string expected;   // after the driver path
    };
    const Case cases[] = {
        {u"QN-804C",                   nullptr,      nullptr,            u"QN-804C"},
        {u"QN-804C",                   u"BookMode",  nullptr,            u"QN-804C\\BookMode"},
        {u"QN-804C",                   u"WaterMark", u"WMarkListData3",  u"QN-804C\\WaterMark\\WMarkListData3"},
        {u"\\\\server\\QN-804C",       nullptr,      nullptr,            u"server\\QN-804C"},
        {u"Office printer on the third floor", nullptr, nullptr,         u"Office printer on the third fl"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
        WCHAR path[kRegPathChars];
        ASSERT_TRUE(BuildPrinterRegPath(path, kRegPathChars, c.name, c.subKey1, c.subKey2));
        EXPECT_EQ(std::u16string(path), kDriverPath + c.expected);
    }
}

TEST(RegistryPaths, RefusesAMissingNameAndAPathThatDoesNotFit)
{
    WCHAR path[kRegPathChars] = u"stale";
    EXPECT_FALSE(BuildPrinterRegPath(path, kRegPathChars, nullptr, nullptr, nullptr));
    EXPECT_EQ(std::u16string(path), u"");
    EXPECT_FALSE(BuildPrinterRegPath(path, kRegPathChars, u"", nullptr, nullptr));
    EXPECT_FALSE(BuildPrinterRegPath(path, kRegPathChars, u"\\\\", nullptr, nullptr));

    const std::u16string exact = kDriverPath + u"P1\\Sub";
    WCHAR tight[64];
    ASSERT_LT(exact.size(), 64u);
    EXPECT_TRUE(BuildPrinterRegPath(tight, static_cast<UINT>(exact.size() + 1), u"P1", u"Sub", nullptr));
    EXPECT_EQ(std::u16string(tight), exact);
    EXPECT_FALSE(BuildPrinterRegPath(tight, static_cast<UINT>(exact.size()), u"P1", u"Sub", nullptr));
    EXPECT_EQ(std::u16string(tight), u"");
}
