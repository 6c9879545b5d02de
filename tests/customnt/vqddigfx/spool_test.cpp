// spool_test.cpp - the spool file and its index: replays forward, in reverse and in booklet order for several
// page counts, direct mode, a spool file that cannot be written, and form files made and played through the
// stream's commands.
#include "pdev_fixture.h"
#include "customnt/vqddigfx/stream.h"
#include "host/faults.h"

#include <cstring>
#include <string>
#include <vector>

namespace {

// Collects what a replay writes, in order.
BOOL Record(HANDLE hUserData, LPVOID pData, DWORD cb, LPDWORD pcbWritten)
{
    static_cast<std::string*>(static_cast<void*>(hUserData))->append(static_cast<const char*>(pData), cb);
    *pcbWritten = cb;
    return TRUE;
}

class Spool : public PrinterWorldTest {
protected:
    void TearDown() override
    {
        SpoolClose(m_state);
        PrinterWorldTest::TearDown();
    }

    SPOOL_STATE* Create(WORD mode, WORD repeat = 1)
    {
        m_state = CreateTempFileStream(reinterpret_cast<HANDLE>(&m_out), mode, repeat, Record);
        return m_state;
    }

    void Write(WORD kind, const std::string& bytes)
    {
        SpoolSetSection(m_state, kind);
        // Two writes per section: a section is one stretch however many writes it took.
        const WORD half = static_cast<WORD>(bytes.size() / 2);
        if (half > 0) {
            ASSERT_EQ(SpoolWrite(m_state, reinterpret_cast<const BYTE*>(bytes.data()), half), half);
        }
        ASSERT_EQ(SpoolWrite(m_state, reinterpret_cast<const BYTE*>(bytes.data()) + half,
                             static_cast<WORD>(bytes.size() - half)),
                  static_cast<SHORT>(bytes.size() - half));
    }

    // A job of pages 1..n: header "H;", page i as "h<i>" "b<i>" "t<i>", trailer "T;".
    void WriteJob(int pages)
    {
        Write(kSectionHeader, "H;");
        for (int i = 1; i <= pages; ++i) {
            const std::string n = std::to_string(i);
            Write(kSectionPageHead, "h" + n);
            Write(kSectionPageBody, "b" + n);
            Write(kSectionPageTail, "t" + n);
        }
        Write(kSectionTrailer, "T;");
    }

    std::string m_out;
    SPOOL_STATE* m_state = nullptr;
};

TEST_F(Spool, BookletReplayPairsEachPageWithItsPartnerOnOneSide)
{
    struct Case { int pages; const char* expected; };
    const Case cases[] = {
        {0, "H;T;"},
        {1, "H;h1b1t1T;"},
        {2, "H;h1b1t1h2b2t2T;"},
        {5, "H;h1b1t1h2b2t2h3b3t3h4b4b5t5T;"},
        {8, "H;h1b1b8t8h2b2b7t7h3b3b6t6h4b4b5t5T;"},
        {9, "H;h1b1t1h2b2t2h3b3t3h4b4b9t9h5b5b8t8h6b6b7t7T;"},   // 12 sides: 10-12 are blank
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.pages << " pages");
        ASSERT_NE(Create(kStreamBooklet), nullptr);
        WriteJob(c.pages);
        EXPECT_EQ(m_state->cCompletedPages, static_cast<DWORD>(c.pages));
        EXPECT_EQ(m_out, "") << "nothing reaches the printer before the replay";
        EXPECT_EQ(SpoolReplay(m_state), 2) << "the trailer's two bytes were the last copy";
        EXPECT_EQ(m_out, c.expected);
        SpoolClose(m_state);
        m_state = nullptr;
        m_out.clear();
    }
}

TEST_F(Spool, ForwardAndReverseReplayRepeatTheWholeJob)
{
    struct Case { WORD mode; WORD repeat; const char* expected; };
    const Case cases[] = {
        {kStreamForward, 1, "H;h1b1t1h2b2t2h3b3t3T;"},
        {kStreamReverse, 1, "H;h3b3t3h2b2t2h1b1t1T;"},
        {kStreamForward, 2, "H;h1b1t1h2b2t2h3b3t3T;H;h1b1t1h2b2t2h3b3t3T;"},
        {kStreamReverse, 0, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "mode " << c.mode << " x" << c.repeat);
        ASSERT_NE(Create(c.mode, c.repeat), nullptr);
        WriteJob(3);
        EXPECT_GT(SpoolReplay(m_state), 0);
        EXPECT_EQ(m_out, c.expected);
        SpoolClose(m_state);
        m_state = nullptr;
        m_out.clear();
    }
}

