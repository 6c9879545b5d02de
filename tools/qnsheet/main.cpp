// main.cpp - qnsheet: opens an installed printer's document (or device) property sheet as a user would, runs
// the user's script in it, saves a picture of each page and dialog shown, lists each page's controls with their
// values and enable states as the user leaves it, lists what was shown and writes the resulting devmode and
// the printer's stored one to settings.txt. The world lives in a folder (out/world by default) whose registry is
// kept in a file, as qnprint keeps it.
#include "control_listing.h"
#include "option_listing.h"
#include "host/printers.h"
#include "host/text.h"
#include "host/ui.h"
#include "host/world.h"
#include "win/windows.h"

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr const char* kUsage =
    "usage: qnsheet [--world DIR] [--printer NAME] [--device] [--script FILE] [--out DIR]\n"
    "       qnsheet [--world DIR] --options [--set ID=VALUE]...\n"
    "\n"
    "--options lists, without showing the sheet, the options each list setting of QN-804C offers, with the ones\n"
    "the other settings forbid marked \"(prohibited)\" and the chosen one in brackets; --set makes a setting\n"
    "first (the id of the control that shows it), e.g. --set 612=1 for raster graphics.\n"
    "\n"
    "Opens the printer's document sheet (--device: its device sheet) and does what the script says; without a\n"
    "script the user presses OK. Printers: QN-804C (the driver), TESTSHT (the tests' sheet of every control).\n"
    "The script is one step a line, indented below the window it is done in:\n"
    "  sheet                                   the sheet; its steps:\n"
    "    page ID                                 shows the page of that dialog template\n"
    "    click ID | check ID | uncheck ID        clicks a control (check boxes: only when not so already)\n"
    "    type ID \"text\" | paste ID \"text\"      types or pastes into an edit\n"
    "    pick ID \"text\" | pick ID #N            chooses an item of a combo box, list box, list view or tab\n"
    "    key [ID] NAME                           tab, backtab, enter, escape, up, down, left, right, space, ...\n"
    "    scroll ID N | spin ID N                 moves a trackbar or scroll bar, clicks an up-down N times\n"
    "  dialog ID | box \"Caption\" | menu ID | open | save\n"
    "                                          a window a step opens, indented below that step; a box is\n"
    "                                          answered with \"answer ok|cancel|yes|no|...\", a menu with\n"
    "                                          \"command ID\" or \"dismiss\", a file dialog with \"file \\\"path\\\"\"\n"
    "                                          or \"cancel\"\n"
    "Each page and dialog shown is saved as OUT/<template>.png; a failure of the script makes the exit status 1.\n"
    "tools/qnsheet/scripts/ holds scripts for QN-804C (every page of the document sheet, Cancel).\n";

struct Options {
    std::filesystem::path world = "out/world";
    std::string printer = "QN-804C";
    bool device = false;
    std::filesystem::path script;
    std::filesystem::path out = "out/sheet";
    bool options = false;
    std::vector<std::pair<WORD, WORD>> changes;
};

// "ID=VALUE" as a setting to make; false when it is not two numbers.
bool ParseChange(const std::string& text, std::pair<WORD, WORD>& change)
{
    unsigned id = 0;
    unsigned value = 0;
    char end = 0;
    if (std::sscanf(text.c_str(), "%u=%u%c", &id, &value, &end) != 2 || id > 0xFFFF || value > 0xFFFF)
        return false;
    change = { static_cast<WORD>(id), static_cast<WORD>(value) };
    return true;
}

bool ParseOptions(int argc, char** argv, Options& options)
{
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--device")
            options.device = true;
        else if (arg == "--world" && hasValue)
            options.world = argv[++i];
        else if (arg == "--printer" && hasValue)
            options.printer = argv[++i];
        else if (arg == "--script" && hasValue)
            options.script = argv[++i];
        else if (arg == "--out" && hasValue)
            options.out = argv[++i];
        else if (arg == "--options")
            options.options = true;
        else if (arg == "--set" && hasValue) {
            std::pair<WORD, WORD> change;
            if (!ParseChange(argv[++i], change))
                return false;
            options.changes.push_back(change);
        } else
            return false;
    }
    return true;
}

// The printers qnsheet knows how to install: the driver, and the tests' interface module.
bool InstallKnownPrinter(const std::string& name)
{
    host::PrinterSetup setup;
    setup.name = host::FromUtf8(name);
    if (name == "TESTSHT") {
        setup.driverName = u"TESTSHT";
        setup.driverFile = u"TESTDRV.DLL";
        setup.configFile = u"TESTSHT.DLL";
        setup.dataFile = u"TESTSHT.DLL";
    } else if (name != "QN-804C") {
        return false;
    }
    host::InstallPrinter(setup);
    return true;
}

