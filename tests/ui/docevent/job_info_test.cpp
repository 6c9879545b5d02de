// job_info_test.cpp - who prints and from which program, and the user-defined paper sizes before each page, as
// the real graphics module keeps them for the job.
#include "docevent_fixture.h"
#include "host/world.h"
#include "settings/paper/custom_size_entry.h"

#include <string>

namespace {

class JobInformation : public DocumentEventTest {
protected:
    // The ten {width, length} pairs the graphics module holds for the job, in 0.1 mm.
    static std::vector<LONG> UserPaperSizes(HDC hdc)
    {
        const auto record = JobExtra(hdc);
        std::vector<LONG> sizes(20);
        static_assert(sizeof record->trayPaperMap == 20 * sizeof(LONG));
        std::memcpy(sizes.data(), &record->trayPaperMap, sizeof record->trayPaperMap);
        return sizes;
    }
};

void StoreCustomSize(HANDLE hPrinter, int number, DWORD width, DWORD length)
{
    CUSTOM_SIZE_ENTRY size = {};
    size.width = width;
    size.length = length;
    size.unit = 1;
    const std::u16string name = u"UDPaper" + host::FromUtf8(std::to_string(number));
    ASSERT_EQ(SetPrinterDataW(hPrinter, const_cast<LPWSTR>(name.c_str()), REG_BINARY,
                              reinterpret_cast<BYTE*>(&size), sizeof size),
              static_cast<DWORD>(ERROR_SUCCESS));
}

TEST_F(JobInformation, TheUserNameReachesTheJobWithinItsField)
{
    ASSERT_NE(OpenOwnDc(), nullptr) << GetLastError();
    const std::u16string longest(255, u'u');
    struct Case { std::u16string user; std::u16string kept; };
    const Case cases[] = {
        {u"Hanako",                 u"Hanako"},
        {longest,                   longest  },
        {longest + u"v",            u""      },   // no room for it: no name rather than part of one
        {u"",                       u""      },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.user.size() << " characters");
        host::SetUserName(c.user);
        ASSERT_EQ(DrvDocumentEvent(m_hPrinter, m_hdc, DOCUMENTEVENT_STARTDOC, 0, nullptr, 0, nullptr),
                  DOCUMENTEVENT_SUCCESS);
        const auto record = JobExtra(m_hdc);
        EXPECT_EQ(FieldText(&record->szUserName), c.kept);
        EXPECT_EQ(record->cchUserName, c.kept.size());
        EXPECT_EQ(record->bCancel, 0) << "every job starts uncancelled";
    }
}

TEST_F(JobInformation, TheProgramIsNamedByItsFileNameCutToThirtyCharacters)
{
    ASSERT_NE(OpenOwnDc(), nullptr) << GetLastError();
    const std::u16string thirty = std::u16string(26, u'a') + u".EXE";
    const std::u16string longFolder(300, u'd');
    struct Case { std::u16string path; std::u16string kept; };
    const Case cases[] = {
        {u"C:\\Program Files\\Office\\EXCEL.EXE",    u"EXCEL.EXE"                      },
        {u"C:\\Apps\\" + thirty,                     thirty                            },
        {u"C:\\Apps\\b" + thirty,                    u"b" + thirty.substr(0, 29)       },   // the extension cut too
        {u"C:\\Apps\\" + std::u16string(40, u'n'),   std::u16string(30, u'n')          },
        {u"C:\\dot.dir\\noext",                      u"noext"                          },
        {u"\\\\server\\share\\a.b.exe",              u"a.b.exe"                        },
        // A path beyond 259 characters comes back cut; its last part is all there is to name.
        {u"C:\\" + longFolder + u"\\APP.EXE",        std::u16string(30, u'd')          },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(host::ToUtf8(c.path.substr(0, 60)));
        host::SetProcessFileName(c.path);
        ASSERT_EQ(DrvDocumentEvent(m_hPrinter, m_hdc, DOCUMENTEVENT_STARTDOC, 0, nullptr, 0, nullptr),
                  DOCUMENTEVENT_SUCCESS);
        EXPECT_EQ(FieldText(&JobExtra(m_hdc)->szAppName), c.kept);
    }
}

TEST_F(JobInformation, TheUserSizesAreSentBeforeEveryPageFromThePrinterDataOrTheirDefaults)
{
    StoreCustomSize(m_hPrinter, 1, 10000, 5000);     // 254.0 x 127.0 mm
    StoreCustomSize(m_hPrinter, 10, 4000, 11000);    // the tenth size, paper id 256
    ASSERT_NE(OpenOwnDc(), nullptr) << GetLastError();
    DOCINFOW di = {sizeof di, u"Sizes", nullptr, nullptr, 0};
    ASSERT_GT(StartDocW(m_hdc, &di), 0);
    ASSERT_GT(StartPage(m_hdc), 0);
    std::vector<LONG> expected(20, 2100);            // the default of every other size: 8.267 x 8.267 inch
    expected[0] = 2540;
    expected[1] = 1270;
    expected[18] = 1016;
    expected[19] = 2794;
    EXPECT_EQ(UserPaperSizes(m_hdc), expected);
    ASSERT_GT(EndPage(m_hdc), 0);

    // A size changed between pages reaches the next page; a stored value of the wrong size is no size.
    StoreCustomSize(m_hPrinter, 2, 3937, 3937);      // 100.0 mm
    const DWORD shortValue = 1234;
    ASSERT_EQ(SetPrinterDataW(m_hPrinter, const_cast<LPWSTR>(u"UDPaper1"), REG_BINARY,
                              reinterpret_cast<BYTE*>(const_cast<DWORD*>(&shortValue)), sizeof shortValue),
              static_cast<DWORD>(ERROR_SUCCESS));
    ASSERT_GT(StartPage(m_hdc), 0);
    expected[0] = 2100;
    expected[1] = 2100;
    expected[2] = 1000;
    expected[3] = 1000;
    EXPECT_EQ(UserPaperSizes(m_hdc), expected);
    ASSERT_GT(EndPage(m_hdc), 0);
    ASSERT_GT(EndDoc(m_hdc), 0);
}

} // namespace
