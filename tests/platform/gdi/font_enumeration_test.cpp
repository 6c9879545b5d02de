// font_enumeration_test.cpp - EnumFontFamiliesW and EnumFontFamiliesExW: the faces a device context offers,
// one named family, the character-set filter, and a callback that stops the enumeration.
#include "test_fonts.h"

#include <gtest/gtest.h>
#include <algorithm>
#include <string>
#include <vector>

namespace {

struct Seen {
    std::u16string face;
    std::u16string script;
    BYTE charSet;
    BYTE pitchAndFamily;
    BYTE tmPitchAndFamily;
    DWORD fontType;
    DWORD ntmFlags;
};

struct Collector {
    std::vector<Seen> seen;
    int stopAfter = -1;   // answer 0 on this call (counted from 1), 1 otherwise
    bool extended = false;
};

int CALLBACK Collect(const LOGFONTW* lf, const TEXTMETRICW* tm, DWORD fontType, LPARAM lParam)
{
    auto* collector = reinterpret_cast<Collector*>(lParam);
    const auto* elf = reinterpret_cast<const ENUMLOGFONTEXW*>(lf);
    const auto* ntm = reinterpret_cast<const NEWTEXTMETRICW*>(tm);
    collector->seen.push_back({lf->lfFaceName, collector->extended ? elf->elfScript : u"", lf->lfCharSet,
                               lf->lfPitchAndFamily, tm->tmPitchAndFamily, fontType, ntm->ntmFlags});
    return static_cast<int>(collector->seen.size()) == collector->stopAfter ? 0 : 1;
}

class FontEnumeration : public MemoryDcTextTest {};

} // namespace

TEST_F(FontEnumeration, EveryFaceIsARegularTrueTypeFamily)
{
    Collector collector;
    EXPECT_EQ(EnumFontFamiliesW(m_dc, nullptr, Collect, reinterpret_cast<LPARAM>(&collector)), 1);
    ASSERT_EQ(collector.seen.size(), 41u);
    std::vector<std::u16string> faces;
    for (const Seen& s : collector.seen) {
        faces.push_back(s.face);
        EXPECT_EQ(s.fontType, static_cast<DWORD>(TRUETYPE_FONTTYPE));
        EXPECT_EQ(s.ntmFlags, static_cast<DWORD>(NTM_REGULAR));
        EXPECT_TRUE(s.tmPitchAndFamily & TMPF_TRUETYPE);
    }
    // The faces the driver's tables and the applications name, each once.
    for (const char16_t* face : {u"Arial", u"Times New Roman", u"Courier New", u"Courier", u"ＭＳ 明朝", u"ＭＳ Ｐ明朝",
                                 u"ＭＳ ゴシック", u"ＭＳ Ｐゴシック", u"HG明朝L", u"HGPゴシックB", u"@HG明朝L"})
        EXPECT_EQ(std::count(faces.begin(), faces.end(), face), 1) << "face " << faces.size();
}

TEST_F(FontEnumeration, NamedFamilyGivesItsFaceOnly)
{
    Collector collector;
    EXPECT_EQ(EnumFontFamiliesW(m_dc, u"courier new", Collect, reinterpret_cast<LPARAM>(&collector)), 1);
    ASSERT_EQ(collector.seen.size(), 1u);
    EXPECT_EQ(collector.seen[0].face, u"Courier New");
    EXPECT_EQ(collector.seen[0].pitchAndFamily, FIXED_PITCH | FF_MODERN);
    EXPECT_EQ(collector.seen[0].tmPitchAndFamily & TMPF_FIXED_PITCH, 0) << "the bit set means a variable pitch";

    Collector none;
    EXPECT_EQ(EnumFontFamiliesW(m_dc, u"No Such Face", Collect, reinterpret_cast<LPARAM>(&none)), 1);
    EXPECT_TRUE(none.seen.empty());
}

TEST_F(FontEnumeration, CallbackAnsweringZeroStopsItAndIsTheAnswer)
{
    Collector collector;
    collector.stopAfter = 3;
    EXPECT_EQ(EnumFontFamiliesW(m_dc, nullptr, Collect, reinterpret_cast<LPARAM>(&collector)), 0);
    EXPECT_EQ(collector.seen.size(), 3u);
}

TEST_F(FontEnumeration, ExtendedCallKeepsToTheCharacterSetAndNamesItsScript)
{
    LOGFONTW japanese = {};
    japanese.lfCharSet = SHIFTJIS_CHARSET;
    Collector collector;
    collector.extended = true;
    EXPECT_EQ(EnumFontFamiliesExW(m_dc, &japanese, Collect, reinterpret_cast<LPARAM>(&collector), 0), 1);
    ASSERT_EQ(collector.seen.size(), 16u);
    for (const Seen& s : collector.seen) {
        EXPECT_EQ(s.charSet, SHIFTJIS_CHARSET);
        EXPECT_EQ(s.script, u"Japanese");
    }

    LOGFONTW arial = {};
    arial.lfCharSet = DEFAULT_CHARSET;
    std::u16string(u"Arial").copy(arial.lfFaceName, 5);
    Collector one;
    one.extended = true;
    EXPECT_EQ(EnumFontFamiliesExW(m_dc, &arial, Collect, reinterpret_cast<LPARAM>(&one), 0), 1);
    ASSERT_EQ(one.seen.size(), 1u);
    EXPECT_EQ(one.seen[0].script, u"Western");

    SetLastError(0);
    EXPECT_EQ(EnumFontFamiliesExW(m_dc, nullptr, Collect, 0, 0), 0);
    EXPECT_EQ(EnumFontFamiliesW(m_dc, nullptr, nullptr, 0), 0);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
}
