// keys_test.cpp - creating, opening, closing, deleting and enumerating registry keys.
#include "host/faults.h"
#include "host/inspect.h"
#include "support/world_fixture.h"
#include "win/windows.h"

#include <string>

using RegistryKeys = WorldTest;

static HKEY CreateKey(HKEY parent, const WCHAR* path, REGSAM sam = KEY_ALL_ACCESS)
{
    HKEY key = nullptr;
    EXPECT_EQ(RegCreateKeyExW(parent, path, 0, nullptr, 0, sam, nullptr, &key, nullptr), ERROR_SUCCESS);
    return key;
}

static std::u16string EnumKeyName(HKEY key, DWORD index, LONG& result)
{
    WCHAR name[64];
    DWORD cch = 64;
    result = RegEnumKeyExW(key, index, name, &cch, nullptr, nullptr, nullptr, nullptr);
    return result == ERROR_SUCCESS ? std::u16string(name, cch) : std::u16string();
}

// Every sub-key name of key, in enumeration order, up to ERROR_NO_MORE_ITEMS.
static std::u16string SubKeyNames(HKEY key)
{
    std::u16string names;
    LONG result = ERROR_SUCCESS;
    for (DWORD index = 0; index < 100; ++index) {
        const std::u16string name = EnumKeyName(key, index, result);
        if (result != ERROR_SUCCESS)
            break;
        names += (names.empty() ? u"" : u",") + name;
    }
    EXPECT_EQ(result, ERROR_NO_MORE_ITEMS);
    return names;
}

TEST_F(RegistryKeys, CreatesMissingKeysAlongThePathAndSaysWhetherTheLastIsNew)
{
    struct Case { const WCHAR* path; DWORD disposition; };
    const Case cases[] = {
        {u"Software\\Vendor\\App", REG_CREATED_NEW_KEY},
        {u"software\\VENDOR", REG_OPENED_EXISTING_KEY},
        {u"Software\\Vendor\\App\\", REG_OPENED_EXISTING_KEY},   // a trailing backslash names the same key
        {u"Software\\Vendor\\Other", REG_CREATED_NEW_KEY},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
        HKEY key = nullptr;
        DWORD disposition = 0;
        ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, c.path, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                                  &disposition), ERROR_SUCCESS);
        EXPECT_EQ(disposition, c.disposition);
        EXPECT_EQ(RegCloseKey(key), ERROR_SUCCESS);
    }
    EXPECT_EQ(host::RegistryDump(HKEY_CURRENT_USER),
              "[HKEY_CURRENT_USER]\n"
              "[HKEY_CURRENT_USER\\Software]\n"
              "[HKEY_CURRENT_USER\\Software\\Vendor]\n"
              "[HKEY_CURRENT_USER\\Software\\Vendor\\App]\n"
              "[HKEY_CURRENT_USER\\Software\\Vendor\\Other]\n");
    EXPECT_EQ(host::RegistryDump(HKEY_LOCAL_MACHINE), "[HKEY_LOCAL_MACHINE]\n") << "the roots are separate trees";
}

TEST_F(RegistryKeys, NamesMatchWithoutRegardToCaseAndKeepTheCaseTheyWereCreatedWith)
{
    RegCloseKey(CreateKey(HKEY_LOCAL_MACHINE, u"Software\\MixedCase"));
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExW(HKEY_LOCAL_MACHINE, u"SOFTWARE\\mixedcase", 0, KEY_READ, &key), ERROR_SUCCESS);
    RegCloseKey(key);
    RegCloseKey(CreateKey(HKEY_LOCAL_MACHINE, u"SOFTWARE\\MIXEDCASE\\Sub"));

    HKEY software = CreateKey(HKEY_LOCAL_MACHINE, u"software");
    EXPECT_EQ(SubKeyNames(software), u"MixedCase");
    RegCloseKey(software);
    EXPECT_EQ(host::RegistryDump(HKEY_LOCAL_MACHINE, u"SOFTWARE"),
              "[HKEY_LOCAL_MACHINE\\Software]\n"
              "[HKEY_LOCAL_MACHINE\\Software\\MixedCase]\n"
              "[HKEY_LOCAL_MACHINE\\Software\\MixedCase\\Sub]\n");
}

