// fault_sweep_test.cpp - the sample document printed while the Nth global allocation, or the kth write to the
// spooler, fails: in a direct job, a booklet job (spooled, then replayed) and a job of four pages a sheet. Every
// run ends cleanly: the application sees the failure (a call that lost output, or EndDoc, fails), nothing of
// the world's memory is left behind, no job file or temporary file remains, and the next job prints whole. A
// run that reports success printed the job whole, or drew what it could not draw one way another way (glyphs
// as images when a downloaded font could not be made, an image halftoned): never fewer drawing commands on a
// sheet. The same for DocumentPropertiesW and DrvConvertDevMode: a failed allocation gives the documented
// failure and leaves the caller's devmode and the printer's data alone.
//
// Under `make test` each job sweep takes a sample of the calls (the first, the middle one and the last): a run
// prints the document twice, which takes seconds under an emulator. With QN_FULL_SWEEP=1 in the environment
// (as `make fuzz` runs it) every call fails once.
#include "host/faults.h"
#include "host/inspect.h"
#include "host/printers.h"
#include "host/world.h"
#include "settings/devmode/devmode_merge.h"
#include "settings/devmode/driver_devmode.h"
#include "support/printer_fixture.h"
#include "tools/sample/job_layout.h"
#include "tools/sample/sample_job.h"
#include "win/winddiui.h"

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

constexpr unsigned kCountAll = 1u << 30;   // an nth no job reaches: the countdown then counts its calls
constexpr unsigned kFirstCalls = 1;         // always swept one by one
constexpr unsigned kSampledCalls = 2;       // spread evenly over the rest under `make test`

bool FullSweep()
{
    const char* value = std::getenv("QN_FULL_SWEEP");
    return value != nullptr && std::string(value) == "1";
}

// The calls of a sweep over total calls: every one in a full sweep, else the first few, evenly spaced ones and
// the last.
std::vector<unsigned> SweptCalls(unsigned total)
{
    std::set<unsigned> calls;
    if (FullSweep()) {
        for (unsigned n = 1; n <= total; ++n)
            calls.insert(n);
    } else {
        for (unsigned n = 1; n <= total && n <= kFirstCalls; ++n)
            calls.insert(n);
        for (unsigned i = 1; i <= kSampledCalls; ++i)
            calls.insert(std::max(1u, total * i / kSampledCalls));
    }
    return {calls.begin(), calls.end()};
}

std::vector<std::filesystem::path> FilesIn(const std::filesystem::path& folder)
{
    std::vector<std::filesystem::path> files;
    std::error_code ec;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder, ec))
        if (entry.is_regular_file())
            files.push_back(entry.path());
    return files;
}

// The drawing commands of each sheet: every command but the font downloads ("fo..."), which a job without
// downloaded fonts does not need.
std::vector<std::map<std::string, int>> DrawingCommands(const JobLayout& layout)
{
    std::vector<std::map<std::string, int>> sheets(static_cast<size_t>(layout.sheets) + 1);
    for (const JobCommand& command : layout.commands)
        if (command.word.rfind("fo", 0) != 0 && command.sheet >= 0 && command.sheet < std::ssize(sheets))
            ++sheets[static_cast<size_t>(command.sheet)][command.word];
    return sheets;
}

int Total(const std::map<std::string, int>& counts)
{
    int total = 0;
    for (const auto& [word, count] : counts)
        total += count;
    return total;
}

// Empty when the job is whole: well formed, as many sheets as the reference, and on each sheet at least as
// many drawing commands; else what is missing.
std::string LostOutput(const std::string& job, const std::string& reference)
{
    if (job == reference)
        return {};
    const JobLayout got = ReadJobLayout(job);
    const JobLayout want = ReadJobLayout(reference);
    if (!got.fault.empty())
        return "a malformed job: " + got.fault;
    if (got.sheets != want.sheets)
        return std::to_string(got.sheets) + " sheets of " + std::to_string(want.sheets);
    const auto gotSheets = DrawingCommands(got);
    const auto wantSheets = DrawingCommands(want);
    for (size_t sheet = 0; sheet < wantSheets.size(); ++sheet)
        if (Total(gotSheets[sheet]) < Total(wantSheets[sheet]))
            return "sheet " + std::to_string(sheet) + " has " + std::to_string(Total(gotSheets[sheet])) +
                   " drawing commands of " + std::to_string(Total(wantSheets[sheet]));
    return {};
}

struct JobCase {
    const char* name;
    SampleJobOptions options;
    bool booklet;
    int pages;
};

const JobCase kJobCases[] = {
    {"direct", {}, false, 1},
    {"booklet", {}, true, 2},
    {"four pages a sheet", {0, 0, 0, 0, 4, {}}, false, 2},
};

