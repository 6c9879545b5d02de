// device_font_table.cpp - the printer's resident fonts and their lookups.
#include "pdl/vxcmn/vqpdlnt/device_font_table.h"

#include <iterator>

namespace {

constexpr BYTE kAnsi = ANSI_CHARSET;
constexpr BYTE kSymbol = SYMBOL_CHARSET;
constexpr BYTE kShiftJis = SHIFTJIS_CHARSET;
constexpr USHORT kRegular = FW_NORMAL;
constexpr USHORT kBold = FW_BOLD;

// Within a face the rows run regular, italic, bold, bold italic, as far as the printer has them.
constexpr DEVICE_FONT_ROW kDeviceFonts[] = {
//    face                        family     font                               set        weight    italic
    { u"Albertus Medium",         nullptr,   "Albertus_Medium",                 kAnsi,     kRegular, FALSE },  // 0
    { u"Albertus Extra Bold",     nullptr,   "Albertus_Extra_Bold",             kAnsi,     kRegular, FALSE },
    { u"Antique Olive",           nullptr,   "Antique_Olive",                   kAnsi,     kRegular, FALSE },
    { u"Antique Olive",           nullptr,   "Antique_Olive_Italic",            kAnsi,     kRegular, TRUE  },
    { u"Antique Olive",           nullptr,   "Antique_Olive_Bold",              kAnsi,     kBold,    FALSE },
    { u"Arial",                   nullptr,   "Arial",                           kAnsi,     kRegular, FALSE },  // 5
    { u"Arial",                   nullptr,   "Arial_Italic",                    kAnsi,     kRegular, TRUE  },
    { u"Arial",                   nullptr,   "Arial_Bold",                      kAnsi,     kBold,    FALSE },
    { u"Arial",                   nullptr,   "Arial_Bold_Italic",               kAnsi,     kBold,    TRUE  },
    { u"Clarendon Condensed",     nullptr,   "Clarendon_Condensed_Bold",        kAnsi,     kBold,    FALSE },
    { u"Coronet",                 nullptr,   "Coronet",                         kAnsi,     kRegular, TRUE  },  // 10
    { u"Courier",                 nullptr,   "Courier",                         kAnsi,     kRegular, FALSE },
    { u"Courier",                 nullptr,   "Courier_Italic",                  kAnsi,     kRegular, TRUE  },
    { u"Courier",                 nullptr,   "Courier_Bold",                    kAnsi,     kBold,    FALSE },
    { u"Courier",                 nullptr,   "Courier_Bold_Italic",             kAnsi,     kBold,    TRUE  },
    { u"Garamond",                nullptr,   "Garamond_Antiqua",                kAnsi,     kRegular, FALSE },  // 15
    { u"Garamond",                nullptr,   "Garamond_Kursiv",                 kAnsi,     kRegular, TRUE  },
    { u"Garamond",                nullptr,   "Garamond_Halbfett",               kAnsi,     kBold,    FALSE },
    { u"Garamond",                nullptr,   "Garamond_Kursiv_Halbfett",        kAnsi,     kBold,    TRUE  },
    { u"Letter Gothic",           nullptr,   "Letter_Gothic",                   kAnsi,     kRegular, FALSE },
    { u"Letter Gothic",           nullptr,   "Letter_Gothic_Italic",            kAnsi,     kRegular, TRUE  },  // 20
    { u"Letter Gothic",           nullptr,   "Letter_Gothic_Bold",              kAnsi,     kBold,    FALSE },
    { u"Marigold",                nullptr,   "Marigold",                        kAnsi,     kRegular, FALSE },
    { u"CG Omega",                nullptr,   "CG_Omega",                        kAnsi,     kRegular, FALSE },
    { u"CG Omega",                nullptr,   "CG_Omega_Italic",                 kAnsi,     kRegular, TRUE  },
    { u"CG Omega",                nullptr,   "CG_Omega_Bold",                   kAnsi,     kBold,    FALSE },  // 25
    { u"CG Omega",                nullptr,   "CG_Omega_Bold_Italic",            kAnsi,     kBold,    TRUE  },
    { u"CG Times",                nullptr,   "CG_Times",                        kAnsi,     kRegular, FALSE },
    { u"CG Times",                nullptr,   "CG_Times_Italic",                 kAnsi,     kRegular, TRUE  },
    { u"CG Times",                nullptr,   "CG_Times_Bold",                   kAnsi,     kBold,    FALSE },
    { u"CG Times",                nullptr,   "CG_Times_Bold_Italic",            kAnsi,     kBold,    TRUE  },  // 30
    { u"Times New Roman",         nullptr,   "Times_New_Roman",                 kAnsi,     kRegular, FALSE },
    { u"Times New Roman",         nullptr,   "Times_New_Roman_Italic",          kAnsi,     kRegular, TRUE  },
    { u"Times New Roman",         nullptr,   "Times_New_Roman_Bold",            kAnsi,     kBold,    FALSE },
    { u"Times New Roman",         nullptr,   "Times_New_Roman_Bold_Italic",     kAnsi,     kBold,    TRUE  },
    { u"Univers",                 nullptr,   "Univers_Medium",                  kAnsi,     kRegular, FALSE },  // 35
    { u"Univers",                 nullptr,   "Univers_Medium_Italic",           kAnsi,     kRegular, TRUE  },
    { u"Univers",                 nullptr,   "Univers_Bold",                    kAnsi,     kBold,    FALSE },
    { u"Univers",                 nullptr,   "Univers_Bold_Italic",             kAnsi,     kBold,    TRUE  },
    { u"Univers Condensed",       nullptr,   "Univers_Condensed_Medium",        kAnsi,     kRegular, FALSE },
    { u"Univers Condensed",       nullptr,   "Univers_Condensed_Medium_Italic", kAnsi,     kRegular, TRUE  },  // 40
    { u"Univers Condensed",       nullptr,   "Univers_Condensed_Bold",          kAnsi,     kBold,    FALSE },
    { u"Univers Condensed",       nullptr,   "Univers_Condensed_Bold_Italic",   kAnsi,     kBold,    TRUE  },
    { u"'Dark' Courier",          "Courier", "'Dark'_Courier",                  kAnsi,     kRegular, FALSE },
    { u"'Dark' Courier",          "Courier", "'Dark'_Courier_Italic",           kAnsi,     kRegular, TRUE  },
    { u"'Dark' Courier",          "Courier", "'Dark'_Courier_Bold",             kAnsi,     kBold,    FALSE },  // 45
    { u"'Dark' Courier",          "Courier", "'Dark'_Courier_Bold_Italic",      kAnsi,     kBold,    TRUE  },
    { u"ITC Avant Garde Gothic",  nullptr,   "AvantGarde-Book",                 kAnsi,     kRegular, FALSE },
    { u"ITC Avant Garde Gothic",  nullptr,   "AvantGarde-BookOblique",          kAnsi,     kRegular, TRUE  },
    { u"ITC Avant Garde Gothic",  nullptr,   "AvantGarde-Demi",                 kAnsi,     kBold,    FALSE },
    { u"ITC Avant Garde Gothic",  nullptr,   "AvantGarde-DemiOblique",          kAnsi,     kBold,    TRUE  },  // 50
    { u"ITC Bookman",             nullptr,   "Bookman-Light",                   kAnsi,     kRegular, FALSE },
    { u"ITC Bookman",             nullptr,   "Bookman-LightItalic",             kAnsi,     kRegular, TRUE  },
    { u"ITC Bookman",             nullptr,   "Bookman-Demi",                    kAnsi,     kBold,    FALSE },
    { u"ITC Bookman",             nullptr,   "Bookman-DemiItalic",              kAnsi,     kBold,    TRUE  },
    { u"CourierPS",               nullptr,   "Courier",                         kAnsi,     kRegular, FALSE },  // 55
    { u"CourierPS",               nullptr,   "Courier-Oblique",                 kAnsi,     kRegular, TRUE  },
    { u"CourierPS",               nullptr,   "Courier-Bold",                    kAnsi,     kBold,    FALSE },
    { u"CourierPS",               nullptr,   "Courier-BoldOblique",             kAnsi,     kBold,    TRUE  },
    { u"Helvetica",               nullptr,   "Helvetica",                       kAnsi,     kRegular, FALSE },
    { u"Helvetica",               nullptr,   "Helvetica-Oblique",               kAnsi,     kRegular, TRUE  },  // 60
    { u"Helvetica",               nullptr,   "Helvetica-Bold",                  kAnsi,     kBold,    FALSE },
    { u"Helvetica",               nullptr,   "Helvetica-BoldOblique",           kAnsi,     kBold,    TRUE  },
    { u"Helvetica Narrow",        nullptr,   "Helvetica-Narrow",                kAnsi,     kRegular, FALSE },
    { u"Helvetica Narrow",        nullptr,   "Helvetica-Narrow-Oblique",        kAnsi,     kRegular, TRUE  },
    { u"Helvetica Narrow",        nullptr,   "Helvetica-Narrow-Bold",           kAnsi,     kBold,    FALSE },  // 65
    { u"Helvetica Narrow",        nullptr,   "Helvetica-Narrow-BoldOblique",    kAnsi,     kBold,    TRUE  },
    { u"New Century Schoolbook",  nullptr,   "NewCenturySchlbk-Roman",          kAnsi,     kRegular, FALSE },
    { u"New Century Schoolbook",  nullptr,   "NewCenturySchlbk-Italic",         kAnsi,     kRegular, TRUE  },
    { u"New Century Schoolbook",  nullptr,   "NewCenturySchlbk-Bold",           kAnsi,     kBold,    FALSE },
    { u"New Century Schoolbook",  nullptr,   "NewCenturySchlbk-BoldItalic",     kAnsi,     kBold,    TRUE  },  // 70
    { u"Palatino",                nullptr,   "Palatino-Roman",                  kAnsi,     kRegular, FALSE },
    { u"Palatino",                nullptr,   "Palatino-Italic",                 kAnsi,     kRegular, TRUE  },
    { u"Palatino",                nullptr,   "Palatino-Bold",                   kAnsi,     kBold,    FALSE },
    { u"Palatino",                nullptr,   "Palatino-BoldItalic",             kAnsi,     kBold,    TRUE  },
    { u"Times",                   nullptr,   "Times-Roman",                     kAnsi,     kRegular, FALSE },  // 75
    { u"Times",                   nullptr,   "Times-Italic",                    kAnsi,     kRegular, TRUE  },
    { u"Times",                   nullptr,   "Times-Bold",                      kAnsi,     kBold,    FALSE },
    { u"Times",                   nullptr,   "Times-BoldItalic",                kAnsi,     kBold,    TRUE  },
    { u"ITC Zapf Chancery",       nullptr,   "ZapfChancery-MediumItalic",       kAnsi,     kRegular, TRUE  },
    { u"ITC Zapf Dingbats",       nullptr,   "ZapfDingbats",                    kSymbol,   kRegular, FALSE },  // 80
    { u"Symbol",                  nullptr,   "Symbol",                          kSymbol,   kRegular, FALSE },
    { u"SymbolPS",                nullptr,   "Symbol",                          kSymbol,   kRegular, FALSE },
    { u"Wingdings",               nullptr,   "Wingdings",                       kSymbol,   kRegular, FALSE },
    // Faces beginning with "@" are the vertical forms of the faces without it.
    { u"HGP明朝L",                nullptr,   "HGPMinchoL",                      kShiftJis, kRegular, FALSE },
    { u"HGPゴシックB",            nullptr,   "HGPGothicB",                      kShiftJis, kRegular, FALSE },  // 85
    { u"@HGP明朝L",               nullptr,   "HGPMinchoL",                      kShiftJis, kRegular, FALSE },
    { u"@HGPゴシックB",           nullptr,   "HGPGothicB",                      kShiftJis, kRegular, FALSE },
    { u"HG明朝L",                 nullptr,   "HGMinchoL",                       kShiftJis, kRegular, FALSE },
    { u"HGゴシックB",             nullptr,   "HGGothicB",                       kShiftJis, kRegular, FALSE },
    { u"@HG明朝L",                nullptr,   "HGMinchoL",                       kShiftJis, kRegular, FALSE },  // 90
    { u"@HGゴシックB",            nullptr,   "HGGothicB",                       kShiftJis, kRegular, FALSE },
    { nullptr,                    nullptr,   nullptr,                           0,         0,        FALSE },  // end
};
static_assert(std::size(kDeviceFonts) == kDeviceFontCount + 1, "the font numbers the printer knows");
static_assert(kDeviceFonts[kDeviceFontCount].pszFace == nullptr, "terminator must be last");

} // namespace

const DEVICE_FONT_ROW* DeviceFontRow(UINT index)
{
    return index < kDeviceFontCount ? &kDeviceFonts[index] : nullptr;
}

int FindDeviceFontByFace(const WCHAR* pszFace)
{
    if (pszFace == nullptr)
        return -1;
    for (UINT i = 0; i < kDeviceFontCount; ++i)
        if (lstrcmpW(kDeviceFonts[i].pszFace, pszFace) == 0)
            return static_cast<int>(i);
    return -1;
}

const char* DeviceFontFamily(const DEVICE_FONT_ROW& row)
{
    return row.pszFamily != nullptr ? row.pszFamily : row.pszFont;
}
