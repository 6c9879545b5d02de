#pragma once
// test_fonts.h - the fonts a GDI test makes, selected where it draws and deleted when it is done with them, and
// a fresh world with a memory DC to measure them on.

#include "support/world_fixture.h"
#include "win/windows.h"

#include <vector>

class TestFonts {
public:
    TestFonts() = default;
    ~TestFonts() { Clear(); }
    TestFonts(const TestFonts&) = delete;
    TestFonts& operator=(const TestFonts&) = delete;

    // A font of the face at the height (negative: the em's, positive: the cell's), its baseline and glyphs turned
    // by the escapement, selected into hdc.
    HFONT Select(HDC hdc, const char16_t* face, LONG height, LONG escapement = 0, LONG weight = FW_NORMAL,
                 BYTE italic = 0, BYTE underline = 0, LONG width = 0)
    {
        const HFONT font = CreateFontW(height, width, escapement, escapement, weight, italic, underline, 0,
                                       DEFAULT_CHARSET, 0, 0, 0, 0, face);
        m_fonts.push_back(font);
        SelectObject(hdc, font);
        return font;
    }

    // Deletes them; one still selected somewhere goes when it is let go.
    void Clear()
    {
        for (const HFONT font : m_fonts)
            DeleteObject(font);
        m_fonts.clear();
    }

private:
    std::vector<HFONT> m_fonts;
};

class MemoryDcTextTest : public WorldTest {
protected:
    void SetUp() override
    {
        WorldTest::SetUp();
        m_dc = CreateCompatibleDC(nullptr);
        ASSERT_NE(m_dc, nullptr);
    }
    void TearDown() override
    {
        DeleteDC(m_dc);
        m_fonts.Clear();
        WorldTest::TearDown();
    }

    HDC m_dc = nullptr;
    TestFonts m_fonts;
};
