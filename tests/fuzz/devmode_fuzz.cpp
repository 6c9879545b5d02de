// devmode_fuzz.cpp - an application's devmode of any size and content, through every door it comes in by:
// DrvConvertDevMode, DocumentPropertiesW with an input and an output, DrvDeviceCapabilities, and a printer
// device context printing one page with it (where it reaches DrvEnablePDEV).
//
// Input: a selector byte, then the devmode's bytes. The buffer handed on holds at least the size its own header
// claims (dmSize + dmDriverExtra), as every caller's does; what the header says is the input's.
#include "fuzz/fuzz_world.h"
#include "settings/devmode/driver_devmode.h"
#include "win/winddiui.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace {

constexpr std::size_t kHeaderSizes = offsetof(DEVMODEW, dmDriverExtra) + sizeof(WORD);

// The devmode's buffer: the input's bytes, padded with zeros to the header's sizes and then to what they claim
// (a caller's devmode always holds its header); none for an empty input.
std::vector<std::uint8_t> DevmodeBuffer(fuzz::Reader& in)
{
    std::vector<std::uint8_t> bytes = in.Rest();
    if (!bytes.empty()) {
        bytes.resize(std::max(bytes.size(), kHeaderSizes), 0);
        WORD size = 0;
        WORD extra = 0;
        std::memcpy(&size, bytes.data() + offsetof(DEVMODEW, dmSize), sizeof size);
        std::memcpy(&extra, bytes.data() + offsetof(DEVMODEW, dmDriverExtra), sizeof extra);
        bytes.resize(std::max<std::size_t>(bytes.size(), std::size_t{size} + extra), 0);
    }
    return bytes;
}

PDEVMODEW Dm(std::vector<std::uint8_t>& bytes)
{
    return bytes.empty() ? nullptr : reinterpret_cast<PDEVMODEW>(bytes.data());
}

// An output devmode must not claim more than the buffer it was written into.
void CheckClaim(const std::vector<std::uint8_t>& out, const char* where)
{
    DEVMODEW header = {};
    std::memcpy(&header, out.data(), std::min(out.size(), sizeof header));
    const std::size_t claimed = std::size_t{header.dmSize} + header.dmDriverExtra;
    fuzz::Check(claimed <= out.size(), where,
                "the output claims " + std::to_string(claimed) + " bytes of " + std::to_string(out.size()));
}

void ConvertDevmode(fuzz::World& world, std::uint8_t selector, std::vector<std::uint8_t>& in)
{
    static const DWORD modes[] = {CDM_CONVERT, CDM_CONVERT351, CDM_DRIVER_DEFAULT, 0};
    const DWORD mode = modes[(selector >> 2) % 4];
    LONG cbOut = 0;
    world.DrvConvertDevMode(const_cast<LPWSTR>(fuzz::kPrinterName), Dm(in), nullptr, &cbOut, mode);
    // The output as large as the size asked for, or the driver's own size, or short by the selector's choice.
    std::size_t cb = selector & 0x40 ? kDriverDevmodeSize : std::size_t(std::clamp<LONG>(cbOut, 0, 1 << 16));
    if (selector & 0x80)
        cb = cb / 2;
    // The output's own header says the layout a conversion is to: the input's, as far as the output holds it.
    std::vector<std::uint8_t> out(std::max<std::size_t>(cb, 1), 0);
    std::copy_n(in.begin(), std::min(in.size(), cb), out.begin());
    cbOut = static_cast<LONG>(cb);
    const BOOL converted = world.DrvConvertDevMode(const_cast<LPWSTR>(fuzz::kPrinterName), Dm(in),
                                                   reinterpret_cast<PDEVMODEW>(out.data()), &cbOut, mode);
    if (converted && cb >= sizeof(DEVMODEW))
        CheckClaim(out, "DrvConvertDevMode");
}

