// sample_pages.cpp - the sample document's page: the drawing an office application would send to a printer.
#include "tools/sample/sample_pages.h"

#include <algorithm>
#include <array>
#include <string>
#include <vector>

namespace {

// The page's drawing is laid out on an area of 200 x 260 mm, in tenths of a millimetre; it is drawn at its size
// where the printable page holds it, and made smaller to fit where it does not (a landscape sheet, a small
// paper), so every paper and orientation shows the whole page.
constexpr int kLayoutWidth = 2000;
constexpr int kLayoutHeight = 2600;

// Layout lengths in device pixels: pixels = tenths x m_num / m_den.
class PageScale {
public:
    PageScale(int dpi, int width, int height) : m_num(dpi), m_den(254)
    {
        if (static_cast<long long>(width) * m_den < static_cast<long long>(kLayoutWidth) * m_num) {
            m_num = width;
            m_den = kLayoutWidth;
        }
        if (static_cast<long long>(height) * m_den < static_cast<long long>(kLayoutHeight) * m_num) {
            m_num = height;
            m_den = kLayoutHeight;
        }
    }

    int X(int tenthsMm) const { return MulDiv(tenthsMm, m_num, m_den); }
    int Y(int tenthsMm) const { return MulDiv(tenthsMm, m_num, m_den); }

private:
    int m_num;
    int m_den;
};

// Accumulates whether every call of the page succeeded.
struct Outcome {
    bool ok = true;
    void operator+=(BOOL result) { ok = ok && result != FALSE; }
};

// Character height in pixels of a font of that many points on the layout (negative: the em height, as
// applications ask).
int PointsToHeight(const PageScale& s, int points)
{
    return -s.Y(MulDiv(points, 254, 72));
}

HFONT MakeFont(const PageScale& s, int points, int escapement, int weight, const WCHAR* face)
{
    return CreateFontW(PointsToHeight(s, points), 0, escapement, escapement, weight, FALSE, FALSE, FALSE,
                       DEFAULT_CHARSET, 0, 0, 0, 0, face);
}

std::u16string Digits(int value)
{
    const std::string digits = std::to_string(value);
    return std::u16string(digits.begin(), digits.end());
}

void Text(Outcome& out, HDC hdc, int x, int y, const std::u16string& text)
{
    out += TextOutW(hdc, x, y, text.c_str(), static_cast<int>(text.size()));
}

void DrawTexts(Outcome& out, HDC hdc, const PageScale& s, int pageNumber, int pageCount)
{
    SetBkMode(hdc, TRANSPARENT);
    SetTextColor(hdc, RGB(0, 0, 0));
    const HFONT title = MakeFont(s, 24, 0, FW_BOLD, u"Arial");
    const HFONT body = MakeFont(s, 10, 0, 400, u"Times New Roman");
    const HFONT turned = MakeFont(s, 14, 300, 400, u"Arial");   // 30 degrees up from the baseline
    const HGDIOBJ previous = SelectObject(hdc, title);
    Text(out, hdc, s.X(150), s.Y(150), u"QN-804C sample document");

    SelectObject(hdc, body);
    Text(out, hdc, s.X(150), s.Y(280), u"Page " + Digits(pageNumber) + u" of " + Digits(pageCount));
    const std::array<const char16_t*, 3> lines = {
        u"Lines, rectangles, ellipses, a Bezier path, a hatched shape,",
        u"a drawing clipped to an ellipse and a colour image follow.",
        u"The same page prints on any paper, in either orientation.",
    };
    for (size_t i = 0; i < lines.size(); ++i)
        Text(out, hdc, s.X(150), s.Y(330 + 50 * static_cast<int>(i)), lines[i]);
    // ExtTextOutW with an opaque box: the background of the text is painted too.
    SetBkColor(hdc, RGB(230, 230, 230));
    const RECT box = {s.X(150), s.Y(500), s.X(900), s.Y(560)};
    const std::u16string boxed = u"Opaque text box";
    out += ExtTextOutW(hdc, s.X(160), s.Y(505), ETO_OPAQUE, &box, boxed.c_str(), static_cast<UINT>(boxed.size()),
                       nullptr);

    SelectObject(hdc, turned);
    SetTextColor(hdc, RGB(0, 0, 160));
    Text(out, hdc, s.X(1200), s.Y(560), u"Text at an angle");
    SelectObject(hdc, previous);
    DeleteObject(title);
    DeleteObject(body);
    DeleteObject(turned);
}

void DrawLinesAndShapes(Outcome& out, HDC hdc, const PageScale& s)
{
    const HPEN thin = CreatePen(PS_SOLID, 0, RGB(0, 0, 0));
    const HPEN thick = CreatePen(PS_SOLID, s.X(5), RGB(200, 0, 0));
    const HPEN dashed = CreatePen(PS_DASH, 0, RGB(0, 0, 0));
    const HBRUSH fill = CreateSolidBrush(RGB(120, 180, 240));
    const HGDIOBJ oldPen = SelectObject(hdc, thin);
    const HGDIOBJ oldBrush = SelectObject(hdc, GetStockObject(NULL_BRUSH));

    // A fan of lines, from hairline to thick.
    for (int i = 0; i < 6; ++i) {
        SelectObject(hdc, i % 3 == 0 ? thin : i % 3 == 1 ? thick : dashed);
        out += MoveToEx(hdc, s.X(150), s.Y(700), nullptr);
        out += LineTo(hdc, s.X(150 + 160 * i), s.Y(1100));
    }
    SelectObject(hdc, thin);
    out += Rectangle(hdc, s.X(1150), s.Y(700), s.X(1500), s.Y(1000));
    SelectObject(hdc, fill);
    out += Rectangle(hdc, s.X(1550), s.Y(700), s.X(1900), s.Y(1000));
    out += Ellipse(hdc, s.X(1150), s.Y(1050), s.X(1500), s.Y(1300));
    SelectObject(hdc, thick);
    SelectObject(hdc, GetStockObject(NULL_BRUSH));
    out += Ellipse(hdc, s.X(1550), s.Y(1050), s.X(1900), s.Y(1300));

    SelectObject(hdc, oldPen);
    SelectObject(hdc, oldBrush);
    DeleteObject(thin);
    DeleteObject(thick);
    DeleteObject(dashed);
    DeleteObject(fill);
}

// A closed path of two Bezier curves, filled and outlined.
void DrawBezierPath(Outcome& out, HDC hdc, const PageScale& s)
{
    const HPEN pen = CreatePen(PS_SOLID, s.X(3), RGB(0, 100, 0));
    const HBRUSH brush = CreateSolidBrush(RGB(180, 230, 180));
    const HGDIOBJ oldPen = SelectObject(hdc, pen);
    const HGDIOBJ oldBrush = SelectObject(hdc, brush);
    const POINT curve[] = {
        {s.X(150), s.Y(1500)}, {s.X(350), s.Y(1200)}, {s.X(650), s.Y(1800)}, {s.X(850), s.Y(1500)},
        {s.X(650), s.Y(1350)}, {s.X(350), s.Y(1950)}, {s.X(150), s.Y(1500)},
    };
    out += BeginPath(hdc);
    out += MoveToEx(hdc, curve[0].x, curve[0].y, nullptr);
    out += PolyBezierTo(hdc, curve + 1, static_cast<DWORD>(std::size(curve) - 1));
    out += CloseFigure(hdc);
    out += EndPath(hdc);
    out += StrokeAndFillPath(hdc);
    SelectObject(hdc, oldPen);
    SelectObject(hdc, oldBrush);
    DeleteObject(pen);
    DeleteObject(brush);
}

// A star filled with a hatch brush, its background left as it is.
void DrawHatchedShape(Outcome& out, HDC hdc, const PageScale& s)
{
    const HBRUSH hatch = CreateHatchBrush(HS_DIAGCROSS, RGB(160, 0, 160));
    const HGDIOBJ oldBrush = SelectObject(hdc, hatch);
    const HGDIOBJ oldPen = SelectObject(hdc, GetStockObject(BLACK_PEN));
    SetBkMode(hdc, TRANSPARENT);
    const POINT star[] = {
        {s.X(1100), s.Y(1400)}, {s.X(1180), s.Y(1640)}, {s.X(1420), s.Y(1640)}, {s.X(1230), s.Y(1780)},
        {s.X(1300), s.Y(2000)}, {s.X(1100), s.Y(1870)}, {s.X(900), s.Y(2000)},  {s.X(970), s.Y(1780)},
        {s.X(780), s.Y(1640)},  {s.X(1020), s.Y(1640)},
    };
    out += Polygon(hdc, star, static_cast<int>(std::size(star)));
    SelectObject(hdc, oldBrush);
    SelectObject(hdc, oldPen);
    DeleteObject(hatch);
}

// A grid of lines and a text, clipped to an ellipse: only what lies inside it reaches the page.
void DrawClipped(Outcome& out, HDC hdc, const PageScale& s)
{
    const int saved = SaveDC(hdc);
    out += saved != 0;
    const RECT area = {s.X(1450), s.Y(1400), s.X(1950), s.Y(2000)};
    out += BeginPath(hdc);
    out += Ellipse(hdc, area.left, area.top, area.right, area.bottom);
    out += EndPath(hdc);
    out += SelectClipPath(hdc, RGN_AND);
    const HPEN pen = CreatePen(PS_SOLID, s.X(2), RGB(0, 0, 200));
    const HGDIOBJ oldPen = SelectObject(hdc, pen);
    for (int i = 0; i <= 10; ++i) {
        const int x = area.left + (area.right - area.left) * i / 10;
        const int y = area.top + (area.bottom - area.top) * i / 10;
        out += MoveToEx(hdc, x, area.top, nullptr);
        out += LineTo(hdc, x, area.bottom);
        out += MoveToEx(hdc, area.left, y, nullptr);
        out += LineTo(hdc, area.right, y);
    }
    const HFONT font = MakeFont(s, 28, 0, FW_BOLD, u"Arial");
    const HGDIOBJ oldFont = SelectObject(hdc, font);
    SetTextColor(hdc, RGB(200, 0, 0));
    Text(out, hdc, area.left - s.X(50), area.top + s.Y(250), u"CLIPPED");
    SelectObject(hdc, oldFont);
    SelectObject(hdc, oldPen);
    DeleteObject(font);
    DeleteObject(pen);
    out += RestoreDC(hdc, saved);
}

// A 24-bit colour image of 240 x 160 pixels (a hue sweep over a vertical gray ramp), stretched onto 60 x 40 mm.
void DrawImage(Outcome& out, HDC hdc, const PageScale& s, int pageNumber)
{
    constexpr int kWidth = 240;
    constexpr int kHeight = 160;
    constexpr int kRowBytes = (kWidth * 3 + 3) / 4 * 4;
    std::vector<BYTE> bits(static_cast<size_t>(kRowBytes) * kHeight);
    for (int y = 0; y < kHeight; ++y) {
        BYTE* row = bits.data() + static_cast<size_t>(y) * kRowBytes;
        for (int x = 0; x < kWidth; ++x) {
            const int shade = 255 * y / (kHeight - 1);
            const int hue = (x + 20 * pageNumber) % kWidth;
            row[3 * x + 0] = static_cast<BYTE>(shade * (kWidth - hue) / kWidth);   // blue
            row[3 * x + 1] = static_cast<BYTE>(shade * hue / kWidth);              // green
            row[3 * x + 2] = static_cast<BYTE>(255 - shade);                       // red
        }
    }
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = kWidth;
    info.bmiHeader.biHeight = kHeight;   // bottom-up rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    const int lines = StretchDIBits(hdc, s.X(150), s.Y(2100), s.X(600), s.Y(400), 0, 0, kWidth, kHeight,
                                    bits.data(), &info, DIB_RGB_COLORS, SRCCOPY);
    out += lines == kHeight;
}

} // namespace

bool DrawSamplePage(HDC hdc, int pageNumber, int pageCount)
{
    const int dpi = GetDeviceCaps(hdc, LOGPIXELSY);
    const int width = GetDeviceCaps(hdc, HORZRES);
    const int height = GetDeviceCaps(hdc, VERTRES);
    if (dpi <= 0 || width <= 0 || height <= 0)
        return false;
    const PageScale s(dpi, width, height);
    const int saved = SaveDC(hdc);
    Outcome out;
    DrawTexts(out, hdc, s, pageNumber, pageCount);
    DrawLinesAndShapes(out, hdc, s);
    DrawBezierPath(out, hdc, s);
    DrawHatchedShape(out, hdc, s);
    DrawClipped(out, hdc, s);
    DrawImage(out, hdc, s, pageNumber);
    out += RestoreDC(hdc, saved);
    return out.ok;
}
