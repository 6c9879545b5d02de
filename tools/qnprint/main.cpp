// main.cpp - qnprint: sets up a world with the printer QN-804C, shows what the driver sees of it and prints a
// sample document through it.
// The world lives in a folder (out/world for `make demo`); its registry is kept in a file there, so
// settings made by one run are there for the next.
#include "driver_answers.h"
#include "sample_document.h"
#include "host/inspect.h"
#include "host/printers.h"
#include "host/text.h"
#include "host/world.h"
#include "settings/devmode_defaults.h"
#include "settings/res_library.h"
#include "win/windows.h"

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

namespace {

std::string Text(const WCHAR* text)
{
    return text == nullptr ? std::string("(none)") : host::ToUtf8(text);
}

// Answers GetPrinterW's size question, then reads the record into a buffer of that size.
std::vector<BYTE> ReadPrinterInfo(HANDLE printer, DWORD level)
{
    DWORD needed = 0;
    GetPrinterW(printer, level, nullptr, 0, &needed);
    std::vector<BYTE> buffer(needed);
    if (needed == 0 || !GetPrinterW(printer, level, buffer.data(), needed, &needed))
        buffer.clear();
    return buffer;
}

std::vector<BYTE> ReadDriverInfo(HANDLE printer)
{
    DWORD needed = 0;
    GetPrinterDriverW(printer, nullptr, 2, nullptr, 0, &needed);
    std::vector<BYTE> buffer(needed);
    if (needed == 0 || !GetPrinterDriverW(printer, nullptr, 2, buffer.data(), needed, &needed))
        buffer.clear();
    return buffer;
}

void ShowInstalledPrinter(const std::u16string& name)
{
    HANDLE printer = nullptr;
    std::u16string printerName = name;
    if (!OpenPrinterW(printerName.data(), &printer, nullptr)) {
        std::printf("qnprint: cannot open the printer (error %lu)\n", GetLastError());
        return;
    }
    const std::vector<BYTE> info = ReadPrinterInfo(printer, 2);
    if (!info.empty()) {
        const auto* p2 = reinterpret_cast<const PRINTER_INFO_2W*>(info.data());
        std::printf("printer    %s (driver %s, port %s)\n", Text(p2->pPrinterName).c_str(),
                    Text(p2->pDriverName).c_str(), Text(p2->pPortName).c_str());
    }
    const std::vector<BYTE> driver = ReadDriverInfo(printer);
    if (!driver.empty()) {
        const auto* d2 = reinterpret_cast<const DRIVER_INFO_2W*>(driver.data());
        std::printf("graphics   %s\n", Text(d2->pDriverPath).c_str());
        std::printf("interface  %s\n", Text(d2->pConfigFile).c_str());
        std::printf("data       %s\n", Text(d2->pDataFile).c_str());
    }
    ClosePrinter(printer);

    std::printf("\ndriver directory (%s):\n",
                host::MapWindowsPath(u"C:\\WINDOWS\\system32\\spool\\drivers\\w32x86\\3").c_str());
    for (const auto& entry : std::filesystem::directory_iterator(
             host::MapWindowsPath(u"C:\\WINDOWS\\system32\\spool\\drivers\\w32x86\\3")))
        std::printf("  %s\n", entry.path().filename().c_str());

    std::printf("\nregistry:\n%s", host::RegistryDump(HKEY_LOCAL_MACHINE,
                                                      u"SYSTEM\\CurrentControlSet\\Control\\Print\\Printers")
                                       .c_str());
}

// The devmode a new document on the printer starts from, before any merge or validation.
void ShowDefaultDevmode(const std::u16string& name)
{
    HANDLE printer = nullptr;
    std::u16string printerName = name;
    if (!OpenPrinterW(printerName.data(), &printer, nullptr))
        return;
    RES_MODULE_CELL* cell = OpenResModule();
    DRIVER_DEVMODE dm = {};
    const BOOL built = BuildDefaultDevmode(cell, &dm, nullptr, printer);
    CloseResModule(cell);
    ClosePrinter(printer);
    if (!built)
        return;
    const DEVMODEW& pub = dm.dmPublic;
    const PRIVATE_DEVMODE& priv = dm.dmPrivate;
    std::printf("\ndefault devmode (%u + %u bytes, version 0x%04X, dmSpecVersion 0x%04X):\n", pub.dmSize, pub.dmDriverExtra,
                pub.dmDriverVersion, pub.dmSpecVersion);
    std::printf("  device %s, fields 0x%08lX\n", Text(pub.dmDeviceName).c_str(), pub.dmFields);
    std::printf("  paper %d, orientation %d, copies %d, source %d, collate %d\n", pub.dmPaperSize, pub.dmOrientation,
                pub.dmCopies, pub.dmDefaultSource, pub.dmCollate);
    std::printf("  resolution %d x %d dpi, colour %d, duplex %d, scale %d\n", pub.dmPrintQuality, pub.dmYResolution,
                pub.dmColor, pub.dmDuplex, pub.dmScale);
    std::printf("  output paper %u, graphics mode %u, pages per sheet %u (layout %u), zoom %d%% (check %u)\n",
                priv.lpOutputPaper, priv.lpGraphicsMode, priv.lpLayout, priv.Layout_Check, priv.Zoom, priv.ZoomCheck);
    std::printf("  form overlay mode %u, output language %u\n", priv.lpOverlay, priv.lpPDLType);
}

} // namespace

int main(int argc, char** argv)
{
    std::filesystem::path world = "out/world";
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--world") == 0 && i + 1 < argc) {
            world = argv[++i];
        } else {
            std::fprintf(stderr, "usage: qnprint [--world FOLDER]\n");
            return 2;
        }
    }
    try {
        host::CreateWorld(world);
        host::KeepRegistryInFile(true);
        host::InstallPrinter();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "qnprint: %s\n", e.what());
        return 1;
    }
    std::printf("world      %s\n", std::filesystem::absolute(world).c_str());
    ShowInstalledPrinter(u"QN-804C");
    ShowDefaultDevmode(u"QN-804C");
    ShowInterfaceModuleAnswers(u"QN-804C");
    return PrintSampleDocument(u"QN-804C") ? 0 : 1;
}
