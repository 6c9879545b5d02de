// fonts.cpp - CreateFontW, CreateFontIndirectW and the font mapper.
#include "gdi/fonts.h"
#include "gdi/printer_dc.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace platform {
namespace {

// The face a logical font without a known face name gets: a Japanese font for a Japanese character set, a
// typewriter face for a fixed pitch or the modern family, else a serif or a sans-serif face by its family.
const engine::FontFace& DefaultFace(const LOGFONTW& lf)
{
    const BYTE pitch = lf.lfPitchAndFamily & 0x03;
    const BYTE family = lf.lfPitchAndFamily & 0xF0;
    const char16_t* name = nullptr;
    if (lf.lfCharSet == SHIFTJIS_CHARSET) {
        const bool roman = family == FF_ROMAN;
        if (pitch == VARIABLE_PITCH)
            name = roman ? u"ＭＳ Ｐ明朝" : u"ＭＳ Ｐゴシック";
        else
            name = roman ? u"ＭＳ 明朝" : u"ＭＳ ゴシック";
    } else if (pitch == FIXED_PITCH || family == FF_MODERN) {
        name = u"Courier New";
    } else {
        name = family == FF_ROMAN ? u"Times New Roman" : u"Arial";
    }
    return *engine::FindFontFace(name);
}

bool IsStockSystemFont(const Selection& font)
{
    return font.object != nullptr && font.object->stock && font.handle == GetStockObject(SYSTEM_FONT);
}

} // namespace

std::u16string_view FaceNameOf(const LOGFONTW& lf)
{
    const WCHAR* name = lf.lfFaceName;
    size_t length = 0;
    while (length < LF_FACESIZE && name[length] != u'\0')
        ++length;
    return {name, length};
}

SIZE DeviceResolution(const DeviceContext& dc)
{
    if (dc.kind == DcKind::Printer) {
        const auto& printer = static_cast<const PrinterDc&>(dc);
        const LONG x = static_cast<LONG>(printer.gdiInfo.ulLogPixelsX);
        const LONG y = static_cast<LONG>(printer.gdiInfo.ulLogPixelsY);
        if (x > 0 && y > 0)
            return {x, y};
    }
    return {96, 96};
}

engine::FontRequest RealizeFont(const DeviceContext& dc)
{
    LOGFONTW lf = {};
    if (dc.attrs.font.object != nullptr && dc.attrs.font.object->kind == GdiObjectKind::Font)
        lf = static_cast<const GdiFont&>(*dc.attrs.font.object).logFont;
    if (dc.kind == DcKind::Printer && IsStockSystemFont(dc.attrs.font)) {
        const LOGFONTW& deviceDefault = static_cast<const PrinterDc&>(dc).devInfo.lfDefaultFont;
        if (deviceDefault.lfHeight != 0)
            lf = deviceDefault;
    }
    engine::FontRequest request;
    request.face = engine::FindFontFace(FaceNameOf(lf));
    if (request.face == nullptr)
        request.face = &DefaultFace(lf);
    request.logResPpi = DeviceResolution(dc);

    // A cell height includes the internal leading: the em is the cell's em share of it.
    const int64_t height = lf.lfHeight;
    double em;
    if (height == 0) {
        em = 12.0 * request.logResPpi.cy / 72;
        request.emHeight = true;
    } else if (height < 0) {
        em = static_cast<double>(-height);
        request.emHeight = true;
    } else {
        em = static_cast<double>(height) * engine::kDesignEm / engine::kDesignCell;
    }
    request.emPixels = std::clamp(em, 1.0, engine::kMaxEmPixels);
    if (lf.lfWidth != 0) {
        const double natural = engine::DesignAverageWidth(*request.face) * request.emPixels / engine::kDesignEm;
        request.widthScale = std::clamp(std::fabs(static_cast<double>(lf.lfWidth)) / natural, 1.0 / 64, 64.0);
    }
    const LONG escapement = static_cast<LONG>(static_cast<int64_t>(lf.lfEscapement) % 3600);
    request.escapement = escapement < 0 ? escapement + 3600 : escapement;
    request.bold = lf.lfWeight >= FW_SEMIBOLD;
    request.italic = lf.lfItalic != 0;
    request.underline = lf.lfUnderline != 0;
    request.strikeOut = lf.lfStrikeOut != 0;
    return request;
}

