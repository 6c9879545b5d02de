// resources_test.cpp - strings, bitmaps, icons and cursors of a loaded module, and the resource library.
#include "platform/modules/test_module_fixture.h"

#include <cstring>
#include <vector>

class Resources : public TestModuleTest {
protected:
    void SetUp() override
    {
        TestModuleTest::SetUp();
        m_module = LoadLibraryW(m_path.c_str());
        ASSERT_NE(m_module, nullptr) << GetLastError();
    }

    void TearDown() override
    {
        if (m_module != nullptr)
            FreeLibrary(m_module);
        TestModuleTest::TearDown();
    }

    HMODULE m_module = nullptr;
};

static std::u16string LongText(size_t length)
{
    std::u16string text;
    for (size_t i = 0; i < length; ++i)
        text += static_cast<char16_t>(u'a' + i % 26);
    return text;
}

TEST_F(Resources, LoadStringWCutsToTheBufferAndTerminates)
{
    struct Case { UINT id; int cchBufferMax; std::u16string expected; };
    const Case cases[] = {
        {kTestStringShort, 1,    u""   },
        {kTestStringShort, 2,    u"a"  },
        {kTestStringShort, 3,    u"ab" },
        {kTestStringShort, 4,    u"abc"},
        {kTestStringShort, 9,    u"abc"},
        {kTestStringLong,  1000, LongText(999)},   // the size the settings' string cache asks with
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "id " << c.id << ", cchBufferMax " << c.cchBufferMax);
        std::vector<WCHAR> buffer(c.cchBufferMax + 1, u'#');   // what lies past the buffer must stay untouched
        EXPECT_EQ(LoadStringW(m_module, c.id, buffer.data(), c.cchBufferMax), static_cast<int>(c.expected.size()));
        EXPECT_EQ(std::u16string(buffer.data()), c.expected);
        EXPECT_EQ(buffer[c.cchBufferMax], u'#');
    }
}

TEST_F(Resources, LoadStringWWithoutABufferSizeAnswersTheTextItself)
{
    for (UINT id : {kTestStringShort, kTestStringLong}) {
        SCOPED_TRACE(id);
        LPCWSTR text = nullptr;
        const int length = LoadStringW(m_module, id, reinterpret_cast<LPWSTR>(&text), 0);
        ASSERT_NE(text, nullptr);
        EXPECT_EQ(std::u16string(text, length), id == kTestStringShort ? u"abc" : LongText(kTestLongLength));
    }
}

TEST_F(Resources, LoadStringWOfAMissingStringAnswersZeroAndAnEmptyText)
{
    struct Case { HINSTANCE hInstance; UINT id; DWORD error; };
    const Case cases[] = {
        {m_module,                            999,              ERROR_RESOURCE_NAME_NOT_FOUND},
        {nullptr,                             kTestStringShort, ERROR_RESOURCE_DATA_NOT_FOUND},   // the program
        {GetModuleHandleW(nullptr),           kTestStringShort, ERROR_RESOURCE_DATA_NOT_FOUND},
        {reinterpret_cast<HINSTANCE>(0x1234), kTestStringShort, ERROR_RESOURCE_DATA_NOT_FOUND},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
        WCHAR buffer[8] = u"stale";
        SetLastError(0);
        EXPECT_EQ(LoadStringW(c.hInstance, c.id, buffer, 8), 0);
        EXPECT_EQ(GetLastError(), c.error);
        EXPECT_EQ(buffer[0], u'\0');
    }
    SetLastError(0);
    EXPECT_EQ(LoadStringW(m_module, kTestStringShort, nullptr, 8), 0);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    WCHAR buffer[8];
    EXPECT_EQ(LoadStringW(m_module, kTestStringShort, buffer, -1), 0);
}

TEST_F(Resources, LoadBitmapWMakesABitmapObjectOfThePicture)
{
    struct Case { UINT id; LONG width; LONG height; WORD bitsPerPixel; LONG widthBytes; };
    const Case cases[] = {
        {kTestBitmap8,  5, 3, 8,  6 },   // rows of whole 16-bit words, not the picture's 4-byte rows
        {kTestBitmap24, 3, 2, 24, 10},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.id);
        const HBITMAP bitmap = LoadBitmapW(m_module, MAKEINTRESOURCEW(c.id));
        ASSERT_NE(bitmap, nullptr) << GetLastError();
        EXPECT_EQ(GetObjectW(bitmap, 0, nullptr), static_cast<int>(sizeof(BITMAP)));

        BYTE bytes[sizeof(BITMAP) + 8];
        std::memset(bytes, 0xAB, sizeof bytes);
        ASSERT_EQ(GetObjectW(bitmap, sizeof bytes, bytes), static_cast<int>(sizeof(BITMAP)));
        EXPECT_EQ(bytes[sizeof(BITMAP)], 0xAB) << "nothing is written past the record";
        BITMAP record;
        std::memcpy(&record, bytes, sizeof record);
        EXPECT_EQ(record.bmType, 0);
        EXPECT_EQ(record.bmWidth, c.width);
        EXPECT_EQ(record.bmHeight, c.height);
        EXPECT_EQ(record.bmWidthBytes, c.widthBytes);
        EXPECT_EQ(record.bmPlanes, 1);
        EXPECT_EQ(record.bmBitsPixel, c.bitsPerPixel);
        EXPECT_EQ(record.bmBits, nullptr);
        EXPECT_TRUE(DeleteObject(bitmap));
    }
}

