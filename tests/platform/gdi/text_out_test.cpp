// text_out_test.cpp - TextOutW and ExtTextOutW on memory DCs: glyph pictures, where alignment puts the text's
// cells, the current position, opaque and clipping rectangles, dx arrays, turned text, double-byte text and a
// missing character, and the refusals of bad input.
#include "canvas.h"
#include "support/world_fixture.h"
#include "test_fonts.h"

#include <functional>
#include <string>
#include <vector>

namespace {

class TextOut : public WorldTest {
protected:
    void TearDown() override
    {
        m_fonts.Clear();
        WorldTest::TearDown();
    }

    void Use(const Canvas& canvas, const char16_t* face, LONG height, LONG escapement = 0, BYTE underline = 0)
    {
        m_fonts.Select(canvas.dc(), face, height, escapement, FW_NORMAL, 0, underline);
    }

    static void ExpectRect(const RECT& actual, const RECT& expected)
    {
        EXPECT_EQ(actual.left, expected.left);
        EXPECT_EQ(actual.top, expected.top);
        EXPECT_EQ(actual.right, expected.right);
        EXPECT_EQ(actual.bottom, expected.bottom);
    }

    // The smallest rectangle holding every pixel that is not white.
    static RECT InkBox(const std::vector<std::string>& picture)
    {
        RECT box = {1 << 20, 1 << 20, -1, -1};
        for (LONG y = 0; y < static_cast<LONG>(picture.size()); ++y)
            for (LONG x = 0; x < static_cast<LONG>(picture[y].size()); ++x)
                if (picture[y][x] != '.')
                    box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x + 1),
                           std::max(box.bottom, y + 1)};
        return box;
    }

    TestFonts m_fonts;
};

} // namespace

TEST_F(TextOut, GlyphsStandOnTheBaselineBelowTheTopReferencePoint)
{
    Canvas canvas(24, 14, 1);
    Use(canvas, u"Arial", -10);
    SetBkMode(canvas.dc(), TRANSPARENT);
    ASSERT_TRUE(TextOutW(canvas.dc(), 1, 1, u"Hi!", 3));
    // A ten-pixel em: the cell's top at row 1, the baseline nine rows below it (row 10); one-pixel strokes.
    EXPECT_EQ(canvas.Picture(), (std::vector<std::string>{
                                    "........................",
                                    "........................",
                                    "........................",
                                    "..#...#..#.#............",
                                    "..#...#..#.#............",
                                    "..#...#..#.#............",
                                    "..#####..#.#............",
                                    "..#...#..#.#............",
                                    "..#...#..#.#............",
                                    "..#...#..#..............",
                                    "..#...#..#.#............",
                                    "........................",
                                    "........................",
                                    "........................",
                                }));
}

TEST_F(TextOut, AlignmentPutsTheCellsAroundTheReferencePoint)
{
    // With an opaque black background the ink is the text's cells: 20 pixels wide (two 'n's of a 20-pixel em less
    // nothing) and 22 high, 18 of them above the baseline.
    struct Case {
        UINT align;
        RECT cells;
    };
    const Case cases[] = {
        {TA_LEFT | TA_TOP,         {30, 30, 52, 52}},
        {TA_LEFT | TA_BASELINE,    {30, 12, 52, 34}},
        {TA_LEFT | TA_BOTTOM,      {30, 8, 52, 30}},
        {TA_RIGHT | TA_TOP,        {8, 30, 30, 52}},
        {TA_CENTER | TA_BASELINE,  {19, 12, 41, 34}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "align " << c.align);
        Canvas canvas(60, 60, 1);
        Use(canvas, u"Arial", -20);
        SetBkColor(canvas.dc(), RGB(0, 0, 0));
        EXPECT_EQ(SetTextAlign(canvas.dc(), c.align), static_cast<UINT>(TA_LEFT | TA_TOP));
        EXPECT_EQ(GetTextAlign(canvas.dc()), c.align);
        ASSERT_TRUE(TextOutW(canvas.dc(), 30, 30, u"nn", 2));
        ExpectRect(InkBox(canvas.Picture()), c.cells);
    }
}

