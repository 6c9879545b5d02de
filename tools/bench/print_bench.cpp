// print_bench.cpp - whole jobs through the platform, timed: a page holding one full-page photograph, and the
// sample document of ten pages. Each is printed as an application prints it (CreateDCW, StartDocW, drawing
// calls, EndDoc) into a job file; the time spent inside the graphics module's hooks is read from the host.
//
//     print_bench [runs]     (default 3; the fastest run of each is reported)
#include "host/gdi.h"
#include "host/printers.h"
#include "host/world.h"
#include "tools/sample/job_layout.h"
#include "tools/sample/sample_job.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

constexpr const char16_t* kPrinter = u"QN-804C";
constexpr int kSourceDpi = 300;        // the photograph's own resolution; the page is 600 dpi
constexpr int kDocumentPages = 10;

double Seconds(Clock::duration d)
{
    return std::chrono::duration<double>(d).count();
}

struct Run {
    double seconds = 0;          // CreateDCW to DeleteDC
    double driverSeconds = 0;    // of that, inside the graphics module's hooks
    uintmax_t jobBytes = 0;
    std::string images;          // the image commands of the job, as "word bits" with their counts
    bool ok = false;
};

// The job's image commands by word and bit depth ("bmt 1" x 1), to show whether the photograph was halftoned
// (one bit) or sent as gray levels (eight bits).
std::string ImageCommands(const JobLayout& layout)
{
    std::map<std::string, int> counts;
    for (const JobCommand& command : layout.commands)
        if (command.word == "imt" || command.word == "imm" || command.word == "bmt" || command.word == "bmm")
            ++counts[command.text.substr(0, 5)];
    std::string text;
    for (const auto& [kind, count] : counts)
        text += (text.empty() ? "" : ", ") + kind + " x " + std::to_string(count);
    return text.empty() ? "none" : text;
}

// A photograph-like 24-bit picture: smooth colour gradients with a little grain, bottom-up rows.
std::vector<BYTE> MakePhotograph(int width, int height, int rowBytes)
{
    std::vector<BYTE> bits(static_cast<size_t>(rowBytes) * height);
    unsigned grain = 12345;
    for (int y = 0; y < height; ++y) {
        BYTE* row = bits.data() + static_cast<size_t>(y) * rowBytes;
        for (int x = 0; x < width; ++x) {
            grain = grain * 1103515245u + 12345u;
            const int noise = static_cast<int>((grain >> 16) % 17) - 8;
            const int dx = x - width / 2;
            const int dy = y - height / 3;
            const int radial = 255 - std::min(255, static_cast<int>((dx * dx + dy * dy) / (width * 4 + 1)));
            row[3 * x + 0] = static_cast<BYTE>(std::clamp(255 * x / width + noise, 0, 255));
            row[3 * x + 1] = static_cast<BYTE>(std::clamp(radial + noise, 0, 255));
            row[3 * x + 2] = static_cast<BYTE>(std::clamp(255 * y / height + noise, 0, 255));
        }
    }
    return bits;
}

struct Photograph {
    int pageWidth = 0;    // the printable page, in device pixels
    int pageHeight = 0;
    BITMAPINFO info = {};
    std::vector<BYTE> bits;
};

// The photograph for the printer's page at kSourceDpi, made before any clock starts: the application's picture
// is not the driver's work. The page's size comes from a device context made for the purpose.
Photograph MakePagePhotograph()
{
    Photograph photo;
    HDC hdc = CreateDCW(nullptr, kPrinter, nullptr, nullptr);
    if (hdc == nullptr)
        return photo;
    const int dpi = GetDeviceCaps(hdc, LOGPIXELSY);
    photo.pageWidth = GetDeviceCaps(hdc, HORZRES);
    photo.pageHeight = GetDeviceCaps(hdc, VERTRES);
    DeleteDC(hdc);
    if (dpi <= 0)
        return photo;
    const int width = photo.pageWidth * kSourceDpi / dpi;
    const int height = photo.pageHeight * kSourceDpi / dpi;
    photo.bits = MakePhotograph(width, height, (width * 3 + 3) / 4 * 4);
    photo.info.bmiHeader.biSize = sizeof photo.info.bmiHeader;
    photo.info.bmiHeader.biWidth = width;
    photo.info.bmiHeader.biHeight = height;
    photo.info.bmiHeader.biPlanes = 1;
    photo.info.bmiHeader.biBitCount = 24;
    photo.info.bmiHeader.biCompression = BI_RGB;
    return photo;
}

