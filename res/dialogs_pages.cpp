// dialogs_pages.cpp - the dialog templates of the property pages. A page that is not built yet holds its tab
// title and a line saying so; the page's own template replaces it when the page comes.
#include "res/string_table.h"
#include "win/windows.h"

#include <iterator>

namespace {

// The one control of a page still to come; it has no id of its own.
constexpr host::DialogControl kComingControls[] = {
    {0, u"Static", SS_LEFT | WS_VISIBLE, u"This page comes in a later version of the driver.", 12, 12, 240, 10, 0},
};
constexpr UINT kComingCount = static_cast<UINT>(std::size(kComingControls));

constexpr DWORD kPageStyle = DS_SETFONT | WS_CHILD | WS_CAPTION;
constexpr SHORT kPageWidth = 276;
constexpr SHORT kPageHeight = 240;

constexpr host::DialogResource kRows[] = {
    {100,  u"Setup",              kPageStyle, kPageWidth, kPageHeight, kComingControls, kComingCount, nullptr, 0},
    {200,  u"Covers",             kPageStyle, kPageWidth, kPageHeight, kComingControls, kComingCount, nullptr, 0},
    {300,  u"Finishing",          kPageStyle, kPageWidth, kPageHeight, kComingControls, kComingCount, nullptr, 0},
    {400,  u"Forms",              kPageStyle, kPageWidth, kPageHeight, kComingControls, kComingCount, nullptr, 0},
    {500,  u"Watermark",          kPageStyle, kPageWidth, kPageHeight, kComingControls, kComingCount, nullptr, 0},
    {600,  u"Image",              kPageStyle, kPageWidth, kPageHeight, kComingControls, kComingCount, nullptr, 0},
    {700,  u"Fonts",              kPageStyle, kPageWidth, kPageHeight, kComingControls, kComingCount, nullptr, 0},
    {800,  u"Device Options",     kPageStyle, kPageWidth, kPageHeight, kComingControls, kComingCount, nullptr, 0},
    {1000, u"Version",            kPageStyle, kPageWidth, kPageHeight, kComingControls, kComingCount, nullptr, 0},
};

}  // namespace

const DialogTablePart kPageDialogs = {kRows, std::size(kRows)};
