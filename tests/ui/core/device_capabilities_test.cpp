// device_capabilities_test.cpp - DrvDeviceCapabilities through the loaded module: the counts and lists with
// and without an output buffer, the paper filter, user-defined papers, and the fixed answers.
#include "host/faults.h"
#include "ui/core/interface_module_fixture.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

constexpr DWORD kError = static_cast<DWORD>(-1);
constexpr DWORD kOfferedPapers = 34;   // 11 plain papers, 13 of their "_F" variants, 10 user-defined sizes

class DeviceCapabilities : public InterfaceModuleTest {
protected:
    DWORD Ask(WORD cap, PVOID out = nullptr, PDEVMODEW pdm = nullptr)
    {
        return DrvDeviceCapabilities(m_hPrinter, nullptr, cap, out, pdm);
    }

    std::vector<WORD> Papers()
    {
        std::vector<WORD> ids(Ask(DC_PAPERS));
        Ask(DC_PAPERS, ids.data());
        return ids;
    }

    void StoreCustomSize(const WCHAR* valueName, DWORD width, DWORD length, const char16_t* name)
    {
        BYTE entry[44] = {};
        std::memcpy(entry, &width, 4);
        std::memcpy(entry + 4, &length, 4);
        const WORD unit = 2;
        std::memcpy(entry + 8, &unit, 2);
        std::memcpy(entry + 10, name, std::char_traits<char16_t>::length(name) * sizeof(WCHAR));
        ASSERT_EQ(SetPrinterDataW(m_hPrinter, const_cast<LPWSTR>(valueName), REG_BINARY, entry, sizeof entry),
                  ERROR_SUCCESS);
    }
};

TEST_F(DeviceCapabilities, ListsTheSamePapersWithAndWithoutABuffer)
{
    for (WORD cap : {WORD(DC_PAPERS), WORD(DC_PAPERSIZE), WORD(DC_PAPERNAMES)})
        EXPECT_EQ(Ask(cap), kOfferedPapers) << "capability " << cap;
    const std::vector<WORD> ids = Papers();
    ASSERT_EQ(ids.size(), kOfferedPapers);
    EXPECT_EQ(ids.front(), 8) << "in option order";
    for (WORD hidden : {WORD(1033), WORD(1025), WORD(8200), WORD(12296), WORD(2057), WORD(6153), WORD(512)})
        EXPECT_EQ(std::count(ids.begin(), ids.end(), hidden), 0) << "paper " << hidden << " is not offered";
    for (WORD offered : {WORD(9), WORD(4105), WORD(5129), WORD(513), WORD(256)})
        EXPECT_EQ(std::count(ids.begin(), ids.end(), offered), 1) << "paper " << offered << " is offered";
}

TEST_F(DeviceCapabilities, SizesAndNamesFollowTheOfferedPapers)
{
    const std::vector<WORD> ids = Papers();
    std::vector<POINT> sizes(ids.size());
    ASSERT_EQ(Ask(DC_PAPERSIZE, sizes.data()), kOfferedPapers);
    std::vector<WCHAR> names(ids.size() * 64, u'?');
    ASSERT_EQ(Ask(DC_PAPERNAMES, names.data()), kOfferedPapers);

    const auto a4 = std::find(ids.begin(), ids.end(), 9) - ids.begin();
    EXPECT_EQ(sizes[a4].x, 2100);
    EXPECT_EQ(sizes[a4].y, 2970);
    const auto user1 = std::find(ids.begin(), ids.end(), 513) - ids.begin();
    EXPECT_EQ(sizes[user1].x, 2100) << "the default user-defined size, 8267 thousandths of an inch";
    for (std::size_t i = 0; i < ids.size(); ++i)
        EXPECT_NE(names[i * 64], u'?') << "slot " << i << " is written";
    EXPECT_FALSE(std::u16string(&names[a4 * 64]).empty()) << "A4 has a name";
}

TEST_F(DeviceCapabilities, UserDefinedPapersAreNamedAndSizedAsStored)
{
    StoreCustomSize(u"UDPaper2", 11000, 17000, u"Poster");
    const std::vector<WORD> ids = Papers();
    const auto user2 = std::find(ids.begin(), ids.end(), 514) - ids.begin();
    std::vector<POINT> sizes(ids.size());
    Ask(DC_PAPERSIZE, sizes.data());
    std::vector<WCHAR> names(ids.size() * 64);
    Ask(DC_PAPERNAMES, names.data());
    EXPECT_EQ(sizes[user2].x, 2794) << "(11000 x 254 + 500) / 1000";
    EXPECT_EQ(sizes[user2].y, 4318);
    EXPECT_EQ(std::u16string(&names[user2 * 64]), u"Poster");
}

TEST_F(DeviceCapabilities, ExtentsCoverEveryPaperOptionEachDimensionOnItsOwn)
{
    POINT smallest = {}, largest = {};
    EXPECT_EQ(Ask(DC_MINEXTENT, &smallest), 73u);
    EXPECT_EQ(Ask(DC_MAXEXTENT, &largest), 73u);
    EXPECT_EQ(Ask(DC_MINEXTENT), 73u);
    EXPECT_EQ(smallest.x, 1000);
    EXPECT_EQ(smallest.y, 1480);
    EXPECT_EQ(largest.x, 2970);
    EXPECT_EQ(largest.y, 4318);
}

