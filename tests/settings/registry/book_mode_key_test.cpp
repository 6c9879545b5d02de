// book_mode_key_test.cpp - the per-user key "BookMode" of a printer.
#include "settings/registry/book_mode_key.h"
#include "settings/registry/registry_paths.h"
#include "support/world_fixture.h"

#include <string>

using BookModeKey = WorldTest;

TEST_F(BookModeKey, CreatedOnceThenOpened)
{
    HKEY key = nullptr;
    DWORD disposition = 0;
    ASSERT_TRUE(OpenBookModeKey(u"QN-804C", &key, &disposition));
    EXPECT_EQ(disposition, DWORD(REG_CREATED_NEW_KEY));
    const DWORD mode = 2;
    ASSERT_EQ(RegSetValueExW(key, u"bGFXMode", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&mode), sizeof mode),
              ERROR_SUCCESS);
    RegCloseKey(key);

    ASSERT_TRUE(OpenBookModeKey(u"QN-804C", &key, &disposition));
    EXPECT_EQ(disposition, DWORD(REG_OPENED_EXISTING_KEY));
    RegCloseKey(key);

    WCHAR path[kRegPathChars];
    ASSERT_TRUE(BuildPrinterRegPath(path, kRegPathChars, u"QN-804C", u"BookMode", nullptr));
    DWORD read = 0;
    DWORD cb = sizeof read;
    HKEY check = nullptr;
    ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, path, 0, KEY_READ, &check), ERROR_SUCCESS);
    EXPECT_EQ(RegQueryValueExW(check, u"bGFXMode", nullptr, nullptr, reinterpret_cast<BYTE*>(&read), &cb),
              ERROR_SUCCESS);
    RegCloseKey(check);
    EXPECT_EQ(read, mode);
}

TEST_F(BookModeKey, NoKeyWithoutAPrinterName)
{
    HKEY key = reinterpret_cast<HKEY>(1);
    EXPECT_FALSE(OpenBookModeKey(u"", &key, nullptr));
    EXPECT_EQ(key, nullptr);
    EXPECT_FALSE(OpenBookModeKey(u"QN-804C", nullptr, nullptr));
}