TEST_F(RegistryKeys, OpenAndCreateAnswerForEachKindOfPath)
{
    RegCloseKey(CreateKey(HKEY_CURRENT_USER, u"Software"));
    struct Case { const WCHAR* path; LONG open; LONG create; };
    const Case cases[] = {
        {u"Software",           ERROR_SUCCESS,        ERROR_SUCCESS     },
        {u"\\Software",         ERROR_BAD_PATHNAME,   ERROR_BAD_PATHNAME},
        {u"\\",                 ERROR_BAD_PATHNAME,   ERROR_BAD_PATHNAME},
        {u"Software\\\\App",    ERROR_BAD_PATHNAME,   ERROR_BAD_PATHNAME},
        {u"Missing\\Deeper",    ERROR_FILE_NOT_FOUND, ERROR_SUCCESS     },
        {u"",                   ERROR_SUCCESS,        ERROR_SUCCESS     },   // a new handle to the same key
        {nullptr,               ERROR_SUCCESS,        ERROR_SUCCESS     },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
        HKEY key = HKEY_USERS;   // a stale value must not survive a failure
        EXPECT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, c.path, 0, KEY_READ, &key), c.open);
        EXPECT_EQ(key == nullptr, c.open != ERROR_SUCCESS);
        EXPECT_NE(key, HKEY_CURRENT_USER);
        RegCloseKey(key);
        key = HKEY_USERS;
        EXPECT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, c.path, 0, nullptr, 0, KEY_READ, nullptr, &key, nullptr),
                  c.create);
        EXPECT_EQ(key == nullptr, c.create != ERROR_SUCCESS);
        RegCloseKey(key);
    }
    EXPECT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, u"Software", 0, KEY_READ, nullptr), ERROR_INVALID_PARAMETER);
}

TEST_F(RegistryKeys, RefusesHandlesItDidNotHandOutAndRootsItDoesNotKeep)
{
    const HKEY unknown[] = {HKEY_CLASSES_ROOT, HKEY_USERS, nullptr, reinterpret_cast<HKEY>(0x1234)};
    for (HKEY hKey : unknown) {
        SCOPED_TRACE(testing::Message() << "handle " << hKey);
        HKEY key = nullptr;
        EXPECT_EQ(RegOpenKeyExW(hKey, u"Software", 0, KEY_READ, &key), ERROR_INVALID_HANDLE);
        EXPECT_EQ(RegCreateKeyExW(hKey, u"Software", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
                  ERROR_INVALID_HANDLE);
        EXPECT_EQ(RegQueryValueExW(hKey, u"x", nullptr, nullptr, nullptr, nullptr), ERROR_INVALID_HANDLE);
        EXPECT_EQ(RegEnumKeyExW(hKey, 0, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr), ERROR_INVALID_HANDLE);
    }
    EXPECT_EQ(RegCloseKey(reinterpret_cast<HKEY>(0x1234)), ERROR_INVALID_HANDLE);
}

TEST_F(RegistryKeys, EachHandleClosesOnItsOwnAndThePredefinedRootsSurviveClosing)
{
    HKEY first = CreateKey(HKEY_CURRENT_USER, u"Software");
    HKEY second = nullptr;
    ASSERT_EQ(RegOpenKeyExW(first, nullptr, 0, KEY_ALL_ACCESS, &second), ERROR_SUCCESS);
    EXPECT_NE(second, first);
    EXPECT_EQ(RegCloseKey(first), ERROR_SUCCESS);
    const DWORD one = 1;
    EXPECT_EQ(RegSetValueExW(second, u"v", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&one), 4), ERROR_SUCCESS);
    EXPECT_EQ(RegCloseKey(second), ERROR_SUCCESS);
    EXPECT_EQ(RegCloseKey(second), ERROR_INVALID_HANDLE);
    EXPECT_EQ(RegSetValueExW(second, u"v", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&one), 4),
              ERROR_INVALID_HANDLE);

    EXPECT_EQ(RegCloseKey(HKEY_CURRENT_USER), ERROR_SUCCESS);
    EXPECT_EQ(RegCloseKey(HKEY_CURRENT_USER), ERROR_SUCCESS);
    HKEY again = nullptr;
    EXPECT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, u"Software", 0, KEY_READ, &again), ERROR_SUCCESS);
    RegCloseKey(again);
}

