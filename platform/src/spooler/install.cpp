// install.cpp - installs printers in the stand-in world: the driver's files in the driver directory, the
// printer's record and its registry key.
#include "common/text_util.h"
#include "common/world_state.h"
#include "host/printers.h"
#include "registry/direct_access.h"
#include "spooler/spooler_state.h"
#include "win/winreg.h"

#include <dlfcn.h>
#include <stdexcept>
#include <vector>

using namespace platform::spooler;

// The resource library goes with every driver, found by its name in the driver directory.
static constexpr std::u16string_view kResourceLibraryFile = u"Q73MZRT3.DLL";

static bool IsUsablePrinterName(std::u16string_view name)
{
    return !name.empty() && name.find_first_of(u"\\,") == std::u16string_view::npos;
}

// The file of that name in folder, matched without regard to case as Windows matches file names.
static std::filesystem::path FindModuleFile(const std::filesystem::path& folder, std::u16string_view name)
{
    std::error_code ec;
    const std::filesystem::path exact = folder / platform::Utf16ToUtf8(name);
    if (std::filesystem::exists(exact, ec))
        return exact;
    for (const auto& entry : std::filesystem::directory_iterator(folder, ec))
        if (platform::EqualsNoCase(platform::Utf8ToUtf16(entry.path().filename().string()), name))
            return entry.path();
    throw std::runtime_error("InstallPrinter: " + exact.string() + " is missing");
}

// Places a link to the built module in the driver directory, replacing whatever was there under that name.
static void LinkModule(const std::filesystem::path& moduleDir, std::u16string_view name)
{
    const std::filesystem::path source = std::filesystem::absolute(FindModuleFile(moduleDir, name));
    const std::filesystem::path target =
        platform::MapPath(std::u16string(platform::kDriverDir) + u"\\" + std::u16string(name));
    std::filesystem::remove(target);
    std::filesystem::create_symlink(source, target);
}

void host::InstallPrinter(const PrinterSetup& setup)
{
    if (!IsUsablePrinterName(setup.name))
        throw std::invalid_argument("InstallPrinter: not a printer name: " + platform::Utf16ToUtf8(setup.name));
    if (platform::WorldRootPath().empty())
        throw std::logic_error("InstallPrinter: no world yet; call host::CreateWorld first");

    const std::filesystem::path moduleDir = setup.moduleDir.empty() ? BuiltModuleDirectory() : setup.moduleDir;
    std::filesystem::create_directories(platform::MapPath(platform::kDriverDir));
    std::vector<std::u16string_view> linked;
    for (std::u16string_view file : {std::u16string_view(setup.driverFile), std::u16string_view(setup.configFile),
                                     std::u16string_view(setup.dataFile), kResourceLibraryFile}) {
        bool seen = false;
        for (std::u16string_view done : linked)
            seen = seen || platform::EqualsNoCase(done, file);
        if (!seen)
            LinkModule(moduleDir, file);
        linked.push_back(file);
    }

    const std::u16string keyPath = PrinterKeyPath(setup.name);
    platform::registry::EnsureKeyDirect(HKEY_LOCAL_MACHINE, keyPath + u"\\PrinterDriverData");
    auto lock = LockSpooler();
    AddPrinter(Printer{setup.name, setup.driverName, setup.driverFile, setup.configFile, setup.dataFile,
                       setup.portName});
}

void host::SetPrinterDevmode(const std::u16string& printerName, std::span<const unsigned char> devmode)
{
    std::u16string keyPath;
    {
        auto lock = LockSpooler();
        const std::shared_ptr<const Printer> printer = FindPrinter(printerName);
        if (printer == nullptr)
            throw std::invalid_argument("SetPrinterDevmode: no printer " + platform::Utf16ToUtf8(printerName));
        keyPath = PrinterKeyPath(printer->name);
    }
    if (devmode.empty())
        platform::registry::DeleteValueDirect(HKEY_LOCAL_MACHINE, keyPath, u"Default DevMode");
    else
        platform::registry::SetValueDirect(HKEY_LOCAL_MACHINE, keyPath, u"Default DevMode", REG_BINARY,
                                           std::vector<BYTE>(devmode.begin(), devmode.end()));
}

std::filesystem::path host::BuiltModuleDirectory()
{
    Dl_info info{};
    if (dladdr(reinterpret_cast<const void*>(&host::BuiltModuleDirectory), &info) == 0 || info.dli_fname == nullptr)
        return {};
    return std::filesystem::absolute(info.dli_fname).parent_path();
}
