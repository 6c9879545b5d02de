// vqpdl_stream_bench.cpp - pushes a large synthetic job (short command lines and 64 KB image blocks) through
// PdlPrintf and PdlWrite, the engine's packets and the output stream into a spooler job file, and writes the
// same bytes with a plain buffered fwrite; prints both rates and their ratio.
//
//     vqpdl_stream_bench [megabytes]     (default 256; at least 200 for a figure worth quoting)
#include "customnt/vqddigfx/enable_pdev.h"
#include "customnt/vqddigfx/page_dispatch.h"
#include "host/printers.h"
#include "host/world.h"
#include "pdl/vxcmn/streamnt.h"
#include "pdl/vxcmn/vqpdlnt/job_control.h"
#include "settings/devmode/devmode_defaults.h"
#include "settings/devmode/devmode_validate.h"
#include "win/winspool.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace {

constexpr size_t kBlockSize = 65536;
constexpr int kLinesPerBlock = 64;

using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// The arguments of the i-th short line: a rectangle, a colour or a move, as drawing code writes them.
struct Line {
    int kind;
    int a, b, c, d;
};

Line LineAt(size_t i)
{
    const int n = static_cast<int>(i);
    return Line{n % 3, n % 4961, (n * 7) % 7016, n % 613 + 1, n % 97 + 1};
}

int PrintLine(PDEV* pdev, const Line& line)
{
    switch (line.kind) {
    case 0:
        return PdlPrintf(pdev, "rct %d %d %d %d;\n", line.a, line.b, line.c, line.d);
    case 1:
        return PdlPrintf(pdev, "brc %d #%X;\n", line.d % 11, line.a * 4099);
    default:
        return PdlPrintf(pdev, "mta %d %d;\n", line.a, line.b);
    }
}

int FormatLine(char* buffer, const Line& line)
{
    switch (line.kind) {
    case 0:
        return std::snprintf(buffer, 256, "rct %d %d %d %d;\n", line.a, line.b, line.c, line.d);
    case 1:
        return std::snprintf(buffer, 256, "brc %d #%02X;\n", line.d % 11, line.a * 4099);
    default:
        return std::snprintf(buffer, 256, "mta %d %d;\n", line.a, line.b);
    }
}

bool SameContents(const std::filesystem::path& a, const std::filesystem::path& b)
{
    std::FILE* fa = std::fopen(a.string().c_str(), "rb");
    std::FILE* fb = std::fopen(b.string().c_str(), "rb");
    bool same = fa != nullptr && fb != nullptr;
    std::vector<char> bufferA(1 << 20);
    std::vector<char> bufferB(1 << 20);
    while (same) {
        const size_t na = std::fread(bufferA.data(), 1, bufferA.size(), fa);
        const size_t nb = std::fread(bufferB.data(), 1, bufferB.size(), fb);
        same = na == nb && std::equal(bufferA.begin(), bufferA.begin() + static_cast<long>(na), bufferB.begin());
        if (na == 0)
            break;
    }
    if (fa != nullptr)
        std::fclose(fa);
    if (fb != nullptr)
        std::fclose(fb);
    return same;
}

} // namespace

