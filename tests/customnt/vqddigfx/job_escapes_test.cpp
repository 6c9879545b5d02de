// job_escapes_test.cpp - the job records handed out by private escape, and where the escapes of the job's
// identity, control, queries and holding file put what they carry, read back from those records.
#include "job_fixture.h"

#include <numeric>

namespace {

using JobEscapes = OpenDcTest;

TEST_F(JobEscapes, TheRecordsAreThePdevsFirstBytesAndItsWriterContext)
{
    const std::vector<BYTE> settings = JobSettings();
    ASSERT_EQ(settings.size(), 9075u);
    EXPECT_EQ(ReadAt<DWORD>(settings, 0), 0x50584C44u);
    EXPECT_EQ(ReadAt<DWORD>(settings, 6456), 0x50584C44u);
    EXPECT_EQ(ReadAt<WORD>(settings, 6452), 7876);
    EXPECT_EQ(ReadAt<WORD>(settings, 6454), 37183);
    const DRIVER_DEVMODE dm = JobDevmode();
    EXPECT_EQ(std::memcmp(settings.data() + 6460, &dm, sizeof dm), 0) << "the devmode from 6460, env at 7876";
    EXPECT_EQ(std::memcmp(settings.data() + 7876, "4321", 4), 0);

    const std::vector<BYTE> extra = JobExtra();
    ASSERT_EQ(extra.size(), 28108u);
    EXPECT_EQ(ReadAt<DWORD>(extra, 4), 9075u) << "its own offset in the PDEV";
}

TEST_F(JobEscapes, EachSettingLandsAtItsOffsetOfTheWriterContext)
{
    std::vector<BYTE> sizes(80);
    std::iota(sizes.begin(), sizes.end(), BYTE{1});
    const std::vector<BYTE> path = WideField(u"C:\\TEMP\\eco1234.tmp", 520);
    const std::vector<BYTE> stamp = {0xD6, 0x07, 3, 0, 14, 0, 9, 0, 30, 0};
    struct Case { ULONG code; std::vector<BYTE> in; size_t offset; std::vector<BYTE> expected; };
    const Case cases[] = {
        {ESC_SET_CANCEL_JOB,       {1},               17,    {1}},
        {ESC_SET_CANCEL_JOB,       {0},               17,    {0}},
        {ESC_SET_USER_PAPER_SIZES, sizes,             27224, sizes},
        {ESC_SET_JOB_BYTE,         {0xFE},            24,    {0xFE, 0, 0, 0}},
        {ESC_SET_DATE_STAMP2,      stamp,             1544,  stamp},
        {ESC_SET_ECO_PATH,         path,              88,    path},
        {ESC_CLEAR_ECO_PATH,       {},                88,    std::vector<BYTE>(520, 0)},
        {ESC_END_OF_JOB,           {},                33,    {1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
        ASSERT_EQ(Escape(c.code, c.in), 1);
        EXPECT_EQ(Slice(JobExtra(), c.offset, c.expected.size()), c.expected);
    }
}

TEST_F(JobEscapes, TheUserNameKeepsAtMost255CharactersWithItsLengthAndSum)
{
    struct Case { std::u16string name; size_t length; DWORD sum; };
    const Case cases[] = {
        {u"abc", 3, 'a' + 'b' + 'c'},
        {std::u16string(255, u'x'), 255, 255 * DWORD{'x'}},   // the 510 bytes hold no terminator
        {u"", 0, 0},
        {u"\u5C71\u7530", 2, 0x5C71 + 0x7530},
    };
    // A longer name first, so that a shorter one shows that nothing of it stays behind.
    ASSERT_EQ(Escape(ESC_SET_USER_NAME, WideField(std::u16string(200, u'z'), 510)), 1);
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
        ASSERT_EQ(Escape(ESC_SET_USER_NAME, WideField(c.name, 510)), 1);
        const std::vector<BYTE> extra = JobExtra();
        EXPECT_EQ(Slice(extra, 1000, 512), WideField(c.name, 512)) << "the name, zeros after it";
        EXPECT_EQ(ReadAt<DWORD>(extra, 1512), c.sum);
        EXPECT_EQ(ReadAt<BYTE>(extra, 1516), c.length);
    }
}

TEST_F(JobEscapes, TheApplicationNameFillsAtMostItsField)
{
    const std::vector<BYTE> before = Slice(JobExtra(), 996, 4);   // the page size behind the field
    ASSERT_EQ(Escape(ESC_SET_APP_NAME, WideField(std::u16string(32, u'W'), 64)), 1);
    EXPECT_EQ(Slice(JobExtra(), 932, 64), WideField(std::u16string(32, u'W'), 64)) << "all 32, no terminator";
    EXPECT_EQ(Slice(JobExtra(), 996, 4), before);
    std::vector<BYTE> shortName = WideField(u"WORD.EXE", 64);
    shortName[40] = 'G';   // a byte after the terminator is not kept
    ASSERT_EQ(Escape(ESC_SET_APP_NAME, shortName), 1);
    EXPECT_EQ(Slice(JobExtra(), 932, 64), WideField(u"WORD.EXE", 64));
}

TEST_F(JobEscapes, TextsAreCutToTheirFieldAndTerminated)
{
    std::vector<BYTE> path = WideField(std::u16string(260, u'p'), 520);
    ASSERT_EQ(Escape(ESC_SET_ECO_PATH, path), 1);
    EXPECT_EQ(Slice(JobExtra(), 88, 520), WideField(std::u16string(259, u'p'), 520));
}

TEST_F(JobEscapes, DroppingTheFormOverlaySwitchesItOffInTheJobsDevmode)
{
    DRIVER_DEVMODE dm = JobDevmode();
    dm.dmPrivate.lpOverlay = 3;
    dm.dmPrivate.OverlayPrompt = 1;
    ASSERT_EQ(SetJobDevmode(dm), 1);
    ASSERT_EQ(Escape(ESC_DROP_FORM_OVERLAY), 1);
    const std::vector<BYTE> settings = JobSettings();
    EXPECT_EQ(ReadAt<BYTE>(settings, 6460 + 879), 1) << "lpOverlay: none";
    EXPECT_EQ(ReadAt<BYTE>(settings, 6460 + 881), 0) << "OverlayPrompt";
}

TEST_F(JobEscapes, TheQueriesAnswerFromTheJobsEnvBlock)
{
    DRIVER_DEVMODE dm = JobDevmode();
    dm.dmPrivate.env.feature203 = 21;
    dm.dmPrivate.env.feature204 = 45;
    dm.dmPrivate.env.lpOutputMethod = 4;
    ASSERT_EQ(SetJobDevmode(dm), 1);

    std::vector<BYTE> values(10, 0xAB);
    ASSERT_EQ(ExtEscape(m_hdc, ESC_GET_JOB_VALUES, 0, nullptr, 10, reinterpret_cast<LPSTR>(values.data())), 1);
    EXPECT_EQ(values, (std::vector<BYTE>{0xAB, 0xAB, 0xAB, 0xAB, 0xAB, 0xAB, 21, 0, 45, 0}))
        << "the first six bytes are the caller's";
    EXPECT_EQ(Fetch(ESC_GET_OUTPUT_METHOD, 1), std::vector<BYTE>{4});
}

} // namespace
