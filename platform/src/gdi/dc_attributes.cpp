// dc_attributes.cpp - the attribute calls of device contexts: colours, modes, the current position, origins,
// and SaveDC/RestoreDC.
#include "gdi/device_context.h"
#include "gdi/selection.h"

#include <utility>

namespace platform {
namespace {

// The int attribute the member names, of the DC's drawing attributes or of the DC's own.
int& ModeOf(DeviceContext& dc, int DrawAttributes::*field)
{
    return dc.attrs.draw.*field;
}

int& ModeOf(DeviceContext& dc, int DcAttributes::*field)
{
    return dc.attrs.*field;
}

// Sets one int attribute when the value is allowed: the previous value, or 0 with ERROR_INVALID_PARAMETER.
template <typename Field>
int SetMode(HDC hdc, Field field, int value, bool allowed)
{
    const auto dc = DcOrFail(hdc);
    if (dc == nullptr)
        return 0;
    if (!allowed) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    return std::exchange(ModeOf(*dc, field), value);
}

template <typename Field>
int GetMode(HDC hdc, Field field)
{
    const auto dc = DcOrFail(hdc);
    return dc != nullptr ? ModeOf(*dc, field) : 0;
}

COLORREF SetColor(HDC hdc, COLORREF DrawAttributes::*field, COLORREF color)
{
    const auto dc = DcOrFail(hdc);
    if (dc == nullptr)
        return CLR_INVALID;
    return std::exchange(dc->attrs.draw.*field, color & 0x00FFFFFF);
}

COLORREF GetColor(HDC hdc, COLORREF DrawAttributes::*field)
{
    const auto dc = DcOrFail(hdc);
    return dc != nullptr ? dc->attrs.draw.*field : CLR_INVALID;
}

// Moves a point attribute (an origin or the current position), answering the old one in lppt.
BOOL SetPoint(HDC hdc, POINT DcAttributes::*field, int x, int y, LPPOINT lppt)
{
    const auto dc = DcOrFail(hdc);
    if (dc == nullptr)
        return FALSE;
    if (lppt != nullptr)
        *lppt = dc->attrs.*field;
    dc->attrs.*field = {x, y};
    return TRUE;
}

} // namespace
} // namespace platform

using platform::DcAttributes;
using platform::DrawAttributes;

COLORREF WINAPI SetTextColor(HDC hdc, COLORREF color)
{
    return platform::SetColor(hdc, &DrawAttributes::textColor, color);
}

COLORREF WINAPI GetTextColor(HDC hdc)
{
    return platform::GetColor(hdc, &DrawAttributes::textColor);
}

COLORREF WINAPI SetBkColor(HDC hdc, COLORREF color)
{
    return platform::SetColor(hdc, &DrawAttributes::bkColor, color);
}

COLORREF WINAPI GetBkColor(HDC hdc)
{
    return platform::GetColor(hdc, &DrawAttributes::bkColor);
}

int WINAPI SetBkMode(HDC hdc, int mode)
{
    return platform::SetMode(hdc, &DrawAttributes::bkMode, mode, mode == TRANSPARENT || mode == OPAQUE);
}

int WINAPI GetBkMode(HDC hdc)
{
    return platform::GetMode(hdc, &DrawAttributes::bkMode);
}

int WINAPI SetROP2(HDC hdc, int rop2)
{
    return platform::SetMode(hdc, &DrawAttributes::rop2, rop2, rop2 >= R2_BLACK && rop2 <= R2_LAST);
}

int WINAPI GetROP2(HDC hdc)
{
    return platform::GetMode(hdc, &DrawAttributes::rop2);
}

int WINAPI SetPolyFillMode(HDC hdc, int mode)
{
    return platform::SetMode(hdc, &DrawAttributes::fillMode, mode, mode == ALTERNATE || mode == WINDING);
}

int WINAPI GetPolyFillMode(HDC hdc)
{
    return platform::GetMode(hdc, &DrawAttributes::fillMode);
}

int WINAPI SetStretchBltMode(HDC hdc, int mode)
{
    const bool known = mode >= BLACKONWHITE && mode <= MAXSTRETCHBLTMODE;
    return platform::SetMode(hdc, &DrawAttributes::stretchMode, mode, known);
}

int WINAPI GetStretchBltMode(HDC hdc)
{
    return platform::GetMode(hdc, &DrawAttributes::stretchMode);
}

int WINAPI SetMapMode(HDC hdc, int iMode)
{
    // Logical units are device pixels here (with the origins' offsets); the scaling modes are refused rather
    // than drawn in the wrong units.
    if (iMode >= MM_LOMETRIC && iMode <= MM_ANISOTROPIC && platform::FindDc(hdc) != nullptr) {
        SetLastError(ERROR_NOT_SUPPORTED);
        return 0;
    }
    return platform::SetMode(hdc, &DcAttributes::mapMode, iMode, iMode == MM_TEXT);
}

int WINAPI GetMapMode(HDC hdc)
{
    return platform::GetMode(hdc, &DcAttributes::mapMode);
}

BOOL WINAPI MoveToEx(HDC hdc, int x, int y, LPPOINT lppt)
{
    if (!platform::SetPoint(hdc, &DcAttributes::position, x, y, lppt))
        return FALSE;
    platform::FindDc(hdc)->attrs.path.figureOpen = false;   // a path's next line starts a new figure here
    return TRUE;
}

BOOL WINAPI SetViewportOrgEx(HDC hdc, int x, int y, LPPOINT lppt)
{
    return platform::SetPoint(hdc, &DcAttributes::viewportOrg, x, y, lppt);
}

BOOL WINAPI SetWindowOrgEx(HDC hdc, int x, int y, LPPOINT lppt)
{
    return platform::SetPoint(hdc, &DcAttributes::windowOrg, x, y, lppt);
}

int WINAPI SaveDC(HDC hdc)
{
    const auto dc = platform::DcOrFail(hdc);
    if (dc == nullptr)
        return 0;
    dc->saved.push_back(dc->attrs);
    return static_cast<int>(dc->saved.size());
}

BOOL WINAPI RestoreDC(HDC hdc, int nSavedDC)
{
    const auto dc = platform::DcOrFail(hdc);
    if (dc == nullptr)
        return FALSE;
    // A positive level names a saved state; a negative one counts back from the latest.
    const int64_t count = static_cast<int64_t>(dc->saved.size());
    const int64_t level = nSavedDC < 0 ? count + 1 + nSavedDC : nSavedDC;
    if (nSavedDC == 0 || level < 1 || level > count) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    platform::DcAttributes restored = dc->saved[static_cast<size_t>(level - 1)];
    dc->saved.resize(static_cast<size_t>(level - 1));
    platform::ReplaceAttributes(*dc, std::move(restored));
    return TRUE;
}
