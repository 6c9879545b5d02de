// pjl_names_test.cpp - the PJL and VQPDL names of papers and trays, and the printer's defaults for ids it
// does not know.
#include "pdl/vxcmn/vqpdlnt/pjl_names.h"

#include <gtest/gtest.h>

#include <string>

TEST(PjlNames, PapersByTheirPjlAndVqpdlNames)
{
    struct Case { SHORT id; std::u16string pjl; std::u16string pdl; };
    const Case cases[] = {
        {9,    u"A4",      u"A4"     },
        {2057, u"A4",      u"A4R"    },   // the rotated twin keeps the PJL name
        {1,    u"LETTER",  u"LT"     },
        {3,    u"TABLOID", u"LDR"    },
        {43,   u"JPOST",   u"PCR"    },
        {513,  u"A4",      u"USERDEF"},
        {256,  u"A4",      u"USERDEF"},
        {5129, u"A4",      u"A4TAB_F"},
        {999,  u"A4",      u"A4"     },   // unknown
        {0,    u"A4",      u"A4"     },   // the table's end is no paper
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "paper " << c.id);
        EXPECT_EQ(std::u16string(GetPjlPaperName(c.id)), c.pjl);
        EXPECT_EQ(std::u16string(GetPdlPaperName(c.id)), c.pdl);
    }
}

TEST(PjlNames, TraysByTheirPjlNamesAndVqpdlLetters)
{
    struct Case { SHORT id; std::u16string pjl; std::u16string pdl; };
    const Case cases[] = {
        {7,   u"AUTO",   u"A"},
        {1,   u"TRAY1",  u"1"},
        {258, u"TRAY3",  u"3"},
        {261, u"TRAY6",  u"6"},
        {4,   u"MANUAL", u"M"},
        {3,   u"AUTO",   u"A"},   // unknown
        {0,   u"AUTO",   u"A"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "tray " << c.id);
        EXPECT_EQ(std::u16string(GetPjlTrayName(c.id)), c.pjl);
        EXPECT_EQ(std::u16string(GetPdlTrayName(c.id)), c.pdl);
    }
}
