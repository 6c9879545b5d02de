// control_paint.cpp - the drawing the controls share.
#include "user/control_paint.h"
#include "user/controls.h"
#include "user/painting.h"

namespace platform {

HBRUSH PrepareControlDc(HWND control, HDC hdc, UINT ctlColorMsg)
{
    const auto window = FindWindowRecord(control);
    if (window != nullptr)
        SelectObject(hdc, ControlFont(*window));
    const HWND parent = NotifyParent(control);
    auto brush = parent != nullptr ? reinterpret_cast<HBRUSH>(SendMessageW(
                                         parent, ctlColorMsg, reinterpret_cast<WPARAM>(hdc),
                                         reinterpret_cast<LPARAM>(control)))
                                   : nullptr;
    if (brush == nullptr)
        brush = reinterpret_cast<HBRUSH>(CtlColorDefault(hdc, ctlColorMsg));
    return brush;
}

void DrawItemByOwner(HWND control, HDC hdc, UINT ctlType, UINT itemId, UINT action, UINT state, const RECT& rect,
                     ULONG_PTR itemData)
{
    const auto window = FindWindowRecord(control);
    if (window == nullptr)
        return;
    DRAWITEMSTRUCT dis = {};
    dis.CtlType = ctlType;
    dis.CtlID = static_cast<UINT>(window->id);
    dis.itemID = itemId;
    dis.itemAction = action;
    dis.itemState = state | (window->Enabled() ? 0 : ODS_DISABLED);
    dis.hwndItem = control;
    dis.hDC = hdc;
    dis.rcItem = rect;
    dis.itemData = itemData;
    SendMessageW(NotifyParent(control), WM_DRAWITEM, dis.CtlID, reinterpret_cast<LPARAM>(&dis));
}

void DrawCheckMark(HDC hdc, const RECT& box, COLORREF color)
{
    const HPEN pen = CreatePen(PS_SOLID, 2, color);
    const HGDIOBJ old = SelectObject(hdc, pen);
    const LONG w = box.right - box.left;
    const LONG h = box.bottom - box.top;
    MoveToEx(hdc, box.left + w / 5, box.top + h / 2, nullptr);
    LineTo(hdc, box.left + w * 2 / 5, box.top + h * 3 / 4);
    LineTo(hdc, box.left + w * 4 / 5, box.top + h / 4);
    SelectObject(hdc, old);
    DeleteObject(pen);
}

void SetControlTextColor(HDC hdc, HWND control, COLORREF enabledColor)
{
    SetTextColor(hdc, ReallyEnabled(control) ? enabledColor : GetSysColor(COLOR_GRAYTEXT));
}

LRESULT ControlDefault(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, const std::function<void(HDC)>& paint)
{
    const auto window = FindWindowRecord(hwnd);
    if (window == nullptr)
        return 0;
    switch (msg) {
    case WM_ENABLE:
        window->invalid = true;
        return 0;
    case WM_SETFONT:
        window->font = reinterpret_cast<HFONT>(wParam);
        if (LOWORD(lParam) != 0)
            window->invalid = true;
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(window->font);
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        const HDC hdc = BeginPaint(hwnd, &ps);
        if (hdc != nullptr)
            paint(hdc);
        EndPaint(hwnd, &ps);
        return 0;
    }
    default:
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    }
}

} // namespace platform