TEST_F(Spool, SectionsAndPagesCanBeReplayedOneByOne)
{
    ASSERT_NE(Create(kStreamBooklet), nullptr);
    WriteJob(3);
    struct Case { DWORD index; DWORD flags; SHORT result; const char* expected; };
    const Case cases[] = {
        {0, kReplayHeader,    2, "H;"},
        {0, 0,                2, "T;"},
        {2, kReplayWholePage, 2, "h2b2t2"},
        {3, kReplayPageHead,  2, "h3"},
        {1, kReplayPageTail,  2, "t1"},
        {4, kReplayWholePage, kSpoolNothing, ""},
        {0, kReplayPageHead,  kSpoolNothing, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "index " << c.index << " flags " << c.flags);
        m_out.clear();
        EXPECT_EQ(SpoolReplaySection(m_state, c.index, c.flags), c.result);
        EXPECT_EQ(m_out, c.expected);
    }
    m_out.clear();
    EXPECT_EQ(SpoolReplayForward(m_state, 2, 3, kReplayNoHeader | kReplayNoTrailer | kReplayNoPageHead), 2);
    EXPECT_EQ(m_out, "b2t2b3t3");
}

TEST_F(Spool, DirectModePassesEveryWriteOnAtOnce)
{
    ASSERT_NE(Create(kStreamDirect), nullptr);
    SpoolSetSection(m_state, kSectionHeader);
    ASSERT_EQ(SpoolWrite(m_state, reinterpret_cast<const BYTE*>("abc"), 3), 3);
    EXPECT_EQ(m_out, "abc");
    SpoolSetSection(m_state, kSectionPageTail);
    ASSERT_EQ(SpoolWrite(m_state, reinterpret_cast<const BYTE*>("de"), 2), 2);
    EXPECT_EQ(m_out, "abcde");
    EXPECT_EQ(SpoolReplay(m_state), 1);
    EXPECT_EQ(m_out, "abcde") << "replay does nothing";
    EXPECT_EQ(SpoolWrite(m_state, reinterpret_cast<const BYTE*>("x"), 0), kSpoolNothing);
    EXPECT_EQ(SpoolWrite(m_state, nullptr, 1), kSpoolNothing);
}

TEST_F(Spool, TheSpoolFileIsATemporaryFileRemovedAtTheClose)
{
    ASSERT_NE(Create(kStreamBooklet), nullptr);
    const std::u16string name(m_state->szTempName);
    EXPECT_NE(name.find(u"\\spl"), std::u16string::npos) << "a unique name with the prefix spl";
    EXPECT_NE(GetFileAttributesW(name.c_str()), INVALID_FILE_ATTRIBUTES);
    SpoolClose(m_state);
    m_state = nullptr;
    EXPECT_EQ(GetFileAttributesW(name.c_str()), INVALID_FILE_ATTRIBUTES);
}

using Stream = PdevTest;

// A packet of the stream, built byte by byte from its layout.
std::vector<BYTE> Packet(std::initializer_list<int> head, const std::string& data = "")
{
    std::vector<BYTE> bytes;
    for (int b : head)
        bytes.push_back(static_cast<BYTE>(b));
    bytes.insert(bytes.end(), data.begin(), data.end());
    return bytes;
}

std::vector<BYTE> OpenPacket(WORD mode, BYTE formMode, const std::u16string& path)
{
    std::vector<BYTE> bytes(533, 0);
    bytes[0] = 1;
    bytes[1] = 21;
    bytes[4] = static_cast<BYTE>(mode);
    bytes[6] = 1;   // repeat count
    bytes[8] = formMode;
    std::memcpy(&bytes[9], path.c_str(), path.size() * sizeof(WCHAR));
    return bytes;
}

DWORD Command(GSRD_STREAM* pStream, const std::vector<BYTE>& packet)
{
    DWORD cbWritten = 0;
    const DWORD result = StreamCommand(pStream, packet.data(), static_cast<DWORD>(packet.size()), &cbWritten);
    EXPECT_EQ(cbWritten, result == 1 ? packet.size() : 0u);
    return result;
}

