// main.cpp - qnprint: sets up a world with the printer QN-804C, shows what the driver sees of it and prints a
// sample document through it, with the paper, orientation, copies, duplex and pages per sheet the user asks for.
// The world lives in a folder (out/world for `make demo`); its registry is kept in a file there, so
// settings made by one run are there for the next.
#include "driver_answers.h"
#include "sample_document.h"
#include "tools/sample/stored_lists.h"
#include "host/inspect.h"
#include "host/printers.h"
#include "host/text.h"
#include "host/world.h"
#include "settings/devmode/devmode_defaults.h"
#include "settings/pagelist/page_list_text.h"
#include "settings/strings/res_library.h"
#include "win/windows.h"

#include <charconv>
#include <strings.h>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr const char* kUsage =
    "usage: qnprint [--world FOLDER] [--paper A3|A4|A5|B4|B5|LETTER|LEGAL] [--orientation portrait|landscape]\n"
    "               [--copies N] [--duplex none|long|short] [--pages-per-sheet 1|2|4|6|9|16] [--pages N]\n"
    "               [--front-cover 1|2] [--back-cover 1|2] [--cover-inserts PAGES] [--insert-tray 1|2]\n"
    "               [--chapters PAGES] [--binding-margin left|right|top|bottom] [--margin-front MM]\n"
    "               [--margin-back MM] [--image-shift on|off]\n"
    "       qnprint [--world FOLDER] --lists   (the user's stored named lists, without printing)\n"
    "  PAGES is a page list such as 3,5-7; trays 1 and 2 are the insert trays.\n";

struct NAMED_VALUE {
    const char* name;   // nullptr ends the table
    SHORT value;
};

constexpr NAMED_VALUE kPapers[] = {
    {"A3", DMPAPER_A3}, {"A4", DMPAPER_A4}, {"A5", DMPAPER_A5}, {"B4", DMPAPER_B4},
    {"B5", DMPAPER_B5}, {"LETTER", DMPAPER_LETTER}, {"LEGAL", DMPAPER_LEGAL}, {nullptr, 0},
};
constexpr NAMED_VALUE kOrientations[] = {
    {"portrait", DMORIENT_PORTRAIT}, {"landscape", DMORIENT_LANDSCAPE}, {nullptr, 0},
};
constexpr NAMED_VALUE kDuplexModes[] = {
    {"none", DMDUP_SIMPLEX}, {"long", DMDUP_VERTICAL}, {"short", DMDUP_HORIZONTAL}, {nullptr, 0},
};
constexpr NAMED_VALUE kMarginEdges[] = {
    {"left", 1}, {"right", 2}, {"top", 3}, {"bottom", 4}, {nullptr, 0},
};
constexpr NAMED_VALUE kSwitch[] = {
    {"on", 1}, {"off", 2}, {nullptr, 0},
};

// The value named in the table (case-insensitive), or 0.
SHORT FindNamedValue(const NAMED_VALUE* table, std::string_view name)
{
    for (const NAMED_VALUE* row = table; row->name != nullptr; ++row)
        if (name.size() == std::strlen(row->name) && strncasecmp(name.data(), row->name, name.size()) == 0)
            return row->value;
    return 0;
}

// A whole number from lowest to highest, or 0.
int ParseCount(std::string_view text, int lowest, int highest)
{
    int value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec != std::errc() || result.ptr != text.data() + text.size() || value < lowest || value > highest)
        return 0;
    return value;
}

// "on" or "off" into *pOn; false for anything else.
bool ParseSwitch(std::string_view text, bool* pOn)
{
    const SHORT value = FindNamedValue(kSwitch, text);
    if (value != 0)
        *pOn = value == 1;
    return value != 0;
}

// The pages of a list such as "3,5-7" (at most 30, as the devmode keeps them); empty when it does not parse.
std::vector<WORD> ParsePageList(std::string_view text)
{
    std::u16string wide(text.begin(), text.end());
    WORD pages[30] = {};
    const SHORT count = ParsePageRanges(wide.c_str(), pages, 30);
    if (count <= 0)
        return {};
    std::vector<WORD> list(pages, pages + count);
    for (WORD page : list)
        if (page == 0)
            return {};
    return list;
}

