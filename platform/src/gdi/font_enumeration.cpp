// font_enumeration.cpp - EnumFontFamiliesW and EnumFontFamiliesExW over the stand-in's faces. Every face is a
// TrueType family of one style, its regular one; bold and italic are made from it when asked for.
#include "common/text_util.h"
#include "gdi/fonts.h"

#include <algorithm>
#include <cstring>

namespace platform {
namespace {

template <size_t N>
void CopyName(WCHAR (&field)[N], std::u16string_view text)
{
    std::fill(std::begin(field), std::end(field), u'\0');
    std::copy_n(text.begin(), std::min(text.size(), N - 1), field);
}

// What one face is enumerated as: a logical font of it at twelve points on the device, and its metrics there.
struct FaceEntry {
    ENUMLOGFONTEXW elf = {};
    NEWTEXTMETRICEXW ntm = {};
};

FaceEntry DescribeFace(const DeviceContext& dc, const engine::FontFace& face)
{
    engine::FontRequest request;
    request.face = &face;
    request.logResPpi = DeviceResolution(dc);
    request.emPixels = 12.0 * request.logResPpi.cy / 72;
    const TEXTMETRICW tm = TextMetricsOf(request);

    FaceEntry entry;
    LOGFONTW& lf = entry.elf.elfLogFont;
    lf.lfHeight = tm.tmHeight;
    lf.lfWidth = tm.tmAveCharWidth;
    lf.lfWeight = tm.tmWeight;
    lf.lfCharSet = face.charSet;
    lf.lfOutPrecision = OUT_STRING_PRECIS;
    lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    lf.lfPitchAndFamily = face.pitchAndFamily;
    CopyName(lf.lfFaceName, face.faceName);
    CopyName(entry.elf.elfFullName, face.faceName);
    CopyName(entry.elf.elfStyle, u"Regular");
    CopyName(entry.elf.elfScript, face.charSet == SHIFTJIS_CHARSET ? u"Japanese" : u"Western");

    // NEWTEXTMETRICW begins with the TEXTMETRICW fields in their order.
    std::memcpy(&entry.ntm.ntmTm, &tm, sizeof tm);
    entry.ntm.ntmTm.ntmFlags = NTM_REGULAR;
    entry.ntm.ntmTm.ntmSizeEM = engine::kNotionalEm;
    entry.ntm.ntmTm.ntmCellHeight = static_cast<UINT>(engine::kNotionalEm * engine::kDesignCell / engine::kDesignEm);
    entry.ntm.ntmTm.ntmAvgWidth =
        static_cast<UINT>(engine::DesignAverageWidth(face) * engine::kNotionalEm / engine::kDesignEm);
    entry.ntm.ntmFontSig.fsCsb[0] = face.charSet == SHIFTJIS_CHARSET ? 0x00020000 : 0x00000001;   // Japanese, Latin 1
    return entry;
}

// Calls proc for each face of the family (every face when family is empty) in the character set (any for
// DEFAULT_CHARSET), until proc answers 0: its last answer, or 1 when no face matched.
int EnumerateFaces(HDC hdc, std::u16string_view family, BYTE charSet, FONTENUMPROCW proc, LPARAM lParam)
{
    const auto dc = DcOrFail(hdc);
    if (dc == nullptr)
        return 0;
    if (proc == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    int answer = 1;
    for (size_t i = 0; const engine::FontFace* face = engine::FontFaceAt(i); ++i) {
        if ((!family.empty() && !EqualsNoCase(face->faceName, family)) ||
            (charSet != DEFAULT_CHARSET && face->charSet != charSet))
            continue;
        const FaceEntry entry = DescribeFace(*dc, *face);
        answer = proc(&entry.elf.elfLogFont, reinterpret_cast<const TEXTMETRICW*>(&entry.ntm), TRUETYPE_FONTTYPE,
                      lParam);
        if (answer == 0)
            break;
    }
    return answer;
}

} // namespace
} // namespace platform

int WINAPI EnumFontFamiliesW(HDC hdc, LPCWSTR lpLogfont, FONTENUMPROCW lpProc, LPARAM lParam)
{
    std::u16string_view family = platform::View(lpLogfont);
    family = family.substr(0, LF_FACESIZE - 1);
    return platform::EnumerateFaces(hdc, family, DEFAULT_CHARSET, lpProc, lParam);
}

int WINAPI EnumFontFamiliesExW(HDC hdc, LPLOGFONTW lpLogfont, FONTENUMPROCW lpProc, LPARAM lParam,
                               DWORD /*dwFlags: reserved, must be zero*/)
{
    if (lpLogfont == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    return platform::EnumerateFaces(hdc, platform::FaceNameOf(*lpLogfont), lpLogfont->lfCharSet, lpProc, lParam);
}