TEST_F(TextOut, UpdateCpDrawsFromTheCurrentPositionAndMovesIt)
{
    Canvas canvas(80, 30, 1);
    Use(canvas, u"Arial", -20);
    SetBkColor(canvas.dc(), RGB(0, 0, 0));
    SetTextAlign(canvas.dc(), TA_UPDATECP);
    MoveToEx(canvas.dc(), 5, 2, nullptr);
    ASSERT_TRUE(TextOutW(canvas.dc(), 60, 20, u"n", 1));   // the given point is not used
    POINT position;
    MoveToEx(canvas.dc(), 5 + 11, 2, &position);
    EXPECT_EQ(position.x, 5 + 11) << "moved past the text";
    EXPECT_EQ(position.y, 2);
    ASSERT_TRUE(TextOutW(canvas.dc(), 0, 0, u"n", 1));
    EXPECT_EQ(InkBox(canvas.Picture()).right, 5 + 22) << "the second 'n' follows the first";

    SetTextAlign(canvas.dc(), TA_UPDATECP | TA_RIGHT);
    ASSERT_TRUE(TextOutW(canvas.dc(), 0, 0, u"nn", 2));
    MoveToEx(canvas.dc(), 0, 0, &position);
    EXPECT_EQ(position.x, 5 + 22 - 22) << "right-aligned text moves the position back over it";
}

TEST_F(TextOut, OpaqueRectangleIsFilledAndClippingKeepsTheTextInside)
{
    Canvas canvas(30, 16, 24);
    Use(canvas, u"Arial", -10);
    SetBkMode(canvas.dc(), TRANSPARENT);
    SetBkColor(canvas.dc(), RGB(0, 0, 255));
    const RECT rect = {2, 2, 9, 14};
    ASSERT_TRUE(ExtTextOutW(canvas.dc(), 2, 2, ETO_OPAQUE | ETO_CLIPPED, &rect, u"HH", 2, nullptr));
    const std::vector<std::string> picture = canvas.Picture({{RGB(0, 0, 255), 'b'}});
    // The rectangle is blue where the first 'H' leaves it; nothing of the second 'H' shows past its edge.
    EXPECT_EQ(picture[2], "..bbbbbbb.....................");
    EXPECT_EQ(picture[7], "..b#####b.....................");
    EXPECT_EQ(picture[13], "..bbbbbbb.....................");
    EXPECT_EQ(InkBox(picture).right, 9);

    // ETO_OPAQUE without text fills the rectangle alone.
    Canvas empty(6, 4, 24);
    SetBkColor(empty.dc(), RGB(0, 0, 255));
    const RECT small = {1, 1, 3, 2};
    ASSERT_TRUE(ExtTextOutW(empty.dc(), 0, 0, ETO_OPAQUE, &small, nullptr, 0, nullptr));
    EXPECT_EQ(empty.Picture({{RGB(0, 0, 255), 'b'}}),
              (std::vector<std::string>{"......", ".bb...", "......", "......"}));
}

TEST_F(TextOut, DxArrayPlacesEachCharacter)
{
    Canvas canvas(40, 14, 1);
    Use(canvas, u"Arial", -10);
    SetBkMode(canvas.dc(), TRANSPARENT);
    const INT dx[] = {12, 3, 1};
    ASSERT_TRUE(ExtTextOutW(canvas.dc(), 0, 0, 0, nullptr, u"lll", 3, dx));
    // 'l' is a one-pixel stem a pixel right of its origin: at 0 + 1, 12 + 1 and 15 + 1.
    EXPECT_EQ(canvas.Picture()[6], ".#...........#..#.......................");
}

