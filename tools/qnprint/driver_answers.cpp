// driver_answers.cpp - qnprint's view of the interface module: device capabilities and printer data.
#include "driver_answers.h"
#include "host/text.h"
#include "settings/devmode/driver_devmode.h"
#include "win/winddiui.h"

#include <cstdio>
#include <cstring>
#include <vector>

namespace {

constexpr const char16_t* kInterfaceModule = u"C:\\WINDOWS\\system32\\spool\\drivers\\w32x86\\3\\Q73MZRU3.DLL";
constexpr DWORD kNotSupported = static_cast<DWORD>(-1);

using DeviceCapabilitiesFn = DWORD (*)(HANDLE, LPWSTR, WORD, PVOID, PDEVMODEW);
using PrinterEventFn = BOOL (*)(LPWSTR, INT, DWORD, LPARAM);

std::vector<BYTE> ReadPrinterData(HANDLE printer, const char16_t* valueName, DWORD* type)
{
    DWORD needed = 0;
    GetPrinterDataW(printer, const_cast<LPWSTR>(valueName), type, nullptr, 0, &needed);
    std::vector<BYTE> data(needed);
    if (needed == 0 || GetPrinterDataW(printer, const_cast<LPWSTR>(valueName), type, data.data(), needed,
                                       &needed) != ERROR_SUCCESS)
        data.clear();
    return data;
}

void ShowCapabilities(DeviceCapabilitiesFn ask, HANDLE printer)
{
    const DWORD paperCount = ask(printer, nullptr, DC_PAPERS, nullptr, nullptr);
    if (paperCount == kNotSupported || paperCount == 0) {
        std::printf("  no papers (answer %lu)\n", paperCount);
        return;
    }
    std::vector<WORD> papers(paperCount);
    std::vector<POINT> sizes(paperCount);
    std::vector<WCHAR> names(paperCount * 64);
    ask(printer, nullptr, DC_PAPERS, papers.data(), nullptr);
    ask(printer, nullptr, DC_PAPERSIZE, sizes.data(), nullptr);
    ask(printer, nullptr, DC_PAPERNAMES, names.data(), nullptr);
    std::printf("  papers (%lu):\n", paperCount);
    for (DWORD i = 0; i < paperCount; ++i)
        std::printf("    %5u  %-28s %6.1f x %6.1f mm\n", papers[i], host::ToUtf8(&names[i * 64]).c_str(),
                    sizes[i].x / 10.0, sizes[i].y / 10.0);

    const DWORD binCount = ask(printer, nullptr, DC_BINS, nullptr, nullptr);
    if (binCount != kNotSupported && binCount != 0) {
        std::vector<WORD> bins(binCount);
        std::vector<WCHAR> binNames(binCount * 24);
        ask(printer, nullptr, DC_BINS, bins.data(), nullptr);
        ask(printer, nullptr, DC_BINNAMES, binNames.data(), nullptr);
        std::printf("  bins (%lu):\n", binCount);
        for (DWORD i = 0; i < binCount; ++i)
            std::printf("    %5u  %s\n", bins[i], host::ToUtf8(&binNames[i * 24]).c_str());
    }

    const DWORD resolutionCount = ask(printer, nullptr, DC_ENUMRESOLUTIONS, nullptr, nullptr);
    if (resolutionCount != kNotSupported && resolutionCount != 0) {
        std::vector<LONG> resolutions(2 * resolutionCount);
        ask(printer, nullptr, DC_ENUMRESOLUTIONS, resolutions.data(), nullptr);
        std::printf("  resolutions:");
        for (DWORD i = 0; i < resolutionCount; ++i)
            std::printf(" %ld x %ld dpi", resolutions[2 * i], resolutions[2 * i + 1]);
        std::printf("\n");
    }

    WCHAR personality[32] = {};
    ask(printer, nullptr, DC_PERSONALITY, personality, nullptr);
    std::printf("  copies up to %lu, duplex %lu, staple %lu, colour %lu, personality %s\n",
                ask(printer, nullptr, DC_COPIES, nullptr, nullptr), ask(printer, nullptr, DC_DUPLEX, nullptr, nullptr),
                ask(printer, nullptr, DC_STAPLE, nullptr, nullptr),
                ask(printer, nullptr, DC_COLORDEVICE, nullptr, nullptr), host::ToUtf8(personality).c_str());
    std::printf("  devmode %lu + %lu bytes, version 0x%04lX, driver 0x%04lX\n",
                ask(printer, nullptr, DC_SIZE, nullptr, nullptr), ask(printer, nullptr, DC_EXTRA, nullptr, nullptr),
                ask(printer, nullptr, DC_VERSION, nullptr, nullptr), ask(printer, nullptr, DC_DRIVER, nullptr, nullptr));
}

void ShowPrinterWideDevmode(HANDLE printer)
{
    DWORD type = 0;
    const std::vector<BYTE> stored = ReadPrinterData(printer, u"ZTORQ NT", &type);
    if (stored.size() != sizeof(DRIVER_DEVMODE)) {
        std::printf("  \"ZTORQ NT\": %zu bytes, not the driver's devmode\n", stored.size());
        return;
    }
    DRIVER_DEVMODE dm;
    std::memcpy(&dm, stored.data(), sizeof dm);
    const DEVMODEW& pub = dm.dmPublic;
    const DEVMODE_ENV_EXTRA& env = dm.dmPrivate.env;
    char model[sizeof env.modelCode + 1] = {};
    std::memcpy(model, &env.modelCode, sizeof env.modelCode);
    std::printf("  \"ZTORQ NT\" (type %lu, %zu bytes): device %s, model code %s\n", type, stored.size(),
                host::ToUtf8(pub.dmDeviceName).c_str(), model);
    std::printf("    paper %d (%d x %d, 0.1 mm), copies %d, source %d, %d dpi, duplex %d\n", pub.dmPaperSize,
                pub.dmPaperWidth, pub.dmPaperLength, pub.dmCopies, pub.dmDefaultSource, pub.dmPrintQuality,
                pub.dmDuplex);
    std::printf("    installed options: source unit %u, output unit %u, hard disk %u, memory %u, "
                "output language %u\n",
                env.lpSourceUnit, env.lpOutputUnit, env.lpHardDisk, env.lpMemory, dm.dmPrivate.lpPDLType);
    const std::vector<BYTE> companion = ReadPrinterData(printer, u"SPLUserModePrinterDriver", &type);
    if (!companion.empty())
        std::printf("  \"SPLUserModePrinterDriver\": %s\n",
                    host::ToUtf8(reinterpret_cast<const WCHAR*>(companion.data())).c_str());
}

} // namespace

void ShowInterfaceModuleAnswers(const std::u16string& printerName)
{
    std::u16string name = printerName;
    HANDLE printer = nullptr;
    if (!OpenPrinterW(name.data(), &printer, nullptr))
        return;
    const HMODULE module = LoadLibraryW(kInterfaceModule);
    if (module == nullptr) {
        std::printf("\nqnprint: the interface module does not load (error %lu)\n", GetLastError());
        ClosePrinter(printer);
        return;
    }
    const auto ask = reinterpret_cast<DeviceCapabilitiesFn>(GetProcAddress(module, "DrvDeviceCapabilities"));
    const auto printerEvent = reinterpret_cast<PrinterEventFn>(GetProcAddress(module, "DrvPrinterEvent"));
    DWORD type = 0;
    if (printerEvent != nullptr && ReadPrinterData(printer, u"ZTORQ NT", &type).empty())
        printerEvent(name.data(), PRINTER_EVENT_INITIALIZE, 0, 0);
    if (ask != nullptr) {
        std::printf("\ndevice capabilities:\n");
        ShowCapabilities(ask, printer);
    }
    std::printf("\nprinter data:\n");
    ShowPrinterWideDevmode(printer);
    FreeLibrary(module);
    ClosePrinter(printer);
}
