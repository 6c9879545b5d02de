// phone_book_test.cpp - the phone book's temporary file and the ring of the last ten files.
#include "ui/core/phone_book.h"
#include "ui/core/sheet_state_fixture.h"
#include "ui/core/sheet_writeback.h"

#include "host/inspect.h"
#include "settings/registry/registry_paths.h"

#include <vector>

namespace {

class PhoneBook : public SheetStateTest {
protected:
    static std::vector<BYTE> FileBytes(DWORD count)
    {
        std::vector<BYTE> bytes(kPhoneBookFileBytes, 0);
        std::memcpy(bytes.data(), &count, sizeof count);
        return bytes;
    }

    static void PutText(std::vector<BYTE>& bytes, DWORD row, DWORD text, const char* ansi)
    {
        std::memcpy(bytes.data() + 4 + row * kPhoneBookRowBytes + text * 44, ansi, std::strlen(ansi));
    }

    // Writes a phone-book file of that number in the user's temporary folder.
    static void WriteFileOf(DWORD number, const std::vector<BYTE>& bytes)
    {
        WCHAR path[MAX_PATH];
        ASSERT_TRUE(GetPhoneBookFileName(number, path));
        HANDLE file = CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        ASSERT_NE(file, INVALID_HANDLE_VALUE);
        DWORD written = 0;
        WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
        CloseHandle(file);
    }

    static bool FileOfExists(DWORD number)
    {
        WCHAR path[MAX_PATH];
        return GetPhoneBookFileName(number, path) && GetFileAttributesW(path) != INVALID_FILE_ATTRIBUTES;
    }