TEST_F(DeviceCapabilities, BinsResolutionsAndTheirNames)
{
    WORD bins[16] = {};
    ASSERT_EQ(Ask(DC_BINS), 7u);
    ASSERT_EQ(Ask(DC_BINS, bins), 7u);
    const WORD expectedBins[] = {7, 1, 2, 258, 259, 260, 4};
    EXPECT_TRUE(std::equal(std::begin(expectedBins), std::end(expectedBins), bins));
    std::vector<WCHAR> binNames(7 * 24, u'?');
    ASSERT_EQ(Ask(DC_BINNAMES, binNames.data()), 7u);
    EXPECT_FALSE(std::u16string(&binNames[0]).empty());

    LONG resolutions[4] = {};
    ASSERT_EQ(Ask(DC_ENUMRESOLUTIONS, resolutions), 1u);
    EXPECT_EQ(resolutions[0], 600);
    EXPECT_EQ(resolutions[1], 600);
}

TEST_F(DeviceCapabilities, AnswersFromTheMergedDevmode)
{
    EXPECT_EQ(Ask(DC_DUPLEX), 1u) << "simplex, not whether duplex exists";
    EXPECT_EQ(Ask(DC_FIELDS), 0x3703u);
    EXPECT_EQ(Ask(DC_COPIES), 9999u);
    EXPECT_EQ(Ask(DC_TRUETYPE), 2u);

    DEVMODEW caller = {};
    caller.dmSize = sizeof caller;
    caller.dmFields = DM_DUPLEX;
    caller.dmDuplex = DMDUP_VERTICAL;
    EXPECT_EQ(Ask(DC_DUPLEX, nullptr, &caller), 2u);

    caller.dmSize = 30;   // no header: refused
    SetLastError(0);
    EXPECT_EQ(Ask(DC_DUPLEX, nullptr, &caller), kError);
    EXPECT_EQ(GetLastError(), DWORD(ERROR_INVALID_PARAMETER));
}

TEST_F(DeviceCapabilities, FixedAnswers)
{
    struct Case {
        WORD cap;
        DWORD answer;
    };
    const Case cases[] = {
        {DC_SIZE, 220},           {DC_EXTRA, 2395},          {DC_VERSION, 0x0401},     {DC_DRIVER, 0x8402},
        {DC_FILEDEPENDENCIES, 0}, {DC_ORIENTATION, 90},      {DC_BINADJUST, kError},   {DC_EMF_COMPLIANT, 1},
        {DC_DATATYPE_PRODUCED, kError}, {DC_COLLATE, kError}, {DC_MANUFACTURER, kError}, {DC_MODEL, kError},
        {DC_PRINTRATE, kError},   {DC_PRINTRATEUNIT, 1},     {DC_PRINTERMEM, kError},  {DC_MEDIAREADY, kError},
        {DC_PRINTRATEPPM, kError}, {DC_COLORDEVICE, 0},      {DC_STAPLE, 0},           {34, kError},
        {0, kError},              {0xFFFF, kError},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Ask(c.cap), c.answer) << "capability " << c.cap;
}

TEST_F(DeviceCapabilities, PersonalityAndPagesPerSheetFillTheirBuffers)
{
    WCHAR personality[40];
    std::fill(std::begin(personality), std::end(personality), u'?');
    EXPECT_EQ(Ask(DC_PERSONALITY, personality), 1u);
    EXPECT_EQ(std::u16string(personality), u"VQPDL2 V");
    EXPECT_EQ(personality[31], u'\0') << "32 characters are written";
    EXPECT_EQ(personality[32], u'?');

    EXPECT_EQ(Ask(DC_NUP), 6u);
    DWORD nup[7] = {0, 0, 0, 0, 0, 0, 0xAAAA};
    EXPECT_EQ(Ask(DC_NUP, nup), 6u);
    const DWORD expected[] = {1, 2, 4, 6, 9, 16, 0xAAAA};
    EXPECT_TRUE(std::equal(std::begin(expected), std::end(expected), nup));
}

TEST_F(DeviceCapabilities, StaplesWhenThePrinterHasAnOutputUnit)
{
    EXPECT_EQ(Ask(DC_STAPLE), 0u);
    std::vector<BYTE> stored = PrinterData(u"ZTORQ NT");
    ASSERT_EQ(stored.size(), 2615u) << "the printer-wide devmode was stored when it was first read";
    stored[2325] = 2;   // lpOutputUnit
    ASSERT_EQ(SetPrinterDataW(m_hPrinter, const_cast<LPWSTR>(u"ZTORQ NT"), REG_BINARY, stored.data(), 2615),
              ERROR_SUCCESS);
    EXPECT_EQ(Ask(DC_STAPLE), 1u);
}

TEST_F(DeviceCapabilities, TracesTheGeneralAnswersOnly)
{
    Ask(DC_SIZE);
    EXPECT_EQ(TraceCount(u"DrvDeviceCapabilities"), 1);
    host::ClearDebugTrace();
    Ask(DC_NUP);
    EXPECT_EQ(TraceCount(u"DrvDeviceCapabilities"), 0);
}

} // namespace

namespace {

TEST_F(DeviceCapabilities, AFailedAllocationGivesNoListAndLeaksNothing)
{
    std::vector<WCHAR> names(kOfferedPapers * 64);
    ASSERT_EQ(Ask(DC_PAPERNAMES, names.data()), kOfferedPapers);
    const unsigned liveBefore = host::LiveGlobalBlocks();
    for (unsigned nth = 1; nth <= 12; ++nth) {
        SCOPED_TRACE(testing::Message() << "allocation " << nth << " fails");
        std::fill(names.begin(), names.end(), u'\0');
        host::InjectFault(host::Fault::GlobalAlloc, nth);
        const DWORD answer = Ask(DC_PAPERNAMES, names.data());
        host::ClearFaults();
        EXPECT_TRUE(answer == kOfferedPapers || answer == 0) << answer;
        if (answer == kOfferedPapers) {
            EXPECT_FALSE(std::u16string(&names[0]).empty()) << "a list answered is a list filled";
        }
        EXPECT_EQ(host::LiveGlobalBlocks(), liveBefore);
    }
}

} // namespace
