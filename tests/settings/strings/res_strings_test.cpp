// res_strings_test.cpp - the process-wide string cache over the resource library.
#include "settings/strings/res_strings.h"
#include "settings/probe_res_library.h"
#include "settings/res_library_fixture.h"
#include "host/faults.h"
#include "host/inspect.h"

#include <atomic>
#include <thread>
#include <vector>

// The probe library installed as the resource library; every test balances its references, and the
// fixture checks that the last one gave every block back.
class ResStringsTest : public ResLibraryTest {
protected:
    void SetUp() override
    {
        ResLibraryTest::SetUp();
        InstallResLibrary("QNRESPRB.DLL");
        m_blocksBefore = host::LiveGlobalBlocks();
    }

    void TearDown() override
    {
        host::ClearFaults();
        EXPECT_EQ(host::LiveGlobalBlocks(), m_blocksBefore) << "the cache kept memory after its last reference";
        EXPECT_EQ(GetModuleHandleW(u"Q73MZRT3.DLL"), nullptr) << "the library stayed loaded";
        ResLibraryTest::TearDown();
    }

    unsigned m_blocksBefore = 0;
};

TEST_F(ResStringsTest, AnswersTextsInsideTheIdRangeAndEmptyOutsideIt)
{
    ASSERT_NE(InitResStrings(), nullptr);
    struct Case { UINT id; std::u16string expected; };
    const Case cases[] = {
        {kProbeBelowRangeId, u""},                 // held by the library, but never looked up
        {kProbeFirstId, u"first id"},
        {kProbeLastId, u"last id"},
        {kProbeAboveRangeId, u""},
        {kProbeAlwaysEmptyId, u""},                // held by the library, and still empty
        {20001, u""},                              // not held
        {kProbeLongestId, ProbeText(kProbeLongestId)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "id " << c.id);
        const LPCWSTR text = GetResString(c.id);
        ASSERT_NE(text, nullptr);
        EXPECT_EQ(std::u16string(text), c.expected);
        EXPECT_EQ(GetResString(c.id), text) << "asked again, the same cached text";
    }
    TermResStrings();
}

TEST_F(ResStringsTest, CutsATextLongerThanTheScratchBufferTo999Characters)
{
    // LoadStringW never answers more than the buffer holds, so a 1,000-character text arrives cut.
    InitResStrings();
    EXPECT_EQ(std::u16string(GetResString(kProbeTooLongId)), ProbeText(kProbeTooLongId).substr(0, 999));
    TermResStrings();
}

TEST_F(ResStringsTest, KeepsEveryTextInPlaceWhileThePoolGrows)
{
    InitResStrings();
    std::vector<LPCWSTR> held;
    for (UINT i = 0; i < kProbeBulkCount; ++i)
        held.push_back(GetResString(kProbeBulkFirstId + i));
    for (UINT i = 0; i < kProbeBulkCount; ++i) {
        SCOPED_TRACE(testing::Message() << "id " << kProbeBulkFirstId + i);
        // A text handed out before the pool grew must still be readable where it was.
        EXPECT_EQ(std::u16string(held[i]), ProbeText(kProbeBulkFirstId + i));
        EXPECT_EQ(GetResString(kProbeBulkFirstId + i), held[i]);
    }
    TermResStrings();
}

TEST_F(ResStringsTest, AFailedGrowthAnswersEmptyAndKeepsTheCache)
{
    InitResStrings();
    // 51 texts of 2,000 bytes fill the first 102,400 bytes of the pool; the 52nd needs a new block.
    const UINT cFit = 102400 / 2000;
    std::vector<LPCWSTR> held;
    for (UINT i = 0; i < cFit; ++i)
        held.push_back(GetResString(kProbeBulkFirstId + i));

    host::InjectFault(host::Fault::GlobalAlloc, 1);
    EXPECT_EQ(std::u16string(GetResString(kProbeBulkFirstId + cFit)), u"");
    host::ClearFaults();

    EXPECT_EQ(std::u16string(GetResString(kProbeBulkFirstId + cFit)), ProbeText(kProbeBulkFirstId + cFit));
    for (UINT i = 0; i < cFit; ++i)
        EXPECT_EQ(std::u16string(held[i]), ProbeText(kProbeBulkFirstId + i)) << "id " << kProbeBulkFirstId + i;
    TermResStrings();
}

