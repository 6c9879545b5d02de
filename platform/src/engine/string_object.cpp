// string_object.cpp - string objects and STROBJ_vEnumStart / STROBJ_bEnum.
#include "host/engine/string_object.h"
#include "engine/registry.h"

#include <algorithm>

namespace platform::engine {
namespace {

AddressRegistry<StringObject>& Strings()
{
    static auto* registry = new AddressRegistry<StringObject>();
    return *registry;
}

} // namespace

StringObject::StringObject(FontObject& font, StringLayout layout, ULONG glyphMode)
    : m_font(font), m_layout(std::move(layout))
{
    const size_t count = std::min(m_layout.glyphs.size(), m_layout.positions.size());
    m_glyphs.resize(count);
    for (size_t i = 0; i < count; ++i) {
        GLYPHPOS& pos = m_glyphs[i];
        pos.hg = m_layout.glyphs[i];
        pos.ptl = m_layout.positions[i];
        GLYPHDATA* data = glyphMode == FO_GLYPHBITS || glyphMode == FO_PATHOBJ ? font.Glyph(pos.hg, glyphMode)
                                                                                 : nullptr;
        pos.pgdf = data != nullptr ? &data->gdf : nullptr;
    }
    m_so.cGlyphs = static_cast<ULONG>(count);
    m_so.flAccel = m_layout.accel;
    m_so.ulCharInc = m_layout.charInc;
    m_so.rclBkGround = m_layout.background;
    m_so.pgp = m_glyphs.empty() ? nullptr : m_glyphs.data();
    m_so.pwszOrg = m_layout.text.data();
    Strings().Add(&m_so, this);
}

StringObject::~StringObject()
{
    Strings().Remove(&m_so);
}

BOOL StringObject::Enumerate(ULONG* pc, PGLYPHPOS* ppgpos)
{
    const size_t count = std::min<size_t>(kGlyphBatch, m_glyphs.size() - m_next);
    *pc = static_cast<ULONG>(count);
    *ppgpos = count != 0 ? &m_glyphs[m_next] : nullptr;
    m_next += count;
    return m_next < m_glyphs.size();
}

StringObject* FindString(const STROBJ* pstro)
{
    return Strings().Find(pstro);
}

} // namespace platform::engine

VOID APIENTRY STROBJ_vEnumStart(STROBJ* pstro)
{
    if (auto* string = platform::engine::FindString(pstro))
        string->StartEnumeration();
}

BOOL APIENTRY STROBJ_bEnum(STROBJ* pstro, ULONG* pc, PGLYPHPOS* ppgpos)
{
    auto* string = platform::engine::FindString(pstro);
    if (string == nullptr || pc == nullptr || ppgpos == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return static_cast<BOOL>(DDI_ERROR);
    }
    return string->Enumerate(pc, ppgpos);
}
