// application_bench.cpp - a plain Win32 application printing a ten-page report, timed as its writer would time
// it: QueryPerformanceCounter from CreateDCW to DeleteDC. Each A4 page holds forty lines of text, twenty outlined
// shapes, a Bézier path filled and stroked, and a 1200 x 900 24-bit photograph. Only the world's set-up and the
// graphics module's share of the time come from the host; the printing is Windows calls alone.
//
//     application_bench [--profile] [--job FILE] [runs]
//         runs        how many times the report is printed (default 3); the fastest run is reported
//         --profile   samples every run and prints the functions that took the most time
//         --job FILE  keeps a copy of the last run's job, to compare the bytes a change prints
#include "host/gdi.h"
#include "host/printers.h"
#include "host/world.h"
#include "sampling_profile.h"
#include "win/windows.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace {

constexpr const WCHAR* kPrinter = u"QN-804C";
constexpr int kPages = 10;
constexpr int kLinesPerPage = 40;    // a heading and 39 lines of body text
constexpr int kShapesPerPage = 20;
constexpr int kPhotoWidth = 1200;
constexpr int kPhotoHeight = 900;

struct Photograph {
    BITMAPINFO info = {};
    std::vector<BYTE> bits;
};

// Smooth colour gradients with a little grain, bottom-up rows of whole 32-bit words, as a scanned picture is.
Photograph MakePhotograph()
{
    Photograph photo;
    const int rowBytes = (kPhotoWidth * 3 + 3) / 4 * 4;
    photo.bits.resize(static_cast<size_t>(rowBytes) * kPhotoHeight);
    unsigned grain = 2024;
    for (int y = 0; y < kPhotoHeight; ++y) {
        BYTE* row = photo.bits.data() + static_cast<size_t>(y) * rowBytes;
        for (int x = 0; x < kPhotoWidth; ++x) {
            grain = grain * 1103515245u + 12345u;
            const int noise = static_cast<int>((grain >> 16) % 13) - 6;
            row[3 * x + 0] = static_cast<BYTE>(std::clamp(255 * x / kPhotoWidth + noise, 0, 255));
            const int diagonal = 255 * (x + y) / (kPhotoWidth + kPhotoHeight);
            row[3 * x + 1] = static_cast<BYTE>(std::clamp(diagonal + noise, 0, 255));
            row[3 * x + 2] = static_cast<BYTE>(std::clamp(255 * y / kPhotoHeight + noise, 0, 255));
        }
    }
    photo.info.bmiHeader.biSize = sizeof photo.info.bmiHeader;
    photo.info.bmiHeader.biWidth = kPhotoWidth;
    photo.info.bmiHeader.biHeight = kPhotoHeight;
    photo.info.bmiHeader.biPlanes = 1;
    photo.info.bmiHeader.biBitCount = 24;
    photo.info.bmiHeader.biCompression = BI_RGB;
    return photo;
}

