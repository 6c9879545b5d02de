// pens_test.cpp - the pen of a stroke: no line, cosmetic lines plain, alternate and styled, geometric lines
// refused, pattern brushes, and the brush-numbered form.
#include "writer_fixture.h"
#include "pdl/vxcmn/vqpdlnt/pens.h"

namespace {

using Pens = WriterTest;

LINEATTRS Cosmetic(FLONG fl = 0)
{
    LINEATTRS la = {};
    la.fl = fl;
    la.elWidth.l = 1;
    la.eMiterLimit = 10.0f;
    return la;
}

TEST_F(Pens, EachKindOfLineWritesItsPenAndStyle)
{
    ASSERT_NE(Open(), nullptr);
    BRUSHOBJ* red = Solid(0x0000FF);
    LINEATTRS plain = Cosmetic();
    LINEATTRS alternate = Cosmetic(LA_ALTERNATE);
    alternate.elStyleState.l = 0x01FFFFFF;   // its low 24 bits are -1
    FLOAT_LONG dashes[2];
    dashes[0].l = 3;
    dashes[1].l = 1;
    LINEATTRS styled = Cosmetic();
    styled.cstyle = 2;
    styled.pstyle = dashes;
    styled.elStyleState.l = 1;
    LINEATTRS geometric = Cosmetic(LA_GEOMETRIC);
    struct Case {
        const char* name;
        BRUSHOBJ* brush;
        LINEATTRS* la;
        BOOL result;
        std::string expected;
    };
    // At 600 dpi a style unit is 24 dots.
    const Case cases[] = {
        {"no brush: no line", nullptr, &plain, TRUE, "lns -1;\n"},
        {"a plain cosmetic line", red, &plain, TRUE, "brc 10 #4C4C4C;\nlnc 0 10 %1 F M %10 0;\nlns 0;\n"},
        {"the same colour again", red, &plain, TRUE, "lnc 0 10 %1 F M %10 0;\n"},
        {"every other pixel", red, &alternate, TRUE, "lnp 0 10 %1 8 F M %10 -1 128;\n"},
        {"a style array", red, &styled, TRUE, "lnp 0 10 %1 7 F M %10 6144 96 2 72 24;\n"},
        {"a geometric pen draws nothing", Solid(0), &geometric, FALSE, "brc 10 #00;\nrem geometric pen;\n"},
        {"no line attributes", red, nullptr, TRUE, "lns -1;\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(PdlOutputPen(m_pdev, c.brush, c.la), c.result);
        EXPECT_EQ(Take(), c.expected);
    }
}

TEST_F(Pens, APatternBrushLineAndTheBrushNumberedForm)
{
    ASSERT_NE(Open(), nullptr);
    LINEATTRS plain = Cosmetic();
    BRUSHOBJ* hatch = Hatch(HS_CROSS, 0x000000, 0xFFFFFF);
    EXPECT_TRUE(PdlOutputPen(m_pdev, hatch, &plain));
    EXPECT_EQ(Take(), "rem cosmetic line with user defined pattern brush;\nlnc 0 10 %1 F M %10 0;\nlns 0;\n")
        << "a pattern brush has no line colour";
    EXPECT_TRUE(PdlOutputPenWithBrush(m_pdev, Solid(0x0000FF), &plain));
    EXPECT_EQ(Take(), "brc 2 #4C4C4C;\nbrs 2;\nbrc 10 #4C4C4C;\nlnc 0 2 %1 F M %10 0;\n");
}

} // namespace