    static std::vector<BYTE> ReadFileOf(DWORD number)
    {
        WCHAR path[MAX_PATH];
        std::vector<BYTE> bytes(kPhoneBookFileBytes + 16, 0);
        if (!GetPhoneBookFileName(number, path))
            return {};
        HANDLE file = CreateFileW(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
        if (file == INVALID_HANDLE_VALUE)
            return {};
        DWORD read = 0;
        ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
        CloseHandle(file);
        bytes.resize(read);
        return bytes;
    }

    std::string Ring()
    {
        WCHAR path[kRegPathChars];
        EXPECT_TRUE(BuildPrinterRegPath(path, kRegPathChars, kPrinterName, u"TempPlistID", nullptr));
        return host::RegistryDump(HKEY_CURRENT_USER, path);
    }

    static PHONE_BOOK_ROW Row(const UI_STATE* state, DWORD i)
    {
        PHONE_BOOK_ROW row;
        std::memcpy(&row, &state->PhoneBook[i], sizeof row);
        return row;
    }
};

TEST_F(PhoneBook, ReadsTheFileTheDevmodeNames)
{
    std::vector<BYTE> bytes = FileBytes(2);
    PutText(bytes, 0, 0, "Sales");
    PutText(bytes, 0, 3, "0312345678");
    PutText(bytes, 1, 1, "\x93\x8c\x8b\x9e");   // two double-byte characters of code page 932
    bytes[4 + 0 * kPhoneBookRowBytes + 176] = 1;
    bytes[4 + 1 * kPhoneBookRowBytes + 178] = 1;
    ASSERT_NO_FATAL_FAILURE(WriteFileOf(0x1234, bytes));
    m_dm->dmPrivate.env.phoneBookFileNumber = 0x1234;
    m_dm->dmPrivate.env.phoneBookCount = 2;
    ASSERT_NO_FATAL_FAILURE(Build());

    EXPECT_EQ(+m_state->PhoneBookCount, 2);
    EXPECT_EQ(+m_state->PhoneBookCountLoaded, 2);
    const PHONE_BOOK_ROW first = Row(m_state, 0);
    EXPECT_EQ(FieldTextForTest(&first.szText[0]), u"Sales");
    EXPECT_EQ(FieldTextForTest(&first.szText[3]), u"0312345678");
    EXPECT_EQ(+first.EcmTab.wCommitted, 1);
    EXPECT_EQ(+first.IntlComTab.wCommitted, 0);
    const PHONE_BOOK_ROW second = Row(m_state, 1);
    EXPECT_EQ(FieldTextForTest(&second.szText[1]), u"\u6771\u4eac");
    EXPECT_EQ(+second.FaxV34_CheckTab.wCommitted, 1);
    EXPECT_EQ(+second.FaxV34_CheckTab.wFlag, 1);
    EXPECT_EQ(+m_dm->dmPrivate.env.phoneBookFileNumber, 0x1234u);

    // Written back, the same rows come out: the file is rewritten whole, in place, and registered.
    ASSERT_TRUE(UiStateToDevmode(m_state, m_dm.get(), m_cell));
    EXPECT_EQ(+m_dm->dmPrivate.env.phoneBookFileNumber, 0x1234u);
    EXPECT_EQ(ReadFileOf(0x1234), bytes);
    EXPECT_NE(Ring().find("\"1\" = REG_DWORD: 0x00001234"), std::string::npos) << Ring();
}

TEST_F(PhoneBook, AFileThatIsMissingOrNotWholeEmptiesThePhoneBook)
{
    struct Case {
        const char* what;
        std::vector<BYTE> bytes;   // empty: no file
    };
    std::vector<BYTE> longer = FileBytes(1);
    longer.push_back(0);
    std::vector<BYTE> shorter = FileBytes(1);
    shorter.pop_back();
    const Case cases[] = {
        {"missing", {}},
        {"short", shorter},
        {"longer", longer},
        {"101 entries", FileBytes(101)},
        {"a count beyond any row", FileBytes(0xFFFFFFFF)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        WCHAR path[MAX_PATH];
        ASSERT_TRUE(GetPhoneBookFileName(0x1234, path));
        DeleteFileW(path);
        if (!c.bytes.empty()) {
            ASSERT_NO_FATAL_FAILURE(WriteFileOf(0x1234, c.bytes));
        }
        m_dm->dmPrivate.env.phoneBookFileNumber = 0x1234;
        m_dm->dmPrivate.env.phoneBookCount = 1;
        ASSERT_NO_FATAL_FAILURE(Build());
        EXPECT_EQ(+m_state->PhoneBookCount, 0);
        EXPECT_EQ(+m_dm->dmPrivate.env.phoneBookFileNumber, 0u);
        ASSERT_TRUE(UiStateToDevmode(m_state, m_dm.get(), m_cell));
        EXPECT_EQ(+m_dm->dmPrivate.env.phoneBookCount, 0);
        EXPECT_EQ(+m_dm->dmPrivate.env.phoneBookFileNumber, 0u);
    }
}

TEST_F(PhoneBook, TheRingKeepsTheLastTenFiles)
{
    ASSERT_NO_FATAL_FAILURE(Build());
    m_state->PhoneBookCount = 1;
    std::vector<DWORD> numbers;
    for (int save = 0; save < 11; ++save) {
        m_dm->dmPrivate.env.phoneBookFileNumber = 0;   // each save a new file
        ASSERT_TRUE(SavePhoneBookTemp(m_state, m_dm.get()));
        numbers.push_back(DWORD{m_dm->dmPrivate.env.phoneBookFileNumber});
        ASSERT_NE(numbers.back(), 0u);
    }
    EXPECT_FALSE(FileOfExists(numbers[0])) << "the eleventh file takes the first one's slot";
    for (int i = 1; i < 11; ++i)
        EXPECT_TRUE(FileOfExists(numbers[static_cast<std::size_t>(i)])) << "file " << i;
    EXPECT_NE(Ring().find("\"idx\" = REG_DWORD: 0x00000001"), std::string::npos) << Ring();

    // Saving the same file again, its number in the current slot, changes nothing in the ring.
    const std::string ring = Ring();
    ASSERT_TRUE(SavePhoneBookTemp(m_state, m_dm.get()));
    EXPECT_EQ(Ring(), ring);
    EXPECT_TRUE(FileOfExists(numbers.back()));

    // Registered again into the next slot that already holds it, the file is kept.
    RegisterPhoneBookTemp(m_state, m_dm.get(), numbers[1]);
    RegisterPhoneBookTemp(m_state, m_dm.get(), numbers[2]);
    EXPECT_TRUE(FileOfExists(numbers[1]));
    EXPECT_TRUE(FileOfExists(numbers[2]));

    // Without entries the file goes.
    m_state->PhoneBookCount = 0;
    const DWORD last = DWORD{m_dm->dmPrivate.env.phoneBookFileNumber};
    ASSERT_TRUE(SavePhoneBookTemp(m_state, m_dm.get()));
    EXPECT_FALSE(FileOfExists(last));
    EXPECT_EQ(+m_dm->dmPrivate.env.phoneBookFileNumber, 0u);
}

}  // namespace