struct CommandLine {
    std::filesystem::path world = "out/world";
    SampleJobOptions options;
    int pages = 4;
    bool lists = false;   // show the stored named lists instead of printing
};

// Reads the options; false (with the usage shown) for anything it does not know or a value out of range.
bool ParseCommandLine(int argc, char** argv, CommandLine& line)
{
    SampleFinishing& finishing = line.options.finishing;
    for (int i = 1; i < argc; ++i) {
        const std::string_view option = argv[i];
        if (option == "--lists") {
            line.lists = true;
            continue;
        }
        if (i + 1 >= argc) {
            std::fprintf(stderr, "qnprint: %s needs a value\n%s", argv[i], kUsage);
            return false;
        }
        const std::string_view value = argv[++i];
        bool known = true;
        bool taken = true;
        if (option == "--world")
            line.world = argv[i];
        else if (option == "--paper")
            taken = (line.options.paper = FindNamedValue(kPapers, value)) != 0;
        else if (option == "--orientation")
            taken = (line.options.orientation = FindNamedValue(kOrientations, value)) != 0;
        else if (option == "--copies")
            taken = (line.options.copies = static_cast<SHORT>(ParseCount(value, 1, 999))) != 0;
        else if (option == "--duplex")
            taken = (line.options.duplex = FindNamedValue(kDuplexModes, value)) != 0;
        else if (option == "--pages-per-sheet")
            taken = IsPagesPerSheetChoice(line.options.pagesPerSheet = ParseCount(value, 1, 16));
        else if (option == "--pages")
            taken = (line.pages = ParseCount(value, 1, 999)) != 0;
        else if (option == "--front-cover")
            taken = (finishing.frontCoverTray = static_cast<WORD>(ParseCount(value, 1, 2))) != 0;
        else if (option == "--back-cover")
            taken = (finishing.backCoverTray = static_cast<WORD>(ParseCount(value, 1, 2))) != 0;
        else if (option == "--cover-inserts")
            taken = !(finishing.coverInserts = ParsePageList(value)).empty();
        else if (option == "--insert-tray")
            taken = (finishing.insertTray = static_cast<WORD>(ParseCount(value, 1, 2))) != 0;
        else if (option == "--chapters")
            taken = !(finishing.chapters = ParsePageList(value)).empty();
        else if (option == "--binding-margin")
            taken = (finishing.bindingMargin = static_cast<BYTE>(FindNamedValue(kMarginEdges, value))) != 0;
        else if (option == "--margin-front")
            taken = (finishing.marginFront = static_cast<BYTE>(ParseCount(value, 1, 50))) != 0;
        else if (option == "--margin-back")
            taken = (finishing.marginBack = static_cast<BYTE>(ParseCount(value, 1, 50))) != 0;
        else if (option == "--image-shift")
            taken = ParseSwitch(value, &finishing.imageShift);
        else
            known = false;
        if (!known) {
            std::fprintf(stderr, "qnprint: %s is not an option\n%s", argv[i - 1], kUsage);
            return false;
        }
        if (!taken) {
            std::fprintf(stderr, "qnprint: %s does not take %s\n%s", argv[i - 1], argv[i], kUsage);
            return false;
        }
    }
    return true;
}

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
    if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
        std::printf("%s", kUsage);
        return 0;
    }
    CommandLine line;
    if (!ParseCommandLine(argc, argv, line))
        return 2;
    const std::filesystem::path& world = line.world;
    try {
        host::CreateWorld(world);
        host::KeepRegistryInFile(true);
        host::InstallPrinter();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "qnprint: %s\n", e.what());
        return 1;
    }
    std::printf("world      %s\n", std::filesystem::absolute(world).c_str());
    if (line.lists) {
        std::printf("%s", DescribeStoredLists(u"QN-804C").c_str());
        return 0;
    }
    ShowInstalledPrinter(u"QN-804C");
    ShowDefaultDevmode(u"QN-804C");
    ShowInterfaceModuleAnswers(u"QN-804C");
    return PrintAndShowSampleDocument(u"QN-804C", line.options, line.pages) ? 0 : 1;
}
