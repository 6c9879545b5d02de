// custom_size_units.cpp - a user-defined paper size's dimensions in its display unit.
#include "settings/paper/custom_size_units.h"
#include "settings/strings/text_copy.h"

// The stored dimensions come from printer data and are not trusted to be small: products are taken in
// 64 bits.
DWORD ConvertThousandthInchToMm(WORD unit, DWORD value)
{
    if (unit != kCustomSizeUnitMm)
        return value;
    return static_cast<DWORD>((static_cast<ULONGLONG>(value) * 1000 / 3937 + 9) / 10);
}

DWORD ConvertToHundredthMm(WORD kind, DWORD value)
{
    const ULONGLONG hundredths = kind == 1 ? static_cast<ULONGLONG>(value) * 254 / 100
                                           : static_cast<ULONGLONG>(value) * 100;
    return hundredths > 0xFFFFFFFFull ? 0xFFFFFFFFul : static_cast<DWORD>(hundredths);
}

namespace {

struct InchFigure {
    LONG whole;
    LONG hundredths;
};

} // namespace

// Thousandths of an inch rounded half up to hundredths; a rounding that reaches 100 hundredths carries
// into the whole inches.
static InchFigure ToInchFigure(DWORD thousandths)
{
    InchFigure figure = {static_cast<LONG>(thousandths / 1000), static_cast<LONG>((thousandths % 1000 + 5) / 10)};
    if (figure.hundredths == 100) {
        ++figure.whole;
        figure.hundredths = 0;
    }
    return figure;
}

void FormatCustomSizeText(DWORD width, DWORD length, WORD unit, LPWSTR out, UINT cchOut)
{
    if (out == nullptr || cchOut == 0)
        return;
    WCHAR text[64];   // the longest text, two ten-digit numbers with their words, takes 30 characters
    if (unit == kCustomSizeUnitMm) {
        wsprintfW(text, u"(%ldx%ldmm)", static_cast<LONG>(ConvertThousandthInchToMm(unit, width)),
                  static_cast<LONG>(ConvertThousandthInchToMm(unit, length)));
    } else {
        const InchFigure w = ToInchFigure(width);
        const InchFigure l = ToInchFigure(length);
        wsprintfW(text, u"%ld.%02ldx%ld.%02ldinch", w.whole, w.hundredths, l.whole, l.hundredths);
    }
    CopyTextCut(out, cchOut, text);
}
