#pragma once
// writer_fixture.h - a PDEV of "QN-804C" in a started document whose VQPDL bytes the test reads as they are
// written, with a device whose DrvRealizeBrush is the writer's, and GDI's brush objects made as GDI makes them.

#include "customnt/vqddigfx/pdev_fixture.h"
#include "host/engine/brush.h"
#include "host/engine/devices.h"
#include "host/engine/xlate.h"
#include "pdl/vxcmn/vqpdlnt/vqbrush.h"
#include "pdl/vxcmn/vxcmnnt.h"

#include <memory>
#include <string>
#include <vector>

class WriterTest : public PdevTest {
protected:
    void TearDown() override
    {
        m_brushes.clear();
        for (HSURF hsurf : m_patterns)
            EngDeleteSurface(hsurf);
        if (m_hdev != nullptr)
            platform::engine::UnregisterDevice(m_hdev);
        PdevTest::TearDown();
    }

    // A PDEV of the devmode in a started document; the bytes written from here on are Written()'s.
    PDEV* Open(const DRIVER_DEVMODE& dm)
    {
        if (Enable(dm) == nullptr || !BeginDocument())
            return nullptr;
        auto device = std::make_shared<platform::engine::Device>();
        device->hooks[INDEX_DrvRealizeBrush] = reinterpret_cast<PFN>(&PdlRealizeBrush);
        device->dhpdev = reinterpret_cast<DHPDEV>(m_pdev);
        if (m_hdev != nullptr)
            platform::engine::UnregisterDevice(m_hdev);   // a test that opens a second PDEV
        m_hdev = platform::engine::RegisterDevice(device);
        m_surface.hdev = m_hdev;
        m_pdev->pfnWriteOutput = Capture;
        Written().clear();
        return m_pdev;
    }

    PDEV* Open()
    {
        return Open(DefaultDevmode());
    }

    // The bytes written since the last call.
    static std::string Take()
    {
        std::string bytes;
        bytes.swap(Written());
        return bytes;
    }

    JOB_EXTRA_RECORD* Context()
    {
        return PdlGetContext(m_pdev);
    }

    // A solid brush of the RGB colour (the device's values are RGB too).
    BRUSHOBJ* Solid(ULONG rgb)
    {
        m_brushes.push_back(platform::engine::BrushObject::Solid(rgb, rgb));
        return m_brushes.back()->get();
    }

    // A pattern brush over bits (rows of their own stride, top row first unless bottomUp) of the format,
    // translated from the source palette (none: trivially) into the device's RGB values.
    BRUSHOBJ* Pattern(ULONG iFormat, LONG width, LONG height, const std::vector<BYTE>& bits, LONG stride,
                      std::vector<ULONG> palette = {}, ULONG iHatch = HS_DDI_MAX, bool bottomUp = false)
    {
        std::vector<BYTE>& copy = m_bits.emplace_back(bits);
        const HSURF hsurf = reinterpret_cast<HSURF>(
            EngCreateBitmap({width, height}, stride, iFormat, bottomUp ? 0 : BMF_TOPDOWN, copy.data()));
        m_patterns.push_back(hsurf);
        std::unique_ptr<platform::engine::XlateObject> xlate;
        if (!palette.empty()) {
            platform::engine::Palette source;
            source.iMode = PAL_INDEXED;
            source.entries = std::move(palette);
            xlate = std::make_unique<platform::engine::XlateObject>(source, DevicePalette());
        } else {
            xlate = std::make_unique<platform::engine::XlateObject>(std::nullopt, std::nullopt);
        }
        m_brushes.push_back(
            platform::engine::BrushObject::Pattern(hsurf, nullptr, std::move(xlate), &m_surface, iHatch));
        return m_brushes.back() != nullptr ? m_brushes.back()->get() : nullptr;
    }

    // A hatch brush of the style in the colour on the background, as GDI hands it over: its 8 x 8 picture
    // with 0 on the lines, the colour first in the translation.
    BRUSHOBJ* Hatch(ULONG iHatch, ULONG rgb, ULONG background)
    {
        return Pattern(BMF_1BPP, 8, 8, std::vector<BYTE>(8 * 4, 0x55), 4, {rgb, background}, iHatch);
    }

    // The device's palette: RGB values, or the one-bit palette in the one-bit plane mode.
    platform::engine::Palette DevicePalette()
    {
        platform::engine::Palette device;
        if (IsOneBitPlaneMode(m_pdev)) {
            device.iMode = PAL_INDEXED;
            device.entries = {0x000000, 0xFFFFFF};
        }
        return device;
    }

private:
    static std::string& Written()
    {
        static std::string written;
        return written;
    }

    static BOOL Capture(PDEV* /*pdev*/, const BYTE* pData, WORD cb)
    {
        Written().append(reinterpret_cast<const char*>(pData), cb);
        return TRUE;
    }

    HDEV m_hdev = nullptr;
    std::vector<std::unique_ptr<platform::engine::BrushObject>> m_brushes;
    std::vector<HSURF> m_patterns;
    std::vector<std::vector<BYTE>> m_bits;
};
