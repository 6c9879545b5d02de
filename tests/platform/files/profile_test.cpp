// profile_test.cpp - private-profile (INI) files: reading strings, numbers and lists, and writing.
#include "files_test_util.h"
#include "support/world_fixture.h"

#include <algorithm>
#include <cstring>
#include <iterator>

namespace {

constexpr const char16_t* kIni = u"C:\\TEMP\\test.ini";

// Blanks around names and values, quotes, a key before any section, a comment holding a byte sequence code
// page 932 has no character for, and a kanji whose second byte is a backslash.
const std::string kIniText =
    "orphan=1\r\n"
    "; comment \x82\xA0 \x81\x20 odd\r\n"
    "[General]\r\n"
    "Name = Alpha \r\n"
    "Quoted=\"  spaced  \"\r\n"
    "Single='x'\r\n"
    "Empty=\r\n"
    "Kanji=\x95\x5C\r\n"
    "\r\n"
    "[ Second ]\r\n"
    "key=two\r\n";

class Profile : public WorldTest {
protected:
    void SetUp() override
    {
        WorldTest::SetUp();
        PutFile(kIni, kIniText);
    }
};

// The buffer as the caller sees it: count characters, NULs included.
std::u16string Chars(const WCHAR* buffer, size_t count)
{
    return std::u16string(buffer, count);
}

} // namespace

TEST_F(Profile, ReadsValuesWithoutRegardToCaseAndWithoutBlanksOrQuotes)
{
    struct Case {
        const char16_t* section;
        const char16_t* key;
        const char16_t* defaultValue;
        std::u16string expected;
    };
    const Case cases[] = {
        {u"General", u"Name",    u"d",      u"Alpha"     },
        {u"GENERAL", u"name",    u"d",      u"Alpha"     },
        {u"General", u"Quoted",  u"d",      u"  spaced  "},
        {u"General", u"Single",  u"d",      u"x"         },
        {u"General", u"Empty",   u"d",      u""          },   // present, if empty: no default
        {u"General", u"Kanji",   u"d",      u"\u8868"    },
        {u"second",  u"KEY",     u"d",      u"two"       },
        {u"General", u"key",     u"d",      u"d"         },   // a key of another section
        {u"General", u"orphan",  u"d",      u"d"         },   // a key outside every section
        {u"General", u"Missing", u"dflt  ", u"dflt"      },   // the default's trailing blanks go
        {u"General", u"Missing", nullptr,   u""          },
        {u"Nope",    u"Name",    u"d",      u"d"         },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(Narrow(c.section) + "/" + Narrow(c.key));
        WCHAR buffer[64];
        std::fill(std::begin(buffer), std::end(buffer), u'#');
        const DWORD length = GetPrivateProfileStringW(c.section, c.key, c.defaultValue, buffer, 64, kIni);
        EXPECT_EQ(length, c.expected.size());
        EXPECT_EQ(Chars(buffer, length + 1), c.expected + u'\0');
    }
}

TEST_F(Profile, CutsAValueToTheBufferAndStillTerminatesIt)
{
    struct Case { const char16_t* key; DWORD size; DWORD result; std::u16string contents; };
    const Case cases[] = {
        {u"Name",    6, 5, std::u16string(u"Alpha\0", 6)},
        {u"Name",    5, 4, std::u16string(u"Alph\0", 5) },   // no room for the NUL: one character less
        {u"Name",    2, 1, std::u16string(u"A\0", 2)    },
        {u"Name",    1, 0, std::u16string(u"\0", 1)     },
        {u"Missing", 4, 3, std::u16string(u"def\0", 4)  },   // the default is cut alike
        {u"Name",    0, 0, u""                          },   // nothing is written
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << Narrow(c.key) << " into " << c.size);
        WCHAR buffer[16];
        std::fill(std::begin(buffer), std::end(buffer), u'#');
        EXPECT_EQ(GetPrivateProfileStringW(u"General", c.key, u"default", buffer, c.size, kIni), c.result);
        EXPECT_EQ(Chars(buffer, c.contents.size()), c.contents);
        EXPECT_EQ(buffer[c.contents.size()], u'#') << "written past the buffer";
    }
}