class FaultSweep : public PrinterWorldTest {
protected:
    std::vector<BYTE> Devmode(const JobCase& c)
    {
        std::vector<BYTE> dm = SampleJobDevmode(kPrinterName, c.options);
        EXPECT_EQ(dm.size(), kDriverDevmodeSize);
        if (c.booklet && dm.size() == kDriverDevmodeSize)
            reinterpret_cast<DRIVER_DEVMODE*>(dm.data())->dmPrivate.layoutSelectCode = 4;
        return dm;
    }

    // The job's bytes, and its file removed; empty when it did not print.
    static std::string Take(const SampleJob& job)
    {
        std::string bytes = job.printed ? host::ReadJobFile(job.jobFile) : std::string();
        for (const auto& file : host::JobFiles(kPrinterName))
            std::filesystem::remove(file);
        return bytes;
    }

    // One run with the nth call of the kind failing; the reference is the job printed without a fault.
    void Run(const JobCase& c, const std::vector<BYTE>& dm, host::Fault fault, unsigned nth,
             const std::string& reference)
    {
        SCOPED_TRACE(testing::Message() << c.name << ", call " << nth << " fails");
        const unsigned live = host::LiveGlobalBlocks();
        const auto tempBefore = FilesIn(host::MapWindowsPath(u"C:\\TEMP"));
        host::InjectFault(fault, nth);
        const SampleJob job = PrintSampleDocument(kPrinterName, dm, c.pages);
        const bool met = host::FaultCountdown(fault) == 0;
        host::ClearFaults();
        const std::vector<std::filesystem::path> left = host::JobFiles(kPrinterName);
        const std::string bytes = Take(job);
        if (job.printed && job.drawn) {
            // Success was reported: then the job is whole, the fault absorbed or never met.
            EXPECT_EQ(LostOutput(bytes, reference), "") << "a job reported printed lost output";
            if (!met) {
                EXPECT_TRUE(bytes == reference) << "a job that met no fault differs";
            }
        } else {
            EXPECT_TRUE(met) << "a failure without the fault: " << job.failure;
            if (!job.printed) {
                EXPECT_TRUE(left.empty()) << left.size() << " job files stay after " << job.failure;
            }
        }
        EXPECT_EQ(host::LiveGlobalBlocks(), live) << "global memory left behind";
        EXPECT_EQ(FilesIn(host::MapWindowsPath(u"C:\\TEMP")), tempBefore) << "temporary files left behind";
        if (!met)
            return;   // the run itself was the next job
        // The next job on a new device context prints whole.
        const SampleJob next = PrintSampleDocument(kPrinterName, dm, c.pages);
        EXPECT_TRUE(next.printed && next.drawn) << next.failure;
        EXPECT_TRUE(Take(next) == reference) << "the job after the fault is not whole";
    }

    void Sweep(host::Fault fault, const JobCase& c)
    {
        const std::vector<BYTE> dm = Devmode(c);
        host::InjectFault(fault, kCountAll);
        const SampleJob clean = PrintSampleDocument(kPrinterName, dm, c.pages);
        const unsigned total = kCountAll - host::FaultCountdown(fault);
        host::ClearFaults();
        ASSERT_TRUE(clean.printed && clean.drawn) << c.name << ": " << clean.failure;
        const std::string reference = Take(clean);
        ASSERT_EQ(ReadJobLayout(reference).fault, "") << c.name;
        ASSERT_GT(total, 0u) << c.name;
        for (unsigned nth : SweptCalls(total))
            Run(c, dm, fault, nth, reference);
        // One past the last call: the job does not meet the fault (a sample has seen a whole job after each run).
        if (FullSweep())
            Run(c, dm, fault, total + 1, reference);
    }
};

// Each kind of job its own test, so that the sweeps run side by side.
class JobFaultSweep : public FaultSweep, public testing::WithParamInterface<size_t> {};

TEST_P(JobFaultSweep, EveryFailedAllocationOfTheJobIsSeenAndSurvived)
{
    Sweep(host::Fault::GlobalAlloc, kJobCases[GetParam()]);
}

TEST_P(JobFaultSweep, EveryFailedWriteOfTheJobIsSeenAndSurvived)
{
    Sweep(host::Fault::WritePrinter, kJobCases[GetParam()]);
}

std::string JobCaseName(const testing::TestParamInfo<size_t>& info)
{
    static const char* const names[] = {"Direct", "Booklet", "FourPagesASheet"};
    return names[info.param];
}

INSTANTIATE_TEST_SUITE_P(Jobs, JobFaultSweep, testing::Range<size_t>(0, std::size(kJobCases)), JobCaseName);

