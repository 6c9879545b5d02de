#pragma once
// printers.h - installs printers in the stand-in spooler and finds the jobs they printed.

#include <filesystem>
#include <span>
#include <string>
#include <vector>

namespace host {

struct PrinterSetup {
    std::u16string name = u"QN-804C";
    std::u16string driverName = u"QN-804C";
    std::u16string driverFile = u"Q73MZRG3.DLL";   // the graphics module
    std::u16string configFile = u"Q73MZRU3.DLL";   // the interface module
    std::u16string dataFile = u"Q73MZRU3.DLL";
    std::u16string portName = u"FILE:";
    std::filesystem::path moduleDir;                // where the built modules are; empty: the platform's own folder
};

// Installs the printer: its driver's files are placed in the driver directory (as links to the built
// modules and the resource library), its key is made under HKLM\SYSTEM\CurrentControlSet\Control\Print\Printers.
// Installing a printer of the same name again replaces its record and keeps its printer data. Throws
// std::invalid_argument for a name Windows would refuse (empty, or holding '\\' or ','), std::runtime_error
// when a module file is missing from the module folder, std::logic_error before CreateWorld.
void InstallPrinter(const PrinterSetup& setup = {});

// Sets the printer's stored default devmode (GetPrinterW level 2 answers a copy of it); empty bytes remove it.
// The bytes are kept as they are, as the REG_BINARY "Default DevMode" under the printer's key. Throws
// std::invalid_argument for a printer that is not installed.
void SetPrinterDevmode(const std::u16string& printerName, std::span<const unsigned char> devmode);

// The folder of the built modules (the folder the platform library itself was loaded from).
std::filesystem::path BuiltModuleDirectory();

// Every job file the printer's jobs were written to, oldest first; each holds exactly the WritePrinter bytes.
std::vector<std::filesystem::path> JobFiles(const std::u16string& printerName = u"QN-804C");

// The bytes of a job file (one of JobFiles), exactly as written; empty for a file that cannot be read.
std::string ReadJobFile(const std::filesystem::path& jobFile);

} // namespace host