std::string ReadFile(const std::filesystem::path& file, bool& ok)
{
    std::ifstream in(file, std::ios::binary);
    ok = static_cast<bool>(in);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// The public fields of a devmode by name, one a line.
void WriteDevmode(std::ostream& out, const char* title, const DEVMODEW* dm)
{
    out << "[" << title << "]\n";
    if (dm == nullptr) {
        out << "none\n";
        return;
    }
    const std::u16string device(dm->dmDeviceName, std::char_traits<char16_t>::length(dm->dmDeviceName) < CCHDEVICENAME
                                                      ? std::char_traits<char16_t>::length(dm->dmDeviceName)
                                                      : CCHDEVICENAME);
    out << "dmDeviceName = " << host::ToUtf8(device) << "\n"
        << "dmSpecVersion = 0x" << std::hex << dm->dmSpecVersion << "\n"
        << "dmDriverVersion = 0x" << dm->dmDriverVersion << std::dec << "\n"
        << "dmSize = " << dm->dmSize << "\n"
        << "dmDriverExtra = " << dm->dmDriverExtra << "\n"
        << "dmFields = 0x" << std::hex << dm->dmFields << std::dec << "\n"
        << "dmOrientation = " << dm->dmOrientation << "\n"
        << "dmPaperSize = " << dm->dmPaperSize << "\n"
        << "dmPaperLength = " << dm->dmPaperLength << "\n"
        << "dmPaperWidth = " << dm->dmPaperWidth << "\n"
        << "dmScale = " << dm->dmScale << "\n"
        << "dmCopies = " << dm->dmCopies << "\n"
        << "dmDefaultSource = " << dm->dmDefaultSource << "\n"
        << "dmPrintQuality = " << dm->dmPrintQuality << "\n"
        << "dmColor = " << dm->dmColor << "\n"
        << "dmDuplex = " << dm->dmDuplex << "\n"
        << "dmYResolution = " << dm->dmYResolution << "\n"
        << "dmTTOption = " << dm->dmTTOption << "\n"
        << "dmCollate = " << dm->dmCollate << "\n";
}

// The printer data value's bytes; empty when the printer has none.
std::vector<BYTE> PrinterData(HANDLE printer, const WCHAR* name)
{
    DWORD type = 0;
    DWORD needed = 0;
    GetPrinterDataW(printer, const_cast<LPWSTR>(name), &type, nullptr, 0, &needed);
    std::vector<BYTE> data(needed);
    if (needed == 0 ||
        GetPrinterDataW(printer, const_cast<LPWSTR>(name), &type, data.data(), needed, &needed) != ERROR_SUCCESS)
        data.clear();
    return data;
}

// The printer's stored default devmode (GetPrinterW level 2), copied; empty when it has none.
std::vector<BYTE> StoredDevmode(HANDLE printer)
{
    DWORD needed = 0;
    GetPrinterW(printer, 2, nullptr, 0, &needed);
    std::vector<BYTE> buffer(needed);
    if (needed < sizeof(PRINTER_INFO_2W) || !GetPrinterW(printer, 2, buffer.data(), needed, &needed))
        return {};
    PRINTER_INFO_2W info;
    std::memcpy(&info, buffer.data(), sizeof info);
    if (info.pDevMode == nullptr)
        return {};
    const size_t size = static_cast<size_t>(info.pDevMode->dmSize) + info.pDevMode->dmDriverExtra;
    const auto* bytes = reinterpret_cast<const BYTE*>(info.pDevMode);
    return std::vector<BYTE>(bytes, bytes + size);
}

} // namespace