TEST_F(Profile, ListsSectionsAndKeysEachEndedByANulAndTheListByAnother)
{
    WCHAR buffer[64];
    EXPECT_EQ(GetPrivateProfileStringW(nullptr, u"ignored", u"d", buffer, 64, kIni), 15u);
    EXPECT_EQ(Chars(buffer, 16), std::u16string(u"General\0Second\0\0", 16));
    EXPECT_EQ(GetPrivateProfileStringW(u"general", nullptr, u"d", buffer, 64, kIni), 31u);
    EXPECT_EQ(Chars(buffer, 32), std::u16string(u"Name\0Quoted\0Single\0Empty\0Kanji\0\0", 32));
    EXPECT_EQ(GetPrivateProfileStringW(u"Nope", nullptr, u"d", buffer, 64, kIni), 0u);
    EXPECT_EQ(Chars(buffer, 2), std::u16string(u"\0\0", 2));
}

TEST_F(Profile, CutsAListInsideItsLastNameAndEndsItWithTwoNuls)
{
    struct Case { DWORD size; DWORD result; std::u16string contents; };
    const Case cases[] = {
        {16, 15, std::u16string(u"General\0Second\0\0", 16)},
        {15, 13, std::u16string(u"General\0Secon\0\0", 15) },
        {9,  7,  std::u16string(u"General\0\0", 9)         },
        {2,  0,  std::u16string(u"\0\0", 2)                },
        {1,  0,  std::u16string(u"\0", 1)                  },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "buffer of " << c.size);
        WCHAR buffer[32];
        std::fill(std::begin(buffer), std::end(buffer), u'#');
        EXPECT_EQ(GetPrivateProfileStringW(nullptr, nullptr, nullptr, buffer, c.size, kIni), c.result);
        EXPECT_EQ(Chars(buffer, c.contents.size()), c.contents);
        EXPECT_EQ(buffer[c.contents.size()], u'#') << "written past the buffer";
    }
}

TEST_F(Profile, AMissingFileGivesTheDefaultAndSaysSo)
{
    WCHAR buffer[16];
    SetLastError(0);
    EXPECT_EQ(GetPrivateProfileStringW(u"General", u"Name", u"dflt", buffer, 16, u"C:\\TEMP\\none.ini"), 4u);
    EXPECT_EQ(std::u16string(buffer), u"dflt");
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
    SetLastError(0);
    EXPECT_EQ(GetPrivateProfileStringW(nullptr, nullptr, nullptr, buffer, 16, u"C:\\TEMP\\none.ini"), 0u);
    EXPECT_EQ(Chars(buffer, 2), std::u16string(u"\0\0", 2));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
    EXPECT_EQ(GetPrivateProfileIntW(u"General", u"Name", 7, u"C:\\TEMP\\none.ini"), 7u);
    EXPECT_EQ(GetPrivateProfileStringW(u"General", u"Name", u"dflt", nullptr, 16, kIni), 0u);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
}

TEST_F(Profile, ReadsNumbersAsTheSystemDoes)
{
    PutFile(kIni,
            "[Ints]\r\n"
            "Plain=42\r\n"
            "Negative= -7 \r\n"
            "Plus=+5\r\n"
            "Hex=0x1F\r\n"
            "HexUpper=0X1f\r\n"
            "NegativeHex=-0x10\r\n"
            "Trailing=102abc\r\n"
            "Letters=abc\r\n"
            "Quoted=\"12\"\r\n"
            "Empty=\r\n");
    struct Case { const char16_t* key; UINT expected; };
    const Case cases[] = {
        {u"Plain",       42                       },
        {u"negative",    static_cast<UINT>(-7)    },
        {u"Plus",        5                        },
        {u"Hex",         31                       },
        {u"HexUpper",    31                       },
        {u"NegativeHex", static_cast<UINT>(-16)   },
        {u"Trailing",    102                      },   // the leading digits only
        {u"Letters",     0                        },
        {u"Quoted",      12                       },
        {u"Empty",       99                       },   // nothing to read: the default
        {u"Missing",     99                       },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(Narrow(c.key));
        EXPECT_EQ(GetPrivateProfileIntW(u"Ints", c.key, 99, kIni), c.expected);
    }
    EXPECT_EQ(GetPrivateProfileIntW(u"Nope", u"Plain", -1, kIni), static_cast<UINT>(-1));
}

