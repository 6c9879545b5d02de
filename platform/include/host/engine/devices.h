#pragma once
// devices.h - the devices GDI has enabled on a graphics driver (HDEV): the driver's hook table by DDI index
// and its PDEV. The printer device context makes one per PDEV; the engine finds a surface's driver through it.

#include <array>
#include <memory>
#include "win/winddi.h"

namespace platform::engine {

struct Device {
    std::array<PFN, INDEX_LAST + 1> hooks{};   // by DDI index; null where the driver has no hook
    DHPDEV dhpdev = nullptr;                   // set once DrvEnablePDEV answered
    // How far one pixel of a styled cosmetic line moves along its style (GDIINFO's style steps): xStyleStep /
    // denStyleStep style units along a flat line, yStyleStep / denStyleStep along a steep one.
    ULONG xStyleStep = kDefaultStyleStep;
    ULONG yStyleStep = kDefaultStyleStep;
    ULONG denStyleStep = kDefaultStyleDenominator;

    // A surface without a device (a bitmap of a memory DC) styles its lines one unit per three pixels.
    static constexpr ULONG kDefaultStyleStep = 1;
    static constexpr ULONG kDefaultStyleDenominator = 3;
};

// Gives the device its HDEV; it lives until UnregisterDevice.
HDEV RegisterDevice(std::shared_ptr<Device> device);
void UnregisterDevice(HDEV hdev);
std::shared_ptr<Device> FindDevice(HDEV hdev);

// The driver's hook of that index for the device, or null.
PFN FindHook(HDEV hdev, ULONG index);

} // namespace platform::engine