int main(int argc, char** argv)
{
    Options options;
    if (!ParseOptions(argc, argv, options)) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    std::string script = "sheet\n  click 1\n";
    if (!options.script.empty()) {
        bool ok = false;
        script = ReadFile(options.script, ok);
        if (!ok) {
            std::fprintf(stderr, "qnsheet: cannot read %s\n", options.script.c_str());
            return 2;
        }
    }
    std::error_code ec;
    std::filesystem::create_directories(options.world, ec);
    std::filesystem::create_directories(options.out, ec);
    host::CreateWorld(std::filesystem::absolute(options.world));
    host::KeepRegistryInFile(true);
    try {
        host::SetUserScript(script);
        if (!InstallKnownPrinter(options.printer)) {
            std::fprintf(stderr, "qnsheet: no printer %s (QN-804C or TESTSHT)\n", options.printer.c_str());
            return 2;
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "qnsheet: %s\n", e.what());
        return 2;
    }
    // Each page and dialog is saved as its template's picture when it is shown, and again as the user leaves
    // it, so that the picture shows what the user made of it.
    bool savedAll = true;
    const auto save = [&](HWND window, const std::string& name) {
        for (const char* kind : {"page ", "dialog "})
            if (name.rfind(kind, 0) == 0)
                savedAll = host::SaveWindowPicture(window, options.out / (name.substr(std::strlen(kind)) + ".png")) &&
                           savedAll;
    };
    host::OnWindowShown(save);
    // As the user leaves a page, its controls are listed with their values and whether they are enabled.
    host::OnWindowLeft([&](HWND window, const std::string& name) {
        save(window, name);
        if (name.rfind("page ", 0) == 0)
            for (const std::string& line : ListPageControls(window))
                std::printf("%s: control %s\n", name.c_str(), line.c_str());
    });
    const std::u16string name = host::FromUtf8(options.printer);
    HANDLE printer = nullptr;
    if (!OpenPrinterW(const_cast<LPWSTR>(name.c_str()), &printer, nullptr)) {
        std::fprintf(stderr, "qnsheet: cannot open the printer (error %lu)\n", GetLastError());
        return 1;
    }
    std::vector<BYTE> devmode;
    if (options.options) {
        const LONG size = DocumentPropertiesW(nullptr, printer, const_cast<LPWSTR>(name.c_str()), nullptr, nullptr, 0);
        devmode.assign(size > 0 ? static_cast<size_t>(size) : sizeof(DEVMODEW), 0);
        DocumentPropertiesW(nullptr, printer, const_cast<LPWSTR>(name.c_str()),
                            reinterpret_cast<DEVMODEW*>(devmode.data()), nullptr, DM_OUT_BUFFER);
        const std::vector<std::string> lines =
            ListSettingOptions(printer, reinterpret_cast<const DEVMODEW*>(devmode.data()),
                               static_cast<DWORD>(devmode.size()), options.changes);
        for (const std::string& line : lines)
            std::printf("%s\n", line.c_str());
        ClosePrinter(printer);
        return lines.empty() ? 1 : 0;
    }
    LONG shown = 0;
    if (options.device) {
        shown = PrinterProperties(nullptr, printer) ? IDOK : -1;
    } else {
        const LONG size = DocumentPropertiesW(nullptr, printer, const_cast<LPWSTR>(name.c_str()), nullptr, nullptr, 0);
        devmode.assign(size > 0 ? static_cast<size_t>(size) : sizeof(DEVMODEW), 0);
        shown = DocumentPropertiesW(nullptr, printer, const_cast<LPWSTR>(name.c_str()),
                                    reinterpret_cast<DEVMODEW*>(devmode.data()), nullptr,
                                    DM_IN_PROMPT | DM_OUT_BUFFER);
    }
    for (const std::string& line : host::ShownRecord())
        std::printf("shown: %s\n", line.c_str());
    std::printf("result: %s\n", shown == IDOK ? "OK" : shown < 0 ? "no sheet" : "Cancel");
    if (shown < 0) {
        std::printf("qnsheet: the driver of %s offers no %s sheet yet\n", options.printer.c_str(),
                    options.device ? "device" : "document");
        ClosePrinter(printer);
        return 1;
    }
    std::ofstream settings(options.out / "settings.txt");
    settings << "result = " << (shown == IDOK ? "OK" : "Cancel") << "\n";
    // Only OK hands a devmode back; after Cancel the application's buffer holds nothing of the driver's.
    if (!options.device)
        WriteDevmode(settings, "devmode", shown == IDOK ? reinterpret_cast<const DEVMODEW*>(devmode.data()) : nullptr);
    const std::vector<BYTE> stored = StoredDevmode(printer);
    WriteDevmode(settings, "printer devmode",
                 stored.size() >= sizeof(DEVMODEW) ? reinterpret_cast<const DEVMODEW*>(stored.data()) : nullptr);
    // The QN-804C driver keeps its printer-wide settings, which its device sheet stores on OK, as printer data.
    const std::vector<BYTE> printerWide = PrinterData(printer, u"ZTORQ NT");
    WriteDevmode(settings, "printer-wide devmode (ZTORQ NT)",
                 printerWide.size() >= sizeof(DEVMODEW) ? reinterpret_cast<const DEVMODEW*>(printerWide.data())
                                                        : nullptr);
    ClosePrinter(printer);
    const auto failures = host::UserScriptFailures();
    for (const std::string& failure : failures)
        std::fprintf(stderr, "qnsheet: script: %s\n", failure.c_str());
    if (!savedAll)
        std::fprintf(stderr, "qnsheet: a picture could not be saved in %s\n", options.out.c_str());
    return failures.empty() && savedAll ? 0 : 1;
}
