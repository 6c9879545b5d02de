// jobs.cpp - printing documents: each job's bytes go to a spool file of its own,
// <world root>/spool/<printer>/job-<id>.prn, which host::JobFiles finds.
#include "common/world_state.h"
#include "host/printers.h"
#include "spooler/spooler_state.h"
#include "win/winspool.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>

using namespace platform::spooler;

static std::string JobFileName(DWORD id)
{
    return "job-" + std::to_string(id) + ".prn";
}

// The job id a spool file's name carries, or false for another file.
static bool ParseJobFileName(const std::string& name, DWORD& id)
{
    constexpr std::string_view kPrefix = "job-";
    constexpr std::string_view kSuffix = ".prn";
    if (name.size() <= kPrefix.size() + kSuffix.size() || !name.starts_with(kPrefix) || !name.ends_with(kSuffix))
        return false;
    const char* first = name.data() + kPrefix.size();
    const char* last = name.data() + name.size() - kSuffix.size();
    const auto result = std::from_chars(first, last, id);
    return result.ec == std::errc() && result.ptr == last;
}

// Starts a job's spool file. The file is always new: a world root used before may still hold job files of
// an earlier run, and those ids are passed over rather than overwritten (the folder holds finitely many, so
// the search ends).
static std::unique_ptr<Job> CreateJob(const Printer& printer)
{
    const std::filesystem::path folder = SpoolFolder(printer.name);
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    while (true) {
        auto job = std::make_unique<Job>();
        job->id = NextJobId();
        job->file = folder / JobFileName(job->id);
        job->stream.reset(std::fopen(job->file.c_str(), "wbx"));   // x: fails when the file exists
        if (job->stream != nullptr)
            return job;
        if (errno != EEXIST)
            return nullptr;
    }
}

// The handle's record with its started job, or null with the last error set.
static std::shared_ptr<PrinterHandle> FindHandleWithJob(HANDLE hPrinter)
{
    std::shared_ptr<PrinterHandle> handle = FindPrinterHandle(hPrinter);
    if (handle == nullptr) {
        SetLastError(ERROR_INVALID_HANDLE);
        return nullptr;
    }
    if (handle->job == nullptr) {
        SetLastError(ERROR_SPL_NO_STARTDOC);
        return nullptr;
    }
    return handle;
}

DWORD WINAPI StartDocPrinterW(HANDLE hPrinter, DWORD Level, LPBYTE pDocInfo)
{
    auto lock = LockSpooler();
    const std::shared_ptr<PrinterHandle> handle = FindPrinterHandle(hPrinter);
    if (handle == nullptr) {
        SetLastError(ERROR_INVALID_HANDLE);
        return 0;
    }
    if (Level != 1) {
        SetLastError(ERROR_INVALID_LEVEL);
        return 0;
    }
    if (pDocInfo == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    if (handle->job != nullptr) {   // one document at a time per handle
        SetLastError(ERROR_INVALID_PRINTER_STATE);
        return 0;
    }
    std::unique_ptr<Job> job = CreateJob(*handle->printer);
    if (job == nullptr) {
        SetLastError(ERROR_WRITE_FAULT);
        return 0;
    }
    const DWORD id = job->id;
    handle->job = std::move(job);
    return id;
}

BOOL WINAPI StartPagePrinter(HANDLE hPrinter)
{
    auto lock = LockSpooler();
    return FindHandleWithJob(hPrinter) != nullptr;
}

BOOL WINAPI EndPagePrinter(HANDLE hPrinter)
{
    auto lock = LockSpooler();
    return FindHandleWithJob(hPrinter) != nullptr;
}

BOOL WINAPI WritePrinter(HANDLE hPrinter, LPVOID pBuf, DWORD cbBuf, LPDWORD pcWritten)
{
    if (pcWritten == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    *pcWritten = 0;
    auto lock = LockSpooler();
    const std::shared_ptr<PrinterHandle> handle = FindHandleWithJob(hPrinter);
    if (handle == nullptr)
        return FALSE;
    if (pBuf == nullptr && cbBuf > 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    if (platform::ShouldFail(platform::FaultKind::WritePrinter)) {
        SetLastError(ERROR_WRITE_FAULT);
        return FALSE;
    }
    std::FILE* stream = handle->job->stream.get();
    const size_t written = cbBuf == 0 ? 0 : std::fwrite(pBuf, 1, cbBuf, stream);
    *pcWritten = static_cast<DWORD>(written);
    // Flushed at once, so that the spool file holds every byte reported written.
    if (std::fflush(stream) != 0 || written != cbBuf) {
        SetLastError(ERROR_WRITE_FAULT);
        return FALSE;
    }
    return TRUE;
}

BOOL WINAPI EndDocPrinter(HANDLE hPrinter)
{
    auto lock = LockSpooler();
    const std::shared_ptr<PrinterHandle> handle = FindHandleWithJob(hPrinter);
    if (handle == nullptr)
        return FALSE;
    handle->job.reset();   // closes the spool file, which stays as the finished job
    return TRUE;
}

BOOL WINAPI AbortPrinter(HANDLE hPrinter)
{
    auto lock = LockSpooler();
    const std::shared_ptr<PrinterHandle> handle = FindHandleWithJob(hPrinter);
    if (handle == nullptr)
        return FALSE;
    const std::filesystem::path file = handle->job->file;
    handle->job.reset();
    std::error_code ec;
    std::filesystem::remove(file, ec);
    return TRUE;
}

std::vector<std::filesystem::path> host::JobFiles(const std::u16string& printerName)
{
    auto lock = LockSpooler();
    if (platform::WorldRootPath().empty())
        return {};
    const std::shared_ptr<const Printer> printer = FindPrinter(printerName);
    const std::filesystem::path folder = SpoolFolder(printer != nullptr ? printer->name : printerName);

    std::vector<std::pair<DWORD, std::filesystem::path>> jobs;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(folder, ec)) {
        DWORD id = 0;
        if (ParseJobFileName(entry.path().filename().string(), id))
            jobs.emplace_back(id, entry.path());
    }
    std::sort(jobs.begin(), jobs.end());
    std::vector<std::filesystem::path> files;
    for (auto& job : jobs)
        files.push_back(std::move(job.second));
    return files;
}

std::string host::ReadJobFile(const std::filesystem::path& jobFile)
{
    std::ifstream in(jobFile, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}
