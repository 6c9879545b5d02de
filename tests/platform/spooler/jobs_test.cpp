// jobs_test.cpp - printing documents: job ids, the bytes in each job's file, faults and aborts.
#include "host/faults.h"
#include "host/printers.h"
#include "host/world.h"
#include "support/printer_fixture.h"
#include "win/windows.h"

#include <fstream>
#include <functional>
#include <sstream>
#include <string>

using PrintJobs = PrinterWorldTest;

static std::string FileBytes(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

static DWORD StartDoc(HANDLE hPrinter)
{
    DOC_INFO_1W doc = {const_cast<LPWSTR>(u"Document"), nullptr, const_cast<LPWSTR>(u"RAW")};
    return StartDocPrinterW(hPrinter, 1, reinterpret_cast<LPBYTE>(&doc));
}

static BOOL Write(HANDLE hPrinter, std::string_view bytes, DWORD& written)
{
    written = 12345;
    return WritePrinter(hPrinter, const_cast<char*>(bytes.data()), static_cast<DWORD>(bytes.size()), &written);
}

TEST_F(PrintJobs, AJobFileHoldsExactlyTheBytesWritten)
{
    const DWORD id = StartDoc(m_hPrinter);
    ASSERT_GT(id, 0u);
    ASSERT_TRUE(StartPagePrinter(m_hPrinter));
    DWORD written = 0;
    const std::string_view chunks[] = {"\x1B%-12345X@PJL\r\n", std::string_view("\0\xFF\0", 3), "", "end"};
    std::string expected;
    for (std::string_view chunk : chunks) {
        EXPECT_TRUE(Write(m_hPrinter, chunk, written));
        EXPECT_EQ(written, chunk.size());
        expected += chunk;
    }
    ASSERT_TRUE(EndPagePrinter(m_hPrinter));
    ASSERT_TRUE(EndDocPrinter(m_hPrinter));

    const std::vector<std::filesystem::path> files = host::JobFiles();
    ASSERT_EQ(files.size(), 1u);
    EXPECT_EQ(files[0], m_root / "spool" / "QN-804C" / ("job-" + std::to_string(id) + ".prn"));
    EXPECT_EQ(FileBytes(files[0]), expected);
}

TEST_F(PrintJobs, JobFilesListsTheJobsOldestFirstAndAbortedJobsLeaveNoFile)
{
    std::vector<std::filesystem::path> expected;
    for (int job = 0; job < 12; ++job) {   // past job 9, so that "job-10" must not sort before "job-2"
        const DWORD id = StartDoc(m_hPrinter);
        ASSERT_GT(id, 0u);
        DWORD written = 0;
        ASSERT_TRUE(Write(m_hPrinter, std::to_string(job), written));
        if (job == 4) {
            ASSERT_TRUE(AbortPrinter(m_hPrinter));
            continue;
        }
        ASSERT_TRUE(EndDocPrinter(m_hPrinter));
        expected.push_back(m_root / "spool" / "QN-804C" / ("job-" + std::to_string(id) + ".prn"));
    }
    EXPECT_EQ(host::JobFiles(u"qn-804c"), expected);
    EXPECT_EQ(FileBytes(expected.back()), "11");
    EXPECT_TRUE(host::JobFiles(u"Other printer").empty());
}

TEST_F(PrintJobs, CallsThatNeedADocumentFailWithoutOne)
{
    struct Case { const char* what; std::function<BOOL()> call; };
    DWORD written = 0;
    const Case cases[] = {
        {"WritePrinter",     [&] { return Write(m_hPrinter, "x", written); }},
        {"StartPagePrinter", [&] { return StartPagePrinter(m_hPrinter); }},
        {"EndPagePrinter",   [&] { return EndPagePrinter(m_hPrinter); }},
        {"EndDocPrinter",    [&] { return EndDocPrinter(m_hPrinter); }},
        {"AbortPrinter",     [&] { return AbortPrinter(m_hPrinter); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SetLastError(0);
        EXPECT_FALSE(c.call());
        EXPECT_EQ(GetLastError(), DWORD{ERROR_SPL_NO_STARTDOC});
    }
    EXPECT_EQ(written, 0u);
    EXPECT_TRUE(host::JobFiles().empty());
}

TEST_F(PrintJobs, EveryJobCallRefusesAHandleThatIsNotAPrinter)
{
    const HANDLE bad = reinterpret_cast<HANDLE>(0x1234);
    DWORD written = 0;
    SetLastError(0);
    EXPECT_EQ(StartDoc(bad), 0u);
    EXPECT_EQ(GetLastError(), DWORD{ERROR_INVALID_HANDLE});
    for (const auto& call : std::initializer_list<std::function<BOOL()>>{
             [&] { return Write(bad, "x", written); }, [&] { return StartPagePrinter(bad); },
             [&] { return EndPagePrinter(bad); }, [&] { return EndDocPrinter(bad); },
             [&] { return AbortPrinter(bad); }}) {
        SetLastError(0);
        EXPECT_FALSE(call());
        EXPECT_EQ(GetLastError(), DWORD{ERROR_INVALID_HANDLE});
    }
}

TEST_F(PrintJobs, StartDocRefusesOtherLevelsAndASecondDocumentOnTheSameHandle)
{
    DOC_INFO_1W doc = {const_cast<LPWSTR>(u"Document"), nullptr, nullptr};
    SetLastError(0);
    EXPECT_EQ(StartDocPrinterW(m_hPrinter, 2, reinterpret_cast<LPBYTE>(&doc)), 0u);
    EXPECT_EQ(GetLastError(), DWORD{ERROR_INVALID_LEVEL});
    EXPECT_EQ(StartDocPrinterW(m_hPrinter, 1, nullptr), 0u);
    EXPECT_EQ(GetLastError(), DWORD{ERROR_INVALID_PARAMETER});

    ASSERT_GT(StartDoc(m_hPrinter), 0u);
    DWORD written = 0;
    ASSERT_TRUE(Write(m_hPrinter, "first", written));
    EXPECT_EQ(StartDoc(m_hPrinter), 0u);
    EXPECT_EQ(GetLastError(), DWORD{ERROR_INVALID_PRINTER_STATE});
    ASSERT_TRUE(Write(m_hPrinter, " goes on", written));
    ASSERT_TRUE(EndDocPrinter(m_hPrinter));
    ASSERT_EQ(host::JobFiles().size(), 1u);
    EXPECT_EQ(FileBytes(host::JobFiles()[0]), "first goes on");
}

TEST_F(PrintJobs, AnInjectedWriteFaultWritesNothingAndTheJobGoesOn)
{
    ASSERT_GT(StartDoc(m_hPrinter), 0u);
    DWORD written = 0;
    ASSERT_TRUE(Write(m_hPrinter, "AB", written));
    host::InjectFault(host::Fault::WritePrinter, 1);
    SetLastError(0);
    EXPECT_FALSE(Write(m_hPrinter, "CD", written));
    EXPECT_EQ(GetLastError(), DWORD{ERROR_WRITE_FAULT});
    EXPECT_EQ(written, 0u);
    EXPECT_TRUE(Write(m_hPrinter, "EF", written));
    ASSERT_TRUE(EndDocPrinter(m_hPrinter));
    EXPECT_EQ(FileBytes(host::JobFiles().at(0)), "ABEF");
}

TEST_F(PrintJobs, WritePrinterRefusesMissingPointers)
{
    ASSERT_GT(StartDoc(m_hPrinter), 0u);
    SetLastError(0);
    EXPECT_FALSE(WritePrinter(m_hPrinter, const_cast<char*>("x"), 1, nullptr));
    EXPECT_EQ(GetLastError(), DWORD{ERROR_INVALID_PARAMETER});
    DWORD written = 7;
    EXPECT_FALSE(WritePrinter(m_hPrinter, nullptr, 1, &written));
    EXPECT_EQ(GetLastError(), DWORD{ERROR_INVALID_PARAMETER});
    EXPECT_EQ(written, 0u);
    EXPECT_TRUE(WritePrinter(m_hPrinter, nullptr, 0, &written));
    ASSERT_TRUE(EndDocPrinter(m_hPrinter));
    EXPECT_EQ(FileBytes(host::JobFiles().at(0)), "");
}

TEST_F(PrintJobs, ClosingThePrinterKeepsWhatTheOpenJobWrote)
{
    ASSERT_GT(StartDoc(m_hPrinter), 0u);
    DWORD written = 0;
    ASSERT_TRUE(Write(m_hPrinter, "kept", written));
    ASSERT_TRUE(ClosePrinter(m_hPrinter));
    m_hPrinter = nullptr;
    ASSERT_EQ(host::JobFiles().size(), 1u);
    EXPECT_EQ(FileBytes(host::JobFiles()[0]), "kept");
}

TEST_F(PrintJobs, ANewWorldOnTheSameRootNeverOverwritesAnEarlierJobFile)
{
    ASSERT_GT(StartDoc(m_hPrinter), 0u);
    DWORD written = 0;
    ASSERT_TRUE(Write(m_hPrinter, "earlier run", written));
    ASSERT_TRUE(EndDocPrinter(m_hPrinter));
    const std::filesystem::path earlier = host::JobFiles().at(0);

    host::CreateWorld(m_root);   // the job counter starts again
    host::InstallPrinter();
    HANDLE hPrinter = nullptr;
    ASSERT_TRUE(OpenPrinterW(const_cast<LPWSTR>(kPrinterName), &hPrinter, nullptr));
    ASSERT_GT(StartDoc(hPrinter), 0u);
    ASSERT_TRUE(Write(hPrinter, "this run", written));
    ASSERT_TRUE(EndDocPrinter(hPrinter));
    ClosePrinter(hPrinter);
    m_hPrinter = nullptr;

    const std::vector<std::filesystem::path> files = host::JobFiles();
    ASSERT_EQ(files.size(), 2u);
    EXPECT_EQ(files[0], earlier);
    EXPECT_EQ(FileBytes(files[0]), "earlier run");
    EXPECT_EQ(FileBytes(files[1]), "this run");
}