// Prints one page holding the photograph stretched over the whole printable page.
Run PrintPhotographPage(const Photograph& photo)
{
    Run run;
    const LONG height = photo.info.bmiHeader.biHeight;
    host::ResetGraphicsModuleTime();
    const Clock::time_point start = Clock::now();
    HDC hdc = CreateDCW(nullptr, kPrinter, nullptr, nullptr);
    DOCINFOW di = {sizeof di, u"Photograph", nullptr, nullptr, 0};
    run.ok = hdc != nullptr && StartDocW(hdc, &di) > 0 && StartPage(hdc) > 0 &&
             StretchDIBits(hdc, 0, 0, photo.pageWidth, photo.pageHeight, 0, 0, photo.info.bmiHeader.biWidth, height,
                           photo.bits.data(), &photo.info, DIB_RGB_COLORS, SRCCOPY) == height &&
             EndPage(hdc) > 0 && EndDoc(hdc) > 0;
    if (hdc != nullptr)
        DeleteDC(hdc);
    run.seconds = Seconds(Clock::now() - start);
    run.driverSeconds = Seconds(host::GraphicsModuleTime());
    const auto jobs = host::JobFiles(kPrinter);
    if (run.ok && !jobs.empty()) {
        run.jobBytes = std::filesystem::file_size(jobs.back());
        const JobLayout layout = ReadJobLayout(host::ReadJobFile(jobs.back()));
        run.images = ImageCommands(layout);
        run.ok = layout.fault.empty();
    }
    return run;
}

// Prints the sample document of ten pages with the printer's own settings.
Run PrintTenPageDocument()
{
    Run run;
    const std::vector<BYTE> devmode = SampleJobDevmode(kPrinter, {});
    host::ResetGraphicsModuleTime();
    const Clock::time_point start = Clock::now();
    const SampleJob job = PrintSampleDocument(kPrinter, devmode, kDocumentPages);
    run.seconds = Seconds(Clock::now() - start);
    run.driverSeconds = Seconds(host::GraphicsModuleTime());
    if (job.printed && !job.jobFile.empty()) {
        run.jobBytes = std::filesystem::file_size(job.jobFile);
        const JobLayout layout = ReadJobLayout(host::ReadJobFile(job.jobFile));
        run.images = ImageCommands(layout);
        run.ok = layout.fault.empty() && layout.sheets == kDocumentPages;
    }
    return run;
}

Run Fastest(const std::vector<Run>& runs)
{
    return *std::min_element(runs.begin(), runs.end(),
                             [](const Run& a, const Run& b) { return a.seconds < b.seconds; });
}

} // namespace

int main(int argc, char** argv)
{
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
    const std::filesystem::path root = std::filesystem::temp_directory_path() / "qn_print_bench_world";
    std::filesystem::remove_all(root);
    host::CreateWorld(root);
    host::InstallPrinter();

    const Photograph photograph = MakePagePhotograph();
    if (photograph.bits.empty()) {
        std::fprintf(stderr, "print_bench: no device context on the printer\n");
        return 1;
    }
    const int sourceWidth = photograph.info.bmiHeader.biWidth;
    const int sourceHeight = photograph.info.bmiHeader.biHeight;
    const size_t rawBytes = photograph.bits.size();
    std::vector<Run> photo;
    std::vector<Run> document;
    for (int i = 0; i < runs; ++i) {
        photo.push_back(PrintPhotographPage(photograph));
        document.push_back(PrintTenPageDocument());
    }
    const Run p = Fastest(photo);
    const Run d = Fastest(document);
    std::printf("full-page photograph (%d x %d pixels at %d dpi, 24 bits, stretched onto the %d x %d pixel page)\n",
                sourceWidth, sourceHeight, kSourceDpi, photograph.pageWidth, photograph.pageHeight);
    std::printf("  time           %8.3f s (graphics module %5.1f%%)\n", p.seconds,
                100.0 * p.driverSeconds / p.seconds);
    std::printf("  source image   %8.2f MB raw\n", rawBytes / 1e6);
    std::printf("  job            %8.2f MB (%.1f%% of the source), images: %s%s\n", p.jobBytes / 1e6,
                100.0 * static_cast<double>(p.jobBytes) / static_cast<double>(rawBytes), p.images.c_str(),
                p.ok ? "" : "  FAILED");
    std::printf("sample document, %d pages, end to end\n", kDocumentPages);
    std::printf("  time           %8.3f s, %6.1f ms a page (graphics module %5.1f%%)\n", d.seconds,
                1000.0 * d.seconds / kDocumentPages, 100.0 * d.driverSeconds / d.seconds);
    std::printf("  job            %8.1f KB, %6.1f KB a page, images: %s%s\n", d.jobBytes / 1e3,
                d.jobBytes / 1e3 / kDocumentPages, d.images.c_str(), d.ok ? "" : "  FAILED");
    std::printf("(fastest of %d runs)\n", runs);
    std::filesystem::remove_all(root);
    return p.ok && d.ok ? 0 : 1;
}