TEST_F(Stream, CarriesOutPacketsByTheirBytesAndRefusesWhatItsStateDoesNotAllow)
{
    StartJob();
    GSRD_STREAM* pStream = CreateOutputStream(m_hPrinter);
    ASSERT_NE(pStream, nullptr);
    EXPECT_EQ(Command(pStream, Packet({3, 4, 2, 0}, "ab")), 0u) << "no write before the open";
    EXPECT_EQ(Command(pStream, Packet({2, 6, 0, 0, 1, 0})), 0u) << "no section before the open";
    EXPECT_EQ(Command(pStream, OpenPacket(kStreamBooklet, 1, u"")), 1u);
    EXPECT_EQ(Command(pStream, Packet({2, 6, 0, 0, 1, 0})), 1u);
    EXPECT_EQ(Command(pStream, Packet({3, 4, 2, 0}, "H;")), 1u);
    EXPECT_EQ(Command(pStream, Packet({3, 4, 9, 0}, "H;")), 0u) << "a length beyond the packet";
    EXPECT_EQ(Command(pStream, Packet({2, 6, 0, 0, 3, 0})), 1u);
    EXPECT_EQ(Command(pStream, Packet({3, 4, 2, 0}, "b1")), 1u);
    EXPECT_EQ(Command(pStream, Packet({2, 6, 0, 0, 4, 0})), 1u);
    EXPECT_EQ(Command(pStream, Packet({3, 4, 2, 0}, "t1")), 1u);
    EXPECT_EQ(Command(pStream, Packet({2, 6, 0, 0, 5, 0})), 1u);
    EXPECT_EQ(Command(pStream, Packet({3, 4, 2, 0}, "T;")), 1u);
    EXPECT_EQ(Command(pStream, Packet({4, 4, 0, 0})), 1u);
    EXPECT_EQ(Command(pStream, Packet({5, 4, 0, 0})), 1u);
    EXPECT_EQ(Command(pStream, Packet({5, 4, 0, 0})), 0u) << "closed already";
    EXPECT_EQ(Command(pStream, Packet({9, 4, 0, 0})), 1u) << "an unknown command does nothing";
    FreeOutputStream(pStream);
    EXPECT_EQ(FinishJob(), "H;b1t1T;");
}

TEST_F(Stream, AFormFileIsMadeFromTheJobAndPlayedIntoTheNext)
{
    const std::u16string form = u"C:\\form.zfo";
    StartJob();
    GSRD_STREAM* pStream = CreateOutputStream(m_hPrinter);
    ASSERT_EQ(Command(pStream, OpenPacket(kStreamDirect, 2, form)), 1u);
    ASSERT_EQ(Command(pStream, Packet({3, 4, 6, 0}, "form;\n")), 1u);
    ASSERT_EQ(Command(pStream, Packet({5, 4, 0, 0})), 1u);
    FreeOutputStream(pStream);

    pStream = CreateOutputStream(m_hPrinter);
    ASSERT_EQ(Command(pStream, OpenPacket(kStreamDirect, 3, form)), 1u);
    ASSERT_EQ(Command(pStream, Packet({3, 4, 4, 0}, "mcr<")), 1u);
    ASSERT_EQ(Command(pStream, Packet({6, 4, 0, 0})), 1u);
    ASSERT_EQ(Command(pStream, Packet({3, 4, 2, 0}, ">;")), 1u);
    ASSERT_EQ(Command(pStream, Packet({5, 4, 0, 0})), 1u);
    FreeOutputStream(pStream);
    EXPECT_EQ(FinishJob(), "mcr<form;\n>;") << "the form's bytes went to its file, not the printer";

    pStream = CreateOutputStream(m_hPrinter);
    ASSERT_EQ(Command(pStream, OpenPacket(kStreamDirect, 3, u"C:\\missing.zfo")), 1u);
    EXPECT_EQ(Command(pStream, Packet({6, 4, 0, 0})), 0u) << "no form file to play";
    FreeOutputStream(pStream);
}

TEST_F(Stream, ASpoolFileThatCannotBeWrittenFailsTheWriteAndEveryLaterCommand)
{
    StartJob();
    GSRD_STREAM* pStream = CreateOutputStream(m_hPrinter);
    ASSERT_EQ(Command(pStream, OpenPacket(kStreamBooklet, 1, u"")), 1u);
    ASSERT_EQ(Command(pStream, Packet({2, 6, 0, 0, 1, 0})), 1u);
    const std::u16string spoolName(pStream->pSpool->szTempName);
    host::InjectFault(host::Fault::FileWrite, 1);
    EXPECT_EQ(Command(pStream, Packet({3, 4, 2, 0}, "H;")), 0u);
    host::ClearFaults();
    EXPECT_EQ(pStream->pSpool, nullptr);
    EXPECT_EQ(GetFileAttributesW(spoolName.c_str()), INVALID_FILE_ATTRIBUTES) << "the spool file is gone";
    EXPECT_EQ(Command(pStream, Packet({4, 4, 0, 0})), 0u);
    EXPECT_EQ(Command(pStream, Packet({5, 4, 0, 0})), 0u);
    FreeOutputStream(pStream);
}

} // namespace
