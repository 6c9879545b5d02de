// registry_tree_test.cpp - deleting a registry key with everything below it.
#include "settings/registry/registry_tree.h"
#include "settings/registry/registry_paths.h"
#include "host/inspect.h"
#include "support/world_fixture.h"

#include <string>

namespace {

class RegistryTree : public WorldTest {
protected:
    static std::u16string PrinterPath(const WCHAR* printer, const WCHAR* subKey = nullptr)
    {
        WCHAR path[kRegPathChars];
        EXPECT_TRUE(BuildPrinterRegPath(path, kRegPathChars, printer, subKey, nullptr));
        return path;
    }

    static void CreateKey(const std::u16string& path)
    {
        HKEY key = nullptr;
        ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                                  nullptr),
                  ERROR_SUCCESS);
        const DWORD one = 1;
        ASSERT_EQ(RegSetValueExW(key, u"Value", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&one), sizeof one),
                  ERROR_SUCCESS);
        RegCloseKey(key);
    }

    static bool KeyExists(const std::u16string& path)
    {
        HKEY key = nullptr;
        if (RegOpenKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
            return false;
        RegCloseKey(key);
        return true;
    }
};

} // namespace

TEST_F(RegistryTree, DeletesAKeyWithAllItsSubKeysAndNothingBeside)
{
    const std::u16string printer = PrinterPath(u"P1");
    CreateKey(printer + u"\\BookMode");
    CreateKey(printer + u"\\WaterMarkBackup");
    const std::string before = host::RegistryDump(HKEY_CURRENT_USER, printer);
    CreateKey(printer + u"\\WaterMark\\WMarkListData0");
    CreateKey(printer + u"\\WaterMark\\WMarkListData1\\Deeper\\Deepest");
    CreateKey(printer + u"\\WaterMark\\WMarkListData2");

    EXPECT_TRUE(DeleteRegTree(HKEY_CURRENT_USER, (printer + u"\\WaterMark").c_str()));

    EXPECT_EQ(host::RegistryDump(HKEY_CURRENT_USER, printer), before);
}

TEST_F(RegistryTree, AMissingKeyIsAFailure)
{
    EXPECT_FALSE(DeleteRegTree(HKEY_CURRENT_USER, u"Software\\Nothing\\Here"));
    EXPECT_FALSE(DeleteRegTree(HKEY_CURRENT_USER, nullptr));
}

TEST_F(RegistryTree, PrinterTreeDeletesOnlyInsideThatPrintersKey)
{
    const std::u16string p1 = PrinterPath(u"P1");
    const std::u16string p10 = PrinterPath(u"P10");
    CreateKey(p1 + u"\\WaterMark");
    CreateKey(p10 + u"\\WaterMark");
    CreateKey(u"Software\\Other\\WaterMark");

    struct Case {
        const WCHAR* printer;
        std::u16string path;
        BOOL expected;
        std::u16string survivor;   // a key that must still exist afterwards
    };
    const Case cases[] = {
        {u"P1", p10,                             FALSE, p10 + u"\\WaterMark"},   // "P10" begins with "P1"
        {u"P1", p10 + u"\\WaterMark",            FALSE, p10 + u"\\WaterMark"},
        {u"P1", u"Software\\Other\\WaterMark",   FALSE, u"Software\\Other\\WaterMark"},
        {u"",   u"Software\\Other\\WaterMark",   FALSE, u"Software\\Other\\WaterMark"},
        {nullptr, p1 + u"\\WaterMark",           FALSE, p1 + u"\\WaterMark"},
        {u"P1", p1 + u"\\WaterMark",             TRUE,  p10 + u"\\WaterMark"},
        {u"P10", p10,                            TRUE,  p1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
        EXPECT_EQ(DeletePrinterRegTree(HKEY_CURRENT_USER, c.printer, c.path.c_str()), c.expected);
        EXPECT_TRUE(KeyExists(c.survivor));
        if (c.expected) {
            EXPECT_FALSE(KeyExists(c.path));
        }
    }
}
