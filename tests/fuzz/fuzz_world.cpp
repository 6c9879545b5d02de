// fuzz_world.cpp - the harnesses' world, made once per process and removed at its exit.
#include "fuzz/fuzz_world.h"
#include "host/printers.h"
#include "host/world.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace fuzz {
namespace {

constexpr const WCHAR* kDriverFolder = u"C:\\WINDOWS\\system32\\spool\\drivers\\w32x86\\3\\";
// The driver's modules and its resource library: loaded once and never freed, since the fuzzer keeps counting
// in their coverage counters for as long as it runs (a module unloaded between two inputs takes them along).
constexpr const WCHAR* kModules[] = {u"Q73MZRU3.DLL", u"Q73MZRG3.DLL", u"Q73MZRT3.DLL"};

std::filesystem::path g_root;

void RemoveRoot()
{
    std::error_code ec;
    std::filesystem::remove_all(g_root, ec);
}

template <typename F>
void Bind(HMODULE module, F*& pfn, const char* name)
{
    pfn = reinterpret_cast<F*>(GetProcAddress(module, name));
    Check(pfn != nullptr, "the interface module exports", name);
}

World MakeWorld()
{
    const char* tmp = std::getenv("TMPDIR");
    std::string pattern = std::string(tmp != nullptr && *tmp != '\0' ? tmp : "/tmp") + "/qnfuzz.XXXXXX";
    Check(mkdtemp(pattern.data()) != nullptr, "a temporary world root");
    g_root = pattern;
    std::atexit(RemoveRoot);
    host::CreateWorld(g_root);
    host::InstallPrinter();
    World world;
    PRINTER_DEFAULTSW defaults = {nullptr, nullptr, PRINTER_ALL_ACCESS};
    Check(OpenPrinterW(const_cast<LPWSTR>(kPrinterName), &world.hPrinter, &defaults) != FALSE, "OpenPrinterW");
    for (const WCHAR* name : kModules) {
        const std::u16string path = std::u16string(kDriverFolder) + name;
        const HMODULE module = LoadLibraryW(path.c_str());
        Check(module != nullptr, "LoadLibraryW of a driver module");
        if (world.hInterface == nullptr)
            world.hInterface = module;
    }
    Bind(world.hInterface, world.DrvConvertDevMode, "DrvConvertDevMode");
    Bind(world.hInterface, world.DrvDeviceCapabilities, "DrvDeviceCapabilities");
    return world;
}

} // namespace

World& TheWorld()
{
    static World world = MakeWorld();
    return world;
}

void RemoveJobFiles()
{
    for (const auto& file : host::JobFiles(kPrinterName)) {
        std::error_code ec;
        std::filesystem::remove(file, ec);
    }
}

void Broken(const char* what, const std::string& detail)
{
    std::fprintf(stderr, "\nFINDING: %s%s%s\n", what, detail.empty() ? "" : ": ", detail.c_str());
    std::fflush(stderr);
    std::abort();
}

} // namespace fuzz
