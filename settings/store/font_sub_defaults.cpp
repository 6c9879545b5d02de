// font_sub_defaults.cpp - the font substitution table a user starts with, as data: the Japanese faces to the
// printer's own Japanese fonts, then the Latin faces, most to the printer font of the same name.
#include "settings/store/font_sub_list.h"

#include <iterator>

constexpr FONT_SUB_PAIR kDefaultFontSubs[] = {
    {u"ＭＳ Ｐ明朝",              u"HGP明朝L"              },
    {u"ＭＳ 明朝",                u"HG明朝L"               },
    {u"ＭＳ Ｐゴシック",          u"HGPゴシックB"          },
    {u"ＭＳ ゴシック",            u"HGゴシックB"           },
    {u"Albertus Extra Bold",      u"Albertus Extra Bold"   },
    {u"Albertus Medium",          u"Albertus Medium"       },
    {u"Antique Olive",            u"Antique Olive"         },
    {u"Arial",                    u"Arial"                 },
    {u"CG Omega",                 u"CG Omega"              },
    {u"CG Times",                 u"CG Times"              },
    {u"Clarendon Condensed",      u"Clarendon Condensed"   },
    {u"Coronet",                  u"Coronet"               },
    {u"Courier New",              u"Courier"               },
    {u"CourierPS",                u"CourierPS"             },
    {u"Garamond",                 u"Garamond"              },
    {u"Helvetica",                u"Helvetica"             },
    {u"Helvetica Narrow",         u"Helvetica Narrow"      },
    {u"ITC Avant Garde Gothic",   u"ITC Avant Garde Gothic"},
    {u"ITC Bookman",              u"ITC Bookman"           },
    {u"ITC Zapf Chancery",        u"ITC Zapf Chancery"     },
    {u"ITC Zapf Dingbats",        u"ITC Zapf Dingbats"     },
    {u"Letter Gothic",            u"Letter Gothic"         },
    {u"Marigold",                 u"Marigold"              },
    {u"New Century Schoolbook",   u"New Century Schoolbook"},
    {u"Palatino",                 u"Palatino"              },
    {u"Symbol",                   u"Symbol"                },
    {u"SymbolPS",                 u"SymbolPS"              },
    {u"Times",                    u"Times"                 },
    {u"Times New Roman",          u"Times New Roman"       },
    {u"Univers",                  u"Univers"               },
    {u"Univers Condensed",        u"Univers Condensed"     },
    {u"Wingdings",                u"Wingdings"             },
    {u"",                         u""                      },   // terminator
};
static_assert(kDefaultFontSubs[std::size(kDefaultFontSubs) - 1].TTFaceName[0] == u'\0', "terminator must be last");
static_assert(std::size(kDefaultFontSubs) - 1 == 32);

const FONT_SUB_PAIR* GetDefaultFontSubTable()
{
    return kDefaultFontSubs;
}

UINT GetDefaultFontSubCount()
{
    UINT count = 0;
    while (kDefaultFontSubs[count].TTFaceName[0] != u'\0')
        ++count;
    return count;
}
