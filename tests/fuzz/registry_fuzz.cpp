// registry_fuzz.cpp - what the driver reads back from the registry, as another program may have left it: the
// printer-wide devmode "ZTORQ NT" and the user-defined sizes "UDPaper%ld" in the printer's data, the version
// value and the stored lists under the user's key for the printer, each of any type and size. The values are
// set, then a job, a document devmode, a capability list or a default devmode is made; then they go again.
//
// Input: a count of values, each a selector, a type and its bytes; then the action.
#include "fuzz/fuzz_world.h"
#include "settings/devmode/driver_devmode.h"
#include "settings/registry/registry_paths.h"
#include "settings/registry/registry_services.h"
#include "win/winddiui.h"

#include <cstring>
#include <string>

namespace {

constexpr int kMaxValues = 6;
constexpr std::size_t kMaxValueBytes = 6000;
constexpr int kCustomSizes = 12;   // UDPaper0 .. UDPaper11: one either side of the ten

// The user's values, by name, under the printer's key.
constexpr const WCHAR* kUserValues[] = {u"DriverVersion", u"BookMode", u"WaterMark", u"WMarkListData0",
                                        u"WMarkListData1", u"WMarkListData50"};

std::u16string UserPath()
{
    WCHAR path[kRegPathChars] = {};
    BuildPrinterRegPath(path, kRegPathChars, fuzz::kPrinterName, nullptr, nullptr);
    return path;
}

std::u16string CustomSizeValue(int n)
{
    std::u16string name = u"UDPaper";
    if (n >= 10)
        name += static_cast<char16_t>(u'0' + n / 10);
    name += static_cast<char16_t>(u'0' + n % 10);
    return name;
}

void SetValue(fuzz::World& world, fuzz::Reader& in)
{
    const std::uint8_t which = in.Byte();
    DWORD type = in.Byte() % 12;   // REG_NONE .. REG_QWORD, the kinds a value can have
    std::size_t cb = in.Word() % kMaxValueBytes;
    if (which & 0x80)   // the sizes the driver reads, one off or whole
        cb = (which & 0x40 ? kDriverDevmodeSize : 44) + static_cast<std::size_t>(in.Byte() % 3) - 1;
    std::vector<std::uint8_t> bytes = in.Bytes(cb);
    switch (which % 3) {
    case 0:
        SetPrinterDataW(world.hPrinter, const_cast<LPWSTR>(u"ZTORQ NT"), type, bytes.data(),
                        static_cast<DWORD>(bytes.size()));
        break;
    case 1: {
        std::u16string name = CustomSizeValue((which >> 2) % kCustomSizes);
        SetPrinterDataW(world.hPrinter, name.data(), type, bytes.data(), static_cast<DWORD>(bytes.size()));
        break;
    }
    default: {
        HKEY key = nullptr;
        if (RegCreateKeyExW(GetUserRegRoot(), UserPath().c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                            nullptr) != ERROR_SUCCESS)
            return;
        RegSetValueExW(key, kUserValues[(which >> 2) % std::size(kUserValues)], 0, type, bytes.data(),
                       static_cast<DWORD>(bytes.size()));
        RegCloseKey(key);
        break;
    }
    }
}

// Every value an input may have set, and what the driver stored from them, goes.
void Reset(fuzz::World& world)
{
    DeletePrinterDataW(world.hPrinter, const_cast<LPWSTR>(u"ZTORQ NT"));
    for (int n = 0; n < kCustomSizes; ++n) {
        std::u16string name = CustomSizeValue(n);
        DeletePrinterDataW(world.hPrinter, name.data());
    }
    HKEY key = nullptr;
    if (RegOpenKeyExW(GetUserRegRoot(), UserPath().c_str(), 0, KEY_ALL_ACCESS, &key) == ERROR_SUCCESS) {
        for (const WCHAR* name : kUserValues)
            RegDeleteValueW(key, name);
        RegCloseKey(key);
    }
}

void Act(fuzz::World& world, std::uint8_t action)
{
    switch (action % 4) {
    case 0: {
        std::vector<std::uint8_t> out(kDriverDevmodeSize, 0);
        if (DocumentPropertiesW(nullptr, world.hPrinter, const_cast<LPWSTR>(fuzz::kPrinterName),
                                reinterpret_cast<PDEVMODEW>(out.data()), nullptr, DM_OUT_BUFFER) == 1) {
            DEVMODEW header = {};
            std::memcpy(&header, out.data(), sizeof header);
            fuzz::Check(std::size_t{header.dmSize} + header.dmDriverExtra <= out.size(),
                        "the document devmode claims no more than its buffer");
        }
        break;
    }
    case 1: {
        HDC hdc = CreateDCW(nullptr, fuzz::kPrinterName, nullptr, nullptr);
        if (hdc == nullptr)
            return;
        DOCINFOW di = {sizeof di, u"Fuzz", nullptr, nullptr, 0};
        if (StartDocW(hdc, &di) > 0) {
            if (StartPage(hdc) > 0) {
                TextOutW(hdc, 100, 100, u"AB", 2);
                EndPage(hdc);
            }
            EndDoc(hdc);
        }
        DeleteDC(hdc);
        fuzz::RemoveJobFiles();
        break;
    }
    case 2: {
        for (WORD capability : {WORD{DC_PAPERNAMES}, WORD{DC_PAPERS}, WORD{DC_PAPERSIZE}}) {
            const DWORD count = world.DrvDeviceCapabilities(world.hPrinter, const_cast<LPWSTR>(fuzz::kPrinterName),
                                                            capability, nullptr, nullptr);
            if (count == GDI_ERROR || count > 4096)
                continue;
            std::vector<std::uint8_t> out(std::size_t{count} * 128 + 1, 0);
            world.DrvDeviceCapabilities(world.hPrinter, const_cast<LPWSTR>(fuzz::kPrinterName), capability,
                                        out.data(), nullptr);
        }
        break;
    }
    default: {
        std::vector<std::uint8_t> out(kDriverDevmodeSize, 0);
        LONG cb = static_cast<LONG>(out.size());
        world.DrvConvertDevMode(const_cast<LPWSTR>(fuzz::kPrinterName), nullptr,
                                reinterpret_cast<PDEVMODEW>(out.data()), &cb, CDM_DRIVER_DEFAULT);
        break;
    }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::World& world = fuzz::TheWorld();
    fuzz::Reader in(data, size);
    const std::uint8_t head = in.Byte();
    const int values = 1 + head % kMaxValues;
    for (int i = 0; i < values && !in.empty(); ++i)
        SetValue(world, in);
    Act(world, static_cast<std::uint8_t>(head >> 3));
    Reset(world);
    return 0;
}