TEXTMETRICW TextMetricsOf(const engine::FontRequest& request)
{
    const engine::FontMetrics m = engine::MetricsOf(request);
    const engine::FontFace& face = *request.face;
    TEXTMETRICW tm = {};
    tm.tmHeight = m.ascent + m.descent;
    tm.tmAscent = m.ascent;
    tm.tmDescent = m.descent;
    tm.tmInternalLeading = m.internalLeading;
    tm.tmExternalLeading = 0;
    tm.tmAveCharWidth = m.aveCharWidth;
    tm.tmMaxCharWidth = m.maxCharWidth;
    tm.tmWeight = request.bold ? FW_BOLD : FW_NORMAL;
    tm.tmOverhang = 0;
    tm.tmDigitizedAspectX = request.logResPpi.cx;
    tm.tmDigitizedAspectY = request.logResPpi.cy;
    tm.tmFirstChar = 0x20;
    tm.tmLastChar = engine::LastCharacterOf(face);
    tm.tmDefaultChar = 0x1F;
    tm.tmBreakChar = 0x20;
    tm.tmItalic = request.italic ? 1 : 0;
    tm.tmUnderlined = request.underline ? 1 : 0;
    tm.tmStruckOut = request.strikeOut ? 1 : 0;
    // TMPF_FIXED_PITCH set says the pitch is variable.
    const bool variable = face.design->fixedAdvance == 0;
    tm.tmPitchAndFamily = static_cast<BYTE>((face.pitchAndFamily & 0xF0) | TMPF_TRUETYPE | TMPF_VECTOR |
                                            (variable ? TMPF_FIXED_PITCH : 0));
    tm.tmCharSet = face.charSet;
    return tm;
}

std::vector<LONG> CharacterAdvances(const engine::FontRequest& request, const WCHAR* text, UINT count, int charExtra)
{
    std::vector<LONG> advances(count);
    for (UINT i = 0; i < count; ++i) {
        const int64_t advance = int64_t{engine::AdvanceOf(request, engine::GlyphOf(request, text[i]))} + charExtra;
        advances[i] = static_cast<LONG>(std::clamp(advance, -kDeviceLimit, kDeviceLimit));
    }
    return advances;
}

} // namespace platform

HFONT WINAPI CreateFontW(int cHeight, int cWidth, int cEscapement, int cOrientation, int cWeight, DWORD bItalic,
                         DWORD bUnderline, DWORD bStrikeOut, DWORD iCharSet, DWORD iOutPrecision,
                         DWORD iClipPrecision, DWORD iQuality, DWORD iPitchAndFamily, LPCWSTR pszFaceName)
{
    LOGFONTW lf = {};
    lf.lfHeight = cHeight;
    lf.lfWidth = cWidth;
    lf.lfEscapement = cEscapement;
    lf.lfOrientation = cOrientation;
    lf.lfWeight = cWeight;
    lf.lfItalic = static_cast<BYTE>(bItalic);
    lf.lfUnderline = static_cast<BYTE>(bUnderline);
    lf.lfStrikeOut = static_cast<BYTE>(bStrikeOut);
    lf.lfCharSet = static_cast<BYTE>(iCharSet);
    lf.lfOutPrecision = static_cast<BYTE>(iOutPrecision);
    lf.lfClipPrecision = static_cast<BYTE>(iClipPrecision);
    lf.lfQuality = static_cast<BYTE>(iQuality);
    lf.lfPitchAndFamily = static_cast<BYTE>(iPitchAndFamily);
    for (size_t i = 0; pszFaceName != nullptr && i + 1 < LF_FACESIZE && pszFaceName[i] != u'\0'; ++i)
        lf.lfFaceName[i] = pszFaceName[i];
    return CreateFontIndirectW(&lf);
}

HFONT WINAPI CreateFontIndirectW(const LOGFONTW* lplf)
{
    if (lplf == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    auto font = std::make_shared<platform::GdiFont>();
    font->logFont = *lplf;
    font->logFont.lfFaceName[LF_FACESIZE - 1] = u'\0';   // a name filling the field is cut to keep its end
    return reinterpret_cast<HFONT>(platform::AddGdiObject(std::move(font)));
}
