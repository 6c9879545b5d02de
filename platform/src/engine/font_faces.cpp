// font_faces.cpp - the designs and the table of face names.
#include "host/engine/font_faces.h"
#include "common/text_util.h"

#include <iterator>

namespace platform::engine {
namespace {

// Round strokes for the sans-serif and gothic faces, thin square-cut ones for the serif and mincho faces, and a
// fixed cell for the typewriter faces; the Japanese fixed-pitch faces give a half-width glyph half the em.
constexpr FontDesign kSans       = {2.0, JOIN_ROUND, ENDCAP_ROUND, 0, false, 11};
constexpr FontDesign kSerif      = {1.3, JOIN_BEVEL, ENDCAP_BUTT, 0, false, 2};
constexpr FontDesign kTypewriter = {1.6, JOIN_ROUND, ENDCAP_BUTT, 12, false, 2};
constexpr FontDesign kGothic     = {2.0, JOIN_ROUND, ENDCAP_ROUND, 10, true, 11};
constexpr FontDesign kGothicP    = {2.0, JOIN_ROUND, ENDCAP_ROUND, 0, true, 11};
constexpr FontDesign kMincho     = {1.2, JOIN_BEVEL, ENDCAP_BUTT, 10, true, 2};
constexpr FontDesign kMinchoP    = {1.2, JOIN_BEVEL, ENDCAP_BUTT, 0, true, 2};

constexpr BYTE kSwiss = VARIABLE_PITCH | FF_SWISS;
constexpr BYTE kRoman = VARIABLE_PITCH | FF_ROMAN;
constexpr BYTE kModern = FIXED_PITCH | FF_MODERN;
constexpr BYTE kRomanFixed = FIXED_PITCH | FF_ROMAN;
constexpr BYTE kModernFixed = FIXED_PITCH | FF_MODERN;
constexpr BYTE kModernVariable = VARIABLE_PITCH | FF_MODERN;

// The first three rows are the faces GDI's font mapper falls back on for a Latin font by its family; the
// Japanese faces come as the fonts applications name and as the printer-resident fonts the driver's own
// tables name, each also as its vertical-writing face.
constexpr FontFace kFontFaces[] = {
    {u"Arial",                  ANSI_CHARSET,     kSwiss,          &kSans},
    {u"Times New Roman",        ANSI_CHARSET,     kRoman,          &kSerif},
    {u"Courier New",            ANSI_CHARSET,     kModern,         &kTypewriter},
    {u"Albertus Extra Bold",    ANSI_CHARSET,     kSwiss,          &kSans},
    {u"Albertus Medium",        ANSI_CHARSET,     kSwiss,          &kSans},
    {u"Antique Olive",          ANSI_CHARSET,     kSwiss,          &kSans},
    {u"CG Omega",               ANSI_CHARSET,     kSwiss,          &kSans},
    {u"CG Times",               ANSI_CHARSET,     kRoman,          &kSerif},
    {u"Clarendon Condensed",    ANSI_CHARSET,     kRoman,          &kSerif},
    {u"Coronet",                ANSI_CHARSET,     kRoman,          &kSerif},
    {u"Courier",                ANSI_CHARSET,     kModern,         &kTypewriter},
    {u"CourierPS",              ANSI_CHARSET,     kModern,         &kTypewriter},
    {u"Garamond",               ANSI_CHARSET,     kRoman,          &kSerif},
    {u"Helvetica",              ANSI_CHARSET,     kSwiss,          &kSans},
    {u"Helvetica Narrow",       ANSI_CHARSET,     kSwiss,          &kSans},
    {u"ITC Avant Garde Gothic", ANSI_CHARSET,     kSwiss,          &kSans},
    {u"ITC Bookman",            ANSI_CHARSET,     kRoman,          &kSerif},
    {u"ITC Zapf Chancery",      ANSI_CHARSET,     kRoman,          &kSerif},
    {u"Letter Gothic",          ANSI_CHARSET,     kModern,         &kTypewriter},
    {u"Marigold",               ANSI_CHARSET,     kRoman,          &kSerif},
    {u"New Century Schoolbook", ANSI_CHARSET,     kRoman,          &kSerif},
    {u"Palatino",               ANSI_CHARSET,     kRoman,          &kSerif},
    {u"Times",                  ANSI_CHARSET,     kRoman,          &kSerif},
    {u"Univers",                ANSI_CHARSET,     kSwiss,          &kSans},
    {u"Univers Condensed",      ANSI_CHARSET,     kSwiss,          &kSans},
    {u"ＭＳ 明朝",              SHIFTJIS_CHARSET, kRomanFixed,     &kMincho},
    {u"ＭＳ Ｐ明朝",            SHIFTJIS_CHARSET, kRoman,          &kMinchoP},
    {u"ＭＳ ゴシック",          SHIFTJIS_CHARSET, kModernFixed,    &kGothic},
    {u"ＭＳ Ｐゴシック",        SHIFTJIS_CHARSET, kModernVariable, &kGothicP},
    {u"HG明朝L",                SHIFTJIS_CHARSET, kRomanFixed,     &kMincho},
    {u"HGP明朝L",               SHIFTJIS_CHARSET, kRoman,          &kMinchoP},
    {u"HGゴシックB",            SHIFTJIS_CHARSET, kModernFixed,    &kGothic},
    {u"HGPゴシックB",           SHIFTJIS_CHARSET, kModernVariable, &kGothicP},
    {u"@ＭＳ 明朝",             SHIFTJIS_CHARSET, kRomanFixed,     &kMincho},
    {u"@ＭＳ Ｐ明朝",           SHIFTJIS_CHARSET, kRoman,          &kMinchoP},
    {u"@ＭＳ ゴシック",         SHIFTJIS_CHARSET, kModernFixed,    &kGothic},
    {u"@ＭＳ Ｐゴシック",       SHIFTJIS_CHARSET, kModernVariable, &kGothicP},
    {u"@HG明朝L",               SHIFTJIS_CHARSET, kRomanFixed,     &kMincho},
    {u"@HGP明朝L",              SHIFTJIS_CHARSET, kRoman,          &kMinchoP},
    {u"@HGゴシックB",           SHIFTJIS_CHARSET, kModernFixed,    &kGothic},
    {u"@HGPゴシックB",          SHIFTJIS_CHARSET, kModernVariable, &kGothicP},
    {nullptr, 0, 0, nullptr},   // terminator
};
static_assert(kFontFaces[std::size(kFontFaces) - 1].faceName == nullptr, "terminator must be last");

} // namespace

const FontFace* FindFontFace(std::u16string_view faceName)
{
    for (const FontFace* face = kFontFaces; face->faceName != nullptr; ++face)
        if (EqualsNoCase(face->faceName, faceName))
            return face;
    return nullptr;
}

const FontFace* FontFaceAt(size_t index)
{
    return index < std::size(kFontFaces) - 1 ? &kFontFaces[index] : nullptr;
}

ULONG FaceNumberOf(const FontFace& face)
{
    return static_cast<ULONG>(&face - kFontFaces) + 1;
}

} // namespace platform::engine
