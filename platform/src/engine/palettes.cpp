// palettes.cpp - EngCreatePalette and EngDeletePalette, and the conversions between pixel values and colours.
#include "host/engine/palettes.h"
#include "common/handles.h"
#include "common/world_state.h"

namespace platform::engine {
namespace {

// An indexed palette longer than this is refused: no device format has more entries.
constexpr ULONG kMaxPaletteEntries = 65536;

HandleTable<Palette>& Palettes()
{
    static auto* table = new HandleTable<Palette>(kEnginePaletteHandleBase);
    return *table;
}

const bool kForgetsPalettesWithTheWorld = (OnWorldReset([] { Palettes().Clear(); }), true);

// A mask of one run of set bits.
bool IsContiguous(FLONG mask)
{
    if (mask == 0)
        return false;
    while ((mask & 1) == 0)
        mask >>= 1;
    return (mask & (mask + 1)) == 0;
}

} // namespace

std::shared_ptr<Palette> FindPalette(HPALETTE hpal)
{
    return Palettes().Find(hpal);
}

ColorCodec::ColorCodec(const Palette& palette) : m_palette(&palette)
{
    if (palette.iMode == PAL_BITFIELDS)
        for (int i = 0; i < 3; ++i)
            m_fields[i] = FieldOf(palette.masks[i]);
}

ColorCodec::Field ColorCodec::FieldOf(FLONG mask)
{
    Field field;
    field.mask = mask;
    if (mask == 0)
        return field;
    while (((mask >> field.shift) & 1) == 0)
        ++field.shift;
    field.max = mask >> field.shift;
    field.width = __builtin_popcount(field.max);
    return field;
}

// A channel of a bit-field pixel, widened or narrowed to 8 bits.
BYTE ColorCodec::Extract(ULONG value, const Field& f)
{
    if (f.max == 0)
        return 0;
    const ULONG v = (value >> f.shift) & f.max;
    if (f.width >= 8)
        return static_cast<BYTE>(v >> (f.width - 8));
    return static_cast<BYTE>(v * 255 / f.max);
}

ULONG ColorCodec::Pack(BYTE channel, const Field& f)
{
    if (f.max == 0)
        return 0;
    const ULONG v = f.width >= 8 ? (static_cast<ULONG>(channel) << (f.width - 8)) : (channel * f.max + 127) / 255;
    return (v << f.shift) & f.mask;
}

COLORREF ColorCodec::ColorOf(ULONG value) const
{
    switch (m_palette->iMode) {
    case PAL_INDEXED:
        return value < m_palette->entries.size() ? (m_palette->entries[value] & 0x00FFFFFF) : 0;
    case PAL_BITFIELDS:
        return RGB(Extract(value, m_fields[0]), Extract(value, m_fields[1]), Extract(value, m_fields[2]));
    case PAL_BGR:
        return RGB(value >> 16, value >> 8, value);
    default:
        return value & 0x00FFFFFF;
    }
}

ULONG ColorCodec::ValueOf(COLORREF color) const
{
    const BYTE r = GetRValue(color);
    const BYTE g = GetGValue(color);
    const BYTE b = GetBValue(color);
    switch (m_palette->iMode) {
    case PAL_INDEXED: {
        ULONG best = 0;
        long bestDistance = -1;
        const std::vector<ULONG>& entries = m_palette->entries;
        for (ULONG i = 0; i < entries.size(); ++i) {
            const COLORREF e = entries[i];
            const long dr = GetRValue(e) - r;
            const long dg = GetGValue(e) - g;
            const long db = GetBValue(e) - b;
            const long distance = dr * dr + dg * dg + db * db;
            if (bestDistance < 0 || distance < bestDistance) {
                best = i;
                bestDistance = distance;
            }
        }
        return best;
    }
    case PAL_BITFIELDS:
        return Pack(r, m_fields[0]) | Pack(g, m_fields[1]) | Pack(b, m_fields[2]);
    case PAL_BGR:
        return (static_cast<ULONG>(r) << 16) | (static_cast<ULONG>(g) << 8) | b;
    default:
        return color & 0x00FFFFFF;
    }
}

COLORREF ColorOfValue(const Palette& palette, ULONG value)
{
    return ColorCodec(palette).ColorOf(value);
}

ULONG ValueOfColor(const Palette& palette, COLORREF color)
{
    return ColorCodec(palette).ValueOf(color);
}

} // namespace platform::engine

HPALETTE APIENTRY EngCreatePalette(ULONG iMode, ULONG cColors, ULONG* pulColors, FLONG flRed, FLONG flGreen,
                                   FLONG flBlue)
{
    auto palette = std::make_shared<platform::engine::Palette>();
    palette->iMode = iMode;
    switch (iMode) {
    case PAL_INDEXED:
        if (cColors == 0 || cColors > platform::engine::kMaxPaletteEntries || pulColors == nullptr) {
            SetLastError(ERROR_INVALID_PARAMETER);
            return nullptr;
        }
        palette->entries.assign(pulColors, pulColors + cColors);
        break;
    case PAL_BITFIELDS:
        if (!platform::engine::IsContiguous(flRed) || !platform::engine::IsContiguous(flGreen) ||
            !platform::engine::IsContiguous(flBlue) || (flRed & flGreen) != 0 || (flRed & flBlue) != 0 ||
            (flGreen & flBlue) != 0) {
            SetLastError(ERROR_INVALID_PARAMETER);
            return nullptr;
        }
        palette->masks[0] = flRed;
        palette->masks[1] = flGreen;
        palette->masks[2] = flBlue;
        break;
    case PAL_RGB:
    case PAL_BGR:
        break;
    default:   // PAL_CMYK and anything else: no conversion the engine could make
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    return platform::engine::Palettes().Add<HPALETTE>(std::move(palette));
}

BOOL APIENTRY EngDeletePalette(HPALETTE hpal)
{
    if (platform::engine::Palettes().Remove(hpal) == nullptr) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    return TRUE;
}