// One page of the report, laid out in device units from the page's own size and resolution.
bool PrintPage(HDC hdc, int page, HFONT heading, HFONT body, const Photograph& photo)
{
    const int dpi = GetDeviceCaps(hdc, LOGPIXELSY);
    const int width = GetDeviceCaps(hdc, HORZRES);
    const int margin = dpi / 2;
    const int lineHeight = dpi * 12 / 72;   // 12-point lines of 10-point text
    bool ok = StartPage(hdc) > 0;

    WCHAR line[128];
    SetBkMode(hdc, TRANSPARENT);
    HGDIOBJ oldFont = SelectObject(hdc, heading);
    const int headingLength = wsprintfW(line, u"Quarterly report - page %d of %d", page + 1, kPages);
    ok = TextOutW(hdc, margin, margin, line, headingLength) && ok;
    SelectObject(hdc, body);
    for (int i = 0; i + 1 < kLinesPerPage; ++i) {
        const int length =
            wsprintfW(line, u"%3d. The quick brown fox jumps over the lazy dog; item %05d costs %d.%02d",
                      i + 1, page * kLinesPerPage + i, 10 + i, (i * 37) % 100);
        ok = TextOutW(hdc, margin, margin + dpi / 2 + i * lineHeight, line, length) && ok;
    }
    SelectObject(hdc, oldFont);

    // Twenty outlined shapes in a row of boxes and circles under the text, and a rule between them.
    const int top = margin + dpi / 2 + kLinesPerPage * lineHeight + dpi / 4;
    const int cell = (width - 2 * margin) / 10;
    HPEN pen = CreatePen(PS_SOLID, dpi / 100, RGB(0, 0, 128));
    HGDIOBJ oldPen = SelectObject(hdc, pen);
    HGDIOBJ oldBrush = SelectObject(hdc, GetStockObject(NULL_BRUSH));
    for (int i = 0; i < kShapesPerPage; ++i) {
        const int left = margin + (i % 10) * cell;
        const int y = top + (i / 10) * cell;
        ok = (i % 2 == 0 ? Rectangle(hdc, left + 8, y + 8, left + cell - 8, y + cell - 8)
                         : Ellipse(hdc, left + 8, y + 8, left + cell - 8, y + cell - 8)) &&
             ok;
    }
    ok = MoveToEx(hdc, margin, top - dpi / 8, nullptr) && LineTo(hdc, width - margin, top - dpi / 8) && ok;

    // A wave filled in a light colour and stroked, as a chart's curve.
    const int waveTop = top + 2 * cell + dpi / 4;
    HBRUSH fill = CreateSolidBrush(RGB(200, 220, 255));
    SelectObject(hdc, fill);
    const POINT curve[] = {
        {margin + cell * 2, waveTop - dpi / 2}, {margin + cell * 3, waveTop + dpi / 2}, {margin + cell * 5, waveTop},
        {margin + cell * 6, waveTop - dpi / 2}, {margin + cell * 8, waveTop + dpi / 2}, {width - margin, waveTop},
    };
    ok = BeginPath(hdc) && MoveToEx(hdc, margin, waveTop, nullptr) &&
         PolyBezierTo(hdc, curve, static_cast<DWORD>(std::size(curve))) &&
         LineTo(hdc, width - margin, waveTop + dpi) && LineTo(hdc, margin, waveTop + dpi) && CloseFigure(hdc) &&
         EndPath(hdc) && StrokeAndFillPath(hdc) && ok;
    SelectObject(hdc, oldBrush);
    SelectObject(hdc, oldPen);
    DeleteObject(fill);
    DeleteObject(pen);

    // The photograph at 4 x 3 inches under the chart.
    const int photoTop = waveTop + dpi + dpi / 4;
    SetStretchBltMode(hdc, HALFTONE);
    ok = StretchDIBits(hdc, margin, photoTop, 4 * dpi, 3 * dpi, 0, 0, kPhotoWidth, kPhotoHeight, photo.bits.data(),
                       &photo.info, DIB_RGB_COLORS, SRCCOPY) == kPhotoHeight &&
         ok;
    return EndPage(hdc) > 0 && ok;
}

struct Run {
    double seconds = 0;          // CreateDCW to DeleteDC
    double driverSeconds = 0;    // of that, inside the graphics module's hooks
    uintmax_t jobBytes = 0;
    bool ok = false;
};

