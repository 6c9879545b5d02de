// text_metrics_test.cpp - text extents and character widths in the DC's font, the character extra, the face
// name answer, and the refusals of bad arguments.
#include "test_fonts.h"

#include <gtest/gtest.h>
#include <functional>
#include <string>
#include <vector>

namespace {

class TextMetrics : public MemoryDcTextTest {
protected:
    void Use(const char16_t* face, LONG height, LONG weight = FW_NORMAL, LONG width = 0)
    {
        m_fonts.Select(m_dc, face, height, 0, weight, 0, 0, width);
    }
};

} // namespace

TEST_F(TextMetrics, ExtentIsTheSumOfTheAdvancesByTheCellHeight)
{
    struct Case {
        const char16_t* face;
        LONG height, weight, width;
        std::u16string text;
        LONG cx, cy;
    };
    const Case cases[] = {
        {u"Arial",          -20, FW_NORMAL, 0,  u"A",      13, 22},
        {u"Arial",          -20, FW_NORMAL, 0,  u"Ag.",    29, 22},
        {u"Arial",          -20, FW_NORMAL, 0,  u"",       0,  22},
        {u"Arial",          -20, FW_BOLD,   0,  u"AA",     28, 22},   // emboldening adds a pixel to each
        {u"Arial",          -20, FW_NORMAL, 20, u"A",      26, 22},   // twice the average width
        {u"Arial",          -20, FW_NORMAL, 0,  u"日",     12, 22},   // the default glyph of a Latin face
        {u"Arial",          -10, FW_NORMAL, 0,  u"AAAA",   28, 11},   // 6.5 pixels each, rounded
        {u"Courier New",    -20, FW_NORMAL, 0,  u"iW.",    36, 22},
        {u"ＭＳ 明朝",      -20, FW_NORMAL, 0,  u"日本",   40, 22},
        {u"ＭＳ 明朝",      -20, FW_NORMAL, 0,  u"Wi日",   40, 22},   // half-width Latin
        {u"ＭＳ Ｐゴシック", 22, FW_NORMAL, 0,  u"Ai本",   37, 22},   // proportional Latin
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
        Use(c.face, c.height, c.weight, c.width);
        SIZE size = {-1, -1};
        ASSERT_TRUE(GetTextExtentPoint32W(m_dc, c.text.c_str(), static_cast<int>(c.text.size()), &size));
        EXPECT_EQ(size.cx, c.cx);
        EXPECT_EQ(size.cy, c.cy);
    }
}

TEST_F(TextMetrics, CharacterExtraWidensExtentsButNotCharacterWidths)
{
    Use(u"Arial", -20);
    EXPECT_EQ(SetTextCharacterExtra(m_dc, 3), 0);
    EXPECT_EQ(GetTextCharacterExtra(m_dc), 3);
    SIZE size = {};
    ASSERT_TRUE(GetTextExtentPoint32W(m_dc, u"AB", 2, &size));
    EXPECT_EQ(size.cx, 13 + 12 + 2 * 3);
    INT widths[3] = {};
    ASSERT_TRUE(GetCharWidth32W(m_dc, u'A', u'C', widths));
    EXPECT_EQ(std::vector<INT>(widths, widths + 3), (std::vector<INT>{13, 12, 13}));
    // An extra far past the device's range keeps the extent a count of pixels, not an overflow.
    SetTextCharacterExtra(m_dc, INT32_MAX);
    ASSERT_TRUE(GetTextExtentPoint32W(m_dc, u"AAAA", 4, &size));
    EXPECT_EQ(size.cx, 4 << 26);
}

TEST_F(TextMetrics, FaceNameIsCutToTheBufferAndAlwaysTerminated)
{
    Use(u"times new roman", -12);
    struct Case {
        int size;
        int answer;
        std::u16string text;
    };
    const Case cases[] = {
        {32, 15, u"Times New Roman"},
        {16, 15, u"Times New Roman"},
        {15, 14, u"Times New Roma"},
        {1,  0,  u""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "buffer " << c.size);
        WCHAR buffer[40];
        std::fill(std::begin(buffer), std::end(buffer), u'#');
        EXPECT_EQ(GetTextFaceW(m_dc, c.size, buffer), c.answer);
        EXPECT_EQ(std::u16string(buffer), c.text);
        EXPECT_EQ(buffer[c.size], u'#') << "nothing written past the buffer";
    }
    EXPECT_EQ(GetTextFaceW(m_dc, 0, nullptr), 16) << "the size needed, terminator included";
}

TEST_F(TextMetrics, BadArgumentsGetTheFailureResult)
{
    const HDC unknown = reinterpret_cast<HDC>(static_cast<uintptr_t>(0x1234));
    SIZE size;
    TEXTMETRICW tm;
    INT widths[2];
    WCHAR face[8];
    struct Case {
        const char* call;
        std::function<BOOL()> run;
        DWORD error;
    };
    const Case cases[] = {
        {"extent, unknown DC", [&] { return GetTextExtentPoint32W(unknown, u"a", 1, &size); }, ERROR_INVALID_HANDLE},
        {"extent, no size", [&] { return GetTextExtentPoint32W(m_dc, u"a", 1, nullptr); }, ERROR_INVALID_PARAMETER},
        {"extent, negative count", [&] { return GetTextExtentPoint32W(m_dc, u"a", -1, &size); },
         ERROR_INVALID_PARAMETER},
        {"extent, no text", [&] { return GetTextExtentPoint32W(m_dc, nullptr, 3, &size); }, ERROR_INVALID_PARAMETER},
        {"extent, count too large", [&] { return GetTextExtentPoint32W(m_dc, u"a", 1 << 20, &size); },
         ERROR_INVALID_PARAMETER},
        {"metrics, unknown DC", [&] { return GetTextMetricsW(unknown, &tm); }, ERROR_INVALID_HANDLE},
        {"metrics, no record", [&] { return GetTextMetricsW(m_dc, nullptr); }, ERROR_INVALID_PARAMETER},
        {"widths, reversed", [&] { return GetCharWidth32W(m_dc, u'b', u'a', widths); }, ERROR_INVALID_PARAMETER},
        {"widths, no buffer", [&] { return GetCharWidth32W(m_dc, u'a', u'b', nullptr); }, ERROR_INVALID_PARAMETER},
        {"face, no room", [&] { return static_cast<BOOL>(GetTextFaceW(m_dc, 0, face)); }, ERROR_INVALID_PARAMETER},
        {"face, unknown DC", [&] { return static_cast<BOOL>(GetTextFaceW(unknown, 8, face)); }, ERROR_INVALID_HANDLE},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.call);
        SetLastError(0);
        EXPECT_FALSE(c.run());
        EXPECT_EQ(GetLastError(), c.error);
    }
}
