// fonts_test.cpp - logical fonts and the font mapper: which face a logical font gets, how its height is read,
// the record GetObjectW answers, and font selection with deletion while selected.
#include "test_fonts.h"

#include <gtest/gtest.h>
#include <cstring>
#include <string>

namespace {

class Fonts : public MemoryDcTextTest {
protected:
    // Selects the font, runs the check, and puts the previous font back before deleting this one.
    template <typename Check>
    void WithFont(HFONT font, Check check)
    {
        ASSERT_NE(font, nullptr);
        const HGDIOBJ old = SelectObject(m_dc, font);
        check();
        SelectObject(m_dc, old);
        DeleteObject(font);
    }

    std::u16string Face()
    {
        WCHAR face[LF_FACESIZE] = {};
        GetTextFaceW(m_dc, LF_FACESIZE, face);
        return face;
    }
};

} // namespace

TEST_F(Fonts, FaceIsTheNamedOneOrTheDefaultOfTheCharacterSetPitchAndFamily)
{
    struct Case {
        const char16_t* asked;
        BYTE charSet;
        BYTE pitchAndFamily;
        const char16_t* face;
    };
    const Case cases[] = {
        {u"Arial",           ANSI_CHARSET,     0,                           u"Arial"},
        {u"times new roman", ANSI_CHARSET,     0,                           u"Times New Roman"},   // any case
        {u"ＭＳ 明朝",       SHIFTJIS_CHARSET, 0,                           u"ＭＳ 明朝"},
        {u"HGPゴシックB",    SHIFTJIS_CHARSET, 0,                           u"HGPゴシックB"},
        {u"@ＭＳ ゴシック",  SHIFTJIS_CHARSET, 0,                           u"@ＭＳ ゴシック"},
        {u"No Such Face",    ANSI_CHARSET,     VARIABLE_PITCH | FF_ROMAN,   u"Times New Roman"},
        {u"",                ANSI_CHARSET,     FIXED_PITCH | FF_DONTCARE,   u"Courier New"},
        {u"",                ANSI_CHARSET,     VARIABLE_PITCH | FF_MODERN,  u"Courier New"},
        {u"",                ANSI_CHARSET,     DEFAULT_PITCH | FF_SWISS,    u"Arial"},
        {u"No Such Face",    SHIFTJIS_CHARSET, FIXED_PITCH | FF_ROMAN,      u"ＭＳ 明朝"},
        {u"",                SHIFTJIS_CHARSET, VARIABLE_PITCH | FF_ROMAN,   u"ＭＳ Ｐ明朝"},
        {u"",                SHIFTJIS_CHARSET, VARIABLE_PITCH | FF_MODERN,  u"ＭＳ Ｐゴシック"},
        {u"",                SHIFTJIS_CHARSET, DEFAULT_PITCH | FF_DONTCARE, u"ＭＳ ゴシック"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
        WithFont(CreateFontW(-20, 0, 0, 0, FW_NORMAL, 0, 0, 0, c.charSet, 0, 0, 0, c.pitchAndFamily, c.asked),
                 [&] { EXPECT_EQ(Face(), c.face); });
    }
}

TEST_F(Fonts, NegativeHeightIsTheEmAndPositiveTheCell)
{
    struct Case {
        LONG lfHeight;
        LONG height, ascent, descent, internalLeading;
    };
    const Case cases[] = {
        {-20,     22,    18,    4,    2},
        {22,      22,    18,    4,    2},
        {-10,     11,    9,     2,    1},
        {11,      11,    9,     2,    1},
        {13,      13,    11,    2,    1},
        {0,       17,    14,    3,    1},      // a 12-point em at the memory DC's 96 dpi: 16 pixels
        {1,       1,     1,     0,    0},      // no smaller than an em of one pixel
        {-100000, 18023, 14746, 3277, 1639},   // no larger than the largest em the rasteriser draws
        {INT32_MIN, 18023, 14746, 3277, 1639},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "lfHeight " << c.lfHeight);
        WithFont(CreateFontW(c.lfHeight, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, u"Arial"), [&] {
            TEXTMETRICW tm = {};
            ASSERT_TRUE(GetTextMetricsW(m_dc, &tm));
            EXPECT_EQ(tm.tmHeight, c.height);
            EXPECT_EQ(tm.tmAscent, c.ascent);
            EXPECT_EQ(tm.tmDescent, c.descent);
            EXPECT_EQ(tm.tmInternalLeading, c.internalLeading);
        });
    }
}

