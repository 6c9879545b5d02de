// escapes_test.cpp - DrvEscape through ExtEscape on a printer device context of "QN-804C": which codes are
// answered with which sizes, what an invalid PDEV answers, and the engine's and the VQPDL writer's own escapes.
#include "job_fixture.h"
#include "customnt/vqddigfx/escapes.h"
#include "customnt/vqddigfx/pdev.h"
#include "pdev_fixture.h"
#include "settings/base/font_sub_node.h"

#include <algorithm>

namespace {

class Escapes : public OpenDcTest {
protected:
    // Both records, as one picture of what the escapes can change.
    std::vector<BYTE> Snapshot() const
    {
        std::vector<BYTE> all = JobSettings();
        const std::vector<BYTE> extra = JobExtra();
        all.insert(all.end(), extra.begin(), extra.end());
        return all;
    }

    // The PDEV of the device context. The record it hands out holds the packet buffer's write position, which
    // lies cbPacket bytes into the packet data at offset 36 of the PDEV.
    PDEV* DevicePdev() const
    {
        const std::vector<BYTE> record = JobSettings();
        const auto write = ReadAt<uintptr_t>(record, offsetof(JOB_SETTINGS_RECORD, pPacketWrite));
        const auto cbPacket = ReadAt<DWORD>(record, offsetof(JOB_SETTINGS_RECORD, cbPacket));
        return reinterpret_cast<PDEV*>(write - cbPacket - offsetof(JOB_SETTINGS_RECORD, packetData));
    }
};

// Every code of the private chain with its sizes: in bytes, out bytes.
struct SizedCode {
    ULONG code;
    ULONG cbIn;
    ULONG cbOut;
};

constexpr SizedCode kPrivateCodes[] = {
    {ESC_GET_JOB_SETTINGS, 0, 9075},         {ESC_GET_JOB_EXTRA, 0, 28108},
    {ESC_SET_USER_NAME, 510, 0},             {ESC_SET_CANCEL_JOB, 1, 0},
    {ESC_DROP_FORM_OVERLAY, 0, 0},           {ESC_SET_USER_PAPER_SIZES, 80, 0},
    {ESC_SET_JOB_BYTE, 1, 0},                {ESC_SET_APP_NAME, 64, 0},
    {ESC_SET_FAX_JOB, 1972, 0},              {ESC_GET_PHONEBOOK_ID, 0, 4},
    {ESC_CLEAR_PHONEBOOK_ID, 0, 0},          {ESC_SET_PHONEBOOK, 18004, 0},
    {0x6FFFFE05, 4, 0},                      {0x6FFFFE06, 4, 0},
    {0x6FFFFE07, 4, 0},                      {0x6FFFFE08, 4, 0},
    {0x6FFFFE09, 4, 0},                      {ESC_SET_FAX_PATH, 520, 0},
    {ESC_START_TRANSMISSION, 1, 0},          {ESC_RESET_TRANSMISSION, 0, 0},
    {ESC_GET_DOC_NAME, 0, 520},              {ESC_SET_DOC_NAME, 520, 0},
    {ESC_GET_FAX_STATUS, 0, 16},             {ESC_SET_DATE_STAMP, 10, 0},
    {ESC_CLEAR_PHONEBOOK, 0, 0},             {ESC_GET_PHONEBOOK_TEXT, 0, 88},
    {ESC_GET_DATE_STAMP, 0, 10},             {ESC_END_OF_JOB, 0, 0},
    {ESC_CLEAR_TEMP_NAME, 2, 0},             {ESC_CLEAR_EXTRA_TEMP_NAME, 0, 0},
    {ESC_SET_TEMP_DIR, 520, 0},              {ESC_SET_TEMP_NAME, 64, 0},
    {ESC_SET_EXTRA_TEMP_NAME, 60, 0},        {ESC_GET_FAX_BLOCK, 0, 48},
    {ESC_SET_FAX_BLOCK, 48, 0},              {ESC_GET_JOB_VALUES, 0, 10},
    {ESC_GET_OUTPUT_METHOD, 0, 1},           {ESC_SET_DATE_STAMP2, 10, 0},
    {ESC_CLEAR_ECO_PATH, 0, 0},              {ESC_SET_ECO_PATH, 520, 0},
    {ESC_COMPARE_STORED_NAME, 0, 0},
};

TEST_F(Escapes, APrivateCodeIsAnsweredOnlyWithItsExactSizesAndAWrongSizeChangesNothing)
{
    for (const SizedCode& c : kPrivateCodes) {
        SCOPED_TRACE(testing::Message() << std::hex << "code 0x" << c.code);
        const std::vector<BYTE> before = Snapshot();
        // One byte more and one byte less on each side; a side without data given a byte.
        const std::pair<ULONG, ULONG> wrong[] = {
            {c.cbIn + 1, c.cbOut}, {c.cbIn, c.cbOut + 1}, {c.cbIn - 1, c.cbOut}, {c.cbIn, c.cbOut - 1}};
        for (const auto& [cbIn, cbOut] : wrong) {
            if (cbIn == ULONG(-1) || cbOut == ULONG(-1))
                continue;
            SCOPED_TRACE(testing::Message() << std::dec << cbIn << " in, " << cbOut << " out");
            EXPECT_EQ(Escape(m_hdc, c.code, std::vector<BYTE>(cbIn, 0), cbOut), 0);
        }
        EXPECT_EQ(Snapshot(), before);
        EXPECT_EQ(Escape(m_hdc, c.code, std::vector<BYTE>(c.cbIn, 0), c.cbOut), 1);
    }
}

TEST_F(Escapes, ADataPointerWithoutDataIsNoExactMatch)
{
    const BYTE spare[4] = {};
    BYTE out[4] = {};
    // ESC_END_OF_JOB takes no data: an input or output pointer with a size of 0 is another call.
    EXPECT_EQ(ExtEscape(m_hdc, ESC_END_OF_JOB, 0, reinterpret_cast<LPCSTR>(spare), 0, nullptr), 0);
    EXPECT_EQ(ExtEscape(m_hdc, ESC_END_OF_JOB, 0, nullptr, 0, reinterpret_cast<LPSTR>(out)), 0);
    EXPECT_EQ(ReadAt<BYTE>(JobExtra(), 33), 0) << "the job is not marked ended";
    EXPECT_EQ(ExtEscape(m_hdc, ESC_END_OF_JOB, 0, nullptr, 0, nullptr), 1);
    EXPECT_EQ(ReadAt<BYTE>(JobExtra(), 33), 1);
}

TEST_F(Escapes, CodesNoHandlerOwnsAreNotAnswered)
{
    for (const SizedCode c : {SizedCode{0x6FFFFD07, 0, 0}, SizedCode{0x6FFFFD14, 0, 0}, SizedCode{0x6FFFFE01, 0, 0},
                              SizedCode{0x6FFFFA00, 0, 0}}) {
        SCOPED_TRACE(testing::Message() << std::hex << "code 0x" << c.code);
        EXPECT_EQ(Escape(m_hdc, c.code, std::vector<BYTE>(c.cbIn, 0), c.cbOut), 0);
    }
}

TEST_F(Escapes, AnInvalidPdevAnswersZeroToEveryCodeButTheSupportQueryAndChangesNothing)
{
    PDEV* pdev = DevicePdev();
    const std::vector<BYTE> before = Snapshot();
    pdev->dwMagic2 = 0;
    std::vector<SizedCode> codes(std::begin(kPrivateCodes), std::end(kPrivateCodes));
    codes.insert(codes.end(), {{SETCOPYCOUNT, 4, 4},
                               {ESC_PROBE, 1, 0},
                               {ESC_SET_FONT_SUBST, 132, 0},
                               {ESC_CLEAR_BAND, 0, 0},
                               {ESC_END_PAGE_ADDITIONS, 0, 0},
                               {ESC_BEGIN_PAGE_ADDITIONS, 4, 0},
                               {ESC_GET_PAGE_COUNT, 0, 0},
                               {ESC_GET_ORIENTATION, 0, 0},
                               {ESC_GET_DEVMODE, 0, 2615},
                               {CLIP_TO_PATH, 2, 0},
                               {BEGIN_PATH, 0, 0}});
    for (const SizedCode& c : codes) {
        SCOPED_TRACE(testing::Message() << std::hex << "code 0x" << c.code);
        SetLastError(0);
        EXPECT_EQ(Escape(m_hdc, c.code, std::vector<BYTE>(c.cbIn, 0), c.cbOut), 0);
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    }
    EXPECT_EQ(Escape(QUERYESCSUPPORT, {SETCOPYCOUNT, 0}), 999);
    pdev->dwMagic2 = kPdevMagic;
    EXPECT_EQ(Snapshot(), before);
}

TEST_F(Escapes, TheSupportQueryNamesTheCopyCountAndItself)
{
    struct Case { std::vector<BYTE> in; int answer; };
    const Case cases[] = {
        {{17, 0}, 999},
        {{17, 0, 0, 0}, 999},
        {{8, 0}, 1},
        {{0x00, 0x10}, 0},   // BEGIN_PATH is the writer's, and only asked of it
        {{0x15, 0xFE}, 0},   // the low 16 bits of a private code
        {{17}, 0},           // no whole code
        {{}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
        EXPECT_EQ(Escape(m_hdc, QUERYESCSUPPORT, c.in), c.answer);
    }
}

TEST_F(Escapes, TheCopyCountIsKeptBetweenOneAnd999AndWrittenBack)
{
    struct Case { INT count; DWORD stored; };
    const Case cases[] = {{5, 5}, {0, 1}, {-3, 1}, {998, 998}, {999, 999}, {1000, 999}, {0x7FFFFFFF, 999}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "count " << c.count);
        std::vector<BYTE> in(sizeof c.count);
        std::memcpy(in.data(), &c.count, sizeof c.count);
        std::vector<BYTE> out;
        EXPECT_EQ(Escape(m_hdc, SETCOPYCOUNT, in, 4, &out), 1);
        EXPECT_EQ(ReadAt<DWORD>(out, 0), c.stored);
        EXPECT_EQ(ReadAt<DWORD>(JobSettings(), 4140), c.stored);
    }
    std::vector<BYTE> out;
    EXPECT_EQ(Escape(m_hdc, SETCOPYCOUNT, {}, 4, &out), -1) << "no count";
    EXPECT_EQ(Escape(m_hdc, SETCOPYCOUNT, {7, 0, 0}), -1) << "three bytes hold no count";
    EXPECT_EQ(Escape(m_hdc, SETCOPYCOUNT, {7, 0, 0, 0}, 3, &out), 1) << "an output too small is left alone";
    EXPECT_EQ(out, std::vector<BYTE>(3, 0));
    EXPECT_EQ(ReadAt<DWORD>(JobSettings(), 4140), 7u);
}

TEST_F(Escapes, TheProbeAnswersOneWhateverItCarries)
{
    EXPECT_EQ(Escape(m_hdc, ESC_PROBE), 1);
    EXPECT_EQ(Escape(m_hdc, ESC_PROBE, {1}), 1);
    EXPECT_EQ(Escape(m_hdc, ESC_PROBE, std::vector<BYTE>(300, 0xFF), 2), 1);
}

TEST_F(Escapes, TheFirstFontSubstitutionListOfAJobIsCopiedAndLinkedAgain)
{
    const std::u16string longFace(40, u'F');   // more than the field holds
    const std::vector<BYTE> nodes = FontNodes({{u"Arial", u"Helvetica"}, {longFace, u"Courier"}});
    for (const size_t cb : {0, 131, 133, 263, 265}) {
        SCOPED_TRACE(testing::Message() << cb << " bytes");
        std::vector<BYTE> in(cb, 0);
        std::copy_n(nodes.begin(), std::min(cb, nodes.size()), in.begin());
        EXPECT_EQ(Escape(ESC_SET_FONT_SUBST, in), 0);
    }
    const size_t listOffset = 6460 + 1412;
    EXPECT_EQ(ReadAt<DWORD>(JobSettings(), listOffset), 0u) << "no list kept";

    ASSERT_EQ(Escape(m_hdc, ESC_SET_FONT_SUBST, nodes), 1);
    const auto* pList = reinterpret_cast<const FONT_SUB_NODE*>(ReadAt<uintptr_t>(JobSettings(), listOffset));
    ASSERT_NE(pList, nullptr);
    EXPECT_EQ(std::u16string(pList[0].szTrueTypeFace), u"Arial");
    EXPECT_EQ(std::u16string(pList[0].szDeviceFont), u"Helvetica");
    EXPECT_EQ(pList[0].pNext, &pList[1]);
    EXPECT_EQ(std::u16string(pList[1].szTrueTypeFace), std::u16string(31, u'F')) << "cut to its field";
    EXPECT_EQ(pList[1].pNext, nullptr);

    EXPECT_EQ(Escape(m_hdc, ESC_SET_FONT_SUBST, FontNodes({{u"Times", u"Times"}})), 1) << "a second list";
    EXPECT_EQ(ReadAt<uintptr_t>(JobSettings(), listOffset), reinterpret_cast<uintptr_t>(pList));
    EXPECT_EQ(std::u16string(pList[0].szTrueTypeFace), u"Arial");
    EXPECT_EQ(JobDevmode().dmPrivate.fontSubstitutionList, nullptr) << "the devmode handed out holds no pointer";
}

TEST_F(Escapes, ATooLongFontSubstitutionListIsRefused)
{
    EXPECT_EQ(Escape(m_hdc, ESC_SET_FONT_SUBST, std::vector<BYTE>(501 * 132, 0)), 0);
    EXPECT_EQ(Escape(m_hdc, ESC_SET_FONT_SUBST, std::vector<BYTE>(500 * 132, 0)), 1);
}

TEST_F(Escapes, TheDevmodeIsHandedOutAndReplacedWholeByTheDriversOwnOnly)
{
    const DRIVER_DEVMODE original = JobDevmode();
    std::vector<BYTE> out;
    EXPECT_EQ(Escape(m_hdc, ESC_GET_DEVMODE, {}, 2614, &out), 0);
    EXPECT_EQ(Escape(m_hdc, ESC_GET_DEVMODE, {}, 2616, &out), 0);
    const std::vector<BYTE> settings = JobSettings();
    EXPECT_EQ(std::memcmp(&original, settings.data() + 6460, sizeof original), 0) << "the PDEV's own copy";

    ASSERT_EQ(Escape(m_hdc, ESC_SET_FONT_SUBST, FontNodes({{u"Arial", u"Arial"}})), 1);
    const auto list = ReadAt<uintptr_t>(JobSettings(), 6460 + 1412);

    DRIVER_DEVMODE changed = original;
    changed.dmPrivate.ZoomCheck = 1;
    changed.dmPrivate.env.lastFitPaperSize = static_cast<WORD>(changed.dmPublic.dmPaperSize);
    changed.dmPrivate.Zoom = 150;
    changed.dmPrivate.env.lpOutputMethod = 3;
    changed.dmPrivate.fontSubstitutionList = reinterpret_cast<FONT_SUB_NODE*>(0x1234);   // never taken
    std::vector<BYTE> bytes(sizeof changed);
    std::memcpy(bytes.data(), &changed, sizeof changed);
    DRIVER_DEVMODE foreign = changed;
    foreign.dmPrivate.env.modelCode[0] = 'X';
    std::vector<BYTE> foreignBytes(sizeof foreign);
    std::memcpy(foreignBytes.data(), &foreign, sizeof foreign);
    EXPECT_EQ(Escape(ESC_SET_DEVMODE, foreignBytes), 0);
    EXPECT_EQ(Escape(ESC_SET_DEVMODE, std::vector<BYTE>(bytes.begin(), bytes.end() - 1)), 0);
    std::vector<BYTE> longer = bytes;
    longer.push_back(0);
    EXPECT_EQ(Escape(ESC_SET_DEVMODE, longer), 0);
    EXPECT_EQ(JobDevmode().dmPrivate.Zoom, original.dmPrivate.Zoom) << "nothing taken from a refused devmode";

    ASSERT_EQ(Escape(ESC_SET_DEVMODE, bytes), 1);
    DRIVER_DEVMODE expected = changed;
    expected.dmPrivate.fontSubstitutionList = nullptr;
    const DRIVER_DEVMODE now = JobDevmode();
    EXPECT_EQ(std::memcmp(&now, &expected, sizeof now), 0) << "a devmode in line is taken as it is";
    EXPECT_EQ(ReadAt<uintptr_t>(JobSettings(), 6460 + 1412), list) << "the PDEV keeps its list";
}

TEST_F(Escapes, ADevmodeByEscapeIsValidatedAsAJobsDevmodeIs)
{
    const DRIVER_DEVMODE original = JobDevmode();
    DRIVER_DEVMODE wild = original;
    wild.dmPrivate.ZoomCheck = 1;
    wild.dmPrivate.Zoom = 32000;   // every glyph an outline bitmap of megabytes
    wild.dmPrivate.printableRect = {INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX};
    wild.dmPrivate.outputPrintableRectPixels = {INT32_MAX, 0, INT32_MIN, 0};
    wild.dmPrivate.paperWidthPixels = INT32_MIN;
    ASSERT_EQ(SetJobDevmode(wild), 1);
    const DRIVER_DEVMODE now = JobDevmode();
    EXPECT_GT(Copy(now.dmPrivate.Zoom), 0);
    EXPECT_LE(Copy(now.dmPrivate.Zoom), 1000) << "the zoom is held to its range";
    EXPECT_EQ(std::memcmp(&now.dmPrivate.printableRect, &original.dmPrivate.printableRect, sizeof(RECTL)), 0)
        << "the geometry follows from the paper again";
    EXPECT_EQ(Copy(now.dmPrivate.paperWidthPixels), Copy(original.dmPrivate.paperWidthPixels));
    EXPECT_EQ(std::memcmp(&now.dmPrivate.outputPrintableRectPixels, &original.dmPrivate.outputPrintableRectPixels,
                          sizeof(RECTL)), 0);

    // A page of text prints with it as with any devmode.
    DOCINFOW di = {sizeof di, u"Zoom", nullptr, nullptr, 0};
    ASSERT_GT(StartDocW(m_hdc, &di), 0);
    ASSERT_GT(StartPage(m_hdc), 0);
    EXPECT_TRUE(TextOutW(m_hdc, 100, 100, u"ABCDE", 5));
    EXPECT_GT(EndPage(m_hdc), 0);
    EXPECT_GT(EndDoc(m_hdc), 0);
}

TEST_F(Escapes, PageAdditionsSwitchToneMappingAndKeepTheirDrawingMode)
{
    EXPECT_EQ(Escape(ESC_BEGIN_PAGE_ADDITIONS), 0) << "no mode";
    EXPECT_EQ(Escape(ESC_BEGIN_PAGE_ADDITIONS, {2, 0, 0, 0}), 1) << "the four bytes the sender passes";
    std::vector<BYTE> extra = JobExtra();
    EXPECT_EQ(ReadAt<DWORD>(extra, 1536), 1u);
    EXPECT_EQ(ReadAt<DWORD>(extra, 1540), 2u);
    EXPECT_EQ(ReadAt<BYTE>(JobSettings(), 5919), 1) << "tone mapping off";
    EXPECT_EQ(Escape(ESC_END_PAGE_ADDITIONS), 1);
    EXPECT_EQ(ReadAt<DWORD>(JobExtra(), 1536), 0u);
    EXPECT_EQ(ReadAt<BYTE>(JobSettings(), 5919), 0);
    EXPECT_EQ(Escape(ESC_BEGIN_PAGE_ADDITIONS, {1}), 1) << "one byte is enough";
    EXPECT_EQ(ReadAt<DWORD>(JobExtra(), 1540), 1u);
}

TEST_F(Escapes, ThePageCountAndOrientationAreTheEscapesAnswers)
{
    EXPECT_EQ(Escape(ESC_GET_PAGE_COUNT), 0);
    EXPECT_EQ(Escape(ESC_GET_ORIENTATION), DMORIENT_PORTRAIT);
    DOCINFOW di = {sizeof di, u"Report", nullptr, nullptr, 0};
    ASSERT_GT(StartDocW(m_hdc, &di), 0);
    for (int page = 1; page <= 2; ++page) {
        ASSERT_GT(StartPage(m_hdc), 0);
        EXPECT_EQ(Escape(ESC_GET_PAGE_COUNT), page);
        ASSERT_GT(EndPage(m_hdc), 0);
    }
    ASSERT_GT(EndDoc(m_hdc), 0);

    DRIVER_DEVMODE dm = DriverDevmode();
    dm.dmPublic.dmOrientation = DMORIENT_LANDSCAPE;
    DeleteDC(m_hdc);
    ASSERT_NE(OpenDc(&dm.dmPublic), nullptr);
    EXPECT_EQ(Escape(ESC_GET_ORIENTATION), DMORIENT_LANDSCAPE);
}

TEST_F(Escapes, ClearingTheBandWhitensTheRasterBandBitmap)
{
    DRIVER_DEVMODE dm = DriverDevmode();
    dm.dmPrivate.lpGraphicsMode = 1;
    dm.dmPublic.dmColor = DMCOLOR_MONOCHROME;
    dm.dmPublic.dmFields |= DM_COLOR;
    DeleteDC(m_hdc);
    ASSERT_NE(OpenDc(&dm.dmPublic), nullptr);
    DOCINFOW di = {sizeof di, u"Report", nullptr, nullptr, 0};
    ASSERT_GT(StartDocW(m_hdc, &di), 0);
    ASSERT_GT(StartPage(m_hdc), 0);
    SURFOBJ* pso = EngLockSurface(DevicePdev()->hsurf);
    ASSERT_NE(pso, nullptr);
    ASSERT_NE(pso->pvBits, nullptr);
    auto* bits = static_cast<BYTE*>(pso->pvBits);
    std::memset(bits, 0x00, pso->cjBits);
    EXPECT_EQ(Escape(ESC_CLEAR_BAND), 1);
    EXPECT_EQ(std::count(bits, bits + pso->cjBits, 0xFF), static_cast<long>(pso->cjBits));
    EngUnlockSurface(pso);
    ASSERT_GT(EndPage(m_hdc), 0);
    ASSERT_GT(EndDoc(m_hdc), 0);
}

TEST_F(Escapes, ThePathEscapesReachTheWriterAndClipOnlyInsideADocument)
{
    EXPECT_EQ(Escape(BEGIN_PATH), 1);
    EXPECT_EQ(Escape(END_PATH), 1);
    EXPECT_EQ(Escape(0x1003), 0) << "not the writer's";
    EXPECT_EQ(Escape(CLIP_TO_PATH), 0) << "no mode";
    EXPECT_EQ(Escape(CLIP_TO_PATH, {3, 0}), 0) << "the exclusive mode is not supported";
    EXPECT_EQ(Escape(CLIP_TO_PATH, {CLIP_SAVE, 0}), 1);
    EXPECT_EQ(ReadAt<DWORD>(JobExtra(), 27304), 1u) << "the clip is saved";
    EXPECT_EQ(Escape(CLIP_TO_PATH, {CLIP_RESTORE, 0}), 1);
    EXPECT_EQ(ReadAt<DWORD>(JobExtra(), 27304), 0u);

    EXPECT_EQ(Escape(CLIP_TO_PATH, {CLIP_INCLUSIVE, 0}), 1) << "nothing to clip yet";
    DOCINFOW di = {sizeof di, u"Report", nullptr, nullptr, 0};
    ASSERT_GT(StartDocW(m_hdc, &di), 0);
    ASSERT_GT(StartPage(m_hdc), 0);
    EXPECT_EQ(Escape(CLIP_TO_PATH, {CLIP_INCLUSIVE, 0}), 1);
    ASSERT_GT(EndPage(m_hdc), 0);
    ASSERT_GT(EndDoc(m_hdc), 0);
    DeleteDC(m_hdc);
    m_hdc = nullptr;
    const std::string job = JobBytes();
    const size_t clip = job.find("cpp 3 3 e;\nphd 3;\n");
    ASSERT_NE(clip, std::string::npos) << job;
    EXPECT_EQ(clip, job.rfind("cpp 3 3 e;\nphd 3;\n")) << "once: " << job;
    EXPECT_GT(clip, job.find("ini 600")) << "inside the document: " << job;
}

// Calls the dispatch as the DrvEscape hook does, with the pointers a device context's ExtEscape never passes.
class EscapePointers : public PdevTest {};

TEST_F(EscapePointers, ASizeWithoutItsPointerIsNoMatch)
{
    ASSERT_NE(Enable(DefaultDevmode()), nullptr);
    BYTE buffer[9075] = {};
    EXPECT_EQ(PrivateEscapeDispatch(&m_surface, ESC_SET_CANCEL_JOB, 1, nullptr, 0, nullptr), 0u);
    EXPECT_EQ(PrivateEscapeDispatch(&m_surface, ESC_GET_JOB_SETTINGS, 0, nullptr, 9075, nullptr), 0u);
    EXPECT_EQ(PrivateEscapeDispatch(&m_surface, ESC_SET_DEVMODE, 2615, nullptr, 0, nullptr), 0u);
    EXPECT_EQ(PrivateEscapeDispatch(&m_surface, ESC_GET_DEVMODE, 0, nullptr, 2615, nullptr), 0u);
    EXPECT_EQ(PrivateEscapeDispatch(&m_surface, ESC_SET_FONT_SUBST, 132, nullptr, 0, nullptr), 0u);
    EXPECT_EQ(PrivateEscapeDispatch(&m_surface, ESC_BEGIN_PAGE_ADDITIONS, 1, nullptr, 0, nullptr), 0u);
    EXPECT_EQ(PrivateEscapeDispatch(&m_surface, QUERYESCSUPPORT, 2, nullptr, 0, nullptr), 0u);
    EXPECT_EQ(PrivateEscapeDispatch(&m_surface, CLIP_TO_PATH, 2, nullptr, 0, nullptr), 0u);
    EXPECT_EQ(PrivateEscapeDispatch(&m_surface, ESC_GET_JOB_SETTINGS, 0, nullptr, 9075, buffer), 1u);
}

TEST_F(EscapePointers, ASurfaceWithoutAPdevGetsOnlyTheSupportQueryAnswered)
{
    SURFOBJ surface = {};
    const WORD code = SETCOPYCOUNT;
    BYTE buffer[9075] = {};
    EXPECT_EQ(PrivateEscapeDispatch(&surface, QUERYESCSUPPORT, sizeof code, const_cast<WORD*>(&code), 0, nullptr),
              999u);
    SetLastError(0);
    EXPECT_EQ(PrivateEscapeDispatch(&surface, ESC_GET_JOB_SETTINGS, 0, nullptr, 9075, buffer), 0u);
    EXPECT_EQ(PrivateEscapeDispatch(&surface, ESC_PROBE, 0, nullptr, 0, nullptr), 0u);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    EXPECT_EQ(PrivateEscapeDispatch(nullptr, ESC_PROBE, 0, nullptr, 0, nullptr), 0u);
}

} // namespace