TEST_F(TextOut, EscapementTurnsTheBaselineAndTheCellsWithIt)
{
    // Cells 22 pixels across the baseline and 11 along it (one 'n'), from the reference point at (30, 30).
    struct Case {
        LONG escapement;
        RECT cells;
    };
    const Case cases[] = {
        {0,    {30, 30, 41, 52}},
        {900,  {30, 19, 52, 30}},   // the baseline runs up the page, the cells' tops to the left
        {1800, {19, 8, 30, 30}},
        {2700, {8, 30, 30, 41}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "escapement " << c.escapement);
        Canvas canvas(60, 60, 1);
        Use(canvas, u"Arial", -20, c.escapement);
        SetBkColor(canvas.dc(), RGB(0, 0, 0));
        ASSERT_TRUE(TextOutW(canvas.dc(), 30, 30, u"n", 1));
        ExpectRect(InkBox(canvas.Picture()), c.cells);
    }
}

TEST_F(TextOut, DoubleByteTextAndAMissingCharacter)
{
    Canvas canvas(44, 14, 1);
    Use(canvas, u"ＭＳ ゴシック", -10);
    SetBkMode(canvas.dc(), TRANSPARENT);
    // A kanji and a kana, each a full em; then a kanji no design has: the default glyph, an empty box, in the
    // half-width cell of the fixed-pitch face.
    ASSERT_TRUE(TextOutW(canvas.dc(), 1, 1, u"日あ\u4E00", 3));
    EXPECT_EQ(canvas.Picture(), (std::vector<std::string>{
                                    "............................................",
                                    "............................................",
                                    "............................................",
                                    "...######......#......####..................",
                                    "...#....#....######...#..#..................",
                                    "...#....#......##.....#..#..................",
                                    "...#....#.....##.##...#..#..................",
                                    "...######....#..##.#..#..#..................",
                                    "...#....#....#..#..#..#..#..................",
                                    "...#....#....####..#..#..#..................",
                                    "...######.......###...####..................",
                                    "............................................",
                                    "............................................",
                                    "............................................",
                                }));
}

TEST_F(TextOut, UnderlineRunsUnderTheWholeText)
{
    Canvas canvas(30, 14, 1);
    Use(canvas, u"Arial", -10, 0, /*underline=*/1);
    SetBkMode(canvas.dc(), TRANSPARENT);
    ASSERT_TRUE(TextOutW(canvas.dc(), 2, 0, u"ii", 2));
    // Two 'i's of 4 design units (2 pixels) each; the line a pixel thick, a pixel below the baseline.
    EXPECT_EQ(canvas.Picture()[10], "..####........................");
}

TEST_F(TextOut, BadInputIsRefusedAndAnEmptyStringDrawsNothing)
{
    Canvas canvas(8, 8, 1);
    const HDC unknown = reinterpret_cast<HDC>(static_cast<uintptr_t>(0x1234));
    struct Case {
        const char* call;
        std::function<BOOL()> run;
        DWORD error;
    };
    const Case cases[] = {
        {"unknown DC", [&] { return TextOutW(unknown, 0, 0, u"a", 1); }, ERROR_INVALID_HANDLE},
        {"negative count", [&] { return TextOutW(canvas.dc(), 0, 0, u"a", -1); }, ERROR_INVALID_PARAMETER},
        {"no text", [&] { return TextOutW(canvas.dc(), 0, 0, nullptr, 2); }, ERROR_INVALID_PARAMETER},
        {"count too large", [&] { return ExtTextOutW(canvas.dc(), 0, 0, 0, nullptr, u"a", 1u << 20, nullptr); },
         ERROR_INVALID_PARAMETER},
        {"point off the device", [&] { return TextOutW(canvas.dc(), 1 << 30, 0, u"a", 1); }, ERROR_INVALID_PARAMETER},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.call);
        SetLastError(0);
        EXPECT_FALSE(c.run());
        EXPECT_EQ(GetLastError(), c.error);
    }
    EXPECT_TRUE(TextOutW(canvas.dc(), 0, 0, u"", 0));
    EXPECT_TRUE(TextOutW(canvas.dc(), 0, 0, nullptr, 0));
    EXPECT_EQ(InkBox(canvas.Picture()).right, -1) << "nothing drawn";
    EXPECT_EQ(SetTextAlign(unknown, TA_RIGHT), static_cast<UINT>(GDI_ERROR));
}