TEST_F(ResStringsTest, KeepsNothingOfAHalfAllocatedCacheAndRetriesAtTheNextLookup)
{
    for (unsigned nth : {1u, 2u}) {   // the index refused, or the pool after the index
        SCOPED_TRACE(testing::Message() << "allocation " << nth << " refused");
        host::InjectFault(host::Fault::GlobalAlloc, nth);
        InitResStrings();
        EXPECT_EQ(host::LiveGlobalBlocks(), m_blocksBefore);
        EXPECT_EQ(std::u16string(GetResString(kProbeFirstId)), u"first id");
        TermResStrings();
        host::ClearFaults();
    }
}

TEST_F(ResStringsTest, AnswersEmptyWhileTheCacheCannotBeAllocated)
{
    host::InjectFault(host::Fault::GlobalAlloc, 1, 2);   // at InitResStrings and again at the first lookup
    InitResStrings();
    EXPECT_EQ(std::u16string(GetResString(kProbeFirstId)), u"");
    host::ClearFaults();
    EXPECT_EQ(std::u16string(GetResString(kProbeFirstId)), u"first id");
    TermResStrings();
}

TEST_F(ResStringsTest, HoldsTheLibraryUntilTheLastReferenceIsDropped)
{
    TermResStrings();   // unmatched: changes nothing
    const HMODULE hModule = InitResStrings();
    ASSERT_NE(hModule, nullptr);
    EXPECT_EQ(InitResStrings(), hModule);
    const LPCWSTR text = GetResString(kProbeFirstId);

    TermResStrings();
    EXPECT_EQ(GetModuleHandleW(u"Q73MZRT3.DLL"), hModule) << "one reference is still held";
    EXPECT_EQ(std::u16string(text), u"first id");

    TermResStrings();
    EXPECT_EQ(std::u16string(GetResString(kProbeFirstId)), u"") << "no reference, no library";
    EXPECT_EQ(GetResStringLength(kProbeFirstId), 0);
}

TEST_F(ResStringsTest, MeasuresTextsWithoutCachingThem)
{
    InitResStrings();
    const unsigned blocksWithCache = host::LiveGlobalBlocks();
    struct Case { UINT id; int expected; };
    const Case cases[] = {
        {kProbeFirstId, 8},
        {kProbeLongestId, 999},
        {kProbeTooLongId, 999},       // measured through the same 1,000-character buffer
        {20001, 0},                   // not held
        {kProbeBelowRangeId, 0},
        {kProbeAboveRangeId, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(GetResStringLength(c.id), c.expected) << "id " << c.id;
    EXPECT_EQ(host::LiveGlobalBlocks(), blocksWithCache);
    TermResStrings();
}

TEST_F(ResStringsTest, ServesSeveralThreadsAtOnce)
{
    InitResStrings();
    std::atomic<int> wrong{0};
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([t, &wrong] {
            for (UINT n = 0; n < kProbeBulkCount; ++n) {
                const UINT id = kProbeBulkFirstId + (n * 7 + static_cast<UINT>(t) * 31) % kProbeBulkCount;
                if (std::u16string(GetResString(id)) != ProbeText(id))
                    ++wrong;
            }
        });
    }
    for (std::thread& thread : threads)
        thread.join();
    EXPECT_EQ(wrong.load(), 0);
    TermResStrings();
}

class ResStringsWithoutLibraryTest : public ResLibraryTest {};

TEST_F(ResStringsWithoutLibraryTest, AnswersEmptyTextsWhenTheLibraryIsMissing)
{
    EXPECT_EQ(InitResStrings(), nullptr);
    const LPCWSTR text = GetResString(kProbeFirstId);
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(std::u16string(text), u"");
    EXPECT_EQ(GetResStringLength(kProbeFirstId), 0);
    TermResStrings();
}
