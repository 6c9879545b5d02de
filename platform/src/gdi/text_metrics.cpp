// text_metrics.cpp - GetTextMetricsW, GetTextExtentPoint32W, GetCharWidth32W and GetTextFaceW: what the font a
// device context draws in measures.
#include "gdi/fonts.h"

#include <algorithm>
#include <cstdint>
#include <numeric>

namespace platform {
namespace {

BOOL Refuse()
{
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
}

} // namespace
} // namespace platform

BOOL WINAPI GetTextMetricsW(HDC hdc, LPTEXTMETRICW lptm)
{
    const auto dc = platform::DcOrFail(hdc);
    if (dc == nullptr)
        return FALSE;
    if (lptm == nullptr)
        return platform::Refuse();
    *lptm = platform::TextMetricsOf(platform::RealizeFont(*dc));
    return TRUE;
}

BOOL WINAPI GetTextExtentPoint32W(HDC hdc, LPCWSTR lpString, int c, LPSIZE psizl)
{
    const auto dc = platform::DcOrFail(hdc);
    if (dc == nullptr)
        return FALSE;
    if (psizl == nullptr || c < 0 || static_cast<UINT>(c) > platform::kMaxTextChars || (c > 0 && lpString == nullptr))
        return platform::Refuse();
    const platform::engine::FontRequest request = platform::RealizeFont(*dc);
    const std::vector<LONG> advances =
        platform::CharacterAdvances(request, lpString, static_cast<UINT>(c), dc->attrs.charExtra);
    const int64_t width = std::accumulate(advances.begin(), advances.end(), int64_t{0});
    psizl->cx = static_cast<LONG>(std::clamp<int64_t>(width, INT32_MIN, INT32_MAX));
    psizl->cy = platform::TextMetricsOf(request).tmHeight;
    return TRUE;
}

BOOL WINAPI GetCharWidth32W(HDC hdc, UINT iFirst, UINT iLast, LPINT lpBuffer)
{
    const auto dc = platform::DcOrFail(hdc);
    if (dc == nullptr)
        return FALSE;
    if (lpBuffer == nullptr || iLast < iFirst || iLast > 0xFFFF)
        return platform::Refuse();
    const platform::engine::FontRequest request = platform::RealizeFont(*dc);
    for (UINT c = iFirst; c <= iLast; ++c)
        lpBuffer[c - iFirst] = platform::engine::AdvanceOf(request, platform::engine::GlyphOf(request, static_cast<WCHAR>(c)));
    return TRUE;
}

int WINAPI GetTextFaceW(HDC hdc, int c, LPWSTR lpName)
{
    const auto dc = platform::DcOrFail(hdc);
    if (dc == nullptr)
        return 0;
    const std::u16string_view face = platform::RealizeFont(*dc).face->faceName;
    if (lpName == nullptr)
        return static_cast<int>(face.size()) + 1;   // the size needed, terminator included
    if (c <= 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    // A short buffer gets the name cut, always terminated; the answer counts the characters before the terminator.
    const size_t copied = std::min(face.size(), static_cast<size_t>(c) - 1);
    std::copy_n(face.begin(), copied, lpName);
    lpName[copied] = u'\0';
    return static_cast<int>(copied);
}
