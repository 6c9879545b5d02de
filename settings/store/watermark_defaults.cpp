// watermark_defaults.cpp - the sixteen watermarks a user starts with, as data.
#include "settings/store/watermark_list.h"

#include <iterator>

// Columns: text, face, size, angle, style, select colour, colour (thickness), centre x, centre y.
// The first has no text (21200 is the empty string).
constexpr WATERMARK_DEFAULT_ROW kWatermarkDefaults[] = {
    {21200, u"ＭＳ Ｐゴシック", 72, 0, 1, 0, 126, 0, 0},
    {30002, u"ＭＳ Ｐゴシック", 72, 0, 1, 0, 126, 0, 0},
    {30003, u"ＭＳ Ｐゴシック", 72, 0, 1, 0, 126, 0, 0},
    {30004, u"ＭＳ Ｐゴシック", 72, 0, 1, 0, 126, 0, 0},
    {30005, u"ＭＳ Ｐゴシック", 72, 0, 1, 0, 126, 0, 0},
    {30006, u"ＭＳ Ｐゴシック", 72, 0, 1, 0, 126, 0, 0},
    {30007, u"ＭＳ Ｐゴシック", 72, 0, 1, 0, 126, 0, 0},
    {30008, u"ＭＳ Ｐゴシック", 72, 0, 1, 0, 126, 0, 0},
    {30009, u"ＭＳ Ｐゴシック", 72, 0, 1, 0, 126, 0, 0},
    {30010, u"ＭＳ Ｐゴシック", 72, 0, 1, 0, 126, 0, 0},
    {30011, u"ＭＳ Ｐゴシック", 72, 0, 1, 0, 126, 0, 0},
    {30012, u"ＭＳ Ｐゴシック", 72, 0, 1, 0, 126, 0, 0},
    {30013, u"ＭＳ Ｐゴシック", 72, 0, 1, 0, 126, 0, 0},
    {30014, u"ＭＳ Ｐゴシック", 72, 0, 1, 0, 126, 0, 0},
    {30015, u"ＭＳ Ｐゴシック", 72, 0, 1, 0, 126, 0, 0},
    {30016, u"ＭＳ Ｐゴシック", 72, 0, 1, 0, 126, 0, 0},
};
static_assert(std::size(kWatermarkDefaults) == 16);

const WATERMARK_DEFAULT_ROW* GetDefaultWatermarkTable(UINT* count)
{
    if (count != nullptr)
        *count = static_cast<UINT>(std::size(kWatermarkDefaults));
    return kWatermarkDefaults;
}
