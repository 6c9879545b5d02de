// xlate.cpp - colour translation objects and XLATEOBJ_iXlate / XLATEOBJ_cGetPalette.
#include "host/engine/xlate.h"
#include "engine/registry.h"

#include <atomic>

namespace platform::engine {
namespace {

// Made as the library loads, before any translation exists, and never destroyed: a driver asks for it with
// every pixel it translates, and a function's own static would be checked for its first use each time.
AddressRegistry<XlateObject>* const g_xlates = new AddressRegistry<XlateObject>();

AddressRegistry<XlateObject>& Xlates()
{
    return *g_xlates;
}

bool SamePalette(const Palette& a, const Palette& b)
{
    return a.iMode == b.iMode && a.entries == b.entries && a.masks[0] == b.masks[0] && a.masks[1] == b.masks[1] &&
           a.masks[2] == b.masks[2];
}

// An RGB and a BGR palette hold the same channels, red and blue trade places.
bool RedAndBlueSwapped(const Palette& a, const Palette& b)
{
    return (a.iMode == PAL_RGB && b.iMode == PAL_BGR) || (a.iMode == PAL_BGR && b.iMode == PAL_RGB);
}

// What XLATEOBJ_iXlate answers for a colour it cannot translate.
constexpr ULONG kNoTranslation = 0xFFFFFFFF;

} // namespace

XlateObject::XlateObject(std::optional<Palette> src, std::optional<Palette> dst)
    : m_src(std::move(src)), m_dst(std::move(dst))
{
    static std::atomic<ULONG> uniq{0};
    m_xo.iUniq = ++uniq;
    m_xo.iSrcType = static_cast<USHORT>(m_src ? m_src->iMode : 0);
    m_xo.iDstType = static_cast<USHORT>(m_dst ? m_dst->iMode : 0);
    if (!m_src || !m_dst || SamePalette(*m_src, *m_dst)) {
        m_xo.flXlate = XO_TRIVIAL;
    } else if (m_src->iMode == PAL_INDEXED) {
        const ColorCodec destination(*m_dst);
        for (const ULONG entry : m_src->entries)
            m_table.push_back(destination.ValueOf(entry & 0x00FFFFFF));
        m_xo.flXlate = XO_TABLE;
        m_xo.cEntries = static_cast<ULONG>(m_table.size());
        m_xo.pulXlate = m_table.data();
        m_path = Path::Table;
    } else if (RedAndBlueSwapped(*m_src, *m_dst)) {
        m_path = Path::SwapRedAndBlue;
    } else {
        m_srcCodec.emplace(*m_src);
        m_dstCodec.emplace(*m_dst);
        m_path = Path::ThroughColor;
    }
    Xlates().Add(&m_xo, this);
}

XlateObject::~XlateObject()
{
    Xlates().Remove(&m_xo);
}

ULONG XlateObject::Translate(ULONG value) const
{
    switch (m_path) {
    case Path::Trivial:
        return value;
    case Path::Table:
        return value < m_table.size() ? m_table[value] : kNoTranslation;
    case Path::SwapRedAndBlue:   // the byte above the colour is dropped, as a colour has none
        return (value & 0x00FF00) | ((value >> 16) & 0xFF) | ((value & 0xFF) << 16);
    case Path::ThroughColor:
        return m_dstCodec->ValueOf(m_srcCodec->ColorOf(value));
    }
    return kNoTranslation;
}

ULONG TranslateValue(const XLATEOBJ* pxlo, ULONG value)
{
    if (pxlo == nullptr)
        return value;
    if (const XlateObject* object = Xlates().Find(pxlo))
        return object->Translate(value);
    if (pxlo->flXlate & XO_TRIVIAL)
        return value;
    if ((pxlo->flXlate & XO_TABLE) && pxlo->pulXlate != nullptr)
        return value < pxlo->cEntries ? pxlo->pulXlate[value] : kNoTranslation;
    return value;
}

} // namespace platform::engine

ULONG APIENTRY XLATEOBJ_iXlate(XLATEOBJ* pxlo, ULONG iColor)
{
    return platform::engine::TranslateValue(pxlo, iColor);
}

ULONG APIENTRY XLATEOBJ_cGetPalette(XLATEOBJ* pxlo, ULONG iPal, ULONG cPal, ULONG* pPal)
{
    const platform::engine::XlateObject* object = platform::engine::Xlates().Find(pxlo);
    if (object == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    const bool source = iPal == XO_SRCPALETTE || iPal == XO_SRCBITFIELDS;
    if (!source && iPal != XO_DESTPALETTE && iPal != XO_DESTDCPALETTE && iPal != XO_DESTBITFIELDS) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    const auto& palette = source ? object->Source() : object->Destination();
    if (!palette)
        return 0;
    std::vector<ULONG> values;
    if (iPal == XO_SRCBITFIELDS || iPal == XO_DESTBITFIELDS) {
        if (palette->iMode != PAL_BITFIELDS)
            return 0;
        values.assign(std::begin(palette->masks), std::end(palette->masks));
    } else {
        values = palette->entries;
    }
    if (pPal == nullptr)
        return static_cast<ULONG>(values.size());   // how many entries there are
    const ULONG count = std::min<ULONG>(cPal, static_cast<ULONG>(values.size()));
    std::copy(values.begin(), values.begin() + count, pPal);
    return count;
}
