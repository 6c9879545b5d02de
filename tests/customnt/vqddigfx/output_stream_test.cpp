// output_stream_test.cpp - the engine's packets: their bytes, the batching of the writer's output into write
// packets of at most 4,092 bytes, the sequence a document sends, and a printer that refuses the bytes.
#include "job_fixture.h"
#include "pdev_fixture.h"
#include "packet_sink.h"
#include "customnt/vqddigfx/drawing.h"
#include "customnt/vqddigfx/output_stream.h"
#include "host/faults.h"
#include "pdl/vxcmn/streamnt.h"

#include <cstring>
#include <string>
#include <vector>

namespace {

using OutputStream = PacketRecordingTest;

std::vector<BYTE> Built(PDEV* pdev, BYTE type)
{
    pdev->bPacketType = type;
    STREAM_PACKET_SCRATCH scratch;
    DWORD cb = 0;
    const BYTE* p = BuildStreamPacket(pdev, &scratch, &cb);
    return std::vector<BYTE>(p, p + cb);
}

TEST_F(OutputStream, PacketsHaveTheirLaidOutBytes)
{
    DRIVER_DEVMODE dm = DefaultDevmode();
    ASSERT_NE(Enable(dm), nullptr);
    m_pdev->wStreamMode = kStreamBooklet;
    m_pdev->wRepeatCount = 0x0102;
    m_pdev->bFormMode = kFormPrintOver;
    std::memcpy(m_pdev->devmode.dmPrivate.FormOverlayPath, u"C:\\f", 10);
    m_pdev->devmode.dmPrivate.FormOverlayFileSize = 0x0A0B0C0D;
    const std::vector<BYTE> open = Built(m_pdev, kCmdOpen);
    ASSERT_EQ(open.size(), 533u);
    EXPECT_EQ(std::vector<BYTE>(open.begin(), open.begin() + 9), (std::vector<BYTE>{1, 21, 0, 0, 4, 0, 2, 1, 3}));
    EXPECT_EQ(std::vector<BYTE>(open.begin() + 9, open.begin() + 17),
              (std::vector<BYTE>{'C', 0, ':', 0, '\\', 0, 'f', 0}));
    EXPECT_EQ(std::vector<BYTE>(open.begin() + 529, open.end()), (std::vector<BYTE>{0x0D, 0x0C, 0x0B, 0x0A}));

    m_pdev->wSectionKind = kSectionPageTail;
    EXPECT_EQ(Built(m_pdev, kCmdSetSection), (std::vector<BYTE>{2, 6, 0, 0, 4, 0}));
    EXPECT_EQ(Built(m_pdev, kCmdReplay), (std::vector<BYTE>{4, 4, 0, 0}));
    EXPECT_EQ(Built(m_pdev, kCmdClose), (std::vector<BYTE>{5, 4, 0, 0}));
    EXPECT_EQ(Built(m_pdev, kCmdPlayForm), (std::vector<BYTE>{6, 4, 0, 0}));
    std::memcpy(m_pdev->packetData, "abc", 3);
    m_pdev->cbPacket = 3;
    EXPECT_EQ(Built(m_pdev, kCmdWrite), (std::vector<BYTE>{3, 4, 3, 0, 'a', 'b', 'c'}));
}

TEST_F(OutputStream, WritesAreBatchedIntoPacketsOfAtMost4092Bytes)
{
    ASSERT_NE(EnableWithSink(DefaultDevmode()), nullptr);
    ASSERT_TRUE(BeginDocument());
    struct Case { std::vector<WORD> writes; std::vector<WORD> packets; };
    const Case cases[] = {
        {{4092},          {4092}},
        {{4093},          {4092, 1}},
        {{100, 4000},     {100, 4000}},
        {{100, 3992},     {4092}},
        {{10, 9000, 5},   {10, 4092, 4092, 816, 5}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
        m_sent.clear();
        for (const WORD cb : c.writes) {
            const std::string bytes(cb, 'x');
            ASSERT_TRUE(EngineWriteOutput(m_pdev, reinterpret_cast<const BYTE*>(bytes.data()), cb));
        }
        ASSERT_TRUE(FlushOutput(m_pdev));
        std::vector<SentPacket> expected;
        for (const WORD cb : c.packets)
            expected.push_back({kCmdWrite, cb});
        EXPECT_EQ(m_sent, expected);
    }
}

TEST_F(OutputStream, ADocumentSendsItsSectionsInOrder)
{
    for (const BYTE outputMode : {BYTE{1}, BYTE{4}}) {
        SCOPED_TRACE(outputMode == 4 ? "booklet, spooled" : "direct");
        DRIVER_DEVMODE dm = DefaultDevmode();
        dm.dmPrivate.layoutSelectCode = outputMode;
        ASSERT_NE(EnableWithSink(dm), nullptr);
        m_sent.clear();
        ASSERT_TRUE(BeginDocument());
        ASSERT_TRUE(Page());
        ASSERT_TRUE(Page());
        ASSERT_TRUE(EndDocument(/*endOfJob=*/true));
        const std::vector<SentPacket> sections = StreamCommands(m_sent);
        const std::vector<SentPacket> page = {{kCmdSetSection, 2}, {kCmdSetSection, 3}, {kCmdSetSection, 4}};
        std::vector<SentPacket> expected = {{kCmdOpen, 0}, {kCmdSetSection, 1}};
        expected.insert(expected.end(), page.begin(), page.end());
        expected.insert(expected.end(), page.begin(), page.end());
        expected.insert(expected.end(), {{kCmdSetSection, 5}, {kCmdReplay, 0}, {kCmdClose, 0}});
        EXPECT_EQ(sections, expected);
        EXPECT_EQ(Copy(m_pdev->wStreamMode), outputMode == 4 ? kStreamBooklet : kStreamDirect);
        const std::string job = FinishJob();
        const std::string end = "cps 0;\nprn;\n\x1b%-12345X";   // the last sheet's setup, its eject, the job's end
        EXPECT_EQ(job.substr(job.size() - end.size()), end);
        EXPECT_EQ(CountSheets(job), 2);
        NextCase();
    }
}

TEST_F(OutputStream, APrinterThatRefusesBytesFailsTheOutputAndTheDocument)
{
    ASSERT_NE(Enable(DefaultDevmode()), nullptr);
    ASSERT_TRUE(BeginDocument());
    ASSERT_TRUE(Page());
    host::InjectFault(host::Fault::WritePrinter, 1, 1000);
    const BOOL secondPage = Page([&] { PdlPrintf(m_pdev, "rct %d %d %d %d;\n", 1, 2, 3, 4); });
    host::ClearFaults();
    EXPECT_FALSE(secondPage);
    EXPECT_NE(Copy(m_pdev->dwFlags) & PDEVF_OUTPUT_FAILED, 0u);
    BRUSHOBJ brush = {0, nullptr, 0};
    RECTL rect = {0, 0, 8, 8};
    EXPECT_FALSE(BitBltImpl(&m_surface, nullptr, nullptr, nullptr, nullptr, &rect, nullptr, nullptr, &brush,
                            nullptr, 0xF0F0));
    EXPECT_FALSE(EngineStartPage(&m_surface));
    EXPECT_FALSE(EndDocument(/*endOfJob=*/true)) << "the document's end reports the lost bytes";
    EXPECT_EQ(FinishJob().find("rct"), std::string::npos);
}

TEST_F(OutputStream, ABookletReplayThePrinterRefusesFailsTheDocument)
{
    DRIVER_DEVMODE dm = DefaultDevmode();
    dm.dmPrivate.layoutSelectCode = 4;
    ASSERT_NE(Enable(dm), nullptr);
    ASSERT_TRUE(BeginDocument());
    ASSERT_TRUE(Page());
    host::InjectFault(host::Fault::WritePrinter, 1, 1000);
    EXPECT_FALSE(EndDocument(/*endOfJob=*/true));
    host::ClearFaults();
}

TEST_F(OutputStream, ABookletJobWithoutPagesIsItsHeaderThenItsTrailer)
{
    DRIVER_DEVMODE dm = DefaultDevmode();
    dm.dmPrivate.layoutSelectCode = 4;
    ASSERT_NE(Enable(dm), nullptr);
    ASSERT_TRUE(BeginDocument());
    // The document events write the header before any page (as a fax job's escape does).
    PdlWriteJobHeaderOnce(m_pdev, u"Report");
    ASSERT_TRUE(EndDocument(/*endOfJob=*/true));
    const std::string job = FinishJob();
    EXPECT_EQ(job.rfind("\x1b%-12345X@PJL\n", 0), 0u);
    EXPECT_EQ(job.substr(job.size() - 9), "\x1b%-12345X");
    EXPECT_EQ(job.find("prn;"), std::string::npos);
}

} // namespace
