// static.cpp - the static class: texts, icons, bitmaps, rectangles, frames, etched lines and owner-drawn
// statics. Only one with SS_NOTIFY tells its parent of clicks.
#include "user/control_paint.h"
#include "user/controls.h"

namespace platform {
namespace {

struct StaticState : UserControl {
    HANDLE image = nullptr;
};

void PaintImage(HDC hdc, const RECT& rc, DWORD type, HANDLE image)
{
    if (image == nullptr)
        return;
    if (type == SS_ICON) {
        DrawIcon(hdc, rc.left, rc.top, static_cast<HICON>(image));
        return;
    }
    BITMAP bm = {};
    if (GetObjectW(image, sizeof bm, &bm) == 0)
        return;
    const HDC source = CreateCompatibleDC(hdc);
    const HGDIOBJ old = SelectObject(source, image);
    BitBlt(hdc, rc.left, rc.top, bm.bmWidth, bm.bmHeight, source, 0, 0, SRCCOPY);
    SelectObject(source, old);
    DeleteDC(source);
}

void PaintStatic(HWND hwnd, HDC hdc, const StaticState& state)
{
    const auto window = FindWindowRecord(hwnd);
    RECT rc;
    GetClientRect(hwnd, &rc);
    const DWORD type = window->style & SS_TYPEMASK;
    if (type == SS_OWNERDRAW) {
        DrawItemByOwner(hwnd, hdc, ODT_STATIC, 0, ODA_DRAWENTIRE, 0, rc, 0);
        return;
    }
    const HBRUSH brush = PrepareControlDc(hwnd, hdc, WM_CTLCOLORSTATIC);
    switch (type) {
    case SS_BLACKRECT: FillRect(hdc, &rc, GetSysColorBrush(COLOR_WINDOWFRAME)); return;
    case SS_GRAYRECT:  FillRect(hdc, &rc, GetSysColorBrush(COLOR_BTNSHADOW)); return;
    case SS_WHITERECT: FillRect(hdc, &rc, GetSysColorBrush(COLOR_WINDOW)); return;
    case SS_BLACKFRAME: FrameRect(hdc, &rc, GetSysColorBrush(COLOR_WINDOWFRAME)); return;
    case SS_GRAYFRAME:  FrameRect(hdc, &rc, GetSysColorBrush(COLOR_BTNSHADOW)); return;
    case SS_WHITEFRAME: FrameRect(hdc, &rc, GetSysColorBrush(COLOR_WINDOW)); return;
    case SS_ETCHEDHORZ: {
        RECT line = {rc.left, rc.top, rc.right, rc.top + 2};
        DrawEdge(hdc, &line, EDGE_ETCHED, BF_TOP);
        return;
    }
    case SS_ETCHEDVERT: {
        RECT line = {rc.left, rc.top, rc.left + 2, rc.bottom};
        DrawEdge(hdc, &line, EDGE_ETCHED, BF_LEFT);
        return;
    }
    case SS_ETCHEDFRAME: DrawEdge(hdc, &rc, EDGE_ETCHED, BF_RECT); return;
    case SS_ICON:
    case SS_BITMAP:
        FillRect(hdc, &rc, brush);
        PaintImage(hdc, rc, type, state.image);
        return;
    default:
        break;
    }
    FillRect(hdc, &rc, brush);
    SetBkMode(hdc, TRANSPARENT);
    SetControlTextColor(hdc, hwnd, GetTextColor(hdc));
    if ((window->style & SS_SUNKEN) != 0) {
        RECT edge = rc;
        DrawEdge(hdc, &edge, BDR_SUNKENOUTER, BF_RECT);
        InflateRect(&rc, -1, -1);
    }
    UINT format = (window->style & SS_NOPREFIX) != 0 ? DT_NOPREFIX : 0;
    if (type == SS_CENTER)
        format |= DT_CENTER | DT_WORDBREAK;
    else if (type == SS_RIGHT)
        format |= DT_RIGHT | DT_WORDBREAK;
    else if (type == SS_LEFT)
        format |= DT_WORDBREAK;
    if ((window->style & SS_CENTERIMAGE) != 0)
        format = (format & ~DT_WORDBREAK) | DT_SINGLELINE | DT_VCENTER;
    DrawTextW(hdc, window->text.c_str(), -1, &rc, format);
}

} // namespace

LRESULT CALLBACK StaticProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    std::shared_ptr<WindowRecord> window;
    auto* state = ControlStateOf<StaticState>(hwnd, window);
    if (state == nullptr)
        return window != nullptr ? DefWindowProcW(hwnd, msg, wParam, lParam) : 0;
    const DWORD type = window->style & SS_TYPEMASK;
    switch (msg) {
    case WM_NCCREATE: {
        // An icon or bitmap static names its image by resource id in its text.
        const auto* cs = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        if ((type == SS_ICON || type == SS_BITMAP) && cs != nullptr && cs->lpszName != nullptr) {
            const LPCWSTR name = IS_INTRESOURCE(cs->lpszName) ? cs->lpszName : nullptr;
            if (name != nullptr)
                state->image = type == SS_ICON ? static_cast<HANDLE>(LoadIconW(cs->hInstance, name))
                                               : static_cast<HANDLE>(LoadBitmapW(cs->hInstance, name));
            return TRUE;
        }
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    }
    case WM_GETDLGCODE:
        return DLGC_STATIC;
    case STM_SETICON:
    case STM_SETIMAGE: {
        const HANDLE old = state->image;
        state->image = reinterpret_cast<HANDLE>(msg == STM_SETICON ? wParam : lParam);
        window->invalid = true;
        return reinterpret_cast<LRESULT>(old);
    }
    case STM_GETICON:
    case STM_GETIMAGE:
        return reinterpret_cast<LRESULT>(state->image);
    case WM_LBUTTONDOWN:
        if ((window->style & SS_NOTIFY) != 0)
            NotifyCommand(hwnd, STN_CLICKED);
        return 0;
    case WM_LBUTTONDBLCLK:
        if ((window->style & SS_NOTIFY) != 0)
            NotifyCommand(hwnd, STN_DBLCLK);
        return 0;
    case WM_ENABLE:
        window->invalid = true;
        if ((window->style & SS_NOTIFY) != 0)
            NotifyCommand(hwnd, wParam ? STN_ENABLE : STN_DISABLE);
        return 0;
    default:
        return ControlDefault(hwnd, msg, wParam, lParam,
                              [hwnd, state](HDC hdc) { PaintStatic(hwnd, hdc, *state); });
    }
}

} // namespace platform