TEST_F(Fonts, MetricsTellPitchCharacterSetAndStyle)
{
    struct Case {
        const char16_t* face;
        LONG weight;
        BYTE italic;
        LONG aveWidth, maxWidth, tmWeight;
        BYTE pitchAndFamily, charSet;
        WCHAR lastChar;
    };
    const Case cases[] = {
        {u"Arial",       FW_NORMAL, 0, 10, 18, FW_NORMAL, FF_SWISS | TMPF_TRUETYPE | TMPF_VECTOR | TMPF_FIXED_PITCH,
         ANSI_CHARSET, u'~'},
        {u"Courier New", FW_NORMAL, 0, 12, 12, FW_NORMAL, FF_MODERN | TMPF_TRUETYPE | TMPF_VECTOR, ANSI_CHARSET,
         u'~'},
        {u"ＭＳ 明朝",   FW_BOLD,   1, 11, 21, FW_BOLD,   FF_ROMAN | TMPF_TRUETYPE | TMPF_VECTOR, SHIFTJIS_CHARSET,
         u'\u8A9E'},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
        WithFont(CreateFontW(-20, 0, 0, 0, c.weight, c.italic, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, c.face), [&] {
            TEXTMETRICW tm = {};
            ASSERT_TRUE(GetTextMetricsW(m_dc, &tm));
            EXPECT_EQ(tm.tmAveCharWidth, c.aveWidth);
            EXPECT_EQ(tm.tmMaxCharWidth, c.maxWidth);
            EXPECT_EQ(tm.tmWeight, c.tmWeight);
            EXPECT_EQ(tm.tmItalic, c.italic);
            EXPECT_EQ(tm.tmPitchAndFamily, c.pitchAndFamily);
            EXPECT_EQ(tm.tmCharSet, c.charSet);
            EXPECT_EQ(tm.tmLastChar, c.lastChar);
            EXPECT_EQ(tm.tmDigitizedAspectY, 96);
        });
    }
}

TEST_F(Fonts, LogicalFontAnswersItsRecordWithItsFaceNameCut)
{
    LOGFONTW given = {};
    given.lfHeight = -33;
    given.lfEscapement = 450;
    given.lfWeight = FW_BOLD;
    given.lfCharSet = SHIFTJIS_CHARSET;
    for (WCHAR& c : given.lfFaceName)
        c = u'x';   // no terminator in the field
    const HFONT font = CreateFontIndirectW(&given);
    ASSERT_NE(font, nullptr);
    LOGFONTW answered;
    std::memset(&answered, 0xAB, sizeof answered);
    EXPECT_EQ(GetObjectW(font, 0, nullptr), static_cast<int>(sizeof(LOGFONTW)));
    EXPECT_EQ(GetObjectW(font, sizeof answered - 1, &answered), 0);
    ASSERT_EQ(GetObjectW(font, sizeof answered, &answered), static_cast<int>(sizeof(LOGFONTW)));
    EXPECT_EQ(answered.lfHeight, -33);
    EXPECT_EQ(answered.lfEscapement, 450);
    EXPECT_EQ(answered.lfCharSet, SHIFTJIS_CHARSET);
    EXPECT_EQ(std::u16string(answered.lfFaceName), std::u16string(LF_FACESIZE - 1, u'x'));
    DeleteObject(font);

    // CreateFontW cuts a long name the same way.
    const std::u16string longName(40, u'y');
    const HFONT named = CreateFontW(0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, longName.c_str());
    ASSERT_EQ(GetObjectW(named, sizeof answered, &answered), static_cast<int>(sizeof(LOGFONTW)));
    EXPECT_EQ(std::u16string(answered.lfFaceName), std::u16string(LF_FACESIZE - 1, u'y'));
    DeleteObject(named);

    SetLastError(0);
    EXPECT_EQ(CreateFontIndirectW(nullptr), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
}

TEST_F(Fonts, SelectionHandsBackThePreviousFontAndASelectedFontOutlivesItsDeletion)
{
    const HGDIOBJ system = GetStockObject(SYSTEM_FONT);
    ASSERT_NE(system, nullptr);
    EXPECT_EQ(GetCurrentObject(m_dc, OBJ_FONT), system) << "a new DC holds the system font";
    const HFONT font = CreateFontW(-12, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, u"Courier New");
    EXPECT_EQ(SelectObject(m_dc, font), system);
    EXPECT_EQ(GetCurrentObject(m_dc, OBJ_FONT), font);
    EXPECT_FALSE(DeleteObject(font)) << "a selected font is deleted when it is let go";
    EXPECT_EQ(Face(), u"Courier New");
    EXPECT_EQ(SelectObject(m_dc, system), font);
    LOGFONTW lf;
    EXPECT_EQ(GetObjectW(font, sizeof lf, &lf), 0) << "gone once deselected";
    EXPECT_TRUE(DeleteObject(system)) << "a stock font stays";
    EXPECT_EQ(GetObjectW(system, sizeof lf, &lf), static_cast<int>(sizeof lf));
}