TEST_F(Resources, EachLoadedBitmapIsItsCallersToDelete)
{
    const HBITMAP first = LoadBitmapW(m_module, MAKEINTRESOURCEW(kTestBitmap8));
    const HBITMAP second = LoadBitmapW(m_module, MAKEINTRESOURCEW(kTestBitmap8));
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    EXPECT_NE(first, second);

    BITMAP record;
    SetLastError(0);
    EXPECT_EQ(GetObjectW(first, sizeof record - 1, &record), 0) << "a buffer too small for the record";
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));

    EXPECT_TRUE(DeleteObject(first));
    EXPECT_EQ(GetObjectW(first, sizeof record, &record), 0);
    EXPECT_FALSE(DeleteObject(first));
    EXPECT_EQ(GetObjectW(second, sizeof record, &record), static_cast<int>(sizeof record)) << "the other stays";
    EXPECT_TRUE(DeleteObject(second));
}

TEST_F(Resources, LoadBitmapWOfAMissingBitmap)
{
    struct Case { HINSTANCE hInstance; LPCWSTR name; DWORD error; };
    const Case cases[] = {
        {m_module, MAKEINTRESOURCEW(999),          ERROR_RESOURCE_NAME_NOT_FOUND},
        {m_module, MAKEINTRESOURCEW(kTestStringShort), ERROR_RESOURCE_NAME_NOT_FOUND},   // a string's id
        {m_module, u"PICTURE",                     ERROR_RESOURCE_NAME_NOT_FOUND},   // only ids are known
        {nullptr,  MAKEINTRESOURCEW(kTestBitmap8), ERROR_RESOURCE_DATA_NOT_FOUND},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
        SetLastError(0);
        EXPECT_EQ(LoadBitmapW(c.hInstance, c.name), nullptr);
        EXPECT_EQ(GetLastError(), c.error);
    }
}

TEST_F(Resources, IconsAndCursorsAreSharedAndLiveAsLongAsTheirModule)
{
    const HICON icon = LoadIconW(m_module, MAKEINTRESOURCEW(kTestIcon));
    const HCURSOR cursor = LoadCursorW(m_module, MAKEINTRESOURCEW(kTestCursor));
    ASSERT_NE(icon, nullptr);
    ASSERT_NE(cursor, nullptr);
    EXPECT_NE(reinterpret_cast<void*>(icon), reinterpret_cast<void*>(cursor));
    EXPECT_EQ(LoadIconW(m_module, MAKEINTRESOURCEW(kTestIcon)), icon);
    EXPECT_EQ(LoadIconW(m_module, MAKEINTRESOURCEW(kTestCursor)), nullptr) << "a cursor is no icon";
    EXPECT_EQ(LoadCursorW(m_module, MAKEINTRESOURCEW(kTestIcon)), nullptr) << "an icon is no cursor";

    // Destroying a shared icon leaves it to its other users.
    EXPECT_TRUE(DestroyIcon(icon));
    EXPECT_TRUE(DestroyCursor(cursor));
    EXPECT_EQ(LoadIconW(m_module, MAKEINTRESOURCEW(kTestIcon)), icon);

    EXPECT_TRUE(FreeLibrary(m_module));
    m_module = nullptr;
    SetLastError(0);
    EXPECT_FALSE(DestroyIcon(icon)) << "gone with its module";
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_CURSOR_HANDLE));
    EXPECT_FALSE(DestroyCursor(cursor));
}

using ResourceLibrary = WorldTest;

TEST_F(ResourceLibrary, LoadsFromTheDriverFolderAndAnswersItsStrings)
{
    // Loading also proves that no two string tables define one id: the library would refuse its directory.
    const std::u16string path = LinkBuiltModule(kTestDriverDir, "Q73MZRT3.DLL", u"Q73MZRT3.DLL");
    const HMODULE library = LoadLibraryW(path.c_str());
    ASSERT_NE(library, nullptr) << GetLastError();
    WCHAR text[64];
    EXPECT_EQ(LoadStringW(library, 20000, text, 64), 7);
    EXPECT_EQ(std::u16string(text), u"QN-804C");
    EXPECT_TRUE(FreeLibrary(library));
}