TEST_F(Profile, WritingMakesTheFileAndAddsKeysAndSectionsAtTheirEnds)
{
    const char16_t* ini = u"C:\\TEMP\\new.ini";
    EXPECT_TRUE(WritePrivateProfileStringW(u"General", u"Name", u"Alpha", ini));
    EXPECT_EQ(FileBytes(ini), "[General]\r\nName=Alpha\r\n");
    EXPECT_TRUE(WritePrivateProfileStringW(u"Other", u"k", u"v", ini));
    EXPECT_TRUE(WritePrivateProfileStringW(u"general", u"Size", u"10", ini));
    EXPECT_TRUE(WritePrivateProfileStringW(u"General", u"Name", u"Beta", ini));
    EXPECT_EQ(FileBytes(ini), "[General]\r\nName=Beta\r\nSize=10\r\n[Other]\r\nk=v\r\n");

    WCHAR buffer[16];
    EXPECT_EQ(GetPrivateProfileStringW(u"General", u"name", nullptr, buffer, 16, ini), 4u);
    EXPECT_EQ(std::u16string(buffer), u"Beta");
}

TEST_F(Profile, AWriteKeepsTheFilesSpellingOfNamesAndWritesValuesAsGiven)
{
    struct Case {
        const char* name;
        std::string before;           // the file; empty: none yet
        const char16_t* section;
        const char16_t* key;
        const char16_t* value;
        std::string after;
    };
    const Case cases[] = {
        {"a key keeps its spelling", "[Opts]\r\nPaperSize=A4\r\n", u"opts", u"PAPERSIZE", u"A3",
         "[Opts]\r\nPaperSize=A3\r\n"},
        {"blanks around a stored key go", "[Opts]\r\n  PaperSize = A4 \r\n", u"Opts", u"papersize", u"B5",
         "[Opts]\r\nPaperSize=B5\r\n"},
        {"blanks around the caller's names go", "", u"  Opts\t", u" Paper ", u"A4", "[Opts]\r\nPaper=A4\r\n"},
        {"and still find what is there", "[Opts]\r\nPaper=A4\r\n", u" opts ", u"\tpaper ", u"A5",
         "[Opts]\r\nPaper=A5\r\n"},
        {"a new key in a section of another case", "[Opts]\r\na=1\r\n", u" OPTS", u" Tray ", u"2",
         "[Opts]\r\na=1\r\nTray=2\r\n"},
        {"a value's blanks are written", "", u"S", u"k", u"  two words  ", "[S]\r\nk=  two words  \r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const char16_t* ini = u"C:\\TEMP\\spelling.ini";
        DeleteFileW(ini);
        if (!c.before.empty())
            PutFile(ini, c.before);
        EXPECT_TRUE(WritePrivateProfileStringW(c.section, c.key, c.value, ini));
        EXPECT_EQ(FileBytes(ini), c.after);
    }

    // The caller's blanks around names do not stop a read or a deletion either.
    WCHAR buffer[16];
    EXPECT_EQ(GetPrivateProfileStringW(u" General ", u" Name\t", nullptr, buffer, 16, kIni), 5u);
    EXPECT_EQ(std::u16string(buffer), u"Alpha");
    EXPECT_TRUE(WritePrivateProfileStringW(u"Second ", u" key", nullptr, kIni));
    EXPECT_EQ(FileBytes(kIni).find("key=two"), std::string::npos);
}

TEST_F(Profile, ANewKeyGoesBeforeTheBlankLinesThatEndItsSection)
{
    PutFile(kIni, "[A]\r\na=1\r\n\r\n[B]\r\nb=2\r\n");
    EXPECT_TRUE(WritePrivateProfileStringW(u"A", u"c", u"3", kIni));
    EXPECT_EQ(FileBytes(kIni), "[A]\r\na=1\r\nc=3\r\n\r\n[B]\r\nb=2\r\n");
}

TEST_F(Profile, ANullValueDeletesTheKeyAndANullKeyTheSection)
{
    PutFile(kIni, "[A]\r\na=1\r\nb=2\r\n[B]\r\nc=3\r\n[C]\r\nd=4\r\n");
    EXPECT_TRUE(WritePrivateProfileStringW(u"a", u"A", nullptr, kIni));
    EXPECT_EQ(FileBytes(kIni), "[A]\r\nb=2\r\n[B]\r\nc=3\r\n[C]\r\nd=4\r\n");
    EXPECT_TRUE(WritePrivateProfileStringW(u"B", nullptr, nullptr, kIni));
    EXPECT_EQ(FileBytes(kIni), "[A]\r\nb=2\r\n[C]\r\nd=4\r\n");

    // Deleting what is not there succeeds and changes nothing, and makes no file.
    EXPECT_TRUE(WritePrivateProfileStringW(u"A", u"zz", nullptr, kIni));
    EXPECT_TRUE(WritePrivateProfileStringW(u"Nope", nullptr, nullptr, kIni));
    EXPECT_EQ(FileBytes(kIni), "[A]\r\nb=2\r\n[C]\r\nd=4\r\n");
    EXPECT_TRUE(WritePrivateProfileStringW(u"A", nullptr, nullptr, u"C:\\TEMP\\none.ini"));
    EXPECT_FALSE(FileExists(u"C:\\TEMP\\none.ini"));
}

TEST_F(Profile, AWriteKeepsEveryOtherLineByteForByte)
{
    EXPECT_TRUE(WritePrivateProfileStringW(u"Second", u"key", u"three", kIni));
    std::string expected = kIniText;
    expected.replace(expected.find("key=two"), 7, "key=three");
    EXPECT_EQ(FileBytes(kIni), expected);

    // Lines ended by LF alone, or by nothing at the end of the file, are ended by CR LF once rewritten.
    PutFile(kIni, "; \x81\x20odd\n[S]\nk=1");
    EXPECT_TRUE(WritePrivateProfileStringW(u"S", u"k", u"2", kIni));
    EXPECT_EQ(FileBytes(kIni), "; \x81\x20odd\r\n[S]\r\nk=2\r\n");
}

TEST_F(Profile, TextIsCodePage932InTheFile)
{
    // The second byte of U+30BE is ']' and the second byte of U+8868 is '\': neither may cut a name.
    EXPECT_TRUE(WritePrivateProfileStringW(u"\u30BE", u"\u8868", u"\u3042", kIni));
    EXPECT_NE(FileBytes(kIni).find("[\x83\x5D]\r\n\x95\x5C=\x82\xA0\r\n"), std::string::npos);
    WCHAR buffer[32];
    EXPECT_EQ(GetPrivateProfileStringW(u"\u30BE", u"\u8868", nullptr, buffer, 32, kIni), 1u);
    EXPECT_EQ(std::u16string(buffer), u"\u3042");
    EXPECT_EQ(GetPrivateProfileStringW(nullptr, nullptr, nullptr, buffer, 32, kIni), 17u);
    EXPECT_EQ(Chars(buffer, 18), std::u16string(u"General\0Second\0\u30BE\0\0", 18));
}

TEST_F(Profile, ABareFileNameLiesInTheWindowsFolder)
{
    EXPECT_TRUE(WritePrivateProfileStringW(u"S", u"k", u"7", u"bare.ini"));
    EXPECT_EQ(FileBytes(u"C:\\WINDOWS\\bare.ini"), "[S]\r\nk=7\r\n");
    EXPECT_EQ(GetPrivateProfileIntW(u"S", u"k", 5, u"C:\\WINDOWS\\BARE.INI"), 7u);
    WCHAR buffer[8];
    EXPECT_EQ(GetPrivateProfileStringW(u"S", u"k", nullptr, buffer, 8, u"BARE.ini"), 1u);
}

TEST_F(Profile, AWriteThatCannotHappenLeavesTheFileAlone)
{
    ASSERT_TRUE(SetFileAttributesW(kIni, FILE_ATTRIBUTE_READONLY));
    SetLastError(0);
    EXPECT_FALSE(WritePrivateProfileStringW(u"General", u"Name", u"Beta", kIni));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED));
    EXPECT_EQ(FileBytes(kIni), kIniText);

    SetLastError(0);
    EXPECT_FALSE(WritePrivateProfileStringW(u"S", u"k", u"v", u"C:\\Nowhere\\x.ini"));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_PATH_NOT_FOUND));
    SetLastError(0);
    EXPECT_FALSE(WritePrivateProfileStringW(nullptr, u"k", u"v", kIni));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    EXPECT_TRUE(WritePrivateProfileStringW(nullptr, nullptr, nullptr, kIni));   // a flush: nothing waits
}