TEST_F(RegistryKeys, DeleteRefusesAKeyWithSubKeysAndTheRoot)
{
    RegCloseKey(CreateKey(HKEY_CURRENT_USER, u"Parent\\Child"));
    struct Case { HKEY from; const WCHAR* path; LONG result; };
    const Case cases[] = {
        {HKEY_CURRENT_USER, u"Parent",          ERROR_ACCESS_DENIED    },
        {HKEY_CURRENT_USER, u"parent\\CHILD",   ERROR_SUCCESS          },
        {HKEY_CURRENT_USER, u"Parent\\Child",   ERROR_FILE_NOT_FOUND   },
        {HKEY_CURRENT_USER, u"",                ERROR_ACCESS_DENIED    },   // the root itself
        {HKEY_CURRENT_USER, nullptr,            ERROR_INVALID_PARAMETER},
        {HKEY_CURRENT_USER, u"\\Parent",        ERROR_BAD_PATHNAME     },
        {HKEY_CURRENT_USER, u"Parent",          ERROR_SUCCESS          },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
        EXPECT_EQ(RegDeleteKeyW(c.from, c.path), c.result);
    }
    EXPECT_EQ(host::RegistryDump(HKEY_CURRENT_USER), "[HKEY_CURRENT_USER]\n");

    HKEY own = CreateKey(HKEY_CURRENT_USER, u"Own");
    EXPECT_EQ(RegDeleteKeyW(own, u""), ERROR_SUCCESS) << "an empty sub-key deletes the handle's own key";
    RegCloseKey(own);
    EXPECT_EQ(host::RegistryDump(HKEY_CURRENT_USER), "[HKEY_CURRENT_USER]\n");
}

TEST_F(RegistryKeys, AHandleToAKeyDeletedElsewhereAnswersKeyDeleted)
{
    HKEY stale = CreateKey(HKEY_CURRENT_USER, u"Gone");
    ASSERT_EQ(RegDeleteKeyW(HKEY_CURRENT_USER, u"Gone"), ERROR_SUCCESS);
    HKEY fresh = CreateKey(HKEY_CURRENT_USER, u"Gone");   // a new key of the same name is another key

    HKEY sub = nullptr;
    const DWORD one = 1;
    DWORD cb = 4;
    DWORD count = 0;
    WCHAR name[8];
    DWORD cch = 8;
    EXPECT_EQ(RegSetValueExW(stale, u"v", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&one), 4), ERROR_KEY_DELETED);
    EXPECT_EQ(RegQueryValueExW(stale, u"v", nullptr, nullptr, nullptr, &cb), ERROR_KEY_DELETED);
    EXPECT_EQ(RegDeleteValueW(stale, u"v"), ERROR_KEY_DELETED);
    EXPECT_EQ(RegEnumKeyExW(stale, 0, name, &cch, nullptr, nullptr, nullptr, nullptr), ERROR_KEY_DELETED);
    EXPECT_EQ(RegEnumValueW(stale, 0, name, &cch, nullptr, nullptr, nullptr, nullptr), ERROR_KEY_DELETED);
    EXPECT_EQ(RegQueryInfoKeyW(stale, nullptr, nullptr, nullptr, &count, nullptr, nullptr, nullptr, nullptr, nullptr,
                               nullptr, nullptr), ERROR_KEY_DELETED);
    EXPECT_EQ(RegCreateKeyExW(stale, u"Sub", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &sub, nullptr),
              ERROR_KEY_DELETED);
    EXPECT_EQ(RegOpenKeyExW(stale, nullptr, 0, KEY_READ, &sub), ERROR_KEY_DELETED);
    EXPECT_EQ(RegDeleteKeyW(stale, u""), ERROR_KEY_DELETED);
    EXPECT_EQ(RegFlushKey(stale), ERROR_KEY_DELETED);
    EXPECT_EQ(RegCloseKey(stale), ERROR_SUCCESS);

    EXPECT_EQ(RegSetValueExW(fresh, u"v", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&one), 4), ERROR_SUCCESS);
    EXPECT_EQ(RegFlushKey(fresh), ERROR_SUCCESS);
    RegCloseKey(fresh);
}

