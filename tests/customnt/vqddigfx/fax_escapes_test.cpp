// fax_escapes_test.cpp - the fax job's escapes: the page state sent back into the PDEV, the phone book, the
// transmissions with their names and values, read back from the records the graphics module hands out.
#include "job_fixture.h"
#include "customnt/vqddigfx/escapes.h"
#include "pdev_fixture.h"
#include "settings/base/fax_job_state.h"

namespace {

using FaxEscapes = OpenDcTest;

constexpr size_t kDevmode = 6460;
constexpr size_t kPrivateCopy = kDevmode + 220;   // the private part's copy of the public fields
constexpr size_t kEnv = 7876;

// Where each field of the snapshot goes back to in the JOB_SETTINGS_RECORD: its offset in the snapshot, in
// the record, and the bytes it takes there (the low bytes of a widened value).
struct Placement {
    size_t state;
    size_t record;
    size_t cb;
};

std::vector<Placement> FaxStatePlacements()
{
    std::vector<Placement> rows = {
        {8, 4156, 4},  {12, 4164, 2}, {16, 4180, 4}, {20, 4184, 4}, {24, 5918, 1}, {25, 4160, 1},
        {26, 4162, 2}, {28, 4166, 2}, {32, 4176, 4}, {76, 4161, 1}, {77, 5919, 1}, {78, 5916, 1},
        {120, kDevmode + 791, 16}, {136, kEnv + 957, 16}, {152, kDevmode + 807, 16}, {168, kDevmode + 823, 16},
        {184, kEnv + 991, 16},     {200, kDevmode + 776, 2}, {202, kEnv + 127, 2},   {204, kDevmode + 839, 16},
        {220, kEnv + 129, 6},      {226, kDevmode + 781, 3}, {229, kDevmode + 788, 1}, {230, kEnv + 751, 1},
        {231, kDevmode + 873, 3},  {234, kEnv + 754, 1},     {235, kDevmode + 879, 3}, {238, kDevmode + 1406, 5},
        {244, 4188, 1728},
    };
    // Ten values of the public part, nine of the private copy (its vertical resolution is only reported).
    const size_t paperFields[] = {
        offsetof(DEVMODEW, dmOrientation), offsetof(DEVMODEW, dmPaperSize),     offsetof(DEVMODEW, dmPaperLength),
        offsetof(DEVMODEW, dmPaperWidth),  offsetof(DEVMODEW, dmScale),         offsetof(DEVMODEW, dmCopies),
        offsetof(DEVMODEW, dmDefaultSource), offsetof(DEVMODEW, dmDuplex),      offsetof(DEVMODEW, dmCollate),
        offsetof(DEVMODEW, dmYResolution)};
    for (size_t i = 0; i < std::size(paperFields); ++i) {
        rows.push_back({36 + 4 * i, kDevmode + paperFields[i], 2});
        if (i + 1 < std::size(paperFields))
            rows.push_back({80 + 4 * i, kPrivateCopy + paperFields[i], 2});
    }
    return rows;
}

// A snapshot of a different byte at each offset, with the geometry a job could have: rectangles, sizes,
// offsets, scale and zoom within their bounds.
std::vector<BYTE> PatternedState()
{
    std::vector<BYTE> bytes(sizeof(FAX_JOB_STATE));
    for (size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<BYTE>(i * 7 + 3);
    FAX_JOB_STATE state;
    std::memcpy(&state, bytes.data(), sizeof state);
    RECTL* rects[] = {&state.PaperAreaRect, &state.customPaperRectPixels, &state.ImageAreaRect,
                      &state.layoutAreaRect, &state.outputPrintableRect};
    for (LONG i = 0; i < 5; ++i)
        *rects[i] = {i * 10 + 1, i * 10 + 2, i * 10 + 4000, i * 10 + 6000};
    state.paperWidthPixels = 4961;
    state.paperLengthPixels = 7016;
    state.outputWidthPixels = 4768;
    state.outputLengthPixels = 6822;
    state.xOffset = -123;
    state.yOffset = 456;
    state.ulScale = 7071;
    state.Zoom = 141;
    std::memcpy(bytes.data(), &state, sizeof state);
    return bytes;
}

TEST_F(FaxEscapes, TheJobStateGoesBackWhereItWasTaken)
{
    const std::vector<BYTE> before = JobSettings();
    std::vector<BYTE> state = PatternedState();
    ASSERT_EQ(Escape(ESC_SET_FAX_JOB, state), 1);
    const std::vector<BYTE> after = JobSettings();
    for (const Placement& p : FaxStatePlacements()) {
        SCOPED_TRACE(testing::Message() << "snapshot offset " << p.state << ", record offset " << p.record);
        EXPECT_EQ(Slice(after, p.record, p.cb), Slice(state, p.state, p.cb));
    }
    EXPECT_EQ(ReadAt<SHORT>(after, 5916), state[78]) << "the orientation byte, widened";
    EXPECT_EQ(ReadAt<DWORD>(after, 0), 0x50584C44u) << "the first word is not written back";
    const size_t privateResolution = kPrivateCopy + offsetof(DEVMODEW, dmYResolution);
    EXPECT_EQ(Slice(after, privateResolution, 2), Slice(before, privateResolution, 2)) << "not written back";
    // The flags but those of the PDEV's own stream and output.
    const DWORD flags = ReadAt<DWORD>(state, 4);
    EXPECT_EQ(ReadAt<DWORD>(after, 4), (flags & ~0x42u) | (ReadAt<DWORD>(before, 4) & 0x42u));
}

// The PDEV's own flags are not the snapshot's to change: a failed output stays failed.
class FaxJobStateFlags : public PdevTest {};

TEST_F(FaxJobStateFlags, AFailedOutputStaysFailed)
{
    ASSERT_NE(Enable(DefaultDevmode()), nullptr);
    m_pdev->dwFlags = PDEVF_OUTPUT_FAILED;
    FAX_JOB_STATE state = {};
    state.dwFlags = PDEVF_DOC_STARTED | PDEVF_STREAM_OPEN;
    ASSERT_EQ(PrivateEscapeDispatch(&m_surface, ESC_SET_FAX_JOB, sizeof state, &state, 0, nullptr), 1u);
    EXPECT_EQ(Copy(m_pdev->dwFlags), PDEVF_OUTPUT_FAILED | PDEVF_DOC_STARTED)
        << "no stream is opened by a snapshot either";
}

TEST_F(FaxEscapes, ASnapshotWithGeometryNoJobCouldHaveIsRefusedWhole)
{
    constexpr LONG kBound = 1 << 20;
    struct Case {
        const char* what;
        void (*spoil)(FAX_JOB_STATE& state);
    };
    const Case cases[] = {
        {"a rectangle past the bound", [](FAX_JOB_STATE& s) { s.layoutAreaRect.right = kBound + 1; }},
        {"a rectangle below it", [](FAX_JOB_STATE& s) { s.PaperAreaRect.left = -kBound - 1; }},
        {"a rectangle turned over", [](FAX_JOB_STATE& s) { s.ImageAreaRect.top = s.ImageAreaRect.bottom + 1; }},
        {"the extreme coordinates", [](FAX_JOB_STATE& s) { s.outputPrintableRect = {INT32_MIN, 0, INT32_MAX, 1}; }},
        {"a custom paper turned over", [](FAX_JOB_STATE& s) { s.customPaperRectPixels.left = 7000; }},
        {"a negative paper width", [](FAX_JOB_STATE& s) { s.paperWidthPixels = -1; }},
        {"an output length past the bound", [](FAX_JOB_STATE& s) { s.outputLengthPixels = kBound + 1; }},
        {"a scale above full size", [](FAX_JOB_STATE& s) { s.ulScale = 10001; }},
        {"a zoom of 32000 percent", [](FAX_JOB_STATE& s) { s.Zoom = 32000; }},
        {"a negative zoom", [](FAX_JOB_STATE& s) { s.Zoom = -1; }},
        {"an offset past the bound", [](FAX_JOB_STATE& s) { s.yOffset = INT32_MIN; }},
    };
    const std::vector<BYTE> before = JobSettings();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<BYTE> bytes = PatternedState();
        FAX_JOB_STATE state;
        std::memcpy(&state, bytes.data(), sizeof state);
        c.spoil(state);
        std::memcpy(bytes.data(), &state, sizeof state);
        EXPECT_EQ(Escape(ESC_SET_FAX_JOB, bytes), 0);
        EXPECT_EQ(JobSettings(), before) << "nothing of a refused snapshot is taken";
    }
    // The bounds themselves are a job's geometry still.
    std::vector<BYTE> bytes = PatternedState();
    FAX_JOB_STATE state;
    std::memcpy(&state, bytes.data(), sizeof state);
    state.layoutAreaRect = {-kBound, -kBound, kBound, kBound};
    state.outputWidthPixels = kBound;
    state.ulScale = 10000;
    state.Zoom = 1000;
    std::memcpy(bytes.data(), &state, sizeof state);
    EXPECT_EQ(Escape(ESC_SET_FAX_JOB, bytes), 1);
}

TEST_F(FaxEscapes, TheFaxValuesAreKeptInCodeOrder)
{
    const size_t offsets[] = {2548, 2552, 2336, 2340, 2344};
    for (DWORD i = 0; i < std::size(offsets); ++i)
        ASSERT_EQ(Escape(0x6FFFFE05 + i, DwordBytes(0x1110 + i)), 1);
    const std::vector<BYTE> extra = JobExtra();
    for (DWORD i = 0; i < std::size(offsets); ++i)
        EXPECT_EQ(ReadAt<DWORD>(extra, offsets[i]), 0x1110 + i) << "code 0x6FFFFE0" << 5 + i;
}

std::vector<BYTE> TempName(DWORD index, const std::u16string& name)
{
    std::vector<BYTE> in = DwordBytes(index);
    const std::vector<BYTE> text = WideField(name, 60);
    in.insert(in.end(), text.begin(), text.end());
    return in;
}

TEST_F(FaxEscapes, TemporaryNamesAreStoredAndClearedByIndexWithinTheHundred)
{
    ASSERT_EQ(Escape(ESC_SET_TEMP_DIR, WideField(u"C:\\TEMP\\", 520)), 1);
    ASSERT_EQ(Escape(ESC_SET_TEMP_NAME, TempName(0, u"zfc1.tmp")), 1);
    ASSERT_EQ(Escape(ESC_SET_TEMP_NAME, TempName(99, std::u16string(30, u'n'))), 1);
    ASSERT_EQ(Escape(ESC_SET_EXTRA_TEMP_NAME, WideField(u"zfj2.tmp", 60)), 1);
    std::vector<BYTE> extra = JobExtra();
    EXPECT_EQ(Slice(extra, 20580, 520), WideField(u"C:\\TEMP\\", 520));
    EXPECT_EQ(Slice(extra, 21160, 60), WideField(u"zfc1.tmp", 60));
    EXPECT_EQ(Slice(extra, 21160 + 99 * 60, 60), WideField(std::u16string(29, u'n'), 60)) << "29 and a terminator";
    EXPECT_EQ(Slice(extra, 21100, 60), WideField(u"zfj2.tmp", 60));

    const std::vector<BYTE> held = JobExtra();
    for (const DWORD index : {DWORD{100}, DWORD{0xFFFFFFFF}})
        EXPECT_EQ(Escape(ESC_SET_TEMP_NAME, TempName(index, u"beyond")), 1) << "ignored, index " << index;
    for (const WORD index : {WORD{100}, WORD{0xFFFF}})
        EXPECT_EQ(Escape(ESC_CLEAR_TEMP_NAME, {LOBYTE(index), HIBYTE(index)}), 1) << "ignored, index " << index;
    EXPECT_EQ(JobExtra(), held);

    ASSERT_EQ(Escape(ESC_CLEAR_TEMP_NAME, {0, 0}), 1);
    ASSERT_EQ(Escape(ESC_CLEAR_EXTRA_TEMP_NAME), 1);
    extra = JobExtra();
    EXPECT_EQ(Slice(extra, 21160, 60), WideField(std::u16string(1, u'\0') + u"fc1.tmp", 60)) << "the first only";
    EXPECT_EQ(ReadAt<WCHAR>(extra, 21100), u'\0');
    EXPECT_EQ(ReadAt<WCHAR>(extra, 21102), u'f');
}

TEST_F(FaxEscapes, NamesStampsAndTheBlockComeBackAsTheyWereSet)
{
    const std::vector<BYTE> name = WideField(u"Quarterly report", 520);
    const std::vector<BYTE> stamp = {0xD6, 0x07, 12, 0, 24, 0, 18, 0, 5, 0};
    std::vector<BYTE> block(48);
    for (size_t i = 0; i < block.size(); ++i)
        block[i] = static_cast<BYTE>(0x80 + i);
    ASSERT_EQ(Escape(ESC_SET_DOC_NAME, name), 1);
    ASSERT_EQ(Escape(ESC_SET_DATE_STAMP, stamp), 1);
    ASSERT_EQ(Escape(ESC_SET_FAX_BLOCK, block), 1);
    const std::vector<BYTE> extra = JobExtra();
    EXPECT_EQ(Slice(extra, 1816, 520), name);
    EXPECT_EQ(Slice(extra, 2558, 10), stamp);
    EXPECT_EQ(Slice(extra, 36, 48), block);
    EXPECT_EQ(Fetch(ESC_GET_DOC_NAME, 520), name);
    EXPECT_EQ(Fetch(ESC_GET_DATE_STAMP, 10), stamp);
    EXPECT_EQ(Fetch(ESC_GET_FAX_BLOCK, 48), block);
}

// A phone book of rows; the second text of each row is the recipient's name.
std::vector<BYTE> PhoneBook(DWORD count, const std::string& firstName)
{
    std::vector<BYTE> book(18004, 0);
    std::memcpy(book.data(), &count, sizeof count);
    std::memcpy(book.data() + 4 + 44, firstName.data(), std::min<size_t>(firstName.size(), 44));
    return book;
}

TEST_F(FaxEscapes, ThePhoneBookIsKeptAndItsFirstNameAnsweredAsWideText)
{
    const std::vector<BYTE> book = PhoneBook(2, "Osaka office");
    ASSERT_EQ(Escape(ESC_SET_PHONEBOOK, book), 1);
    EXPECT_EQ(Slice(JobExtra(), 2576, 18004), book);
    EXPECT_EQ(Fetch(ESC_GET_PHONEBOOK_TEXT, 88), WideField(u"Osaka office", 88));

    ASSERT_EQ(Escape(ESC_SET_PHONEBOOK, PhoneBook(1, std::string(44, 'N'))), 1);
    EXPECT_EQ(Fetch(ESC_GET_PHONEBOOK_TEXT, 88), WideField(std::u16string(43, u'N'), 88)) << "the last unit is 0";

    ASSERT_EQ(Escape(ESC_CLEAR_PHONEBOOK), 1);
    EXPECT_EQ(ReadAt<DWORD>(JobExtra(), 2576), 0u);
}

TEST_F(FaxEscapes, TheStatusReportsTheJobsFaxSettingsAndPhoneBook)
{
    DRIVER_DEVMODE dm = JobDevmode();
    dm.dmPrivate.env.lpOutput = 1;
    dm.dmPrivate.env.phoneBookCount = 3;   // a fax has numbers to send to, or validation makes it print
    dm.dmPrivate.env.CoverSheet = 1;
    dm.dmPrivate.env.bTimeH = 9;
    dm.dmPrivate.env.bTimeM = 30;
    dm.dmPrivate.env.feature72 = 1;
    dm.dmPrivate.env.phoneBookFileNumber = 0x1234;
    ASSERT_EQ(SetJobDevmode(dm), 1);
    ASSERT_EQ(Escape(ESC_SET_PHONEBOOK, PhoneBook(3, "a")), 1);
    EXPECT_EQ(Fetch(ESC_GET_FAX_STATUS, 16), (std::vector<BYTE>{1, 1, 0, 0, 3, 0, 0, 0, 9, 30, 1, 0, 0, 0, 0, 0}));
    EXPECT_EQ(Fetch(ESC_GET_PHONEBOOK_ID, 4), DwordBytes(0x1234));

    DOCINFOW di = {sizeof di, u"Report", nullptr, nullptr, 0};
    ASSERT_GT(StartDocW(m_hdc, &di), 0);
    ASSERT_EQ(Escape(ESC_SET_PHONEBOOK, PhoneBook(1000, "a")), 1);
    ASSERT_EQ(Escape(ESC_SET_FAX_PATH, WideField(u"Fax", 520)), 1);
    EXPECT_EQ(Fetch(ESC_GET_FAX_STATUS, 16), (std::vector<BYTE>{1, 1, 0, 0, 100, 0, 0, 0, 9, 30, 1, 0, 1, 0, 0, 0}))
        << "a phone book holds at most 100 rows; the header is written";

    ASSERT_EQ(Escape(ESC_CLEAR_PHONEBOOK_ID), 1);
    EXPECT_EQ(Fetch(ESC_GET_PHONEBOOK_ID, 4), DwordBytes(0));
    EXPECT_EQ(ReadAt<DWORD>(JobSettings(), kEnv + 795), 0u);
}

TEST_F(FaxEscapes, ATransmissionKeepsOnlyItsKnownKinds)
{
    for (const auto& [sent, kept] : {std::pair<BYTE, BYTE>{1, 1}, {2, 2}, {3, 0}, {0xFF, 0}, {0, 0}}) {
        ASSERT_EQ(Escape(ESC_START_TRANSMISSION, {sent}), 1);
        EXPECT_EQ(ReadAt<BYTE>(JobExtra(), 2556), kept) << "sent " << int{sent};
    }
}

TEST_F(FaxEscapes, ResettingATransmissionStartsItsJobAfresh)
{
    DOCINFOW di = {sizeof di, u"Report", nullptr, nullptr, 0};
    ASSERT_GT(StartDocW(m_hdc, &di), 0);
    ASSERT_EQ(Escape(ESC_SET_FAX_PATH, WideField(u"Fax", 520)), 1);
    ASSERT_EQ(Escape(ESC_SET_JOB_BYTE, {1}), 1);
    ASSERT_EQ(Escape(ESC_BEGIN_PAGE_ADDITIONS, {2}), 1);
    std::vector<BYTE> extra = JobExtra();
    ASSERT_EQ(ReadAt<DWORD>(extra, 8), 1u);
    ASSERT_EQ(ReadAt<DWORD>(extra, 24), 1u);

    ASSERT_EQ(Escape(ESC_RESET_TRANSMISSION), 1);
    extra = JobExtra();
    for (const size_t offset : {8, 12, 24, 28, 1536, 28076})
        EXPECT_EQ(ReadAt<DWORD>(extra, offset), 0u) << "offset " << offset;
    EXPECT_EQ(ReadAt<DWORD>(extra, 1540), 1u) << "additions drawn in mode 1";
    EXPECT_EQ(Slice(extra, 27484, 512), std::vector<BYTE>(512, 0));
    EXPECT_EQ(ReadAt<BYTE>(JobSettings(), 5919), 0) << "tone mapping on";
}

TEST_F(FaxEscapes, TheFaxPathTitlesTheJobHeaderWrittenOnceInADocument)
{
    ASSERT_EQ(Escape(ESC_SET_FAX_PATH, WideField(u"Before the document", 520)), 1);
    EXPECT_EQ(ReadAt<DWORD>(JobExtra(), 8), 0u) << "no job to open yet";
    DOCINFOW di = {sizeof di, u"Report", nullptr, nullptr, 0};
    ASSERT_GT(StartDocW(m_hdc, &di), 0);
    ASSERT_EQ(Escape(ESC_SET_FAX_PATH, WideField(u"Fax to Osaka", 520)), 1);
    ASSERT_EQ(Escape(ESC_SET_FAX_PATH, WideField(u"Again", 520)), 1);
    ASSERT_GT(StartPage(m_hdc), 0);
    ASSERT_GT(EndPage(m_hdc), 0);
    ASSERT_GT(EndDoc(m_hdc), 0);
    DeleteDC(m_hdc);
    m_hdc = nullptr;
    const std::string job = JobBytes();
    EXPECT_EQ(job.rfind("\x1b%-12345X@PJL\n@PJL COMMENT HEADER ORVANE TESSALY QN-804C VQPDL2 V\n"
                        "@PJL COMMENT Title : Fax to Osaka ;\n",
                        0),
              0u)
        << job;
    EXPECT_EQ(job.find("@PJL\n"), job.rfind("@PJL\n")) << "one header: " << job;
}

} // namespace