int main(int argc, char** argv)
{
    const size_t megabytes = argc > 1 ? std::strtoul(argv[1], nullptr, 10) : 256;
    const size_t target = megabytes * 1024 * 1024;
    const std::filesystem::path root = std::filesystem::temp_directory_path() / "qn_bench_world";
    std::filesystem::remove_all(root);
    host::CreateWorld(root);
    host::InstallPrinter();

    HANDLE hPrinter = nullptr;
    PRINTER_DEFAULTSW defaults = {nullptr, nullptr, PRINTER_ALL_ACCESS};
    if (!OpenPrinterW(const_cast<LPWSTR>(u"QN-804C"), &hPrinter, &defaults)) {
        std::fprintf(stderr, "cannot open the printer\n");
        return 1;
    }
    DRIVER_DEVMODE dm = {};
    RES_MODULE_CELL* pCell = OpenResModule();
    BuildDefaultDevmodeGfx(pCell, &dm, u"QN-804C");
    ValidateDevmode(pCell, &dm, hPrinter);
    CloseResModule(pCell);
    GDIINFO gdiInfo;
    DEVINFO devInfo;
    auto* pdev = reinterpret_cast<PDEV*>(EnablePDEVImpl(&dm.dmPublic, nullptr, 0, nullptr, sizeof gdiInfo,
                                                        reinterpret_cast<ULONG*>(&gdiInfo), sizeof devInfo,
                                                        &devInfo, nullptr, const_cast<LPWSTR>(u"QN-804C"),
                                                        hPrinter));
    if (pdev == nullptr) {
        std::fprintf(stderr, "DrvEnablePDEV failed\n");
        return 1;
    }
    SURFOBJ surface = {};
    surface.dhpdev = reinterpret_cast<DHPDEV>(pdev);
    std::vector<char> block(kBlockSize);
    for (size_t i = 0; i < block.size(); ++i)
        block[i] = static_cast<char>(i * 31 + 7);

    // The driver's path: one document, one page, everything the writer is given reaching the job file.
    DOC_INFO_1W docInfo = {const_cast<LPWSTR>(u"Bench"), nullptr, nullptr};
    StartDocPrinterW(hPrinter, 1, reinterpret_cast<LPBYTE>(&docInfo));
    const Clock::time_point driverStart = Clock::now();
    EngineStartDoc(&surface, const_cast<LPWSTR>(u"Bench"), 1);
    PdlSuppressJobFraming(pdev);   // no job header or sheet eject: both sides write exactly the same bytes
    EngineStartPage(&surface);
    size_t written = 0;
    size_t lines = 0;
    while (written < target) {
        for (int i = 0; i < kLinesPerBlock; ++i)
            written += static_cast<size_t>(PrintLine(pdev, LineAt(lines++)));
        written += static_cast<size_t>(PdlPrintf(pdev, "imt 8 %d %d %d %d <!", 256, 256, 0, 0));
        PdlWrite(pdev, block.data(), static_cast<DWORD>(block.size()));
        written += block.size() + static_cast<size_t>(PdlPrintf(pdev, "!>;\n"));
    }
    EngineSendPage(&surface);
    const BOOL ended = EngineEndDoc(&surface, 0);
    EndDocPrinter(hPrinter);
    const double driverSeconds = Seconds(driverStart);
    const auto jobs = host::JobFiles(u"QN-804C");
    const uintmax_t jobBytes = jobs.empty() ? 0 : std::filesystem::file_size(jobs.back());

    // The same bytes through a plain buffered fwrite.
    const std::filesystem::path plainPath = root / "plain.bin";
    std::FILE* plain = std::fopen(plainPath.string().c_str(), "wb");
    const Clock::time_point plainStart = Clock::now();
    char line[256];
    size_t plainWritten = 0;
    for (size_t n = 0; plainWritten < written;) {
        for (int i = 0; i < kLinesPerBlock; ++i)
            plainWritten += std::fwrite(line, 1, static_cast<size_t>(FormatLine(line, LineAt(n++))), plain);
        plainWritten += std::fwrite("imt 8 256 256 0 0 <!", 1, 20, plain);
        plainWritten += std::fwrite(block.data(), 1, block.size(), plain);
        plainWritten += std::fwrite("!>;\n", 1, 4, plain);
    }
    std::fclose(plain);
    const double plainSeconds = Seconds(plainStart);
    const uintmax_t plainBytes = std::filesystem::file_size(plainPath);

    const bool same = jobBytes == plainBytes && !jobs.empty() && SameContents(jobs.back(), plainPath);
    const double mb = static_cast<double>(written) / (1024.0 * 1024.0);
    std::printf("bytes          driver %ju (job file), plain %ju, %s, ended %s\n", jobBytes, plainBytes,
                same ? "the same" : "DIFFERENT", ended ? "ok" : "FAILED");
    std::printf("driver stream  %8.1f MB in %6.3f s = %8.1f MB/s\n", mb, driverSeconds, mb / driverSeconds);
    std::printf("plain fwrite   %8.1f MB in %6.3f s = %8.1f MB/s\n", mb, plainSeconds, mb / plainSeconds);
    std::printf("ratio          driver / plain = %.2f\n", (mb / driverSeconds) / (mb / plainSeconds));

    DisablePDEVImpl(reinterpret_cast<DHPDEV>(pdev));
    ClosePrinter(hPrinter);
    std::filesystem::remove_all(root);
    return same && ended ? 0 : 1;
}