TEST_F(RegistryKeys, EnumerationFollowsCreationOrderAndSeesADeletionAtOnce)
{
    HKEY parent = CreateKey(HKEY_CURRENT_USER, u"Software");
    for (const WCHAR* name : {u"Zeta", u"alpha", u"Mid"})
        RegCloseKey(CreateKey(parent, name));
    EXPECT_EQ(SubKeyNames(parent), u"Zeta,alpha,Mid");
    ASSERT_EQ(RegDeleteKeyW(parent, u"ALPHA"), ERROR_SUCCESS);
    EXPECT_EQ(SubKeyNames(parent), u"Zeta,Mid");
    RegCloseKey(CreateKey(parent, u"alpha"));
    EXPECT_EQ(SubKeyNames(parent), u"Zeta,Mid,alpha");
    RegCloseKey(parent);
}

TEST_F(RegistryKeys, EnumKeyCountsNameSizesInCharacters)
{
    HKEY parent = CreateKey(HKEY_CURRENT_USER, u"Software");
    RegCloseKey(CreateKey(parent, u"Mid"));
    struct Case { DWORD cchIn; LONG result; DWORD cchOut; };
    const Case cases[] = {
        { 0, ERROR_MORE_DATA, 4},   // the size asked for counts the terminator
        { 3, ERROR_MORE_DATA, 4},
        { 4, ERROR_SUCCESS,   3},   // the size answered does not
        {10, ERROR_SUCCESS,   3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "cchIn " << c.cchIn);
        WCHAR name[10];
        std::fill(std::begin(name), std::end(name), u'#');
        DWORD cch = c.cchIn;
        EXPECT_EQ(RegEnumKeyExW(parent, 0, name, &cch, nullptr, nullptr, nullptr, nullptr), c.result);
        EXPECT_EQ(cch, c.cchOut);
        if (c.result == ERROR_SUCCESS)
            EXPECT_EQ(std::u16string(name, 4), std::u16string(u"Mid\0", 4));
        else
            EXPECT_EQ(name[0], u'#') << "a failed call copies nothing";
    }
    DWORD cch = 10;
    WCHAR name[10];
    EXPECT_EQ(RegEnumKeyExW(parent, 1, name, &cch, nullptr, nullptr, nullptr, nullptr), ERROR_NO_MORE_ITEMS);
    EXPECT_EQ(RegEnumKeyExW(parent, 0, name, nullptr, nullptr, nullptr, nullptr, nullptr), ERROR_INVALID_PARAMETER);
    RegCloseKey(parent);
}

TEST_F(RegistryKeys, QueryInfoCountsSubKeysAndValuesWithTheirLongestSizes)
{
    HKEY key = CreateKey(HKEY_CURRENT_USER, u"Software");
    RegCloseKey(CreateKey(key, u"a"));
    RegCloseKey(CreateKey(key, u"longest"));
    const BYTE ten[10] = {};
    RegSetValueExW(key, u"v", 0, REG_DWORD, ten, 4);
    RegSetValueExW(key, u"valuename", 0, REG_BINARY, ten, 10);

    DWORD subKeys = 0, maxSubKey = 0, values = 0, maxValueName = 0, maxData = 0, cchClass = 5;
    WCHAR className[5] = u"####";
    ASSERT_EQ(RegQueryInfoKeyW(key, className, &cchClass, nullptr, &subKeys, &maxSubKey, nullptr, &values,
                               &maxValueName, &maxData, nullptr, nullptr), ERROR_SUCCESS);
    EXPECT_EQ(subKeys, 2u);
    EXPECT_EQ(maxSubKey, 7u);      // characters, without the terminator
    EXPECT_EQ(values, 2u);
    EXPECT_EQ(maxValueName, 9u);
    EXPECT_EQ(maxData, 10u);       // bytes
    EXPECT_EQ(cchClass, 0u);
    EXPECT_EQ(className[0], u'\0');
    RegCloseKey(key);
}

