// job_control_test.cpp - the job header and its framing: its lines, the document name as the title, one
// header per job, no framing for form files, the closing UEL rule, and a cancelled job.
#include "customnt/vqddigfx/pdev_fixture.h"
#include "pdl/vxcmn/streamnt.h"
#include "pdl/vxcmn/vxcmnnt.h"

#include <string>

namespace {

using JobControl = PdevTest;

constexpr char kHeaderTail[] = "@PJL COMMENT Driver version : 04.02\n@PJL ENTER LANGUAGE = VQPDL\nini 600 1 S;\n";

// The job without its "@PJL SET" option lines, which the job options' own tests check: what is left is the
// framing and the header's comments.
std::string WithoutOptionLines(const std::string& job)
{
    std::string rest;
    for (size_t start = 0; start < job.size();) {
        const size_t end = job.find('\n', start);
        const size_t next = end == std::string::npos ? job.size() : end + 1;
        if (job.compare(start, 9, "@PJL SET ") != 0)
            rest += job.substr(start, next - start);
        start = next;
    }
    return rest;
}

// The title line of the job's header.
std::string TitleLine(const std::string& job)
{
    const size_t start = job.find("@PJL COMMENT Title : ");
    if (start == std::string::npos)
        return "<no title>";
    return job.substr(start, job.find('\n', start) + 1 - start);
}

TEST_F(JobControl, TheHeaderOpensTheJobOnceWithItsTitle)
{
    ASSERT_NE(Enable(DefaultDevmode()), nullptr);
    ASSERT_TRUE(BeginDocument());
    WriteJobHeader(m_pdev, u"Report");
    WriteJobHeader(m_pdev, u"Again");   // a second call in the same job writes nothing
    ASSERT_TRUE(Page());
    ASSERT_TRUE(EndDocument(/*endOfJob=*/true));
    EXPECT_EQ(WithoutOptionLines(FinishJob()),
              std::string("\x1b%-12345X@PJL\n@PJL COMMENT HEADER ORVANE TESSALY QN-804C VQPDL2 V\n"
                          "@PJL COMMENT Title : Report ;\n") +
                  kHeaderTail + "rem lpFontSubTable = NULL;\n" + kDefaultPageSetup + "prn;\n\x1b%-12345X")
        << "the first page says the job has no font substitution list";
    EXPECT_EQ(std::string(PdlGetContext(m_pdev)->szDocNameAnsi), "Report");
}

TEST_F(JobControl, TheTitleIsCutInTheAnsiCodePageAndCleaned)
{
    const std::u16string kana64(64, u'あ');   // 128 bytes in code page 932
    const std::string kanaBytes64 = [] {
        std::string bytes;
        for (int i = 0; i < 64; ++i)
            bytes += "\x82\xA0";
        return bytes;
    }();
    const std::u16string oddKana = u"a" + kana64;
    const std::u16string controls = u"Line 1\r\nLine 2\x1b";
    const std::u16string quotes = u"Q3 \"plan\"";
    struct Case { const WCHAR* name; std::string title; };
    const Case cases[] = {
        {nullptr,          "DocName: NULL"},
        {quotes.c_str(),   "Q3  plan "},                         // as in the job name, no quote marks
        {controls.c_str(), "Line 1  Line 2 "},                   // nothing ends the comment early
        {kana64.c_str(),   kanaBytes64},
        {oddKana.c_str(),  "a" + kanaBytes64.substr(0, 126)},    // the 64th kana would pass 128 bytes
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
        ASSERT_NE(Enable(DefaultDevmode()), nullptr);
        ASSERT_TRUE(BeginDocument());
        WriteJobHeader(m_pdev, c.name);
        ASSERT_TRUE(EndDocument(/*endOfJob=*/true));
        EXPECT_EQ(TitleLine(FinishJob()), "@PJL COMMENT Title : " + c.title + " ;\n");
        DisablePDEVImpl(reinterpret_cast<DHPDEV>(m_pdev));
        m_pdev = nullptr;
        for (const auto& file : host::JobFiles(kPrinterName))
            std::filesystem::remove(file);
    }
}

TEST_F(JobControl, AFormFileJobHasNoFraming)
{
    ASSERT_NE(Enable(DefaultDevmode()), nullptr);
    ASSERT_TRUE(BeginDocument());
    PdlSuppressJobFraming(m_pdev);
    PdlWriteJobHeaderOnce(m_pdev, u"Report");
    WriteJobHeader(m_pdev, u"Report");
    PdlPrintf(m_pdev, "rct %d %d %d %d;\n", 0, 0, 8, 8);
    ASSERT_TRUE(EndDocument(/*endOfJob=*/true));
    EXPECT_EQ(FinishJob(), "rct 0 0 8 8;\n");
}

TEST_F(JobControl, ACancelledJobDropsEveryLaterByteTheClosingUelIncluded)
{
    ASSERT_NE(Enable(DefaultDevmode()), nullptr);
    ASSERT_TRUE(BeginDocument());
    ASSERT_TRUE(Page([&] { PdlPrintf(m_pdev, "rct %d %d %d %d;\n", 1, 1, 2, 2); }));
    PdlGetContext(m_pdev)->bCancel = 1;
    ASSERT_TRUE(Page([&] { PdlPrintf(m_pdev, "rct %d %d %d %d;\n", 3, 3, 4, 4); }));
    ASSERT_TRUE(EndDocument(/*endOfJob=*/true)) << "the calls still succeed";
    const std::string job = FinishJob();
    EXPECT_EQ(job.substr(job.size() - 18), "rct 1 1 2 2;\nprn;\n");
    EXPECT_EQ(PdlGetContext(m_pdev)->bCancel, 0) << "the next document prints again";
}

TEST_F(JobControl, LongDataReachesTheStreamWholeInPiecesTheCallbackCanCount)
{
    ASSERT_NE(Enable(DefaultDevmode()), nullptr);
    ASSERT_TRUE(BeginDocument());
    PdlSuppressJobFraming(m_pdev);
    std::string data(200000, '\0');
    for (size_t i = 0; i < data.size(); ++i)
        data[i] = static_cast<char>('a' + i % 26);
    EXPECT_TRUE(PdlWrite(m_pdev, data.data(), static_cast<DWORD>(data.size())));
    ASSERT_TRUE(EndDocument(/*endOfJob=*/false));
    EXPECT_EQ(FinishJob(), data) << "nothing lost to a 16-bit count";
}

} // namespace