// The printer's data values, as text, for comparing before and after.
std::string PrinterDataDump()
{
    return host::RegistryDump(HKEY_LOCAL_MACHINE, u"SYSTEM\\CurrentControlSet\\Control\\Print\\Printers");
}

TEST_F(FaultSweep, AFailedAllocationOfADevmodeCallFailsItAndChangesNothing)
{
    HMODULE module = LoadLibraryW(u"C:\\WINDOWS\\system32\\spool\\drivers\\w32x86\\3\\Q73MZRU3.DLL");
    ASSERT_NE(module, nullptr);
    auto* convert = reinterpret_cast<BOOL (*)(LPWSTR, PDEVMODEW, PDEVMODEW, PLONG, DWORD)>(
        GetProcAddress(module, "DrvConvertDevMode"));
    ASSERT_NE(convert, nullptr);
    const std::vector<BYTE> in = SampleJobDevmode(kPrinterName, {DMPAPER_A3, DMORIENT_LANDSCAPE, 2, 0, 4, {}});
    ASSERT_EQ(in.size(), kDriverDevmodeSize);

    struct Call {
        const char* name;
        bool (*run)(HANDLE hPrinter, decltype(convert) convert, std::vector<BYTE>& in, std::vector<BYTE>& out);
    };
    const Call calls[] = {
        {"DocumentPropertiesW",
         [](HANDLE hPrinter, decltype(convert), std::vector<BYTE>& in, std::vector<BYTE>& out) {
             const LONG answer = DocumentPropertiesW(nullptr, hPrinter, const_cast<LPWSTR>(kPrinterName),
                                                     reinterpret_cast<PDEVMODEW>(out.data()),
                                                     reinterpret_cast<PDEVMODEW>(in.data()),
                                                     DM_IN_BUFFER | DM_OUT_BUFFER);
             EXPECT_TRUE(answer == 1 || answer < 0) << answer;
             return answer == 1;
         }},
        {"DrvConvertDevMode CDM_CONVERT",
         [](HANDLE, decltype(convert) convert, std::vector<BYTE>& in, std::vector<BYTE>& out) {
             // The output's header names the layout wanted: the driver's own.
             std::memcpy(out.data(), in.data(), kMinDevmodeHeaderSize);
             LONG cb = static_cast<LONG>(out.size());
             return convert(const_cast<LPWSTR>(kPrinterName), reinterpret_cast<PDEVMODEW>(in.data()),
                            reinterpret_cast<PDEVMODEW>(out.data()), &cb, CDM_CONVERT) != FALSE;
         }},
        {"DrvConvertDevMode CDM_DRIVER_DEFAULT",
         [](HANDLE, decltype(convert) convert, std::vector<BYTE>&, std::vector<BYTE>& out) {
             LONG cb = static_cast<LONG>(out.size());
             return convert(const_cast<LPWSTR>(kPrinterName), nullptr, reinterpret_cast<PDEVMODEW>(out.data()), &cb,
                            CDM_DRIVER_DEFAULT) != FALSE;
         }},
    };
    for (const Call& call : calls) {
        std::vector<BYTE> input = in;
        std::vector<BYTE> expected(kDriverDevmodeSize, 0);
        host::InjectFault(host::Fault::GlobalAlloc, kCountAll);
        ASSERT_TRUE(call.run(m_hPrinter, convert, input, expected)) << call.name;
        const unsigned total = kCountAll - host::FaultCountdown(host::Fault::GlobalAlloc);
        host::ClearFaults();
        const std::string stored = PrinterDataDump();
        for (unsigned nth = 1; nth <= total; ++nth) {   // a few calls each: always the full sweep
            SCOPED_TRACE(testing::Message() << call.name << ", allocation " << nth << " of " << total);
            const unsigned live = host::LiveGlobalBlocks();
            std::vector<BYTE> out(kDriverDevmodeSize, 0xCD);
            host::InjectFault(host::Fault::GlobalAlloc, nth);
            SetLastError(0);
            const bool done = call.run(m_hPrinter, convert, input, out);
            const DWORD error = GetLastError();
            host::ClearFaults();
            EXPECT_EQ(input, in) << "the caller's devmode is not touched";
            EXPECT_EQ(PrinterDataDump(), stored) << "the printer's data is not touched";
            EXPECT_EQ(host::LiveGlobalBlocks(), live);
            if (done)
                EXPECT_EQ(out, expected) << "a call that answers success hands out the whole devmode";
            else
                EXPECT_NE(error, 0u) << "the failure has its reason";
        }
    }
    FreeLibrary(module);
}

} // namespace
