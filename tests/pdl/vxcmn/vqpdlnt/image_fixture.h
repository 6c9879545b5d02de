#pragma once
// image_fixture.h - the path fixture with the sources of block transfers: bitmaps in memory of any format
// over the test's own bytes, and the translations GDI makes from their palettes to the device's.

#include "path_fixture.h"
#include "host/engine/palettes.h"
#include "host/engine/xlate.h"

#include <memory>
#include <optional>
#include <vector>

class ImageWriterTest : public PathWriterTest {
protected:
    void TearDown() override
    {
        m_xlates.clear();
        for (SURFOBJ* pso : m_sources) {
            const HSURF hsurf = pso->hsurf;
            EngUnlockSurface(pso);
            EngDeleteSurface(hsurf);
        }
        PathWriterTest::TearDown();
    }

    // The default devmode with the driver's halftoning chosen by lpDither (3: 8 x 8, 4: 16 x 16, else none).
    DRIVER_DEVMODE DevmodeWithDither(BYTE dither)
    {
        DRIVER_DEVMODE dm = DefaultDevmode();
        dm.dmPrivate.env.lpDither = dither;
        dm.dmPrivate.env.lpDitherType = 0;
        return dm;
    }

    // A bitmap in memory of the format over a copy of the bytes: rows of stride bytes, the top row first.
    SURFOBJ* Source(ULONG iFormat, LONG width, LONG height, std::vector<BYTE> bits, LONG stride)
    {
        std::vector<BYTE>& copy = m_sourceBits.emplace_back(std::move(bits));
        const HBITMAP hbm = EngCreateBitmap({width, height}, stride, iFormat, BMF_TOPDOWN, copy.data());
        SURFOBJ* pso = EngLockSurface(reinterpret_cast<HSURF>(hbm));
        m_sources.push_back(pso);
        return pso;
    }

    // The translation from a palette of colours (red in the low byte) to the device's RGB values.
    XLATEOBJ* IndexedXlate(std::vector<ULONG> colours)
    {
        platform::engine::Palette source;
        source.iMode = PAL_INDEXED;
        source.entries = std::move(colours);
        return Xlate(source);
    }

    // The translation from pixel values of the mode (PAL_BGR, PAL_BITFIELDS with 5-5-5) to the device's.
    XLATEOBJ* DirectXlate(ULONG iMode)
    {
        platform::engine::Palette source;
        source.iMode = iMode;
        if (iMode == PAL_BITFIELDS) {
            source.masks[0] = 0x7C00;
            source.masks[1] = 0x03E0;
            source.masks[2] = 0x001F;
        }
        return Xlate(source);
    }

    XLATEOBJ* Xlate(const platform::engine::Palette& source)
    {
        m_xlates.push_back(std::make_unique<platform::engine::XlateObject>(source, DevicePalette()));
        return m_xlates.back()->get();
    }

private:
    std::vector<std::vector<BYTE>> m_sourceBits;
    std::vector<SURFOBJ*> m_sources;
    std::vector<std::unique_ptr<platform::engine::XlateObject>> m_xlates;
};