double Seconds(const LARGE_INTEGER& from, const LARGE_INTEGER& to, const LARGE_INTEGER& frequency)
{
    return static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

Run PrintReport(const Photograph& photo)
{
    Run run;
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    host::ResetGraphicsModuleTime();
    QueryPerformanceCounter(&start);

    HDC hdc = CreateDCW(nullptr, kPrinter, nullptr, nullptr);
    if (hdc == nullptr)
        return run;
    const int dpi = GetDeviceCaps(hdc, LOGPIXELSY);
    HFONT heading = CreateFontW(-MulDiv(16, dpi, 72), 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, ANSI_CHARSET,
                                OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, VARIABLE_PITCH | FF_SWISS,
                                u"Arial");
    HFONT body = CreateFontW(-MulDiv(10, dpi, 72), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET,
                             OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, VARIABLE_PITCH | FF_ROMAN,
                             u"Times New Roman");
    DOCINFOW di = {sizeof di, u"Quarterly report", nullptr, nullptr, 0};
    run.ok = heading != nullptr && body != nullptr && StartDocW(hdc, &di) > 0;
    for (int page = 0; run.ok && page < kPages; ++page)
        run.ok = PrintPage(hdc, page, heading, body, photo);
    run.ok = EndDoc(hdc) > 0 && run.ok;
    DeleteDC(hdc);
    DeleteObject(heading);
    DeleteObject(body);

    QueryPerformanceCounter(&end);
    run.seconds = Seconds(start, end, frequency);
    run.driverSeconds = static_cast<double>(host::GraphicsModuleTime().count()) / 1e9;
    const auto jobs = host::JobFiles(kPrinter);
    if (jobs.empty())
        run.ok = false;
    else
        run.jobBytes = std::filesystem::file_size(jobs.back());
    return run;
}

// The printer's graphics module, loaded once more so that it stays at one address while the profile runs: the
// printing loads and frees it with each device context, and a freed module's samples could not be named.
HMODULE PinGraphicsModule()
{
    HANDLE printer = nullptr;
    if (!OpenPrinterW(const_cast<WCHAR*>(kPrinter), &printer, nullptr))
        return nullptr;
    DWORD needed = 0;
    GetPrinterDriverW(printer, nullptr, 2, nullptr, 0, &needed);
    std::vector<BYTE> info(needed);
    HMODULE module = nullptr;
    if (needed != 0 && GetPrinterDriverW(printer, nullptr, 2, info.data(), needed, &needed))
        module = LoadLibraryW(reinterpret_cast<const DRIVER_INFO_2W*>(info.data())->pDriverPath);
    ClosePrinter(printer);
    return module;
}

} // namespace

int main(int argc, char** argv)
{
    int runs = 3;
    bool profile = false;
    std::filesystem::path keepJob;
    for (int i = 1; i < argc; ++i) {
        if (std::string(argv[i]) == "--profile")
            profile = true;
        else if (std::string(argv[i]) == "--job" && i + 1 < argc)
            keepJob = argv[++i];
        else
            runs = std::max(1, std::atoi(argv[i]));
    }
    const std::filesystem::path root = std::filesystem::temp_directory_path() / "qn_application_bench_world";
    std::filesystem::remove_all(root);
    host::CreateWorld(root);
    host::InstallPrinter();

    const Photograph photo = MakePhotograph();   // the application's picture is not the printing's work
    std::vector<Run> all;
    const HMODULE pinned = profile ? PinGraphicsModule() : nullptr;
    if (profile)
        StartSamplingProfile();
    for (int i = 0; i < runs; ++i)
        all.push_back(PrintReport(photo));
    if (profile)
        StopSamplingProfile(stdout, 40);
    if (pinned != nullptr)
        FreeLibrary(pinned);
    const Run best = *std::min_element(all.begin(), all.end(),
                                       [](const Run& a, const Run& b) { return a.seconds < b.seconds; });
    std::printf("report of %d pages (%d text lines, %d shapes, a Bezier path, a %d x %d photograph a page)\n", kPages,
                kLinesPerPage, kShapesPerPage, kPhotoWidth, kPhotoHeight);
    std::printf("  CreateDCW to DeleteDC %8.3f s, %7.1f ms a page%s\n", best.seconds, 1000.0 * best.seconds / kPages,
                best.ok ? "" : "  FAILED");
    std::printf("  graphics module       %7.1f%% of the time\n", 100.0 * best.driverSeconds / best.seconds);
    std::printf("  job                   %8.1f KB, %6.1f KB a page\n", best.jobBytes / 1e3,
                best.jobBytes / 1e3 / kPages);
    std::printf("(fastest of %d runs)\n", runs);
    if (!keepJob.empty()) {
        const auto jobs = host::JobFiles(kPrinter);
        std::error_code error;
        if (jobs.empty() ||
            !std::filesystem::copy_file(jobs.back(), keepJob, std::filesystem::copy_options::overwrite_existing,
                                        error)) {
            std::fprintf(stderr, "cannot keep the job as %s\n", keepJob.string().c_str());
            return 1;
        }
    }
    std::filesystem::remove_all(root);
    return best.ok ? 0 : 1;
}