void DocumentProperties(fuzz::World& world, std::uint8_t selector, std::vector<std::uint8_t>& in)
{
    const LONG cb = DocumentPropertiesW(nullptr, world.hPrinter, const_cast<LPWSTR>(fuzz::kPrinterName), nullptr,
                                        nullptr, 0);
    fuzz::Check(cb == static_cast<LONG>(kDriverDevmodeSize), "DocumentPropertiesW answers the devmode's size",
                std::to_string(cb));
    std::vector<std::uint8_t> out(static_cast<std::size_t>(cb), 0xCD);
    const DWORD mode = DM_OUT_BUFFER | (selector & 0x10 ? 0 : DM_IN_BUFFER);
    const LONG answer = DocumentPropertiesW(nullptr, world.hPrinter, const_cast<LPWSTR>(fuzz::kPrinterName),
                                            reinterpret_cast<PDEVMODEW>(out.data()), Dm(in), mode);
    if (answer == 1)   // IDOK
        CheckClaim(out, "DocumentPropertiesW");
}

// The bytes of one answer of each capability that hands out an array; anything else gets a small buffer.
std::size_t CapabilityElement(WORD capability)
{
    switch (capability) {
    case DC_PAPERS:
    case DC_BINS:
        return sizeof(WORD);
    case DC_PAPERSIZE:
    case DC_ENUMRESOLUTIONS:
        return 2 * sizeof(LONG);
    case DC_BINNAMES:
        return 24 * sizeof(WCHAR);
    case DC_PERSONALITY:
        return 32 * sizeof(WCHAR);
    case DC_FILEDEPENDENCIES:
    case DC_PAPERNAMES:
    case DC_MEDIAREADY:
    case 34:   // DC_MEDIATYPENAMES
        return 64 * sizeof(WCHAR);
    case DC_NUP:
    case 35:   // DC_MEDIATYPES
        return sizeof(DWORD);
    default:
        return 0;
    }
}

void DeviceCapabilities(fuzz::World& world, std::uint8_t selector, std::vector<std::uint8_t>& in)
{
    const WORD capability = static_cast<WORD>(1 + (selector >> 2) % 40);
    const DWORD count = world.DrvDeviceCapabilities(world.hPrinter, const_cast<LPWSTR>(fuzz::kPrinterName),
                                                    capability, nullptr, Dm(in));
    const std::size_t element = CapabilityElement(capability);
    std::size_t cb = 64;
    if (element != 0 && count != GDI_ERROR)
        cb = std::min<std::size_t>(count, 4096) * element;
    std::vector<std::uint8_t> out(std::max<std::size_t>(cb, 1), 0);
    if (element != 0 && count != GDI_ERROR && count > 4096)
        return;   // more than any list of the driver: nothing to hand a buffer to
    world.DrvDeviceCapabilities(world.hPrinter, const_cast<LPWSTR>(fuzz::kPrinterName), capability, out.data(),
                                Dm(in));
}

// One page with a line of text and a box, printed with the devmode; the job file is removed afterwards.
void PrintPage(std::vector<std::uint8_t>& in)
{
    HDC hdc = CreateDCW(nullptr, fuzz::kPrinterName, nullptr, Dm(in));
    if (hdc == nullptr)
        return;
    DOCINFOW di = {sizeof di, u"Fuzz", nullptr, nullptr, 0};
    if (StartDocW(hdc, &di) > 0) {
        if (StartPage(hdc) > 0) {
            TextOutW(hdc, 100, 100, u"AB\u3042", 3);
            Rectangle(hdc, 50, 50, 400, 300);
            EndPage(hdc);
        }
        EndDoc(hdc);
    }
    DeleteDC(hdc);
    fuzz::RemoveJobFiles();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::World& world = fuzz::TheWorld();
    fuzz::Reader reader(data, size);
    const std::uint8_t selector = reader.Byte();
    std::vector<std::uint8_t> devmode = DevmodeBuffer(reader);
    const std::vector<std::uint8_t> callers = devmode;
    switch (selector & 3) {
    case 0:
        ConvertDevmode(world, selector, devmode);
        break;
    case 1:
        DocumentProperties(world, selector, devmode);
        break;
    case 2:
        DeviceCapabilities(world, selector, devmode);
        break;
    default:
        PrintPage(devmode);
        break;
    }
    fuzz::Check(devmode == callers, "the caller's devmode is left as it was");
    return 0;
}
