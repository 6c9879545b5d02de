// painting.cpp - the device contexts of windows (GetDC, BeginPaint), invalidation, and the window manager's
// drawing helpers (DrawTextW, DrawEdge, DrawFocusRect, FrameRect, DrawIcon). Every window of a top-level window
// draws onto that window's one picture, a 24-bit bitmap of its size, through an ordinary memory DC whose
// origin and clip are the window's; the screen DC (GetDC(NULL)) draws on the desktop's picture.
#include "user/painting.h"
#include "common/world_state.h"
#include "gdi/bitmaps.h"
#include "gdi/memory_dc.h"
#include "gdi/selection.h"
#include "gdi/stock_objects.h"
#include "common/text_util.h"

#include <algorithm>
#include <map>

namespace platform {
namespace {

struct WindowSurface {
    HBITMAP handle = nullptr;
    std::shared_ptr<GdiBitmap> bitmap;
};

// The window each window DC was handed out for.
std::map<HDC, HWND>& WindowDcs()
{
    static auto* dcs = new std::map<HDC, HWND>;
    return *dcs;
}

HFONT g_dialogFont = nullptr;

const bool kForgetsDcsWithTheWorld = (OnWorldReset([] {
                                          WindowDcs().clear();
                                          g_dialogFont = nullptr;
                                      }),
                                      true);

// The top-level window's picture, made or remade at the window's size.
WindowSurface* SurfaceOf(WindowRecord& top)
{
    const LONG width = std::max(top.rect.right - top.rect.left, 1L);
    const LONG height = std::max(top.rect.bottom - top.rect.top, 1L);
    auto* surface = static_cast<WindowSurface*>(top.surface.get());
    if (surface != nullptr && surface->bitmap->width == width && surface->bitmap->height == height)
        return surface;
    ReleaseWindowSurface(top);
    auto bitmap = MakeDdb(width, height, 24, {});
    if (bitmap == nullptr)
        return nullptr;
    bitmap->stock = true;   // no application's DeleteObject takes it away
    auto made = std::make_shared<WindowSurface>();
    made->bitmap = bitmap;
    made->handle = reinterpret_cast<HBITMAP>(AddGdiObject(bitmap));
    top.surface = made;
    return made.get();
}

// A DC on the window's part of its top-level window's picture: its client area, or the whole window.
HDC MakeWindowDc(HWND hwnd, bool clientArea)
{
    const HWND topHandle = hwnd == nullptr ? DesktopWindow() : TopLevelOf(hwnd);
    const auto top = FindWindowRecord(topHandle);
    const auto window = FindWindowRecord(hwnd == nullptr ? topHandle : hwnd);
    if (top == nullptr || window == nullptr)
        return nullptr;
    WindowSurface* surface = SurfaceOf(*top);
    if (surface == nullptr)
        return nullptr;
    const POINT topOrigin = WindowOriginOnScreen(topHandle);
    const POINT origin = clientArea ? ClientOriginOnScreen(window->hwnd) : WindowOriginOnScreen(window->hwnd);
    const LONG x = origin.x - topOrigin.x;
    const LONG y = origin.y - topOrigin.y;
    const SIZE size = clientArea ? ClientSizeOf(*window)
                                 : SIZE{window->rect.right - window->rect.left, window->rect.bottom - window->rect.top};
    auto dc = std::make_shared<MemoryDc>();
    InitialiseAttributes(dc->attrs);
    dc->attrs.bitmap = {surface->handle, surface->bitmap};
    dc->attrs.viewportOrg = {x, y};
    // Drawing stays within the window and within each parent's client area on the way up.
    RECTL clip = {x, y, x + size.cx, y + size.cy};
    for (auto up = window; up != nullptr && up->IsChild();) {
        up = FindWindowRecord(up->parent);
        if (up == nullptr)
            break;
        const POINT parentOrigin = ClientOriginOnScreen(up->hwnd);
        const SIZE parentSize = ClientSizeOf(*up);
        const LONG px = parentOrigin.x - topOrigin.x;
        const LONG py = parentOrigin.y - topOrigin.y;
        clip = {std::max(clip.left, px), std::max(clip.top, py), std::min(clip.right, px + parentSize.cx),
                std::min(clip.bottom, py + parentSize.cy)};
    }
    clip = {std::max(clip.left, 0L), std::max(clip.top, 0L), std::min(clip.right, surface->bitmap->width),
            std::min(clip.bottom, surface->bitmap->height)};
    if (clip.right < clip.left)
        clip.right = clip.left;
    if (clip.bottom < clip.top)
        clip.bottom = clip.top;
    dc->attrs.draw.clip = std::vector<RECTL>{clip};
    if (hwnd != nullptr)
        dc->attrs.font = {ControlFont(*window), FindGdiObject(ControlFont(*window))};
    const HDC hdc = AddDc(std::move(dc));
    WindowDcs()[hdc] = hwnd;
    return hdc;
}

void MarkTreeInvalid(HWND hwnd)
{
    for (const HWND member : WindowTree(hwnd))
        if (const auto window = FindWindowRecord(member))
            window->invalid = true;
}

// The frame and caption of a top-level window, which the stand-in draws itself.
void PaintFrame(WindowRecord& top)
{
    const HDC hdc = MakeWindowDc(top.hwnd, /*clientArea=*/false);
    if (hdc == nullptr)
        return;
    RECT rect = {0, 0, top.rect.right - top.rect.left, top.rect.bottom - top.rect.top};
    FillRect(hdc, &rect, GetSysColorBrush(COLOR_BTNFACE));
    const RECT insets = FrameInsetsOf(top);
    if (insets.left >= 3)
        DrawEdge(hdc, &rect, EDGE_RAISED, BF_RECT);
    else if (insets.left == 1)
        FrameRect(hdc, &rect, GetSysColorBrush(COLOR_WINDOWFRAME));
    if ((top.style & WS_CAPTION) == WS_CAPTION) {
        RECT caption = {3, 3, rect.right - 3, 21};
        FillRect(hdc, &caption, GetSysColorBrush(COLOR_ACTIVECAPTION));
        SetTextColor(hdc, GetSysColor(COLOR_CAPTIONTEXT));
        SetBkMode(hdc, TRANSPARENT);
        caption.left += 4;
        DrawTextW(hdc, top.text.c_str(), -1, &caption, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    }
    ReleaseDC(top.hwnd, hdc);
}

// Splits a text into its lines for DrawTextW: at line breaks, and at spaces where a line would pass the width.
std::vector<std::u16string> TextLines(HDC hdc, const std::u16string& text, UINT format, LONG width)
{
    std::vector<std::u16string> lines;
    if ((format & DT_SINGLELINE) != 0) {
        std::u16string line = text;
        std::replace(line.begin(), line.end(), u'\n', u' ');
        std::erase(line, u'\r');
        lines.push_back(line);
        return lines;
    }
    size_t start = 0;
    for (;;) {
        const size_t end = text.find(u'\n', start);
        std::u16string paragraph = text.substr(start, end == std::u16string::npos ? std::u16string::npos : end - start);
        std::erase(paragraph, u'\r');
        while ((format & DT_WORDBREAK) != 0 && !paragraph.empty()) {
            SIZE extent = {};
            GetTextExtentPoint32W(hdc, paragraph.c_str(), static_cast<int>(paragraph.size()), &extent);
            if (extent.cx <= width)
                break;
            // The longest start of the paragraph, ending before a space, that fits.
            size_t cut = std::u16string::npos;
            for (size_t space = paragraph.find(u' '); space != std::u16string::npos;
                 space = paragraph.find(u' ', space + 1)) {
                GetTextExtentPoint32W(hdc, paragraph.c_str(), static_cast<int>(space), &extent);
                if (extent.cx > width)
                    break;
                cut = space;
            }
            if (cut == std::u16string::npos)
                break;
            lines.push_back(paragraph.substr(0, cut));
            paragraph.erase(0, cut + 1);
        }
        lines.push_back(paragraph);
        if (end == std::u16string::npos)
            break;
        start = end + 1;
    }
    return lines;
}

} // namespace

HFONT DefaultDialogFont()
{
    if (g_dialogFont == nullptr) {
        g_dialogFont = CreateFontW(-11, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, 0, 0, 0, 0,
                                   u"MS Shell Dlg");
        if (const auto object = FindGdiObject(g_dialogFont))
            object->stock = true;
    }
    return g_dialogFont;
}

HFONT ControlFont(const WindowRecord& window)
{
    if (window.font != nullptr && FindGdiObject(window.font) != nullptr)
        return window.font;
    return DefaultDialogFont();
}

void ReleaseWindowSurface(WindowRecord& window)
{
    auto* surface = static_cast<WindowSurface*>(window.surface.get());
    if (surface == nullptr)
        return;
    surface->bitmap->stock = false;
    if (!IsSelectedAnywhere(surface->bitmap.get()))
        DeleteObject(surface->handle);
    window.surface.reset();
}

void PaintInvalidWindows(HWND hwnd)
{
    for (const HWND member : WindowTree(hwnd)) {
        const auto window = FindWindowRecord(member);
        if (window == nullptr || !window->invalid || !ReallyVisible(member))
            continue;
        // What a parent paints covers its children, so they paint again after it.
        MarkTreeInvalid(member);
        SendMessageW(member, WM_PAINT, 0, 0);
        window->invalid = false;
    }
}

WindowPicture TakeWindowPicture(HWND topLevel)
{
    WindowPicture picture;
    const auto top = FindWindowRecord(TopLevelOf(topLevel));
    if (top == nullptr)
        return picture;
    const bool wasVisible = top->Visible();
    top->style |= WS_VISIBLE;
    PaintFrame(*top);
    MarkTreeInvalid(top->hwnd);
    PaintInvalidWindows(top->hwnd);
    if (!wasVisible)
        top->style &= ~WS_VISIBLE;
    const auto* surface = static_cast<WindowSurface*>(top->surface.get());
    if (surface == nullptr)
        return picture;
    const GdiBitmap& bitmap = *surface->bitmap;
    picture.width = bitmap.width;
    picture.height = bitmap.height;
    picture.rgb.resize(static_cast<size_t>(bitmap.width) * bitmap.height * 3);
    const auto* base = static_cast<const BYTE*>(bitmap.so()->pvScan0);
    const LONG delta = bitmap.so()->lDelta;
    for (LONG y = 0; y < bitmap.height; ++y) {
        const BYTE* row = base + static_cast<ptrdiff_t>(y) * delta;
        BYTE* out = picture.rgb.data() + static_cast<size_t>(y) * bitmap.width * 3;
        for (LONG x = 0; x < bitmap.width; ++x) {
            out[x * 3 + 0] = row[x * 3 + 2];
            out[x * 3 + 1] = row[x * 3 + 1];
            out[x * 3 + 2] = row[x * 3 + 0];
        }
    }
    return picture;
}

} // namespace platform

using namespace platform;

HDC WINAPI GetDC(HWND hWnd)
{
    if (hWnd != nullptr && WindowOrFail(hWnd) == nullptr)
        return nullptr;
    return MakeWindowDc(hWnd, /*clientArea=*/true);
}

HDC WINAPI GetWindowDC(HWND hWnd)
{
    if (hWnd != nullptr && WindowOrFail(hWnd) == nullptr)
        return nullptr;
    return MakeWindowDc(hWnd, /*clientArea=*/false);
}

int WINAPI ReleaseDC(HWND, HDC hDC)
{
    const auto it = WindowDcs().find(hDC);
    if (it == WindowDcs().end())
        return 0;
    WindowDcs().erase(it);
    const auto dc = FindDc(hDC);
    if (dc == nullptr)
        return 0;
    // The picture stays with its window: only the DC goes.
    dc->attrs.bitmap = {DefaultBitmap(), FindGdiObject(DefaultBitmap())};
    DeleteMemoryDc(dc);
    return 1;
}

HDC WINAPI BeginPaint(HWND hWnd, LPPAINTSTRUCT lpPaint)
{
    const auto window = WindowOrFail(hWnd);
    if (window == nullptr || lpPaint == nullptr)
        return nullptr;
    const HDC hdc = MakeWindowDc(hWnd, /*clientArea=*/true);
    *lpPaint = {};
    lpPaint->hdc = hdc;
    GetClientRect(hWnd, &lpPaint->rcPaint);
    window->invalid = false;
    if (hdc != nullptr)
        lpPaint->fErase = SendMessageW(hWnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(hdc), 0) != 0 ? FALSE : TRUE;
    return hdc;
}

BOOL WINAPI EndPaint(HWND hWnd, const PAINTSTRUCT* lpPaint)
{
    if (lpPaint == nullptr)
        return FALSE;
    ReleaseDC(hWnd, lpPaint->hdc);
    return TRUE;
}

BOOL WINAPI InvalidateRect(HWND hWnd, const RECT*, BOOL)
{
    if (hWnd == nullptr) {
        for (const auto& window : AllWindows())
            window->invalid = true;
        return TRUE;
    }
    if (WindowOrFail(hWnd) == nullptr)
        return FALSE;
    MarkTreeInvalid(hWnd);
    return TRUE;
}

BOOL WINAPI ValidateRect(HWND hWnd, const RECT*)
{
    const auto window = WindowOrFail(hWnd);
    if (window == nullptr)
        return FALSE;
    window->invalid = false;
    return TRUE;
}

BOOL WINAPI UpdateWindow(HWND hWnd)
{
    if (WindowOrFail(hWnd) == nullptr)
        return FALSE;
    PaintInvalidWindows(hWnd);
    return TRUE;
}

BOOL WINAPI RedrawWindow(HWND hWnd, const RECT*, HRGN, UINT flags)
{
    if (hWnd != nullptr && WindowOrFail(hWnd) == nullptr)
        return FALSE;
    const HWND target = hWnd != nullptr ? hWnd : DesktopWindow();
    if ((flags & RDW_INVALIDATE) != 0)
        InvalidateRect(target, nullptr, (flags & RDW_ERASE) != 0);
    if ((flags & RDW_VALIDATE) != 0)
        ValidateRect(target, nullptr);
    if ((flags & RDW_UPDATENOW) != 0)
        PaintInvalidWindows(target);
    return TRUE;
}

BOOL WINAPI GetUpdateRect(HWND hWnd, LPRECT lpRect, BOOL)
{
    const auto window = WindowOrFail(hWnd);
    if (window == nullptr)
        return FALSE;
    if (lpRect != nullptr) {
        if (window->invalid)
            GetClientRect(hWnd, lpRect);
        else
            SetRectEmpty(lpRect);
    }
    return window->invalid ? TRUE : FALSE;
}

int WINAPI DrawTextW(HDC hdc, LPCWSTR lpchText, int cchText, LPRECT lprc, UINT format)
{
    if (lpchText == nullptr || lprc == nullptr || DcOrFail(hdc) == nullptr)
        return 0;
    std::u16string text = cchText < 0 ? std::u16string(View(lpchText))
                                      : std::u16string(lpchText, static_cast<size_t>(std::min(cchText, 1 << 16)));
    if ((format & DT_NOPREFIX) == 0) {
        // "&x" underlines x in Windows; here the ampersand goes and "&&" stands for one.
        std::u16string plain;
        for (size_t i = 0; i < text.size(); ++i) {
            if (text[i] == u'&' && i + 1 < text.size())
                ++i;
            else if (text[i] == u'&')
                continue;
            plain.push_back(text[i]);
        }
        text = plain;
    }
    TEXTMETRICW tm = {};
    GetTextMetricsW(hdc, &tm);
    const LONG lineHeight = std::max(tm.tmHeight, 1L);
    const std::vector<std::u16string> lines = TextLines(hdc, text, format, lprc->right - lprc->left);
    const LONG height = lineHeight * static_cast<LONG>(lines.size());
    if ((format & DT_CALCRECT) != 0) {
        LONG widest = 0;
        for (const auto& line : lines) {
            SIZE extent = {};
            GetTextExtentPoint32W(hdc, line.c_str(), static_cast<int>(line.size()), &extent);
            widest = std::max(widest, extent.cx);
        }
        lprc->right = lprc->left + widest;
        lprc->bottom = lprc->top + height;
        return height;
    }
    LONG y = lprc->top;
    if ((format & DT_SINGLELINE) != 0 && (format & DT_VCENTER) != 0)
        y = lprc->top + (lprc->bottom - lprc->top - lineHeight) / 2;
    else if ((format & DT_SINGLELINE) != 0 && (format & DT_BOTTOM) != 0)
        y = lprc->bottom - lineHeight;
    const UINT options = (format & DT_NOCLIP) != 0 ? 0 : ETO_CLIPPED;
    for (const auto& line : lines) {
        SIZE extent = {};
        GetTextExtentPoint32W(hdc, line.c_str(), static_cast<int>(line.size()), &extent);
        LONG x = lprc->left;
        if ((format & DT_CENTER) != 0)
            x = lprc->left + (lprc->right - lprc->left - extent.cx) / 2;
        else if ((format & DT_RIGHT) != 0)
            x = lprc->right - extent.cx;
        ExtTextOutW(hdc, x, y, options, lprc, line.c_str(), static_cast<UINT>(line.size()), nullptr);
        y += lineHeight;
    }
    return height;
}

BOOL WINAPI DrawEdge(HDC hdc, LPRECT qrc, UINT edge, UINT grfFlags)
{
    if (qrc == nullptr)
        return FALSE;
    RECT r = *qrc;
    // Outer line first, then the inner one inside it: the raised and sunken colours of each.
    const struct { UINT raised; UINT sunken; int topLeftRaised; int bottomRightRaised; int topLeftSunken;
                   int bottomRightSunken; } kLines[] = {
        {BDR_RAISEDOUTER, BDR_SUNKENOUTER, COLOR_3DLIGHT, COLOR_3DDKSHADOW, COLOR_3DSHADOW, COLOR_3DHIGHLIGHT},
        {BDR_RAISEDINNER, BDR_SUNKENINNER, COLOR_3DHIGHLIGHT, COLOR_3DSHADOW, COLOR_3DDKSHADOW, COLOR_3DLIGHT},
    };
    for (const auto& line : kLines) {
        if ((edge & (line.raised | line.sunken)) == 0)
            continue;
        const bool raised = (edge & line.raised) != 0;
        const HBRUSH topLeft = GetSysColorBrush(raised ? line.topLeftRaised : line.topLeftSunken);
        const HBRUSH bottomRight = GetSysColorBrush(raised ? line.bottomRightRaised : line.bottomRightSunken);
        const RECT left = {r.left, r.top, r.left + 1, r.bottom};
        const RECT top = {r.left, r.top, r.right, r.top + 1};
        const RECT right = {r.right - 1, r.top, r.right, r.bottom};
        const RECT bottom = {r.left, r.bottom - 1, r.right, r.bottom};
        if ((grfFlags & BF_LEFT) != 0)
            FillRect(hdc, &left, topLeft);
        if ((grfFlags & BF_TOP) != 0)
            FillRect(hdc, &top, topLeft);
        if ((grfFlags & BF_RIGHT) != 0)
            FillRect(hdc, &right, bottomRight);
        if ((grfFlags & BF_BOTTOM) != 0)
            FillRect(hdc, &bottom, bottomRight);
        InflateRect(&r, -1, -1);
    }
    if ((grfFlags & BF_MIDDLE) != 0)
        FillRect(hdc, &r, GetSysColorBrush(COLOR_BTNFACE));
    if ((grfFlags & BF_ADJUST) != 0)
        *qrc = r;
    return TRUE;
}

BOOL WINAPI DrawFocusRect(HDC hDC, const RECT* lprc)
{
    if (lprc == nullptr)
        return FALSE;
    const LONG w = lprc->right - lprc->left;
    const LONG h = lprc->bottom - lprc->top;
    // Inverted, so that drawing it twice takes it away again, as Windows' dotted focus frame does.
    PatBlt(hDC, lprc->left, lprc->top, w, 1, DSTINVERT);
    PatBlt(hDC, lprc->left, lprc->bottom - 1, w, 1, DSTINVERT);
    PatBlt(hDC, lprc->left, lprc->top + 1, 1, h - 2, DSTINVERT);
    PatBlt(hDC, lprc->right - 1, lprc->top + 1, 1, h - 2, DSTINVERT);
    return TRUE;
}

int WINAPI FrameRect(HDC hDC, const RECT* lprc, HBRUSH hbr)
{
    if (lprc == nullptr)
        return 0;
    const RECT sides[] = {
        {lprc->left, lprc->top, lprc->right, lprc->top + 1},
        {lprc->left, lprc->bottom - 1, lprc->right, lprc->bottom},
        {lprc->left, lprc->top, lprc->left + 1, lprc->bottom},
        {lprc->right - 1, lprc->top, lprc->right, lprc->bottom},
    };
    for (const RECT& side : sides)
        if (!FillRect(hDC, &side, hbr))
            return 0;
    return 1;
}

BOOL WINAPI DrawIcon(HDC hDC, int X, int Y, HICON hIcon)
{
    if (hIcon == nullptr) {
        SetLastError(ERROR_INVALID_CURSOR_HANDLE);
        return FALSE;
    }
    // Icons carry no picture here: a framed square shows where one is.
    const RECT box = {X, Y, X + 32, Y + 32};
    FillRect(hDC, &box, GetSysColorBrush(COLOR_WINDOW));
    return FrameRect(hDC, &box, GetSysColorBrush(COLOR_WINDOWTEXT)) ? TRUE : FALSE;
}
