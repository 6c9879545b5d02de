#pragma once
// spooler_state.h - the stand-in spooler's printers, the handles open on them and the documents those
// handles print; shared by the files of the spooler service.
// Every function here except LockSpooler expects the caller to hold the lock it returns.

#include "win/winspool.h"

#include <cstdio>
#include <filesystem>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>

namespace platform::spooler {

struct Printer {
    std::u16string name;
    std::u16string driverName;
    std::u16string driverFile;   // file names in the driver directory
    std::u16string configFile;
    std::u16string dataFile;
    std::u16string portName;
};

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

// A document being printed: its job id and the spool file its bytes go to.
struct Job {
    DWORD id = 0;
    std::filesystem::path file;
    std::unique_ptr<std::FILE, FileCloser> stream;
};

struct PrinterHandle {
    std::shared_ptr<const Printer> printer;
    std::unique_ptr<Job> job;   // null while no document is started
};

std::unique_lock<std::mutex> LockSpooler();

// The installed printer of that name (printer names are compared without regard to case), or null.
std::shared_ptr<const Printer> FindPrinter(std::u16string_view name);
// Records a printer; one of the same name is replaced (handles open on it keep what they opened).
void AddPrinter(Printer printer);

HANDLE AddPrinterHandle(std::shared_ptr<const Printer> printer);
// The handle's record, or null for a value OpenPrinterW did not hand out (or that was closed).
std::shared_ptr<PrinterHandle> FindPrinterHandle(HANDLE hPrinter);
bool RemovePrinterHandle(HANDLE hPrinter);
// How many documents are being printed on the printer, through any handle.
DWORD ActiveJobCount(const Printer& printer);

// A fresh job id for this world.
DWORD NextJobId();

// The printer's key below HKEY_LOCAL_MACHINE: SYSTEM\CurrentControlSet\Control\Print\Printers\<name>.
std::u16string PrinterKeyPath(std::u16string_view printerName);
// The host folder the printer's spool files go to: <world root>/spool/<name>.
std::filesystem::path SpoolFolder(std::u16string_view printerName);

} // namespace platform::spooler