TEST_F(RegistryKeys, HonoursTheAccessAHandleWasOpenedWith)
{
    HKEY setup = CreateKey(HKEY_CURRENT_USER, u"Software");
    const DWORD one = 1;
    RegSetValueExW(setup, u"v", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&one), 4);
    RegCloseKey(setup);

    constexpr REGSAM kGenericRead = 0x80000000;
    constexpr REGSAM kGenericWrite = 0x40000000;
    struct Case { REGSAM sam; bool canQuery; bool canSet; bool canEnumerate; };
    const Case cases[] = {
        {KEY_READ,       true,  false, true },
        {KEY_WRITE,      false, true,  false},
        {KEY_SET_VALUE,  false, true,  false},
        {KEY_ALL_ACCESS, true,  true,  true },
        {kGenericRead,   true,  false, true },
        {kGenericWrite,  false, true,  false},
        {0,              false, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "sam 0x" << std::hex << c.sam);
        HKEY key = nullptr;
        ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, u"Software", 0, c.sam, &key), ERROR_SUCCESS);
        DWORD cb = 4;
        DWORD data = 0;
        WCHAR name[8];
        DWORD cch = 8;
        const LONG denied = ERROR_ACCESS_DENIED;
        EXPECT_EQ(RegQueryValueExW(key, u"v", nullptr, nullptr, reinterpret_cast<BYTE*>(&data), &cb),
                  c.canQuery ? ERROR_SUCCESS : denied);
        EXPECT_EQ(RegEnumValueW(key, 0, name, &cch, nullptr, nullptr, nullptr, nullptr),
                  c.canQuery ? ERROR_SUCCESS : denied);
        EXPECT_EQ(RegSetValueExW(key, u"v", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&one), 4),
                  c.canSet ? ERROR_SUCCESS : denied);
        EXPECT_EQ(RegDeleteValueW(key, u"missing"), c.canSet ? ERROR_FILE_NOT_FOUND : denied);
        cch = 8;
        EXPECT_EQ(RegEnumKeyExW(key, 0, name, &cch, nullptr, nullptr, nullptr, nullptr),
                  c.canEnumerate ? ERROR_NO_MORE_ITEMS : denied);
        // Creating and deleting sub-keys is a matter of the key, not of the handle's access.
        HKEY sub = nullptr;
        EXPECT_EQ(RegCreateKeyExW(key, u"Sub", 0, nullptr, 0, KEY_READ, nullptr, &sub, nullptr), ERROR_SUCCESS);
        RegCloseKey(sub);
        EXPECT_EQ(RegDeleteKeyW(key, u"Sub"), ERROR_SUCCESS);
        RegCloseKey(key);
    }
}

TEST_F(RegistryKeys, AnInjectedWriteFaultRefusesCreatingAndDeletingKeysAndChangesNothing)
{
    RegCloseKey(CreateKey(HKEY_CURRENT_USER, u"Software\\Leaf"));
    const std::string before = host::RegistryDump(HKEY_CURRENT_USER);

    host::InjectFault(host::Fault::RegistryWrite, 1);
    HKEY key = HKEY_USERS;
    DWORD disposition = 0;
    EXPECT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, u"Software", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                              &disposition), ERROR_SUCCESS) << "opening an existing key writes nothing";
    EXPECT_EQ(disposition, DWORD{REG_OPENED_EXISTING_KEY});
    RegCloseKey(key);
    EXPECT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, u"Software\\New\\Deeper", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                              &key, nullptr), ERROR_ACCESS_DENIED);
    EXPECT_EQ(key, nullptr);
    EXPECT_EQ(host::RegistryDump(HKEY_CURRENT_USER), before) << "not even the intermediate key is made";

    host::InjectFault(host::Fault::RegistryWrite, 1);
    EXPECT_EQ(RegDeleteKeyW(HKEY_CURRENT_USER, u"Software\\Leaf"), ERROR_ACCESS_DENIED);
    EXPECT_EQ(host::RegistryDump(HKEY_CURRENT_USER), before);

    EXPECT_EQ(RegDeleteKeyW(HKEY_CURRENT_USER, u"Software\\Leaf"), ERROR_SUCCESS) << "the fault was used up";
}
